#include "views/Form_filter_views.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

namespace {

// The navigation filter's measurements by their cell in the grids, row by row: each row of three
// holds one sensor's components.
const char *const measurement_names[] = {
    "Nav-PGPS N Pos (m)",   "Nav-PGPS E Pos (m)",   "Nav-PGPS D Pos (m)",
    "Nav-AGPS N Pos (m)",   "Nav-AGPS E Pos (m)",   "Nav-AGPS D Pos (m)",
    "Nav-GPS N Vel (m/s)",  "Nav-GPS E Vel (m/s)",  "Nav-GPS D Vel (m/s)",
    "Nav-DMI X Vel (m/s)",  "Nav-DMI Y Vel (m/s)",  "Nav-DMI Z Vel (m/s)",
    "Nav-TWAN sPsiz (rad)", "Nav-TWAN cPsiz (rad)", "Spare",
    "Nav-Fix N Pos (m)",    "Nav-Fix E Pos (m)",    "Nav-Fix D Pos (m)",
    "Nav-Nul X Vel (m/s)",  "Nav-Nul Y Vel (m/s)",  "Nav-Nul Z Vel (m/s)",
};

constexpr int grid_column_width = 80;
constexpr int grid_row_height = 20;
// Grids side by side in a panel before the next ones go below.
constexpr int grids_per_row = 2;

QString state_cell_hint(int row, int column)
{
    return QObject::tr("Column %1 Row %2").arg(column).arg(row);
}

} // namespace

// --- the shared view -----------------------------------------------------------------------

TFormFilterView::TFormFilterView(const QString &name, const SArray_cells &cells, QWidget *parent)
    : TFormTableView(name, parent), m_cells(cells)
{}

QWidget *TFormFilterView::panel(const QString &title)
{
    QWidget *made = title.isEmpty() ? new QWidget(BorderBevel()) : new QGroupBox(title, BorderBevel());
    new QGridLayout(made);
    content()->addWidget(made);
    return made;
}

QGridLayout *TFormFilterView::layout_of(QWidget *panel) const
{
    return static_cast<QGridLayout *>(panel->layout());
}

TValueGrid &TFormFilterView::add_grid(QWidget *panel, const QString &caption, const QString &name)
{
    QGridLayout *layout = layout_of(panel);
    const int index = static_cast<int>(panel->findChildren<TValueGrid *>().size());
    const int row = 2 * (index / grids_per_row);
    const int column = index % grids_per_row;
    auto *grid = new TValueGrid(m_cells.rows, m_cells.columns, grid_column_width, grid_row_height,
                                panel);
    grid->setObjectName(name);
    layout->addWidget(new QLabel(caption, panel), row, column);
    layout->addWidget(grid, row + 1, column);
    m_array_grids.push_back(grid);
    return *grid;
}

TValueLabel &TFormFilterView::add_update_time(QWidget *panel, const QString &name)
{
    QGridLayout *layout = layout_of(panel);
    auto *line = new QHBoxLayout;
    auto *label = new TValueLabel(panel);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    line->addWidget(new QLabel(tr("Update Time"), panel));
    line->addWidget(label);
    line->addStretch();
    layout->addLayout(line, layout->rowCount(), 0, 1, grids_per_row);
    return *label;
}

void TFormFilterView::set_hints(const std::function<QString(int row, int column)> &hint)
{
    for (TValueGrid *grid : m_array_grids) {
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = 0; column < grid->columnCount(); ++column) {
                grid->item(row, column)->setToolTip(hint(row, column));
            }
        }
    }
}

QMap<QString, QString> TFormFilterView::PaintedValues() const
{
    QMap<QString, QString> values;
    for (const TValueGrid *grid : m_array_grids) {
        QStringList marked;
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = 0; column < grid->columnCount(); ++column) {
                if (grid->CellMarked(row, column)) {
                    marked.append(QStringLiteral("[%1,%2]").arg(row).arg(column));
                }
            }
        }
        values.insert(grid->objectName() + QStringLiteral("Red"), marked.join(' '));
    }
    return values;
}

// --- the four views ------------------------------------------------------------------------

TFormKfState::TFormKfState(QWidget *parent) : TFormFilterView("FormKfState", {5, 8}, parent)
{
    setWindowTitle(tr("Kalman Filter Error State and RMS"));
    auto &update = group<CGroup20101>();
    QWidget *grids = panel(QString());
    array_grid(grids, tr("Error State (X-)"), "xMinus", update, &CGroup20101::x_minus);
    array_grid(grids, tr("RMS (minus)"), "rmsMinus", update, &CGroup20101::rms_minus);
    PairScrolling(*array_grids()[0], *array_grids()[1]);
    update_time(grids, "updateTime", update, &CGroup20101::update_time);
    set_hints(state_cell_hint);
}

TFormTwanKfState::TFormTwanKfState(QWidget *parent) : TFormFilterView("FormTwanKfState", {5, 4}, parent)
{
    setWindowTitle(tr("TWAN Error States and RMS"));
    auto &update = group<CGroup20103>();
    QWidget *grids = panel(QString());
    array_grid(grids, tr("Error State (X-)"), "xMinus", update, &CGroup20103::x_minus);
    array_grid(grids, tr("Error State (X+)"), "xPlus", update, &CGroup20103::x_plus);
    array_grid(grids, tr("RMS (minus)"), "rmsMinus", update, &CGroup20103::rms_minus);
    array_grid(grids, tr("RMS (plus)"), "rmsPlus", update, &CGroup20103::rms_plus);
    // Each state grid scrolls with its RMS grid.
    PairScrolling(*array_grids()[0], *array_grids()[2]);
    PairScrolling(*array_grids()[1], *array_grids()[3]);
    update_time(grids, "updateTime", update, &CGroup20103::update_time);
}

