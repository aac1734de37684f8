#pragma once
// Entry field for an IPv4 address of a device on the network: four groups of up to three digits
// with dots between them (the dots are part of the form, not of what is typed). Leaving the field
// with an address that cannot be a device's shows why and keeps the focus.

#include <QLineEdit>

#include <array>
#include <cstdint>
#include <optional>

using Address_bytes = std::array<std::uint8_t, 4>;

class TAddressEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TAddressEdit(QWidget *parent = nullptr);

    // Shows the address as twelve digits, three a group.
    void SetAddress(const Address_bytes &address);
    // The four groups read as decimal numbers (leading zeros are no octal mark), when the field
    // holds a device's address: the first group 1 to 255, the second and third 0 to 255, the
    // fourth 0 to 254. Nothing otherwise, an empty group included.
    std::optional<Address_bytes> Address() const;

    // The exit check without the focus change: false, having said why, when the field does not
    // hold a device's address.
    bool CheckExit();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};

// The string that says which addresses a device may have.
inline constexpr int invalid_address_text = 13500;
