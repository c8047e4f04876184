#pragma once

// ZR_LOADER_OSCILLO, the oscilloscope: the graph, the time-base, volts and position knobs, the
// mode slide, the trigger level, the run/hold and "Acquire" switches, the measurement cursors
// and their table, and the export of the trace. The acquisition is ScopeAcquisition; this
// window is its view and owns its timer.

#include "form.h"
#include "scopeacquisition.h"
#include "scopetexts.h"

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;

namespace zr::shell {
class Shell;
}

namespace zr::scope {

class ScopeGraph;
class ScopeKnob;
class ScopeSlide;
class ScopeSwitch;

inline const QString kScopeCaption = QStringLiteral("ZR3500 Loader Scope");

// Makes the scope's own port (closed); the number is set at load.
using ScopePortFactory = std::function<std::unique_ptr<SerialPort>()>;

class ScopeWindow final : public shell::Form, private ScopeView {
    Q_OBJECT
public:
    ScopeWindow(shell::Shell &shell, std::unique_ptr<SerialPort> scopePort,
                QWidget *parent = nullptr);
    ~ScopeWindow() override;

    void Form_Load() override;
    void Form_Unload() override;

    // The line hand-over; the front panel reaches it through the shell's line hooks.
    bool startscope();
    void stopscope();
    ScopeAcquisition &acquisition() { return *acq_; }

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void Timer1_Timer();

    void Xscale_ValueChanged();
    void Yscale_ValueChanged();
    void CWKnob1_ValueChanged();
    void CWKnob2_ValueChanged();
    void CWSlide1_ValueChanged();
    void CWButton1_ValueChanged(bool v);
    void CWButton2_ValueChanged(bool v);
    void CWButton3_ValueChanged(bool v);
    void CWButton4_ValueChanged(bool v);
    void CWGraph1_CursorChange();
    // The user turns the level knob (mouse, wheel or keys): the level line follows it.
    void CWKnob2_MouseDown();
    void CWGraph1_MouseDown();
    void ExportCsv_Click();
    void ExportPng_Click();

    ScopeGraph *CWGraph1 = nullptr;
    ScopeKnob *Xscale = nullptr;
    ScopeKnob *Yscale = nullptr;
    ScopeKnob *CWKnob1 = nullptr;
    ScopeKnob *CWKnob2 = nullptr;
    ScopeKnob *CWKnob3 = nullptr;
    ScopeSlide *CWSlide1 = nullptr;
    ScopeSwitch *CWButton1 = nullptr;
    ScopeSwitch *CWButton2 = nullptr;
    ScopeSwitch *CWButton3 = nullptr;
    ScopeSwitch *CWButton4 = nullptr;
    QLineEdit *xvalore = nullptr;
    QLineEdit *yvalore = nullptr;
    QLineEdit *allposition = nullptr;
    QTableWidget *MSFlexGrid1 = nullptr;
    QTimer *Timer1 = nullptr;
    // Runs while the picture is held: drops what the stream brings meanwhile.
    QTimer *HoldTimer = nullptr;
    QPushButton *ExportCsv = nullptr;
    QPushButton *ExportPng = nullptr;

    // ScopeView
    void letEventsRun() override;
    bool holding() const override;
    void setHolding(bool on) override;
    bool tickEnabled() const override;
    void setTickEnabled(bool on) override;
    int mode() const override;
    double xMax() const override;
    double level() const override;
    void chart(const QByteArray &samples) override;
    void clearData() override;
    bool panelPollRunning() const override;
    void stopPanelPoll() override;
    void startPanelPoll() override;
    void noSamples() override;
    void scopePortFailed(const QString &why) override;
    void acquisitionState(AcquisitionState state) override;

    void createControls();
    void connectControls();
    void setHorizontalAxis();
    void setVerticalAxes();
    void setCell(int row, int col, const QString &text);
    void fitTableColumns();
    void fillTable();
    void showTriggerLevel();
    void showStatus(ScopeText text);
    void showModeStatus();
    // Asks where to save and saves there with save (path, reason if it fails); a failure is
    // reported in a message box.
    using ExportSaver = std::function<bool(const QString &path, QString *why)>;
    void exportTo(const QString &filter, const ExportSaver &save);
    void hookFrontPanel();

    std::shared_ptr<ScopeAcquisition> acq_;
};

// Registers ZR_LOADER_OSCILLO with the shell's forms registry. The scope's port is made by
// makePort; without one it is a second port on the device map of the shell's port.
void RegisterScopeWindows(shell::Shell &shell, ScopePortFactory makePort = {});

} // namespace zr::scope
