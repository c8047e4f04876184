// File dialogs, fonts, the forms registry and the page switcher.

#include "datatable.h"
#include "dialogs.h"
#include "form.h"
#include "formsregistry.h"
#include "loaderroutine.h"
#include "modaldriver.h"
#include "pageswitcher.h"
#include "qtlocale.h"
#include "shell.h"
#include "simdrive.h"
#include "simserialport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace zr::shell;

namespace {

// A working window that records its handlers in a shared log.
class LogForm final : public Form {
public:
    LogForm(Shell &s, const QString &name, QStringList &log, QWidget *parent)
        : Form(s, name, parent), log_(log) {
        resize(200, 134); // 3000 x 2010 twips
    }
    void Form_Load() override {
        log_ << objectName() + QStringLiteral(":load");
        if (onLoad)
            onLoad();
    }
    void Form_Unload() override { log_ << objectName() + QStringLiteral(":unload"); }
    std::function<void()> onLoad;

private:
    QStringList &log_;
};

} // namespace

class TestShellCore : public QObject {
    Q_OBJECT

private slots:
    void fontsResolveToReadableFaces_data();
    void fontsResolveToReadableFaces();
    void fileDialogsListAndName_data();
    void fileDialogsListAndName();

    void registryLoadsOnFirstUseAndUnloads();
    void registryGiveUpWhileLoading();

    void switcher_data();
    void switcher();
    void switcherNestedCallEndsOnLinkPage();
};

void TestShellCore::fontsResolveToReadableFaces_data() {
    columns<QString, QStringList>("named", "readable");
    const QStringList sans{"Comic Neue", "DejaVu Sans", "Liberation Sans", "Arimo"};
    row("Comic Sans MS", "Comic Sans MS", sans);
    row("Arial", "Arial", QStringList{"Liberation Sans", "Arimo", "DejaVu Sans"});
    row("Courier New", "Courier New",
        QStringList{"Liberation Mono", "Cousine", "DejaVu Sans Mono"});
    row("SYMBOL", "SYMBOL", QStringList{"DejaVu Sans"});
}

// The fonts the windows name resolve to plain faces, never to a script face or a symbol font
// that lacks the signs the windows draw.
void TestShellCore::fontsResolveToReadableFaces() {
    QFETCH(QString, named);
    QFETCH(QStringList, readable);
    InstallFontSubstitutes();
    const QString family = QFontInfo(QFont(named, 10)).family();
    QVERIFY2(readable.contains(family), qPrintable(family));
}

void TestShellCore::fileDialogsListAndName_data() {
    columns<QString, bool, QString, QStringList, QString>("filter", "save", "typed", "listed",
                                                          "chosen");
    const QStringList params{QStringLiteral("a.10d"), QStringLiteral("b.13d")};
    row("open: every parameter file", "Parametri (*.xxd)|*.*d", false, "b.13d", params, "b.13d");
    row("save: the release's extension added", "Parametri (*.10d)|*.10d", true, "edited",
        QStringList{"a.10d"}, "edited.10d");
    row("save: a typed extension kept", "Parametri (*.10d)|*.10d", true, "edited.txt",
        QStringList{"a.10d"}, "edited.txt");
    row("open: programs", "Programma (*.hex)|*.hex", false, "p.hex", QStringList{"p.hex"}, "p.hex");
}

