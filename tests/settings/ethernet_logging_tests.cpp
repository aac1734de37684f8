// The Ethernet logging dialog against a fake computer: Messages 3 and 16 load both pages and go
// out as checked; group 101 is offered; more than 64 groups are refused; the rate lists follow
// the IMU; Start sends the page's message and records the port to a file, Stop and a closing
// port bring the page back; the Hotlink model renames the dialog; a settings file keeps a full
// Message 3 as it was.

#include "settings/Form_disk_logging.h"
#include "settings/Form_ethernet_logging.h"

#include "dialog_fixture.h"
#include "setting_frames.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QTabWidget>

namespace {

using namespace dialog_test;
using namespace setting_frames;

constexpr int line_count = 67;
constexpr int imu_data_line = 3;

// The lines of both lists, in order, written out apart from the dialog's own table.
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
    for (const int group : {10101, 10102, 10200, 10201}) {
        groups.push_back(static_cast<std::uint16_t>(group));
    }
    run(20101, 20126);
    run(20200, 20202);
    return groups;
}

Bytes file_bytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    const auto *data = reinterpret_cast<const std::byte *>(bytes.constData());
    return Bytes(data, data + bytes.size());
}

SLogging_port port_message(std::uint16_t number, std::vector<std::uint16_t> groups,
                           std::uint16_t rate = 1)
{
    SLogging_port message;
    message.number = number;
    message.groups = std::move(groups);
    message.rate = rate;
    return message;
}

class EthernetLoggingTest : public CDialog_fixture {
protected:
    QMap<QString, QString> values() { return WindowValues(dialog); }
    void set(const QString &control, const QString &text) { SetWindowValue(dialog, control, text); }
    void press(const QString &button) { PressButton(dialog, button); }

    // The groups whose lines are checked on page `page` ("A" or "B"), in list order.
    std::vector<std::uint16_t> checked(const char *page)
    {
        const QMap<QString, QString> shown = values();
        const std::vector<std::uint16_t> groups = listed_groups();
        std::vector<std::uint16_t> found;
        for (int line = 0; line < line_count; ++line) {
            if (shown[QStringLiteral("GroupSelect%1[%2]").arg(page).arg(line)].startsWith("on\t")) {
                found.push_back(groups[static_cast<std::size_t>(line)]);
            }
        }
        return found;
    }

    void check_first(const char *page, int count)
    {
        for (int line = 0; line < line_count; ++line) {
            set(QStringLiteral("GroupSelect%1[%2]").arg(page).arg(line),
                line < count ? "on" : "off");
        }
    }

    bool enabled(const char *control) { return dialog.findChild<QWidget *>(control)->isEnabled(); }

    TFormEthernetLogging &dialog = windows.window_of<TFormEthernetLogging>("FormEthernetLogging");
};

TEST_F(EthernetLoggingTest, EchoesLoadBothPagesAndOkSendsPrimaryThenSecondary)
{
    SLogging_port primary;
    primary.groups = {1, 4, 101, 10001, 20202};
    primary.rate = 50;
    SLogging_port secondary;
    secondary.number = 16;
    secondary.groups = {2, 101};
    secondary.rate = 200;
    hear_echoes({primary.message(0), secondary.message(0)});

    EXPECT_EQ(checked("A"), primary.groups);
    EXPECT_EQ(checked("B"), secondary.groups);
    const QMap<QString, QString> shown = values();
    EXPECT_EQ(shown["OutputRateA"], " 50 Hz");
    EXPECT_EQ(shown["OutputRateB"], "200 Hz");
    EXPECT_EQ(shown["GroupSelectA[66]"], "on\t20202 Lidar Interface Status");
    EXPECT_EQ(shown["GroupSelectB[8]"], "on\t101 General Status and Fault Detection");

    open(dialog);
    set("GroupSelectA[1]", "on");
    set("OutputRateB", " 10 Hz");
    press("buttonClose");
    const std::vector<Bytes> frames = received({3, 16}, 2);
    ASSERT_EQ(frames.size(), 2u);
    primary.groups = {1, 2, 4, 101, 10001, 20202};
    secondary.rate = 10;
    EXPECT_EQ(frames[0], primary.message(transaction_of(frames[0])));
    EXPECT_EQ(frames[1], secondary.message(transaction_of(frames[1])));
    EXPECT_TRUE(feedback.boxes.empty()) << "group 101 was checked on both pages";
}

// A wrong count neither overruns the list nor moves the rate; the lines show what the frame holds.
TEST_F(EthernetLoggingTest, EchoesWithWrongCountsShowWhatTheFrameHolds)
{
    for (const std::uint16_t claimed :
         {std::uint16_t{0}, std::uint16_t{65}, std::uint16_t{65535}}) {
        SLogging_port echo;
        echo.groups = {5, 6, 101};
        echo.rate = 25;
        echo.count = claimed;
        hear_echoes({echo.message(0)});
        const std::vector<std::uint16_t> expected =
            claimed == 0 ? std::vector<std::uint16_t>{} : echo.groups;
        EXPECT_EQ(checked("A"), expected) << claimed;
    }
}

