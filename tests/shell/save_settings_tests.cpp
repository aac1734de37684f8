// The progress of a save: the bar's pace, success once the computer reports it after the save
// was sent, the time-out, and a failure or refusal that closes the window.

#include "controller_fixture.h"
#include "app/window_rows.h"
#include "shell/Form_save_settings.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

using namespace controller_test;

constexpr std::uint32_t nvm_write_successful = 1u << 17;
constexpr std::uint32_t nvm_write_fail = 1u << 18;

class SaveSettingsTest : public CController_fixture {
protected:
    SaveSettingsTest() { connect_as_controller(); }

    TFormSaveSettings &progress()
    {
        return windows.window_of<TFormSaveSettings>("FormSaveSettings");
    }
    void tick(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            progress().Timer1Timer();
        }
    }
    bool shows_success()
    {
        return progress().LabelSavedOk()->isVisible() && !progress().LabelTimeout()->isVisible() &&
               progress().buttonClose()->isEnabled();
    }

    CWindow_table windows{*form, WindowRows()};
    CAnswering_computer answers{computer};
};

TEST_F(SaveSettingsTest, WithoutAnAnswerTheBarSlowsDownAndTimesOutAtTheTwentySecondTick)
{
    form->SaveSettings1Click();
    ASSERT_TRUE(progress().isVisible());
    EXPECT_EQ(progress().windowTitle(), "Saving Settings...");
    EXPECT_EQ(progress().buttonClose()->text(), "Ok");
    EXPECT_FALSE(progress().buttonClose()->isEnabled());
    EXPECT_TRUE(progress().Timer1()->isActive());
    EXPECT_EQ(progress().Timer1()->interval(), 1000);

    std::vector<int> positions;
    for (int i = 0; i < 21; ++i) {
        tick();
        positions.push_back(progress().ProgressBar1()->value());
    }
    EXPECT_EQ(positions, (std::vector<int>{13, 25, 36, 46, 55, 63, 70, 76, 81, 85, 88,
                                           90, 91, 92, 93, 94, 95, 96, 97, 98, 99}));
    EXPECT_FALSE(progress().LabelTimeout()->isVisible());
    tick();
    EXPECT_TRUE(progress().LabelTimeout()->isVisible());
    EXPECT_FALSE(progress().LabelSavedOk()->isVisible());
    EXPECT_TRUE(progress().buttonClose()->isEnabled());
    EXPECT_FALSE(progress().Timer1()->isActive());
    ASSERT_TRUE(answers.wait_for_frames(1));
    EXPECT_EQ(frame_bytes::message(8, 1, {std::byte{1}, std::byte{0}}), answers.frames[0]);
}

TEST_F(SaveSettingsTest, SuccessReportedAtTheFifthTickShowsAtTheSixth)
{
    form->SaveSettings1Click();
    tick(5);
    hear(status_group(nvm_write_successful));
    EXPECT_FALSE(shows_success());
    tick();
    EXPECT_TRUE(shows_success());
    progress().buttonClose()->click();
    EXPECT_FALSE(progress().isVisible());
}

// Regression: the word compared with was the one last seen while the window was shown, so a
// success bit already set when the save was sent (by a save the window never followed) showed
// success before the computer had acted.
TEST_F(SaveSettingsTest, SuccessAlreadyReportedWhenTheSaveIsSentDoesNotCount)
{
    hear(status_group(nvm_write_successful)); // an earlier save, not followed by the window
    form->SaveSettings1Click();
    hear(status_group(nvm_write_successful));
    tick(2);
    EXPECT_FALSE(shows_success()) << "nothing has changed since the save was sent";
    hear(status_group(0));
    hear(status_group(nvm_write_successful));
    tick();
    EXPECT_TRUE(shows_success());
}

TEST_F(SaveSettingsTest, FailureOrRefusalClosesTheWindow)
{
    form->SaveSettings1Click();
    hear(status_group(nvm_write_fail));
    EXPECT_FALSE(progress().isVisible());
    EXPECT_FALSE(progress().Timer1()->isActive());

    answers.codes[8] = 5;
    form->SaveSettings1Click();
    ASSERT_TRUE(progress().isVisible());
    ASSERT_TRUE(WaitFor([&] {
        answers.read();
        return !progress().isVisible();
    }));
}

TEST_F(SaveSettingsTest, WhileShownSaveAndRestoreAreOffAndNoQuestionIsAsked)
{
    form->SaveSettings1Click();
    QMetaObject::invokeMethod(form->findChild<QMenu *>("Settings1"), "aboutToShow");
    EXPECT_FALSE(form->menu_entry("SaveSettings1")->isEnabled());
    EXPECT_FALSE(form->menu_entry("RestoreSettings1Entry")->isEnabled());
    hear(status_group(1u << 16)); // the configuration has changed
    form->ToolButtonMonitorClick();
    EXPECT_TRUE(feedback.boxes.empty());
}

TEST_F(SaveSettingsTest, AnotherComputerClosesTheWindow)
{
    form->SaveSettings1Click();
    program.windows.reset_display();
    EXPECT_FALSE(progress().isVisible());
}

} // namespace
