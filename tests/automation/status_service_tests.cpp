// The automation interface on a private session bus (the program runs under dbus-run-session):
// a second connection, as a script would have, reads what the main window shows after korusim
// sent a known Group 1, connects it as controller, selects computers, and counts the property
// signals of a burst of changes.

#include "automation/status_service.h"
#include "controls/led_image.h"
#include "views/Form_tarvo.h"
#include "net/socket_display.h"
#include "platform/settings_store.h"

#include "bus_client.h"
#include "loopback_peers.h"
#include "navigation_frames.h"
#include "qstring_printer.h"
#include "recording_feedback.h"
#include "test_windows.h"

#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

using frame_bytes::navigation_group;

class CRecording_log : public IMessage_log {
public:
    void add_line(const QString &text) override { lines.append(text); }
    bool has_unsaved_lines() const override { return false; }
    bool save() override { return true; }
    QStringList newest_lines(int count) const override { return lines.mid(lines.size() - count); }
    QStringList lines;
};

QString altitude_in(const QVariantMap &change)
{
    return qdbus_cast<CText_map>(change.value("Navigation")).value("Altitude");
}

class AutomationTest : public ::testing::Test {
protected:
    AutomationTest()
    {
        UseSettingsFolder(folder.path());
        program.message_log = &log;
        start.display_address = loopback(1);
        start.display_port = 0;
        start.control_port = UnusedTcpPort();
        form = std::make_unique<TFormTarvo>(start);
        service = std::make_unique<CStatus_service>(*form);
    }
    ~AutomationTest() override
    {
        korusim.terminate();
        korusim.waitForFinished();
    }

    std::uint16_t display_port() const { return form->display_receiver().local_port(); }

    // korusim, the program, replaying one frame to the main window's display port.
    void start_korusim(const frame_bytes::Bytes &frame)
    {
        const std::string file = folder.filePath("replay.raw").toStdString();
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char *>(frame.data()),
                   static_cast<std::streamsize>(frame.size()));
        korusim.start(KORUSIM, {"--display-port", QString::number(display_port()), "--control-port",
                                QString::number(start.control_port), "--log-port", "0",
                                "--log-port-2", "0", "--replay", QString::fromStdString(file)});
        ASSERT_TRUE(korusim.waitForStarted());
    }
    bool korusim_said(const QString &text)
    {
        korusim_output += QString::fromLocal8Bit(korusim.readAllStandardOutput());
        return korusim_output.contains(text);
    }

    QTemporaryDir folder;
    CRecording_feedback feedback;
    CRecording_log log;
    CProgram program;
    SStart_options start;
    std::unique_ptr<TFormTarvo> form;
    std::unique_ptr<CStatus_service> service;
    CBus_client client;
    QProcess korusim;
    QString korusim_output;
};

TEST_F(AutomationTest, ClientReadsWhatTheLabelsShowAfterKorusimSendsAGroup1)
{
    ASSERT_TRUE(service->start(QDBusConnection::sessionBus()));
    // Selected first, so that the group is not blanked by the selection of a new computer.
    client.call("SelectComputer", {QString("127.0.0.1")});
    ASSERT_TRUE(WaitFor([&] { return form->display_receiver().filter() == loopback(1); }));
    start_korusim(navigation_group(45.5042, 1234.5, 359.9996, 10.0f));
    ASSERT_TRUE(WaitFor([&] { return form->value(TFormTarvo::Altitude)->text() == "1234.500"; }))
        << korusim.readAllStandardOutput().toStdString();

    const auto navigation = client.property<CText_map>("Navigation");
    ASSERT_EQ(navigation.size(), TFormTarvo::value_count);
    for (int which = 0; which < TFormTarvo::value_count; ++which) {
        const QLabel *shown = form->value(static_cast<TFormTarvo::EValue>(which));
        EXPECT_EQ(navigation.value(shown->objectName()), shown->text()) << which;
    }
    EXPECT_EQ(navigation.value("Latitude"), QString::fromUtf8(" 45°30'15.12\" N"));
    EXPECT_EQ(navigation.value("Heading"), "0.000");
    EXPECT_EQ(navigation.value("TrackAngle"), "271.500");
    EXPECT_EQ(navigation.value("KoruMode"), "") << "no status group came";
    EXPECT_EQ(client.property<CLamp_map>("Lamps"), (CLamp_map{{"LedAttitude", false},
                                                              {"LedHeading", false},
                                                              {"LedPosition", false},
                                                              {"LedVelocity", false}}));
    EXPECT_EQ(client.property<QStringList>("Computers"), QStringList{"127.0.0.1"});
    EXPECT_EQ(client.property<QString>("SelectedComputer"), "127.0.0.1");
    EXPECT_EQ(client.property<CCount_map>("DisplayPortCounters"),
              (CCount_map{{"Packets Received", 1},
                          {"Groups Received", 1},
                          {"Messages Received", 0},
                          {"Bad Headers", 0},
                          {"Bad Byte Counts", 0},
                          {"Checksum Errors", 0},
                          {"Bad Footers", 0},
                          {"Invalid Group/Message", 0}}));
    ASSERT_TRUE(WaitFor([&] {
        return !client.changes.empty() && altitude_in(client.changes.back()) == "1234.500";
    })) << "the change is announced";
}

