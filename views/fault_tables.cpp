#include "views/fault_tables.h"

#include <array>

namespace {

using enum EFault_box;

constexpr SLed_entry installation[] = {
    {73, 0x100, 0, "Invalid Installation Parameters", twan},
};

constexpr SLed_entry level_1[] = {
    {1, 0x1, 0, "IMU Checksum Error", imu},
    {2, 0x2, 0, "Sensor Error", imu},
    {3, 0x4, 0, "Excessive IMU Failures", imu},
    {5, 0x20, 0, "Not in Navigate Mode", primary_gps},
    {6, 0x40, 0, "Not Available for Alignment", primary_gps},
    {7, 0x80, 0, "GPS Data Gap", primary_gps},
    {10, 0x100, 0, "PPS Time Gap", primary_gps},
    {11, 0x200, 0, "No Time Recovery Message", primary_gps},
    {12, 0x400, 0, "Pri. GPS Raw Obs. Data Gap", twan},
    {13, 0x800, 0, "Ephemeris Data Gap", twan},
    {14, 0x1000, 0, "Tracking Elev. Limit Incorrect", primary_gps},
    {15, 0x2000, 0, "GPS Datum Incorrect", primary_gps},
    {16, 0x4000, 0, "Position/Velocity Fix Error", primary_gps},
    {17, 0x8000, 0, "SV Select Parameters Incorrect", primary_gps},
    {51, 0x100000, 0, "GPS Data Gap", secondary_gps},
    {52, 0x200000, 0, "Sec. GPS Raw Obs. Data Gap", twan},
    {53, 0x2000000, 0, "GPS Data Gap", auxiliary_gps},
    {55, 0x4000000, 0, "Ambiguity Resolution Failure", twan},
};

constexpr SLed_entry level_2[] = {
    {70, 0x1, 0, "Nav Speed Exceeds Limits", algorithm_status},
    {4, 0x2, 0, "Velocity Exceeds Limits", primary_gps},
    {18, 0x4, 0, "Position Exceeds Limits", primary_gps},
    {54, 0x8, 0, "Position Exceeds Limits", auxiliary_gps},
};

constexpr SLed_entry level_3[] = {
    {128, 0x1, 0, "Pri-Aux Position Exceeds Limits", auxiliary_gps},
};

constexpr SLed_entry level_4[] = {
    {47, 0x1, 0, "Nav/GPS Position Rejected", algorithm_status},
    {48, 0x2, 0, "Nav/GPS Velocity Rejected", algorithm_status},
    {50, 0x8, 0, "Aux. GPS Position Rejected", algorithm_status},
    {49, 0x4, 0, "Nav/TWAN Heading Rejected", twan},
};

constexpr SLed_entry level_5[] = {
    {8, 0x7, 0, "Accelerometer Bias Error", imu},
    {9, 0x38, 0, "Gyro Bias Error", imu},
    {56, 0x40, 0, "Heading Offset Exceeds Limits", twan},
    {74, 0x80, 0, "Bad GPS Lever Arm", primary_gps},
};

// The bits of a receiver's status word, single-frequency part first.
struct SReceiver_bit {
    std::uint32_t mask;
    const char *caption;
};
constexpr std::size_t single_bits = 12;
constexpr std::size_t dual_bits = 11;
constexpr std::array<SReceiver_bit, single_bits + dual_bits> receiver_bits{{
    {0x1, "GPS Antenna Good"},
    {0x2, "RF Good"},
    {0x4, "RAM Good"},
    {0x8, "ROM Good"},
    {0x10, "DSP Good"},
    {0x20, "L1 AGC Good"},
    {0x40, "COM1 Good"},
    {0x80, "COM2 Good"},
    {0x800, "L1 GPS Frequency Jammed"},
    {0x1000, "Buffer COM1 Overload"},
    {0x2000, "Buffer COM2 overload"},
    {0x8000, "CPU Overload"},
    {0x10000, "Almanac Saved in NVM"},
    {0x20000, "L2 AGC Good"},
    {0x40000, "L2 GPS Frequency Jammed"},
    {0x80000, "L2 RF Good"},
    {0x100000, "OCXOPLL Good"},
    {0x200000, "Saved Almanac needs Update"},
    {0x400000, "Almanac is Invalid"},
    {0x800000, "Position Solution is Invalid"},
    {0x1000000, "Position Fixed"},
    {0x2000000, "Clock Model Invalid"},
    {0x4000000, "Clock Steering Disabled"},
}};

// `count` receiver bits from `first_bit` on, on lamps numbered from `first_led` on.
template <std::size_t count>
constexpr std::array<SLed_entry, count> receiver_rows(std::size_t first_bit, unsigned first_led,
                                                      EFault_box box)
{
    std::array<SLed_entry, count> rows{};
    for (std::size_t i = 0; i < count; ++i) {
        const SReceiver_bit &bit = receiver_bits[first_bit + i];
        rows[i] = {first_led + static_cast<unsigned>(i), bit.mask, 0, bit.caption, box};
    }
    return rows;
}

constexpr auto primary_single = receiver_rows<single_bits>(0, 19, primary_status);
constexpr auto primary_dual = receiver_rows<dual_bits>(single_bits, 106, primary_status);
constexpr auto secondary_single = receiver_rows<single_bits>(0, 57, secondary_status);
constexpr auto secondary_dual = receiver_rows<dual_bits>(single_bits, 117, secondary_status);

// `count` IMU lamps from 31 on, showing bits 0, 1, 2 … with captions from string `first_id` on.
template <std::size_t count>
constexpr std::array<SLed_entry, count> imu_bit_rows(int first_id)
{
    std::array<SLed_entry, count> rows{};
    for (std::size_t i = 0; i < count; ++i) {
        rows[i] = {first_imu_led + static_cast<unsigned>(i), std::uint32_t{1} << i,
                   first_id + static_cast<int>(i), nullptr, imu_status};
    }
    return rows;
}

// IMU lamps from 31 on with the masks given, captions from string `first_id` on.
template <std::size_t count>
constexpr std::array<SLed_entry, count> imu_mask_rows(int first_id,
                                                      const std::array<std::uint32_t, count> &masks)
{
    std::array<SLed_entry, count> rows{};
    for (std::size_t i = 0; i < count; ++i) {
        rows[i] = {first_imu_led + static_cast<unsigned>(i), masks[i],
                   first_id + static_cast<int>(i), nullptr, imu_status};
    }
    return rows;
}

constexpr auto imu_a = imu_bit_rows<16>(15000);
constexpr auto imu_b = imu_bit_rows<15>(15020);
constexpr auto imu_c = imu_mask_rows<4>(15040, {0x10, 0x20, 0x40, 0x80});
constexpr auto imu_d = imu_bit_rows<15>(15060);
constexpr auto imu_e = imu_mask_rows<11>(
    15080, {0x10, 0x20, 0x40, 0x80, 0x100, 0x200, 0x400, 0x800, 0x2000, 0x4000, 0x8000});
// Table F leaves lamps 37 and 38 out.
constexpr SLed_entry imu_f[] = {
    {31, 0x1, 15100, nullptr, imu_status},    {32, 0x2, 15101, nullptr, imu_status},
    {33, 0x200, 15102, nullptr, imu_status},  {34, 0x400, 15103, nullptr, imu_status},
    {35, 0x800, 15104, nullptr, imu_status},  {36, 0x1000, 15105, nullptr, imu_status},
    {39, 0x2000, 15106, nullptr, imu_status}, {40, 0x4000, 15107, nullptr, imu_status},
    {41, 0x8000, 15108, nullptr, imu_status},
};
constexpr auto imu_g = imu_bit_rows<2>(15120);
constexpr auto imu_h =
    imu_mask_rows<7>(15140, {0x10, 0x20, 0x800, 0x1000, 0x2000, 0x4000, 0x8000});
constexpr auto imu_i =
    imu_mask_rows<9>(15147, {0x2, 0x4, 0x8, 0x10, 0x20, 0x100, 0x200, 0x400, 0x800});
constexpr auto imu_j = imu_bit_rows<8>(15156);
constexpr auto imu_k = imu_bit_rows<16>(1564);

const std::array<Led_table, imu_table_count> imu_tables{imu_a, imu_b, imu_c, imu_d, imu_e, imu_f,
                                                        imu_g, imu_h, imu_i, imu_j, imu_k};

// The IMU types of each table.
struct SImu_types {
    std::size_t table;
    std::array<unsigned, 7> types; // 0 ends a shorter list
};
constexpr std::array<SImu_types, imu_table_count> imu_types{{
    {0, {1}},
    {1, {2, 7, 8, 9, 15, 16, 25}},
    {2, {6, 19}},
    {3, {3, 4}},
    {4, {10}},
    {5, {11}},
    {6, {12}},
    {7, {13}},
    {8, {14, 20}},
    {9, {21}},
    {10, {26, 27}},
}};

constexpr std::size_t table_d = 3;
constexpr std::size_t table_g = 6;

} // namespace

