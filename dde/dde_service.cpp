#include "dde/dde_service.h"

#include "shell/program.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

CDde_service::CDde_service(IDde_conversation &conversation, QObject *parent)
    : QObject(parent), m_conversation(conversation)
{
    m_watcher.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(&m_watcher, &QDBusServiceWatcher::serviceUnregistered, this,
            [this](const QString &name) {
                if (name == m_partner) {
                    end_conversation();
                }
            });
}

CDde_service::~CDde_service()
{
    if (m_bus) {
        m_bus->unregisterService(dde_bus::service);
        m_bus->unregisterObject(dde_bus::path);
    }
}

bool CDde_service::start(const QDBusConnection &bus)
{
    const auto off = [](const QString &reason) {
        LogLine(tr("The DDE server is off: %1.").arg(reason));
        return false;
    };
    if (!bus.isConnected()) {
        return off(tr("no session bus is reachable"));
    }
    QDBusConnection connection = bus;
    if (!connection.registerObject(dde_bus::path, this,
                                   QDBusConnection::ExportAllSlots |
                                       QDBusConnection::ExportAllSignals)) {
        return off(tr("the object %1 is published already").arg(dde_bus::path));
    }
    if (!connection.registerService(dde_bus::service)) {
        connection.unregisterObject(dde_bus::path);
        return off(tr("another program holds the bus name %1").arg(dde_bus::service));
    }
    m_bus = connection;
    m_watcher.setConnection(connection);
    return true;
}

void CDde_service::advise(const QString &text)
{
    if (!m_partner.isEmpty()) {
        emit Advise(dde_bus::published_item, text);
    }
}

bool CDde_service::from_partner()
{
    if (m_partner.isEmpty()) {
        sendErrorReply(QDBusError::AccessDenied, tr("No conversation is open: call Initiate."));
        return false;
    }
    if (message().service() != m_partner) {
        sendErrorReply(QDBusError::AccessDenied, tr("Another program holds the conversation."));
        return false;
    }
    return true;
}

bool CDde_service::item_is(const QString &item, const char *expected)
{
    if (item == QLatin1String(expected)) {
        return true;
    }
    sendErrorReply(QDBusError::InvalidArgs, tr("There is no item \"%1\" here.").arg(item));
    return false;
}

void CDde_service::Initiate()
{
    if (!m_partner.isEmpty()) {
        sendErrorReply(QDBusError::AccessDenied, tr("Another conversation is open."));
        return;
    }
    m_partner = message().service();
    m_watcher.setWatchedServices({m_partner});
    m_conversation.open_conversation();
    end_if_partner_gone();
}

// A client that left the bus before the watcher's rule reached the bus is never reported by the
// watcher. The question goes to the bus after that rule, so either the watcher reports the
// client leaving or the answer says it has gone already.
void CDde_service::end_if_partner_gone()
{
    QDBusConnectionInterface *bus = m_bus ? m_bus->interface() : nullptr;
    if (bus == nullptr) {
        return;
    }
    const QString partner = m_partner;
    auto *answer =
        new QDBusPendingCallWatcher(bus->asyncCall(QStringLiteral("NameHasOwner"), partner), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this,
            [this, partner](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                const QDBusPendingReply<bool> has_owner = *call;
                if (partner == m_partner && has_owner.isValid() && !has_owner.value()) {
                    end_conversation();
                }
            });
}

QString CDde_service::Request(const QString &item)
{
    if (!from_partner() || !item_is(item, dde_bus::published_item)) {
        return {};
    }
    return m_conversation.published_text();
}

void CDde_service::Poke(const QString &item, const QString &text)
{
    if (!from_partner() || !item_is(item, dde_bus::poked_item)) {
        return;
    }
    if (const QString problem = m_conversation.take_poke(text); !problem.isEmpty()) {
        sendErrorReply(QDBusError::InvalidArgs, problem);
    }
}

void CDde_service::Terminate()
{
    if (from_partner()) {
        end_conversation();
    }
}

void CDde_service::end_conversation()
{
    m_watcher.setWatchedServices({});
    m_partner.clear();
    m_conversation.close_conversation();
}
