#pragma once

// ZR_LOADER_HELP: the help of the chosen language (HelpFilePath) with its contents, its index
// and the page chosen in either.

#include "form.h"

#include <QTemporaryDir>
#include <QTextBrowser>

class QHelpEngine;
class QLineEdit;
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
};

class HelpWindow final : public Form {
    Q_OBJECT
public:
    explicit HelpWindow(Shell &shell, QWidget *parent = nullptr);

    void Form_Load() override;
    void ApplyLanguage(int lang) override;

private:
    // Shows a page of the help file (a qthelp: address).
    void showPage(const QUrl &url);
    void showFirstPage();

    QTabWidget *tabs = nullptr;
    QLineEdit *indexFilter = nullptr;
    HelpBrowser *browser = nullptr;

    QSplitter *splitter_ = nullptr;
    QTemporaryDir collectionDir_;
    // The help engine, once the file is open; nullptr when it could not be opened.
    QHelpEngine *engine_ = nullptr;
};

inline const QString kHelpWindow = QStringLiteral("ZR_LOADER_HELP");

} // namespace zr::shell
