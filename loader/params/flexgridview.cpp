#include "flexgridview.h"

#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace zr::params {

namespace {
constexpr int kTwipsPerPixel = 15;
// A name column grows to fit its longest name up to this many pixels.
constexpr int kWidestName = 420;

int px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// Hands the grid's cell colours to the view, greys the fixed row and column, and gives the names
// their full text as tooltip.
class FlexStyleModel final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex &index, int role) const override {
        const bool fixed = index.row() == 0 || index.column() == 0;
        switch (role) {
        case Qt::BackgroundRole: {
            const QVariant c = QIdentityProxyModel::data(index, TextGrid::CellBackRole);
            if (c.isValid())
                return QBrush(QColor::fromRgb(c.value<Rgb>()));
            return fixed ? QVariant(QBrush(QColor(0xc0, 0xc0, 0xc0))) : QVariant();
        }
        case Qt::ForegroundRole: {
            const QVariant c = QIdentityProxyModel::data(index, TextGrid::CellForeRole);
            if (c.isValid())
                return QBrush(QColor::fromRgb(c.value<Rgb>()));
            return {};
        }
        case Qt::ToolTipRole: {
            if (index.column() != 0)
                return {};
            const QString name = index.data(Qt::DisplayRole).toString().trimmed();
            return name.isEmpty() ? QVariant() : QVariant(name);
        }
        default:
            return QIdentityProxyModel::data(index, role);
        }
    }
    // Row 0, the fixed header row, is shown as the view's column header so it stays in view.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::ToolTipRole))
            return index(0, section).data(Qt::DisplayRole);
        return QIdentityProxyModel::headerData(section, orientation, role);
    }
};

// Paints every cell in its own colours: the current cell is not covered by the selection
// highlight, so the colours the editor gives it while a value is typed and after Enter show. A
// frame in the cell's text colour marks the current cell.
class FlexCellDelegate final : public QStyledItemDelegate {
public:
    explicit FlexCellDelegate(QTableView *view) : QStyledItemDelegate(view), view_(view) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        QStyleOptionViewItem o = option;
        o.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        QStyledItemDelegate::paint(painter, o, index);
        if (index != view_->currentIndex())
            return;
        const QVariant fore = index.data(Qt::ForegroundRole);
        const QColor frame = fore.canConvert<QBrush>() ? fore.value<QBrush>().color()
                                                       : option.palette.color(QPalette::Text);
        painter->save();
        painter->setPen(QPen(frame, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }

private:
    QTableView *view_;
};
} // namespace

FlexGridView::FlexGridView(TextGrid &grid, const QString &name, QWidget *parent)
    : QTableView(parent), grid_(grid) {
    setObjectName(name);
    auto *style = new FlexStyleModel(this);
    style->setSourceModel(&grid);
    setModel(style);
    setItemDelegate(new FlexCellDelegate(this));
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setMinimumSectionSize(20);
    verticalHeader()->hide();
    setEditTriggers(NoEditTriggers);
    // Nothing is ever shown selected: the current cell alone is marked, by its frame.
    setSelectionMode(NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrap(false);
    setFont(QFont(QStringLiteral("Arial"), 8));
    setMinimumWidth(px(grid.Width()));
    connect(&grid, &TextGrid::currentCellChanged, this, &FlexGridView::followGrid);
    connect(&grid, &TextGrid::layoutSettingsChanged, this, &FlexGridView::applyColumns);
    connect(&grid, &QAbstractItemModel::modelReset, this, [this] {
        applyColumns();
        applyRows();
    });
    connect(&grid, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) {
                fitNames(first, last);
                applyRows();
            });
    connect(&grid, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to, const QList<int> &roles) {
                if (roles.contains(TextGrid::RowHeightRole))
                    applyRows();
                else if (from.column() == 0)
                    fitNames(from.row(), to.row());
            });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (fitContents_)
            fitSize();
    });
    applyColumns();
    applyRows();
}

void FlexGridView::applyColumns() {
    // Only the columns that start inside the grid's width are in view, and never those from 3 on
    // (raw value, limits, step, multiplier).
    const int width = grid_.Width();
    int used = 0;
    for (int c = 0; c < grid_.Cols(); ++c) {
        const int w = grid_.ColWidth(c);
        const bool inView = c < 3 && (width == 0 || used < width);
        setColumnHidden(c, !inView);
        if (inView) {
            const int shown = w > 0 ? w : (width > used ? width - used : 900);
            setColumnWidth(c, px(shown));
            used += shown;
        }
    }
    fitNames(1, grid_.Rows() - 1);
}

void FlexGridView::fitNames(int first, int last) {
    int widest = columnWidth(0);
    for (int r = std::max(first, 1); r <= last && r < grid_.Rows(); ++r)
        widest = std::max(widest, sizeHintForIndex(model()->index(r, 0)).width() + 4);
    widest = std::min(widest, kWidestName);
    if (widest > columnWidth(0))
        setColumnWidth(0, widest);
    if (fitContents_)
        fitSize();
}

void FlexGridView::applyRows() {
    for (int r = 0; r < grid_.Rows(); ++r) {
        const int h = r == 0 ? 0 : grid_.RowHeight(r);
        setRowHidden(r, h == 0);
        if (h > 0)
            setRowHeight(r, std::max(px(h), fontMetrics().height() + 2));
    }
    if (fitContents_)
        fitSize();
}

void FlexGridView::fitSize() {
    int rowsHeight = 0;
    for (int r = 1; r < grid_.Rows(); ++r)
        if (!isRowHidden(r))
            rowsHeight += rowHeight(r);
    int columnsWidth = 0;
    for (int c = 0; c < grid_.Cols(); ++c)
        if (!isColumnHidden(c))
            columnsWidth += columnWidth(c);
    setFixedHeight(rowsHeight + horizontalHeader()->sizeHint().height() + 2 * frameWidth());
    setFixedWidth(columnsWidth + 2 * frameWidth());
}

void FlexGridView::setFitContents(bool on) {
    fitContents_ = on;
    horizontalHeader()->setStretchLastSection(!on);
    setVerticalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    if (on)
        fitSize();
}

void FlexGridView::followGrid(int row, int col) {
    if (followingGrid_)
        return;
    followingGrid_ = true;
    setCurrentIndex(model()->index(row, col));
    followingGrid_ = false;
}

void FlexGridView::currentChanged(const QModelIndex &current, const QModelIndex &previous) {
    QTableView::currentChanged(current, previous);
    // The frame of the current cell moves with it.
    viewport()->update();
    if (followingGrid_ || !current.isValid())
        return;
    followingGrid_ = true;
    grid_.SetRow(current.row());
    grid_.SetCol(current.column());
    followingGrid_ = false;
    Q_EMIT userMovedTo(current.row(), current.column());
}

void FlexGridView::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT keyAscii(13);
        return;
    case Qt::Key_Backspace:
        Q_EMIT keyAscii(8);
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].isPrint()) {
        Q_EMIT keyAscii(text[0].unicode());
        return;
    }
    QTableView::keyPressEvent(event);
}

void FlexGridView::mousePressEvent(QMouseEvent *event) {
    QTableView::mousePressEvent(event);
    const QModelIndex i = indexAt(event->position().toPoint());
    if (i.isValid())
        Q_EMIT cellPressed(i.row(), i.column());
}

} // namespace zr::params
