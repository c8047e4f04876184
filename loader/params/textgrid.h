#pragma once

// A grid of text cells with the operations the editor uses on its two grids: rows added as
// TAB-separated strings at the end, row 0 the fixed header row, a current cell, per-cell colours
// and row heights in twips (0 hides a row). It is the model of a QTableView; colours are handed
// to the view as 0xRRGGBB values under ColorRoles.

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace zr::params {

// A colour as 0xAARRGGBB (the layout of QRgb).
using Rgb = quint32;

class TextGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    // Roles under which data() hands out the colours set on a cell (as Rgb in a QVariant).
    enum ColorRoles : int { CellBackRole = Qt::UserRole + 1, CellForeRole, RowHeightRole };

    explicit TextGrid(int columns, QObject *parent = nullptr);

    int Rows() const { return int(cells_.size()); }
    int Cols() const { return columns_; }
    // Removes every row (0 rows, as an emptied grid).
    void Clear();
    // Adds a row at the end, its cells taken from item split at TABs (extra fields dropped).
    void AddItem(const QString &item);

    // Text of a cell; an empty text outside the grid.
    QString TextMatrix(int row, int col) const;
    // False (nothing changed) outside the grid.
    bool SetTextMatrix(int row, int col, const QString &text);

    // The current cell. Setting it outside the grid fails and keeps the previous one.
    int Row() const { return row_; }
    int Col() const { return col_; }
    bool SetRow(int row);
    bool SetCol(int col);
    QString Text() const { return TextMatrix(row_, col_); }
    // Colours of the current cell.
    void SetCellColors(Rgb back, Rgb fore);
    std::optional<Rgb> CellBackColor(int row, int col) const;
    std::optional<Rgb> CellForeColor(int row, int col) const;

    // Row heights in twips; a row keeps the default until one is set. 0 hides the row.
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);
    static constexpr int kDefaultRowHeight = 240;

    // Layout kept for the view, in twips.
    int ColWidth(int col) const { return colWidths_.value(col, 0); }
    void SetColWidth(int col, int twips);
    int Width() const { return width_; }
    void SetWidth(int twips) { width_ = twips; }

    // QAbstractTableModel
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

Q_SIGNALS:
    void currentCellChanged(int row, int col);
    void layoutSettingsChanged();

private:
    struct Colors {
        std::optional<Rgb> back, fore;
    };
    bool inside(int row, int col) const;

    int columns_;
    QList<QStringList> cells_;
    QList<QList<Colors>> colors_;
    QList<int> heights_;
    QList<int> colWidths_;
    int width_ = 0;
    int row_ = 0;
    int col_ = 0;
};

} // namespace zr::params
