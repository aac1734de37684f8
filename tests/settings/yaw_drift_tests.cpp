// The yaw drift correction dialog against a fake computer: the echoes of Messages 20201 and
// 20205 load it; each box's Apply sends its own message, Ok and Apply send both, the correction
// first, once every entry of both is good.

#include "settings/Form_yaw_drift_correction.h"

#include "dialog_fixture.h"
#include "setting_frames.h"

#include <QPushButton>

namespace {

using namespace dialog_test;
using namespace setting_frames;

constexpr std::uint16_t correction = 20201;
constexpr std::uint16_t gimbal = 20205;

class YawDriftTest : public CDialog_fixture {
protected:
    QMap<QString, QString> values() { return WindowValues(dialog); }
    void set(const QString &control, const QString &text) { SetWindowValue(dialog, control, text); }
    void press(const QString &button) { PressButton(dialog, button); }
    std::vector<Bytes> sent() { return answers.frames_numbered({correction, gimbal}); }

    TFormYawDriftCorrection &dialog =
        windows.window_of<TFormYawDriftCorrection>("FormYawDriftCorrection");
};

TEST_F(YawDriftTest, EachApplySendsItsOwnMessageAndTheDialogsApplySendsBothInOrder)
{
    SYaw_drift echo;
    echo.heading = 271.25;
    echo.threshold = 2.5;
    echo.period = 120.125;
    echo.gain = 0.03125;
    echo.method = 1;
    hear_echoes({echo.message(0), gimbal_message(0, 0)});

    const QMap<QString, QString> shown = values();
    EXPECT_EQ(shown["desiredHeading"], "271.250");
    EXPECT_EQ(shown["activationThreshold"], "2.500");
    EXPECT_EQ(shown["cutOffPeriod"], "120.125");
    EXPECT_EQ(shown["gain"], "0.03125");
    EXPECT_EQ(shown["correctionMethod"], "Follow Desired Heading");
    EXPECT_EQ(shown["gimbalStabilization"], "OFF ( Freeze)");

    open(dialog);
    set("gimbalStabilization", "ON  (Unfreeze)");
    press("ApplyStabilization");
    std::vector<Bytes> frames = received({correction, gimbal}, 1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], gimbal_message(transaction_of(frames[0]), 1));

    set("correctionMethod", "Follow Mean Track");
    press("ApplyYawDrift");
    frames = received({correction, gimbal}, 2);
    ASSERT_EQ(frames.size(), 2u);
    echo.method = 0;
    EXPECT_EQ(frames[1], echo.message(transaction_of(frames[1])));

    press("buttonApply");
    frames = received({correction, gimbal}, 4);
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[2], echo.message(transaction_of(frames[2])));
    EXPECT_EQ(frames[3], gimbal_message(transaction_of(frames[3]), 1));
    EXPECT_TRUE(feedback.boxes.empty());
}

// A wrong entry of the correction stops both messages of Ok and Apply, but not the gimbal's own
// Apply. Codes without an item choose none: the user chooses before either is sent.
TEST_F(YawDriftTest, WrongEntriesAndUnknownCodesSendNothingTheyBelongTo)
{
    SYaw_drift echo;
    echo.method = 255;
    hear_echoes({echo.message(0), gimbal_message(0, 255)});
    EXPECT_EQ(values()["correctionMethod"], "");
    EXPECT_EQ(values()["gimbalStabilization"], "");
    open(dialog);

    press("buttonApply");
    EXPECT_EQ(last_box(), "Yaw Drift Correction: choose one.");
    set("correctionMethod", "Follow Mean Track");
    press("buttonApply");
    EXPECT_EQ(last_box(), "Gimbal Stabilization: choose one.");
    press("ApplyStabilization");
    EXPECT_EQ(feedback.boxes.size(), 3u);
    EXPECT_TRUE(sent().empty());

    set("gimbalStabilization", "OFF ( Freeze)");
    set("gain", "0.000001");
    press("buttonApply");
    EXPECT_EQ(last_box(), "Gain: enter a number from 0.00001 to 10000.");
    press("ApplyYawDrift");
    EXPECT_EQ(feedback.boxes.size(), 5u);
    EXPECT_TRUE(sent().empty());

    press("ApplyStabilization");
    const std::vector<Bytes> frames = received({correction, gimbal}, 1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], gimbal_message(transaction_of(frames[0]), 0));
}

TEST_F(YawDriftTest, AMonitorCannotApply)
{
    dialog.show();
    EXPECT_FALSE(dialog.findChild<QPushButton *>("ApplyYawDrift")->isEnabled());
    EXPECT_FALSE(dialog.findChild<QPushButton *>("ApplyStabilization")->isEnabled());
}

} // namespace
