// The plot window as the program makes it, fed by the navigation view's values: what a long run
// keeps, gaps for "N/A" and values off the scale, the time window, pause, zoom and read-out,
// several windows, the values kept per user, the CSV and PNG files, and all of it read and
// driven from outside.

#include "view_fixture.h"

#include "navigation_frames.h"
#include "plots/Form_plot.h"
#include "shell/window_values.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QImage>
#include <QLineSeries>
#include <QListWidget>
#include <QMenu>
#include <QTimer>
#include <QValueAxis>
#include <QWheelEvent>
#include <QtTest/QTest>

#include <cmath>

namespace {

constexpr double no_data = 1e20;

class PlotWindowTest : public CView_fixture {
protected:
    PlotWindowTest() { plot.set_clock([this] { return clock; }); }

    // Group 1 at `time` on the plot's clock, with `latitude` and an altitude of 100.
    void deliver_at(double time, double latitude)
    {
        clock = time;
        deliver(frame_bytes::position_group(latitude, 10.0, 100.0, 45.0));
    }

    SPlot_source navigation_value(const QString &control)
    {
        const std::optional<SPlot_source> source = form->plot_source(control);
        EXPECT_TRUE(source.has_value()) << control.toStdString();
        return *source;
    }

    QString painted(const QString &name) { return WindowValues(plot).value(name, "(none)"); }

    // The pieces the chart draws a value's line in, with their points.
    std::vector<QList<QPointF>> drawn_pieces()
    {
        std::vector<QList<QPointF>> pieces;
        for (QAbstractSeries *series : plot.findChild<QChartView *>("Chart1")->chart()->series()) {
            const QList<QPointF> points = static_cast<QLineSeries *>(series)->points();
            if (!points.isEmpty()) {
                pieces.push_back(points);
            }
        }
        return pieces;
    }

