// Floods the display port on loopback from a second process, one Group 1 per datagram, at rising
// rates for a few seconds each, and counts what the display receiver took in (with an empty
// window list) beside a plain receive loop on a socket with the same options: the physical floor.
//
// Usage: display_flood_bench [SECONDS_PER_RATE]   (default 2)

#include "net/socket_display.h"
#include "protocol/navigation_groups.h"

#include <QApplication>
#include <QTimer>

#include <arpa/inet.h>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::uint32_t receiver_address = 0x7F000001; // 127.0.0.1
constexpr std::uint32_t sender_address = 0x7F000002;   // 127.0.0.2

sockaddr_in address_of(std::uint32_t address, std::uint16_t port)
{
    sockaddr_in result{};
    result.sin_family = AF_INET;
    result.sin_addr.s_addr = htonl(address);
    result.sin_port = htons(port);
    return result;
}

// One sealed Group 1 frame, built through the program's own layout.
std::array<std::byte, 140> group1_frame()
{
    std::array<std::byte, 2048> buffer{};
    CGroup1 group(buffer.data(), buffer.size());
    group.position().latitude().set(45.5);
    group.speed().set(60.0f);
    group.footer().compute_checksum();
    std::array<std::byte, 140> frame{};
    std::copy_n(buffer.begin(), frame.size(), frame.begin());
    return frame;
}

double now_seconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The flooding process: sends `rate` datagrams a second for `seconds`, in one burst a
// millisecond, and writes how many it sent to `report`.
[[noreturn]] void flood(std::uint16_t port, long rate, double seconds, int report)
{
    const int handle = socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in local = address_of(sender_address, 0);
    bind(handle, reinterpret_cast<const sockaddr *>(&local), sizeof local);
    const sockaddr_in target = address_of(receiver_address, port);
    const auto frame = group1_frame();
    const double start = now_seconds();
    long sent = 0;
    for (double elapsed = 0; elapsed < seconds; elapsed = now_seconds() - start) {
        const long due = static_cast<long>(elapsed * static_cast<double>(rate));
        for (; sent < due; ++sent) {
            sendto(handle, frame.data(), frame.size(), 0,
                   reinterpret_cast<const sockaddr *>(&target), sizeof target);
        }
        const timespec pause{0, 1000000};
        nanosleep(&pause, nullptr);
    }
    if (write(report, &sent, sizeof sent) != sizeof sent) {
        _exit(1);
    }
    _exit(0);
}

struct SFlood {
    pid_t child;
    int report;
};

SFlood start_flood(std::uint16_t port, long rate, double seconds)
{
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const pid_t child = fork();
    if (child == 0) {
        close(pipe_ends[0]);
        flood(port, rate, seconds, pipe_ends[1]);
    }
    close(pipe_ends[1]);
    return {child, pipe_ends[0]};
}

long finish_flood(const SFlood &run)
{
    long sent = 0;
    if (read(run.report, &sent, sizeof sent) != sizeof sent) {
        sent = -1;
    }
    close(run.report);
    waitpid(run.child, nullptr, 0);
    return sent;
}

// The display receiver, in the program's event loop, with no window to tell.
long counted_by_display_receiver(long rate, double seconds)
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
    const SFlood run = start_flood(receiver.local_port(), rate, seconds);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (waitpid(run.child, nullptr, WNOHANG) == run.child) {
            QTimer::singleShot(300, qApp, &QCoreApplication::quit);
            watch.stop();
        }
    });
    watch.start(20);
    QApplication::exec();
    long sent = 0;
    if (read(run.report, &sent, sizeof sent) != sizeof sent) {
        sent = -1;
    }
    close(run.report);
    std::printf("%10ld %12ld %12u %9.3f%%", rate, sent, receiver.counters().groups,
                sent > 0 ? 100.0 * static_cast<double>(sent - receiver.counters().groups) /
                               static_cast<double>(sent)
                         : 0.0);
    return sent;
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
    const sockaddr_in local = address_of(receiver_address, 0);
    bind(handle, reinterpret_cast<const sockaddr *>(&local), sizeof local);
    socklen_t length = sizeof local;
    sockaddr_in bound{};
    getsockname(handle, reinterpret_cast<sockaddr *>(&bound), &length);
    const timeval wait{0, 300000};
    setsockopt(handle, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);

    const SFlood run = start_flood(ntohs(bound.sin_port), rate, seconds);
    std::array<std::byte, 65536> area{};
    long counted = 0;
    while (recv(handle, area.data(), area.size(), 0) > 0) {
        ++counted;
    }
    const long sent = finish_flood(run);
    close(handle);
    std::printf(" %12ld %12ld %9.3f%%\n", sent, counted,
                sent > 0 ? 100.0 * static_cast<double>(sent - counted) / static_cast<double>(sent)
                         : 0.0);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    {
        CSocket_display probe(nullptr);
        probe.open(receiver_address, 0);
        std::printf("kernel receive buffer granted: %d bytes (asked for %d)\n",
                    probe.granted_receive_buffer(), CSocket_display::receive_buffer_request);
    }
    std::printf("%10s %12s %12s %10s %12s %12s %10s\n", "rate/s", "sent", "display", "loss", "sent",
                "plain loop", "loss");
    for (const long rate : {10000L, 25000L, 50000L, 100000L, 200000L}) {
        counted_by_display_receiver(rate, seconds);
        std::fflush(stdout);
        counted_by_plain_loop(rate, seconds);
    }
    return 0;
}
