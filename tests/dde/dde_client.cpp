// A tracker for the tests: opens the DDE conversation, says so on its output, and stays on the bus
// until it is killed.

#include "dde/dde_service.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        dde_bus::service, dde_bus::path, dde_bus::interface, "Initiate"));
    if (reply.type() != QDBusMessage::ReplyMessage) {
        std::fprintf(stderr, "Initiate failed: %s\n", qPrintable(reply.errorMessage()));
        return 1;
    }
    std::puts("initiated");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
