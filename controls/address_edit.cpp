#include "controls/address_edit.h"

#include "controls/field_exit.h"
#include "platform/user_feedback.h"
#include "resources/texts.h"

#include <QFocusEvent>

namespace {

// Four groups of up to three optional digits; a blank stands for a digit not typed.
constexpr char address_mask[] = "000.000.000.000; ";

struct SGroup_range {
    int lowest;
    int highest;
};
constexpr SGroup_range group_ranges[] = {{1, 255}, {0, 255}, {0, 255}, {0, 254}};

std::optional<int> group_value(const QString &group)
{
    const QString digits = group.trimmed();
    if (digits.isEmpty() || digits.size() > 3) {
        return std::nullopt;
    }
    int value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

} // namespace

TAddressEdit::TAddressEdit(QWidget *parent) : QLineEdit(parent)
{
    setInputMask(QString::fromLatin1(address_mask));
}

void TAddressEdit::SetAddress(const Address_bytes &address)
{
    setText(QString::asprintf("%03d%03d%03d%03d", address[0], address[1], address[2], address[3]));
}

std::optional<Address_bytes> TAddressEdit::Address() const
{
    const QStringList groups = text().split(QLatin1Char('.'));
    if (groups.size() != 4) {
        return std::nullopt;
    }
    Address_bytes address{};
    for (std::size_t i = 0; i < address.size(); ++i) {
        const std::optional<int> value = group_value(groups[static_cast<qsizetype>(i)]);
        if (!value || *value < group_ranges[i].lowest || *value > group_ranges[i].highest) {
            return std::nullopt;
        }
        address[i] = static_cast<std::uint8_t>(*value);
    }
    return address;
}

bool TAddressEdit::CheckExit()
{
    if (Address()) {
        return true;
    }
    SMessage_box box;
    box.parent = this;
    box.icon = QMessageBox::Warning;
    box.caption = BoxCaption(ECaption::warning);
    box.text = LoadText(invalid_address_text);
    ShowMessageBox(box);
    return false;
}

void TAddressEdit::focusOutEvent(QFocusEvent *event)
{
    if (CheckFieldExit(*this, *event, [this] { return CheckExit(); }) != EField_exit::refused) {
        QLineEdit::focusOutEvent(event);
    }
}
