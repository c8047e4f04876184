#include "helpwindow.h"

#include "languages.h"
#include "shell.h"

#include <QFileInfo>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zr::shell {

QVariant HelpBrowser::loadResource(int type, const QUrl &name) {
    if (engine_ && name.scheme() == QLatin1String("qthelp"))
        return engine_->fileData(name);
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(Shell &shell, QWidget *parent) : Form(shell, kHelpWindow, parent) {
    setWindowTitle(QStringLiteral("ZR3500 Loader Help"));
    resize(860, 600);
    splitter_ = new QSplitter(this);
    tabs = new QTabWidget(splitter_);
    tabs->setObjectName(QStringLiteral("helpTabs"));
    browser = new HelpBrowser(splitter_);
    browser->setObjectName(QStringLiteral("helpPage"));
    splitter_->setSizes({230, 630});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
}

void HelpWindow::Form_Load() {
    ApplyLanguage(shell_.state.CurrentLanguage);
    const QString file = shell_.state.HelpFilePath;
    // The collection is the engine's own bookkeeping: a scratch file, so the program
    // directory may stay read-only.
    if (!QFileInfo::exists(file) || !collectionDir_.isValid()) {
        browser->setPlainText(QStringLiteral("The help file %1 is missing.").arg(file));
        return;
    }
    engine_ = new QHelpEngine(collectionDir_.filePath(QStringLiteral("help.qhc")), this);
    engine_->setReadOnly(false);
    if (!engine_->setupData() || !engine_->registerDocumentation(file)) {
        browser->setPlainText(
            QStringLiteral("The help file %1 cannot be opened: %2").arg(file, engine_->error()));
        delete engine_;
        engine_ = nullptr;
        return;
    }
    browser->setEngine(engine_);

    QHelpContentWidget *contents = engine_->contentWidget();
    contents->setObjectName(QStringLiteral("helpContents"));
    tabs->addTab(contents, QString());
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::showPage);

    auto *indexPage = new QWidget;
    auto *indexLayout = new QVBoxLayout(indexPage);
    indexFilter = new QLineEdit(indexPage);
    indexFilter->setObjectName(QStringLiteral("helpIndexFilter"));
    indexFilter->setClearButtonEnabled(true);
    QHelpIndexWidget *index = engine_->indexWidget();
    index->setObjectName(QStringLiteral("helpIndex"));
    indexLayout->addWidget(indexFilter);
    indexLayout->addWidget(index);
    tabs->addTab(indexPage, QString());
    ApplyLanguage(shell_.state.CurrentLanguage);
    connect(indexFilter, &QLineEdit::textChanged, index,
            [index](const QString &text) { index->filterIndices(text); });
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink &link) { showPage(link.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink> &links) {
                if (!links.isEmpty())
                    showPage(links.first().url);
            });

    // The contents are read in the background; the first page follows them.
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
        engine_->contentWidget()->expandAll();
        showFirstPage();
    });
    showFirstPage();
}

void HelpWindow::ApplyLanguage(int lang) {
    setWindowTitle(Pick(lang, "Guida ZR3500 Loader", "ZR3500 Loader Help", "Aide ZR3500 Loader"));
    if (tabs->count() == 2) {
        tabs->setTabText(0, Pick(lang, "Sommario", "Contents", "Sommaire"));
        tabs->setTabText(1, Pick(lang, "Indice", "Index", "Index"));
    }
}

void HelpWindow::showFirstPage() {
    if (!engine_ || !browser->source().isEmpty())
        return;
    QHelpContentModel *model = engine_->contentModel();
    if (model->rowCount() == 0)
        return;
    if (QHelpContentItem *top = model->contentItemAt(model->index(0, 0)))
        showPage(top->url());
}

void HelpWindow::showPage(const QUrl &url) {
    browser->setSource(url);
}

} // namespace zr::shell
