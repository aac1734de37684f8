#include "tools/korusim/peripherals.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Rates of the peripherals' processors, per second.
constexpr double gimbal_messages = 50;
constexpr double range_messages = 10;
constexpr double scheduler = 10;
constexpr std::uint32_t gimbal_baud_rate = 38400;
constexpr std::uint32_t characters_per_gimbal_message = 24;
// The raw values of the range finder and altimeter are counts of centimetres.
constexpr double raw_per_metre = 100;

double height_above_ground(const SSnapshot &snapshot)
{
    return std::max(snapshot.nav.altitude, 0.0);
}

// "*hh" and CR LF after an NMEA sentence: the exclusive or of the characters between "$" and "*".
void close_sentence(std::string &sentence)
{
    unsigned checksum = 0;
    for (std::size_t i = 1; i < sentence.size(); ++i) {
        checksum ^= static_cast<unsigned char>(sentence[i]);
    }
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X\r\n", checksum);
    sentence += tail;
}

// Degrees as NMEA's degrees and minutes with the hemisphere letter.
std::string nmea_angle(double degrees, int degree_digits, char positive, char negative)
{
    const double magnitude = std::abs(degrees);
    const int whole = static_cast<int>(magnitude);
    char text[32];
    std::snprintf(text, sizeof text, "%0*d%07.4f,%c", degree_digits, whole,
                  (magnitude - whole) * 60.0, degrees < 0 ? negative : positive);
    return text;
}

std::string nmea_time(const SSnapshot &snapshot)
{
    const double utc = snapshot.utc_of(snapshot.time);
    const int seconds = static_cast<int>(utc);
    char text[16];
    std::snprintf(text, sizeof text, "%02d%02d%05.2f", seconds / 3600, seconds / 60 % 60,
                  utc - seconds / 60 * 60);
    return text;
}

std::string position_and_course(const SSnapshot &snapshot)
{
    std::string fix = "$GPGGA," + nmea_time(snapshot) + "," +
                      nmea_angle(snapshot.nav.latitude, 2, 'N', 'S') + "," +
                      nmea_angle(snapshot.nav.longitude, 3, 'E', 'W');
    char rest[64];
    std::snprintf(rest, sizeof rest, ",1,09,0.9,%.1f,M,0.0,M,,", snapshot.nav.altitude);
    fix += rest;
    close_sentence(fix);
    char course[96];
    std::snprintf(course, sizeof course, "$GPVTG,%.1f,T,,M,%.2f,N,%.2f,K,A", snapshot.nav.track,
                  snapshot.nav.speed * 3600.0 / 1852.0, snapshot.nav.speed * 3.6);
    std::string over_ground = course;
    close_sentence(over_ground);
    return fix + over_ground;
}

// A binary message: sync bytes, class and length, then a payload of every control byte.
std::string binary_message(std::uint32_t number)
{
    std::string message = {'\xB5', '\x62', '\x01', '\x07', '\x20', '\x00'};
    for (int byte = 0; byte < 0x20; ++byte) {
        message.push_back(static_cast<char>(byte ^ (number & 0x01)));
    }
    return message;
}

std::string satellites_in_view()
{
    std::string sentence = "$GPGSV,1,1,04,02,45,120,44,05,30,210,41,12,62,300,47,25,15,045,38";
    close_sentence(sentence);
    return sentence;
}

// Satellites in view, over and over, cut at the largest body.
std::string largest_body()
{
    const std::string line = satellites_in_view();
    std::string body;
    while (body.size() < CGroup110::largest_body) {
        body += line;
    }
    body.resize(CGroup110::largest_body);
    return body;
}

} // namespace

void fill_gimbal_encoders(CGroup200 &group, const SSnapshot &snapshot)
{
    const double t = snapshot.time;
    group.roll().set(2.0 * std::sin(t / 5.0));
    group.tilt().set(-90.0 + 1.5 * std::sin(t / 7.0));
    group.pan().set(10.0 * std::sin(t / 11.0));
}

