#pragma once
// The progress of a save of the computer's settings to its non-volatile memory: a bar that
// slows down as it fills, until the computer reports success, or the time is up. A failure or a
// refusal closes the window; the main window reports those.

#include "protocol/acknowledgement.h"
#include "protocol/navigation_groups.h"
#include "shell/Form_koru_base.h"
#include "shell/program.h"

#include <memory>

class QLabel;
class QProgressBar;
class QTimer;
namespace Ui {
class FormSaveSettingsContent;
}

class TFormSaveSettings : public TFormKoruBase, public ISave_progress {
    Q_OBJECT
public:
    static constexpr int tick_milliseconds = 1000;
    static constexpr int first_step = 14;

    explicit TFormSaveSettings(QWidget *parent = nullptr);
    ~TFormSaveSettings() override;

    bool is_shown() const override { return isVisible(); }
    void show_after_save() override;

    QProgressBar *ProgressBar1() const;
    QLabel *LabelSavedOk() const;
    QLabel *LabelTimeout() const;
    QTimer *Timer1() const { return m_timer; }
    // One tick of the timer.
    void Timer1Timer();

    bool UpdateFromGroup(int argument) override;
    bool UpdateFromMessage(int argument) override;
    void ResetDisplay(int argument) override;

protected:
    void showEvent(QShowEvent *event) override;
    // Escape closes the window only once the outcome is shown.
    void reject() override;

private:
    void finish(QLabel *shown, QLabel *hidden);

    std::unique_ptr<Ui::FormSaveSettingsContent> m_ui;
    QTimer *m_timer;
    CGroup_fdir *m_status = nullptr;
    CMessage0 *m_message0 = nullptr;
    std::uint32_t m_previous_status_a = 0;
    int m_step = first_step;
};
