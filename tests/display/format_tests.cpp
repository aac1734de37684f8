#include "display/formats.h"
#include "display/item_formats.h"
#include "qstring_printer.h"
#include "test_records.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

class Formats : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(Formats, FormatValueTakesTheDecimalsOfThePattern)
{
    EXPECT_EQ(FormatValue("0.000", 1.23456, true), "1.235");
    EXPECT_EQ(FormatValue("0", 2.4, true), "2");
    EXPECT_EQ(FormatValue("0.0", -0.04, true), "0.0");
    EXPECT_EQ(FormatValue("0.0000000000000", 45.5, true), "45.5000000000000");
}

TEST_F(Formats, ValuesWithoutDataShowNotAvailable)
{
    EXPECT_EQ(FormatValue("0.000", 1.0, false), "N/A");
    EXPECT_EQ(FormatValue("0.000", nan, true), "N/A");
    EXPECT_EQ(FormatValue("0.000", -inf, true), "N/A");
    EXPECT_EQ(FormatCount(12, false), "N/A");
    EXPECT_EQ(FormatAngle360(10.0, false), "N/A");
}

TEST_F(Formats, FormatCountIsAnUnsignedDecimal)
{
    EXPECT_EQ(FormatCount(0, true), "0");
    EXPECT_EQ(FormatCount(4294967294u, true), "4294967294");
}

TEST_F(Formats, HeadingsNeverRead360)
{
    EXPECT_EQ(FormatAngle360(359.9996, true), "0.000");
    EXPECT_EQ(FormatAngle360(359.999, true), "359.999");
    EXPECT_EQ(FormatAngle360(359.9994, true), "0.000");
    EXPECT_EQ(FormatAngle360(12.3456, true), "12.346");
}

TEST_F(Formats, LatitudeAndLongitudeInDegreesMinutesSeconds)
{
    EXPECT_EQ(FormatLatitude(45.5042, 2), QString::fromUtf8(" 45°30'15.12\" N"));
    EXPECT_EQ(FormatLatitude(-0.5, 2), QString::fromUtf8("  0°30'00.00\" S"));
    EXPECT_EQ(FormatLongitude(-122.25, 2), QString::fromUtf8("122°15'00.00\" W"));
    EXPECT_EQ(FormatLongitude(7.0, 4), QString::fromUtf8("  7°00'00.0000\" E"));
    // Rounding carries into the minutes and degrees.
    EXPECT_EQ(FormatLatitude(10.0 - 1e-7, 2), QString::fromUtf8(" 10°00'00.00\" N"));
    // A fraction of the seconds lifted to 100 hundredths carries into the seconds.
    EXPECT_EQ(FormatLatitude(45.50444303202143, 2), QString::fromUtf8(" 45°30'16.00\" N"));
    // Angles of a full turn and more count from 0.
    EXPECT_EQ(FormatLongitude(400.5, 2), QString::fromUtf8(" 40°30'00.00\" E"));
}

TEST_F(Formats, DmsWithoutDecimalsHasNoSeparatorAndAMissingSuffixBecomesASign)
{
    EXPECT_EQ(FormatLatitude(45.5042, 0), QString::fromUtf8(" 45°30'15\" N"));
    EXPECT_EQ(FormatAngleDms(-45.5, 1, " N", QString()), QString::fromUtf8("-45°30'00.0\""));
    EXPECT_EQ(FormatAngleDms(45.5, 1, QString(), QString()), QString::fromUtf8(" 45°30'00.0\""));
}

// Not-a-number and infinities used to reach an integer conversion; they mean "no data".
TEST_F(Formats, NonFiniteAnglesAndTimesShowNotAvailable)
{
    for (double value : {nan, inf, -inf}) {
        EXPECT_EQ(FormatLatitude(value, 2), "N/A");
        EXPECT_EQ(FormatLongitude(value, 2), "N/A");
        EXPECT_EQ(FormatTime(value, false, true), "N/A");
        EXPECT_EQ(FormatTime(value, true, false), "N/A");
    }
}

TEST_F(Formats, FormatTimeInHoursMinutesSeconds)
{
    EXPECT_EQ(FormatTime(3725.25, false, true), "   1:02:05.250000");
    EXPECT_EQ(FormatTime(3725.25, false, false), "   1:02:05");
    EXPECT_EQ(FormatTime(59.6, false, false), "   0:01:00");
    EXPECT_EQ(FormatTime(1e-7, false, true), "   0:00:00.000000");
    EXPECT_EQ(FormatTime(0.0000015, false, true), "   0:00:00.000002");
}

TEST_F(Formats, FormatTimeWrapsRestartsAndOverflows)
{
    EXPECT_EQ(FormatTime(90000.0, true, false), "   1:00:00");
    EXPECT_EQ(FormatTime(90000.0, false, false), "  25:00:00");
    EXPECT_EQ(FormatTime(36000001.0, false, false), "   0:00:01");
    EXPECT_EQ(FormatTime(35999999.0, false, false), "9999:59:59");
    EXPECT_EQ(FormatTime(3.6e10, false, false), "   0:00:00");
    EXPECT_EQ(FormatTime(4e10, false, false), "Overflow");
    EXPECT_EQ(FormatTime(-1.0, false, false), "N/A");
    EXPECT_EQ(FormatTime(-1.0, false, true), "N/A");
}

