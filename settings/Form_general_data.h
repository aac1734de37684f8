#pragma once
// The general data dialog: the date and time, the initial position and heading, and the initial
// position accuracy the computer starts from (Message 13). Before any echo it offers the PC's
// date and time, the zero position and the largest accuracy.

#include "settings/field_dialog.h"
#include "shell/Form_koru_settings.h"

#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class FormGeneralDataContent;
}

class TFormGeneralData : public TFormFields<TFormKoruSettings> {
    Q_OBJECT
public:
    explicit TFormGeneralData(QWidget *parent = nullptr);
    ~TFormGeneralData() override;

    bool UpdateFromMessage(int argument) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool entries_ready() override;

private:
    void show_defaults();

    std::unique_ptr<Ui::FormGeneralDataContent> m_ui;
    // Each selects the wrong part of its angle entry while that has the focus.
    std::vector<std::function<void()>> m_select_wrong_parts;
};