void fill_target_position(CGroup201 &group, const SSnapshot &snapshot)
{
    using bits = CGroup201_status::bits;
    group.latitude().set(snapshot.nav.latitude);
    group.longitude().set(snapshot.nav.longitude);
    group.altitude().set(0.0);
    group.range().set(height_above_ground(snapshot));
    group.bearing().set(snapshot.nav.attitude[2]);
    group.status().set((1U << bits::position_valid) | (1U << bits::range_from_laser));
}

void fill_range_finder(CGroup202 &group, const SSnapshot &snapshot)
{
    using bits = CGroup202_status::bits;
    group.laser_range().set(height_above_ground(snapshot));
    group.laser_altitude().set(height_above_ground(snapshot));
    group.status().set((1U << bits::laser_range_valid) | (1U << bits::laser_altitude_valid));
}

void fill_user_time(CUser_time_group &group, const SSnapshot &snapshot)
{
    group.sync_rejections().set(0);
    group.resyncs().set(occurrences(snapshot.time, 1.0 / 600.0));
    group.time_valid().set(1);
    group.message12_received().set(1);
}

void fill_gimbal_status(CGroup20200 &group, const SSnapshot &snapshot)
{
    const std::uint32_t messages = occurrences(snapshot.time, gimbal_messages);
    group.processor_calls().set(occurrences(snapshot.time, scheduler));
    group.messages_received().set(messages);
    group.messages_rejected().set(0);
    group.checksum_errors().set(0);
    group.baud_rate().set(gimbal_baud_rate);
    group.characters_received().set(messages * characters_per_gimbal_message);
    group.hardware_port().set("/dev/serial/gimbal"); // fills the field, as the computer does
    group.scheduler_proxy_exceptions().set(0);
    group.message104_proxy_exceptions().set(0);
    group.decode_messages_rejected().set(0);
    for (CPva_data *filter : {&group.roll(), &group.pitch(), &group.heading()}) {
        filter->runs().set(messages);
        filter->resets().set(0);
    }
}

void fill_range_finder_status(CGroup20201 &group, const SSnapshot &snapshot)
{
    using bits = CLrf_status::bits;
    const std::uint32_t messages = occurrences(snapshot.time, range_messages);
    const auto raw = static_cast<std::uint32_t>(height_above_ground(snapshot) * raw_per_metre);
    group.proxy_exceptions().set(0);
    group.proxies_queued().set(0);
    group.read_failures().set(0);
    group.arm_proxies().set(occurrences(snapshot.time, scheduler));
    group.messages_received().set(messages);
    group.checksum_errors().set(0);
    group.lrf_status().set((1U << bits::range_valid) | (1U << bits::height_valid));
    group.raw_laser_range().set(raw);
    group.raw_radar_height().set(raw);
    group.laser_range_runs().set(messages);
    group.laser_range_resets().set(0);
    group.radar_height_runs().set(messages);
    group.radar_height_resets().set(0);
}

void fill_aux_raw_message(CGroup110 &group, const SSnapshot &snapshot)
{
    const std::uint32_t number = occurrences(snapshot.time, aux_message_rate);
    std::string body;
    switch (number % 4) {
    case 0:
        body = position_and_course(snapshot);
        break;
    case 1:
        body = binary_message(number);
        break;
    case 2:
        body = satellites_in_view();
        break;
    default:
        body = largest_body();
        break;
    }
    group.aux_in_use().set(1);
    group.reserved().set(0);
    group.message_number().set(number);
    group.set_body(reinterpret_cast<const std::byte *>(body.data()), body.size());
}

void fill_aux_raw_message_beyond_frame(CGroup110 &group, const SSnapshot &snapshot)
{
    fill_aux_raw_message(group, snapshot);
    group.message_byte_count().set(0xFFFF);
}
