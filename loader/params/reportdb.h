#pragma once

// The report database: one table per release layout (columns variabile, valore, unità) that a
// print fills from the editor's grids in table order, and that the printed report lists.

#include "textgrid.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace zr::params {

struct ReportLayout {
    int code = 10;    // the layout's release code value
    QString table;    // "parametri10"
    QString routine;  // "apritabella"
    int lastRow = 21; // N: the grid row of "STATUS", the last parameter row
    QString caption;  // the report's caption
};

// The layout of a release code value; 10 for every value without a layout of its own.
ReportLayout LayoutFor(double codeValue);

inline const QString kReportDbName = QStringLiteral("zr3500Rel131.sqlite");

// Builds a database from an SQL script (statements ended by ";", "--" comments). The database
// appears under dbPath only when the whole script ran.
bool CreateReportDatabase(const QString &scriptPath, const QString &dbPath, QString &error);

// Where the report database is written: the program directory's copy when programDirWritable,
// otherwise a copy in dataDir (made once from the shipped one). Empty with a reason in error when
// there is no database to use.
QString ReportDatabasePath(const QString &programDir, const QString &dataDir,
                           bool programDirWritable, QString &error);
// Whether the program directory and its database can be written.
bool ProgramDirWritable(const QString &programDir);

struct ReportRecord {
    QString variabile, valore, unita;
    bool operator==(const ReportRecord &) const = default;
};

// A connection to the database file under its own connection name; closed and removed when the
// object goes.
class ReportConnection {
public:
    explicit ReportConnection(const QString &path);
    ~ReportConnection();
    ReportConnection(const ReportConnection &) = delete;
    ReportConnection &operator=(const ReportConnection &) = delete;

    bool isOpen() const;
    QString errorText() const;
    QSqlDatabase db() const;

    // Every record of table, in table order.
    QList<ReportRecord> records(const QString &table) const;

private:
    QString name_;
};

// The print routine of a layout: overwrites the table's records in order with rows 1 to N of the
// parameter grid (name, shown value, unit), decoding the "STATUS" row into the status grid on the
// way, and after row N adds one record per status bit whose state is not "x" (unit "x"). Stops at
// the end of the table. Records left from earlier prints beyond the first N are removed first, so
// each print has one status section. False with a reason when the table cannot be written.
bool apritabella(QSqlDatabase db, const ReportLayout &layout, TextGrid &MSFlexGrid1,
                 TextGrid &MSFlexGrid2, QString &error);

} // namespace zr::params