void TestShellCore::fileDialogsListAndName() {
    QFETCH(QString, filter);
    QFETCH(bool, save);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QTemporaryDir dir;
    for (const char *name : {"a.10d", "b.13d", "p.hex", "notes.txt"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QtDialogs dialogs;
    ModalDriver modals;
    modals.listThenCancel();
    modals.choose(typed);
    const auto run = [&] {
        return save ? dialogs.GetSaveFileName(nullptr, "t", filter, dir.path())
                    : dialogs.GetOpenFileName(nullptr, "t", filter, dir.path());
    };
    QCOMPARE(run(), QString()); // cancelled
    QTEST(modals.seen().value(0).listed, "listed");
    QCOMPARE(run(), dir.filePath(chosen));
}

// The pages and clips of the main window, each a window that records its handlers.
const QStringList kPagesAndClips{kLinkWindow,  kTransferWindow, kFrontWindow,
                                 kAboutWindow, kUploadClip,     kDownloadClip};

struct Env {
    LoaderRoutine st;
    QtDialogs dlg;
    zr::sim::SimDrive drive;
    zr::sim::SimSerialPort port{drive};
    Shell shell{st, dlg, port};
    QStringList log;
    QWidget host;
    Env() {
        host.resize(480, 421); // 7200 x 6315 twips
        shell.forms().setPageHost(&host);
        shell.mainFrame = [] { return MainFrame{0, 0, 7200, 6315, 555}; };
        for (const QString &n : kPagesAndClips)
            shell.forms().registerForm(
                n, [this, n](QWidget *p) { return new LogForm(shell, n, log, p); }, true);
    }
    QStringList loaded() {
        QStringList l;
        for (const QString &n : kPagesAndClips)
            if (shell.forms().isLoaded(n))
                l << n;
        return l;
    }
};

void TestShellCore::registryLoadsOnFirstUseAndUnloads() {
    Env e;
    FormsRegistry &r = e.shell.forms();
    QVERIFY(!r.isLoaded(kAboutWindow));
    QPointer<Form> a = r.form(kAboutWindow);
    QVERIFY(a);
    QCOMPARE(r.form(kAboutWindow), a.data());
    QCOMPARE(a->parentWidget(), &e.host);
    QVERIFY(!r.form(QStringLiteral("ZR_LOADER_NOSUCH")));
    r.unload(QStringLiteral("ZR_LOADER_NOSUCH")); // no effect
    r.unload(kAboutWindow);
    QVERIFY(!r.isLoaded(kAboutWindow));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(a.isNull());
    r.unload(kAboutWindow); // unloading twice: nothing more
    QVERIFY(r.form(kAboutWindow));
    QCOMPARE(r.loads(kAboutWindow), 2);
    QCOMPARE(e.log,
             (QStringList{"ZR_LOADER_INFO:load", "ZR_LOADER_INFO:unload", "ZR_LOADER_INFO:load"}));
}

void TestShellCore::registryGiveUpWhileLoading() {
    Env e;
    FormsRegistry &r = e.shell.forms();
    r.registerForm(kFrontWindow, [&](QWidget *p) {
        auto *f = new LogForm(e.shell, kFrontWindow, e.log, p);
        f->onLoad = [&] { r.unload(kFrontWindow); };
        return f;
    });
    QVERIFY(!r.form(kFrontWindow));
    QVERIFY(!r.isLoaded(kFrontWindow));
    QCOMPARE(e.log, (QStringList{"ZR_LOADER_FRONT:load", "ZR_LOADER_FRONT:unload"}));
}

void TestShellCore::switcher_data() {
    columns<QStringList, int, qint16, QStringList, QString>("before", "page", "downloadActive",
                                                            "after", "shown");
    row("front panel already shown", QStringList{kFrontWindow, kLinkWindow, kAboutWindow}, 2,
        kFalse, QStringList{kFrontWindow}, kFrontWindow);
    row("transfer, no download: clip removed, upload clip placed",
        QStringList{kLinkWindow, kDownloadClip}, 1, kFalse,
        QStringList{kTransferWindow, kUploadClip}, kTransferWindow);
    row("transfer during a download keeps its clip", QStringList{kLinkWindow, kDownloadClip}, 1,
        kTrue, QStringList{kTransferWindow, kUploadClip, kDownloadClip}, kTransferWindow);
    row("link page", QStringList{kTransferWindow, kFrontWindow, kAboutWindow}, 0, kFalse,
        QStringList{kLinkWindow}, kLinkWindow);
    row("About", QStringList{kLinkWindow}, 3, kFalse, QStringList{kAboutWindow}, kAboutWindow);
    row("page 5 changes nothing", QStringList{kLinkWindow, kFrontWindow}, 5, kFalse,
        QStringList{kLinkWindow, kFrontWindow}, QString());
}

void TestShellCore::switcher() {
    QFETCH(QStringList, before);
    QFETCH(int, page);
    QFETCH(qint16, downloadActive);
    QFETCH(QStringList, after);
    QFETCH(QString, shown);
    Env e;
    for (const QString &n : before)
        e.shell.forms().form(n);
    e.st.CurrentPage = qint16(page);
    e.st.DownloadActive = downloadActive;
    e.log.clear();
    PageSwitcher(e.shell);
    QStringList got = e.loaded();
    got.sort();
    after.sort();
    QCOMPARE(got, after);
    if (!shown.isEmpty()) {
        Form *w = e.shell.forms().find(shown);
        QVERIFY(w->isVisibleTo(&e.host));
        QCOMPARE(w->pos(), QPoint(140, 162)); // 2100 / 2430 twips
    }
    if (page == 1) {
        Form *clip = e.shell.forms().find(kUploadClip);
        QCOMPARE(clip->y(), e.shell.forms().find(kTransferWindow)->y());
        QCOMPARE(clip->x(), 140);
    }
    for (const QString &n : before)
        if (after.contains(n) && n != shown)
            QVERIFY(!e.log.contains(n + ":load"));
}

void TestShellCore::switcherNestedCallEndsOnLinkPage() {
    Env e;
    FormsRegistry &r = e.shell.forms();
    r.registerForm(
        kFrontWindow,
        [&](QWidget *p) {
            auto *f = new LogForm(e.shell, kFrontWindow, e.log, p);
            f->onLoad = [&] { // the drive does not answer: back to the link page
                e.st.CurrentPage = kPageLink;
                PageSwitcher(e.shell);
            };
            return f;
        },
        true);
    e.st.CurrentPage = kPageFront;
    PageSwitcher(e.shell);
    QCOMPARE(e.loaded(), QStringList{kLinkWindow});
    QVERIFY(r.find(kLinkWindow)->isVisibleTo(&e.host));
    QCOMPARE(e.log.count("ZR_LOADER_FRONT:load"), 1);
    QCOMPARE(e.log.count("ZR_LOADER_FRONT:unload"), 1);
}

QTEST_MAIN(TestShellCore)
#include "tst_shellcore.moc"
