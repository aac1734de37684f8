// Every row of every table-built view of the window table, found through the table so that a view
// is tested as soon as it has its row there: a group whose item holds a value shows the text the
// row's rule gives for it, the item's "no data" and a frame that ends before the item show "N/A"
// (an optional tail the frame does not carry shows nothing), a reset empties the row. And every
// row makes one window of its name, whose controls' names are all different.
//
// The frames and texts come from view_samples.h, independent of the view's own formatting.

#include "view_fixture.h"

#include "clipped_controls.h"
#include "controls/led_image.h"
#include "controls/value_label.h"
#include "shell/window_values.h"
#include "views/Form_table_view.h"

#include "view_samples.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string_view>

namespace {

using namespace view_samples;

bool in_grid(const SView_binding &row)
{
    return row.row >= 0;
}

QString row_name(const SView_binding &row)
{
    const QString name = row.control->objectName();
    return in_grid(row) ? QStringLiteral("%1[%2,%3]").arg(name).arg(row.row).arg(row.column) : name;
}

// True when a label has room for `text`: it is laid out for its widest texts, and one of those is
// at least as wide.
bool has_room_for(const SView_binding &row, const QString &text)
{
    const auto *label = qobject_cast<TValueLabel *>(row.control);
    if (label == nullptr) {
        return true;
    }
    const QFontMetrics metrics(label->font());
    return std::any_of(
        label->WidestTexts().begin(), label->WidestTexts().end(), [&](const QString &widest) {
            return metrics.horizontalAdvance(widest) >= metrics.horizontalAdvance(text);
        });
}

QString shown(const SView_binding &row)
{
    if (auto *grid = qobject_cast<TValueGrid *>(row.control)) {
        return grid->Cell(row.row, row.column);
    }
    if (auto *label = qobject_cast<QLabel *>(row.control)) {
        return label->text();
    }
    return qobject_cast<CLed_image *>(row.control)->State() ? on : off;
}

QString blank(const SView_binding &row)
{
    return row.rule ? QString() : off;
}

class WindowTableTest : public CView_fixture {
protected:
    std::vector<TFormTableView *> table_views()
    {
        std::vector<TFormTableView *> views;
        for (const QString &name : windows.names()) {
            if (auto *view = dynamic_cast<TFormTableView *>(windows.window(name))) {
                views.push_back(view);
            }
        }
        return views;
    }

    // Hands the group to every window and fills the view's controls, as showing it would.
    void show_group(TFormTableView &view, std::uint16_t number, const Bytes &payload)
    {
        deliver(frame_bytes::make_frame("$GRP", number, payload));
        view.RefreshDisplay();
    }

    void check_group(TFormTableView &view, std::uint16_t number,
                     const std::vector<SView_binding> &rows);
};

// What a row shows after a frame that ends at `end` (the frame's byte count is `end` less the
// prefix, plus the trailer): its sample when the frame holds its item, "N/A" when it does not;
// nothing for an item of an optional tail that the frame does not carry.
QString expected_after_cut(const SView_binding &row, const SSample &sample, std::size_t end)
{
    const bool held = place_of(row) + row.item->size() <= end;
    const std::size_t byte_count = end - prefix_length + trailer_length;
    if (row.rule && row.rule->is_tail() && !(byte_count > row.rule->short_byte_count() && held)) {
        return QString();
    }
    return held ? sample.text : without_value(row);
}

// "Plot this value": every control that shows a number gives a plot its own row's item, read from
// the frame just received, NaN where the control shows "N/A" or nothing; a text has none.
void check_plot_sources(TFormTableView &view, const std::vector<SView_binding> &rows,
                        const std::function<QString(std::size_t)> &text)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string where = view.objectName().toStdString() + ": " +
                                  row_name(rows[i]).toStdString();
        const std::optional<SPlot_source> source = view.plot_source(row_name(rows[i]));
        ASSERT_EQ(source.has_value(), static_cast<bool>(rows[i].number)) << where;
        if (!source) {
            continue;
        }
        EXPECT_EQ(source->window, view.objectName()) << where;
        const std::optional<double> sample = source->sample();
        ASSERT_TRUE(sample.has_value()) << where << ": the frame just received is of its group";
        EXPECT_EQ(std::isnan(*sample), text(i) == not_available || text(i).isEmpty())
            << where << " shows \"" << text(i).toStdString() << "\", sampled " << *sample;
        if (!std::isnan(*sample)) {
            EXPECT_EQ(*sample, rows[i].number()) << where;
        }
    }
}

