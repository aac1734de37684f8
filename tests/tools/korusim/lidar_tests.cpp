// The simulated computer's lidar interface and the simulated scanner data logger: Group 20202
// with the interface, status and logging asked for that the command line and Message 20206 set,
// Messages 20206 and 20207 kept as settings, and the logger's answers and faults on its port.

#include "tools/korusim/computer.h"
#include "tools/korusim/group_encoders.h"

#include "lidar/lidar_records.h"

#include "harness.h"
#include "sealed_messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

using namespace korusim_test;

const std::vector<SGroup_default> simulated = group_defaults(make_group_encoders());

Bytes logging_message(std::uint16_t transaction, std::uint8_t logging)
{
    CMessage20206 message;
    message.logging_control().set(logging);
    return sealed(message, transaction);
}

// The Group 20202 the computer sends at `t`.
Bytes group20202_at(CComputer &computer, double t)
{
    static Group_encoders encoders = make_group_encoders();
    CGroup_encoder &lidar = **std::find_if(encoders.begin(), encoders.end(),
                                           [](const auto &e) { return e->number() == 20202; });
    const std::span<const std::byte> frame = lidar.encode(computer.snapshot(t));
    return Bytes(frame.begin(), frame.end());
}

std::uint32_t u32_at(const Bytes &frame, std::size_t at)
{
    std::uint32_t value = 0;
    std::memcpy(&value, frame.data() + at, sizeof value);
    return value;
}

std::uint16_t data_port_status_at(CComputer &computer, double t)
{
    const Bytes frame = group20202_at(computer, t);
    return static_cast<std::uint16_t>(std::to_integer<int>(frame[38]) |
                                      std::to_integer<int>(frame[39]) << 8);
}

std::string text_of(const Bytes &bytes)
{
    return std::string(reinterpret_cast<const char *>(bytes.data()), bytes.size());
}

TEST(LidarOptions, TheInterfaceAndTheScannerAreSetFromTheCommandLine)
{
    const std::vector<std::string_view> arguments = {"--lidar",
                                                     "1,3,1",
                                                     "--scanner-port",
                                                     "0",
                                                     "--scanner-split",
                                                     "--scanner-silent",
                                                     "--scanner-fatal",
                                                     "--scanner-logger-problem",
                                                     "--scanner-short-log-mode"};
    const SParsed_options parsed = parse_options(arguments, simulated);
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.lidar.interface_kind, 1u);
    EXPECT_EQ(parsed.options.lidar.data_port_status, 3);
    EXPECT_EQ(parsed.options.lidar.logging_request, 1);
    const SScanner_options &scanner = parsed.options.scanner;
    EXPECT_EQ(scanner.port, 0);
    EXPECT_TRUE(scanner.split_answers && scanner.silent && scanner.fatal &&
                scanner.logger_problem && scanner.short_log_mode);

    const SOptions defaults = parse_options({}, simulated).options;
    EXPECT_EQ(defaults.scanner.port, 20002);
    EXPECT_EQ(defaults.lidar.data_port_status, 2);
    EXPECT_FALSE(defaults.scanner.split_answers || defaults.scanner.silent);

    const std::vector<std::string_view> short_list = {"--lidar", "1,2"};
    EXPECT_EQ(parse_options(short_list, simulated).error, "--lidar: '1,2' is not M,S,R");
    const std::vector<std::string_view> request = {"--lidar", "1,2,2"};
    EXPECT_EQ(parse_options(request, simulated).error,
              "--lidar: '2' is not a whole number from 0 to 1");
}

TEST(LidarComputer, Group20202CarriesTheInterfaceAndTheLoggingMessage20206AsksFor)
{
    SOptions options;
    options.display_groups = {1, 20202};
    options.lidar = {1, 2, 1};
    CComputer computer(options);
    const auto group_at = [&](double t) { return group20202_at(computer, t); };
    Bytes frame = group_at(1);
    ASSERT_EQ(frame.size(), 112u);
    EXPECT_EQ(std::to_integer<int>(frame[38]), 2) << "Data Port Status";
    EXPECT_EQ(u32_at(frame, 100), 1u) << "Reserved Int 1: the Q560 interface";
    EXPECT_EQ(u32_at(frame, 104), 1u) << "Reserved Int 2: logging asked for";

    EXPECT_EQ(computer.answer(logging_message(5, 0), EFrame_status::ok, 2).code, 1);
    EXPECT_EQ(u32_at(group_at(3), 104), 0u);
    std::vector<Bytes> echoes;
    computer.take_echoes(
        [&](std::span<const std::byte> echo) { echoes.push_back(bytes_of(echo)); });
    ASSERT_EQ(echoes.size(), 2u) << "Message 20206, then Message 1 closing the burst";
    EXPECT_EQ(echoes[0], logging_message(0, 0));

    const SAnswer wrong = computer.answer(logging_message(6, 2), EFrame_status::ok, 4);
    EXPECT_EQ(wrong.code, response::parameter_error);
    EXPECT_EQ(wrong.parameter_name, "Logging Control");
}

