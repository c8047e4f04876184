// The manual of each language as the build compiles it: opened by the Help button at its
// contents, by F1 at the page of the window that has the focus; its index and its search.

#include "child.h"
#include "datatable.h"
#include "helptopics.h"
#include "helpwindow.h"
#include "languagewindow.h"
#include "programs.h"
#include "windowsfixture.h"

#include <QHelpIndexWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

using namespace zr::shell;
using zr::test::child;

class TestHelpWindow : public QObject {
    Q_OBJECT

private slots:
    void helpOfEachLanguage_data();
    void helpOfEachLanguage();
    void f1OpensThePageOfTheWindow_data();
    void f1OpensThePageOfTheWindow();
    void missingHelpFile();
};

namespace {

Form *OpenHelp(WindowsFixture &f, int lang) {
    f.state.CurrentLanguage = qint16(lang);
    f.state.HelpFilePath = e2e::bin(HelpFileName(lang));
    f.main()->Form_Activate();
    f.main()->show();
    f.main()->activateWindow();
    if (!QTest::qWaitForWindowActive(f.main()))
        return nullptr;
    f.clickToolbar("btnHelp");
    return f.shell.forms().find(kHelpWindow);
}

} // namespace

void TestHelpWindow::helpOfEachLanguage_data() {
    columns<int, QString, QString, QString>("lang", "keyword", "keywordPage", "searchTab");
    row("Italian", 0, "Impostazioni del collegamento (Com Setting)",
        "Impostazioni del collegamento (Com Setting)", "Cerca");
    row("English", 1, "Link settings (Com Setting)", "Link settings (Com Setting)", "Search");
    row("French", 2, "L'oscilloscope", "L'oscilloscope", "Recherche");
}

void TestHelpWindow::helpOfEachLanguage() {
    QFETCH(int, lang);
    QFETCH(QString, keyword);
    WindowsFixture f;
    Form *help = OpenHelp(f, lang);
    QVERIFY(help && help->isVisible() && help->isWindow());
    QVERIFY(f.link()->isVisibleTo(f.main())); // the page stays
    auto *page = child<QTextBrowser>(help, "helpPage");
    auto *tabs = child<QTabWidget>(help, "helpTabs");
    QVERIFY2(tabs->count() == 3, qPrintable(page->toPlainText())); // contents, index, search
    QTEST(tabs->tabText(2), "searchTab");
    QTRY_COMPARE(page->source().fileName(), QStringLiteral("index.html"));

    auto *index = child<QHelpIndexWidget>(help, "helpIndex");
    QTRY_VERIFY(
        index->model()
            ->match(index->model()->index(0, 0), Qt::DisplayRole, keyword, 1, Qt::MatchExactly)
            .size() == 1);
    child<QLineEdit>(help, "helpIndexFilter")->setText(keyword); // QTest types ASCII only
    index->activateCurrentItem();
    QTEST(page->documentTitle(), "keywordPage");

    // The search finds the link results; a click on a result shows its page.
    tabs->setCurrentIndex(2);
    auto *words = child<QLineEdit>(help, "helpSearchText");
    QTest::keyClicks(words, QStringLiteral("checksum"));
    QTest::keyClick(words, Qt::Key_Return);
    auto *results = child<QListWidget>(help, "helpSearchResults");
    QTRY_VERIFY(results->count() > 0 && results->item(0)->flags() != Qt::NoItemFlags);
    QListWidgetItem *first = results->item(0);
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                      results->visualItemRect(first).center());
    QTRY_COMPARE(page->source(), first->data(Qt::UserRole).toUrl());
    QVERIFY(page->toPlainText().contains(QLatin1String("checksum"), Qt::CaseInsensitive));
}

void TestHelpWindow::f1OpensThePageOfTheWindow_data() {
    // The window is opened with its toolbar button (none: the main window itself); the focus
    // goes to a control by name, or to the window's first control.
    columns<QString, QString, QString, QString>("button", "window", "focus", "topic");
    row("Com Setting page", "btnCom", kLinkWindow, "", "link-settings.html");
    row("About page", "btnInfo", kAboutWindow, "", "about.html");
    row("parameter editor", "btnParam", kEditorWindow, "", "editor.html");
    row("main window's toolbar", "", kMainWindow, "btnCom_button", "main-window.html");
}

void TestHelpWindow::f1OpensThePageOfTheWindow() {
    QFETCH(QString, button);
    QFETCH(QString, window);
    QFETCH(QString, focus);
    QFETCH(QString, topic);
    WindowsFixture f;
    QVERIFY(OpenHelp(f, 1));
    if (!button.isEmpty())
        f.clickToolbar(button.toLatin1().constData());
    Form *w = f.shell.forms().find(window);
    QVERIFY(w && w->isVisible());
    w->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w->window()));
    QWidget *control = focus.isEmpty() ? nullptr : child<QWidget>(w, focus.toLatin1().constData());
    for (QWidget *c : w->findChildren<QWidget *>())
        if (!control && c->isVisible() && (c->focusPolicy() & Qt::TabFocus))
            control = c;
    if (control)
        control->setFocus();
    QTest::keyClick(control ? control : w->window(), Qt::Key_F1);
    Form *help = f.shell.forms().find(kHelpWindow);
    QTRY_COMPARE(child<QTextBrowser>(help, "helpPage")->source().fileName(), topic);
}

void TestHelpWindow::missingHelpFile() {
    WindowsFixture f;
    f.state.HelpFilePath = e2e::bin(QStringLiteral("helpRel131xyz.qch"));
    f.shell.showHelp(kHelpContentsTopic);
    Form *help = f.shell.forms().find(kHelpWindow);
    QVERIFY(help);
    QCOMPARE(child<QTabWidget>(help, "helpTabs")->count(), 0);
    QVERIFY(
        child<QTextBrowser>(help, "helpPage")->toPlainText().contains(QLatin1String("missing")));
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
