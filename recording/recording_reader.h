#pragma once
// Reads a recording record by record. Damage (bytes that are no good record: garbage, a record
// whose check fails, a record cut short by the end of the file) is skipped up to the next good
// record and reported, so that everything before and after it can still be replayed.

#include "recording/recording_format.h"

#include <cstdint>
#include <fstream>
#include <span>
#include <string>
#include <vector>

// A stretch of the file that held no good record.
struct SRecording_damage {
    std::uint64_t offset; // where it starts in the file
    std::uint64_t length; // bytes skipped
    bool at_end;          // the file ended inside it: the recording was cut short
};

struct SRecorded_datagram {
    std::uint64_t arrival_us;
    std::span<const std::byte> bytes; // valid until the next call of next()
};

class CRecording_reader {
public:
    // What open() returns besides 0 and errno values.
    static constexpr int not_a_recording = -1;
    static constexpr int empty_file = -2;
    // Damage beyond this many stretches is counted but not listed.
    static constexpr std::size_t listed_damage = 100;

    CRecording_reader();

    // Opens the file and checks its magic. Returns 0, errno, not_a_recording or empty_file.
    int open(const std::string &path);
    // The next good record; false at the end of the file (or when it could not be read).
    bool next(SRecorded_datagram &datagram);

    const std::vector<SRecording_damage> &damage() const { return m_damage; }
    std::uint64_t damage_count() const { return m_damage_count; }
    std::uint64_t damaged_bytes() const { return m_damaged_bytes; }
    std::uint64_t datagrams_read() const { return m_datagrams; }
    // Bytes of the file taken so far, records and damage.
    std::uint64_t position() const { return m_offset; }
    // Whether the file ended inside damage, and where that damage began.
    bool cut_short() const { return m_cut_short; }
    std::uint64_t cut_at() const { return m_cut_at; }
    // A read error other than the end of the file (errno), 0 when none.
    int read_error() const { return m_read_error; }

private:
    // Makes at least `count` bytes wait in the buffer unless the file ends first; returns how
    // many wait.
    std::size_t fill(std::size_t count);
    std::size_t waiting() const { return m_end - m_begin; }
    // Skips one byte, or to the next sync word, as damage.
    void skip_damage(std::size_t count);
    void end_damage();

    std::ifstream m_file;
    std::vector<std::byte> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_at_eof = false;
    int m_read_error = 0;
    std::uint64_t m_offset = 0;
    std::uint64_t m_datagrams = 0;

    bool m_in_damage = false;
    std::uint64_t m_damage_start = 0;
    std::vector<SRecording_damage> m_damage;
    std::uint64_t m_damage_count = 0;
    std::uint64_t m_damaged_bytes = 0;
    bool m_cut_short = false;
    std::uint64_t m_cut_at = 0;
};

// One line telling what damage a recording had, in English, empty when it had none:
// "cut short at byte 1234" or "3 damaged stretches (456 bytes) skipped, the first at byte 78".
std::string describe_damage(const CRecording_reader &reader);
