// The DDE server against a fake computer on loopback, driven by a tracker on a private session bus
// (the program runs under dbus-run-session): the wait before connecting on a clock of the test's
// own, what the published text holds and when it goes out, and what each poke puts on the wire.

#include "dde/Form_dde.h"
#include "net/socket_control.h"

#include "dde_bus_client.h"
#include "dialog_fixture.h"
#include "navigation_frames.h"
#include "setting_frames.h"

#include <QDBusError>

#include <utility>

namespace {

using namespace dialog_test;
using namespace setting_frames;
using namespace std::chrono_literals;
using frame_bytes::group_at;

const QString access_denied = QDBusError::errorString(QDBusError::AccessDenied);
const QString invalid_args = QDBusError::errorString(QDBusError::InvalidArgs);

// Every message a poke may send.
const std::initializer_list<std::uint16_t> poked_numbers = {4, 7, 103, 104, 20201, 20205, 20206};

Bytes mode_message(std::uint16_t transaction, std::uint8_t mode)
{
    return frame_bytes::message(7, transaction, {std::byte{mode}});
}

Bytes navigation_at(double time)
{
    return group_at(1, time, frame_bytes::position_body(45.5, -73.25, 1234.5, 359.9996));
}

Bytes pps_at(double time)
{
    Bytes body;
    frame_bytes::put_u32(body, 17);
    return group_at(7, time, body);
}

class DdeServerTest : public CDialog_fixture {
protected:
    DdeServerTest()
    {
        dde.set_scheduler([this](std::chrono::milliseconds delay, std::function<void()> action) {
            delays.push_back(delay);
            waiting = std::move(action);
        });
        dde.set_program_end([this] { ++program_ends; });
        EXPECT_TRUE(dde.start(QDBusConnection::sessionBus()));
    }

    // Opens the conversation and lets the wait pass: the program connects as controller.
    void converse()
    {
        client.call("Initiate");
        ASSERT_TRUE(waiting);
        std::exchange(waiting, nullptr)();
        ASSERT_TRUE(
            WaitFor([&] { return computer.accept() && form->panel_text(4) == "Connected"; }));
    }

    // The frames of the poked messages that came before a last poke of "Mode=2", which goes on
    // the stream after everything sent before it.
    std::vector<Bytes> sent_before_marker()
    {
        const std::size_t modes = answers.frames_numbered({7}).size();
        client.poke("Mode=2");
        EXPECT_TRUE(WaitFor([&] { return answers.frames_numbered({7}).size() > modes; }));
        std::vector<Bytes> frames = answers.frames_numbered(poked_numbers);
        EXPECT_EQ(frames.back(), mode_message(transaction_of(frames.back()), 2));
        frames.pop_back();
        return frames;
    }

    QString logged() const { return Program().message_log->newest_lines(20).join('\n'); }
    QString memo(const char *name) { return WindowValues(dde).value(name); }

    // Waits for the Advise number `count` (from 1) and returns its text.
    QString advise(std::size_t count)
    {
        EXPECT_TRUE(WaitFor([&] { return client.advised_texts.size() >= count; }));
        if (client.advised_texts.size() < count) {
            return {};
        }
        EXPECT_EQ(client.advised_texts[count - 1].first, "text1");
        return client.advised_texts[count - 1].second;
    }

