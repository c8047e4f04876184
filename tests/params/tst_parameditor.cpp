#include "datatable.h"
#include "descriptions.h"
#include "editorfixture.h"
#include "paramtexts.h"

#include "reportdb.h"
#include "reportprint.h"
#include "smalldisk.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextDocument>
#include <QToolBar>
#include <QToolTip>

using namespace zr::params;
using namespace zr::shell;

namespace {
int distance(const QColor &a, const QColor &b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}
// The colour a cell is filled with and the colour of its text (the pixel inside the cell that
// differs most from the fill), as the grid shows them.
struct CellLook {
    QColor back, ink;
};
CellLook look(FlexGridView *view, int row, int col) {
    QApplication::processEvents();
    const QImage image = view->viewport()->grab().toImage();
    const QRect r = view->visualRect(view->model()->index(row, col));
    CellLook l{image.pixelColor(r.right() - 3, r.center().y()), {}};
    for (int y = r.top() + 2; y <= r.bottom() - 2; ++y)
        for (int x = r.left() + 2; x <= r.right() - 2; ++x)
            if (!l.ink.isValid() ||
                distance(image.pixelColor(x, y), l.back) > distance(l.ink, l.back))
                l.ink = image.pixelColor(x, y);
    return l;
}
const QString kI2t = QStringLiteral("I²t alarm time");

// Where the print command keeps its copy of the report database when the program folder holds
// none (the tests' own data folder), emptied.
QString ReportCopy() {
    QStandardPaths::setTestModeEnabled(true);
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    QFile::remove(QDir(dir).filePath(kReportDbName));
    return QDir(dir).filePath(kReportDbName);
}
} // namespace

class TestParamEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void languages_data();
    void languages();
    void openListsAndShowsFile();
    void closeFlows_data();
    void closeFlows();
    void openWhileOpen_data();
    void openWhileOpen();
    void failedOpenSaysWhy();
    void multiplierTenRows();
    void typingColours();
    void namesAndWidth();
    void statusGridFollowsPress();
    void printShowsReport_data();
    void printShowsReport();
    void printWithoutDatabaseSaysWhy();
    void pdfOntoAFullDiskKeepsTheOlderPdf();
    void newFileFromDefaults_data();
    void newFileFromDefaults();
    void compareWith_data();
    void compareWith();
};

void TestParamEditor::languages_data() {
    columns<int, QString, QString, QString>("lang", "label1", "caption", "last");
    row("italian", 0, "Apri file:", "Save File Parameter", "Salvare il file?");
    row("english", 1, "Open file:", "Save File Parameters", "Save file?");
    row("french", 2, "Ouvrir fichier:", "Sauvegarderle le Fichier", "Sauvegarder le fichier?");
}

void TestParamEditor::languages() {
    QFETCH(int, lang);
    QFETCH(QString, last);
    EditorFixture f;
    f.state.CurrentLanguage = qint16(lang);
    auto *e = f.editor();
    QTEST(e->findChild<QLabel *>("Label1")->text(), "label1");
    QCOMPARE(e->windowTitle(), "Parameter File");
    const QString path = f.example("10");
    f.open(path);
    f.press(kNo);
    e->close();
    QVERIFY(!f.shell.forms().isLoaded(kEditorWindow));
    QCOMPARE(EditorFixture::bytes(path), EditorFixture::bytes(f.example("10", "copy")));
    QCOMPARE(f.count("msgbox"), 1);
    const auto &shown = f.modals.seen().last();
    QTEST(shown.title, "caption");
    QCOMPARE(shown.icon, QMessageBox::Critical);
    QCOMPARE(shown.buttons.size(), 2);
    const QStringList lines = shown.text.split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[2], last);
}

void TestParamEditor::openListsAndShowsFile() {
    EditorFixture f;
    f.modals.listThenCancel();
    f.click("btnOpen");
    const auto &dialog = f.modals.seen().first();
    QCOMPARE(dialog.kind, "open");
    for (const char *code : {"10", "11", "13", "14", "20", "30", "40"})
        QVERIFY2(dialog.listed.contains(QString("demo.%1d").arg(code)),
                 qPrintable(dialog.listed.join(' ')));
    auto *e = f.editor();
    QCOMPARE(f.text("openfile"), "0");

    const QString path = f.example("14");
    f.open(path);
    QCOMPARE(f.text("numrelease"), "1.4");
    QCOMPARE(f.text("source"), path);
    QCOMPARE(f.text("openfile"), "1");
    QCOMPARE(f.state.ParamFileName, path);
    QCOMPARE(f.state.ParameterRowCount, 22);
    QVERIFY(f.state.DataDescriptionPath.endsWith("/dataRel14eng.txt"));
    QCOMPARE(f.grid(1).TextMatrix(1, kName), "Maximum speed");
    QVERIFY(!f.view(2)->isVisibleTo(e));
}

