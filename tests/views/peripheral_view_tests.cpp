// The views of the computer's peripheral inputs, read by control name as from outside: the
// "(Invalid)" and "Position Invalid" labels that the status bits show and hide, the source of
// the target position, the time tags, the user time groups sharing their controls, and the log
// of the auxiliary receivers' raw messages (line ends, long lines, escapes, the 1000-line cap,
// stopping and resuming the capture, saving). The frames are written here byte by byte.

#include "view_fixture.h"

#include "display/formats.h"
#include "shell/window_values.h"
#include "views/Form_aux_gps_data.h"
#include "views/peripheral_records.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>

#include <cstdio>
#include <string>

namespace {

using frame_bytes::Bytes;
using frame_bytes::put_f64;
using frame_bytes::put_text;
using frame_bytes::put_u16;
using frame_bytes::put_u32;
using frame_bytes::put_u8;

// A group with its own time tags: `time_1` of time type `type_1`, `time_2` of type 0.
Bytes timed_group(std::uint16_t number, double time_1, std::uint8_t type_1, double time_2,
                  const Bytes &body)
{
    Bytes full;
    put_f64(full, time_1);
    put_f64(full, time_2);
    put_f64(full, 1.0);
    put_u8(full, type_1);
    put_u8(full, 0);
    frame_bytes::append(full, body);
    return frame_bytes::make_frame("$GRP", number, full);
}

Bytes target_body(std::uint16_t status)
{
    Bytes body;
    for (const double value : {51.5, -0.125, 12.25, 1500.0, 271.5}) {
        put_f64(body, value);
    }
    put_u16(body, status);
    return body;
}

Bytes range_finder_status_body(std::uint16_t status)
{
    Bytes body;
    put_u16(body, 1);
    put_u16(body, 2);
    put_u16(body, 3);
    put_u32(body, 4);
    put_u32(body, 5);
    put_u16(body, 6);
    put_u16(body, status);
    for (std::uint32_t value = 7; value <= 12; ++value) {
        put_u32(body, value);
    }
    return body;
}

Bytes ranges_body(std::uint16_t status)
{
    Bytes body;
    put_f64(body, 812.3456);
    put_f64(body, 799.0);
    put_u16(body, status);
    return body;
}

Bytes user_time_body(std::uint32_t rejections, std::uint32_t resyncs, std::uint8_t valid,
                     std::uint8_t received)
{
    Bytes body;
    put_u32(body, rejections);
    put_u32(body, resyncs);
    put_u8(body, valid);
    put_u8(body, received);
    return body;
}

// Group 110 stating `count` body bytes and carrying `text`.
Bytes raw_message(std::uint16_t count, std::string_view text, std::uint8_t aux = 1)
{
    Bytes body;
    put_u8(body, aux);
    put_u8(body, 0);
    put_u32(body, 77);
    put_u16(body, count);
    put_text(body, text);
    return timed_group(110, 3723.5, 2, 10.0, body);
}

Bytes raw_message(std::string_view text)
{
    return raw_message(static_cast<std::uint16_t>(text.size()), text);
}

class PeripheralViewTest : public CView_fixture {
protected:
    QMap<QString, QString> after(const QString &window, const Bytes &frame)
    {
        TFormKoruBase &shown = *windows.window(window);
        deliver(frame);
        return WindowValues(shown);
    }

    TFormAuxGpsData &aux() { return windows.window_of<TFormAuxGpsData>("FormAuxGpsData"); }

