#include "reportprint.h"

#include "descriptions.h"
#include "dialogs.h"
#include "editorwindow.h"
#include "languages.h"
#include "numbers.h"
#include "savefile.h"
#include "shell.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageLayout>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QToolBar>

#include <algorithm>

namespace zr::params {

using namespace zr::shell;

namespace {
const ReportMetrics kMetrics;
constexpr double kPointsPerInch = 72.0;

QTextCharFormat textFormat(double points, bool bold) {
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(points);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}
} // namespace

QTextDocument *BuildReportDocument(const QList<ReportRecord> &records, QObject *parent) {
    auto *doc = new QTextDocument(parent);
    doc->setDocumentMargin(0);
    QTextCursor c(doc);
    QTextBlockFormat title;
    title.setAlignment(Qt::AlignLeft);
    title.setBottomMargin(12);
    c.setBlockFormat(title);
    c.insertText(QStringLiteral("ZR3500 Parameter File"), textFormat(16, true));

    QTextTableFormat table;
    table.setHeaderRowCount(1);
    table.setBorder(1);
    table.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    table.setBorderBrush(Qt::black);
    table.setCellSpacing(0);
    table.setCellPadding(3);
    table.setBorderCollapse(true);
    // Name and value columns as the layout fixes them, in points (1/72 inch); the unit takes the
    // rest of the line.
    const double pxPerPt = 96.0 / kPointsPerInch;
    table.setColumnWidthConstraints(
        {QTextLength(QTextLength::FixedLength, kMetrics.nameWidth * pxPerPt),
         QTextLength(QTextLength::FixedLength, kMetrics.valueWidth * pxPerPt),
         QTextLength(QTextLength::VariableLength, 0)});
    table.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QTextTable *t = c.insertTable(int(records.size()) + 1, 3, table);
    const QTextCharFormat head = textFormat(10, true), cell = textFormat(9, false);
    auto put = [&](int row, int col, const QString &text, const QTextCharFormat &f) {
        QTextCursor cc = t->cellAt(row, col).firstCursorPosition();
        cc.insertText(text, f);
    };
    put(0, 0, QStringLiteral("Property"), head);
    put(0, 1, QStringLiteral("Value"), head);
    for (int i = 0; i < records.size(); ++i) {
        put(i + 1, 0, records[i].variabile, cell);
        put(i + 1, 1, records[i].valore, cell);
        put(i + 1, 2, records[i].unita, cell);
    }
    return doc;
}

void SetupReportPrinter(QPrinter &printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(kMetrics.leftMargin, 40, 40, 40), QPageLayout::Point);
}

void PrintReport(QTextDocument &document, QPrinter &printer) {
    // Laid out on the printer's page inside its margins (the document's size in its own pixels
    // of 1/96 inch), so no further margin is added.
    const QSizeF points = printer.pageLayout().paintRect(QPageLayout::Point).size();
    document.setPageSize(points * (96.0 / kPointsPerInch));
    document.print(&printer);
}

bool WriteReportPdf(QTextDocument &document, const QString &path, QString &error, int language) {
    // The printer writes where it is told without saying whether it could: it writes a scratch
    // file, and the PDF takes its name only once it is whole on the disk, so an older PDF of the
    // same name is never taken for the new one.
    QTemporaryFile scratch;
    if (!scratch.open()) {
        error = WriteFailureReason(scratch.fileName(), scratch.errorString(), language);
        return false;
    }
    scratch.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(scratch.fileName());
    SetupReportPrinter(printer);
    PrintReport(document, printer);
    QString reason;
    const QByteArray pdf = scratch.open() ? scratch.readAll() : QByteArray();
    if (pdf.isEmpty() || !WriteFileSafely(path, pdf, &reason)) {
        error = WriteFailureReason(path, reason, language);
        return false;
    }
    return true;
}

void PrintParameters(ParameterEditor &editor) {
    if (editor.openfile->text() != QLatin1String("1"))
        return;
    Shell &shell = editor.shell_;
    LoaderRoutine &st = shell.state;
    const int lang = st.CurrentLanguage;
    auto problem = [&](const QString &why) {
        shell.dialogs.MsgBox(
            &editor,
            Pick(lang, "Stampa non possibile: ", "Cannot print: ", "Impression impossible : ") +
                why,
            kOkOnly | kCritical, QStringLiteral("ZR3500 Loader"));
    };
    if (!IsSet(st.ReportDbConfigured)) {
        QString error;
        editor.reportDbPath = ReportDatabasePath(
            shell.programDir, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
            ProgramDirWritable(shell.programDir), error);
        st.ReportDbConfigured = kTrue;
        if (editor.reportDbPath.isEmpty()) {
            problem(error);
            return;
        }
    }
    const ReportLayout layout = LayoutFor(LeadingNumber(ReleaseCode(editor.source->text())));
    QList<ReportRecord> records;
    {
        ReportConnection c(editor.reportDbPath);
        QString error;
        if (!c.isOpen() || !apritabella(c.db(), layout, editor.grid1, editor.grid2, error)) {
            problem(c.isOpen() ? error : c.errorText());
            return;
        }
        records = c.records(layout.table);
    }

    const QString path =
        editor.destination->text().isEmpty() ? editor.source->text() : editor.destination->text();
    auto *dialog = new QPrintPreviewDialog(&editor);
    dialog->setObjectName(QStringLiteral("DataReport%1").arg(layout.code));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(path);
    dialog->setModal(false);
    QTextDocument *doc = BuildReportDocument(records, dialog);
    SetupReportPrinter(*dialog->printer());
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, doc,
                     [doc](QPrinter *printer) { PrintReport(*doc, *printer); });
    if (auto *bar = dialog->findChild<QToolBar *>()) {
        QAction *pdf = bar->addAction(QStringLiteral("PDF"));
        pdf->setObjectName(QStringLiteral("exportPdf"));
        pdf->setToolTip(QStringLiteral("Export PDF"));
        QObject::connect(pdf, &QAction::triggered, dialog, [dialog, doc, &shell, path] {
            const QString base = QFileInfo(path).completeBaseName();
            const QString file = shell.dialogs.GetSaveFileName(
                dialog, QStringLiteral("Export PDF"), QStringLiteral("PDF (*.pdf)|*.pdf"),
                QFileInfo(path).absolutePath() + QLatin1Char('/') + base + QStringLiteral(".pdf"));
            if (file.isEmpty())
                return;
            QString error;
            const int lang = shell.state.CurrentLanguage;
            if (!WriteReportPdf(*doc, file, error, lang))
                shell.dialogs.MsgBox(dialog,
                                     QDir::toNativeSeparators(file) + QLatin1Char('\n') + error,
                                     kOkOnly | kCritical, QStringLiteral("ZR3500 Loader"));
        });
    }
    dialog->resize(std::max(dialog->width(), 900), std::max(dialog->height(), 700));
    dialog->show();
    // Opened fitted to the page's width, where the lines can be read (the whole page in view is
    // too small to read).
    if (auto *fitWidth = dialog->findChild<QAction *>(QStringLiteral("fitWidthAction")))
        fitWidth->trigger();
}

} // namespace zr::params
