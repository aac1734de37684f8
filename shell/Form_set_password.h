#pragma once
// Changes the settings password: the old one, and the new one twice.

#include "shell/Form_password_base.h"

#include <memory>

class QLabel;
class QLineEdit;
namespace Ui {
class FormSetPasswordContent;
}

class TFormSetPassword : public TFormPasswordBase {
    Q_OBJECT
public:
    static constexpr int shortest_password = 6;

    explicit TFormSetPassword(QWidget *parent = nullptr);
    ~TFormSetPassword() override;

    QLineEdit *OldPassword() const;
    QLineEdit *NewPassword1() const;
    QLineEdit *NewPassword2() const;
    QLabel *LabelNotes() const;
    // Changes the password: the old one, then the new one.
    void SendSettings(int argument) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool entries_ready() override;
    void refused() override;

private:
    // Tells the user what is wrong with the new password and lets them enter it again.
    void refuse_new_password(const QString &reason);

    std::unique_ptr<Ui::FormSetPasswordContent> m_ui;
};