// With the Q560 interface the PC holds the scanner connection, and the computer reports what the
// tool's state reports say; the Q240 tool's address leaves the status to the computer.
TEST(LidarComputer, WithTheQ560InterfaceTheDataPortFollowsTheToolsStateReports)
{
    SOptions options;
    options.display_groups = {1, 20202};
    options.lidar = {1, 3, 0};
    CComputer computer(options);
    EXPECT_EQ(data_port_status_at(computer, 1), 3) << "the command line's, before any report";

    CMessage20207 report;
    report.set_address({127, 0, 0, 10});
    report.connect_control().set(0);
    report.reserved0().set(1);
    const auto status_after = [&](std::uint8_t connected, std::uint32_t logging,
                                  std::uint16_t transaction) {
        report.reserved1().set(connected);
        report.reserved2().set(logging);
        EXPECT_EQ(computer.answer(sealed(report, transaction), EFrame_status::ok, 2).code, 1);
        return data_port_status_at(computer, 3);
    };
    EXPECT_EQ(status_after(1, 0, 1), 2) << "on, not logging";
    EXPECT_EQ(status_after(1, 1, 2), 1) << "on and logging";
    EXPECT_EQ(status_after(0, 0, 3), 4) << "off";

    CMessage20207 address;
    address.set_address({127, 0, 0, 10});
    ASSERT_EQ(computer.answer(sealed(address, 4), EFrame_status::ok, 4).code, 1);
    EXPECT_EQ(data_port_status_at(computer, 5), 3) << "no state report: the command line's";

    SOptions other = options;
    other.lidar = {0, 3, 0};
    CComputer computer_itself(other);
    report.reserved1().set(1);
    ASSERT_EQ(computer_itself.answer(sealed(report, 1), EFrame_status::ok, 1).code, 1);
    EXPECT_EQ(data_port_status_at(computer_itself, 2), 3) << "the computer's own connection";
}

TEST(LidarComputer, TheToolsStateReportsAreKeptWithoutThePassword)
{
    SOptions options;
    options.display_groups = {1};
    options.password = "secret";
    CComputer computer(options);
    CMessage20207 report;
    report.set_address({127, 0, 0, 10});
    report.connect_control().set(0);
    report.reserved0().set(1);
    report.reserved2().set(1);
    EXPECT_EQ(computer.answer(sealed(report, 9), EFrame_status::ok, 1).code, 1);
    report.reserved2().set(5);
    const SAnswer wrong = computer.answer(sealed(report, 10), EFrame_status::ok, 1);
    EXPECT_EQ(wrong.code, response::parameter_error);
    EXPECT_EQ(wrong.parameter_name, "Reserved2");
}

class ScannerTest : public ::testing::Test {
protected:
    explicit ScannerTest(SScanner_options scanner = {}) : harness(options_with(scanner)) {}

    static SOptions options_with(SScanner_options scanner)
    {
        SOptions options = test_options();
        scanner.port = 0;
        options.scanner = scanner;
        return options;
    }
    // Sends `command` and returns everything that came back within a few turns of the loop.
    std::string ask(const std::string &command, std::size_t expected_bytes)
    {
        const std::size_t before = logger.received().size();
        logger.send(Bytes(reinterpret_cast<const std::byte *>(command.data()),
                          reinterpret_cast<const std::byte *>(command.data()) + command.size()));
        logger.wait_for_bytes(before + expected_bytes);
        const Bytes &all = logger.received();
        return text_of(Bytes(all.begin() + static_cast<std::ptrdiff_t>(before), all.end()));
    }

    CHarness harness;
    CClient logger{harness, harness.korusim().scanner_port()};
};

TEST_F(ScannerTest, TheLoggerEchoesCommandsAndAnswersTheQueries)
{
    ASSERT_NE(harness.korusim().scanner_port(), 0);
    EXPECT_EQ(ask("\x10", 1), "*");
    EXPECT_EQ(ask("HDLOG_OPEN\r", 11), "HDLOG_OPEN\r");
    EXPECT_EQ(ask(".LOG_MODE\r", 22), ".LOG_MODE\r=LOG_MODE 2\r");
    EXPECT_EQ(ask("LOG_MODE5\r", 10), "LOG_MODE5\r");
    EXPECT_EQ(ask(".LOG_MODE\r", 22), ".LOG_MODE\r=LOG_MODE 5\r");
    EXPECT_EQ(ask(".GPS_STATUS\r", 24), ".GPS_STATUS\rGPS_STATUS0\r");
    EXPECT_EQ(ask("\x18", 10), "mSCANNING\r");
    EXPECT_EQ(ask("\x06\x0E", 0), "") << "the laser switches are not answered";
    EXPECT_NE(harness.log().find("lidar scanner: received \"HDLOG_OPEN\""), std::string::npos);
}

class ScannerFaultTest : public ScannerTest {
protected:
    static SScanner_options faults()
    {
        SScanner_options scanner;
        scanner.fatal = true;
        scanner.logger_problem = true;
        scanner.short_log_mode = true;
        return scanner;
    }
    ScannerFaultTest() : ScannerTest(faults()) {}
};

TEST_F(ScannerFaultTest, TheLoggerCanFailAsTold)
{
    EXPECT_EQ(ask("\x18", 7), "mFATAL\r");
    EXPECT_EQ(ask("HDLOG_OPEN\r", 12), "?HDLOG_OPEN\r");
    EXPECT_EQ(ask(".LOG_MODE\r", 20), ".LOG_MODE\r=LOG_MODE\r");
}

class SplitScannerTest : public ScannerTest {
protected:
    SplitScannerTest() : ScannerTest({.split_answers = true}) {}
};

TEST_F(SplitScannerTest, EveryAnswerComesInTwoParts)
{
    EXPECT_EQ(ask("HDLOG1\r", 4), "HDLO") << "the first half at once";
    harness.advance(0.06);
    logger.wait_for_bytes(7);
    EXPECT_EQ(text_of(logger.received()), "HDLOG1\r");
}

class SilentScannerTest : public ScannerTest {
protected:
    SilentScannerTest() : ScannerTest({.silent = true}) {}
};

TEST_F(SilentScannerTest, ASilentLoggerAnswersNothing)
{
    EXPECT_EQ(ask("\x10.LOG_MODE\r", 0), "");
    harness.advance(0.2);
    logger.read_waiting();
    EXPECT_TRUE(logger.received().empty());
}

} // namespace
