// The GNSS data and faults views read over the bus while korusim, the program, sends the
// receivers' groups and the fault words its switches set. What korusim sends is fixed by its
// switches but for the satellites' places: the PRNs run 1, 38, 120, 2, 39, 121, … (GPS, GLONASS
// and SBAS in turn), the tracking states 0, 1, 2, … and the solution's figures are korusim's own.

#include "app/window_rows.h"
#include "automation/status_service.h"

#include "bus_client.h"
#include "controller_fixture.h"

#include <QProcess>

namespace {

using namespace controller_test;

class GnssKorusimTest : public CController_fixture {
protected:
    GnssKorusimTest()
    {
        EXPECT_TRUE(service.start(QDBusConnection::sessionBus()));
        client.call("SelectComputer", {QString("127.0.0.2")});
        EXPECT_TRUE(WaitFor([&] { return form->display_receiver().filter() == loopback(2); }));
    }
    ~GnssKorusimTest() override
    {
        korusim.terminate();
        korusim.waitForFinished();
    }

    // Opens both views as a script would and starts korusim sending them, from the fake
    // computer's address, with `options`.
    void run_korusim(const QStringList &options)
    {
        for (const QString name : {"FormGpsData", "FormFaults"}) {
            EXPECT_EQ(client.call("OpenWindow", {name}).type(), QDBusMessage::ReplyMessage)
                << name.toStdString();
        }
        korusim.start(KORUSIM, QStringList{"--local", "127.0.0.2", "--display-port",
                                           QString::number(port), "--control-port",
                                           QString::number(UnusedTcpPort()), "--log-port", "0",
                                           "--log-port-2", "0", "--groups", "3,4,101,106,107",
                                           "--rate", "3=10", "--rate", "106=10", "--rate",
                                           "107=10", "--rate", "101=10", "--rate", "4=10"} +
                                   options);
        EXPECT_TRUE(korusim.waitForStarted());
    }

    QMap<QString, QString> values_of(const QString &window)
    {
        return qdbus_cast<CText_map>(client.call("WindowValues", {window}).arguments().value(0));
    }

    // Waits until `window` shows every value of `expected`; true when it did.
    bool shows(const QString &window, const QMap<QString, QString> &expected)
    {
        QMap<QString, QString> shown;
        const bool all = WaitFor([&] {
            shown = values_of(window);
            return std::all_of(expected.keyValueBegin(), expected.keyValueEnd(),
                               [&](const auto &pair) { return shown.value(pair.first) == pair.second; });
        });
        for (const auto &[name, text] : expected.asKeyValueRange()) {
            EXPECT_EQ(shown.value(name, "(not read)"), text)
                << window.toStdString() << ": " << name.toStdString();
        }
        return all;
    }

    CWindow_table windows{*form, WindowRows()};
    CStatus_service service{*form};
    CBus_client client;
    QProcess korusim;
};

TEST_F(GnssKorusimTest, ReceiversAsKorusimSendsThem)
{
    ASSERT_TRUE(client.property<QStringList>("Windows").contains("FormGpsData"));
    run_korusim({});
    EXPECT_TRUE(shows("FormGpsData", {{"primaryMode", "3-D DGPS"},
                                      {"primaryHdop", "0.900"},
                                      {"primaryVdop", "1.400"},
                                      {"primaryWeekNumber", "2318"},
                                      {"primaryRefStation", "100"},
                                      {"primaryTimeOffset", "18.000"},
                                      {"primaryGeoidalSeparation", "18.250"},
                                      {"primarySvData[0,1]", "1"},
                                      {"primarySvData[0,2]", "38"},
                                      {"primarySvData[0,3]", "120"},
                                      {"primarySvData[0,12]", "123"},
                                      {"primarySvData[1,12]", "L2 PLL"},
                                      {"primarySvData[0,13]", ""},
                                      {"SkyPlotText", "12 Satellites"},
                                      {"SkyPlotGps", "4"},
                                      {"SkyPlotGlonass", "4"},
                                      {"SkyPlotSbas", "4"}}))
        << korusim.readAllStandardError().toStdString();

    client.call("SetWindowValue", {QString("FormGpsData"), QString("TabControl1"),
                                   QString("Auxiliary GNSS")});
    EXPECT_TRUE(shows("FormGpsData", {{"primaryMode", "2-D DGPS"},
                                      {"primarySvData[0,1]", "3"},
                                      {"NmeaGsa", "on"},
                                      {"SkyPlotTitle", "Auxiliary 1 GPS"}}));
    EXPECT_TRUE(shows("FormFaults", {{"CLed_image19", "off"}, {"CLed_image8", "off"}}));
}

TEST_F(GnssKorusimTest, SwitchedCountsModesAndFaultWords)
{
    run_korusim({"--sv-count", "255", "--receiver-status", "0,0x000B00FF", "--fdir",
                 "0,0,0,0,0x0005", "--imu-type", "3", "--imu-status", "0x4481"});
    EXPECT_TRUE(shows("FormGpsData", {{"primarySvData[0,30]", "129"},
                                      {"SkyPlotText", "30 Satellites"},
                                      {"primaryHdop", "0.900"}}));
    EXPECT_TRUE(shows("FormFaults", {{"CLed_image8", "on"},
                                     {"CLed_image9", "off"},
                                     {"CLed_image19", "on"},
                                     {"CLed_image26", "on"},
                                     {"CLed_image27", "off"},
                                     {"CLed_image31", "on"},
                                     {"CLed_image32", "off"},
                                     {"Label31", "System Wrap Around Test"},
                                     {"PageControl1Caption[0]", "*General"},
                                     {"PageControl1Caption[3]", "*IMU"}}));
}

TEST_F(GnssKorusimTest, ReceiversWithoutData)
{
    run_korusim({"--gps-mode-0"});
    EXPECT_TRUE(shows("FormGpsData", {{"primaryMode", "No Data"},
                                      {"primaryHdop", ""},
                                      {"primarySvData[0,1]", ""},
                                      {"SkyPlotText", "No Data"}}));
    EXPECT_EQ(values_of("FormGpsData").value("TabControl1"), "Primary GNSS");
}

} // namespace
