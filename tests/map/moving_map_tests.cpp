// The position plot fed Group 1 as the display receiver hands it on: the view a first point
// gets, where later points plot, zoom, pan, centre and following, the two modes, the texts, and
// what the bus reads of it.

#include "map/Form_moving_map.h"
#include "shell/program.h"
#include "shell/window_values.h"

#include "navigation_frames.h"
#include "qstring_printer.h"
#include "recording_feedback.h"
#include "test_windows.h"

#include <QCategoryAxis>
#include <QChartView>
#include <QCheckBox>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QPushButton>

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

constexpr double pi = 3.14159265358979323846;

class MovingMapTest : public ::testing::Test {
protected:
    // The group handed to every window, then the plot filled as showing it would.
    void fly_to(double latitude, double longitude, double altitude = 0, double heading = 90)
    {
        take(latitude, longitude, altitude, heading);
        map.RefreshDisplay();
    }
    void take(double latitude, double longitude, double altitude = 0, double heading = 90)
    {
        const frame_bytes::Bytes frame =
            frame_bytes::position_group(latitude, longitude, altitude, heading);
        CByte_cursor cursor(frame.data(), frame.size());
        ASSERT_EQ(program.groups.read(cursor), EFrame_status::ok);
        program.windows.update_from_group();
    }
    QMap<QString, QString> values() { return WindowValues(map); }
    double painted(const char *name) { return values().value(name).toDouble(); }
    void press(const char *button) { PressButton(map, button); }

    CRecording_feedback feedback;
    CProgram program;
    TFormMovingMap map;
};

TEST_F(MovingMapTest, TheFirstPointShowsThirtyMetresAroundTheStart)
{
    fly_to(45, 10, 100);
    const QMap<QString, QString> shown = values();
    EXPECT_EQ(shown.value("Mode"), "Meters");
    EXPECT_EQ(shown.value("HorizontalMinimum"), "-30");
    EXPECT_EQ(shown.value("HorizontalMaximum"), "30");
    EXPECT_EQ(shown.value("VerticalMinimum"), "-30");
    EXPECT_EQ(shown.value("VerticalMaximum"), "30");
    EXPECT_EQ(shown.value("HorizontalTitle"), "East-West (m)");
    EXPECT_EQ(shown.value("VerticalTitle"), "North-South (m)");
    EXPECT_EQ(shown.value("StartLatitude"), " 45°00'00.00\" N");
    EXPECT_EQ(shown.value("CurrentLongitude"), " 10°00'00.00\" E");
    EXPECT_EQ(shown.value("Points"), "1");
    ASSERT_EQ(map.Series1()->count(), 1);
    EXPECT_EQ(map.Series1()->at(0), QPointF(0, 0));
}

TEST_F(MovingMapTest, AHundredMetresNorthAtFortyFiveDegreesPlotsAtAHundredMetres)
{
    fly_to(45, 10);
    // 100 m along the meridian: the meridian radius at 45 degrees is about 6,367,382 m.
    fly_to(45 + 100.0 / 6367381.8 * 180 / pi, 10);
    ASSERT_EQ(map.Series1()->count(), 2);
    EXPECT_NEAR(map.Series1()->at(1).y(), 100.0, 0.01);
    EXPECT_NEAR(map.Series1()->at(1).x(), 0.0, 1e-9);
}

TEST_F(MovingMapTest, ZoomPanAndCentreMoveTheView)
{
    fly_to(45, 10);
    press("ButtonZoomIn");
    press("ButtonZoomIn");
    EXPECT_EQ(values().value("HorizontalMinimum"), "-7.5");
    EXPECT_EQ(values().value("VerticalMaximum"), "7.5");
    press("ButtonZoomOut");
    EXPECT_EQ(values().value("HorizontalMaximum"), "15");
    press("ButtonPanUp"); // at once on pressing; then every 250 ms while held
    EXPECT_DOUBLE_EQ(painted("VerticalMinimum"), -15 + 3.75);
    press("ButtonPanLeft");
    EXPECT_DOUBLE_EQ(painted("HorizontalMaximum"), 15 - 3.75);

    fly_to(45.001, 10.001);
    press("ButtonCenter");
    const SPlane_point newest = map.Track().last_point(EPlot_units::metres);
    EXPECT_NEAR((painted("HorizontalMinimum") + painted("HorizontalMaximum")) / 2, newest.x, 1e-6);
    EXPECT_NEAR(painted("VerticalMaximum") - painted("VerticalMinimum"), 30, 1e-9);
}

