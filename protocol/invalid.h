#pragma once
// The values the KORU computer sends for "no data", one per wire type.

#include "protocol/wire.h"

#include <cstdint>

struct CInvalid {
    static constexpr wire_uchar invalid_uchar = 0xFF;
    static constexpr wire_ushort invalid_ushort = 0xFFFF;
    static constexpr wire_ulong invalid_ulong = 0xFFFFFFFFu;
    static constexpr wire_char invalid_char = 0x7F;
    static constexpr wire_short invalid_short = 0x7FFF;
    static constexpr wire_long invalid_long = 0x7FFFFFFF;
    static constexpr float invalid_float = 1e20f;
    static constexpr double invalid_double = 1e20;

    template <class T>
    static constexpr T of()
    {
        if constexpr (std::is_same_v<T, wire_uchar>) {
            return invalid_uchar;
        } else if constexpr (std::is_same_v<T, wire_ushort>) {
            return invalid_ushort;
        } else if constexpr (std::is_same_v<T, wire_ulong>) {
            return invalid_ulong;
        } else if constexpr (std::is_same_v<T, wire_char> || std::is_same_v<T, char>) {
            return static_cast<T>(invalid_char);
        } else if constexpr (std::is_same_v<T, wire_short>) {
            return invalid_short;
        } else if constexpr (std::is_same_v<T, wire_long>) {
            return invalid_long;
        } else if constexpr (std::is_same_v<T, float>) {
            return invalid_float;
        } else {
            static_assert(std::is_same_v<T, double>, "no sentinel for this wire type");
            return invalid_double;
        }
    }
};
