#include "controls/float_edit.h"
#include "controls/int_edit.h"
#include "qstring_printer.h"
#include "recording_feedback.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A window with the field under test and a second field the focus can move to.
template <class Edit>
class EditWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        ASSERT_TRUE(edit->hasFocus());
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    // Replaces the text as the user would: select everything, then type.
    void type(const QString &keys)
    {
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }

    // Moves the focus on with the Tab key; true when it left the field.
    bool tab_away()
    {
        QTest::keyClick(edit, Qt::Key_Tab);
        return other->hasFocus();
    }

    CRecording_feedback feedback;
    QWidget window;
    Edit *edit = new Edit;
    QLineEdit *other = new QLineEdit;
};

using FloatEditTest = EditWindow<TFloatEdit>;
using IntEditTest = EditWindow<TIntEdit>;

TEST_F(FloatEditTest, StartsAsZeroWithoutRange)
{
    EXPECT_EQ(edit->text(), "0");
    EXPECT_FALSE(edit->AllowEmpty());
    EXPECT_FALSE(edit->RangeEnable());
    EXPECT_EQ(edit->RangeMin(), 0.0);
    EXPECT_EQ(edit->RangeMax(), 0.0);
    EXPECT_EQ(edit->property("RangeEnable"), QVariant(false));
}

TEST_F(FloatEditTest, ASecondSeparatorIsRefusedWithABeep)
{
    type("1.2.3");
    EXPECT_EQ(edit->text(), "1.23");
    EXPECT_EQ(feedback.beeps, 1);
}

TEST_F(FloatEditTest, LettersAndBlanksAreRefused)
{
    type("4a 2e");
    EXPECT_EQ(edit->text(), "42");
    EXPECT_EQ(feedback.beeps, 3);
}

TEST_F(FloatEditTest, ASignOnlyFirstAndOnlyOnce)
{
    type("-5");
    EXPECT_EQ(edit->text(), "-5");
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, '+'); // not at the start
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, '-'); // a sign is already there
    EXPECT_EQ(edit->text(), "-5");
    EXPECT_EQ(feedback.beeps, 2);

    // Replacing the sign itself is fine.
    edit->setSelection(0, 1);
    QTest::keyClick(edit, '+');
    EXPECT_EQ(edit->text(), "+5");
    EXPECT_EQ(feedback.beeps, 2);
}

// A digit or separator typed in front of a sign would make a text the change check empties.
TEST_F(FloatEditTest, NothingIsTypedInFrontOfTheSign)
{
    type("-5");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, '3');
    QTest::keyClick(edit, '.');
    EXPECT_EQ(edit->text(), "-5");
    EXPECT_EQ(feedback.beeps, 2);
}

TEST_F(FloatEditTest, ControlKeysAndShortcutsPass)
{
    type("123");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "12");
    QTest::keyClick(edit, 'a', Qt::ControlModifier); // select all
    EXPECT_EQ(edit->selectedText(), "12");
    EXPECT_EQ(feedback.beeps, 0);
}

TEST_F(FloatEditTest, APastedTextThatIsNotANumberEmptiesTheField)
{
    QSignalSpy changed(edit, &TNumberEdit::Changed);
    QApplication::clipboard()->setText("12a");
    edit->selectAll();
    QTest::keyClick(edit, 'v', Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(feedback.beeps, 1);
    // Listeners never hear of the refused text.
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toString(), "");

    QApplication::clipboard()->setText("-1.5");
    QTest::keyClick(edit, 'v', Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "-1.5");
    EXPECT_EQ(feedback.beeps, 1);
}

// Loading "N/A" for display used to empty the field with a beep.
TEST_F(FloatEditTest, ATextLoadedForDisplayIsShownWithoutABeep)
{
    QSignalSpy changed(edit, &TNumberEdit::Changed);
    edit->setText("N/A");
    EXPECT_EQ(edit->text(), "N/A");
    EXPECT_EQ(feedback.beeps, 0);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toString(), "N/A");

    // Leaving it: the field holds no value, so it gets the default.
    EXPECT_TRUE(tab_away());
    EXPECT_EQ(edit->text(), "0");
    EXPECT_TRUE(feedback.boxes.empty());
}

