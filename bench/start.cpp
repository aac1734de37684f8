// The program's start, one fresh process a run: from the moment the process is started to its
// first turn of the event loop, and to the first Group 1 shown on the navigation view (its
// `Latitude` label gets a text), with every start window of the window table made, against
// korusim on loopback. Each run starts this benchmark again as a second program that builds
// Tarvo as its main does (CRunning_program), offscreen and with a settings folder of its own,
// and reports when it got where. korusim sends Group 1 at 1000 Hz, so that the wait for the
// computer's next Group 1 stays under a millisecond of what is measured.
//
// Usage: start_bench [RUNS]   (default 7)

#include "app/running_program.h"
#include "app/window_rows.h"
#include "bench/bench_desktop.h"
#include "bench/figures.h"
#include "bench/flood_process.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr char run_switch[] = "--run";
// How long a started program may take to show its first Group 1 before it is stopped.
constexpr int give_up_ms = 20000;
// The computer's Group 1 rate while the starts are measured: korusim's highest.
constexpr char group1_hz[] = "1000";

// --- the started program ---------------------------------------------------------------------

// When the started program got where, on the monotonic clock.
struct SMilestones {
    double main = 0;
    double application = 0; // the QApplication made and named
    double program = 0;     // the main form, the start windows and the automation interface
    double first_turn = 0;
    double group1_shown = 0; // 0 when none was shown in time
    std::size_t windows = 0; // every window that takes data, the main form too
};

// Builds the program as Tarvo's main does, receiving on `display_port`, and prints its
// milestones once the first Group 1 is shown (or it gave up).
int run_program(int argc, char **argv, std::uint16_t display_port, std::uint16_t control_port,
                SMilestones at)
{
    UseOffscreenPlatform();
    QApplication application(argc, argv);
    PrepareApplication();
    at.application = NowSeconds();
    CBench_desktop desktop;
    SStart_options start;
    start.display_address = bench_loopback::receiver_address;
    start.display_port = display_port;
    start.control_port = control_port;
    CRunning_program program(start);
    at.program = NowSeconds();
    at.windows = Program().windows.count();

    QTimer::singleShot(0, [&at] { at.first_turn = NowSeconds(); });
    const TValueLabel &latitude = *program.main_form().value(TFormTarvo::Latitude);
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!latitude.text().isEmpty()) {
            at.group1_shown = NowSeconds();
            QApplication::exit(0);
        }
    });
    watch.start(1);
    QTimer::singleShot(give_up_ms, [] { QApplication::exit(1); });
    QApplication::exec();

    for (const QString &text : desktop.box_texts()) {
        std::fprintf(stderr, "message box: %s\n", text.toLocal8Bit().constData());
    }
    std::printf("milestones %.6f %.6f %.6f %.6f %.6f %zu\n", at.main, at.application, at.program,
                at.first_turn, at.group1_shown, at.windows);
    std::fflush(stdout);
    return at.group1_shown > 0 ? 0 : 1;
}

// --- the processes the benchmark starts ------------------------------------------------------

// A program started with its standard output on a pipe to this one. It is stopped, within a
// bounded wait, when it is dropped.
class CChild_process {
public:
    explicit CChild_process(const std::vector<std::string> &arguments)
    {
        int pipe_ends[2];
        if (pipe2(pipe_ends, O_CLOEXEC) != 0) {
            std::perror("pipe");
            std::exit(1);
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
        std::vector<char *> argv;
        for (const std::string &argument : arguments) {
            argv.push_back(const_cast<char *>(argument.c_str()));
        }
        argv.push_back(nullptr);
        const int error = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(pipe_ends[1]);
        m_output = pipe_ends[0];
        if (error != 0) {
            std::fprintf(stderr, "%s did not start: %s\n", argv[0], std::strerror(error));
            std::exit(1);
        }
    }
    ~CChild_process()
    {
        stop();
        close(m_output);
    }
    CChild_process(const CChild_process &) = delete;
    CChild_process &operator=(const CChild_process &) = delete;

    // The next line the program writes, waiting at most `seconds`; empty when none came.
    std::string line(double seconds)
    {
        const double deadline = NowSeconds() + seconds;
        for (;;) {
            const std::size_t end = m_buffered.find('\n');
            if (end != std::string::npos) {
                std::string text = m_buffered.substr(0, end);
                m_buffered.erase(0, end + 1);
                return text;
            }
            const double left = deadline - NowSeconds();
            if (left <= 0 || !read_some(static_cast<int>(left * 1000) + 1)) {
                return {};
            }
        }
    }
    // Reads what the program wrote so far without waiting, so that it never blocks on a full
    // pipe.
    void drain()
    {
        while (read_some(0)) {
        }
        m_buffered.clear();
    }
    // Waits at most `seconds` for the program to end, then ends it: SIGTERM first, SIGKILL when
    // that is not heeded.
    void stop(double seconds = 0)
    {
        if (m_pid <= 0) {
            return;
        }
        if (!ended_within(seconds)) {
            kill(m_pid, SIGTERM);
            if (!ended_within(2)) {
                kill(m_pid, SIGKILL);
                waitpid(m_pid, nullptr, 0);
            }
        }
        m_pid = -1;
    }

private:
    bool read_some(int timeout_ms)
    {
        pollfd ready{m_output, POLLIN, 0};
        if (poll(&ready, 1, timeout_ms) <= 0) {
            return false;
        }
        char chunk[4096];
        const ssize_t count = read(m_output, chunk, sizeof chunk);
        if (count <= 0) {
            return false;
        }
        m_buffered.append(chunk, static_cast<std::size_t>(count));
        return true;
    }
    bool ended_within(double seconds)
    {
        const double deadline = NowSeconds() + seconds;
        do {
            if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
                return true;
            }
            const timespec pause{0, 5000000};
            nanosleep(&pause, nullptr);
        } while (NowSeconds() < deadline);
        return false;
    }

