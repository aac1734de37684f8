#pragma once
// The message log: a time-stamped line for every change of the computer's status bits, every
// zero velocity and position fix event, every change of mode and date, and what the main window
// reports (connections, rejected commands, alarms). Newest first; can be saved as a text file.

#include "protocol/command_messages.h"
#include "protocol/navigation_groups.h"
#include "shell/Form_koru_view.h"
#include "shell/message_log_records.h"
#include "shell/program.h"
#include "shell/status_changes.h"

#include <memory>
#include <vector>

class QListWidget;
class QPushButton;
namespace Ui {
class FormMessageLogContent;
}

class TFormMessageLog : public TFormKoruView, public IMessage_log {
    Q_OBJECT
public:
    // The log keeps this many lines; the oldest go first.
    static constexpr int most_lines = 1000;

    explicit TFormMessageLog(QWidget *parent = nullptr);
    ~TFormMessageLog() override;

    QListWidget *ListBox1() const;
    QPushButton *ButtonSaveLog() const;

    void add_line(const QString &text) override;
    bool has_unsaved_lines() const override { return !m_saved; }
    bool save() override;
    QStringList newest_lines(int count) const override;

    bool UpdateFromGroup(int argument) override;
    bool UpdateFromMessage(int argument) override;
    void ResetDisplay(int argument) override;

private:
    void set_prefix(CGroup_header &header);
    void log_status_changes();
    void log_zero_velocity();
    void log_position_fix();
    void log_mode();
    void log_date();

    std::unique_ptr<Ui::FormMessageLogContent> m_ui;
    CGroup_fdir *m_status = nullptr;
    CGroup511 *m_zero_velocity = nullptr;
    CGroup512 *m_position_fix = nullptr;
    CMessage7 *m_mode = nullptr;
    CMessage13 *m_general_data = nullptr;

    CStatus_changes m_status_changes;
    std::vector<int> m_change_texts;
    std::uint8_t m_logged_mode = 0;
    std::uint8_t m_logged_day = 0;
    std::uint8_t m_logged_month = 0;
    std::uint16_t m_logged_year = 0;
    QString m_prefix;
    bool m_saved = true;
};
