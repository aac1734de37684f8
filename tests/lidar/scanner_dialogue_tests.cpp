// The logging sequences with the scanner's data logger: the commands in order, each answer
// matched in what came after its command however the reads split it, alarms reported once, the
// logger's mode and GPS state read from their answers, and one sequence at a time.

#include "lidar/scanner_dialogue.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

class CRecorder final : public IScanner_listener {
public:
    void send_to_scanner(std::string_view command) override { sent.emplace_back(command); }
    void scanner_alarm(EScanner_alarm alarm) override { alarms.push_back(alarm); }
    void logging_confirmed(bool logging) override { confirmed.push_back(logging); }
    void log_mode_reported(std::optional<int> mode) override { modes.push_back(mode); }
    void gps_sync_reported(bool synchronised) override { gps.push_back(synchronised); }

    std::vector<std::string> sent;
    std::vector<EScanner_alarm> alarms;
    std::vector<bool> confirmed;
    std::vector<std::optional<int>> modes;
    std::vector<bool> gps;
};

const std::string dle = "\x10";
const std::string can = "\x18";

class ScannerDialogueTest : public ::testing::Test {
protected:
    void hear(const std::string &text)
    {
        dialogue.receive({reinterpret_cast<const std::byte *>(text.data()), text.size()});
    }
    // Connects and lets the status query end.
    void connect_and_query()
    {
        dialogue.connected();
        hear("*");
        hear(".LOG_MODE\r=LOG_MODE 4\r\n");
        hear(".GPS_STATUS\rGPS_STATUS0\r\n");
        recorder.sent.clear();
    }

    CRecorder recorder;
    CScanner_dialogue dialogue{recorder};
};

const std::vector<std::string> open_commands = {dle, "HDLOG_OPEN\r", "HDLOG1\r", "Q\r", can};
const std::vector<std::string> open_answers = {"*", "HDLOG_OPEN\r", "HDLOG1\r", "Q\r",
                                               "mSCANNING\r\n"};

TEST_F(ScannerDialogueTest, OpenLoggingSendsEachCommandAfterTheAnswerToTheOneBefore)
{
    for (const std::size_t pieces : {1u, 2u, 3u, 100u}) {
        CRecorder fresh;
        CScanner_dialogue sequence(fresh);
        sequence.connected();
        sequence.receive({});
        for (const std::string &answer :
             {"*"s, ".LOG_MODE\r=LOG_MODE 1\r"s, ".GPS_STATUS\rGPS_STATUS0\r"s}) {
            sequence.receive({reinterpret_cast<const std::byte *>(answer.data()), answer.size()});
        }
        fresh.sent.clear();
        sequence.request_logging(true);
        for (std::size_t step = 0; step < open_answers.size(); ++step) {
            ASSERT_EQ(fresh.sent.size(), step + 1) << pieces << " pieces";
            EXPECT_EQ(fresh.sent.back(), open_commands[step]);
            EXPECT_TRUE(fresh.confirmed.empty());
            const std::string &answer = open_answers[step];
            const std::size_t size = std::max<std::size_t>(1, answer.size() / pieces);
            for (std::size_t at = 0; at < answer.size(); at += size) {
                const std::string piece = answer.substr(at, size);
                sequence.receive({reinterpret_cast<const std::byte *>(piece.data()), piece.size()});
            }
        }
        EXPECT_EQ(fresh.sent, open_commands) << pieces << " pieces";
        EXPECT_EQ(fresh.confirmed, std::vector<bool>{true}) << pieces << " pieces";
        EXPECT_FALSE(sequence.waiting_step());
    }
}

TEST_F(ScannerDialogueTest, CloseLoggingConfirmsLoggingOff)
{
    connect_and_query();
    dialogue.request_logging(false);
    hear("noise *");
    hear("HDLOG_CLOSE");
    hear("\r");
    hear("\0HDLOG0\r"s);
    EXPECT_EQ(recorder.sent, (std::vector<std::string>{dle, "HDLOG_CLOSE\r", "HDLOG0\r"}));
    EXPECT_EQ(recorder.confirmed, std::vector<bool>{false});
}

