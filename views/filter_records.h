#pragma once
// The groups of the navigation Kalman filter (20101, 20102) and of the TWAN heading filter (109,
// 20103, 20104). Standard library and protocol only, so that the simulator, the fuzzers and the
// tests use them without a widget. The filter groups carry arrays whose lengths they state:
// a private copy lays itself out for them before it is read.

#include "protocol/bit_field.h"
#include "protocol/counted_arrays.h"
#include "protocol/group_base.h"

#include <cstdint>
#include <string_view>

// A field of `count` bits, bits 0 up, every one named `bit_name`: bit i belongs to element i.
template <class T>
class TNumbered_bits : public TBit_field<T> {
public:
    TNumbered_bits(CComposite_item *parent, std::string_view name, unsigned count,
                   std::string_view bit_name)
        : TBit_field<T>(parent, name, 0)
    {
        for (unsigned bit = 0; bit < count; ++bit) {
            new TBit_pointer<T>(this, bit_name, bit, EBit_initial::clear);
        }
    }
    // Bit `index`, false past the field's bits.
    bool is_set(std::size_t index) const
    {
        return index < TBit_field<T>::bit_count && ((this->get() >> index) & 1U) != 0;
    }
};

// Rejected measurements of the navigation filter.
class CMeas_reject : public TNumbered_bits<std::uint32_t> {
public:
    CMeas_reject(CComposite_item *parent, std::string_view name)
        : TNumbered_bits(parent, name, 20, "Rejected")
    {}
};

// Measurements the navigation filter's prefilter constructed.
class CMeas_construct : public TNumbered_bits<std::uint32_t> {
public:
    CMeas_construct(CComposite_item *parent, std::string_view name)
        : TNumbered_bits(parent, name, 20, "Constructed")
    {}
};

// Rejected measurements of the TWAN filter.
class CGroup20103_meas_reject : public TNumbered_bits<std::uint32_t> {
public:
    CGroup20103_meas_reject(CComposite_item *parent, std::string_view name)
        : TNumbered_bits(parent, name, 31, "Rejected")
    {}
};

// Records with counted arrays: the kit's private copy calls lay_out_received() for each frame.
class CCounted_group : public CGroup_record {
public:
    void lay_out_received() { m_arrays.lay_out_received(*this); }

protected:
    CCounted_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                   std::uint16_t byte_count);
    // Adds the footer and lays the arrays out at their capacity.
    void close_layout(std::string_view footer_name);

    CCounted_arrays m_arrays;
};

// What the filter update groups of both filters share: update time, counts, the a-priori state
// and its RMS, the residuals and their RMS, and the rejected measurements.
class CFilter_update_group : public CCounted_group {
public:
    TScalar<double> &update_time() { return *m_update_time; }
    TScalar<std::uint16_t> &state_count() { return *m_state_count; }
    TScalar<std::uint16_t> &measurement_count() { return *m_measurement_count; }
    CDouble_array &x_minus() { return *m_x_minus; }
    CDouble_array &rms_minus() { return *m_rms_minus; }
    CDouble_array &meas_res() { return *m_meas_res; }
    CDouble_array &rms_meas_res() { return *m_rms_meas_res; }

    // Lays the record out for `states` and `measurements` and frames it, for sending.
    void lay_out_for_sending(std::size_t states, std::size_t measurements)
    {
        m_arrays.lay_out_for_sending(*this, {states, measurements});
    }

protected:
    // Header, update time, counts and arrays; with `plus_states`, the state after the update and
    // its RMS between the a-priori RMS and the residuals. The concrete group adds its reject field
    // and closes the layout.
    CFilter_update_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                         std::size_t states, std::size_t measurements, bool plus_states);
    CDouble_array &plus_array(std::size_t index) { return *m_plus[index]; }

private:
    TScalar<double> *m_update_time;
    TScalar<std::uint16_t> *m_state_count;
    TScalar<std::uint16_t> *m_measurement_count;
    CDouble_array *m_x_minus;
    CDouble_array *m_rms_minus;
    CDouble_array *m_plus[2] = {nullptr, nullptr};
    CDouble_array *m_meas_res;
    CDouble_array *m_rms_meas_res;
};

// Navigation filter update.
class CGroup20101 : public CFilter_update_group {
public:
    static constexpr std::uint16_t number_of_record = 20101;
    static constexpr std::size_t state_capacity = 40;
    static constexpr std::size_t measurement_capacity = 20;

    CGroup20101(std::byte *buffer, std::size_t buffer_size);
    CMeas_reject &meas_reject() { return *m_meas_reject; }

private:
    CMeas_reject *m_meas_reject;
};

// TWAN filter update: also the state after the update and its RMS.
class CGroup20103 : public CFilter_update_group {
public:
    static constexpr std::uint16_t number_of_record = 20103;
    static constexpr std::size_t state_capacity = 20;
    static constexpr std::size_t measurement_capacity = 30;