    // The log's lines as read from outside.
    QStringList log_lines()
    {
        const QMap<QString, QString> values = WindowValues(aux());
        QStringList lines;
        for (int row = 0; values.contains(QString("ListBoxLog[%1]").arg(row)); ++row) {
            lines.append(values.value(QString("ListBoxLog[%1]").arg(row)));
        }
        return lines;
    }
};

TEST_F(PeripheralViewTest, TheTargetPositionShowsItsSourceAndWhetherItIsValid)
{
    auto values = after("FormTargetRefPosition", frame_bytes::group(201, target_body(0x000C)));
    EXPECT_EQ(values.value("TargetPositionSource"), "Radar Altimeter");
    EXPECT_TRUE(values.contains("PositionInvalid"));
    EXPECT_EQ(values.value("TargetPositionLatitude"), "N/A") << "not valid";
    EXPECT_EQ(values.value("TargetPositionAltitudeM"), "12.250");
    EXPECT_EQ(values.value("TargetPositionRangeM"), "1500.000");
    EXPECT_EQ(values.value("TargetPositionBearingDeg"), "271.500");

    values = after("FormTargetRefPosition", frame_bytes::group(201, target_body(0x0003)));
    EXPECT_EQ(values.value("TargetPositionSource"), "Laser");
    EXPECT_FALSE(values.contains("PositionInvalid"));
    EXPECT_EQ(values.value("TargetPositionLatitude"), FormatLatitude(51.5, 2));
    EXPECT_EQ(values.value("TargetPositionLongitude"), FormatLongitude(-0.125, 2));

    EXPECT_EQ(after("FormTargetRefPosition", frame_bytes::group(201, target_body(0x0009)))
                  .value("TargetPositionSource"),
              "GPS");
    EXPECT_EQ(after("FormTargetRefPosition", frame_bytes::group(201, target_body(0x0001)))
                  .value("TargetPositionSource"),
              "Unknown");

    // All ones is the computer's "no data": nothing is taken as valid.
    values = after("FormTargetRefPosition", frame_bytes::group(201, target_body(0xFFFF)));
    EXPECT_EQ(values.value("TargetPositionSource"), "N/A");
    EXPECT_TRUE(values.contains("PositionInvalid"));
    EXPECT_EQ(values.value("TargetPositionLatitude"), "N/A");

    // A frame that ends inside the bearing, before the status bits, holds none of them.
    Bytes cut = target_body(0x0003);
    cut.resize(cut.size() - 4);
    values = after("FormTargetRefPosition", frame_bytes::group(201, cut));
    EXPECT_EQ(values.value("TargetPositionSource"), "N/A");
    EXPECT_TRUE(values.contains("PositionInvalid"));
    EXPECT_EQ(values.value("TargetPositionBearingDeg"), "N/A");
}

TEST_F(PeripheralViewTest, TheRangeFinderStatusBitsShowAndHideTheInvalidLabels)
{
    auto values =
        after("FormLrfStatus", frame_bytes::group(20201, range_finder_status_body(0x0002)));
    EXPECT_TRUE(values.contains("LaserRangeInvalid"));
    EXPECT_FALSE(values.contains("RadarHeightInvalid"));
    EXPECT_EQ(values.value("ProxiesARMProxies"), "4");
    EXPECT_EQ(values.value("ProxiesReadFailures"), "3");
    EXPECT_EQ(values.value("LaserRangeFinderOutputLaserRange"), "7");
    EXPECT_EQ(values.value("LaserRangeFinderOutputRadarHeight"), "8");
    EXPECT_EQ(values.value("LaserRangeFinderOutputChecksumErrors"), "6");
    EXPECT_EQ(values.value("PVAFilterLaserRangeRuns"), "9");
    EXPECT_EQ(values.value("PVAFilterRadarHeightResets"), "12");

    values = after("FormLrfStatus", frame_bytes::group(20201, range_finder_status_body(0x0001)));
    EXPECT_FALSE(values.contains("LaserRangeInvalid"));
    EXPECT_TRUE(values.contains("RadarHeightInvalid"));

    // Before the first frame and after a reset neither label shows.
    windows.window("FormLrfStatus")->ResetDisplay(0);
    values = WindowValues(*windows.window("FormLrfStatus"));
    EXPECT_FALSE(values.contains("LaserRangeInvalid"));
    EXPECT_FALSE(values.contains("RadarHeightInvalid"));
    EXPECT_EQ(values.value("ProxiesARMProxies"), "");
}

TEST_F(PeripheralViewTest, TheRangeFinderDataHidesTheInvalidLabelOfEachValidValue)
{
    auto values = after("FormLrfData", frame_bytes::group(202, ranges_body(0x0003)));
    EXPECT_FALSE(values.contains("LaserRangeInvalid"));
    EXPECT_FALSE(values.contains("RadarHeightInvalid"));
    EXPECT_EQ(values.value("RangesLaserRangeM"), "812.346");
    EXPECT_EQ(values.value("RangesRadarHeightM"), "799.000");

    values = after("FormLrfData", frame_bytes::group(202, ranges_body(0x0001)));
    EXPECT_FALSE(values.contains("LaserRangeInvalid"));
    EXPECT_TRUE(values.contains("RadarHeightInvalid"));
}

TEST_F(PeripheralViewTest, TheGimbalViewsShowTheEncodersTimeTagsAndProcessorCounts)
{
    Bytes encoders;
    put_f64(encoders, 1.5);
    put_f64(encoders, -89.25);
    put_f64(encoders, 10.0005);
    auto values = after("FormGimbalData", timed_group(200, 3723.5, 2, 100.25, encoders));
    EXPECT_EQ(values.value("EncodersRollDeg"), "1.500");
    EXPECT_EQ(values.value("EncodersTiltDeg"), "-89.250");
    EXPECT_EQ(values.value("EncodersPanDeg"), "10.001");
    EXPECT_EQ(values.value("EncodersTime1"), FormatTimeTag(3723.5, 2, false));
    EXPECT_EQ(values.value("EncodersTime2"), FormatTimeTag(100.25, 0, false));
    EXPECT_NE(values.value("EncodersTime1"), values.value("EncodersTime2"));

    Bytes status;
    for (std::uint32_t value = 1; value <= 6; ++value) {
        put_u32(status, value);
    }
    put_text(status, std::string_view("/dev/ser3\0\0\0\0\0\0\0\0\0", 18));
    put_u16(status, 7);
    put_u16(status, 8);
    put_u32(status, 9);
    for (std::uint32_t value = 10; value <= 15; ++value) {
        put_u32(status, value);
    }
    values = after("FormGimbalStatus", frame_bytes::group(20200, status));
    EXPECT_EQ(values.value("ExecutionProcessorCalls"), "1");
    EXPECT_EQ(values.value("GimbalMessagesDecodeMessagesRejected"), "9");
    EXPECT_EQ(values.value("SerialPortBaudRate"), "5");
    EXPECT_EQ(values.value("SerialPortPort"), "/dev/ser3");
    EXPECT_EQ(values.value("ProxyExceptionsMessage104"), "8");
    EXPECT_EQ(values.value("PVAFilterRollRuns"), "10");
    EXPECT_EQ(values.value("PVAFilterPitchResets"), "13");
    EXPECT_EQ(values.value("PVAFilterHeadingResets"), "15");
}

TEST_F(PeripheralViewTest, UserTimeGroups17And204FillTheSameControls)
{
    auto values = after("FormUserTime", timed_group(204, 60.0, 3, 5.0, user_time_body(2, 3, 1, 0)));
    EXPECT_EQ(values.value("UserTimeResynchronizationCount"), "3");
    EXPECT_EQ(values.value("UserTimeTimeSyncMessage12Rejections"), "2");
    EXPECT_EQ(values.value("UserTimeUserTimeStatus"), "Valid");
    EXPECT_EQ(values.value("UserTimeTimeSyncMessage12Received"), "No");
    EXPECT_EQ(values.value("UserTimeTime1"), FormatTimeTag(60.0, 3, false));

    values = after("FormUserTime", frame_bytes::group(17, user_time_body(8, 9, 0, 1)));
    EXPECT_EQ(values.value("UserTimeResynchronizationCount"), "9");
    EXPECT_EQ(values.value("UserTimeUserTimeStatus"), "Invalid");
    EXPECT_EQ(values.value("UserTimeTimeSyncMessage12Received"), "Yes");
    auto *status = windows.window("FormUserTime")->findChild<QLabel *>("UserTimeUserTimeStatus");
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->styleSheet().contains("red"));
}

