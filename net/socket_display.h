#pragma once
// The display port receiver: datagrams from the computers on UDP port 5600, reassembled into
// frames, checked, counted, and handed to the windows. Tells its parent window of every sender,
// so that the user can pick a computer; once one is picked, other senders are dropped.

#include "net/a_socket.h"
#include "net/socket_error_box.h"
#include "protocol/reassembler.h"

#include <QObject>

#include <cstddef>
#include <cstdint>
#include <span>

class CData_windows;

// Sees every datagram the display port accepts, as received, before it is taken apart.
class IDatagram_tap {
public:
    // `arrival_us`: microseconds since 1970 UTC.
    virtual void datagram_accepted(std::span<const std::byte> datagram,
                                   std::uint64_t arrival_us) = 0;

protected:
    ~IDatagram_tap() = default;
};

// What the display receiver has counted since the last reset.
struct DisplayPortCounters {
    std::uint32_t packets = 0;         // "Packets Received"
    std::uint32_t groups = 0;          // "Groups Received"
    std::uint32_t messages = 0;        // "Messages Received"
    std::uint32_t bad_headers = 0;     // "Bad Headers"
    std::uint32_t bad_byte_counts = 0; // "Bad Byte Counts"
    std::uint32_t checksum_errors = 0; // "Checksum Errors"
    std::uint32_t bad_footers = 0;     // "Bad Footers"
    std::uint32_t invalid = 0;         // "Invalid Group/Message"
    // When the datagram being taken apart arrived, in microseconds since 1970 UTC: now for one
    // from the network, as recorded for one a replay feeds.
    std::uint64_t arrival_us = 0;

    void reset() { *this = {}; }
};

class CSocket_display : public QObject, private IFrame_sink {
public:
    // Room for the largest datagram after a frame carried over from the one before, so that no
    // datagram is cut short.
    static constexpr std::size_t receive_area_size = 65536 + CFrame_queue::buffer_size;
    // Asked of the kernel: enough for about a second of the busiest traffic, so that datagrams
    // wait rather than vanish while the GUI thread is busy. The kernel may grant less.
    static constexpr int receive_buffer_request = 8 * 1024 * 1024;
    // Datagrams read per readiness notice at most, so that a flood cannot starve the GUI.
    static constexpr int datagrams_per_notice = 256;

    explicit CSocket_display(QObject *owner);

    // Binds to `port` on `address` (host order, 0 = any) and starts receiving.
    int open(std::uint32_t address, std::uint16_t port);
    void close();

    std::uint32_t filter() const { return m_filter; }
    // Accepts only datagrams from `address` (0 = from every sender); returns the previous filter.
    std::uint32_t set_filter(std::uint32_t address);
    void set_group_queue(CGroup_buffer *queue);
    void set_message_queue(CMessage_buffer *queue);
    // The window message posted to the parent for each sender (0 = none).
    void set_notice(int message) { m_notice = message; }
    void set_windows(CData_windows *windows) { m_windows = windows; }
    // The tap that sees every accepted datagram; null for none.
    void set_tap(IDatagram_tap *tap) { m_tap = tap; }
    // While not live (during a replay) datagrams from the network are read and dropped unseen.
    void set_live(bool live) { m_live = live; }
    // Takes `datagram`, which arrived at `arrival_us`, as if it had come from the selected
    // computer: counted, reassembled and handed to the windows. What a replay feeds.
    void feed(std::span<const std::byte> datagram, std::uint64_t arrival_us);

    DisplayPortCounters &counters() { return m_counters; }
    const DisplayPortCounters &counters() const { return m_counters; }
    // The receive buffer the kernel granted, in bytes.
    int granted_receive_buffer() const { return m_granted_receive_buffer; }
    std::uint16_t local_port() const { return m_socket.local_port(); }

protected:
    bool event(QEvent *event) override;

private:
    void receive();
    bool accept_sender(std::uint32_t sender);
    void frame_received(CFrame_queue &queue, EFrame_status status) override;
    void count_failure(EFrame_status status);

    CA_socket m_socket;
    CReassembler m_reassembler{receive_area_size};
    CGroup_buffer *m_groups = nullptr;
    CMessage_buffer *m_messages = nullptr;
    CData_windows *m_windows = nullptr;
    IDatagram_tap *m_tap = nullptr;
    bool m_live = true;
    std::uint32_t m_filter = 0;
    int m_notice = 0;
    int m_granted_receive_buffer = 0;
    DisplayPortCounters m_counters;
    CSocket_error_box m_error_box;
};
