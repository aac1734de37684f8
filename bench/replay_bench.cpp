// Replay of a display-port recording as fast as the windows keep up, through the whole program:
// the main form with every start window of the window table shown, as Tarvo's main builds it.
// The recording holds Group 1 at 200 Hz, by default for ten minutes. Printed: groups per second, how many times faster than real time,
// and the share of the time the windows take (the same replay with the receiver handing nothing
// to the windows, compared). Offscreen unless QT_QPA_PLATFORM names another platform.
//
// Usage: replay_bench [RECORDED_SECONDS]   (default 600)

#include "app/running_program.h"
#include "bench/bench_desktop.h"
#include "bench/figures.h"
#include "net/socket_display.h"
#include "recording/Form_recording.h"
#include "recording/recording_writer.h"
#include "shell/program.h"

#include "navigation_frames.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int group1_rate = 200;

// Writes `seconds` of Group 1 at 200 Hz; returns the groups written.
long write_recording(const std::string &path, double seconds)
{
    CRecording_writer writer;
    if (writer.open(path) != 0) {
        return 0;
    }
    constexpr std::uint64_t start_us = 1'700'000'000'000'000;
    const long samples = static_cast<long>(seconds * group1_rate);
    long groups = 0;
    for (long i = 0; i < samples; ++i) {
        const std::uint64_t at = start_us + static_cast<std::uint64_t>(i) * 1'000'000 / group1_rate;
        const double t = static_cast<double>(i) / group1_rate;
        writer.write(at, frame_bytes::position_group(45.0 + t * 1e-5, -73.0 + t * 1e-5,
                                                     1000.0 + t, 90.0, 60.0F));
        ++groups;
    }
    return writer.close() == 0 ? groups : 0;
}

// Replays as fast as possible; returns the seconds it took.
double replay_seconds(TFormRecording &recording, TFormMain &main, const QString &path)
{
    QEventLoop loop;
    QObject::connect(&recording, &TFormRecording::replay_finished, &loop, &QEventLoop::quit);
    const double started = NowSeconds();
    const QString problem = recording.Replay(main, path, CReplay_schedule::fastest);
    if (!problem.isEmpty()) {
        std::printf("cannot replay: %s\n", qPrintable(problem));
        return 0;
    }
    loop.exec();
    return NowSeconds() - started;
}

} // namespace

int main(int argc, char **argv)
{
    UseOffscreenPlatform();
    QApplication application(argc, argv);
    PrepareApplication();
    const double recorded = argc > 1 ? std::atof(argv[1]) : 600.0;

    CBench_desktop desktop;
    QTemporaryDir folder;
    const QString path = folder.filePath("bench.tvr");
    const long groups = write_recording(path.toStdString(), recorded);
    if (groups == 0) {
        std::printf("cannot write the recording in %s\n", qPrintable(folder.path()));
        return 1;
    }

    SStart_options start;
    start.display_port = 0;
    CRunning_program program(start);
    for (const QString &name : program.windows().names()) {
        TFormKoruBase *window = program.windows().window(name);
        if (window != nullptr && window->isVisible() == false && name != "FormRecording") {
            ShowView(*window);
        }
    }
    auto &recording = program.windows().window_of<TFormRecording>("FormRecording");
    TFormMain &main = program.main_form();

    const double with_windows = replay_seconds(recording, main, path);
    const std::uint32_t taken = main.display_receiver().counters().groups;
    main.display_receiver().set_windows(nullptr);
    const double without_windows = replay_seconds(recording, main, path);
    main.display_receiver().set_windows(&Program().windows);

    std::printf("recording: %.0f s, %ld groups (Group 1 at %d Hz)\n", recorded,
                groups, group1_rate);
    std::printf("replay with every start window shown: %.2f s, %u groups taken in, "
                "%.0f groups/s, %.1fx real time\n",
                with_windows, taken, taken / with_windows, recorded / with_windows);
    std::printf("replay with the windows handed nothing: %.2f s\n", without_windows);
    std::printf("share of the replay spent in the windows: %.0f %%\n",
                100.0 * (with_windows - without_windows) / with_windows);
    for (const QString &text : desktop.box_texts()) {
        std::printf("message box: %s\n", qPrintable(text));
    }
    return 0;
}
