#pragma once
// Frames for the rows of a table-built view and what each row must show for them, worked out
// here from the item's place, its wire type and the kind of the row's rule: a sample value in
// every item, or the computer's "no data" in every item. The frames are written byte by byte at
// the places the records give their items; the texts come from printf-style formats, not from the
// view's own formatting.

#include "views/Form_table_view.h"

#include "frame_bytes.h"

#include <QString>

#include <cstring>
#include <limits>
#include <optional>
#include <vector>

namespace view_samples {

using frame_bytes::Bytes;
using EKind = CText_rule::EKind;

constexpr std::size_t prefix_length = 8;  // "$GRP", number, byte count
constexpr std::size_t trailer_length = 4; // checksum, "$#"
inline const QString on = QStringLiteral("on");
inline const QString off = QStringLiteral("off");
inline const QString not_available = QStringLiteral("N/A");

// --- values and their texts ----------------------------------------------------------------

template <class T>
Bytes bytes_of(T value)
{
    std::uint64_t bits = 0;
    if constexpr (std::is_floating_point_v<T>) {
        std::memcpy(&bits, &value, sizeof value);
    } else {
        bits = static_cast<std::uint64_t>(value);
    }
    Bytes out;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        out.push_back(std::byte{static_cast<std::uint8_t>(bits >> (8 * i))});
    }
    return out;
}

// The computer's "no data": the largest value of an integer type, 1e20 for floating values.
template <class T>
T no_data()
{
    if constexpr (std::is_floating_point_v<T>) {
        return static_cast<T>(1e20);
    } else {
        return std::numeric_limits<T>::max();
    }
}

// A value that differs from row to row (by the item's place) and that a wrong format would show
// differently: unsigned values above the signed range, negative signed ones, fractions.
template <class T>
T value_at(std::size_t place)
{
    const auto n = static_cast<int>(place % 100);
    if constexpr (std::is_floating_point_v<T>) {
        return static_cast<T>(-1000.25 - n);
    } else if constexpr (std::is_signed_v<T>) {
        return static_cast<T>(-1 - n);
    } else if constexpr (sizeof(T) == 1) {
        return static_cast<T>(128 + n);
    } else {
        return static_cast<T>(std::numeric_limits<T>::max() - 1 - n);
    }
}

inline int decimals_of(const char *picture)
{
    const char *point = std::strchr(picture, '.');
    return point == nullptr ? 0 : static_cast<int>(std::strlen(point + 1));
}

template <class T>
QString text_by_rule(const CText_rule &rule, T value)
{
    if (rule.kind() == EKind::fixed) {
        return rule.fixed_text();
    }
    if (rule.kind() == EKind::computed) {
        return rule.computed_text(static_cast<double>(value));
    }
    if (rule.kind() == EKind::picture ||
        (rule.kind() == EKind::natural && std::is_floating_point_v<T>)) {
        return QString::asprintf("%.*f", decimals_of(rule.picture_text()),
                                 static_cast<double>(value));
    }
    if constexpr (std::is_integral_v<T>) {
        const auto word = static_cast<std::uint32_t>(value);
        switch (rule.kind()) {
        case EKind::hex:
            return rule.zero_padded() ? QString::asprintf("%*.*X", rule.width(), rule.width(), word)
                                      : QString::asprintf("%*X", rule.width(), word);
        case EKind::dotted:
            return QString::asprintf("%u.%u.%u.%u", word >> 24, word >> 16 & 0xFF, word >> 8 & 0xFF,
                                     word & 0xFF);
        case EKind::words:
            for (const SWord &word_of_code : rule.word_list()) {
                if (word_of_code.code == static_cast<long long>(value)) {
                    return word_of_code.text;
                }
            }
            return rule.other_text().isEmpty()
                       ? QString::asprintf("%lld", static_cast<long long>(value))
                       : rule.other_text();
        default:
            return std::is_unsigned_v<T> && sizeof(T) > 1
                       ? QString::asprintf("%u", word)
                       : QString::asprintf("%d", static_cast<int>(value));
        }
    }
    return QStringLiteral("(no text for this rule and type)");
}

// --- rows ----------------------------------------------------------------------------------

// What a row's item holds in the frames of a test: a value and what the row shows for it, and
// the item's "no data" and what the row shows for that. The lamps of one bit set share its bytes:
// their values are merged.
struct SSample {
    Bytes value;
    Bytes no_data;
    QString text;
    QString no_data_text;
    bool merged = false;
};

