#pragma once
// The program's command line: the switch "min" (with "/" or "-", any case) starts minimized;
// our own options select a computer at start and connect to it, for scripted starts.

#include "shell/Form_main.h"

#include <QString>
#include <QStringList>

struct SCommand_line {
    SStart_options start;
    bool help = false;
    bool version = false;
    QString error; // what was wrong with the command line, empty when nothing
};

// `arguments` without the program's name.
SCommand_line ParseCommandLine(const QStringList &arguments);
QString CommandLineHelp();
