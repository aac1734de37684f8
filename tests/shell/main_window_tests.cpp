// The main window against a fake computer on loopback: the computers it hears of, connecting as
// controller, the keep-alive and the watchdog, alarms, rejections, the date, the exit.

#include "controller_fixture.h"
#include "controls/led_image.h"
#include "net/socket_control.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>

namespace {

using namespace controller_test;

Bytes general_data(std::uint16_t year, std::uint8_t month, std::uint8_t day)
{
    Bytes body = {std::byte{12}, std::byte{0}, std::byte{0}, std::byte{month}, std::byte{day}};
    frame_bytes::put_u16(body, year);
    for (int i = 0; i < 4; ++i) {
        frame_bytes::put_f64(body, 0.0);
    }
    for (int i = 0; i < 3; ++i) {
        frame_bytes::put_f32(body, 1000.0f);
    }
    return frame_bytes::message(13, 0, body);
}

// The number and 16-bit value of each Message 14 in a byte stream.
std::vector<std::uint16_t> control_values(const Bytes &stream)
{
    std::vector<std::uint16_t> values;
    for (std::size_t at = 0; at + 16 <= stream.size(); at += 16) {
        EXPECT_EQ(std::to_integer<int>(stream[at + 4]), 14);
        values.push_back(static_cast<std::uint16_t>(std::to_integer<int>(stream[at + 10]) |
                                                    std::to_integer<int>(stream[at + 11]) << 8));
    }
    return values;
}

class CRecording_requester : public IGroup_requester {
public:
    void GroupRequest(std::uint16_t group) override { requested.push_back(group); }
    bool shown() const override { return shown_now; }
    std::vector<std::uint16_t> requested;
    bool shown_now = false;
};

class MainWindowTest : public CController_fixture {
protected:
    MainWindowTest() { program.windows.add(&window); }
    ~MainWindowTest() override { program.windows.remove(&window); }

