// The navigator's views read over the bus while korusim sends their groups through a relay: the
// filter grids for counts beyond their room and their gap and red cells, the TWAN solution, the
// IMU and sensor views, and the statistics view whose version text names the Hotlink model, which
// renames the Ethernet entries of the menus.

#include "app/window_rows.h"
#include "automation/status_service.h"
#include "views/Form_tarvo.h"

#include "bus_client.h"
#include "display_relay.h"
#include "controller_fixture.h"

#include <QMenu>
#include <QProcess>

namespace {

using namespace controller_test;

const QStringList views = {"FormKfState",   "FormKfMeasurements", "FormTwanKfState",
                           "FormTwanKfMeas", "FormTwanSolution",   "FormImuData",
                           "FormSensor"};

class NavigatorViewsKorusimTest : public CController_fixture {
protected:
    NavigatorViewsKorusimTest()
    {
        EXPECT_TRUE(service.start(QDBusConnection::sessionBus()));
        client.call("SelectComputer", {QString("127.0.0.2")});
        EXPECT_TRUE(WaitFor([&] { return form->display_receiver().filter() == loopback(2); }));
    }
    ~NavigatorViewsKorusimTest() override
    {
        korusim.terminate();
        korusim.waitForFinished();
    }

    QMap<QString, QString> values_of(const QString &window)
    {
        return qdbus_cast<CText_map>(client.call("WindowValues", {window}).arguments().value(0));
    }

    CWindow_table windows{*form, WindowRows()};
    CStatus_service service{*form};
    CBus_client client;
    CDisplay_relay relay{computer_display, port};
    QProcess korusim;
};

TEST_F(NavigatorViewsKorusimTest, TheViewsShowKorusimsGroupsAndTheHotlinkModelRenamesItsEntries)
{
    const QStringList listed = client.property<QStringList>("Windows");
    for (const QString &name : views + QStringList{"FormStatistics", "FormFrameControl"}) {
        EXPECT_TRUE(listed.contains(name)) << name.toStdString();
    }
    for (const QString &name : views) {
        EXPECT_EQ(client.call("OpenWindow", {name}).type(), QDBusMessage::ReplyMessage)
            << name.toStdString();
    }
    korusim.start(KORUSIM, {"--display-port", QString::number(relay.port()), "--control-port",
                            QString::number(UnusedTcpPort()), "--log-port", "0", "--log-port-2",
                            "0", "--groups", "4,99,102,104,109,20101,20102,20103,20104,20105",
                            "--echo-seconds", "0", "--hotlink-model", "--kalman-counts",
                            "65535,21", "--twan-counts", "20,25"});
    ASSERT_TRUE(korusim.waitForStarted());
    ASSERT_TRUE(WaitFor([&] {
        relay.pass_on();
        return relay.passed({4, 99, 102, 104, 109, 20101, 20102, 20103, 20104, 20105}, 2);
    })) << korusim.readAllStandardOutput().toStdString();

    // 65535 states stated, 40 sent: every cell of the 5 x 8 grids holds one.
    QMap<QString, QString> values = values_of("FormKfState");
    EXPECT_FALSE(values.value("xMinus[7,4]").isEmpty());
    EXPECT_FALSE(values.value("updateTime").isEmpty());

    // Measurement 5 is not constructed, measurement 3 is rejected; the gap stays empty.
    ASSERT_TRUE(WaitFor([&] {
        relay.pass_on();
        return values_of("FormKfMeasurements").value("residualsRed") == "[1,0]";
    })) << values_of("FormKfMeasurements").value("residualsRed").toStdString();
    values = values_of("FormKfMeasurements");
    EXPECT_EQ(values.value("zData[1,2]"), "N/A");
    EXPECT_EQ(values.value("zData[4,2]"), "");
    EXPECT_FALSE(values.value("zData[6,2]").isEmpty()) << "measurement 19 at cell 20";
    EXPECT_EQ(values.value("zDataRed"), "[1,0]");

    values = values_of("FormTwanKfMeas");
    int empty = 0;
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 5; ++column) {
            empty += values.value(QStringLiteral("rmsResiduals[%1,%2]").arg(row).arg(column))
                         .isEmpty();
        }
    }
    EXPECT_EQ(empty, 5) << "25 residuals in 30 cells";
    EXPECT_FALSE(values_of("FormTwanKfState").value("rmsPlus[3,4]").isEmpty());

    values = values_of("FormTwanSolution");
    EXPECT_EQ(values.value("LedLabel1"), "Base SV");
    EXPECT_EQ(values.value("SvData[1,0]"), "3");
    EXPECT_EQ(values.value("SvData[9,0]"), "") << "eight satellites";
    EXPECT_EQ(values_of("FormImuData").value("GeneralDataRateHz"), "200");
    EXPECT_FALSE(values_of("FormSensor").value("Sensor1AttitudeHeadingDegAccuracyDeg").isEmpty());

    values = values_of("FormStatistics");
    EXPECT_TRUE(values.value("KoruVersion").startsWith("7,2-korusim"));
    EXPECT_GE(values.value("Chart1Points").toInt(), 1);
    EXPECT_TRUE(program.options.has_hotlink_interface());
    auto *logging = form->findChild<QMenu *>("Logging1");
    ASSERT_NE(logging, nullptr);
    emit logging->aboutToShow();
    bool renamed = false;
    for (const QAction *entry : logging->actions()) {
        renamed = renamed || entry->text() == "&Hotlink/Ethernet Logging...";
    }
    EXPECT_TRUE(renamed);
}

} // namespace
