#include "descriptions.h"
#include "editorfixture.h"
#include "flexgridview.h"
#include "paramtexts.h"

#include "mainwindow.h"
#include "reportdb.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>

using namespace zr::params;
using namespace zr::shell;

class TestParamEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void saveQuestion_data();
    void saveQuestion();
    void captions_data();
    void captions();
    void openShowsFile();
    void closeFlows_data();
    void closeFlows();
    void toolbarSaveThenCloseAsksAgain();
    void openWhileOpen_data();
    void openWhileOpen();
    void failedOpenSaysWhy();
    void statusGridFollowsPress();
    void hiddenColumnsNotSelectable();
    void printShowsReport_data();
    void printShowsReport();
    void printWithoutDatabaseSaysWhy();
    void mainWindowOpensEditor();
};

void TestParamEditor::saveQuestion_data() {
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("caption"); // empty: nothing asked
    QTest::addColumn<QString>("last");
    QTest::newRow("italian") << 0 << "Save File Parameter"
                             << "Salvare il file?";
    QTest::newRow("english") << 1 << "Save File Parameters"
                             << "Save file?";
    QTest::newRow("french") << 2 << "Sauvegarderle le Fichier"
                            << "Sauvegarder le fichier?";
    QTest::newRow("unknown language") << 3 << ""
                                      << "";
}

void TestParamEditor::saveQuestion() {
    QFETCH(int, lang);
    QFETCH(QString, caption);
    QFETCH(QString, last);
    EditorFixture f;
    f.press(kNo);
    int answer = 42;
    f.editor()->AskSaveParameters(lang, answer);
    if (caption.isEmpty()) {
        QCOMPARE(answer, 42);
        QCOMPARE(f.count("msgbox"), 0);
        return;
    }
    QCOMPARE(answer, int(kNo));
    const auto &shown = f.modals.seen().last();
    QCOMPARE(shown.title, caption);
    QCOMPARE(shown.icon, QMessageBox::Critical);
    QCOMPARE(shown.buttons.size(), 2);
    const QStringList lines = shown.text.split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[2], last);
}

void TestParamEditor::captions_data() {
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("label1");
    QTest::newRow("italian") << 0 << "Apri file:";
    QTest::newRow("english") << 1 << "Open file:";
    QTest::newRow("french") << 2 << "Ouvrir fichier:";
}

void TestParamEditor::captions() {
    QFETCH(int, lang);
    QFETCH(QString, label1);
    EditorFixture f;
    f.state.CurrentLanguage = qint16(lang);
    auto *e = f.editor();
    QCOMPARE(e->findChild<QLabel *>("Label1")->text(), label1);
    QCOMPARE(e->windowTitle(), "Parameter File");
    QCOMPARE(e->openfile->text(), "0");
    QCOMPARE(e->salva->text(), "0");
}

void TestParamEditor::openShowsFile() {
    EditorFixture f;
    const QString path = f.example("14");
    f.open(path);
    auto *e = f.editor();
    QCOMPARE(f.modals.seen().first().filters, QStringList{"Parametri (*.*d)"});
    QCOMPARE(e->numrelease->text(), "1.4");
    QCOMPARE(e->source->text(), path);
    QCOMPARE(e->openfile->text(), "1");
    QCOMPARE(f.state.ParamFileName, path);
    QCOMPARE(f.state.ParameterRowCount, 22);
    QVERIFY(f.state.DataDescriptionPath.endsWith("/dataRel14eng.txt"));
    QCOMPARE(e->grid1.TextMatrix(1, kName), "Maximum speed");
    QVERIFY(!e->MSFlexGrid2->isVisibleTo(e));
}

void TestParamEditor::closeFlows_data() {
    QTest::addColumn<QList<int>>("buttons");
    QTest::addColumn<QString>("saveAs"); // "" cancel, "same", "new"
    QTest::addColumn<bool>("sourceChanged");
    QTest::addColumn<bool>("newWritten");
    QTest::newRow("No writes nothing") << QList<int>{kNo} << "" << false << false;
    QTest::newRow("Yes, dialog cancelled") << QList<int>{kYes} << "" << false << false;
    QTest::newRow("Yes onto the opened file") << QList<int>{kYes} << "same" << true << false;
    QTest::newRow("Yes under a new name") << QList<int>{kYes} << "new" << false << true;
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
    e->grid1.SetRow(29 - 1); // the last row before STATUS
    for (char c : QByteArray("7\r"))
        e->MSFlexGrid1_KeyPress(c);
    QCOMPARE(e->grid1.TextMatrix(28, kRaw), "70"); // a 0.1 row
    // What the toolbar save writes, for comparison.
    const QString reference = f.dir.filePath("reference.30d");
    f.modals.choose(reference);
    e->tbropen_ButtonClick("btnSave");
    QCOMPARE(e->salva->text(), "0");

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

void TestParamEditor::toolbarSaveThenCloseAsksAgain() {
    EditorFixture f;
    f.open(f.example("10"));
    f.modals.choose(f.dir.filePath("saved.10d"));
    f.editor()->tbropen_ButtonClick("btnSave");
    QVERIFY(QFile::exists(f.dir.filePath("saved.10d")));
    QCOMPARE(f.modals.seen().last().filters, QStringList{"Parametri (*.10d)"});
    QCOMPARE(f.editor()->destination->text(), f.dir.filePath("saved.10d"));
    f.press(kNo);
    f.editor()->close();
    QCOMPARE(f.count("msgbox"), 1);
    QCOMPARE(f.modals.seen().last().title, "Save File Parameters");
}

void TestParamEditor::openWhileOpen_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("release");
    QTest::newRow("Yes saves and does not open") << int(kYes) << "1.0";
    QTest::newRow("No opens") << int(kNo) << "4.0";
}

