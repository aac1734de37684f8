// The input and output port dialog against a fake computer: the echoes of Messages 102 to 105
// load its four pages, Apply sends the four messages back in order once every entry is good and
// the user agreed to the ports being disabled, and the diagnostics mode sends its test values.

#include "settings/Form_output_port.h"

#include "dialog_fixture.h"
#include "setting_frames.h"

#include "controls/radio_group.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

using namespace dialog_test;
using namespace setting_frames;

constexpr std::uint16_t com1 = 102;
constexpr std::uint16_t com2 = 103;
constexpr std::uint16_t com3 = 104;
constexpr std::uint16_t analog = 105;
constexpr std::uint16_t mode = 7;
constexpr int gpgga_line = 11;

class OutputPortTest : public CDialog_fixture {
protected:
    QMap<QString, QString> values() { return WindowValues(dialog); }
    void set(const QString &control, const QString &text) { SetWindowValue(dialog, control, text); }
    void press(const QString &button) { PressButton(dialog, button); }

    // The four messages of one Apply, in the order they came.
    std::vector<Bytes> applied(std::size_t applies = 1)
    {
        const std::vector<Bytes> sent = received({com1, com2, com3, analog}, 4 * applies);
        EXPECT_EQ(sent.size(), 4 * applies) << "nothing else was sent";
        return std::vector<Bytes>(sent.end() - 4, sent.end());
    }

    TFormOutputPort &dialog = windows.window_of<TFormOutputPort>("FormOutputPort");
};

TEST_F(OutputPortTest, EchoesLoadThePagesAndApplySendsTheFourMessagesInOrder)
{
    SCom1 first;
    first.senses.pitch = 1;
    first.sentences = 1u << 0 | 1u << 19;
    first.port = {1, 7, 4, 1, 2};
    first.rate = 50;
    SCom2 second;
    second.format = 19; // TM1B
    second.tm1b_delay = 120;
    second.rate = 200;
    SCom3 third;
    third.format = 3; // TAS_GIM
    third.rate = 2;
    third.aux_2 = 1;
    SAnalog output;
    output.scales = {2.5f, 1.0f, 0.125f};
    output.format = 6; // roll rate on the third channel
    output.enable = 0;
    hear_echoes({first.message(0), second.message(0), third.message(0), output.message(0)});

    const QMap<QString, QString> shown = values();
    EXPECT_EQ(shown["formula1[0]"], "on\t$INVTG - Track made good and ground speed");
    EXPECT_EQ(shown["formula1[11]"], "off\t$GPGGA - Primary GGA message");
    EXPECT_EQ(shown["formula1[15]"], "on\t$VISTREL2 - Real Time Vistrel Event 2");
    EXPECT_EQ(shown["baudRate1"], "115200");
    EXPECT_EQ(shown["parity1"], "Odd");
    EXPECT_EQ(shown["dataBits1"], "8 Bits");
    EXPECT_EQ(shown["stopBits1"], "2 Bits");
    EXPECT_EQ(shown["updateRate1"], " 50 Hz");
    EXPECT_EQ(shown["pitchSense1"], "Nose Down");
    EXPECT_EQ(shown["formula2"], "TM1B");
    EXPECT_EQ(shown["tm1bDelay"], "120") << "shown for TM1B";
    EXPECT_EQ(shown["updateRate2"], "200 Hz");
    EXPECT_EQ(shown["formula3"], "TAS_GIM Encoder Input");
    EXPECT_FALSE(shown.contains("aux1Format")) << "only for the auxiliary GPS input";
    EXPECT_EQ(shown["aux2Format"], "C-Nav/NavCom");
    EXPECT_EQ(shown["heaveScaleFactorA"], "0.125");
    EXPECT_EQ(shown["heaveScaleFactorALabel"], "Roll Rate");
    EXPECT_FALSE(shown.contains("heaveSenseA")) << "a roll rate has no heading sense";
    EXPECT_EQ(shown["analogEnable"], "off");

    open(dialog);
    for (int line = 0; line < 16; ++line) {
        set(QStringLiteral("formula1[%1]").arg(line), line == gpgga_line ? "on" : "off");
    }
    press("buttonApply");
    const std::vector<Bytes> sent = applied();
    ASSERT_EQ(sent.size(), 4u);
    first.sentences = 0x00008000;
    EXPECT_EQ(sent[0], first.message(transaction_of(sent[0]))) << "only $GPGGA";
    EXPECT_EQ(sent[1], second.message(transaction_of(sent[1])));
    EXPECT_EQ(sent[2], third.message(transaction_of(sent[2])));
    EXPECT_EQ(sent[3], output.message(transaction_of(sent[3])));
    EXPECT_TRUE(feedback.boxes.empty());
}

