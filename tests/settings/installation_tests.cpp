// The installation dialog against a fake computer: the echoes of Messages 1 and 101 heard on the
// display port load its controls, Ok and Apply send both messages back on the control port, and
// nothing at all is sent while any entry is wrong.

#include "app/window_rows.h"
#include "controls/number_edit.h"
#include "controls/radio_group.h"
#include "settings/Form_installation.h"

#include "controller_fixture.h"
#include "installation_frames.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <array>

namespace {

using namespace controller_test;
using namespace installation_frames;

constexpr char axes[] = "XYZ";

QString three_decimals(float value)
{
    return QString::asprintf("%.3f", static_cast<double>(value));
}

QString component_name(const char *vector, std::size_t axis)
{
    return QString(vector) + axes[axis];
}

class InstallationTest : public CController_fixture {
protected:
    // The computer is selected on its first frame, whose echoes the dialog takes from then on.
    InstallationTest() { hear(status_group(0)); }

    TNumberEdit &entry(const QString &name) const
    {
        auto *found = dialog.findChild<TNumberEdit *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return *found;
    }
    int chosen(const char *radio_group) const
    {
        return dialog.findChild<TRadioGroup *>(radio_group)->ItemIndex();
    }

    void hear_echoes(const SInstallation &first, const SMounting &second)
    {
        for (const Bytes &echo : echoes(first, second)) {
            hear(echo);
        }
    }

    // Every float entry shows the echo's value with three decimals.
    void expect_loaded(const SInstallation &first, const SMounting &second) const
    {
        expect_vectors(installation_vectors, first.components);
        expect_vectors(mounting_vectors, second.components);
    }
    template <std::size_t vectors, std::size_t components>
    void expect_vectors(const std::array<const char *, vectors> &names,
                        const std::array<float, components> &values) const
    {
        for (std::size_t vector = 0; vector < vectors; ++vector) {
            for (std::size_t axis = 0; names[vector] != nullptr && axis < 3; ++axis) {
                const QString name = component_name(names[vector], axis);
                EXPECT_EQ(entry(name).text(), three_decimals(values[3 * vector + axis]))
                    << name.toStdString();
            }
        }
    }

    std::vector<Bytes> settings_received()
    {
        return answers.frames_numbered({installation, mounting});
    }

    // The two messages, with new transaction numbers.
    void expect_sent(const SInstallation &first, const SMounting &second)
    {
        ASSERT_TRUE(WaitFor([&] { return settings_received().size() >= 2; }));
        const std::vector<Bytes> sent = settings_received();
        const std::uint16_t transaction = u16_at(sent[0], 8);
        EXPECT_NE(transaction, 0) << "the echo's transaction number is not sent back";
        EXPECT_EQ(sent, settings_sent(first, second, transaction));
    }

    // What the last box said, having been a warning.
    QString warning() const
    {
        if (feedback.boxes.empty()) {
            return QStringLiteral("(no box)");
        }
        EXPECT_EQ(feedback.boxes.back().icon, QMessageBox::Warning);
        return feedback.boxes.back().text;
    }

