#pragma once

// What the windows of the loader share: the module state, the drive link, the forms registry, the
// dialogs, the serial port and the main window's toolbar and frame.

#include "formsregistry.h"
#include "linkcontroller.h"
#include "loaderroutine.h"

#include <QString>

#include <functional>
#include <memory>

namespace zr {
class SerialPort;
}

namespace zr::shell {

class Dialogs;

// The main window's toolbar buttons, in their order on the toolbar.
enum class ToolbarButton { Com, Down, Front, Param, Info, Help, Exit };

class ToolbarButtons {
public:
    virtual ~ToolbarButtons() = default;
    virtual void setButtonEnabled(ToolbarButton button, bool on) = 0;
    virtual bool isButtonEnabled(ToolbarButton button) const = 0;
};

// The main window as the page switcher sees it, in twips, in the coordinates of the page area.
struct MainFrame {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    float toolbarHeight = 0;
};

// How the front panel and the oscilloscope share the serial line without reaching into each
// other: the panel fills in its part while it is loaded, the scope its part while it is loaded.
// A part nobody filled in does nothing.
struct LineSharing {
    // The panel's poll, which the scope pauses while it holds the line.
    std::function<bool()> panelPollRunning;
    std::function<void()> pausePanelPoll;
    std::function<void()> resumePanelPoll;
    // The scope has gone: the panel's Scope button may open it again.
    std::function<void()> scopeClosed;
    // The scope takes the line from the drive link, or gives it back.
    std::function<void()> startscope;
    std::function<void()> stopscope;
};

class Shell {
public:
    Shell(LoaderRoutine &state, Dialogs &dialogs, SerialPort &port);
    ~Shell();

    LoaderRoutine &state;
    Dialogs &dialogs;
    FormsRegistry &forms() { return forms_; }

    // The drive link: the switch, the poll and the toolbar rules.
    LinkController &link() { return *link_; }
    // Switches the link on or off as the link page's switch does; the page is loaded first, as
    // a page that is shown again must find the link's state.
    void setLinkEnabled(bool on);

    // Shows a page below the toolbar (the others are unloaded first).
    void showPage(Page page);

    // The serial port, hosted by the hidden window ZR_LOADER_SERIAL (loaded first if needed).
    SerialPort &port();

    // Toolbar of the main window; nullptr while there is none (changes are then skipped).
    ToolbarButtons *toolbar() const { return toolbar_; }
    void setToolbar(ToolbarButtons *toolbar) { toolbar_ = toolbar; }
    void enableToolbarButton(ToolbarButton button, bool on) {
        if (toolbar_)
            toolbar_->setButtonEnabled(button, on);
    }

    std::function<MainFrame()> mainFrame;

    // Folder of the shipped data: beside the program, or the installed share folder
    // (DataDirectory). Tests point it elsewhere.
    QString programDir;

    // Waits ms milliseconds while window events keep running. Replaced by tests.
    std::function<void(int ms)> waitLettingEventsRun;

    // Opens the manual of the chosen language at a page ("editor.html"; kHelpContentsTopic for
    // its contents): F1 and the Help button. Nothing while unset.
    std::function<void(const QString &topic)> showHelp;

    // Ends the program: quits the event loop. Replaced by tests.
    std::function<void()> endProgram;

    // Counts the calls of the page switcher, so an outer call notices a nested one.
    quint64 switchGeneration = 0;

    LineSharing line;

private:
    SerialPort &port_;
    // Outlives the windows, whose unload handlers may still tell it that their page went.
    std::unique_ptr<LinkController> link_;
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
inline const QString kScopeWindow = QStringLiteral("ZR_LOADER_OSCILLO");
inline const QString kAboutWindow = QStringLiteral("ZR_LOADER_INFO");
inline const QString kEditorWindow = QStringLiteral("ZR_LOADER_PARAMETER");
inline const QString kDownloadClip = QStringLiteral("ZR_LOADER_MAIN_AVIDOWN");
inline const QString kUploadClip = QStringLiteral("ZR_LOADER_MAIN_AVIUP");

} // namespace zr::shell
