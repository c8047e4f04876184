#include "editorwindow.h"

#include "ansitext.h"
#include "comparedialog.h"
#include "descriptions.h"
#include "dialogs.h"
#include "flexgridview.h"
#include "numbers.h"
#include "paramcompare.h"
#include "parameterset.h"
#include "paramfile.h"
#include "paramtexts.h"
#include "pixmapcanvas.h"
#include "reportprint.h"
#include "shell.h"
#include "transfertexts.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QToolBar>
#include <QVBoxLayout>

namespace zr::params {

using namespace zr::shell;

namespace {
// Pictures of the image list imopen, drawn here: 0 new, 1 open, 2 save, 3 default, 4 print.
QIcon imopen(int index) {
    shell::PixmapCanvas canvas(24);
    QPainter &p = canvas.painter();
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    switch (index) {
    case 1: { // an opened folder
        p.setBrush(QColor(230, 190, 80));
        p.drawRect(QRectF(3, 6, 16, 13));
        p.setBrush(QColor(250, 215, 110));
        QPainterPath lid;
        lid.moveTo(3, 19);
        lid.lineTo(7, 10);
        lid.lineTo(22, 10);
        lid.lineTo(18, 19);
        lid.closeSubpath();
        p.drawPath(lid);
        break;
    }
    case 2: // a diskette
        p.setBrush(QColor(40, 70, 160));
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 4, 10, 6));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(7, 13, 10, 7));
        break;
    case 4: // a printer
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 10, 7));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(3, 9, 18, 8), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 14, 10, 7));
        p.drawLine(QPointF(9, 17), QPointF(15, 17));
        break;
    case 3: // two sheets side by side: the comparison
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 4, 9, 16));
        p.drawRect(QRectF(13, 4, 9, 16));
        p.drawLine(QPointF(5, 9), QPointF(10, 9));
        p.drawLine(QPointF(15, 9), QPointF(20, 9));
        p.drawLine(QPointF(5, 13), QPointF(10, 13));
        p.drawLine(QPointF(15, 14), QPointF(20, 14));
        break;
    default: // a sheet
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 3, 12, 18));
        break;
    }
    return QIcon(canvas.take());
}

const QString kOne = QStringLiteral("1");
const QString kZero = QStringLiteral("0");
constexpr Rgb kWhite = 0xFFFFFFFF;
constexpr Rgb kDarkGrey = 0xFF404040;
} // namespace

