// Settings files through the main window against a fake computer on loopback: what is stored,
// what a load sends and with which transaction numbers, and what the user is told.

#include "controller_fixture.h"
#include "app/window_rows.h"

#include "setting_frames.h"
#include "test_records.h"

#include <QDialog>
#include <QFile>
#include <QStatusBar>

#include "shell/Form_message_log.h"

namespace {

using namespace controller_test;

Bytes settings_echo(std::uint16_t number, std::uint8_t seed, std::size_t length)
{
    return frame_bytes::message(number, 500 + seed, frame_bytes::filler(length, seed));
}

Bytes read_file(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    return Bytes(reinterpret_cast<const std::byte *>(bytes.constData()),
                 reinterpret_cast<const std::byte *>(bytes.constData()) + bytes.size());
}

void write_file(const QString &path, const std::vector<Bytes> &frames)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (const Bytes &frame : frames) {
        file.write(reinterpret_cast<const char *>(frame.data()), static_cast<qint64>(frame.size()));
    }
}

// `frame` as sent again with `transaction`: the same bytes, a new transaction number and a
// checksum that fits.
Bytes resent(Bytes frame, std::uint16_t transaction)
{
    frame[8] = std::byte{static_cast<std::uint8_t>(transaction & 0xFF)};
    frame[9] = std::byte{static_cast<std::uint8_t>(transaction >> 8)};
    const std::size_t checksum_at = frame.size() - 4;
    frame[checksum_at] = std::byte{0};
    frame[checksum_at + 1] = std::byte{0};
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < frame.size(); i += 2) {
        sum += u16_at(frame, i);
    }
    const auto checksum = static_cast<std::uint16_t>(0x10000u - (sum & 0xFFFFu));
    frame[checksum_at] = std::byte{static_cast<std::uint8_t>(checksum & 0xFF)};
    frame[checksum_at + 1] = std::byte{static_cast<std::uint8_t>(checksum >> 8)};
    return frame;
}

class SettingsFileFormTest : public CController_fixture {
protected:
    SettingsFileFormTest()
    {
        Get(program.messages, list_record); // a settings message the program keeps a copy of
    }

    CWindow_table windows{*form, WindowRows()};
    CAnswering_computer answers{computer};
    CTest_list_message *list_record = nullptr;
};

TEST_F(SettingsFileFormTest, StoringRightAfterStartGivesAnEmptyFile)
{
    feedback.chosen_file = folder.filePath("empty.nvm");
    form->SaveKoruConfig1Click();
    ASSERT_EQ(feedback.file_choices.size(), 1u);
    EXPECT_TRUE(feedback.file_choices[0].save);
    EXPECT_EQ(feedback.file_choices[0].default_suffix, "nvm");
    EXPECT_TRUE(read_file(feedback.chosen_file).empty());
    EXPECT_TRUE(feedback.boxes.empty());
}

TEST_F(SettingsFileFormTest, StoreThenLoadSendsTheSameFramesWithNewTransactionNumbers)
{
    connect_as_controller();
    const Bytes list = settings_echo(CTest_list_message::number_of_record, 3, 20);
    Bytes groups;
    frame_bytes::put_u16(groups, 2);
    frame_bytes::put_u16(groups, 1);
    frame_bytes::put_u16(groups, 101);
    const Bytes display_groups = frame_bytes::message(2, 600, groups);
    const Bytes mode = frame_bytes::message(7, 601, {std::byte{2}, std::byte{0}});
    for (const Bytes &echo : {list, mode, display_groups}) {
        hear(echo);
    }
    feedback.chosen_file = folder.filePath("koru.nvm");
    form->SaveKoruConfig1Click();
    // In the order the program first asked for each record: the mode, then the display groups,
    // then the test's own.
    Bytes expected = mode;
    frame_bytes::append(expected, display_groups);
    frame_bytes::append(expected, list);
    EXPECT_EQ(read_file(feedback.chosen_file), expected);

    form->LoadKoruConfig1Click();
    EXPECT_TRUE(feedback.file_choices.back().filter.contains("*.NVM")) << "either case";
    ASSERT_TRUE(answers.wait_for_frames(2));
    EXPECT_EQ(answers.frames, (std::vector<Bytes>{resent(display_groups, 1), resent(list, 2)}))
        << "the mode is never sent from a file";
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(feedback.boxes[0].text, "Settings sent to KORU: 2.\nLeft out on purpose: mode (1).");
    EXPECT_EQ(feedback.boxes[0].caption, "TARVO Message");
}

// Storing says what went where, in the status bar and the message log.
TEST_F(SettingsFileFormTest, StoringTellsHowManyFramesWentToWhichFile)
{
    hear(status_group(0)); // selects the computer
    hear(settings_echo(CTest_list_message::number_of_record, 3, 20));
    feedback.chosen_file = folder.filePath("koru.nvm");
    form->SaveKoruConfig1Click();
    EXPECT_EQ(form->findChild<QStatusBar *>("StatusBar1")->currentMessage(),
              QString("1 settings stored in %1.").arg(feedback.chosen_file));
    EXPECT_TRUE(windows.window_of<TFormMessageLog>("FormMessageLog").newest_lines(1).value(0).endsWith(
        QString("1 settings stored in %1.").arg(feedback.chosen_file)));
    EXPECT_TRUE(feedback.boxes.empty());
}

