#include "shell/settings_file.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint16_t never_sent_from_file[] = {0,  6,  7,   8,     9,     10,   12,
                                                  13, 14, 317, 20102, 20103, 65535};

} // namespace

bool IsSentFromFile(std::uint16_t number)
{
    return std::find(std::begin(never_sent_from_file), std::end(never_sent_from_file), number) ==
           std::end(never_sent_from_file);
}

EKept_back KeptBackKind(std::uint16_t number)
{
    switch (number) {
    case 6:  // IP address
    case 12: // time synchronisation
    case 13: // date, time and initial position
        return EKept_back::general_data;
    case 7:
        return EKept_back::mode;
    case 0:
        return EKept_back::acknowledgement;
    default:
        return EKept_back::command;
    }
}

CSettings_file_loader::CSettings_file_loader()
{
    m_reassembler.set_message_queue(&m_frames);
}

SLoad_result CSettings_file_loader::load(std::istream &in, const Sender &send, bool logging_now)
{
    m_result = {};
    m_send = &send;
    m_logging_now = logging_now;
    m_reassembler.reset();
    while (!m_result.send_failed && in) {
        const std::span<std::byte> area = m_reassembler.free_area();
        in.read(reinterpret_cast<char *>(area.data()), static_cast<std::streamsize>(area.size()));
        const auto count = static_cast<std::size_t>(in.gcount());
        if (count == 0) {
            break;
        }
        m_reassembler.consume(count, *this);
    }
    if (!m_result.send_failed) {
        m_result.damaged += m_reassembler.finish(*this);
    }
    m_reassembler.reset();
    m_send = nullptr;
    return m_result;
}

void CSettings_file_loader::frame_received(CFrame_queue &queue, EFrame_status status)
{
    if (m_result.send_failed) {
        return;
    }
    if (status != EFrame_status::ok) {
        ++m_result.damaged;
        return;
    }
    if (!IsSentFromFile(queue.number())) {
        ++m_result.excluded;
        ++m_result.kept_back[static_cast<std::size_t>(KeptBackKind(queue.number()))];
        return;
    }
    const std::span<std::byte> frame(queue.buffer(), queue.frame_length());
    if (queue.number() == CMessage4::number_of_record) {
        keep_recording_as_it_is(frame);
    }
    const long accepted = (*m_send)(frame);
    if (accepted != static_cast<long>(frame.size())) {
        m_result.send_failed = true;
        m_result.requested = frame.size();
        m_result.accepted = accepted;
        return;
    }
    ++m_result.sent;
}

// The bit is written where the frame's own count puts it, and only when the frame holds it.
void CSettings_file_loader::keep_recording_as_it_is(std::span<std::byte> frame)
{
    const std::size_t length = std::min(frame.size(), m_logging.buffer_size());
    std::memcpy(m_logging.buffer(), frame.data(), length);
    m_logging.lay_out_received();
    CDisk_logging_control &control = m_logging.disk_logging_control();
    if (!m_logging.holds(control)) {
        return;
    }
    control.start_logging().set(m_logging_now);
    const auto at = static_cast<std::size_t>(control.start() - m_logging.buffer());
    frame[at] = m_logging.buffer()[at];
}
