#pragma once
// The status groups of the integrated navigator's four tasks: the navigator itself, its update,
// its prefilter and its extrapolation. Standard library and protocol only, so that the simulator
// and the tests use them without a widget. Laid over the group queue's receive buffer.

#include "protocol/group_base.h"

#include <array>
#include <cstddef>
#include <cstdint>

// What the four groups share: "Error. of fopen" first; "MPA status", "Error 1" to "Error 3" and
// ten doubles each named "Data" last. The computer may leave the "Data" values off.
class CIin_task_group : public CGroup_record {
public:
    static constexpr std::size_t data_count = 10;
    // A frame whose byte count is at most this one carries no "Data" values.
    static constexpr std::uint16_t largest_short_byte_count = 110;

    TScalar<std::uint32_t> &fopen_error() { return *m_fopen_error; }
    TScalar<std::int32_t> &mpa_status() { return *m_mpa_status; }
    TScalar<std::uint32_t> &error_1() { return *m_errors[0]; }
    TScalar<std::uint32_t> &error_2() { return *m_errors[1]; }
    TScalar<std::uint32_t> &error_3() { return *m_errors[2]; }
    // `index` from 0 to 9.
    TScalar<double> &data(std::size_t index) { return *m_data[index]; }

    // True when the frame held now carries the "Data" values, as its byte count says.
    bool carries_data() const;
    // The byte count of the group sent without its "Data" values.
    std::uint16_t short_byte_count() const;

protected:
    // Writes the header ("Group <number> Header") and "Error. of fopen"; the concrete group then
    // creates its own items and calls close_layout().
    CIin_task_group(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                    std::uint16_t byte_count);
    // Adds "MPA status", the errors, the "Data" values and the footer.
    void close_layout();

private:
    TScalar<std::uint32_t> *m_fopen_error;
    TScalar<std::int32_t> *m_mpa_status = nullptr;
    std::array<TScalar<std::uint32_t> *, 3> m_errors{};
    std::array<TScalar<double> *, data_count> m_data{};
};

// Integrated navigator task status.
class CGroup20106 : public CIin_task_group {
public:
    static constexpr std::uint16_t number_of_record = 20106;
    static constexpr std::uint16_t byte_count = 184;

    CGroup20106(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint32_t> &iin_runs() { return *m_iin_runs; }
    TScalar<std::uint32_t> &iin_restarts() { return *m_iin_restarts; }
    TScalar<std::uint8_t> &snv_data_status() { return *m_snv_data_status; }
    TScalar<std::uint32_t> &sdnav_runs() { return *m_sdnav_runs; }
    TScalar<std::uint32_t> &error_control_runs() { return *m_error_control_runs; }
    TScalar<std::uint32_t> &msgs_from_gps() { return *m_msgs_from_gps; }
    TScalar<std::uint32_t> &msgs_from_imu() { return *m_msgs_from_imu; }
    TScalar<std::uint32_t> &msgs_from_extrap() { return *m_msgs_from_extrap; }
    TScalar<std::uint32_t> &msgs_from_update() { return *m_msgs_from_update; }
    TScalar<std::uint32_t> &bad_imu_data() { return *m_bad_imu_data; }
    TScalar<std::uint32_t> &msgs_from_imgr() { return *m_msgs_from_imgr; }
    // Named "No. of mgs from imgr" like the one before it: the input manager's rejected messages.
    TScalar<std::uint32_t> &imgr_msgs_rejected() { return *m_imgr_msgs_rejected; }
    TScalar<std::uint32_t> &imu_proxies_queued() { return *m_imu_proxies_queued; }
    TScalar<std::uint32_t> &imu_proxy_exceptions() { return *m_imu_proxy_exceptions; }

private:
    TScalar<std::uint32_t> *m_iin_runs;
    TScalar<std::uint32_t> *m_iin_restarts;
    TScalar<std::uint8_t> *m_snv_data_status;
    TScalar<std::uint32_t> *m_sdnav_runs;
    TScalar<std::uint32_t> *m_error_control_runs;
    TScalar<std::uint32_t> *m_msgs_from_gps;
    TScalar<std::uint32_t> *m_msgs_from_imu;
    TScalar<std::uint32_t> *m_msgs_from_extrap;
    TScalar<std::uint32_t> *m_msgs_from_update;
    TScalar<std::uint32_t> *m_bad_imu_data;
    TScalar<std::uint32_t> *m_msgs_from_imgr;
    TScalar<std::uint32_t> *m_imgr_msgs_rejected;
    TScalar<std::uint32_t> *m_imu_proxies_queued;
    TScalar<std::uint32_t> *m_imu_proxy_exceptions;
};

// Navigator update task status.
class CGroup20107 : public CIin_task_group {
public:
    static constexpr std::uint16_t number_of_record = 20107;
    static constexpr std::uint16_t byte_count = 156;

