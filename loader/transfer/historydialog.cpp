#include "historydialog.h"

#include "parambackup.h"
#include "transferhistory.h"
#include "transfertexts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zr::transfer {

void ShowHistoryDialog(QWidget *parent, int language, const QString &path) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("historyDialog"));
    dialog.setWindowTitle(HistoryTitle(language));
    const QList<HistoryEntry> entries = ReadHistory(path);

    auto *where = new QLabel(QDir::toNativeSeparators(path), &dialog);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *table = new QTableWidget(int(entries.size()), 9, &dialog);
    table->setObjectName(QStringLiteral("historyTable"));
    table->setHorizontalHeaderLabels(HistoryColumns(language));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    for (int r = 0; r < entries.size(); ++r) {
        const HistoryEntry &e = entries[entries.size() - 1 - r]; // newest first
        const QStringList cells{e.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                HistoryWord(e.direction, language),
                                HistoryWord(e.outcome, language),
                                e.port,
                                QString::number(e.drive),
                                QString::number(e.release),
                                QString::number(e.durationMs / 1000.0, 'f', 1),
                                QDir::toNativeSeparators(e.file),
                                e.sha256.left(16)};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c == 8)
                item->setToolTip(e.sha256);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(where);
    layout->addWidget(table, 1);
    layout->addWidget(buttons);
    dialog.resize(900, 420);
    dialog.exec();
}

QString ChooseBackup(QWidget *parent, int language, const QString &folder) {
    constexpr int kOffered = 20;
    const QStringList backups = ListBackups(folder).mid(0, kOffered);
    if (backups.isEmpty()) {
        QMessageBox box(QMessageBox::Information, RestoreTitle(language),
                        NoBackupsText(QDir::toNativeSeparators(folder), language), QMessageBox::Ok,
                        parent);
        box.exec();
        return {};
    }
    QStringList names;
    for (const QString &path : backups)
        names << QFileInfo(path).fileName();
    QInputDialog ask(parent);
    ask.setObjectName(QStringLiteral("restoreChoice"));
    ask.setWindowTitle(RestoreTitle(language));
    ask.setLabelText(RestoreQuestion(language));
    ask.setComboBoxItems(names);
    ask.setComboBoxEditable(false);
    if (ask.exec() != QDialog::Accepted)
        return {};
    return backups.value(names.indexOf(ask.textValue()));
}

} // namespace zr::transfer
