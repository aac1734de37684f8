// The GNSS receiver and TWAN installation dialogs against a fake computer: which controls each
// receiver type shows, codes without an item, what goes on the wire after Apply, and the TWAN
// dialog's ranges and password.

#include "controls/radio_group.h"
#include "settings/Form_gps_installation.h"
#include "settings/Form_twan_installation.h"
#include "shell/Form_protect_settings.h"

#include "dialog_test.h"

#include <QComboBox>
#include <QDialog>

namespace {

using namespace settings_test;

constexpr std::uint16_t primary = 5;
constexpr std::uint16_t secondary = 110;

struct SReceiver {
    std::uint8_t auto_config = 1, type = 11, rate = 7, port_control = 0, baud = 3;
    std::uint16_t protocol = 2 | 2 << 3 | 2 << 5; // even parity, seven data bits, two stop bits
    std::uint8_t antenna = 1, augmentation = 2;

    Bytes frame(std::uint16_t number, std::uint16_t transaction = 0) const
    {
        Bytes body;
        for (const std::uint8_t byte : {auto_config, type, rate, port_control, baud}) {
            frame_bytes::put_u8(body, byte);
        }
        frame_bytes::put_u16(body, protocol);
        frame_bytes::put_u8(body, antenna);
        frame_bytes::put_u8(body, augmentation);
        return frame_bytes::message(number, transaction, body);
    }
};

class ReceiverTest : public CDialog_test {
protected:
    TFormGpsInstallation &gps = dialog<TFormGpsInstallation>("FormGpsInstallation");

