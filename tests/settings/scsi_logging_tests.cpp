// The PC card logging dialog against a fake computer: Message 4's echo loads the group lines,
// rate, automatic logging and file name, whatever its count says; Start, Stop and Apply send
// Message 4 with "Start Logging" as pressed or as the computer records; the card's state shows
// from Groups 8 and 101.

#include "settings/Form_scsi_logging.h"

#include "dialog_fixture.h"
#include "setting_frames.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

using namespace dialog_test;
using namespace setting_frames;

constexpr std::uint16_t pc_card = 4;
constexpr int imu_data_line = 3;
constexpr int line_count = 67;

// "General Status A" bits of the PC card.
constexpr std::uint32_t write_error = 1u << 12;
constexpr std::uint32_t file_open = 1u << 13;
constexpr std::uint32_t logging = 1u << 14;
constexpr std::uint32_t device_full = 1u << 15;

// The lines of the list, in order, written out apart from the dialog's own table.
std::vector<std::uint16_t> listed_groups()
{
    std::vector<std::uint16_t> groups;
    const auto run = [&](int first, int last) {
        for (int group = first; group <= last; ++group) {
            groups.push_back(static_cast<std::uint16_t>(group));
        }
    };
    run(1, 8);
    for (const int group : {101, 102, 104, 106, 107, 108, 109, 110}) {
        groups.push_back(static_cast<std::uint16_t>(group));
    }
    run(200, 212);
    run(10001, 10005);
    for (const int group : {10101, 10102, 10200, 10201, 10202}) {
        groups.push_back(static_cast<std::uint16_t>(group));
    }
    run(20101, 20126);
    run(20200, 20201);
    return groups;
}

class ScsiLoggingTest : public CDialog_fixture {
protected:
    QMap<QString, QString> values() { return WindowValues(dialog); }
    void set(const QString &control, const QString &text) { SetWindowValue(dialog, control, text); }
    void press(const QString &button) { PressButton(dialog, button); }

    // The groups whose lines are checked, in list order.
    std::vector<std::uint16_t> checked()
    {
        const QMap<QString, QString> shown = values();
        const std::vector<std::uint16_t> groups = listed_groups();
        std::vector<std::uint16_t> found;
        for (int line = 0; line < line_count; ++line) {
            if (shown[QStringLiteral("groupSelect[%1]").arg(line)].startsWith("on\t")) {
                found.push_back(groups[static_cast<std::size_t>(line)]);
            }
        }
        return found;
    }

    void check_only(const std::vector<std::uint16_t> &groups)
    {
        const std::vector<std::uint16_t> lines = listed_groups();
        for (int line = 0; line < line_count; ++line) {
            const bool wanted = std::find(groups.begin(), groups.end(),
                                          lines[static_cast<std::size_t>(line)]) != groups.end();
            set(QStringLiteral("groupSelect[%1]").arg(line), wanted ? "on" : "off");
        }
    }

    // The Message 4 sent last, once `count` have been sent in all.
    Bytes sent(std::size_t count)
    {
        const std::vector<Bytes> frames = received({pc_card}, count);
        EXPECT_EQ(frames.size(), count);
        return frames.empty() ? Bytes() : frames.back();
    }

    bool enabled(const char *button)
    {
        return dialog.findChild<QPushButton *>(button)->isEnabled();
    }

    TFormScsiLogging &dialog = windows.window_of<TFormScsiLogging>("FormScsiLogging");
};