    double clock = 0;
    TFormPlot &plot = windows.window_of<TFormPlot>("FormPlot");
};

// 10 000 samples four a second: the five-minute window holds the last 1201 of them, the ring
// keeps them all, a frame with "no data" is a gap where the line breaks, and no point is drawn
// at zero.
TEST_F(PlotWindowTest, ALongRunKeepsTheWindowsShareWithGapsForNoData)
{
    ASSERT_TRUE(plot.add_value(navigation_value("Latitude")));
    ASSERT_EQ(painted("ComboWindow"), "5 min");
    for (int i = 0; i < 10000; ++i) {
        deliver_at(i * 0.25, i == 9500 ? no_data : 45.0 + i * 1e-4);
    }
    EXPECT_EQ(plot.series(0).Count(), 10000u);
    EXPECT_EQ(painted("Samples[0]"), "1201");
    EXPECT_EQ(painted("From"), "2199.750");
    EXPECT_EQ(painted("To"), "2499.750");
    EXPECT_TRUE(std::isnan(plot.series(0).At(9500).value));
    EXPECT_DOUBLE_EQ(plot.series(0).At(9501).value, 45.0 + 9501 * 1e-4);

    ShowView(plot);
    QApplication::processEvents();
    plot.RefreshDisplay();
    const std::vector<QList<QPointF>> pieces = drawn_pieces();
    ASSERT_EQ(pieces.size(), 2u) << "the gap breaks the line in two";
    EXPECT_LT(pieces[0].front().x(), 9500 * 0.25);
    EXPECT_GT(pieces[1].back().x(), 9500 * 0.25);
    for (const QList<QPointF> &piece : pieces) {
        for (const QPointF &point : piece) {
            EXPECT_GT(point.y(), 45.0);
        }
    }
    plot.hide();
}

// Infinite values and values beyond 1e15 are gaps too, counted, and leave the value axis on the
// values that are real.
TEST_F(PlotWindowTest, ValuesOffTheScaleAreGapsAndKeepTheAxisOnRealValues)
{
    ASSERT_TRUE(plot.add_value(navigation_value("Latitude")));
    deliver_at(1, 45);
    deliver_at(2, 5e17);
    deliver_at(3, -std::numeric_limits<double>::infinity());
    deliver_at(4, 46);
    EXPECT_EQ(plot.series(0).Count(), 4u);
    EXPECT_EQ(plot.series(0).OffScaleCount(), 1u) << "infinity is the computer's no data";
    EXPECT_TRUE(std::isnan(plot.series(0).At(1).value));
    EXPECT_TRUE(std::isnan(plot.series(0).At(2).value));
    plot.RefreshDisplay();
    auto *axis = static_cast<QValueAxis *>(
        plot.findChild<QChartView *>("Chart1")->chart()->axes(Qt::Vertical).front());
    EXPECT_LT(axis->max(), 47.0);
    EXPECT_GT(axis->min(), 44.0);
}

// Only the frames of a value's group are samples of it; every value of the frame is taken at
// the same time.
TEST_F(PlotWindowTest, EveryValueIsSampledFromItsOwnGroup)
{
    ASSERT_TRUE(plot.add_value(navigation_value("Latitude")));
    ASSERT_TRUE(plot.add_value(navigation_value("Altitude")));
    ASSERT_TRUE(plot.add_value(navigation_value("LatitudeAcc")));
    EXPECT_FALSE(plot.add_value(navigation_value("Latitude"))) << "a value is followed once";
    deliver_at(7, 12.5);
    EXPECT_EQ(plot.series(0).Count(), 1u);
    EXPECT_EQ(plot.series(1).Count(), 1u);
    EXPECT_EQ(plot.series(2).Count(), 0u) << "Group 2 did not come";
    EXPECT_DOUBLE_EQ(plot.series(0).At(0).value, 12.5);
    EXPECT_DOUBLE_EQ(plot.series(1).At(0).value, 100.0);
    EXPECT_DOUBLE_EQ(plot.series(1).At(0).time, 7.0);
}

// The time window and the pause, driven and read as a user would.
TEST_F(PlotWindowTest, TimeWindowAndPauseAsDrivenFromOutside)
{
    ASSERT_TRUE(plot.add_value(navigation_value("Altitude")));
    for (int second = 0; second <= 200; ++second) {
        deliver_at(second, 45);
    }
    SetWindowValue(plot, "ComboWindow", "1 min");
    EXPECT_EQ(painted("From"), "140.000");
    EXPECT_EQ(painted("Samples[0]"), "61");
    EXPECT_EQ(painted("Paused"), "off");

    PressButton(plot, "ButtonPause");
    EXPECT_EQ(painted("Paused"), "on");
    EXPECT_EQ(painted("ButtonPause"), "Resume");
    for (int second = 201; second <= 230; ++second) {
        deliver_at(second, 45);
    }
    EXPECT_EQ(painted("To"), "200.000") << "a paused plot stays where it was";
    EXPECT_EQ(painted("Samples[0]"), "61");
    EXPECT_EQ(plot.series(0).Count(), 231u) << "samples are still taken while paused";

    PressButton(plot, "ButtonPause");
    EXPECT_EQ(painted("Paused"), "off");
    EXPECT_EQ(painted("ButtonPause"), "Pause");
    EXPECT_EQ(painted("To"), "230.000");
    SetWindowValue(plot, "ComboWindow", "15 min");
    EXPECT_EQ(painted("Samples[0]"), "231");
    EXPECT_EQ(painted("ValueList[0]"), "Altitude");
}

// The wheel zooms the time axis about the pointer, a box zooms into it; Reset Zoom follows the
// newest samples again.
TEST_F(PlotWindowTest, WheelAndBoxZoomUntilReset)
{
    ASSERT_TRUE(plot.add_value(navigation_value("Altitude")));
    ShowView(plot);
    QApplication::processEvents();
    deliver_at(600, 45);
    plot.RefreshDisplay();
    auto *view = plot.findChild<QChartView *>("Chart1");
    const QPointF middle = view->chart()->mapToPosition(QPointF(450, 100));
    QWheelEvent wheel(middle, view->mapToGlobal(middle), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
    EXPECT_NEAR(plot.shown_span().first, 450 - 150 * 0.8, 1.0);
    EXPECT_NEAR(plot.shown_span().second, 450 + 150 * 0.8, 1.0);
    deliver_at(700, 45);
    EXPECT_NEAR(plot.shown_span().second, 450 + 150 * 0.8, 1.0) << "a zoomed plot stays";

    PressButton(plot, "ButtonResetZoom");
    EXPECT_EQ(plot.shown_span(), std::make_pair(400.0, 700.0));

    const QRectF area = view->chart()->plotArea();
    view->chart()->zoomIn(QRectF(area.left() + area.width() / 2, area.top(), area.width() / 4,
                                 area.height()));
    EXPECT_NEAR(plot.shown_span().first, 550, 1.0);
    EXPECT_NEAR(plot.shown_span().second, 625, 1.0);
    plot.hide();
}

// The read-out gives each value's newest sample at or before the pointer's time, "N/A" for a gap.
TEST_F(PlotWindowTest, ReadOutAtThePointer)
{
    ASSERT_TRUE(plot.add_value(navigation_value("Latitude")));
    ASSERT_TRUE(plot.add_value(navigation_value("Altitude")));
    deliver_at(10, 1.25);
    deliver_at(20, no_data);
    EXPECT_EQ(plot.read_out(15), "15.000 s   Latitude: 1.25   Altitude: 100");
    EXPECT_EQ(plot.read_out(25), "25.000 s   Latitude: N/A   Altitude: 100");
    EXPECT_EQ(plot.read_out(5), "5.000 s   Latitude: N/A   Altitude: N/A");
}

// "Save as CSV..." writes the samples of the span shown: time, name, value, a gap empty.
TEST_F(PlotWindowTest, SaveAsCsvWritesTheSamplesShown)
{
    ASSERT_TRUE(plot.add_value(navigation_value("Latitude")));
    ASSERT_TRUE(plot.add_value(navigation_value("Altitude")));
    deliver_at(1, 45);
    deliver_at(400, 46.5);
    deliver_at(500, no_data);
    feedback.chosen_file = folder.filePath("plot.csv");
    PressButton(plot, "ButtonSaveCsv");
    ASSERT_EQ(feedback.file_choices.size(), 1u);
    EXPECT_EQ(feedback.file_choices[0].default_suffix, "csv");
    QFile file(feedback.chosen_file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), "time_s,name,value\n"
                                                 "400.000000,Latitude,46.5\n"
                                                 "500.000000,Latitude,\n"
                                                 "400.000000,Altitude,100\n"
                                                 "500.000000,Altitude,100\n");
    EXPECT_TRUE(feedback.boxes.empty());

    feedback.chosen_file = folder.filePath("missing/plot.csv");
    PressButton(plot, "ButtonSaveCsv");
    ASSERT_EQ(feedback.boxes.size(), 1u) << "a file that cannot be written is told";
    EXPECT_TRUE(feedback.boxes[0].text.contains("missing/plot.csv"));
}

TEST_F(PlotWindowTest, SaveAsPngWritesTheChart)
{
    ASSERT_TRUE(plot.add_value(navigation_value("Altitude")));
    deliver_at(1, 45);
    feedback.chosen_file = folder.filePath("plot.png");
    PressButton(plot, "ButtonSavePng");
    const QImage image(feedback.chosen_file);
    EXPECT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 0);
    feedback.chosen_file.clear();
    PressButton(plot, "ButtonSavePng");
    EXPECT_TRUE(feedback.boxes.empty()) << "a save given up is no failure";
}

