#include "reportdb.h"

#include "conversions.h"
#include "descriptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <cmath>

namespace zr::params {

ReportLayout LayoutFor(double codeValue) {
    struct Row {
        int code, lastRow;
    };
    static const Row rows[] = {{11, 21}, {14, 22}, {20, 21}, {30, 29}, {40, 30}};
    ReportLayout l;
    for (const Row &r : rows)
        if (codeValue == r.code) {
            l.code = r.code;
            l.lastRow = r.lastRow;
        }
    l.table = QStringLiteral("parametri%1").arg(l.code);
    l.routine =
        l.code == 10 ? QStringLiteral("apritabella") : QStringLiteral("apritabella%1").arg(l.code);
    l.caption = l.code <= 11 ? QStringLiteral("ZR3500 Report Parameter")
                             : QStringLiteral("ZR3500 Parameter File");
    return l;
}

namespace {
QStringList statements(const QByteArray &script) {
    QStringList out;
    QString current;
    for (const QString &line : QString::fromUtf8(script).split(QLatin1Char('\n'))) {
        if (line.trimmed().startsWith(QLatin1String("--")))
            continue;
        current += line + QLatin1Char('\n');
        if (line.trimmed().endsWith(QLatin1Char(';'))) {
            out << current.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        out << current.trimmed();
    return out;
}
} // namespace

bool CreateReportDatabase(const QString &scriptPath, const QString &dbPath, QString &error) {
    QFile script(scriptPath);
    if (!script.open(QIODevice::ReadOnly)) {
        error = scriptPath + QStringLiteral(": ") + script.errorString();
        return false;
    }
    const QString temp = dbPath + QStringLiteral(".new");
    QFile::remove(temp);
    bool ok = true;
    {
        ReportConnection c(temp);
        if (!c.isOpen()) {
            error = c.errorText();
            return false;
        }
        QSqlDatabase db = c.db();
        db.transaction();
        for (const QString &s : statements(script.readAll())) {
            QSqlQuery q(db);
            if (!q.exec(s)) {
                error = q.lastError().text() + QStringLiteral(" in: ") + s;
                ok = false;
                break;
            }
        }
        ok = ok && db.commit();
    }
    if (ok) {
        QFile::remove(dbPath);
        ok = QFile::rename(temp, dbPath);
        if (!ok)
            error = QStringLiteral("cannot create ") + dbPath;
    }
    QFile::remove(temp);
    return ok;
}

bool ProgramDirWritable(const QString &programDir) {
    const QFileInfo db(QDir(programDir).filePath(kReportDbName));
    return QFileInfo(programDir).isWritable() && (!db.exists() || db.isWritable());
}

QString ReportDatabasePath(const QString &programDir, const QString &dataDir,
                           bool programDirWritable, QString &error) {
    const QString shipped = QDir(programDir).filePath(kReportDbName);
    const QFileInfo info(shipped);
    if (info.exists() && programDirWritable)
        return shipped;
    const QString copy = QDir(dataDir).filePath(kReportDbName);
    if (QFileInfo::exists(copy))
        return copy;
    if (!info.exists()) {
        error = QStringLiteral("missing: ") + QDir::toNativeSeparators(shipped);
        return {};
    }
    if (!QDir().mkpath(dataDir) || !QFile::copy(shipped, copy)) {
        error = QStringLiteral("cannot copy the report database to ") +
                QDir::toNativeSeparators(dataDir);
        return {};
    }
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    return copy;
}

ReportConnection::ReportConnection(const QString &path)
    : name_(QStringLiteral("zr-report-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    db.open();
}

ReportConnection::~ReportConnection() {
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

bool ReportConnection::isOpen() const {
    return QSqlDatabase::database(name_, false).isOpen();
}

QString ReportConnection::errorText() const {
    return QSqlDatabase::database(name_, false).lastError().text();
}

QSqlDatabase ReportConnection::db() const {
    return QSqlDatabase::database(name_, false);
}

QList<ReportRecord> ReportConnection::records(const QString &table) const {
    QList<ReportRecord> out;
    QSqlQuery q(db());
    // Table names come from the fixed layout list, never from the user.
    if (!q.exec(QStringLiteral("SELECT variabile, valore, \"unità\" FROM %1 ORDER BY rowid")
                    .arg(table)))
        return out;
    while (q.next())
        out << ReportRecord{q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
    return out;
}

bool apritabella(QSqlDatabase db, const ReportLayout &layout, TextGrid &MSFlexGrid1,
                 TextGrid &MSFlexGrid2, QString &error) {
    const QString t = layout.table;
    auto fail = [&](const QSqlQuery &q) {
        error = q.lastError().text();
        db.rollback();
        return false;
    };
    db.transaction();
    QSqlQuery q(db);
    // Records beyond the first N are status sections of earlier prints.
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid NOT IN "
                             "(SELECT rowid FROM %1 ORDER BY rowid LIMIT :n)")
                  .arg(t));
    q.bindValue(QStringLiteral(":n"), layout.lastRow);
    if (!q.exec())
        return fail(q);
    QList<qint64> records;
    if (!q.exec(QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid").arg(t)))
        return fail(q);
    while (q.next())
        records << q.value(0).toLongLong();

    QSqlQuery update(db), insert(db);
    update.prepare(
        QStringLiteral("UPDATE %1 SET variabile = ?, valore = ?, \"unità\" = ? WHERE rowid = ?")
            .arg(t));
    insert.prepare(
        QStringLiteral("INSERT INTO %1 (variabile, valore, \"unità\") VALUES (?, ?, ?)").arg(t));

    MSFlexGrid1.SetRow(1);
    for (int pos = 0; pos < records.size(); ++pos) {
        const int row = MSFlexGrid1.Row();
        const QString name = MSFlexGrid1.TextMatrix(row, kName);
        if (IsStatusName(name)) {
            MSFlexGrid1.SetCol(kShown);
            StsConv(MSFlexGrid1, MSFlexGrid2);
        }
        update.addBindValue(name);
        update.addBindValue(MSFlexGrid1.TextMatrix(row, kShown));
        update.addBindValue(MSFlexGrid1.TextMatrix(row, kUnit));
        update.addBindValue(records[pos]);
        if (!update.exec())
            return fail(update);
        if (row == layout.lastRow) {
            for (int r = 1; r <= kStatusBits; ++r) {
                const QString state = MSFlexGrid2.TextMatrix(r, kBitShown);
                if (state.trimmed() == QLatin1String("x"))
                    continue;
                insert.addBindValue(MSFlexGrid2.TextMatrix(r, kBitName));
                insert.addBindValue(state);
                insert.addBindValue(QStringLiteral("x"));
                if (!insert.exec())
                    return fail(insert);
            }
            break;
        }
        // Past the grid's last row the row stays, and is written again.
        MSFlexGrid1.SetRow(row + 1);
    }
    if (!db.commit()) {
        error = db.lastError().text();
        return false;
    }
    return true;
}

} // namespace zr::params
