#pragma once
// The frame of the program: menus, tool bar with the choice of computer, status bar, the two
// network endpoints, the controller and monitor roles, the watchdog, the notices through which
// the network and the computer's status reach the user, and the start and exit sequences.

#include "display/status_texts.h"
#include "protocol/acknowledgement.h"
#include "protocol/command_messages.h"
#include "protocol/navigation_groups.h"
#include "resources/texts.h"
#include "shell/Form_koru_view.h"
#include "shell/computer_list.h"
#include "shell/program.h"

#include <QMessageBox>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>

class CSocket_control;
class CSocket_display;
class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTimer;
class TValueLabel;
class QToolBar;
class QToolButton;
struct SLoad_result;

// How the program was started: the command line's choices.
struct SStart_options {
    bool minimized = false;
    QString computer;     // selected at start, as if typed into the selection box
    bool connect = false; // then connects as controller
    std::uint16_t display_port = 5600;
    std::uint16_t control_port = 5601;
    std::uint32_t display_address = 0; // local address the display port binds to (0 = any)
};

// Who may use a menu entry: only the controller may change the computer.
enum class EMenu_rule { always, controller, controller_save_hidden };

class TFormMain : public TFormKoruView, public IController {
    Q_OBJECT
public:
    // The five states of the connection panel.
    enum class EConnection { waiting, monitor, connecting, connected, disconnecting };

    // `name` is the main form's component name.
    TFormMain(const QString &name, const SStart_options &start, QWidget *parent = nullptr);
    ~TFormMain() override;

    bool is_controller() const override;
    long send_message(CMessage_record &message) override;
    bool ask_password() override;
    std::uint32_t computer_address() const override { return selected_address(); }
    void connect_as_controller() override;
    // Before a guarded command: true at once when the user is logged in, else once the computer
    // has accepted the password the user gave.
    bool EnsureLoggedIn();

    bool UpdateFromGroup(int argument) override;
    bool UpdateFromMessage(int argument) override;
    void ResetDisplay(int argument) override;

    // What the user does, as the tool bar and menus do it.
    void ToolButtonConnectClick();
    void ToolButtonMonitorClick();
    // Takes the text in the selection box as Enter does.
    void KoruSelectionEnter();
    // Takes `text` as if the user typed it into the selection box and pressed Enter.
    void EnterComputer(const QString &text);
    void SelectComputer(std::uint32_t address);

    std::uint32_t selected_address() const;
    QString selected_text() const;
    // The computers offered for selection, in list order.
    const CComputer_list &computers() const { return m_computers; }
    QString panel_text(int panel) const;
    EConnection connection_state() const { return m_connection; }
    CSocket_display &display_receiver() const { return *m_display; }
    CSocket_control &control_client() const { return *m_control; }
    // The watchdog's period; 10 s unless a test shortens it.
    void set_watchdog_interval(int milliseconds);
    // Starts the session the command line asked for (a computer, a connection).
    void apply_start_options();
    // How long a connection asked for at start waits for the computer; 30 s unless a test
    // shortens it.
    void set_start_wait(int milliseconds);
    QAction *menu_entry(const QString &name) const;
    // The mode entry that carries the check mark, as the status texts read it.
    EChecked_mode checked_mode() const override;
    // Makes the entry `name`, made before its window existed, run `action` while `context` lives.
    void build_entry(const QString &name, QObject *context, std::function<void()> action);
    // Whether the entry `name` may be used now: who may use it, and whether it was built.
    bool entry_allowed(const QString &name) const;
    // A settings dialog opened from a menu: the program's other windows are put in front of the
    // main window first, then the dialog runs modally.
    void OpenDialog(TFormKoruBase &dialog);
    // Shows or hides the menus the options choose.
    void apply_options();
    // Appends `suffix` to the program's name in the window's caption, for a service the program
    // offers besides.
    void append_to_caption(const QString &suffix);

    // The commands of the menus.
    void TwanCalibrationClick(CMessage109::ECommand command);
    void SaveSettings1Click();
    void RestoreSettingsClick(bool user_settings);
    void GnssControlClick(CMessage10::ECommand command);
    void KoruControlClick(CMsg14_control::ECommand command);
    // Settings files on the PC.
    void SaveKoruConfig1Click();
    void LoadKoruConfig1Click();

signals:
    // The connection panel, or the list or choice of computers, changed. What the computer sends
    // changes the rest of the display; observers see that through the network endpoints.
    void status_changed();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    // The window's own context menu entries, for a menu shown at `global_pos`.
    void add_popup_entries(QMenu &popup, QPoint global_pos);
    // Escape does not close the program.
    void reject() override {}
    // Whether the program may end now: asks about an unsaved message log and a changed
    // configuration.
    virtual bool FormCloseQuery();

