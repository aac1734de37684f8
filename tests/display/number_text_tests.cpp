#include "display/number_text.h"
#include "display/separators.h"
#include "qstring_printer.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

class NumberText : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(NumberText, FixedTextRoundsToTheDecimalsAndDropsTheSignOfZero)
{
    EXPECT_EQ(FixedText(1.23456, 3), "1.235");
    EXPECT_EQ(FixedText(-2.5, 0), "-3");
    EXPECT_EQ(FixedText(12345678.9, 1), "12345678.9");
    EXPECT_EQ(FixedText(-0.0001, 3), "0.000");
    EXPECT_EQ(FixedText(-0.0, 2), "0.00");
    EXPECT_EQ(FixedText(7.0, -1), "7");
}

TEST_F(NumberText, PlainNumberTextHasNoExponentAndFifteenDigits)
{
    EXPECT_EQ(PlainNumberText(1e-5), "0.00001");
    EXPECT_EQ(PlainNumberText(0.1), "0.1");
    EXPECT_EQ(PlainNumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(PlainNumberText(10000.0), "10000");
    EXPECT_EQ(PlainNumberText(-10000.0), "-10000");
    EXPECT_EQ(PlainNumberText(359.99999), "359.99999");
    EXPECT_EQ(PlainNumberText(1e20), "100000000000000000000");
    EXPECT_EQ(PlainNumberText(-0.0), "0");
}

TEST_F(NumberText, ParseNumberReadsWhatTheEntryFieldsAccept)
{
    EXPECT_EQ(ParseNumber("1.23"), 1.23);
    EXPECT_EQ(ParseNumber(" -5 "), -5.0);
    EXPECT_EQ(ParseNumber("+.5"), 0.5);
    EXPECT_EQ(ParseNumber("7."), 7.0);
    for (const char *text :
         {"", "  ", "-", ".", "+.", "1.2.3", "12a", "1e5", "5-", "--5", "N/A", "1,5"}) {
        EXPECT_FALSE(ParseNumber(QString::fromLatin1(text)).has_value()) << text;
    }
    EXPECT_FALSE(ParseNumber(QString(400, QLatin1Char('9'))).has_value());
}

TEST_F(NumberText, TheUsersLocaleGivesTheSeparators)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(DecimalSeparator(), QLatin1Char(','));
    EXPECT_EQ(TimeSeparator(), QLatin1Char(':'));
    EXPECT_EQ(FixedText(1234.5, 2), "1234,50"); // never a group separator
    EXPECT_EQ(PlainNumberText(-0.25), "-0,25");
    EXPECT_EQ(ParseNumber("1,5"), 1.5);
    EXPECT_FALSE(ParseNumber("1.5").has_value());

    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    EXPECT_EQ(TimeSeparator(), QLatin1Char('.'));
}

} // namespace
