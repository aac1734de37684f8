#pragma once
// The base of the views built from rows. A view states the groups it shows, in the order they
// are matched, and rows that bind one item of a group to one control with a rule; the kit builds
// pages, group boxes, captions, value labels, lamps and grids from the rows, names each control,
// fills them when their group arrives and blanks them when the computer changes.
//
// Every matched group is copied (by the frame's own length) into a private copy of the view's
// own; the controls are filled from the copy at most at the screen's pace, and only while the
// view is shown, so that the cost of showing does not grow with the rate of the computer.

#include "controls/led_image.h"
#include "controls/value_grid.h"
#include "controls/value_label.h"
#include "protocol/group_copy.h"
#include "shell/Form_koru_view.h"
#include "shell/program.h"
#include "shell/value_plotter.h"
#include "views/display_pace.h"
#include "views/view_rules.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAbstractScrollArea;
class QGridLayout;
class QGroupBox;
class QLabel;
class QTabBar;
class QTabWidget;

// What a row binds: a control (a label, a lamp, or a cell of a grid) and an item of a group's
// private copy, with the rule that turns the item into what the control shows.
struct SView_binding {
    QWidget *control = nullptr;
    int row = -1; // the cell of a grid
    int column = -1;
    std::uint16_t group = 0;
    const CGroup_base *record = nullptr; // the private copy
    const CItem *item = nullptr;
    std::optional<CText_rule> rule; // none for a lamp
    std::uint64_t mask = 0;         // a lamp's bits
    bool inverted = false;
    // False for a row that shows a whole array, or does something of the view's own: it is not
    // one control showing one item.
    bool one_item = true;
    // The item's value as a number (NaN where the control shows "N/A" or nothing), for a plot to
    // follow; empty for a row that shows no number.
    std::function<double()> number = {};
};

// One control bound to one item of a group's private copy.
class CView_row {
public:
    explicit CView_row(SView_binding binding) : m_binding(std::move(binding)) {}
    virtual ~CView_row() = default;
    // Shows the copy's item now.
    virtual void show() = 0;
    // Back to "no data".
    virtual void blank() = 0;
    const SView_binding &binding() const { return m_binding; }

private:
    SView_binding m_binding;
};

// A group a view shows: the shared record, by which the view sees that the group just came, and
// the private copy its rows read.
class CView_group {
public:
    virtual ~CView_group() = default;
    // Takes the group into the copy when it is the one just received; true when it was.
    virtual bool take_if_current() = 0;
    virtual void clear() = 0;
    virtual std::uint16_t number() const = 0;

    // True while the copy holds a frame of the group.
    virtual bool holds_frame() const = 0;
    // Whether the rows show this group now (not behind another group's tab).
    bool in_front() const { return m_in_front; }

    // Shows the copy on every row, when it changed since the last time and the rows are in front.
    void refresh();
    void blank();
    // Whether the rows show this group: a group behind a tab keeps taking its frames into the
    // copy, and its rows show the copy when its tab comes to the front (nothing, before the first
    // frame).
    void set_in_front(bool in_front);
    void add_row(std::unique_ptr<CView_row> row) { m_rows.push_back(std::move(row)); }
    bool changed() const { return m_changed; }
    // Shows the copy again at the next refresh, when it holds a frame: something of the view's own
    // that its rows follow has changed.
    void show_again() { m_changed = m_changed || holds_frame(); }
    const std::vector<std::unique_ptr<CView_row>> &rows() const { return m_rows; }

protected:
    bool m_changed = false;

private:
    void blank_rows();

    std::vector<std::unique_ptr<CView_row>> m_rows;
    bool m_in_front = true;
};

template <class TRecord>
class TView_group : public CView_group {
public:
    TView_group() { Get(Program().groups, m_shared); }

