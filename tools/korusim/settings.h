#pragma once
// The settings the simulated computer keeps, as one table of settings messages: per row the
// message, how a received copy is checked and whether the settings password guards it. The
// computer holds three whole sets of them (in use, saved to non-volatile memory, factory
// defaults) and copies sets whole. Adding a setting is one row in setting_rows() and its record.

#include "tools/korusim/answer.h"
#include "tools/korusim/flight.h"
#include "tools/korusim/options.h"

#include "protocol/group_base.h"
#include "settings/output_port_records.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

struct SSetting_row {
    std::uint16_t number;
    bool guarded; // refused until the controller logs in, when a password is set
    // A record holding the factory setting.
    std::unique_ptr<CMessage_record> (*make_factory)(const SOptions &options);
    // Lays a record out for the frame its buffer holds; null for records of one layout.
    void (*lay_out)(CMessage_record &record);
    // Accepted, or a parameter error naming the item out of range.
    SAnswer (*check)(CMessage_record &received);
    // How many bytes of the body (behind the transaction number) the echo carries, for a
    // computer of an older kind that echoes less; 0 or null: the whole body.
    std::size_t (*echoed_body)(const SOptions &options) = nullptr;
};

// `frame`, a message, cut after `body` bytes of its body (behind the transaction number) and
// framed again: pad, byte count, checksum and end marker.
std::vector<std::byte> CutMessageFrame(std::span<const std::byte> frame, std::size_t body);

// The settings messages, in the order their echoes go out.
std::span<const SSetting_row> setting_rows();
// The row of message `number`, if it is a setting.
std::optional<std::size_t> setting_row_of(std::uint16_t number);
// The values the diagnostics mode puts out on COM2 and on the analog output are no settings, but
// are checked as settings are.
SAnswer check_com2_values(CMessage20102 &received);
SAnswer check_analog_values(CMessage20103 &received);

// The setting whose echo ends every burst of echoes: a controller reads all its copies of the
// settings again when this one arrives.
constexpr std::uint16_t closing_echo = 1;

// One whole set: a record per row of the table.
class CSettings {
public:
    // The factory settings: the display groups given, the start position and time.
    explicit CSettings(const SOptions &options);
    CSettings(const CSettings &) = delete;
    CSettings &operator=(const CSettings &) = delete;

    CMessage_record &record(std::size_t index) { return *m_records[index]; }
    template <class TRecord>
    TRecord &get()
    {
        return static_cast<TRecord &>(record(*setting_row_of(TRecord::number_of_record)));
    }

    // Takes the items of a received copy, laid out and checked, into the record of row `index`,
    // framed for sending whatever the copy's byte count said.
    void take(std::size_t index, CMessage_record &received);
    void copy_from(const CSettings &other);
    bool same_as(const CSettings &other) const;

    // The record classes read through non-const items, hence no const here.
    bool displays_group(std::uint16_t group);
    std::vector<std::uint16_t> display_groups();
    // What logging port `port` (0 primary, 1 secondary) streams.
    std::vector<std::uint16_t> logging_groups(std::size_t port);
    // Where the next alignment starts: the general data's initial position and heading.
    SFlight_start start();

private:
    std::vector<std::unique_ptr<CMessage_record>> m_records;
};
