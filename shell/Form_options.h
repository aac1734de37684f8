#pragma once
// The controller's own options: prompts, alarms and which menus are shown. Nothing is sent to
// the computer, so Ok works without a connection.

#include "shell/Form_koru_settings.h"

#include <memory>

namespace Ui {
class FormOptionsContent;
}

class TFormOptions : public TFormKoruSettings {
    Q_OBJECT
public:
    explicit TFormOptions(QWidget *parent = nullptr);
    ~TFormOptions() override;

    // Writes the check boxes back into the program's options.
    void SendSettings(int argument) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::FormOptionsContent> m_ui;
};
