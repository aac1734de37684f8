#include "platform/user_feedback.h"

#include <QApplication>
#include <QDialog>

namespace {

CUser_feedback &desktop_feedback()
{
    static CUser_feedback feedback;
    return feedback;
}

CUser_feedback *installed = nullptr;

CUser_feedback &current()
{
    return installed != nullptr ? *installed : desktop_feedback();
}

} // namespace

void CUser_feedback::beep()
{
    QApplication::beep();
}

QMessageBox::StandardButton CUser_feedback::show_box(const SMessage_box &box)
{
    QMessageBox message(box.icon, box.caption, box.text, box.buttons, box.parent);
    message.setWindowModality(Qt::ApplicationModal);
    if (box.default_button != QMessageBox::NoButton) {
        message.setDefaultButton(box.default_button);
    }
    if (box.stays_on_top) {
        message.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    return static_cast<QMessageBox::StandardButton>(message.exec());
}

int CUser_feedback::run_dialog(QDialog &dialog) { return dialog.exec(); }

CUser_feedback *SetUserFeedback(CUser_feedback *feedback)
{
    CUser_feedback *previous = installed;
    installed = feedback;
    return previous;
}

void Beep()
{
    current().beep();
}

QMessageBox::StandardButton ShowMessageBox(const SMessage_box &box)
{
    return current().show_box(box);
}

int RunDialog(QDialog &dialog)
{
    return current().run_dialog(dialog);
}