// The values a window follows are kept per user and followed again by the next program.
TEST_F(PlotWindowTest, ValuesFollowedAreKeptPerUser)
{
    ASSERT_TRUE(plot.add_value(navigation_value("Roll")));
    ASSERT_TRUE(plot.add_value(navigation_value("HeadingAcc")));
    SetWindowValue(plot, "ComboWindow", "60 min");
    plot.findChild<QListWidget *>("ValueList")->setCurrentRow(0);
    PressButton(plot, "ButtonRemove");
    ASSERT_EQ(plot.value_count(), 1u);

    TFormPlot again;
    ASSERT_EQ(again.value_count(), 1u);
    EXPECT_EQ(again.source(0).control, "HeadingAcc");
    EXPECT_EQ(again.source(0).window, "FormTarvo");
    EXPECT_EQ(WindowValues(again).value("ComboWindow"), "60 min");
}

// "Plot this value" in a label's context menu adds it to the plot window the user worked with
// last: a new window once one is made.
TEST_F(PlotWindowTest, PlotThisValueGoesToTheWindowWorkedWithLast)
{
    QWidget &label = *form->findChild<QWidget *>("Pitch");
    auto choose_plot_this_value = [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction *entry = menu->findChild<QAction *>("PlotThisValue");
        ASSERT_NE(entry, nullptr);
        EXPECT_TRUE(entry->isEnabled());
        QStringList captions;
        for (const QAction *action : menu->actions()) {
            captions << action->text();
        }
        // The main window's own entries stay at hand over its values.
        EXPECT_TRUE(captions.contains("Send to &Back")) << captions.join('|').toStdString();
        menu->setActiveAction(entry);
        QTest::keyClick(menu, Qt::Key_Return);
    };
    QTimer::singleShot(0, choose_plot_this_value);
    emit label.customContextMenuRequested(QPoint(1, 1));
    ASSERT_EQ(plot.value_count(), 1u);
    EXPECT_EQ(plot.source(0).control, "Pitch");
    EXPECT_TRUE(plot.isVisible());

    PressButton(plot, "ButtonNewWindow");
    auto *second = dynamic_cast<TFormPlot *>(windows.window("FormPlot2"));
    ASSERT_NE(second, nullptr);
    QTimer::singleShot(0, choose_plot_this_value);
    emit label.customContextMenuRequested(QPoint(1, 1));
    EXPECT_EQ(second->value_count(), 1u);
    EXPECT_EQ(plot.value_count(), 1u);
    second->set_clock([this] { return clock; });
    deliver_at(3, 10);
    EXPECT_DOUBLE_EQ(second->series(0).At(0).value, -0.25);
    EXPECT_DOUBLE_EQ(plot.series(0).At(0).value, -0.25);
    second->hide();
    plot.hide();
}

// "View" > "Plot" opens the first plot window.
TEST_F(PlotWindowTest, TheViewMenuOpensThePlot)
{
    auto *entry = form->findChild<QAction *>("Plot1");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->parent()->objectName(), "View1");
    EXPECT_EQ(entry->text(), "P&lot");
    entry->trigger();
    EXPECT_TRUE(plot.isVisible());
    plot.hide();
}

} // namespace