    bool take_if_current() override
    {
        if (!m_shared->is_current()) {
            return false;
        }
        m_copy.take(*m_shared);
        m_changed = true;
        return true;
    }
    void clear() override
    {
        m_copy.clear();
        m_changed = false;
    }
    std::uint16_t number() const override { return TRecord::number_of_record; }
    bool holds_frame() const override { return m_copy.holds_frame(); }
    // The copy rows read.
    TRecord &record() { return m_copy.record(); }

private:
    TRecord *m_shared = nullptr;
    TGroup_copy<TRecord> m_copy;
};

// A row's item: the copy's record and the item of it, found once when the row is made.
template <class TRecord, class TAccessor>
auto &ItemOf(TView_group<TRecord> &group, TAccessor &&accessor)
{
    return std::invoke(std::forward<TAccessor>(accessor), group.record());
}

// A group box of caption and value pairs, one pair per row. A box with column titles shows the
// values of rows of one caption side by side, under the titles.
//
// Several groups of one layout may share the box's controls: after again(), values and lamps take
// the controls made before, in the order they were made, instead of making new ones.
class CView_box {
public:
    CView_box(QGroupBox *box, QString name_prefix, std::function<QString()> design_text,
              QStringList column_titles = {});

    // A value label captioned `caption`. `name` is the control's object name; by default the
    // box's prefix followed by the caption in camel case. Returns the label.
    template <class TRecord, class TAccessor>
    TValueLabel &value(const QString &caption, TView_group<TRecord> &group, TAccessor accessor,
                       const CText_rule &rule = CText_rule::natural(), const QString &name = {});

    // A lamp captioned `caption`: on when any bit of `mask` is set in the item (or clear, when
    // `inverted`); dark when the frame does not hold the item.
    template <class TRecord, class TAccessor>
    CLed_image &lamp(const QString &caption, TView_group<TRecord> &group, TAccessor accessor,
                     std::uint64_t mask, bool inverted = false, const QString &name = {});

    // A value label captioned `caption` whose text `text` makes from the copy's record, for a
    // value that no rule of one item shows (a time tag with its type, a word read from bits).
    // `widest` lists the texts that could be its widest. It binds no single item, so it is no
    // row of TFormTableView::bindings().
    template <class TRecord>
    TValueLabel &derived(const QString &caption, TView_group<TRecord> &group,
                         std::function<QString(TRecord &)> text, const QStringList &widest,
                         const QString &name = {});
    // A label named `name` reading `text`, right of the control made last, shown only while
    // `shown` holds for the copy's record: hidden before the first frame and after a reset.
    template <class TRecord>
    QLabel &flag(const QString &text, TView_group<TRecord> &group,
                 std::function<bool(TRecord &)> shown, const QString &name);

    QGroupBox *box() const { return m_box; }
    // From here on, the controls made so far are taken again, in order.
    void again();

private:
    TValueLabel *add_label(const QString &caption, const QString &name, const QStringList &widest);
    CLed_image *add_lamp(const QString &caption, const QString &name);
    QLabel *add_flag(const QString &text, const QString &name);
    // The row and value column of the next control captioned `caption`; a new row unless the box
    // has column titles and the row before has this caption and a free column.
    std::pair<int, int> place_of(const QString &caption);
    QString control_name(const QString &caption, const QString &name, int column) const;

    QGroupBox *m_box;
    QGridLayout *m_grid;
    QString m_prefix;
    std::function<QString()> m_design_text;
    QStringList m_column_titles;
    QString m_last_caption;
    int m_last_row = -1;
    int m_last_column = 0;
    std::vector<TValueLabel *> m_labels;
    std::vector<CLed_image *> m_lamps;
    std::vector<QLabel *> m_flags;
    std::size_t m_next_label = 0;
    std::size_t m_next_lamp = 0;
    std::size_t m_next_flag = 0;
};