void WindowTableTest::check_group(TFormTableView &view, std::uint16_t number,
                                  const std::vector<SView_binding> &rows)
{
    const CGroup_base &record = *rows.front().record;
    ASSERT_EQ(record.size() % 4, 0u) << number;
    for (const SView_binding &row : rows) {
        ASSERT_TRUE(sample_of(row))
            << row_name(row).toStdString() << ": no sample for an item of kind "
            << typeid(*row.item).name() << "; teach this test its type";
    }
    const SSampled_group sampled = sample_group(number, rows);
    const std::vector<SSample> &samples = sampled.samples;
    const std::string where = view.objectName().toStdString() + ", group " + std::to_string(number);
    view.select_group(number);

    show_group(view, number, sampled.valued);
    const QMap<QString, QString> read_from_outside = WindowValues(view);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(shown(rows[i]), samples[i].text)
            << where << ": " << row_name(rows[i]).toStdString();
        EXPECT_EQ(read_from_outside.value(row_name(rows[i]), "(not read)"), samples[i].text)
            << where << ", read from outside: " << row_name(rows[i]).toStdString();
        EXPECT_TRUE(has_room_for(rows[i], samples[i].text) && has_room_for(rows[i], not_available))
            << where << ": " << row_name(rows[i]).toStdString() << " is laid out too narrow";
    }
    check_plot_sources(view, rows, [&samples](std::size_t i) { return samples[i].text; });
    show_group(view, number, sampled.without_data);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(shown(rows[i]), samples[i].no_data_text)
            << where << ", no data: " << row_name(rows[i]).toStdString();
    }
    check_plot_sources(view, rows, [&samples](std::size_t i) { return samples[i].no_data_text; });

    // Cut at every length from the header's end on: what the frame holds shows, what it does not
    // shows "N/A" (or nothing, in an optional tail). A grid cell may be kept as it was by a group
    // that does not carry its column at all.
    const std::size_t header_end = frame_bytes::group(number, {}).size() - trailer_length;
    for (std::size_t end = (header_end + 3) / 4 * 4; end + trailer_length < record.size();
         end += 4) {
        view.ResetDisplay(0);
        show_group(view, number, cut(sampled.valued, end));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const QString expected = expected_after_cut(rows[i], samples[i], end);
            const QString text = shown(rows[i]);
            EXPECT_TRUE(text == expected || (in_grid(rows[i]) && text == blank(rows[i])))
                << where << ", cut at " << end << ": " << row_name(rows[i]).toStdString()
                << " shows \"" << text.toStdString() << "\", not \"" << expected.toStdString()
                << "\"";
        }
    }

    show_group(view, number, sampled.valued);
    view.ResetDisplay(0);
    for (const SView_binding &row : rows) {
        EXPECT_EQ(shown(row), blank(row)) << where << ", reset: " << row_name(row).toStdString();
    }
}

TEST_F(WindowTableTest, EveryRowOfEveryViewShowsItsItemByItsRule)
{
    const std::vector<TFormTableView *> views = table_views();
    ASSERT_FALSE(views.empty()) << "the window table has table-built views";
    for (TFormTableView *view : views) {
        std::map<std::uint16_t, std::vector<SView_binding>> by_group;
        for (const SView_binding &row : view->bindings()) {
            by_group[row.group].push_back(row);
        }
        ASSERT_FALSE(by_group.empty()) << view->objectName().toStdString();
        // The GNSS receivers' groups lay their frames out by the satellite count they carry, the
        // auxiliary receiver's behind a tab offered once it reports a mode: the GNSS view's own
        // tests send them whole.
        if (view->objectName() == "FormGpsData") {
            for (const std::uint16_t receiver : {3, 106, 107}) {
                EXPECT_EQ(by_group.erase(receiver), 1u) << receiver;
            }
        }
        for (const auto &[number, rows] : by_group) {
            check_group(*view, number, rows);
        }
    }
}

