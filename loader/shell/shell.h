#pragma once

// What the windows of the loader share: the module state, the forms registry, the dialogs,
// the serial port and the main window's toolbar and frame.

#include "formsregistry.h"
#include "loaderroutine.h"

#include <QString>

#include <functional>

namespace zr {
class SerialPort;
}

namespace zr::shell {

class Dialogs;

// Toolbar buttons of the main window by index (1 = btnCom ... 7 = btnExit).
class ToolbarButtons {
public:
    virtual ~ToolbarButtons() = default;
    virtual void setButtonEnabled(int index, bool on) = 0;
    virtual bool isButtonEnabled(int index) const = 0;
};

// The main window as the page switcher sees it, in twips, in the coordinates of the page area.
struct MainFrame {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    float toolbarHeight = 0;
};

class Shell {
public:
    Shell(LoaderRoutine &state, Dialogs &dialogs, SerialPort &port);

    LoaderRoutine &state;
    Dialogs &dialogs;
    FormsRegistry &forms() { return forms_; }

    // The serial port, hosted by the hidden window ZR_LOADER_SERIAL (loaded first if needed).
    SerialPort &port();

    // Toolbar of the main window; nullptr while there is none (changes are then skipped).
    ToolbarButtons *toolbar() const { return toolbar_; }
    void setToolbar(ToolbarButtons *toolbar) { toolbar_ = toolbar; }
    void enableToolbarButton(int index, bool on) {
        if (toolbar_)
            toolbar_->setButtonEnabled(index, on);
    }

    std::function<MainFrame()> mainFrame;

    // Directory of the program, where the shipped data lies.
    QString programDir;

    // Waits ms milliseconds while window events keep running. Replaced by tests.
    std::function<void(int ms)> waitLettingEventsRun;

    // Opens the help file of the chosen language (F1). Nothing while unset.
    std::function<void()> showHelp;

    // Ends the program: quits the event loop. Replaced by tests.
    std::function<void()> endProgram;

    // Counts the calls of the page switcher, so an outer call notices a nested one.
    quint64 switchGeneration = 0;

private:
    SerialPort &port_;
    FormsRegistry forms_;
    ToolbarButtons *toolbar_ = nullptr;
};

// Window names.
inline const QString kMainWindow = QStringLiteral("ZR_LOADER_MAINNEW");
inline const QString kLanguageWindow = QStringLiteral("ZR_LOADER_LANGUAGE");
inline const QString kSerialHost = QStringLiteral("ZR_LOADER_SERIAL");
inline const QString kLinkWindow = QStringLiteral("ZR_LOADER_SERIAL_STATE");
inline const QString kTransferWindow = QStringLiteral("ZR_LOADER_DOWN");
inline const QString kFrontWindow = QStringLiteral("ZR_LOADER_FRONT");
inline const QString kAboutWindow = QStringLiteral("ZR_LOADER_INFO");
inline const QString kEditorWindow = QStringLiteral("ZR_LOADER_PARAMETER");
inline const QString kDownloadClip = QStringLiteral("ZR_LOADER_MAIN_AVIDOWN");
inline const QString kUploadClip = QStringLiteral("ZR_LOADER_MAIN_AVIUP");

} // namespace zr::shell
