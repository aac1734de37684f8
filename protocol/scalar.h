#pragma once
// Leaf items: typed numbers, fixed-length character fields and raw byte runs.

#include "protocol/invalid.h"
#include "protocol/item_base.h"
#include "protocol/wire.h"

#include <algorithm>
#include <cmath>
#include <concepts>
#include <cstring>
#include <string_view>

// A number of wire type T at a fixed position.
template <class T>
class TScalar : public CScalar_item {
    static_assert(wire::Value<T>, "TScalar holds one wire number");

public:
    using value_type = T;

    TScalar(CComposite_item *parent, std::string_view name, T initial = CInvalid::of<T>())
        : CScalar_item(parent, name)
    {
        attach();
        set(initial);
    }

    std::size_t size() const override { return sizeof(T); }

    void set(T value) { wire::store(m_start, value); }
    // Single-precision fields accept a double and store it rounded.
    void set(double value) requires std::same_as<T, float> { set(static_cast<float>(value)); }

    T get() const { return wire::load<T>(m_start); }
    void get(T &out) const { out = get(); }
    void get(double &out) const requires std::same_as<T, float> { out = get(); }

    // Integers are valid when they differ from the sentinel. Floating values are valid when they
    // are finite and smaller in magnitude than the sentinel (the computer marks "no data" with
    // 1e20 and any larger value is not a measurement either).
    bool is_valid() const
    {
        const T value = get();
        if constexpr (std::is_floating_point_v<T>) {
            return std::isfinite(value) && std::fabs(value) < invalid_value();
        } else {
            return value != invalid_value();
        }
    }

    static constexpr T invalid_value() { return CInvalid::of<T>(); }
    virtual void set_invalid() { set(invalid_value()); }
};

// A fixed-length character field. Received fields are not necessarily terminated.
template <>
class TScalar<char *> : public CScalar_item {
public:
    // The field is as long as `initial` (without terminator) and starts out holding it.
    TScalar(CComposite_item *parent, std::string_view name, std::string_view initial)
        : CScalar_item(parent, name), m_length(initial.size())
    {
        attach();
        std::memcpy(m_start, initial.data(), m_length);
    }
    // A field of `length` bytes, each set to `fill`.
    TScalar(CComposite_item *parent, std::string_view name, std::size_t length, char fill = 0)
        : CScalar_item(parent, name), m_length(length)
    {
        attach();
        std::memset(m_start, static_cast<unsigned char>(fill), m_length);
    }

    std::size_t size() const override { return m_length; }

    // Copies at most the field's length; the rest of the field is zeroed. A text as long as the
    // field fills it completely, without terminator, as the computer does.
    void set(std::string_view text)
    {
        const std::size_t count = std::min(text.size(), m_length);
        // An empty view may have no data at all, which memcpy must not be given.
        if (count > 0) {
            std::memcpy(m_start, text.data(), count);
        }
        std::memset(m_start + count, 0, m_length - count);
    }

    // Copies the text up to its first zero byte into `dst`, always terminated and never more than
    // `capacity` bytes including the terminator. Returns the number of characters copied.
    std::size_t get(char *dst, std::size_t capacity) const
    {
        if (capacity == 0) {
            return 0;
        }
        const std::string_view value = text();
        const std::size_t count = std::min(value.size(), capacity - 1);
        std::memcpy(dst, value.data(), count);
        dst[count] = '\0';
        return count;
    }

    // The text up to the first zero byte, or the whole field when it has none.
    std::string_view text() const
    {
        const char *chars = reinterpret_cast<const char *>(m_start);
        const void *zero = std::memchr(chars, 0, m_length);
        const std::size_t count =
            zero == nullptr ? m_length
                            : static_cast<std::size_t>(static_cast<const char *>(zero) - chars);
        return {chars, count};
    }

    // True when the field's bytes are exactly `expected` (used for frame markers).
    bool holds(std::string_view expected) const
    {
        return expected.size() == m_length && std::memcmp(m_start, expected.data(), m_length) == 0;
    }

    static constexpr char invalid_value() { return static_cast<char>(CInvalid::invalid_char); }

private:
    std::size_t m_length;
};

// A run of raw bytes whose length may change (a receiver's message carried as received).
class CComposite_byte_array : public CScalar_item {
public:
    CComposite_byte_array(CComposite_item *parent, std::string_view name, std::size_t length)
        : CScalar_item(parent, name), m_length(length)
    {
        attach();
        std::memset(m_start, 0, m_length);
    }

    std::size_t size() const override { return m_length; }

    // Copies `length()` bytes in from `source`.
    void set(const void *source) { std::memcpy(m_start, source, m_length); }
    // Copies at most `capacity` bytes out; returns the number copied.
    std::size_t get(void *dst, std::size_t capacity) const
    {
        if (dst == nullptr) {
            return 0;
        }
        const std::size_t count = std::min(capacity, m_length);
        std::memcpy(dst, m_start, count);
        return count;
    }
    std::size_t length() const { return m_length; }
    // Takes effect at the next layout of the record.
    void set_length(std::size_t length) { m_length = length; }

private:
    std::size_t m_length;
};
