#include "map/track_export.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

bool ends_with_suffix(std::string_view path, std::string_view suffix)
{
    if (path.size() < suffix.size()) {
        return false;
    }
    const std::string_view tail = path.substr(path.size() - suffix.size());
    return std::equal(tail.begin(), tail.end(), suffix.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

bool usable(const STrack_sample &sample)
{
    return std::isfinite(sample.latitude) && std::isfinite(sample.longitude) &&
           std::isfinite(sample.altitude) && std::abs(sample.latitude) <= 90 &&
           std::abs(sample.longitude) <= 180;
}

std::string number(double value, int decimals)
{
    if (!std::isfinite(value)) {
        return {};
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

constexpr int degree_decimals = 9;
constexpr int metre_decimals = 3;

std::string gpx(std::span<const STrack_sample> samples, std::string_view name)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<gpx version=\"1.1\" creator=\"Tarvo\" "
                       "xmlns=\"http://www.topografix.com/GPX/1/1\" "
                       "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                       "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
                       "http://www.topografix.com/GPX/1/1/gpx.xsd\">\n"
                       "  <trk>\n    <name>" +
                       escaped(name) + "</name>\n    <trkseg>\n";
    for (const STrack_sample &sample : samples) {
        if (!usable(sample)) {
            continue;
        }
        text += "      <trkpt lat=\"" + number(sample.latitude, degree_decimals) + "\" lon=\"" +
                number(sample.longitude, degree_decimals) + "\"><ele>" +
                number(sample.altitude, metre_decimals) + "</ele>";
        if (std::isfinite(sample.time)) {
            text += "<time>" + Iso8601(sample.time) + "</time>";
        }
        text += "</trkpt>\n";
    }
    return text + "    </trkseg>\n  </trk>\n</gpx>\n";
}

std::string kml(std::span<const STrack_sample> samples, std::string_view name)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
                       "  <Document>\n    <name>" +
                       escaped(name) +
                       "</name>\n    <Placemark>\n      <name>" + escaped(name) +
                       "</name>\n      <LineString>\n"
                       "        <altitudeMode>absolute</altitudeMode>\n"
                       "        <coordinates>\n";
    for (const STrack_sample &sample : samples) {
        if (usable(sample)) {
            text += "          " + number(sample.longitude, degree_decimals) + "," +
                    number(sample.latitude, degree_decimals) + "," +
                    number(sample.altitude, metre_decimals) + "\n";
        }
    }
    return text + "        </coordinates>\n      </LineString>\n    </Placemark>\n"
                  "  </Document>\n</kml>\n";
}

std::string csv(std::span<const STrack_sample> samples)
{
    std::string text = "time,latitude,longitude,altitude,heading,speed\r\n";
    for (const STrack_sample &sample : samples) {
        if (usable(sample)) {
            text += (std::isfinite(sample.time) ? Iso8601(sample.time) : std::string()) + "," +
                    number(sample.latitude, degree_decimals) + "," +
                    number(sample.longitude, degree_decimals) + "," +
                    number(sample.altitude, metre_decimals) + "," + number(sample.heading, 3) +
                    "," + number(sample.speed, 3) + "\r\n";
        }
    }
    return text;
}

} // namespace

std::optional<ETrack_format> TrackFormatOf(std::string_view path)
{
    if (ends_with_suffix(path, ".gpx")) {
        return ETrack_format::gpx;
    }
    if (ends_with_suffix(path, ".kml")) {
        return ETrack_format::kml;
    }
    if (ends_with_suffix(path, ".csv")) {
        return ETrack_format::csv;
    }
    return std::nullopt;
}

std::string TrackText(std::span<const STrack_sample> samples, ETrack_format format,
                      std::string_view name)
{
    switch (format) {
    case ETrack_format::gpx:
        return gpx(samples, name);
    case ETrack_format::kml:
        return kml(samples, name);
    case ETrack_format::csv:
        return csv(samples);
    }
    return {};
}

std::string Iso8601(double seconds_since_1970)
{
    using namespace std::chrono;
    const auto milliseconds_total = static_cast<long long>(std::floor(seconds_since_1970 * 1000));
    const sys_days day{days{static_cast<int>(
        std::floor(static_cast<double>(milliseconds_total) / 86'400'000.0))}};
    const year_month_day date{day};
    const long long of_day = milliseconds_total - static_cast<long long>(
                                                      day.time_since_epoch().count()) *
                                                      86'400'000LL;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02lld:%02lld:%02lld.%03lldZ",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), of_day / 3'600'000, of_day / 60'000 % 60,
                  of_day / 1000 % 60, of_day % 1000);
    return text;
}
