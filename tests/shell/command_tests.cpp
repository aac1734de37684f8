// The commands of the main window's menus against a fake computer on loopback: each one's frame
// and transaction number, the confirmations, the password before guarded commands, and nothing
// at all while only monitoring.

#include "controller_fixture.h"
#include "app/window_rows.h"
#include "shell/Form_message_log.h"

#include <QAction>
#include <QDialog>
#include <QMenu>

namespace {

using namespace controller_test;

constexpr std::uint32_t user_not_logged_in = 1u << 6;

Bytes command(std::uint16_t number, std::uint16_t transaction, std::uint16_t value)
{
    Bytes body;
    frame_bytes::put_u16(body, value);
    return frame_bytes::message(number, transaction, body);
}

class CommandTest : public CController_fixture {
protected:
    // Opens the menus, as the user does before choosing an entry, then chooses it.
    void choose(const QString &entry)
    {
        for (QMenu *menu : form->findChildren<QMenu *>()) {
            QMetaObject::invokeMethod(menu, "aboutToShow");
        }
        form->menu_entry(entry)->trigger();
    }

    CWindow_table windows{*form, WindowRows()};
    CAnswering_computer answers{computer};
};

TEST_F(CommandTest, EachCommandSendsItsFrameWithTheNextTransactionNumber)
{
    connect_as_controller();
    feedback.answer = QMessageBox::Yes;
    const struct {
        const char *entry;
        std::uint16_t number;
        std::uint16_t value;
    } rows[] = {
        {"TwanStart1", 109, 1},    {"TwanStop1", 109, 0},   {"TwanForce1", 109, 3},
        {"TwanSuspend1", 109, 2},  {"UserSettings1", 9, 1}, {"FactoryDefault1", 9, 0},
        {"ConfigureGnss1", 10, 0}, {"ResetGnss1", 10, 1},   {"ResetTwan1", 14, 100},
        {"Reset1", 14, 101},       {"Shutdown1", 14, 102},  {"SaveSettings1", 8, 1},
    };
    std::vector<Bytes> expected;
    std::uint16_t transaction = 0;
    for (const auto &row : rows) {
        choose(row.entry);
        expected.push_back(command(row.number, ++transaction, row.value));
        ASSERT_TRUE(answers.wait_for_frames(expected.size())) << row.entry;
        EXPECT_EQ(answers.frames.back(), expected.back()) << row.entry;
    }
    EXPECT_EQ(answers.frames, expected);
}

TEST_F(CommandTest, ConfirmationsAskWithNoAsTheDefault)
{
    connect_as_controller();
    feedback.answer = QMessageBox::Yes;
    const std::pair<const char *, const char *> questions[] = {
        {"ConfigureGnss1", "Are you sure you want to reconfigure the GPS receiver?"},
        {"ResetGnss1", "GPS reset may take up to 2 minutes to complete.\nDo you wish to continue?"},
        {"ResetTwan1", "Are you sure you want to Reset TWAN?"},
        {"Reset1", "Are you sure you want to Reset KORU?"},
        {"Shutdown1", "Are you sure you want to Shutdown KORU?"},
    };
    for (const auto &[entry, question] : questions) {
        choose(entry);
        ASSERT_FALSE(feedback.boxes.empty());
        const SMessage_box &box = feedback.boxes.back();
        EXPECT_EQ(box.text, question);
        EXPECT_EQ(box.caption, "TARVO");
        EXPECT_EQ(box.icon, QMessageBox::Question);
        EXPECT_EQ(box.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box.default_button, QMessageBox::No);
    }
    EXPECT_EQ(feedback.boxes.size(), 5u);
    EXPECT_EQ(form->panel_text(4), "Waiting") << "the computer goes away after a reset";
}

TEST_F(CommandTest, NoToAConfirmationSendsNothingAndLeavesTheStatusBar)
{
    connect_as_controller();
    feedback.answer = QMessageBox::No;
    for (const char *entry :
         {"ConfigureGnss1", "ResetGnss1", "ResetTwan1", "Reset1", "Shutdown1"}) {
        choose(entry);
    }
    EXPECT_EQ(feedback.boxes.size(), 5u);
    EXPECT_EQ(form->panel_text(4), "Connected");
    choose("TwanStart1"); // needs no confirmation: the first thing the computer gets
    ASSERT_TRUE(answers.wait_for_frames(1));
    EXPECT_EQ(answers.frames, std::vector<Bytes>{command(109, 1, 1)});
}

TEST_F(CommandTest, GuardedCommandsAskForThePasswordWhileNotLoggedIn)
{
    connect_as_controller(user_not_logged_in);
    feedback.dialog_result = QDialog::Rejected;
    choose("TwanStart1");
    choose("UserSettings1");
    choose("FactoryDefault1");
    EXPECT_EQ(feedback.dialogs,
              (std::vector<QString>{"FormPassword", "FormPassword", "FormPassword"}));
    EXPECT_FALSE(form->menu_entry("LoadKoruConfig1")->icon().isNull()) << "the padlock";
    EXPECT_TRUE(form->menu_entry("TwanCalibration1Entry")->icon().isNull() == false);

    feedback.dialog_result = QDialog::Accepted;
    choose("FactoryDefault1");
    ASSERT_TRUE(answers.wait_for_frames(1));
    EXPECT_EQ(answers.frames, std::vector<Bytes>{command(9, 1, 0)}) << "cancelled: nothing sent";

    hear(status_group(0)); // logged in now
    choose("TwanStop1");
    EXPECT_EQ(feedback.dialogs.size(), 4u) << "no question once logged in";
    EXPECT_TRUE(form->menu_entry("LoadKoruConfig1")->icon().isNull());
    ASSERT_TRUE(answers.wait_for_frames(2));
    EXPECT_EQ(answers.frames.back(), command(109, 2, 0));
}

TEST_F(CommandTest, WhileOnlyMonitoringNothingIsSentNorAsked)
{
    hear(status_group(0, 0, user_not_logged_in));
    hear(status_group(0, 0, user_not_logged_in));
    for (QMenu *menu : form->findChildren<QMenu *>()) {
        QMetaObject::invokeMethod(menu, "aboutToShow");
    }
    for (const char *entry : {"TwanStart1", "SaveSettings1", "UserSettings1", "ConfigureGnss1",
                              "Reset1", "Shutdown1", "LoadKoruConfig1", "SetPassword1"}) {
        EXPECT_FALSE(form->menu_entry(entry)->isEnabled()) << entry;
    }
    EXPECT_TRUE(form->menu_entry("LoadKoruConfig1")->icon().isNull())
        << "no padlock on an entry that is off";
    // Reaching the commands anyway changes nothing.
    feedback.answer = QMessageBox::Yes;
    form->KoruControlClick(CMsg14_control::reset_computer);
    form->TwanCalibrationClick(CMessage109::start);
    form->SaveSettings1Click();
    EXPECT_TRUE(feedback.boxes.empty());
    EXPECT_TRUE(feedback.dialogs.empty());
    EXPECT_FALSE(program.save_progress->is_shown());
    EXPECT_EQ(form->panel_text(4), "Monitor");
}

TEST_F(CommandTest, StartWindowsAndDialogsHaveTheirEntries)
{
    for (QMenu *menu : form->findChildren<QMenu *>()) {
        QMetaObject::invokeMethod(menu, "aboutToShow");
    }
    for (const char *entry :
         {"MessageLog1", "CommandReply1", "SaveMessageLog1", "Options1", "SaveKoruConfig1"}) {
        EXPECT_TRUE(form->menu_entry(entry)->isEnabled()) << entry;
    }
    form->menu_entry("MessageLog1")->trigger();
    EXPECT_TRUE(windows.window_of<TFormMessageLog>("FormMessageLog").isVisible());

    program.options.system_menu = false;
    feedback.dialog_result = QDialog::Accepted;
    form->menu_entry("Options1")->trigger();
    EXPECT_EQ(feedback.dialogs.back(), "FormOptions");
}

} // namespace
