#pragma once
// The DDE server's channel on a D-Bus connection: service "Tarvo.Dde", object "/Dde", interface
// "Tarvo.Dde". A client opens the one conversation with Initiate, reads item "text1" with
// Request, is told of each publish by the signal Advise(item, text), pokes item "text2" with
// Poke, and ends the conversation with Terminate or by leaving the bus.

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>

#include <optional>

namespace dde_bus {
inline constexpr char service[] = "Tarvo.Dde";
inline constexpr char path[] = "/Dde";
inline constexpr char interface[] = "Tarvo.Dde";
inline constexpr char published_item[] = "text1";
inline constexpr char poked_item[] = "text2";
} // namespace dde_bus

// The server's side of the conversation.
class IDde_conversation {
public:
    virtual void open_conversation() = 0;
    virtual void close_conversation() = 0;
    virtual QString published_text() const = 0;
    // Takes a poked control text; what is wrong with it when it is refused, else empty.
    virtual QString take_poke(const QString &text) = 0;

protected:
    ~IDde_conversation() = default;
};

class CDde_service : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "Tarvo.Dde")
public:
    explicit CDde_service(IDde_conversation &conversation, QObject *parent = nullptr);
    ~CDde_service() override;

    // Publishes the channel on `bus`; when that cannot be done, the message log says why and the
    // program runs on without it. Returns whether the channel is published.
    bool start(const QDBusConnection &bus);
    // Tells the client in conversation of the published text.
    void advise(const QString &text);

public slots:
    void Initiate();
    QString Request(const QString &item);
    void Poke(const QString &item, const QString &text);
    void Terminate();

signals:
    void Advise(const QString &item, const QString &text);

private:
    // Whether the caller holds the conversation; else the call is refused.
    bool from_partner();
    bool item_is(const QString &item, const char *expected);
    void end_conversation();
    // Asks the bus whether the client that just opened the conversation is still on it, and
    // ends the conversation if it is not.
    void end_if_partner_gone();

    IDde_conversation &m_conversation;
    std::optional<QDBusConnection> m_bus;
    QDBusServiceWatcher m_watcher;
    // The unique bus name of the client in conversation; empty while none is.
    QString m_partner;
};
