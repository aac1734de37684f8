// Recording and replay driven over the bus: what the display port took in live is recorded, and
// replayed through the same receiver the navigation view and the counters end as they did live,
// at 16x and at full speed. During a replay nothing from the network is taken, no connection is
// made and the title says so; a recording cut in half replays its first half and says where.

#include "app/window_rows.h"
#include "automation/status_service.h"
#include "recording/Form_recording.h"
#include "recording/recording_writer.h"
#include "shell/window_values.h"

#include "bus_client.h"
#include "controller_fixture.h"
#include "navigation_frames.h"

#include <QFile>
#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {

using namespace controller_test;

class RecordingReplayTest : public CController_fixture {
protected:
    RecordingReplayTest()
    {
        EXPECT_TRUE(service.start(QDBusConnection::sessionBus()));
        client.call("SelectComputer", {QString("127.0.0.2")});
        EXPECT_TRUE(WaitFor([&] { return form->display_receiver().filter() == loopback(2); }));
        recording = dynamic_cast<TFormRecording *>(windows.window("FormRecording"));
    }

    // Records a short flight: group 101 and ten positions along a line, one frame split in two
    // datagrams, and a frame with a wrong checksum.
    void record_flight()
    {
        ASSERT_EQ(client.call("Record", {path}).type(), QDBusMessage::ReplyMessage);
        hear(status_group(0));
        for (int i = 0; i < 10; ++i) {
            const Bytes frame = frame_bytes::navigation_group(45.0 + 0.001 * i, 100.0 + i,
                                                                    10.0 * i, 50.0F + float(i));
            if (i == 4) {
                hear(Bytes(frame.begin(), frame.begin() + 20));
                hear(Bytes(frame.begin() + 20, frame.end()));
            } else {
                hear(frame);
            }
        }
        Bytes damaged = frame_bytes::navigation_group(46.0, 1.0, 1.0, 1.0F);
        damaged[30] ^= std::byte{0x01};
        hear(damaged);
        ASSERT_EQ(client.call("StopRecording").type(), QDBusMessage::ReplyMessage);
        live_navigation = client.property<CText_map>("Navigation");
        live_counters = client.property<CCount_map>("DisplayPortCounters");
    }

    // Three positions three seconds apart.
    void write_slow_flight()
    {
        CRecording_writer writer;
        ASSERT_EQ(writer.open(path.toStdString()), 0);
        constexpr std::uint64_t start_us = 1'700'000'000'000'000;
        for (std::uint64_t i = 0; i < 3; ++i) {
            ASSERT_EQ(writer.write(start_us + i * 3'000'000,
                                   frame_bytes::navigation_group(45.0, 100.0 + double(i), 0, 1)),
                      0);
        }
        ASSERT_EQ(writer.close(), 0);
    }

    bool replay_and_wait(double speed)
    {
        const QDBusMessage reply = client.call("Replay", {path, speed});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return WaitFor([&] { return !recording->replaying(); });
    }

    QString shown(const char *name) const
    {
        return recording->findChild<QLabel *>(name)->text();
    }

    CWindow_table windows{*form, WindowRows()};
    CStatus_service service{*form};
    CBus_client client;
    TFormRecording *recording = nullptr;
    QString path = folder.filePath("flight.tvr");
    CText_map live_navigation;
    CCount_map live_counters;
};

TEST_F(RecordingReplayTest, AReplayEndsWithTheViewAndCountersAsTheyWereLive)
{
    record_flight();
    ASSERT_EQ(live_counters.value("Packets Received"), 13u);
    ASSERT_EQ(live_counters.value("Groups Received"), 11u);
    ASSERT_EQ(live_counters.value("Checksum Errors"), 1u);
    EXPECT_EQ(shown("DatagramCount"), "13");
    EXPECT_EQ(QFile(path).size(), shown("ByteCount").toLongLong());

    for (const double speed : {16.0, 0.0}) {
        SCOPED_TRACE(speed);
        // Something else on show first, so that the replay has to bring the view back.
        hear(frame_bytes::navigation_group(10.0, 5.0, 0.0, 1.0F));
        ASSERT_NE(client.property<CText_map>("Navigation"), live_navigation);
        ASSERT_TRUE(replay_and_wait(speed));
        EXPECT_EQ(client.property<CText_map>("Navigation"), live_navigation);
        EXPECT_EQ(client.property<CCount_map>("DisplayPortCounters"), live_counters);
        EXPECT_EQ(shown("StateText"), "Finished");
        EXPECT_EQ(shown("DamageText"), "none");
    }
}

