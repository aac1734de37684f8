// The main window's menus: built from their entries, enabled by who may use them.

#include "shell/Form_main.h"

#include "shell/about_box.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

QMenu *TFormMain::add_menu(QMenuBar *bar, const QString &caption, const QString &name)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(name);
    connect(menu, &QMenu::aboutToShow, this, &TFormMain::enable_entries);
    return menu;
}

QMenu *TFormMain::add_menu(QMenu *parent, const QString &caption, const QString &name)
{
    QMenu *menu = parent->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name + "Entry");
    connect(menu, &QMenu::aboutToShow, this, &TFormMain::enable_entries);
    return menu;
}

QAction *TFormMain::add_entry(QMenu *menu, const QString &caption, const QString &name,
                              EMenu_rule rule, std::function<void()> action, bool guarded)
{
    QAction *entry = menu->addAction(caption);
    entry->setObjectName(name);
    const bool built = static_cast<bool>(action);
    if (built) {
        connect(entry, &QAction::triggered, this, std::move(action));
    }
    m_entries[name] = {entry, rule, built, guarded};
    entry->setEnabled(built && rule == EMenu_rule::always);
    return entry;
}

void TFormMain::build_entry(const QString &name, QObject *context, std::function<void()> action)
{
    SEntry &entry = m_entries.at(name);
    connect(entry.action, &QAction::triggered, context, std::move(action));
    entry.built = true;
    entry.action->setEnabled(entry.rule == EMenu_rule::always);
    connect(context, &QObject::destroyed, this, [this, name] {
        SEntry &gone = m_entries.at(name);
        gone.built = false;
        gone.action->setEnabled(false);
    });
}

bool TFormMain::entry_allowed(const QString &name) const
{
    const auto found = m_entries.find(name);
    if (found == m_entries.end() || !found->second.built) {
        return false;
    }
    switch (found->second.rule) {
    case EMenu_rule::controller:
        return is_controller();
    case EMenu_rule::controller_save_hidden:
        return is_controller() &&
               (Program().save_progress == nullptr || !Program().save_progress->is_shown());
    case EMenu_rule::always:
        break;
    }
    return true;
}

void TFormMain::add_unbuilt(QMenu *menu, const QString &caption, const QString &name,
                            EMenu_rule rule, bool guarded)
{
    add_entry(menu, caption, name, rule, nullptr, guarded);
}

