#pragma once

// A QTableView that shows a TextGrid the way the editor's grids look: the fixed header row and
// name column in grey, each cell in the colours the editor gives it (the current cell too, marked
// by a frame instead of the selection highlight), row heights from the grid's twips. Column
// widths start from the grid's twips, the name column wide enough for its longest name; the user
// can resize them and the last visible column takes the rest of the view. Names have their full
// text as tooltip. Typed characters are handed out as character codes (Enter 13, Backspace 8)
// instead of editing cells in place.

#include "textgrid.h"

#include <QTableView>

namespace zr::params {

class FlexGridView : public QTableView {
    Q_OBJECT
public:
    FlexGridView(TextGrid &grid, const QString &name, QWidget *parent = nullptr);

    TextGrid &grid() { return grid_; }

    // Column widths from the grid's twips (names widened to fit), the columns from 3 on hidden.
    void applyColumns();
    // Row heights from the grid's twips (0 hides a row).
    void applyRows();
    // Makes the view exactly as high as its rows and as wide as its columns (the status grid);
    // otherwise the view takes the width its window gives it.
    void setFitContents(bool on);

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
    void fitNames(int first, int last);
    void fitSize();

    TextGrid &grid_;
    bool followingGrid_ = false;
    bool fitContents_ = false;
};

} // namespace zr::params
