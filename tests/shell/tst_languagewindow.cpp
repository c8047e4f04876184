// The start-up window: which sphere gives which language and help file, and the captions of
// the windows created before and after the choice.

#include "child.h"
#include "datatable.h"
#include "languagewindow.h"
#include "qtlocale.h"
#include "windowsfixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace zr::shell;
using zr::test::child;

class TestLanguageWindow : public QObject {
    Q_OBJECT

private slots:
    void load();
    void makerFrameFits_data();
    void makerFrameFits();
    void sphere_data();
    void sphere();
    void keyboardChoosesInScreenOrder_data();
    void keyboardChoosesInScreenOrder();
};

namespace {
// The text of a message box's Yes button, as Qt translates it.
QString yesButtonText() {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&'));
}

} // namespace

void TestLanguageWindow::load() {
    WindowsFixture f;
    f.state.TransferDone = kTrue;
    Form *w = f.shell.forms().form(kLanguageWindow);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Language ZR3500 Loader"));
    QCOMPARE(f.state.TransferDone, kFalse);
    QCOMPARE(f.state.Captions.capLanguage[kFrench], QStringLiteral("Langue")); // table filled
    // Design-time captions until a language is chosen.
    QCOMPARE(child<QGroupBox>(w, "Frame2")->title(), QStringLiteral("Language"));
    QCOMPARE(child<QLabel>(w, "LINGUA_2")->text(), QStringLiteral("Francais"));
    for (const char *name : {"GlossSphere1", "GlossSphere2", "GlossSphere3", "Frame1", "anmAVI"})
        child<QWidget>(w, name);
}

void TestLanguageWindow::makerFrameFits_data() {
    QTest::addColumn<QString>("window");
    row("language window", kLanguageWindow);
    row("About", kAboutWindow);
}

void TestLanguageWindow::makerFrameFits() {
    QFETCH(QString, window);
    WindowsFixture f;
    f.main(); // the About page lives in the main window
    Form *w = f.shell.forms().form(window);
    auto *frame1 = w->findChild<QGroupBox *>(QStringLiteral("Frame1"));
    QVERIFY(frame1);
    QCOMPARE(frame1->title(), QStringLiteral("Realized By:"));
    QVERIFY(w->rect().contains(frame1->geometry()));
    for (int n = 9; n <= 13; ++n) {
        auto *l = frame1->findChild<QLabel *>(QStringLiteral("Label%1").arg(n));
        QVERIFY(l);
        QVERIFY2(l->sizeHint().width() <= frame1->contentsRect().width(), qPrintable(l->text()));
    }
}

void TestLanguageWindow::sphere_data() {
    columns<QString, int, QString, QString, QString>("sphere", "lang", "helpFile", "frame5",
                                                     "frame1");
    QTest::addColumn<QString>("label"); // the label beside the sphere
    QTest::addColumn<QString>("yes");   // Qt's own button text afterwards
    row("first sphere: Italian", "GlossSphere1", 0, "helpRel131ita.qch", "Stato comunicazione",
        "Numero drive:", "Italiano", QString::fromUtf8("Sì"));
    row("second sphere: French, not English", "GlossSphere2", 2, "helpRel131fra.qch",
        "Communication Serie", "Addresse drive", "Francais", "Oui");
    row("third sphere: English", "GlossSphere3", 1, "helpRel131eng.qch", "Communication Error",
        "Address drive:", "English", "Yes");
}

void TestLanguageWindow::sphere() {
    QFETCH(QString, sphere);
    QFETCH(int, lang);
    QFETCH(QString, helpFile);
    QFETCH(QString, label);
    WindowsFixture f;
    Form *w = f.shell.forms().form(kLanguageWindow);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto *button = child<QWidget>(w, qPrintable(sphere));
    // A user reads the label beside a sphere: it must name the language the sphere chooses.
    QLabel *beside = nullptr;
    for (QLabel *l : w->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^LINGUA_"))))
        if (!beside || qAbs(l->geometry().center().y() - button->geometry().center().y()) <
                           qAbs(beside->geometry().center().y() - button->geometry().center().y()))
            beside = l;
    QCOMPARE(beside->text(), label);

    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());

    QCOMPARE(f.state.CurrentLanguage, qint16(lang));
    QCOMPARE(f.state.HelpFilePath, f.shell.programDir + QLatin1Char('/') + helpFile);
    QVERIFY(!f.loaded(kLanguageWindow));
    QVERIFY(f.main()->isVisible());
    // The link page, created after the choice, speaks the chosen language.
    f.main()->Form_Activate();
    QTEST(child<QGroupBox>(f.link(), "Frame5")->title(), "frame5");
    QTEST(child<QGroupBox>(f.link(), "Frame1")->title(), "frame1");
    QTEST(yesButtonText(), "yes");
    LoadQtTranslations(kEnglish);
}

void TestLanguageWindow::keyboardChoosesInScreenOrder_data() {
    columns<int, int>("tabs", "lang");
    row("Space: Italiano", 0, int(kItalian));
    row("Tab, Space: English, the second line", 1, int(kEnglish));
    row("Tab, Tab, Space: Francais, the third line", 2, int(kFrench));
}

void TestLanguageWindow::keyboardChoosesInScreenOrder() {
    QFETCH(int, tabs);
    QFETCH(int, lang);
    WindowsFixture f;
    Form *w = f.shell.forms().form(kLanguageWindow);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused);
    QVERIFY(focused->property("ShowFocus").toBool()); // the focus circles are drawn
    QTest::keyClick(focused, Qt::Key_Space);
    QCOMPARE(f.state.CurrentLanguage, qint16(lang));
    LoadQtTranslations(kEnglish);
}

QTEST_MAIN(TestLanguageWindow)
#include "tst_languagewindow.moc"
