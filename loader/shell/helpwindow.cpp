#include "helpwindow.h"

#include "helptopics.h"
#include "languages.h"
#include "shell.h"

#include <QFileInfo>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

namespace zr::shell {

QVariant HelpBrowser::loadResource(int type, const QUrl &name) {
    if (engine_ && name.scheme() == QLatin1String("qthelp"))
        return engine_->fileData(name);
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(Shell &shell, QWidget *parent) : Form(shell, kHelpWindow, parent) {
    setWindowTitle(QStringLiteral("ZR3500 Loader Help"));
    resize(960, 660);
    splitter_ = new QSplitter(this);
    tabs = new QTabWidget(splitter_);
    tabs->setObjectName(QStringLiteral("helpTabs"));
    browser = new HelpBrowser(splitter_);
    browser->setObjectName(QStringLiteral("helpPage"));
    splitter_->setSizes({270, 690}); // room for the three tabs in every language
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
    tabs->addTab(makeSearchPage(), QString());
    ApplyLanguage(shell_.state.CurrentLanguage);
    connect(indexFilter, &QLineEdit::textChanged, index,
            [index](const QString &text) { index->filterIndices(text); });
    // Enter in the box opens the entry the filter left first.
    connect(indexFilter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
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
    if (tabs->count() == 3) {
        tabs->setTabText(0, Pick(lang, "Sommario", "Contents", "Sommaire"));
        tabs->setTabText(1, Pick(lang, "Indice", "Index", "Index"));
        tabs->setTabText(2, Pick(lang, "Cerca", "Search", "Recherche"));
        searchText->setPlaceholderText(Pick(lang, "Parole da cercare, poi Invio",
                                            "Words to look for, then Enter",
                                            "Mots \u00e0 chercher, puis Entr\u00e9e"));
    }
}

QWidget *HelpWindow::makeSearchPage() {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    searchText = new QLineEdit(page);
    searchText->setObjectName(QStringLiteral("helpSearchText"));
    searchText->setClearButtonEnabled(true);
    searchResults = new QListWidget(page);
    searchResults->setObjectName(QStringLiteral("helpSearchResults"));
    searchResults->setWordWrap(true);
    layout->addWidget(searchText);
    layout->addWidget(searchResults);
    connect(searchText, &QLineEdit::returnPressed, this, &HelpWindow::search);
    const auto open = [this](QListWidgetItem *item) {
        const QUrl url = item->data(Qt::UserRole).toUrl();
        if (url.isValid())
            showPage(url);
    };
    connect(searchResults, &QListWidget::itemClicked, this, open);
    connect(searchResults, &QListWidget::itemActivated, this, open);

    // The index of the words is made in the background when the window opens (the engine may
    // make it twice as it reads the file); the words asked for are looked for again each time
    // an index is ready.
    QHelpSearchEngine *finder = engine_->searchEngine();
    connect(finder, &QHelpSearchEngine::indexingStarted, this, [this] { indexing_ = true; });
    connect(finder, &QHelpSearchEngine::indexingFinished, this, [this] {
        indexing_ = false;
        if (!searchWords_.isEmpty())
            engine_->searchEngine()->search(searchWords_);
    });
    connect(finder, &QHelpSearchEngine::searchingFinished, this, &HelpWindow::listSearchResults);
    indexing_ = true;
    finder->reindexDocumentation();
    return page;
}

void HelpWindow::search() {
    searchWords_ = searchText->text().trimmed();
    if (!searchWords_.isEmpty() && !indexing_)
        engine_->searchEngine()->search(searchWords_);
}

void HelpWindow::listSearchResults() {
    searchResults->clear();
    QHelpSearchEngine *finder = engine_->searchEngine();
    for (const QHelpSearchResult &r : finder->searchResults(0, finder->searchResultCount())) {
        // The snippet is HTML: the words a reader sees.
        QString snippet = QTextDocumentFragment::fromHtml(r.snippet()).toPlainText().simplified();
        if (snippet.size() > 120)
            snippet = snippet.left(117) + QStringLiteral("...");
        auto *item = new QListWidgetItem(r.title() + QLatin1Char('\n') + snippet, searchResults);
        item->setData(Qt::UserRole, r.url());
    }
    if (searchResults->count() == 0) {
        const int lang = shell_.state.CurrentLanguage;
        auto *none = new QListWidgetItem(Pick(lang, "Nessuna pagina contiene queste parole.",
                                              "No page holds these words.",
                                              "Aucune page ne contient ces mots."),
                                         searchResults);
        none->setFlags(Qt::NoItemFlags);
    }
}

void HelpWindow::showTopic(const QString &topic) {
    if (!engine_)
        return;
    const QString ns = QHelpEngineCore::namespaceName(shell_.state.HelpFilePath);
    for (const QUrl &url : engine_->files(ns, QString(), QStringLiteral("html"))) {
        if (url.fileName() == topic) {
            showPage(url);
            return;
        }
    }
    if (topic != kHelpContentsTopic)
        showTopic(kHelpContentsTopic);
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