    CWindow_table windows{*form, WindowRows()};
    CAnswering_computer answers{computer};
    TFormInstallation &dialog = windows.window_of<TFormInstallation>("FormInstallation");
};

TEST_F(InstallationTest, EchoesLoadTheControlsAndOkSendsTheSameSettingsBack)
{
    EXPECT_EQ(entry("ref2ImuLeverArmX").text(), "0") << "the design text before any echo";
    EXPECT_EQ(chosen("timeTag1"), 2) << "UTC time";
    EXPECT_EQ(chosen("multipath"), 2) << "high";

    connect_as_controller();
    SMounting second;
    second.components[3 * heave] = 5.5f;
    second.components[3 * heave + 2] = -7.25f;
    const SInstallation first;
    hear_echoes(first, second);
    expect_loaded(first, second);
    EXPECT_EQ(chosen("timeTag1"), 1);
    EXPECT_EQ(chosen("timeTag2"), 3);
    EXPECT_EQ(chosen("distanceTag"), 1);
    EXPECT_EQ(chosen("autoStart"), 1);
    EXPECT_EQ(chosen("multipath"), 1);

    dialog.show();
    dialog.buttonOk()->click();
    expect_sent(first, second.without_heave());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(feedback.boxes.empty());
}

// The sensor boxes are hidden: an echo with no data there cannot be mended by the user, so it is
// sent back as the computer gave it rather than blocking every Apply.
TEST_F(InstallationTest, NoDataInAHiddenFieldIsSentBackAsEchoed)
{
    connect_as_controller();
    SMounting second;
    second.components[0] = 1e20f; // sensor 1 mount angle X: no data
    const SInstallation first;
    hear_echoes(first, second);
    EXPECT_EQ(entry("sensor1RefMountAngleX").text(), "N/A");
    dialog.show();
    dialog.buttonApply()->click();
    expect_sent(first, second.without_heave());
    EXPECT_TRUE(feedback.boxes.empty());
}

TEST_F(InstallationTest, AnEntryOutOfRangeSendsNothingAndGetsTheFocus)
{
    connect_as_controller();
    const SInstallation first;
    const SMounting second;
    hear_echoes(first, second);
    dialog.show();

    entry("ref2ImuLeverArmX").setText("20000");
    dialog.buttonOk()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), &entry("ref2ImuLeverArmX"));
    EXPECT_EQ(warning(), "Ref. to IMU Lever Arm X: enter a number from -10000 to 10000.");

    // Nothing went before the corrected settings.
    entry("ref2ImuLeverArmX").setText("-87.125");
    dialog.buttonApply()->click();
    expect_sent(first, second.without_heave());
    EXPECT_TRUE(dialog.isVisible()) << "Apply keeps the dialog open";
}

// Regression: Message 1 was sent before the fields of Message 101 were read, so a wrong entry on
// the "Sensor Mounting" page left the computer with half of the settings.
TEST_F(InstallationTest, AWrongEntryOnTheSecondPageSendsNeitherMessage)
{
    connect_as_controller();
    const SInstallation first;
    SMounting second;
    hear_echoes(first, second);
    dialog.show();

    entry("refAux2GpsLeverArmY").setText("10000.5");
    dialog.buttonApply()->click();
    EXPECT_EQ(warning(), "Ref. to Aux. 2 Gps Lever Arm Y: enter a number from -10000 to 10000.");
    EXPECT_EQ(dialog.findChild<QTabWidget *>("PageControl1")->currentIndex(), 1)
        << "the page of the wrong entry comes to the front";
    EXPECT_EQ(dialog.focusWidget(), &entry("refAux2GpsLeverArmY"));

    entry("refAux2GpsLeverArmY").setText("10000");
    second.components[3 * 6 + 1] = 10000.0f;
    dialog.buttonApply()->click();
    expect_sent(first, second.without_heave());
}

TEST_F(InstallationTest, ThreeDecimalsShownAndNoDataRefusedAtApply)
{
    connect_as_controller();
    SInstallation first;
    first.components[0] = 12.34567f;
    first.components[4] = 1e20f;
    hear_echoes(first, SMounting());
    EXPECT_EQ(entry("ref2ImuLeverArmX").text(), "12.346");
    EXPECT_EQ(entry("ref2PriGpsLeverArmY").text(), "N/A");

    dialog.show();
    dialog.buttonApply()->click();
    EXPECT_EQ(warning(), "Ref. to Primary GNSS Lever Arm Y: enter a number from -10000 to 10000.");
    EXPECT_EQ(dialog.focusWidget(), &entry("ref2PriGpsLeverArmY"));

    entry("ref2PriGpsLeverArmY").setText("1.5");
    dialog.buttonApply()->click();
    first.components[0] = 12.346f;
    first.components[4] = 1.5f;
    expect_sent(first, SMounting().without_heave());
}

