// The views of the two Kalman filters: grids filled row by row from the groups' arrays for the
// counts the frames state (cut to the grids), the other cells emptied; the navigation filter's
// measurement grids with their gap, "N/A" for measurements the prefilter did not construct and
// red for those the filter rejected; hints, paired scrolling, and what is read from outside.

#include "view_fixture.h"

#include "controls/value_grid.h"
#include "controls/value_label.h"
#include "filter_frames.h"
#include "shell/window_values.h"
#include "views/Form_filter_views.h"

#include <QScrollBar>

namespace {

using filter_frames::kalman_measurements;
using filter_frames::kalman_update;
using filter_frames::twan_measurements;
using filter_frames::twan_update;

class FilterViewTest : public CView_fixture {
protected:
    template <class TView>
    TView &shown(const char *name)
    {
        auto &view = windows.window_of<TView>(name);
        return view;
    }
    void show(TFormTableView &view, const frame_bytes::Bytes &frame)
    {
        deliver(frame);
        view.RefreshDisplay();
    }
    static TValueGrid &grid(QWidget &view, const char *name)
    {
        auto *found = view.findChild<TValueGrid *>(name);
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    // The cells of `grid` row by row.
    static std::vector<QString> cells(const TValueGrid &grid)
    {
        std::vector<QString> texts;
        for (int row = 0; row < grid.rowCount(); ++row) {
            for (int column = 0; column < grid.columnCount(); ++column) {
                texts.push_back(grid.Cell(row, column));
            }
        }
        return texts;
    }
    static QString value(double number) { return QString::number(number, 'f', 3); }
};

} // namespace

// n = 7: row 0 and columns 0 and 1 of row 1 hold values, the other 33 cells are empty; a later
// frame with fewer states empties what the earlier one filled.
TEST_F(FilterViewTest, TheStateGridsFillRowByRowAndEmptyTheRest)
{
    auto &view = shown<TFormKfState>("FormKfState");
    show(view, kalman_update({7, 3, 7, 3}, 0));
    const TValueGrid &states = grid(view, "xMinus");
    ASSERT_EQ(states.rowCount(), 8);
    ASSERT_EQ(states.columnCount(), 5);
    const std::vector<QString> texts = cells(states);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i], i < 7 ? value(100.0 + static_cast<double>(i)) : QString()) << i;
    }
    EXPECT_EQ(states.Cell(1, 1), "106.000");
    EXPECT_EQ(grid(view, "rmsMinus").Cell(1, 0), "305.000");
    EXPECT_EQ(view.findChild<TValueLabel *>("updateTime")->text(), "12.500");

    show(view, kalman_update({2, 0, 2, 0}, 0));
    EXPECT_EQ(states.Cell(0, 1), "101.000");
    EXPECT_EQ(states.Cell(0, 2), "");
    EXPECT_EQ(states.Cell(1, 1), "");

    const QMap<QString, QString> outside = WindowValues(view);
    EXPECT_EQ(outside.value("xMinus[0,1]"), "101.000");
    EXPECT_EQ(outside.value("rmsMinus[0,0]"), "300.000");
    EXPECT_EQ(outside.value("updateTime"), "12.500");
    EXPECT_EQ(states.item(2, 3)->toolTip(), "Column 3 Row 2");
}

// 40 states fill every cell; 65535 stated with 40 sent show 40, never more.
TEST_F(FilterViewTest, CountsBeyondTheGridsShowWhatTheGridsHold)
{
    auto &view = shown<TFormKfState>("FormKfState");
    show(view, kalman_update({65535, 65535, 40, 20}, 0));
    const std::vector<QString> texts = cells(grid(view, "rmsMinus"));
    ASSERT_EQ(texts.size(), 40u);
    EXPECT_EQ(texts.back(), "339.000");
}

// Measurement i shows at cell i below 14 and at cell i + 1 from 14 on; cell 14 stays empty.
TEST_F(FilterViewTest, TheMeasurementGridsLeaveTheirGapAtPosition14)
{
    auto &view = shown<TFormKfMeasurements>("FormKfMeasurements");
    show(view, kalman_measurements(20, 20, 0xFFFFF));
    const TValueGrid &z = grid(view, "zData");
    ASSERT_EQ(z.rowCount(), 7);
    ASSERT_EQ(z.columnCount(), 3);
    EXPECT_EQ(z.Cell(4, 1), "23.000") << "measurement 13 at cell 13";
    EXPECT_EQ(z.Cell(4, 2), "") << "the gap";
    EXPECT_EQ(z.Cell(5, 0), "24.000") << "measurement 14 at cell 15";
    EXPECT_EQ(z.Cell(6, 2), "29.000") << "measurement 19 at cell 20";
    EXPECT_EQ(grid(view, "rData").Cell(5, 0), "44.000");
    EXPECT_EQ(view.findChild<TValueLabel *>("updateTime1")->text(), "11.250");
    EXPECT_EQ(z.item(5, 0)->toolTip(), "Nav-Fix N Pos (m)");
    EXPECT_EQ(z.item(4, 2)->toolTip(), "Spare");
    EXPECT_EQ(z.item(6, 2)->toolTip(), "Nav-Nul Z Vel (m/s)");

    // m = 65535 with room for 20: 20 values, the gap still empty.
    show(view, kalman_measurements(65535, 20, 0xFFFFF));
    const std::vector<QString> texts = cells(z);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), QString()), 1);
}

