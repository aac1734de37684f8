// The automation interface on a private session bus: a second connection reads what the main
// window shows after korusim sent a known Group 1, connects it as controller, selects computers,
// and counts the property signals of a burst of changes.

#include "automation/status_service.h"
#include "controls/led_image.h"
#include "display/Form_tarvo.h"
#include "net/socket_display.h"
#include "platform/settings_store.h"

#include "bus_client.h"
#include "frame_bytes.h"
#include "loopback_peers.h"
#include "navigation_frames.h"
#include "qstring_printer.h"
#include "recording_feedback.h"
#include "simulated_computer.h"
#include "test_windows.h"

#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

using frame_bytes::Bytes;
using frame_bytes::navigation_group;

// The message log as the log window keeps it: lines in order.
class CRecording_log : public IMessage_log {
public:
    void add_line(const QString &text) override { lines.append(text); }
    bool has_unsaved_lines() const override { return false; }
    bool save() override { return true; }
    QStringList newest_lines(int count) const override { return lines.mid(lines.size() - count); }

    QStringList lines;
};

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

    std::uint16_t display_port() const { return form->display_receiver().local_port(); }

    void publish() { ASSERT_TRUE(service->start(QDBusConnection::sessionBus())); }

    // A file of raw frames for korusim to replay.
    std::string replay_file(const Bytes &frames)
    {
        const std::string path = folder.filePath("replay.raw").toStdString();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char *>(frames.data()),
                   static_cast<std::streamsize>(frames.size()));
        return path;
    }

    // Runs the event loop and korusim's loop by turns until `done` holds.
    template <class Predicate>
    bool run_until(CSimulated_computer &korusim, Predicate done)
    {
        return WaitFor([&] {
            korusim.run_once();
            return done();
        });
    }

    bool has_name_on_bus()
    {
        return client.connection().interface()->isServiceRegistered(automation_bus::service);
    }

    QString label(TFormTarvo::EValue which) const { return form->value(which)->text(); }

    QTemporaryDir folder;
    CRecording_feedback feedback;
    CRecording_log log;
    CProgram program;
    SStart_options start;
    std::unique_ptr<TFormTarvo> form;
    std::unique_ptr<CStatus_service> service;
    CBus_client client;
};

TEST_F(AutomationTest, ClientReadsWhatTheLabelsShowAfterKorusimSendsAGroup1)
{
    publish();
    // Selected first, so that the group is not blanked by the selection of a new computer.
    ASSERT_EQ(client.call("SelectComputer", {QString("127.0.0.1")}).type(),
              QDBusMessage::ReplyMessage);
    ASSERT_TRUE(WaitFor([&] { return form->display_receiver().filter() == loopback(1); }));
    CSimulated_computer korusim(display_port(), start.control_port,
                                replay_file(navigation_group(45.5042, 1234.5, 359.9996, 10.0f)));
    ASSERT_EQ(korusim.open(), 0) << korusim.log();
    ASSERT_TRUE(run_until(korusim, [&] { return label(TFormTarvo::Altitude) == "1234.500"; }));

    const auto navigation = client.property<CText_map>("Navigation");
    ASSERT_EQ(navigation.size(), TFormTarvo::value_count);
    for (int which = 0; which < TFormTarvo::value_count; ++which) {
        const QLabel *shown = form->value(static_cast<TFormTarvo::EValue>(which));
        EXPECT_EQ(navigation.value(shown->objectName()), shown->text()) << which;
    }
    EXPECT_EQ(navigation.value("Latitude"), QString::fromUtf8(" 45°30'15.12\" N"));
    EXPECT_EQ(navigation.value("Longitude"), QString::fromUtf8(" 73°15'00.00\" W"));
    EXPECT_EQ(navigation.value("Heading"), "0.000");
    EXPECT_EQ(navigation.value("TrackAngle"), "271.500");
    EXPECT_EQ(navigation.value("KoruMode"), "") << "no status group came";

    EXPECT_EQ(client.property<QStringList>("Computers"), QStringList{"127.0.0.1"});
    EXPECT_EQ(client.property<QString>("SelectedComputer"), "127.0.0.1");
    const auto counts = client.property<CCount_map>("DisplayPortCounters");
    EXPECT_EQ(counts, (CCount_map{{"Packets Received", 1},
                                  {"Groups Received", 1},
                                  {"Messages Received", 0},
                                  {"Bad Headers", 0},
                                  {"Bad Byte Counts", 0},
                                  {"Checksum Errors", 0},
                                  {"Bad Footers", 0},
                                  {"Invalid Group/Message", 0}}));

    ASSERT_TRUE(WaitFor([&] {
        return !client.changes.empty() &&
               qdbus_cast<CText_map>(client.changes.back().value("Navigation")).value("Altitude") ==
                   "1234.500";
    })) << "the change is announced";
}

