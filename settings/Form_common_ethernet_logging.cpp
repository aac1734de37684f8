#include "settings/Form_common_ethernet_logging.h"

#include "controls/radio_group.h"
#include "platform/user_feedback.h"
#include "platform/window_message.h"
#include "protocol/navigation_groups.h"
#include "resources/texts.h"
#include "settings/Form_disk_logging.h"
#include "settings/ethernet_logging_records.h"
#include "settings/logging_groups.h"
#include "ui_Form_common_ethernet_logging.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace {

// Posted by each port's logger when it stops.
constexpr int primary_logger_stopped = 36768;
constexpr int secondary_logger_stopped = 36770;
constexpr int logger_stopped[] = {primary_logger_stopped, secondary_logger_stopped};

constexpr std::uint16_t logging_ports[] = {5602, 5603};

constexpr int browse_caption = 12300;
constexpr int error_suffix = 12301;
constexpr int cannot_open_file = 12304;
constexpr int file_not_valid = 12305;
constexpr int secondary_logger_caption = 12306;

template <class TControl>
TControl *control(const QObject &form, const char *name, const char *suffix)
{
    return form.findChild<TControl *>(QString::fromLatin1(name) + QString::fromLatin1(suffix));
}

} // namespace

TFormCommonEthernetLogging::TFormCommonEthernetLogging(const QString &name, QWidget *parent)
    : TFormKoruSettings(name, parent),
      m_ui(std::make_unique<Ui::FormEthernetLoggingContent>()),
      m_fields(*this)
{
    setWindowTitle(tr("Ethernet Logging Control"));
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);

    m_pages[primary] =
        make_page(primary, "A", tr("Primary"), tr("Primary Data Port: Confirm Action"),
                  "FormDiskLogging", tr("KORU Ethernet Logging Status"));
    m_pages[secondary] =
        make_page(secondary, "B", tr("Secondary"), tr("Secondary Data Port: Confirm Action"),
                  "FormSecDiskLogging", LoadText(secondary_logger_caption));

    auto &primary_port = m_fields.message<CMessage3>();
    primary_port.group_list("GroupSelectA");
    primary_port.choice("OutputRateA", &CMessage3::output_rate, {.unchosen = 1});
    auto &secondary_port = m_fields.message<CMessage16>();
    secondary_port.group_list("GroupSelectB");
    secondary_port.choice("OutputRateB", &CMessage16::output_rate, {.unchosen = 1});

    Get(Program().groups, m_imu);
}

TFormCommonEthernetLogging::~TFormCommonEthernetLogging() = default;

auto TFormCommonEthernetLogging::make_page(EPort port, const char *suffix, const QString &name,
                                           const QString &question_caption,
                                           const QString &logger_name,
                                           const QString &logger_caption) -> SPage
{
    SPage made{
        .groups = control<QListWidget>(*this, "GroupSelect", suffix),
        .rate = control<QComboBox>(*this, "OutputRate", suffix),
        .file_box = control<QGroupBox>(*this, "LogFile", suffix),
        .file_name = control<QLineEdit>(*this, "Filename", suffix),
        .open_mode = control<TRadioGroup>(*this, "OpenModeControl", suffix),
        .browse = control<QPushButton>(*this, "ButtonBrowse", suffix),
        .log_to_file = control<QCheckBox>(*this, "CheckLogFile", suffix),
        .start = control<QPushButton>(*this, "StartLogging", suffix),
        .stop = control<QPushButton>(*this, "StopLogging", suffix),
        .logger = new TFormDiskLogging(logger_name, logger_caption, this),
        .name = name,
        .question_caption = question_caption,
    };
    FillLoggingRates(*made.rate, std::nullopt);
    made.rate->setCurrentIndex(0);
    made.logger->set_port(logging_ports[port]);
    made.logger->set_owner_notice(this, logger_stopped[port]);

    connect(made.start, &QPushButton::clicked, this, [this, port] { StartLoggingClick(port); });
    connect(made.stop, &QPushButton::clicked, this, [this, port] { StopLoggingClick(port); });
    connect(made.log_to_file, &QCheckBox::clicked, this, [this, port] { CheckLogFileClick(port); });
    connect(made.browse, &QPushButton::clicked, this, [this, port] { ButtonBrowseClick(port); });
    connect(control<QPushButton>(*this, "ButtonDeselect", suffix), &QPushButton::clicked, this,
            [this, port] { ButtonDeselectClick(port); });
    connect(control<QPushButton>(*this, "ButtonKoruProc", suffix), &QPushButton::clicked, this,
            [this, port] { ButtonKoruProcClick(port); });
    return made;
}

void TFormCommonEthernetLogging::set_group_table(std::span<const std::uint16_t> groups)
{
    for (SPage &each : m_pages) {
        FillGroupLines(*each.groups, groups);
    }
    m_imu_rate_code.reset();
}

QTabWidget &TFormCommonEthernetLogging::pages() const
{
    return *m_ui->PageControl1;
}

TFormDiskLogging &TFormCommonEthernetLogging::logger(EPort port) const
{
    return *m_pages[port].logger;
}