TEST_F(ScannerDialogueTest, OnlyWhatComesAfterACommandAnswersIt)
{
    connect_and_query();
    hear("* HDLOG_OPEN\r"); // left over from before the request
    dialogue.request_logging(true);
    hear("HDLOG_OPEN\r");
    EXPECT_EQ(recorder.sent, std::vector<std::string>{dle}) << "the echo is not the prompt";
    hear("*");
    ASSERT_EQ(recorder.sent.size(), 2u);
    EXPECT_EQ(dialogue.waiting_step()->name, "HDLOG_OPEN");
}

TEST_F(ScannerDialogueTest, TheStatusQueryReadsTheModeAndTheGpsState)
{
    dialogue.connected();
    EXPECT_EQ(recorder.sent, std::vector<std::string>{dle});
    hear("*");
    EXPECT_EQ(recorder.sent.back(), ".LOG_MODE\r");
    hear(".LOG_MODE\r=LOG_MO");
    hear("DE ");
    EXPECT_TRUE(recorder.modes.empty()) << "the mode has not come yet";
    hear("6\r\n");
    EXPECT_EQ(recorder.modes, std::vector<std::optional<int>>{6});
    EXPECT_EQ(recorder.sent.back(), ".GPS_STATUS\r");
    hear(".GPS_STATUS\r");
    EXPECT_TRUE(recorder.gps.empty()) << "the echo of the query carries no state";
    hear("GPS_STATUS0\r");
    EXPECT_EQ(recorder.gps, std::vector<bool>{true});
    EXPECT_FALSE(dialogue.waiting_step());
}

TEST_F(ScannerDialogueTest, AModeOutsideOneToSevenOrMissingChoosesNone)
{
    const std::vector<std::pair<std::string, std::optional<int>>> cases = {
        {"=LOG_MODE1\r", 1}, {"=LOG_MODE 7\r", 7}, {"=LOG_MODE 0\r", std::nullopt},
        {"=LOG_MODE 8\r", std::nullopt}, {"=LOG_MODE 9\r", std::nullopt},
        {"=LOG_MODE\r", std::nullopt}, {"=LOG_MODEx\r", std::nullopt}};
    for (const auto &[answer, mode] : cases) {
        CRecorder fresh;
        CScanner_dialogue query(fresh);
        query.connected();
        query.receive({reinterpret_cast<const std::byte *>("*"), 1});
        query.receive({reinterpret_cast<const std::byte *>(answer.data()), answer.size()});
        EXPECT_EQ(fresh.modes, std::vector<std::optional<int>>{mode}) << answer;
        EXPECT_EQ(fresh.sent.back(), ".GPS_STATUS\r") << "the query goes on after " << answer;
    }
}

TEST_F(ScannerDialogueTest, AGpsStateOtherThanZeroIsNoSynchronisation)
{
    dialogue.connected();
    hear("*");
    hear("=LOG_MODE 2\r");
    hear("GPS_STATUS1\r");
    EXPECT_EQ(recorder.gps, std::vector<bool>{false});
}

TEST_F(ScannerDialogueTest, AlarmsAreReportedOnceWhereverTheReadsSplitThem)
{
    connect_and_query();
    hear("xx mFA");
    hear("TAL yy ?HDLOG");
    EXPECT_EQ(recorder.alarms, std::vector<EScanner_alarm>{EScanner_alarm::fatal});
    hear("_OPEN\r");
    hear("more text");
    EXPECT_EQ(recorder.alarms,
              (std::vector<EScanner_alarm>{EScanner_alarm::fatal, EScanner_alarm::logger_problem}));
    hear("mFATAL");
    EXPECT_EQ(recorder.alarms.size(), 3u) << "a new alarm is a new report";
}

TEST_F(ScannerDialogueTest, AFatalScannerOrAFileThatDidNotOpenEndsTheOpening)
{
    connect_and_query();
    dialogue.request_logging(true);
    hear("*");
    hear("?HDLOG_OPEN\r"); // holds "HDLOG_OPEN\r" too, but says the file did not open
    EXPECT_EQ(recorder.sent, (std::vector<std::string>{dle, "HDLOG_OPEN\r"}));
    EXPECT_FALSE(dialogue.waiting_step());
    EXPECT_TRUE(recorder.confirmed.empty());

    dialogue.request_logging(false);
    hear("mFATAL*");
    EXPECT_FALSE(dialogue.waiting_step()) << "nothing more goes to a scanner that must restart";
    EXPECT_EQ(recorder.sent.size(), 3u);
}