TFormKfMeasurements::TFormKfMeasurements(QWidget *parent)
    : TFormFilterView("FormKfMeasurements", {3, 7, 14}, parent)
{
    setWindowTitle(tr("Kalman Filter Measurements"));
    m_measurements = &group<CGroup20102>();
    m_update = &group<CGroup20101>();
    const auto constructed = [this](std::size_t index) { return m_constructed[index]; };
    const auto residual_shown = [this](std::size_t index) { return m_residual_constructed[index]; };

    QWidget *prefilter = panel(tr("Prefilter"));
    array_grid(prefilter, tr("Measurement"), "zData", *m_measurements, &CGroup20102::z,
               constructed);
    array_grid(prefilter, tr("Measurement Noise Standard Deviation"), "rData", *m_measurements,
               &CGroup20102::r, constructed);
    update_time(prefilter, "updateTime1", *m_measurements, &CGroup20102::measurement_time_1);
    QWidget *filter = panel(tr("Filter"));
    array_grid(filter, tr("Measurement Residuals"), "residuals", *m_update,
               &CGroup20101::meas_res, residual_shown);
    array_grid(filter, tr("Measurement Residuals Standard Deviation"), "rmsResiduals", *m_update,
               &CGroup20101::rms_meas_res, residual_shown);
    update_time(filter, "updateTime2", *m_update, &CGroup20101::update_time);
    PairScrolling(*array_grids()[0], *array_grids()[1]);
    PairScrolling(*array_grids()[2], *array_grids()[3]);
    set_hints([this](int row, int column) {
        const int position = row * cells().columns + column;
        return position < static_cast<int>(std::size(measurement_names))
                   ? QString::fromLatin1(measurement_names[position])
                   : QString();
    });

    // The colours follow each Group 20101, in all four grids.
    AddActionRow(
        *m_update, [this] { mark_rejected(); },
        [this] {
            m_rejected.fill(false);
            mark_rejected();
        });
}

bool TFormKfMeasurements::UpdateFromGroup(int argument)
{
    if (!TFormFilterView::UpdateFromGroup(argument)) {
        return false;
    }
    // The flags are taken with the group, in the order the groups came: the constructed flags of
    // the last Group 20102 decide which residuals of the next Group 20101 may be rejected.
    const std::uint16_t number = Program().groups.number();
    if (number == CGroup20102::number_of_record) {
        take_constructed(m_measurements->record());
    } else if (number == CGroup20101::number_of_record) {
        take_rejected(m_update->record());
    }
    return true;
}

// A construct word of all ones is the computer's "no data": nothing counts as constructed. The
// count is the one the copy was laid out for, so never more than the flags nor the word's bits.
void TFormKfMeasurements::take_constructed(CGroup20102 &measurements)
{
    CMeas_construct &construct = measurements.construct();
    const bool known = measurements.has_value(construct);
    const std::size_t count = std::min({measurements.z().count(), m_constructed.size(),
                                        std::size_t{TBit_field<std::uint32_t>::bit_count}});
    for (std::size_t index = 0; index < count; ++index) {
        m_constructed[index] = known && construct.is_set(index);
    }
}

void TFormKfMeasurements::take_rejected(CGroup20101 &update)
{
    CMeas_reject &reject = update.meas_reject();
    const bool known = update.has_value(reject);
    for (std::size_t index = 0; index < m_rejected.size(); ++index) {
        m_rejected[index] = m_constructed[index] && known && reject.is_set(index);
    }
    m_residual_constructed = m_constructed;
}

void TFormKfMeasurements::mark_rejected()
{
    for (TValueGrid *grid : array_grids()) {
        for (int position = 0; position < cells().positions(); ++position) {
            const int measurement = cells().value_at(position);
            const bool marked = measurement >= 0 &&
                                measurement < static_cast<int>(m_rejected.size()) &&
                                m_rejected[static_cast<std::size_t>(measurement)];
            grid->SetCellMarked(position / cells().columns, position % cells().columns, marked);
        }
    }
}

void TFormKfMeasurements::ResetDisplay(int argument)
{
    m_constructed.fill(false);
    m_residual_constructed.fill(false);
    TFormFilterView::ResetDisplay(argument);
}

TFormTwanKfMeas::TFormTwanKfMeas(QWidget *parent) : TFormFilterView("FormTwanKfMeas", {5, 6}, parent)
{
    setWindowTitle(tr("TWAN Measurements"));
    auto &measurements = group<CGroup20104>();
    auto &update = group<CGroup20103>();
    QWidget *prefilter = panel(tr("Prefilter"));
    array_grid(prefilter, tr("Measurement"), "zData", measurements, &CGroup20104::z);
    array_grid(prefilter, tr("Measurement Noise Standard Deviation"), "rData", measurements,
               &CGroup20104::r);
    update_time(prefilter, "updateTime1", measurements, &CGroup20104::measurement_time);
    QWidget *filter = panel(tr("Filter"));
    array_grid(filter, tr("Measurement Residuals"), "residuals", update, &CGroup20103::meas_res);
    array_grid(filter, tr("Measurement Residuals Standard Deviation"), "rmsResiduals", update,
               &CGroup20103::rms_meas_res);
    update_time(filter, "updateTime2", update, &CGroup20103::update_time);
    PairScrolling(*array_grids()[0], *array_grids()[1]);
    PairScrolling(*array_grids()[2], *array_grids()[3]);
}
