#include "platform/user_feedback.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>

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

int CUser_feedback::run_dialog(QDialog &dialog)
{
    return dialog.exec();
}

QString CUser_feedback::choose_file(const SFile_choice &choice)
{
    QFileDialog dialog(choice.parent, choice.caption, choice.directory, choice.filter);
    dialog.setAcceptMode(choice.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(choice.default_suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

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

QString ChooseFile(const SFile_choice &choice)
{
    return current().choose_file(choice);
}