TEST_F(ScannerDialogueTest, BytesOfEveryValueAndLongTextsWithoutLineEndsPass)
{
    connect_and_query();
    dialogue.request_logging(true);
    std::string noise;
    for (int i = 0; i < 8192; ++i) {
        noise += static_cast<char>(i % 256 == '*' ? 0 : i % 256);
    }
    hear(noise);
    hear(noise);
    EXPECT_EQ(recorder.sent, std::vector<std::string>{dle}) << "no '*' in the noise";
    hear(std::string(3 * CScanner_dialogue::capacity, 'A') + "*");
    EXPECT_EQ(recorder.sent.size(), 2u) << "the answer after a long text is still found";
}

TEST_F(ScannerDialogueTest, LoggingRequestsWaitForTheConnectionAndTheStatusQuery)
{
    dialogue.request_logging(true);
    EXPECT_TRUE(recorder.sent.empty()) << "no command while there is no connection";
    dialogue.connected();
    EXPECT_EQ(dialogue.waiting_step()->sequence, EScanner_sequence::status_query);
    hear("*=LOG_MODE 1\r"); // the mode came with the prompt, before it was asked for
    hear("GPS_STATUS0\r");
    ASSERT_TRUE(dialogue.waiting_step());
    EXPECT_EQ(dialogue.waiting_step()->name, ".LOG_MODE");
    hear("=LOG_MODE 1\r");
    hear("GPS_STATUS0\r");
    ASSERT_TRUE(dialogue.waiting_step());
    EXPECT_EQ(dialogue.waiting_step()->sequence, EScanner_sequence::open_logging);
}

TEST_F(ScannerDialogueTest, TheNewerRequestReplacesTheRunningOne)
{
    connect_and_query();
    dialogue.request_logging(true);
    hear("*");
    dialogue.request_logging(false);
    EXPECT_EQ(dialogue.waiting_step()->sequence, EScanner_sequence::close_logging);
    EXPECT_EQ(recorder.sent, (std::vector<std::string>{dle, "HDLOG_OPEN\r", dle}));
}

TEST_F(ScannerDialogueTest, ALostConnectionRunsTheLoggingRequestAgainOnceConnected)
{
    connect_and_query();
    dialogue.request_logging(true);
    hear("*");
    dialogue.disconnected();
    EXPECT_FALSE(dialogue.waiting_step());
    recorder.sent.clear();
    dialogue.connected();
    hear("*");
    hear("=LOG_MODE 1\r");
    hear("GPS_STATUS0\r");
    EXPECT_EQ(recorder.sent, (std::vector<std::string>{dle, ".LOG_MODE\r", ".GPS_STATUS\r", dle}));
    EXPECT_EQ(dialogue.waiting_step()->sequence, EScanner_sequence::open_logging);
}

TEST_F(ScannerDialogueTest, GivingUpNamesTheStepAndStartsTheNextRequest)
{
    connect_and_query();
    dialogue.request_logging(true);
    hear("*");
    const std::uint64_t sent = dialogue.commands_sent();
    const std::optional<SScanner_step> step = dialogue.waiting_step();
    ASSERT_TRUE(step);
    EXPECT_EQ(step->name, "HDLOG_OPEN");
    EXPECT_EQ(step->index, 1u);
    EXPECT_EQ(step->count, 5u);
    EXPECT_EQ(SequenceName(step->sequence), "open logging");
    dialogue.give_up();
    EXPECT_FALSE(dialogue.waiting_step());
    EXPECT_EQ(dialogue.commands_sent(), sent);
}

TEST(ScannerEchoText, ControlBytesReadInCaretNotation)
{
    const std::string bytes = "\x10*HDLOG1\r\n\0\x7f\xe9"s;
    EXPECT_EQ(ScannerEchoText({reinterpret_cast<const std::byte *>(bytes.data()), bytes.size()}),
              "^P*HDLOG1^M^J^@^?\xe9");
}

} // namespace
