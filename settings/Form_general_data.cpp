#include "settings/Form_general_data.h"

#include "protocol/command_messages.h"
#include "resources/string_ids.h"
#include "resources/texts.h"
#include "settings/exit_check.h"
#include "ui_Form_general_data.h"

#include <QDateEdit>
#include <QDateTime>
#include <QTimeEdit>

#include <cmath>

namespace {

constexpr int decimals = 3;
constexpr double lowest_altitude = -1000.0; // metres
constexpr double highest_altitude = 10000.0;
constexpr double largest_heading = 359.999; // degrees
constexpr double smallest_rms = 0.001;      // metres
constexpr double largest_rms = 1e30;
constexpr long long ten_thousandths = 10000; // of a second, the entry's finest step

// How an angle is written in its masked entry: "DD° MM' SS.SSSS\" H" for a latitude, with a
// third degree digit for a longitude.
struct SAngle_format {
    int degree_digits;
    int largest_degrees;
    QChar positive;
    QChar negative;
    int problem_text;

    int minutes_at() const { return degree_digits + 2; }
    int seconds_at() const { return degree_digits + 6; }
    int hemisphere_at() const { return degree_digits + 15; }
};

constexpr int minute_digits = 2;
constexpr int second_characters = 7;

const SAngle_format latitude_format{2, 90, 'N', 'S', string_id::latitude_invalid};
const SAngle_format longitude_format{3, 180, 'E', 'W', string_id::longitude_invalid};

// The part of an entry that is wrong: where it starts and how long it is.
struct SWrong_part {
    int start;
    int length;
};

// An angle in degrees, minutes and seconds in its masked entry.
class CAngle_field : public TDialog_field<CMessage13> {
public:
    using Angle_of = TScalar<double> &(CMessage13::*)();

    CAngle_field(QLineEdit *entry, QString caption, Angle_of angle, const SAngle_format &format)
        : TDialog_field(entry, std::move(caption)), m_entry(entry), m_angle(angle), m_format(format)
    {}

    void load(CMessage13 &echo) override { show((echo.*m_angle)(), echo); }
    std::optional<QString> problem() const override
    {
        if (wrong_part()) {
            return LoadText(m_format.problem_text);
        }
        return std::nullopt;
    }
    void store(CMessage13 &message) const override { (message.*m_angle)().set(degrees()); }

    // Selects the wrong part of the entry, if any, and tells what is wrong.
    std::optional<QString> point_out_problem() const
    {
        const std::optional<SWrong_part> wrong = wrong_part();
        if (!wrong) {
            return std::nullopt;
        }
        m_entry->setSelection(wrong->start, wrong->length);
        return LoadText(m_format.problem_text);
    }

private:
    void show(TScalar<double> &angle, CMessage13 &echo) const
    {
        // An angle the entry cannot hold is left for the user to enter.
        if (!echo.has_value(angle) || std::fabs(angle.get()) > m_format.largest_degrees) {
            m_entry->setText(QString());
            return;
        }
        const double value = angle.get();
        const long long total = std::llround(std::fabs(value) * 3600.0 * ten_thousandths);
        const long long degrees = total / (3600 * ten_thousandths);
        const long long minutes = total / (60 * ten_thousandths) % 60;
        const long long seconds = total % (60 * ten_thousandths);
        m_entry->setText(QString::asprintf("%0*lld%02lld%02lld%04lld", m_format.degree_digits,
                                           degrees, minutes, seconds / ten_thousandths,
                                           seconds % ten_thousandths) +
                         (value < 0 ? m_format.negative : m_format.positive));
    }

    QString part(int start, int length) const
    {
        return m_entry->displayText().mid(start, length).trimmed();
    }
    // A group of digits as a number; nothing when it is empty or incomplete.
    std::optional<double> number(int start, int length) const
    {
        const QString text = part(start, length);
        bool ok = false;
        const double value = text.toDouble(&ok);
        return ok && !text.contains(' ') ? std::optional(value) : std::nullopt;
    }

    // Seconds first, then minutes, then degrees: the first part that is wrong.
    std::optional<SWrong_part> wrong_part() const
    {
        const SWrong_part degrees_part{0, m_format.degree_digits};
        const SWrong_part minutes_part{m_format.minutes_at(), minute_digits};
        const SWrong_part seconds_part{m_format.seconds_at(), second_characters};
        const std::optional<double> d = number(degrees_part.start, degrees_part.length);
        const std::optional<double> m = number(minutes_part.start, minutes_part.length);
        const std::optional<double> s = number(seconds_part.start, seconds_part.length);
        const bool at_limit = d && *d == m_format.largest_degrees;
        if (!s || *s >= 60 || (at_limit && *s != 0)) {
            return seconds_part;
        }
        if (!m || *m >= 60 || (at_limit && *m != 0)) {
            return minutes_part;
        }
        if (!d || *d > m_format.largest_degrees) {
            return degrees_part;
        }
        const QChar hemisphere = hemisphere_letter();
        if (hemisphere != m_format.positive && hemisphere != m_format.negative) {
            return SWrong_part{m_format.hemisphere_at(), 1};
        }
        return std::nullopt;
    }

    double degrees() const
    {
        const double value = *number(0, m_format.degree_digits) +
                             *number(m_format.minutes_at(), minute_digits) / 60.0 +
                             *number(m_format.seconds_at(), second_characters) / 3600.0;
        return hemisphere_letter() == m_format.negative ? -value : value;
    }
    QChar hemisphere_letter() const
    {
        const QString letter = part(m_format.hemisphere_at(), 1);
        return letter.isEmpty() ? QChar() : letter.front();
    }

