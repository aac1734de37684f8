// The message log against a fake computer on loopback: the lines for status changes, events,
// modes and dates, with their time stamps; the main window's lines; the 1000-line limit;
// saving, and the question at exit.

#include "controller_fixture.h"
#include "app/window_rows.h"
#include "display/formats.h"
#include "shell/Form_message_log.h"
#include "shell/window_values.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>

namespace {

using namespace controller_test;

// A group whose Time 1 is `time` of time type `type`.
Bytes timed_group(std::uint16_t number, double time, std::uint8_t type, const Bytes &body)
{
    Bytes full;
    frame_bytes::put_f64(full, time);
    frame_bytes::put_f64(full, 0.0);
    frame_bytes::put_f64(full, 1.0);
    frame_bytes::put_u8(full, type);
    frame_bytes::put_u8(full, 0);
    frame_bytes::append(full, body);
    return frame_bytes::make_frame("$GRP", number, full);
}

Bytes fdir_group(double time, std::uint32_t status_b, std::uint16_t fdir_4)
{
    Bytes body;
    frame_bytes::put_u32(body, 1u << 13); // General Status A: PC Card logging file open
    frame_bytes::put_u32(body, status_b);
    frame_bytes::put_u32(body, 0);
    frame_bytes::put_u32(body, 0);
    frame_bytes::put_u16(body, 0);
    frame_bytes::put_u16(body, 0);
    frame_bytes::put_u16(body, 0);
    frame_bytes::put_u16(body, fdir_4);
    frame_bytes::put_u16(body, 0);
    return timed_group(101, time, 1, body);
}

Bytes zero_velocity(std::uint16_t flag, std::uint16_t mode)
{
    Bytes body;
    frame_bytes::put_u16(body, flag);
    frame_bytes::put_u16(body, mode);
    frame_bytes::put_f32(body, 0.25f);
    frame_bytes::put_f32(body, 1.5f);
    frame_bytes::put_u32(body, 42);
    return timed_group(511, 7200.0, 0, body);
}

Bytes position_fix()
{
    Bytes body;
    frame_bytes::put_text(body, "BASE-7");
    body.resize(16, std::byte{0});
    frame_bytes::put_u16(body, 1);
    frame_bytes::put_u16(body, 2);
    frame_bytes::put_f64(body, 45.5);
    frame_bytes::put_f64(body, -73.25);
    frame_bytes::put_f64(body, 120.125);
    frame_bytes::put_f32(body, 0.5f);
    frame_bytes::put_f32(body, 0.25f);
    frame_bytes::put_f32(body, 1.0f);
    frame_bytes::put_u32(body, 3);
    return timed_group(512, 90061.0, 2, body);
}

class MessageLogTest : public CController_fixture {
protected:
    // The computer is selected by its first frame, which starts the log afresh.
    MessageLogTest() { hear(status_group(0)); }

    TFormMessageLog &log() { return windows.window_of<TFormMessageLog>("FormMessageLog"); }
    QStringList lines() { return log().newest_lines(TFormMessageLog::most_lines); }

