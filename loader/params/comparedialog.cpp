#include "comparedialog.h"

#include "paramtexts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zr::params {

bool ShowComparison(QWidget *parent, int lang, const QString &intro, const QString &table,
                    bool question) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("comparison"));
    dialog.setWindowTitle(CompareText(CompareWords::Title, lang));
    auto *label = new QLabel(intro, &dialog);
    label->setWordWrap(true);
    auto *text = new QPlainTextEdit(table, &dialog);
    text->setObjectName(QStringLiteral("comparisonTable"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *buttons = new QDialogButtonBox(
        question ? QDialogButtonBox::Yes | QDialogButtonBox::No : QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);
    dialog.resize(640, 420);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zr::params