    // For the main form: the menus by object name, and new entries in them.
    QMenu *menu(const QString &name) const;
    QAction *add_entry(QMenu *menu, const QString &caption, const QString &name, EMenu_rule rule,
                       std::function<void()> action, bool guarded = false);
    QToolBar *tool_bar() const { return m_tool_bar; }
    QToolButton *monitor_button() const { return m_monitor_button; }
    QStatusBar *status_bar() const { return m_status_bar; }
    const SStart_options &start_options() const { return m_start; }
    bool user_not_logged_in() const { return m_user_not_logged_in; }
    CGroup_fdir &status_group() const { return *m_group101; }

private:
    struct SEntry {
        QAction *action;
        EMenu_rule rule;
        bool built;
        bool guarded;
    };

    void build_menus();
    void build_tool_bar();
    void build_status_bar();
    void size_panels(int bar_width, int reference_width);
    QMenu *add_menu(QMenuBar *bar, const QString &caption, const QString &name);
    QMenu *add_menu(QMenu *parent, const QString &caption, const QString &name);
    // An entry whose window is not there yet: shown, never enabled.
    void add_unbuilt(QMenu *menu, const QString &caption, const QString &name,
                     EMenu_rule rule = EMenu_rule::always, bool guarded = false);
    void enable_entries();

    void set_connection(EConnection state);
    void set_mode_buttons_enabled(bool all);
    void send_mode(CMessage7::EMode mode, bool from_tool_bar);
    long send_control(CMsg14_control::ECommand command);
    long send_save();
    // Asks the question of string `question`, with No as the default; true for Yes.
    bool confirm(int question);
    // Tells the outcome of loading a settings file.
    void report_load(const SLoad_result &result, const QString &path);
    // The base caption followed by " Error", " Warning" or " Message".
    QString caption(ECaption kind) const;
    // The window's caption: the program's name, what it offers besides, and the selected computer.
    void show_caption();
    void disconnect_as_controller();
    QMessageBox::StandardButton AskSaveConfiguration(QMessageBox::StandardButtons buttons);
    QMessageBox::StandardButton
    show_box(QMessageBox::Icon icon, const QString &caption, const QString &text,
             QMessageBox::StandardButtons buttons = QMessageBox::Ok,
             QMessageBox::StandardButton default_button = QMessageBox::NoButton);
    void send_to_back();

    void new_sender(std::uint32_t address);
    bool take_typed_entry(bool connect_afterwards);
    // Selects a typed address; false (and the user is told) when it is no address.
    bool typed_address(std::uint32_t address, const QString &typed);
    void show_selected_in_box();
    void end_start_wait();
    void tell(const QString &text);
    void list_computer(std::uint32_t address);
    void connect_result(int error);
    void connection_lost(int reason);
    void watchdog_tick();
    void error_notice(int text_id);
    void message_notice(int text_id);

    void show_status(CGroup_fdir &status);
    void raise_status_alarms(std::uint32_t status_a);
    void show_acknowledgement();
    void show_mode(std::uint8_t mode);
    void show_date();
    void write_options() const;
    void read_options();

    SStart_options m_start;
    const QString m_base_caption;
    QString m_caption_suffix;
    CComputer_list m_computers;
    CSocket_display *m_display;
    CSocket_control *m_control;
    CGroup_fdir *m_group101 = nullptr;
    CGroup1 *m_group1 = nullptr;
    CMessage0 *m_message0 = nullptr;
    CMessage7 *m_message7 = nullptr;
    CMessage13 *m_message13 = nullptr;

    QMenuBar *m_menu_bar = nullptr;
    QToolBar *m_tool_bar = nullptr;
    QComboBox *m_selection = nullptr;
    QToolButton *m_connect_button = nullptr;
    QToolButton *m_monitor_button = nullptr;
    QToolButton *m_standby_button = nullptr;
    QToolButton *m_navigate_button = nullptr;
    QToolButton *m_diagnostics_button = nullptr;
    QStatusBar *m_status_bar = nullptr;
    TValueLabel *m_panels[5] = {};
    int m_status_bar_reference = 0;
    QTimer *m_watchdog = nullptr;
    QTimer *m_start_wait = nullptr;
    QActionGroup *m_mode_entries = nullptr;
    std::map<QString, SEntry> m_entries;

    EConnection m_connection = EConnection::waiting;
    int m_data_received = 0;
    // A group came since the watchdog's last tick; the values shown are stale.
    bool m_groups_heard = false;
    bool m_data_stale = false;
    std::uint32_t m_previous_status_a = 0;
    bool m_configuration_changed = false;
    bool m_user_not_logged_in = false;
    bool m_prompts_allowed = true;
    int m_mode_echo_countdown = 0;
    QString m_rejection_text;
    bool m_error_box_open = false;
    bool m_message_box_open = false;
    bool m_connect_after_lookup = false;
    QString m_looked_up; // the host name being looked up
};
