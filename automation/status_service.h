#pragma once
// The automation interface: what the main window shows, published on a D-Bus connection for
// scripts, test benches and monitors, with the three connection actions of the tool bar.
//
// Service "Tarvo.Status", object "/Status", interface "Tarvo.Status". Properties are read live;
// changes are announced with org.freedesktop.DBus.Properties.PropertiesChanged, at most five
// times a second, each signal carrying the properties that changed since the one before.

#include "automation/coalescing_timer.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <optional>

class TFormKoruBase;
class TFormTarvo;

namespace automation_bus {
inline constexpr char service[] = "Tarvo.Status";
inline constexpr char path[] = "/Status";
inline constexpr char interface[] = "Tarvo.Status";
} // namespace automation_bus

// How the dictionaries travel on the bus: a{ss}, a{sb} and a{su}.
using CText_map = QMap<QString, QString>;
using CLamp_map = QMap<QString, bool>;
using CCount_map = QMap<QString, uint>;

class CStatus_service : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "Tarvo.Status")
    Q_PROPERTY(QString ConnectionState READ connection_state)
    Q_PROPERTY(QStringList Computers READ computers)
    Q_PROPERTY(QString SelectedComputer READ selected_computer)
    Q_PROPERTY(QStringList StatusBar READ status_bar)
    Q_PROPERTY(CCount_map DisplayPortCounters READ display_port_counters)
    Q_PROPERTY(CText_map Navigation READ navigation)
    Q_PROPERTY(CLamp_map Lamps READ lamps)
    Q_PROPERTY(QStringList Windows READ windows)

public:
    explicit CStatus_service(TFormTarvo &form, QObject *parent = nullptr);
    ~CStatus_service() override;

    // Publishes the interface on `bus`. When that cannot be done the program runs on without
    // it, and the message log says why, once. Returns whether the interface is published.
    bool start(const QDBusConnection &bus);

    // The text of the connection panel.
    QString connection_state() const;
    // The computers offered for selection, in list order, and the one selected ("" for none).
    QStringList computers() const;
    QString selected_computer() const;
    // The five panels of the status bar.
    QStringList status_bar() const;
    // The display port's eight counts by their names.
    CCount_map display_port_counters() const;
    // Every value label of the navigation view, by control name, as shown.
    CText_map navigation() const;
    // The four accuracy lamps by control name: on or off.
    CLamp_map lamps() const;
    // The object names of every window besides the main form, which is "FormTarvo".
    QStringList windows() const;

public slots:
    // The methods return at once; what they set going happens afterwards, as if the user had
    // done it, so that a question the main window asks does not hold up the caller.

    // Selects the computer at `address`, dotted-decimal IPv4, listing it first if need be.
    void SelectComputer(const QString &address);
    // Connects as controller to the selected computer, as the Connect button does.
    void Connect();
    // Leaves the controller role, as the Monitor button does.
    void Monitor();
    // The newest `count` lines of the message log as shown, oldest first.
    QStringList MessageLog(uint count);

    // Every window, read and driven as its user would. Unknown windows, controls and buttons are
    // refused with InvalidArgs; a window whose menu entry is disabled now, or a disabled button,
    // with AccessDenied. OpenWindow, SetWindowValue and PressButton act right after they return.

    // Opens the window as its menu entry does.
    void OpenWindow(const QString &window);
    // Every named control of the window that shows a value, as shown.
    CText_map WindowValues(const QString &window);
    // Types `text` into an entry, or chooses it in a radio group, combo box or page control, or
    // sets a check box "on" or "off".
    void SetWindowValue(const QString &window, const QString &control, const QString &text);
    // Presses the button.
    void PressButton(const QString &window, const QString &button);

    // Records every datagram the display port accepts to the file at `path` until
    // StopRecording; refused with Failed (and why) when that cannot start.
    void Record(const QString &path);
    void StopRecording();
    // Replays the recording at `path` through the display port's receiver and every window at
    // `speed` times as recorded (0: as fast as the windows keep up); refused with Failed (and
    // why) when it cannot start.
    void Replay(const QString &path, double speed);
    // Writes the positions the position plot keeps to `path`, as GPX, KML or CSV by its suffix;
    // returns how many were written (an empty track is written with none). Refused with Failed
    // (and why) when the file cannot be written.
    uint ExportTrack(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QVariantMap property_values() const;
    void announce_changes();
    void report_off(const QString &reason);
    template <class Action>
    void later(Action action);
    // Runs `action` on the recording window; a text it returns refuses the call with it.
    template <class Action>
    void on_recording_window(Action action);
    // The window of that name, or null having refused the call.
    TFormKoruBase *window_named(const QString &name);

    TFormTarvo &m_form;
    std::optional<QDBusConnection> m_bus;
    CCoalescing_timer m_announcer;
    // The property values as last announced.
    QVariantMap m_announced;
};
