// The status windows of the computer's tasks and ports, read by control name as from outside:
// what they show before their first group, the optional tails of the discrete and output manager
// groups, codes shown as words or numbers, hexadecimal and dotted values, the lamps of the bit
// sets, text fields that fill their field, the Ethernet ports' groups behind tabs, and the System
// menu entries that open them. The frames are written here byte by byte, in wire order.

#include "view_fixture.h"

#include "shell/window_values.h"
#include "views/Form_subsystem_status.h"

#include <QAction>

namespace {

using namespace std::string_view_literals;
using frame_bytes::Bytes;
using frame_bytes::put_f64;
using frame_bytes::put_text;
using frame_bytes::put_u16;
using frame_bytes::put_u32;
using frame_bytes::put_u8;

void put_i16(Bytes &body, std::int16_t value)
{
    put_u16(body, static_cast<std::uint16_t>(value));
}

// Group 20115 without its socket tail: failures, the failed name, its status, then the port
// counts and the message counts, 21 counts numbered from 1000.
Bytes output_manager_body(std::string_view failed_name)
{
    Bytes body;
    put_u32(body, 7);
    put_text(body, failed_name);
    put_i16(body, -5);
    for (std::uint32_t count = 1000; count < 1021; ++count) {
        put_u32(body, count);
    }
    return body;
}

// The socket tail of Group 20115: the client's address, its port, the error, the operation.
void put_socket_tail(Bytes &body)
{
    put_u32(body, 0xC0A80A05); // 192.168.10.5
    put_u16(body, 5601);
    put_u32(body, 10054);
    put_text(body, "SHUTDOWN");
}

// Group 20110 without its user-time tail, with `direction` as the direction of travel.
Bytes discrete_body(std::int16_t direction)
{
    Bytes body;
    for (std::uint32_t count = 1; count <= 11; ++count) {
        put_u32(body, count);
    }
    for (int value = 1; value <= 9; ++value) {
        put_f64(body, value + 0.5);
    }
    put_i16(body, direction);
    for (std::uint32_t count = 21; count <= 23; ++count) {
        put_u32(body, count);
    }
    return body;
}

// Group 20114 with `valid` as its valid messages and `port_setup`, `com_port`, `failed_name`.
Bytes nmea_body(std::uint32_t valid, std::uint8_t port_setup, std::uint8_t com_port,
                std::string_view failed_name)
{
    Bytes body;
    put_u16(body, 1);
    put_u16(body, 2);
    put_u16(body, 3);
    put_u32(body, 4);
    put_u32(body, valid);
    put_u8(body, port_setup);
    put_u8(body, com_port);
    put_u32(body, 8);
    put_text(body, failed_name);
    put_i16(body, -10);
    return body;
}

// Group 20124, 20125 or 20126: every value from `first` on.
Bytes ethernet_port_body(std::uint32_t first)
{
    Bytes body;
    put_u32(body, first);
    put_i16(body, static_cast<std::int16_t>(first + 1));
    put_i16(body, static_cast<std::int16_t>(first + 2));
    put_u32(body, first + 3);
    put_i16(body, static_cast<std::int16_t>(first + 4));
    put_u32(body, first + 5);
    put_u32(body, first + 6);
    return body;
}

const QStringList ethernet_port_labels = {
    "NoOfSchedulerProxies", "NoOfProxyExceptions", "NoOfProxyQueued", "NoOfMPARequestFailures",
    "LastMPAFailureStatus", "LastPortError",       "NoOfPortWrites"};

class StatusWindowTest : public CView_fixture {
protected:
    // What the window (made first, when it is made on first use) shows by control name after
    // the group `body` belongs to.
    QMap<QString, QString> after(const QString &window, std::uint16_t number, const Bytes &body)
    {
        TFormKoruBase &shown = *windows.window(window);
        deliver(frame_bytes::group(number, body));
        return WindowValues(shown);
    }
};

TEST_F(StatusWindowTest, BeforeTheFirstGroupValuesReadADashAndAHardwareInterfaceUnknown)
{
    const QStringList status_windows = {
        "FormNmeaStatus",        "FormTwanStatus",   "FormAnalogStatus",       "FormRtStatus",
        "FormPriGpsStatus",      "FormSecGpsStatus", "FormAuxGpsStatus",       "FormAux2GpsStatus",
        "FormDiscreteStatus",    "FormImuStatus",    "FormSystemStatus",       "FormOmgrStatus",
        "FormScsiLoggingStatus", "FormImgrStatus",   "FormEthernetPortsStatus"};
    const QStringList hardware_interfaces = {"GeneralHardwareInferface", "HardwareInferface"};
    for (const QString &name : status_windows) {
        const auto values = WindowValues(*windows.window(name));
        EXPECT_GT(values.size(), 3) << name.toStdString();
        for (auto shown = values.begin(); shown != values.end(); ++shown) {
            QString expected = hardware_interfaces.contains(shown.key()) ? "Unknown" : "-";
            if (qobject_cast<CLed_image *>(
                    windows.window(name)->findChild<QWidget *>(shown.key()))) {
                expected = "off";
            } else if (shown.key() == "TabControl1") {
                expected = "Display";
            }
            EXPECT_EQ(shown.value(), expected)
                << name.toStdString() << " " << shown.key().toStdString();
        }
    }
}

TEST_F(StatusWindowTest, TheOutputManagersSocketLabelsShowOnlyWhatTheFrameCarries)
{
    const QStringList socket = {"TCPSocketClientIPAddress", "TCPSocketDataPort",
                                "TCPSocketLastSocketError", "TCPSocketFailedOperation"};
    Bytes long_form = output_manager_body("Group 20202 Msg1");
    put_socket_tail(long_form);
    ASSERT_EQ(frame_bytes::group(20115, long_form).size(), 156u + 8);
    auto values = after("FormOmgrStatus", 20115, long_form);
    EXPECT_EQ(values.value("TCPSocketClientIPAddress"), "192.168.10.5");
    EXPECT_EQ(values.value("TCPSocketDataPort"), "5601");
    EXPECT_EQ(values.value("TCPSocketLastSocketError"), "10054");
    EXPECT_EQ(values.value("TCPSocketFailedOperation"), "SHUTDOWN");
    EXPECT_EQ(values.value("MPAFailedGroupMessage"), "Group 20202 Msg1");
    EXPECT_EQ(values.value("MessageCountsMessage1Accepted"), "1009");
    EXPECT_EQ(values.value("MessageCountsMessage1Rejected"), "1010");
    EXPECT_EQ(values.value("MessageCountsMessage14Rejected"), "1020");

    // The short form empties the four labels; nothing of the long frame before shows.
    const Bytes short_form = output_manager_body("Group 7 Message1");
    ASSERT_EQ(frame_bytes::group(20115, short_form).size(), 136u + 8);
    values = after("FormOmgrStatus", 20115, short_form);
    for (const QString &name : socket) {
        EXPECT_EQ(values.value(name, "(none)"), "") << name.toStdString();
    }
    EXPECT_EQ(values.value("MPAFailedGroupMessage"), "Group 7 Message1");

    // A byte count above the short form's that ends inside the tail: what it holds shows.
    Bytes part = output_manager_body("Group 20202 Msg1");
    put_u32(part, 0x0A000001);
    put_u16(part, 80);
    values = after("FormOmgrStatus", 20115, part);
    EXPECT_EQ(values.value("TCPSocketClientIPAddress"), "10.0.0.1");
    EXPECT_EQ(values.value("TCPSocketDataPort"), "80");
    EXPECT_EQ(values.value("TCPSocketLastSocketError", "(none)"), "");
    EXPECT_EQ(values.value("TCPSocketFailedOperation", "(none)"), "");
}

TEST_F(StatusWindowTest, TheDiscreteWindowShowsTheDirectionAsAWordAndTheUserTimeOfLongGroups)
{
    const std::vector<std::pair<std::int16_t, QString>> directions = {
        {-1, "Reverse"}, {0, "Stationary"}, {1, "Forward"}, {2, "Unknown"}, {0x7FFF, "N/A"}};
    for (const auto &[code, word] : directions) {
        EXPECT_EQ(after("FormDiscreteStatus", 20110, discrete_body(code)).value("DMIDirection"),
                  word)
            << code;
    }

    Bytes long_form = discrete_body(1);
    for (const double value : {0.125, 1.25e-3, 1e20, -2.5}) {
        put_f64(long_form, value);
    }
    ASSERT_EQ(frame_bytes::group(20110, long_form).size(), 192u + 8);
    auto values = after("FormDiscreteStatus", 20110, long_form);
    EXPECT_EQ(values.value("TimingUserDriftSlope"), "0.125000");
    EXPECT_EQ(values.value("TimingUserClockRate"), "0.001250");
    EXPECT_EQ(values.value("TimingUserTimeRecoveryCurrent"), "N/A");
    EXPECT_EQ(values.value("TimingUserTimeRecoveryPrevious"), "-2.500000");
    EXPECT_EQ(values.value("TimingRawPPSTimePrevious"), "6.500000");
    EXPECT_EQ(values.value("DMIUDCounterAtEvent2"), "23");

    values = after("FormDiscreteStatus", 20110, discrete_body(1));
    for (const char *name : {"TimingUserDriftSlope", "TimingUserClockRate",
                             "TimingUserTimeRecoveryCurrent", "TimingUserTimeRecoveryPrevious"}) {
        EXPECT_EQ(values.value(name, "(none)"), "") << name;
    }
}

TEST_F(StatusWindowTest, PortCodesReadAsWordsOnTheNmeaPortAndAsNumbersOnTheBinaryPort)
{
    auto nmea = after("FormNmeaStatus", 20114, nmea_body(0, 2, 0, "Group 1"));
    EXPECT_EQ(nmea.value("PortSetup"), "Failed");
    EXPECT_EQ(nmea.value("COMPort"), "Unknown");
    nmea = after("FormNmeaStatus", 20114, nmea_body(0, 0, 3, "Group 1"));
    EXPECT_EQ(nmea.value("PortSetup"), "Ok");
    EXPECT_EQ(nmea.value("COMPort"), "3");
    nmea = after("FormNmeaStatus", 20114, nmea_body(0, 255, 255, "Group 1"));
    EXPECT_EQ(nmea.value("PortSetup"), "N/A");
    EXPECT_EQ(nmea.value("COMPort"), "N/A");

    Bytes binary;
    put_u16(binary, 1);
    put_u16(binary, 2);
    put_u16(binary, 3);
    put_u32(binary, 4);
    put_u32(binary, 0);
    put_u8(binary, 2);
    put_u8(binary, 0);
    put_u8(binary, 1);
    const auto rt = after("FormRtStatus", 20119, binary);
    EXPECT_EQ(rt.value("PortSetup"), "2");
    EXPECT_EQ(rt.value("COMPort"), "0");
    EXPECT_EQ(rt.value("Mode"), "1");
}

TEST_F(StatusWindowTest, TheReceiversAutoconfigurationReadsActiveOrNotActive)
{
    // Items 1 to 18, then the status: a count, a float and sixteen counts.
    const auto autoconfig = [this](const QString &window, std::uint16_t number,
                                   std::uint16_t status) {
        Bytes body;
        put_u32(body, 1);
        frame_bytes::put_f32(body, 3.14159f);
        for (std::uint32_t count = 3; count <= 18; ++count) {
            put_u32(body, count);
        }
        put_u16(body, status);
        return after(window, number, body);
    };
    auto values = autoconfig("FormPriGpsStatus", 20112, 0);
    EXPECT_EQ(values.value("AutoConfiguratonStatus"), "Not Active");
    EXPECT_EQ(values.value("ExecutionExecutionTime"), "3.1") << "one decimal";
    EXPECT_EQ(values.value("GPSMessagesReceivedChecksumErrors"), "18");
    EXPECT_EQ(values.value("AutoConfiguratonBaudRate"), "N/A") << "not in the frame";
    EXPECT_EQ(autoconfig("FormPriGpsStatus", 20112, 7).value("AutoConfiguratonStatus"), "Active");
    values = autoconfig("FormSecGpsStatus", 20113, 1);
    EXPECT_EQ(values.value("AutoConfiguratonStatus"), "Active");
    EXPECT_TRUE(values.contains("ProxyExceptionsMessage110"));
    EXPECT_FALSE(values.contains("ProxyExceptionsMessage5"));
}

TEST_F(StatusWindowTest, TheImuWindowShowsItsAddressAndStatusWordInHexadecimal)
{
    Bytes body;
    put_text(body, "PCI-IMU BOARD #2  "); // 18 characters, no terminator
    put_u16(body, 0x300);
    for (std::uint32_t count = 3; count <= 7; ++count) {
        put_u32(body, count);
    }
    put_u16(body, 0x00A5);
    put_u32(body, 9);
    const auto values = after("FormImuStatus", 20111, body);
    EXPECT_EQ(values.value("HardwareInferface"), "PCI-IMU BOARD #2  ");
    EXPECT_EQ(values.value("IMUIOAddressHex"), " 300");
    EXPECT_EQ(values.value("IMUStatusWordHex"), "00A5");
    EXPECT_EQ(values.value("Timeouts"), "9");
}

TEST_F(StatusWindowTest, EachLampShowsItsOwnBitAndABitSetOfAllOnesLightsNone)
{
    auto values = after("FormNmeaStatus", 20114, nmea_body(0x000000E1, 0, 1, "Group 1"));
    EXPECT_EQ(values.value("ValidMessagesIINData"), "on");
    EXPECT_EQ(values.value("ValidMessagesGroup2"), "off");
    EXPECT_EQ(values.value("ValidMessagesGroup3"), "off");
    EXPECT_EQ(values.value("ValidMessagesGroup101"), "off");
    EXPECT_EQ(values.value("ValidMessagesErrorMessage"), "on");
    EXPECT_EQ(values.value("ValidMessagesOffsetMessage"), "on");
    EXPECT_EQ(values.value("ValidMessagesDateMessage"), "on");
    EXPECT_EQ(std::count(values.begin(), values.end(), "on"), 4) << "bit 4 has no lamp";

    const auto input_manager = [this](std::uint32_t error_codes) {
        Bytes body;
        put_u32(body, 1);
        put_text(body, "IMGR-CSC-NAME-16");
        put_i16(body, -1);
        put_u32(body, 0xC0A80001);
        put_u32(body, 0xC0A80002);
        put_u16(body, 5601);
        put_u32(body, 0);
        put_text(body, "ACCEPT\0\0"sv);
        for (std::uint16_t number = 9; number <= 13; ++number) {
            put_u16(body, number);
        }
        put_u32(body, error_codes);
        return after("FormImgrStatus", 20116, body);
    };
    values = input_manager(0x5);
    EXPECT_EQ(values.value("DetectedErrorBadMessageStart"), "on");
    EXPECT_EQ(values.value("DetectedErrorBadMessageEnd"), "off");
    EXPECT_EQ(values.value("DetectedErrorBadByteCount"), "on");
    EXPECT_EQ(values.value("DetectedErrorChecksumError"), "off");
    EXPECT_EQ(values.value("SocketKORUIPAddress"), "192.168.0.1");
    EXPECT_EQ(values.value("SocketControllerIPAddress"), "192.168.0.2");
    EXPECT_EQ(values.value("SocketFailedOperation"), "ACCEPT");
    EXPECT_EQ(values.value("MessageRejectedTransactionNumber"), "13");
    EXPECT_EQ(values.value("MessageStatisticsMessagesRejected"), "N/A") << "not in the frame";

    values = input_manager(0xFFFFFFFF);
    EXPECT_EQ(std::count(values.begin(), values.end(), "on"), 0);
}

TEST_F(StatusWindowTest, TextFieldsShowTheirWholeFieldAndControlBytesAsQuestionMarks)
{
    auto values = after("FormNmeaStatus", 20114, nmea_body(0, 0, 1, "ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(values.value("MPAFailedGroupMessage"), "ABCDEFGHIJKLMNOP") << "16 of 16";
    EXPECT_EQ(values.value("MPALastMPAFailureStatus"), "-10");
    values = after("FormNmeaStatus", 20114,
                   nmea_body(0, 0, 1,
                             "Group\x01\x7F"
                             "2\0\0\0\0\0\0\0\0"sv));
    EXPECT_EQ(values.value("MPAFailedGroupMessage"), "Group??2");

    Bytes system;
    put_u32(system, 100);
    put_u16(system, 1);
    put_u16(system, 2);
    put_u8(system, 3);
    put_text(system, "NAVIGATION-TASK-0001");
    values = after("FormSystemStatus", 20118, system);
    EXPECT_EQ(values.value("DeadTask"), "NAVIGATION-TASK-0001") << "20 of 20";
    EXPECT_EQ(values.value("TaskStatus"), "3");
}

TEST_F(StatusWindowTest, EthernetPortGroupsWaitBehindTheirTabs)
{
    TFormKoruBase &window = *windows.window("FormEthernetPortsStatus");
    const auto labels = [&] {
        QStringList shown;
        const auto values = WindowValues(window);
        for (const QString &name : ethernet_port_labels) {
            shown.append(values.value(name, "(none)"));
        }
        return shown;
    };
    const QStringList display = {"100", "101", "102", "103", "104", "105", "106"};
    const QStringList primary = {"200", "201", "202", "203", "204", "205", "206"};

    after("FormEthernetPortsStatus", 20124, ethernet_port_body(100));
    EXPECT_EQ(labels(), display);
    after("FormEthernetPortsStatus", 20125, ethernet_port_body(200));
    EXPECT_EQ(labels(), display) << "the display port's tab is in front";

    SetWindowValue(window, "TabControl1", "Pri Data");
    EXPECT_EQ(WindowValues(window).value("TabControl1"), "Pri Data");
    EXPECT_EQ(labels(), primary);
    SetWindowValue(window, "TabControl1", "Sec Data");
    EXPECT_EQ(labels(), QStringList(7, QString())) << "no secondary data port group yet";
    SetWindowValue(window, "TabControl1", "Display");
    EXPECT_EQ(labels(), display);

    window.ResetDisplay(0);
    EXPECT_EQ(labels(), QStringList(7, QString()));
    SetWindowValue(window, "TabControl1", "Pri Data");
    EXPECT_EQ(labels(), QStringList(7, QString())) << "the computer changed: no copy is kept";
}

TEST_F(StatusWindowTest, TheSystemMenuOpensEachStatusWindow)
{
    const std::vector<std::pair<const char *, const char *>> entries = {
        {"TwanStatus1", "FormTwanStatus"},
        {"Com1Status1", "FormNmeaStatus"},
        {"Com2Status1", "FormRtStatus"},
        {"AnalogPortStatus1", "FormAnalogStatus"},
        {"EthernetPortsStatus1", "FormEthernetPortsStatus"},
        {"ImuStatus1", "FormImuStatus"},
        {"PrimaryGnss1", "FormPriGpsStatus"},
        {"SecondaryGnss1", "FormSecGpsStatus"},
        {"AuxiliaryGnss1", "FormAuxGpsStatus"},
        {"Auxiliary11", "FormAuxGpsStatus"},
        {"Auxiliary21", "FormAux2GpsStatus"},
        {"Discretes1", "FormDiscreteStatus"},
        {"PcCardLoggingStatus1", "FormScsiLoggingStatus"},
        {"InputManager1", "FormImgrStatus"},
        {"OutputManager1", "FormOmgrStatus"},
        {"SystemMonitor1", "FormSystemStatus"}};
    for (const auto &[entry, window] : entries) {
        QAction *action = form->menu_entry(entry);
        ASSERT_NE(action, nullptr) << entry;
        EXPECT_TRUE(action->isEnabled()) << entry;
        windows.window(window)->hide();
        action->trigger();
        EXPECT_TRUE(windows.window(window)->isVisible()) << entry;
        windows.window(window)->hide();
    }
    EXPECT_FALSE(form->menu_entry("OmniStarStatus1")->isEnabled());
}

} // namespace
