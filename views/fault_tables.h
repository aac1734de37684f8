#pragma once
// The faults view's indicator tables: which lamp shows which bits of which status word, beside
// which caption. Standard library only, so that the tests read the tables without a widget.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// The group box a lamp stands in.
enum class EFault_box {
    imu,
    primary_gps,
    algorithm_status,
    secondary_gps,
    auxiliary_gps,
    twan,
    primary_status,   // the primary receiver's page
    secondary_status, // the secondary receiver's page
    imu_status,       // the IMU's page
};

// A lamp: its number (the control "CLed_image<led>" beside the label "Label<led>"), the bits it
// shows, the string-table id of its caption (0: the caption it was designed with, `caption`)
// and its group box.
struct SLed_entry {
    unsigned led;
    std::uint32_t mask;
    int text_id;
    const char *caption;
    EFault_box box;
};

using Led_table = std::span<const SLed_entry>;

// Each status word's lamps on the general page.
struct SGeneral_tables {
    Led_table installation; // set from "General Status B" with bit 8 inverted
    std::array<Led_table, 5> levels; // "FDIR Level 1 Status" … "FDIR Level 5 Status"
};
const SGeneral_tables &GeneralTables();

// A GNSS receiver's lamps: the single-frequency part, and the dual-frequency part (bits 16 up).
struct SReceiver_tables {
    Led_table single;
    Led_table dual;
};
const SReceiver_tables &PrimaryReceiverTables();
const SReceiver_tables &SecondaryReceiverTables();
// A receiver's status word is shown XOR this: its "good" bits light their lamp when clear.
inline constexpr std::uint32_t receiver_good_bits = 0x000B00FF;
// Bit 8 of "General Status B" is shown inverted.
inline constexpr std::uint32_t installation_bit = 0x100;

// The IMU tables A to K, in that order.
inline constexpr std::size_t imu_table_count = 11;
Led_table ImuTable(std::size_t index);
// The index of the IMU table for IMU type `type`; none for a type without one.
std::optional<std::size_t> ImuTableOfType(unsigned type);
// The status word as the IMU table `index` shows it.
std::uint32_t ImuStatusForTable(std::size_t index, std::uint16_t status);
// The first and last lamp of the IMU page.
inline constexpr unsigned first_imu_led = 31;
inline constexpr unsigned last_imu_led = 46;