    CGroup20103(std::byte *buffer, std::size_t buffer_size);
    CDouble_array &x_plus() { return plus_array(0); }
    CDouble_array &rms_plus() { return plus_array(1); }
    CGroup20103_meas_reject &meas_reject() { return *m_meas_reject; }

private:
    CGroup20103_meas_reject *m_meas_reject;
};

// Navigation filter measurements, as the prefilter constructed them.
class CGroup20102 : public CCounted_group {
public:
    static constexpr std::uint16_t number_of_record = 20102;
    static constexpr std::size_t measurement_capacity = 20;

    CGroup20102(std::byte *buffer, std::size_t buffer_size);

    TScalar<double> &measurement_time_1() { return *m_measurement_time_1; }
    TScalar<double> &measurement_time_2() { return *m_measurement_time_2; }
    TScalar<std::uint16_t> &measurement_count() { return *m_measurement_count; }
    CMeas_construct &construct() { return *m_construct; }
    CDouble_array &z() { return *m_z; }
    CDouble_array &r() { return *m_r; }

    void lay_out_for_sending(std::size_t measurements)
    {
        m_arrays.lay_out_for_sending(*this, {measurements});
    }

private:
    TScalar<double> *m_measurement_time_1;
    TScalar<double> *m_measurement_time_2;
    TScalar<std::uint16_t> *m_measurement_count;
    CMeas_construct *m_construct;
    CDouble_array *m_z;
    CDouble_array *m_r;
};

// TWAN filter measurements.
class CGroup20104 : public CCounted_group {
public:
    static constexpr std::uint16_t number_of_record = 20104;
    static constexpr std::size_t measurement_capacity = 30;

    CGroup20104(std::byte *buffer, std::size_t buffer_size);

    TScalar<double> &measurement_time() { return *m_measurement_time; }
    TScalar<std::uint16_t> &measurement_count() { return *m_measurement_count; }
    CDouble_array &z() { return *m_z; }
    CDouble_array &r() { return *m_r; }

    void lay_out_for_sending(std::size_t measurements)
    {
        m_arrays.lay_out_for_sending(*this, {measurements});
    }

private:
    TScalar<double> *m_measurement_time;
    TScalar<std::uint16_t> *m_measurement_count;
    CDouble_array *m_z;
    CDouble_array *m_r;
};

// One satellite of the TWAN solution.
class CTwan_record_data : public CComposite_item {
public:
    CTwan_record_data(CComposite_item *parent, std::string_view name);

    TScalar<std::uint8_t> &sv() { return *m_sv; }
    TScalar<std::int16_t> &ambiguities() { return *m_ambiguities; }
    TScalar<float> &slip_residual() { return *m_slip_residual; }

private:
    TScalar<std::uint8_t> *m_sv;
    TScalar<std::int16_t> *m_ambiguities;
    TScalar<float> *m_slip_residual;
};

// Cycle slips of the TWAN solution's satellites: bit k belongs to record k.
class CSlip_flag : public TNumbered_bits<std::uint16_t> {
public:
    CSlip_flag(CComposite_item *parent, std::string_view name)
        : TNumbered_bits(parent, name, 15, "Cycle Slip Flag")
    {}
};

// TWAN solution: satellites used, ambiguity resolution and heading.
class CGroup109 : public CGroup_record {
public:
    static constexpr std::uint16_t number_of_record = 109;
    static constexpr std::uint16_t byte_count = 148;
    static constexpr std::size_t record_count = 12;

    CGroup109(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint8_t> &sv_count() { return *m_sv_count; }
    TScalar<std::uint8_t> &base_sv() { return *m_base_sv; }
    TScalar<float> &pdop() { return *m_pdop; }
    TScalar<float> &antenna_separation() { return *m_antenna_separation; }
    TScalar<std::uint8_t> &otf_searches() { return *m_otf_searches; }
    TScalar<float> &sosr_ratio() { return *m_sosr_ratio; }
    CSlip_flag &slip_flag() { return *m_slip_flag; }
    TScalar<std::uint8_t> &solution_status() { return *m_solution_status; }
    CTwan_record_data &twan_record(std::size_t index) { return (*m_records)[index]; }
    TScalar<double> &heading() { return *m_heading; }
    TScalar<double> &heading_rms() { return *m_heading_rms; }

private:
    TScalar<std::uint8_t> *m_sv_count;
    TScalar<std::uint8_t> *m_base_sv;
    TScalar<float> *m_pdop;
    TScalar<float> *m_antenna_separation;
    TScalar<std::uint8_t> *m_otf_searches;
    TScalar<float> *m_sosr_ratio;
    CSlip_flag *m_slip_flag;
    TScalar<std::uint8_t> *m_solution_status;
    CItem_array<CTwan_record_data> *m_records;
    TScalar<double> *m_heading;
    TScalar<double> *m_heading_rms;
};
