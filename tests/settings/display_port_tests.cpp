// The display port dialog against a fake computer: Message 2's echo checks the lines and Ok
// sends them back; the counters of the display port receiver show when a message arrives and
// start again from 0; a view's request for a group adds it to what the computer echoed, once,
// and never before the computer has told its selection.

#include "settings/Form_display_port.h"

#include "dialog_fixture.h"
#include "gnss_frames.h"

namespace {

using namespace dialog_test;

// Message 2 listing `groups`, written byte by byte.
Bytes display_groups(const std::vector<std::uint16_t> &groups, std::uint16_t transaction = 0)
{
    Bytes body;
    frame_bytes::put_u16(body, static_cast<std::uint16_t>(groups.size()));
    for (const std::uint16_t group : groups) {
        frame_bytes::put_u16(body, group);
    }
    frame_bytes::put_u16(body, 0);
    return frame_bytes::message(2, transaction, body);
}

class DisplayPortTest : public CDialog_fixture {
protected:
    QMap<QString, QString> values() { return WindowValues(dialog); }

    TFormDisplayPort &dialog = windows.window_of<TFormDisplayPort>("FormDisplayPort");
};

TEST_F(DisplayPortTest, EchoChecksItsLinesAndOkSendsThemInListOrder)
{
    hear_echoes({display_groups({101, 1, 20202})});
    QMap<QString, QString> shown = values();
    EXPECT_EQ(shown["GroupSelect[0]"], "on\t    1 Position, Velocity, Attitude, Dynamics...");
    EXPECT_EQ(shown["GroupSelect[8]"], "off\t  99 Version and Statistics 1");
    EXPECT_EQ(shown["GroupSelect[9]"], "on\t101 General Status and Fault Detection");
    EXPECT_EQ(shown["GroupSelect[40]"], "off\t20117 TWAN CSC Status");
    EXPECT_EQ(shown["GroupSelect[52]"], "on\t20202 Lidar Interface Status");
    EXPECT_FALSE(shown.contains("GroupSelect[53]")) << "53 lines";

    open(dialog);
    SetWindowValue(dialog, "GroupSelect[1]", "on");
    PressButton(dialog, "buttonClose");
    const std::vector<Bytes> sent = received({2}, 1);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], display_groups({1, 2, 101, 20202}, transaction_of(sent[0])));
}

TEST_F(DisplayPortTest, CountersShowWhenAMessageArrivesAndStartAgainFromZero)
{
    hear(status_group(0));
    dialog.ResetDisplay(0);
    QMap<QString, QString> shown = values();
    for (const char *counter : {"TotalPackets", "TotalGroups", "TotalMessages", "BadHeaders",
                                "BadByteCount", "BadChecksum", "BadFooters", "InvalidGrpMsg"}) {
        EXPECT_EQ(shown[counter], "0") << counter;
    }

    for (int group = 0; group < 10; ++group) {
        hear(status_group(0));
    }
    Bytes bad = status_group(0);
    bad[bad.size() - 4] ^= std::byte{1};
    hear(bad);
    EXPECT_EQ(values()["TotalGroups"], "0") << "shown when the next message arrives";
    hear(views_notice());
    shown = values();
    EXPECT_EQ(shown["TotalGroups"], "10");
    EXPECT_EQ(shown["TotalMessages"], "1");
    EXPECT_EQ(shown["TotalPackets"], "12");
    EXPECT_EQ(shown["BadChecksum"], "1");
    EXPECT_EQ(shown["BadHeaders"], "0");
}

TEST_F(DisplayPortTest, GroupRequestAddsToTheEchoedSelectionOnceAndNeverBeforeIt)
{
    RequestGroup(20202); // not connected
    connect_as_controller();
    RequestGroup(20202); // nothing echoed yet: a list of this group alone would switch off the rest

    hear_echoes({display_groups({1, 2, 101})});
    RequestGroup(20202);
    RequestGroup(20202);
    RequestGroup(65000); // no line
    // Frames arrive in the order sent: the first Message 2 is the one after the echo.
    const std::vector<Bytes> sent = received({2}, 1);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], display_groups({1, 2, 101, 20202}, transaction_of(sent[0])));

    // Before the computer echoes the new selection, a further request adds to what was sent.
    RequestGroup(5);
    const std::vector<Bytes> more = received({2}, 2);
    ASSERT_EQ(more.size(), 2u);
    EXPECT_EQ(more[1], display_groups({1, 2, 5, 101, 20202}, transaction_of(more[1])));

    // While the user edits the selection, requests wait.
    dialog.show();
    RequestGroup(6);
    dialog.hide();
    EXPECT_EQ(received({2}, 2).size(), 2u);
}

// The raw auxiliary data view has no menu entry: the GNSS view's button opens it, and its group
// goes to the computer with those echoed.
TEST_F(DisplayPortTest, RawAuxiliaryDataButtonOpensItsViewAndAsksForItsGroup)
{
    connect_as_controller();
    hear_echoes({display_groups({1, 2, 101})});
    TFormKoruBase &gnss = *windows.window("FormGpsData");
    TFormKoruBase &raw = *windows.window("FormAuxGpsData");
    EXPECT_FALSE(windows.can_open("FormAuxGpsData"));
    windows.open("FormAuxGpsData");
    windows.open_unlisted("FormGpsData");
    EXPECT_FALSE(raw.isVisible());
    EXPECT_FALSE(gnss.isVisible()) << "a window with a menu entry opens through it";

    gnss_frames::SReceiver auxiliary;
    auxiliary.mode = 3;
    hear(gnss_frames::receiver_frame(107, auxiliary));
    ASSERT_EQ(ButtonState(gnss, "ButtonRawData"), EButton_state::enabled);
    PressButton(gnss, "ButtonRawData");
    EXPECT_TRUE(raw.isVisible());
    const std::vector<Bytes> sent = received({2}, 1);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], display_groups({1, 2, 101, 110}, transaction_of(sent[0])));
}

} // namespace
