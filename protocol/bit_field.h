#pragma once
// Bit sets: an unsigned field with named single bits and bit ranges as views onto it.

#include "protocol/invalid.h"
#include "protocol/item_base.h"
#include "protocol/wire.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

template <class T>
class TBit_pointer;

// An unsigned field of sizeof(T) bytes whose children view single bits or runs of bits of it.
// The children add no width.
template <class T>
class TBit_field : public CComposite_item {
    static_assert(std::is_unsigned_v<T> && wire::Value<T>, "bit fields are unsigned wire values");

public:
    static constexpr unsigned bit_count = 8 * sizeof(T);

    TBit_field(CComposite_item *parent, std::string_view name, T initial) : TBit_field(parent, name)
    {
        set(initial);
    }
    // Leaves the bytes under the field as they are.
    TBit_field(CComposite_item *parent, std::string_view name) : CComposite_item(parent, name)
    {
        grow_to(m_start + sizeof(T));
    }
    // The bit views read this field's value, so they go before the field does.
    ~TBit_field() override { remove_all(); }

    std::size_t size() const override { return sizeof(T); }

    std::byte *place(std::byte *position) override
    {
        m_start = position;
        m_end = position + sizeof(T);
        for (std::size_t i = 0; i < child_count(); ++i) {
            child(i).place(position);
        }
        return m_end;
    }

    void set(T value) { wire::store(m_start, value); }
    T get() const { return wire::load<T>(m_start); }
    void get(T &out) const { out = get(); }
    bool is_valid() const { return get() != invalid_value(); }
    static constexpr T invalid_value() { return CInvalid::of<T>(); }
    void set_invalid() { set(invalid_value()); }

    // The bits that have a named pointer.
    T claimed_mask() const { return m_claimed; }
    // The pointer named for bit `bit`, or null when the bit has no name.
    const TBit_pointer<T> *bit(unsigned bit) const
    {
        return bit < bit_count ? m_named[bit] : nullptr;
    }
    TBit_pointer<T> *bit(unsigned bit) { return bit < bit_count ? m_named[bit] : nullptr; }

private:
    friend class TBit_pointer<T>;
    T m_claimed = 0;
    std::array<TBit_pointer<T> *, bit_count> m_named{};
};

// How a bit pointer treats its bit when it is created.
enum class EBit_initial : std::uint8_t { clear = 0, set = 1, leave = 2 };

// One bit of a field, by number (0 = least significant).
template <class T>
class TBit_pointer : public CScalar_item {
public:
    TBit_pointer(TBit_field<T> *field, std::string_view name, unsigned bit,
                 EBit_initial initial = EBit_initial::leave)
        : CScalar_item(field, name), m_field(field), m_bit(bit), m_mask(static_cast<T>(T{1} << bit))
    {
        if (bit >= TBit_field<T>::bit_count) {
            layout_defect(name, "has a bit number beyond its field");
        }
        attach_inside();
        m_field->m_claimed = static_cast<T>(m_field->m_claimed | m_mask);
        m_field->m_named[bit] = this;
        if (initial != EBit_initial::leave) {
            set(initial == EBit_initial::set);
        }
    }
    ~TBit_pointer() override
    {
        m_field->m_claimed = static_cast<T>(m_field->m_claimed & ~m_mask);
        if (m_field->m_named[m_bit] == this) {
            m_field->m_named[m_bit] = nullptr;
        }
    }

    std::size_t size() const override { return 0; }
    // Shares the bytes of its field.
    std::byte *place(std::byte *position) override
    {
        m_start = position;
        m_end = position + sizeof(T);
        return m_end;
    }

    bool get() const { return (m_field->get() & m_mask) != 0; }
    void set(bool on)
    {
        const T value = m_field->get();
        m_field->set(static_cast<T>(on ? (value | m_mask) : (value & ~m_mask)));
    }
    unsigned bit() const { return m_bit; }
    T mask() const { return m_mask; }

private:
    TBit_field<T> *m_field;
    unsigned m_bit;
    T m_mask;
};

// Bits `first` to `last` of a field, read and written as one unsigned number.
template <class T>
class TBit_range_pointer : public CScalar_item {
public:
    TBit_range_pointer(TBit_field<T> *field, std::string_view name, unsigned first, unsigned last)
        : CScalar_item(field, name),
          m_field(field),
          m_first(first),
          m_mask(range_mask(name, first, last))
    {
        attach_inside();
    }

    std::size_t size() const override { return 0; }
    std::byte *place(std::byte *position) override
    {
        m_start = position;
        m_end = position + sizeof(T);
        return m_end;
    }

    // Values wider than the range are cut to it rather than spilling into neighbouring bits.
    void set(T value)
    {
        const std::uint64_t field = m_field->get();
        const std::uint64_t range = std::uint64_t{m_mask} << m_first;
        m_field->set(
            static_cast<T>((field & ~range) | ((std::uint64_t{value} & m_mask) << m_first)));
    }
    T get() const { return static_cast<T>((m_field->get() >> m_first) & m_mask); }
    void get(T &out) const { out = get(); }

private:
    // Computed in 64 bits so that a range over all 32 bits of a field does not shift by 32.
    static T range_mask(std::string_view name, unsigned first, unsigned last)
    {
        if (first > last || last >= TBit_field<T>::bit_count) {
            layout_defect(name, "has a bit range beyond its field");
        }
        return static_cast<T>((std::uint64_t{1} << (last - first + 1)) - 1);
    }

    TBit_field<T> *m_field;
    unsigned m_first;
    T m_mask;
};

// A bit number and its name, one row of a named bit set.
struct SBit_name {
    unsigned bit;
    std::string_view name;
};

// A field whose bits are named from a table. Wider fields clear their named bits at construction,
// as the computer's own layouts do; single-byte fields leave them as the default put them.
template <class T>
class TBit_set : public TBit_field<T> {
public:
    TBit_set(CComposite_item *parent, std::string_view name, T initial,
             std::initializer_list<SBit_name> names)
        : TBit_field<T>(parent, name, initial)
    {
        const EBit_initial state = sizeof(T) > 1 ? EBit_initial::clear : EBit_initial::leave;
        for (const SBit_name &row : names) {
            new TBit_pointer<T>(this, row.name, row.bit, state);
        }
    }
};

// A field with one pointer per bit, named "<name> Bit <n>".
template <class T>
class TBit_array : public TBit_field<T> {
public:
    TBit_array(CComposite_item *parent, std::string_view name, T initial)
        : TBit_field<T>(parent, name, initial)
    {
        const EBit_initial state = sizeof(T) > 1 ? EBit_initial::clear : EBit_initial::leave;
        const std::string prefix = std::string(name) + " Bit ";
        for (unsigned bit = 0; bit < TBit_field<T>::bit_count; ++bit) {
            new TBit_pointer<T>(this, prefix + std::to_string(bit), bit, state);
        }
    }
};
