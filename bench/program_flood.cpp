// The whole program under a flood of Group 1 from a second process on loopback: the main form
// with every start window of the window table, as Tarvo's main builds it (CRunning_program),
// at 10k to 200k datagrams a second. Each rate runs with five table-built views open and shown,
// and again with them closed. Per run: the datagrams sent, taken in (the groups the display
// receiver counted), lost, and the CPU time of this process (user and system, every thread) per
// thousand datagrams taken in. Offscreen unless QT_QPA_PLATFORM names another platform.
//
// Usage: program_flood_bench [SECONDS_PER_RUN [RUNS]]   (defaults 2 and 1; with several runs,
// every figure is the median of the runs)

#include "app/running_program.h"
#include "app/window_rows.h"
#include "bench/bench_desktop.h"
#include "bench/figures.h"
#include "bench/flood_process.h"
#include "net/socket_display.h"
#include "views/Form_table_view.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr std::size_t views_open = 5;
// Time for the windows to settle after they were opened or closed, before a run is measured.
constexpr int settle_ms = 300;

// The table-built views: those of the window table, made as their menu entries make them, then
// further instances of their classes (made by their rows' makers) until there are enough.
class CTable_views {
public:
    CTable_views(CRunning_program &program, std::size_t count)
    {
        std::vector<TFormKoruBase *(*)()> makers;
        for (const SWindow_row &row : WindowRows()) {
            if (row.opening != EWindow_opening::view) {
                continue;
            }
            if (auto *view = dynamic_cast<TFormTableView *>(program.windows().window(row.name))) {
                m_table.push_back(view);
                makers.push_back(row.make);
            }
        }
        for (std::size_t next = 0; !makers.empty() && m_table.size() + m_more.size() < count;
             ++next) {
            m_more.emplace_back(makers[next % makers.size()]());
        }
    }

    // The table's views open as their menu entries open them; the further instances are shown
    // as views.
    void open()
    {
        for (TFormKoruBase *view : m_table) {
            Program().window_directory->open(view->objectName());
        }
        for (const auto &view : m_more) {
            ShowView(*view);
        }
    }
    void close()
    {
        for (TFormKoruBase *view : m_table) {
            view->close();
        }
        for (const auto &view : m_more) {
            view->close();
        }
    }

    std::size_t count() const { return m_table.size() + m_more.size(); }
    // Which views there are: those of the table, and how many further instances of which classes.
    void print() const
    {
        std::printf("table-built views in the window table: %zu", m_table.size());
        for (const TFormKoruBase *view : m_table) {
            std::printf(" %s", qPrintable(view->objectName()));
        }
        std::printf("\n");
        if (m_more.empty()) {
            return;
        }
        std::printf("fewer than %zu: %zu further instances made of", views_open, m_more.size());
        QStringList classes;
        for (const auto &view : m_more) {
            if (!classes.contains(view->metaObject()->className())) {
                classes.append(view->metaObject()->className());
            }
        }
        std::printf(" %s, so that %zu are open\n", qPrintable(classes.join(", ")), count());
    }

private:
    std::vector<TFormKoruBase *> m_table;
    std::vector<std::unique_ptr<TFormKoruBase>> m_more;
};

// What one run counted.
struct SFlood_run {
    double sent = 0;
    double taken = 0;
    double cpu_seconds = 0;

    double lost() const { return sent - taken; }
    double cpu_ms_per_thousand() const { return taken > 0 ? cpu_seconds * 1e6 / taken : 0; }
};

// Lets the event loop run for `milliseconds`, in a loop of its own: quitting the application's
// loop would also close the program's windows.
void let_run(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

SFlood_run flood_once(CSocket_display &receiver, long rate, double seconds)
{
    const std::uint32_t taken_before = receiver.counters().groups;
    const double cpu_before = ProcessCpuSeconds();
    CFlood_process flood(receiver.local_port(), rate, seconds);
    SFlood_run run;
    run.sent = static_cast<double>(flood.sent_after_event_loop());
    run.cpu_seconds = ProcessCpuSeconds() - cpu_before;
    run.taken = static_cast<double>(receiver.counters().groups - taken_before);
    return run;
}

// The median of one figure over the runs.
double median_of(const std::vector<SFlood_run> &runs, double (*figure)(const SFlood_run &))
{
    std::vector<double> figures;
    std::transform(runs.begin(), runs.end(), std::back_inserter(figures), figure);
    return Median(std::move(figures));
}

void print_runs(const std::vector<SFlood_run> &runs)
{
    const double sent = median_of(runs, [](const SFlood_run &run) { return run.sent; });
    const double lost = median_of(runs, [](const SFlood_run &run) { return run.lost(); });
    std::printf(" | %9.0f %9.0f %8.0f %6.2f%% %7.2f", sent,
                median_of(runs, [](const SFlood_run &run) { return run.taken; }), lost,
                sent > 0 ? 100.0 * lost / sent : 0.0,
                median_of(runs, [](const SFlood_run &run) { return run.cpu_ms_per_thousand(); }));
}

} // namespace

int main(int argc, char **argv)
{
    UseOffscreenPlatform();
    QApplication application(argc, argv);
    PrepareApplication();
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;

    CBench_desktop desktop;
    SStart_options start;
    start.display_address = bench_loopback::receiver_address;
    start.display_port = 0;
    CRunning_program program(start);
    CSocket_display &receiver = program.main_form().display_receiver();
    CTable_views views(program, views_open);
    views.print();
    std::printf("kernel receive buffer granted: %d bytes\n", receiver.granted_receive_buffer());

    // A short flood first, on which the program selects the sender as its computer.
    CFlood_process(receiver.local_port(), 1000, 0.2).sent_after_event_loop();
    std::printf("computer selected: %s\n", qPrintable(program.main_form().selected_text()));
    std::printf("%g s a run, %d run(s) a figure (their median); cpu/1k: CPU time of this process, "
                "user and system, in ms per thousand datagrams taken in\n",
                seconds, runs);
    std::printf("%8s | %-44s | %s\n", "", "table-built views open", "table-built views closed");
    std::printf("%8s | %9s %9s %8s %7s %7s | %9s %9s %8s %7s %7s\n", "rate/s", "sent", "taken in",
                "lost", "loss", "cpu/1k", "sent", "taken in", "lost", "loss", "cpu/1k");
    for (const long rate : {10000L, 50000L, 100000L, 200000L}) {
        std::vector<SFlood_run> open_runs;
        std::vector<SFlood_run> closed_runs;
        for (int run = 0; run < runs; ++run) {
            views.open();
            let_run(settle_ms);
            open_runs.push_back(flood_once(receiver, rate, seconds));
            views.close();
            let_run(settle_ms);
            closed_runs.push_back(flood_once(receiver, rate, seconds));
        }
        std::printf("%8ld", rate);
        print_runs(open_runs);
        print_runs(closed_runs);
        std::printf("\n");
        std::fflush(stdout);
    }
    for (const QString &text : desktop.box_texts()) {
        std::printf("message box: %s\n", qPrintable(text));
    }
    return 0;
}
