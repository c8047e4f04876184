// What the transfer page does to keep a drive's set: the backup before a parameter download, the
// verify after it, the comparison before it, restoring a backup and the history.

#include "datatable.h"
#include "parambackup.h"
#include "transferfixture.h"
#include "transferhistory.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

class TestTransferSafety : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void downloadKeepsABackupFirst();
    void failedBackupAsksBeforeTheDownload_data();
    void failedBackupAsksBeforeTheDownload();
    void verifyAfterDownload_data();
    void verifyAfterDownload();
    void historyListsEachTransfer();
    void restoreSendsAChosenBackup();
    void compareFirst_data();
    void compareFirst();
};

// The drive's set is kept before a parameter download, the page says where, and the frames of the
// download after the backup's reads are those of a download without one.
void TestTransferSafety::downloadKeepsABackupFirst() {
    QTemporaryDir dir;
    const QString file = writeParameterFile(dir, 1024);
    QList<QByteArray> plain;
    {
        sim::SimDrive drive;
        sim::SimSerialPort port(drive);
        port.useOwnTime(true);
        port.Open();
        drive.setTrace([&](const QString &line) {
            if (line.contains(QLatin1String(" RX ")))
                plain << line.section(QLatin1String(" RX "), 1).toLatin1();
        });
        TransferView quiet;
        QCOMPARE(DownloadParameters(TransferLink{port, 1, 1}, file, quiet), TransferOutcome::Done);
    }
    QDir(DefaultBackupFolder()).removeRecursively();
    TransferFixture f;
    f.ready(true, 0);
    QList<QByteArray> frames;
    f.drive.setTrace([&](const QString &line) {
        if (line.contains(QLatin1String(" RX ")))
            frames << line.section(QLatin1String(" RX "), 1).toLatin1();
    });
    QByteArray kept;
    for (int i = 0; i < 1024; ++i)
        kept += FormatParameterLine(static_cast<qint16>(f.drive.rom(0x3800 + i)));
    f.modals.choose(file);
    f.click("download");
    QCOMPARE(f.state.TransferDone, kTrue);
    const QStringList backups = ListBackups(DefaultBackupFolder());
    QCOMPARE(backups.size(), 1);
    QVERIFY(backups.first().endsWith(QLatin1String("_drive1_rel1700.10d")));
    QFile backup(backups.first());
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), kept);
    const QLabel *note = child<QLabel>(f.w, "backupNote");
    QVERIFY(note->isVisible());
    QVERIFY2(note->text().contains(QFileInfo(backups.first()).fileName()),
             qPrintable(note->text()));
    QVERIFY2(note->toolTip().contains(QDir::toNativeSeparators(backups.first())),
             qPrintable(note->toolTip()));
    for (int i = 0; i < 1024; ++i)
        QVERIFY(frames.at(i).startsWith(
            QByteArray("41 ").append(QByteArray::number(0x3800 + i, 16).toUpper().insert(2, ' '))));
    QCOMPARE(frames.mid(1024, plain.size()), plain);
}

// A backup that fails asks, in the user's language, whether to send the file all the same.
void TestTransferSafety::failedBackupAsksBeforeTheDownload_data() {
    columns<int, bool, QString>("language", "goOn", "says");
    row("No keeps the drive as it was", 1, false, "could not be backed up before the download");
    row("Yes sends the file, Italian", 0, true, "non sono stati salvati");
}

