#include "textgrid.h"

namespace zr::params {

TextGrid::TextGrid(int columns, QObject *parent) : QAbstractTableModel(parent), columns_(columns) {
    colWidths_.fill(0, columns);
}

void TextGrid::Clear() {
    beginResetModel();
    cells_.clear();
    colors_.clear();
    heights_.clear();
    row_ = 0;
    col_ = 0;
    endResetModel();
}

void TextGrid::AddItem(const QString &item) {
    QStringList row = item.split(QLatin1Char('\t'));
    while (row.size() > columns_)
        row.removeLast();
    while (row.size() < columns_)
        row << QString();
    const int r = Rows();
    beginInsertRows({}, r, r);
    cells_ << row;
    colors_ << QList<Colors>(columns_);
    heights_ << kDefaultRowHeight;
    endInsertRows();
}

bool TextGrid::inside(int row, int col) const {
    return row >= 0 && row < Rows() && col >= 0 && col < columns_;
}

QString TextGrid::TextMatrix(int row, int col) const {
    return inside(row, col) ? cells_[row][col] : QString();
}

bool TextGrid::SetTextMatrix(int row, int col, const QString &text) {
    if (!inside(row, col))
        return false;
    if (cells_[row][col] != text) {
        cells_[row][col] = text;
        const QModelIndex i = index(row, col);
        Q_EMIT dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    }
    return true;
}

bool TextGrid::SetRow(int row) {
    if (row < 0 || row >= Rows())
        return false;
    if (row != row_) {
        row_ = row;
        Q_EMIT currentCellChanged(row_, col_);
    }
    return true;
}

bool TextGrid::SetCol(int col) {
    if (col < 0 || col >= columns_)
        return false;
    if (col != col_) {
        col_ = col;
        Q_EMIT currentCellChanged(row_, col_);
    }
    return true;
}

void TextGrid::SetCellColors(Rgb back, Rgb fore) {
    if (!inside(row_, col_))
        return;
    colors_[row_][col_] = Colors{back, fore};
    const QModelIndex i = index(row_, col_);
    Q_EMIT dataChanged(i, i, {CellBackRole, CellForeRole});
}

std::optional<Rgb> TextGrid::CellBackColor(int row, int col) const {
    return inside(row, col) ? colors_[row][col].back : std::nullopt;
}

std::optional<Rgb> TextGrid::CellForeColor(int row, int col) const {
    return inside(row, col) ? colors_[row][col].fore : std::nullopt;
}

int TextGrid::RowHeight(int row) const {
    return row >= 0 && row < Rows() ? heights_[row] : 0;
}

void TextGrid::SetRowHeight(int row, int twips) {
    if (row < 0 || row >= Rows() || heights_[row] == twips)
        return;
    heights_[row] = twips;
    Q_EMIT dataChanged(index(row, 0), index(row, columns_ - 1), {RowHeightRole});
}

void TextGrid::SetColWidth(int col, int twips) {
    if (col < 0 || col >= columns_)
        return;
    colWidths_[col] = twips;
    Q_EMIT layoutSettingsChanged();
}

int TextGrid::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : Rows();
}

int TextGrid::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant TextGrid::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || !inside(index.row(), index.column()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cells_[index.row()][index.column()];
    case CellBackRole:
        if (const auto c = colors_[index.row()][index.column()].back)
            return QVariant::fromValue(*c);
        return {};
    case CellForeRole:
        if (const auto c = colors_[index.row()][index.column()].fore)
            return QVariant::fromValue(*c);
        return {};
    case RowHeightRole:
        return heights_[index.row()];
    default:
        return {};
    }
}

Qt::ItemFlags TextGrid::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    // The fixed header row and the fixed name column cannot be selected.
    if (index.row() == 0 || index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace zr::params
