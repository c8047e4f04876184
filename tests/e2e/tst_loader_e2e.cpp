// The whole loader, window by window as a technician meets them, against zr3500-sim on a
// pseudo-terminal mapped to port 1, directly or through ser2net.

#include "child.h"
#include "datatable.h"
#include "form.h"
#include "helpwindow.h"
#include "loaderprogram.h"
#include "mainwindow.h"
#include "programs.h"
#include "ser2netbridge.h"
#include "toggleswitch.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace zr::shell;
using zr::test::child;

class TestLoaderEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void everyWindowIsRegistered_data();
    void everyWindowIsRegistered();
    void englishLinkOnFindsTheDrive_data();
    void englishLinkOnFindsTheDrive();
};

void TestLoaderEndToEnd::everyWindowIsRegistered_data() {
    QTest::addColumn<QString>("name");
    for (const QString &n :
         {kLanguageWindow, kMainWindow, kSerialHost, kLinkWindow, kTransferWindow, kDownloadClip,
          kUploadClip, kFrontWindow, kScopeWindow, kAboutWindow, kEditorWindow, kHelpWindow})
        row(qPrintable(n), n);
}

// The program as main() puts it together: a window left out fails here, not in the field.
void TestLoaderEndToEnd::everyWindowIsRegistered() {
    QFETCH(QString, name);
    LoaderProgram program(zr::PortMap{});
    QVERIFY(program.shell().forms().isRegistered(name));
}

void TestLoaderEndToEnd::englishLinkOnFindsTheDrive_data() {
    columns<QString, bool>("scheme", "traced");
    row("pseudo-terminal", "pty", false);
    row("ser2net, traced", "tcp", true);
}

void TestLoaderEndToEnd::englishLinkOnFindsTheDrive() {
    QFETCH(QString, scheme);
    QFETCH(bool, traced);
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("drive"));
    e2e::Sim sim;
    QVERIFY(sim.start(link));
    zr::sim::Ser2NetBridge bridge;
    if (scheme != QLatin1String("pty")) {
        if (zr::sim::Ser2NetBridge::program().isEmpty())
            QSKIP("ser2net is not installed (scripts/setup installs it)");
        QVERIFY(bridge.start(link, scheme));
    }

    zr::PortMap map;
    map.setDevice(1, scheme == QLatin1String("pty") ? link : bridge.url());
    QStringList trace;
    zr::TracingSerialPort::Sink sink;
    if (traced)
        sink = [&trace](const QString &line) { trace << line; };
    {
        LoaderProgram program(map, sink);
        Shell &shell = program.shell();
        int ends = 0;
        shell.endProgram = [&] { ++ends; };

        Form *language = program.start();
        QVERIFY(language);
        QVERIFY(QTest::qWaitForWindowExposed(language));
        auto *english = child<QWidget>(language, "GlossSphere3");
        QTest::mouseClick(english, Qt::LeftButton, {}, english->rect().center());

        QCOMPARE(program.state().CurrentLanguage, qint16(kEnglish));
        auto *main = qobject_cast<MainWindow *>(shell.forms().find(kMainWindow));
        QVERIFY(main);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->activateWindow();
        QTRY_VERIFY(shell.forms().isLoaded(kLinkWindow)); // shown by the main window's activation
        QVERIFY(!shell.forms().isLoaded(kLanguageWindow));
        Form *page = shell.forms().find(kLinkWindow);
        QVERIFY(page->isVisible());
        QCOMPARE(child<QGroupBox>(page, "Frame5")->title(), QStringLiteral("Communication Error"));

        auto *toggle = child<ToggleSwitch>(page, "CWButton1");
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(toggle->Value());
        QTRY_COMPARE_WITH_TIMEOUT(child<QLineEdit>(page, "Stato")->text(),
                                  QStringLiteral("No error"), 20000);
        QCOMPARE(child<QLabel>(page, "SOFTREL")->text(), QStringLiteral("1.700"));
        QCOMPARE(child<QLabel>(page, "numcom")->text(), QStringLiteral("1"));
        QVERIFY(main->isButtonEnabled(ToolbarButton::Com));
        QVERIFY(main->isButtonEnabled(ToolbarButton::Down));

        QVERIFY(child<QLabel>(page, "linkHint")->isHidden());

        QTest::keyClick(main, Qt::Key_X, Qt::AltModifier); // Exit
        QCOMPARE(ends, 1);
        program.finish();
    }
    if (traced) {
        const QString log = trace.join(QLatin1Char('\n'));
        // The release read, of whichever drive number the page had then, and its answer.
        for (const char *line : {" port 1 opened", " 02 00\n", " 02 00 06 A4 AA"})
            QVERIFY2(log.contains(QLatin1String(line)), qPrintable(log));
    }
}

QTEST_MAIN(TestLoaderEndToEnd)
#include "tst_loader_e2e.moc"
