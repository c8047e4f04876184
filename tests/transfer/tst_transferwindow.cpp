// The transfer page through its named controls, on the in-process simulated drive.

#include "pageswitcher.h"
#include "shellfixture.h"
#include "toggleswitch.h"
#include "transferfiles.h"
#include "transferwindow.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace zr;
using namespace zr::shell;
using zr::transfer::TransferWindow;

namespace {

struct TransferFixture : ShellFixture {
    int ends = 0;
    TransferFixture() {
        shell.endProgram = [this] { ++ends; };
        transfer::RegisterTransferWindows(shell);
        state.DriveAddress = 1;
        state.SavedDriveAddress = 1;
        port.Open();
    }
    TransferWindow *page() {
        state.CurrentPage = kPageTransfer;
        PageSwitcher(shell);
        auto *w = shell.forms().formAs<TransferWindow>(kTransferWindow);
        if (w)
            w->show();
        return w;
    }
};

QString writeParameterFile(const QTemporaryDir &dir, int values) {
    const QString path = dir.filePath(QStringLiteral("set.10d"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    for (int i = 0; i < values; ++i)
        f.write(FormatParameterLine(i));
    return path;
}

} // namespace

class TestTransferWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void paramFileCode_data();
    void paramFileCode();
    void statusDecidesWhatIsOffered_data();
    void statusDecidesWhatIsOffered();
    void dialogFilterFollowsTheRelease();
    void oneDownloadPerOpening();
    void keysOnTheOptions_data();
    void keysOnTheOptions();
    void cancelledUploadLeavesThePollStopped();
    void lostDriveReturnsToTheLinkPage_data();
    void lostDriveReturnsToTheLinkPage();
    void communicationErrorEndsTheProgram();
    void badFileIsReportedAndNothingSent();
    void unloadRestoresTheDriveNumberAndTheLink();
};

void TestTransferWindow::paramFileCode_data() {
    QTest::addColumn<int>("release");
    QTest::addColumn<int>("code");
    QTest::newRow("1310") << 1310 << 11;
    QTest::newRow("1700") << 1700 << 10;
    QTest::newRow("2130") << 2130 << 23;
    QTest::newRow("unknown") << 0 << 0;
}

void TestTransferWindow::paramFileCode() {
    QFETCH(int, release);
    QFETCH(int, code);
    QCOMPARE(transfer::ParamFileCodeOf(release), code);
}

void TestTransferWindow::statusDecidesWhatIsOffered_data() {
    QTest::addColumn<quint16>("status");
    QTest::addColumn<bool>("uploadShown");
    QTest::addColumn<bool>("programEnabled");
    QTest::newRow("program running: upload only") << quint16(0x4000) << true << false;
    QTest::newRow("loader mode: download only") << quint16(0) << false << true;
}

void TestTransferWindow::statusDecidesWhatIsOffered() {
    QFETCH(quint16, status);
    QFETCH(bool, uploadShown);
    QFETCH(bool, programEnabled);
    TransferFixture f;
    f.drive.setStatus(status);
    TransferWindow *w = f.page();
    QVERIFY(w);
    QVERIFY(w->tempo->isActive());
    w->tempo_Timer();
    QCOMPARE(w->upload->isVisible(), uploadShown);
    QCOMPARE(w->download->isVisible(), !uploadShown);
    QCOMPARE(w->opzione_0->isEnabled(), programEnabled);
    QCOMPARE(w->destination->isVisible(), uploadShown);
    if (uploadShown)
        QVERIFY(w->opzione_1->isChecked()); // "Parametri" is forced
    QCOMPARE(f.state.StatusFlag14, qint32(status & 0x4000));
}

void TestTransferWindow::dialogFilterFollowsTheRelease() {
    TransferFixture f;
    f.drive.setStatus(0);
    f.state.DriveRelease = 1310;
    TransferWindow *w = f.page();
    w->tempo_Timer();
    w->opzione_1->setChecked(true);
    w->download_Click(); // the dialog is cancelled
    QCOMPARE(f.modals.seen().size(), 1);
    QCOMPARE(f.modals.seen().first().title, QStringLiteral("Download Parameter"));
    QCOMPARE(f.modals.seen().first().filters, QStringList{QStringLiteral("Parametri (*.11d)")});
    QCOMPARE(f.state.ParamFileCode, QStringLiteral("11"));
    QVERIFY(!w->tempo->isActive());
}

void TestTransferWindow::oneDownloadPerOpening() {
    QTemporaryDir dir;
    TransferFixture f;
    f.drive.setStatus(0);
    TransferWindow *w = f.page();
    w->tempo_Timer();
    w->opzione_1->setChecked(true);
    f.modals.choose(writeParameterFile(dir, 1024));
    w->download_Click();
    QCOMPARE(f.drive.ram(0xB9FF), quint16(0x1FF));
    QCOMPARE(f.state.TransferDone, kTrue);
    QCOMPARE(f.state.DownloadActive, kFalse);
    QVERIFY(w->tempo->isActive());
    QVERIFY(w->ProgressBar1->isHidden());
    QCOMPARE(w->ProgressBar1->value(), 3072);
    const int writesAfterFirst = f.port.writes();
    w->download_Click();
    QCOMPARE(f.modals.seen().size(), 1);
    QCOMPARE(f.port.writes(), writesAfterFirst);
}

void TestTransferWindow::keysOnTheOptions_data() {
    QTest::addColumn<quint16>("status");
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("dialog"); // title of the dialog the key opens; empty = none
    QTest::newRow("d downloads") << quint16(0) << 'd' << "Download Program";
    QTest::newRow("D does nothing") << quint16(0) << 'D' << "";
    QTest::newRow("u without upload does nothing") << quint16(0) << 'u' << "";
    QTest::newRow("u uploads") << quint16(0x4000) << 'u' << "Upload Parameter";
    QTest::newRow("d without download does nothing") << quint16(0x4000) << 'd' << "";
}

void TestTransferWindow::keysOnTheOptions() {
    QFETCH(quint16, status);
    QFETCH(char, key);
    QFETCH(QString, dialog);
    TransferFixture f;
    f.drive.setStatus(status);
    TransferWindow *w = f.page();
    w->tempo_Timer();
    QRadioButton *option = status ? w->opzione_1 : w->opzione_0;
    QTest::keyClick(option, key);
    QCOMPARE(f.modals.seen().size(), dialog.isEmpty() ? 0 : 1);
    if (!dialog.isEmpty())
        QCOMPARE(f.modals.seen().first().title, dialog);
}

void TestTransferWindow::cancelledUploadLeavesThePollStopped() {
    TransferFixture f;
    TransferWindow *w = f.page();
    w->tempo_Timer();
    w->upload_Click();
    QVERIFY(!w->tempo->isActive());
    QVERIFY(w->upload->isVisible());
    QVERIFY(w->destination->text().isEmpty());
    QCOMPARE(f.modals.seen().first().kind, QStringLiteral("save"));
}

void TestTransferWindow::lostDriveReturnsToTheLinkPage_data() {
    QTest::addColumn<bool>("atLoad");
    QTest::newRow("status read at load fails") << true;
    QTest::newRow("status read in a tick fails") << false;
}

void TestTransferWindow::lostDriveReturnsToTheLinkPage() {
    QFETCH(bool, atLoad);
    TransferFixture f;
    if (atLoad)
        f.drive.addFault(*sim::ParseFault(QStringLiteral("noreply")));
    TransferWindow *w = f.page();
    if (!atLoad) {
        QVERIFY(w);
        f.drive.addFault(*sim::ParseFault(QStringLiteral("noreply")));
        w->tempo_Timer();
    }
    QCoreApplication::processEvents();
    QCOMPARE(f.state.CurrentPage, qint16(kPageLink));
    QVERIFY(f.shell.forms().isLoaded(kLinkWindow));
    QVERIFY(!f.shell.forms().isLoaded(kTransferWindow));
}

void TestTransferWindow::communicationErrorEndsTheProgram() {
    QTemporaryDir dir;
    TransferFixture f;
    f.state.CurrentLanguage = kFrench;
    TransferWindow *w = f.page();
    w->tempo_Timer();
    f.drive.addFault(*sim::ParseFault(QStringLiteral("silence:after=20")));
    f.modals.choose(dir.filePath(QStringLiteral("up.10d")));
    w->upload_Click();
    const auto &shown = f.modals.seen();
    QCOMPARE(shown.last().kind, QStringLiteral("msgbox"));
    QCOMPARE(shown.last().title, QStringLiteral("Erreur de Communication"));
    QCOMPARE(shown.last().icon, QMessageBox::Critical);
    QCOMPARE(f.ends, 1);
    QVERIFY(!f.port.IsOpen());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("up.10d"))));
}

