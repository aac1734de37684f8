// Writes the seed corpus of a fuzz target into the folder given: for the frame targets valid groups
// and messages (the filter groups with their counted arrays among them), alone and as streams, so that the fuzzers start from frames that pass the check;
// for the lidar targets a whole logging dialogue and a script; for the track a short flight across
// the antimeridian; for the recording reader two records whole, with garbage between them and cut
// inside the second.

#include "filter_frames.h"
#include "frame_bytes.h"
#include "gnss_frames.h"
#include "recording/recording_format.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using frame_bytes::Bytes;

void write(const std::string &folder, const std::string &name, const Bytes &bytes, bool with_seed)
{
    std::ofstream out(folder + "/" + name, std::ios::binary);
    if (with_seed) {
        out.put(static_cast<char>(name.size())); // the reassembly target's chunking seed
    }
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void write_text(const std::string &folder, const std::string &name, std::string_view text)
{
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// Operations of fuzz_scanner_dialogue: 0 connect, 1 disconnect, 2 ask to open logging, 3 ask to
// close it, 4 give up; a byte b from 5 on reads the next (b - 4) * 37 bytes.
std::string scanner_read(std::string_view answer)
{
    constexpr std::size_t unit = 37;
    std::string padded(answer);
    padded.resize((answer.size() + unit - 1) / unit * unit, ' ');
    return static_cast<char>(4 + padded.size() / unit) + padded;
}

void write_scanner_seeds(const std::string &folder)
{
    std::string opening(1, '\x00');
    opening += scanner_read("*");
    opening += scanner_read(".LOG_MODE\r=LOG_MODE 3\r");
    opening += scanner_read(".GPS_STATUS\rGPS_STATUS0\r");
    opening += '\x02';
    for (const std::string_view answer : {"*", "HDLOG_OPEN\r", "HDLOG1\r", "Q\r", "mSCANNING\r"}) {
        opening += scanner_read(answer);
    }
    opening += '\x03';
    opening += scanner_read("*HDLOG_CLOSE\rHDLOG0\r");
    write_text(folder, "dialogue", opening);
    write_text(folder, "alarms",
               std::string(1, '\x00') + '\x02' + scanner_read("*mFATAL?HDLOG_OPEN"));
}

void write_track_seeds(const std::string &folder)
{
    std::string flight;
    for (const double longitude : {179.999, 179.9995, -179.9995, -179.999}) {
        for (const double value : {-33.5, longitude, 120.0}) {
            char bytes[sizeof(double)];
            std::memcpy(bytes, &value, sizeof(double));
            flight.append(bytes, sizeof(double));
        }
    }
    write_text(folder, "antimeridian", flight);
}

// Receiver groups with 0, 12 and 30 satellites, a count past the frame and a frame cut short.
void write_gnss_seeds(const std::string &folder)
{
    gnss_frames::SReceiver receiver;
    for (const std::size_t count : {0u, 12u, 30u}) {
        receiver.satellites = gnss_frames::satellites(count);
        write(folder, "receiver_" + std::to_string(count), gnss_frames::receiver_frame(3, receiver),
              false);
    }
    receiver.count = 255;
    receiver.satellites = gnss_frames::satellites(12);
    write(folder, "count_past_frame", gnss_frames::receiver_frame(107, receiver), false);
    write(folder, "cut", gnss_frames::cut_frame(106, receiver, 100), false);
}

// A recording of the datagrams, each with a record header; `garbage` goes between the first two.
Bytes recording_of(const std::vector<Bytes> &datagrams, const Bytes &garbage)
{
    Bytes file(recording::magic.begin(), recording::magic.end());
    std::uint64_t arrival_us = 1'700'000'000'000'000;
    for (std::size_t i = 0; i < datagrams.size(); ++i) {
        std::array<std::byte, recording::record_header_size> header{};
        recording::write_record_header(header, arrival_us, datagrams[i]);
        arrival_us += 5'000;
        frame_bytes::append(file, Bytes(header.begin(), header.end()));
        frame_bytes::append(file, datagrams[i]);
        if (i == 0) {
            frame_bytes::append(file, garbage);
        }
    }
    return file;
}

void write_recording_seeds(const std::string &folder, const Bytes &group1, const Bytes &group5)
{
    const Bytes whole = recording_of({group1, group5}, {});
    write(folder, "two_records", whole, false);
    write(folder, "garbage_between",
          recording_of({group1, group5}, Bytes(13, std::byte{'T'})), false);
    write(folder, "cut", Bytes(whole.begin(), whole.end() - 7), false);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER reassembly|frame_check|scanner_dialogue|"
                             "scanner_script|track|gnss_records|recording_reader\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::string target = argv[2];
    if (target == "scanner_dialogue") {
        write_scanner_seeds(folder);
        return 0;
    }
    if (target == "scanner_script") {
        write_text(folder, "script",
                   "^P; programming mode\nHDLOG_OPEN^M; open the file\r\nno command here\n"
                   "^X;start\n;nothing\n");
        return 0;
    }
    if (target == "track") {
        write_track_seeds(folder);
        return 0;
    }
    if (target == "gnss_records") {
        write_gnss_seeds(folder);
        return 0;
    }
    const bool with_seed = target == "reassembly";

    Bytes position;
    frame_bytes::put_f64(position, 45.5);
    frame_bytes::put_f64(position, -75.25);
    frame_bytes::put_f64(position, 120.0);
    frame_bytes::put_f32(position, 55.0f);
    frame_bytes::put_u8(position, 3);
    frame_bytes::append(position, frame_bytes::filler(102 - position.size(), 3)); // full length
    const Bytes group1 = frame_bytes::group(1, position);

    Bytes pulse;
    frame_bytes::put_u32(pulse, 12345);
    const Bytes group5 = frame_bytes::group(5, pulse);
    if (target == "recording_reader") {
        write_recording_seeds(folder, group1, group5);
        return 0;
    }

    Bytes list;
    frame_bytes::put_u16(list, 3);
    frame_bytes::put_u16(list, 1);
    frame_bytes::put_u16(list, 2);
    frame_bytes::put_u16(list, 101);
    frame_bytes::put_u16(list, 0);
    const Bytes message2 = frame_bytes::message(2, 7, list);
    const Bytes message0 = frame_bytes::message(0, 8, frame_bytes::filler(34, 5));

    // A raw receiver message of the largest size, its count saying more than it carries.
    Bytes raw;
    frame_bytes::put_u8(raw, 1);
    frame_bytes::put_u8(raw, 0);
    frame_bytes::put_u32(raw, 9);
    frame_bytes::put_u16(raw, 65535);
    frame_bytes::append(raw, frame_bytes::filler(6144, 2));
    const Bytes group110 = frame_bytes::group(110, raw);

    write(folder, "group1", group1, with_seed);
    write(folder, "group110", group110, with_seed);
    write(folder, "message2", message2, with_seed);
    write(folder, "message0", message0, with_seed);
    // Filter groups stating more than they carry, and as much as their arrays hold.
    write(folder, "group20101", filter_frames::kalman_update({65535, 41, 7, 20}, 1U << 19),
          with_seed);
    write(folder, "group20103", filter_frames::twan_update({20, 30, 20, 30}, 1U << 30),
          with_seed);

    Bytes stream = group1;
    frame_bytes::put_text(stream, "$G");
    frame_bytes::append(stream, group5);
    frame_bytes::append(stream, message2);
    frame_bytes::append(stream, message0);
    frame_bytes::append(stream, frame_bytes::group(9, frame_bytes::filler(600, 1)));
    write(folder, "stream", stream, with_seed);
    return 0;
}
