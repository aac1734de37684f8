// The PC data logger against a logging port on loopback: the file holds exactly the bytes the
// port sent, however they were cut into reads; appending keeps what the file held; a disk that
// fills up leaves the bytes written so far and says how many; a port that refuses or closes at
// once stops the logger cleanly, and its owner is told every time.

#include "settings/Form_disk_logging.h"
#include "settings/log_file.h"

#include "loopback_peers.h"
#include "qstring_printer.h"
#include "recording_feedback.h"
#include "shell/program.h"
#include "shell/window_values.h"
#include "test_windows.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <random>

namespace {

constexpr int stopped_notice = 36768;
constexpr std::uint8_t computer_host = 2;

Bytes seeded_stream(std::size_t length, unsigned seed)
{
    std::mt19937 random(seed);
    Bytes bytes(length);
    for (std::byte &b : bytes) {
        b = std::byte{static_cast<std::uint8_t>(random())};
    }
    return bytes;
}

Bytes file_bytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    const auto *data = reinterpret_cast<const std::byte *>(bytes.constData());
    return Bytes(data, data + bytes.size());
}

void write_file(const QString &path, const Bytes &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size()));
}

// A file on a disk that is full after `room` bytes.
class CFilling_sink : public ILog_sink {
public:
    CFilling_sink(std::unique_ptr<CLog_file> file, std::size_t room)
        : m_file(std::move(file)), m_room(room)
    {}
    int write(std::span<const std::byte> bytes, std::size_t &written) override
    {
        const std::size_t taken = std::min(bytes.size(), m_room);
        const int error = m_file->write(bytes.first(taken), written);
        m_room -= written;
        return error != 0 ? error : taken < bytes.size() ? ENOSPC : 0;
    }

private:
    std::unique_ptr<CLog_file> m_file;
    std::size_t m_room;
};

class TFilling_logger : public TFormDiskLogging {
public:
    explicit TFilling_logger(std::size_t room)
        : TFormDiskLogging("FormDiskLogging", "Test"), m_room(room)
    {}

protected:
    std::unique_ptr<ILog_sink> open_sink(const QString &file, bool append, int &error) override
    {
        auto opened = std::make_unique<CLog_file>();
        error = opened->open(QFile::encodeName(file).toStdString(), append);
        return error == 0 ? std::make_unique<CFilling_sink>(std::move(opened), m_room) : nullptr;
    }

private:
    std::size_t m_room;
};

class DiskLoggingTest : public ::testing::Test {
protected:
    void SetUp() override { logger().set_owner_notice(&owner, stopped_notice); }

    virtual TFormDiskLogging &logger() { return m_logger; }

    // Starts logging into `file` and waits until the port has taken the connection.
    void start(const QString &file, bool append = false)
    {
        logger().set_port(port.port());
        ASSERT_EQ(logger().start(file, append, loopback(computer_host)), 0);
        ASSERT_TRUE(WaitFor([&] { return port.accept(); }));
        ASSERT_TRUE(WaitFor([&] { return logger().isVisible(); })) << "shown once connected";
    }

    // Sends `stream` in pieces of odd lengths, never far ahead of the logger.
    void send_in_odd_chunks(const Bytes &stream, unsigned seed)
    {
        std::mt19937 random(seed);
        std::uniform_int_distribution<std::size_t> length(1, 60000);
        std::size_t at = 0;
        while (at < stream.size()) {
            const std::size_t piece = std::min(length(random), stream.size() - at);
            port.write(Bytes(stream.begin() + static_cast<std::ptrdiff_t>(at),
                             stream.begin() + static_cast<std::ptrdiff_t>(at + piece)));
            at += piece;
            ASSERT_TRUE(WaitFor([&] { return logger().bytes_logged() + 200000 >= at; }));
        }
    }

