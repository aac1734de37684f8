#include "recording/recording_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr std::size_t buffer_size =
    2 * (recording::record_header_size + recording::largest_datagram);

} // namespace

CRecording_reader::CRecording_reader() : m_buffer(buffer_size) {}

int CRecording_reader::open(const std::string &path)
{
    errno = 0;
    m_file.open(path, std::ios::binary);
    if (!m_file) {
        return errno != 0 ? errno : EIO;
    }
    const std::size_t got = fill(recording::magic.size());
    if (m_read_error != 0) {
        return m_read_error;
    }
    if (got == 0) {
        return empty_file;
    }
    if (got < recording::magic.size() ||
        !std::equal(recording::magic.begin(), recording::magic.end(),
                    m_buffer.begin() + static_cast<std::ptrdiff_t>(m_begin))) {
        return not_a_recording;
    }
    m_begin += recording::magic.size();
    m_offset = recording::magic.size();
    return 0;
}

bool CRecording_reader::next(SRecorded_datagram &datagram)
{
    using recording::record_header_size;
    while (true) {
        const std::size_t got = fill(record_header_size);
        if (got < record_header_size) {
            if (got > 0) {
                skip_damage(got);
            }
            if (m_in_damage) {
                m_cut_at = m_damage_start;
                m_cut_short = true;
                end_damage();
            }
            return false;
        }
        const std::byte *at = m_buffer.data() + m_begin;
        recording::SRecord_header header{};
        if (!recording::read_record_header(std::span<const std::byte, record_header_size>(
                                               at, record_header_size),
                                           header) ||
            header.length > recording::largest_datagram) {
            skip_damage(1);
            continue;
        }
        if (fill(record_header_size + header.length) < record_header_size + header.length) {
            // Cut short here, or a damaged length that reaches past the end: look on.
            skip_damage(1);
            continue;
        }
        at = m_buffer.data() + m_begin;
        const std::span<const std::byte> bytes(at + record_header_size, header.length);
        if (recording::record_check(header.arrival_us, bytes) != header.check) {
            skip_damage(1);
            continue;
        }
        end_damage();
        m_begin += record_header_size + header.length;
        m_offset += record_header_size + header.length;
        ++m_datagrams;
        datagram = {header.arrival_us, bytes};
        return true;
    }
}

std::size_t CRecording_reader::fill(std::size_t count)
{
    if (waiting() < count && !m_at_eof) {
        if (m_begin > 0) {
            std::memmove(m_buffer.data(), m_buffer.data() + m_begin, waiting());
            m_end -= m_begin;
            m_begin = 0;
        }
        while (m_end < count && !m_at_eof) {
            m_file.read(reinterpret_cast<char *>(m_buffer.data() + m_end),
                        static_cast<std::streamsize>(m_buffer.size() - m_end));
            m_end += static_cast<std::size_t>(m_file.gcount());
            if (!m_file) {
                m_at_eof = true;
                if (m_file.bad()) {
                    m_read_error = EIO;
                }
            }
        }
    }
    return waiting();
}

// Damage goes one byte at a time up to the next sync word's first byte, so that a good record
// right after garbage is found wherever it starts.
void CRecording_reader::skip_damage(std::size_t count)
{
    if (!m_in_damage) {
        m_in_damage = true;
        m_damage_start = m_offset;
    }
    constexpr auto first_sync_byte = static_cast<std::byte>(recording::sync_word & 0xFFU);
    std::size_t skip = count;
    if (count == 1) {
        const auto from = m_buffer.begin() + static_cast<std::ptrdiff_t>(m_begin) + 1;
        const auto to = m_buffer.begin() + static_cast<std::ptrdiff_t>(m_end);
        skip = static_cast<std::size_t>(std::find(from, to, first_sync_byte) - from) + 1;
    }
    m_begin += skip;
    m_offset += skip;
}

void CRecording_reader::end_damage()
{
    if (!m_in_damage) {
        return;
    }
    m_in_damage = false;
    const std::uint64_t length = m_offset - m_damage_start;
    ++m_damage_count;
    m_damaged_bytes += length;
    if (m_damage.size() < listed_damage) {
        m_damage.push_back({m_damage_start, length, m_cut_short});
    }
}

std::string describe_damage(const CRecording_reader &reader)
{
    if (reader.damage_count() == 0) {
        return {};
    }
    const SRecording_damage &first = reader.damage().front();
    if (reader.damage_count() == 1 && reader.cut_short()) {
        return "cut short at byte " + std::to_string(reader.cut_at());
    }
    std::string text = std::to_string(reader.damage_count()) + " damaged stretch" +
                       (reader.damage_count() == 1 ? "" : "es") + " (" +
                       std::to_string(reader.damaged_bytes()) + " bytes) skipped, the first at byte " +
                       std::to_string(first.offset);
    if (reader.cut_short()) {
        text += "; cut short at byte " + std::to_string(reader.cut_at());
    }
    return text;
}