    CGroup20107(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint32_t> &update_runs() { return *m_update_runs; }
    TScalar<std::uint32_t> &msgs_from_prefilter() { return *m_msgs_from_prefilter; }
    TScalar<std::uint32_t> &msgs_from_extrap() { return *m_msgs_from_extrap; }
    TScalar<std::uint32_t> &prefilter_proxies_queued() { return *m_prefilter_proxies_queued; }
    TScalar<std::uint32_t> &extrap_proxies_queued() { return *m_extrap_proxies_queued; }
    TScalar<std::uint32_t> &iin_mode_proxies() { return *m_iin_mode_proxies; }
    TScalar<std::uint8_t> &iin_mode() { return *m_iin_mode; }

private:
    TScalar<std::uint32_t> *m_update_runs;
    TScalar<std::uint32_t> *m_msgs_from_prefilter;
    TScalar<std::uint32_t> *m_msgs_from_extrap;
    TScalar<std::uint32_t> *m_prefilter_proxies_queued;
    TScalar<std::uint32_t> *m_extrap_proxies_queued;
    TScalar<std::uint32_t> *m_iin_mode_proxies;
    TScalar<std::uint8_t> *m_iin_mode;
};

// Prefilter task status.
class CGroup20108 : public CIin_task_group {
public:
    static constexpr std::uint16_t number_of_record = 20108;
    static constexpr std::uint16_t byte_count = 164;

    CGroup20108(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint32_t> &prefilter_runs() { return *m_prefilter_runs; }
    TScalar<std::uint32_t> &msgs_from_iin() { return *m_msgs_from_iin; }
    TScalar<std::uint32_t> &msgs_from_update() { return *m_msgs_from_update; }
    TScalar<std::uint32_t> &iin_proxies_queued() { return *m_iin_proxies_queued; }
    TScalar<std::uint32_t> &iin_proxy_exceptions() { return *m_iin_proxy_exceptions; }
    TScalar<std::uint8_t> &msgs_from_imgr() { return *m_msgs_from_imgr; }
    TScalar<std::uint8_t> &imgr_msgs_rejected() { return *m_imgr_msgs_rejected; }
    TScalar<std::uint32_t> &twan_msgs_delayed() { return *m_twan_msgs_delayed; }
    TScalar<std::uint32_t> &aux_gps_msgs_delayed() { return *m_aux_gps_msgs_delayed; }
    TScalar<std::uint32_t> &iin_mode_proxies() { return *m_iin_mode_proxies; }

private:
    TScalar<std::uint32_t> *m_prefilter_runs;
    TScalar<std::uint32_t> *m_msgs_from_iin;
    TScalar<std::uint32_t> *m_msgs_from_update;
    TScalar<std::uint32_t> *m_iin_proxies_queued;
    TScalar<std::uint32_t> *m_iin_proxy_exceptions;
    TScalar<std::uint8_t> *m_msgs_from_imgr;
    TScalar<std::uint8_t> *m_imgr_msgs_rejected;
    TScalar<std::uint32_t> *m_twan_msgs_delayed;
    TScalar<std::uint32_t> *m_aux_gps_msgs_delayed;
    TScalar<std::uint32_t> *m_iin_mode_proxies;
};

// Extrapolation task status.
class CGroup20109 : public CIin_task_group {
public:
    static constexpr std::uint16_t number_of_record = 20109;
    static constexpr std::uint16_t byte_count = 172;

    CGroup20109(std::byte *buffer, std::size_t buffer_size);

    TScalar<std::uint32_t> &extrap_runs() { return *m_extrap_runs; }
    TScalar<std::uint32_t> &msgs_from_prefilter() { return *m_msgs_from_prefilter; }
    TScalar<std::uint32_t> &msgs_from_update() { return *m_msgs_from_update; }
    TScalar<std::uint32_t> &prefilter_proxies_queued() { return *m_prefilter_proxies_queued; }
    TScalar<std::uint32_t> &update_proxies_queued() { return *m_update_proxies_queued; }
    TScalar<std::uint32_t> &iin_mode_proxies_queued() { return *m_iin_mode_proxies_queued; }
    TScalar<double> &x_minus_time() { return *m_x_minus_time; }
    TScalar<double> &dx_time() { return *m_dx_time; }

private:
    TScalar<std::uint32_t> *m_extrap_runs;
    TScalar<std::uint32_t> *m_msgs_from_prefilter;
    TScalar<std::uint32_t> *m_msgs_from_update;
    TScalar<std::uint32_t> *m_prefilter_proxies_queued;
    TScalar<std::uint32_t> *m_update_proxies_queued;
    TScalar<std::uint32_t> *m_iin_mode_proxies_queued;
    TScalar<double> *m_x_minus_time;
    TScalar<double> *m_dx_time;
};