inline std::size_t place_of(const SView_binding &row)
{
    return static_cast<std::size_t>(row.item->start() - row.record->buffer());
}

// What a row shows when its group came without a value for it.
inline QString without_value(const SView_binding &row)
{
    if (!row.rule) {
        return off;
    }
    return row.rule->kind() == EKind::fixed ? row.rule->fixed_text() : not_available;
}

// A lamp is lit in the sample when its lowest bit is an even one, so that among the lamps of one
// bit set some are lit and some are not.
template <class T>
std::optional<SSample> lamp_sample(const SView_binding &row)
{
    bool bit_field = false;
    if constexpr (std::is_unsigned_v<T> && std::is_integral_v<T>) {
        bit_field = dynamic_cast<const TBit_field<T> *>(row.item) != nullptr;
    }
    if (!bit_field && dynamic_cast<const TScalar<T> *>(row.item) == nullptr) {
        return std::nullopt;
    }
    unsigned lowest = 0;
    while (lowest < 63 && ((row.mask >> lowest) & 1u) == 0) {
        ++lowest;
    }
    const bool lit = lowest % 2 == 0;
    const T value = lit != row.inverted ? static_cast<T>(row.mask) : T{};
    return SSample{bytes_of(value), bytes_of(no_data<T>()), lit ? on : off, off, true};
}

template <class T>
std::optional<SSample> value_sample(const SView_binding &row, std::size_t place)
{
    bool bit_field = false;
    if constexpr (std::is_unsigned_v<T> && std::is_integral_v<T>) {
        bit_field = dynamic_cast<const TBit_field<T> *>(row.item) != nullptr;
    }
    if (!bit_field && dynamic_cast<const TScalar<T> *>(row.item) == nullptr) {
        return std::nullopt;
    }
    T value = value_at<T>(place);
    const std::vector<SWord> &words = row.rule->word_list();
    if (row.rule->kind() == EKind::words && !words.empty()) {
        value = static_cast<T>(words[place % words.size()].code);
    }
    return SSample{bytes_of(value), bytes_of(no_data<T>()), text_by_rule(*row.rule, value),
                   without_value(row)};
}

// A text as long as its field, without a zero byte, with a control byte that shows as "?".
// Texts have no "no data".
inline std::optional<SSample> text_sample(const SView_binding &row, std::size_t place)
{
    if (dynamic_cast<const TScalar<char *> *>(row.item) == nullptr) {
        return std::nullopt;
    }
    Bytes value;
    QString text;
    for (std::size_t i = 0; i < row.item->size(); ++i) {
        const char c = i == 1 ? '\t' : static_cast<char>('A' + (place + i) % 26);
        value.push_back(std::byte{static_cast<std::uint8_t>(c)});
        text += c == '\t' ? QChar('?') : QChar(c);
    }
    const QString shown = row.rule->kind() == EKind::fixed ? row.rule->fixed_text() : text;
    return SSample{value, value, shown, shown};
}

template <class T>
std::optional<SSample> sample_as(const SView_binding &row, std::size_t place)
{
    return row.rule ? value_sample<T>(row, place) : lamp_sample<T>(row);
}

inline std::optional<SSample> sample_of(const SView_binding &row)
{
    const std::size_t place = place_of(row);
    for (const auto &sample :
         {sample_as<std::uint8_t>(row, place), sample_as<std::int8_t>(row, place),
          sample_as<std::uint16_t>(row, place), sample_as<std::int16_t>(row, place),
          sample_as<std::uint32_t>(row, place), sample_as<std::int32_t>(row, place),
          sample_as<float>(row, place), sample_as<double>(row, place),
          row.rule ? text_sample(row, place) : std::nullopt}) {
        if (sample) {
            return sample;
        }
    }
    return std::nullopt;
}

// --- what a row shows for a frame ----------------------------------------------------------

template <class T>
T read_at(const Bytes &frame, std::size_t place)
{
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        bits |= std::to_integer<std::uint64_t>(frame[place + i]) << (8 * i);
    }
    if constexpr (std::is_floating_point_v<T>) {
        using TBits = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
        const auto narrow = static_cast<TBits>(bits);
        T value;
        std::memcpy(&value, &narrow, sizeof value);
        return value;
    } else {
        return static_cast<T>(bits);
    }
}