    TFormDde &dde = windows.window_of<TFormDde>("FormDde");
    CDde_bus_client client;
    std::vector<std::chrono::milliseconds> delays;
    std::function<void()> waiting;
    int program_ends = 0;
};

TEST_F(DdeServerTest, TheWindowIsListedAndItsMenuEntryShowsIt)
{
    EXPECT_TRUE(windows.names().contains("FormDde"));
    EXPECT_EQ(Program().dde_server, &dde);
    ASSERT_TRUE(windows.can_open("FormDde"));
    form->menu_entry("DdeDebug1")->trigger();
    EXPECT_TRUE(dde.isVisible());
    EXPECT_EQ(dde.windowTitle(), "Dde Debug");
    EXPECT_TRUE(memo("Memo1").startsWith("[NAVIGATION DATA]\nTime=\n"));
    EXPECT_EQ(memo("Memo2"), "");

    form->append_to_caption(TFormDde::caption_suffix);
    EXPECT_EQ(form->windowTitle(), "TARVO with DDE - 127.0.0.2");
}

TEST_F(DdeServerTest, InitiateConnectsAfterTheWaitAndAPokeDuringItSendsNothing)
{
    client.call("Initiate");
    EXPECT_TRUE(dde.conversation_active());
    EXPECT_EQ(delays, std::vector{3000ms});
    EXPECT_FALSE(form->is_controller());

    CDde_bus_client other("other tracker");
    EXPECT_EQ(other.call("Initiate").errorName(), access_denied) << "one conversation at a time";
    EXPECT_EQ(other.call("Request", {"text1"}).errorName(), access_denied);

    EXPECT_EQ(client.poke("Mode=2\nGimbalControl=1").type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(memo("Memo2"), "Mode=2\nGimbalControl=1");
    EXPECT_TRUE(logged().contains("came before the controller connected: nothing was sent"));

    std::exchange(waiting, nullptr)();
    ASSERT_TRUE(WaitFor([&] { return computer.accept() && form->panel_text(4) == "Connected"; }));
    EXPECT_TRUE(sent_before_marker().empty()) << "the poke during the wait was not kept for later";
}

TEST_F(DdeServerTest, RequestGivesTheTemplateThenTheValues)
{
    EXPECT_EQ(client.call("Request", {"text1"}).errorName(), access_denied);
    client.call("Initiate");
    const QString empty = client.request();
    EXPECT_TRUE(empty.startsWith("[NAVIGATION DATA]\nTime=\nLat=\n"));
    EXPECT_TRUE(empty.endsWith("\n[Gimbal Control]\nGimbalControl=\nGimbalCounter=\n"
                               "ComInitCounter=\n \n"));
    EXPECT_EQ(client.call("Request", {"text2"}).errorName(), invalid_args);

    hear(navigation_at(12.5));
    const QString text = client.request();
    EXPECT_TRUE(text.contains("[NAVIGATION DATA]\nTime=12.500\nLat=45.5000000000000\n"
                              "Lon=-73.2500000000000\nAlt=1234.500\nSpeed=10.000\n"
                              "Track=271.500\nRoll=0.500\nPitch=-0.250\nHeading=0.000\n"
                              "LatRMS=\n"))
        << text.toStdString();
    EXPECT_EQ(memo("Memo1"), text);

    SPc_card card;
    card.file_name = "survey.log";
    hear_echoes({card.message(0), gimbal_message(0, 1)});
    EXPECT_TRUE(
        client.request().contains("[Control Data]\nLogFile=survey.log\nLogging=0\nMode=\n"));
    EXPECT_TRUE(client.request().contains(
        "[Gimbal Control]\nGimbalControl=1\nGimbalCounter=0\nComInitCounter=0\n"));
}

TEST_F(DdeServerTest, AdviseFollowsEachGroup1InNavigateAndOnlyGroup101InStandby)
{
    client.call("Initiate");
    hear_echoes({mode_message(0, 2)});
    hear(navigation_at(1.0));
    hear(navigation_at(2.0));
    EXPECT_TRUE(advise(1).contains("\nTime=1.000\n"));
    EXPECT_TRUE(advise(2).contains("\nTime=2.000\n"));

    // The third Group 101 without a Group 1 sends the text; the first two do not.
    hear(status_group(0));
    hear(status_group(0));
    hear(navigation_at(3.0));
    EXPECT_TRUE(advise(3).contains("\nTime=3.000\n")) << "nothing came between";
    hear(status_group(0));
    hear(status_group(0));
    hear(status_group(0));
    hear(navigation_at(4.0));
    EXPECT_TRUE(advise(4).contains("\nTime=3.000\n"));
    EXPECT_TRUE(advise(5).contains("\nTime=4.000\n"));

    // In Standby a Group 1 changes the text, which goes out with the next Group 101.
    hear_echoes({mode_message(0, 1)});
    hear(navigation_at(5.0));
    EXPECT_TRUE(client.request().contains("\nTime=5.000\n"));
    hear(status_group(0));
    hear(navigation_at(6.0));
    hear(status_group(0));
    EXPECT_TRUE(advise(6).contains("\nTime=5.000\n"));
    EXPECT_TRUE(advise(7).contains("\nTime=6.000\n"));
    EXPECT_EQ(client.advised_texts.back().second, client.request());
}

TEST_F(DdeServerTest, AccuracyEventsAndRejectionsGoUnderTheirKeys)
{
    client.call("Initiate");
    Bytes accuracy;
    for (const float value : {1.5f, 2.5f, 3.5f, 9.0f, 9.0f, 9.0f, 0.125f, 0.25f, 0.375f}) {
        frame_bytes::put_f32(accuracy, value);
    }
    hear(frame_bytes::group(2, accuracy));
    Bytes pulse;
    frame_bytes::put_u32(pulse, 42);
    hear(group_at(6, 3661.5, pulse));
    Bytes status;
    for (int word = 0; word < 4; ++word) {
        frame_bytes::put_u32(status, 0); // General Status A to C, FDIR level 1
    }
    for (const std::uint16_t level : {0, 0, 0, 0b01, 0}) {
        frame_bytes::put_u16(status, level); // IMU failures, FDIR levels 2 to 5
    }
    hear(frame_bytes::group(101, status));

    const QString text = client.request();
    EXPECT_TRUE(text.contains("\nLatRMS=1.500\nLonRMS=2.500\nAltRMS=3.500\nRollRMS=0.125\n"
                              "PitchRMS=0.250\nHdgRMS=0.375\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("\nTime1=\nCount1=\nTime2=   1:01:01.500000 KORU\nCount2=42\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("\nKORU Meas Rej=1\nVel Meas Rej=2\n"));
}

TEST_F(DdeServerTest, PpsTimeIsThePulseOrTheOneAfterItByTheGroup1Time)
{
    client.call("Initiate");
    hear(pps_at(100.0));
    hear(navigation_at(100.3));
    hear(status_group(0));
    EXPECT_TRUE(client.request().contains("[PPS]\nPPS Time=100\n"));

    hear(pps_at(200.0));
    hear(navigation_at(201.2));
    hear(status_group(0));
    EXPECT_TRUE(client.request().contains("[PPS]\nPPS Time=201\n"));

    hear(pps_at(300.0));
    hear(navigation_at(300.8));
    hear(status_group(0));
    EXPECT_TRUE(client.request().contains("[PPS]\nPPS Time=201\n")) << "0.8 s leaves the value";

    // Both times are forgotten at each Group 101: a pulse alone changes nothing.
    hear(pps_at(400.25));
    hear(status_group(0));
    EXPECT_TRUE(client.request().contains("[PPS]\nPPS Time=201\n"));
}

TEST_F(DdeServerTest, BeforeAnyEchoOnlyAPokedModeIsSent)
{
    converse();
    client.poke("LidarLogging=1\nGimbalControl=1\nLogging=1\nGain=2\nComInitCounter=1");
    EXPECT_TRUE(sent_before_marker().empty());
    const QString log = logged();
    for (const char *number : {"7", "20201", "20206", "20205", "4", "103", "104"}) {
        EXPECT_TRUE(log.contains(QString("DDE: Message %1 was not sent: the computer has not "
                                         "reported its current values yet.")
                                     .arg(number)))
            << number;
    }
}

TEST_F(DdeServerTest, AfterTheEchoesEveryPokeSendsTheModeAndTheYawDriftAsEchoed)
{
    converse();
    SYaw_drift yaw;
    yaw.heading = 271.25;
    yaw.threshold = 2.5;
    yaw.period = 120.125;
    yaw.gain = 0.03125;
    yaw.method = 1;
    hear_echoes({mode_message(0, 2), yaw.message(0)});
    EXPECT_TRUE(client.request().contains("[Control Data]\nLogFile=\nLogging=\nMode=2\n"));
    EXPECT_TRUE(client.request().contains("[Yaw Drift Control]\nMethod=1\nDesiredHead=271.250\n"
                                          "ActivationThresh=2.500\nPeriod=120.125\nGain=0.031\n"));

    client.poke("Gain=\nFlightLine=3\nMode=7");
    std::vector<Bytes> frames = received({7, 20201}, 2);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], mode_message(transaction_of(frames[0]), 2));
    EXPECT_EQ(frames[1], yaw.message(transaction_of(frames[1])));

    client.poke("Mode=1\nDesiredHead= 90.5 \nMethod=0\nPeriod=nan\nGain=x");
    frames = received({7, 20201}, 4);
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[2], mode_message(transaction_of(frames[2]), 1));
    yaw.heading = 90.5;
    yaw.method = 0;
    EXPECT_EQ(frames[3], yaw.message(transaction_of(frames[3])));
}