    QString path(const char *name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    CProgram program;
    CRecording_feedback feedback;
    CNotice_recorder owner;
    CTcp_peer port{computer_host};

private:
    TFormDiskLogging m_logger{"FormDiskLogging", "KORU Ethernet Logging Status"};
};

TEST_F(DiskLoggingTest, FileHoldsExactlyWhatThePortSentInWhateverPiecesItCame)
{
    start(path("stream.bin"));
    const Bytes stream = seeded_stream(3 * 1024 * 1024 + 17, 5);
    send_in_odd_chunks(stream, 9);
    port.close_connection();
    ASSERT_TRUE(WaitFor([&] { return !logger().is_logging(); })) << "the port closed";
    EXPECT_EQ(logger().bytes_logged(), stream.size());
    EXPECT_TRUE(file_bytes(path("stream.bin")) == stream);
    EXPECT_FALSE(logger().isVisible());
    EXPECT_TRUE(WaitFor([&] { return owner.count(stopped_notice) == 1; }));
    EXPECT_TRUE(feedback.boxes.empty()) << "a port that closes is no error";
}

TEST_F(DiskLoggingTest, AppendKeepsTheFileAndOverwriteEmptiesIt)
{
    const Bytes old_contents = seeded_stream(1000, 1);
    const Bytes first = seeded_stream(5001, 2);
    write_file(path("log.bin"), old_contents);

    start(path("log.bin"), true);
    port.write(first);
    ASSERT_TRUE(WaitFor([&] { return logger().bytes_logged() == first.size(); }));
    logger().stop();
    Bytes expected = old_contents;
    expected.insert(expected.end(), first.begin(), first.end());
    EXPECT_TRUE(file_bytes(path("log.bin")) == expected);

    port.close_connection();
    const Bytes second = seeded_stream(333, 3);
    start(path("log.bin"), false);
    port.write(second);
    ASSERT_TRUE(WaitFor([&] { return logger().bytes_logged() == second.size(); }));
    logger().stop();
    EXPECT_TRUE(file_bytes(path("log.bin")) == second);
    EXPECT_TRUE(WaitFor([&] { return owner.count(stopped_notice) == 2; }));
}

TEST_F(DiskLoggingTest, ProgressShowsElapsedTimeBytesAndFreeSpace)
{
    start(path("quiet.bin"));
    logger().show_progress();
    QMap<QString, QString> shown = WindowValues(logger());
    EXPECT_TRUE(QRegularExpression("^00:00:0\\d$").match(shown["LoggingTime"]).hasMatch())
        << qPrintable(shown["LoggingTime"]);
    EXPECT_EQ(shown["BytesLogged"], "0") << "a connection that delivers nothing";
    EXPECT_GT(shown["FreeDiskSpace"].toLongLong(), 0);

    port.write(seeded_stream(4321, 4));
    ASSERT_TRUE(WaitFor([&] { return logger().bytes_logged() == 4321; }));
    logger().show_progress();
    EXPECT_EQ(WindowValues(logger())["BytesLogged"], "4321");
    PressButton(logger(), "StopLoggingButton");
    EXPECT_FALSE(logger().is_logging());
}

TEST_F(DiskLoggingTest, PortThatRefusesOrClosesAtOnceStopsTheLogger)
{
    logger().set_port(UnusedTcpPort());
    ASSERT_EQ(logger().start(path("refused.bin"), false, loopback(1)), 0);
    ASSERT_TRUE(WaitFor([&] { return !logger().is_logging(); }));
    ASSERT_TRUE(WaitFor([&] { return !feedback.boxes.empty(); })) << "posted, then shown";
    EXPECT_EQ(feedback.boxes[0].text,
              "Cannot connect to Data Port!\nThis port may be in use by another user.");
    EXPECT_FALSE(logger().isVisible());
    EXPECT_TRUE(WaitFor([&] { return owner.count(stopped_notice) == 1; }));

    start(path("closed.bin"));
    port.close_connection();
    ASSERT_TRUE(WaitFor([&] { return !logger().is_logging(); }));
    EXPECT_TRUE(file_bytes(path("closed.bin")).empty());
    EXPECT_TRUE(WaitFor([&] { return owner.count(stopped_notice) == 2; }));
}

TEST_F(DiskLoggingTest, FileThatCannotBeOpenedConnectsNothing)
{
    logger().set_port(port.port());
    EXPECT_NE(logger().start(path("no/such/folder/log.bin"), false, loopback(computer_host)), 0);
    EXPECT_FALSE(logger().is_logging());
    QCoreApplication::processEvents();
    EXPECT_FALSE(port.accept());
    EXPECT_EQ(owner.count(stopped_notice), 0u);
}

TEST_F(DiskLoggingTest, TwoLoggersNeverShareAFile)
{
    start(path("shared.bin"));
    TFormDiskLogging other("FormSecDiskLogging", "KORU Sec Ethernet Logging Status");
    other.set_port(port.port());
    EXPECT_EQ(other.start(path("shared.bin"), false, loopback(computer_host)), EBUSY);
}

class FullDiskLoggingTest : public DiskLoggingTest {
protected:
    static constexpr std::size_t room = 100003;
    TFormDiskLogging &logger() override { return m_filling; }

private:
    TFilling_logger m_filling{room};
};

TEST_F(FullDiskLoggingTest, FullDiskStopsWithTheCountAndLeavesThePrefix)
{
    start(path("full.bin"));
    const Bytes stream = seeded_stream(300000, 7);
    constexpr std::size_t piece = 7919;
    for (std::size_t at = 0; at < stream.size() && logger().is_logging(); at += piece) {
        const std::size_t end = std::min(at + piece, stream.size());
        port.write(Bytes(stream.begin() + static_cast<std::ptrdiff_t>(at),
                         stream.begin() + static_cast<std::ptrdiff_t>(end)));
        WaitFor([&] { return logger().bytes_logged() >= end || !logger().is_logging(); });
    }
    ASSERT_FALSE(logger().is_logging());
    EXPECT_EQ(logger().bytes_logged(), room);
    EXPECT_TRUE(file_bytes(path("full.bin")) == Bytes(stream.begin(), stream.begin() + room));
    ASSERT_TRUE(WaitFor([&] { return !feedback.boxes.empty(); }));
    EXPECT_TRUE(feedback.boxes[0].text.contains("100003 bytes"))
        << qPrintable(feedback.boxes[0].text);
    EXPECT_TRUE(feedback.boxes[0].text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))));
    EXPECT_EQ(feedback.boxes[0].caption, "TARVO Error");
    EXPECT_TRUE(WaitFor([&] { return owner.count(stopped_notice) == 1; }));
}

} // namespace