    CWindow_table windows{*form, WindowRows()};
};

TEST_F(MessageLogTest, StatusChangesAreLoggedInTableOrderWithTheGroupsTime)
{
    hear(fdir_group(3725.0, (1u << 9) | (1u << 19), 1u << 2));
    hear(fdir_group(3726.0, 1u << 18, 0));
    EXPECT_EQ(lines(), (QStringList{
                           "   1:02:05 GPS  PC Card logging file open",
                           "   1:02:05 GPS  TWAN solution in use",
                           "   1:02:05 GPS  Primary GPS mode: Differential",
                           "   1:02:05 GPS  TWAN heading rejected",
                           "   1:02:06 GPS  Primary GPS mode: C/A",
                           "   1:02:06 GPS  TWAN heading reject cleared",
                       }))
        << "the TWAN solution is not lost yet";
    for (int group = 0; group < 5; ++group) {
        hear(fdir_group(3727.0 + group, 1u << 18, 0));
    }
    EXPECT_EQ(lines().size(), 7);
    EXPECT_EQ(lines().last(), "   1:02:11 GPS  TWAN solution NOT in use");
    EXPECT_EQ(log().ListBox1()->item(0)->text(), lines().last()) << "newest at the top";
    EXPECT_EQ(WindowValues(log()).value("ListBox1[0]"), lines().last())
        << "read from outside, a log line is its text alone: it has no check mark";
}

TEST_F(MessageLogTest, EventsAreLoggedWithTheirValues)
{
    hear(zero_velocity(0, 1));
    hear(zero_velocity(1, 2));
    hear(zero_velocity(4, 9));
    hear(position_fix());
    EXPECT_EQ(
        lines(),
        (QStringList{
            "   2:00:00 KORU  Zero Velocity manual start, H/V Threshold=(0.250,1.500) count=42",
            "   2:00:00 KORU  Zero Velocity auto end, H/V Threshold=(0.250,1.500) count=42",
            "   2:00:00 KORU  Zero Velocity mode=9, start=4, H/V Threshold=(0.250,1.500) "
            "count=42",
            "   1:01:01 UTC  Position Fix auto end, BASE-7, " + FormatLatitude(45.5, 2) + ", " +
                FormatLongitude(-73.25, 2) + ", 120.125, N/E/D RMS=(0.500, 0.250, 1.000) count=3",
        }));
}

TEST_F(MessageLogTest, ModeAndDateChangesAreLoggedOnce)
{
    hear(frame_bytes::message(7, 0, {std::byte{2}, std::byte{0}}));
    hear(views_notice());
    hear(views_notice());
    hear(frame_bytes::message(7, 0, {std::byte{9}, std::byte{0}}));
    hear(views_notice());
    EXPECT_EQ(lines(),
              (QStringList{"   0:00:00 KORU  Navigate Mode", "   0:00:00 KORU  Invalid Mode"}));
}

TEST_F(MessageLogTest, MainWindowLinesUseThePrefixOfTheLastGroup)
{
    connect_as_controller();
    computer.write(acknowledgement(7, 9));
    ASSERT_TRUE(WaitFor([&] { return lines().size() == 2; }));
    EXPECT_EQ(lines(), (QStringList{"   0:00:00 KORU  Connected as controller to 127.0.0.2",
                                    "   0:00:00 KORU  Message 7 rejected! Byte Count Error."}));
}

TEST_F(MessageLogTest, TheLogKeepsTheNewestThousandLines)
{
    for (int line = 1; line <= 1001; ++line) {
        log().add_line(QString::number(line));
    }
    log().add_line({});
    EXPECT_EQ(log().ListBox1()->count(), 1000);
    EXPECT_EQ(lines().first(), "   0:00:00 KORU  2");
    EXPECT_EQ(lines().last(), "   0:00:00 KORU  1001");
}

TEST_F(MessageLogTest, SavingWritesNewestFirstAndMarksTheLogSaved)
{
    EXPECT_FALSE(log().has_unsaved_lines());
    log().add_line("first");
    log().add_line("second");
    EXPECT_TRUE(log().has_unsaved_lines());

    EXPECT_FALSE(log().save()) << "cancelled";
    EXPECT_TRUE(log().has_unsaved_lines());

    feedback.chosen_file = folder.filePath("log.txt");
    program.options.data_dir = "/nowhere";
    log().ButtonSaveLog()->click();
    EXPECT_FALSE(log().has_unsaved_lines());
    ASSERT_EQ(feedback.file_choices.size(), 2u);
    EXPECT_TRUE(feedback.file_choices[1].save);
    EXPECT_EQ(feedback.file_choices[1].directory, "/nowhere");
    EXPECT_EQ(feedback.file_choices[1].default_suffix, "txt");
    EXPECT_EQ(program.options.data_dir, folder.path());
    QFile file(feedback.chosen_file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "   0:00:00 KORU  second\n   0:00:00 KORU  first\n");
}

// The box names the file and the system's reason, so that the user knows what to change.
TEST_F(MessageLogTest, AFailedSaveSaysWhyAndKeepsTheLinesUnsaved)
{
    log().add_line("first");
    feedback.chosen_file = folder.filePath("no such folder/log.txt");
    EXPECT_FALSE(log().save());
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_TRUE(feedback.boxes[0].text.contains(feedback.chosen_file));
    EXPECT_TRUE(feedback.boxes[0].text.contains("No such file or directory"))
        << feedback.boxes[0].text.toStdString();

    // A device that takes no bytes fails when the lines are flushed, not when it opens.
    feedback.chosen_file = "/dev/full";
    EXPECT_FALSE(log().save());
    ASSERT_EQ(feedback.boxes.size(), 2u);
    EXPECT_TRUE(feedback.boxes[1].text.contains("No space left on device"))
        << feedback.boxes[1].text.toStdString();
    EXPECT_TRUE(log().has_unsaved_lines());
}

TEST_F(MessageLogTest, ExitAsksToSaveUnsavedLinesAndCancelKeepsTheProgram)
{
    log().add_line("something happened");
    feedback.answer = QMessageBox::Cancel;
    form->close();
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(feedback.boxes[0].text, "Message log has changed.\nSave message log before exiting?");

    feedback.answer = QMessageBox::Yes;
    feedback.chosen_file = folder.filePath("exit.txt");
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(QFile::exists(feedback.chosen_file));
}

TEST_F(MessageLogTest, AnotherComputerEmptiesTheLogAndNothingIsLeftToSave)
{
    hear(fdir_group(10.0, 0, 1u << 4));
    ASSERT_FALSE(lines().isEmpty());
    CUdp_sender other{3};
    hear(other, status_group(0));
    form->SelectComputer(loopback(3));
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_FALSE(log().has_unsaved_lines());
    form->close();
    EXPECT_TRUE(feedback.boxes.empty()) << "nothing to save at exit";

    hear(other, fdir_group(11.0, 0, 1u << 4));
    EXPECT_EQ(lines(), (QStringList{"   0:00:11 GPS  PC Card logging file open",
                                    "   0:00:11 GPS  DMI position measurement rejected"}))
        << "the words start again from 0";
}

} // namespace