void TFormMain::build_menus()
{
    m_menu_bar = new QMenuBar(this);
    m_menu_bar->setObjectName("MainMenu");
    layout()->setMenuBar(m_menu_bar);
    exclude_from_scaling(m_menu_bar);
    constexpr auto controller = EMenu_rule::controller;

    QMenu *file = add_menu(m_menu_bar, tr("&File"), "File1");
    add_entry(
        file, tr("&Load KORU Settings from PC..."), "LoadKoruConfig1", controller,
        [this] { LoadKoruConfig1Click(); }, true);
    add_entry(file, tr("&Store KORU Settings on PC..."), "SaveKoruConfig1", EMenu_rule::always,
              [this] { SaveKoruConfig1Click(); });
    add_unbuilt(file, tr("Save &Message Log..."), "SaveMessageLog1");
    file->addSeparator();
    add_entry(file, tr("E&xit        Alt+F4"), "Exit1", EMenu_rule::always, [this] { close(); });

    QMenu *settings = add_menu(m_menu_bar, tr("&Settings"), "Settings1");
    add_unbuilt(settings, tr("Input/&Output Ports..."), "InputOutputPorts1");
    add_unbuilt(settings, tr("&Events..."), "Events1");
    add_unbuilt(settings, tr("Time S&ync..."), "TimeSync1");
    add_unbuilt(settings, tr("&General Data..."), "GeneralData1");
    QMenu *mode = add_menu(settings, tr("&Mode"), "Mode1");
    m_mode_entries = new QActionGroup(this);
    for (const auto &[caption, entry_name, value] :
         {std::tuple{tr("&Standby"), "Standby1", CMessage7::standby},
          std::tuple{tr("&Navigate"), "Navigate1", CMessage7::navigate},
          std::tuple{tr("&Diagnostics"), "Diagnostics1", CMessage7::diagnostics}}) {
        const CMessage7::EMode sent = value;
        QAction *entry = add_entry(mode, caption, entry_name, controller,
                                   [this, sent] { send_mode(sent, false); });
        entry->setCheckable(true);
        entry->setData(static_cast<int>(sent));
        m_mode_entries->addAction(entry);
    }
    m_entries["Diagnostics1"].action->setVisible(false);
    m_entries["Standby1"].action->setChecked(true);
    QMenu *twan = add_menu(settings, tr("T&WAN Calibration Control"), "TwanCalibration1");
    m_entries["TwanCalibration1Entry"] = {twan->menuAction(), controller, true, true};
    for (const auto &[caption, entry_name, value] :
         {std::tuple{tr("&Start"), "TwanStart1", CMessage109::start},
          std::tuple{tr("St&op"), "TwanStop1", CMessage109::stop},
          std::tuple{tr("&Force"), "TwanForce1", CMessage109::force},
          std::tuple{tr("S&uspend"), "TwanSuspend1", CMessage109::suspend}}) {
        const CMessage109::ECommand command = value;
        add_entry(twan, caption, entry_name, controller,
                  [this, command] { TwanCalibrationClick(command); });
    }
    QMenu *installation = add_menu(settings, tr("&Installation"), "Installation1");
    add_unbuilt(installation, tr("&Lever Arms && Mounting..."), "LeverArms1", EMenu_rule::always,
                true);
    add_unbuilt(installation, tr("Tags, &Multipath && AutoStart..."), "TagsMultipath1",
                EMenu_rule::always, true);
    add_unbuilt(installation, tr("&Omni Star Installation"), "OmniStarInstallation1");
    add_unbuilt(installation, tr("&GNSS Receiver..."), "GnssReceiver1");
    add_unbuilt(installation, tr("T&WAN Installation..."), "TwanInstallation1", EMenu_rule::always,
                true);
    add_unbuilt(installation, tr("&User Accuracy..."), "UserAccuracy1");
    add_unbuilt(installation, tr("&KORU IP Address..."), "KoruIpAddress1", EMenu_rule::always,
                true);
    add_unbuilt(installation, tr("&Set Password..."), "SetPassword1", controller);
    add_unbuilt(settings, tr("Display &Port..."), "DisplayPort1");
    add_entry(settings, tr("&Save Settings"), "SaveSettings1", EMenu_rule::controller_save_hidden,
              [this] { SaveSettings1Click(); });
    QMenu *restore = add_menu(settings, tr("&Restore Settings"), "RestoreSettings1");
    m_entries["RestoreSettings1Entry"] = {restore->menuAction(), EMenu_rule::controller_save_hidden,
                                          true, false};
    add_entry(
        restore, tr("&User Settings"), "UserSettings1", EMenu_rule::controller_save_hidden,
        [this] { RestoreSettingsClick(true); }, true);
    add_entry(
        restore, tr("&Factory Default"), "FactoryDefault1", EMenu_rule::controller_save_hidden,
        [this] { RestoreSettingsClick(false); }, true);

    QMenu *logging = add_menu(m_menu_bar, tr("&Logging"), "Logging1");
    add_unbuilt(logging, tr("&Ethernet Logging..."), "EthernetLogging1");
    add_unbuilt(logging, tr("&PC Card Logging..."), "PcCardLogging1");

    QMenu *view = add_menu(m_menu_bar, tr("&View"), "View1");
    add_unbuilt(view, tr("&Message Log..."), "MessageLog1");
    add_unbuilt(view, tr("&Sensor Navigation..."), "SensorNavigation1");
    add_unbuilt(view, tr("&GNSS Data..."), "GnssData1");
    add_unbuilt(view, tr("T&WAN Solution..."), "TwanSolution1");
    add_unbuilt(view, tr("&IMU Data..."), "ImuData1");
    add_unbuilt(view, tr("&Faults..."), "Faults1");
    add_unbuilt(view, tr("S&tatistics..."), "Statistics1");
    add_unbuilt(view, tr("&Position Plot..."), "PositionPlot1");
    add_unbuilt(view, tr("Kalma&n Filter State..."), "KalmanState1");
    add_unbuilt(view, tr("&Kalman Measurements..."), "KalmanMeasurements1");
    add_unbuilt(view, tr("TWAN Ka&lman Filter State..."), "TwanKalmanState1");
    add_unbuilt(view, tr("TWAN Kalman M&easurements..."), "TwanKalmanMeasurements1");
    add_unbuilt(view, tr("&Command Reply..."), "CommandReply1");

    QMenu *tools = add_menu(m_menu_bar, tr("&Tools"), "Tools1");
    add_entry(tools, tr("&Connect"), "Connect1", EMenu_rule::always,
              [this] { connect_as_controller(); })
        ->setCheckable(true);
    add_entry(tools, tr("&Monitor"), "Monitor1", EMenu_rule::always, [this] {
        m_monitor_button->setChecked(true);
        ToolButtonMonitorClick();
    })->setCheckable(true);
    tools->addSeparator();
    add_unbuilt(tools, tr("&Options..."), "Options1");
    add_unbuilt(tools, tr("Con&figuration..."), "Configuration1", EMenu_rule::always, true);
    add_entry(tools, tr("Configure &GNSS"), "ConfigureGnss1", controller,
              [this] { GnssControlClick(CMessage10::reconfigure); });
    add_entry(tools, tr("Reset G&NSS"), "ResetGnss1", controller,
              [this] { GnssControlClick(CMessage10::reset); });
    add_entry(tools, tr("Reset T&WAN"), "ResetTwan1", controller,
              [this] { KoruControlClick(CMsg14_control::reset_twan); });
    add_entry(tools, tr("&Reset"), "Reset1", controller,
              [this] { KoruControlClick(CMsg14_control::reset_computer); });
    add_entry(tools, tr("&Shutdown"), "Shutdown1", controller,
              [this] { KoruControlClick(CMsg14_control::shut_down_computer); });

    QMenu *system = add_menu(m_menu_bar, tr("S&ystem"), "System1");
    system->menuAction()->setObjectName("System1Entry");
    const char *const system_entries[][2] = {
        {"Integrated Na&vigator...", "IntegratedNavigator1"},
        {"&TWAN Status...", "TwanStatus1"},
        {"COM1 (&NMEA) Status...", "Com1Status1"},
        {"COM2 (&Binary) Status...", "Com2Status1"},
        {"&Analog Port Status...", "AnalogPortStatus1"},
        {"&Ethernet Ports Status...", "EthernetPortsStatus1"},
        {"&IMU Status...", "ImuStatus1"},
        {"&Omni Star Status ...", "OmniStarStatus1"},
        {"&Primary GNSS...", "PrimaryGnss1"},
        {"&Secondary GNSS...", "SecondaryGnss1"},
        {"Au&xiliary GNSS...", "AuxiliaryGnss1"},
        {"&Discretes...", "Discretes1"},
        {"PC Card &Logging...", "PcCardLoggingStatus1"},
        {"Input &Manager...", "InputManager1"},
        {"&Output Manager...", "OutputManager1"},
        {"S&ystem Monitor...", "SystemMonitor1"},
    };
    for (const auto &[caption, entry_name] : system_entries) {
        add_unbuilt(system, tr(caption), entry_name);
    }
    system->menuAction()->setVisible(false);

    QMenu *help = add_menu(m_menu_bar, tr("&Help"), "Help1");
    add_unbuilt(help, tr("&Contents"), "Contents1");
    add_unbuilt(help, tr("&Using help"), "UsingHelp1");
    add_entry(help, tr("&About..."), "About1", EMenu_rule::always, [this] { ShowAboutBox(this); });
}

