#pragma once
// Settings files on the PC: the computer's settings messages as complete frames, one after the
// other, with nothing between them. Loading sends each good frame back to a computer; a damaged
// frame is never sent. Standard library and protocol only.

#include "protocol/group_buffer.h"
#include "protocol/reassembler.h"
#include "settings/scsi_logging_records.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <span>

// Commands, the acknowledgement and the mode are never sent back from a file: a stored file must
// not save, restore, reset or shut the computer down, nor change its mode.
bool IsSentFromFile(std::uint16_t number);

// What a message that is never sent from a file is: the general data (address, time and
// position, which belong to the moment, not to the set-up), the mode, the acknowledgement, or a
// command.
enum class EKept_back { general_data, mode, acknowledgement, command };
inline constexpr std::size_t kept_back_kinds = 4;
EKept_back KeptBackKind(std::uint16_t number);

struct SLoad_result {
    std::size_t sent = 0;
    std::size_t damaged = 0;  // frames that failed the frame check, or were cut off at the end
    std::size_t excluded = 0; // good frames of messages that are never sent from a file
    // The excluded frames by what they are, indexed by EKept_back.
    std::array<std::size_t, kept_back_kinds> kept_back{};
    // Set when a frame could not be handed over whole; loading stopped there.
    bool send_failed = false;
    std::size_t requested = 0; // bytes of the frame that failed
    long accepted = 0;         // what the sender accepted of them
};

class CSettings_file_loader : private IFrame_sink {
public:
    // Hands a good frame over, with room to write its transaction number and checksum into;
    // returns the bytes accepted (the whole frame, or less on failure).
    using Sender = std::function<long(std::span<std::byte> frame)>;

    CSettings_file_loader();

    // Reads `in` to its end, frame by frame, and sends every good frame that may be sent. A file
    // never starts or stops the PC card's recording: its logging settings go with "Start
    // Logging" as `logging_now` says the computer is recording.
    SLoad_result load(std::istream &in, const Sender &send, bool logging_now);

private:
    void frame_received(CFrame_queue &queue, EFrame_status status) override;
    void keep_recording_as_it_is(std::span<std::byte> frame);

    CMessage_buffer m_frames;
    CMessage4 m_logging;
    bool m_logging_now = false;
    CReassembler m_reassembler{CReassembler::smallest_area};
    const Sender *m_send = nullptr;
    SLoad_result m_result;
};
