// Floods the display port on loopback from a second process, one Group 1 per datagram, at rising
// rates for a few seconds each, and counts what the display receiver took in (with an empty
// window list) beside a plain receive loop on a socket with the same options: the physical floor.
// For both, the CPU time of this process (user and system) per thousand datagrams taken in.
//
// Usage: display_flood_bench [SECONDS_PER_RATE]   (default 2)

#include "bench/bench_desktop.h"
#include "bench/figures.h"
#include "bench/flood_process.h"
#include "net/socket_display.h"

#include <QApplication>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using bench_loopback::receiver_address;
using bench_loopback::sender_address;

void print_counts(long sent, long counted, double cpu_seconds)
{
    std::printf(" %12ld %12ld %9.3f%% %7.2f", sent, counted,
                sent > 0 ? 100.0 * static_cast<double>(sent - counted) / static_cast<double>(sent)
                         : 0.0,
                counted > 0 ? cpu_seconds * 1e6 / static_cast<double>(counted) : 0.0);
}

// The display receiver, in the program's event loop, with no window to tell.
void counted_by_display_receiver(long rate, double seconds)
{
    CSocket_display receiver(nullptr);
    CGroup_buffer groups;
    CMessage_buffer messages;
    receiver.set_message_queue(&messages);
    receiver.set_group_queue(&groups);
    receiver.set_filter(sender_address);
    if (receiver.open(receiver_address, 0) != 0) {
        std::fprintf(stderr, "display receiver did not open\n");
        std::exit(1);
    }
    const double cpu_before = ProcessCpuSeconds();
    CFlood_process flood(receiver.local_port(), rate, seconds);
    const long sent = flood.sent_after_event_loop();
    std::printf("%10ld", rate);
    print_counts(sent, receiver.counters().groups, ProcessCpuSeconds() - cpu_before);
}

// A plain blocking receive loop on a socket with the same options.
void counted_by_plain_loop(long rate, double seconds)
{
    const int handle = socket(AF_INET, SOCK_DGRAM, 0);
    const int request = CSocket_display::receive_buffer_request;
    const int on = 1;
    setsockopt(handle, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    setsockopt(handle, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    setsockopt(handle, SOL_SOCKET, SO_RCVBUF, &request, sizeof request);
    const sockaddr_in local = bench_loopback::SocketAddress(receiver_address, 0);
    bind(handle, reinterpret_cast<const sockaddr *>(&local), sizeof local);
    socklen_t length = sizeof local;
    sockaddr_in bound{};
    getsockname(handle, reinterpret_cast<sockaddr *>(&bound), &length);
    const timeval wait{0, 300000};
    setsockopt(handle, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);

    const double cpu_before = ProcessCpuSeconds();
    CFlood_process flood(ntohs(bound.sin_port), rate, seconds);
    std::array<std::byte, 65536> area{};
    long counted = 0;
    while (recv(handle, area.data(), area.size(), 0) > 0) {
        ++counted;
    }
    const long sent = flood.sent();
    const double cpu_seconds = ProcessCpuSeconds() - cpu_before;
    close(handle);
    print_counts(sent, counted, cpu_seconds);
    std::printf("\n");
}

} // namespace

int main(int argc, char **argv)
{
    UseOffscreenPlatform();
    QApplication application(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    {
        CSocket_display probe(nullptr);
        probe.open(receiver_address, 0);
        std::printf("kernel receive buffer granted: %d bytes (asked for %d)\n",
                    probe.granted_receive_buffer(), CSocket_display::receive_buffer_request);
    }
    std::printf("cpu/1k: CPU time of this process, user and system, in ms per thousand taken in\n");
    std::printf("%10s %12s %12s %10s %7s %12s %12s %10s %7s\n", "rate/s", "sent", "display", "loss",
                "cpu/1k", "sent", "plain loop", "loss", "cpu/1k");
    for (const long rate : {10000L, 25000L, 50000L, 100000L, 200000L}) {
        counted_by_display_receiver(rate, seconds);
        std::fflush(stdout);
        counted_by_plain_loop(rate, seconds);
    }
    return 0;
}
