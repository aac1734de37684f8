#pragma once
// A script's side of the automation interface: a bus connection of its own that calls the
// service's methods, reads its properties and records the property signals.

#include "automation/status_service.h"

#include "test_windows.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>

#include <gtest/gtest.h>

#include <vector>

// The service answers on this same thread, so calls wait with the event loop running.
class CBus_client : public QObject {
    Q_OBJECT
public:
    CBus_client() : connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "client"))
    {
        connection.connect(QString(), automation_bus::path, "org.freedesktop.DBus.Properties",
                           "PropertiesChanged", this,
                           SLOT(properties_changed(QString, QVariantMap, QStringList)));
    }
    ~CBus_client() override { QDBusConnection::disconnectFromBus("client"); }

    QDBusMessage call(const QString &method, const QVariantList &arguments = {},
                      const QString &interface = automation_bus::interface)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
            automation_bus::service, automation_bus::path, interface, method);
        message.setArguments(arguments);
        const QDBusPendingCall pending = connection.asyncCall(message);
        EXPECT_TRUE(WaitFor([&] { return pending.isFinished(); })) << method.toStdString();
        return pending.reply();
    }
    template <class T>
    T property(const QString &name)
    {
        const QDBusMessage reply = call("Get", {QString(automation_bus::interface), name},
                                        "org.freedesktop.DBus.Properties");
        return qdbus_cast<T>(reply.arguments().value(0).value<QDBusVariant>().variant());
    }

    QDBusConnection connection;
    std::vector<QVariantMap> changes; // what each PropertiesChanged signal carried

private slots:
    void properties_changed(const QString &, const QVariantMap &changed, const QStringList &)
    {
        changes.push_back(changed);
    }
};
