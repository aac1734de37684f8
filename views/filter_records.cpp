#include "views/filter_records.h"

#include "protocol/frame.h"

#include <string>

namespace {

std::string frame_part_name(std::uint16_t number, std::string_view part)
{
    return "Group " + std::to_string(number) + " " + std::string(part);
}

} // namespace

CCounted_group::CCounted_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                               std::uint16_t byte_count)
    : CGroup_record(buffer, buffer_size, number, byte_count, frame_part_name(number, "Header"))
{}

void CCounted_group::close_layout(std::string_view footer_name)
{
    CGroup_record::close_layout(footer_name);
    header().byte_count().set(static_cast<std::uint16_t>(size() - frame::prefix_length));
}

CFilter_update_group::CFilter_update_group(std::byte *buffer, std::size_t buffer_size,
                                           std::uint16_t number, std::size_t states,
                                           std::size_t measurements, bool plus_states)
    : CCounted_group(buffer, buffer_size, number, 0),
      m_update_time(new TScalar<double>(this, "Update Time", 0.0)),
      m_state_count(new TScalar<std::uint16_t>(this, "Number of States",
                                               static_cast<std::uint16_t>(states))),
      m_measurement_count(new TScalar<std::uint16_t>(this, "Number of Measurements",
                                                     static_cast<std::uint16_t>(measurements))),
      m_x_minus(new CDouble_array(this, "x_minus", states)),
      m_rms_minus(new CDouble_array(this, "rms_minus", states))
{
    if (plus_states) {
        m_plus[0] = new CDouble_array(this, "x_plus", states);
        m_plus[1] = new CDouble_array(this, "rms_plus", states);
        m_arrays.add_run(*m_state_count, {m_x_minus, m_rms_minus, m_plus[0], m_plus[1]});
    } else {
        m_arrays.add_run(*m_state_count, {m_x_minus, m_rms_minus});
    }
    m_meas_res = new CDouble_array(this, "meas_res", measurements);
    m_rms_meas_res = new CDouble_array(this, "RMSmeas_res", measurements);
    m_arrays.add_run(*m_measurement_count, {m_meas_res, m_rms_meas_res});
}

CGroup20101::CGroup20101(std::byte *buffer, std::size_t buffer_size)
    : CFilter_update_group(buffer, buffer_size, number_of_record, state_capacity,
                           measurement_capacity, false),
      m_meas_reject(new CMeas_reject(this, "Meas reject"))
{
    close_layout(frame_part_name(number_of_record, "Footer"));
}

CGroup20103::CGroup20103(std::byte *buffer, std::size_t buffer_size)
    : CFilter_update_group(buffer, buffer_size, number_of_record, state_capacity,
                           measurement_capacity, true),
      m_meas_reject(new CGroup20103_meas_reject(this, "Meas reject"))
{
    close_layout(frame_part_name(number_of_record, "Footer"));
}

CGroup20102::CGroup20102(std::byte *buffer, std::size_t buffer_size)
    : CCounted_group(buffer, buffer_size, number_of_record, 0),
      m_measurement_time_1(new TScalar<double>(this, "Measurement Time 1")),
      m_measurement_time_2(new TScalar<double>(this, "Measurement Time 2")),
      m_measurement_count(new TScalar<std::uint16_t>(
          this, "Number of Measurements", static_cast<std::uint16_t>(measurement_capacity))),
      m_construct(new CMeas_construct(this, "Measurement Construct")),
      m_z(new CDouble_array(this, "z", measurement_capacity)),
      m_r(new CDouble_array(this, "r", measurement_capacity))
{
    m_arrays.add_run(*m_measurement_count, {m_z, m_r});
    close_layout(frame_part_name(number_of_record, "Footer"));
}

// The computer names this group's footer after Group 20102.
CGroup20104::CGroup20104(std::byte *buffer, std::size_t buffer_size)
    : CCounted_group(buffer, buffer_size, number_of_record, 0),
      m_measurement_time(new TScalar<double>(this, "Measurement Time")),
      m_measurement_count(new TScalar<std::uint16_t>(
          this, "Number of Measurements", static_cast<std::uint16_t>(measurement_capacity))),
      m_z(new CDouble_array(this, "z data", measurement_capacity)),
      m_r(new CDouble_array(this, "r data", measurement_capacity))
{
    m_arrays.add_run(*m_measurement_count, {m_z, m_r});
    close_layout(frame_part_name(20102, "Footer"));
}

CTwan_record_data::CTwan_record_data(CComposite_item *parent, std::string_view name)
    : CComposite_item(parent, name),
      m_sv(new TScalar<std::uint8_t>(this, "SV In Solution In Order Of Meas Assignment")),
      m_ambiguities(new TScalar<std::int16_t>(this, "Integr Ambiguities")),
      m_slip_residual(new TScalar<float>(this, "Cycle Slip Test Residuals"))
{}

CGroup109::CGroup109(std::byte *buffer, std::size_t buffer_size)
    : CGroup_record(buffer, buffer_size, number_of_record, byte_count,
                    frame_part_name(number_of_record, "Header")),
      m_sv_count(new TScalar<std::uint8_t>(this, "Number of SV's In Solution")),
      m_base_sv(new TScalar<std::uint8_t>(this, "Base SV")),
      m_pdop(new TScalar<float>(this, "P DOP")),
      m_antenna_separation(new TScalar<float>(this, "Computed Antenna Separation")),
      m_otf_searches(new TScalar<std::uint8_t>(this, "Number of OTF Searches")),
      m_sosr_ratio(new TScalar<float>(this, "SOSR Ratio")),
      m_slip_flag(new CSlip_flag(this, "Cycle Slip Flag")),
      m_solution_status(new TScalar<std::uint8_t>(this, "Solution Status")),
      m_records(new CItem_array<CTwan_record_data>(this, "Twan Record", record_count)),
      m_heading(new TScalar<double>(this, "TWAN heading")),
      m_heading_rms(new TScalar<double>(this, "TWAN heading RMS error"))
{
    CGroup_record::close_layout(frame_part_name(number_of_record, "Footer"));
}