void TestParamEditor::closeFlows_data() {
    QTest::addColumn<QList<int>>("buttons");
    QTest::addColumn<QString>("saveAs"); // "" cancel, "same", "new"; No: languages()
    columns<bool, bool>("sourceChanged", "newWritten");
    row("Yes, dialog cancelled", QList<int>{kYes}, "", false, false);
    row("Yes onto the opened file", QList<int>{kYes}, "same", true, false);
    row("Yes under a new name", QList<int>{kYes}, "new", false, true);
}

void TestParamEditor::closeFlows() {
    QFETCH(QList<int>, buttons);
    QFETCH(QString, saveAs);
    QFETCH(bool, sourceChanged);
    QFETCH(bool, newWritten);
    EditorFixture f;
    // Release 30: the description's unmarked lines sit between the marked ones.
    const QString path = f.example("30");
    const QString other = f.dir.filePath("other.30d");
    const QByteArray before = EditorFixture::bytes(path);
    f.open(path);
    auto *e = f.editor();
    EditorFixture::pressCell(f.view(1), 28, 1); // the last row before STATUS
    f.type("7\r");
    QCOMPARE(f.grid(1).TextMatrix(28, kRaw), "70"); // a 0.1 row
    // What the toolbar save writes, for comparison: the name typed without its extension, in
    // the opened file's folder. The save leaves the file unsaved for the close.
    const QString reference = f.dir.filePath("reference.30d");
    f.modals.choose("reference");
    f.click("btnSave");
    QCOMPARE(f.modals.seen().last().filters, QStringList{"Parametri (*.30d)"});
    QCOMPARE(f.text("destination"), reference);
    QCOMPARE(f.text("salva"), "0");

    for (int b : buttons)
        f.press(b);
    if (saveAs == "same")
        f.modals.choose(path);
    if (saveAs == "new")
        f.modals.choose(other);
    const int before_msg = f.count("msgbox");
    e->close();
    // Saving onto the opened file asks before replacing it, too.
    QCOMPARE(f.count("msgbox"), before_msg + (saveAs == "same" ? 2 : 1));
    QVERIFY(!f.shell.forms().isLoaded(kEditorWindow));
    QVERIFY(f.shell.forms().find(kMainWindow) && f.shell.forms().find(kMainWindow)->isVisible());
    QCOMPARE(EditorFixture::bytes(path) != before, sourceChanged);
    QCOMPARE(QFile::exists(other), newWritten);
    // Under either name the close-time save writes what the toolbar save writes.
    if (sourceChanged)
        QCOMPARE(EditorFixture::bytes(path), EditorFixture::bytes(reference));
    if (newWritten)
        QCOMPARE(EditorFixture::bytes(other), EditorFixture::bytes(reference));
}

void TestParamEditor::openWhileOpen_data() {
    columns<int, QString>("answer", "release");
    row("Yes saves and does not open", int(kYes), "1.0");
    row("No opens", int(kNo), "4.0");
}

void TestParamEditor::openWhileOpen() {
    QFETCH(int, answer);
    EditorFixture f;
    f.open(f.example("10"));
    const QString saved = f.dir.filePath("saved.10d");
    f.press(answer);
    f.open(answer == kYes ? saved : f.example("40"));
    QCOMPARE(f.count("msgbox"), 1);
    QTEST(f.text("numrelease"), "release");
    QCOMPARE(QFile::exists(saved), answer == kYes);
    QCOMPARE(f.modals.seen().last().kind, answer == kYes ? "save" : "open");
}

void TestParamEditor::failedOpenSaysWhy() {
    EditorFixture f;
    f.open(f.example("13"));
    QFile::copy(f.example("13"), f.dir.filePath("unknown.99d"));
    f.press(kNo);
    f.open(f.dir.filePath("unknown.99d"));
    const auto &shown = f.modals.seen().last();
    QCOMPARE(shown.kind, "msgbox");
    QVERIFY2(shown.text.contains("dataRel99eng.txt"), qPrintable(shown.text));
    QCOMPARE(f.grid(1).Rows(), 0);
    QCOMPARE(f.text("openfile"), "0");
    f.editor()->close(); // nothing open: nothing asked
    QCOMPARE(f.count("msgbox"), 2);
}

