#pragma once
// A grid of values: fixed titles in its first row (or first column, or none), cells the program
// fills, each column at least as wide as the widest text its cells may show, and greyed while the
// values are stale. A cell may be marked: its text shows in red while the values are current.

#include "controls/stale_control.h"

#include <QStringList>
#include <QTableWidget>

#include <vector>

class TValueGrid : public QTableWidget, public IStale_control {
    Q_OBJECT

public:
    // `rows` includes the title row; `column_width` and `row_height` are the design sizes.
    TValueGrid(int rows, const QStringList &titles, int column_width, int row_height,
               QWidget *parent = nullptr);
    // A grid whose first column holds the titles of its rows, without a title row: a row per
    // title, and `value_columns` columns of cells after the titles.
    TValueGrid(const QStringList &row_titles, int value_columns, int column_width, int row_height,
               QWidget *parent = nullptr);

    // A grid without titles: every one of its `rows` rows holds cells.
    TValueGrid(int rows, int columns, int column_width, int row_height, QWidget *parent = nullptr);

    // Sets the cell's text; the titles are not cells.
    void SetCell(int row, int column, const QString &text);
    QString Cell(int row, int column) const;
    // Texts the column may show that could be its widest.
    void AddWidestTexts(int column, const QStringList &texts);
    // Empties every cell.
    void ClearCells();
    // Shows the cell's text in red (or back in the normal colour).
    void SetCellMarked(int row, int column, bool marked);
    bool CellMarked(int row, int column) const;
    // The first row of cells: 1 below a title row, 0 without.
    int FirstCellRow() const { return m_first_row; }
    // The first column of cells: 1 right of a title column, 0 without.
    int FirstCellColumn() const { return m_first_column; }

    void SetStale(bool stale) override;
    bool Stale() const override { return m_stale; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void fit_columns();

    void add_title(int row, int column, const QString &text);
    void add_cells();
    QBrush brush_of(int row, int column) const;

    int m_first_row = 1; // the first row and column of cells, after the titles
    int m_first_column = 0;
    int m_column_width;
    int m_row_height;
    std::vector<QStringList> m_widest;
    std::vector<bool> m_marked; // per cell, row by row
    bool m_stale = false;
};
