// The two lidar tools against a fake computer and, for the Q560 tool, a fake scanner data logger
// on loopback: what each sends to the computer and to the logger, and what each shows.

#include "app/window_rows.h"
#include "controls/address_edit.h"
#include "controls/radio_group.h"
#include "lidar/Form_lidar_ip_address.h"
#include "lidar/Form_lidar_q560.h"
#include "lidar/lidar_link.h"
#include "resources/texts.h"
#include "shell/window_table.h"
#include "shell/window_values.h"

#include "controller_fixture.h"
#include "lidar_frames.h"

#include <QCheckBox>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <utility>

namespace {

using namespace controller_test;
using namespace lidar_frames;
using namespace std::chrono_literals;

constexpr std::uint32_t user_not_logged_in = 1u << 6;
const std::string dle = "\x10";
const std::string can = "\x18";

Bytes bytes_of(const std::string &text)
{
    return Bytes(reinterpret_cast<const std::byte *>(text.data()),
                 reinterpret_cast<const std::byte *>(text.data()) + text.size());
}

class LidarToolTest : public CController_fixture {
protected:
    // The computer is selected on its first frame.
    LidarToolTest() { hear(status_group(0)); }

    // The frames of those numbers that reached the computer, waiting until there are `count`.
    std::vector<Bytes> sent(std::initializer_list<std::uint16_t> numbers, std::size_t count)
    {
        WaitFor([&] { return answers.frames_numbered(numbers).size() >= count; });
        return answers.frames_numbered(numbers);
    }
    // What the last box said.
    QString last_box() const
    {
        return feedback.boxes.empty() ? QStringLiteral("(no box)") : feedback.boxes.back().text;
    }

    CAnswering_computer answers{computer};
};

// --- the Q240 tool -----------------------------------------------------------------------

class LidarIpAddressTest : public LidarToolTest {
protected:
    TAddressEdit &address() const { return *dialog.LidarLink()->IpAddress(); }

