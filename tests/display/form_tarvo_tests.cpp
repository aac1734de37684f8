// The main navigation view: what its labels, gauges and lamps show after a given group.

#include "controls/float_gauge.h"
#include "controls/led_image.h"
#include "views/Form_tarvo.h"
#include "platform/settings_store.h"

#include "frame_bytes.h"
#include "navigation_frames.h"
#include "qstring_printer.h"
#include "clipped_controls.h"
#include "recording_feedback.h"
#include "test_windows.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

using frame_bytes::Bytes;
using frame_bytes::navigation_group;

Bytes status(std::uint32_t status_b)
{
    Bytes body;
    frame_bytes::put_u32(body, 1u << 7); // full navigation
    frame_bytes::put_u32(body, status_b);
    frame_bytes::put_u32(body, 0);
    frame_bytes::put_u32(body, 0);
    body.resize(body.size() + 10, std::byte{0});
    return frame_bytes::group(101, body);
}

Bytes disk(std::uint32_t remaining, std::uint32_t total)
{
    Bytes body;
    frame_bytes::put_u32(body, remaining);
    frame_bytes::put_u32(body, 0);
    frame_bytes::put_f32(body, 0.0f);
    frame_bytes::put_u32(body, total);
    return frame_bytes::group(8, body);
}

class NavigationViewTest : public ::testing::Test {
protected:
    NavigationViewTest()
    {
        UseSettingsFolder(folder.path());
        SStart_options start;
        start.display_address = 0x7F000001;
        start.display_port = 0;
        form = std::make_unique<TFormTarvo>(start);
    }

    // The group as the receivers hand it on: in the receive buffer, then to every window.
    void take_in(const Bytes &frame)
    {
        CByte_cursor cursor(frame.data(), frame.size());
        ASSERT_EQ(program.groups.read(cursor), EFrame_status::ok);
        program.windows.update_from_group();
    }
    // Taken in and shown at once.
    void deliver(const Bytes &frame)
    {
        take_in(frame);
        form->RefreshDisplay();
    }

    QString text(TFormTarvo::EValue which) const { return form->value(which)->text(); }

    QTemporaryDir folder;
    CRecording_feedback feedback;
    CProgram program;
    std::unique_ptr<TFormTarvo> form;
};

TEST_F(NavigationViewTest, NavigationSolutionInTheFormatsOfEveryWindow)
{
    deliver(navigation_group(45.5042, 1e20, 359.9996, 10.0f));
    EXPECT_EQ(text(TFormTarvo::Latitude), QString::fromUtf8(" 45°30'15.12\" N"));
    EXPECT_EQ(text(TFormTarvo::Longitude), QString::fromUtf8(" 73°15'00.00\" W"));
    EXPECT_EQ(text(TFormTarvo::Altitude), "N/A");
    EXPECT_EQ(text(TFormTarvo::North), "1.500");
    EXPECT_EQ(text(TFormTarvo::East), "-2.250");
    EXPECT_EQ(text(TFormTarvo::Roll), "0.500");
    EXPECT_EQ(text(TFormTarvo::Pitch), "-0.250");
    EXPECT_EQ(text(TFormTarvo::Heading), "0.000") << "359.9996 reads as north";
    EXPECT_EQ(text(TFormTarvo::TrackAngle), "271.500");
    EXPECT_EQ(text(TFormTarvo::TransverseAngRate), "0.250");
    EXPECT_EQ(text(TFormTarvo::VerticalAccel), "3.000");
    // A gauge labelled in knots reads knots: 10 m/s is 19.438 kn, not 19.685.
    EXPECT_NEAR(form->GaugeVesselSpeed()->Position(), 19.4384, 0.0005) << "10 m/s";
}

TEST_F(NavigationViewTest, FieldsAShortFrameDoesNotCarryShowNoData)
{
    deliver(navigation_group(10.0, 100.0, 90.0, 5.0f));
    Bytes shorter = navigation_group(10.0, 100.0, 90.0, 5.0f);
    // An older computer's Group 1 ending after the attitude: 26 + 60 body bytes.
    Bytes body(shorter.begin() + 8, shorter.begin() + 8 + 26 + 60);
    Bytes frame = frame_bytes::make_frame("$GRP", 1, body);
    deliver(frame);
    EXPECT_EQ(text(TFormTarvo::Heading), "90.000");
    EXPECT_EQ(text(TFormTarvo::TrackAngle), "N/A") << "not the track of the frame before";
    EXPECT_EQ(form->GaugeVesselSpeed()->Position(), 0.0);
}

