#include "pageswitcher.h"

#include "form.h"
#include "shell.h"
#include "twips.h"

#include <array>

namespace zr::shell {

QPointF PlacementInMain(const MainFrame &m, float width, float height) {
    const float t = m.toolbarHeight;
    const float top = m.top + t + ((m.height - height) - t) / 2.0f;
    const float left = m.left + (m.width - width) / 2.0f;
    return QPointF(left, top);
}

void PlaceInMainWindow(Shell &shell, QWidget *w) {
    if (!w)
        return;
    const QPointF p =
        PlacementInMain(shell.mainFrame(), PxToTwips(w->width()), PxToTwips(w->height()));
    w->move(TwipsToPx(p.x()), TwipsToPx(p.y()));
}

namespace {

struct PageRule {
    const QString *shown;
    std::array<const QString *, 3> unloadFirst;
};

const std::array<PageRule, 4> &rules() {
    static const std::array<PageRule, 4> r{{
        {&kLinkWindow, {&kFrontWindow, &kTransferWindow, &kAboutWindow}},
        {&kTransferWindow, {&kFrontWindow, &kLinkWindow, &kAboutWindow}},
        {&kFrontWindow, {&kTransferWindow, &kLinkWindow, &kAboutWindow}},
        {&kAboutWindow, {&kTransferWindow, &kLinkWindow, &kFrontWindow}},
    }};
    return r;
}

void placeClip(Shell &shell, Form *clip, const QWidget *down) {
    if (!clip || !down)
        return;
    const MainFrame m = shell.mainFrame();
    const float left = m.left + (m.width - PxToTwips(clip->width())) / 2.0f;
    clip->move(TwipsToPx(left), down->y());
}

} // namespace

void PageSwitcher(Shell &shell) {
    const quint64 call = ++shell.switchGeneration;
    // A window's load or unload handler may switch page itself (a page that gives up while
    // loading goes back to the link page); the nested call then has the last word.
    const auto overtaken = [&] { return shell.switchGeneration != call; };

    const int page = shell.state.CurrentPage;
    if (page < 0 || page >= int(rules().size()))
        return;
    const PageRule &rule = rules()[std::size_t(page)];
    FormsRegistry &forms = shell.forms();
    for (const QString *name : rule.unloadFirst) {
        forms.unload(*name);
        if (overtaken())
            return;
    }
    Form *w = forms.form(*rule.shown);
    if (overtaken())
        return;
    if (w) {
        PlaceInMainWindow(shell, w);
        w->show();
        w->raise();
    }
    if (page == kPageTransfer) {
        if (IsSet(shell.state.DownloadActive))
            placeClip(shell, forms.form(kDownloadClip), forms.find(kTransferWindow));
        else
            forms.unload(kDownloadClip);
        placeClip(shell, forms.form(kUploadClip), forms.find(kTransferWindow));
    }
}

} // namespace zr::shell
