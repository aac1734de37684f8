// The GNSS data view after given groups, read as from outside: the receiver of the selected tab
// in the labels and the satellite grid, the sky plot's text and series, the PPS box, the NMEA
// lamps, the third tab and the code-navigation mode of the second auxiliary receiver.

#include "view_fixture.h"

#include "settings/output_port_records.h"
#include "shell/window_values.h"
#include "views/Form_gps_data.h"

#include "gnss_frames.h"
#include "navigation_frames.h"

#include <QTabBar>

namespace {

using namespace gnss_frames;

class GpsDataTest : public CView_fixture {
protected:
    TFormGpsData &view() { return windows.window_of<TFormGpsData>("FormGpsData"); }

    // The group handed to every window, and the view's controls filled as showing it would.
    void show(const Bytes &frame)
    {
        deliver(frame);
        view().RefreshDisplay();
    }
    QMap<QString, QString> values() { return WindowValues(view()); }
    QString value(const QString &name) { return values().value(name, "(not shown)"); }
    QString cell(int row, int column)
    {
        return value(QStringLiteral("primarySvData[%1,%2]").arg(row).arg(column));
    }
    int tab_count() { return view().findChild<QTabBar *>("TabControl1")->count(); }

    // The ports' settings echo, with the second auxiliary receiver's protocol.
    void send_port_settings(std::uint8_t aux_2_protocol)
    {
        CMessage104 settings;
        settings.aux_2_protocol().set(aux_2_protocol);
        settings.seal(1);
        const std::span<const std::byte> bytes = settings.frame();
        CByte_cursor cursor(bytes.data(), bytes.size());
        ASSERT_EQ(program.messages.read(cursor), EFrame_status::ok);
        program.messages.copy_to_record();
        program.windows.update_from_message();
    }
};

TEST_F(GpsDataTest, SatelliteCountPlacesTheSolutionAndFillsTheGrid)
{
    SReceiver sent;
    show(receiver_frame(3, sent));
    EXPECT_EQ(value("primaryHdop"), "1.250") << "no satellites: HDOP right after the count";
    EXPECT_EQ(value("primaryGeoidalSeparation"), "-12.500");
    EXPECT_EQ(cell(0, 1), "");
    EXPECT_EQ(value("SkyPlotText"), "0 Satellites");

    sent.satellites = satellites(12);
    sent.satellites[11].status = 11;
    sent.satellites[10].status = 12;
    sent.satellites[9].status = 0xFFFF;
    show(receiver_frame(3, sent));
    EXPECT_EQ(value("primaryMode"), "3-D DGPS");
    EXPECT_EQ(value("primaryHdop"), "1.250");
    EXPECT_EQ(value("primaryVdop"), "2.500");
    EXPECT_EQ(value("primaryCorrectionLatency"), "3.000");
    EXPECT_EQ(value("primaryRefStation"), "123");
    EXPECT_EQ(value("primaryWeekNumber"), "2200");
    EXPECT_EQ(value("primaryTimeOffset"), "18.000");
    EXPECT_EQ(value("primaryNavLatency"), "0.250");
    EXPECT_EQ(cell(0, 12), "12");
    EXPECT_EQ(cell(1, 1), "L1 PLL");
    EXPECT_EQ(cell(1, 12), "L2 PLL");
    EXPECT_EQ(cell(1, 11), "Idle") << "codes past the last read Idle";
    EXPECT_EQ(cell(1, 10), "N/A") << "the no-data code";
    EXPECT_EQ(cell(2, 12), "120.0");
    EXPECT_EQ(cell(3, 12), "30.0");
    EXPECT_EQ(cell(4, 12), "44.5");
    EXPECT_EQ(cell(5, 12), "33.5");
    EXPECT_EQ(cell(0, 13), "");
    EXPECT_EQ(value("SkyPlotText"), "12 Satellites");

    // Fewer satellites empty the columns after the last.
    sent.satellites = satellites(2);
    show(receiver_frame(3, sent));
    EXPECT_EQ(cell(0, 2), "2");
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(cell(row, 3), "") << row;
        EXPECT_EQ(cell(row, 12), "") << row;
    }
}

// A count of 255 in a frame with room for 12 shows 12 and reads what follows them right.
TEST_F(GpsDataTest, CountPastTheFrameShowsTheSatellitesItHolds)
{
    SReceiver sent;
    sent.count = 255;
    sent.satellites = satellites(12);
    show(receiver_frame(3, sent));
    EXPECT_EQ(cell(0, 12), "12");
    EXPECT_EQ(cell(0, 13), "");
    EXPECT_EQ(value("SkyPlotText"), "12 Satellites");
    EXPECT_EQ(value("primaryVdop"), "2.500");
    EXPECT_EQ(value("primaryWeekNumber"), "2200");

    // Cut inside the array, too short for what follows it: the satellites it holds, "N/A" for
    // what it cut.
    show(cut_frame(3, sent, 4 + 20 + 2));
    EXPECT_EQ(cell(0, 1), "1");
    EXPECT_EQ(cell(0, 2), "");
    EXPECT_EQ(value("primaryHdop"), "N/A");
}

