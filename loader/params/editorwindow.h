#pragma once

// ZR_LOADER_PARAMETER, the off-line parameter editor: opens a parameter file, shows its
// parameters and status bits in two grids, saves it under a name of the user's choice and prints
// it. Opened from the main window's btnParam; closing it shows the main window again.

#include "conversions.h"
#include "descriptions.h"
#include "form.h"
#include "textgrid.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolBar;

namespace zr::params {

class FlexGridView;
struct ParamProblem;

class ParameterEditor final : public zr::shell::Form {
    Q_OBJECT
public:
    explicit ParameterEditor(zr::shell::Shell &shell, QWidget *parent = nullptr);
    ~ParameterEditor() override;

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void ApplyLanguage(int lang) override;

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    // The print routine reads the opened file, the grids and the report database.
    friend void PrintParameters(ParameterEditor &editor);

    // Shows the save question in language lang; answer gets 6 (Yes) or 7 (No). Any other
    // language shows nothing and leaves answer as it was.
    void AskSaveParameters(int lang, int &answer);

    // Toolbar command by button key: "btnNew", "btnOpen", "btnSave", "btnCompare", "btnPrint".
    void tbropen_ButtonClick(const QString &key);

    void MSFlexGrid1_KeyPress(int keyAscii);
    void MSFlexGrid1_MouseDown(int row, int col);
    void MSFlexGrid1_SelChange(int row, int col);
    void MSFlexGrid2_Click(int row, int col);

    bool unsaved() const;
    void openCommand();
    // Opens path as the open dialog's choice does.
    void openPath(const QString &path);
    // A new file from the chosen release's defaults, written where the user says, then opened.
    void newCommand();
    // The file as edited against another file or the drive's set: the rows that differ.
    void compareCommand();
    void saveCommand();
    // The save dialog of the opened file's release; empty when cancelled.
    QString askSavePath();
    // salvafile onto destination; a failed save says why and puts back the last file written.
    void writeFile();
    void showProblem(const ParamProblem &problem);
    void showMainWindow();
    QAction *addButton(const QString &key, const QString &caption, const QString &tip, int icon);

    TextGrid grid1{kParamColumns};
    TextGrid grid2{kStatusColumns};
    FlexGridView *MSFlexGrid1 = nullptr;
    FlexGridView *MSFlexGrid2 = nullptr;
    QWidget *cbrMain = nullptr;
    QToolBar *tbropen = nullptr;
    QLineEdit *source = nullptr;
    QLineEdit *destination = nullptr;
    QLineEdit *numrelease = nullptr;
    QLineEdit *sourcenew = nullptr;
    QLineEdit *salva = nullptr;
    QLineEdit *openfile = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame7 = nullptr;

    // The report database the print command writes (set by its first use in this window).
    QString reportDbPath;
    // The path the open dialog last returned (its file name).
    QString CommonDialog1FileName;
    ParameterKeys keys;
    QString lastWritten_;
};

// Registers the editor with the shell's forms registry, in place of any earlier registration.
void RegisterParameterEditor(zr::shell::Shell &shell);

} // namespace zr::params