TEST_F(EthernetLoggingTest, Group101IsOfferedPerPageAndMoreThan64GroupsAreRefused)
{
    hear_echoes({port_message(3, {1}).message(0), port_message(16, {2, 101}).message(0)});
    open(dialog);
    feedback.answer = QMessageBox::No;
    press("buttonApply");
    ASSERT_EQ(feedback.boxes.size(), 1u) << "only the primary page lacks group 101";
    EXPECT_EQ(feedback.boxes[0].caption, "Primary Data Port: Confirm Action");
    EXPECT_EQ(feedback.boxes[0].text, "Group 101 is NOT selected.\n\nGroup 101 is required for "
                                      "Post-processing.\nDo you want to enable Group 101?");
    std::vector<Bytes> frames = received({3, 16}, 2);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], port_message(3, {1}).message(transaction_of(frames[0])))
        << "declined: sent without group 101";

    check_first("B", 65);
    feedback.answer = QMessageBox::Yes;
    press("buttonApply");
    EXPECT_EQ(last_box(),
              "Logging Group Select: 65 groups are checked; the computer takes at most 64.");
    EXPECT_EQ(received({3, 16}, 2).size(), 2u) << "nothing more was sent";
    EXPECT_EQ(dialog.findChild<QTabWidget *>("PageControl1")->currentIndex(), 1)
        << "the page of the refused list is brought to the front";

    check_first("B", 64);
    press("buttonApply");
    frames = received({3, 16}, 4);
    ASSERT_EQ(frames.size(), 4u);
    const std::vector<std::uint16_t> all = listed_groups();
    SLogging_port full = port_message(16, {all.begin(), all.begin() + 64});
    EXPECT_EQ(frames[3], full.message(transaction_of(frames[3])));
    EXPECT_EQ(frames[3].size(), 148u);
}

// Whatever code came before, the rate lists offer the rates below the IMU's and the IMU's own,
// and group 4's line names it; a code without a rate offers the eight fixed rates.
TEST_F(EthernetLoggingTest, RateCodesInTurnLeaveSoundListsOnBothPages)
{
    const std::vector<QString> fixed = {"   1 Hz", "   2 Hz", " 10 Hz", " 20 Hz",
                                        " 25 Hz",  " 50 Hz",  "100 Hz", "200 Hz"};
    struct SCase {
        std::uint8_t code;
        std::vector<QString> rates;
        QString line;
    };
    const SCase cases[] = {
        {0, {"   1 Hz", "   2 Hz", " 10 Hz", " 20 Hz", " 25 Hz", " 50 Hz"}, " (50 Hz)"},
        {7,
         {"   1 Hz", "   2 Hz", " 10 Hz", " 20 Hz", " 25 Hz", " 50 Hz", "100 Hz", "200 Hz",
          "300 Hz"},
         " (300 Hz)"},
        {8, fixed, ""},
        {2, fixed, " (200 Hz)"},
    };
    for (const SCase &c : cases) {
        hear(imu_group(c.code));
        for (const char *page : {"A", "B"}) {
            auto *rates = dialog.findChild<QComboBox *>(QStringLiteral("OutputRate") + page);
            std::vector<QString> shown;
            for (int item = 0; item < rates->count(); ++item) {
                shown.push_back(rates->itemText(item));
            }
            EXPECT_EQ(shown, c.rates) << int(c.code) << page;
            EXPECT_EQ(dialog.findChild<QListWidget *>(QStringLiteral("GroupSelect") + page)
                          ->item(imu_data_line)
                          ->text(),
                      "    4 IMU Data" + c.line)
                << int(c.code);
        }
    }

    // The rate an entry shows is the rate sent.
    hear_echoes({port_message(3, {101}).message(0), port_message(16, {101}).message(0)});
    hear(imu_group(7));
    open(dialog);
    set("OutputRateA", "300 Hz");
    press("buttonApply");
    const std::vector<Bytes> frames = received({3, 16}, 2);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], (port_message(3, {101}, 300).message(transaction_of(frames[0]))));
}

TEST_F(EthernetLoggingTest, PostProcessingChecksItsTwelveGroupsAt50Hz)
{
    press("ButtonDeselectA");
    press("ButtonKoruProcA");
    EXPECT_EQ(checked("A"), (std::vector<std::uint16_t>{1, 2, 4, 5, 6, 101, 200, 10001, 10101,
                                                        10102, 20101, 20102}));
    EXPECT_EQ(values()["OutputRateA"], " 50 Hz");
    EXPECT_TRUE(checked("B").empty()) << "the other page is left alone";
    press("ButtonDeselectA");
    EXPECT_TRUE(checked("A").empty());
}