// --- the raw auxiliary data log ----------------------------------------------------------------

TEST_F(PeripheralViewTest, RawMessagesBecomeAHeaderLineAndTheirTextLines)
{
    aux();
    deliver(raw_message("$GPGGA,1*5B\r\n$GPVTG\r\rnext\nlast"));
    const QString header = FormatTimeTag(3723.5, 2, false) + "  Aux 1: 30 bytes";
    EXPECT_EQ(log_lines(), QStringList({header, "$GPGGA,1*5B", "$GPVTG", "", "next", "last"}))
        << "CR LF ends one line, CR CR two, LF one; the text after the last end is a line";

    aux().ResetDisplay(0);
    deliver(raw_message(std::string_view("\x07\x00\xB5\x1F \x7F\r\n", 8)));
    EXPECT_EQ(log_lines().value(1), QString("\\07\\00") + QChar(0xB5) + "\\1F \x7F");
}

TEST_F(PeripheralViewTest, ALineEndsAt120CharactersAndAnEscapeIsNeverCut)
{
    aux();
    const std::string long_text(250, 'x');
    deliver(raw_message(long_text));
    QStringList lines = log_lines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[1], QString(120, 'x'));
    EXPECT_EQ(lines[2], QString(120, 'x'));
    EXPECT_EQ(lines[3], QString(10, 'x'));

    // 119 characters leave no room for an escape: it starts the next line.
    aux().ResetDisplay(0);
    deliver(raw_message(std::string(119, 'y') + '\x01' + "z\r\n"));
    lines = log_lines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], QString(119, 'y'));
    EXPECT_EQ(lines[2], "\\01z");
}

