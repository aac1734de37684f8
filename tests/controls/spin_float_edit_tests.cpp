#include "controls/spin_float_edit.h"
#include "qstring_printer.h"
#include "recording_feedback.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <vector>

namespace {

class SpinFloatEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        spin.SetRangeEnable(true);
        spin.SetRangeMin(0);
        spin.SetRangeMax(359.99999);
        spin.SetText("359.5");
        spin.show();
    }

    // The up-down's arrow buttons, upper one first.
    QToolButton *arrow(EStep_direction direction)
    {
        const auto buttons = spin.UpDown().findChildren<QToolButton *>();
        for (QToolButton *button : buttons) {
            const Qt::ArrowType wanted =
                direction == EStep_direction::up ? Qt::UpArrow : Qt::DownArrow;
            if (button->arrowType() == wanted) {
                return button;
            }
        }
        return nullptr;
    }

    CRecording_feedback feedback;
    TSpinFloatEdit spin;
};

TEST_F(SpinFloatEditTest, ConstructionSizes)
{
    TSpinFloatEdit fresh;
    EXPECT_EQ(fresh.size(), QSize(120, 24));
    EXPECT_EQ(fresh.Entry().geometry(), QRect(0, 0, 101, 24));
    EXPECT_EQ(fresh.UpDown().geometry(), QRect(101, 0, 19, 24));
    EXPECT_EQ(fresh.Increment(), 1.0);
    EXPECT_TRUE(fresh.ArrowKeys());
    EXPECT_EQ(fresh.Text(), "0");
}

TEST_F(SpinFloatEditTest, WidthUpDownSplitsTheControl)
{
    spin.SetWidthUpDown(30);
    EXPECT_EQ(spin.Entry().width(), 90);
    EXPECT_EQ(spin.UpDown().geometry(), QRect(90, 0, 30, 24));
    spin.SetWidthUpDown(121); // wider than the control: ignored
    EXPECT_EQ(spin.WidthUpDown(), 30);
    EXPECT_EQ(spin.Entry().width(), 90);
}

TEST_F(SpinFloatEditTest, AStepBeyondTheRangeIsRefusedWithABeep)
{
    QTest::mouseClick(arrow(EStep_direction::up), Qt::LeftButton);
    EXPECT_EQ(spin.Text(), "359.5");
    EXPECT_EQ(feedback.beeps, 1);

    QSignalSpy changed(&spin.Entry(), &TNumberEdit::Changed);
    QTest::mouseClick(arrow(EStep_direction::down), Qt::LeftButton);
    EXPECT_EQ(spin.Text(), "358.5");
    EXPECT_EQ(feedback.beeps, 1);
    EXPECT_EQ(changed.count(), 1);

    spin.SetText("0.5");
    spin.Step(EStep_direction::down);
    EXPECT_EQ(spin.Text(), "0.5");
    EXPECT_EQ(feedback.beeps, 2);
}

TEST_F(SpinFloatEditTest, ArrowKeysStepWhenAllowed)
{
    QTest::keyClick(&spin.Entry(), Qt::Key_Down);
    QTest::keyClick(&spin.Entry(), Qt::Key_Down);
    EXPECT_EQ(spin.Text(), "357.5");
    QTest::keyClick(&spin.Entry(), Qt::Key_Up);
    EXPECT_EQ(spin.Text(), "358.5");

    spin.SetArrowKeys(false);
    QTest::keyClick(&spin.Entry(), Qt::Key_Down);
    EXPECT_EQ(spin.Text(), "358.5");
}

TEST_F(SpinFloatEditTest, WithoutRangeStepsGoAnywhere)
{
    spin.SetRangeEnable(false);
    spin.SetText("-0.5");
    spin.SetIncrement(0.1);
    for (int i = 0; i < 8; ++i) {
        spin.Step(EStep_direction::up);
    }
    EXPECT_EQ(spin.Text(), "0.3"); // fifteen significant digits, no binary noise
    spin.SetText("359.5");
    spin.SetIncrement(1);
    spin.Step(EStep_direction::up);
    EXPECT_EQ(spin.Text(), "360.5");
    EXPECT_EQ(feedback.beeps, 0);
}

TEST_F(SpinFloatEditTest, OnChangingIsAskedFirst)
{
    std::vector<EStep_direction> asked;
    bool allow = false;
    spin.SetOnChanging([&](EStep_direction direction) {
        asked.push_back(direction);
        return allow;
    });
    spin.Step(EStep_direction::down);
    EXPECT_EQ(spin.Text(), "359.5");
    EXPECT_EQ(feedback.beeps, 0);

    allow = true;
    spin.Step(EStep_direction::down);
    EXPECT_EQ(spin.Text(), "358.5");
    EXPECT_EQ(asked, (std::vector{EStep_direction::down, EStep_direction::down}));
}

TEST_F(SpinFloatEditTest, NoValueNoStep)
{
    spin.SetText("");
    spin.Step(EStep_direction::down);
    EXPECT_EQ(spin.Text(), "");
    spin.SetText("N/A");
    spin.Step(EStep_direction::up);
    EXPECT_EQ(spin.Text(), "N/A");
    EXPECT_EQ(feedback.beeps, 2);
}

} // namespace
