// The general data, user accuracy, time sync, events and IP address dialogs against a fake
// computer: what they show after an echo, what goes on the wire after Apply, and that nothing
// goes while any entry is wrong.

#include "controls/radio_group.h"
#include "controls/spin_float_edit.h"
#include "resources/texts.h"
#include "settings/Form_events.h"
#include "settings/Form_general_data.h"
#include "settings/Form_ip_address.h"
#include "settings/Form_time_sync.h"
#include "settings/Form_user_accuracy.h"

#include "dialog_test.h"

#include <QDateEdit>
#include <QTest>
#include <QTimeEdit>

#include <cstdlib>

namespace {

using namespace settings_test;

constexpr std::uint16_t general_data = 13;

struct SGeneral_data {
    std::uint8_t hours = 8, minutes = 9, seconds = 10, month = 7, day = 14;
    std::uint16_t year = 2023;
    double latitude = -45.5, longitude = 7.25, altitude = 123.4567, heading = 270.125;
    float rms[3] = {1.5f, 2.5f, 3.25f};

    Bytes body() const
    {
        Bytes out;
        for (const std::uint8_t byte : {hours, minutes, seconds, month, day}) {
            frame_bytes::put_u8(out, byte);
        }
        frame_bytes::put_u16(out, year);
        for (const double value : {latitude, longitude, altitude, heading}) {
            frame_bytes::put_f64(out, value);
        }
        for (const float value : rms) {
            frame_bytes::put_f32(out, value);
        }
        return out;
    }
};

class GeneralDataTest : public CDialog_test {
protected:
    TFormGeneralData &data = dialog<TFormGeneralData>("FormGeneralData");
    QLineEdit &latitude = control(data, "Latitude");
    QLineEdit &longitude = control(data, "Longitude");

    // The user's entry of the date, the time and every value of `entered`.
    void enter(const SGeneral_data &entered, const QString &latitude_text,
               const QString &longitude_text)
    {
        control<QDateEdit>(data, "Date1").setDate(QDate(entered.year, entered.month, entered.day));
        control<QTimeEdit>(data, "Time1").setTime(
            QTime(entered.hours, entered.minutes, entered.seconds));
        latitude.setText(latitude_text);
        longitude.setText(longitude_text);
        control(data, "Altitude").setText(QString::number(entered.altitude));
        control(data, "Heading").setText(QString::number(entered.heading));
        const char *rms[] = {"RmsNorth", "RmsEast", "RmsVertical"};
        for (std::size_t axis = 0; axis < 3; ++axis) {
            control(data, rms[axis]).setText(QString::number(entered.rms[axis]));
        }
    }
    void expect_selected(QLineEdit &entry, int from, int length)
    {
        EXPECT_EQ(data.focusWidget(), &entry);
        EXPECT_EQ(entry.selectionStart(), from);
        EXPECT_EQ(entry.selectedText().size(), length);
    }
};

TEST_F(GeneralDataTest, BeforeAnyEchoThePcsDateAndTimeAndTheLargestAccuracy)
{
    EXPECT_EQ(control<QDateEdit>(data, "Date1").date(), QDate::currentDate());
    EXPECT_LE(std::abs(control<QTimeEdit>(data, "Time1").time().secsTo(QTime::currentTime())), 60);
    for (const char *rms : {"RmsNorth", "RmsEast", "RmsVertical"}) {
        EXPECT_EQ(control(data, rms).text(), "750.000") << rms;
    }
    EXPECT_EQ(latitude.displayText(), "00° 00' 00.0000\" N");
    EXPECT_EQ(longitude.displayText(), "000° 00' 00.0000\" E");
    EXPECT_EQ(control(data, "Altitude").text(), "0.000");
}

TEST_F(GeneralDataTest, AnEchoIsShownInDegreesMinutesAndSecondsAndAnImpossibleDateIsNot)
{
    SGeneral_data echo;
    echo.longitude = 7.2500000139; // 0.00005 s over: rounds to 00.0001
    hear_echo(frame_bytes::message(general_data, 0, echo.body()));
    EXPECT_EQ(latitude.displayText(), "45° 30' 00.0000\" S");
    EXPECT_EQ(longitude.displayText(), "007° 15' 00.0001\" E");
    EXPECT_EQ(control(data, "Altitude").text(), "123.457");
    EXPECT_EQ(control(data, "RmsVertical").text(), "3.250");
    EXPECT_EQ(control<QDateEdit>(data, "Date1").date(), QDate(2023, 7, 14));
    EXPECT_EQ(control<QTimeEdit>(data, "Time1").time(), QTime(8, 9, 10));

    echo.month = 13;
    echo.hours = 25;
    echo.latitude = 1e20; // no data: left for the user to enter
    hear_echo(frame_bytes::message(general_data, 0, echo.body()));
    EXPECT_EQ(control<QDateEdit>(data, "Date1").date(), QDate::currentDate());
    EXPECT_LE(std::abs(control<QTimeEdit>(data, "Time1").time().secsTo(QTime::currentTime())), 60);
    EXPECT_FALSE(latitude.hasAcceptableInput()) << "an empty entry, not a wrong angle";
}

TEST_F(GeneralDataTest, TheLimitIsAcceptedAndAnythingBeyondRefusedWithTheWrongPartSelected)
{
    connect_as_controller();
    data.show();
    SGeneral_data entered;
    entered.altitude = 123.25;
    entered.latitude = 90.0;
    entered.longitude = -(179 + 59.0 / 60 + 59.5 / 3600);

    enter(entered, "9000000001N", "17959595000W");
    data.buttonApply()->click();
    EXPECT_TRUE(last_box().contains("Latitude entry is invalid!")) << last_box().toStdString();
    expect_selected(latitude, 8, 7);

    enter(entered, "9000000000N", "18100000000E");
    data.buttonApply()->click();
    EXPECT_TRUE(last_box().contains("Longitude entry is invalid!")) << last_box().toStdString();
    expect_selected(longitude, 0, 3);

    enter(entered, "9001000000N", "17959595000W");
    data.buttonApply()->click();
    expect_selected(latitude, 4, 2);

    // Nothing went before the corrected entry.
    enter(entered, "9000000000N", "17959595000W");
    data.buttonApply()->click();
    const std::vector<Bytes> frames = sent({general_data}, 1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], frame_bytes::message(general_data, u16_at(frames[0], 8), entered.body()));
}