TEST_F(FloatEditTest, AnEmptyFieldGetsItsDefaultOnExit)
{
    edit->SetRangeEnable(true);
    edit->SetRangeMin(-10000);
    edit->SetRangeMax(10000);
    edit->clear();
    EXPECT_TRUE(tab_away());
    EXPECT_EQ(edit->text(), "0");

    edit->setFocus();
    edit->SetRangeMin(0.1);
    edit->SetRangeMax(90);
    edit->clear();
    EXPECT_TRUE(tab_away());
    EXPECT_EQ(edit->text(), "0.1");
    EXPECT_TRUE(feedback.boxes.empty());
}

// A default such as "1E-05" used to be written that the field itself refuses.
TEST_F(FloatEditTest, DefaultsAreWrittenInPlainNotation)
{
    edit->SetRangeEnable(true);
    edit->SetRangeMin(1e-5);
    edit->SetRangeMax(1);
    edit->clear();
    EXPECT_TRUE(tab_away());
    EXPECT_EQ(edit->text(), "0.00001");
    EXPECT_TRUE(feedback.boxes.empty());
}

TEST_F(FloatEditTest, AllowEmptyKeepsTheFieldEmpty)
{
    edit->SetAllowEmpty(true);
    edit->SetRangeEnable(true);
    edit->SetRangeMin(1);
    edit->SetRangeMax(2);
    edit->clear();
    EXPECT_TRUE(tab_away());
    EXPECT_EQ(edit->text(), "");
    EXPECT_TRUE(feedback.boxes.empty());
}

TEST_F(FloatEditTest, AValueOutOfRangeKeepsTheFocusAndShowsTheRange)
{
    QSignalSpy exited(edit, &TNumberEdit::Exited);
    QSignalSpy finished(edit, &QLineEdit::editingFinished);
    edit->SetRangeEnable(true);
    edit->SetRangeMin(-10000);
    edit->SetRangeMax(10000);
    type("10000.5");
    EXPECT_FALSE(tab_away());

    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->text(), "10000.5");
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(feedback.boxes[0].caption, "Value out of Range");
    EXPECT_EQ(feedback.boxes[0].text, "Value must be in the range -10000 to 10000.");
    EXPECT_EQ(feedback.boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(exited.count(), 0);
    EXPECT_EQ(finished.count(), 0);

    type("-10000");
    EXPECT_TRUE(tab_away());
    EXPECT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(exited.count(), 1);
}

TEST_F(FloatEditTest, SwitchingWindowsIsNoExit)
{
    edit->SetRangeEnable(true);
    edit->SetRangeMax(1);
    type("5");
    QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(edit, &deactivated);
    EXPECT_TRUE(feedback.boxes.empty());
    EXPECT_EQ(edit->text(), "5");
}

TEST_F(FloatEditTest, TheLocalesSeparatorIsTheOneAccepted)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    type("1.5,2,5");
    EXPECT_EQ(edit->text(), "15,25");
    EXPECT_EQ(feedback.beeps, 2);
}

TEST_F(IntEditTest, NoDecimalSeparator)
{
    type("1.5");
    EXPECT_EQ(edit->text(), "15");
    EXPECT_EQ(feedback.beeps, 1);

    QApplication::clipboard()->setText("2.5");
    edit->selectAll();
    QTest::keyClick(edit, 'v', Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(feedback.beeps, 2);
}

TEST_F(IntEditTest, RangeAndDefaultAreWholeNumbers)
{
    edit->SetRangeEnable(true);
    edit->SetRangeMin(0.5);
    edit->SetRangeMax(10);
    edit->clear();
    EXPECT_TRUE(tab_away());
    EXPECT_EQ(edit->text(), "1");

    edit->setFocus();
    type("-3");
    EXPECT_FALSE(tab_away());
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(feedback.boxes[0].text, "Value must be in the range 0.5 to 10.");
}

} // namespace