// A pan button held moves the view at once and then every quarter second, until it is let go.
TEST_F(MovingMapTest, APanButtonHeldMovesTheViewUntilReleased)
{
    fly_to(45, 10);
    auto &up = *map.findChild<QPushButton *>("ButtonPanUp");
    const double step = 0.125 * 60;
    QTest::mousePress(&up, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(painted("VerticalMinimum"), -30 + step) << "at once";
    ASSERT_TRUE(WaitFor([&] { return painted("VerticalMinimum") >= -30 + 3 * step; }));
    QTest::mouseRelease(&up, Qt::LeftButton);
    const double released = painted("VerticalMinimum");
    QTest::qWait(3 * TFormMovingMap::pan_period_ms);
    EXPECT_EQ(painted("VerticalMinimum"), released) << "no more once released";
    EXPECT_DOUBLE_EQ(painted("VerticalMaximum") - painted("VerticalMinimum"), 60);
}

// Drawn over the plot: the newest point as a lime mark and a black line 12 pixels towards the
// heading, north up.
TEST_F(MovingMapTest, TheNewestPointIsMarkedWithALineTowardsTheHeading)
{
    auto &view = *map.findChild<QChartView *>("Chart1");
    map.resize(900, 600);
    map.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&map));
    const auto pixel_at = [&](QPointF newest, int dx, int dy) {
        const QImage image = view.viewport()->grab().toImage();
        const QPointF scene = view.chart()->mapToScene(view.chart()->mapToPosition(newest));
        const QPointF at = view.viewportTransform().map(scene);
        return image.pixelColor(static_cast<int>(at.x()) + dx, static_cast<int>(at.y()) + dy);
    };
    const QColor lime(0, 255, 0);
    for (const auto &[heading, dx, dy] : {std::tuple{90.0, 8, 0}, std::tuple{0.0, 0, -8}}) {
        map.ButtonResetClick();
        fly_to(45, 10, 0, heading);
        const QPointF newest = map.Series1()->at(0);
        EXPECT_EQ(pixel_at(newest, 0, 0), lime) << heading;
        EXPECT_EQ(pixel_at(newest, dx, dy), QColor(Qt::black)) << heading;
        EXPECT_NE(pixel_at(newest, -dx, -dy), QColor(Qt::black)) << heading << ": one way only";
    }
}

TEST_F(MovingMapTest, TrackingPutsAPointLeavingTheMiddleAtFortyFivePercent)
{
    fly_to(0, 0);
    map.findChild<QCheckBox *>("CheckBoxTrack")->setChecked(true);
    fly_to(0, 0.0001); // 11.13 m east: inside 45 % of the range from the east edge
    const double east = map.Track().last_point(EPlot_units::metres).x;
    EXPECT_NEAR(painted("HorizontalMaximum") - east, 0.45 * 60, 1e-9);
    EXPECT_NEAR(painted("HorizontalMaximum") - painted("HorizontalMinimum"), 60, 1e-9);
    EXPECT_EQ(painted("VerticalMinimum"), -30) << "north-south the point stays in the middle";
}

TEST_F(MovingMapTest, ShowEntirePlotFitsTheWholeTrack)
{
    map.findChild<QCheckBox *>("CheckBoxShowAll")->setChecked(true);
    fly_to(45, 10);
    fly_to(45.01, 10.02);
    fly_to(44.995, 9.99);
    const SBounds &bounds = map.Track().bounds(EPlot_units::metres);
    EXPECT_NEAR(painted("HorizontalMinimum"), bounds.min_x, 1e-6);
    EXPECT_NEAR(painted("VerticalMaximum"), bounds.max_y, 1e-6);
    EXPECT_GT(bounds.max_x - bounds.min_x, 2000);
}

TEST_F(MovingMapTest, LatitudeLongitudeModeShowsTheSamePlaceInDegrees)
{
    fly_to(45, 10);
    press("ButtonLatLon");
    QMap<QString, QString> shown = values();
    EXPECT_EQ(shown.value("Mode"), "Latitude-Longitude");
    EXPECT_EQ(shown.value("HorizontalTitle"), "Longitude");
    EXPECT_EQ(shown.value("VerticalTitle"), "Latitude");
    EXPECT_NEAR((painted("VerticalMinimum") + painted("VerticalMaximum")) / 2, 45, 1e-9);
    EXPECT_NEAR((painted("HorizontalMinimum") + painted("HorizontalMaximum")) / 2, 10, 1e-9);
    ASSERT_EQ(map.Series2()->count(), 1);
    EXPECT_EQ(map.Series2()->at(0), QPointF(10, 45));
    EXPECT_TRUE(map.Series2()->isVisible());
    EXPECT_FALSE(map.Series1()->isVisible());
    press("ButtonMeters");
    EXPECT_NEAR(painted("HorizontalMaximum"), 30, 1e-6) << "and back";
}