TEST_F(Formats, TimesUseTheLocalesSeparators)
{
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    EXPECT_EQ(FormatTime(3725.25, false, true), "   1.02.05,250000");
    EXPECT_EQ(FormatLatitude(45.5042, 2), QString::fromUtf8(" 45°30'15,12\" N"));
    EXPECT_EQ(FormatValue("0.000", 1.5, true), "1,500");
}

TEST_F(Formats, TimeAndDistanceSuffixes)
{
    const std::array<const char *, 6> times = {" KORU", " GPS", " UTC", " User", " KORU", " KORU"};
    const std::array<int, 6> time_types = {0, 1, 2, 3, 4, 255};
    for (std::size_t i = 0; i < times.size(); ++i) {
        EXPECT_EQ(TimeTypeSuffix(time_types[i]), times[i]) << time_types[i];
    }
    EXPECT_EQ(DistanceTypeSuffix(0), " ?");
    EXPECT_EQ(DistanceTypeSuffix(1), " KORU");
    EXPECT_EQ(DistanceTypeSuffix(2), " DMI");
    EXPECT_EQ(DistanceTypeSuffix(3), " ?");
}

TEST_F(Formats, TimeTagsWrapForEveryTypeButTheComputersOwn)
{
    EXPECT_EQ(FormatTimeTag(90000.0, 1, false), "   1:00:00 GPS");
    EXPECT_EQ(FormatTimeTag(90000.0, 0, false), "  25:00:00 KORU");
    EXPECT_EQ(FormatTimeTag(0.5, 2, true), "   0:00:00.500000 UTC");
}

TEST_F(Formats, ItemsFormatTheirValueOrNotAvailable)
{
    std::array<std::byte, 256> buffer{};
    CTest_group group(buffer.data(), buffer.size());
    group.speed->set(12.25f);
    group.position->latitude().set(45.5042);
    EXPECT_EQ(FormatValue("0.0", group, *group.speed), "12.3"); // halves round away from zero
    EXPECT_EQ(FormatAngle360(group, *group.speed), "12.250");
    EXPECT_EQ(FormatLatitude(group, group.position->latitude(), 2),
              QString::fromUtf8(" 45°30'15.12\" N"));

    group.speed->set_invalid();
    group.position->latitude().set_invalid();
    EXPECT_EQ(FormatValue("0.0", group, *group.speed), "N/A");
    EXPECT_EQ(FormatLatitude(group, group.position->latitude(), 2), "N/A");
    EXPECT_EQ(FormatLongitude(group, group.position->longitude(), 2), "N/A"); // never set

    CTest_counter_group counter(buffer.data(), buffer.size());
    counter.pulses->set(77u);
    EXPECT_EQ(FormatCount(counter, *counter.pulses), "77");
    counter.pulses->set_invalid();
    EXPECT_EQ(FormatCount(counter, *counter.pulses), "N/A");
}

// A frame from a computer whose group ends earlier: the bytes past its end are left from a longer
// frame and must not be shown, however valid they look.
TEST_F(Formats, ItemsBeyondAShortFrameAreNotAvailable)
{
    std::array<std::byte, 256> buffer{};
    CTest_group group(buffer.data(), buffer.size());
    group.position->latitude().set(45.5042);
    group.position->longitude().set(-73.25);
    group.position->altitude().set(120.0);
    group.speed->set(12.25f);
    // Prefix, header and position, then the trailer: 8 + 26 + 24 + 4 bytes.
    group.header().byte_count().set(26 + 24 + 4);

    EXPECT_EQ(FormatValue("0.0", group, group.position->altitude()), "120.0");
    EXPECT_EQ(FormatValue("0.0", group, *group.speed), "N/A");
    EXPECT_EQ(FormatAngle360(group, *group.speed), "N/A");

    // The latitude and longitude of a frame that ends inside the position.
    group.header().byte_count().set(26 + 8 + 4);
    EXPECT_EQ(FormatLatitude(group, group.position->latitude(), 2),
              QString::fromUtf8(" 45°30'15.12\" N"));
    EXPECT_EQ(FormatLongitude(group, group.position->longitude(), 2), "N/A");

    // A group that ends just before its count, then one that carries it.
    CTest_counter_group counter(buffer.data(), buffer.size());
    counter.pulses->set(77u);
    counter.header().byte_count().set(26 + 4);
    EXPECT_EQ(FormatCount(counter, *counter.pulses), "N/A");
    counter.header().byte_count().set(26 + 4 + 4);
    EXPECT_EQ(FormatCount(counter, *counter.pulses), "77");
}

} // namespace