TEST_F(DdeServerTest, GimbalCounterOneAheadSwitchesOnAndControlIsIgnored)
{
    converse();
    hear_echoes({gimbal_message(0, 1)});
    for (int counter = 1; counter <= 4; ++counter) {
        client.poke(QString("GimbalCounter=%1").arg(counter));
    }
    client.poke("GimbalCounter=7");
    client.poke("GimbalCounter=5\nGimbalControl=0");
    const std::vector<Bytes> frames = sent_before_marker();
    ASSERT_EQ(frames.size(), 5u) << "7 does nothing";
    for (const Bytes &frame : frames) {
        EXPECT_EQ(frame, gimbal_message(transaction_of(frame), 1));
    }
}

TEST_F(DdeServerTest, GimbalCounterTwoAheadSwitchesOffAndIsEchoed)
{
    converse();
    hear_echoes({gimbal_message(0, 0)});
    for (int counter = 1; counter <= 4; ++counter) {
        client.poke(QString("GimbalCounter=%1").arg(counter));
    }
    client.poke("GimbalCounter=6\nGimbalControl=1");
    client.poke("GimbalCounter=4294967295");
    std::vector<Bytes> frames = sent_before_marker();
    ASSERT_EQ(frames.size(), 5u);
    EXPECT_EQ(frames[4], gimbal_message(transaction_of(frames[4]), 0));

    hear_echoes({gimbal_message(0, 0)});
    EXPECT_TRUE(client.request().contains("GimbalCounter=6\n"));

    // Without a counter, a changed control switches.
    client.poke("GimbalControl=1");
    frames = received({20205}, 6);
    EXPECT_EQ(frames.back(), gimbal_message(transaction_of(frames.back()), 1));
}

