// The real program under a tracker on the test's private session bus: the end of the DDE
// conversation, by Terminate or by the death of the tracker, ends the program normally; and the
// tracker reads korusim's navigation and changes its mode through the program.

#include "dde/dde_service.h"

#include "dde_bus_client.h"
#include "loopback_peers.h"

#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTemporaryDir>

namespace {

class DdeProgramTest : public ::testing::Test {
protected:
    DdeProgramTest()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", folder.path());
        tarvo.setProcessEnvironment(environment);
    }
    ~DdeProgramTest() override
    {
        for (QProcess *process : {&tracker, &tarvo, &korusim}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
        }
    }

    // The program, its display port on 127.0.0.1, with `options` besides.
    void start_tarvo(QStringList options = {})
    {
        tarvo.start(TARVO_PROGRAM, QStringList{"--listen", "127.0.0.1", "--display-port",
                                               QString::number(display_port)} +
                                       options);
    }
    bool server_listening()
    {
        return WaitFor([&] {
            return QDBusConnection::sessionBus().interface()->isServiceRegistered(dde_bus::service);
        });
    }
    bool ended_normally()
    {
        return WaitFor([&] { return tarvo.state() == QProcess::NotRunning; }) &&
               tarvo.exitStatus() == QProcess::NormalExit && tarvo.exitCode() == 0;
    }

    bool korusim_said(const QString &text)
    {
        korusim_output += QString::fromLocal8Bit(korusim.readAllStandardOutput());
        return korusim_output.contains(text);
    }

    QTemporaryDir folder;
    const std::uint16_t display_port = UnusedTcpPort();
    QProcess tarvo;
    QProcess tracker;
    QProcess korusim;
    QString korusim_output;
};

TEST_F(DdeProgramTest, TerminateEndsTheProgram)
{
    start_tarvo();
    ASSERT_TRUE(server_listening()) << tarvo.readAllStandardError().toStdString();
    CDde_bus_client client;
    EXPECT_EQ(client.call("Initiate").type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(client.request().startsWith("[NAVIGATION DATA]\nTime=\n"));
    EXPECT_EQ(tarvo.state(), QProcess::Running);
    client.call("Terminate");
    EXPECT_TRUE(ended_normally()) << tarvo.readAllStandardError().toStdString();
}

TEST_F(DdeProgramTest, AKilledTrackerEndsTheProgram)
{
    start_tarvo();
    ASSERT_TRUE(server_listening()) << tarvo.readAllStandardError().toStdString();
    tracker.start(DDE_CLIENT, {});
    ASSERT_TRUE(WaitFor([&] { return tracker.readAllStandardOutput().contains("initiated"); }))
        << tracker.readAllStandardError().toStdString();
    EXPECT_EQ(tarvo.state(), QProcess::Running);
    tracker.kill();
    EXPECT_TRUE(ended_normally()) << tarvo.readAllStandardError().toStdString();
}

// A tracker that leaves the bus right after asking for the conversation, before the program has
// begun to watch it, still ends the program.
TEST_F(DdeProgramTest, ATrackerGoneBeforeItsConversationBeganEndsTheProgram)
{
    start_tarvo();
    ASSERT_TRUE(server_listening()) << tarvo.readAllStandardError().toStdString();
    // dbus-send asks for no reply and leaves the bus as soon as its call is sent.
    tracker.start("dbus-send",
                  {"--session", "--type=method_call", QString("--dest=") + dde_bus::service,
                   dde_bus::path, QString(dde_bus::interface) + ".Initiate"});
    ASSERT_TRUE(tracker.waitForFinished());
    EXPECT_EQ(tracker.exitCode(), 0) << tracker.readAllStandardError().toStdString();
    EXPECT_TRUE(ended_normally()) << tarvo.readAllStandardError().toStdString();
}

// The tracker opens the conversation; the program connects to korusim as controller; the
// navigation goes out with every Group 1 in Navigate; a poked mode reaches korusim, whose echo
// comes back in the published text.
TEST_F(DdeProgramTest, ATrackerReadsKorusimAndChangesItsModeThroughTheProgram)
{
    const QString control_port = QString::number(UnusedTcpPort());
    korusim.start(KORUSIM, {"--display-port", QString::number(display_port), "--control-port",
                            control_port, "--log-port", "0", "--log-port-2", "0", "--echo-seconds",
                            "1", "--groups", "1,101"});
    ASSERT_TRUE(korusim.waitForStarted());
    start_tarvo({"--computer", "127.0.0.1", "--control-port", control_port});
    ASSERT_TRUE(server_listening()) << tarvo.readAllStandardError().toStdString();

    CDde_bus_client client;
    EXPECT_EQ(client.call("Initiate").type(), QDBusMessage::ReplyMessage);
    ASSERT_TRUE(WaitFor([&] {
        return !client.advised_texts.empty() &&
               client.advised_texts.back().second.contains("\nMode=2\n");
    }));
    EXPECT_EQ(client.advised_texts.back().first, "text1");
    EXPECT_FALSE(client.advised_texts.back().second.contains("\nLat=\n"));

    ASSERT_TRUE(WaitFor([&] { return korusim_said("control port: 127.0.0.1"); }))
        << korusim_output.toStdString();
    // A tracker pokes until the controller takes its values.
    ASSERT_TRUE(WaitFor([&] {
        client.poke("[Control Data]\nMode=1\n");
        return korusim_said("control port: received message 7,");
    })) << korusim_output.toStdString();
    EXPECT_TRUE(WaitFor([&] { return client.request().contains("\nMode=1\n"); }));

    client.call("Terminate");
    EXPECT_TRUE(ended_normally()) << tarvo.readAllStandardError().toStdString();
}

} // namespace
