#pragma once
// What every window of the program shares: the two receive queues, the windows in creation
// order, the options, and the services of windows that other windows call on.

#include "net/data_windows.h"
#include "protocol/group_buffer.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>
#include <vector>

class CMessage_record;
struct DisplayPortCounters;

// Options that several windows read; the main window stores some of them per user.
struct SOptions {
    bool user_accuracy_alarms = true;
    bool prompt_to_save_message_log = true;
    bool advanced_menus = false;
    bool system_menu = false;
    // The computer's model, as the statistics view learns it.
    QString model_code;
    QString sub_model_code;
    // Where settings files and message logs were last kept.
    QString data_dir;

    // The one computer model with a Hotlink interface in place of its primary Ethernet one.
    bool has_hotlink_interface() const;
};

// The main window's side of the control connection.
class IController {
public:
    // Connected as controller, with no connection attempt pending.
    virtual bool is_controller() const = 0;
    // Sends `message` with the next transaction number when connected as controller; otherwise
    // sends nothing and returns 0.
    virtual long send_message(CMessage_record &message) = 0;
    // Asks the user for the settings password, which the computer checks; true once the computer
    // has accepted it.
    virtual bool ask_password() = 0;
    // The address of the selected computer (host order), 0 while none is selected.
    virtual std::uint32_t computer_address() const = 0;

protected:
    ~IController() = default;
};

// The display-port dialog's part: asks the computer to broadcast a group a view shows.
class IGroup_requester {
public:
    virtual void GroupRequest(std::uint16_t group) = 0;
    // While the dialog is shown the user edits the selection: nothing else should change it.
    virtual bool shown() const = 0;

protected:
    ~IGroup_requester() = default;
};

// The message log's part: the time-stamped lines of what happened.
class IMessage_log {
public:
    virtual void add_line(const QString &text) = 0;
    virtual bool has_unsaved_lines() const = 0;
    // Asks where to save and saves; false when the user gave up.
    virtual bool save() = 0;
    // The newest `count` lines as shown, oldest first.
    virtual QStringList newest_lines(int count) const = 0;

protected:
    ~IMessage_log() = default;
};

// The save-settings progress window's part.
class ISave_progress {
public:
    virtual bool is_shown() const = 0;
    // Follows the save that was just sent until the computer reports its outcome.
    virtual void show_after_save() = 0;

protected:
    ~ISave_progress() = default;
};

// The DDE server window's part.
class IDde_server {
public:
    virtual bool conversation_active() const = 0;

protected:
    ~IDde_server() = default;
};

// A window's part in loading a settings file: a stored setting that must follow what the
// computer reports now (a logging switch, say) is brought in step before it is sent.
class ILoaded_frame_adjuster {
public:
    // Sets the items of `frame` that must stay as the computer reports them now; false when the
    // frame must not be sent because that is not known. Frames of other numbers pass unchanged.
    virtual bool adjust_loaded_frame(std::span<std::byte> frame) = 0;

protected:
    ~ILoaded_frame_adjuster() = default;
};

class TFormKoruBase;

// The table of windows' part: every window of the program by its object name.
class IWindow_directory {
public:
    // The object names of the windows the table makes.
    virtual QStringList names() const = 0;
    // The window, made now if it is made on first use (or a window another window owns); null
    // for an unknown name.
    virtual TFormKoruBase *window(const QString &name) = 0;
    // Whether the window has a menu entry that may be used now.
    virtual bool can_open(const QString &name) const = 0;
    // Opens the window as that menu entry does.
    virtual void open(const QString &name) = 0;
    // Opens a window that no menu entry opens, only another window: a view asks the computer for
    // the groups of its row and shows. A window with a menu entry opens only through open().
    virtual void open_unlisted(const QString &name) = 0;

protected:
    ~IWindow_directory() = default;
};

class CProgram {
public:
    // The program has one of these at a time; creating it makes it the current one.
    CProgram();
    ~CProgram();
    CProgram(const CProgram &) = delete;
    CProgram &operator=(const CProgram &) = delete;

    CGroup_buffer groups;
    CMessage_buffer messages;
    CData_windows windows;
    SOptions options;

    // Set by the windows that provide them; null while a window is not there.
    IController *controller = nullptr;
    IGroup_requester *group_requester = nullptr;
    IMessage_log *message_log = nullptr;
    ISave_progress *save_progress = nullptr;
    IDde_server *dde_server = nullptr;
    IWindow_directory *window_directory = nullptr;
    // Added and removed by the windows that provide them.
    std::vector<ILoaded_frame_adjuster *> frame_adjusters;
    // What the display port receiver counted; the main window's, null while there is none.
    DisplayPortCounters *display_counters = nullptr;
};

CProgram &Program();

// Asks the display-port dialog for a group; nothing while there is no dialog.
void RequestGroup(std::uint16_t group);
// Adds a line to the message log; nothing while there is no log.
void LogLine(const QString &text);
// Brings a frame loaded from a settings file in step with the computer, through every window
// that keeps a setting so; false when the frame must not be sent.
bool AdjustLoadedFrame(std::span<std::byte> frame);

struct SFile_choice;
// Lets the user choose a file in the folder last used for the program's files, and remembers
// the folder of the one chosen. Empty when the user gave up.
QString ChooseDataFile(SFile_choice choice);