// A page of the view's `PageControl1`, or the view's own area: group boxes in columns.
class CView_page {
public:
    CView_page(QWidget *area, QString name_prefix, int columns,
               std::function<QString()> design_text);
    // A new group box; after again(), the boxes made before, in order.
    CView_box &box(const QString &title, const QStringList &column_titles = {});
    QWidget *area() const { return m_area; }
    // From here on, the boxes and controls made so far are taken again, in order: the rows of
    // another group of the same layout share them.
    void again();

private:
    QWidget *m_area;
    QGridLayout *m_layout;
    QString m_prefix;
    int m_columns;
    std::function<QString()> m_design_text;
    std::vector<std::unique_ptr<CView_box>> m_boxes;
    std::size_t m_next_box = 0;
};

// Binds `label` to an item of a group's private copy: the label shows the item by `rule` when its
// group arrives, and is emptied with the group.
template <class TRecord, class TAccessor>
void BindLabel(TValueLabel &label, TView_group<TRecord> &group, TAccessor accessor,
               const CText_rule &rule = CText_rule::natural());

// Where the values of an array go in a grid of `columns` x `rows` cells: value i at position i
// (column i mod columns, row i div columns), counting from the first row of cells; positions from
// `gap` on are taken by the value before, so that the gap's cell is never written.
struct SArray_cells {
    int columns;
    int rows;
    int gap = -1; // none
    int first_row = 0; // the row of cells the first value goes to

    int positions() const { return columns * rows; }
    // The value shown at `position`, or -1 for the gap.
    int value_at(int position) const
    {
        if (gap < 0 || position < gap) {
            return position;
        }
        return position == gap ? -1 : position - 1;
    }
};

// Fills `grid` from an array of a group's private copy as `cells` says: the values the array holds
// (as many as its count, which the copy laid out for), every other cell emptied. A value for which
// `as_value` says false shows "N/A" instead.
template <class TRecord, class TArray_accessor>
void BindArrayCells(TValueGrid &grid, const SArray_cells &cells, TView_group<TRecord> &group,
                    TArray_accessor array, const CText_rule &rule,
                    std::function<bool(std::size_t)> as_value = {});

// Fills `grid` from one item of each record of an array of a group's private copy, as `cells`
// says: `field` of the record at index i is value i. Records the array does not hold (as many as
// its count) leave their cells empty.
template <class TRecord, class TArray_accessor, class TField_accessor>
void BindArrayField(TValueGrid &grid, const SArray_cells &cells, TView_group<TRecord> &group,
                    TArray_accessor array, TField_accessor field, const CText_rule &rule);

// A row that does something of the view's own when `group` is shown (`show`) and when it is
// blanked (`blank`): what a view shows of a group beyond one item per control.
void AddActionRow(CView_group &group, std::function<void()> show, std::function<void()> blank);

// Keeps two scrolled grids (or lists) at the same top-left cell, whichever of them scrolls.
void PairScrolling(QAbstractScrollArea &first, QAbstractScrollArea &second);

class TFormTableView : public TFormKoruView, public IPlot_sources {
    Q_OBJECT
public:
    TFormTableView(const QString &name, QWidget *parent = nullptr);
    ~TFormTableView() override;

