#pragma once

// ZR_LOADER_FRONT, the front-panel page: a live copy of the drive's two-row display and its keys,
// polled every 20 ms (back to back at line speed), and the "Scope" button.

#include "form.h"
#include "paneldisplay.h"
#include "panelpoll.h"

#include <QList>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace zr::shell {
class Shell;
}

namespace zr::front {

class FrontWindow final : public shell::Form {
    Q_OBJECT
public:
    explicit FrontWindow(shell::Shell &shell, QWidget *parent = nullptr);

    void Form_Load() override;
    void Form_Unload() override;
    void ApplyLanguage(int lang) override;

    const PanelState &panelState() const { return state_; }
    // Shape1's colour as 0xBBGGRR.
    unsigned shapeColour() const { return shapeColour_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The keys take the keyboard as soon as the page shows.
    void showEvent(QShowEvent *event) override;

private:
    // Renders Label1 into Label3_0.. and Label2 into Label4_0.. (cells past a row keep their text).
    void frontalino();
    void Timer1_Timer();
    void GlossSphere1_MouseDown(int index);
    void GlossSphere1_MouseUp(int index);
    void GlossSphere1_KeyPress(int index, int keyAscii);
    void Command1_Click();
    void Command1_KeyPress(int keyAscii);

    // Raw row texts; setting either re-renders the display.
    void setLabel1(const QString &text);
    void setLabel2(const QString &text);

    // The scope takes the line: the poll stops and the display says it is paused. And back.
    void pauseForScope();
    void resumeAfterScope();

    void createKeys();
    void setShapeColour(unsigned bbggrr);
    void applyPoll(const PanelPoll &poll);
    void backToLinkPage();

    QList<QLabel *> Label3;
    QList<QLabel *> Label4;
    QList<QWidget *> GlossSphere1; // empty entries when the control library is missing
    QWidget *Shape1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QPushButton *Command1 = nullptr;
    QTimer *Timer1 = nullptr;
    // Over the display while the scope has the line.
    QLabel *PausedSign = nullptr;

    PanelState state_;
    unsigned shapeColour_ = kDarkColour;
    RowCells cells1_;
    RowCells cells2_;
};

// Registers ZR_LOADER_FRONT as page 2 with the shell's forms registry.
void RegisterFrontWindow(shell::Shell &shell);

} // namespace zr::front
