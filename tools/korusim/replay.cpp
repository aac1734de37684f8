#include "tools/korusim/replay.h"

#include <algorithm>
#include <cerrno>
#include <limits>

namespace {

constexpr std::size_t read_size = 8192;

} // namespace

CReplay::CReplay(std::string path, double speed, double untagged_rate)
    : m_path(std::move(path)),
      m_speed(speed),
      m_untagged_interval(1.0 / (untagged_rate * speed)),
      m_time_view(m_groups.buffer(), CFrame_queue::buffer_size),
      m_reassembler(read_size)
{
    m_reassembler.set_group_queue(&m_groups);
    m_reassembler.set_message_queue(&m_messages);
}

int CReplay::open(double t)
{
    if (m_recording.open(m_path) == 0) {
        m_is_recording = true;
        m_start = t;
        refill();
        return 0;
    }
    errno = 0;
    m_file.open(m_path, std::ios::binary);
    if (!m_file) {
        return errno != 0 ? errno : EIO;
    }
    m_start = t;
    refill();
    return 0;
}

void CReplay::emit_due(double t, const Send &send)
{
    while (!finished() && m_start + m_pending[m_next].due <= t) {
        const SPending &frame = m_pending[m_next++];
        send({m_bytes.data() + frame.offset, frame.length}, frame.kind);
        ++m_frames_played;
        if (finished()) {
            refill();
        }
    }
}

double CReplay::next_time() const
{
    return finished() ? std::numeric_limits<double>::infinity() : m_start + m_pending[m_next].due;
}

void CReplay::refill()
{
    m_bytes.clear();
    m_pending.clear();
    m_next = 0;
    if (m_is_recording) {
        refill_from_recording();
        return;
    }
    while (m_pending.empty() && m_file) {
        const std::span<std::byte> area = m_reassembler.free_area();
        m_file.read(reinterpret_cast<char *>(area.data()),
                    static_cast<std::streamsize>(area.size()));
        const auto count = static_cast<std::size_t>(m_file.gcount());
        if (count == 0) {
            break;
        }
        m_reassembler.consume(count, *this);
    }
}

void CReplay::refill_from_recording()
{
    SRecorded_datagram datagram{};
    while (m_pending.empty() && m_recording.next(datagram)) {
        m_datagram_due = due_of_arrival(datagram.arrival_us);
        std::span<const std::byte> rest = datagram.bytes;
        while (!rest.empty()) {
            const std::span<std::byte> area = m_reassembler.free_area();
            const std::size_t count = std::min(area.size(), rest.size());
            std::copy_n(rest.begin(), count, area.begin());
            m_reassembler.consume(count, *this);
            rest = rest.subspan(count);
        }
    }
}

// A datagram follows the one before it as far apart as they arrived; a pause longer than
// `longest_pause`, or a clock that went back, is replayed as none.
double CReplay::due_of_arrival(std::uint64_t arrival_us)
{
    constexpr double microseconds = 1e-6;
    double due = m_last_due;
    if (!m_first && arrival_us >= m_last_arrival &&
        static_cast<double>(arrival_us - m_last_arrival) * microseconds <= longest_pause) {
        due += static_cast<double>(arrival_us - m_last_arrival) * microseconds / m_speed;
    }
    m_first = false;
    m_last_arrival = arrival_us;
    m_last_due = due;
    return due;
}

void CReplay::frame_received(CFrame_queue &queue, EFrame_status status)
{
    if (status != EFrame_status::ok) {
        ++m_frames_skipped;
        return;
    }
    const std::size_t length = queue.frame_length();
    const double due = m_is_recording ? m_datagram_due : due_of(time_tag(queue));
    m_pending.push_back({m_bytes.size(), length, queue.kind(), due});
    m_bytes.insert(m_bytes.end(), queue.buffer(), queue.buffer() + length);
}

std::optional<double> CReplay::time_tag(const CFrame_queue &queue)
{
    if (queue.kind() != EFrame_kind::group) {
        return std::nullopt;
    }
    TScalar<double> &time = m_time_view.header().time_1();
    if (!m_time_view.holds(time) || !time.is_valid() || time.get() <= 0) {
        return std::nullopt;
    }
    return time.get();
}

// A tagged frame follows the previous tagged one by the difference of their tags; an untagged
// frame goes with the frame before it, or at the fixed rate when the file has no tags so far.
double CReplay::due_of(std::optional<double> tag)
{
    double due = m_last_due + m_untagged_interval;
    if (m_first) {
        due = 0;
    } else if (tag && m_last_tag && *tag >= *m_last_tag && *tag - *m_last_tag <= longest_pause) {
        due = m_last_due + (*tag - *m_last_tag) / m_speed;
    } else if (!tag && m_last_tag) {
        due = m_last_due;
    }
    if (tag) {
        m_last_tag = tag;
    }
    m_first = false;
    m_last_due = due;
    return due;
}