    // The first of the view's groups that is the frame just received takes it; the controls
    // follow at the screen's pace.
    bool UpdateFromGroup(int argument) override;
    void ResetDisplay(int argument) override;
    void SetDataStale(bool stale) override;
    // Fills the controls from the copies now.
    void RefreshDisplay() override;
    // Every row of the view that shows one item: which control shows it, by which rule.
    std::vector<SView_binding> bindings() const;
    // Brings the tab of group `number` to the front, when its rows share controls behind tabs.
    void select_group(std::uint16_t number);
    // The number a label, or a cell "Name[row,column]" of a grid, shows, of the group in front
    // when groups share the control. Its sample takes the frame just received into the view's
    // copy, so that it reads the frame whichever window is told of it first.
    std::optional<SPlot_source> plot_source(const QString &control) override;

protected:
    // The groups the view shows, in the order they are matched.
    template <class TRecord>
    TView_group<TRecord> &group();
    // A page of `PageControl1` (made with the first page), or the view's own area when the view
    // has no pages; its group boxes are laid out in `columns` columns. The name prefix of the
    // page's controls is its title in camel case.
    CView_page &page(const QString &title, int columns = 2);
    CView_page &area(int columns = 2);
    // A grid below the pages: `rows` including the title row.
    TValueGrid &grid(const QString &name, int rows, const QStringList &titles,
                     int column_width = 80, int row_height = 20);
    // A grid cell bound to an item. `shown` tells whether a received group carries the cell at
    // all: when it does not, the cell keeps what it showed.
    template <class TRecord, class TAccessor>
    void cell(TValueGrid &grid, int row, int column, TView_group<TRecord> &group,
              TAccessor accessor, const CText_rule &rule = CText_rule::natural(),
              std::function<bool(TRecord &)> shown = {});
    // A tab bar above the view's controls, named `name`, a tab per group: the controls show the
    // group of the selected tab (see CView_page::again); the other groups keep their frames in
    // their copies until their tab is selected.
    QTabBar &group_tabs(const QString &name, const QStringList &titles,
                        std::vector<CView_group *> groups);
    // The text of every value before its first group arrives (empty unless the view says).
    void set_design_text(const QString &text) { m_design_text = text; }
    const QString &design_text() const { return m_design_text; }

    void showEvent(QShowEvent *event) override;

private:
    void fill();
    QTabWidget *pages();
    // Gives every control that shows a number "Plot this value" in its context menu.
    void offer_plotting();
    void bring_to_front(int tab);

    std::vector<std::unique_ptr<CView_group>> m_groups;
    std::vector<std::unique_ptr<CView_page>> m_pages;
    std::vector<TValueGrid *> m_grids;
    QTabWidget *m_page_control = nullptr;
    QTabBar *m_group_tabs = nullptr;
    std::vector<CView_group *> m_tabbed_groups;
    CDisplay_pace m_pace;
    QString m_design_text;
    bool m_plotting_offered = false;
};

// --- templates -------------------------------------------------------------------------------

namespace view_kit_detail {

// A text row: a label or a grid cell, filled by a rule from one item.
class CText_row : public CView_row {
public:
    CText_row(SView_binding binding, std::function<QString()> text,
              std::function<void(const QString &)> set, std::function<bool()> shown)
        : CView_row(std::move(binding)),
          m_text(std::move(text)),
          m_set(std::move(set)),
          m_shown(std::move(shown))
    {}
    void show() override
    {
        if (!m_shown || m_shown()) {
            m_set(m_text());
        }
    }
    void blank() override { m_set(QString()); }

private:
    std::function<QString()> m_text;
    std::function<void(const QString &)> m_set;
    std::function<bool()> m_shown;
};

class CLamp_row : public CView_row {
public:
    CLamp_row(SView_binding binding, CLed_image *lamp, std::function<bool()> state)
        : CView_row(std::move(binding)), m_lamp(lamp), m_state(std::move(state))
    {}
    void show() override { m_lamp->Set_state(m_state()); }
    void blank() override { m_lamp->Set_state(false); }

private:
    CLed_image *m_lamp;
    std::function<bool()> m_state;
};

class CAction_row : public CView_row {
public:
    CAction_row(SView_binding binding, std::function<void()> on_show,
                std::function<void()> on_blank)
        : CView_row(std::move(binding)), m_show(std::move(on_show)), m_blank(std::move(on_blank))
    {}
    void show() override { m_show(); }
    void blank() override { m_blank(); }

private:
    std::function<void()> m_show;
    std::function<void()> m_blank;
};

// An array's values in the cells of a grid.
class CArray_cells_row : public CView_row {
public:
    CArray_cells_row(SView_binding binding, TValueGrid &grid, const SArray_cells &cells,
                     std::function<QString(std::size_t)> text_of)
        : CView_row(std::move(binding)), m_grid(grid), m_cells(cells), m_text_of(std::move(text_of))
    {}
    void show() override
    {
        for (int position = 0; position < m_cells.positions(); ++position) {
            const int value = m_cells.value_at(position);
            set(position, value < 0 ? QString() : m_text_of(static_cast<std::size_t>(value)));
        }
    }
    void blank() override
    {
        for (int position = 0; position < m_cells.positions(); ++position) {
            set(position, QString());
        }
    }

private:
    void set(int position, const QString &text)
    {
        m_grid.SetCell(m_grid.FirstCellRow() + m_cells.first_row + position / m_cells.columns,
                       m_grid.FirstCellColumn() + position % m_cells.columns, text);
    }

