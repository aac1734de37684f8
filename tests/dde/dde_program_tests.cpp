// The real program under a tracker on the test's private session bus: the end of the DDE
// conversation, by Terminate or by the death of the tracker, ends the program normally.

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
        tarvo.start(TARVO_PROGRAM, {"--listen", "127.0.0.1", "--display-port",
                                    QString::number(UnusedTcpPort())});
    }
    ~DdeProgramTest() override
    {
        for (QProcess *process : {&tracker, &tarvo}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
        }
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

    QTemporaryDir folder;
    QProcess tarvo;
    QProcess tracker;
};

TEST_F(DdeProgramTest, TerminateEndsTheProgram)
{
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
    ASSERT_TRUE(server_listening()) << tarvo.readAllStandardError().toStdString();
    tracker.start(DDE_CLIENT, {});
    ASSERT_TRUE(WaitFor([&] { return tracker.readAllStandardOutput().contains("initiated"); }))
        << tracker.readAllStandardError().toStdString();
    EXPECT_EQ(tarvo.state(), QProcess::Running);
    tracker.kill();
    EXPECT_TRUE(ended_normally()) << tarvo.readAllStandardError().toStdString();
}

} // namespace