// The degree-minute-second labels are long: the horizontal axis holds no more of them than fit
// side by side, however wide the plot is, so that the chart cuts none short ("...").
TEST_F(MovingMapTest, DegreeLabelsStandSideBySideWholeAtAnyWidth)
{
    auto &view = *map.findChild<QChartView *>("Chart1");
    const auto horizontal =
        qobject_cast<QCategoryAxis *>(view.chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(horizontal, nullptr);
    const auto shown_labels = [&] {
        QStringList texts;
        for (QGraphicsItem *item : view.scene()->items()) {
            if (const auto *text = dynamic_cast<QGraphicsTextItem *>(item);
                text != nullptr && text->isVisible() && text->toPlainText().contains("\"")) {
                texts.append(text->toPlainText());
            }
        }
        return texts;
    };
    const auto all_whole = [&] {
        const QStringList texts = shown_labels();
        return !horizontal->categoriesLabels().isEmpty() && !texts.isEmpty() &&
               std::none_of(texts.begin(), texts.end(),
                            [](const QString &text) { return text.contains("..."); });
    };
    map.show();
    fly_to(45, 10);
    press("ButtonLatLon");
    std::vector<qsizetype> counts;
    for (const int window_width : {1400, 900, 700}) {
        map.resize(window_width, 600);
        EXPECT_TRUE(WaitFor([&] {
            map.RefreshDisplay();
            return all_whole();
        })) << window_width
            << " wide, plot " << view.chart()->plotArea().width() << ": "
            << shown_labels().join(" | ").toStdString();
        counts.push_back(horizontal->categoriesLabels().size());
    }
    EXPECT_GT(counts.front(), counts.back()) << "a wide plot has room for more";
}

TEST_F(MovingMapTest, NoPositionAndTheAntimeridianLeaveTheTrackWhole)
{
    fly_to(-10, 179.9999);
    fly_to(std::nan(""), 0);
    fly_to(-10, std::nan(""));
    fly_to(-10, -179.9999);
    EXPECT_EQ(values().value("Points"), "2");
    ASSERT_EQ(map.Series1()->count(), 2);
    EXPECT_NEAR(map.Series1()->at(1).x(), 21.9, 0.1)
        << "east across 180 degrees, not round the earth";
    EXPECT_EQ(values().value("CurrentLongitude"), "179°59'59.64\" W");
}

TEST_F(MovingMapTest, TextsFollowTheOptionAndRestartBeginsANewTrack)
{
    fly_to(45, 10);
    map.findChild<QCheckBox *>("CheckBoxShowText")->setChecked(false);
    EXPECT_EQ(values().value("CurrentLatitude"), "");
    EXPECT_EQ(values().value("StartLatitude"), " 45°00'00.00\" N");
    map.findChild<QCheckBox *>("CheckBoxShowText")->setChecked(true);
    fly_to(46, 11);
    EXPECT_EQ(values().value("CurrentLatitude"), " 46°00'00.00\" N");

    press("ButtonReset");
    EXPECT_EQ(values().value("Points"), "0");
    EXPECT_EQ(map.Series1()->count(), 0);
    fly_to(47, 12);
    EXPECT_EQ(values().value("StartLatitude"), " 47°00'00.00\" N") << "the next point starts";
    EXPECT_EQ(map.Series1()->at(0), QPointF(0, 0));

    map.ResetDisplay(0);
    EXPECT_EQ(values().value("StartLatitude"), "");
    EXPECT_EQ(values().value("CurrentLatitude"), "");
    EXPECT_EQ(map.Series1()->count(), 0);
}

TEST_F(MovingMapTest, TheLineDrawnStaysBoundedOnALongTrack)
{
    for (int i = 0; i < 20000; ++i) {
        take(45 + i * 1e-6, 10);
    }
    map.RefreshDisplay();
    EXPECT_EQ(values().value("Points"), "20000");
    EXPECT_LE(map.Series1()->count(),
              static_cast<qsizetype>(CThinned_line::kept_points + CThinned_line::tail_points));
    EXPECT_NEAR(map.Series1()->at(map.Series1()->count() - 1).y(),
                map.Track().last_point(EPlot_units::metres).y, 1e-9);
}

} // namespace
