#include "app/command_line.h"

#include "net/a_socket.h"

namespace {

bool parse_port(const QString &text, std::uint16_t &port)
{
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok || value == 0 || value > 65535) {
        return false;
    }
    port = static_cast<std::uint16_t>(value);
    return true;
}

} // namespace

SCommand_line ParseCommandLine(const QStringList &arguments)
{
    SCommand_line line;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool has_value = i + 1 < arguments.size();
        if (argument.compare("/min", Qt::CaseInsensitive) == 0 ||
            argument.compare("-min", Qt::CaseInsensitive) == 0) {
            line.start.minimized = true;
        } else if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--version") {
            line.version = true;
        } else if (argument == "--connect") {
            line.start.connect = true;
        } else if (argument == "--computer" && has_value) {
            line.start.computer = arguments[++i];
        } else if (argument == "--display-port" && has_value) {
            if (!parse_port(arguments[++i], line.start.display_port)) {
                line.error = QObject::tr("not a port number: %1").arg(arguments[i]);
            }
        } else if (argument == "--control-port" && has_value) {
            if (!parse_port(arguments[++i], line.start.control_port)) {
                line.error = QObject::tr("not a port number: %1").arg(arguments[i]);
            }
        } else if (argument == "--listen" && has_value) {
            line.start.display_address = ParseDottedAddress(arguments[++i].toStdString());
            if (line.start.display_address == 0) {
                line.error = QObject::tr("not an IPv4 address: %1").arg(arguments[i]);
            }
        } else {
            line.error = QObject::tr("unknown option or missing value: %1").arg(argument);
        }
        if (!line.error.isEmpty()) {
            break;
        }
    }
    if (line.start.connect && line.start.computer.isEmpty() && line.error.isEmpty()) {
        line.error = QObject::tr("--connect needs --computer");
    }
    return line;
}

QString CommandLineHelp()
{
    return QObject::tr(
        "Usage: Tarvo [options]\n"
        "The operator's controller for the KORU navigation computer.\n"
        "\n"
        "  /min, -min             start with the main window minimized\n"
        "  --computer ADDRESS     select this computer at start (dotted address or host name)\n"
        "  --connect              then connect to it as controller\n"
        "  --display-port PORT    receive the computer's groups on this UDP port (default 5600)\n"
        "  --control-port PORT    the computer's control port (default 5601)\n"
        "  --listen ADDRESS       receive groups on this local address only (default: all)\n"
        "  --version              print the version and exit\n"
        "  --help                 print this help and exit\n");
}
