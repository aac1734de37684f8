// The navigator configuration dialog against a fake computer: how the echoes of Messages 20001
// and 20101 load its choices (codes without a choice choose nothing), what goes on the wire after
// Apply, and the password asked for first while the computer protects its setup.

#include "controls/radio_group.h"
#include "settings/Form_frame_control.h"
#include "shell/Form_protect_settings.h"

#include "dialog_test.h"

#include <QCheckBox>
#include <QDialog>

namespace {

using namespace settings_test;

constexpr std::uint16_t frame_control = 20001;
constexpr std::uint16_t fdir_control = 20101;

Bytes frame_control_echo(std::uint8_t code)
{
    Bytes body;
    frame_bytes::put_u8(body, code);
    return frame_bytes::message(frame_control, 0, body);
}

Bytes fdir_echo(std::uint32_t bits)
{
    Bytes body;
    frame_bytes::put_u32(body, bits);
    return frame_bytes::message(fdir_control, 0, body);
}

class FrameControlTest : public CDialog_test {
protected:
    TFormFrameControl &frames = dialog<TFormFrameControl>("FormFrameControl");

    int chosen(const char *name) { return control<TRadioGroup>(frames, name).ItemIndex(); }
    void choose(const char *name, int index) { control<TRadioGroup>(frames, name).setItemIndex(index); }
};

TEST_F(FrameControlTest, TheEchoesLoadTheChoices)
{
    hear_echo(frame_control_echo(1));
    hear_echo(fdir_echo((1U << 1) | (1U << 2) | (1U << 3) | (1U << 4)));
    EXPECT_EQ(chosen("FrameControl"), 1);
    EXPECT_EQ(chosen("PrimaryGpsMeasurement"), 2) << "disable bit: do not use";
    EXPECT_EQ(chosen("AuxiliaryGpsPosition"), 1) << "both bits: use regardless of status";
    EXPECT_EQ(chosen("DmiMeasurement"), 0) << "neither bit: normal";
    EXPECT_TRUE(control<QCheckBox>(frames, "UseTwanSolution").isChecked());

    hear_echo(fdir_echo(1U << 5));
    EXPECT_FALSE(control<QCheckBox>(frames, "UseTwanSolution").isChecked());
    EXPECT_EQ(chosen("AuxiliaryGpsPosition"), 0);
}

// "Do not use" for the auxiliary GPS sends bit 3 set and bit 2 clear; an unchecked TWAN box sends
// bit 5; the frame control goes first.
TEST_F(FrameControlTest, ApplySendsBothMessagesWithTheBitsOfEveryChoice)
{
    hear_echo(frame_control_echo(0));
    hear_echo(fdir_echo(1U << 4));
    connect_as_controller();
    ASSERT_FALSE(TFormProtectSettings::is_protected());
    frames.show();
    choose("FrameControl", 1);
    choose("PrimaryGpsMeasurement", 1);
    choose("AuxiliaryGpsPosition", 2);
    control<QCheckBox>(frames, "UseTwanSolution").setChecked(false);
    frames.buttonApply()->click();

    const std::vector<Bytes> sent_frames = sent({frame_control, fdir_control}, 2);
    ASSERT_EQ(sent_frames.size(), 2u);
    ASSERT_EQ(u16_at(sent_frames[0], 4), frame_control);
    EXPECT_EQ(body_of(sent_frames[0], 1), Bytes{std::byte{1}});
    const std::uint32_t bits = u16_at(sent_frames[1], 10) | std::uint32_t{u16_at(sent_frames[1], 12)} << 16;
    EXPECT_EQ(bits, (1U << 0) | (1U << 3) | (1U << 5));
    EXPECT_TRUE(frames.isVisible()) << "Apply keeps the dialog open";
}

// A frame control code without a choice chooses nothing, and Apply asks for a choice instead of
// sending.
TEST_F(FrameControlTest, ACodeWithoutAChoiceAsksForOne)
{
    hear_echo(frame_control_echo(7));
    hear_echo(fdir_echo(0));
    EXPECT_EQ(chosen("FrameControl"), -1);
    connect_as_controller();
    frames.show();
    frames.buttonApply()->click();
    EXPECT_EQ(last_box(), "Frame Control: choose one.");
    EXPECT_TRUE(answers.frames_numbered({frame_control, fdir_control}).empty());
}

TEST_F(FrameControlTest, WhileProtectedOkAsksForThePasswordFirst)
{
    hear_echo(frame_control_echo(0));
    hear_echo(fdir_echo(0));
    connect_as_controller(1U << 6); // not logged in
    ASSERT_TRUE(TFormProtectSettings::is_protected());
    frames.show();
    feedback.dialog_result = QDialog::Rejected;
    frames.buttonOk()->click();
    EXPECT_EQ(feedback.dialogs, std::vector<QString>{"FormPassword"});
    EXPECT_TRUE(frames.isVisible());
    EXPECT_TRUE(answers.frames_numbered({frame_control, fdir_control}).empty());

    feedback.dialog_result = QDialog::Accepted;
    frames.buttonOk()->click();
    const std::vector<Bytes> sent_frames = sent({frame_control, fdir_control}, 2);
    ASSERT_EQ(sent_frames.size(), 2u);
    EXPECT_EQ(u16_at(sent_frames[1], 10), 1U << 5) << "every sensor normal, TWAN not used";
    EXPECT_FALSE(frames.isVisible());
}

} // namespace
