#include "omnistar/Form_omni_star.h"

#include "settings/omni_star_records.h"
#include "ui_Form_omni_star.h"

#include <limits>

namespace {

constexpr double highest_frequency = 10000; // MHz
constexpr int frequency_decimals = 3;

} // namespace

TFormOmniStar::TFormOmniStar(QWidget *parent)
    : TFormKoruSettings("FormOmniStar", parent),
      m_ui(std::make_unique<Ui::FormOmniStarContent>()),
      m_fields(*this)
{
    setWindowTitle(tr("Omni Star Settings"));
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);

    auto &settings = m_fields.message<CMessage17>();
    settings.choice("Mode", &CMessage17::mode_control);
    settings.choice("SatID", &CMessage17::satellite_id);
    settings.real("Freq", &CMessage17::frequency, 0, highest_frequency, frequency_decimals)
        .send_when_unused(0);
    settings.integer("BitRate", &CMessage17::bit_rate, 0, std::numeric_limits<std::uint16_t>::max())
        .send_when_unused(0);

    connect(m_ui->Mode, &QComboBox::currentIndexChanged, this, [this] { apply_enable_rule(); });
    connect(m_ui->SatID, &QComboBox::currentIndexChanged, this, [this] { apply_enable_rule(); });
    apply_enable_rule();
}

TFormOmniStar::~TFormOmniStar() = default;

bool TFormOmniStar::UpdateFromMessage(int)
{
    m_fields.load();
    apply_enable_rule();
    return false;
}

void TFormOmniStar::apply_enable_rule()
{
    const bool service_on = m_ui->Mode->currentIndex() != CMessage17::off;
    const bool custom = service_on && m_ui->SatID->currentIndex() == CMessage17::custom_satellite;
    m_ui->SatID->setEnabled(service_on);
    m_ui->Freq->setEnabled(custom);
    m_ui->BitRate->setEnabled(custom);
}

bool TFormOmniStar::entries_ready()
{
    return m_fields.check();
}

void TFormOmniStar::SendSettings(int)
{
    m_fields.send();
    if (!m_ui->Freq->isEnabled()) {
        m_ui->Freq->setText(QStringLiteral("0.0"));
    }
    if (!m_ui->BitRate->isEnabled()) {
        m_ui->BitRate->setText(QStringLiteral("0"));
    }
}