// Codes without an item choose none. Where the computer takes a usual value for no choice, that
// is sent; a sense or a protocol has none, and the user must choose.
TEST_F(OutputPortTest, CodesWithoutAnItemChooseNoneAndApplySendsTheUsualValueOrAsks)
{
    SCom1 first;
    first.senses = {255, 255, 255};
    first.port = {1, 255, 7, 3, 3};
    first.rate = 255;
    SCom2 second;
    second.format = 7; // below ATT01
    second.rate = 255;
    second.tm1b_delay = 255;
    SCom3 third;
    third.format = 5; // read as the azimuth mount's
    third.rate = 255;
    third.aux_2 = 255;
    SAnalog output;
    output.format = 255;
    hear_echoes({first.message(0), second.message(0), third.message(0), output.message(0)});

    QMap<QString, QString> shown = values();
    EXPECT_EQ(shown["rollSense1"], "");
    EXPECT_EQ(shown["baudRate1"], "");
    EXPECT_EQ(shown["parity1"], "");
    EXPECT_EQ(shown["dataBits1"], "8 Bits") << "any other code is eight bits";
    EXPECT_EQ(shown["stopBits1"], "1 Bit");
    EXPECT_EQ(shown["updateRate1"], "");
    EXPECT_EQ(shown["formula2"], "") << "format 7 is no COM2 format";
    EXPECT_FALSE(shown.contains("tm1bDelay"));
    EXPECT_EQ(shown["formula3"], "Azimuth Mount Encoder Input");
    EXPECT_EQ(shown["aux2Format"], "");
    EXPECT_EQ(shown["formulaA"], "");

    open(dialog);
    press("buttonApply");
    EXPECT_EQ(last_box(), "Roll Sense: choose one.");
    for (const char *sense : {"rollSense1", "pitchSense1", "heaveSense1"}) {
        set(sense, dialog.findChild<TRadioGroup *>(sense)->Items().front());
    }
    press("buttonApply");
    EXPECT_EQ(last_box(), "Aux2 Input Format: choose one.") << "the other page's protocol";
    set("aux2Format", "NMEA Standard");
    press("buttonApply");

    const std::vector<Bytes> sent = applied();
    ASSERT_EQ(sent.size(), 4u);
    first.senses = {};
    first.port = {};
    first.rate = 1;
    EXPECT_EQ(sent[0], first.message(transaction_of(sent[0])));
    second.format = 8;
    second.rate = 25;
    second.tm1b_delay = 0;
    EXPECT_EQ(sent[1], second.message(transaction_of(sent[1])));
    third.format = 6;
    third.rate = 25;
    third.aux_2 = 0;
    EXPECT_EQ(sent[2], third.message(transaction_of(sent[2])));
    output.format = 4;
    EXPECT_EQ(sent[3], output.message(transaction_of(sent[3])));
}

// Every entry of the four messages is checked before any is sent.
TEST_F(OutputPortTest, AWrongEntryAnywhereSendsNothing)
{
    SCom2 second;
    second.format = 19;
    hear_echoes({SCom1().message(0), second.message(0), SCom3().message(0), SAnalog().message(0)});
    open(dialog);

    set("rollScaleFactorA", "2000000");
    press("buttonApply");
    EXPECT_EQ(last_box(), "Roll: enter a number from 0 to 1000000.");
    set("rollScaleFactorA", "3");
    set("tm1bDelay", "251");
    press("buttonApply");
    EXPECT_EQ(last_box(), "Additional Delay (msec): enter a number from 0 to 250.");

    set("formula2", "ATT01");
    press("buttonApply");
    const std::vector<Bytes> sent = applied();
    ASSERT_EQ(sent.size(), 4u) << "the two refused applies sent nothing";
    SCom2 att01;
    att01.format = 8;
    EXPECT_EQ(sent[1], att01.message(transaction_of(sent[1]))) << "no delay without TM1B";
    SAnalog output;
    output.scales[0] = 3;
    EXPECT_EQ(sent[3], output.message(transaction_of(sent[3])));
}

TEST_F(OutputPortTest, DisablingPortsIsAskedFirst)
{
    hear_echoes({SCom1().message(0), SCom2().message(0), SCom3().message(0), SAnalog().message(0)});
    open(dialog);
    set("com2Enable", "off");
    set("analogEnable", "off");
    feedback.answer = QMessageBox::No;
    press("buttonApply");
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(feedback.boxes[0].caption, "Confirm Action");
    EXPECT_EQ(feedback.boxes[0].text,
              "You are about to disable: COM2, Analog Port\n\nDo you wish to continue?");

    feedback.answer = QMessageBox::Yes;
    press("buttonApply");
    const std::vector<Bytes> sent = applied();
    ASSERT_EQ(sent.size(), 4u) << "declining sent nothing";
    SCom2 second;
    second.port.control = 0;
    EXPECT_EQ(sent[1], second.message(transaction_of(sent[1])));
    SAnalog output;
    output.enable = 0;
    EXPECT_EQ(sent[3], output.message(transaction_of(sent[3])));

    press("buttonApply");
    applied(2);
    EXPECT_EQ(feedback.boxes.size(), 2u) << "the ports are off now: nothing more to ask";
}

