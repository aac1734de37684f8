#include "bus_client.h"

#include "automation/status_service.h"

#include "test_windows.h"

#include <QDBusPendingCall>
#include <QDBusVariant>

#include <gtest/gtest.h>

namespace {

constexpr char properties_interface[] = "org.freedesktop.DBus.Properties";

QString next_connection_name()
{
    static int clients = 0;
    return QString("automation-test-client-%1").arg(++clients);
}

} // namespace

CBus_client::CBus_client()
    : m_connection(
          QDBusConnection::connectToBus(QDBusConnection::SessionBus, next_connection_name()))
{
    EXPECT_TRUE(m_connection.isConnected()) << "run under dbus-run-session";
    m_connection.connect(QString(), automation_bus::path, properties_interface, "PropertiesChanged",
                         this, SLOT(properties_changed(QString, QVariantMap, QStringList)));
}

CBus_client::~CBus_client()
{
    QDBusConnection::disconnectFromBus(m_connection.name());
}

QDBusMessage CBus_client::call(const QString &method, const QVariantList &arguments)
{
    return call_on(automation_bus::interface, method, arguments);
}

QDBusMessage CBus_client::call_on(const QString &interface, const QString &method,
                                  const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(automation_bus::service,
                                                          automation_bus::path, interface, method);
    message.setArguments(arguments);
    const QDBusPendingCall pending = m_connection.asyncCall(message);
    EXPECT_TRUE(WaitFor([&] { return pending.isFinished(); })) << method.toStdString();
    return pending.reply();
}

QVariant CBus_client::property_value(const QString &name)
{
    const QDBusMessage reply =
        call_on(properties_interface, "Get", {QString(automation_bus::interface), name});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        ADD_FAILURE() << "no property " << name.toStdString() << ": "
                      << reply.errorMessage().toStdString();
        return {};
    }
    return reply.arguments().first().value<QDBusVariant>().variant();
}

void CBus_client::properties_changed(const QString &interface, const QVariantMap &changed,
                                     const QStringList &invalidated)
{
    EXPECT_EQ(interface, automation_bus::interface);
    EXPECT_TRUE(invalidated.isEmpty());
    changes.push_back(changed);
}