TEST_F(GeneralDataTest, AWrongAngleIsRefusedAsTheFocusLeavesIt)
{
    data.show();
    data.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&data));
    latitude.setFocus();
    latitude.setText("4500600000N");
    control(data, "Altitude").setFocus(Qt::TabFocusReason);
    EXPECT_EQ(last_box(), LoadText(13600));
    expect_selected(latitude, 8, 7);
}

// Frames of Message 11 (12 bytes, or 8 without the guard times) and Message 20211.
Bytes events(std::uint8_t trigger1, std::uint8_t trigger2, std::optional<std::uint16_t> guard1,
             std::optional<std::uint16_t> guard2, std::uint16_t transaction = 0)
{
    Bytes body{std::byte{trigger1}, std::byte{trigger2}};
    if (guard1 && guard2) {
        frame_bytes::put_u16(body, *guard1);
        frame_bytes::put_u16(body, *guard2);
    }
    return frame_bytes::message(11, transaction, body);
}
Bytes shifts(float shift1, float shift2, std::uint16_t transaction = 0)
{
    Bytes body;
    frame_bytes::put_f32(body, shift1);
    frame_bytes::put_f32(body, shift2);
    body.resize(body.size() + 16, std::byte{0});
    return frame_bytes::message(20211, transaction, body);
}

using EventsTest = CDialog_test;

TEST_F(EventsTest, GuardTimesOnlyForALongEchoAndABadShiftSendsNeitherMessage)
{
    auto &events_dialog = dialog<TFormEvents>("FormEvents");
    auto &guard1 = control<TSpinFloatEdit>(events_dialog, "Event1GuardTime");
    hear_echo(shifts(1.5f, -2.25f));
    hear_echo(events(1, 0, 300, 500));
    EXPECT_EQ(guard1.Text(), "300");
    EXPECT_TRUE(guard1.isEnabled());
    EXPECT_EQ(control(events_dialog, "FloatEvent2Shift").text(), "-2.250");
    EXPECT_EQ(control<TRadioGroup>(events_dialog, "Event1").ItemIndex(), 1);

    // A computer without guard times: no leftover of the longer echo before.
    hear_echo(events(0, 1, std::nullopt, std::nullopt));
    EXPECT_FALSE(guard1.isEnabled());
    EXPECT_FALSE(control<TSpinFloatEdit>(events_dialog, "Event2GuardTime").isEnabled());
    EXPECT_EQ(guard1.Text(), "N/A");
    EXPECT_EQ(WindowValues(events_dialog).value("Event1GuardTime"), "N/A");

    connect_as_controller();
    events_dialog.show();
    control(events_dialog, "FloatEvent2Shift").setText("N/A");
    events_dialog.buttonApply()->click();
    EXPECT_EQ(last_box(), "Event 2 Shift (msec): enter a number from -1000000 to 1000000.");

    control(events_dialog, "FloatEvent2Shift").setText("4.5");
    events_dialog.buttonApply()->click();
    const std::vector<Bytes> frames = sent({11, 20211}, 2);
    ASSERT_EQ(frames.size(), 2u) << "nothing went before the corrected shift";
    const std::uint16_t transaction = u16_at(frames[0], 8);
    EXPECT_EQ(frames[0], events(0, 1, 0, 0, transaction));
    EXPECT_EQ(frames[1], shifts(1.5f, 4.5f, static_cast<std::uint16_t>(transaction + 1)));
}

