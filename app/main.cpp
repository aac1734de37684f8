// Tarvo: the operator's controller for the KORU computer.

#include "app/command_line.h"
#include "app/running_program.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // The command line is read before the desktop is needed, so that --help works anywhere.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const SCommand_line line = ParseCommandLine(arguments);
    if (line.help) {
        std::fputs(CommandLineHelp().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("Tarvo %s\n", TARVO_VERSION);
        return 0;
    }
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "Tarvo: %s\n%s", line.error.toLocal8Bit().constData(),
                     CommandLineHelp().toLocal8Bit().constData());
        return 2;
    }

    QApplication application(argc, argv);
    PrepareApplication();
    CRunning_program program(line.start);
    return QApplication::exec();
}
