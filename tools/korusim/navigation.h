#pragma once
// The simulated computer's navigation: alignment (coarse levelling, then fine alignment), full
// navigation along the flight, and the status words and accuracies it reports in each phase.

#include "tools/korusim/flight.h"

#include <cstdint>
#include <optional>

enum class ENav_phase : std::uint8_t { standby, coarse_leveling, fine_align, full_navigation };

// Where the navigation stands at one moment.
struct SNav_phase {
    ENav_phase phase = ENav_phase::standby;
    double seconds_in_phase = 0;
};

// Starts and stops navigation and tells the phase and the aircraft's state at any later time.
class CNavigator {
public:
    CNavigator(const SFlight_start &start, const SFlight_profile &profile, double align_seconds);

    // Alignment begins at `t` (seconds since power-on) with the aircraft parked at `start`.
    void start(double t, const SFlight_start &start);
    // Standby: navigation stops and the aircraft stands parked at its last start position.
    void stop();
    bool running() const { return m_started_at.has_value(); }

    SNav_phase phase_at(double t) const;
    // Times are expected not to go backwards within one run.
    SNav_state state_at(double t);

private:
    SFlight_profile m_profile;
    double m_align_seconds;
    std::optional<double> m_started_at;
    CFlight m_flight;
};

// Recording on the removable disk (the PC card): not asked for, asked for while the file is being
// opened, writing, or asked for with no room left.
enum class EPc_card : std::uint8_t { idle, buffering, writing, device_full };

// What the status words depend on besides the phase.
struct SStatus_inputs {
    SNav_phase phase;
    bool free_inertial = false;
    EPc_card pc_card = EPc_card::idle;
    bool configuration_changed = false; // settings differ from the saved ones
    bool saved = false;                 // the last save of the settings succeeded
    bool logged_out = false;            // a password is set and the user has not logged in
};

struct SNav_status {
    std::uint32_t general_status_a = 0;
    std::uint32_t general_status_b = 0;
    std::uint32_t general_status_c = 0;
    bool has_accuracy = false; // no accuracies while standing by
    Vector3 rms_position{};    // north, east, down; m
    Vector3 rms_velocity{};    // north, east, down; m/s
    Vector3 rms_attitude{};    // roll, pitch, heading; degrees
    // 0 full navigation, 1 fine alignment, 2 coarse levelling, 255 no solution.
    std::uint8_t solution_status = 255;
};

SNav_status navigation_status(const SStatus_inputs &inputs);