// A measurement the prefilter did not construct reads "N/A" in the normal colour, even when the
// filter's reject word names it; a constructed and rejected one is red in all four grids.
TEST_F(FilterViewTest, RejectedMeasurementsAreRedOnlyWhenConstructed)
{
    auto &view = shown<TFormKfMeasurements>("FormKfMeasurements");
    // Measurement 2 not constructed; 1, 2 and 16 rejected.
    show(view, kalman_measurements(20, 20, 0xFFFFF & ~(1U << 2)));
    show(view, kalman_update({5, 20, 5, 20}, (1U << 1) | (1U << 2) | (1U << 16)));
    for (const char *name : {"zData", "rData", "residuals", "rmsResiduals"}) {
        const TValueGrid &shown_grid = grid(view, name);
        EXPECT_EQ(shown_grid.Cell(0, 2), "N/A") << name;
        EXPECT_FALSE(shown_grid.CellMarked(0, 2)) << name;
        EXPECT_TRUE(shown_grid.CellMarked(0, 1)) << name;
        EXPECT_TRUE(shown_grid.CellMarked(5, 2)) << name << ": measurement 16 at cell 17";
        EXPECT_FALSE(shown_grid.CellMarked(0, 0)) << name;
        EXPECT_FALSE(shown_grid.CellMarked(4, 2)) << name << ": the gap is never red";
    }
    EXPECT_EQ(grid(view, "residuals").Cell(0, 1), "201.000");
    EXPECT_EQ(view.findChild<TValueLabel *>("updateTime2")->text(), "12.500");
    EXPECT_EQ(view.PaintedValues().value("residualsRed"), "[0,1] [5,2]");

    // The next update rejects nothing: the colours go.
    show(view, kalman_update({5, 20, 5, 20}, 0));
    EXPECT_FALSE(grid(view, "zData").CellMarked(0, 1));
    EXPECT_EQ(view.PaintedValues().value("zDataRed"), "");
}

// A construct word of all ones is "no data": nothing counts as constructed, every value "N/A",
// and no reject word can make a measurement red.
TEST_F(FilterViewTest, AnAllOnesConstructWordConstructsNothing)
{
    auto &view = shown<TFormKfMeasurements>("FormKfMeasurements");
    show(view, kalman_measurements(3, 3, 0xFFFFFFFF));
    show(view, kalman_update({0, 3, 0, 3}, 0b111));
    EXPECT_EQ(grid(view, "zData").Cell(0, 0), "N/A");
    EXPECT_EQ(grid(view, "residuals").Cell(0, 2), "N/A");
    EXPECT_FALSE(grid(view, "residuals").CellMarked(0, 0));
    EXPECT_EQ(grid(view, "residuals").Cell(1, 0), "");
    EXPECT_FALSE(view.constructed(0));

    // A reset forgets the flags and empties the grids.
    view.ResetDisplay(0);
    EXPECT_EQ(grid(view, "zData").Cell(0, 0), "");
    EXPECT_FALSE(view.rejected(0));
}

TEST_F(FilterViewTest, PairedGridsScrollAlike)
{
    auto &view = shown<TFormKfMeasurements>("FormKfMeasurements");
    TValueGrid &z = grid(view, "zData");
    TValueGrid &r = grid(view, "rData");
    z.verticalScrollBar()->setRange(0, 10);
    r.verticalScrollBar()->setRange(0, 10);
    z.verticalScrollBar()->setValue(3);
    EXPECT_EQ(r.verticalScrollBar()->value(), 3);
    r.verticalScrollBar()->setValue(5);
    EXPECT_EQ(z.verticalScrollBar()->value(), 5);
    EXPECT_EQ(grid(view, "residuals").verticalScrollBar()->value(), 0) << "not paired with these";
}

// The TWAN filter's views are the same views with other sizes: 20 states fill every cell of the
// four 5 x 4 state grids; 25 measurements fill 25 cells of the 5 x 6 grids and leave 5 empty.
TEST_F(FilterViewTest, TheTwanViewsAreTheSameViewsWithOtherSizes)
{
    auto &state = shown<TFormTwanKfState>("FormTwanKfState");
    show(state, twan_update({20, 25, 20, 25}, 0));
    for (const char *name : {"xMinus", "xPlus", "rmsMinus", "rmsPlus"}) {
        const std::vector<QString> texts = cells(grid(state, name));
        ASSERT_EQ(texts.size(), 20u) << name;
        EXPECT_EQ(std::count(texts.begin(), texts.end(), QString()), 0) << name;
    }
    EXPECT_EQ(grid(state, "xPlus").Cell(3, 4), "519.000");
    EXPECT_EQ(grid(state, "rmsPlus").Cell(0, 0), "700.000");

    auto &measurements = shown<TFormTwanKfMeas>("FormTwanKfMeas");
    show(measurements, twan_update({20, 25, 20, 25}, 0));
    show(measurements, twan_measurements(26, 26));
    const std::vector<QString> residuals = cells(grid(measurements, "rmsResiduals"));
    ASSERT_EQ(residuals.size(), 30u);
    EXPECT_EQ(std::count(residuals.begin(), residuals.end(), QString()), 5);
    EXPECT_EQ(residuals[24], "424.000");
    const std::vector<QString> z = cells(grid(measurements, "zData"));
    EXPECT_EQ(std::count(z.begin(), z.end(), QString()), 4);
    EXPECT_EQ(z[14], "24.000") << "no gap in the TWAN grids";
    EXPECT_EQ(measurements.findChild<TValueLabel *>("updateTime1")->text(), "11.250");
}
