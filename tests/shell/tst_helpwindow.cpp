// The help of each language as the build compiles it, opened by the main window's Help button.

#include "datatable.h"
#include "helpwindow.h"
#include "languagewindow.h"
#include "programs.h"
#include "windowsfixture.h"

#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

using namespace zr::shell;

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

    auto *help = qobject_cast<HelpWindow *>(f.shell.forms().find(kHelpWindow));
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QVERIFY(help->isWindow());
    QVERIFY(f.link()->isVisibleTo(f.main())); // the page stays
    QVERIFY2(help->engine(), qPrintable(help->browser->toPlainText()));
    QCOMPARE(help->tabs->count(), 2); // contents and index
    QTEST(help->tabs->tabText(0), "contentsTab");
    QTRY_COMPARE(help->browser->documentTitle(), firstPage);

    QHelpIndexWidget *index = help->engine()->indexWidget();
    QTRY_VERIFY(help->engine()->indexModel()->stringList().contains(keyword));
    help->indexFilter->setText(keyword);
    index->activateCurrentItem();
    QTEST(help->browser->documentTitle(), "keywordPage");
}

void TestHelpWindow::missingHelpFile() {
    WindowsFixture f;
    f.state.HelpFilePath = e2e::bin(QStringLiteral("helpRel131xyz.qch"));
    f.shell.showHelp();
    auto *help = qobject_cast<HelpWindow *>(f.shell.forms().find(kHelpWindow));
    QVERIFY(help);
    QVERIFY(!help->engine());
    QVERIFY(help->browser->toPlainText().contains(QLatin1String("missing")));
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