TEST_F(AutomationTest, ConnectAndMonitorActOnTheSimulatedComputer)
{
    publish();
    CSimulated_computer korusim(display_port(), start.control_port,
                                replay_file(navigation_group(45.0, 10.0, 10.0, 1.0f)));
    ASSERT_EQ(korusim.open(), 0) << korusim.log();
    ASSERT_TRUE(run_until(korusim, [&] { return form->selected_address() == loopback(1); }));

    EXPECT_EQ(client.call("Connect").type(), QDBusMessage::ReplyMessage);
    ASSERT_TRUE(run_until(korusim, [&] {
        return korusim.log().find("control port: 127.0.0.1:") != std::string::npos &&
               form->is_controller();
    })) << korusim.log();
    EXPECT_NE(korusim.log().find(" connected\n"), std::string::npos) << korusim.log();
    EXPECT_EQ(client.property<QString>("ConnectionState"), "Connected");
    EXPECT_EQ(client.property<QStringList>("StatusBar").value(4), "Connected");

    EXPECT_EQ(client.call("Monitor").type(), QDBusMessage::ReplyMessage);
    ASSERT_TRUE(run_until(korusim, [&] {
        return korusim.log().find(" disconnected") != std::string::npos;
    })) << korusim.log();
    EXPECT_EQ(client.property<QString>("ConnectionState"), "Waiting");

    const QDBusMessage newest = client.call("MessageLog", {2u});
    EXPECT_EQ(qdbus_cast<QStringList>(newest.arguments().value(0)),
              (QStringList{"Connected as controller to 127.0.0.1",
                           "Disconnected as controller from 127.0.0.1"}));
}