TEST_F(AutomationTest, ConnectAndMonitorActOnKorusim)
{
    ASSERT_TRUE(service->start(QDBusConnection::sessionBus()));
    start_korusim(navigation_group(45.0, 10.0, 10.0, 1.0f));
    ASSERT_TRUE(WaitFor([&] { return form->selected_address() == loopback(1); }));

    EXPECT_EQ(client.call("Connect").type(), QDBusMessage::ReplyMessage);
    ASSERT_TRUE(WaitFor([&] { return korusim_said("control port: 127.0.0.1:"); }));
    ASSERT_TRUE(WaitFor([&] { return form->is_controller(); }));
    EXPECT_EQ(client.property<QString>("ConnectionState"), "Connected");
    EXPECT_EQ(client.property<QStringList>("StatusBar").value(4), "Connected");

    EXPECT_EQ(client.call("Monitor").type(), QDBusMessage::ReplyMessage);
    ASSERT_TRUE(WaitFor([&] { return korusim_said(" disconnected"); }))
        << korusim_output.toStdString();
    EXPECT_EQ(client.property<QString>("ConnectionState"), "Waiting");
    EXPECT_EQ(qdbus_cast<QStringList>(client.call("MessageLog", {2u}).arguments().value(0)),
              (QStringList{"Connected as controller to 127.0.0.1",
                           "Disconnected as controller from 127.0.0.1"}));
    program.message_log = nullptr;
    EXPECT_EQ(qdbus_cast<QStringList>(client.call("MessageLog", {2u}).arguments().value(0)),
              QStringList())
        << "no log window, no lines";
}

TEST_F(AutomationTest, SelectComputerTakesAddressesAndRefusesAnythingElse)
{
    ASSERT_TRUE(service->start(QDBusConnection::sessionBus()));
    const QDBusMessage refused = client.call("SelectComputer", {QString("koru-one")});
    EXPECT_EQ(refused.errorName(), "org.freedesktop.DBus.Error.InvalidArgs");
    EXPECT_EQ(refused.errorMessage(),
              "\"koru-one\" is not the IPv4 address of a computer, such as 192.168.1.20.");

    client.call("SelectComputer", {QString(" 127.0.0.9 ")});
    client.call("SelectComputer", {QString("127.0.0.7")});
    ASSERT_TRUE(WaitFor([&] { return form->display_receiver().filter() == loopback(7); }));
    EXPECT_EQ(client.property<QStringList>("Computers"), (QStringList{"127.0.0.9", "127.0.0.7"}));
    EXPECT_EQ(client.property<QString>("SelectedComputer"), "127.0.0.7");
}

TEST_F(AutomationTest, PropertySignalsAreFewAndTheLastCarriesTheFinalValues)
{
    ASSERT_TRUE(service->start(QDBusConnection::sessionBus()));
    CUdp_sender computer{2};
    computer.send_to(display_port(), navigation_group(45.0, 0.0, 10.0, 1.0f));
    // The new computer is listed and selected in one go, and announced in one signal.
    ASSERT_TRUE(WaitFor([&] {
        return !client.changes.empty() &&
               qdbus_cast<QString>(client.changes.back().value("SelectedComputer")) == "127.0.0.2";
    }));
    client.changes.clear();

    constexpr std::uint32_t changes = 200;
    QElapsedTimer burst;
    burst.start();
    for (std::uint32_t change = 1; change <= changes; ++change) {
        computer.send_to(display_port(), navigation_group(45.0, change, 10.0, 1.0f));
        ASSERT_TRUE(
            WaitFor([&] { return form->display_receiver().counters().groups == change + 1; }));
    }
    ASSERT_TRUE(WaitFor([&] {
        return !client.changes.empty() && altitude_in(client.changes.back()) == "200.000";
    }));
    const qint64 elapsed_ms = burst.elapsed();

    const auto announced = static_cast<qint64>(client.changes.size());
    EXPECT_LE(announced, 2 + elapsed_ms / 200)
        << "five a second at most, in " << elapsed_ms << " ms";
    EXPECT_LT(announced, changes / 4);
    for (const QVariantMap &change : client.changes) {
        EXPECT_FALSE(change.contains("Computers")) << "only what changed is announced";
    }
}

TEST_F(AutomationTest, WithoutASessionBusTheProgramRunsOnAndSaysSoOnce)
{
    EXPECT_FALSE(service->start(
        QDBusConnection::connectToBus("unix:path=/nonexistent/tarvo-test-bus", "nowhere")));
    QDBusConnection::disconnectFromBus("nowhere");
    EXPECT_FALSE(client.connection.interface()->isServiceRegistered(automation_bus::service));
    form->EnterComputer("127.0.0.5");
    EXPECT_EQ(form->selected_text(), "127.0.0.5") << "the main window works as before";
    EXPECT_EQ(log.lines,
              QStringList{"The automation interface is off: no session bus is reachable."});
}

TEST_F(AutomationTest, ANameHeldByAnotherProgramLeavesTheInterfaceOff)
{
    ASSERT_TRUE(client.connection.registerService(automation_bus::service));
    EXPECT_FALSE(service->start(QDBusConnection::sessionBus()));
    EXPECT_EQ(log.lines, QStringList{"The automation interface is off: another program holds the "
                                     "bus name Tarvo.Status."});
    EXPECT_EQ(QDBusConnection::sessionBus().objectRegisteredAt(automation_bus::path), nullptr)
        << "nothing is left half published";
}

} // namespace