// A value above the limit of a multiplier-10 row is refused with one message, and what is saved is
// what was shown: the file reopened shows the same value. The typing rules themselves are held by
// tst_paramconversions.
void TestParamEditor::multiplierTenRows() {
    EditorFixture f;
    f.open(f.example("13"));
    const int row = f.rowNamed(kI2t);
    QVERIFY(row > 0);
    QCOMPARE(f.grid(1).TextMatrix(row, 7), "10");
    EditorFixture::pressCell(f.view(1), row, 1);
    f.type("250000\r");
    QCOMPARE(f.modals.messages(), QStringList{"OUT of RANGE"});
    f.modals.choose("x10");
    f.click("btnSave");
    f.press(kNo);
    f.open(f.dir.filePath("x10.13d"));
    QCOMPARE(f.text("source"), f.dir.filePath("x10.13d"));
    QCOMPARE(f.grid(1).TextMatrix(row, kShown), "99990");
    QCOMPARE(f.grid(1).TextMatrix(row, kRaw), "9999");
}

void TestParamEditor::typingColours() {
    EditorFixture f;
    f.open(f.example("13"));
    auto check = [&](int row, const QColor &back, const QColor &ink) {
        const CellLook l = look(f.view(1), row, 1);
        QVERIFY2(distance(l.back, back) <= 40, qPrintable("fill " + l.back.name()));
        QVERIFY2(distance(l.ink, ink) <= 40, qPrintable("text " + l.ink.name()));
    };
    // After the open the current cell is white with dark grey text.
    check(f.grid(1).Row(), QColor(255, 255, 255), QColor(64, 64, 64));
    // A current cell without colours of its own is not covered by a highlight either.
    EditorFixture::pressCell(f.view(1), 1, 1);
    check(1, QColor(255, 255, 255), QColor(0, 0, 0));
    const int row = f.rowNamed(kI2t);
    EditorFixture::pressCell(f.view(1), row, 1);
    f.type("12");
    check(row, QColor(255, 31, 15), QColor(255, 255, 15)); // while typing
    f.type("\r");
    check(row, QColor(255, 255, 255), QColor(0, 0, 255)); // after Enter
}

void TestParamEditor::namesAndWidth() {
    EditorFixture f;
    f.state.CurrentLanguage = kItalian;
    f.open(f.example("10"));
    auto *e = f.editor();
    FlexGridView *view = f.view(1);
    // Two names that differ only at their end: both whole, and in the tooltip.
    for (const QString name : {"Funzione ingresso 1", "Funzione ingresso 2"}) {
        const int row = f.rowNamed(name);
        QVERIFY(row > 0);
        QVERIFY(view->columnWidth(0) > view->fontMetrics().horizontalAdvance(name));
        view->scrollTo(view->model()->index(row, 0));
        const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
        QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), name);
    }
    for (int c = 0; c < 3; ++c)
        QCOMPARE(view->horizontalHeader()->sectionResizeMode(c), QHeaderView::Interactive);

    // A wider window gives the grid its width, and the unit column takes the rest of the view.
    const int before = view->width();
    e->resize(e->width() + 300, e->height());
    QTRY_VERIFY(view->width() >= before + 290);
    QVERIFY(view->columnViewportPosition(2) + view->columnWidth(2) >= view->viewport()->width());

    // The keyboard does not reach the hidden columns.
    const int row = f.rowNamed("Funzione ingresso 1");
    EditorFixture::pressCell(view, row, 2);
    QCOMPARE(f.grid(1).Col(), 1); // a press makes the value current
    for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_End}) {
        QTest::keyClick(view, k);
        QCOMPARE(f.grid(1).Col(), 2);
    }
    for (int c = kRaw; c < kParamColumns; ++c)
        QVERIFY(view->isColumnHidden(c));
}