    int chosen(const char *name)
    {
        if (auto *combo = gps.findChild<QComboBox *>(name)) {
            return combo->currentIndex();
        }
        return control<TRadioGroup>(gps, name).ItemIndex();
    }
    bool shown(const char *name) { return ShownInWindow(control<QWidget>(gps, name)); }
};

TEST_F(ReceiverTest, TheTypeDecidesWhichControlsApplyAndApplySendsBothReceivers)
{
    SReceiver first;
    SReceiver second;
    second.type = 16;
    second.port_control = 1;
    second.augmentation = 3;
    second.rate = 10;
    hear_echo(first.frame(primary));
    hear_echo(second.frame(secondary));

    EXPECT_EQ(gps.findChild<QComboBox *>("receiverType1")->currentText(), "GRAM");
    EXPECT_TRUE(shown("RadioGroupAntennaSettings1"));
    EXPECT_EQ(chosen("RadioGroupAntennaSettings1"), 1);
    EXPECT_FALSE(shown("WaasBoxPri"));
    EXPECT_TRUE(control<QWidget>(gps, "gps1Com2Control").isEnabled());
    EXPECT_EQ(gps.findChild<QComboBox *>("outputRate1")->currentText(), " 1 Hz") << "7 Hz";
    EXPECT_EQ(chosen("baudRate1"), 3);
    EXPECT_EQ(chosen("parity1"), 1);
    EXPECT_EQ(chosen("dataBits1"), 0);
    EXPECT_EQ(chosen("stopBits1"), 1);

    EXPECT_FALSE(shown("RadioGroupAntennaSettings2"));
    EXPECT_TRUE(shown("WaasBoxSec"));
    EXPECT_EQ(chosen("WaasBoxSec"), 3);
    EXPECT_FALSE(control<QWidget>(gps, "gps2Com2Control").isEnabled());
    EXPECT_EQ(chosen("outputRate2"), 5);

    const QMap<QString, QString> values = WindowValues(gps);
    EXPECT_EQ(values.value("receiverType2"), "Corvane R7");
    EXPECT_TRUE(values.contains("RadioGroupAntennaSettings1"));
    EXPECT_FALSE(values.contains("RadioGroupAntennaSettings2")) << "hidden for this type";
    EXPECT_FALSE(values.contains("outputRate1")) << "hidden";

    connect_as_controller();
    gps.show();
    control<TRadioGroup>(gps, "autoConfig2").setItemIndex(1);
    gps.buttonApply()->click();
    const std::vector<Bytes> frames = sent({primary, secondary}, 2);
    ASSERT_EQ(frames.size(), 2u);
    const std::uint16_t transaction = u16_at(frames[0], 8);
    first.rate = 1;
    second.auto_config = 0;
    EXPECT_EQ(frames[0], first.frame(primary, transaction));
    EXPECT_EQ(frames[1], second.frame(secondary, static_cast<std::uint16_t>(transaction + 1)));
}

// Codes the dialog has no item for: the reported type goes back as it came; any other code the
// user can choose must be chosen before anything is sent.
TEST_F(ReceiverTest, CodesWithoutAnItem)
{
    SReceiver first;
    first.type = 200;
    first.antenna = 3;
    first.augmentation = 4;
    SReceiver second;
    second.type = 14;
    second.baud = 8;
    second.port_control = 5;
    second.augmentation = 255;
    hear_echo(first.frame(primary));
    hear_echo(second.frame(secondary));
    EXPECT_EQ(chosen("receiverType1"), -1);
    EXPECT_FALSE(shown("RadioGroupAntennaSettings1"));
    EXPECT_FALSE(shown("WaasBoxPri"));
    EXPECT_EQ(chosen("baudRate2"), -1);
    EXPECT_EQ(chosen("gps2Com2Control"), -1);
    EXPECT_TRUE(shown("WaasBoxSec")) << "NovAtel OEMV";
    EXPECT_EQ(chosen("WaasBoxSec"), -1);

    connect_as_controller();
    gps.show();
    gps.buttonApply()->click();
    EXPECT_EQ(last_box(), "Waas/Egnos/Msas: choose one.");
    gps.findChild<QComboBox *>("WaasBoxSec")->setCurrentIndex(2);
    gps.buttonApply()->click();
    EXPECT_EQ(last_box(), "Baud Rate: choose one.");
    EXPECT_EQ(gps.focusWidget(), gps.findChild<QComboBox *>("baudRate2"));
    gps.findChild<QComboBox *>("baudRate2")->setCurrentIndex(7);
    control<TRadioGroup>(gps, "gps2Com2Control").setItemIndex(4);
    gps.buttonApply()->click();

    const std::vector<Bytes> frames = sent({primary, secondary}, 2);
    ASSERT_EQ(frames.size(), 2u) << "nothing went before every choice was made";
    const std::uint16_t transaction = u16_at(frames[0], 8);
    first.rate = 1; // the hidden antenna and augmentation go back as reported
    second.rate = 1;
    second.baud = 7;
    second.port_control = 4;
    second.augmentation = 2;
    EXPECT_EQ(frames[0], first.frame(primary, transaction));
    EXPECT_EQ(frames[1], second.frame(secondary, static_cast<std::uint16_t>(transaction + 1)));
}

Bytes twan(std::array<float, 6> values, std::uint16_t transaction = 0)
{
    Bytes body;
    for (const float value : values) {
        frame_bytes::put_f32(body, value);
    }
    return frame_bytes::message(108, transaction, body);
}

using TwanTest = CDialog_test;

TEST_F(TwanTest, RangesAreCheckedAndTheProtectedSetupAsksForThePasswordFirst)
{
    auto &dialog_twan = dialog<TFormTwanInstallation>("FormTwanInstallation");
    hear_echo(twan({1.25f, 0.5f, -0.75f, 0.125f, 3.0f, -1.5f}));
    EXPECT_EQ(control(dialog_twan, "HeadingCalibrationThreshold").text(), "3.000");
    EXPECT_EQ(control(dialog_twan, "BaselineVectorY").text(), "-0.750");

    connect_as_controller(1u << 6); // not logged in
    EXPECT_TRUE(TFormProtectSettings::is_protected());
    dialog_twan.show();
    control(dialog_twan, "HeadingCalibrationThreshold").setText("0.05");
    dialog_twan.buttonOk()->click();
    EXPECT_EQ(last_box(), "Heading Calibration Threshold (deg): enter a number from 0.1 to 90.");
    EXPECT_TRUE(feedback.dialogs.empty()) << "no password asked for a wrong entry";

    control(dialog_twan, "HeadingCalibrationThreshold").setText("0.1");
    feedback.dialog_result = QDialog::Rejected;
    dialog_twan.buttonOk()->click();
    EXPECT_EQ(feedback.dialogs, std::vector<QString>{"FormPassword"});
    EXPECT_TRUE(dialog_twan.isVisible());

    feedback.dialog_result = QDialog::Accepted;
    dialog_twan.buttonOk()->click();
    const std::vector<Bytes> frames = sent({108}, 1);
    ASSERT_EQ(frames.size(), 1u) << "nothing went while the password was refused";
    EXPECT_EQ(frames[0], twan({1.25f, 0.5f, -0.75f, 0.125f, 0.1f, -1.5f}, u16_at(frames[0], 8)));
    EXPECT_FALSE(dialog_twan.isVisible());
}

} // namespace
