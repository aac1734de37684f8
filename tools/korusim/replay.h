#pragma once
// Replay of a recorded file: either raw frames (what the PC logger writes), paced by the groups'
// time tags or at a fixed rate for frames without one, or a recording of the display port, paced
// by the datagrams' arrival times. Every frame that passes the frame check goes out unchanged,
// faster by a speed factor. Bytes between frames are dropped; a recording's damage is skipped
// and told.

#include "protocol/group_buffer.h"
#include "protocol/reassembler.h"
#include "recording/recording_reader.h"

#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A group read only as far as its header, for the time tags.
class CGroup_time_view : public CGroup_record {
public:
    CGroup_time_view(std::byte *buffer, std::size_t buffer_size)
        : CGroup_record(buffer, buffer_size, frame::no_number, 32, "Group header")
    {
        close_layout("Group footer");
    }
};

class CReplay final : private IFrame_sink {
public:
    using Send = std::function<void(std::span<const std::byte> frame, EFrame_kind kind)>;

    // Time-tagged frames further apart than this are taken as a gap in the recording and follow
    // each other like untagged frames.
    static constexpr double longest_pause = 5;

    CReplay(std::string path, double speed, double untagged_rate);

    // Opens the file; the first frame is due at `t`. Returns 0 or errno.
    int open(double t);
    // Hands every frame due at or before `t` to `send`, in file order.
    void emit_due(double t, const Send &send);
    // When the next frame is due; infinity once the file is done.
    double next_time() const;
    bool finished() const { return m_next == m_pending.size(); }

    std::uint64_t frames_played() const { return m_frames_played; }
    std::uint64_t frames_skipped() const { return m_frames_skipped; }
    // The damage a recording of the display port had, if any; empty for other files.
    std::string damage() const { return m_is_recording ? describe_damage(m_recording) : ""; }

private:
    struct SPending {
        std::size_t offset;
        std::size_t length;
        EFrame_kind kind;
        double due; // seconds after the replay began
    };

    void frame_received(CFrame_queue &queue, EFrame_status status) override;
    // Reads on until frames wait or the file has ended.
    void refill();
    void refill_from_recording();
    // When a datagram that arrived then is due, after the first one.
    double due_of_arrival(std::uint64_t arrival_us);
    std::optional<double> time_tag(const CFrame_queue &queue);
    double due_of(std::optional<double> tag);

    std::string m_path;
    double m_speed;
    double m_untagged_interval;
    std::ifstream m_file;
    CGroup_buffer m_groups;
    CMessage_buffer m_messages;
    CGroup_time_view m_time_view;
    CReassembler m_reassembler;

    std::vector<std::byte> m_bytes;
    std::vector<SPending> m_pending;
    std::size_t m_next = 0;
    double m_start = 0;
    bool m_first = true;
    double m_last_due = 0;
    std::optional<double> m_last_tag;
    std::uint64_t m_frames_played = 0;
    std::uint64_t m_frames_skipped = 0;

    bool m_is_recording = false;
    CRecording_reader m_recording;
    std::uint64_t m_last_arrival = 0;
    double m_datagram_due = 0;
};
