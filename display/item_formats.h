#pragma once
// The display formats for items of received records: the item's value and its validity.

#include "display/formats.h"
#include "protocol/scalar.h"
#include "resources/string_ids.h"
#include "resources/texts.h"

#include <concepts>
#include <type_traits>

template <class T>
concept Numeric_item_value = std::is_arithmetic_v<T>;

template <Numeric_item_value T>
QString FormatValue(std::string_view pattern, const TScalar<T> &item)
{
    return FormatValue(pattern, static_cast<double>(item.get()), item.is_valid());
}

template <std::unsigned_integral T>
QString FormatCount(const TScalar<T> &item)
{
    return FormatCount(static_cast<std::uint32_t>(item.get()), item.is_valid());
}

template <Numeric_item_value T>
QString FormatAngle360(const TScalar<T> &item)
{
    return FormatAngle360(static_cast<double>(item.get()), item.is_valid());
}

template <std::floating_point T>
QString FormatLatitude(const TScalar<T> &item, int decimals)
{
    return item.is_valid() ? FormatLatitude(static_cast<double>(item.get()), decimals)
                           : LoadText(string_id::not_available);
}

template <std::floating_point T>
QString FormatLongitude(const TScalar<T> &item, int decimals)
{
    return item.is_valid() ? FormatLongitude(static_cast<double>(item.get()), decimals)
                           : LoadText(string_id::not_available);
}
