// The status windows of the computer's tasks and ports read over the bus while korusim, the
// program, sends their groups. A relay stands between korusim and the main window and keeps the
// last frame of each group it let through; once every group has come, the relay stops, and every
// row of every status window, read by the name its table gives it, must show what its rule makes
// of its item in that frame, worked out here from the frame's bytes (view_samples.h). Which rule
// each row has is the table's; the status window tests check the rules against frames of their
// own.

#include "app/window_rows.h"
#include "automation/status_service.h"
#include "views/Form_table_view.h"

#include "bus_client.h"
#include "display_relay.h"
#include "controller_fixture.h"
#include "view_samples.h"

#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace {

using namespace controller_test;

const QStringList status_windows = {
    "FormNmeaStatus",        "FormTwanStatus",   "FormAnalogStatus",       "FormRtStatus",
    "FormPriGpsStatus",      "FormSecGpsStatus", "FormAuxGpsStatus",       "FormAux2GpsStatus",
    "FormDiscreteStatus",    "FormImuStatus",    "FormSystemStatus",       "FormOmgrStatus",
    "FormScsiLoggingStatus", "FormImgrStatus",   "FormEthernetPortsStatus"};

// The groups that share the Ethernet ports window's controls, by the tab that shows them.
const std::map<std::uint16_t, QString> tab_of_group = {
    {20124, "Display"}, {20125, "Pri Data"}, {20126, "Sec Data"}};

constexpr std::uint16_t first_status_group = 20110;
constexpr std::uint16_t last_status_group = 20126;

class StatusWindowKorusimTest : public CController_fixture {
protected:
    StatusWindowKorusimTest()
    {
        EXPECT_TRUE(service.start(QDBusConnection::sessionBus()));
        client.call("SelectComputer", {QString("127.0.0.2")});
        EXPECT_TRUE(WaitFor([&] { return form->display_receiver().filter() == loopback(2); }));
    }
    ~StatusWindowKorusimTest() override
    {
        korusim.terminate();
        korusim.waitForFinished();
    }

    // Opens every status window as a script would, starts korusim with `options` sending the
    // status groups, and lets its frames through until every status group has come twice, so
    // that the windows must show the newer frame of a group whose counts moved.
    bool run_korusim_until_every_status_group_came(const QStringList &options)
    {
        std::vector<std::uint16_t> groups;
        for (std::uint16_t number = first_status_group; number <= last_status_group; ++number) {
            groups.push_back(number);
        }
        return run_korusim_until_groups_came(status_windows, groups, 2, options);
    }

    // Opens `opened` as a script would, starts korusim with `options` sending `groups`, and lets
    // its frames through until each of them has come `times` times.
    bool run_korusim_until_groups_came(const QStringList &opened,
                                       const std::vector<std::uint16_t> &groups, int times,
                                       const QStringList &options)
    {
        for (const QString &name : opened) {
            EXPECT_EQ(client.call("OpenWindow", {name}).type(), QDBusMessage::ReplyMessage)
                << name.toStdString();
        }
        QStringList numbers;
        for (const std::uint16_t number : groups) {
            numbers.append(QString::number(number));
        }
        korusim.start(KORUSIM, QStringList{"--display-port", QString::number(relay.port()),
                                           "--control-port", QString::number(UnusedTcpPort()),
                                           "--log-port", "0", "--log-port-2", "0", "--groups",
                                           numbers.join(','), "--echo-seconds", "0"} +
                                   options);
        EXPECT_TRUE(korusim.waitForStarted());
        return WaitFor([&] {
            relay.pass_on();
            return relay.passed(groups, times);
        });
    }

    QMap<QString, QString> values_of(const QString &window)
    {
        return qdbus_cast<CText_map>(client.call("WindowValues", {window}).arguments().value(0));
    }

    // Every row of `window`, read over the bus, against the last frame of its group the relay
    // passed on; the groups behind tabs each with its tab chosen. Returns the rows checked.
    std::vector<SView_binding> check_window(const QString &window)
    {
        auto *view = dynamic_cast<TFormTableView *>(windows.window(window));
        EXPECT_NE(view, nullptr) << window.toStdString();
        if (view == nullptr) {
            return {};
        }
        std::map<std::uint16_t, std::vector<SView_binding>> by_group;
        for (const SView_binding &row : view->bindings()) {
            by_group[row.group].push_back(row);
        }
        EXPECT_FALSE(by_group.empty()) << window.toStdString();
        std::vector<SView_binding> checked;
        for (const auto &[number, rows] : by_group) {
            if (const auto tab = tab_of_group.find(number); tab != tab_of_group.end()) {
                client.call("SetWindowValue", {window, QString("TabControl1"), tab->second});
            }
            const Bytes &frame = relay.last_groups.at(number);
            QMap<QString, QString> expected;
            for (const SView_binding &row : rows) {
                expected.insert(row.control->objectName(), view_samples::frame_text(row, frame));
            }
            QMap<QString, QString> shown;
            WaitFor([&] {
                shown = values_of(window);
                return std::all_of(
                    expected.keyValueBegin(), expected.keyValueEnd(),
                    [&](const auto &pair) { return shown.value(pair.first) == pair.second; });
            });
            for (const auto &[name, text] : expected.asKeyValueRange()) {
                EXPECT_EQ(shown.value(name, "(not read)"), text)
                    << window.toStdString() << ", group " << number << ": " << name.toStdString();
            }
            checked.insert(checked.end(), rows.begin(), rows.end());
        }
        return checked;
    }