void TestParamEditor::statusGridFollowsPress() {
    EditorFixture f;
    f.open(f.example("10"));
    QVERIFY(IsStatusName(f.grid(1).TextMatrix(21, kName)));
    EditorFixture::pressCell(f.view(1), 21, 1);
    QVERIFY(f.view(2)->isVisible());
    QCOMPARE(f.grid(1).TextMatrix(21, kShown), "5");
    QCOMPARE(f.grid(2).TextMatrix(1, kBitShown), "Yes"); // bit 0 of 5
    EditorFixture::pressCell(f.view(2), 2, 1);           // bit 1 set
    QCOMPARE(f.grid(1).TextMatrix(21, kShown), "7");
    QCOMPARE(f.grid(1).TextMatrix(21, kRaw), "7");
    QVERIFY(f.view(2)->isVisible());
    EditorFixture::pressCell(f.view(2), 2, 0); // a bit's name hides the grid
    QVERIFY(f.view(2)->isHidden());
    EditorFixture::pressCell(f.view(1), 21, 1);
    EditorFixture::pressCell(f.view(1), 21, 0); // the name
    QVERIFY(f.view(2)->isHidden());
    EditorFixture::pressCell(f.view(1), 21, 1);
    EditorFixture::pressCell(f.view(1), 3, 1); // another row's value
    QVERIFY(f.view(2)->isHidden());
}

void TestParamEditor::printShowsReport_data() {
    columns<QString, bool, QString, int>("code", "failedSave", "report", "records");
    row("40", "40", false, "DataReport40", 30 + 13);
    row("after a failed save", "10", true, "DataReport10", 21 + 13);
}

void TestParamEditor::printShowsReport() {
    QFETCH(QString, code);
    QFETCH(bool, failedSave);
    QFETCH(QString, report);
    // The report database as a read-only program folder leaves it: a copy among the user's data.
    const QString db = ReportCopy();
    QString error;
    QVERIFY(CreateReportDatabase(ZR_DATA_DIR "/report/zr3500Rel131.sql", db, error));
    EditorFixture f;
    auto *e = f.editor();
    f.click("btnPrint"); // nothing open: nothing printed
    QVERIFY(!e->findChild<QPrintPreviewDialog *>());
    const QString path = f.example(code);
    f.open(path);
    if (failedSave) {
        f.modals.choose("/proc/edited"); // a folder where no file can be created
        f.click("btnSave");
        QCOMPARE(f.count("msgbox"), 1);
        QCOMPARE(f.text("destination"), "");
    }
    f.click("btnPrint");
    auto *dialog = e->findChild<QPrintPreviewDialog *>();
    QVERIFY(dialog);
    QCOMPARE(dialog->objectName(), report);
    QCOMPARE(dialog->windowTitle(), path); // the file the printout belongs to
    // Opened fitted to the page's width, where the lines can be read.
    auto *preview = dialog->findChild<QPrintPreviewWidget *>();
    QVERIFY(preview);
    QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::FitToWidth);
    {
        ReportConnection c(db);
        QTEST(int(c.records(LayoutFor(code.toInt()).table).size()), "records");
    }
    QToolButton *pdf = EditorFixture::buttonOf(dialog->findChild<QAction *>("exportPdf"));
    QVERIFY(pdf);
    const QString pdfPath = f.dir.filePath("report.pdf");
    f.modals.choose(pdfPath);
    QTest::mouseClick(pdf, Qt::LeftButton);
    QVERIFY(EditorFixture::bytes(pdfPath).startsWith("%PDF"));
}

void TestParamEditor::printWithoutDatabaseSaysWhy() {
    QFile::remove(ReportCopy());
    EditorFixture f;
    f.open(f.example("10"));
    f.shell.programDir = f.dir.filePath("empty-program-dir");
    f.click("btnPrint");
    QVERIFY(!f.editor()->findChild<QPrintPreviewDialog *>());
    QCOMPARE(f.modals.seen().last().kind, "msgbox");
    QVERIFY(f.modals.seen().last().text.contains(kReportDbName));
    QCOMPARE(f.state.ReportDbConfigured, kTrue);
}

// An older PDF of the same name must not pass for the new one when the new one finds no room.
void TestParamEditor::pdfOntoAFullDiskKeepsTheOlderPdf() {
    EditorFixture f;
    SmallDisk disk(f.dir.filePath("small"), 8);
    if (!disk.mounted())
        QSKIP("no tmpfs can be mounted here");
    const QString pdf = f.dir.filePath("small/report.pdf");
    const QByteArray older(7 * 1024, 'o');
    QFile out(pdf);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(older), older.size());
    out.close();
    QTextDocument doc;
    doc.setPlainText(QString(4000, QLatin1Char('x')));
    QString error;
    QVERIFY(!zr::params::WriteReportPdf(doc, pdf, error, zr::shell::kFrench));
    QVERIFY2(error.contains(QString::fromUtf8("le disque est plein")), qPrintable(error));
    QCOMPARE(EditorFixture::bytes(pdf), older);
    QVERIFY(zr::params::WriteReportPdf(doc, f.dir.filePath("report.pdf"), error));
    QVERIFY(EditorFixture::bytes(f.dir.filePath("report.pdf")).startsWith("%PDF"));
}