    TValueGrid &m_grid;
    SArray_cells m_cells;
    std::function<QString(std::size_t)> m_text_of;
};

// A label shown while a condition on the group's copy holds.
class CFlag_row : public CView_row {
public:
    CFlag_row(SView_binding binding, QWidget *flag, std::function<bool()> shown)
        : CView_row(std::move(binding)), m_flag(flag), m_shown(std::move(shown))
    {}
    void show() override { m_flag->setVisible(m_shown()); }
    void blank() override { m_flag->setVisible(false); }

private:
    QWidget *m_flag;
    std::function<bool()> m_shown;
};

} // namespace view_kit_detail

template <class TRecord>
TValueLabel &CView_box::derived(const QString &caption, TView_group<TRecord> &group,
                                std::function<QString(TRecord &)> text, const QStringList &widest,
                                const QString &name)
{
    TValueLabel *label = add_label(caption, name, widest);
    TRecord &record = group.record();
    SView_binding binding; // no single item: no row of bindings()
    binding.one_item = false;
    binding.control = label;
    binding.group = TRecord::number_of_record;
    binding.record = &record;
    group.add_row(std::make_unique<view_kit_detail::CText_row>(
        std::move(binding), [&record, text = std::move(text)] { return text(record); },
        [label](const QString &shown) {
            if (label->text() != shown) {
                label->setText(shown);
            }
        },
        std::function<bool()>{}));
    return *label;
}

template <class TRecord>
QLabel &CView_box::flag(const QString &text, TView_group<TRecord> &group,
                        std::function<bool(TRecord &)> shown, const QString &name)
{
    QLabel *label = add_flag(text, name);
    TRecord &record = group.record();
    SView_binding binding; // no single item: no row of bindings()
    binding.one_item = false;
    binding.control = label;
    binding.group = TRecord::number_of_record;
    binding.record = &record;
    group.add_row(std::make_unique<view_kit_detail::CFlag_row>(
        std::move(binding), label, [&record, shown = std::move(shown)] { return shown(record); }));
    return *label;
}

template <class TRecord, class TAccessor>
void BindLabel(TValueLabel &label, TView_group<TRecord> &group, TAccessor accessor,
               const CText_rule &rule)
{
    auto &item = ItemOf(group, accessor);
    TRecord &record = group.record();
    TValueLabel *shown = &label;
    SView_binding binding{shown, -1, -1, TRecord::number_of_record, &record, &item, rule};
    binding.number = NumberOf(rule, record, item);
    group.add_row(std::make_unique<view_kit_detail::CText_row>(
        std::move(binding), [&record, &item, rule] { return FormatItem(rule, record, item); },
        [shown](const QString &text) {
            if (shown->text() != text) {
                shown->setText(text);
            }
        },
        std::function<bool()>{}));
}

template <class TRecord, class TAccessor>
TValueLabel &CView_box::value(const QString &caption, TView_group<TRecord> &group,
                              TAccessor accessor, const CText_rule &rule, const QString &name)
{
    TValueLabel *label = add_label(caption, name, WidestTexts(rule, ItemOf(group, accessor)));
    BindLabel(*label, group, accessor, rule);
    return *label;
}

