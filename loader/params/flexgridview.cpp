#include "flexgridview.h"

#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace zr::params {

namespace {
constexpr int kTwipsPerPixel = 15;

int px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// Hands the grid's cell colours to the view, and greys the fixed row and column.
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
        default:
            return QIdentityProxyModel::data(index, role);
        }
    }
    // Row 0, the fixed header row, is shown as the view's column header so it stays in view.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return index(0, section).data(Qt::DisplayRole);
        return QIdentityProxyModel::headerData(section, orientation, role);
    }
};
} // namespace

FlexGridView::FlexGridView(TextGrid &grid, const QString &name, QWidget *parent)
    : QTableView(parent), grid_(grid) {
    setObjectName(name);
    auto *style = new FlexStyleModel(this);
    style->setSourceModel(&grid);
    setModel(style);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->hide();
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    setFont(QFont(QStringLiteral("Arial"), 8));
    connect(&grid, &TextGrid::currentCellChanged, this, &FlexGridView::followGrid);
    connect(&grid, &TextGrid::layoutSettingsChanged, this, &FlexGridView::applyLayout);
    connect(&grid, &QAbstractItemModel::rowsInserted, this, &FlexGridView::applyLayout);
    connect(&grid, &QAbstractItemModel::modelReset, this, &FlexGridView::applyLayout);
    connect(&grid, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                if (roles.contains(TextGrid::RowHeightRole))
                    applyLayout();
            });
    applyLayout();
}

void FlexGridView::applyLayout() {
    const int width = grid_.Width();
    int used = 0;
    for (int c = 0; c < grid_.Cols(); ++c) {
        const int w = grid_.ColWidth(c);
        // Only the name, the value and the unit are in view: the rest lies beyond the grid width.
        const bool inView = c < 3 && (width == 0 || used < width);
        setColumnHidden(c, !inView);
        if (inView) {
            const int shown = w > 0 ? w : (width > used ? width - used : 900);
            setColumnWidth(c, px(shown));
            used += shown;
        }
    }
    int rowsHeight = 0;
    for (int r = 0; r < grid_.Rows(); ++r) {
        const int h = r == 0 ? 0 : grid_.RowHeight(r);
        setRowHidden(r, h == 0);
        if (h > 0) {
            setRowHeight(r, std::max(px(h), fontMetrics().height() + 2));
            rowsHeight += rowHeight(r);
        }
    }
    if (fitRows_)
        setFixedHeight(rowsHeight + horizontalHeader()->sizeHint().height() + 2 * frameWidth());
    if (width > 0)
        setFixedWidth(px(width) + 2 * frameWidth() + verticalScrollBar()->sizeHint().width());
}

void FlexGridView::setFitRows(bool on) {
    fitRows_ = on;
    applyLayout();
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
