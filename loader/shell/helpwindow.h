#pragma once

// ZR_LOADER_HELP: the manual of the chosen language (HelpFilePath) with its contents, its index,
// a full-text search and the page chosen in any of them.

#include "form.h"

#include <QTemporaryDir>
#include <QTextBrowser>

class QHelpEngine;
class QLineEdit;
class QListWidget;
class QSplitter;
class QTabWidget;

namespace zr::shell {

// Shows the pages of a help file; links inside it stay in it.
class HelpBrowser final : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget *parent = nullptr) : QTextBrowser(parent) {}
    void setEngine(QHelpEngine *engine) { engine_ = engine; }
    QVariant loadResource(int type, const QUrl &name) override;

private:
    QHelpEngine *engine_ = nullptr;
    // The page asked for before the contents were read.
    QString pendingTopic_;
    // The words last asked for, looked for again when a new index is ready.
    QString searchWords_;
    bool indexing_ = false;
};

class HelpWindow final : public Form {
    Q_OBJECT
public:
    explicit HelpWindow(Shell &shell, QWidget *parent = nullptr);

    void Form_Load() override;
    void ApplyLanguage(int lang) override;

    // Shows a page of the manual by its file name ("editor.html"); the contents page when the
    // manual has no such page.
    void showTopic(const QString &topic);

private:
    // Shows a page of the help file (a qthelp: address).
    void showPage(const QUrl &url);
    void showFirstPage();
    QWidget *makeSearchPage();
    void search();
    void listSearchResults();

    QTabWidget *tabs = nullptr;
    QLineEdit *indexFilter = nullptr;
    QLineEdit *searchText = nullptr;
    QListWidget *searchResults = nullptr;
    HelpBrowser *browser = nullptr;

    QSplitter *splitter_ = nullptr;
    QTemporaryDir collectionDir_;
    // The help engine, once the file is open; nullptr when it could not be opened.
    QHelpEngine *engine_ = nullptr;
    // The page asked for before the contents were read.
    QString pendingTopic_;
    // The words last asked for, looked for again when a new index is ready.
    QString searchWords_;
    bool indexing_ = false;
};

inline const QString kHelpWindow = QStringLiteral("ZR_LOADER_HELP");

} // namespace zr::shell