    CWindow_table windows{*form, WindowRows()};
    CStatus_service service{*form};
    CBus_client client;
    CDisplay_relay relay{computer_display, port};
    QProcess korusim;
};

TEST_F(StatusWindowKorusimTest, EveryRowOfEveryStatusWindowShowsKorusimsGroup)
{
    const QStringList listed = client.property<QStringList>("Windows");
    for (const QString &name : status_windows) {
        EXPECT_TRUE(listed.contains(name)) << name.toStdString();
    }
    ASSERT_TRUE(run_korusim_until_every_status_group_came({}))
        << korusim.readAllStandardOutput().toStdString();

    std::size_t tail_rows = 0;
    for (const QString &name : status_windows) {
        for (const SView_binding &row : check_window(name)) {
            if (row.rule && row.rule->is_tail()) {
                ++tail_rows;
                EXPECT_FALSE(values_of(name).value(row.control->objectName()).isEmpty())
                    << name.toStdString() << ": " << row.control->objectName().toStdString()
                    << " is empty though korusim sends the tail";
            }
        }
    }
    EXPECT_EQ(tail_rows, 8u) << "the user-time and socket tails";
}

TEST_F(StatusWindowKorusimTest, TheTailLabelsAreEmptyWhenKorusimLeavesTheTailsOff)
{
    ASSERT_TRUE(run_korusim_until_every_status_group_came({"--status-short"}))
        << korusim.readAllStandardOutput().toStdString();
    EXPECT_EQ(u16_at(relay.last_groups.at(20110), 6), 160) << "byte count";
    EXPECT_EQ(u16_at(relay.last_groups.at(20115), 6), 136) << "byte count";

    std::size_t empty_tail_rows = 0;
    for (const QString &name : {QString("FormDiscreteStatus"), QString("FormOmgrStatus")}) {
        const std::vector<SView_binding> rows = check_window(name);
        const QMap<QString, QString> shown = values_of(name);
        for (const SView_binding &row : rows) {
            if (row.rule && row.rule->is_tail() &&
                shown.value(row.control->objectName(), "(not read)").isEmpty()) {
                ++empty_tail_rows;
            }
        }
    }
    EXPECT_EQ(empty_tail_rows, 8u);
}

// The peripheral views read over the bus while korusim sends their groups; the log of the raw
// auxiliary messages, which no menu entry opens yet, takes them while hidden, holds korusim's
// largest message whole, and stops its capture when its button is pressed over the bus.
TEST_F(StatusWindowKorusimTest, ThePeripheralViewsShowKorusimsGroups)
{
    const QStringList peripheral_views = {"FormLrfStatus", "FormGimbalStatus",
                                          "FormTargetRefPosition", "FormGimbalData",
                                          "FormLrfData", "FormUserTime"};
    const QStringList listed = client.property<QStringList>("Windows");
    for (const QString &name : peripheral_views + QStringList{"FormAuxGpsData"}) {
        EXPECT_TRUE(listed.contains(name)) << name.toStdString();
    }
    EXPECT_TRUE(values_of("FormAuxGpsData").contains("ButtonStartStop")) << "made on first use";
    // Four messages of the auxiliary receiver: every kind korusim sends, the largest among them.
    ASSERT_TRUE(run_korusim_until_groups_came(peripheral_views,
                                              {17, 110, 200, 201, 202, 204, 20200, 20201}, 4, {}))
        << korusim.readAllStandardOutput().toStdString();
    for (const QString &name : peripheral_views) {
        EXPECT_FALSE(check_window(name).empty()) << name.toStdString();
    }
    const QMap<QString, QString> shown = values_of("FormLrfData");
    EXPECT_FALSE(shown.contains("LaserRangeInvalid")) << "korusim's ranges are valid";

    QMap<QString, QString> log = values_of("FormAuxGpsData");
    const QStringList lines = log.values();
    const auto has_line = [&lines](const QString &pattern) {
        return !lines.filter(QRegularExpression(pattern)).isEmpty();
    };
    EXPECT_TRUE(has_line(" UTC  Aux 1: 6144 bytes$"));
    EXPECT_TRUE(has_line("^\\$GPGGA,"));
    EXPECT_TRUE(has_line("^\\x{00B5}b\\\\01\\\\07 \\\\00"))
        << "the binary message's bytes as escapes";

    client.call("PressButton", {QString("FormAuxGpsData"), QString("ButtonStartStop")});
    log = values_of("FormAuxGpsData");
    EXPECT_EQ(log.value("ButtonStartStop"), "Start");
    EXPECT_EQ(windows.window("FormAuxGpsData")->windowTitle(),
              "Raw Auxiliary GPS (Data Capture Stopped)");
}

} // namespace
