// Recording files: the bytes a record is stored as, what a reader gives back of whole, cut,
// garbled and foreign files, and what it says of the damage.

#include "recording/recording_reader.h"
#include "recording/recording_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::byte>;

Bytes bytes_of(std::initializer_list<int> values)
{
    Bytes bytes;
    for (const int value : values) {
        bytes.push_back(static_cast<std::byte>(value));
    }
    return bytes;
}

Bytes datagram(std::size_t size, int seed)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::byte>((seed * 31 + static_cast<int>(i) * 7) & 0xFF);
    }
    return bytes;
}

struct SRead {
    std::vector<std::uint64_t> times;
    std::vector<Bytes> datagrams;
    std::string damage;
    bool cut_short = false;
};

class RecordingFile : public ::testing::Test {
protected:
    void TearDown() override { fs::remove(path); }

    Bytes file_bytes() const
    {
        std::ifstream in(path, std::ios::binary);
        Bytes bytes;
        for (auto it = std::istreambuf_iterator<char>(in); it != std::istreambuf_iterator<char>();
             ++it) {
            bytes.push_back(static_cast<std::byte>(*it));
        }
        return bytes;
    }
    void set_file_bytes(const Bytes &bytes) const
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    // Writes datagrams i = 0..n-1 of `sizes`, arriving 5 ms apart.
    void write_recording(const std::vector<std::size_t> &sizes) const
    {
        CRecording_writer writer;
        ASSERT_EQ(writer.open(path), 0);
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            ASSERT_EQ(writer.write(1'700'000'000'000'000 + i * 5000, datagram(sizes[i], int(i))),
                      0);
        }
        ASSERT_EQ(writer.close(), 0);
    }
    SRead read_all() const
    {
        CRecording_reader reader;
        EXPECT_EQ(reader.open(path), 0);
        SRead read;
        SRecorded_datagram record{};
        while (reader.next(record)) {
            read.times.push_back(record.arrival_us);
            read.datagrams.emplace_back(record.bytes.begin(), record.bytes.end());
        }
        read.damage = describe_damage(reader);
        read.cut_short = reader.cut_short();
        return read;
    }

    std::string path = (fs::temp_directory_path() /
                        ("tarvo_recording_" + std::to_string(::getpid()) + ".tvr"))
                           .string();
};

TEST_F(RecordingFile, ARecordIsStoredAsSyncTimeLengthCheckAndTheBytes)
{
    CRecording_writer writer;
    ASSERT_EQ(writer.open(path), 0);
    ASSERT_EQ(writer.write(0x0102030405060708, bytes_of({0xAA, 0xBB})), 0);
    EXPECT_EQ(writer.bytes_written(), 8U + 20U + 2U);
    ASSERT_EQ(writer.close(), 0);

    const Bytes expected_start =
        bytes_of({'T', 'V', 'R', '1', '\r', '\n', 0x1A, '\n',  // magic
                  'T', 'V', 'D', 'R',                          // sync
                  0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01, // arrival, little-endian
                  0x02, 0x00, 0x00, 0x00});                    // length
    const Bytes file = file_bytes();
    ASSERT_EQ(file.size(), 30U);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 24), expected_start);
    EXPECT_EQ(Bytes(file.end() - 2, file.end()), bytes_of({0xAA, 0xBB}));
    // The check is CRC-32 over arrival, length and bytes: a known value for a known input.
    EXPECT_EQ(recording::crc32(bytes_of({'1', '2', '3', '4', '5', '6', '7', '8', '9'})),
              0xCBF43926U);
}

