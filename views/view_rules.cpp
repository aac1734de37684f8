#include "views/view_rules.h"

#include <utility>

CText_rule CText_rule::picture(const char *picture)
{
    CText_rule rule(EKind::picture);
    rule.m_picture = picture;
    return rule;
}

CText_rule CText_rule::hex(int width, bool zero_padded)
{
    CText_rule rule(EKind::hex);
    rule.m_width = width;
    rule.m_zero_padded = zero_padded;
    return rule;
}

CText_rule CText_rule::fixed(const QString &text)
{
    CText_rule rule(EKind::fixed);
    rule.m_fixed = text;
    return rule;
}

CText_rule CText_rule::words(std::vector<SWord> words, const QString &other)
{
    CText_rule rule(EKind::words);
    rule.m_words = std::move(words);
    rule.m_other = other;
    return rule;
}

CText_rule CText_rule::computed(std::function<QString(double)> text, QStringList widest)
{
    CText_rule rule(EKind::computed);
    rule.m_computed = std::move(text);
    rule.m_computed_widest = std::move(widest);
    return rule;
}

QString CText_rule::word_of(long long code) const
{
    for (const SWord &word : m_words) {
        if (word.code == code) {
            return word.text;
        }
    }
    return m_other.isEmpty() ? QString::number(code) : m_other;
}

CText_rule CText_rule::in_tail(std::uint16_t short_byte_count) const
{
    CText_rule rule = *this;
    rule.m_short_byte_count = short_byte_count;
    return rule;
}

namespace {

// As wide as the widest value a label is laid out for: faulty values beyond the circle included.
constexpr double widest_angle = -9999.999999;

} // namespace

CText_rule HeadingRule()
{
    return CText_rule::computed([](double degrees) { return FormatAngle360(degrees, true); },
                                {FormatValue("0.000", -9999999.0, true)});
}

CText_rule LatitudeRule()
{
    return CText_rule::computed([](double degrees) { return FormatLatitude(degrees, 2); },
                                {FormatLatitude(widest_angle, 2)});
}

CText_rule LongitudeRule()
{
    return CText_rule::computed([](double degrees) { return FormatLongitude(degrees, 2); },
                                {FormatLongitude(widest_angle, 2)});
}

QString ShownText(std::string_view text)
{
    QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    for (QChar &c : shown) {
        if (c.category() == QChar::Other_Control) {
            c = '?';
        }
    }
    return shown;
}

std::uint16_t FrameByteCount(const CGroup_base &record)
{
    return static_cast<std::uint16_t>(record.frame_length() - frame::prefix_length);
}