TEST_F(NavigationViewTest, DiskUsageInWholePercentWithItsColour)
{
    deliver(disk(240, 1000));
    EXPECT_EQ(form->ScsiGauge()->Position(), 76);
    EXPECT_EQ(form->ScsiGauge()->ForeColor(), QColor(Qt::yellow));
    deliver(disk(95, 1000));
    EXPECT_EQ(form->ScsiGauge()->Position(), 91) << "90.5 and a half, truncated";
    EXPECT_EQ(form->ScsiGauge()->ForeColor(), QColor(Qt::red));
    deliver(disk(500, 1000));
    EXPECT_EQ(form->ScsiGauge()->ForeColor(), QColor(0x32, 0xCD, 0x32));
    deliver(disk(0, 0));
    EXPECT_EQ(form->ScsiGauge()->Position(), 0);
    deliver(disk(2000, 1000));
    EXPECT_EQ(form->ScsiGauge()->Position(), 0) << "more remaining than in all is not negative";
}

TEST_F(NavigationViewTest, EventAndPpsCountsWithTheirTimes)
{
    Bytes body;
    frame_bytes::put_f64(body, 3725.25);
    frame_bytes::put_f64(body, 0.0);
    frame_bytes::put_f64(body, 1.0);
    frame_bytes::put_u8(body, 0);
    frame_bytes::put_u8(body, 0);
    frame_bytes::put_u32(body, 4711);
    deliver(frame_bytes::make_frame("$GRP", 7, body));
    EXPECT_EQ(text(TFormTarvo::PpsCount), "4711");
    EXPECT_TRUE(text(TFormTarvo::PpsTime).startsWith("   1:02:05.250000"))
        << text(TFormTarvo::PpsTime).toStdString();
    EXPECT_TRUE(text(TFormTarvo::PpsTime).endsWith(" KORU"));
    EXPECT_EQ(text(TFormTarvo::EventCount1), "") << "other events untouched";
}

TEST_F(NavigationViewTest, AccuracyLampsFollowTheUserAccuracyBits)
{
    deliver(status(0b0101));
    EXPECT_TRUE(form->lamp(TFormTarvo::LedAttitude)->State());
    EXPECT_FALSE(form->lamp(TFormTarvo::LedHeading)->State());
    EXPECT_TRUE(form->lamp(TFormTarvo::LedPosition)->State());
    EXPECT_FALSE(form->lamp(TFormTarvo::LedVelocity)->State());
    EXPECT_EQ(text(TFormTarvo::KoruMode), "Standby");
}

TEST_F(NavigationViewTest, ImuWithoutAnImuShowsNotApplicableUnlessItsTypeHasAStatus)
{
    Bytes versions(120 + 80 + 80, std::byte{0});
    std::memcpy(versions.data(), "KORU 5.1 IMU0", 13);
    for (int i = 0; i < 5; ++i) {
        frame_bytes::put_u32(versions, 0);
    }
    deliver(frame_bytes::group(99, versions));
    Bytes imu(24, std::byte{0});
    imu.push_back(std::byte{0});   // bad frame status
    imu.push_back(std::byte{3});   // IMU type
    imu.push_back(std::byte{200}); // data rate
    frame_bytes::put_u16(imu, 0);
    deliver(frame_bytes::group(4, imu));
    deliver(status(0));
    EXPECT_EQ(text(TFormTarvo::ImuStatus), "N/A");

    imu[25] = std::byte{14};
    deliver(frame_bytes::group(4, imu));
    deliver(status(0));
    EXPECT_NE(text(TFormTarvo::ImuStatus), "N/A");
    EXPECT_FALSE(text(TFormTarvo::ImuStatus).isEmpty());
}