TEST_F(AutomationTest, SelectComputerTakesAddressesAndRefusesAnythingElse)
{
    publish();
    const QDBusMessage refused = client.call("SelectComputer", {QString("koru-one")});
    EXPECT_EQ(refused.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(refused.errorName(), "org.freedesktop.DBus.Error.InvalidArgs");
    EXPECT_EQ(refused.errorMessage(),
              "\"koru-one\" is not the IPv4 address of a computer, such as 192.168.1.20.");

    EXPECT_EQ(client.call("SelectComputer", {QString(" 127.0.0.9 ")}).type(),
              QDBusMessage::ReplyMessage);
    ASSERT_TRUE(WaitFor([&] { return form->display_receiver().filter() == loopback(9); }));
    EXPECT_EQ(client.call("SelectComputer", {QString("127.0.0.7")}).type(),
              QDBusMessage::ReplyMessage);
    ASSERT_TRUE(WaitFor([&] { return form->display_receiver().filter() == loopback(7); }));
    EXPECT_EQ(client.property<QStringList>("Computers"), (QStringList{"127.0.0.9", "127.0.0.7"}));
    EXPECT_EQ(client.property<QString>("SelectedComputer"), "127.0.0.7");
}

TEST_F(AutomationTest, PropertySignalsAreFewAndTheLastCarriesTheFinalValues)
{
    publish();
    CUdp_sender computer{2};
    computer.send_to(display_port(), navigation_group(45.0, 0.0, 10.0, 1.0f));
    // The new computer is listed and selected in one go, and announced in one signal.
    ASSERT_TRUE(WaitFor([&] {
        return !client.changes.empty() &&
               qdbus_cast<QString>(client.changes.back().value("SelectedComputer")) == "127.0.0.2";
    }));
    client.changes.clear();

    constexpr int changes = 200;
    QElapsedTimer burst;
    burst.start();
    for (int change = 1; change <= changes; ++change) {
        computer.send_to(display_port(), navigation_group(45.0, change, 10.0, 1.0f));
        const std::uint32_t groups = static_cast<std::uint32_t>(change) + 1;
        ASSERT_TRUE(WaitFor([&] { return form->display_receiver().counters().groups == groups; }));
    }
    auto altitude_of = [](const QVariantMap &change) {
        return qdbus_cast<CText_map>(change.value("Navigation")).value("Altitude");
    };
    ASSERT_TRUE(WaitFor([&] {
        return !client.changes.empty() && altitude_of(client.changes.back()) == "200.000";
    }));
    const qint64 elapsed_ms = burst.elapsed();

    const auto announced = static_cast<qint64>(client.changes.size());
    EXPECT_LE(announced, 2 + elapsed_ms / 200)
        << "five a second at most, over " << elapsed_ms << " ms";
    EXPECT_LT(announced, changes / 4);
    for (const QVariantMap &change : client.changes) {
        EXPECT_FALSE(change.contains("Computers")) << "only what changed is announced";
        EXPECT_FALSE(change.contains("Lamps"));
    }
    EXPECT_EQ(client.property<CCount_map>("DisplayPortCounters").value("Groups Received"),
              static_cast<uint>(changes + 1));
}

TEST_F(AutomationTest, LampsAndStatusBarAsShown)
{
    publish();
    form->lamp(TFormTarvo::LedHeading)->Set_state(true);
    EXPECT_EQ(client.property<CLamp_map>("Lamps"), (CLamp_map{{"LedAttitude", false},
                                                              {"LedHeading", true},
                                                              {"LedPosition", false},
                                                              {"LedVelocity", false}}));
    EXPECT_EQ(client.property<QStringList>("StatusBar"), (QStringList{"", "", "", "", "Waiting"}));
}

TEST_F(AutomationTest, IntrospectionGivesTheDocumentedTypes)
{
    publish();
    const QString xml = qdbus_cast<QString>(
        client.call_on("org.freedesktop.DBus.Introspectable", "Introspect").arguments().value(0));
    for (const char *expected : {
             R"(<property name="ConnectionState" type="s" access="read")",
             R"(<property name="Computers" type="as" access="read")",
             R"(<property name="SelectedComputer" type="s" access="read")",
             R"(<property name="StatusBar" type="as" access="read")",
             R"(<property name="DisplayPortCounters" type="a{su}" access="read")",
             R"(<property name="Navigation" type="a{ss}" access="read")",
             R"(<property name="Lamps" type="a{sb}" access="read")",
             R"(<method name="SelectComputer">
      <arg name="address" type="s" direction="in"/>
    </method>)",
             R"(<method name="Connect">
    </method>)",
             R"(<method name="Monitor">
    </method>)",
             R"(<method name="MessageLog">
      <arg type="as" direction="out"/>
      <arg name="count" type="u" direction="in"/>
    </method>)",
         }) {
        EXPECT_TRUE(xml.contains(expected)) << expected << "\n" << xml.toStdString();
    }
}

TEST_F(AutomationTest, WithoutASessionBusTheProgramRunsOnAndSaysSoOnce)
{
    const QDBusConnection nowhere =
        QDBusConnection::connectToBus("unix:path=/nonexistent/tarvo-test-bus", "nowhere");
    EXPECT_FALSE(service->start(nowhere));
    QDBusConnection::disconnectFromBus("nowhere");
    EXPECT_EQ(log.lines,
              QStringList{"The automation interface is off: no session bus is reachable."});
    EXPECT_FALSE(has_name_on_bus());

    form->EnterComputer("127.0.0.5");
    EXPECT_EQ(form->selected_text(), "127.0.0.5") << "the main window works as before";
    EXPECT_EQ(log.lines.size(), 1);
}

TEST_F(AutomationTest, ANameHeldByAnotherProgramLeavesTheInterfaceOff)
{
    ASSERT_TRUE(client.connection().registerService(automation_bus::service));
    EXPECT_FALSE(service->start(QDBusConnection::sessionBus()));
    EXPECT_EQ(log.lines, QStringList{"The automation interface is off: another program holds the "
                                     "bus name Tarvo.Status."});
    EXPECT_EQ(QDBusConnection::sessionBus().objectRegisteredAt(automation_bus::path), nullptr)
        << "nothing is left half published";
    client.connection().unregisterService(automation_bus::service);
}

TEST_F(AutomationTest, MessageLogIsEmptyWhileThereIsNoLog)
{
    publish();
    program.message_log = nullptr;
    const QDBusMessage reply = client.call("MessageLog", {5u});
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(qdbus_cast<QStringList>(reply.arguments().value(0)), QStringList());
}

} // namespace
