// The transfer page through its named controls, on the in-process simulated drive.

#include "child.h"
#include "datatable.h"
#include "shellfixture.h"
#include "toggleswitch.h"
#include "transferfiles.h"
#include "transferfixture.h"
#include "transferwindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <optional>

using namespace zr;
using namespace zr::shell;
using zr::test::child;
using zr::transfer::TransferWindow;

class TestTransferWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void statusDecidesWhatIsOffered_data();
    void statusDecidesWhatIsOffered();
    void oneDownloadPerOpening();
    void parameterDialogsFollowTheRelease();
    void lostDriveReturnsToTheLinkPage_data();
    void lostDriveReturnsToTheLinkPage();
    void communicationErrorEndsTheProgram_data();
    void communicationErrorEndsTheProgram();
    void problemsAreExplained_data();
    void problemsAreExplained();
    void inputWaitsVisiblyWhileTheTransferRuns();
    void unloadRestoresTheDriveNumberAndTheLink();
};

// A running program offers the parameter upload only, the loader mode the downloads only; the
// underlined letters of the offered actions open their dialogs.
void TestTransferWindow::statusDecidesWhatIsOffered_data() {
    columns<quint16, char>("status", "key");
    QTest::addColumn<QString>("dialog"); // title of the dialog the key opens; empty = none
    row("running: u uploads", quint16(0x4000), 'u', "Upload Parameter");
    row("running: d does nothing", quint16(0x4000), 'd', "");
    row("loader mode: d downloads", quint16(0), 'd', "Download Program");
    row("loader mode: D does nothing", quint16(0), 'D', "");
    row("loader mode: u does nothing", quint16(0), 'u', "");
}

void TestTransferWindow::statusDecidesWhatIsOffered() {
    QFETCH(quint16, status);
    QFETCH(char, key);
    QFETCH(QString, dialog);
    const bool running = status != 0;
    TransferFixture f;
    f.ready(false, status);
    QVERIFY(f.tempo()->isActive());
    QCOMPARE(f.button("upload")->isVisible(), running);
    QCOMPARE(f.button("download")->isVisible(), !running);
    QCOMPARE(f.button("opzione_0")->isEnabled(), !running);
    QCOMPARE(f.edit("destination")->isVisible(), running);
    if (running)
        QVERIFY(f.button("opzione_1")->isChecked()); // "Parametri" is forced
    QCOMPARE(f.state.StatusFlag14, qint32(status & 0x4000));
    QTest::keyClick(f.button(running ? "opzione_1" : "opzione_0"), key);
    QCOMPARE(f.modals.seen().size(), dialog.isEmpty() ? 0 : 1);
    if (!dialog.isEmpty())
        QCOMPARE(f.modals.seen().first().title, dialog);
}

void TestTransferWindow::oneDownloadPerOpening() {
    QTemporaryDir dir;
    TransferFixture f;
    f.ready(true, 0);
    f.click("verifyAfter"); // off: the bar ends where the download ends
    f.modals.choose(writeParameterFile(dir, 1024));
    f.click("download");
    QCOMPARE(f.drive.ram(0xB9FF), quint16(0x1FF));
    QCOMPARE(f.state.TransferDone, kTrue);
    QCOMPARE(f.state.DownloadActive, kFalse);
    QVERIFY(f.tempo()->isActive());
    QVERIFY(f.progress()->isHidden());
    QCOMPARE(f.progress()->value(), 3072);
    const int writesAfterFirst = f.port.writes();
    f.click("download");
    QCOMPARE(f.modals.seen().size(), 1);
    QCOMPARE(f.port.writes(), writesAfterFirst);
}

