#pragma once
// What the group check lists of the logging dialogs share: the line of each group (its number,
// padded for the small ones, and its name), the groups a list offers, the groups post-processing
// needs, and the output rates a logging port offers beside the IMU's own rate.

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

class QComboBox;
class QListWidget;
class QWidget;

// The line of `group` in a group check list.
QString GroupLineText(std::uint16_t group);
// Fills `list` with one checkable, unchecked line per group, in order, each line's data holding
// its group number.
void FillGroupLines(QListWidget &list, std::span<const std::uint16_t> groups);
// Checks exactly the lines of `groups`; the others are cleared.
void CheckGroupLines(QListWidget &list, std::span<const std::uint16_t> groups);
// The line of `group`, or -1 when the list has none.
int GroupLine(const QListWidget &list, std::uint16_t group);

// Post-processing needs group 101: when no checked line of `list` has it, asks (in a box of
// `parent` captioned `caption`) whether to add it, and checks its line on Yes.
void OfferGroup101(QListWidget &list, QWidget *parent, const QString &caption);

// The groups the computer records on its PC card, in list order.
std::span<const std::uint16_t> PcCardLoggingGroups();
// The groups post-processing needs.
std::span<const std::uint16_t> PostProcessingGroups();

// The IMU's data rate in Hz for the data-rate code of Group 4, or nothing for a code without one.
std::optional<int> ImuRateOf(std::uint8_t code);
// The line of group 4, naming the IMU's rate when it is known.
QString ImuDataLineText(std::optional<int> imu_rate);
// Fills `rates` with the output rates of a logging port, each item's data holding its rate in
// Hz: without an IMU rate 1, 2, 10, 20, 25, 50, 100 and 200 Hz; with one, those below it and then
// the IMU's rate. The rate chosen stays chosen while it is still offered.
void FillLoggingRates(QComboBox &rates, std::optional<int> imu_rate);
