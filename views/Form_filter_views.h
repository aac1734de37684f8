#pragma once
// The views of the two Kalman filters of the computer: the navigation filter (Groups 20101 and
// 20102) and the TWAN heading filter (Groups 20103 and 20104). Each filter has a view of its error
// state and one of its measurements; all four are one view with other sizes: grids filled from
// the groups' counted arrays, paired grids scrolled alike, update times below. The navigation
// filter's measurements also leave a gap in their grids, so that each row holds one sensor's
// components, and show rejected measurements in red.

#include "views/Form_table_view.h"
#include "views/filter_records.h"

#include <array>
#include <vector>

class QGridLayout;

class TFormFilterView : public TFormTableView {
    Q_OBJECT
public:
    // The cells a rejected measurement is shown in, as "[row,column]" in order, per grid name.
    QMap<QString, QString> PaintedValues() const override;

protected:
    // `cells` is the size of every grid of the view.
    TFormFilterView(const QString &name, const SArray_cells &cells, QWidget *parent);

    // A panel of the view: titled (a group box) or not, grids side by side, an update time under
    // them.
    QWidget *panel(const QString &title);
    // A grid in `panel` under the caption `caption`, filled from an array of `group`. `hint` gives
    // each cell's hint from its row and column.
    template <class TRecord, class TArray_accessor>
    TValueGrid &array_grid(QWidget *panel, const QString &caption, const QString &name,
                           TView_group<TRecord> &group, TArray_accessor array,
                           std::function<bool(std::size_t)> as_value = {});
    // The update time under the grids of `panel`.
    template <class TRecord, class TAccessor>
    void update_time(QWidget *panel, const QString &name, TView_group<TRecord> &group,
                     TAccessor accessor);
    void set_hints(const std::function<QString(int row, int column)> &hint);

    const SArray_cells &cells() const { return m_cells; }
    const std::vector<TValueGrid *> &array_grids() const { return m_array_grids; }

private:
    QGridLayout *layout_of(QWidget *panel) const;
    TValueGrid &add_grid(QWidget *panel, const QString &caption, const QString &name);
    TValueLabel &add_update_time(QWidget *panel, const QString &name);

    SArray_cells m_cells;
    std::vector<TValueGrid *> m_array_grids;
};

// The navigation filter's a-priori error state and its RMS.
class TFormKfState : public TFormFilterView {
    Q_OBJECT
public:
    explicit TFormKfState(QWidget *parent = nullptr);
};

// The TWAN filter's error state before and after the update, with their RMS.
class TFormTwanKfState : public TFormFilterView {
    Q_OBJECT
public:
    explicit TFormTwanKfState(QWidget *parent = nullptr);
};

// The navigation filter's measurements (Group 20102, "Prefilter") and residuals (Group 20101,
// "Filter"). A measurement the prefilter did not construct shows "N/A"; a constructed one the
// filter rejected shows in red in all four grids.
class TFormKfMeasurements : public TFormFilterView {
    Q_OBJECT
public:
    static constexpr std::size_t measurement_count = CGroup20101::measurement_capacity;

    explicit TFormKfMeasurements(QWidget *parent = nullptr);

    bool UpdateFromGroup(int argument) override;
    void ResetDisplay(int argument) override;

    bool constructed(std::size_t measurement) const { return m_constructed[measurement]; }
    bool rejected(std::size_t measurement) const { return m_rejected[measurement]; }

private:
    // Flags from a group just taken into its copy.
    void take_constructed(CGroup20102 &measurements);
    void take_rejected(CGroup20101 &update);
    void mark_rejected();

    TView_group<CGroup20102> *m_measurements = nullptr;
    TView_group<CGroup20101> *m_update = nullptr;
    std::array<bool, measurement_count> m_constructed{};
    // The constructed flags as the last Group 20101 found them: which residuals it shows.
    std::array<bool, measurement_count> m_residual_constructed{};
    std::array<bool, measurement_count> m_rejected{};
};

// The TWAN filter's measurements (Group 20104) and residuals (Group 20103).
class TFormTwanKfMeas : public TFormFilterView {
    Q_OBJECT
public:
    explicit TFormTwanKfMeas(QWidget *parent = nullptr);
};

// --- templates -------------------------------------------------------------------------------

template <class TRecord, class TArray_accessor>
TValueGrid &TFormFilterView::array_grid(QWidget *panel, const QString &caption,
                                        const QString &name, TView_group<TRecord> &group,
                                        TArray_accessor array,
                                        std::function<bool(std::size_t)> as_value)
{
    TValueGrid &grid = add_grid(panel, caption, name);
    BindArrayCells(grid, m_cells, group, array, CText_rule::picture("0.000"), std::move(as_value));
    return grid;
}

template <class TRecord, class TAccessor>
void TFormFilterView::update_time(QWidget *panel, const QString &name, TView_group<TRecord> &group,
                                  TAccessor accessor)
{
    const CText_rule rule = CText_rule::picture("0.000");
    TValueLabel &label = add_update_time(panel, name);
    label.SetWidestTexts(WidestTexts(rule, ItemOf(group, accessor)));
    BindLabel(label, group, accessor, rule);
}
