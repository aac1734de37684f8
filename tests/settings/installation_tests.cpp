// The installation dialog against a fake computer: the echoes of Messages 1 and 101 heard on the
// display port load its controls, Ok and Apply send both messages back on the control port, and
// nothing at all is sent while any entry is wrong.

#include "app/window_rows.h"
#include "controller_fixture.h"
#include "controls/number_edit.h"
#include "controls/radio_group.h"
#include "settings/Form_installation.h"

#include <QAction>
#include <QPushButton>
#include <QTabWidget>

#include <array>

namespace {

using namespace controller_test;

constexpr std::uint16_t installation = 1;
constexpr std::uint16_t mounting = 101;
constexpr char axes[] = "XYZ";

// The controls of the vectors of Message 1, in wire order.
constexpr std::array<const char *, 5> installation_vectors = {
    "ref2ImuLeverArm", "ref2PriGpsLeverArm", "imu2RefMountAngle", "ref2SecGpsLeverArm",
    "vessel2RefMountAngle"};
// Those of Message 101; the heave lever arm, sixth, has none.
constexpr std::array<const char *, 7> mounting_vectors = {
    "sensor1RefMountAngle", "sensor2RefMountAngle", "refAuxGpsLeverArm",
    "refSensor1LeverArm",   "refSensor2LeverArm",   nullptr,
    "refAux2GpsLeverArm"};
constexpr std::size_t heave = 5;

// What an echo of Message 1 holds.
struct SInstallation {
    std::uint8_t time_tags = 0x31; // time type 2 (user) in bits 4-7, time type 1 (GPS) in 0-3
    std::uint8_t distance = 2;     // DMI
    std::uint8_t auto_start = 1;
    std::array<float, 15> components{};
    std::uint8_t multipath = 1; // medium

    SInstallation()
    {
        for (std::size_t i = 0; i < components.size(); ++i) {
            components[i] = -87.125f + 12.5f * static_cast<float>(i);
        }
    }
    Bytes body() const
    {
        Bytes out{std::byte{time_tags}, std::byte{distance}, std::byte{auto_start}};
        for (const float component : components) {
            frame_bytes::put_f32(out, component);
        }
        frame_bytes::put_u8(out, multipath);
        return out;
    }
};

// What an echo of Message 101 holds.
struct SMounting {
    std::array<float, 21> components{};

    SMounting()
    {
        for (std::size_t i = 0; i < components.size(); ++i) {
            components[i] = -30.25f + 3.375f * static_cast<float>(i);
        }
    }
    Bytes body() const
    {
        Bytes out;
        for (const float component : components) {
            frame_bytes::put_f32(out, component);
        }
        return out;
    }
    SMounting without_heave() const
    {
        SMounting sent = *this;
        for (std::size_t axis = 0; axis < 3; ++axis) {
            sent.components[3 * heave + axis] = 0.0f;
        }
        return sent;
    }
};

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

    // The two echoes as the computer broadcasts them: Message 1 last, on which windows reload.
    void hear_echoes(const SInstallation &first, const SMounting &second)
    {
        hear(frame_bytes::message(mounting, 0, second.body()));
        hear(frame_bytes::message(installation, 0, first.body()));
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

    // The settings messages the computer received so far, in the order they came.
    std::vector<Bytes> settings_received()
    {
        answers.read();
        std::vector<Bytes> settings;
        for (const Bytes &frame : answers.frames) {
            const std::uint16_t number = u16_at(frame, frame::number_offset);
            if (number == installation || number == mounting) {
                settings.push_back(frame);
            }
        }
        return settings;
    }
    bool wait_for_settings(std::size_t count)
    {
        return WaitFor([&] { return settings_received().size() >= count; });
    }

    // The two messages with new transaction numbers, one after the other, the bodies given, and
    // pads, byte counts and checksums as frame_bytes makes them.
    void expect_sent(const SInstallation &first, const SMounting &second)
    {
        ASSERT_TRUE(wait_for_settings(2));
        const std::vector<Bytes> sent = settings_received();
        ASSERT_EQ(sent.size(), 2u);
        const std::uint16_t transaction = u16_at(sent[0], 8);
        EXPECT_NE(transaction, 0) << "the echo's transaction number is not sent back";
        EXPECT_EQ(sent[0], frame_bytes::message(installation, transaction, first.body()));
        EXPECT_EQ(sent[1], frame_bytes::message(mounting, transaction + 1, second.body()));
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
    EXPECT_EQ(dialog.focusWidget(), dialog.findChild<TRadioGroup *>("timeTag1"));

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
