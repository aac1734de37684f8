// The texts shared with the tracker: the published template to the byte, values set by key, the
// poked lines read by key, and the counters compared without wrapping round.

#include "dde/dde_text.h"

#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace {

const char *const empty_template = "[NAVIGATION DATA]\n"
                                   "Time=\nLat=\nLon=\nAlt=\nSpeed=\nTrack=\nRoll=\nPitch=\n"
                                   "Heading=\nLatRMS=\nLonRMS=\nAltRMS=\nRollRMS=\nPitchRMS=\n"
                                   "HdgRMS=\nHdop=\nVdop=\n"
                                   "\n"
                                   "[PPS]\nPPS Time=\n"
                                   "\n"
                                   "[EVENTS]\nTime1=\nCount1=\nTime2=\nCount2=\n"
                                   "\n"
                                   "[STATUS]\nKORU=\nIMU=\nGPS=\nGIMBAL=\nPC CARD=\nDisk Usage=\n"
                                   "KORU Meas Rej=\nVel Meas Rej=\nLIDAR=\n"
                                   "\n"
                                   "[ECHO]\n"
                                   "\n"
                                   "[Control Data]\nLogFile=\nLogging=\nMode=\n"
                                   "\n"
                                   "[Yaw Drift Control]\nMethod=\nDesiredHead=\nActivationThresh=\n"
                                   "Period=\nGain=\n"
                                   "\n"
                                   "[Lidar Control]\nLidarLogging=\nFlightLine=\n"
                                   "\n"
                                   "[Gimbal Control]\nGimbalControl=\nGimbalCounter=\n"
                                   "ComInitCounter=\n"
                                   " \n";

} // namespace

TEST(PublishedText, StartsAsTheTemplateAndSetsValuesByKeyOnly)
{
    CPublished_text text;
    EXPECT_EQ(text.text(), empty_template);

    text.set(u"Time", "12.500");
    text.set(u"Time1", "00:00:01.000000 KORU");
    text.set(u"PPS Time", "100");
    text.set(u"ComInitCounter", "7");
    EXPECT_EQ(text.value(u"Time"), "12.500");
    EXPECT_EQ(text.value(u"Time2"), "");
    QString expected = empty_template;
    expected.replace("\nTime=\n", "\nTime=12.500\n")
        .replace("Time1=\n", "Time1=00:00:01.000000 KORU\n")
        .replace("PPS Time=\n", "PPS Time=100\n")
        .replace("ComInitCounter=\n", "ComInitCounter=7\n");
    EXPECT_EQ(text.text(), expected);

    text.clear_values();
    EXPECT_EQ(text.text(), empty_template);
}

TEST(PokedText, ValuesAreFoundByTheirKeyTrimmedAndOtherLinesAreIgnored)
{
    const QStringList lines = PokedLines("[Control Data]\r\n"
                                         "garbage \x01\x7f ]]]\r\n"
                                         "Mode 2\r\n"
                                         "LidarLogging\r\n"
                                         "=1\r\n"
                                         "  mode =  2 \r\n"
                                         "Mode=1\r\n"
                                         "Method=\r\n"
                                         "Gain=a=b\n"
                                         "LogFile=flight 7.log");
    EXPECT_EQ(PokedValue(lines, u"Mode"), "2") << "the first line of the key counts";
    EXPECT_EQ(PokedValue(lines, u"LidarLogging"), "") << "a key without an equals sign";
    EXPECT_EQ(PokedValue(lines, u"Method"), "");
    EXPECT_EQ(PokedValue(lines, u"Gain"), "a=b");
    EXPECT_EQ(PokedValue(lines, u"LogFile"), "flight 7.log");
    EXPECT_EQ(PokedValue(lines, u"FlightLine"), "");
    EXPECT_EQ(PokedValue(PokedLines(""), u"Mode"), "");
}

TEST(CounterStep, OneOrTwoAheadCountsAndNothingElse)
{
    EXPECT_EQ(CounterStep(4, "5"), 1);
    EXPECT_EQ(CounterStep(4, "6"), 2);
    EXPECT_EQ(CounterStep(4, "7"), 0);
    EXPECT_EQ(CounterStep(4, "4"), 0);
    EXPECT_EQ(CounterStep(4, "3"), 0);
    for (const char *garbage : {"", "five", "5.0", "5x", "-5", "0x5", "--1"}) {
        EXPECT_EQ(CounterStep(4, garbage), 0) << garbage;
    }
}

TEST(CounterStep, NothingWrapsRoundAtTheTopOfTheCounter)
{
    EXPECT_EQ(CounterStep(4294967294u, "4294967295"), 1);
    EXPECT_EQ(CounterStep(4294967293u, "4294967295"), 2);
    EXPECT_EQ(CounterStep(4294967295u, "0"), 0);
    EXPECT_EQ(CounterStep(4294967295u, "1"), 0);
    EXPECT_EQ(CounterStep(4294967294u, "0"), 0);
    EXPECT_EQ(CounterStep(4294967295u, "4294967296"), 0);
    EXPECT_EQ(CounterStep(4294967295u, "4294967297"), 0);
    EXPECT_EQ(CounterStep(0, "4294967297"), 0) << "cut to 32 bits it would read 1";
    EXPECT_EQ(CounterStep(0, "18446744073709551617"), 0);
}