TEST_F(RecordingFile, EveryDatagramComesBackWithItsTimeIncludingEmptyAndLargest)
{
    const std::vector<std::size_t> sizes = {100, 0, 1, recording::largest_datagram, 36};
    write_recording(sizes);
    const SRead read = read_all();
    ASSERT_EQ(read.datagrams.size(), sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        EXPECT_EQ(read.datagrams[i], datagram(sizes[i], int(i))) << i;
        EXPECT_EQ(read.times[i], 1'700'000'000'000'000 + i * 5000) << i;
    }
    EXPECT_EQ(read.damage, "");
}

TEST_F(RecordingFile, AWriterRefusesADatagramNoUdpCanCarry)
{
    CRecording_writer writer;
    ASSERT_EQ(writer.open(path), 0);
    EXPECT_EQ(writer.write(1, Bytes(recording::largest_datagram + 1)), EMSGSIZE);
    EXPECT_EQ(writer.datagrams_written(), 0U);
}

TEST_F(RecordingFile, AFileCutAnywhereGivesEveryWholeRecordBeforeTheCut)
{
    write_recording({40, 40, 40, 40});
    const Bytes whole = file_bytes();
    constexpr std::size_t record = 20 + 40;
    for (std::size_t cut = 8; cut < whole.size(); ++cut) {
        set_file_bytes(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut)));
        const SRead read = read_all();
        const std::size_t whole_records = (cut - 8) / record;
        ASSERT_EQ(read.datagrams.size(), whole_records) << "cut at " << cut;
        const bool inside_a_record = (cut - 8) % record != 0;
        EXPECT_EQ(read.cut_short, inside_a_record) << "cut at " << cut;
        if (inside_a_record) {
            EXPECT_EQ(read.damage, "cut short at byte " + std::to_string(8 + whole_records * record));
        }
    }
}

TEST_F(RecordingFile, GarbageAndABadCheckAreSkippedToTheNextGoodRecord)
{
    write_recording({30, 30, 30});
    Bytes file = file_bytes();
    constexpr std::size_t second = 8 + 50;
    file[second + 20 + 3] ^= std::byte{0x01}; // a byte of the second datagram
    // Garbage that holds a sync word's first byte and a whole sync word, before the third.
    const Bytes garbage = bytes_of({'T', 1, 2, 'T', 'V', 'D', 'R', 9, 9, 9, 9, 9});
    file.insert(file.begin() + 8 + 100, garbage.begin(), garbage.end());
    set_file_bytes(file);

    const SRead read = read_all();
    ASSERT_EQ(read.datagrams.size(), 2U);
    EXPECT_EQ(read.datagrams[0], datagram(30, 0));
    EXPECT_EQ(read.datagrams[1], datagram(30, 2));
    EXPECT_EQ(read.damage, "1 damaged stretch (62 bytes) skipped, the first at byte 58");
    EXPECT_FALSE(read.cut_short);
}

TEST_F(RecordingFile, ForeignEmptyAndMissingFilesAreToldApart)
{
    CRecording_reader reader;
    set_file_bytes({});
    EXPECT_EQ(reader.open(path), CRecording_reader::empty_file);

    CRecording_reader foreign;
    set_file_bytes(bytes_of({'<', '?', 'x', 'm', 'l', ' ', 'v', 'e', 'r'}));
    EXPECT_EQ(foreign.open(path), CRecording_reader::not_a_recording);

    CRecording_reader short_magic;
    set_file_bytes(bytes_of({'T', 'V', 'R'}));
    EXPECT_EQ(short_magic.open(path), CRecording_reader::not_a_recording);

    CRecording_reader missing;
    EXPECT_EQ(missing.open(path + ".none"), ENOENT);
}

TEST_F(RecordingFile, ARecordingOfOnlyTheMagicHasNoDatagramsAndNoDamage)
{
    write_recording({});
    const SRead read = read_all();
    EXPECT_TRUE(read.datagrams.empty());
    EXPECT_EQ(read.damage, "");
}

TEST_F(RecordingFile, AWriteToAFullDiskIsReportedNotLost)
{
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    CRecording_writer writer;
    ASSERT_EQ(writer.open("/dev/full"), 0);
    int error = 0;
    for (int i = 0; i < 1000 && error == 0; ++i) {
        error = writer.write(1, Bytes(1000));
    }
    if (error == 0) {
        error = writer.close();
    }
    EXPECT_EQ(error, ENOSPC);
}

} // namespace