const SGeneral_tables &GeneralTables()
{
    static const SGeneral_tables tables{installation, {level_1, level_2, level_3, level_4, level_5}};
    return tables;
}

const SReceiver_tables &PrimaryReceiverTables()
{
    static const SReceiver_tables tables{primary_single, primary_dual};
    return tables;
}

const SReceiver_tables &SecondaryReceiverTables()
{
    static const SReceiver_tables tables{secondary_single, secondary_dual};
    return tables;
}

Led_table ImuTable(std::size_t index)
{
    return imu_tables.at(index);
}

std::optional<std::size_t> ImuTableOfType(unsigned type)
{
    if (type == 0) {
        return std::nullopt;
    }
    for (const SImu_types &entry : imu_types) {
        for (const unsigned listed : entry.types) {
            if (listed == type) {
                return entry.table;
            }
        }
    }
    return std::nullopt;
}

// Table D's "good" word 0x4480 shows dark, and so does 0x4580 (its test bit set); table G's two
// validity bits light their lamp when clear.
std::uint32_t ImuStatusForTable(std::size_t index, std::uint16_t status)
{
    constexpr std::uint16_t d_good = 0x4480;
    constexpr std::uint16_t d_good_testing = 0x4580;
    constexpr std::uint16_t g_valid_bits = 0x3;
    if (index == table_d) {
        return static_cast<std::uint16_t>(status == d_good_testing ? d_good : status) ^ d_good;
    }
    if (index == table_g) {
        return status ^ g_valid_bits;
    }
    return status;
}
