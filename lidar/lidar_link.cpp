#include "lidar/lidar_link.h"

#include "lidar/lidar_records.h"
#include "ui_lidar_link.h"

namespace {

QString text_of(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TLidarLink::TLidarLink(QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::LidarLinkContent>())
{
    m_ui->setupUi(this);
}

TLidarLink::~TLidarLink() = default;

TAddressEdit *TLidarLink::IpAddress() const
{
    return m_ui->IpAddress;
}

TRadioGroup *TLidarLink::RadioGroupLidarLogging() const
{
    return m_ui->RadioGroupLidarLogging;
}

QLabel *TLidarLink::Connection() const
{
    return m_ui->Connection;
}

QLabel *TLidarLink::Logging() const
{
    return m_ui->Logging;
}

void TLidarLink::ShowDataPortStatus(std::optional<std::uint16_t> status)
{
    // A status beyond the table's reads "N/A" too.
    const SLidar_state_texts texts = LidarStateTexts(status.value_or(0));
    m_ui->Connection->setText(text_of(texts.connection));
    m_ui->Logging->setText(text_of(texts.logging));
}
