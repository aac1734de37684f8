#pragma once
// The lines of a list written to a text file: the logs' "Save Log".

#include <QString>

class QListWidget;

// Writes the lines of `list` in list order, one per text line, to `path`. Returns the system's
// reason when the file could not be written whole ("Permission denied", "No space left on
// device"), else nothing.
QString WriteListLines(const QListWidget &list, const QString &path);
