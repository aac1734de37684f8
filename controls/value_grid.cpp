#include "controls/value_grid.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>

namespace {

const QColor stale_colour(0x90, 0x90, 0x90);
const QColor marked_colour(Qt::red);
// Room around a cell's text.
constexpr int cell_padding = 8;

} // namespace

TValueGrid::TValueGrid(int rows, const QStringList &titles, int column_width, int row_height,
                       QWidget *parent)
    : QTableWidget(rows, static_cast<int>(titles.size()), parent),
      m_column_width(column_width),
      m_row_height(row_height),
      m_widest(static_cast<std::size_t>(titles.size()))
{
    for (int column = 0; column < columnCount(); ++column) {
        add_title(0, column, titles[column]);
    }
    add_cells();
}

TValueGrid::TValueGrid(const QStringList &row_titles, int value_columns, int column_width,
                       int row_height, QWidget *parent)
    : QTableWidget(static_cast<int>(row_titles.size()), value_columns + 1, parent),
      m_first_row(0),
      m_first_column(1),
      m_column_width(column_width),
      m_row_height(row_height),
      m_widest(static_cast<std::size_t>(value_columns) + 1)
{
    for (int row = 0; row < rowCount(); ++row) {
        add_title(row, 0, row_titles[row]);
    }
    add_cells();
}

TValueGrid::TValueGrid(int rows, int columns, int column_width, int row_height, QWidget *parent)
    : QTableWidget(rows, columns, parent),
      m_first_row(0),
      m_column_width(column_width),
      m_row_height(row_height),
      m_widest(static_cast<std::size_t>(columns))
{
    add_cells();
}

void TValueGrid::add_title(int row, int column, const QString &text)
{
    auto *title = new QTableWidgetItem(text);
    title->setFlags(Qt::ItemIsEnabled);
    title->setBackground(palette().button());
    setItem(row, column, title);
    m_widest[static_cast<std::size_t>(column)].append(text);
}

void TValueGrid::add_cells()
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    for (int row = m_first_row; row < rowCount(); ++row) {
        for (int column = m_first_column; column < columnCount(); ++column) {
            auto *cell = new QTableWidgetItem;
            cell->setFlags(Qt::ItemIsEnabled);
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(row, column, cell);
        }
    }
    m_marked.assign(static_cast<std::size_t>(rowCount() * columnCount()), false);
    fit_columns();
}

void TValueGrid::SetCell(int row, int column, const QString &text)
{
    QTableWidgetItem *cell = item(row, column);
    if (cell != nullptr && row >= m_first_row && column >= m_first_column && cell->text() != text) {
        cell->setText(text);
    }
}

QString TValueGrid::Cell(int row, int column) const
{
    const QTableWidgetItem *cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

void TValueGrid::AddWidestTexts(int column, const QStringList &texts)
{
    m_widest[static_cast<std::size_t>(column)].append(texts);
    fit_columns();
}

void TValueGrid::ClearCells()
{
    for (int row = m_first_row; row < rowCount(); ++row) {
        for (int column = m_first_column; column < columnCount(); ++column) {
            SetCell(row, column, QString());
        }
    }
}

void TValueGrid::SetStale(bool stale)
{
    if (stale == m_stale) {
        return;
    }
    m_stale = stale;
    for (int row = m_first_row; row < rowCount(); ++row) {
        for (int column = m_first_column; column < columnCount(); ++column) {
            item(row, column)->setForeground(brush_of(row, column));
        }
    }
}

void TValueGrid::SetCellMarked(int row, int column, bool marked)
{
    if (row < m_first_row || row >= rowCount() || column < m_first_column ||
        column >= columnCount() || CellMarked(row, column) == marked) {
        return;
    }
    m_marked[static_cast<std::size_t>(row * columnCount() + column)] = marked;
    item(row, column)->setForeground(brush_of(row, column));
}

bool TValueGrid::CellMarked(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return false;
    }
    return m_marked[static_cast<std::size_t>(row * columnCount() + column)];
}

QBrush TValueGrid::brush_of(int row, int column) const
{
    if (m_stale) {
        return QBrush(stale_colour);
    }
    return CellMarked(row, column) ? QBrush(marked_colour) : palette().text();
}

void TValueGrid::changeEvent(QEvent *event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fit_columns();
    }
}

// Every column as designed, or wider where a text it may show needs it, every row as designed or
// as high as the font; the grid is never smaller than all its cells, so that none is cut.
void TValueGrid::fit_columns()
{
    const QFontMetrics metrics(font());
    int total = 2 * frameWidth();
    for (int column = 0; column < columnCount(); ++column) {
        int width = m_column_width;
        for (const QString &text : m_widest[static_cast<std::size_t>(column)]) {
            width = std::max(width, metrics.horizontalAdvance(text) + cell_padding);
        }
        setColumnWidth(column, width);
        total += width;
    }
    const int row_height = std::max(m_row_height, metrics.height() + 4);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(row_height);
    for (int row = 0; row < rowCount(); ++row) {
        setRowHeight(row, row_height);
    }
    setMinimumSize(total, row_height * rowCount() + 2 * frameWidth());
}