// A file with nothing to send is not reported as a success of nothing.
TEST_F(SettingsFileFormTest, AFileWithoutSettingsFramesSaysSoAndSendsNothing)
{
    connect_as_controller();
    feedback.chosen_file = folder.filePath("empty.nvm");
    write_file(feedback.chosen_file, {});
    form->LoadKoruConfig1Click();
    Bytes noise;
    for (int i = 0; i < 3000; ++i) {
        noise.push_back(std::byte{static_cast<std::uint8_t>((i * 73 + 11) % 251)});
    }
    feedback.chosen_file = folder.filePath("noise.nvm");
    write_file(feedback.chosen_file, {noise});
    form->LoadKoruConfig1Click();
    ASSERT_EQ(feedback.boxes.size(), 2u);
    EXPECT_EQ(feedback.boxes[0].text,
              folder.filePath("empty.nvm") + " holds no settings frames: nothing was sent.");
    EXPECT_EQ(feedback.boxes[1].text,
              folder.filePath("noise.nvm") + " holds no settings frames: nothing was sent.");
    EXPECT_EQ(feedback.boxes[1].icon, QMessageBox::Warning);
    QTest::qWait(50);
    answers.read();
    EXPECT_TRUE(answers.frames.empty());
}

TEST_F(SettingsFileFormTest, CorruptFrameInTheMiddleIsReportedAndNeverSent)
{
    connect_as_controller();
    const Bytes first = settings_echo(50, 1, 20);
    Bytes corrupt = settings_echo(51, 2, 20);
    corrupt[14] ^= std::byte{0x01};
    const Bytes last = settings_echo(52, 3, 20);
    feedback.chosen_file = folder.filePath("damaged.NVM");
    write_file(feedback.chosen_file, {first, corrupt, last});

    form->LoadKoruConfig1Click();
    ASSERT_TRUE(answers.wait_for_frames(2));
    EXPECT_EQ(answers.frames, (std::vector<Bytes>{resent(first, 1), resent(last, 2)}));
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(feedback.boxes[0].text, "Settings sent to KORU: 2.\nDamaged settings skipped: 1.");
    EXPECT_EQ(feedback.boxes[0].caption, "TARVO Warning");
    EXPECT_EQ(feedback.boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(program.options.data_dir, folder.path());
}

TEST_F(SettingsFileFormTest, LoadWithoutThePasswordSendsNothing)
{
    connect_as_controller(1u << 6);
    feedback.chosen_file = folder.filePath("koru.nvm");
    write_file(feedback.chosen_file, {settings_echo(50, 1, 20)});
    feedback.dialog_result = QDialog::Rejected;
    form->LoadKoruConfig1Click();
    EXPECT_EQ(feedback.dialogs, std::vector<QString>{"FormPassword"});
    EXPECT_TRUE(feedback.boxes.empty());

    feedback.dialog_result = QDialog::Accepted;
    form->LoadKoruConfig1Click();
    ASSERT_TRUE(answers.wait_for_frames(1));
    EXPECT_EQ(answers.frames, std::vector<Bytes>{resent(settings_echo(50, 1, 20), 1)})
        << "nothing went out the first time";
}

TEST_F(SettingsFileFormTest, FileThatCannotBeOpenedIsReported)
{
    connect_as_controller();
    feedback.chosen_file = folder.filePath("missing.nvm");
    form->LoadKoruConfig1Click();
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(feedback.boxes[0].caption, "TARVO Error");
    EXPECT_TRUE(feedback.boxes[0].text.contains("missing.nvm"));
}

// PC card logging stored while the card was idle, loaded while it records: the recording goes
// on, as the last Group 101 reported it.
TEST_F(SettingsFileFormTest, LoadingKeepsThePcCardRecordingAsTheComputerReportsIt)
{
    connect_as_controller();
    setting_frames::SPc_card stored;
    stored.groups = {1, 101, 10001};
    stored.rate = 50;
    feedback.chosen_file = folder.filePath("idle.nvm");
    write_file(feedback.chosen_file, {stored.message(700)});

    hear(status_group(1u << 14 | 1u << 13)); // writing
    form->LoadKoruConfig1Click();
    ASSERT_TRUE(answers.wait_for_frames(1));
    setting_frames::SPc_card recording = stored;
    recording.control = 1;
    EXPECT_EQ(answers.frames[0], recording.message(1));

    hear(status_group(0)); // idle
    form->LoadKoruConfig1Click();
    ASSERT_TRUE(answers.wait_for_frames(2));
    EXPECT_EQ(answers.frames[1], stored.message(2));
}

} // namespace
