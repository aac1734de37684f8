#pragma once
// The rules by which a view turns one item of a received record into text: the natural rule of
// the item's type ("%u" for unsigned long and short, "%d" for unsigned char, short and long,
// "0.000000" for floating values, the characters of a text), a picture of decimals, hexadecimal
// "%4X" or "%4.4X", dotted bytes, a fixed text, or words for codes. An item the received frame
// does not hold, or that holds the computer's "no data", shows "N/A"; an item of an optional tail
// that the frame does not carry shows nothing.

#include "display/formats.h"
#include "protocol/group_base.h"
#include "resources/string_ids.h"
#include "resources/texts.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <concepts>
#include <functional>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <type_traits>
#include <vector>

// A code and the word shown for it.
struct SWord {
    long long code;
    QString text;
};

class CText_rule {
public:
    enum class EKind { natural, picture, hex, dotted, fixed, words, computed };

    // By the item's type.
    static CText_rule natural() { return CText_rule(EKind::natural); }
    // Floating values with the decimals of `picture` ("0.000" has three).
    static CText_rule picture(const char *picture);
    // "%4X" (`zero_padded` false) or "%4.4X" (true) with `width` digits.
    static CText_rule hex(int width, bool zero_padded);
    // Four bytes, most significant first: an IPv4 address.
    static CText_rule dotted() { return CText_rule(EKind::dotted); }
    // `text` whenever the group arrives, whatever the item holds.
    static CText_rule fixed(const QString &text);
    // The word of the item's code; `other` for a code without one ("%d" of the code when empty).
    static CText_rule words(std::vector<SWord> words, const QString &other = {});
    // The text `text` gives for the item's value (a code, an angle); `widest` holds the texts it
    // may give that could be the widest.
    static CText_rule computed(std::function<QString(double)> text, QStringList widest);

    EKind kind() const { return m_kind; }
    const char *picture_text() const { return m_picture; }
    int width() const { return m_width; }
    bool zero_padded() const { return m_zero_padded; }
    const QString &fixed_text() const { return m_fixed; }
    const std::vector<SWord> &word_list() const { return m_words; }
    const QString &other_text() const { return m_other; }
    QString computed_text(double value) const { return m_computed(value); }
    const QStringList &computed_widest() const { return m_computed_widest; }

    // The same rule for an item of an optional tail: only frames whose byte count is above
    // `short_byte_count` carry it. Shorter frames, and frames that end before the item, show
    // nothing for it.
    CText_rule in_tail(std::uint16_t short_byte_count) const;
    bool is_tail() const { return m_short_byte_count > 0; }
    std::uint16_t short_byte_count() const { return m_short_byte_count; }

    // The word of `code`, or the text for a code without one.
    QString word_of(long long code) const;

private:
    explicit CText_rule(EKind kind) : m_kind(kind) {}

    EKind m_kind;
    const char *m_picture = "0.000000";
    int m_width = 4;
    bool m_zero_padded = false;
    QString m_fixed;
    std::vector<SWord> m_words;
    QString m_other;
    std::function<QString(double)> m_computed;
    QStringList m_computed_widest;
    std::uint16_t m_short_byte_count = 0; // 0: not in a tail
};

// Rules of the navigation values: a heading or track angle with three decimals that never reads
// 360.000 (above 359.999 it reads 0.000), latitude and longitude in degrees, minutes and seconds
// with two decimals of the seconds.
CText_rule HeadingRule();
CText_rule LatitudeRule();
CText_rule LongitudeRule();

// The characters of a text field as a label shows them: control bytes, which a label would not
// show or would show as something else, read "?".
QString ShownText(std::string_view text);

// The byte count of the frame `record` holds now.
std::uint16_t FrameByteCount(const CGroup_base &record);

// True when the frame `record` holds carries the optional tail of `rule` up to `item`.
inline bool CarriesTail(const CText_rule &rule, const CGroup_base &record, const CItem &item)
{
    return FrameByteCount(record) > rule.short_byte_count() && record.holds(item);
}

// A fixed-length text field.
template <class TItem>
concept Text_item = requires(const TItem &item) { item.text(); };

namespace view_rule_detail {

template <class TItem>
struct SValue_type {
    using type = std::remove_cvref_t<decltype(std::declval<const TItem &>().get())>;
};
template <Text_item TItem>
struct SValue_type<TItem> {
    using type = std::string_view;
};
template <class TItem>
using value_type = typename SValue_type<TItem>::type;

// The natural rule: "%u" for unsigned words of 16 and 32 bits, "%d" for bytes and signed values,
// the picture for floating values.
template <class T>
QString natural_text(T value, bool valid, const char *picture)
{
    if constexpr (std::is_floating_point_v<T>) {
        return FormatValue(picture, static_cast<double>(value), valid);
    } else if constexpr (std::is_same_v<T, bool>) {
        return FormatInteger(value ? 1 : 0, valid);
    } else if constexpr (std::is_unsigned_v<T> && sizeof(T) > 1) {
        return FormatCount(static_cast<std::uint32_t>(value), valid);
    } else {
        return FormatInteger(static_cast<long long>(value), valid);
    }
}

// The widest text the natural rule gives for values of type T. Floating values are taken up to
// ten million: a larger value still shows whole, it only widens its label.
template <class T>
QString widest_natural(const char *picture)
{
    if constexpr (std::is_floating_point_v<T>) {
        return FormatValue(picture, -9999999.0, true);
    } else if constexpr (std::is_same_v<T, bool>) {
        return QStringLiteral("0");
    } else {
        return natural_text<T>(std::numeric_limits<T>::min(), true, picture).size() >
                       natural_text<T>(std::numeric_limits<T>::max(), true, picture).size()
                   ? natural_text<T>(std::numeric_limits<T>::min(), true, picture)
                   : natural_text<T>(std::numeric_limits<T>::max(), true, picture);
    }
}

} // namespace view_rule_detail

