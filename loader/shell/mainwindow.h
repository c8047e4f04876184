#pragma once

// ZR_LOADER_MAINNEW: the frame of the tool. Its toolbar chooses the page shown below it, opens
// the help and ends the program.

#include "form.h"
#include "shell.h"

#include <QList>

class QAction;
class QToolBar;

namespace zr::shell {

class MainWindow final : public Form, public ToolbarButtons {
    Q_OBJECT
public:
    explicit MainWindow(Shell &shell, QWidget *parent = nullptr);
    ~MainWindow() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

    // Runs the toolbar's click handler for the button with this key ("btnDown" ...).
    void tbrFile_ButtonClick(const QString &key);

    void setButtonEnabled(int index, bool on) override;
    bool isButtonEnabled(int index) const override;

    QToolBar *tbrFile = nullptr;

protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    bool linkUsable();
    void switchPage();

    QList<QAction *> buttons_; // index 1..7 at positions 0..6
};

} // namespace zr::shell
