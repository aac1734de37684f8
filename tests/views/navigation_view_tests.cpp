// The IMU data, sensor navigation and TWAN solution views: what each shows after a given group,
// the codes without a text of their own, headings at the end of the circle, the accuracy column
// that only the performance groups fill, and the TWAN solution's satellite rows, lamps and base
// satellite.

#include "view_fixture.h"

#include "controls/led_image.h"
#include "controls/value_grid.h"
#include "shell/window_values.h"
#include "display/formats.h"
#include "views/Form_sensor_views.h"
#include "views/Form_twan_solution.h"

#include <QLabel>

namespace {

using frame_bytes::Bytes;
using frame_bytes::put_f32;
using frame_bytes::put_f64;
using frame_bytes::put_u16;
using frame_bytes::put_u32;
using frame_bytes::put_u8;

Bytes imu_data(std::uint8_t bad_frames, std::uint8_t rate_code)
{
    Bytes body;
    for (const std::int32_t increment : {-5, 6, 7, 8, -9, 10}) {
        put_u32(body, static_cast<std::uint32_t>(increment));
    }
    put_u8(body, bad_frames);
    put_u8(body, 17);
    put_u8(body, rate_code);
    put_u16(body, 0);
    return frame_bytes::group(4, body);
}

Bytes sensor_solution(std::uint16_t number, double heading)
{
    Bytes body;
    for (const double position : {45.5, -75.25, 120.0}) {
        put_f64(body, position);
    }
    for (const float velocity : {50.0F, 0.5F, -0.25F}) {
        put_f32(body, velocity);
    }
    for (const double attitude : {1.5, -2.5, heading}) {
        put_f64(body, attitude);
    }
    put_f64(body, 0.125);
    put_f32(body, 0.75F);
    for (int i = 0; i < 6; ++i) {
        put_f32(body, 0.5F * static_cast<float>(i));
    }
    return frame_bytes::group(number, body);
}

Bytes sensor_performance(std::uint16_t number)
{
    Bytes body;
    for (int i = 0; i < 9; ++i) {
        put_f32(body, 0.25F + static_cast<float>(i));
    }
    return frame_bytes::group(number, body);
}

// A TWAN solution: records 0 to `satellites` - 1 hold satellites 3, 5, 7, ...; the others none.
Bytes twan_solution(std::uint8_t status, std::uint16_t slips, std::uint8_t base,
                    std::size_t satellites = 4)
{
    Bytes body;
    put_u8(body, static_cast<std::uint8_t>(satellites));
    put_u8(body, base);
    put_f32(body, 1.5F);
    put_f32(body, 2.0F);
    put_u8(body, 1);
    put_f32(body, 4.5F);
    put_u16(body, slips);
    put_u8(body, status);
    for (std::size_t k = 0; k < 12; ++k) {
        const bool used = k < satellites;
        put_u8(body, used ? static_cast<std::uint8_t>(3 + 2 * k) : 0xFF);
        put_u16(body, static_cast<std::uint16_t>(used ? 100 + k : 0x7FFF));
        put_f32(body, used ? 0.5F : 1e20F);
    }
    put_f64(body, 359.9995);
    put_f64(body, 0.05);
    return frame_bytes::group(109, body);
}

class NavigationViewTest : public CView_fixture {
protected:
    QMap<QString, QString> show(TFormTableView &view, const Bytes &frame)
    {
        deliver(frame);
        view.RefreshDisplay();
        return WindowValues(view);
    }
};

} // namespace

TEST_F(NavigationViewTest, TheImuViewShowsIncrementsStatusAndRate)
{
    auto &view = windows.window_of<TFormImuData>("FormImuData");
    EXPECT_EQ(WindowValues(view).value("GeneralDataStatus"), "") << "emptied at creation";
    QMap<QString, QString> values = show(view, imu_data(0, 3));
    EXPECT_EQ(values.value("DeltaVelocityX"), "-5");
    EXPECT_EQ(values.value("DeltaAngleZ"), "10");
    EXPECT_EQ(values.value("GeneralIMUType"), "17");
    EXPECT_EQ(values.value("GeneralDataStatus"), "Good");
    EXPECT_EQ(values.value("GeneralDataRateHz"), "400");

    EXPECT_EQ(show(view, imu_data(0b101, 9)).value("GeneralDataRateHz"), "Unknown: 9");
    EXPECT_EQ(WindowValues(view).value("GeneralDataStatus"), "3 Bad Frames");
    EXPECT_EQ(show(view, imu_data(0b010, 8)).value("GeneralDataStatus"), "2 Bad Frames");
    EXPECT_EQ(show(view, imu_data(0b001, 0)).value("GeneralDataStatus"), "1 Bad Frame");
    EXPECT_EQ(show(view, imu_data(0b1000, 0)).value("GeneralDataStatus"), "Unknown: 8");
}

