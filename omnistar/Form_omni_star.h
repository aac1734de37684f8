#pragma once
// The OmniStar settings dialog: the correction service mode of the primary GNSS receiver and,
// for a custom satellite, its frequency and bit rate (Message 17).

#include "settings/dialog_fields.h"
#include "shell/Form_koru_settings.h"

#include <memory>

namespace Ui {
class FormOmniStarContent;
}

class TFormOmniStar : public TFormKoruSettings {
    Q_OBJECT
public:
    explicit TFormOmniStar(QWidget *parent = nullptr);
    ~TFormOmniStar() override;

    bool UpdateFromMessage(int argument) override;
    // Sends Message 17; a frequency and bit rate that do not apply are sent as 0 and shown so.
    void SendSettings(int argument) override;

protected:
    bool entries_ready() override;

private:
    // The satellite applies unless the service is off; frequency and bit rate only for a custom
    // satellite.
    void apply_enable_rule();

    std::unique_ptr<Ui::FormOmniStarContent> m_ui;
    CDialog_fields m_fields;
};