// A view asks the computer for the groups it shows when it opens, and for no others.
TEST_F(WindowTableTest, EveryViewAsksForTheGroupsItShows)
{
    for (const SWindow_row &row : WindowRows()) {
        auto *view = dynamic_cast<TFormTableView *>(windows.window(row.name));
        if (view == nullptr) {
            continue;
        }
        std::set<std::uint16_t> shown;
        for (const SView_binding &binding : view->bindings()) {
            shown.insert(binding.group);
        }
        // The second sensor's groups are not among those the display port can be asked for: the
        // sensor view shows them when they come, and asks for the first sensor's only.
        if (std::string_view(row.name) == "FormSensor") {
            shown.erase(103);
            shown.erase(105);
        }
        // Group 17 is the user time group of older computers: the user time view shows it when
        // one comes, and asks for Group 204 only.
        if (std::string_view(row.name) == "FormUserTime") {
            EXPECT_EQ(shown.erase(17), 1u);
        }
        // The GNSS view also shows the primary receiver's group, which its row does not ask for.
        if (std::string_view(row.name) == "FormGpsData") {
            EXPECT_EQ(shown.erase(3), 1u);
        }
        // The faults view lights its lamps from groups other windows ask for, and asks for none.
        if (std::string_view(row.name) == "FormFaults") {
            EXPECT_EQ(shown.erase(101), 1u);
        }
        EXPECT_EQ(std::set<std::uint16_t>(row.groups.begin(), row.groups.end()), shown) << row.name;
    }
}

// Every value label of every page reads whole, whatever its rule may give, at the size the view
// opens at and at the smallest it allows.
TEST_F(WindowTableTest, EveryValueOfEveryViewFitsItsWidestText)
{
    for (TFormTableView *view : table_views()) {
        ShowView(*view);
        for (const QSize size : {view->size(), view->minimumSize()}) {
            view->resize(size);
            auto *pages = view->findChild<QTabWidget *>("PageControl1");
            for (int page = 0; page < (pages != nullptr ? pages->count() : 1); ++page) {
                if (pages != nullptr) {
                    pages->setCurrentIndex(page);
                }
                QCoreApplication::processEvents();
                EXPECT_EQ(ClippedValueLabels(*view), QStringList())
                    << view->objectName().toStdString() << " at " << size.width() << "x"
                    << size.height() << ", page " << page;
            }
        }
        view->hide();
    }
}

// The table finds a window by the name of its row: a window named otherwise would be made again
// at every look-up.
TEST_F(WindowTableTest, EveryRowMakesOneWindowOfItsName)
{
    for (const QString &name : windows.names()) {
        TFormKoruBase *made = windows.window(name);
        ASSERT_NE(made, nullptr) << name.toStdString();
        EXPECT_EQ(made->objectName(), name);
        EXPECT_EQ(windows.window(name), made) << name.toStdString();
    }
    EXPECT_EQ(windows.window("FormNowhere"), nullptr);
}

// Scripts and tests find controls by name: a name given twice in a window would reach only one.
TEST_F(WindowTableTest, NoTwoControlsOfAWindowShareAName)
{
    std::vector<QWidget *> all{form.get()};
    for (const QString &name : windows.names()) {
        all.push_back(windows.window(name));
    }
    for (QWidget *window : all) {
        const QStringList names = ControlNames(*window);
        EXPECT_FALSE(names.isEmpty()) << window->objectName().toStdString();
        QStringList repeated;
        for (const QString &name : names) {
            if (names.count(name) > 1 && !repeated.contains(name)) {
                repeated.append(name);
            }
        }
        EXPECT_EQ(repeated, QStringList()) << window->objectName().toStdString();
    }
}

} // namespace
