#include "helptopics.h"

#include "helpwindow.h"
#include "shell.h"

#include <QWidget>

namespace zr::shell {

QString HelpTopicOf(const QString &windowName) {
    struct Entry {
        const QString *window;
        const char *topic;
    };
    static const Entry kTopics[] = {
        {&kLanguageWindow, "language.html"},  {&kMainWindow, "main-window.html"},
        {&kSerialHost, "link-settings.html"}, {&kLinkWindow, "link-settings.html"},
        {&kTransferWindow, "transfer.html"},  {&kDownloadClip, "transfer.html"},
        {&kUploadClip, "transfer.html"},      {&kFrontWindow, "front-panel.html"},
        {&kScopeWindow, "scope.html"},        {&kAboutWindow, "about.html"},
        {&kEditorWindow, "editor.html"},      {&kHelpWindow, "help.html"},
    };
    for (const Entry &e : kTopics)
        if (*e.window == windowName)
            return QString::fromLatin1(e.topic);
    // The preview of a printed report, named after its layout (DataReport10 ...).
    if (windowName.startsWith(QLatin1String("DataReport")))
        return QStringLiteral("report.html");
    return {};
}

QString HelpTopicFor(const QWidget *widget) {
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const QString topic = HelpTopicOf(w->objectName());
        if (!topic.isEmpty())
            return topic;
    }
    return kHelpContentsTopic;
}

} // namespace zr::shell
