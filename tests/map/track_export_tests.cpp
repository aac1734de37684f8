// The track written for a GIS, without Qt: file types by suffix, times in UTC, CSV rows, points
// that are no position left out, and a log that stays bounded however long the flight.

#include "map/track_export.h"
#include "map/track_log.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(TrackExport, TheSuffixChoosesTheFormatInAnyCase)
{
    EXPECT_EQ(TrackFormatOf("/tmp/flight.gpx"), ETrack_format::gpx);
    EXPECT_EQ(TrackFormatOf("FLIGHT.KML"), ETrack_format::kml);
    EXPECT_EQ(TrackFormatOf("a.b.Csv"), ETrack_format::csv);
    EXPECT_EQ(TrackFormatOf("flight.gpx.txt"), std::nullopt);
    EXPECT_EQ(TrackFormatOf("gpx"), std::nullopt);
    EXPECT_EQ(TrackFormatOf(""), std::nullopt);
}

TEST(TrackExport, TimesAreWrittenInUtcToTheMillisecond)
{
    EXPECT_EQ(Iso8601(0), "1970-01-01T00:00:00.000Z");
    EXPECT_EQ(Iso8601(1717228800.125), "2024-06-01T08:00:00.125Z");
    EXPECT_EQ(Iso8601(951782399.999), "2000-02-28T23:59:59.999Z");
    EXPECT_EQ(Iso8601(951868800), "2000-03-01T00:00:00.000Z") << "2000 was a leap year";
}

TEST(TrackExport, CsvHasAHeaderAndARowPerPositionWithUnknownsEmpty)
{
    const STrack_sample samples[] = {
        {1717228800, 45.5, -73.25, 120.5, 90, 55.25},
        {1717228801, nan, -73.25, 120.5, 90, 55.25},  // no latitude: left out
        {1717228802, 45.5, 10, std::numeric_limits<double>::infinity(), 0, 0}, // left out
        {1717228803, 91, 10, 0, 0, 0},                 // beyond the pole: left out
        {1717228804, -45.5, 179.5, -10, nan, nan},
    };
    EXPECT_EQ(TrackText(samples, ETrack_format::csv, "x"),
              "time,latitude,longitude,altitude,heading,speed\r\n"
              "2024-06-01T08:00:00.000Z,45.500000000,-73.250000000,120.500,90.000,55.250\r\n"
              "2024-06-01T08:00:04.000Z,-45.500000000,179.500000000,-10.000,,\r\n");
}

TEST(TrackExport, AnEmptyTrackIsStillAWholeFile)
{
    const std::string gpx = TrackText({}, ETrack_format::gpx, "empty");
    EXPECT_NE(gpx.find("<trkseg>\n    </trkseg>"), std::string::npos) << gpx;
    EXPECT_NE(gpx.find("</gpx>\n"), std::string::npos);
    const std::string kml = TrackText({}, ETrack_format::kml, "empty");
    EXPECT_NE(kml.find("<coordinates>\n        </coordinates>"), std::string::npos) << kml;
    EXPECT_EQ(TrackText({}, ETrack_format::csv, "empty"),
              "time,latitude,longitude,altitude,heading,speed\r\n");
}

TEST(TrackExport, NamesAreEscapedForXml)
{
    const std::string gpx = TrackText({}, ETrack_format::gpx, "A&B <survey> \"1\"");
    EXPECT_NE(gpx.find("<name>A&amp;B &lt;survey&gt; &quot;1&quot;</name>"), std::string::npos);
}

TEST(TrackLog, KeepsAPositionPerSpacingAndNoneThatIsNotAPosition)
{
    CTrack_log log;
    for (int i = 0; i < 100; ++i) {
        log.add({1000 + i * 0.005, 45, 10, 100, 0, 0}); // 200 Hz for half a second
    }
    log.add({1000.6, nan, 10, 100, 0, 0});
    log.add({1000.7, 45, 10, nan, 0, 0});
    ASSERT_EQ(log.samples().size(), 3u) << "0, 0.2 and 0.4 s";
    EXPECT_DOUBLE_EQ(log.samples()[1].time, 1000.2);
    // A replay after live data goes back in time: kept, not lost.
    log.add({500, 45, 10, 100, 0, 0});
    EXPECT_EQ(log.samples().size(), 4u);
    log.clear();
    EXPECT_TRUE(log.samples().empty());
}

TEST(TrackLog, AFullLogHalvesAndDoublesItsSpacingSoThatItStaysBounded)
{
    CTrack_log log;
    const std::size_t flight = 4 * CTrack_log::capacity;
    constexpr double period = 0.25; // 4 Hz
    for (std::size_t i = 0; i < flight; ++i) {
        log.add({static_cast<double>(i) * period, 45, 10, 100, 0, 0});
    }
    EXPECT_LE(log.samples().size(), CTrack_log::capacity);
    EXPECT_GE(log.samples().size(), CTrack_log::capacity / 2);
    EXPECT_GE(log.spacing(), 4 * CTrack_log::first_spacing);
    EXPECT_DOUBLE_EQ(log.samples().front().time, 0);
    EXPECT_GE(log.samples().back().time, static_cast<double>(flight) * period - 2 * log.spacing())
        << "the newest positions are kept";
    // Still in time order, evenly spaced.
    for (std::size_t i = 1; i < log.samples().size(); ++i) {
        ASSERT_GE(log.samples()[i].time - log.samples()[i - 1].time,
                  CTrack_log::first_spacing * 0.99);
    }
}

} // namespace