// --- menus -----------------------------------------------------------------------------

QMenu *TFormMain::menu(const QString &name) const
{
    return findChild<QMenu *>(name);
}

QAction *TFormMain::menu_entry(const QString &name) const
{
    const auto found = m_entries.find(name);
    return found != m_entries.end() ? found->second.action : nullptr;
}

// Only the controller may change the computer; entries guarded by the settings password show
// the padlock while the user is not logged in.
void TFormMain::enable_entries()
{
    const QIcon padlock(":/images/padlock_locked.png");
    for (auto &[name, entry] : m_entries) {
        const bool enabled = entry_allowed(name);
        entry.action->setEnabled(enabled);
        if (entry.guarded) {
            entry.action->setIcon(enabled && m_user_not_logged_in ? padlock : QIcon());
        }
    }
    m_entries["Connect1"].action->setChecked(m_connect_button->isChecked());
    m_entries["Monitor1"].action->setChecked(m_monitor_button->isChecked());
    apply_options();
}

// The menus the options show or hide.
void TFormMain::apply_options()
{
    menu("System1")->menuAction()->setVisible(Program().options.system_menu);
}

void TFormMain::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu popup(this);
    add_popup_entries(popup, event->globalPos());
    popup.exec(event->globalPos());
}

void TFormMain::add_popup_entries(QMenu &popup, QPoint global_pos)
{
    popup.addAction(tr("Send to &Back"), this, &TFormMain::send_to_back);
    QMenu *installation = menu("Installation1");
    popup.addAction(tr("&Installation..."), this,
                    [installation, global_pos] { installation->popup(global_pos); });
}

// Puts the program's other visible windows in front of the main window and activates the first.
void TFormMain::send_to_back()
{
    QWidget *first = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *koru_window = dynamic_cast<TFormKoruBase *>(window);
        if (koru_window != nullptr && koru_window != this && koru_window->isVisible()) {
            koru_window->raise();
            if (first == nullptr) {
                first = koru_window;
            }
        }
    }
    (first != nullptr ? first : this)->activateWindow();
}