TEST_F(ScsiLoggingTest, EchoLoadsTheDialogAndApplySendsItBackWithTheRecordingAsItIs)
{
    SPc_card echo;
    echo.groups = {1, 4, 101, 10202, 20201};
    echo.rate = 50;
    echo.mode = 1;
    echo.control = 1;
    echo.file_name = "survey7";
    hear_echoes({echo.message(0)});

    const QMap<QString, QString> shown = values();
    EXPECT_EQ(checked(), echo.groups);
    EXPECT_EQ(shown["groupSelect[0]"], "on\t    1 Position, Velocity, Attitude, Dynamics...");
    EXPECT_EQ(shown["groupSelect[8]"], "on\t101 General Status and Fault Detection");
    EXPECT_EQ(shown["outputRate"], " 50 Hz");
    EXPECT_EQ(shown["autoLog"], "on");
    EXPECT_EQ(shown["filename"], "survey7");

    // Idle: Apply must not start a recording the echo asked for once.
    open(dialog);
    press("buttonApply");
    SPc_card expected = echo;
    expected.control = 0;
    Bytes frame = sent(1);
    EXPECT_EQ(frame, expected.message(transaction_of(frame)));

    // Writing: Apply must not stop it.
    hear(status_group(logging | file_open));
    EXPECT_EQ(values()["LoggingStatus"], "Writing");
    press("buttonApply");
    frame = sent(2);
    expected.control = 1;
    EXPECT_EQ(frame, expected.message(transaction_of(frame)));
    EXPECT_TRUE(feedback.boxes.empty()) << "group 101 was checked: nothing to ask";
}

TEST_F(ScsiLoggingTest, StartAsksForGroup101AndTheButtonsHoldForFiveStatusGroups)
{
    SPc_card echo;
    echo.groups = {1};
    hear_echoes({echo.message(0)});
    open(dialog);

    feedback.answer = QMessageBox::Yes;
    press("startLogging");
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(feedback.boxes[0].caption, "Confirm Action");
    EXPECT_EQ(feedback.boxes[0].text, "Group 101 is NOT selected.\n\nGroup 101 is required for "
                                      "Post-processing.\nDo you want to enable Group 101?");
    SPc_card expected = echo;
    expected.groups = {1, 101};
    expected.control = 1;
    const Bytes frame = sent(1);
    EXPECT_EQ(frame, expected.message(transaction_of(frame)));

    // The computer still reports idle for a while; the buttons stay as pressed.
    for (int update = 1; update <= 5; ++update) {
        hear(status_group(0));
        EXPECT_FALSE(enabled("startLogging")) << update;
        EXPECT_TRUE(enabled("stopLogging")) << update;
    }
    hear(status_group(0));
    EXPECT_TRUE(enabled("startLogging"));
    EXPECT_FALSE(enabled("stopLogging"));

    hear(status_group(logging));
    EXPECT_FALSE(enabled("startLogging"));
    EXPECT_TRUE(enabled("stopLogging"));
    feedback.answer = QMessageBox::No;
    press("stopLogging");
    const Bytes stop = sent(2);
    expected.control = 0;
    EXPECT_EQ(stop, expected.message(transaction_of(stop)));
    EXPECT_EQ(feedback.boxes.size(), 1u) << "group 101 is checked now";
    EXPECT_TRUE(enabled("startLogging"));
    EXPECT_FALSE(enabled("stopLogging"));
}

// Declining group 101 sends without it. A monitor can neither start nor stop; a controller
// finds the buttons as the computer last reported.
TEST_F(ScsiLoggingTest, DecliningGroup101SendsWithoutItAndOnlyTheControllerStartsOrStops)
{
    dialog.show();
    hear(status_group(logging));
    EXPECT_FALSE(enabled("startLogging"));
    EXPECT_FALSE(enabled("stopLogging"));
    EXPECT_EQ(values()["LoggingStatus"], "Buffering") << "the state shows all the same";
    dialog.hide();
    connect_as_controller();
    hear(status_group(logging));
    dialog.show();
    EXPECT_FALSE(enabled("startLogging"));
    EXPECT_TRUE(enabled("stopLogging"));
    dialog.hide();

    SPc_card echo;
    echo.groups = {2, 3};
    hear_echoes({echo.message(0)});
    dialog.show();
    feedback.answer = QMessageBox::No;
    press("buttonApply");
    SPc_card expected = echo;
    expected.control = 1; // the computer records
    const Bytes frame = sent(1);
    EXPECT_EQ(frame, expected.message(transaction_of(frame)));
    EXPECT_EQ(feedback.boxes.size(), 1u);
}