// The two fastest COM2 rates follow the IMUs of 250 and 300 Hz; any other code keeps them.
TEST_F(OutputPortTest, FastestComTwoRatesFollowTheImuAndAreSentAsShown)
{
    hear(imu_group(7));
    hear(imu_group(8));
    hear_echoes({SCom1().message(0), SCom2().message(0), SCom3().message(0), SAnalog().message(0)});
    auto *rates = dialog.findChild<QComboBox *>("updateRate2");
    ASSERT_EQ(rates->count(), 9);
    EXPECT_EQ(rates->itemText(7), "150 Hz");
    EXPECT_EQ(rates->itemText(8), "300 Hz");

    open(dialog);
    set("updateRate2", "300 Hz");
    press("buttonApply");
    const std::vector<Bytes> sent = applied();
    SCom2 second;
    second.rate = 300;
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[1], second.message(transaction_of(sent[1])));

    std::vector<int> codes(256);
    std::iota(codes.begin(), codes.end(), 0);
    std::shuffle(codes.begin(), codes.end(), std::mt19937(16));
    for (const int code : codes) {
        hear(imu_group(static_cast<std::uint8_t>(code)));
        ASSERT_EQ(rates->count(), 9) << code;
        const QString fastest = rates->itemText(8);
        ASSERT_TRUE(fastest == "200 Hz" || fastest == "250 Hz" || fastest == "300 Hz") << code;
        ASSERT_EQ(rates->itemData(7).toInt() * 2, rates->itemData(8).toInt()) << code;
    }
}

// A Group 101 saying the computer navigates: "Full Nav Solution".
Bytes navigating()
{
    return status_group(1u << 7);
}

TEST_F(OutputPortTest, DiagnosticsSwitchTheModeAndSendTheTestValues)
{
    auto *com2_box = dialog.findChild<QGroupBox *>("GroupBoxDiagnostics2");
    dialog.show();
    press("ButtonDiagnostics2");
    EXPECT_TRUE(com2_box->isHidden()) << "no mode was sent: nothing switches";
    dialog.hide();

    open(dialog);
    hear(navigating());
    press("ButtonDiagnostics2");
    std::vector<Bytes> modes = received({mode}, 1);
    ASSERT_EQ(modes.size(), 1u);
    EXPECT_EQ(modes[0][10], std::byte{3});
    EXPECT_FALSE(com2_box->isHidden());
    EXPECT_EQ(dialog.findChild<QPushButton *>("ButtonDiagnostics2")->text(), "Diagnostics <<");

    set("Roll2", "-12.5");
    set("Heading2", "400");
    press("ButtonUpdate2");
    EXPECT_EQ(last_box(), "Heading (deg): enter a number from 0 to 359.99999.");
    set("Heading2", "359.5");
    set("Heave2", "1.25");
    press("ButtonUpdate2");
    const std::vector<Bytes> values_sent = received({20102, 20103}, 1);
    ASSERT_EQ(values_sent.size(), 1u);
    EXPECT_EQ(values_sent[0],
              floats_message(20102, transaction_of(values_sent[0]), {-12.5f, 0.0f, 359.5f, 1.25f}));

    // The analog output's third value is a heading unless the channel carries the roll rate.
    set("HeaveA", "-100");
    press("ButtonUpdateA");
    EXPECT_EQ(last_box(), "Heading (deg): enter a number from 0 to 359.99999.");
    set("formulaA", "RPRR(Roll/Pitch/Roll Rate)");
    press("ButtonUpdateA");
    const std::vector<Bytes> analog_sent = received({20103}, 1);
    ASSERT_EQ(analog_sent.size(), 1u);
    EXPECT_EQ(analog_sent[0],
              floats_message(20103, transaction_of(analog_sent[0]), {0.0f, 0.0f, -100.0f}));

    press("ButtonDiagnosticsA");
    modes = received({mode}, 2);
    ASSERT_EQ(modes.size(), 2u);
    EXPECT_EQ(modes[1][10], std::byte{2}) << "back to navigation";
    EXPECT_TRUE(com2_box->isHidden());
    EXPECT_EQ(dialog.findChild<QPushButton *>("ButtonDiagnostics2")->text(), "Diagnostics >>");
}

} // namespace
