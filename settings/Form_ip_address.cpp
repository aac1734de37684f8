#include "settings/Form_ip_address.h"

#include "resources/string_ids.h"
#include "resources/texts.h"
#include "settings/exit_check.h"
#include "settings/general_data_records.h"
#include "ui_Form_ip_address.h"

#include <array>

namespace {

using COctets = std::array<int, CMessage6::octets>;
using Octet_of = TScalar<std::uint8_t> &(CMessage6::*)(std::size_t);

// Which octets an entry holds, the values each may take, and what a wrong entry is told.
struct SOctet_rule {
    Octet_of octet;
    COctets lowest;
    COctets highest;
    int problem_text;
    // Shown when the echo does not hold the octets.
    QString absent;
};

// The four groups of a "000.000.000.000" entry as numbers; nothing when a group is empty or not
// a number.
std::optional<COctets> octets_of(const QString &shown)
{
    const QStringList groups = shown.split('.');
    if (groups.size() != static_cast<qsizetype>(CMessage6::octets)) {
        return std::nullopt;
    }
    COctets octets{};
    for (std::size_t i = 0; i < octets.size(); ++i) {
        bool number = false;
        octets[i] = groups[static_cast<qsizetype>(i)].trimmed().toInt(&number);
        if (!number) {
            return std::nullopt;
        }
    }
    return octets;
}

// Four octets of Message 6 in one masked entry.
class COctets_field : public TDialog_field<CMessage6> {
public:
    COctets_field(QLineEdit *entry, QString caption, SOctet_rule rule)
        : TDialog_field(entry, std::move(caption)), m_entry(entry), m_rule(std::move(rule))
    {}
    void load(CMessage6 &echo) override
    {
        if (!echo.holds(octet(echo, CMessage6::octets - 1))) {
            m_entry->setText(m_rule.absent);
            return;
        }
        QString text;
        for (std::size_t i = 0; i < CMessage6::octets; ++i) {
            text += QString::asprintf("%03d", octet(echo, i).get());
        }
        m_entry->setText(text);
    }
    std::optional<QString> problem() const override
    {
        const std::optional<COctets> octets = octets_of(m_entry->displayText());
        if (!octets) {
            return LoadText(m_rule.problem_text);
        }
        for (std::size_t i = 0; i < octets->size(); ++i) {
            if ((*octets)[i] < m_rule.lowest[i] || (*octets)[i] > m_rule.highest[i]) {
                return LoadText(m_rule.problem_text);
            }
        }
        return std::nullopt;
    }
    void store(CMessage6 &message) const override
    {
        const COctets octets = *octets_of(m_entry->displayText());
        for (std::size_t i = 0; i < CMessage6::octets; ++i) {
            octet(message, i).set(static_cast<std::uint8_t>(octets[i]));
        }
    }
    void keep(CMessage6 &message, CMessage6 &echo) const override
    {
        for (std::size_t i = 0; i < CMessage6::octets; ++i) {
            if (echo.holds(octet(echo, i))) {
                octet(message, i).set(octet(echo, i).get());
            }
        }
    }

private:
    TScalar<std::uint8_t> &octet(CMessage6 &message, std::size_t index) const
    {
        return (message.*m_rule.octet)(index);
    }

    QLineEdit *m_entry;
    SOctet_rule m_rule;
};

// Binds `entry` to its octets and checks it as the focus leaves it.
void bind_octets(TMessage_fields<CMessage6> &fields, QLineEdit *entry, const QString &caption,
                 SOctet_rule rule)
{
    auto field = std::make_unique<COctets_field>(entry, caption, std::move(rule));
    CheckOnExit(*entry, [checked = field.get()] { return checked->problem(); });
    fields.add_own(std::move(field));
}

} // namespace

TFormIpAddress::TFormIpAddress(QWidget *parent) : TFormFields("FormIpAddress", parent)
{
    setWindowTitle(tr("KORU IP Address"));
    Ui::FormIpAddressContent ui;
    ui.setupUi(body());
    m_subnet_mask = ui.SubnetMask;

    auto &address = m_fields.message<CMessage6>();
    bind_octets(address, ui.IpAddress, tr("KORU IP Address"),
                {&CMessage6::address, {1, 0, 0, 0}, {255, 255, 255, 254},
                 string_id::address_invalid, QString()});
    // A computer that sends no mask works with the mask of its class B network.
    bind_octets(address, ui.SubnetMask, tr("Subnet Mask"),
                {&CMessage6::mask, {0, 0, 0, 0}, {255, 255, 255, 255},
                 string_id::subnet_mask_invalid, QStringLiteral("255255000000")});
}

bool TFormIpAddress::UpdateFromMessage(int argument)
{
    TFormFields::UpdateFromMessage(argument);
    CMessage6 &echo = m_fields.message<CMessage6>().echo();
    if (echo.is_current()) {
        m_subnet_mask->setEnabled(echo.holds(echo.mask(CMessage6::octets - 1)));
    }
    return false;
}
