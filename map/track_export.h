#pragma once
// The track written for a GIS: GPX 1.1 (a track of one segment with elevation and time; GPX 1.1
// has no elements for heading and speed, so they stay out), KML 2.2 (a placemark with a line in
// absolute altitudes) or CSV (time, latitude, longitude, altitude, heading, speed). Standard
// library only.

#include "map/track_log.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

enum class ETrack_format { gpx, kml, csv };

// The format a file name's suffix asks for, any case; none for another suffix.
std::optional<ETrack_format> TrackFormatOf(std::string_view path);

// The whole file. Samples whose position is not a finite number are left out.
std::string TrackText(std::span<const STrack_sample> samples, ETrack_format format,
                      std::string_view name);

// "2024-06-01T08:00:00.125Z"
std::string Iso8601(double seconds_since_1970);
