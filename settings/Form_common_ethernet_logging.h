#pragma once
// The Ethernet logging dialog's common part: per logging port (primary and secondary) which groups
// the computer streams and at which rate (Messages 3 and 16), and start and stop of recording
// that port to a file on the PC through the port's own PC data logger.

#include "settings/dialog_fields.h"
#include "shell/Form_koru_settings.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

class CGroup4;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class TFormDiskLogging;
class TRadioGroup;

namespace Ui {
class FormEthernetLoggingContent;
}

class TFormCommonEthernetLogging : public TFormKoruSettings {
    Q_OBJECT
public:
    enum EPort { primary = 0, secondary = 1 };
    static constexpr int port_count = 2;

    explicit TFormCommonEthernetLogging(const QString &name, QWidget *parent = nullptr);
    ~TFormCommonEthernetLogging() override;

    bool UpdateFromGroup(int argument) override;
    bool UpdateFromMessage(int argument) override;
    // Sends the primary port's message, then the secondary's.
    void SendSettings(int argument) override;

    // The port's PC data logger.
    TFormDiskLogging &logger(EPort port) const;

    // Sends the port's selection (when connected as the controller) and starts its logger on
    // the file named on its page.
    void StartLoggingClick(EPort port);
    void StopLoggingClick(EPort port);
    void CheckLogFileClick(EPort port);
    void ButtonBrowseClick(EPort port);
    void ButtonDeselectClick(EPort port);
    virtual void ButtonKoruProcClick(EPort) {}

protected:
    // The controls of one port's page.
    struct SPage {
        QListWidget *groups;
        QComboBox *rate;
        QGroupBox *file_box;
        QLineEdit *file_name;
        TRadioGroup *open_mode;
        QPushButton *browse;
        QCheckBox *log_to_file;
        QPushButton *start;
        QPushButton *stop;
        TFormDiskLogging *logger;
        QString name;             // "Primary", "Secondary": starts the captions of its boxes
        QString question_caption; // of the group-101 question
    };

    // Both lists offer `groups`, in order.
    void set_group_table(std::span<const std::uint16_t> groups);
    SPage &page(EPort port) { return m_pages[port]; }
    QTabWidget &pages() const;
    // The port's page as it stands while its logger records, or while it does not; file logging
    // may be taken away from a port altogether.
    void show_logging_state(EPort port);
    void allow_file_logging(EPort port, bool allowed);

    bool entries_ready() override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    SPage make_page(EPort port, const char *suffix, const QString &name,
                    const QString &question_caption, const QString &logger_name,
                    const QString &logger_caption);
    // Asks for group 101 on the port's page, then checks the port's fields.
    bool port_ready(EPort port);
    long send_port(EPort port);
    void show_imu_rate(std::uint8_t code);
    void show_logging_box(EPort port, const QString &text);

    std::unique_ptr<Ui::FormEthernetLoggingContent> m_ui;
    CDialog_fields m_fields;
    SPage m_pages[port_count];
    bool m_file_logging_allowed[port_count] = {true, true};
    CGroup4 *m_imu = nullptr;
    std::optional<std::uint8_t> m_imu_rate_code; // the last one shown
};
