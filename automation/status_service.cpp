#include "automation/status_service.h"

#include "controls/led_image.h"
#include "controls/value_label.h"
#include "views/Form_tarvo.h"
#include "net/a_socket.h"
#include "net/socket_control.h"
#include "net/socket_display.h"
#include "platform/window_message.h"
#include "map/Form_moving_map.h"
#include "map/track_export_file.h"
#include "recording/Form_recording.h"
#include "shell/program.h"
#include "shell/window_values.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QLabel>
#include <QMetaProperty>
#include <QPointer>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Five announcements a second at most.
constexpr std::chrono::milliseconds announce_interval(200);

constexpr int status_panels = 5;
constexpr int connection_panel = 4;

struct SCounter {
    const char *name;
    std::uint32_t DisplayPortCounters::*count;
};
constexpr SCounter counters[] = {
    {"Packets Received", &DisplayPortCounters::packets},
    {"Groups Received", &DisplayPortCounters::groups},
    {"Messages Received", &DisplayPortCounters::messages},
    {"Bad Headers", &DisplayPortCounters::bad_headers},
    {"Bad Byte Counts", &DisplayPortCounters::bad_byte_counts},
    {"Checksum Errors", &DisplayPortCounters::checksum_errors},
    {"Bad Footers", &DisplayPortCounters::bad_footers},
    {"Invalid Group/Message", &DisplayPortCounters::invalid},
};

constexpr char properties_interface[] = "org.freedesktop.DBus.Properties";

} // namespace

CStatus_service::CStatus_service(TFormTarvo &form, QObject *parent)
    : QObject(parent), m_form(form), m_announcer(announce_interval, [this] { announce_changes(); })
{
    qDBusRegisterMetaType<CText_map>();
    qDBusRegisterMetaType<CLamp_map>();
    qDBusRegisterMetaType<CCount_map>();
}

CStatus_service::~CStatus_service()
{
    if (m_bus) {
        m_bus->unregisterService(automation_bus::service);
        m_bus->unregisterObject(automation_bus::path);
    }
}

bool CStatus_service::start(const QDBusConnection &bus)
{
    if (!bus.isConnected()) {
        report_off(tr("no session bus is reachable"));
        return false;
    }
    QDBusConnection connection = bus;
    if (!connection.registerObject(automation_bus::path, this,
                                   QDBusConnection::ExportAllSlots |
                                       QDBusConnection::ExportAllProperties)) {
        report_off(tr("the object %1 is published already").arg(automation_bus::path));
        return false;
    }
    if (!connection.registerService(automation_bus::service)) {
        connection.unregisterObject(automation_bus::path);
        report_off(tr("another program holds the bus name %1").arg(automation_bus::service));
        return false;
    }
    m_bus = connection;
    m_announced = property_values();
    // Received data reaches the display through the notices of the two network endpoints; the
    // main window tells of the rest.
    m_form.display_receiver().installEventFilter(this);
    m_form.control_client().installEventFilter(this);
    connect(&m_form, &TFormMain::status_changed, this, [this] { m_announcer.changed(); });
    return true;
}

void CStatus_service::report_off(const QString &reason)
{
    LogLine(tr("The automation interface is off: %1.").arg(reason));
}

// --- properties --------------------------------------------------------------------------

QString CStatus_service::connection_state() const
{
    return m_form.panel_text(connection_panel);
}

QStringList CStatus_service::computers() const
{
    QStringList addresses;
    const CComputer_list &list = m_form.computers();
    for (std::size_t i = 0; i < list.size(); ++i) {
        addresses.append(QString::fromStdString(AddressText(list.address(i))));
    }
    return addresses;
}

QString CStatus_service::selected_computer() const
{
    return m_form.selected_text();
}

QStringList CStatus_service::status_bar() const
{
    QStringList panels;
    for (int panel = 0; panel < status_panels; ++panel) {
        panels.append(m_form.panel_text(panel));
    }
    return panels;
}

CCount_map CStatus_service::display_port_counters() const
{
    const DisplayPortCounters &counted = m_form.display_receiver().counters();
    CCount_map counts;
    for (const SCounter &counter : counters) {
        counts.insert(counter.name, counted.*counter.count);
    }
    return counts;
}

CText_map CStatus_service::navigation() const
{
    m_form.RefreshDisplay();
    CText_map texts;
    for (int which = 0; which < TFormTarvo::value_count; ++which) {
        const QLabel *label = m_form.value(static_cast<TFormTarvo::EValue>(which));
        texts.insert(label->objectName(), label->text());
    }
    return texts;
}

CLamp_map CStatus_service::lamps() const
{
    CLamp_map states;
    for (int which = 0; which < TFormTarvo::lamp_count; ++which) {
        const CLed_image *lamp = m_form.lamp(static_cast<TFormTarvo::ELamp>(which));
        states.insert(lamp->objectName(), lamp->State());
    }
    return states;
}

QStringList CStatus_service::windows() const
{
    const IWindow_directory *directory = Program().window_directory;
    return directory != nullptr ? directory->names() : QStringList();
}

// Every property of the interface by name, read through the meta-object so that the list of
// properties is written once, in the class.
QVariantMap CStatus_service::property_values() const
{
    QVariantMap values;
    const QMetaObject &meta = staticMetaObject;
    for (int index = meta.propertyOffset(); index < meta.propertyCount(); ++index) {
        const QMetaProperty property = meta.property(index);
        values.insert(property.name(), property.read(this));
    }
    return values;
}

// --- announcements -----------------------------------------------------------------------

bool CStatus_service::eventFilter(QObject *, QEvent *event)
{
    if (AsWindowMessage(event) != nullptr) {
        m_announcer.changed();
    }
    return false;
}