// Group 104 fills only the accuracy column of "Sensor 1"; Group 103 only "Sensor 2".
TEST_F(NavigationViewTest, TheSensorPagesShowSolutionAndAccuracySideBySide)
{
    auto &view = windows.window_of<TFormSensor>("FormSensor");
    QMap<QString, QString> values = show(view, sensor_solution(102, 360.0));
    EXPECT_EQ(values.value("Sensor1AttitudeHeadingDegValue"), "0.000");
    EXPECT_EQ(values.value("Sensor1AttitudeRollDegValue"), "1.500");
    EXPECT_EQ(values.value("Sensor1PositionAltitudeMValue"), "120.000");
    EXPECT_EQ(values.value("Sensor1PositionLatitudeValue"), FormatLatitude(45.5, 2));
    EXPECT_EQ(values.value("Sensor1HeaveM"), "0.750");
    EXPECT_EQ(values.value("Sensor1DynamicsVerticalAcceleration"), "2.500");
    EXPECT_EQ(values.value("Sensor1PositionLatitudeAccuracyM"), "");

    values = show(view, sensor_performance(104));
    EXPECT_EQ(values.value("Sensor1PositionLatitudeAccuracyM"), "0.250");
    EXPECT_EQ(values.value("Sensor1AttitudeHeadingDegAccuracyDeg"), "8.250");
    EXPECT_EQ(values.value("Sensor1AttitudeHeadingDegValue"), "0.000") << "the solution stays";

    values = show(view, sensor_solution(103, 359.9995));
    EXPECT_EQ(values.value("Sensor2AttitudeHeadingDegValue"), "0.000");
    EXPECT_EQ(values.value("Sensor2AttitudeHeadingDegAccuracyDeg"), "");
    EXPECT_EQ(values.value("Sensor1PositionLatitudeAccuracyM"), "0.250");
}

TEST_F(NavigationViewTest, TheTwanSolutionShowsRecordsLampsAndStatus)
{
    auto &view = windows.window_of<TFormTwanSolution>("FormTwanSolution");
    QMap<QString, QString> values = show(view, twan_solution(7, 0, 5));
    EXPECT_EQ(values.value("SolutionStatus"), "Unknown: 7");
    EXPECT_EQ(values.value("TWANHeadingHeadingDeg"), "0.000");
    EXPECT_EQ(values.value("PDOP"), "1.500");
    EXPECT_EQ(values.value("SvData[1,0]"), "3");
    EXPECT_EQ(values.value("SvData[1,1]"), "100");
    EXPECT_EQ(values.value("SvData[1,2]"), "0.500");
    EXPECT_EQ(values.value("SvData[1,3]"), "Searching");
    EXPECT_EQ(values.value("SvData[5,0]"), "") << "a record without a satellite";
    auto *lamp = view.findChild<CLed_image *>("Led1");
    EXPECT_FALSE(lamp->State());
    EXPECT_FALSE(lamp->isEnabled()) << "searching";
    EXPECT_FALSE(view.findChild<CLed_image *>("Led5")->isEnabled());

    // Record 1 holds satellite 5, the base: its label reads "Base SV" in blue.
    EXPECT_EQ(view.base_record(), 1);
    EXPECT_EQ(values.value("LedLabel2"), "Base SV");
    EXPECT_TRUE(view.findChild<QLabel *>("LedLabel2")->styleSheet().contains("#0000ff"));

    // Fixed, with a slip on record 2: "Slip" there though the solution is fixed, lit lamps
    // elsewhere; the base moves to record 3 and record 1's label goes back.
    values = show(view, twan_solution(0, 1U << 2, 9));
    EXPECT_EQ(values.value("SolutionStatus"), "Fixed Integer");
    EXPECT_EQ(values.value("SvData[3,3]"), "Slip");
    EXPECT_EQ(values.value("SvData[1,3]"), "Fixed");
    EXPECT_TRUE(view.findChild<CLed_image *>("Led1")->State());
    EXPECT_FALSE(view.findChild<CLed_image *>("Led3")->State());
    EXPECT_TRUE(view.findChild<CLed_image *>("Led3")->isEnabled());
    EXPECT_EQ(view.base_record(), 3);
    EXPECT_EQ(values.value("LedLabel4"), "Base SV");
    EXPECT_NE(values.value("LedLabel2"), "Base SV");
    EXPECT_TRUE(view.findChild<QLabel *>("LedLabel2")->styleSheet().isEmpty());

    // A record that loses its satellite is emptied, not left beside an empty status.
    values = show(view, twan_solution(0, 0, 9, 2));
    EXPECT_EQ(values.value("SvData[3,0]"), "");
    EXPECT_EQ(values.value("SvData[3,3]"), "");
}
