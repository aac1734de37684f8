// Loading a settings file: every good frame is handed over, in file order, except the messages
// that are never sent from a file; damaged or cut-off frames are counted, never sent.

#include "shell/settings_file.h"

#include "frame_bytes.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using frame_bytes::Bytes;

Bytes settings_message(std::uint16_t number, std::uint8_t seed, std::size_t length = 40)
{
    return frame_bytes::message(number, 77, frame_bytes::filler(length, seed));
}

std::string file_of(const std::vector<Bytes> &frames)
{
    std::string file;
    for (const Bytes &frame : frames) {
        file.append(reinterpret_cast<const char *>(frame.data()), frame.size());
    }
    return file;
}

class SettingsFileTest : public ::testing::Test {
protected:
    SLoad_result load(const std::string &file)
    {
        std::istringstream in(file);
        return loader.load(
            in,
            [this](std::span<std::byte> frame) {
                sent.emplace_back(frame.begin(), frame.end());
                return accepted < 0 ? accepted : static_cast<long>(frame.size());
            },
            logging_now);
    }

    CSettings_file_loader loader;
    std::vector<Bytes> sent;
    long accepted = 0;        // below 0: the sender fails
    bool logging_now = false; // whether the computer records on its PC card
};

TEST_F(SettingsFileTest, GoodFramesAreSentInFileOrderUnchanged)
{
    const std::vector<Bytes> frames = {settings_message(2, 1), settings_message(50, 2, 300),
                                       settings_message(50, 3), settings_message(120, 4, 1800)};
    const SLoad_result result = load(file_of(frames));
    EXPECT_EQ(sent, frames) << "two copies of one message are both sent";
    EXPECT_EQ(result.sent, 4u);
    EXPECT_EQ(result.damaged, 0u);
    EXPECT_FALSE(result.send_failed);
}

// PC card logging of two groups: count, groups, rate, mode, "Disk Logging Control" at message
// offset 19, a 64-byte file name.
Bytes pc_card_logging(std::uint8_t control, std::uint16_t count = 2)
{
    Bytes body;
    frame_bytes::put_u16(body, count);
    frame_bytes::put_u16(body, 1);
    frame_bytes::put_u16(body, 101);
    frame_bytes::put_u16(body, 50);
    frame_bytes::put_u8(body, 1);
    frame_bytes::put_u8(body, control);
    body.resize(body.size() + 64, std::byte{'x'});
    return frame_bytes::message(4, 77, body);
}

// A file stored while the card was idle must not stop a recording that runs when it is loaded,
// nor one stored while recording start one: "Start Logging" goes as the computer records now.
// Only that bit changes; the sender writes the checksum of what it sends.
TEST_F(SettingsFileTest, PcCardLoggingGoesWithTheRecordingAsItIsNow)
{
    constexpr std::size_t control_at = 19;
    const auto with_control = [](Bytes frame, std::uint8_t control) {
        frame[control_at] = std::byte{control};
        return frame;
    };
    const Bytes stored_idle = pc_card_logging(0xF0);
    logging_now = true;
    load(file_of({stored_idle}));
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], with_control(stored_idle, 0xF1));

    sent.clear();
    logging_now = false;
    const Bytes stored_recording = pc_card_logging(0x01);
    load(file_of({stored_recording}));
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], with_control(stored_recording, 0x00));

    // A count past the frame: the bit is written where the groups the frame holds end.
    sent.clear();
    logging_now = true;
    const Bytes wrong_count = pc_card_logging(0x00, 65535);
    load(file_of({wrong_count}));
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], with_control(wrong_count, 0x01));
}

TEST_F(SettingsFileTest, CommandsModeAndAcknowledgementsAreNeverSentFromAFile)
{
    std::vector<Bytes> frames;
    for (const std::uint16_t number : {0, 6, 7, 8, 9, 10, 12, 13, 14, 317, 20102, 20103, 65535}) {
        frames.push_back(settings_message(number, static_cast<std::uint8_t>(number)));
    }
    frames.push_back(settings_message(11, 5));
    const SLoad_result result = load(file_of(frames));
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], settings_message(11, 5));
    EXPECT_EQ(result.excluded, 13u);
    using K = EKept_back;
    auto kept_back = [&result](K kind) { return result.kept_back[static_cast<std::size_t>(kind)]; };
    EXPECT_EQ(kept_back(K::general_data), 3u) << "6, 12 and 13";
    EXPECT_EQ(kept_back(K::mode), 1u);
    EXPECT_EQ(kept_back(K::acknowledgement), 1u);
    EXPECT_EQ(kept_back(K::command), 8u);
    EXPECT_TRUE(IsSentFromFile(1));
    EXPECT_FALSE(IsSentFromFile(317));
}

TEST_F(SettingsFileTest, DamagedFrameInTheMiddleIsSkippedAndCounted)
{
    Bytes damaged = settings_message(51, 9);
    damaged[20] ^= std::byte{0x10}; // the checksum no longer holds
    const SLoad_result result =
        load(file_of({settings_message(50, 8), damaged, settings_message(52, 10)}));
    EXPECT_EQ(sent, (std::vector<Bytes>{settings_message(50, 8), settings_message(52, 10)}));
    EXPECT_EQ(result.sent, 2u);
    EXPECT_EQ(result.damaged, 1u);
}

TEST_F(SettingsFileTest, ByteCountReachingPastTheEndLosesOnlyItsOwnFrame)
{
    Bytes damaged = settings_message(51, 9);
    damaged[6] = std::byte{0xF0}; // byte count 1008: longer than the rest of the file
    damaged[7] = std::byte{0x03};
    const SLoad_result result =
        load(file_of({settings_message(50, 8), damaged, settings_message(52, 10)}) + "\n");
    EXPECT_EQ(sent, (std::vector<Bytes>{settings_message(50, 8), settings_message(52, 10)}));
    EXPECT_EQ(result.damaged, 1u);
}

TEST_F(SettingsFileTest, FrameCutOffAtTheEndOfTheFileIsDamaged)
{
    const Bytes whole = settings_message(53, 4);
    const SLoad_result result =
        load(file_of({settings_message(50, 8), Bytes(whole.begin(), whole.end() - 5)}));
    EXPECT_EQ(sent.size(), 1u);
    EXPECT_EQ(result.damaged, 1u);
}

TEST_F(SettingsFileTest, FileLongerThanOneReadIsReadWhole)
{
    std::vector<Bytes> frames;
    for (std::uint8_t i = 0; i < 40; ++i) {
        frames.push_back(settings_message(static_cast<std::uint16_t>(100 + i), i, 400));
    }
    const SLoad_result result = load(file_of(frames));
    EXPECT_EQ(sent, frames);
    EXPECT_EQ(result.sent, 40u);
}

TEST_F(SettingsFileTest, FailedSendStopsTheLoadAndSaysHowMuchWasAccepted)
{
    accepted = -1;
    const SLoad_result result = load(file_of({settings_message(50, 1), settings_message(51, 2)}));
    EXPECT_EQ(sent.size(), 1u) << "nothing more after the first failure";
    EXPECT_TRUE(result.send_failed);
    EXPECT_EQ(result.requested, settings_message(50, 1).size());
    EXPECT_EQ(result.accepted, -1);
    EXPECT_EQ(result.sent, 0u);
}

TEST_F(SettingsFileTest, EmptyFileSendsNothing)
{
    const SLoad_result result = load({});
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(result.sent + result.damaged + result.excluded, 0u);
}

} // namespace