// A recording of three groups three seconds apart, replayed at 1x: paused after the first, the
// program is tried live; then it runs on as fast as possible.
TEST_F(RecordingReplayTest, WhileReplayingNothingIsHeardNorConnectedAndTheTitleSaysSo)
{
    write_slow_flight();
    const QString title = form->windowTitle();
    ASSERT_EQ(client.call("Replay", {path, 1.0}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(form->windowTitle(), title + " - Replaying flight.tvr");
    ASSERT_TRUE(recording->replaying());
    ASSERT_EQ(client.call("PressButton", {QString("FormRecording"), QString("PauseButton")}).type(),
              QDBusMessage::ReplyMessage);
    ASSERT_TRUE(WaitFor([&] { return shown("StateText") == "Paused"; }));
    EXPECT_EQ(form->display_receiver().counters().packets, 1u);

    computer_display.send_to(port, status_group(0));
    form->ToolButtonConnectClick();
    EXPECT_TRUE(WaitFor([&] { return form->panel_text(4) != "Connecting"; }));
    EXPECT_FALSE(computer.accept()) << "no connection is even tried";
    EXPECT_FALSE(form->is_controller());
    EXPECT_FALSE(feedback.boxes.empty()) << "the user is told the connection cannot be made";
    EXPECT_TRUE(recording->replaying());

    client.call("SetWindowValue",
                {QString("FormRecording"), QString("ReplaySpeed"), QString("As fast as possible")});
    client.call("PressButton", {QString("FormRecording"), QString("PauseButton")});
    ASSERT_TRUE(WaitFor([&] { return !recording->replaying(); }));
    EXPECT_EQ(form->display_receiver().counters().packets, 3u)
        << "the live datagram sent during the replay was not taken";
    EXPECT_EQ(form->windowTitle(), title);
    hear(status_group(0));
    EXPECT_EQ(form->display_receiver().counters().packets, 4u) << "live again once it ended";
}

TEST_F(RecordingReplayTest, ARecordingCutInHalfReplaysTheFirstHalfAndSaysWhere)
{
    record_flight();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const qint64 half = file.size() / 2;
    ASSERT_TRUE(file.resize(half));
    file.close();

    ASSERT_TRUE(replay_and_wait(0));
    const CCount_map replayed = client.property<CCount_map>("DisplayPortCounters");
    EXPECT_GT(replayed.value("Packets Received"), 3u);
    EXPECT_LT(replayed.value("Packets Received"), 13u);
    EXPECT_EQ(replayed.value("Packets Received"), shown("DatagramCount").toUInt());
    EXPECT_TRUE(shown("DamageText").startsWith("cut short at byte ")) << shown("DamageText").toStdString();
    EXPECT_EQ(shown("StateText"), "Finished up to the damage");
    const QStringList log = client.call("MessageLog", {10u}).arguments().value(0).toStringList();
    EXPECT_TRUE(log.join('\n').contains("the recording is damaged: cut short at byte"))
        << log.join('\n').toStdString();
}

// The File menu gains the table's entries before Exit; recording from the menu asks for the file
// and counts in the status bar.
TEST_F(RecordingReplayTest, TheFileMenuRecordsReplaysAndExports)
{
    auto *file_menu = form->findChild<QMenu *>("File1");
    ASSERT_NE(file_menu, nullptr);
    QStringList entries;
    for (const QAction *entry : file_menu->actions()) {
        entries.append(entry->isSeparator() ? "-" : entry->objectName());
    }
    EXPECT_EQ(entries, (QStringList{"LoadKoruConfig1", "SaveKoruConfig1", "SaveMessageLog1",
                                    "ExportTrack1", "RecordDisplayPort1", "ReplayRecording1", "-",
                                    "Exit1"}));

    feedback.chosen_file = path;
    form->findChild<QAction *>("RecordDisplayPort1")->trigger();
    ASSERT_TRUE(recording->recording());
    EXPECT_TRUE(recording->isVisible());
    hear(status_group(0));
    auto *counted = form->findChild<QLabel *>("RecordingStatus");
    ASSERT_NE(counted, nullptr);
    const QString expected =
        QString("Recording: %1 bytes").arg(8 + 20 + status_group(0).size()); // magic, record
    ASSERT_TRUE(WaitFor([&] { return counted->text() == expected; }))
        << counted->text().toStdString();
    client.call("PressButton", {QString("FormRecording"), QString("StopButton")});
    ASSERT_TRUE(WaitFor([&] { return !recording->recording(); }));
    EXPECT_EQ(form->findChild<QLabel *>("RecordingStatus"), nullptr);

    form->findChild<QAction *>("ReplayRecording1")->trigger();
    EXPECT_TRUE(recording->replaying() || shown("StateText") == "Finished");
    EXPECT_EQ(feedback.file_choices.size(), 2u);
    EXPECT_TRUE(feedback.boxes.empty());
}

TEST_F(RecordingReplayTest, FilesThatCannotBeReplayedOrRecordedAreRefusedWithWhy)
{
    QFile text(folder.filePath("notes.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("flight notes\n");
    text.close();
    QDBusMessage reply = client.call("Replay", {text.fileName(), 1.0});
    EXPECT_EQ(reply.errorMessage(), text.fileName() + " is not a recording of the display port.");

    reply = client.call("Replay", {folder.filePath("missing.tvr"), 1.0});
    EXPECT_TRUE(reply.errorMessage().startsWith("Cannot read ")) << reply.errorMessage().toStdString();

    reply = client.call("Replay", {path, -1.0});
    EXPECT_EQ(reply.errorName(), "org.freedesktop.DBus.Error.InvalidArgs");

    reply = client.call("Record", {folder.filePath("no/such/folder/x.tvr")});
    EXPECT_TRUE(reply.errorMessage().startsWith("Cannot record to ")) << reply.errorMessage().toStdString();
    reply = client.call("StopRecording");
    EXPECT_EQ(reply.errorMessage(), "The display port is not being recorded.");
    EXPECT_FALSE(recording->replaying());
    EXPECT_FALSE(recording->recording());
}

// ExportTrack over the bus writes the positions the position plot took, an empty track with
// none, and refuses a file of another kind with why.
TEST_F(RecordingReplayTest, ExportTrackOverTheBusWritesThePositionsTaken)
{
    const QString empty = folder.filePath("empty.gpx");
    QDBusMessage reply = client.call("ExportTrack", {empty});
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_EQ(reply.arguments().value(0).toUInt(), 0u);
    EXPECT_TRUE(QFile::exists(empty));

    record_flight();
    const QString gpx = folder.filePath("flight.gpx");
    reply = client.call("ExportTrack", {gpx});
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    const uint written = reply.arguments().value(0).toUInt();
    EXPECT_GE(written, 1u);
    QFile file(gpx);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(static_cast<uint>(QString::fromUtf8(file.readAll()).count("<trkpt ")), written);

    reply = client.call("ExportTrack", {folder.filePath("flight.txt")});
    EXPECT_EQ(reply.errorName(), "org.freedesktop.DBus.Error.Failed");
    EXPECT_TRUE(reply.errorMessage().contains("GPX (.gpx)")) << reply.errorMessage().toStdString();
    EXPECT_FALSE(QFile::exists(folder.filePath("flight.txt")));
}

// The replay speed box: the speed chosen before a replay from the menu is the replay's, a change
// during it takes effect at once, and a speed asked for over the bus that the box does not offer
// joins it, so that the box always shows the speed of the replay.
TEST_F(RecordingReplayTest, TheSpeedBoxSetsAndShowsTheReplaysSpeed)
{
    write_slow_flight();
    SetWindowValue(*recording, "ReplaySpeed", "16x");
    feedback.chosen_file = path;
    form->findChild<QAction *>("ReplayRecording1")->trigger();
    ASSERT_TRUE(recording->replaying());
    EXPECT_EQ(recording->replay_speed(), 16.0);
    SetWindowValue(*recording, "ReplaySpeed", "4x");
    EXPECT_EQ(recording->replay_speed(), 4.0);
    recording->StopReplay();

    const QDBusMessage reply = client.call("Replay", {path, 2.5});
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_EQ(recording->replay_speed(), 2.5);
    EXPECT_EQ(WindowValues(*recording).value("ReplaySpeed"), "2.5x");
    SetWindowValue(*recording, "ReplaySpeed", "As fast as possible");
    EXPECT_EQ(recording->replay_speed(), 0.0);
    ASSERT_TRUE(WaitFor([&] { return !recording->replaying(); }));
    EXPECT_EQ(shown("StateText"), "Finished");
}

} // namespace
