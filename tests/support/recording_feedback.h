#pragma once
// Takes the place of the desktop's beeps and message boxes while it lives, and records them.

#include "platform/user_feedback.h"

#include <QDialog>

#include <vector>

class CRecording_feedback : public CUser_feedback {
public:
    CRecording_feedback() : m_previous(SetUserFeedback(this)) {}
    ~CRecording_feedback() override { SetUserFeedback(m_previous); }

    void beep() override { ++beeps; }
    QMessageBox::StandardButton show_box(const SMessage_box &box) override
    {
        boxes.push_back(box);
        return answer;
    }

    int run_dialog(QDialog &dialog) override
    {
        dialogs.push_back(dialog.objectName());
        return dialog_result;
    }

    QString choose_file(const SFile_choice &choice) override
    {
        file_choices.push_back(choice);
        return chosen_file;
    }

    int beeps = 0;
    std::vector<SMessage_box> boxes;
    // The object names of the dialogs shown modally, and what each answers.
    std::vector<QString> dialogs;
    int dialog_result = 0;
    // The file dialogs asked, and the file every one of them answers (empty: cancelled).
    std::vector<SFile_choice> file_choices;
    QString chosen_file;
    // What every box answers.
    QMessageBox::StandardButton answer = QMessageBox::Ok;

private:
    CUser_feedback *m_previous;
};
