#include "controls/float_gauge.h"

#include <QImage>

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(FloatGauge, Defaults)
{
    TFloatGauge gauge;
    EXPECT_EQ(gauge.size(), QSize(100, 100));
    EXPECT_EQ(gauge.Kind(), TFloatGauge::EGaugeKind::horizontalBar);
    EXPECT_TRUE(gauge.ShowText());
    EXPECT_EQ(gauge.BorderStyle(), TFloatGauge::EBorderStyle::single);
    EXPECT_EQ(gauge.ForeColor(), QColor(Qt::black));
    EXPECT_EQ(gauge.BackColor(), QColor(Qt::white));
    EXPECT_EQ(gauge.MinValue(), 0.0);
    EXPECT_EQ(gauge.MaxValue(), 100.0);
    EXPECT_EQ(gauge.Position(), 0.0);
}

TEST(FloatGauge, PercentDoneAndClamping)
{
    TFloatGauge gauge;
    ASSERT_TRUE(gauge.SetMaxValue(583));
    gauge.SetPosition(291.5);
    EXPECT_EQ(gauge.GetPercentDone(), 50);
    gauge.SetPosition(600);
    EXPECT_EQ(gauge.Position(), 583.0);
    EXPECT_EQ(gauge.GetPercentDone(), 100);
    gauge.SetPosition(-1);
    EXPECT_EQ(gauge.Position(), 0.0);
    gauge.SetPosition(5.82);
    EXPECT_EQ(gauge.GetPercentDone(), 0); // 0.998 percent, rounded down
    gauge.SetPosition(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(gauge.Position(), 5.82);
}

TEST(FloatGauge, SolveForXAndY)
{
    EXPECT_EQ(TFloatGauge::SolveForY(1, 0), 0);
    EXPECT_EQ(TFloatGauge::SolveForY(1, 3), 33);
    EXPECT_EQ(TFloatGauge::SolveForY(2, 3), 66);
    EXPECT_EQ(TFloatGauge::SolveForX(50, 99), 49);
    EXPECT_EQ(TFloatGauge::SolveForX(100, 98), 98);
    EXPECT_EQ(TFloatGauge::SolveForX(0, 98), 0);

    TFloatGauge equal_limits;
    ASSERT_TRUE(equal_limits.SetMaxValue(0));
    EXPECT_EQ(equal_limits.GetPercentDone(), 0);
}

TEST(FloatGauge, LimitsMoveThePositionAlongOrAreRefused)
{
    TFloatGauge gauge;
    gauge.SetPosition(10);
    EXPECT_FALSE(gauge.SetMinValue(101)); // above the maximum
    EXPECT_EQ(gauge.MinValue(), 0.0);
    EXPECT_TRUE(gauge.SetMinValue(20));
    EXPECT_EQ(gauge.Position(), 20.0);

    EXPECT_FALSE(gauge.SetMaxValue(19)); // below the minimum
    EXPECT_EQ(gauge.MaxValue(), 100.0);
    gauge.SetPosition(90);
    EXPECT_TRUE(gauge.SetMaxValue(50));
    EXPECT_EQ(gauge.Position(), 50.0);

    EXPECT_FALSE(gauge.SetMaxValue(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(gauge.SetMinValue(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(gauge.MinValue(), 20.0);
    EXPECT_EQ(gauge.MaxValue(), 50.0);
}

QImage painted(TFloatGauge &gauge)
{
    return gauge.grab().toImage();
}

TEST(FloatGauge, BarsFillFromLeftAndFromBottom)
{
    TFloatGauge gauge;
    gauge.resize(100, 20);
    gauge.SetShowText(false);
    gauge.SetBorderStyle(TFloatGauge::EBorderStyle::none);
    gauge.SetForeColor(Qt::red);
    gauge.SetPosition(50);
    QImage image = painted(gauge);
    EXPECT_EQ(image.pixelColor(0, 10), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(49, 10), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(50, 10), QColor(Qt::white));

    gauge.resize(20, 100);
    gauge.SeTCGaugeKind(TFloatGauge::EGaugeKind::verticalBar);
    gauge.SetPosition(25);
    image = painted(gauge);
    EXPECT_EQ(image.pixelColor(10, 99), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(10, 75), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(10, 74), QColor(Qt::white));
}

TEST(FloatGauge, SingleBorderFramesTheFigure)
{
    TFloatGauge gauge;
    gauge.resize(102, 20);
    gauge.SetShowText(false);
    gauge.SetForeColor(Qt::blue);
    gauge.SetPosition(100);
    const QImage image = painted(gauge);
    EXPECT_EQ(image.pixelColor(0, 10), gauge.palette().color(QPalette::WindowText));
    EXPECT_EQ(image.pixelColor(1, 10), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(100, 10), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(101, 10), gauge.palette().color(QPalette::WindowText));
}

TEST(FloatGauge, PieFillsItsShareOfTheCircle)
{
    TFloatGauge gauge;
    gauge.resize(100, 100);
    gauge.SetShowText(false);
    gauge.SetBorderStyle(TFloatGauge::EBorderStyle::none);
    gauge.SeTCGaugeKind(TFloatGauge::EGaugeKind::pie);
    gauge.SetForeColor(Qt::red);
    gauge.SetPosition(25); // the quarter from twelve to three o'clock
    const QImage image = painted(gauge);
    EXPECT_EQ(image.pixelColor(70, 30), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(30, 30), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(70, 70), QColor(Qt::white));
}

} // namespace