TEST_F(GpsDataTest, ModeTexts)
{
    SReceiver sent;
    sent.satellites = satellites(4);
    sent.mode = 9;
    show(receiver_frame(3, sent));
    EXPECT_EQ(value("primaryMode"), "Unknown status: 9");
    sent.mode = 7;
    show(receiver_frame(3, sent));
    EXPECT_EQ(value("primaryMode"), "Narrow Lane RTK");

    // Mode 0: no data at all.
    sent.mode = 0;
    show(receiver_frame(3, sent));
    EXPECT_EQ(value("primaryMode"), "No Data");
    EXPECT_EQ(value("primaryHdop"), "");
    EXPECT_EQ(value("primaryWeekNumber"), "");
    EXPECT_EQ(cell(0, 1), "");
    EXPECT_EQ(value("SkyPlotText"), "No Data");
    EXPECT_EQ(value("SkyPlotGps"), "0");
}

// Each satellite is drawn in the series of its PRN range; PRNs outside the ranges are listed
// but not drawn.
TEST_F(GpsDataTest, SkyPlotSeriesByPrn)
{
    SReceiver sent;
    for (const std::uint16_t prn : {1, 37, 38, 75, 120, 138, 90, 76, 139, 0}) {
        sent.satellites.push_back({prn});
    }
    show(receiver_frame(3, sent));
    EXPECT_EQ(value("SkyPlotGps"), "2");
    EXPECT_EQ(value("SkyPlotGlonass"), "2");
    EXPECT_EQ(value("SkyPlotSbas"), "2");
    EXPECT_EQ(value("SkyPlotText"), "10 Satellites");
    EXPECT_EQ(cell(0, 7), "90");
    EXPECT_EQ(value("SkyPlotTitle"), "Primary GNSS");
    // The centre is straight up: radius 90 less the elevation.
    EXPECT_EQ(value("SkyPlotSbasPoints"), "45.0/60.0 45.0/60.0");
}

// "Aircraft Frame" turns the plot by the heading, whole degrees; a heading out of range counts
// as north.
TEST_F(GpsDataTest, AircraftFrameRotatesByTheHeading)
{
    SReceiver sent;
    sent.satellites = {{120, 4, 100.0f, 30.0f}};
    show(receiver_frame(3, sent));
    show(frame_bytes::position_group(45.0, -73.0, 100.0, 90.7));
    EXPECT_EQ(value("SkyPlotSbasPoints"), "100.0/60.0");
    EXPECT_EQ(value("SkyPlotRotation"), "0");

    SetWindowValue(view(), "CheckBoxHeading", "on");
    view().RefreshDisplay();
    EXPECT_EQ(value("SkyPlotRotation"), "90");
    EXPECT_EQ(value("SkyPlotSbasPoints"), "10.0/60.0");

    show(frame_bytes::position_group(45.0, -73.0, 100.0, 359.95));
    EXPECT_EQ(value("SkyPlotRotation"), "0");
    show(frame_bytes::position_group(45.0, -73.0, 100.0, 200.0));
    EXPECT_EQ(value("SkyPlotSbasPoints"), "260.0/60.0");

    SetWindowValue(view(), "CheckBoxHeading", "off");
    EXPECT_EQ(value("SkyPlotSbasPoints"), "100.0/60.0");
}

// Each receiver's last group waits in its own copy until its tab is chosen.
TEST_F(GpsDataTest, ReceiverBehindItsTabShowsWhenChosen)
{
    SReceiver primary;
    primary.satellites = satellites(3);
    show(receiver_frame(3, primary));
    SReceiver secondary;
    secondary.hdop = 7.5f;
    secondary.mode = 5;
    secondary.satellites = satellites(6, 40);
    show(receiver_frame(106, secondary));
    EXPECT_EQ(value("primaryHdop"), "1.250");
    EXPECT_EQ(cell(0, 4), "");
    EXPECT_EQ(value("SkyPlotText"), "3 Satellites");

    EXPECT_EQ(value("ppsTime"), "");
    EXPECT_TRUE(values().contains("ppsTime")) << "the PPS box shows on the primary tab";
    SetWindowValue(view(), "TabControl1", "Secondary GNSS");
    EXPECT_EQ(value("primaryHdop"), "7.500");
    EXPECT_EQ(value("primaryMode"), "Float RTK");
    EXPECT_EQ(cell(0, 6), "45");
    EXPECT_EQ(value("SkyPlotGlonass"), "6");
    EXPECT_EQ(value("SkyPlotTitle"), "Secondary GNSS");
    EXPECT_FALSE(values().contains("ppsTime")) << "no PPS box on the secondary tab";
    EXPECT_FALSE(values().contains("NmeaGga"));

    SetWindowValue(view(), "TabControl1", "Primary GNSS");
    EXPECT_EQ(value("primaryHdop"), "1.250");
    EXPECT_EQ(cell(0, 4), "");
}