TEST_F(ScsiLoggingTest, StatusShowsTheFirstOfDeviceFullWriteErrorWritingBufferingInvalidIdle)
{
    const struct {
        std::uint32_t bits;
        const char *shown;
    } cases[] = {
        {device_full | write_error | logging | file_open, "Device Full"},
        {device_full, "Device Full"},
        {write_error | logging | file_open, "Write Error"},
        {logging | file_open, "Writing"},
        {logging, "Buffering"},
        {file_open, "Invalid"},
        {0, "Idle"},
    };
    for (const auto &c : cases) {
        hear(status_group(c.bits));
        EXPECT_EQ(values()["LoggingStatus"], c.shown) << c.bits;
    }
}

// The computer reports the remaining time in minutes.
TEST_F(ScsiLoggingTest, MediaStatusShowsKBytesAndTheRemainingTime)
{
    hear(disk_group(1234567, 890, 90.5f, 2000000));
    QMap<QString, QString> shown = values();
    EXPECT_EQ(shown["bytesRemaining"], "1234567");
    EXPECT_EQ(shown["bytesLogged"], "890");
    EXPECT_EQ(shown["timeRemaining"], "01:30:30");

    hear(disk_group(0, 2000000, 0, 2000000));
    EXPECT_EQ(values()["timeRemaining"], "00:00:00");
    hear(disk_group(0, 2000000, -1, 2000000));
    EXPECT_EQ(values()["timeRemaining"], "") << "no valid time";
    hear(disk_group(1, 1, 6000.25f, 2));
    EXPECT_EQ(values()["timeRemaining"], "100:00:15");
}

// Whatever the count says, the list is read as far as the frame holds it, and what follows the
// list at its place.
TEST_F(ScsiLoggingTest, EchoesOfAnyCountAndShortEchoesAreReadWhereTheyLie)
{
    SPc_card empty;
    empty.groups = {};
    empty.rate = 20;
    empty.file_name = "none";
    hear_echoes({empty.message(0)});
    EXPECT_TRUE(checked().empty());
    EXPECT_EQ(values()["outputRate"], " 20 Hz");
    EXPECT_EQ(values()["filename"], "none");

    SPc_card full;
    const std::vector<std::uint16_t> groups = listed_groups();
    full.groups.assign(groups.begin(), groups.begin() + 64);
    full.rate = 100;
    full.file_name = "full";
    hear_echoes({full.message(0)});
    EXPECT_EQ(checked(), full.groups);
    EXPECT_EQ(values()["outputRate"], "100 Hz");
    EXPECT_EQ(values()["filename"], "full");

    for (const std::uint16_t count : {65, 65535}) {
        SPc_card wrong;
        wrong.groups = {5, 6};
        wrong.count = count;
        wrong.rate = 2;
        wrong.mode = 1;
        wrong.file_name = "wrong";
        hear_echoes({wrong.message(0)});
        EXPECT_EQ(checked(), wrong.groups) << count;
        EXPECT_EQ(values()["outputRate"], "   2 Hz") << count;
        EXPECT_EQ(values()["autoLog"], "on") << count;
        EXPECT_EQ(values()["filename"], "wrong") << count;
    }

    SPc_card short_name;
    short_name.groups = {7};
    short_name.rate = 10;
    short_name.mode = 1;
    short_name.cut = 64;
    hear_echoes({short_name.message(0)});
    EXPECT_EQ(checked(), short_name.groups);
    EXPECT_EQ(values()["outputRate"], " 10 Hz");
    EXPECT_EQ(values()["autoLog"], "on");
    EXPECT_EQ(values()["filename"], "") << "the name was cut off";

    SPc_card cut_list;
    cut_list.groups = {1, 2, 3};
    cut_list.cut = 70; // all behind the list, and the last group
    hear_echoes({cut_list.message(0)});
    EXPECT_EQ(checked(), (std::vector<std::uint16_t>{1, 2}));
    EXPECT_EQ(values()["outputRate"], "");
    EXPECT_EQ(values()["autoLog"], "off");
}