// The parameter dialogs offer the release's file type. A cancelled dialog leaves the poll
// stopped and nothing chosen; a name typed without an extension gets the release's.
void TestTransferWindow::parameterDialogsFollowTheRelease() {
    QTemporaryDir dir;
    TransferFixture f;
    f.state.DriveRelease = 1310;
    f.ready(true, 0);
    f.modals.cancel();
    f.click("download");
    QCOMPARE(f.modals.seen().value(0).title, QStringLiteral("Download Parameter"));
    QCOMPARE(f.modals.seen().value(0).filters, QStringList{QStringLiteral("Parametri (*.11d)")});
    QCOMPARE(f.state.ParamFileCode, QStringLiteral("11"));
    QVERIFY(!f.tempo()->isActive());
    QVERIFY(f.edit("source")->text().isEmpty());
    f.drive.setStatus(0x4000); // the drive program runs: the upload is offered
    f.poll();
    f.modals.cancel();
    f.click("upload");
    QCOMPARE(f.modals.seen().value(1).kind, QStringLiteral("save"));
    QVERIFY(f.edit("destination")->text().isEmpty());
    f.modals.choose(dir.filePath(QStringLiteral("edited")));
    f.click("upload");
    QCOMPARE(f.edit("destination")->text(), dir.filePath(QStringLiteral("edited.11d")));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("edited.11d"))));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("edited"))));
}

void TestTransferWindow::lostDriveReturnsToTheLinkPage_data() {
    flagRows("atLoad", "status read in a tick fails", "status read at load fails");
}

void TestTransferWindow::lostDriveReturnsToTheLinkPage() {
    QFETCH(bool, atLoad);
    TransferFixture f;
    if (atLoad)
        f.drive.addFault(*sim::ParseFault(QStringLiteral("noreply")));
    f.page();
    if (!atLoad) {
        QVERIFY(f.w);
        f.drive.addFault(*sim::ParseFault(QStringLiteral("noreply")));
        f.poll();
    }
    QCoreApplication::processEvents();
    QCOMPARE(f.state.CurrentPage, qint16(kPageLink));
    QVERIFY(f.shell.forms().isLoaded(kLinkWindow));
    QVERIFY(!f.shell.forms().isLoaded(kTransferWindow));
}

void TestTransferWindow::communicationErrorEndsTheProgram_data() {
    columns<int, QString, QStringList>("language", "title", "lines");
    row("Italian", 0, "Errore di comunicazione",
        QStringList{"ERRORE di comunicazione tra ZR3500 e personal computer.",
                    "Controllare che il cavo di collegamento sia cablato correttamente",
                    "Ripetere la procedura; se l'errore persiste consultare la Guida in Linea "
                    "(F1)"});
    row("English", 1, "Communication Error",
        QStringList{"Communication error between ZR3500 and PC.",
                    "Check PINouts of the connection cable.",
                    "Follow again the procedure,if always in error see the Help on Line."});
    row("French", 2, "Erreur de Communication",
        QStringList{"Erreur de communication entre ZR3500 et ordinateur(PC).",
                    "Controller le cablage de liaison soit correct.",
                    "Repeter la procedure,si l'erreur persiste,consulter la Guide en Ligne."});
}

void TestTransferWindow::communicationErrorEndsTheProgram() {
    QFETCH(int, language);
    QTemporaryDir dir;
    TransferFixture f;
    f.state.CurrentLanguage = qint16(language);
    f.ready(true);
    f.drive.addFault(*sim::ParseFault(QStringLiteral("silence:after=20")));
    f.modals.choose(dir.filePath(QStringLiteral("up.10d")));
    f.modals.press(QMessageBox::Ok);
    f.click("upload");
    const ModalDriver::Seen box = f.modals.seen().last();
    QCOMPARE(box.kind, QStringLiteral("msgbox"));
    QTEST(box.title, "title");
    QTEST(box.text.split(QLatin1Char('\n')), "lines");
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons.size(), 1);
    QCOMPARE(f.ends, 1);
    QVERIFY(!f.port.IsOpen());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("up.10d"))));
    QVERIFY(!QGuiApplication::overrideCursor());
}

// A refused file sends nothing and may be replaced; a download the drive did not confirm is
// reported. Either way the page goes on polling and the program goes on.
void TestTransferWindow::problemsAreExplained_data() {
    QTest::addColumn<QString>("operation"); // "parameters", "program", "upload", "unconfirmed"
    columns<int, QString, QString>("language", "title", "says");
    row("ten values, English", "parameters", 1, "Invalid file",
        "holds only 10 values; 1024 are needed");
    row("lower-case program, Italian", "program", 0, "File non valido", "lettera minuscola");
    row("lower-case program, French", "program", 2, "Fichier non valide", "lettre minuscule");
    row("upload into a missing folder, English", "upload", 1, "File not written", "does not exist");
    row("completion word unanswered, English", "unconfirmed", 1, "Transfer not confirmed",
        "did not confirm the end of the program download");
}

