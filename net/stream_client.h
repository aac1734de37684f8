#pragma once
// One TCP connection to a peer: connecting without waiting, sending in order whatever the
// connection takes now and the rest as it takes it, and handing what arrives and what happens to
// its owner. Everything is learned from the socket's posted notices, never by waiting.

#include "net/a_socket.h"

#include <QObject>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The window-message numbers of one connection's notices.
struct SSocket_notices {
    int readiness; // data to read, room to write
    int error;     // wParam: the error code
    int connect;   // the outcome of connecting
};

// What a connection tells its owner. Each call comes from a notice's handler, never from inside
// a call of the owner's.
class IStream_owner {
public:
    // Connecting ended: 0 when connected, else the error code (the connection is closed then).
    virtual void connection_finished(int error) = 0;
    // Where the next bytes received go.
    virtual std::span<std::byte> receive_area() = 0;
    // `count` bytes arrived at the start of the receive area.
    virtual void received(std::size_t count) = 0;
    // The peer closed the connection, which is closed now.
    virtual void peer_closed() = 0;
    // A failure of the socket, by its code; codes after which it is of no use have closed it.
    virtual void socket_error(int code) = 0;

protected:
    ~IStream_owner() = default;
};

class CStream_client : public QObject {
public:
    CStream_client(IStream_owner &owner, SSocket_notices notices, QObject *parent);

    // Starts connecting, with send and receive buffers of `buffer_bytes`; the outcome comes to
    // connection_finished. 0, or the error code when the start failed (the connection is closed).
    int connect(std::uint32_t address, std::uint16_t port, int buffer_bytes);
    // Closes at once; bytes not yet sent are dropped.
    void close();
    // True from a successful start of connecting until closed, so also while still connecting.
    bool is_open() const { return m_socket.is_open(); }
    bool is_connecting() const { return m_connecting; }
    bool is_connected() const { return is_open() && !m_connecting; }

    // Queues `length` bytes behind those not yet sent and sends what the connection takes now.
    // Returns `length` when the bytes are on their way, 0 when nothing can be sent (not connected,
    // or still connecting), -1 when the connection failed.
    long send(const std::byte *data, std::size_t length);
    // Bytes accepted by send that the connection has not taken yet.
    std::size_t unsent() const { return m_unsent.size(); }

protected:
    bool event(QEvent *event) override;

private:
    void finish_connecting(int error);
    void receive();
    void flush();

    IStream_owner &m_owner;
    SSocket_notices m_notices;
    CA_socket m_socket;
    std::vector<std::byte> m_unsent;
    bool m_connecting = false;
};