    pid_t m_pid = -1;
    int m_output = -1;
    std::string m_buffered;
};

// This program's file, to start it again.
std::string own_file()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

// A port of `type` that nothing on the receiver address holds now.
std::uint16_t free_port(int type)
{
    const int handle = socket(AF_INET, type, 0);
    const sockaddr_in local = bench_loopback::SocketAddress(bench_loopback::receiver_address, 0);
    bind(handle, reinterpret_cast<const sockaddr *>(&local), sizeof local);
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    getsockname(handle, reinterpret_cast<sockaddr *>(&bound), &length);
    close(handle);
    return ntohs(bound.sin_port);
}

// --- the figures -----------------------------------------------------------------------------

// Milliseconds from the process's start to each milestone, one run.
struct SStart_figures {
    double main;
    double application;
    double program;
    double first_turn;
    double group1_shown;
};

// Starts the program once and reads its milestones; false when it showed no Group 1.
bool measure_start(const std::string &self, std::uint16_t display_port, std::uint16_t control_port,
                   SStart_figures &figures, std::size_t &windows)
{
    const double started = NowSeconds();
    CChild_process program(
        {self, run_switch, std::to_string(display_port), std::to_string(control_port)});
    const std::string report = program.line(give_up_ms / 1000.0 + 5);
    program.stop(5);
    SMilestones at;
    if (std::sscanf(report.c_str(), "milestones %lf %lf %lf %lf %lf %zu", &at.main, &at.application,
                    &at.program, &at.first_turn, &at.group1_shown, &at.windows) != 6 ||
        at.group1_shown <= 0) {
        return false;
    }
    auto since_start = [started](double time) { return (time - started) * 1000.0; };
    figures = {since_start(at.main), since_start(at.application), since_start(at.program),
               since_start(at.first_turn), since_start(at.group1_shown)};
    windows = at.windows;
    return true;
}

void print_row(const char *label, const SStart_figures &figures)
{
    std::printf("%-8s %10.1f %14.1f %14.1f %12.1f %15.1f\n", label, figures.main,
                figures.application, figures.program, figures.first_turn, figures.group1_shown);
}

// Minimum and median of every column.
void print_summary(const std::vector<SStart_figures> &runs)
{
    auto column = [&runs](double SStart_figures::*field) {
        std::vector<double> figures;
        for (const SStart_figures &run : runs) {
            figures.push_back(run.*field);
        }
        return figures;
    };
    double SStart_figures::*const fields[] = {&SStart_figures::main, &SStart_figures::application,
                                              &SStart_figures::program, &SStart_figures::first_turn,
                                              &SStart_figures::group1_shown};
    SStart_figures least{};
    SStart_figures middle{};
    for (const auto field : fields) {
        least.*field = Minimum(column(field));
        middle.*field = Median(column(field));
    }
    print_row("min", least);
    print_row("median", middle);
}

} // namespace

int main(int argc, char **argv)
{
    SMilestones at;
    at.main = NowSeconds();
    if (argc == 4 && std::strcmp(argv[1], run_switch) == 0) {
        return run_program(argc, argv, static_cast<std::uint16_t>(std::atoi(argv[2])),
                           static_cast<std::uint16_t>(std::atoi(argv[3])), at);
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const std::uint16_t display_port = free_port(SOCK_DGRAM);
    const std::uint16_t control_port = free_port(SOCK_STREAM);
    CChild_process korusim({KORUSIM, "--display-port", std::to_string(display_port),
                            "--control-port", std::to_string(control_port), "--log-port", "0",
                            "--log-port-2", "0", "--rate", std::string("1=") + group1_hz});
    if (korusim.line(5).empty()) {
        std::fprintf(stderr, "korusim did not start\n");
        return 1;
    }
    std::printf("korusim on 127.0.0.1, Group 1 at %s Hz to display port %u; %d runs\n", group1_hz,
                display_port, runs);
    std::printf("milliseconds from the start of the process to:\n");
    std::printf("%-8s %10s %14s %14s %12s %15s\n", "run", "main", "QApplication", "program made",
                "first turn", "Group 1 shown");
    const std::string self = own_file();
    std::vector<SStart_figures> measured;
    std::size_t windows = 0;
    for (int run = 1; run <= runs; ++run) {
        SStart_figures figures{};
        korusim.drain();
        if (!measure_start(self, display_port, control_port, figures, windows)) {
            std::printf("%-8d no Group 1 shown within %d s\n", run, give_up_ms / 1000);
            continue;
        }
        print_row(std::to_string(run).c_str(), figures);
        std::fflush(stdout);
        measured.push_back(figures);
    }
    if (measured.empty()) {
        return 1;
    }
    print_summary(measured);
    const std::vector<SWindow_row> rows = WindowRows();
    const auto start_windows = std::count_if(rows.begin(), rows.end(), [](const SWindow_row &row) {
        return row.start == EWindow_start::at_start;
    });
    std::printf("windows taking data once started: %zu (the main form and the table's %td start "
                "windows)\n",
                windows, start_windows);
    return 0;
}
