#pragma once
// Asks for the settings password before a guarded change, and logs in with it.

#include "shell/Form_password_base.h"

#include <memory>

class QLineEdit;
namespace Ui {
class FormPasswordContent;
}

class TFormPassword : public TFormPasswordBase {
    Q_OBJECT
public:
    explicit TFormPassword(QWidget *parent = nullptr);
    ~TFormPassword() override;

    QLineEdit *NewPassword1() const;
    // Logs in: the entered password in both fields of Message 111.
    void SendSettings(int argument) override;

protected:
    void showEvent(QShowEvent *event) override;
    void refused() override;

private:
    void clear_entry();

    std::unique_ptr<Ui::FormPasswordContent> m_ui;
};
