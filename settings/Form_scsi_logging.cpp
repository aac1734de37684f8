#include "settings/Form_scsi_logging.h"

#include "display/status_texts.h"
#include "protocol/navigation_groups.h"
#include "protocol/status_words.h"
#include "resources/string_ids.h"
#include "resources/texts.h"
#include "settings/logging_groups.h"
#include "settings/scsi_logging_records.h"
#include "ui_Form_scsi_logging.h"

#include <QPushButton>

#include <cmath>

namespace {

using A = CGen_status_a::bits;

// Group 101s after Start or Stop that leave the buttons as pressed.
constexpr int hold_off_updates = 5;
// The status texts begin "PC Card: ", which the dialog's own caption says already.
constexpr int status_prefix_length = 9;

// The design texts of the media status.
const char *const no_kbytes = "0";
const char *const no_time = "00:00:00";

// Minutes, as the computer reports the card's remaining time, in hours:minutes:seconds; empty
// for no data.
QString remaining_time_text(const CGroup8 &disk, const TScalar<float> &minutes)
{
    if (!disk.has_value(minutes) || minutes.get() < 0) {
        return {};
    }
    const auto seconds = static_cast<long long>(std::llround(minutes.get() * 60.0));
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QChar('0'))
        .arg(seconds / 60 % 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'));
}

QString kbytes_text(const CGroup8 &disk, const TScalar<std::uint32_t> &kbytes)
{
    return disk.has_value(kbytes) ? QString::number(kbytes.get())
                                  : LoadText(string_id::not_available);
}

} // namespace

TFormScsiLogging::TFormScsiLogging(QWidget *parent)
    : TFormKoruSettings("FormScsiLogging", parent),
      m_ui(std::make_unique<Ui::FormScsiLoggingContent>()),
      m_fields(*this)
{
    setWindowTitle(tr("PC Card Logging Control"));
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);
    FillGroupLines(*m_ui->groupSelect, PcCardLoggingGroups());
    FillLoggingRates(*m_ui->outputRate, std::nullopt);
    m_ui->outputRate->setCurrentIndex(0);

    auto &logging = m_fields.message<CMessage4>();
    logging.group_list("groupSelect");
    logging.choice("outputRate", &CMessage4::output_rate, {.unchosen = 1});
    logging.check(
        "autoLog", [](CMessage4 & m) -> auto & { return m.logging_mode().automatic_logging(); });
    logging.text("filename", &CMessage4::file_name);
    logging.before_sending(
        [this](CMessage4 &m) { m.disk_logging_control().start_logging().set(m_start_logging); });

    Get(Program().groups, m_imu);
    Get(Program().groups, m_disk);
    Get(Program().groups, m_status);

    connect(m_ui->startLogging, &QPushButton::clicked, this, [this] { start_or_stop(true); });
    connect(m_ui->stopLogging, &QPushButton::clicked, this, [this] { start_or_stop(false); });
    connect(m_ui->ButtonDeselect, &QPushButton::clicked, this,
            [this] { CheckGroupLines(*m_ui->groupSelect, {}); });
    connect(m_ui->ButtonKoruProc, &QPushButton::clicked, this, [this] { post_processing(); });
}

TFormScsiLogging::~TFormScsiLogging() = default;

bool TFormScsiLogging::UpdateFromMessage(int)
{
    m_fields.load();
    return false;
}

bool TFormScsiLogging::UpdateFromGroup(int)
{
    if (m_imu->is_current() && m_imu->has_value(m_imu->data_rate())) {
        show_imu_rate(m_imu->data_rate().get());
    } else if (m_disk->is_current()) {
        show_disk();
    } else if (m_status->is_current()) {
        show_status();
    } else {
        return false;
    }
    return true;
}

// The list of rates is made anew for every code, so that whatever came before, it offers the
// rates below the IMU's and the IMU's own.
void TFormScsiLogging::show_imu_rate(std::uint8_t code)
{
    if (m_imu_rate_code == code) {
        return;
    }
    m_imu_rate_code = code;
    const std::optional<int> imu_rate = ImuRateOf(code);
    const int line = GroupLine(*m_ui->groupSelect, CGroup4::number_of_record);
    m_ui->groupSelect->item(line)->setText(ImuDataLineText(imu_rate));
    FillLoggingRates(*m_ui->outputRate, imu_rate);
}

void TFormScsiLogging::show_disk()
{
    m_ui->bytesRemaining->setText(kbytes_text(*m_disk, m_disk->kbytes_remaining()));
    m_ui->bytesLogged->setText(kbytes_text(*m_disk, m_disk->kbytes_logged()));
    m_ui->timeRemaining->setText(remaining_time_text(*m_disk, m_disk->time_remaining()));
}

// The buttons follow the computer's state only while the controller may press them, and not
// while a press is being taken over.
void TFormScsiLogging::show_status()
{
    const SStatus_words words = status_words_of(*m_status);
    m_ui->LoggingStatus->setText(
        PcCardStatusText(words, ETextForm::words).mid(status_prefix_length));
    if (buttonOk()->isEnabled() && m_hold_off <= 0) {
        show_buttons(words);
    }
    if (m_hold_off > 0) {
        --m_hold_off;
    }
}

void TFormScsiLogging::show_buttons(const SStatus_words &words)
{
    const bool logging = (words.general_a & status_mask(A::log_port_logging_enabled)) != 0;
    m_ui->stopLogging->setEnabled(logging);
    m_ui->startLogging->setEnabled(!logging);
}

void TFormScsiLogging::ResetDisplay(int)
{
    m_ui->bytesRemaining->setText(no_kbytes);
    m_ui->bytesLogged->setText(no_kbytes);
    m_ui->timeRemaining->setText(no_time);
    m_ui->LoggingStatus->setText(tr("Idle"));
}

// Start and Stop send as Ok does: only the controller may press them, and then they show what
// the computer last reported.
void TFormScsiLogging::showEvent(QShowEvent *event)
{
    TFormKoruSettings::showEvent(event);
    m_hold_off = 0;
    if (buttonOk()->isEnabled()) {
        show_buttons(status_words_of(*m_status));
    } else {
        m_ui->startLogging->setEnabled(false);
        m_ui->stopLogging->setEnabled(false);
    }
}

// Post-processing needs group 101: the user is offered it before the list is checked.
bool TFormScsiLogging::entries_ready()
{
    OfferGroup101(*m_ui->groupSelect, this, tr("Confirm Action"));
    return m_fields.check();
}

void TFormScsiLogging::SendSettings(int)
{
    send_with(m_ui->stopLogging->isEnabled());
}

long TFormScsiLogging::send_with(bool start_logging)
{
    m_start_logging = start_logging;
    return m_fields.send();
}

void TFormScsiLogging::start_or_stop(bool start)
{
    QPushButton *pressed = start ? m_ui->startLogging : m_ui->stopLogging;
    if (!focus_on(pressed) || !entries_ready() || send_with(start) == 0) {
        return;
    }
    m_hold_off = hold_off_updates;
    m_ui->startLogging->setEnabled(!start);
    m_ui->stopLogging->setEnabled(start);
}

void TFormScsiLogging::post_processing()
{
    constexpr int fifty_hz = 50;
    m_ui->outputRate->setCurrentIndex(m_ui->outputRate->findData(fifty_hz));
    CheckGroupLines(*m_ui->groupSelect, PostProcessingGroups());
}