ParameterEditor::ParameterEditor(Shell &shell, QWidget *parent)
    : Form(shell, kEditorWindow, parent), keys([this](const QString &text, int style) {
          shell_.dialogs.MsgBox(this, text, style, QStringLiteral("ZR3500 Loader"));
      }) {
    setWindowTitle(QStringLiteral("Parameter File"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    cbrMain = new QWidget(this);
    cbrMain->setObjectName(QStringLiteral("cbrMain"));
    tbropen = new QToolBar(cbrMain);
    tbropen->setObjectName(QStringLiteral("tbropen"));
    tbropen->setProperty("band", QStringLiteral("FileBand"));
    tbropen->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tbropen->setIconSize(QSize(24, 24));
    // "New" fills a new file from the defaults of the chosen release.
    addButton(QStringLiteral("btnNew"), QStringLiteral("New"), QStringLiteral("New File"), 0);
    addButton(QStringLiteral("btnOpen"), QStringLiteral("Open File"), QStringLiteral("Open File"),
              1);
    addButton(QStringLiteral("btnSave"), QStringLiteral("Save File"), QStringLiteral("Save File"),
              2);
    addButton(QStringLiteral("btnCompare"), QStringLiteral("Compare with..."),
              QStringLiteral("Compare with another file or the drive"), 3);
    addButton(QStringLiteral("btnPrint"), QStringLiteral("Print"), QStringLiteral("Print File"), 4);
    auto *band = new QHBoxLayout(cbrMain);
    band->setContentsMargins(2, 2, 2, 2);
    band->addWidget(tbropen);
    band->addStretch();
    cbrMain->setAutoFillBackground(true);

    MSFlexGrid1 = new FlexGridView(grid1, QStringLiteral("MSFlexGrid1"), this);
    MSFlexGrid2 = new FlexGridView(grid2, QStringLiteral("MSFlexGrid2"), this);
    grid1.SetWidth(3000);
    grid1.SetColWidth(kName, 1500);
    grid1.SetColWidth(kShown, 800);
    grid2.SetWidth(2100);
    grid2.SetColWidth(kBitName, 1300);
    grid2.SetColWidth(kBitShown, 800);
    MSFlexGrid2->setFitContents(true);
    MSFlexGrid2->hide();
    connect(MSFlexGrid1, &FlexGridView::keyAscii, this, &ParameterEditor::MSFlexGrid1_KeyPress);
    connect(MSFlexGrid1, &FlexGridView::cellPressed, this, &ParameterEditor::MSFlexGrid1_MouseDown);
    connect(MSFlexGrid1, &FlexGridView::userMovedTo, this, &ParameterEditor::MSFlexGrid1_SelChange);
    connect(MSFlexGrid2, &FlexGridView::cellPressed, this, &ParameterEditor::MSFlexGrid2_Click);

    auto edit = [this](const QString &name, bool visible) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        e->setReadOnly(true);
        e->setVisible(visible);
        return e;
    };
    Label1 = new QLabel(QStringLiteral("Apri file:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Salva file:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(QStringLiteral("Parameter"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    source = edit(QStringLiteral("source"), true);
    destination = edit(QStringLiteral("destination"), true);
    numrelease = edit(QStringLiteral("numrelease"), true);
    numrelease->setAlignment(Qt::AlignCenter);
    numrelease->setMaximumWidth(60);
    sourcenew = edit(QStringLiteral("sourcenew"), false);
    salva = edit(QStringLiteral("salva"), false);
    openfile = edit(QStringLiteral("openfile"), false);

    Frame7 = new QGroupBox(this);
    Frame7->setObjectName(QStringLiteral("Frame7"));
    Frame1 = new QGroupBox(QStringLiteral("Release"), Frame7);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *f1 = new QHBoxLayout(Frame1);
    f1->addWidget(numrelease);
    f1->addStretch();
    auto *f7 = new QGridLayout(Frame7);
    f7->addWidget(Frame1, 0, 0, 1, 2);
    f7->addWidget(Label1, 1, 0, 1, 2);
    f7->addWidget(source, 2, 0, 1, 2);
    f7->addWidget(Label2, 3, 0, 1, 2);
    f7->addWidget(destination, 4, 0, 1, 2);
    f7->addWidget(sourcenew, 5, 0);
    f7->addWidget(salva, 5, 1);
    f7->addWidget(openfile, 6, 0);
    f7->setRowStretch(7, 1);

    auto *grids = new QVBoxLayout;
    grids->addWidget(Label3);
    auto *gridRow = new QHBoxLayout;
    // The parameter grid takes the width the window gives it; the status grid keeps its own.
    gridRow->addWidget(MSFlexGrid1, 1);
    gridRow->addWidget(MSFlexGrid2, 0, Qt::AlignTop);
    grids->addLayout(gridRow, 1);
    auto *body = new QHBoxLayout;
    body->addLayout(grids, 1);
    body->addWidget(Frame7);
    Frame7->setMinimumWidth(260);
    auto *top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 6, 6);
    top->addWidget(cbrMain);
    top->addLayout(body, 1);
    resize(760, 520);
}

ParameterEditor::~ParameterEditor() = default;

QAction *ParameterEditor::addButton(const QString &key, const QString &caption, const QString &tip,
                                    int icon) {
    QAction *a = tbropen->addAction(imopen(icon), caption);
    a->setObjectName(key);
    a->setToolTip(tip);
    connect(a, &QAction::triggered, this, [this, key] { tbropen_ButtonClick(key); });
    return a;
}

void ParameterEditor::Form_Load() {
    FormsRegistry &forms = shell_.forms();
    if (forms.isLoaded(kDownloadClip))
        forms.unload(kDownloadClip);
    FillCaptionTable(shell_.state.Captions);
    ApplyLanguage(shell_.state.CurrentLanguage);
    openfile->setText(kZero);
    salva->setText(kZero);
    shell_.state.ReportDbConfigured = kFalse;
}

void ParameterEditor::Form_Activate() {
    if (grid1.Row() >= 22)
        grid1.SetRow(1);
    FormsRegistry &forms = shell_.forms();
    for (const QString &n : {kFrontWindow, kTransferWindow, kLinkWindow, kAboutWindow}) {
        forms.form(n);
        forms.unload(n);
    }
}

void ParameterEditor::ApplyLanguage(int lang) {
    const CaptionTable &t = shell_.state.Captions;
    Label1->setText(CaptionText(t.capOpenFile, lang));
    Label2->setText(CaptionText(t.capSaveFile, lang));
    Label3->setText(CaptionText(t.capParameters, lang));
}

void ParameterEditor::AskSaveParameters(int lang, int &answer) {
    QString caption, text;
    if (!SaveQuestion(lang, caption, text))
        return;
    answer = shell_.dialogs.MsgBox(this, text, kYesNo | kCritical, caption);
}

bool ParameterEditor::unsaved() const {
    return openfile->text() == kOne && salva->text() == kZero;
}

void ParameterEditor::tbropen_ButtonClick(const QString &key) {
    if (key == QLatin1String("btnNew"))
        newCommand();
    else if (key == QLatin1String("btnOpen"))
        openCommand();
    else if (key == QLatin1String("btnSave"))
        saveCommand();
    else if (key == QLatin1String("btnCompare"))
        compareCommand();
    else if (key == QLatin1String("btnPrint") && openfile->text() == kOne)
        PrintParameters(*this);
}

void ParameterEditor::openCommand() {
    LoaderRoutine &st = shell_.state;
    if (unsaved()) {
        int answer = kNo;
        AskSaveParameters(st.CurrentLanguage, answer);
        if (answer == kYes) {
            saveCommand();
            return;
        }
    }
    QString dir = QFileInfo(st.ParamFileName).absolutePath();
    if (st.ParamFileName.isEmpty())
        dir = shell_.programDir + QStringLiteral("/examples");
    const QString path = shell_.dialogs.GetOpenFileName(
        this, QStringLiteral("Open File"), QStringLiteral("Parametri (*.xxd)|*.*d"), dir);
    if (path.isEmpty())
        return;
    openPath(path);
}

void ParameterEditor::newCommand() {
    LoaderRoutine &st = shell_.state;
    const int lang = st.CurrentLanguage;
    if (unsaved()) {
        int answer = kNo;
        AskSaveParameters(lang, answer);
        if (answer == kYes) {
            saveCommand();
            return;
        }
    }
    // The releases whose defaults ship in the user's language.
    QStringList codes;
    const QStringList names = QDir(shell_.programDir)
                                  .entryList({QStringLiteral("newRel??") + LanguageSuffix(lang)},
                                             QDir::Files, QDir::Name);
    for (const QString &name : names)
        codes << name.mid(6, 2);
    if (codes.isEmpty()) {
        showProblem({ParamProblem::DescriptionUnreadable,
                     shell_.programDir + QStringLiteral("/newRel??") + LanguageSuffix(lang),
                     0,
                     {}});
        return;
    }
    QStringList releases;
    for (const QString &code : std::as_const(codes))
        releases << ReleaseNumber(code);
    QInputDialog ask(this);
    ask.setObjectName(QStringLiteral("newRelease"));
    ask.setWindowTitle(NewFileText(NewFileWords::Title, lang));
    ask.setLabelText(NewFileText(NewFileWords::Release, lang));
    ask.setComboBoxItems(releases);
    ask.setComboBoxEditable(false);
    if (ask.exec() != QDialog::Accepted)
        return;
    const QString code = codes.value(releases.indexOf(ask.textValue()));
    if (code.isEmpty())
        return;
    QString dir = QFileInfo(st.ParamFileName).absolutePath();
    if (st.ParamFileName.isEmpty())
        dir = QDir::homePath();
    const QString path =
        shell_.dialogs.GetSaveFileName(this, NewFileText(NewFileWords::Title, lang),
                                       QStringLiteral("Parametri (*.%1d)|*.%1d").arg(code), dir);
    if (path.isEmpty())
        return;
    // The name gets the chosen release's file type, so the descriptions follow it.
    QString target = path;
    if (ReleaseCode(target) != code || !target.endsWith(QLatin1Char('d')))
        target = QFileInfo(path).path() + QLatin1Char('/') + QFileInfo(path).completeBaseName() +
                 QStringLiteral(".%1d").arg(code);
    QStringList lines;
    QString error;
    const QString defaults =
        QDir(shell_.programDir).filePath(QStringLiteral("newRel") + code + LanguageSuffix(lang));
    if (auto problem = NewFileLines(defaults, lines)) {
        showProblem(*problem);
        return;
    }
    if (!WriteAnsiLines(target, lines, error)) {
        showProblem({ParamProblem::CannotWrite, target, 0, error});
        return;
    }
    openPath(target);
}

namespace {
// The words of a parameter file's first 1024 lines, as the editor reads numbers.
std::vector<int> wordsOf(const QStringList &lines) {
    std::vector<int> words;
    for (qsizetype i = 0; i < lines.size() && i < kFileLines; ++i)
        words.push_back(static_cast<int>(LeadingNumber(lines[i])));
    return words;
}
} // namespace

void ParameterEditor::compareCommand() {
    if (openfile->text() != kOne)
        return;
    LoaderRoutine &st = shell_.state;
    const int lang = st.CurrentLanguage;
    // The file as it stands in the editor, edits included: what a save would write.
    ParamFileContext ctx(grid1, grid2);
    ctx.DataDescriptionPath = st.DataDescriptionPath;
    ctx.StatusDescriptionPath = st.StatusDescriptionPath;
    ctx.source = source->text();
    ctx.ParameterRowCount = st.ParameterRowCount;
    QStringList lines;
    ParameterDescription description;
    auto problem = SavedLines(ctx, lines);
    if (!problem)
        problem =
            ReadParameterDescription(st.DataDescriptionPath, st.StatusDescriptionPath, description);
    if (problem) {
        showProblem(*problem);
        return;
    }
    QInputDialog ask(this);
    ask.setObjectName(QStringLiteral("compareWith"));
    ask.setWindowTitle(CompareText(CompareWords::Title, lang));
    ask.setLabelText(CompareText(CompareWords::WithWhat, lang));
    const QStringList choices{CompareText(CompareWords::OtherFile, lang),
                              CompareText(CompareWords::TheDrive, lang)};
    ask.setComboBoxItems(choices);
    ask.setComboBoxEditable(false);
    if (ask.exec() != QDialog::Accepted)
        return;
    std::vector<int> other;
    QString otherTitle;
    if (ask.textValue() == choices[0]) {
        const QString code = ReleaseCode(source->text());
        const QString path =
            shell_.dialogs.GetOpenFileName(this, CompareText(CompareWords::Title, lang),
                                           QStringLiteral("Parametri (*.%1d)|*.%1d").arg(code),
                                           QFileInfo(source->text()).absolutePath());
        if (path.isEmpty())
            return;
        QStringList otherLines;
        QString error;
        if (!ReadAnsiLines(path, otherLines, error)) {
            showProblem({ParamProblem::SourceUnreadable, path, 0, error});
            return;
        }
        if (otherLines.size() < kFileLines) {
            showProblem({ParamProblem::SourceTooShort, path, int(otherLines.size()),
                         QString::number(kFileLines)});
            return;
        }
        other = wordsOf(otherLines);
        otherTitle = QFileInfo(path).fileName();
    } else {
        TransferView quiet;
        int failed = -1;
        const auto words =
            ReadParameterSet(TransferLink{shell_.port(), st.DriveAddress, lang}, quiet, 0, &failed);
        if (!words) {
            shell_.dialogs.MsgBox(this, DriveSetUnreadText(failed, lang), kOkOnly | kCritical,
                                  ProblemCaption(lang));
            return;
        }
        other = *words;
        otherTitle = CompareText(CompareWords::Drive, lang);
    }
    const QString mine = QFileInfo(source->text()).fileName();
    const auto rows = CompareParameterSets(wordsOf(lines), other, description);
    ShowComparison(this, lang, CompareText(CompareWords::Intro, lang).arg(mine, otherTitle),
                   CompareTable(rows, mine, otherTitle, lang), false);
}

void ParameterEditor::openPath(const QString &path) {
    LoaderRoutine &st = shell_.state;
    CommonDialog1FileName = path;
    st.ParamFileName = path;
    destination->clear();
    lastWritten_.clear();
    sourcenew->clear();
    SetDescriptionFiles(1, path, st.CurrentLanguage, shell_.programDir, st.DataDescriptionPath,
                        st.StatusDescriptionPath, st.NewDescriptionPath);
    source->setText(st.ParamFileName);
    numrelease->setText(ReleaseNumber(ReleaseCode(path)));
    grid1.Clear();
    grid2.Clear();
    MSFlexGrid1->show();
    MSFlexGrid2->show();
    openfile->setText(kOne);

    ParamFileContext ctx(grid1, grid2);
    ctx.DataDescriptionPath = st.DataDescriptionPath;
    ctx.StatusDescriptionPath = st.StatusDescriptionPath;
    ctx.source = source->text();
    const auto problem = openfilezr5(ctx);
    st.ParameterRowCount = ctx.ParameterRowCount;
    MSFlexGrid2->hide();
    if (problem) {
        // Nothing is open: there is nothing to save or print.
        openfile->setText(kZero);
        source->clear();
        numrelease->clear();
        showProblem(*problem);
        return;
    }
    keys.lastEditedRow.reset();
    grid1.SetCol(kShown);
    grid1.SetCellColors(kWhite, kDarkGrey);
    MSFlexGrid1->setFocus();
}

QString ParameterEditor::askSavePath() {
    const QString code = ReleaseCode(CommonDialog1FileName);
    const QString filter = QStringLiteral("Parametri (*.%1d)|*.%1d").arg(code);
    return shell_.dialogs.GetSaveFileName(this, QStringLiteral("Save File"), filter,
                                          QFileInfo(CommonDialog1FileName).absolutePath());
}

void ParameterEditor::saveCommand() {
    if (openfile->text() != kOne)
        return;
    const QString path = askSavePath();
    if (path.isEmpty())
        return;
    shell_.state.ParamFileName = path;
    destination->setText(path);
    writeFile();
}

void ParameterEditor::writeFile() {
    LoaderRoutine &st = shell_.state;
    ParamFileContext ctx(grid1, grid2);
    ctx.DataDescriptionPath = st.DataDescriptionPath;
    ctx.StatusDescriptionPath = st.StatusDescriptionPath;
    ctx.source = sourcenew->text().isEmpty() ? source->text() : sourcenew->text();
    ctx.destination = destination->text();
    ctx.ParameterRowCount = st.ParameterRowCount;
    const auto problem = salvafile(ctx);
    st.ParameterRowCount = ctx.ParameterRowCount;
    if (!problem) {
        lastWritten_ = ctx.destination;
        return;
    }
    // destination keeps naming the file last written (the report names it too).
    destination->setText(lastWritten_);
    showProblem(*problem);
}

void ParameterEditor::showProblem(const ParamProblem &problem) {
    const int lang = shell_.state.CurrentLanguage;
    shell_.dialogs.MsgBox(this, ProblemText(problem, lang), kOkOnly | kCritical,
                          ProblemCaption(lang));
}

void ParameterEditor::MSFlexGrid1_KeyPress(int keyAscii) {
    keys.KeyPress(grid1, keyAscii);
}

void ParameterEditor::MSFlexGrid1_MouseDown(int row, int col) {
    if (row >= 1 && col == kShown && IsStatusName(grid1.TextMatrix(row, kName))) {
        grid1.SetRow(row);
        StsConv(grid1, grid2);
        MSFlexGrid2->show();
    } else {
        MSFlexGrid2->hide();
    }
    grid1.SetCol(kShown);
}

void ParameterEditor::MSFlexGrid1_SelChange(int row, int col) {
    Q_UNUSED(row);
    if (col >= kRaw)
        grid1.SetCol(kShown);
}

void ParameterEditor::MSFlexGrid2_Click(int row, int col) {
    if (!StatusGridClick(grid1, grid2, row, col))
        MSFlexGrid2->hide();
}

void ParameterEditor::closeEvent(QCloseEvent *e) {
    // Closing is never refused: the registry runs Form_Unload and destroys the window.
    e->accept();
    if (shell_.forms().find(kEditorWindow) == this)
        shell_.forms().unload(kEditorWindow);
}

void ParameterEditor::Form_Unload() {
    LoaderRoutine &st = shell_.state;
    shell_.setLinkEnabled(IsSet(st.LinkOk));
    if (unsaved()) {
        int answer = kNo;
        AskSaveParameters(st.CurrentLanguage, answer);
        if (answer == kNo) {
            showMainWindow();
            return;
        }
    }
    if (unsaved()) {
        const QString path = askSavePath();
        if (path.isEmpty()) {
            showMainWindow();
            return;
        }
        st.ParamFileName = path;
        destination->setText(path);
        // Under the opened name or a new one, the file is written as the toolbar save writes it.
        salva->setText(kOne);
        writeFile();
    }
    showMainWindow();
}

void ParameterEditor::showMainWindow() {
    if (Form *main = shell_.forms().form(kMainWindow))
        main->show();
}

void RegisterParameterEditor(Shell &shell) {
    shell.forms().registerForm(kEditorWindow,
                               [&shell](QWidget *p) { return new ParameterEditor(shell, p); });
}

} // namespace zr::params
