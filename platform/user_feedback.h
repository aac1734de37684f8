#pragma once
// The program's beeps, message boxes and modal dialogs go through one replaceable object, so
// that tests (and anything else that must not block) can take the place of the desktop's.

#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

struct SMessage_box {
    QWidget *parent = nullptr;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton default_button = QMessageBox::NoButton;
    bool stays_on_top = false;
};

// A file dialog: a save dialog asks before it replaces a file; an open dialog takes only a file
// that exists.
struct SFile_choice {
    QWidget *parent = nullptr;
    bool save = false;
    QString caption;
    QString directory;
    QString filter; // "Text files (*.txt);;All files (*)"
    QString default_suffix;
};

class CUser_feedback {
public:
    CUser_feedback() = default;
    CUser_feedback(const CUser_feedback &) = delete;
    CUser_feedback &operator=(const CUser_feedback &) = delete;
    virtual ~CUser_feedback() = default;

    // The desktop's warning sound.
    virtual void beep();
    // An application-modal box; returns the button pressed.
    virtual QMessageBox::StandardButton show_box(const SMessage_box &box);
    // Shows a dialog modally until it is closed; returns its result.
    virtual int run_dialog(QDialog &dialog);
    // Asks for a file; returns its path, or an empty text when the user gave up.
    virtual QString choose_file(const SFile_choice &choice);
};

// Installs `feedback` (not owned) in place of the desktop's; null restores the desktop's.
// Returns the one installed before.
CUser_feedback *SetUserFeedback(CUser_feedback *feedback);

void Beep();
QMessageBox::StandardButton ShowMessageBox(const SMessage_box &box);
int RunDialog(QDialog &dialog);
QString ChooseFile(const SFile_choice &choice);
