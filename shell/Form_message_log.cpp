#include "shell/Form_message_log.h"

#include "shell/list_file.h"

#include "display/item_formats.h"
#include "protocol/status_words.h"
#include "resources/texts.h"
#include "ui_Form_message_log.h"

#include <QListWidget>
#include <QPushButton>

namespace {

// Texts of the modes the computer reports, by "Mode Type"; any other value is an invalid mode.
constexpr int first_mode_text = 13301; // "Standby Mode" for mode 1
constexpr int last_mode = 4;           // "Simulate Mode"
constexpr int invalid_mode_text = 13305;

// A group's time tag as the prefix of a line.
QString time_prefix(double time, int type)
{
    return FormatTimeTag(time, type, false) + "  ";
}

// "manual ", "auto " or the number of an unknown processing mode, after the event's name.
QString mode_part(const QString &event, std::uint16_t mode)
{
    switch (mode) {
    case 1:
        return event + " manual ";
    case 2:
        return event + " auto ";
    default:
        return event + QString(" mode=%1, ").arg(mode);
    }
}

QString flag_part(std::uint16_t flag)
{
    switch (flag) {
    case 0:
        return "start, ";
    case 1:
        return "end, ";
    default:
        return QString("start=%1, ").arg(flag);
    }
}

} // namespace

TFormMessageLog::TFormMessageLog(QWidget *parent)
    : TFormKoruView("FormMessageLog", parent), m_ui(std::make_unique<Ui::FormMessageLogContent>())
{
    setWindowTitle(tr("Message Log"));
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);
    connect(m_ui->ButtonSaveLog, &QPushButton::clicked, this, [this] { save(); });

    Get(Program().groups, m_status);
    Get(Program().groups, m_zero_velocity);
    Get(Program().groups, m_position_fix);
    Get(Program().messages, m_mode);
    Get(Program().messages, m_general_data);
    m_change_texts.reserve(CStatus_changes::most_lines());
    m_prefix = time_prefix(0.0, 0);
    Program().message_log = this;
}

TFormMessageLog::~TFormMessageLog()
{
    if (Program().message_log == this) {
        Program().message_log = nullptr;
    }
}

QListWidget *TFormMessageLog::ListBox1() const
{
    return m_ui->ListBox1;
}

QPushButton *TFormMessageLog::ButtonSaveLog() const
{
    return m_ui->ButtonSaveLog;
}

void TFormMessageLog::add_line(const QString &text)
{
    if (text.isEmpty()) {
        return;
    }
    m_saved = false;
    QListWidget *list = m_ui->ListBox1;
    while (list->count() >= most_lines) {
        delete list->takeItem(list->count() - 1);
    }
    list->insertItem(0, m_prefix + text);
}

QStringList TFormMessageLog::newest_lines(int count) const
{
    QStringList lines;
    const int shown = std::min(count, m_ui->ListBox1->count());
    for (int row = shown - 1; row >= 0; --row) {
        lines.append(m_ui->ListBox1->item(row)->text());
    }
    return lines;
}

bool TFormMessageLog::save()
{
    if (!SaveListLines(*this, *m_ui->ListBox1, tr("Save Message Log"),
                       tr("The message log could not be written to %1: %2."))) {
        return false;
    }
    m_saved = true;
    return true;
}

// --- received data -----------------------------------------------------------------------

void TFormMessageLog::set_prefix(CGroup_header &header)
{
    m_prefix = time_prefix(header.time_1().get(), header.time_types().time_type_1().get());
}

bool TFormMessageLog::UpdateFromGroup(int)
{
    if (m_status->is_current()) {
        log_status_changes();
    } else if (m_zero_velocity->is_current()) {
        log_zero_velocity();
    } else if (m_position_fix->is_current()) {
        log_position_fix();
    } else {
        return false;
    }
    return true;
}

// One line per changed row of the status tables, all with the time of this group, added as one
// update of the list.
void TFormMessageLog::log_status_changes()
{
    set_prefix(m_status->header());
    m_status_changes.update(status_words_of(*m_status), m_change_texts);
    if (m_change_texts.empty()) {
        return;
    }
    m_ui->ListBox1->setUpdatesEnabled(false);
    for (const int text : m_change_texts) {
        add_line(LoadText(text));
    }
    m_ui->ListBox1->setUpdatesEnabled(true);
}

void TFormMessageLog::log_zero_velocity()
{
    CGroup511 &event = *m_zero_velocity;
    set_prefix(event.header());
    add_line(mode_part(tr("Zero Velocity"), event.processing_mode().get()) +
             flag_part(event.start_or_termination_flag().get()) + "H/V Threshold=(" +
             FormatValue("0.000", event, event.horizontal_threshold()) + "," +
             FormatValue("0.000", event, event.vertical_threshold()) +
             ") count=" + FormatCount(event, event.counter()));
}

void TFormMessageLog::log_position_fix()
{
    CGroup512 &event = *m_position_fix;
    set_prefix(event.header());
    const std::string_view location = event.location_id().text();
    add_line(mode_part(tr("Position Fix"), event.processing_mode().get()) +
             flag_part(event.start_or_termination_flag().get()) +
             QString::fromLatin1(location.data(), static_cast<qsizetype>(location.size())) + ", " +
             FormatLatitude(event, event.position().latitude(), 2) + ", " +
             FormatLongitude(event, event.position().longitude(), 2) + ", " +
             FormatValue("0.000", event, event.position().altitude()) + ", N/E/D RMS=(" +
             FormatValue("0.000", event, event.rms_position().north()) + ", " +
             FormatValue("0.000", event, event.rms_position().east()) + ", " +
             FormatValue("0.000", event, event.rms_position().down()) +
             ") count=" + FormatCount(event, event.counter()));
}

bool TFormMessageLog::UpdateFromMessage(int)
{
    if (m_mode->is_current() && m_mode->holds(m_mode->mode_type())) {
        log_mode();
    }
    if (m_general_data->is_current() && m_general_data->holds(m_general_data->year())) {
        log_date();
    }
    return false;
}

void TFormMessageLog::log_mode()
{
    const std::uint8_t mode = m_mode->mode_type().get();
    if (mode == m_logged_mode) {
        return;
    }
    m_logged_mode = mode;
    add_line(
        LoadText(mode >= 1 && mode <= last_mode ? first_mode_text + mode - 1 : invalid_mode_text));
}

void TFormMessageLog::log_date()
{
    CMessage13 &general = *m_general_data;
    const std::uint8_t day = general.day().get();
    const std::uint8_t month = general.month().get();
    const std::uint16_t year = general.year().get();
    if (day == m_logged_day && month == m_logged_month && year == m_logged_year) {
        return;
    }
    m_logged_day = day;
    m_logged_month = month;
    m_logged_year = year;
    add_line(FormatShortDate(year, month, day));
}

// Another computer: its log starts afresh, and there is nothing of it to save yet.
void TFormMessageLog::ResetDisplay(int)
{
    m_ui->ListBox1->clear();
    m_status_changes.reset();
    m_logged_mode = 0;
    m_logged_day = 0;
    m_logged_month = 0;
    m_logged_year = 0;
    m_saved = true;
    m_prefix = time_prefix(0.0, 0);
}