TEST_F(DdeServerTest, TheNextComInitCounterSendsTheOutputPortsAsEchoed)
{
    converse();
    SCom2 com2;
    com2.rate = 50;
    SCom3 com3;
    com3.aux_1 = 2;
    hear_echoes({com2.message(0), com3.message(0)});
    client.poke("ComInitCounter=2");
    client.poke("ComInitCounter=1");
    client.poke("ComInitCounter=1");
    const std::vector<Bytes> frames = sent_before_marker();
    ASSERT_EQ(frames.size(), 2u) << "only the one that is one ahead";
    EXPECT_EQ(frames[0], com2.message(transaction_of(frames[0])));
    EXPECT_EQ(frames[1], com3.message(transaction_of(frames[1])));
}

TEST_F(DdeServerTest, ALogFileNameLongerThanTheMessageHoldsIsRefusedNotCut)
{
    converse();
    SPc_card card;
    card.groups = {1, 2, 101};
    hear_echoes({card.message(0)});
    const QString too_long(65, 'n');
    client.poke("Logging=1\nLogFile=" + too_long);
    EXPECT_TRUE(sent_before_marker().empty());
    EXPECT_TRUE(logged().contains("DDE: the log file name \"" + too_long +
                                  "\" is longer than 64 bytes: Message 4 was not sent."));

    const std::string longest(64, 'n');
    client.poke(QString("Logging=1\nLogFile=") + QString::fromStdString(longest));
    const std::vector<Bytes> frames = received({4}, 1);
    card.control = 1;
    card.file_name = longest;
    EXPECT_EQ(frames[0], card.message(transaction_of(frames[0])));
}

