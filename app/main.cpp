// Tarvo: the operator's controller for the KORU computer.

#include "app/command_line.h"
#include "app/window_rows.h"
#include "automation/status_service.h"
#include "views/Form_tarvo.h"
#include "resources/images.h"
#include "shell/program.h"

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
    QApplication::setOrganizationName("Meridane");
    QApplication::setApplicationName("Tarvo");
    QApplication::setApplicationVersion(TARVO_VERSION);
    RegisterImages();

    CProgram program;
    TFormTarvo main_form(line.start);
    CWindow_table windows(main_form, WindowRows());
    main_form.show();
    main_form.apply_start_options();
    CStatus_service automation(main_form);
    automation.start(QDBusConnection::sessionBus());
    return QApplication::exec();
}
