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

    void setButtonEnabled(ToolbarButton button, bool on) override;
    bool isButtonEnabled(ToolbarButton button) const override;

protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    // The toolbar's click handler for the button with this key ("btnDown" ...).
    void tbrFile_ButtonClick(const QString &key);
    void switchPage(Page page);
    QAction *action(ToolbarButton button) const;

    QToolBar *tbrFile = nullptr;
    QList<QAction *> buttons_; // in the order of ToolbarButton
};

} // namespace zr::shell