namespace view_kit_detail {

// The values of an array in a grid's cells: `item_of` gives the item of the array's record at an
// index that shows as its value.
template <class TRecord, class TArray, class TItem_of>
void bind_array(TValueGrid &grid, const SArray_cells &cells, TView_group<TRecord> &group,
                TArray &values, TItem_of item_of, const CText_rule &rule,
                std::function<bool(std::size_t)> as_value)
{
    for (int column = 0; column < cells.columns; ++column) {
        grid.AddWidestTexts(grid.FirstCellColumn() + column, WidestTexts(rule, item_of(values[0])));
    }
    TRecord &record = group.record();
    SView_binding binding{&grid, -1, -1, TRecord::number_of_record, &record, &values, rule};
    binding.one_item = false;
    group.add_row(std::make_unique<CArray_cells_row>(
        std::move(binding), grid, cells,
        [&record, &values, item_of, rule, as_value](std::size_t index) {
            if (index >= values.count()) {
                return QString();
            }
            if (as_value && !as_value(index)) {
                return LoadText(string_id::not_available);
            }
            return FormatItem(rule, record, item_of(values[index]));
        }));
}

} // namespace view_kit_detail

template <class TRecord, class TArray_accessor>
void BindArrayCells(TValueGrid &grid, const SArray_cells &cells, TView_group<TRecord> &group,
                    TArray_accessor array, const CText_rule &rule,
                    std::function<bool(std::size_t)> as_value)
{
    view_kit_detail::bind_array(
        grid, cells, group, ItemOf(group, array), [](auto &value) -> auto & { return value; },
        rule, std::move(as_value));
}

template <class TRecord, class TArray_accessor, class TField_accessor>
void BindArrayField(TValueGrid &grid, const SArray_cells &cells, TView_group<TRecord> &group,
                    TArray_accessor array, TField_accessor field, const CText_rule &rule)
{
    view_kit_detail::bind_array(
        grid, cells, group, ItemOf(group, array),
        [field](auto &value) -> auto & { return std::invoke(field, value); }, rule, {});
}

template <class TRecord, class TAccessor>
CLed_image &CView_box::lamp(const QString &caption, TView_group<TRecord> &group, TAccessor accessor,
                            std::uint64_t mask, bool inverted, const QString &name)
{
    auto &item = ItemOf(group, accessor);
    CLed_image *lamp = add_lamp(caption, name);
    TRecord &record = group.record();
    SView_binding binding{lamp, -1, -1, TRecord::number_of_record, &record, &item, std::nullopt,
                          mask, inverted};
    group.add_row(std::make_unique<view_kit_detail::CLamp_row>(
        std::move(binding), lamp, [&record, &item, mask, inverted] {
        if (!record.has_value(item)) {
            return false;
        }
        const bool any = (static_cast<std::uint64_t>(item.get()) & mask) != 0;
        return any != inverted;
    }));
    return *lamp;
}

template <class TRecord>
TView_group<TRecord> &TFormTableView::group()
{
    for (const auto &known : m_groups) {
        if (auto *same = dynamic_cast<TView_group<TRecord> *>(known.get())) {
            return *same;
        }
    }
    auto added = std::make_unique<TView_group<TRecord>>();
    TView_group<TRecord> &group = *added;
    m_groups.push_back(std::move(added));
    return group;
}

template <class TRecord, class TAccessor>
void TFormTableView::cell(TValueGrid &grid, int row, int column, TView_group<TRecord> &group,
                          TAccessor accessor, const CText_rule &rule,
                          std::function<bool(TRecord &)> shown)
{
    auto &item = ItemOf(group, accessor);
    grid.AddWidestTexts(column, WidestTexts(rule, item));
    TRecord &record = group.record();
    std::function<bool()> carried;
    if (shown) {
        carried = [&record, shown] { return shown(record); };
    }
    SView_binding binding{&grid, row, column, TRecord::number_of_record, &record, &item, rule};
    binding.number = NumberOf(rule, record, item);
    group.add_row(std::make_unique<view_kit_detail::CText_row>(
        std::move(binding), [&record, &item, rule] { return FormatItem(rule, record, item); },
        [&grid, row, column](const QString &text) { grid.SetCell(row, column, text); },
        std::move(carried)));
}