TEST_F(PeripheralViewTest, TheByteCountShownIsWhatTheFrameHolds)
{
    aux();
    // Counts of 0, 6144 and 65535 with four body bytes in the frame: the frame's two bytes of
    // pad lie inside it, so a count above four shows them too, and nothing further.
    deliver(raw_message(0, "abcd"));
    deliver(raw_message(6144, "abcd"));
    deliver(raw_message(65535, "abcd"));
    const QStringList lines = log_lines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].endsWith("Aux 1: 0 bytes")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith("Aux 1: 6 bytes")) << lines[1].toStdString();
    EXPECT_EQ(lines[2], "abcd\\00\\00");
    EXPECT_TRUE(lines[3].endsWith("Aux 1: 6 bytes")) << lines[3].toStdString();
    EXPECT_EQ(lines[4], "abcd\\00\\00");

    // The largest body, 6144 bytes of 120-character lines, comes whole through the queue.
    aux().ResetDisplay(0);
    std::string largest;
    for (int line = 0; largest.size() < CGroup110::largest_body; ++line) {
        std::string text(118, static_cast<char>('A' + line % 26));
        largest += text + "\r\n";
    }
    largest.resize(CGroup110::largest_body);
    deliver(raw_message(largest));
    const QStringList whole = log_lines();
    EXPECT_TRUE(whole[0].endsWith("Aux 1: 6144 bytes")) << whole[0].toStdString();
    ASSERT_EQ(whole.size(), 1 + 52);
    EXPECT_EQ(whole[1], QString(118, 'A'));
    EXPECT_EQ(whole[52], QString(6144 - 51 * 120, 'Z'));
}

TEST_F(PeripheralViewTest, TheLogKeepsItsNewest1000Lines)
{
    aux();
    // Three messages of 600 lines each, "m:nnn".
    for (int message = 1; message <= 3; ++message) {
        std::string text;
        for (int line = 0; line < 600; ++line) {
            char numbered[8];
            std::snprintf(numbered, sizeof numbered, "%d:%03d\n", message, line);
            text += numbered;
        }
        deliver(raw_message(text));
    }
    QStringList lines = log_lines();
    ASSERT_EQ(lines.size(), 1000);
    EXPECT_EQ(lines.first(), "2:201");
    EXPECT_EQ(lines.last(), "3:599");

    // A second batch pushes out the oldest lines of the first.
    deliver(raw_message("a\nb"));
    lines = log_lines();
    ASSERT_EQ(lines.size(), 1000);
    EXPECT_EQ(lines.first(), "2:204");
    EXPECT_EQ(lines.last(), "b");
}

TEST_F(PeripheralViewTest, StoppingDropsLinesAndResumingSaysLinesWereSkipped)
{
    aux();
    EXPECT_EQ(aux().windowTitle(), "Raw Auxiliary GPS Data");
    EXPECT_EQ(WindowValues(aux()).value("ButtonStartStop"), "Stop");
    deliver(raw_message("before"));

    PressButton(aux(), "ButtonStartStop");
    EXPECT_EQ(aux().windowTitle(), "Raw Auxiliary GPS (Data Capture Stopped)");
    EXPECT_EQ(WindowValues(aux()).value("ButtonStartStop"), "Start");
    deliver(raw_message("dropped"));
    EXPECT_EQ(log_lines().size(), 2);

    PressButton(aux(), "ButtonStartStop");
    EXPECT_EQ(aux().windowTitle(), "Raw Auxiliary GPS Data");
    deliver(raw_message("after"));
    QStringList lines = log_lines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[1], "before");
    EXPECT_EQ(lines[2], "Skipping...");
    EXPECT_TRUE(lines[3].endsWith("Aux 1: 5 bytes"));
    EXPECT_EQ(lines[4], "after");

    // Nothing dropped since: no second note.
    deliver(raw_message("again"));
    EXPECT_EQ(log_lines().size(), 7);
}

TEST_F(PeripheralViewTest, SaveLogWritesEveryLineOldestFirst)
{
    aux();
    deliver(raw_message("one\r\ntwo"));
    PressButton(aux(), "ButtonSaveLog");
    EXPECT_EQ(feedback.file_choices.size(), 1u) << "cancelled: nothing written";

    feedback.chosen_file = folder.filePath("aux.txt");
    PressButton(aux(), "ButtonSaveLog");
    QFile file(feedback.chosen_file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString header = FormatTimeTag(3723.5, 2, false) + "  Aux 1: 8 bytes";
    EXPECT_EQ(QString::fromUtf8(file.readAll()), header + "\none\ntwo\n");

    feedback.chosen_file = "/dev/full";
    EXPECT_FALSE(aux().Save_message_log());
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_TRUE(feedback.boxes[0].text.contains("No space left on device"));
}

} // namespace