TEST_F(EthernetLoggingTest, StartWithoutAFileNameIsRefusedAndStartsNothing)
{
    open(dialog);
    set("FilenameA", "");
    feedback.answer = QMessageBox::Yes;
    press("StartLoggingA");
    EXPECT_EQ(last_box(), "Log file not valid!\nCheck file name and path.");
    EXPECT_EQ(feedback.boxes.back().caption, "TARVO Primary: Error");
    EXPECT_FALSE(dialog.logger(TFormEthernetLogging::primary).is_logging());
    EXPECT_TRUE(enabled("StartLoggingA"));
    EXPECT_FALSE(enabled("StopLoggingA"));

    set("FilenameA", folder.filePath("missing/folder/log.bin"));
    press("StartLoggingA");
    EXPECT_EQ(last_box(), "Can not open Log file!\nCheck file name and path.");
    EXPECT_FALSE(dialog.logger(TFormEthernetLogging::primary).is_logging());
}

// Start sends the page's message and records the secondary port; the window is found by name as
// any window is; Stop and a port that closes both bring the page back.
TEST_F(EthernetLoggingTest, StartSendsThePageAndRecordsThePortUntilStopOrClose)
{
    CTcp_peer logging_port{2};
    TFormDiskLogging &logger = dialog.logger(TFormEthernetLogging::secondary);
    logger.set_port(logging_port.port());
    EXPECT_EQ(windows.window("FormSecDiskLogging"), &logger);
    EXPECT_EQ(windows.window("FormDiskLogging"), &dialog.logger(TFormEthernetLogging::primary));

    hear_echoes({port_message(16, {1, 101}).message(0)});
    open(dialog);
    dialog.findChild<QTabWidget *>("PageControl1")->setCurrentIndex(1);
    const QString file = folder.filePath("secondary.bin");
    set("FilenameB", file);
    set("OpenModeControlB", "Overwrite");
    press("StartLoggingB");
    const std::vector<Bytes> frames = received({3, 16}, 1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], (port_message(16, {1, 101}).message(transaction_of(frames[0]))));
    ASSERT_TRUE(WaitFor([&] { return logging_port.accept(); }));
    EXPECT_FALSE(enabled("StartLoggingB"));
    EXPECT_FALSE(enabled("FilenameB"));
    EXPECT_FALSE(enabled("CheckLogFileB"));
    EXPECT_TRUE(enabled("StopLoggingB"));
    EXPECT_TRUE(enabled("StartLoggingA")) << "the other port is idle";

    const Bytes stream = frame_bytes::filler(70001, 3);
    logging_port.write(stream);
    ASSERT_TRUE(WaitFor([&] { return logger.bytes_logged() == stream.size(); }));
    press("StopLoggingB");
    EXPECT_FALSE(logger.is_logging());
    EXPECT_TRUE(enabled("StartLoggingB"));
    EXPECT_FALSE(enabled("StopLoggingB"));
    EXPECT_TRUE(file_bytes(file) == stream);

    logging_port.close_connection();
    press("StartLoggingB");
    ASSERT_TRUE(WaitFor([&] { return logging_port.accept(); }));
    ASSERT_FALSE(enabled("StartLoggingB"));
    logging_port.close_connection();
    EXPECT_TRUE(WaitFor([&] { return enabled("StartLoggingB") && !enabled("StopLoggingB"); }))
        << "the computer closed the port";
}

TEST_F(EthernetLoggingTest, TheHotlinkModelRenamesTheDialogAndLogsOnlyTheSecondaryPort)
{
    auto *pages = dialog.findChild<QTabWidget *>("PageControl1");
    program.options.model_code = "7";
    program.options.sub_model_code = "2";
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Hotlink/Ethernet Logging Control");
    EXPECT_EQ(pages->tabText(0), "Hotlink");
    EXPECT_EQ(pages->tabText(1), "Ethernet");
    EXPECT_FALSE(enabled("CheckLogFileA"));
    EXPECT_FALSE(enabled("FilenameA"));
    EXPECT_TRUE(enabled("CheckLogFileB"));
    dialog.hide();

    program.options.sub_model_code = "3";
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Ethernet Logging Control");
    EXPECT_EQ(pages->tabText(0), "Primary");
    EXPECT_EQ(pages->tabText(1), "Secondary");
    EXPECT_TRUE(enabled("CheckLogFileA"));
}

TEST_F(EthernetLoggingTest, SettingsFileKeepsAFullMessage3AsItWas)
{
    connect_as_controller();
    const std::vector<std::uint16_t> all = listed_groups();
    const Bytes full = port_message(3, {all.begin() + 3, all.begin() + 67}, 100).message(700);
    ASSERT_EQ(full.size(), 148u);
    hear(full);
    feedback.chosen_file = folder.filePath("koru.nvm");
    form->SaveKoruConfig1Click();
    const Bytes stored = file_bytes(feedback.chosen_file);
    ASSERT_EQ(stored.size(), 148u);
    EXPECT_TRUE(stored == full);

    form->LoadKoruConfig1Click();
    const std::vector<Bytes> sent = received({3}, 1);
    ASSERT_EQ(sent.size(), 1u);
    Bytes expected = full;
    expected[8] = sent[0][8];
    expected[9] = sent[0][9];
    EXPECT_EQ(Bytes(sent[0].begin() + 10, sent[0].end() - 4),
              Bytes(expected.begin() + 10, expected.end() - 4))
        << "the same groups and rate, a new transaction number";
}

} // namespace
