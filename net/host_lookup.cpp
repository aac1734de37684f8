#include "net/host_lookup.h"

#include "platform/window_message.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

#include <arpa/inet.h>
#include <netdb.h>

namespace {

std::uint32_t first_address(const QByteArray &name)
{
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo *found = nullptr;
    if (getaddrinfo(name.constData(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return 0;
    }
    const auto *address = reinterpret_cast<const sockaddr_in *>(found->ai_addr);
    const std::uint32_t result = ntohl(address->sin_addr.s_addr);
    freeaddrinfo(found);
    return result;
}

} // namespace

void LookupHost(QObject *receiver, int message, const QString &name)
{
    // The receiver is checked on the GUI thread, where it may have gone in the meantime.
    QPointer<QObject> target(receiver);
    QThreadPool::globalInstance()->start([target, message, name] {
        const std::uint32_t address = first_address(name.toUtf8());
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [target, message, name, address] {
                if (target != nullptr) {
                    PostWindowMessage(target, message, address, 0, name);
                }
            },
            Qt::QueuedConnection);
    });
}