void TestTransferWindow::problemsAreExplained() {
    QFETCH(QString, operation);
    QFETCH(int, language);
    QFETCH(QString, says);
    QTemporaryDir dir;
    TransferFixture f;
    f.state.CurrentLanguage = qint16(language);
    const bool upload = operation == "upload";
    const bool sent = operation == "unconfirmed";
    f.ready(operation == "parameters" || upload, upload ? 0x4000 : 0);
    const int writes = f.port.writes();
    if (operation == "parameters")
        f.modals.choose(writeParameterFile(dir, 10));
    else if (operation == "program")
        f.modals.choose(writeFile(dir, "p.hex", programFile().toLower()));
    else if (upload)
        f.modals.choose(dir.filePath(QStringLiteral("gone/up.10d")));
    else
        f.modals.choose(writeFile(dir, "p.hex", programFile()));
    if (sent) { // every word is answered but the completion word
        const int served = f.drive.transactions() + kProgramWords;
        f.drive.addFault(*sim::ParseFault(QStringLiteral("silence:after=%1").arg(served)));
    }
    f.modals.press(QMessageBox::Ok);
    f.click(upload ? "upload" : "download");
    const ModalDriver::Seen box = f.modals.seen().last();
    QCOMPARE(box.kind, QStringLiteral("msgbox"));
    QTEST(box.title, "title");
    QVERIFY2(box.text.contains(says), qPrintable(box.text));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(f.port.writes() != writes, sent); // a refused file: nothing went to the drive
    QVERIFY(f.tempo()->isActive());
    QCOMPARE(IsSet(f.state.TransferDone), sent);
    QCOMPARE(f.ends, 0);
    if (!upload) // after a refused file another may be chosen
        QCOMPARE(f.edit("source")->text().isEmpty(), !sent);
}

// While the words go out, clicks wait; the page says so and the pointer is busy.
void TestTransferWindow::inputWaitsVisiblyWhileTheTransferRuns() {
    QTemporaryDir dir;
    TransferFixture f;
    f.state.CurrentLanguage = kItalian;
    TransferWindow *w = f.ready(true, 0);
    bool noteShown = false;
    Qt::CursorShape pointer = Qt::ArrowCursor;
    bool pageLeftDuringTransfer = false;
    QObject::connect(f.progress(), &QProgressBar::valueChanged, w, [&](int v) {
        if (v != 1500)
            return;
        noteShown = f.runningNote()->isVisible();
        if (QGuiApplication::overrideCursor())
            pointer = QGuiApplication::overrideCursor()->shape();
        f.click("Command1"); // Cancel: disabled meanwhile
    });
    QObject::connect(w, &QObject::destroyed,
                     [&] { pageLeftDuringTransfer = f.state.DownloadActive; });
    f.modals.choose(writeParameterFile(dir, 1024));
    f.click("download");
    QVERIFY(noteShown);
    QCOMPARE(pointer, Qt::BusyCursor);
    QVERIFY(f.runningNote()->text().contains(QStringLiteral("Trasferimento in corso")));
    QVERIFY(!pageLeftDuringTransfer);
    QVERIFY(f.shell.forms().isLoaded(kTransferWindow));
    QVERIFY(f.runningNote()->isHidden());
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(f.state.TransferDone, kTrue);
}

void TestTransferWindow::unloadRestoresTheDriveNumberAndTheLink() {
    TransferFixture f;
    f.state.SavedDriveAddress = 1;
    f.state.DriveAddress = 0; // the main window's trial with drive number 0
    QVERIFY(f.page());
    f.click("Command1"); // Cancel
    QCOMPARE(f.state.CurrentPage, qint16(kPageLink));
    QCOMPARE(f.state.DriveAddress, qint16(1));
    QVERIFY(f.link());
    QVERIFY(child<ToggleSwitch>(f.link(), "CWButton1")->Value());
    QVERIFY(child<QTimer>(&f.shell.link(), "Timer1")->isActive());
}

QTEST_MAIN(TestTransferWindow)
#include "tst_transferwindow.moc"