// A time type without an item chooses none, and the user must choose before anything is sent; any
// distance but the DMI's is the computer's own.
TEST_F(InstallationTest, CodesWithoutAnItem)
{
    connect_as_controller();
    SInstallation first;
    first.time_tags = 0x07; // time type 1 has no code 7, time type 2 is KORU time
    hear_echoes(first, SMounting());
    EXPECT_EQ(chosen("timeTag1"), -1);
    EXPECT_EQ(chosen("timeTag2"), 0);
    EXPECT_EQ(chosen("distanceTag"), 1);
    for (const std::uint8_t distance : {0, 3}) {
        first.distance = distance;
        hear_echoes(first, SMounting());
        EXPECT_EQ(chosen("distanceTag"), 0) << "KORU distance for " << int{distance};
    }

    dialog.show();
    dialog.buttonApply()->click();
    EXPECT_EQ(warning(), "Time Tag 1: choose one.");
    EXPECT_EQ(dialog.focusWidget(),
              static_cast<QWidget *>(dialog.findChild<TRadioGroup *>("timeTag1")->button(0)))
        << "a radio group without a choice takes the focus on its first item";

    dialog.findChild<TRadioGroup *>("timeTag1")->setItemIndex(1);
    dialog.buttonApply()->click();
    first.time_tags = 0x01;
    first.distance = 1;
    expect_sent(first, SMounting().without_heave());
}

// A Message 1 that ends after the first vector: what it holds loads, the rest shows no value.
TEST_F(InstallationTest, AShortEchoLoadsOnlyWhatItHolds)
{
    const SInstallation first;
    const SMounting second;
    hear_echoes(first, second);
    Bytes short_body = first.body();
    short_body.resize(3 + 3 * sizeof(float));
    hear(frame_bytes::message(installation, 0, short_body));

    EXPECT_EQ(chosen("timeTag1"), 1);
    EXPECT_EQ(chosen("autoStart"), 1);
    for (std::size_t axis = 0; axis < 3; ++axis) {
        EXPECT_EQ(entry(component_name("ref2ImuLeverArm", axis)).text(),
                  three_decimals(first.components[axis]));
        for (std::size_t vector = 1; vector < installation_vectors.size(); ++vector) {
            EXPECT_EQ(entry(component_name(installation_vectors[vector], axis)).text(), "N/A");
        }
    }
    EXPECT_EQ(chosen("multipath"), -1);
    expect_vectors(mounting_vectors, second.components);
}

// While the controller edits the open dialog the echoes leave it alone; hidden, or open in a
// monitor, it follows them.
TEST_F(InstallationTest, EchoesDoNotOverwriteWhatTheControllerIsEditing)
{
    SInstallation first;
    SMounting second;
    dialog.show();
    hear_echoes(first, second);
    expect_loaded(first, second);
    dialog.hide();

    connect_as_controller();
    dialog.show();
    entry("ref2ImuLeverArmX").setText("1.5");
    SInstallation newer;
    newer.components.fill(2.5f);
    newer.multipath = 0;
    hear_echoes(newer, SMounting().without_heave());
    EXPECT_EQ(entry("ref2ImuLeverArmX").text(), "1.5");
    EXPECT_EQ(entry("ref2ImuLeverArmY").text(), three_decimals(first.components[1]));
    EXPECT_EQ(chosen("multipath"), 1);

    dialog.buttonCancel()->click();
    hear_echoes(newer, second);
    expect_loaded(newer, second);
    EXPECT_EQ(chosen("multipath"), 0);
}

TEST_F(InstallationTest, EachMenuEntryOpensTheDialogOnItsPage)
{
    connect_as_controller();
    auto *pages = dialog.findChild<QTabWidget *>("PageControl1");
    form->menu_entry("TagsMultipath1")->trigger();
    EXPECT_EQ(pages->currentIndex(), 2);
    form->menu_entry("LeverArms1")->trigger();
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(feedback.dialogs, (std::vector<QString>{"FormInstallation", "FormInstallation"}));
}

} // namespace
