#pragma once
// The input and output port dialog: the three serial ports (Messages 102, 103 and 104) and the
// analog output (Message 105), and a diagnostics mode in which the operator puts test values out
// on COM2 and the analog output (Messages 20102 and 20103).

#include "settings/dialog_fields.h"
#include "shell/Form_koru_settings.h"

#include <array>
#include <cstdint>
#include <memory>

class CGroup4;
class CGroup_fdir;
class CMessage7;
class QCheckBox;
class QPushButton;

namespace Ui {
class FormOutputPortContent;
}

class TFormOutputPort : public TFormKoruSettings {
    Q_OBJECT
public:
    explicit TFormOutputPort(QWidget *parent = nullptr);
    ~TFormOutputPort() override;

    bool UpdateFromGroup(int argument) override;
    bool UpdateFromMessage(int argument) override;
    // Sends Messages 102, 103, 104 and 105, in that order.
    void SendSettings(int argument) override;

protected:
    // Every field of the four messages is checked; then a port about to be disabled is named in
    // a question, and declining it sends nothing.
    bool entries_ready() override;
    void showEvent(QShowEvent *event) override;

private:
    void bind_port_settings();
    void bind_diagnostics_values();
    // The controls that depend on the formats chosen: the TM1B delay, the auxiliary receiver's
    // protocol and the analog output's third channel.
    void show_format_controls();
    // What choosing a format sets besides: the rates and baud rates those formats need.
    void formula2_chosen(int index);
    void formula3_chosen(int index);
    // The faster COM2 rates of the IMUs that run at 250 or 300 Hz.
    void show_imu_rate(std::uint8_t code);
    void remember_enabled_ports();
    bool disabling_confirmed();
    // Switches the diagnostics mode on or off, once the computer was told to.
    void toggle_diagnostics(QWidget *focus_when_opened);
    void show_diagnostics(bool shown);
    void update_values(QPushButton *button, CDialog_fields &values);

    std::unique_ptr<Ui::FormOutputPortContent> m_ui;
    CDialog_fields m_fields;
    CDialog_fields m_com2_values;
    CDialog_fields m_analog_values;
    CGroup4 *m_imu = nullptr;
    CGroup_fdir *m_status = nullptr;
    CMessage7 *m_mode = nullptr;
    // COM1, COM2, COM3 and the analog output as they were at the last show or apply.
    std::array<QCheckBox *, 4> m_enables{};
    std::array<bool, 4> m_were_enabled{};
    std::uint8_t m_last_mode;
    std::uint8_t m_return_mode; // after diagnostics: standby, or navigate once navigating
    std::uint8_t m_imu_rate_code = 255;
};
