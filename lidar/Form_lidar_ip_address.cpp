#include "lidar/Form_lidar_ip_address.h"

#include "lidar/lidar_link.h"

#include <QVBoxLayout>

#include <algorithm>

TFormLidarIpAddress::TFormLidarIpAddress(QWidget *parent)
    : TFormProtectSettings("FormLidarIpAddress", parent),
      m_link(new TLidarLink(BorderBevel())),
      m_fields(*this)
{
    setWindowTitle(tr("Lidar Control"));
    m_link->setObjectName("LidarLink");
    content()->addWidget(m_link);
    Get(Program().groups, m_lidar);

    m_fields.message<CMessage20207>().address("IpAddress", &CMessage20207::address_parts);
    // The logging shown is the computer's, so that Ok for a new address leaves it as it is.
    m_fields.message<CMessage20206>().choice("RadioGroupLidarLogging",
                                             &CMessage20206::logging_control);
    Program().frame_adjusters.push_back(this);
}

TFormLidarIpAddress::~TFormLidarIpAddress()
{
    std::erase(Program().frame_adjusters, static_cast<ILoaded_frame_adjuster *>(this));
}

bool TFormLidarIpAddress::UpdateFromGroup(int argument)
{
    if (TFormProtectSettings::UpdateFromGroup(argument)) {
        return true;
    }
    if (!m_lidar->is_current()) {
        return false;
    }
    CGroup20202 &group = *m_lidar;
    const bool held = group.has_value(group.data_port_status());
    m_link->ShowDataPortStatus(held ? std::optional(group.data_port_status().get()) : std::nullopt);
    m_reported_logging = ReportedLoggingControl(group);
    return true;
}

bool TFormLidarIpAddress::UpdateFromMessage(int)
{
    m_fields.load();
    return false;
}

void TFormLidarIpAddress::ResetDisplay(int argument)
{
    TFormProtectSettings::ResetDisplay(argument);
    m_link->ShowDataPortStatus(std::nullopt);
    m_reported_logging.reset();
}

bool TFormLidarIpAddress::entries_ready()
{
    return m_fields.check();
}

void TFormLidarIpAddress::SendSettings(int)
{
    m_fields.send();
}

bool TFormLidarIpAddress::adjust_loaded_frame(std::span<std::byte> frame)
{
    if (frame::number_of(frame) != CMessage20206::number_of_record) {
        return true;
    }
    if (!m_reported_logging) {
        return false;
    }
    SetStoredLoggingControl(frame, *m_reported_logging);
    return true;
}