TEST_F(ScsiLoggingTest, MoreGroupsThanTheMessageHoldsAndALongFileNameAreRefused)
{
    hear_echoes({SPc_card().message(0)});
    open(dialog);
    check_only(listed_groups());
    press("buttonApply");
    EXPECT_EQ(last_box(),
              "Logging Group Select: 67 groups are checked; the computer takes at most 64.");
    std::vector<std::uint16_t> most = listed_groups();
    most.resize(64);
    check_only(most);

    set("filename", QString(33, QChar(0x00E9))); // 33 characters, 66 bytes
    press("buttonApply");
    EXPECT_EQ(last_box(), "Filename: the computer takes at most 64 bytes; this text takes 66.");
    EXPECT_TRUE(answers.frames_numbered({pc_card}).empty());

    set("filename", QString(32, QChar(0x00E9)));
    press("buttonApply");
    SPc_card expected;
    expected.groups = most;
    expected.file_name = QString(32, QChar(0x00E9)).toUtf8().toStdString();
    const Bytes frame = sent(1);
    EXPECT_EQ(frame, expected.message(transaction_of(frame)));
}

// The list of rates ends with the IMU's own rate; the rate shown is the rate sent.
TEST_F(ScsiLoggingTest, RatesFollowTheImuAndAreSentAsShown)
{
    const int imu_rates[] = {50, 100, 200, 400, 125, 500, 250, 300};
    const int fixed_rates[] = {1, 2, 10, 20, 25, 50, 100, 200};
    auto *rates = dialog.findChild<QComboBox *>("outputRate");
    auto *lines = dialog.findChild<QListWidget *>("groupSelect");

    hear(imu_group(7));
    EXPECT_EQ(lines->item(imu_data_line)->text(), "    4 IMU Data (300 Hz)");
    EXPECT_EQ(rates->itemText(rates->count() - 1), "300 Hz");
    hear_echoes({SPc_card().message(0)});
    open(dialog);
    set("outputRate", "300 Hz");
    press("buttonApply");
    SPc_card expected;
    expected.rate = 300;
    const Bytes frame = sent(1);
    EXPECT_EQ(frame, expected.message(transaction_of(frame)));

    std::vector<int> codes(256);
    std::iota(codes.begin(), codes.end(), 0);
    std::shuffle(codes.begin(), codes.end(), std::mt19937(16));
    for (const int code : codes) {
        hear(imu_group(static_cast<std::uint8_t>(code)));
        std::vector<int> expected_rates;
        QString line = "    4 IMU Data";
        if (code < 8) {
            const int imu = imu_rates[code];
            std::copy_if(std::begin(fixed_rates), std::end(fixed_rates),
                         std::back_inserter(expected_rates), [&](int hz) { return hz < imu; });
            expected_rates.push_back(imu);
            line += QStringLiteral(" (%1 Hz)").arg(imu);
        } else {
            expected_rates.assign(std::begin(fixed_rates), std::end(fixed_rates));
        }
        std::vector<int> shown_rates;
        for (int item = 0; item < rates->count(); ++item) {
            shown_rates.push_back(rates->itemText(item).trimmed().chopped(3).toInt());
        }
        ASSERT_EQ(shown_rates, expected_rates) << code;
        ASSERT_EQ(lines->item(imu_data_line)->text(), line) << code;
    }
}

TEST_F(ScsiLoggingTest, PostProcessingChoosesItsGroupsAt50HzAndDeselectClearsAll)
{
    hear_echoes({SPc_card().message(0)});
    press("ButtonKoruProc");
    EXPECT_EQ(checked(), (std::vector<std::uint16_t>{1, 2, 4, 5, 6, 101, 200, 10001, 10101, 10102,
                                                     20101, 20102}));
    EXPECT_EQ(values()["outputRate"], " 50 Hz");
    press("ButtonDeselect");
    EXPECT_TRUE(checked().empty());
}

} // namespace