    CRecording_window window;
};

TEST_F(MainWindowTest, FirstComputerHeardIsListedAndSelected)
{
    EXPECT_EQ(form->panel_text(4), "Waiting");
    hear(computer_display, status_group(0));
    ASSERT_EQ(selection->count(), 1);
    EXPECT_EQ(selection->itemText(0), "127.0.0.2");
    EXPECT_EQ(form->selected_address(), loopback(2));
    EXPECT_EQ(form->display_receiver().filter(), loopback(2));
    EXPECT_EQ(form->windowTitle(), "TARVO - 127.0.0.2");
    EXPECT_EQ(window.resets, 1);
    EXPECT_EQ(form->panel_text(4), "Waiting") << "a new computer starts from nothing";
    hear(computer_display, status_group(0));
    EXPECT_EQ(form->panel_text(4), "Monitor") << "its status shows it is there";
}

TEST_F(MainWindowTest, SelectingAnotherComputerBlanksTheViewsOnce)
{
    hear(computer_display, status_group(0));
    CUdp_sender other{3};
    hear(other, status_group(0));
    ASSERT_EQ(selection->count(), 2) << "the other computer is offered";
    form->value(TFormTarvo::Altitude)->setText("12.000");

    form->SelectComputer(loopback(2));
    EXPECT_EQ(window.resets, 1) << "the computer already selected changes nothing";
    form->SelectComputer(loopback(3));
    EXPECT_EQ(window.resets, 2);
    EXPECT_EQ(form->value(TFormTarvo::Altitude)->text(), "");
    EXPECT_EQ(form->display_receiver().filter(), loopback(3));
}

TEST_F(MainWindowTest, TypedAddressesAreListedOnceAndNothingIsNoAddress)
{
    selection->setEditText("127.0.0.7");
    form->KoruSelectionEnter();
    selection->setEditText("127.0.0.7");
    form->KoruSelectionEnter();
    EXPECT_EQ(selection->count(), 1);
    EXPECT_EQ(form->selected_address(), loopback(7));
    selection->setEditText("0.0.0.0");
    form->KoruSelectionEnter();
    ASSERT_TRUE(WaitFor([] { return QApplication::overrideCursor() == nullptr; }));
    EXPECT_EQ(selection->count(), 1) << "address 0 is not listed";
}

TEST_F(MainWindowTest, KeepAliveFlowsWithDataAndTheWatchdogDropsASilentConnection)
{
    connect_as_controller();
    form->set_watchdog_interval(150);
    hear(computer_display, status_group(0));
    ASSERT_TRUE(WaitFor([&] {
        return !computer.read_available(); // until the client has closed the connection
    }));
    EXPECT_EQ(control_values(computer.received),
              (std::vector<std::uint16_t>{CMsg14_control::controller_alive,
                                          CMsg14_control::controller_disconnecting}));
    EXPECT_FALSE(form->is_controller());
    EXPECT_EQ(form->panel_text(4), "Waiting");
    ASSERT_TRUE(WaitFor([&] { return !feedback.boxes.empty(); }));
    EXPECT_EQ(feedback.boxes.back().text, "Lost connection with KORU!");
    EXPECT_EQ(feedback.boxes.back().caption, "TARVO Message");
}

// A computer that goes away closes its end: the user hears of it at once, not only from the
// connection panel, and the role goes back to Monitor.
TEST_F(MainWindowTest, AComputerClosingTheConnectionIsToldOnce)
{
    connect_as_controller();
    computer.close_connection();
    ASSERT_TRUE(WaitFor([&] { return !feedback.boxes.empty(); }));
    EXPECT_EQ(feedback.boxes.back().text, "KORU closed the control connection.");
    EXPECT_EQ(feedback.boxes.back().caption, "TARVO Message");
    EXPECT_FALSE(form->is_controller());
    EXPECT_EQ(form->panel_text(4), "Waiting");
    EXPECT_TRUE(form->findChild<QToolButton *>("ToolButtonMonitor")->isChecked());
    QTest::qWait(50);
    EXPECT_EQ(feedback.boxes.size(), 1u);
}

// A period without groups greys what the views show; the next group brings it back.
TEST_F(MainWindowTest, ValuesTurnStaleWhenNothingComesAndFreshWithTheNextGroup)
{
    hear(computer_display, status_group(0, 0b1111)); // selects the computer, which resets
    hear(computer_display, status_group(0, 0b1111));
    auto *lamp = form->lamp(TFormTarvo::LedAttitude);
    auto *mode = form->value(TFormTarvo::KoruMode);
    EXPECT_FALSE(lamp->Stale());
    form->set_watchdog_interval(100);
    ASSERT_TRUE(WaitFor([&] { return lamp->Stale(); }));
    EXPECT_TRUE(mode->Stale());
    EXPECT_EQ(lamp->ImageIndex(), 2) << "a stale lamp is dark, whatever its state";
    EXPECT_TRUE(lamp->State());
    EXPECT_EQ(window.stale_changes, 1);
    hear(computer_display, status_group(0, 0b1111));
    EXPECT_FALSE(lamp->Stale());
    EXPECT_FALSE(mode->Stale());
    EXPECT_EQ(lamp->ImageIndex(), 1);
    EXPECT_EQ(window.stale_changes, 2);
}

// Something that is no address is ignored, but not silently: the selection and the box keep the
// selected computer, and the log and the status bar say why. Connecting to it goes nowhere and
// asks nothing: one attempt, at most one box.
TEST_F(MainWindowTest, AnUnusableTypedAddressIsRefusedWithAReason)
{
    hear(computer_display, status_group(0));
    auto *status_bar = form->findChild<QStatusBar *>("StatusBar1");
    for (const char *typed : {"999.1.1.1", "no-such-koru.invalid"}) {
        selection->setEditText(typed);
        form->ToolButtonConnectClick();
        ASSERT_TRUE(WaitFor([] { return QApplication::overrideCursor() == nullptr; }));
        EXPECT_EQ(form->selected_text(), "127.0.0.2") << typed;
        EXPECT_EQ(selection->currentText(), "127.0.0.2") << typed;
        EXPECT_EQ(status_bar->currentMessage(),
                  QString("No KORU is known as \"%1\"; 127.0.0.2 stays selected.").arg(typed));
        EXPECT_EQ(selection->count(), 1);
        EXPECT_FALSE(form->control_client().is_open()) << typed;
        EXPECT_TRUE(form->findChild<QToolButton *>("ToolButtonMonitor")->isChecked());
    }
    QTest::qWait(50);
    EXPECT_TRUE(feedback.boxes.empty());
    EXPECT_FALSE(computer.accept());
}

// An empty box means the selected computer, and the log line names it.
TEST_F(MainWindowTest, ConnectingWithAnEmptyBoxConnectsToTheSelectedComputer)
{
    hear(computer_display, status_group(0));
    selection->setEditText("");
    form->ToolButtonConnectClick();
    ASSERT_TRUE(WaitFor([&] { return computer.accept() && form->panel_text(4) == "Connected"; }));
    EXPECT_EQ(selection->currentText(), "127.0.0.2");
    EXPECT_EQ(form->selected_text(), "127.0.0.2");
}

// A script may start the program before the computer: the connection asked for on the command
// line waits until the computer is heard.
TEST_F(MainWindowTest, AStartConnectionWaitsUntilTheComputerIsHeard)
{
    start.computer = "127.0.0.2";
    start.connect = true;
    make_form();
    form->apply_start_options();
    QTest::qWait(100);
    EXPECT_FALSE(form->control_client().is_open()) << "nothing heard yet";
    EXPECT_TRUE(feedback.boxes.empty());
    hear(computer_display, status_group(0));
    ASSERT_TRUE(WaitFor([&] { return computer.accept() && form->panel_text(4) == "Connected"; }));
}

// The wait has a bound; after it the attempt is made, and a computer that is not there gives
// the usual box.
TEST_F(MainWindowTest, AStartConnectionGivesUpWaitingAfterItsBound)
{
    start.computer = "127.0.0.3";
    start.connect = true;
    make_form();
    form->set_start_wait(100);
    form->apply_start_options();
    ASSERT_TRUE(WaitFor([&] { return !feedback.boxes.empty(); }));
    EXPECT_EQ(feedback.boxes.back().text, "Cannot Connect!");
    EXPECT_EQ(feedback.boxes.size(), 1u);
}

TEST_F(MainWindowTest, RefusedConnectionSaysCannotConnect)
{
    CUdp_sender unreachable{3};
    hear(unreachable, status_group(0));
    form->ToolButtonConnectClick();
    EXPECT_EQ(form->panel_text(4), "Connecting");
    ASSERT_TRUE(WaitFor([&] { return !feedback.boxes.empty(); }));
    EXPECT_EQ(feedback.boxes.back().text, "Cannot Connect!");
    EXPECT_EQ(feedback.boxes.back().caption, "TARVO Warning");
    EXPECT_EQ(form->panel_text(4), "Waiting");
    EXPECT_FALSE(form->control_client().is_open());
}

TEST_F(MainWindowTest, StatusAlarmsAreRaisedOncePerRisingBit)
{
    hear(computer_display, status_group(1u << 18));
    ASSERT_TRUE(WaitFor([&] { return feedback.boxes.size() == 1; }));
    EXPECT_EQ(feedback.boxes[0].text, "Memory write failure! Settings not saved.");
    EXPECT_EQ(feedback.boxes[0].caption, "TARVO Error");

    hear(computer_display, status_group(1u << 18));
    hear(computer_display, status_group(0));
    EXPECT_EQ(feedback.boxes.size(), 1u) << "a bit that stays set or clears raises nothing";
    hear(computer_display, status_group((1u << 18) | (1u << 15)));
    ASSERT_TRUE(WaitFor([&] { return feedback.boxes.size() == 3; }));
    EXPECT_EQ(feedback.boxes[1].text, "Memory write failure! Settings not saved.");
    EXPECT_EQ(feedback.boxes[2].text, "Logging Device Full!");
}

TEST_F(MainWindowTest, RejectionOfACommandIsShownWithItsReason)
{
    connect_as_controller();
    computer.write(acknowledgement(7, 9));
    ASSERT_TRUE(WaitFor([&] { return !feedback.boxes.empty(); }));
    EXPECT_EQ(feedback.boxes.back().text, "Message 7 rejected! Byte Count Error.");
    computer.write(acknowledgement(7, 3));
    computer.write(acknowledgement(2, 20));
    ASSERT_TRUE(WaitFor([&] { return feedback.boxes.size() == 2; }));
    EXPECT_EQ(feedback.boxes.back().text, "Message 2 rejected! Error code 20.")
        << "code 3 is an acceptance";
}

TEST_F(MainWindowTest, DateComesFromTheGeneralDataEchoAndNonsenseShowsBlank)
{
    hear(computer_display, status_group(0));
    hear(computer_display, general_data(2026, 12, 7));
    hear(computer_display, frame_bytes::message(1, 0, {std::byte{0}, std::byte{0}}));
    EXPECT_TRUE(form->panel_text(0).contains("2026")) << form->panel_text(0).toStdString();
    EXPECT_TRUE(form->panel_text(0).contains("7"));

    hear(computer_display, general_data(0, 0, 0));
    hear(computer_display, frame_bytes::message(1, 0, {std::byte{0}, std::byte{0}}));
    EXPECT_EQ(form->panel_text(0), "");
    hear(computer_display, general_data(2026, 2, 30));
    hear(computer_display, frame_bytes::message(1, 0, {std::byte{0}, std::byte{0}}));
    EXPECT_EQ(form->panel_text(0), "") << "February has no 30th";
}

TEST_F(MainWindowTest, EventAndDiskGroupsAreAskedForAtTheThirdNotificationAfterConnecting)
{
    CRecording_requester requester;
    program.group_requester = &requester;
    connect_as_controller();
    Bytes list;
    frame_bytes::put_u16(list, 1);
    frame_bytes::put_u16(list, 1);
    frame_bytes::put_u16(list, 0);
    hear(computer_display, frame_bytes::message(2, 0, list));
    const Bytes message1 = frame_bytes::message(1, 0, {std::byte{0}, std::byte{0}});
    hear(computer_display, message1);
    hear(computer_display, message1);
    EXPECT_TRUE(requester.requested.empty());
    hear(computer_display, message1);
    EXPECT_EQ(requester.requested, (std::vector<std::uint16_t>{5, 6, 7, 8}));
    hear(computer_display, message1);
    EXPECT_EQ(requester.requested.size(), 4u) << "once per connection";
    program.group_requester = nullptr;
}

TEST_F(MainWindowTest, EventAndDiskGroupsWaitWhileTheDisplayPortSelectionIsEdited)
{
    CRecording_requester requester;
    requester.shown_now = true;
    program.group_requester = &requester;
    connect_as_controller();
    Bytes list;
    frame_bytes::put_u16(list, 1);
    frame_bytes::put_u16(list, 1);
    frame_bytes::put_u16(list, 0);
    hear(computer_display, frame_bytes::message(2, 0, list));
    const Bytes message1 = frame_bytes::message(1, 0, {std::byte{0}, std::byte{0}});
    for (int notice = 0; notice < 5; ++notice) {
        hear(computer_display, message1);
    }
    EXPECT_TRUE(requester.requested.empty());
    requester.shown_now = false;
    hear(computer_display, message1);
    EXPECT_EQ(requester.requested, (std::vector<std::uint16_t>{5, 6, 7, 8}));
    program.group_requester = nullptr;
}

TEST_F(MainWindowTest, OnlyTheControllerMayChangeTheComputer)
{
    auto entries_after_opening = [this](const char *menu_name) {
        QMetaObject::invokeMethod(form->findChild<QMenu *>(menu_name), "aboutToShow");
    };
    entries_after_opening("Mode1");
    EXPECT_FALSE(form->menu_entry("Standby1")->isEnabled()) << "only monitoring";
    EXPECT_TRUE(form->menu_entry("Exit1")->isEnabled());
    connect_as_controller();
    entries_after_opening("Mode1");
    EXPECT_TRUE(form->menu_entry("Standby1")->isEnabled());
    EXPECT_TRUE(form->menu_entry("LoadKoruConfig1")->isEnabled());
    EXPECT_FALSE(form->menu_entry("MessageLog1")->isEnabled()) << "its window is not there";
}

TEST_F(MainWindowTest, ModeSentFromTheToolBarIsNotUndoneByTheNextTwoEchoes)
{
    connect_as_controller();
    auto *navigate = form->findChild<QToolButton *>("ToolButtonNavigate");
    auto *standby = form->findChild<QToolButton *>("ToolButtonStandby");
    navigate->click();
    ASSERT_TRUE(WaitFor([&] {
        computer.read_available();
        return computer.received.size() >= 16;
    }));
    EXPECT_EQ(std::to_integer<int>(computer.received[4]), 7);
    EXPECT_EQ(std::to_integer<int>(computer.received[10]), CMessage7::navigate);

    const Bytes standby_echo = frame_bytes::message(7, 0, {std::byte{CMessage7::standby}});
    const Bytes message1 = frame_bytes::message(1, 0, {std::byte{0}, std::byte{0}});
    hear(computer_display, standby_echo);
    hear(computer_display, message1);
    hear(computer_display, message1);
    EXPECT_TRUE(navigate->isChecked()) << "the echoes still on their way are skipped";
    hear(computer_display, message1);
    EXPECT_TRUE(standby->isChecked()) << "then the computer's mode shows again";
    EXPECT_EQ(form->checked_mode(), EChecked_mode::standby);

    hear(computer_display, frame_bytes::message(7, 0, {std::byte{4}}));
    hear(computer_display, message1);
    EXPECT_TRUE(form->findChild<QToolButton *>("ToolButtonDiagnostics")->isChecked());
    EXPECT_EQ(form->checked_mode(), EChecked_mode::none) << "mode 4 has no entry";
}

TEST_F(MainWindowTest, TheStoreKeepsTheGeometryAndOptionsAfterClose)
{
    form->move(40, 30);
    form->resize(form->width() + 20, form->height() + 10);
    const QSize left_size = form->size();
    form->close();
    EXPECT_FALSE(form->isVisible());
    const CWindow_settings stored("FormTarvo");
    EXPECT_EQ(stored.value("Left").toInt(), 40);
    EXPECT_EQ(stored.value("Width").toInt(), left_size.width());
    EXPECT_EQ(stored.value("Height").toInt(), left_size.height());
    EXPECT_EQ(stored.value("UserAlarms").toInt(), 1);
    EXPECT_EQ(stored.value("SaveMsgLog").toInt(), 1);
    EXPECT_EQ(stored.value("System Menu").toInt(), 0);
}

// The stored options hold from the first showing, before any menu has been opened.
TEST_F(MainWindowTest, TheStoredSystemMenuOptionShowsTheMenuAtStart)
{
    form.reset();
    {
        CWindow_settings stored("FormTarvo");
        stored.set_value("System Menu", 1);
        stored.set_value("UserAlarms", 0);
        stored.set_value("SaveMsgLog", 1);
    }
    make_form();
    EXPECT_TRUE(form->findChild<QMenu *>("System1")->menuAction()->isVisible());
    EXPECT_FALSE(program.options.user_accuracy_alarms);
}

TEST_F(MainWindowTest, ClosingWhileControllerSaysGoodbyeToTheComputer)
{
    connect_as_controller();
    form.reset();
    ASSERT_TRUE(WaitFor([&] { return !computer.read_available(); }));
    EXPECT_EQ(control_values(computer.received),
              (std::vector<std::uint16_t>{CMsg14_control::controller_disconnecting}));
}

} // namespace
