#pragma once
// The PC card logging dialog: which groups the computer records on its removable card, at which
// rate and under which file name, automatic logging from power-up, start and stop, and the
// card's state from Groups 8 and 101 (Message 4).

#include "settings/dialog_fields.h"
#include "shell/Form_koru_settings.h"

#include <cstdint>
#include <memory>
#include <optional>

class CGroup4;
class CGroup8;
class CGroup_fdir;
struct SStatus_words;

namespace Ui {
class FormScsiLoggingContent;
}

class TFormScsiLogging : public TFormKoruSettings {
    Q_OBJECT
public:
    explicit TFormScsiLogging(QWidget *parent = nullptr);
    ~TFormScsiLogging() override;

    bool UpdateFromGroup(int argument) override;
    bool UpdateFromMessage(int argument) override;
    void ResetDisplay(int argument) override;
    // Sends Message 4 with the recording as it runs now: applying other settings never starts or
    // stops it.
    void SendSettings(int argument) override;

protected:
    bool entries_ready() override;
    void showEvent(QShowEvent *event) override;

private:
    // Start (true) or stop (false): sends with that, then holds the buttons as pressed for the
    // next Group 101s while the computer takes the new state over.
    void start_or_stop(bool start);
    // Sends Message 4 with "Start Logging" as given; the bytes sent.
    long send_with(bool start_logging);
    void show_imu_rate(std::uint8_t code);
    void show_disk();
    void show_status();
    // Stop while the computer records, Start while it does not.
    void show_buttons(const SStatus_words &words);
    void post_processing();

    std::unique_ptr<Ui::FormScsiLoggingContent> m_ui;
    CDialog_fields m_fields;
    CGroup4 *m_imu = nullptr;
    CGroup8 *m_disk = nullptr;
    CGroup_fdir *m_status = nullptr;
    std::optional<std::uint8_t> m_imu_rate_code; // the last one shown
    int m_hold_off = 0;                          // Group 101s that leave the buttons as pressed
    bool m_start_logging = false;                // what the message being sent asks for
};
