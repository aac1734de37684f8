#pragma once
// The tracker's side of the DDE channel: a bus connection of its own that calls the server's
// methods and records the Advise signals.

#include "dde/dde_service.h"

#include "test_windows.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// The server answers on this same thread, so calls wait with the event loop running.
class CDde_bus_client : public QObject {
    Q_OBJECT
public:
    explicit CDde_bus_client(const QString &name = "tracker")
        : connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, name)), m_name(name)
    {
        EXPECT_TRUE(connection.connect(QString(), dde_bus::path, dde_bus::interface, "Advise", this,
                                       SLOT(advised(QString, QString))));
    }
    // Leaves the bus, as a tracker that quits does.
    ~CDde_bus_client() override { QDBusConnection::disconnectFromBus(m_name); }

    QDBusMessage call(const QString &method, const QVariantList &arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(dde_bus::service, dde_bus::path,
                                                              dde_bus::interface, method);
        message.setArguments(arguments);
        const QDBusPendingCall pending = connection.asyncCall(message);
        EXPECT_TRUE(WaitFor([&] { return pending.isFinished(); })) << method.toStdString();
        return pending.reply();
    }
    QString request(const QString &item = "text1")
    {
        return call("Request", {item}).arguments().value(0).toString();
    }
    QDBusMessage poke(const QString &text, const QString &item = "text2")
    {
        return call("Poke", {item, text});
    }

    QDBusConnection connection;
    std::vector<std::pair<QString, QString>> advised_texts; // item and text of each Advise

private slots:
    void advised(const QString &item, const QString &text)
    {
        advised_texts.emplace_back(item, text);
    }

private:
    QString m_name;
};
