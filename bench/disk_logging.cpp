// A fixed volume over loopback TCP into the PC data logger, with the event loop running, beside
// a plain blocking recv/write loop on the same kind of socket in the same run: megabytes a second
// of both, the files compared with what was sent (outside the timing), and the longest turn of
// the event loop while the logger recorded.
//
// Usage: disk_logging_bench [MEGABYTES]   (default 256)

#include "bench/bench_desktop.h"
#include "bench/figures.h"
#include "settings/Form_disk_logging.h"
#include "shell/program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

namespace {

constexpr std::uint32_t loopback_address = 0x7F000001;
constexpr std::size_t send_piece = 64 * 1024;

// The stream sent: pseudo-random bytes, so that a lost or doubled piece shows in the file.
std::vector<char> make_stream(std::size_t length)
{
    std::vector<char> stream(length);
    std::mt19937 random(15);
    for (char &c : stream) {
        c = static_cast<char>(random());
    }
    return stream;
}

// A port on loopback that takes one connection and sends it the whole stream, in a thread.
class CStream_port {
public:
    explicit CStream_port(const std::vector<char> &stream) : m_stream(stream)
    {
        m_listener = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = htonl(loopback_address);
        bind(m_listener, reinterpret_cast<const sockaddr *>(&local), sizeof local);
        listen(m_listener, 1);
        socklen_t length = sizeof local;
        getsockname(m_listener, reinterpret_cast<sockaddr *>(&local), &length);
        m_port = ntohs(local.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~CStream_port()
    {
        m_thread.join();
        close(m_listener);
    }
    std::uint16_t port() const { return m_port; }

private:
    void serve()
    {
        const int client = accept(m_listener, nullptr, nullptr);
        std::size_t at = 0;
        while (at < m_stream.size()) {
            const ssize_t sent = send(client, m_stream.data() + at,
                                      std::min(send_piece, m_stream.size() - at), MSG_NOSIGNAL);
            if (sent <= 0) {
                break;
            }
            at += static_cast<std::size_t>(sent);
        }
        close(client);
    }

    const std::vector<char> &m_stream;
    int m_listener = -1;
    std::uint16_t m_port = 0;
    std::thread m_thread;
};

bool file_equals(const QString &path, const std::vector<char> &stream)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() != static_cast<qint64>(stream.size())) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    return std::equal(stream.begin(), stream.end(), bytes.constData());
}

struct SRun {
    double seconds = 0;
    double worst_turn_ms = 0; // the event loop only
};

// The logger in the event loop; a 1 ms timer measures how long the loop was held.
SRun logger_run(const std::vector<char> &stream, const QString &path)
{
    CStream_port port(stream);
    TFormDiskLogging logger("FormDiskLogging", "KORU Ethernet Logging Status");
    logger.set_port(port.port());
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    QElapsedTimer since_probe;
    SRun run;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        run.worst_turn_ms = std::max(run.worst_turn_ms, since_probe.nsecsElapsed() / 1e6);
        since_probe.restart();
    });
    const double start = NowSeconds();
    if (logger.start(path, false, loopback_address) != 0) {
        std::fprintf(stderr, "the logger did not open %s\n", qPrintable(path));
        std::exit(1);
    }
    since_probe.start();
    probe.start();
    while (logger.is_logging()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    run.seconds = NowSeconds() - start;
    return run;
}

// A plain blocking receive loop writing each piece to the file.
SRun plain_run(const std::vector<char> &stream, const QString &path)
{
    CStream_port port(stream);
    const int handle = socket(AF_INET, SOCK_STREAM, 0);
    const int request = TFormDiskLogging::receive_buffer_request;
    setsockopt(handle, SOL_SOCKET, SO_RCVBUF, &request, sizeof request);
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_addr.s_addr = htonl(loopback_address);
    peer.sin_port = htons(port.port());
    const int file = open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const double start = NowSeconds();
    connect(handle, reinterpret_cast<const sockaddr *>(&peer), sizeof peer);
    std::vector<char> area(256 * 1024);
    for (;;) {
        const ssize_t received = recv(handle, area.data(), area.size(), 0);
        if (received <= 0) {
            break;
        }
        for (ssize_t done = 0; done < received;) {
            const ssize_t written = write(file, area.data() + done, received - done);
            if (written <= 0) {
                break;
            }
            done += written;
        }
    }
    SRun run;
    run.seconds = NowSeconds() - start;
    close(file);
    close(handle);
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    UseOffscreenPlatform();
    QApplication application(argc, argv);
    CBench_desktop desktop;
    CProgram program;
    const long megabytes = argc > 1 ? std::max(1L, std::atol(argv[1])) : 256;
    const std::vector<char> stream = make_stream(static_cast<std::size_t>(megabytes) << 20);
    QTemporaryDir folder;

    const QString logged = folder.filePath("logger.bin");
    const QString plain = folder.filePath("plain.bin");
    const SRun by_logger = logger_run(stream, logged);
    const SRun by_plain = plain_run(stream, plain);
    const double logger_rate = static_cast<double>(megabytes) / by_logger.seconds;
    const double plain_rate = static_cast<double>(megabytes) / by_plain.seconds;

    std::printf("%ld MB over loopback TCP into a file\n", megabytes);
    std::printf("%-28s %10s %8s\n", "", "MB/s", "file");
    std::printf("%-28s %10.1f %8s\n", "PC data logger (event loop)", logger_rate,
                file_equals(logged, stream) ? "equal" : "DIFFERS");
    std::printf("%-28s %10.1f %8s\n", "plain recv/write loop", plain_rate,
                file_equals(plain, stream) ? "equal" : "DIFFERS");
    std::printf("logger / plain: %.1f %%\n", 100.0 * logger_rate / plain_rate);
    std::printf("longest event-loop turn while logging: %.1f ms\n", by_logger.worst_turn_ms);
    for (const QString &text : desktop.box_texts()) {
        std::printf("box: %s\n", qPrintable(text));
    }
    return 0;
}