// "New": the release is chosen, the file is written from its defaults under the name given (with
// the release's extension), opened, then edited and saved like any file.
void TestParamEditor::newFileFromDefaults_data() {
    columns<int, QString, QString, QString, QString>("lang", "release", "file", "name", "shown");
    row("English 1.3", 1, "1.3", "fresh.13d", "Maximum speed", "3000");
    row("Italian 4.0, typed without extension", 0, "4.0", "nuovo", "Velocità massima", "3000");
}

void TestParamEditor::newFileFromDefaults() {
    QFETCH(int, lang);
    QFETCH(QString, release);
    QFETCH(QString, file);
    QFETCH(QString, name);
    QFETCH(QString, shown);
    EditorFixture f;
    f.state.CurrentLanguage = qint16(lang);
    QStringList offered;
    f.modals.then([&](QWidget *dialog) {
        auto *combo = dialog->findChild<QComboBox *>();
        for (int i = 0; i < combo->count(); ++i)
            offered << combo->itemText(i);
        combo->setCurrentIndex(combo->findText(release));
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    });
    f.modals.choose(f.dir.filePath(file));
    f.click(QStringLiteral("btnNew"));
    QCOMPARE(offered, QStringList({"1.0", "1.1", "1.3", "1.4", "2.0", "3.0", "4.0"}));
    const QString code = QString(release).remove('.');
    const QString path = f.dir.filePath(file.endsWith('d') ? file : file + "." + code + "d");
    QCOMPARE(f.text("source"), path);
    QCOMPARE(f.text("numrelease"), release);
    QCOMPARE(f.text("openfile"), QStringLiteral("1"));
    QCOMPARE(EditorFixture::bytes(path).count("\r\n"), 1024);
    const int row = f.rowNamed(name);
    QVERIFY(row > 0);
    QCOMPARE(f.grid(1).TextMatrix(row, 1), shown);
    // Edited and saved like any file.
    EditorFixture::pressCell(f.view(1), row, 1);
    f.type(QStringLiteral("1500\r"));
    f.modals.choose(path);
    f.click(QStringLiteral("btnSave"));
    QVERIFY(EditorFixture::bytes(path).startsWith(" 1500\r\n") ||
            EditorFixture::bytes(path).startsWith("1500\r\n"));
}

// "Compare with...": the file as edited against another file or the drive's set, the rows that
// differ named as the editor shows them.
void TestParamEditor::compareWith_data() {
    columns<bool, QStringList>("drive", "says");
    row("another file", false,
        QStringList{"pump.10d compared with other.10d:", "Maximum speed", "Acceleration ramp",
                    " 257  (hidden line)"});
    row("the drive", true,
        QStringList{"pump.10d compared with Drive:", "Maximum speed", " 257  (hidden line)"});
}

void TestParamEditor::compareWith() {
    QFETCH(bool, drive);
    QFETCH(QStringList, says);
    EditorFixture f;
    f.state.DriveAddress = 1;
    f.port.Open();
    f.open(f.example("10"));
    const QString other = f.example("10", "other");
    f.drive.loadParameterFile(other, 0x3800);
    // Edited in the grid, not saved: the edit is compared.
    EditorFixture::pressCell(f.view(1), f.rowNamed("Maximum speed"), 1);
    f.type(QStringLiteral("1500\r"));
    QFile o(other);
    QVERIFY(o.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = o.readAll().split('\n');
    o.close();
    lines[8] = "250\r";
    QVERIFY(o.open(QIODevice::WriteOnly));
    o.write(lines.join('\n'));
    o.close();
    f.modals.then([&](QWidget *dialog) {
        auto *combo = dialog->findChild<QComboBox *>();
        combo->setCurrentIndex(drive ? 1 : 0);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    });
    if (!drive)
        f.modals.choose(other);
    QString shown;
    f.modals.then([&](QWidget *dialog) {
        shown =
            dialog->findChild<QLabel *>()->text() + QLatin1Char('\n') +
            dialog->findChild<QPlainTextEdit *>(QStringLiteral("comparisonTable"))->toPlainText();
        static_cast<QDialog *>(dialog)->reject();
    });
    f.click(QStringLiteral("btnCompare"));
    for (const QString &text : says)
        QVERIFY2(shown.contains(text), qPrintable(shown));
}

QTEST_MAIN(TestParamEditor)
#include "tst_parameditor.moc"