// The text of `item` of `record` by `rule`.
template <class TItem>
QString FormatItem(const CText_rule &rule, const CGroup_base &record, const TItem &item)
{
    using namespace view_rule_detail;
    using T = value_type<TItem>;
    if (rule.is_tail() && !CarriesTail(rule, record, item)) {
        return QString();
    }
    if (rule.kind() == CText_rule::EKind::fixed) {
        return rule.fixed_text();
    }
    if constexpr (Text_item<TItem>) {
        return record.holds(item) ? ShownText(item.text()) : LoadText(string_id::not_available);
    } else {
        const bool is_valid = record.has_value(item);
        const T value = item.get();
        switch (rule.kind()) {
        case CText_rule::EKind::picture:
            return FormatValue(rule.picture_text(), static_cast<double>(value), is_valid);
        case CText_rule::EKind::hex:
            return FormatHex(static_cast<std::uint32_t>(value), rule.width(), rule.zero_padded(),
                             is_valid);
        case CText_rule::EKind::dotted:
            return FormatDotted(static_cast<std::uint32_t>(value), is_valid);
        case CText_rule::EKind::words:
            return is_valid ? rule.word_of(static_cast<long long>(value))
                            : LoadText(string_id::not_available);
        case CText_rule::EKind::computed:
            return is_valid ? rule.computed_text(static_cast<double>(value))
                            : LoadText(string_id::not_available);
        default:
            return natural_text<T>(value, is_valid, rule.picture_text());
        }
    }
}

// The value of `item` of `record` as a number, for following it over time: NaN where `rule`
// shows "N/A" or nothing. Nothing for a text, or for a rule that shows a fixed text.
template <class TItem>
std::function<double()> NumberOf(const CText_rule &rule, const CGroup_base &record,
                                 const TItem &item)
{
    if constexpr (Text_item<TItem>) {
        return {};
    } else {
        if (rule.kind() == CText_rule::EKind::fixed) {
            return {};
        }
        const bool tail = rule.is_tail();
        const std::uint16_t short_byte_count = rule.short_byte_count();
        return [tail, short_byte_count, &record, &item] {
            const bool carried =
                !tail || (FrameByteCount(record) > short_byte_count && record.holds(item));
            return carried && record.has_value(item) ? static_cast<double>(item.get())
                                                     : std::numeric_limits<double>::quiet_NaN();
        };
    }
}

// The value of `item` of a shared group record in the frame just received, for a plot to
// follow: nothing while the receive buffer holds a frame of another group.
template <class TItem>
std::function<std::optional<double>()> SampleOf(const CGroup_record &shared, const TItem &item)
{
    return [&shared, number = NumberOf(CText_rule::natural(), shared, item)]()
               -> std::optional<double> {
        if (!shared.is_current()) {
            return std::nullopt;
        }
        return number();
    };
}

// Every text `rule` may give for an item of type TItem that could be its widest, "N/A" included.
template <class TItem>
QStringList WidestTexts(const CText_rule &rule)
{
    using namespace view_rule_detail;
    using T = value_type<TItem>;
    QStringList texts{LoadText(string_id::not_available)};
    switch (rule.kind()) {
    case CText_rule::EKind::fixed:
        return {rule.fixed_text()};
    case CText_rule::EKind::picture:
        texts.append(FormatValue(rule.picture_text(), -9999999.0, true));
        break;
    case CText_rule::EKind::hex:
        // Whichever digit is widest in the label's font, as many of it as the value may have.
        for (const char digit : std::string_view("0123456789ABCDEF")) {
            texts.append(
                QString(std::max<int>(rule.width(), 2 * static_cast<int>(sizeof(T))), digit));
        }
        break;
    case CText_rule::EKind::dotted:
        texts.append(QStringLiteral("255.255.255.255"));
        break;
    case CText_rule::EKind::words:
        for (const SWord &word : rule.word_list()) {
            texts.append(word.text);
        }
        texts.append(rule.word_of(std::numeric_limits<int>::min()));
        break;
    case CText_rule::EKind::computed:
        texts.append(rule.computed_widest());
        break;
    case CText_rule::EKind::natural:
        if constexpr (!Text_item<TItem>) {
            texts.append(widest_natural<T>(rule.picture_text()));
        }
        break;
    }
    return texts;
}

// Every text `rule` may give for `item` that could be its widest: for a text field, one that fills
// the field with wide characters.
template <class TItem>
QStringList WidestTexts(const CText_rule &rule, const TItem &item)
{
    QStringList texts = WidestTexts<TItem>(rule);
    if constexpr (Text_item<TItem>) {
        if (rule.kind() != CText_rule::EKind::fixed) {
            texts.append(QString(static_cast<qsizetype>(item.size()), 'W'));
        }
    }
    return texts;
}
