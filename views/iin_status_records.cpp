#include "views/iin_status_records.h"

#include <string>

namespace {

using TCount = TScalar<std::uint32_t>;

std::string frame_part_name(std::uint16_t number, std::string_view part)
{
    return "Group " + std::to_string(number) + " " + std::string(part);
}

} // namespace

CIin_task_group::CIin_task_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                                 std::uint16_t byte_count)
    : CGroup_record(buffer, buffer_size, number, byte_count, frame_part_name(number, "Header")),
      m_fopen_error(new TCount(this, "Error. of fopen"))
{}

void CIin_task_group::close_layout()
{
    m_mpa_status = new TScalar<std::int32_t>(this, "MPA status");
    m_errors = {new TCount(this, "Error 1"), new TCount(this, "Error 2"),
                new TCount(this, "Error 3")};
    for (TScalar<double> *&value : m_data) {
        value = new TScalar<double>(this, "Data");
    }
    CGroup_record::close_layout(frame_part_name(number(), "Footer"));
}

bool CIin_task_group::carries_data() const
{
    return frame_length() - frame::prefix_length > largest_short_byte_count;
}

std::uint16_t CIin_task_group::short_byte_count() const
{
    const auto body_end = static_cast<std::size_t>(m_data.front()->start() - buffer());
    const std::size_t length = body_end + CFrame_footer::pad_for(body_end) + frame::trailer_length;
    return static_cast<std::uint16_t>(length - frame::prefix_length);
}

CGroup20106::CGroup20106(std::byte *buffer, std::size_t buffer_size)
    : CIin_task_group(buffer, buffer_size, number_of_record, byte_count),
      m_iin_runs(new TCount(this, "No.of iin runs")),
      m_iin_restarts(new TCount(this, "No. of restart iin")),
      m_snv_data_status(new TScalar<std::uint8_t>(this, "SNV data status")),
      m_sdnav_runs(new TCount(this, "No. of SDNAV runs")),
      m_error_control_runs(new TCount(this, "No. of closed loop error control runs")),
      m_msgs_from_gps(new TCount(this, "No. of mgs from gps")),
      m_msgs_from_imu(new TCount(this, "No. of mgs from imu")),
      m_msgs_from_extrap(new TCount(this, "No. of mgs from extrap")),
      m_msgs_from_update(new TCount(this, "No. of mgs from update")),
      m_bad_imu_data(new TCount(this, "No. of bad imu data")),
      m_msgs_from_imgr(new TCount(this, "No. of mgs from imgr")),
      m_imgr_msgs_rejected(new TCount(this, "No. of mgs from imgr")),
      m_imu_proxies_queued(new TCount(this, "No. of imu proxies queued")),
      m_imu_proxy_exceptions(new TCount(this, "No. of imu proxy exceptions"))
{
    close_layout();
}

// Two names end in a blank and one begins with one, as the computer's own layout has them.
CGroup20107::CGroup20107(std::byte *buffer, std::size_t buffer_size)
    : CIin_task_group(buffer, buffer_size, number_of_record, byte_count),
      m_update_runs(new TCount(this, "No.of iinupdate runs")),
      m_msgs_from_prefilter(new TCount(this, "No. of msg from pf ")),
      m_msgs_from_extrap(new TCount(this, "No. of msg from extrap")),
      m_prefilter_proxies_queued(new TCount(this, "No. of pf proxies queued")),
      m_extrap_proxies_queued(new TCount(this, "No. of extrap proxies queued")),
      m_iin_mode_proxies(new TCount(this, "No. of iin mode proxies ")),
      m_iin_mode(new TScalar<std::uint8_t>(this, " iin mode "))
{
    close_layout();
}

CGroup20108::CGroup20108(std::byte *buffer, std::size_t buffer_size)
    : CIin_task_group(buffer, buffer_size, number_of_record, byte_count),
      m_prefilter_runs(new TCount(this, "No.of iinpref runs")),
      m_msgs_from_iin(new TCount(this, "No.of msg from iin")),
      m_msgs_from_update(new TCount(this, "No. of msg from update")),
      m_iin_proxies_queued(new TCount(this, "No. of iin proxies queued")),
      m_iin_proxy_exceptions(new TCount(this, "No. of iin proxy exceptions")),
      m_msgs_from_imgr(new TScalar<std::uint8_t>(this, "No. of msg from imgr")),
      m_imgr_msgs_rejected(new TScalar<std::uint8_t>(this, "No. of msg from imgr rejected")),
      m_twan_msgs_delayed(new TCount(this, "No. of msg from twan delayed")),
      m_aux_gps_msgs_delayed(new TCount(this, "No. of msg from aux gps delayed")),
      m_iin_mode_proxies(new TCount(this, "No. of iin mode proxies"))
{
    close_layout();
}

CGroup20109::CGroup20109(std::byte *buffer, std::size_t buffer_size)
    : CIin_task_group(buffer, buffer_size, number_of_record, byte_count),
      m_extrap_runs(new TCount(this, "No.of iinextrap runs")),
      m_msgs_from_prefilter(new TCount(this, "No. of msg from pf ")),
      m_msgs_from_update(new TCount(this, "No. of msg from update")),
      m_prefilter_proxies_queued(new TCount(this, "No. of pf proxies queued")),
      m_update_proxies_queued(new TCount(this, "No. of update proxies queued")),
      m_iin_mode_proxies_queued(new TCount(this, "No. of iin mode proxies queued")),
      m_x_minus_time(new TScalar<double>(this, " x_minus_time")),
      m_dx_time(new TScalar<double>(this, "dx_time"))
{
    close_layout();
}