void TestTransferSafety::failedBackupAsksBeforeTheDownload() {
    QFETCH(int, language);
    QFETCH(bool, goOn);
    QFETCH(QString, says);
    QTemporaryDir dir;
    QDir(DefaultBackupFolder()).removeRecursively();
    TransferFixture f;
    f.state.CurrentLanguage = qint16(language);
    f.ready(true, 0);
    // The backup's first word fails its five tries; later reads of it are answered.
    f.drive.addFault(*sim::ParseFault(QStringLiteral("noreply:at=0x3800:times=5")));
    const quint16 before = f.drive.ram(0xB9FF);
    f.modals.choose(writeParameterFile(dir, 1024));
    f.modals.press(goOn ? QMessageBox::Yes : QMessageBox::No);
    f.click("download");
    const ModalDriver::Seen box = f.modals.seen().value(1);
    QCOMPARE(box.kind, QStringLiteral("msgbox"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QVERIFY2(box.text.contains(says) && box.text.contains(QLatin1String("ROM 0x3800")),
             qPrintable(box.text));
    QVERIFY(ListBackups(DefaultBackupFolder()).isEmpty());
    QCOMPARE(f.drive.ram(0xB9FF), goOn ? quint16(0x1FF) : before);
    QCOMPARE(IsSet(f.state.TransferDone), goOn);
    QCOMPARE(f.edit("source")->text().isEmpty(), !goOn);
    QVERIFY(f.tempo()->isActive());
    QCOMPARE(f.ends, 0);
}

// After the completion word the set is read back (unless the box is cleared): a drive that stored
// one wrong word is reported with the line and the warning of a mixed set.
void TestTransferSafety::verifyAfterDownload_data() {
    columns<int, QString, bool, QString>("language", "fault", "verify", "says");
    row("stored as sent", 1, "", true, "Verified: the drive holds the file's 1024 values.");
    row("one word stored wrong, French", 2, "wrongstore:at=0xB805:times=1", true,
        "ligne 6 (variateur 4, fichier 5)");
    row("box cleared: no read-back", 1, "wrongstore:at=0xB805:times=1", false, "");
}

void TestTransferSafety::verifyAfterDownload() {
    QFETCH(int, language);
    QFETCH(QString, fault);
    QFETCH(bool, verify);
    QFETCH(QString, says);
    QTemporaryDir dir;
    TransferFixture f;
    f.state.CurrentLanguage = qint16(language);
    f.ready(true, 0);
    QAbstractButton *box = f.button("verifyAfter");
    QVERIFY(box->isChecked());
    QCOMPARE(box->text(), QString(Pick(language, "Verifica dopo l'invio", "Verify after download",
                                       "Relire et vérifier")));
    if (!verify)
        f.click("verifyAfter");
    if (!fault.isEmpty())
        f.drive.addFault(*sim::ParseFault(fault));
    int reads = 0; // of the parameter block, ROM 0x3800-0x3BFF
    const QRegularExpression parameterRead(QStringLiteral("RX 41 3[89AB] "));
    f.drive.setTrace([&](const QString &line) { reads += line.contains(parameterRead); });
    f.modals.choose(writeParameterFile(dir, 1024));
    f.click("download");
    QCOMPARE(reads, verify ? 2 * 1024 : 1024); // the backup's, and the verify's
    const QString note = child<QLabel>(f.w, "backupNote")->text();
    const bool mismatch = verify && !fault.isEmpty();
    QCOMPARE(f.modals.count(QStringLiteral("msgbox")), mismatch ? 1 : 0);
    if (mismatch) {
        const ModalDriver::Seen shown = f.modals.seen().last();
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QCOMPARE(shown.title, QStringLiteral("Vérification après le téléchargement"));
        QVERIFY2(shown.text.contains(says) && shown.text.contains(QStringLiteral("mélangé")),
                 qPrintable(shown.text));
        QVERIFY2(note.endsWith(QStringLiteral("\nVérification : 1 lignes différentes, la première "
                                              "est la ligne 6.")),
                 qPrintable(note));
    } else if (verify) {
        QVERIFY2(note.contains(says), qPrintable(note));
    }
    QCOMPARE(f.state.TransferDone, kTrue);
    QVERIFY(f.tempo()->isActive());
    QVERIFY(f.progress()->isHidden());
}

// A refused file and a download with its backup and verify each leave a line; "History..."
// shows them newest first in the user's language.
void TestTransferSafety::historyListsEachTransfer() {
    QTemporaryDir dir;
    QFile::remove(DefaultHistoryPath());
    TransferFixture f;
    f.state.CurrentLanguage = kFrench;
    f.ready(true, 0);
    f.modals.choose(writeParameterFile(dir, 10));
    f.modals.press(QMessageBox::Ok);
    f.click("download");
    const QString good = writeParameterFile(dir, 1024);
    f.modals.choose(good);
    f.click("download");
    QCOMPARE(f.button("historyButton")->text(), QStringLiteral("Historique..."));
    QStringList rows, headers;
    f.modals.then([&](QWidget *dialog) {
        auto *table = child<QTableWidget>(dialog, "historyTable");
        for (int c = 0; c < table->columnCount(); ++c)
            headers << table->horizontalHeaderItem(c)->text();
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->item(r, 1)->text() + QLatin1Char(' ') + table->item(r, 2)->text() +
                        QLatin1Char(' ') + table->item(r, 5)->text();
        static_cast<QDialog *>(dialog)->reject();
    });
    f.click("historyButton");
    QCOMPARE(headers.value(1), QStringLiteral("Opération"));
    QCOMPARE(rows, QStringList({"vérification fait 1700", "téléchargement fait 1700",
                                "sauvegarde fait 1700", "téléchargement refusé 1700"}));
    const QList<HistoryEntry> entries = ReadHistory(DefaultHistoryPath());
    QCOMPARE(entries.at(2).sha256, FileSha256(good));
    QCOMPARE(entries.at(2).file, good);
    QCOMPARE(entries.at(2).port, QStringLiteral("1"));
}

// "Restore..." offers the newest backups; the chosen one goes out as a normal download, after a
// backup of what the drive holds now.
void TestTransferSafety::restoreSendsAChosenBackup() {
    const QString folder = DefaultBackupFolder();
    QDir(folder).removeRecursively();
    TransferFixture f;
    f.ready(true, 0);
    f.modals.press(QMessageBox::Ok);
    f.click("restoreButton"); // none yet
    QVERIFY(f.modals.seen().value(0).text.contains(QDir::toNativeSeparators(folder)));
    QDir().mkpath(folder);
    const QDateTime when(QDate(2026, 1, 2), QTime(3, 4, 5));
    for (int k = 0; k < 2; ++k) {
        QFile b(QDir(folder).filePath(BackupFileName(when.addDays(k), 1, 1700)));
        QVERIFY(b.open(QIODevice::WriteOnly));
        for (int i = 0; i < 1024; ++i)
            b.write(FormatParameterLine(k * 100 + i));
    }
    QStringList offered;
    f.modals.then([&](QWidget *dialog) {
        auto *combo = dialog->findChild<QComboBox *>();
        for (int i = 0; i < combo->count(); ++i)
            offered << combo->itemText(i);
        combo->setCurrentIndex(1); // the older one
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    });
    f.click("restoreButton");
    QCOMPARE(offered, QStringList({"20260103-030405_drive1_rel1700.10d",
                                   "20260102-030405_drive1_rel1700.10d"}));
    QCOMPARE(f.edit("source")->text(), QDir(folder).filePath(offered.at(1)));
    QCOMPARE(f.drive.rom(0x3800 + 7), quint16(7));
    QCOMPARE(ListBackups(folder).size(), 3);
    QCOMPARE(f.state.TransferDone, kTrue);
}

// "Compare first": the file against the drive's set before anything is written; No stops there.
void TestTransferSafety::compareFirst_data() {
    flagRows("goOn", "No keeps the drive as it was", "Yes sends the file");
}

void TestTransferSafety::compareFirst() {
    QFETCH(bool, goOn);
    QTemporaryDir dir;
    QDir(DefaultBackupFolder()).removeRecursively();
    TransferFixture f;
    f.shell.programDir = QStringLiteral(ZR_DATA_DIR); // the descriptions that name the rows
    f.state.CurrentLanguage = kEnglish;
    f.ready(true, 0);
    f.click("compareFirst");
    const QString file = writeParameterFile(dir, 1024);
    const quint16 before = f.drive.ram(0xB9FF);
    QString shown;
    f.modals.choose(file);
    f.modals.then([&](QWidget *dialog) {
        shown =
            dialog->findChild<QPlainTextEdit *>(QStringLiteral("comparisonTable"))->toPlainText();
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        QTest::mouseClick(buttons->button(goOn ? QDialogButtonBox::Yes : QDialogButtonBox::No),
                          Qt::LeftButton);
    });
    f.click("download");
    QVERIFY2(shown.contains(QLatin1String("Speed loop gain Kp")) &&
                 shown.contains(QLatin1String("set.10d")),
             qPrintable(shown));
    QCOMPARE(f.drive.ram(0xB9FF), goOn ? quint16(0x1FF) : before);
    QCOMPARE(IsSet(f.state.TransferDone), goOn);
    QCOMPARE(ListBackups(DefaultBackupFolder()).isEmpty(), !goOn);
    QVERIFY(f.tempo()->isActive());
}

QTEST_MAIN(TestTransferSafety)
#include "tst_transfersafety.moc"
