#pragma once
// The status window of a task or port of the computer: a view built from one table per group it
// shows. A table is a list of group boxes, a box a list of rows, a row a caption and an item of
// the group with the rule that shows it, or the lamps of the bits of a bit set. A window is its
// caption and its tables; groups of one layout may share one set of controls behind tabs.
//
// Every value reads "-" until its group first arrives.

#include "views/Form_table_view.h"

#include <QCoreApplication>

#include <functional>
#include <initializer_list>
#include <vector>

// The caption of a row's control as the user reads it.
inline QString StatusText(const char *text)
{
    return QCoreApplication::translate("TFormStatusWindow", text);
}

// The lamp of bit `bit` of a bit set.
struct SStatus_lamp {
    unsigned bit;
    const char *caption;
};

// A row of a status table of group TGroup.
template <class TGroup>
class TStatus_row {
public:
    // A value label captioned `caption`, showing the item `accessor` gives by `rule`, with
    // `design_text` (instead of the window's) until the group first arrives.
    template <class TAccessor>
    TStatus_row(const char *caption, TAccessor accessor,
                const CText_rule &rule = CText_rule::natural(), const char *design_text = nullptr)
        : m_add([caption, accessor, rule, design_text](CView_box &box, TView_group<TGroup> &group) {
              TValueLabel &label = box.value(StatusText(caption), group, accessor, rule);
              if (design_text != nullptr) {
                  label.setText(StatusText(design_text));
              }
          })
    {}
    // A lamp for each of `lamps`, lit while its bit is set in the bit set `accessor` gives.
    template <class TAccessor>
    TStatus_row(TAccessor accessor, std::initializer_list<SStatus_lamp> lamps)
        : m_add([accessor, lamps = std::vector<SStatus_lamp>(lamps)](CView_box &box,
                                                                     TView_group<TGroup> &group) {
              for (const SStatus_lamp &lamp : lamps) {
                  box.lamp(StatusText(lamp.caption), group, accessor, std::uint64_t{1} << lamp.bit);
              }
          })
    {}

    // A label named `name` reading `text`, right of the row before, shown only while `shown`
    // holds for the group's copy.
    static TStatus_row flag(const char *text, bool (*shown)(TGroup &), const char *name)
    {
        return TStatus_row([text, shown, name](CView_box &box, TView_group<TGroup> &group) {
            box.flag(StatusText(text), group, std::function<bool(TGroup &)>(shown),
                     QString::fromLatin1(name));
        });
    }

    void add_to(CView_box &box, TView_group<TGroup> &group) const { m_add(box, group); }

private:
    explicit TStatus_row(std::function<void(CView_box &, TView_group<TGroup> &)> add)
        : m_add(std::move(add))
    {}

    std::function<void(CView_box &, TView_group<TGroup> &)> m_add;
};

// A group box of a status table. A box without a title frames its rows without a caption; a box
// with column titles shows the values of rows of one caption side by side.
template <class TGroup>
struct TStatus_box {
    TStatus_box(const char *box_title, std::vector<TStatus_row<TGroup>> box_rows,
                std::vector<const char *> titles_of_columns = {})
        : title(box_title), rows(std::move(box_rows)), column_titles(std::move(titles_of_columns))
    {}

    const char *title;
    std::vector<TStatus_row<TGroup>> rows;
    std::vector<const char *> column_titles;
};

template <class TGroup>
using TStatus_table = std::vector<TStatus_box<TGroup>>;

class TFormStatusWindow : public TFormTableView {
    Q_OBJECT
protected:
    TFormStatusWindow(const QString &name, const QString &caption, QWidget *parent);

    // The window's one group: the boxes of its table in `columns` columns.
    template <class TGroup>
    void show_table(const TStatus_table<TGroup> &table, int columns = 2);
    // Groups of one layout in one set of controls, chosen by a tab bar named `name` with a title
    // per group: each table's group in the order of the titles.
    template <class... TGroups>
    void show_tables_behind_tabs(const QString &name, const QStringList &titles,
                                 const TStatus_table<TGroups> &...tables);

private:
    template <class TGroup>
    CView_group &add_table(CView_page &area, const TStatus_table<TGroup> &table);
};

template <class TGroup>
CView_group &TFormStatusWindow::add_table(CView_page &area, const TStatus_table<TGroup> &table)
{
    TView_group<TGroup> &shown = group<TGroup>();
    for (const TStatus_box<TGroup> &box : table) {
        QStringList column_titles;
        for (const char *title : box.column_titles) {
            column_titles.append(StatusText(title));
        }
        CView_box &made = area.box(StatusText(box.title), column_titles);
        for (const TStatus_row<TGroup> &row : box.rows) {
            row.add_to(made, shown);
        }
    }
    return shown;
}

template <class TGroup>
void TFormStatusWindow::show_table(const TStatus_table<TGroup> &table, int columns)
{
    add_table(area(columns), table);
}

template <class... TGroups>
void TFormStatusWindow::show_tables_behind_tabs(const QString &name, const QStringList &titles,
                                                const TStatus_table<TGroups> &...tables)
{
    CView_page &shared = area(1);
    std::vector<CView_group *> groups;
    const auto add = [&](const auto &table) {
        groups.push_back(&add_table(shared, table));
        shared.again();
    };
    (add(tables), ...);
    group_tabs(name, titles, std::move(groups));
}