TEST_F(EventsTest, ATriggerWithoutAnItemMustBeChosen)
{
    auto &events_dialog = dialog<TFormEvents>("FormEvents");
    hear_echo(events(255, 2, 100, 200));
    EXPECT_EQ(control<TRadioGroup>(events_dialog, "Event1").ItemIndex(), -1);
    EXPECT_EQ(control<TRadioGroup>(events_dialog, "Event2").ItemIndex(), -1);
    connect_as_controller();
    events_dialog.show();
    events_dialog.buttonApply()->click();
    EXPECT_EQ(last_box(), "Event 1: choose one.");
}

// Message 107 from four values.
Bytes accuracy(std::array<float, 4> values, std::uint16_t transaction = 0)
{
    Bytes body;
    for (const float value : values) {
        frame_bytes::put_f32(body, value);
    }
    return frame_bytes::message(107, transaction, body);
}

using AccuracyAndTimeTest = CDialog_test;

TEST_F(AccuracyAndTimeTest, AccuracyIsSentBackAndTimeSyncKeepsItsFactorWithoutSending)
{
    auto &user_accuracy = dialog<TFormUserAccuracy>("FormUserAccuracy");
    auto &time_sync = dialog<TFormTimeSync>("FormTimeSync");
    hear_echo(accuracy({0.25f, 0.5f, 12.125f, 0.0625f}));
    Bytes user_time;
    frame_bytes::put_f64(user_time, 100.0);
    frame_bytes::put_f64(user_time, 2.5);
    hear_echo(frame_bytes::message(12, 0, user_time));
    EXPECT_EQ(control(user_accuracy, "position").text(), "12.1250");
    EXPECT_EQ(control(user_accuracy, "velocity").text(), "0.0625");
    EXPECT_EQ(control(time_sync, "userTime").text(), "2.500000");
    EXPECT_EQ(time_sync.conversion_factor(), 2.5);

    connect_as_controller();
    time_sync.show();
    control(time_sync, "userTime").setText("4");
    time_sync.buttonApply()->click();
    EXPECT_EQ(time_sync.conversion_factor(), 4.0);

    user_accuracy.show();
    control(user_accuracy, "velocity").setText("0.04");
    user_accuracy.buttonApply()->click();
    EXPECT_EQ(last_box(), "Velocity (m/s): enter a number from 0.05 to 20.");
    control(user_accuracy, "velocity").setText("19.5");
    user_accuracy.buttonApply()->click();
    const std::vector<Bytes> frames = sent({107}, 1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], accuracy({0.25f, 0.5f, 12.125f, 19.5f}, u16_at(frames[0], 8)));
    EXPECT_TRUE(answers.frames_numbered({12}).empty()) << "time sync sends nothing";
}

// Message 6: the address, and the mask unless it is left out.
Bytes address_message(std::array<std::uint8_t, 4> address,
                      std::optional<std::array<std::uint8_t, 4>> mask, std::uint16_t transaction = 0)
{
    Bytes body(address.size());
    std::transform(address.begin(), address.end(), body.begin(),
                   [](std::uint8_t octet) { return std::byte{octet}; });
    if (mask) {
        for (const std::uint8_t octet : *mask) {
            frame_bytes::put_u8(body, octet);
        }
    }
    return frame_bytes::message(6, transaction, body);
}

using IpAddressTest = CDialog_test;

TEST_F(IpAddressTest, AShortEchoDisablesTheMaskAndOnlyValidAddressesAreSent)
{
    auto &ip = dialog<TFormIpAddress>("FormIpAddress");
    QLineEdit &address = control(ip, "IpAddress");
    QLineEdit &mask = control(ip, "SubnetMask");
    hear_echo(address_message({10, 1, 2, 3}, std::array<std::uint8_t, 4>{255, 255, 255, 0}));
    EXPECT_EQ(address.text(), "010.001.002.003");
    EXPECT_EQ(mask.text(), "255.255.255.000");
    EXPECT_TRUE(mask.isEnabled());
    hear_echo(address_message({10, 1, 2, 4}, std::nullopt));
    EXPECT_EQ(address.text(), "010.001.002.004");
    EXPECT_EQ(mask.text(), "255.255.000.000") << "no leftover of the longer echo";
    EXPECT_FALSE(mask.isEnabled());
    EXPECT_EQ(WindowValues(ip).value("SubnetMask"), "255.255.000.000");

    connect_as_controller();
    ip.show();
    for (const char *wrong : {"000001002003", "010000000255", ""}) {
        feedback.boxes.clear();
        address.setText(wrong);
        ip.buttonApply()->click();
        EXPECT_TRUE(last_box().contains("Address is invalid!")) << wrong << ": " << last_box().toStdString();
        EXPECT_EQ(ip.focusWidget(), &address);
    }
    SetWindowValue(ip, "IpAddress", "10.0.0.254");
    ip.buttonApply()->click();
    const std::vector<Bytes> frames = sent({6}, 1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], address_message({10, 0, 0, 254}, std::array<std::uint8_t, 4>{255, 255, 0, 0},
                                         u16_at(frames[0], 8)));
}

} // namespace
