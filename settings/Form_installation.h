#pragma once
// The installation dialog: lever arms and mounting angles of the IMU, the antennas and the
// sensors, and the time tags, distance tag, auto start and multipath. It carries Messages 1 and
// 101 and opens on its first page or, from "Tags, Multipath && AutoStart...", on its third.

#include "settings/dialog_fields.h"
#include "shell/Form_koru_settings.h"

#include <memory>

namespace Ui {
class FormInstallationContent;
}

class TFormInstallation : public TFormKoruSettings {
    Q_OBJECT
public:
    explicit TFormInstallation(QWidget *parent = nullptr);
    ~TFormInstallation() override;

    bool UpdateFromMessage(int argument) override;
    // Sends Message 1, then Message 101.
    void SendSettings(int argument) override;

protected:
    bool entries_ready() override;

private:
    std::unique_ptr<Ui::FormInstallationContent> m_ui;
    CDialog_fields m_fields;
};
