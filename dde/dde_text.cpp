#include "dde/dde_text.h"

#include <cassert>
#include <limits>

namespace {

struct SSection {
    const char *heading;
    std::initializer_list<const char *> keys;
};

const SSection sections[] = {
    {"[NAVIGATION DATA]",
     {"Time", "Lat", "Lon", "Alt", "Speed", "Track", "Roll", "Pitch", "Heading", "LatRMS", "LonRMS",
      "AltRMS", "RollRMS", "PitchRMS", "HdgRMS", "Hdop", "Vdop"}},
    {"[PPS]", {"PPS Time"}},
    {"[EVENTS]", {"Time1", "Count1", "Time2", "Count2"}},
    {"[STATUS]",
     {"KORU", "IMU", "GPS", "GIMBAL", "PC CARD", "Disk Usage", "KORU Meas Rej", "Vel Meas Rej",
      "LIDAR"}},
    {"[ECHO]", {}},
    {"[Control Data]", {"LogFile", "Logging", "Mode"}},
    {"[Yaw Drift Control]", {"Method", "DesiredHead", "ActivationThresh", "Period", "Gain"}},
    {"[Lidar Control]", {"LidarLogging", "FlightLine"}},
    {"[Gimbal Control]", {"GimbalControl", "GimbalCounter", "ComInitCounter"}},
};

} // namespace

CPublished_text::CPublished_text()
{
    for (const SSection &section : sections) {
        if (!m_lines.empty()) {
            m_lines.push_back({});
        }
        m_lines.push_back({{}, QString::fromLatin1(section.heading), {}});
        for (const char *key : section.keys) {
            const QString name = QString::fromLatin1(key);
            m_lines.push_back({name, name + QLatin1Char('='), {}});
        }
    }
    m_lines.push_back({{}, QStringLiteral(" "), {}});
}

std::size_t CPublished_text::index_of(QStringView key) const
{
    for (std::size_t index = 0; index < m_lines.size(); ++index) {
        if (m_lines[index].key == key) {
            return index;
        }
    }
    assert(!"a key of the template");
    return m_lines.size() - 1;
}

void CPublished_text::set(QStringView key, const QString &value)
{
    m_lines[index_of(key)].value = value;
}

QString CPublished_text::value(QStringView key) const
{
    return m_lines[index_of(key)].value;
}

void CPublished_text::clear_values()
{
    for (SLine &line : m_lines) {
        line.value.clear();
    }
}

QString CPublished_text::text() const
{
    QString all;
    for (const SLine &line : m_lines) {
        all += line.head;
        all += line.value;
        all += QLatin1Char('\n');
    }
    return all;
}

QStringList PokedLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    return lines;
}

QString PokedValue(const QStringList &lines, QStringView key)
{
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0 &&
            QStringView(line).left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            return line.mid(equals + 1).trimmed();
        }
    }
    return {};
}

int CounterStep(std::uint32_t stored, const QString &poked)
{
    bool number = false;
    const qulonglong value = poked.toULongLong(&number, 10);
    if (!number || poked.startsWith(QLatin1Char('-')) ||
        value > std::numeric_limits<std::uint32_t>::max() || value <= stored) {
        return 0;
    }
    const qulonglong ahead = value - stored;
    return ahead <= 2 ? static_cast<int>(ahead) : 0;
}