TEST_F(GpsDataTest, PpsFromGroup7WhateverTheTab)
{
    frame_bytes::Bytes pulse;
    frame_bytes::put_u32(pulse, 4711);
    show(frame_bytes::group(7, pulse));
    EXPECT_EQ(value("ppsPulseCount"), "4711");
    EXPECT_TRUE(value("ppsTime").endsWith(" KORU")) << value("ppsTime").toStdString();
    frame_bytes::put_u32(pulse, 0);
    view().ResetDisplay(0);
    EXPECT_EQ(value("ppsPulseCount"), "");
}

// The third tab is offered once the auxiliary receiver reports a mode; a reset takes it away.
TEST_F(GpsDataTest, AuxiliaryTabOfferedOnceTheReceiverReports)
{
    EXPECT_EQ(tab_count(), 2);
    EXPECT_FALSE(values().contains("ButtonRawData"));
    SReceiver auxiliary;
    auxiliary.mode = 0;
    auxiliary.nmea = 0x5;
    show(receiver_frame(107, auxiliary));
    EXPECT_EQ(tab_count(), 2) << "mode 0: nothing to show";

    auxiliary.mode = 3;
    auxiliary.satellites = satellites(2, 120);
    show(receiver_frame(107, auxiliary));
    ASSERT_EQ(tab_count(), 3);
    EXPECT_EQ(ButtonState(view(), "ButtonRawData"), EButton_state::enabled);
    SetWindowValue(view(), "TabControl1", "Auxiliary GNSS");
    EXPECT_EQ(value("primaryMode"), "2-D DGPS");
    EXPECT_EQ(value("NmeaGga"), "on");
    EXPECT_EQ(value("NmeaGst"), "off");
    EXPECT_EQ(value("NmeaGsv"), "on");
    EXPECT_EQ(value("NmeaGsa"), "off");
    EXPECT_EQ(value("SkyPlotTitle"), "Auxiliary 1 GPS");
    EXPECT_EQ(value("SkyPlotSbas"), "2");

    view().ResetDisplay(0);
    EXPECT_EQ(tab_count(), 2);
    EXPECT_EQ(value("TabControl1"), "Primary GNSS");
    EXPECT_FALSE(values().contains("ButtonRawData"));
}

// The second auxiliary receiver on a code-navigation protocol codes its mode and satellite link
// in the reference station: value 306 is mode 6 over link 3.
TEST_F(GpsDataTest, CodeNavigationModeOfTheSecondAuxiliaryReceiver)
{
    SReceiver auxiliary;
    auxiliary.mode = 3;
    auxiliary.aux_in_use = 2;
    auxiliary.station = 306;
    show(receiver_frame(107, auxiliary));
    SetWindowValue(view(), "TabControl1", "Auxiliary GNSS");
    EXPECT_EQ(value("primaryMode"), "2-D DGPS") << "no port settings yet";
    EXPECT_EQ(value("SkyPlotTitle"), "Auxiliary 2 GPS");

    send_port_settings(CMessage104::cnav_navcom);
    view().RefreshDisplay();
    EXPECT_EQ(value("primaryMode"), "StarFire RTG Single no Tide INMARSAT ASPAC");
    auxiliary.station = 1026;
    show(receiver_frame(107, auxiliary));
    EXPECT_EQ(value("primaryMode"), "N/A");
    auxiliary.station = 1099 - 100 * 2; // 899: "Unknown" code over link 8
    show(receiver_frame(107, auxiliary));
    EXPECT_EQ(value("primaryMode"), "Unknown Reserved");
    auxiliary.station = 926;
    show(receiver_frame(107, auxiliary));
    EXPECT_EQ(value("primaryMode"), "RTG in RTK Backup Mode Unknown Frequency");

    auxiliary.aux_in_use = 1;
    show(receiver_frame(107, auxiliary));
    EXPECT_EQ(value("primaryMode"), "2-D DGPS") << "the first auxiliary receiver";
    auxiliary.aux_in_use = 2;
    send_port_settings(CMessage104::nmea_standard);
    show(receiver_frame(107, auxiliary));
    EXPECT_EQ(value("primaryMode"), "2-D DGPS") << "NMEA protocol";
}

} // namespace
