// "Export Track...": the positions the position plot took, written as GPX, KML and CSV, parse
// back to the same points and times (xmllint checks the XML where it is installed); positions
// that are no number are left out; an empty track is written and the user told.

#include "map/Form_moving_map.h"
#include "map/track_export_file.h"
#include "net/socket_display.h"
#include "shell/program.h"

#include "navigation_frames.h"
#include "qstring_printer.h"
#include "recording_feedback.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

struct SPoint {
    double latitude;
    double longitude;
    double altitude;
    QString time;
};

bool operator==(const SPoint &a, const SPoint &b)
{
    return std::abs(a.latitude - b.latitude) < 1e-9 && std::abs(a.longitude - b.longitude) < 1e-9 &&
           std::abs(a.altitude - b.altitude) < 1e-3 && a.time == b.time;
}

void PrintTo(const SPoint &p, std::ostream *out)
{
    *out << p.latitude << "," << p.longitude << "," << p.altitude << " " << p.time.toStdString();
}

class TrackExportFileTest : public ::testing::Test {
protected:
    TrackExportFileTest() { program.display_counters = &counters; }

    // Group 1 at that position, arriving at `arrival` seconds since 1970.
    void take(double latitude, double longitude, double altitude, double arrival)
    {
        counters.arrival_us = static_cast<std::uint64_t>(arrival * 1e6);
        const frame_bytes::Bytes frame =
            frame_bytes::position_group(latitude, longitude, altitude, 90);
        CByte_cursor cursor(frame.data(), frame.size());
        ASSERT_EQ(program.groups.read(cursor), EFrame_status::ok);
        program.windows.update_from_group();
    }
    // A known track over a minute, with a position that is no number in the middle.
    void fly()
    {
        take(45.5, -73.25, 120.5, 1717228800);
        take(45.5001, -73.2501, 121, 1717228801.5);
        take(std::numeric_limits<double>::quiet_NaN(), -73.2502, 122, 1717228803);
        take(45.5003, -73.2503, 123.25, 1717228860);
    }
    const std::vector<SPoint> flown = {{45.5, -73.25, 120.5, "2024-06-01T08:00:00.000Z"},
                                       {45.5001, -73.2501, 121, "2024-06-01T08:00:01.500Z"},
                                       {45.5003, -73.2503, 123.25, "2024-06-01T08:01:00.000Z"}};

    QString exported(const char *name)
    {
        const QString path = folder.filePath(name);
        std::size_t points = 0;
        EXPECT_EQ(WriteTrackFile(map.TrackLog(), path, points), "");
        EXPECT_EQ(points, map.TrackLog().samples().size());
        return path;
    }

    // Well-formed XML, by xmllint where it is installed.
    static void expect_well_formed(const QString &path)
    {
        const QString xmllint = QStandardPaths::findExecutable("xmllint");
        if (xmllint.isEmpty()) {
            return;
        }
        QProcess lint;
        lint.start(xmllint, {"--noout", path});
        ASSERT_TRUE(lint.waitForFinished());
        EXPECT_EQ(lint.exitCode(), 0) << lint.readAllStandardError().toStdString();
    }

    CRecording_feedback feedback;
    CProgram program;
    DisplayPortCounters counters;
    TFormMovingMap map;
    QTemporaryDir folder;
};

TEST_F(TrackExportFileTest, GpxParsesBackToTheSamePointsAndTimes)
{
    fly();
    const QString path = exported("flight.gpx");
    expect_well_formed(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::vector<SPoint> points;
    QString root_version;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"gpx") {
            root_version = xml.attributes().value("version").toString();
            EXPECT_EQ(xml.namespaceUri(), u"http://www.topografix.com/GPX/1/1");
        } else if (xml.name() == u"trkpt") {
            SPoint point{xml.attributes().value("lat").toDouble(),
                         xml.attributes().value("lon").toDouble(), 0, {}};
            while (xml.readNextStartElement()) {
                const bool elevation = xml.name() == u"ele";
                const bool time = xml.name() == u"time";
                const QString text = xml.readElementText();
                if (elevation) {
                    point.altitude = text.toDouble();
                }
                if (time) {
                    point.time = text;
                }
            }
            points.push_back(point);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(root_version, "1.1");
    EXPECT_EQ(points, flown);
}

TEST_F(TrackExportFileTest, KmlParsesBackToTheSamePoints)
{
    fly();
    const QString path = exported("flight.KML");
    expect_well_formed(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString coordinates;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            if (xml.name() == u"kml") {
                EXPECT_EQ(xml.namespaceUri(), u"http://www.opengis.net/kml/2.2");
            } else if (xml.name() == u"coordinates") {
                coordinates = xml.readElementText();
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    std::vector<SPoint> points;
    for (const QString &tuple : coordinates.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)) {
        const QStringList parts = tuple.split(',');
        ASSERT_EQ(parts.size(), 3) << tuple.toStdString();
        points.push_back({parts[1].toDouble(), parts[0].toDouble(), parts[2].toDouble(), {}});
    }
    ASSERT_EQ(points.size(), flown.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i], (SPoint{flown[i].latitude, flown[i].longitude, flown[i].altitude, {}}));
    }
}

TEST_F(TrackExportFileTest, CsvHasARowPerPosition)
{
    fly();
    QFile file(exported("flight.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], "time,latitude,longitude,altitude,heading,speed");
    EXPECT_EQ(rows[3], "2024-06-01T08:01:00.000Z,45.500300000,-73.250300000,123.250,90.000,10.000");
}

TEST_F(TrackExportFileTest, AnEmptyTrackIsWrittenAndTheUserTold)
{
    feedback.chosen_file = folder.filePath("nothing.gpx");
    AskExportTrack(map);
    ASSERT_EQ(feedback.file_choices.size(), 1u);
    EXPECT_TRUE(feedback.file_choices[0].save);
    ASSERT_TRUE(QFile::exists(feedback.chosen_file));
    expect_well_formed(feedback.chosen_file);
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(feedback.boxes[0].text, "No positions have been received: " + feedback.chosen_file +
                                          " was written with an empty track.");
}

TEST_F(TrackExportFileTest, AnUnknownTypeOrAnUnwritableFileIsRefusedWithWhy)
{
    fly();
    std::size_t points = 7;
    EXPECT_EQ(WriteTrackFile(map.TrackLog(), folder.filePath("flight.txt"), points),
              folder.filePath("flight.txt") +
                  ": a track is written as GPX (.gpx), KML (.kml) or CSV (.csv).");
    EXPECT_EQ(points, 0u);
    EXPECT_TRUE(WriteTrackFile(map.TrackLog(), folder.filePath("none/flight.gpx"), points)
                    .startsWith("Cannot write "));

    feedback.chosen_file = folder.filePath("none/flight.gpx");
    AskExportTrack(map);
    ASSERT_EQ(feedback.boxes.size(), 1u);
    EXPECT_EQ(feedback.boxes[0].icon, QMessageBox::Warning);
}

} // namespace
