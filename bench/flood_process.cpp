#include "bench/flood_process.h"

#include "bench/figures.h"
#include "protocol/navigation_groups.h"

#include <QEventLoop>
#include <QTimer>

#include <arpa/inet.h>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

sockaddr_in bench_loopback::SocketAddress(std::uint32_t address, std::uint16_t port)
{
    sockaddr_in result{};
    result.sin_family = AF_INET;
    result.sin_addr.s_addr = htonl(address);
    result.sin_port = htons(port);
    return result;
}

namespace {

using bench_loopback::SocketAddress;

using Frame = std::array<std::byte, 140>;

// How long past its time a flooding process may take before it is killed.
constexpr double overrun_seconds = 10;

// One sealed Group 1 frame, built through the program's own layout.
Frame group1_frame()
{
    std::array<std::byte, 2048> buffer{};
    CGroup1 group(buffer.data(), buffer.size());
    group.position().latitude().set(45.5);
    group.speed().set(60.0f);
    group.footer().compute_checksum();
    Frame frame{};
    std::copy_n(buffer.begin(), frame.size(), frame.begin());
    return frame;
}

// The flooding process. It was forked from a process with threads, so it keeps to system calls.
[[noreturn]] void flood(const Frame &frame, std::uint16_t port, long rate, double seconds,
                        int report)
{
    const int handle = socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in local = SocketAddress(bench_loopback::sender_address, 0);
    bind(handle, reinterpret_cast<const sockaddr *>(&local), sizeof local);
    const sockaddr_in target = SocketAddress(bench_loopback::receiver_address, port);
    const double start = NowSeconds();
    long sent = 0;
    for (double elapsed = 0; elapsed < seconds; elapsed = NowSeconds() - start) {
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

} // namespace

CFlood_process::CFlood_process(std::uint16_t port, long rate, double seconds)
{
    const Frame frame = group1_frame();
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    m_deadline = NowSeconds() + seconds + overrun_seconds;
    m_child = fork();
    if (m_child == 0) {
        close(pipe_ends[0]);
        flood(frame, port, rate, seconds, pipe_ends[1]);
    }
    close(pipe_ends[1]);
    m_report = pipe_ends[0];
    if (m_child < 0) {
        std::perror("fork");
        std::exit(1);
    }
}

CFlood_process::~CFlood_process()
{
    if (m_child > 0) {
        kill(m_child, SIGKILL);
        waitpid(m_child, nullptr, 0);
    }
    close(m_report);
}

bool CFlood_process::ended()
{
    if (m_child > 0 && waitpid(m_child, nullptr, WNOHANG) == m_child) {
        m_child = -1;
    }
    return m_child <= 0;
}

bool CFlood_process::overdue() const
{
    return NowSeconds() > m_deadline;
}

long CFlood_process::sent()
{
    while (!ended() && !overdue()) {
        const timespec pause{0, 10000000};
        nanosleep(&pause, nullptr);
    }
    if (!ended()) {
        std::fprintf(stderr, "the flooding process ran past its time and was stopped\n");
        kill(m_child, SIGKILL);
        waitpid(m_child, nullptr, 0);
        m_child = -1;
        return -1;
    }
    long count = 0;
    return read(m_report, &count, sizeof count) == sizeof count ? count : -1;
}

// A loop of its own: quitting the application's loop would also close the program's windows.
long CFlood_process::sent_after_event_loop(int drain_ms)
{
    QEventLoop loop;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (ended() || overdue()) {
            watch.stop();
            QTimer::singleShot(drain_ms, &loop, &QEventLoop::quit);
        }
    });
    watch.start(20);
    loop.exec();
    return sent();
}
