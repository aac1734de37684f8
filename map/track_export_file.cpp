#include "map/track_export_file.h"

#include "map/Form_moving_map.h"
#include "map/track_export.h"
#include "platform/user_feedback.h"
#include "shell/program.h"

#include <QFileInfo>
#include <QObject>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace {

QString tr(const char *text)
{
    return QObject::tr(text);
}

bool written(const STrack_sample &sample)
{
    return std::isfinite(sample.latitude) && std::isfinite(sample.longitude) &&
           std::isfinite(sample.altitude) && std::abs(sample.latitude) <= 90 &&
           std::abs(sample.longitude) <= 180;
}

} // namespace

QString WriteTrackFile(const CTrack_log &log, const QString &path, std::size_t &points)
{
    points = 0;
    const std::optional<ETrack_format> format = TrackFormatOf(path.toStdString());
    if (!format) {
        return tr("%1: a track is written as GPX (.gpx), KML (.kml) or CSV (.csv).").arg(path);
    }
    const std::string text = TrackText(log.samples(), *format,
                                       QFileInfo(path).completeBaseName().toStdString());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        return tr("Cannot write %1: %2").arg(path, file.errorString());
    }
    points = static_cast<std::size_t>(
        std::count_if(log.samples().begin(), log.samples().end(), written));
    return {};
}

void AskExportTrack(TFormMovingMap &map)
{
    const QString path = ChooseDataFile(
        {&map, true, tr("Export Track"), {},
         tr("GPX 1.1 (*.gpx);;KML 2.2 (*.kml);;CSV, time, position, heading, speed (*.csv)"),
         QStringLiteral("gpx")});
    if (path.isEmpty()) {
        return;
    }
    std::size_t points = 0;
    if (const QString problem = WriteTrackFile(map.TrackLog(), path, points);
        !problem.isEmpty()) {
        ShowMessageBox({&map, QMessageBox::Warning, tr("Export Track"), problem});
        return;
    }
    if (points == 0) {
        ShowMessageBox({&map, QMessageBox::Information, tr("Export Track"),
                        tr("No positions have been received: %1 was written with an empty "
                           "track.")
                            .arg(path)});
        return;
    }
    LogLine(tr("Track of %1 positions exported to %2").arg(points).arg(path));
}
