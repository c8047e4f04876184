#pragma once

// A QTableView that shows a TextGrid the way the editor's grids look: the fixed header row and
// name column in grey, the colours the editor gives single cells, row heights and column widths
// from the grid's twips. Typed characters are handed out as character codes (Enter 13,
// Backspace 8) instead of editing cells in place.

#include "textgrid.h"

#include <QTableView>

namespace zr::params {

class FlexGridView : public QTableView {
    Q_OBJECT
public:
    FlexGridView(TextGrid &grid, const QString &name, QWidget *parent = nullptr);

    TextGrid &grid() { return grid_; }

    // Re-reads row heights, column widths and the grid width from the grid.
    void applyLayout();
    // Makes the view exactly as high as its rows in view (the status grid).
    void setFitRows(bool on);

Q_SIGNALS:
    void keyAscii(int code);
    // A mouse press on a cell.
    void cellPressed(int row, int col);
    // The user moved the current cell.
    void userMovedTo(int row, int col);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void followGrid(int row, int col);

    TextGrid &grid_;
    bool followingGrid_ = false;
    bool fitRows_ = false;
};

} // namespace zr::params