void TestParamEditor::openWhileOpen() {
    QFETCH(int, answer);
    QFETCH(QString, release);
    EditorFixture f;
    f.open(f.example("10"));
    const QString saved = f.dir.filePath("saved.10d");
    f.press(answer);
    f.modals.choose(answer == kYes ? saved : f.example("40"));
    f.editor()->tbropen_ButtonClick("btnOpen");
    QCOMPARE(f.count("msgbox"), 1);
    QCOMPARE(f.editor()->numrelease->text(), release);
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
    QCOMPARE(f.editor()->grid1.Rows(), 0);
    QCOMPARE(f.editor()->openfile->text(), "0");
    f.editor()->close(); // nothing open: nothing asked
    QCOMPARE(f.count("msgbox"), 2);
}

void TestParamEditor::statusGridFollowsPress() {
    EditorFixture f;
    f.open(f.example("10"));
    auto *e = f.editor();
    QVERIFY(IsStatusName(e->grid1.TextMatrix(21, kName)));
    e->MSFlexGrid1_MouseDown(21, 1);
    QVERIFY(e->MSFlexGrid2->isVisibleTo(e));
    QCOMPARE(e->grid1.TextMatrix(21, kShown), "5");
    QCOMPARE(e->grid2.TextMatrix(1, kBitShown), "Yes"); // bit 0 of 5
    e->MSFlexGrid2_Click(2, 1);                         // bit 1 set
    QCOMPARE(e->grid1.TextMatrix(21, kShown), "7");
    QCOMPARE(e->grid1.TextMatrix(21, kRaw), "7");
    QVERIFY(e->MSFlexGrid2->isHidden() == false);
    e->MSFlexGrid1_MouseDown(21, 0); // the name
    QVERIFY(e->MSFlexGrid2->isHidden());
    e->MSFlexGrid1_MouseDown(21, 1);
    e->MSFlexGrid1_MouseDown(3, 1); // another row's value
    QVERIFY(e->MSFlexGrid2->isHidden());
}

void TestParamEditor::hiddenColumnsNotSelectable() {
    EditorFixture f;
    f.open(f.example("11"));
    auto *e = f.editor();
    e->MSFlexGrid1->setCurrentIndex(e->MSFlexGrid1->model()->index(4, kRaw));
    QCOMPARE(e->grid1.Row(), 4);
    QCOMPARE(e->grid1.Col(), int(kShown));
    for (int c = kRaw; c < kParamColumns; ++c)
        QVERIFY(e->MSFlexGrid1->isColumnHidden(c));
}

void TestParamEditor::printShowsReport_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("records");
    QTest::newRow("13 on layout 10") << "13"
                                     << "DataReport10" << 21 + 13;
    QTest::newRow("40") << "40"
                        << "DataReport40" << 30 + 13;
}

void TestParamEditor::printShowsReport() {
    QFETCH(QString, code);
    QFETCH(QString, report);
    QFETCH(int, records);
    EditorFixture f;
    auto *e = f.editor();
    e->tbropen_ButtonClick("btnPrint"); // nothing open: nothing printed
    QVERIFY(!e->lastReport);
    const QString path = f.example(code);
    f.open(path);
    f.state.ReportDbConfigured = kTrue;
    e->reportDbPath = f.dir.filePath(kReportDbName);
    QString error;
    QVERIFY(CreateReportDatabase(ZR_DATA_DIR "/report/zr3500Rel131.sql", e->reportDbPath, error));
    e->tbropen_ButtonClick("btnPrint");
    QVERIFY(e->lastReport);
    QCOMPARE(e->lastReport->objectName(), report);
    QCOMPARE(e->lastReport->windowTitle(), path); // the file the printout belongs to
    {
        ReportConnection c(e->reportDbPath);
        QCOMPARE(c.records(LayoutFor(code.toInt()).table).size(), records);
    }
    auto *pdf = e->lastReport->findChild<QAction *>("exportPdf");
    QVERIFY(pdf);
    const QString pdfPath = f.dir.filePath("report.pdf");
    f.modals.choose(pdfPath);
    pdf->trigger();
    QVERIFY(EditorFixture::bytes(pdfPath).startsWith("%PDF"));
}

void TestParamEditor::printWithoutDatabaseSaysWhy() {
    QStandardPaths::setTestModeEnabled(true);
    EditorFixture f;
    f.open(f.example("10"));
    f.shell.programDir = f.dir.filePath("empty-program-dir");
    f.editor()->tbropen_ButtonClick("btnPrint");
    QVERIFY(!f.editor()->lastReport);
    QCOMPARE(f.modals.seen().last().kind, "msgbox");
    QVERIFY(f.modals.seen().last().text.contains(kReportDbName));
    QCOMPARE(f.state.ReportDbConfigured, kTrue);
}

void TestParamEditor::mainWindowOpensEditor() {
    EditorFixture f;
    f.shell.forms().registerForm(kMainWindow,
                                 [&f](QWidget *p) { return new MainWindow(f.shell, p); });
    auto *main = f.shell.forms().formAs<MainWindow>(kMainWindow);
    QVERIFY(main);
    main->tbrFile_ButtonClick("btnParam");
    auto *editor = qobject_cast<ParameterEditor *>(f.shell.forms().find(kEditorWindow));
    QVERIFY(editor);
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->objectName(), "ZR_LOADER_PARAMETER");
    f.shell.forms().unloadAll();
}

QTEST_MAIN(TestParamEditor)
#include "tst_parameditor.moc"
