#pragma once
// The yaw drift correction dialog: the correction the computer applies to a stabilised camera
// platform (Message 20201) and the platform's gimbal stabilization (Message 20205). Each has an
// Apply button of its own; Ok and the dialog's Apply send both, the correction first.

#include "settings/dialog_fields.h"
#include "shell/Form_koru_settings.h"

#include <memory>

namespace Ui {
class FormYawDriftCorrectionContent;
}

class TFormYawDriftCorrection : public TFormKoruSettings {
    Q_OBJECT
public:
    explicit TFormYawDriftCorrection(QWidget *parent = nullptr);
    ~TFormYawDriftCorrection() override;

    bool UpdateFromMessage(int argument) override;
    // Sends Message 20201, then Message 20205.
    void SendSettings(int argument) override;

protected:
    bool entries_ready() override;
    void showEvent(QShowEvent *event) override;

private:
    // Sends the one message of `fields` when its entries are good.
    void apply_one(QPushButton *button, CDialog_fields &fields);

    std::unique_ptr<Ui::FormYawDriftCorrectionContent> m_ui;
    CDialog_fields m_yaw_drift;
    CDialog_fields m_stabilization;
};
