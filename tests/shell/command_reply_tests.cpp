// The command reply view and the options dialog: the acknowledgements listed newest first with
// their texts, at most 100; the options read and written by the dialog.

#include "controller_fixture.h"
#include "app/window_rows.h"
#include "shell/Form_command_reply.h"
#include "shell/Form_options.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

namespace {

using namespace controller_test;

class CommandReplyTest : public CController_fixture {
protected:
    QTreeWidget *list() { return windows.window_of<TFormCommandReply>("FormCommandReply").ListView1(); }
    QStringList row(int index)
    {
        QStringList texts;
        for (int column = 0; column < 5; ++column) {
            texts.append(list()->topLevelItem(index)->text(column));
        }
        return texts;
    }

    CWindow_table windows{*form, WindowRows()};
};

Bytes acknowledgement_with(std::uint16_t transaction, std::uint16_t answered, std::uint16_t code,
                           bool new_parameters, const char *parameter)
{
    Bytes body;
    frame_bytes::put_u16(body, answered);
    frame_bytes::put_u16(body, code);
    frame_bytes::put_u8(body, new_parameters ? 1 : 0);
    Bytes name;
    frame_bytes::put_text(name, parameter);
    name.resize(32, std::byte{0});
    frame_bytes::append(body, name);
    return frame_bytes::message(0, transaction, body);
}

TEST_F(CommandReplyTest, AcknowledgementsAreListedNewestFirstWithTheirTexts)
{
    connect_as_controller();
    EXPECT_EQ(list()->headerItem()->text(0), "Transaction Number");
    EXPECT_EQ(list()->headerItem()->text(4), "Parameter");
    computer.write(acknowledgement_with(11, 3, 1, true, ""));
    computer.write(acknowledgement_with(12, 21, 4, false, "Lever Arm X"));
    computer.write(acknowledgement_with(13, 7, 25, false, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"));
    ASSERT_TRUE(WaitFor([&] { return list()->topLevelItemCount() == 3; }));
    EXPECT_EQ(row(0), (QStringList{"13", "7", "25", "No", "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"}));
    EXPECT_EQ(row(1), (QStringList{"12", "21", "Message Parameter Error", "No", "Lever Arm X"}));
    EXPECT_EQ(row(2), (QStringList{"11", "3", "Message Accepted", "Yes", ""}));

    hear(views_notice());
    EXPECT_EQ(list()->topLevelItemCount(), 3) << "only acknowledgements add rows";
}

TEST_F(CommandReplyTest, TheListKeepsTheNewestHundredAndAnotherComputerEmptiesIt)
{
    connect_as_controller();
    for (std::uint16_t transaction = 1; transaction <= 101; ++transaction) {
        computer.write(acknowledgement_with(transaction, 7, 1, false, ""));
    }
    ASSERT_TRUE(WaitFor([&] {
        return list()->topLevelItemCount() == 100 && list()->topLevelItem(0)->text(0) == "101";
    }));
    EXPECT_EQ(list()->topLevelItem(99)->text(0), "2");
    program.windows.reset_display();
    EXPECT_EQ(list()->topLevelItemCount(), 0);
}

TEST_F(CommandReplyTest, OptionsAreShownAndKeptWithoutAConnection)
{
    program.options.prompt_to_save_message_log = false;
    program.options.system_menu = true;
    TFormOptions options;
    options.show();
    EXPECT_EQ(options.windowTitle(), "KORU Controller Options");
    EXPECT_EQ(options.buttonCancel()->text(), "Cancel");
    EXPECT_TRUE(options.buttonOk()->isEnabled()) << "nothing goes to the computer";
    auto *prompt = options.findChild<QCheckBox *>("CheckBoxPromptMsgLog");
    auto *alarms = options.findChild<QCheckBox *>("CheckBoxAlarmEnabled");
    auto *system = options.findChild<QCheckBox *>("CheckBoxSystemMenu");
    auto *advanced = options.findChild<QCheckBox *>("CheckBoxAdvancedMenu");
    ASSERT_TRUE(prompt && alarms && system && advanced);
    EXPECT_FALSE(prompt->isChecked());
    EXPECT_TRUE(alarms->isChecked());
    EXPECT_TRUE(system->isChecked());
    EXPECT_FALSE(advanced->isChecked());

    prompt->setChecked(true);
    system->setChecked(false);
    options.buttonCancel()->click();
    EXPECT_FALSE(program.options.prompt_to_save_message_log) << "Cancel keeps the options";
    options.show();
    prompt->setChecked(true);
    advanced->setChecked(true);
    options.buttonOk()->click();
    EXPECT_TRUE(program.options.prompt_to_save_message_log);
    EXPECT_TRUE(program.options.advanced_menus);
    EXPECT_TRUE(program.options.system_menu);
    EXPECT_FALSE(options.isVisible());
}

// Every column title reads whole: "Transaction Number" is wider than the column as designed.
TEST_F(CommandReplyTest, EveryColumnIsAsWideAsItsTitle)
{
    ShowView(windows.window_of<TFormCommandReply>("FormCommandReply"));
    QHeaderView *header = list()->header();
    for (int column = 0; column < header->count(); ++column) {
        EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column)) << column;
    }
}

} // namespace
