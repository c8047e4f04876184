#pragma once

// The printed parameter report: the editor's print command fills the layout's table of the
// report database and shows the report, bound to that table, in a print preview from which the
// user prints or exports a PDF.

#include "reportdb.h"

#include <QList>
#include <QString>

class QPrinter;
class QTextDocument;
class QObject;

namespace zr::params {

class ParameterEditor;

// The report of records: report header "ZR3500 Parameter File", on every page the header
// "Property" / "Value", then one ruled line per record (name, value, unit).
QTextDocument *BuildReportDocument(const QList<ReportRecord> &records, QObject *parent);

// Page settings of a report: the three layout values 50, 200 and 100 are the left margin and
// the widths of the name and value columns, in points.
struct ReportMetrics {
    double leftMargin = 50;
    double nameWidth = 200;
    double valueWidth = 100;
};
void SetupReportPrinter(QPrinter &printer);
// Prints the report on printer's pages.
void PrintReport(QTextDocument &document, QPrinter &printer);

// Writes the report as a PDF file; false with the reason in error.
bool WriteReportPdf(QTextDocument &document, const QString &path, QString &error, int language = 1);

// The editor's print command (btnPrint).
void PrintParameters(ParameterEditor &editor);

} // namespace zr::params
