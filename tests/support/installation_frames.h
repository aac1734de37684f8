#pragma once
// Messages 1 and 101 of the installation dialog written byte by byte: what the computer's echoes
// hold, and the frames a controller sends back for them.

#include "frame_bytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace installation_frames {

using frame_bytes::Bytes;

constexpr std::uint16_t installation = 1;
constexpr std::uint16_t mounting = 101;

// The dialog's controls of the vectors of Message 1, in wire order.
constexpr std::array<const char *, 5> installation_vectors = {
    "ref2ImuLeverArm", "ref2PriGpsLeverArm", "imu2RefMountAngle", "ref2SecGpsLeverArm",
    "vessel2RefMountAngle"};
// Those of Message 101; the heave lever arm, sixth, has none.
constexpr std::array<const char *, 7> mounting_vectors = {
    "sensor1RefMountAngle", "sensor2RefMountAngle", "refAuxGpsLeverArm",
    "refSensor1LeverArm",   "refSensor2LeverArm",   nullptr,
    "refAux2GpsLeverArm"};
constexpr std::size_t heave = 5;

// What Message 1 holds: by default GPS and user time, the DMI's distance, auto start, medium
// multipath, and vector components with three decimals at most, all different.
struct SInstallation {
    std::uint8_t time_tags = 0x31; // time type 2 in bits 4-7, time type 1 in bits 0-3
    std::uint8_t distance = 2;
    std::uint8_t auto_start = 1;
    std::array<float, 15> components{};
    std::uint8_t multipath = 1;

    SInstallation()
    {
        for (std::size_t i = 0; i < components.size(); ++i) {
            components[i] = -87.125f + 12.5f * static_cast<float>(i);
        }
    }
    Bytes body() const
    {
        Bytes out{std::byte{time_tags}, std::byte{distance}, std::byte{auto_start}};
        for (const float component : components) {
            frame_bytes::put_f32(out, component);
        }
        frame_bytes::put_u8(out, multipath);
        return out;
    }
};

// What Message 101 holds: vector components with three decimals at most, all different.
struct SMounting {
    std::array<float, 21> components{};

    SMounting()
    {
        for (std::size_t i = 0; i < components.size(); ++i) {
            components[i] = -30.25f + 3.375f * static_cast<float>(i);
        }
    }
    Bytes body() const
    {
        Bytes out;
        for (const float component : components) {
            frame_bytes::put_f32(out, component);
        }
        return out;
    }
    // The same with the heave lever arm at zero, as the dialog always sends it.
    SMounting without_heave() const
    {
        SMounting sent = *this;
        for (std::size_t axis = 0; axis < 3; ++axis) {
            sent.components[3 * heave + axis] = 0.0f;
        }
        return sent;
    }
};

// The echoes as the computer broadcasts them: Message 1 last, on which the windows reload.
inline std::vector<Bytes> echoes(const SInstallation &first, const SMounting &second)
{
    return {frame_bytes::message(mounting, 0, second.body()),
            frame_bytes::message(installation, 0, first.body())};
}

// What a controller sends: Message 1, then Message 101 with the next transaction number.
inline std::vector<Bytes> settings_sent(const SInstallation &first, const SMounting &second,
                                        std::uint16_t transaction)
{
    return {
        frame_bytes::message(installation, transaction, first.body()),
        frame_bytes::message(mounting, static_cast<std::uint16_t>(transaction + 1), second.body())};
}

} // namespace installation_frames
