#pragma once
// A connection of its own to the session bus, as a script would have: reads the automation
// interface's properties, calls its methods and keeps the PropertiesChanged signals it receives.
// The service answers on this same thread, so every call waits with the event loop running.

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QVariantMap>

#include <vector>

class CBus_client : public QObject {
    Q_OBJECT
public:
    CBus_client();
    ~CBus_client() override;
    CBus_client(const CBus_client &) = delete;
    CBus_client &operator=(const CBus_client &) = delete;

    QDBusConnection &connection() { return m_connection; }

    // A property of the automation interface, demarshalled into `T`.
    template <class T>
    T property(const QString &name)
    {
        return qdbus_cast<T>(property_value(name));
    }
    // Calls a method of the automation interface; the answer is its reply or its error.
    QDBusMessage call(const QString &method, const QVariantList &arguments = {});
    // Calls a method of another interface of the automation object.
    QDBusMessage call_on(const QString &interface, const QString &method,
                         const QVariantList &arguments = {});

    // Of each PropertiesChanged signal received, in order: the properties it carries.
    std::vector<QVariantMap> changes;

private slots:
    void properties_changed(const QString &interface, const QVariantMap &changed,
                            const QStringList &invalidated);

private:
    QVariant property_value(const QString &name);

    QDBusConnection m_connection;
};