    CWindow_table windows{*form, WindowRows()};
    TFormLidarIpAddress &dialog = windows.window_of<TFormLidarIpAddress>("FormLidarIpAddress");
};

TEST_F(LidarIpAddressTest, OkSendsTheAddressThenTheLoggingOnceThePasswordIsGiven)
{
    connect_as_controller(user_not_logged_in);
    feedback.dialog_result = QDialog::Accepted;
    dialog.show();
    SetWindowValue(dialog, "IpAddress", "127000000010");
    SetWindowValue(dialog, "RadioGroupLidarLogging", "Enabled");
    EXPECT_TRUE(answers.frames_numbered({20206, 20207}).empty()) << "nothing before Ok";
    dialog.buttonOk()->click();

    EXPECT_EQ(feedback.dialogs, std::vector<QString>{"FormPassword"});
    const std::vector<Bytes> frames = sent({20206, 20207}, 2);
    ASSERT_EQ(frames.size(), 2u);
    const std::uint16_t transaction = u16_at(frames[0], 8);
    EXPECT_EQ(frames[0], scanner_state(transaction, {{127, 0, 0, 10}, 1}));
    EXPECT_EQ(frames[1], logging_request(transaction + 1, 1));
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(LidarIpAddressTest, WithoutThePasswordNothingIsSent)
{
    connect_as_controller(user_not_logged_in);
    feedback.dialog_result = QDialog::Rejected;
    dialog.show();
    SetWindowValue(dialog, "IpAddress", "192168001020");
    dialog.buttonApply()->click();
    EXPECT_EQ(feedback.dialogs, std::vector<QString>{"FormPassword"});
    QCoreApplication::processEvents();
    EXPECT_TRUE(answers.frames_numbered({20206, 20207}).empty());
}

TEST_F(LidarIpAddressTest, AnAddressNoDeviceCanHaveIsRefused)
{
    connect_as_controller();
    dialog.show();
    for (const char *wrong : {"256000000001", "010000000255", "000001001001", "010000   001"}) {
        feedback.boxes.clear();
        address().setText(wrong);
        EXPECT_FALSE(address().Address()) << wrong;
        dialog.buttonApply()->click();
        EXPECT_TRUE(last_box().endsWith(LoadText(invalid_address_text))) << wrong;
        EXPECT_TRUE(dialog.isVisible());
    }
    address().setText("255255255254");
    EXPECT_EQ(address().Address(), (Address_bytes{255, 255, 255, 254}));
    QCoreApplication::processEvents();
    EXPECT_TRUE(answers.frames_numbered({20206, 20207}).empty());
}

TEST_F(LidarIpAddressTest, EchoesShowTheAddressAndTheLoggingAndTheGroupShowsTheState)
{
    hear(scanner_state(0, {{10, 0, 0, 7}, 1}));
    hear(logging_request(0, 1));
    hear(views_notice());
    EXPECT_EQ(address().text(), "010.000.000.007");
    EXPECT_EQ(dialog.LidarLink()->RadioGroupLidarLogging()->ItemIndex(), 1);

    const std::vector<std::tuple<std::uint16_t, const char *, const char *>> states = {
        {1, "On", "On"},
        {2, "On", "Off"},
        {3, "Failure", "N/A"},
        {4, "Off", "N/A"},
        {9, "N/A", "N/A"}};
    for (const auto &[status, connection, logging] : states) {
        hear(lidar_group(2, status, 0));
        const QMap<QString, QString> values = WindowValues(dialog);
        EXPECT_EQ(values.value("Connection"), connection) << status;
        EXPECT_EQ(values.value("Logging"), logging) << status;
    }
}

// A settings file must not switch the scanner's logging: Message 20206 goes with the logging the
// computer reports now, and stays back while the computer has not said.
TEST_F(LidarIpAddressTest, ASettingsFileLeavesTheScannerLoggingAsTheComputerReportsIt)
{
    QFile file(folder.filePath("stored.nvm"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const Bytes stored = logging_request(0, 0, 12);
    file.write(reinterpret_cast<const char *>(stored.data()), static_cast<qint64>(stored.size()));
    file.close();
    feedback.chosen_file = file.fileName();
    connect_as_controller();

    form->LoadKoruConfig1Click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(answers.frames_numbered({20206}).empty()) << "no Group 20202 yet";
    EXPECT_TRUE(last_box().contains("present state")) << last_box().toStdString();

    hear(lidar_group(1, 1, 1));
    form->LoadKoruConfig1Click();
    const std::vector<Bytes> frames = sent({20206}, 1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], logging_request(u16_at(frames[0], 8), 1, 12));
}

// --- the Q560 tool -----------------------------------------------------------------------

// A scanner data logger that answers each whole command, as the logger does, or as told.
class CFake_logger {
public:
    CFake_logger(CTcp_peer &peer, std::function<int()> reads_seen)
        : m_peer(peer), m_reads_seen(std::move(reads_seen))
    {}

    // Takes what arrived, answers each whole command, and sends the second part of a split
    // answer once the tool has read the first.
    void pump()
    {
        if (!m_connected) {
            m_connected = m_peer.accept();
            if (!m_connected) {
                return;
            }
        }
        if (!m_parts.empty() && m_reads_seen() > m_reads_at_part) {
            write_part();
        }
        m_peer.read_available();
        const Bytes &stream = m_peer.received;
        while (m_parsed < stream.size()) {
            const char first = static_cast<char>(stream[m_parsed]);
            std::string command;
            if (first == '\x10' || first == '\x18' || first == '\x06' || first == '\x0E') {
                command = std::string(1, first);
                ++m_parsed;
            } else {
                std::size_t end = m_parsed;
                while (end < stream.size() && static_cast<char>(stream[end]) != '\r') {
                    ++end;
                }
                if (end == stream.size()) {
                    break;
                }
                command.assign(reinterpret_cast<const char *>(stream.data() + m_parsed),
                               end + 1 - m_parsed);
                m_parsed = end + 1;
            }
            commands.push_back(command);
            answer(command);
        }
    }
    bool wait_for_commands(std::size_t count)
    {
        return WaitFor([&] {
            pump();
            return commands.size() >= count;
        });
    }
    // Sends `text`, in two reads of the tool when `split` is set.
    void say(const std::string &text)
    {
        if (!split || text.size() < 2) {
            m_peer.write(bytes_of(text));
            return;
        }
        m_parts.push_back(text.substr(0, text.size() / 2));
        m_parts.push_back(text.substr(text.size() / 2));
        if (m_parts.size() == 2) {
            write_part();
        }
    }

    bool silent = false;
    bool split = false;
    std::string log_mode_answer = "=LOG_MODE 3\r";
    std::string gps_status_answer = "GPS_STATUS0\r";
    std::string scanning_answer = "mSCANNING\r";
    std::vector<std::string> commands;

private:
    void answer(const std::string &command)
    {
        if (silent) {
            return;
        }
        if (command == "\x10") {
            say("*");
        } else if (command == "\x18") {
            say(scanning_answer);
        } else if (command.size() > 1) {
            say(command);
            if (command == ".LOG_MODE\r") {
                say(log_mode_answer);
            } else if (command == ".GPS_STATUS\r") {
                say(gps_status_answer);
            }
        }
    }
    void write_part()
    {
        m_reads_at_part = m_reads_seen();
        m_peer.write(bytes_of(m_parts.front()));
        m_parts.pop_front();
    }

    CTcp_peer &m_peer;
    std::function<int()> m_reads_seen;
    bool m_connected = false;
    std::size_t m_parsed = 0;
    std::deque<std::string> m_parts;
    int m_reads_at_part = 0;
};

class LidarQ560Test : public LidarToolTest {
protected:
    LidarQ560Test() { echo = tool.findChild<QListWidget *>("ListBox1"); }

    QString value(const char *name) { return WindowValues(tool).value(name); }
    void press(const char *button) { PressButton(tool, button); }

    // The computer echoes the scanner's address and asks for the Q560 interface: the tool
    // connects on its own and queries the logger.
    void connect_automatically(std::uint32_t request = 0)
    {
        connect_as_controller();
        hear(lidar_group(1, 2, request));
        hear(scanner_state(0, {{127, 0, 0, 10}, 1}));
        hear(views_notice());
        ASSERT_TRUE(logger.wait_for_commands(3)) << "the status query";
        ASSERT_TRUE(WaitFor([&] {
            logger.pump();
            return value("Label8") == "ON";
        }));
    }
    // The last state report the computer received.
    Bytes last_report()
    {
        const std::vector<Bytes> reports = answers.frames_numbered({20207});
        return reports.empty() ? Bytes{} : reports.back();
    }
    Bytes report(const SScanner_state &state)
    {
        return scanner_state(u16_at(last_report(), 8), state);
    }

    CTcp_peer scanner{10};
    TFormLidarQ560 tool{scanner.port(), 300ms};
    QListWidget *echo = nullptr;
    CFake_logger logger{scanner, [this] { return echo->count(); }};
};

TEST_F(LidarQ560Test, AnAddressWithLeadingZerosConnectsToItsDecimalGroups)
{
    connect_as_controller();
    SetWindowValue(tool, "CheckBox1", "off");
    SetWindowValue(tool, "IpAddress", "127000000010");
    press("connectDisconnect");
    ASSERT_TRUE(WaitFor([&] {
        logger.pump();
        return value("connectDisconnect") == "Disconnect";
    })) << "127.0.0.10, where the logger listens; not 127.0.0.8";
    EXPECT_EQ(value("Connection"), "On");
    ASSERT_TRUE(WaitFor([&] { return last_report() == report({{127, 0, 0, 10}, 0, 1, 1, 0}); }));

    press("connectDisconnect");
    EXPECT_EQ(value("connectDisconnect"), "Connect");
    EXPECT_TRUE(WaitFor([&] { return last_report() == report({{127, 0, 0, 10}, 0, 1, 0, 0}); }));
}

TEST_F(LidarQ560Test, ALoggingRequestRunsTheOpeningSequenceEvenWithEveryAnswerSplit)
{
    connect_automatically();
    EXPECT_EQ(value("RadioGroup1"), "Mode 3");
    for (const bool split : {false, true}) {
        SCOPED_TRACE(split ? "split answers" : "whole answers");
        logger.split = split;
        const std::size_t before = logger.commands.size();
        hear(lidar_group(1, 2, 1));
        ASSERT_TRUE(logger.wait_for_commands(before + 5));
        ASSERT_TRUE(WaitFor([&] {
            logger.pump();
            return value("Logging") == "On";
        }));
        EXPECT_EQ(
            std::vector<std::string>(logger.commands.begin() + static_cast<std::ptrdiff_t>(before),
                                     logger.commands.end()),
            (std::vector<std::string>{dle, "HDLOG_OPEN\r", "HDLOG1\r", "Q\r", can}));
        EXPECT_TRUE(WaitFor([&] {
            return last_report() == report({{127, 0, 0, 10}, 0, 1, 1, 1});
        }));

        // The computer asks to stop: the logger closes its file.
        logger.split = false;
        hear(lidar_group(1, 2, 0));
        ASSERT_TRUE(logger.wait_for_commands(before + 8));
        ASSERT_TRUE(WaitFor([&] {
            logger.pump();
            return value("Logging") == "Off";
        }));
        EXPECT_EQ(logger.commands[before + 6], "HDLOG_CLOSE\r");
        EXPECT_TRUE(WaitFor([&] {
            return last_report() == report({{127, 0, 0, 10}, 0, 1, 1, 0});
        }));
    }
    EXPECT_TRUE(feedback.boxes.empty()) << last_box().toStdString();
}

TEST_F(LidarQ560Test, TheSameRequestAgainOrAnotherInterfaceSendsNothing)
{
    connect_automatically(1);
    ASSERT_TRUE(logger.wait_for_commands(8)) << "the query, then the opening";
    hear(lidar_group(1, 2, 1));
    hear(lidar_group(2, 3, 0));
    hear(lidar_group(1, 2, 7));
    QCoreApplication::processEvents();
    logger.pump();
    EXPECT_EQ(logger.commands.size(), 8u);
    EXPECT_EQ(value("Connection"), "On") << "an interface other than Q560 changes no label";
}

TEST_F(LidarQ560Test, WithAnotherInterfaceTheToolNeitherConnectsNorShowsItsState)
{
    connect_as_controller();
    hear(lidar_group(2, 3, 1));
    hear(scanner_state(0, {{127, 0, 0, 10}, 1}));
    hear(views_notice());
    QCoreApplication::processEvents();
    EXPECT_FALSE(scanner.accept());
    EXPECT_EQ(value("Connection"), "N/A");
    EXPECT_EQ(value("connectDisconnect"), "Connect");
}

// The computer echoes each state report at once: a logger that refuses the connection must not
// be tried again on every echo.
TEST_F(LidarQ560Test, ALoggerThatRefusesIsNotTriedAgainOnEveryEcho)
{
    connect_as_controller();
    hear(lidar_group(1, 2, 0));
    hear(scanner_state(0, {{127, 0, 0, 11}, 1})); // nobody listens there
    hear(views_notice());
    ASSERT_TRUE(WaitFor([&] { return answers.frames_numbered({20207}).size() >= 2; }))
        << "the try and its failure are reported";
    ASSERT_TRUE(WaitFor([&] { return value("connectDisconnect") == "Connect"; }));
    for (int turn = 0; turn < 5; ++turn) {
        hear(views_notice());
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(answers.frames_numbered({20207}).size(), 2u);
    EXPECT_FALSE(scanner.accept());
}

// Boxes that stay open while the event loop runs, as modal boxes do: it counts how many are
// open at once. `while_open` runs once, while the first box is open.
class CModal_feedback : public CRecording_feedback {
public:
    QMessageBox::StandardButton show_box(const SMessage_box &box) override
    {
        ++open;
        most_open = std::max(most_open, open);
        if (while_open) {
            std::exchange(while_open, nullptr)();
        }
        QEventLoop box_loop;
        QTimer::singleShot(open_for, &box_loop, &QEventLoop::quit);
        box_loop.exec();
        const QMessageBox::StandardButton result = CRecording_feedback::show_box(box);
        --open;
        return result;
    }

    static constexpr std::chrono::milliseconds open_for{50};
    int open = 0;
    int most_open = 0;
    std::function<void()> while_open;
};

// The logger ends the connection, or it breaks: the tool reports that it is not connected, and a
// break is shown in a box named after the scanner.
TEST_F(LidarQ560Test, ALoggerThatGoesAwayEndsTheConnection)
{
    CModal_feedback modal;
    connect_as_controller();
    for (const bool broken : {false, true}) {
        SCOPED_TRACE(broken ? "connection reset" : "connection closed");
        CFake_logger logger_now{scanner, [this] { return echo->count(); }};
        SetWindowValue(tool, "CheckBox1", "off");
        SetWindowValue(tool, "IpAddress", "127000000010");
        press("connectDisconnect");
        ASSERT_TRUE(WaitFor([&] {
            logger_now.pump();
            return value("connectDisconnect") == "Disconnect";
        }));
        ASSERT_TRUE(WaitFor([&] {
            logger_now.pump();
            return last_report() == report({{127, 0, 0, 10}, 0, 1, 1, 0});
        }));
        const std::size_t boxes_before = modal.boxes.size();
        const std::size_t reports_before = answers.frames_numbered({20207}).size();
        if (broken) {
            scanner.reset_connection();
        } else {
            scanner.close_connection();
        }
        ASSERT_TRUE(WaitFor([&] { return value("connectDisconnect") == "Connect"; }));
        EXPECT_TRUE(WaitFor([&] {
            return last_report() == report({{127, 0, 0, 10}, 0, 1, 0, 0});
        }));
        if (broken) {
            // A failed send is reported twice: the second report only beeps.
            ASSERT_TRUE(WaitFor([&] { return modal.boxes.size() > boxes_before; }));
            QTest::qWait(2 * CModal_feedback::open_for.count());
            ASSERT_EQ(modal.boxes.size(), boxes_before + 1);
            EXPECT_EQ(modal.beeps, 1);
            EXPECT_EQ(modal.boxes.back().caption,
                      QString::fromLatin1(application_title) + " Lidar Scanner Error");
            EXPECT_EQ(modal.boxes.back().text, LoadText(10054));
        } else {
            EXPECT_EQ(modal.boxes.size(), boxes_before);
        }
        EXPECT_EQ(answers.frames_numbered({20207}).size(), reports_before + 1)
            << "the end is reported once";
    }
}

TEST_F(LidarQ560Test, ALoggerThatStaysSilentTimesOutNamingTheStep)
{
    logger.silent = true;
    connect_as_controller();
    hear(lidar_group(1, 2, 0));
    hear(scanner_state(0, {{127, 0, 0, 10}, 1}));
    hear(views_notice());
    ASSERT_TRUE(WaitFor([&] {
        logger.pump();
        return !feedback.boxes.empty();
    }));
    EXPECT_EQ(last_box(), "The lidar data logger did not answer \"DLE\" within 0.3 s "
                          "(status query, step 1 of 3).");
    hear(lidar_group(1, 2, 1));
    ASSERT_TRUE(WaitFor([&] {
        logger.pump();
        return feedback.boxes.size() == 2;
    }));
    EXPECT_TRUE(last_box().contains("(open logging, step 1 of 5)")) << last_box().toStdString();
    EXPECT_EQ(logger.commands, (std::vector<std::string>{dle, dle}));
}

TEST_F(LidarQ560Test, AFatalScannerGivesOneBoxAfterTheReceiveHandler)
{
    logger.scanning_answer = "mFATAL\r";
    logger.split = true;
    connect_automatically(1);
    ASSERT_TRUE(WaitFor([&] {
        logger.pump();
        return !feedback.boxes.empty();
    }));
    for (int turn = 0; turn < 20; ++turn) {
        logger.pump();
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(last_box(), "Lidar FATAL error!\n Please restart the lidar and TARVO controller.");
    EXPECT_TRUE(feedback.boxes.back().stays_on_top);
    EXPECT_EQ(value("Logging"), "Off") << "the logging never started";
}

TEST_F(LidarQ560Test, BoxesAboutTheLoggerOpenOneAtATimeInTheOrderOfItsWords)
{
    connect_automatically();
    CModal_feedback modal;
    modal.while_open = [&] {
        scanner.write(bytes_of("?HDLOG_OPEN\r"));
        WaitFor([&] { return echo->item(echo->count() - 1)->text() == "?HDLOG_OPEN^M"; });
    };
    scanner.write(bytes_of("mFATAL\r"));
    ASSERT_TRUE(WaitFor([&] { return modal.boxes.size() >= 2; }));
    EXPECT_EQ(modal.most_open, 1) << "one box at a time, none inside another";
    EXPECT_EQ(modal.boxes[0].text,
              "Lidar FATAL error!\n Please restart the lidar and TARVO controller.");
    EXPECT_EQ(modal.boxes[1].text,
              "Data Logger Problem\n Data Logger connection problem or full drive.");
}

TEST_F(LidarQ560Test, ALoggerWithoutGpsTimeShowsSyncOffAndSaysSo)
{
    logger.gps_status_answer = "GPS_STATUS1\r";
    connect_as_controller();
    hear(lidar_group(1, 2, 0));
    hear(scanner_state(0, {{127, 0, 0, 10}, 1}));
    hear(views_notice());
    ASSERT_TRUE(WaitFor([&] {
        logger.pump();
        return !feedback.boxes.empty();
    }));
    EXPECT_EQ(last_box(),
              "Lidar GPS Synchronizaton Error!\n Please check PPS signal and COM2 message.");
    EXPECT_TRUE(feedback.boxes.back().stays_on_top);
    EXPECT_EQ(value("Label8"), "OFF");
}

TEST_F(LidarQ560Test, AModeOutsideTheListChoosesNoneAndTheLoggerTextIsEchoedByteForByte)
{
    logger.log_mode_answer = "=LOG_MODE 9\r";
    connect_automatically();
    EXPECT_EQ(value("RadioGroup1"), "");
    const QMap<QString, QString> values = WindowValues(tool);
    QStringList lines;
    for (int i = 0; i < echo->count(); ++i) {
        lines.append(values.value(QStringLiteral("ListBox1[%1]").arg(i)));
    }
    EXPECT_EQ(lines.join(QString()), "*.LOG_MODE^M=LOG_MODE 9^M.GPS_STATUS^MGPS_STATUS0^M");

    // Bytes of every value, and a whole receive buffer without a line end.
    std::string noise;
    for (int i = 0; i < 8192; ++i) {
        noise += static_cast<char>(i % 256);
    }
    const int lines_before = echo->count();
    scanner.write(bytes_of(noise));
    ASSERT_TRUE(WaitFor([&] {
        int shown = 0;
        for (int i = lines_before; i < echo->count(); ++i) {
            shown += static_cast<int>(echo->item(i)->text().size());
        }
        return shown >= 8192;
    }));
    EXPECT_TRUE(echo->item(lines_before)->text().startsWith("^@^A^B"));
}

TEST_F(LidarQ560Test, ManualCommandsAndScriptsGoOnlyInManualMode)
{
    connect_automatically();
    const std::size_t before = logger.commands.size();
    EXPECT_EQ(value("LaserOffButton"), "N/A");
    press("LaserOffButton");
    press("SendScript");
    EXPECT_EQ(last_box(), "Make sure you are in Manual Mode\n Uncheck Automatic/Manual Mode Box.");

    SetWindowValue(tool, "CheckBox1", "off");
    EXPECT_EQ(value("LaserOffButton"), "Send");
    EXPECT_EQ(value("SendScript"), "Send");
    press("LaserOffButton");
    press("Button1");
    SetWindowValue(tool, "SendCommand", "HDLOG_STATUS");
    press("SendCommandButton");
    SetWindowValue(tool, "RadioGroup1", "Mode 4");
    press("LogModeButton");

    SetWindowValue(tool, "ScriptPath", folder.filePath("missing.txt"));
    press("SendScript");
    EXPECT_EQ(last_box(), "File does not exist!!!!");
    QFile script(folder.filePath("script.txt"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("^P;programming mode\r\n"
                 "HDLOG1^M;start logging\r\n"
                 "a line without a command\r\n");
    script.close();
    SetWindowValue(tool, "ScriptPath", script.fileName());
    press("SendScript");
    EXPECT_EQ(last_box(), "Please Select Automatic Mode Box");

    ASSERT_TRUE(logger.wait_for_commands(before + 6));
    EXPECT_EQ(
        std::vector<std::string>(logger.commands.begin() + static_cast<std::ptrdiff_t>(before),
                                 logger.commands.end()),
        (std::vector<std::string>{"\x06", "\x0E", "HDLOG_STATUS\r", "LOG_MODE4\r", dle,
                                  "HDLOG1\r"}));
}

TEST_F(LidarQ560Test, OkReportsTheStateAndTheLastRequestToTheComputer)
{
    connect_as_controller();
    hear(lidar_group(1, 2, 1));
    tool.show();
    SetWindowValue(tool, "IpAddress", "010001001002");
    PressButton(tool, "buttonApply");
    const std::vector<Bytes> frames = sent({20206, 20207}, 2);
    ASSERT_GE(frames.size(), 2u);
    const std::uint16_t transaction = u16_at(frames[frames.size() - 2], 8);
    EXPECT_EQ(frames[frames.size() - 2], scanner_state(transaction, {{10, 1, 1, 2}, 0, 1, 0, 0}));
    EXPECT_EQ(frames.back(), logging_request(transaction + 1, 1));

    SetWindowValue(tool, "RadioGroupLidarLogging", "Disabled");
    const std::vector<Bytes> chosen = sent({20206}, 2);
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen.back(), logging_request(u16_at(chosen.back(), 8), 0));
}

} // namespace