// One signal with every property that differs from what was announced last. Sending only
// queues the signal on the connection; nothing waits for the bus.
void CStatus_service::announce_changes()
{
    QVariantMap changed;
    const QVariantMap values = property_values();
    for (auto value = values.begin(); value != values.end(); ++value) {
        if (m_announced.value(value.key()) != value.value()) {
            changed.insert(value.key(), value.value());
        }
    }
    if (changed.isEmpty()) {
        return;
    }
    m_announced = values;
    QDBusMessage signal =
        QDBusMessage::createSignal(automation_bus::path, properties_interface, "PropertiesChanged");
    signal << QString(automation_bus::interface) << changed << QStringList();
    m_bus->send(signal);
}

// --- methods -----------------------------------------------------------------------------

template <class Action>
void CStatus_service::later(Action action)
{
    QMetaObject::invokeMethod(&m_form, std::move(action), Qt::QueuedConnection);
}

void CStatus_service::SelectComputer(const QString &address)
{
    const std::uint32_t parsed = ParseDottedAddress(address.trimmed().toStdString());
    if (parsed == 0) {
        sendErrorReply(
            QDBusError::InvalidArgs,
            tr("\"%1\" is not the IPv4 address of a computer, such as 192.168.1.20.").arg(address));
        return;
    }
    const QString dotted = QString::fromStdString(AddressText(parsed));
    later([this, dotted] { m_form.EnterComputer(dotted); });
}

void CStatus_service::Connect()
{
    later([this] { m_form.ToolButtonConnectClick(); });
}

void CStatus_service::Monitor()
{
    later([this] { m_form.ToolButtonMonitorClick(); });
}

QStringList CStatus_service::MessageLog(uint count)
{
    IMessage_log *log = Program().message_log;
    if (log == nullptr) {
        return {};
    }
    return log->newest_lines(static_cast<int>(std::min<uint>(count, INT_MAX)));
}

// --- windows -----------------------------------------------------------------------------

TFormKoruBase *CStatus_service::window_named(const QString &name)
{
    TFormKoruBase *found = nullptr;
    if (name == m_form.objectName()) {
        found = &m_form;
    } else if (Program().window_directory != nullptr) {
        found = Program().window_directory->window(name);
    }
    if (found == nullptr) {
        sendErrorReply(QDBusError::InvalidArgs, tr("There is no window \"%1\".").arg(name));
    }
    return found;
}

void CStatus_service::OpenWindow(const QString &window)
{
    if (window_named(window) == nullptr || window == m_form.objectName()) {
        return;
    }
    if (!Program().window_directory->can_open(window)) {
        sendErrorReply(QDBusError::AccessDenied,
                       tr("The menu entry of %1 is disabled now.").arg(window));
        return;
    }
    later([window] { Program().window_directory->open(window); });
}

CText_map CStatus_service::WindowValues(const QString &window)
{
    TFormKoruBase *found = window_named(window);
    return found != nullptr ? ::WindowValues(*found) : CText_map();
}

void CStatus_service::SetWindowValue(const QString &window, const QString &control,
                                     const QString &text)
{
    TFormKoruBase *found = window_named(window);
    if (found == nullptr) {
        return;
    }
    const QString problem = WindowValueProblem(*found, control, text);
    if (!problem.isEmpty()) {
        sendErrorReply(QDBusError::InvalidArgs, problem);
        return;
    }
    QPointer<TFormKoruBase> target(found);
    later([target, control, text] {
        if (target != nullptr) {
            ::SetWindowValue(*target, control, text);
        }
    });
}

void CStatus_service::PressButton(const QString &window, const QString &button)
{
    TFormKoruBase *found = window_named(window);
    if (found == nullptr) {
        return;
    }
    switch (ButtonState(*found, button)) {
    case EButton_state::none:
        sendErrorReply(QDBusError::InvalidArgs,
                       tr("%1 has no button %2.").arg(window, button));
        return;
    case EButton_state::disabled:
        sendErrorReply(QDBusError::AccessDenied,
                       tr("The button %1 of %2 is disabled now.").arg(button, window));
        return;
    case EButton_state::enabled:
        break;
    }
    QPointer<TFormKoruBase> target(found);
    later([target, button] {
        if (target != nullptr) {
            ::PressButton(*target, button);
        }
    });
}

// --- recording and replay -------------------------------------------------------------------

template <class Action>
void CStatus_service::on_recording_window(Action action)
{
    auto *recording = dynamic_cast<TFormRecording *>(window_named("FormRecording"));
    if (recording == nullptr) {
        return;
    }
    if (const QString problem = action(*recording); !problem.isEmpty()) {
        sendErrorReply(QDBusError::Failed, problem);
    }
}

void CStatus_service::Record(const QString &path)
{
    on_recording_window([this, &path](TFormRecording &window) {
        return window.Record(m_form, path);
    });
}

void CStatus_service::StopRecording()
{
    on_recording_window([](TFormRecording &window) { return window.StopRecording(); });
}

void CStatus_service::Replay(const QString &path, double speed)
{
    if (!(speed >= 0) || !std::isfinite(speed)) {
        sendErrorReply(QDBusError::InvalidArgs,
                       tr("The speed must be 0 (as fast as possible) or more."));
        return;
    }
    on_recording_window([this, &path, speed](TFormRecording &window) {
        return window.Replay(m_form, path, speed);
    });
}

uint CStatus_service::ExportTrack(const QString &path)
{
    auto *map = dynamic_cast<TFormMovingMap *>(window_named("FormMovingMap"));
    if (map == nullptr) {
        return 0;
    }
    std::size_t points = 0;
    if (const QString problem = WriteTrackFile(map->TrackLog(), path, points); !problem.isEmpty()) {
        sendErrorReply(QDBusError::Failed, problem);
        return 0;
    }
    return static_cast<uint>(points);
}
