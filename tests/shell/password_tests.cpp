// The password dialogs and the guarded settings dialogs against a fake computer on loopback:
// the computer's verdict on the very Message 111 sent decides, any other answer is ignored.

#include "controller_fixture.h"
#include "app/window_rows.h"
#include "shell/Form_password.h"
#include "shell/Form_protect_settings.h"
#include "shell/Form_set_password.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace controller_test;

constexpr std::uint16_t password_incorrect = 12;

// Message 111 as the computer must receive it.
Bytes password_message(std::uint16_t transaction, std::uint8_t control, const char *password,
                       const char *new_password)
{
    Bytes body;
    frame_bytes::put_u8(body, control);
    for (const char *text : {password, new_password}) {
        Bytes field;
        frame_bytes::put_text(field, text);
        field.resize(20, std::byte{0});
        frame_bytes::append(body, field);
    }
    return frame_bytes::message(111, transaction, body);
}

class PasswordTest : public CController_fixture {
protected:
    PasswordTest() { connect_as_controller(); }

    // Types `text` into `entry` and presses Ok.
    void enter(QLineEdit *entry, const QString &text)
    {
        entry->setText(text);
        dialog_ok->click();
    }

    CWindow_table windows{*form, WindowRows()};
    CAnswering_computer answers{computer};
    QPushButton *dialog_ok = nullptr;
};

TEST_F(PasswordTest, WrongPasswordKeepsTheDialogOpenAndEmpty)
{
    TFormPassword dialog;
    dialog.show();
    dialog_ok = dialog.buttonOk();
    EXPECT_EQ(dialog.windowTitle(), "Enter Password");
    EXPECT_FALSE(dialog.buttonApply()->isVisible());
    EXPECT_EQ(dialog.buttonCancel()->text(), "Cancel");
    EXPECT_EQ(dialog.NewPassword1()->echoMode(), QLineEdit::Password);

    answers.codes[111] = password_incorrect;
    enter(dialog.NewPassword1(), "guess");
    ASSERT_TRUE(answers.wait_for_frames(1));
    EXPECT_EQ(answers.frames[0], password_message(1, 0, "guess", "guess"));
    ASSERT_TRUE(WaitFor([&] { return dialog.NewPassword1()->text().isEmpty(); }));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.NewPassword1());

    answers.codes[111] = 1;
    enter(dialog.NewPassword1(), "secret");
    ASSERT_TRUE(answers.wait_for_frames(2));
    EXPECT_EQ(answers.frames[1], password_message(2, 0, "secret", "secret"));
    ASSERT_TRUE(WaitFor([&] { return !dialog.isVisible(); }));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(PasswordTest, AnswersToOtherMessagesDoNotCloseIt)
{
    TFormPassword dialog;
    dialog.show();
    dialog_ok = dialog.buttonOk();
    answers.answering = false;
    enter(dialog.NewPassword1(), "secret");
    ASSERT_TRUE(answers.wait_for_frames(1));
    computer.write(acknowledgement(7, 1, 1));   // another message, same transaction number
    computer.write(acknowledgement(111, 1, 9)); // another Message 111
    computer.write(acknowledgement(2, 12, 1));
    ASSERT_TRUE(WaitFor([&] { return feedback.boxes.size() == 1; })) << "the rejection of 2";
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.NewPassword1()->text(), "secret");
    computer.write(acknowledgement(111, 1, 1));
    ASSERT_TRUE(WaitFor([&] { return !dialog.isVisible(); }));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(PasswordTest, NewPasswordMustBeLongEnoughAndConfirmed)
{
    TFormSetPassword dialog;
    dialog.show();
    dialog_ok = dialog.buttonOk();
    EXPECT_EQ(dialog.LabelNotes()->text(), "The new password replaces the old password. The "
                                           "minimum password length is 6 characters.");
    dialog.OldPassword()->setText("oldone");
    dialog.NewPassword2()->setText("short");
    enter(dialog.NewPassword1(), "short");
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(feedback.boxes[0].text, "New password is too short. Please enter a new Password "
                                      "with a minimum length of 6 characters.");
    EXPECT_EQ(feedback.boxes[0].caption, "TARVO");
    EXPECT_EQ(feedback.boxes[0].icon, QMessageBox::Information);
    EXPECT_TRUE(dialog.NewPassword1()->text().isEmpty());
    EXPECT_TRUE(dialog.NewPassword2()->text().isEmpty());
    EXPECT_EQ(dialog.OldPassword()->text(), "oldone");

    dialog.NewPassword2()->setText("second");
    enter(dialog.NewPassword1(), "firsts");
    ASSERT_EQ(feedback.boxes.size(), 2u);
    EXPECT_EQ(feedback.boxes[1].text, "Confirmation of the password does not match the new "
                                      "password! Please re-enter the new password again.");

    answers.codes[111] = password_incorrect;
    dialog.NewPassword2()->setText("sixsix");
    enter(dialog.NewPassword1(), "sixsix");
    ASSERT_TRUE(answers.wait_for_frames(1)) << "six characters are enough";
    EXPECT_EQ(answers.frames[0], password_message(1, 1, "oldone", "sixsix"));
    ASSERT_TRUE(WaitFor([&] { return dialog.OldPassword()->text().isEmpty(); }));
    EXPECT_TRUE(dialog.NewPassword1()->text().isEmpty());
    EXPECT_TRUE(dialog.isVisible());
}

// A guarded dialog that counts what it sends.
class TFormGuarded : public TFormProtectSettings {
public:
    TFormGuarded() : TFormProtectSettings("FormGuarded") {}
    void SendSettings(int) override { ++sent; }
    int sent = 0;
};

TEST_F(PasswordTest, GuardedDialogAsksForThePasswordWhileTheSetupIsProtected)
{
    TFormGuarded dialog;
    dialog.show();
    hear(status_group(0, 0, 1u << 6));
    EXPECT_TRUE(TFormProtectSettings::is_protected());
    feedback.dialog_result = QDialog::Rejected;
    dialog.buttonApply()->click();
    EXPECT_EQ(dialog.sent, 0);
    EXPECT_EQ(feedback.dialogs, std::vector<QString>{"FormPassword"});

    feedback.dialog_result = QDialog::Accepted;
    dialog.buttonApply()->click();
    EXPECT_EQ(dialog.sent, 1);
    EXPECT_FALSE(TFormProtectSettings::is_protected()) << "Apply with the password unlocks";
    dialog.buttonOk()->click();
    EXPECT_EQ(dialog.sent, 2);
    EXPECT_EQ(feedback.dialogs.size(), 2u);

    program.windows.reset_display();
    EXPECT_TRUE(TFormProtectSettings::is_protected()) << "another computer asks again";
    hear(status_group(0));
    EXPECT_FALSE(TFormProtectSettings::is_protected());
    EXPECT_FALSE(dialog.Image1()->pixmap().isNull());
}

// The notes under the entries wrap over several lines; the entries keep their full height.
TEST_F(PasswordTest, SetPasswordEntriesAreTallEnoughForTheirText)
{
    TFormSetPassword dialog;
    dialog.show();
    QCoreApplication::processEvents();
    for (QLineEdit *entry : {dialog.OldPassword(), dialog.NewPassword1(), dialog.NewPassword2()}) {
        EXPECT_GE(entry->height(), entry->minimumSizeHint().height()) << qPrintable(entry->objectName());
    }
}

} // namespace
