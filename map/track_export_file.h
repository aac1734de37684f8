#pragma once
// "File" > "Export Track...": the positions the position plot keeps, written as GPX, KML or CSV
// as the file's suffix chooses.

#include "map/track_log.h"

#include <QString>

#include <cstddef>

class TFormMovingMap;

// Writes `log` to `path` whole or not at all. Returns what went wrong, empty when written;
// `points` gets the number of positions written.
QString WriteTrackFile(const CTrack_log &log, const QString &path, std::size_t &points);

// Asks for the file, writes it, and tells the user of a problem or of a track with no points.
void AskExportTrack(TFormMovingMap &map);
