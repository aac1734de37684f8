// The windows on the bus, against a fake computer: a script lists them, opens them as their menu
// entries do, reads what they show and drives them as their user would, up to the installation
// settings on the wire; what it may not do, or names wrongly, is refused with the reason.

#include "app/window_rows.h"
#include "automation/status_service.h"
#include "settings/Form_installation.h"
#include "settings/Form_scsi_logging.h"

#include "bus_client.h"
#include "controller_fixture.h"
#include "installation_frames.h"
#include "setting_frames.h"

#include <QPushButton>

namespace {

using namespace controller_test;
using namespace installation_frames;

constexpr char invalid_args[] = "org.freedesktop.DBus.Error.InvalidArgs";
constexpr char access_denied[] = "org.freedesktop.DBus.Error.AccessDenied";

class WindowServiceTest : public CController_fixture {
protected:
    WindowServiceTest() { EXPECT_TRUE(service.start(QDBusConnection::sessionBus())); }

    QString error_of(const QString &method, const QVariantList &arguments)
    {
        return client.call(method, arguments).errorName();
    }

    CWindow_table windows{*form, WindowRows()};
    CStatus_service service{*form};
    CBus_client client;
    CAnswering_computer answers{computer};
};

TEST_F(WindowServiceTest, ScriptsListTheWindowsAndOpenThemAsTheirMenuEntriesDo)
{
    QStringList names;
    for (const SWindow_row &row : WindowRows()) {
        names.append(row.name);
    }
    EXPECT_EQ(client.property<QStringList>("Windows"), names);

    TFormKoruBase &status = *windows.window("FormIinStatus");
    EXPECT_FALSE(status.isVisible());
    EXPECT_EQ(client.call("OpenWindow", {QString("FormIinStatus")}).type(),
              QDBusMessage::ReplyMessage);
    ASSERT_TRUE(WaitFor([&] { return status.isVisible(); }));

    // A dialog whose entry is the controller's opens only for the controller; a dialog that no
    // entry opens, never.
    EXPECT_EQ(error_of("OpenWindow", {QString("FormSetPassword")}), access_denied);
    EXPECT_EQ(error_of("OpenWindow", {QString("FormPassword")}), access_denied);
    EXPECT_EQ(client.call("OpenWindow", {QString("FormInstallation")}).type(),
              QDBusMessage::ReplyMessage);
    connect_as_controller();
    EXPECT_EQ(client.call("OpenWindow", {QString("FormSetPassword")}).type(),
              QDBusMessage::ReplyMessage);
    EXPECT_EQ(error_of("OpenWindow", {QString("FormPassword")}), access_denied);
    ASSERT_TRUE(WaitFor([&] { return feedback.dialogs.size() >= 2; }));
    EXPECT_EQ(feedback.dialogs, (std::vector<QString>{"FormInstallation", "FormSetPassword"}));
}

TEST_F(WindowServiceTest, WhatANameDoesNotReachOrMayNotBeDoneIsRefused)
{
    const QString dialog("FormInstallation");
    EXPECT_EQ(error_of("OpenWindow", {QString("FormNowhere")}), invalid_args);
    EXPECT_EQ(error_of("WindowValues", {QString("FormNowhere")}), invalid_args);
    EXPECT_EQ(error_of("SetWindowValue", {dialog, QString("noSuchEntry"), QString("1")}),
              invalid_args);
    EXPECT_EQ(error_of("SetWindowValue", {dialog, QString("timeTag1"), QString("Moon Time")}),
              invalid_args);
    EXPECT_EQ(error_of("PressButton", {dialog, QString("buttonNowhere")}), invalid_args);

    // Shown to a monitor, the dialog's Apply is off.
    windows.window(dialog)->show();
    EXPECT_EQ(error_of("PressButton", {dialog, QString("buttonApply")}), access_denied);
}

TEST_F(WindowServiceTest, AScriptReadsTheEchoedSettingsAndAppliesItsOwn)
{
    connect_as_controller();
    SInstallation first;
    SMounting second;
    for (const Bytes &echo : echoes(first, second)) {
        hear(echo);
    }
    const auto values = qdbus_cast<CText_map>(
        client.call("WindowValues", {QString("FormInstallation")}).arguments().value(0));
    EXPECT_EQ(values.value("ref2ImuLeverArmX"), "-87.125");
    EXPECT_EQ(values.value("vessel2RefMountAngleZ"), "87.875");
    EXPECT_EQ(values.value("refAux2GpsLeverArmZ"), "37.250");
    EXPECT_EQ(values.value("timeTag1"), "GPS Time");
    EXPECT_EQ(values.value("timeTag2"), "User Time");
    EXPECT_EQ(values.value("distanceTag"), "DMI Distance");
    EXPECT_EQ(values.value("multipath"), "Medium");

    const QString dialog("FormInstallation");
    for (const auto &[control, text] :
         {std::pair{"ref2ImuLeverArmX", "2.5"}, std::pair{"refAuxGpsLeverArmY", "-0.125"},
          std::pair{"multipath", "Low"}}) {
        EXPECT_EQ(client.call("SetWindowValue", {dialog, QString(control), QString(text)}).type(),
                  QDBusMessage::ReplyMessage)
            << control;
    }
    EXPECT_EQ(client.call("PressButton", {dialog, QString("buttonApply")}).type(),
              QDBusMessage::ReplyMessage);

    ASSERT_TRUE(WaitFor([&] {
        return answers.frames_numbered({installation, mounting}).size() >= 2;
    }));
    const std::vector<Bytes> sent = answers.frames_numbered({installation, mounting});
    first.components[0] = 2.5f;
    first.multipath = 0;
    second.components[3 * 2 + 1] = -0.125f;
    EXPECT_EQ(sent, settings_sent(first, second.without_heave(), u16_at(sent[0], 8)));
}

// The PC card's state as the dialog shows it, and a recording started from outside.
TEST_F(WindowServiceTest, AScriptReadsThePcCardAndStartsRecording)
{
    using namespace setting_frames;
    const QString dialog("FormScsiLogging");
    connect_as_controller();
    SPc_card echo;
    echo.groups = {1, 2, 101};
    hear(echo.message(0));
    hear(views_notice());
    hear(disk_group(524288, 1024, 75, 525312));
    windows.window(dialog)->show();

    auto values = qdbus_cast<CText_map>(client.call("WindowValues", {dialog}).arguments().value(0));
    EXPECT_EQ(values.value("groupSelect[1]"), "on\t    2 RMS Performance");
    EXPECT_EQ(values.value("bytesRemaining"), "524288");
    EXPECT_EQ(values.value("timeRemaining"), "01:15:00");
    EXPECT_EQ(values.value("LoggingStatus"), "Idle");
    EXPECT_EQ(error_of("PressButton", {dialog, QString("stopLogging")}), access_denied)
        << "nothing records";

    EXPECT_EQ(
        client.call("SetWindowValue", {dialog, QString("filename"), QString("line12")}).type(),
        QDBusMessage::ReplyMessage);
    EXPECT_EQ(client.call("PressButton", {dialog, QString("startLogging")}).type(),
              QDBusMessage::ReplyMessage);
    ASSERT_TRUE(WaitFor([&] { return !answers.frames_numbered({4}).empty(); }));
    const Bytes sent = answers.frames_numbered({4}).front();
    echo.control = 1;
    echo.file_name = "line12";
    EXPECT_EQ(sent, echo.message(u16_at(sent, 8)));

    hear(status_group(1u << 14));
    values = qdbus_cast<CText_map>(client.call("WindowValues", {dialog}).arguments().value(0));
    EXPECT_EQ(values.value("LoggingStatus"), "Buffering");
}

} // namespace
