#pragma once
// The control port client: one TCP connection to the selected computer's port 5601. Sends whole
// message frames in order, hands each acknowledgement (Message 0) to the windows, and tells its
// parent window how connecting went and of errors.

#include "net/socket_error_box.h"
#include "net/stream_client.h"
#include "protocol/acknowledgement.h"
#include "protocol/reassembler.h"

#include <QObject>

#include <cstdint>

class CData_windows;

class CSocket_control : public QObject, private IFrame_sink, private IStream_owner {
public:
    static constexpr std::size_t receive_area_size = 8192;
    static constexpr int socket_buffer_bytes = 8192;

    explicit CSocket_control(QObject *owner);

    // Starts connecting; the outcome is posted to the parent as the connect notice, also when
    // connecting cannot even start (then its error is returned too).
    int connect(std::uint32_t address, std::uint16_t port);
    // While held (during a replay) every connect fails with EPERM and nothing is sent.
    void set_held(bool held);
    // Closes at once; bytes not yet sent are dropped.
    void close();
    // True from a successful start of connecting until closed, so also while still connecting.
    bool is_open() const { return m_stream.is_open(); }
    bool is_connecting() const { return m_stream.is_connecting(); }
    bool is_connected() const { return m_stream.is_connected(); }

    // Queues `length` bytes behind those not yet sent and sends what the connection takes now;
    // the rest goes out, in order, as the connection takes it. Returns `length` when the bytes
    // are on their way, 0 when nothing can be sent (not connected, or still connecting), -1 when
    // the connection failed.
    long send(const std::byte *data, std::size_t length);
    // Gives the message the next transaction number, seals it and sends it.
    long send(CMessage_record &message);
    // The same for a whole message frame that is not a record's (a frame from a file): its
    // transaction number and checksum are written into `frame`.
    long send_frame(std::span<std::byte> frame);
    // Bytes accepted by send that the connection has not taken yet.
    std::size_t unsent() const { return m_stream.unsent(); }
    // Bytes of a message received only in part so far.
    std::size_t carried() const { return m_reassembler.carry(); }

    void set_message_queue(CMessage_buffer *queue);
    void set_windows(CData_windows *windows) { m_windows = windows; }
    void set_connect_notice(int message) { m_connect_notice = message; }
    void set_error_notice(int message) { m_error_notice = message; }

private:
    bool m_held = false;
    void connection_finished(int error) override;
    std::span<std::byte> receive_area() override { return m_reassembler.free_area(); }
    void received(std::size_t count) override;
    void peer_closed() override;
    void socket_error(int code) override;
    void frame_received(CFrame_queue &queue, EFrame_status status) override;

    CStream_client m_stream;
    CReassembler m_reassembler{receive_area_size};
    CMessage_buffer *m_messages = nullptr;
    CData_windows *m_windows = nullptr;
    CTransaction_counter m_transactions;
    int m_connect_notice = 0;
    int m_error_notice = 0;
    CSocket_error_box m_error_box;
};