TEST_F(DdeServerTest, LidarLoggingSendsOnlyAChangeWithTheFlightLine)
{
    converse();
    Bytes echo;
    frame_bytes::put_u8(echo, 1);
    frame_bytes::put_u32(echo, 12);
    frame_bytes::put_u32(echo, 0);
    hear_echoes({frame_bytes::message(20206, 0, echo)});
    EXPECT_TRUE(client.request().contains("[Lidar Control]\nLidarLogging=1\nFlightLine=12\n"));
    client.poke("LidarLogging=1\nFlightLine=13");
    client.poke("LidarLogging=0\nFlightLine=fourteen");
    const std::vector<Bytes> frames = sent_before_marker();
    ASSERT_EQ(frames.size(), 1u) << "logging already on sends nothing";
    Bytes expected;
    frame_bytes::put_u8(expected, 0);
    frame_bytes::put_u32(expected, 0);
    frame_bytes::put_u32(expected, 0);
    EXPECT_EQ(frames[0], frame_bytes::message(20206, transaction_of(frames[0]), expected));
}

TEST_F(DdeServerTest, BadPokesSendNothingAndTooMuchIsRefused)
{
    converse();
    static const char bytes[] = "\x01\x02\xff[[[ ]]=\n\t==\r\n\0\0";
    const QString garbage = QString::fromLatin1(bytes, sizeof bytes - 1);
    for (const QString &poke : {garbage, QString("Mode 2\nLidarLogging\nGimbalCounter\nLogging"),
                                QString("Mode=\nMethod=  \nLogging=\nGimbalCounter=\nLogFile=")}) {
        EXPECT_EQ(client.poke(poke).type(), QDBusMessage::ReplyMessage);
    }
    EXPECT_EQ(memo("Memo2"), "Mode=\nMethod=  \nLogging=\nGimbalCounter=\nLogFile=");

    const QString megabyte = "Mode=2\n" + QString(1 << 20, 'x');
    EXPECT_EQ(client.poke(megabyte).errorName(), invalid_args);
    EXPECT_EQ(memo("Memo2"), "Mode=\nMethod=  \nLogging=\nGimbalCounter=\nLogFile=");
    EXPECT_EQ(client.poke("Mode=2", "text1").errorName(), invalid_args);
    EXPECT_TRUE(sent_before_marker().empty());
}

TEST_F(DdeServerTest, TerminateOrLeavingTheBusEndsTheConversationAndTheProgram)
{
    client.call("Initiate");
    auto other = std::make_unique<CDde_bus_client>("other tracker");
    EXPECT_EQ(other->call("Terminate").errorName(), access_denied);
    EXPECT_EQ(program_ends, 0);

    client.call("Terminate");
    EXPECT_FALSE(dde.conversation_active());
    EXPECT_EQ(program_ends, 1);
    std::exchange(waiting, nullptr)();
    EXPECT_FALSE(form->control_client().is_open() || form->control_client().is_connecting())
        << "the wait of an ended conversation connects nothing";

    other->call("Initiate");
    EXPECT_TRUE(dde.conversation_active());
    other.reset();
    ASSERT_TRUE(WaitFor([&] { return program_ends == 2; }));
    EXPECT_FALSE(dde.conversation_active());
}

} // namespace
