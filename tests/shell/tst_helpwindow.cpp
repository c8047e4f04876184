// The help of each language as the build compiles it, opened by the main window's Help button.

#include "child.h"
#include "datatable.h"
#include "helpwindow.h"
#include "languagewindow.h"
#include "programs.h"
#include "windowsfixture.h"

#include <QHelpIndexWidget>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

using namespace zr::shell;
using zr::test::child;

class TestHelpWindow : public QObject {
    Q_OBJECT

private slots:
    void helpOfEachLanguage_data();
    void helpOfEachLanguage();
    void missingHelpFile();
};

void TestHelpWindow::helpOfEachLanguage_data() {
    columns<int, QString, QString, QString, QString>("lang", "firstPage", "keyword", "keywordPage",
                                                     "contentsTab");
    row("Italian", 0, "Collegare l'azionamento", "stato comunicazione", "La pagina Com Setting",
        "Sommario");
    row("English", 1, "Connecting the drive", "communication state", "The Com Setting page",
        "Contents");
    row("French", 2, "Raccorder le variateur", "communication s\u00e9rie", "La page Com Setting",
        "Sommaire");
}

void TestHelpWindow::helpOfEachLanguage() {
    QFETCH(int, lang);
    QFETCH(QString, firstPage);
    QFETCH(QString, keyword);
    WindowsFixture f;
    f.state.CurrentLanguage = qint16(lang);
    f.state.HelpFilePath = e2e::bin(HelpFileName(lang));
    f.main()->Form_Activate();
    f.main()->show();
    f.main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.main()));

    QTest::keyClick(f.main(), Qt::Key_F1);

    Form *help = f.shell.forms().find(kHelpWindow);
    QVERIFY(help && help->isVisible() && help->isWindow());
    QVERIFY(f.link()->isVisibleTo(f.main())); // the page stays
    auto *page = child<QTextBrowser>(help, "helpPage");
    auto *tabs = child<QTabWidget>(help, "helpTabs");
    QVERIFY2(tabs->count() == 2, qPrintable(page->toPlainText())); // contents and index
    QTEST(tabs->tabText(0), "contentsTab");
    QTRY_COMPARE(page->documentTitle(), firstPage);

    auto *index = child<QHelpIndexWidget>(help, "helpIndex");
    QTRY_VERIFY(
        index->model()
            ->match(index->model()->index(0, 0), Qt::DisplayRole, keyword, 1, Qt::MatchExactly)
            .size() == 1);
    child<QLineEdit>(help, "helpIndexFilter")->setText(keyword); // QTest types ASCII only
    index->activateCurrentItem();
    QTEST(page->documentTitle(), "keywordPage");
}

void TestHelpWindow::missingHelpFile() {
    WindowsFixture f;
    f.state.HelpFilePath = e2e::bin(QStringLiteral("helpRel131xyz.qch"));
    f.shell.showHelp();
    Form *help = f.shell.forms().find(kHelpWindow);
    QVERIFY(help);
    QCOMPARE(child<QTabWidget>(help, "helpTabs")->count(), 0);
    QVERIFY(
        child<QTextBrowser>(help, "helpPage")->toPlainText().contains(QLatin1String("missing")));
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