void TestTransferWindow::badFileIsReportedAndNothingSent() {
    QTemporaryDir dir;
    TransferFixture f;
    f.drive.setStatus(0);
    TransferWindow *w = f.page();
    w->tempo_Timer();
    w->opzione_1->setChecked(true);
    const int writes = f.port.writes();
    f.modals.choose(writeParameterFile(dir, 10));
    w->download_Click();
    QCOMPARE(f.port.writes(), writes);
    QCOMPARE(f.modals.seen().last().kind, QStringLiteral("msgbox"));
    QVERIFY(f.modals.seen().last().text.contains(QLatin1String("1024")));
    QVERIFY(w->source->text().isEmpty()); // another file may be chosen
    QVERIFY(w->tempo->isActive());
    QCOMPARE(f.state.TransferDone, kFalse);
    QCOMPARE(f.ends, 0);
}

void TestTransferWindow::unloadRestoresTheDriveNumberAndTheLink() {
    TransferFixture f;
    f.state.SavedDriveAddress = 1;
    f.state.DriveAddress = 0; // the main window's trial with drive number 0
    QVERIFY(f.page());
    f.state.CurrentPage = kPageLink;
    PageSwitcher(f.shell);
    QCOMPARE(f.state.DriveAddress, qint16(1));
    QVERIFY(f.link());
    QVERIFY(f.link()->CWButton1->Value());
    QVERIFY(f.link()->Timer1->isActive());
}

QTEST_MAIN(TestTransferWindow)
#include "tst_transferwindow.moc"
