#pragma once
// The lines of a list written to a text file: the logs' "Save Log".

#include <QString>

class QListWidget;
class QWidget;

// Writes the lines of `list` in list order, one per text line, to `path`. Returns the system's
// reason when the file could not be written whole ("Permission denied", "No space left on
// device"), else nothing.
QString WriteListLines(const QListWidget &list, const QString &path);

// The logs' "Save Log": asks for a text file with the chooser captioned `caption`, writes the
// lines of `list` to it, and tells the user of a failure with `failure_text` ("%1" the file, "%2"
// the system's reason). True when the file was written; false when it was not or the user chose
// none.
bool SaveListLines(QWidget &parent, const QListWidget &list, const QString &caption,
                   const QString &failure_text);
