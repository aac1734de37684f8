#pragma once
// The display formats for items of received records: the item's value, or "N/A" when the frame the
// record holds now does not carry the item (a short frame) or carries the computer's "no data".

#include "display/formats.h"
#include "protocol/group_base.h"
#include "protocol/scalar.h"
#include "resources/string_ids.h"
#include "resources/texts.h"

#include <concepts>
#include <type_traits>

template <class T>
concept Numeric_item_value = std::is_arithmetic_v<T>;

template <Numeric_item_value T>
QString FormatValue(std::string_view pattern, const CGroup_base &record, const TScalar<T> &item)
{
    return FormatValue(pattern, static_cast<double>(item.get()), record.has_value(item));
}

template <std::unsigned_integral T>
QString FormatCount(const CGroup_base &record, const TScalar<T> &item)
{
    return FormatCount(static_cast<std::uint32_t>(item.get()), record.has_value(item));
}

template <Numeric_item_value T>
QString FormatAngle360(const CGroup_base &record, const TScalar<T> &item)
{
    return FormatAngle360(static_cast<double>(item.get()), record.has_value(item));
}

template <std::floating_point T>
QString FormatLatitude(const CGroup_base &record, const TScalar<T> &item, int decimals)
{
    return record.has_value(item) ? FormatLatitude(static_cast<double>(item.get()), decimals)
                                  : LoadText(string_id::not_available);
}

template <std::floating_point T>
QString FormatLongitude(const CGroup_base &record, const TScalar<T> &item, int decimals)
{
    return record.has_value(item) ? FormatLongitude(static_cast<double>(item.get()), decimals)
                                  : LoadText(string_id::not_available);
}
