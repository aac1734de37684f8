// The base forms: where a view comes back, how it scales, and when a settings dialog sends.

#include "display/status_texts.h"
#include "platform/settings_store.h"
#include "shell/Form_koru_settings.h"
#include "shell/program.h"

#include "qstring_printer.h"
#include "recording_feedback.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

class CTest_view : public TFormKoruView {
public:
    CTest_view() : TFormKoruView("FormTestView"), label(new QLabel("Latitude", BorderBevel()))
    {
        content()->addWidget(label);
    }
    QLabel *label;
};

class CTest_settings : public TFormKoruSettings {
public:
    CTest_settings() : TFormKoruSettings("FormTestSettings") {}
    void SendSettings(int) override { ++sent; }
    int sent = 0;
};

class CFake_controller : public IController {
public:
    bool is_controller() const override { return connected; }
    long send_message(CMessage_record &) override { return 0; }
    bool ask_password() override { return false; }
    std::uint32_t computer_address() const override { return 0; }
    void connect_as_controller() override { connected = true; }
    EChecked_mode checked_mode() const override { return EChecked_mode::none; }
    bool connected = false;
};

class BaseFormTest : public ::testing::Test {
protected:
    BaseFormTest() { UseSettingsFolder(folder.path()); }

    QTemporaryDir folder;
    CProgram program;
    CRecording_feedback feedback;
};

TEST_F(BaseFormTest, AViewComesBackWhereTheUserLeftIt)
{
    QSize left_size;
    {
        CTest_view view;
        ShowView(view);
        view.move(120, 80);
        view.resize(400, 300);
        left_size = view.size();
        view.close();
    }
    const CWindow_settings stored("FormTestView");
    EXPECT_EQ(stored.value("Width").toInt(), left_size.width());
    EXPECT_EQ(stored.value("Height").toInt(), left_size.height());

    CTest_view again;
    ShowView(again);
    EXPECT_EQ(again.size(), left_size);
    EXPECT_EQ(again.pos(), QPoint(120, 80));
}

TEST_F(BaseFormTest, StoredGeometryIsKeptOnTheScreenAndNotTooSmall)
{
    CWindow_settings stored("FormTestView");
    stored.set_value("Left", 100000);
    stored.set_value("Top", -40);
    stored.set_value("Height", 10);
    stored.set_value("Width", 10);
    CTest_view view;
    ShowView(view);
    const QRect screen = view.screen()->geometry();
    EXPECT_EQ(view.x(), screen.width() - 50);
    EXPECT_EQ(view.y(), 0);
    EXPECT_GE(view.width(), 50);
    EXPECT_GE(view.height(), 50);
}

TEST_F(BaseFormTest, PartialGeometryLeavesTheDesignSize)
{
    CWindow_settings stored("FormTestView");
    stored.set_value("Left", 10);
    stored.set_value("Top", 10);
    CTest_view view;
    ShowView(view);
    EXPECT_NE(view.pos(), QPoint(10, 10)) << "Height and Width are missing: nothing is restored";
}

TEST_F(BaseFormTest, FontsFollowTheSmallerOfTheTwoRatios)
{
    CTest_view view;
    ShowView(view);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    // Scaling starts from the size the window first showed at, before it grew with the screen.
    const QSize design_size = view.reference_size();
    const qreal design = view.reference_point_size();

    view.resize(design_size.width() * 2, design_size.height());
    EXPECT_DOUBLE_EQ(view.label->font().pointSizeF(), design) << "height did not grow";
    view.resize(design_size * 2);
    EXPECT_DOUBLE_EQ(view.label->font().pointSizeF(), design * 2);
    view.resize(design_size * 1.5);
    EXPECT_DOUBLE_EQ(view.label->font().pointSizeF(), design * 1.5);
    view.resize(design_size);
    EXPECT_DOUBLE_EQ(view.label->font().pointSizeF(), design) << "and back";
}

// However small the window is made, its text stays readable: the font stops at its smallest
// size, and the window at the size its content needs in that font.
TEST_F(BaseFormTest, FontsStopAtTheSmallestReadableSize)
{
    CTest_view view;
    ShowView(view);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.resize(10, 10);
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(view.label->font().pointSizeF(), TFormKoruView::smallest_point_size);
    EXPECT_GE(view.label->height(), view.label->minimumSizeHint().height());
    EXPECT_GE(view.label->width(), view.label->minimumSizeHint().width());
}

TEST_F(BaseFormTest, SettingsDialogSendsOnlyForTheController)
{
    CFake_controller controller;
    program.controller = &controller;
    CTest_settings dialog;

    dialog.show();
    EXPECT_FALSE(dialog.buttonOk()->isEnabled());
    EXPECT_FALSE(dialog.buttonApply()->isEnabled());
    EXPECT_TRUE(dialog.buttonCancel()->isDefault()) << "Enter means Close while monitoring";
    EXPECT_TRUE(dialog.AcceptsMessages(0)) << "a monitor's dialog follows the computer";
    dialog.hide();

    controller.connected = true;
    dialog.show();
    EXPECT_TRUE(dialog.buttonOk()->isEnabled());
    EXPECT_TRUE(dialog.buttonOk()->isDefault());
    EXPECT_FALSE(dialog.AcceptsMessages(0)) << "the controller is editing it";
    dialog.buttonApply()->click();
    EXPECT_EQ(dialog.sent, 1);
    EXPECT_TRUE(dialog.isVisible()) << "Apply leaves the dialog open";
    dialog.buttonOk()->click();
    EXPECT_EQ(dialog.sent, 2);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.AcceptsMessages(0)) << "hidden again";

    dialog.show();
    dialog.buttonCancel()->click();
    EXPECT_EQ(dialog.sent, 2) << "Close sends nothing";
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    program.controller = nullptr;
}

TEST_F(BaseFormTest, WindowsJoinTheProgramInCreationOrderAndLeaveAtTheEnd)
{
    const std::size_t before = program.windows.count();
    {
        CTest_view first;
        CTest_settings second;
        EXPECT_EQ(program.windows.count(), before + 2);
    }
    EXPECT_EQ(program.windows.count(), before);
}

} // namespace
