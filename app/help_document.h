#pragma once
// The operator's guide: an HTML file among the program's shared data, shown with the desktop's
// viewer from the Help menu.

#include <QString>

class TFormMain;

// Where the guide lies for a program in `program_folder`: "../share/tarvo/help/tarvo.html" from
// it, both as installed and as the build tree lays the program out.
QString HelpDocumentPath(const QString &program_folder);

// Makes the Help menu's "Contents" open the guide at its start and "Using help" at the section
// on the guide itself. When the guide is missing, a box says where it was looked for.
void BuildHelpEntries(TFormMain &main, const QString &program_folder);