// What a row shows for the item of type T at `place` of `frame`; nothing when the item has
// another type.
template <class T>
std::optional<QString> frame_text_as(const SView_binding &row, const Bytes &frame,
                                     std::size_t place)
{
    bool bit_field = false;
    if constexpr (std::is_unsigned_v<T> && std::is_integral_v<T>) {
        bit_field = dynamic_cast<const TBit_field<T> *>(row.item) != nullptr;
    }
    if (!bit_field && dynamic_cast<const TScalar<T> *>(row.item) == nullptr) {
        return std::nullopt;
    }
    const T value = read_at<T>(frame, place);
    if (value == no_data<T>()) {
        return without_value(row);
    }
    if (!row.rule) {
        const bool any = (static_cast<std::uint64_t>(value) & row.mask) != 0;
        return any != row.inverted ? on : off;
    }
    return text_by_rule(*row.rule, value);
}

// The characters of a text field, control bytes as "?".
inline std::optional<QString> frame_text_of_field(const SView_binding &row, const Bytes &frame,
                                                  std::size_t place)
{
    if (dynamic_cast<const TScalar<char *> *>(row.item) == nullptr) {
        return std::nullopt;
    }
    QString text;
    for (std::size_t i = 0; i < row.item->size(); ++i) {
        const auto c = std::to_integer<std::uint8_t>(frame[place + i]);
        text += c < 0x20 || (c >= 0x7F && c <= 0x9F) ? QChar('?') : QChar(c);
    }
    return text;
}

// What `row` shows after `frame`, a whole frame of its group: nothing for an item of an optional
// tail the frame does not carry, the row's text for no value where the frame ends before the
// item or holds "no data" in it, else the rule's text of the item's value.
inline QString frame_text(const SView_binding &row, const Bytes &frame)
{
    const std::size_t place = place_of(row);
    const std::size_t byte_count = read_at<std::uint16_t>(frame, 6);
    const bool held = place + row.item->size() <= frame.size() - trailer_length;
    if (row.rule && row.rule->is_tail() && (byte_count <= row.rule->short_byte_count() || !held)) {
        return QString();
    }
    if (!held) {
        return without_value(row);
    }
    if (row.rule && row.rule->kind() == EKind::fixed) {
        return row.rule->fixed_text();
    }
    for (const auto &text :
         {frame_text_as<std::uint8_t>(row, frame, place),
          frame_text_as<std::int8_t>(row, frame, place),
          frame_text_as<std::uint16_t>(row, frame, place),
          frame_text_as<std::int16_t>(row, frame, place),
          frame_text_as<std::uint32_t>(row, frame, place),
          frame_text_as<std::int32_t>(row, frame, place), frame_text_as<float>(row, frame, place),
          frame_text_as<double>(row, frame, place), frame_text_of_field(row, frame, place)}) {
        if (text) {
            return *text;
        }
    }
    return QStringLiteral("(no text for this item's type)");
}

// --- frames --------------------------------------------------------------------------------

// What lies between the prefix and the trailer of a frame of group `number` as long as the
// record's layout: the header's tail as frame_bytes writes it, then zeros.
inline Bytes payload_of(const CGroup_base &record, std::uint16_t number)
{
    const Bytes empty = frame_bytes::group(number, {});
    Bytes payload(empty.begin() + prefix_length, empty.end() - trailer_length);
    payload.resize(record.size() - prefix_length - trailer_length);
    return payload;
}

inline void put(Bytes &payload, std::size_t place, const Bytes &bytes, bool merged)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::byte &at = payload[place - prefix_length + i];
        at = merged ? at | bytes[i] : bytes[i];
    }
}

// The frame's bytes up to `end` (a multiple of 4, so that no pad follows).
inline Bytes cut(const Bytes &payload, std::size_t end)
{
    return Bytes(payload.begin(),
                 payload.begin() + static_cast<std::ptrdiff_t>(end - prefix_length));
}

// The payloads of a group whose items all hold their sample value, or all their "no data", and
// what each row shows for them. Empty samples when a row's item has a type this header does not
// know.
struct SSampled_group {
    Bytes valued;
    Bytes without_data;
    std::vector<SSample> samples;
};

inline SSampled_group sample_group(std::uint16_t number, const std::vector<SView_binding> &rows)
{
    SSampled_group sampled;
    sampled.valued = payload_of(*rows.front().record, number);
    sampled.without_data = sampled.valued;
    for (const SView_binding &row : rows) {
        const std::optional<SSample> sample = sample_of(row);
        if (!sample) {
            sampled.samples.clear();
            return sampled;
        }
        put(sampled.valued, place_of(row), sample->value, sample->merged);
        put(sampled.without_data, place_of(row), sample->no_data, false);
        sampled.samples.push_back(*sample);
    }
    return sampled;
}

} // namespace view_samples