    QLineEdit *m_entry;
    Angle_of m_angle;
    SAngle_format m_format;
};

// The date of Message 13 in a date picker; an impossible date leaves the PC's.
class CDate_field : public TDialog_field<CMessage13> {
public:
    CDate_field(QDateEdit *picker, QString caption)
        : TDialog_field(picker, std::move(caption)), m_picker(picker)
    {}
    void load(CMessage13 &echo) override
    {
        const QDate date(echo.year().get(), echo.month().get(), echo.day().get());
        const bool held = echo.holds(echo.year());
        m_picker->setDate(held && date.isValid() ? date : QDate::currentDate());
    }
    std::optional<QString> problem() const override { return std::nullopt; }
    void store(CMessage13 &message) const override
    {
        const QDate date = m_picker->date();
        message.year().set(static_cast<std::uint16_t>(date.year()));
        message.month().set(static_cast<std::uint8_t>(date.month()));
        message.day().set(static_cast<std::uint8_t>(date.day()));
    }

private:
    QDateEdit *m_picker;
};

// The time of day of Message 13 in a time picker; an impossible time leaves the PC's.
class CTime_field : public TDialog_field<CMessage13> {
public:
    CTime_field(QTimeEdit *picker, QString caption)
        : TDialog_field(picker, std::move(caption)), m_picker(picker)
    {}
    void load(CMessage13 &echo) override
    {
        const QTime time(echo.hours().get(), echo.minutes().get(), echo.seconds().get());
        const bool held = echo.holds(echo.seconds());
        m_picker->setTime(held && time.isValid() ? time : QTime::currentTime());
    }
    std::optional<QString> problem() const override { return std::nullopt; }
    void store(CMessage13 &message) const override
    {
        const QTime time = m_picker->time();
        message.hours().set(static_cast<std::uint8_t>(time.hour()));
        message.minutes().set(static_cast<std::uint8_t>(time.minute()));
        message.seconds().set(static_cast<std::uint8_t>(time.second()));
    }

private:
    QTimeEdit *m_picker;
};

// Binds an angle entry and checks it as the focus leaves it, the wrong part selected. Gives
// what selects the wrong part while the entry has the focus.
std::function<void()> bind_angle(TMessage_fields<CMessage13> &fields, QLineEdit *entry,
                                 const QString &caption, CAngle_field::Angle_of angle,
                                 const SAngle_format &format)
{
    auto field = std::make_unique<CAngle_field>(entry, caption, angle, format);
    CheckOnExit(*entry, [checked = field.get()] { return checked->point_out_problem(); });
    std::function<void()> select = [checked = field.get(), entry] {
        if (entry->window()->focusWidget() == entry) {
            checked->point_out_problem();
        }
    };
    fields.add_own(std::move(field));
    return select;
}

} // namespace

TFormGeneralData::TFormGeneralData(QWidget *parent)
    : TFormFields("FormGeneralData", parent), m_ui(std::make_unique<Ui::FormGeneralDataContent>())
{
    setWindowTitle(tr("General Data"));
    m_ui->setupUi(body());

    auto &general = m_fields.message<CMessage13>();
    general.add_own(std::make_unique<CTime_field>(m_ui->Time1, tr("Time")));
    general.add_own(std::make_unique<CDate_field>(m_ui->Date1, tr("Date")));
    m_select_wrong_parts = {
        bind_angle(general, m_ui->Latitude, tr("Latitude"), &CMessage13::initial_latitude,
                   latitude_format),
        bind_angle(general, m_ui->Longitude, tr("Longitude"), &CMessage13::initial_longitude,
                   longitude_format)};
    general.real("Altitude", &CMessage13::initial_altitude, lowest_altitude, highest_altitude,
                 decimals);
    general.real("Heading", &CMessage13::initial_heading, 0, largest_heading, decimals);
    static constexpr const char *rms_entries[] = {"RmsNorth", "RmsEast", "RmsVertical"};
    for (std::size_t axis = 0; axis < 3; ++axis) {
        general.real(
            rms_entries[axis],
            [axis](CMessage13 &m) -> auto & { return m.rms_position().component(axis); },
            smallest_rms, largest_rms, decimals);
    }
    show_defaults();
}

TFormGeneralData::~TFormGeneralData() = default;

void TFormGeneralData::show_defaults()
{
    m_ui->Date1->setDate(QDate::currentDate());
    m_ui->Time1->setTime(QTime::currentTime());
    m_ui->Latitude->setText(QStringLiteral("0000000000N"));
    m_ui->Longitude->setText(QStringLiteral("00000000000E"));
    m_ui->Altitude->setText(QStringLiteral("0.000"));
    m_ui->Heading->setText(QStringLiteral("0.000"));
    for (TNumberEdit *rms : {m_ui->RmsNorth, m_ui->RmsEast, m_ui->RmsVertical}) {
        rms->setText(QStringLiteral("750.000"));
    }
}

bool TFormGeneralData::UpdateFromMessage(int argument)
{
    if (!m_fields.message<CMessage13>().echo().is_current()) {
        show_defaults();
        return false;
    }
    return TFormFields::UpdateFromMessage(argument);
}

// Until the computer has sent its general data the dialog opens on the PC's date and time.
void TFormGeneralData::showEvent(QShowEvent *event)
{
    if (!m_fields.message<CMessage13>().echo().is_current()) {
        show_defaults();
    }
    TFormFields::showEvent(event);
}

// A wrong angle that gets the focus has its wrong part selected, as when the focus leaves it.
bool TFormGeneralData::entries_ready()
{
    if (TFormFields::entries_ready()) {
        return true;
    }
    for (const auto &select_wrong_part : m_select_wrong_parts) {
        select_wrong_part();
    }
    return false;
}