bool TFormCommonEthernetLogging::UpdateFromGroup(int)
{
    if (!m_imu->is_current() || !m_imu->has_value(m_imu->data_rate())) {
        return false;
    }
    show_imu_rate(m_imu->data_rate().get());
    return true;
}

void TFormCommonEthernetLogging::show_imu_rate(std::uint8_t code)
{
    if (m_imu_rate_code == code) {
        return;
    }
    m_imu_rate_code = code;
    for (SPage &each : m_pages) {
        ShowImuRate(*each.groups, *each.rate, ImuRateOf(code));
    }
}

bool TFormCommonEthernetLogging::UpdateFromMessage(int)
{
    m_fields.load();
    return false;
}

// Post-processing needs group 101: the user is offered it on each page before anything is sent.
bool TFormCommonEthernetLogging::entries_ready()
{
    for (SPage &each : m_pages) {
        OfferGroup101(*each.groups, this, each.question_caption);
    }
    return m_fields.check();
}

void TFormCommonEthernetLogging::SendSettings(int)
{
    m_fields.send();
}

bool TFormCommonEthernetLogging::port_ready(EPort port)
{
    OfferGroup101(*m_pages[port].groups, this, m_pages[port].question_caption);
    return port == primary ? m_fields.check_only<CMessage3>() : m_fields.check_only<CMessage16>();
}

long TFormCommonEthernetLogging::send_port(EPort port)
{
    return port == primary ? m_fields.send_only<CMessage3>() : m_fields.send_only<CMessage16>();
}

void TFormCommonEthernetLogging::StartLoggingClick(EPort port)
{
    SPage &at = m_pages[port];
    IController *controller = Program().controller;
    const bool connected = controller != nullptr && controller->is_controller();
    if (connected) {
        if (!port_ready(port)) {
            return;
        }
        send_port(port);
    }
    if (!at.log_to_file->isChecked() || !at.log_to_file->isEnabled()) {
        return;
    }
    const QString file = at.file_name->text().trimmed();
    if (file.isEmpty()) {
        show_logging_box(port, LoadText(file_not_valid));
        return;
    }
    const std::uint32_t address = controller != nullptr ? controller->computer_address() : 0;
    if (address == 0) {
        show_logging_box(port,
                         tr("No KORU computer is selected.\nSelect one, then start logging."));
        return;
    }
    const bool append = at.open_mode->ItemIndex() == 0;
    if (at.logger->start(file, append, address) != 0) {
        show_logging_box(port, LoadText(cannot_open_file));
        return;
    }
    show_logging_state(port);
    buttonCancel()->setFocus();
}

void TFormCommonEthernetLogging::StopLoggingClick(EPort port)
{
    m_pages[port].logger->stop();
    show_logging_state(port);
}

void TFormCommonEthernetLogging::CheckLogFileClick(EPort port)
{
    show_logging_state(port);
}

void TFormCommonEthernetLogging::ButtonBrowseClick(EPort port)
{
    SFile_choice choice;
    choice.parent = this;
    choice.save = true;
    choice.caption = LoadText(browse_caption);
    const QString chosen = ChooseDataFile(choice);
    if (!chosen.isEmpty()) {
        m_pages[port].file_name->setText(chosen);
    }
}

void TFormCommonEthernetLogging::ButtonDeselectClick(EPort port)
{
    CheckGroupLines(*m_pages[port].groups, {});
}

void TFormCommonEthernetLogging::allow_file_logging(EPort port, bool allowed)
{
    m_file_logging_allowed[port] = allowed;
    if (!allowed) {
        m_pages[port].log_to_file->setChecked(false);
    }
    show_logging_state(port);
}

void TFormCommonEthernetLogging::show_logging_state(EPort port)
{
    SPage &at = m_pages[port];
    const bool logging = at.logger->is_logging();
    const bool allowed = m_file_logging_allowed[port];
    at.log_to_file->setEnabled(allowed && !logging);
    const bool file_editable = allowed && !logging && at.log_to_file->isChecked();
    at.file_name->setEnabled(file_editable);
    at.open_mode->setEnabled(file_editable);
    at.browse->setEnabled(file_editable);
    at.start->setEnabled(!logging);
    at.stop->setEnabled(logging);
}

void TFormCommonEthernetLogging::show_logging_box(EPort port, const QString &text)
{
    SMessage_box box;
    box.parent = this;
    box.icon = QMessageBox::Warning;
    box.caption = QStringLiteral("%1 %2:%3")
                      .arg(QString::fromLatin1(application_title), m_pages[port].name,
                           LoadText(error_suffix));
    box.text = text;
    ShowMessageBox(box);
}

void TFormCommonEthernetLogging::showEvent(QShowEvent *event)
{
    TFormKoruSettings::showEvent(event);
    for (const EPort port : {primary, secondary}) {
        show_logging_state(port);
    }
}

bool TFormCommonEthernetLogging::event(QEvent *event)
{
    if (CWindow_message *message = AsWindowMessage(event)) {
        for (const EPort port : {primary, secondary}) {
            if (message->number() == logger_stopped[port]) {
                show_logging_state(port);
                message->set_result(1);
                return true;
            }
        }
    }
    return TFormKoruSettings::event(event);
}