TEST_F(NavigationViewTest, LidarStateShowsWhileItsGroupKeepsComing)
{
    Bytes lidar(4, std::byte{0});
    frame_bytes::put_u16(lidar, 1); // data port status S
    lidar.resize(lidar.size() + 44, std::byte{0});
    frame_bytes::put_f64(lidar, 0.0);
    frame_bytes::put_f64(lidar, 0.0);
    frame_bytes::put_u32(lidar, 2); // M
    frame_bytes::put_u32(lidar, 0);
    const Bytes frame = frame_bytes::group(20202, lidar);
    ASSERT_EQ(frame.size(), 112u);

    form->value(TFormTarvo::ScsiStatus)->setText("Buffering");
    deliver(frame);
    EXPECT_EQ(text(TFormTarvo::LidarStatus), "On/Buffering");
    QLabel *caption = form->findChild<QLabel *>("LidarStatusCaption");
    EXPECT_TRUE(caption->isVisibleTo(form.get()));
    for (int i = 0; i < 4; ++i) {
        deliver(status(0));
    }
    EXPECT_TRUE(caption->isVisibleTo(form.get())) << "four reports without news: still shown";
    deliver(status(0));
    EXPECT_FALSE(caption->isVisibleTo(form.get())) << "the fifth hides it";
}

TEST_F(NavigationViewTest, ResetBlanksEveryValueAndTurnsTheLampsOff)
{
    // Before any group the gauges show nothing, like every other value: not a reading of 0.
    EXPECT_FALSE(form->ScsiGauge()->HasValue());
    EXPECT_FALSE(form->GaugeVesselSpeed()->HasValue());
    deliver(navigation_group(45.0, 10.0, 10.0, 3.0f));
    deliver(status(0b1111));
    deliver(disk(240, 1000));
    form->ResetDisplay(0);
    for (int value = 0; value < TFormTarvo::value_count; ++value) {
        EXPECT_EQ(form->value(static_cast<TFormTarvo::EValue>(value))->text(), "") << value;
    }
    EXPECT_FALSE(form->lamp(TFormTarvo::LedVelocity)->State());
    EXPECT_FALSE(form->ScsiGauge()->HasValue());
    EXPECT_FALSE(form->GaugeVesselSpeed()->HasValue());
    deliver(disk(240, 1000));
    EXPECT_TRUE(form->ScsiGauge()->HasValue());
}

} // namespace

namespace {

// A flood of navigation groups is taken in whole but shown at the screen's pace: what shows is
// the newest group, and the groups between cost no formatting.
TEST_F(NavigationViewTest, ManyGroupsInARowShowTheNewestAtTheScreensPace)
{
    form->show();
    for (int group = 1; group <= 50; ++group) {
        take_in(navigation_group(45.0, 10.0 * group, 10.0, 3.0f));
    }
    EXPECT_EQ(text(TFormTarvo::Altitude), "") << "nothing is formatted while the groups come";
    ASSERT_TRUE(WaitFor([&] { return text(TFormTarvo::Altitude) == "500.000"; }));
    take_in(navigation_group(45.0, 1.0, 10.0, 3.0f));
    form->ResetDisplay(0);
    QTest::qWait(100);
    EXPECT_EQ(text(TFormTarvo::Altitude), "") << "a group taken in before the reset never shows";
}

// Every value label reads whole at the size the window starts at, at the smallest it allows and
// when made large; fonts follow the window both ways and come back to where they started.
TEST_F(NavigationViewTest, EveryValueFitsItsWidestTextAtEverySize)
{
    form->show();
    QCoreApplication::processEvents();
    const QSize start_size = form->size();
    const qreal start_points = form->font().pointSizeF();
    EXPECT_TRUE(ClippedValueLabels(*form).isEmpty()) << ClippedValueLabels(*form).join("; ").toStdString();

    form->resize(640, 380);
    QCoreApplication::processEvents();
    EXPECT_GE(form->width(), form->minimumWidth());
    EXPECT_LT(form->font().pointSizeF(), start_points);
    EXPECT_GE(form->font().pointSizeF(), TFormKoruView::smallest_point_size);
    EXPECT_TRUE(ClippedValueLabels(*form).isEmpty()) << ClippedValueLabels(*form).join("; ").toStdString();
    EXPECT_GE(form->ScsiGauge()->height(), form->ScsiGauge()->minimumSizeHint().height())
        << "the disk gauge's text is not struck through by its border";

    form->resize(1400, 900);
    QCoreApplication::processEvents();
    EXPECT_GT(form->font().pointSizeF(), start_points);
    EXPECT_TRUE(ClippedValueLabels(*form).isEmpty()) << ClippedValueLabels(*form).join("; ").toStdString();

    form->resize(start_size);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->font().pointSizeF(), start_points) << "small, then large: as at the start";
}

} // namespace
