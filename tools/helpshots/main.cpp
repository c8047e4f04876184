// helpshots: the pictures of the user's manual, taken from the real windows of the program.
//
//   helpshots --data DIR --out DIR
//
// For each language the program is started as a user starts it with --simulate (the simulated
// drive on a pseudo-terminal as port 2), the language is picked on its round button, the link is
// switched on, and the pages are opened with clicks on the toolbar; each window is drawn into
// OUT/<lang>/<name>.png. Run offscreen by the build, so the pictures follow the windows.

#include "form.h"
#include "loaderprogram.h"
#include "portmap.h"
#include "shell.h"
#include "simulatedline.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace zr::shell;

namespace {

struct Shooter {
    LoaderProgram &program;
    QDir out;
    QStringList errors;

    Form *form(const QString &name) { return program.shell().forms().find(name); }

    // Lets the program run until ready() holds, or says what it waited for.
    bool waitFor(const std::function<bool()> &ready, const char *what, int ms = 15000) {
        QDeadlineTimer deadline(ms);
        while (!ready()) {
            if (deadline.hasExpired()) {
                errors << QStringLiteral("%1: gave up waiting").arg(QLatin1String(what));
                return false;
            }
            QTest::qWait(20);
        }
        return true;
    }
    void settle(int ms) { QTest::qWait(ms); }

    void save(QWidget *w, const QString &name) {
        if (!w) {
            errors << QStringLiteral("%1: no window to draw").arg(name);
            return;
        }
        const QString file = out.filePath(name + QStringLiteral(".png"));
        if (!w->window()->grab().save(file))
            errors << QStringLiteral("%1: cannot write").arg(file);
    }

    void clickChild(QWidget *parent, const char *name) {
        auto *w = parent ? parent->findChild<QWidget *>(QLatin1String(name)) : nullptr;
        if (!w) {
            errors << QStringLiteral("%1: no such control").arg(QLatin1String(name));
            return;
        }
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    // A click on the button of a toolbar's action, by the toolbar's and the action's names.
    void clickAction(QWidget *window, const char *toolbar, const char *key) {
        auto *bar = window->findChild<QToolBar *>(QLatin1String(toolbar));
        auto *action = bar ? bar->findChild<QAction *>(QLatin1String(key)) : nullptr;
        if (!action) {
            errors << QStringLiteral("%1: no such button").arg(QLatin1String(key));
            return;
        }
        QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
    }
    void clickToolbar(const char *key) { clickAction(form(kMainWindow), "tbrFile", key); }

    // Answers the next file dialog with a file, as a user does: the name typed, Open pressed.
    // A message box met instead is an error (and is closed).
    void answerFileDialog(const QString &file, int tries = 100) {
        QTimer::singleShot(100, [this, file, tries] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                errors << QStringLiteral("unexpected message: %1").arg(box->text());
                box->reject();
                return;
            }
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            if (dialog) {
                auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
                QAbstractButton *open = buttons ? buttons->button(QDialogButtonBox::Open) : nullptr;
                if (edit && open) {
                    edit->setText(file);
                    if (open->isEnabled())
                        QTest::mouseClick(open, Qt::LeftButton);
                }
            }
            // Again while the dialog is there (it may still be reading its folder).
            if (tries > 0 && (!dialog || QApplication::activeModalWidget() == dialog))
                answerFileDialog(file, tries - 1);
            else if (tries == 0)
                errors << QStringLiteral("no file dialog took %1").arg(file);
        });
    }
};

void ShootLanguage(Shooter &s, const char *sphere) {
    Form *language = s.program.start();
    s.settle(300);
    s.save(language, QStringLiteral("language"));
    s.clickChild(language, sphere);
    if (!s.waitFor([&s] { return s.form(kLinkWindow) && s.form(kLinkWindow)->isVisible(); },
                   "the Com Setting page"))
        return;
    Form *main = s.form(kMainWindow);
    s.clickChild(s.form(kLinkWindow), "CWButton1");
    s.waitFor(
        [&s] {
            auto *status = s.form(kLinkWindow)->findChild<QLineEdit *>(QStringLiteral("Stato"));
            return status && status->text() == QLatin1String("No error");
        },
        "the drive on the link");
    s.settle(600);
    s.save(main, QStringLiteral("main-window"));

    s.clickToolbar("btnDown");
    s.waitFor([&s] { return s.form(kTransferWindow) && s.form(kTransferWindow)->isVisible(); },
              "the transfer page");
    s.settle(1200);
    s.save(main, QStringLiteral("transfer"));

    s.clickToolbar("btnFront");
    s.waitFor([&s] { return s.form(kFrontWindow) && s.form(kFrontWindow)->isVisible(); },
              "the front panel");
    s.settle(1500);
    s.save(main, QStringLiteral("front-panel"));

    s.clickChild(s.form(kFrontWindow), "Command1");
    if (s.waitFor([&s] { return s.form(kScopeWindow) && s.form(kScopeWindow)->isVisible(); },
                  "the oscilloscope")) {
        s.settle(3000);
        s.save(s.form(kScopeWindow), QStringLiteral("scope"));
        s.form(kScopeWindow)->close();
        s.settle(500);
    }

    s.clickToolbar("btnInfo");
    s.waitFor([&s] { return s.form(kAboutWindow) && s.form(kAboutWindow)->isVisible(); },
              "the About page");
    s.settle(300);
    s.save(main, QStringLiteral("about"));

    s.clickToolbar("btnParam");
    Form *editor = nullptr;
    if (s.waitFor([&] { return (editor = s.form(kEditorWindow)) && editor->isVisible(); },
                  "the parameter editor")) {
        editor->resize(620, 520); // as wide as the help shows a picture unscaled
        // The example from a short folder, so the picture shows no build path.
        const QString folder = QDir::temp().filePath(QStringLiteral("ZR3500"));
        const QString example = folder + QStringLiteral("/demo.20d");
        QDir().mkpath(folder);
        QFile::remove(example);
        QFile::copy(s.program.shell().programDir + QStringLiteral("/examples/demo.20d"), example);
        s.answerFileDialog(example);
        s.clickAction(editor, "tbropen", "btnOpen");
        s.settle(800);
        s.save(editor, QStringLiteral("editor"));

        s.clickAction(editor, "tbropen", "btnPrint");
        QPrintPreviewDialog *preview = nullptr;
        if (s.waitFor(
                [&] {
                    preview = editor->findChild<QPrintPreviewDialog *>();
                    return preview && preview->isVisible();
                },
                "the report preview")) {
            preview->resize(620, 760);
            s.settle(1500);
            s.save(preview, QStringLiteral("report"));
            preview->close();
        }
    }
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    // A window that waits for an answer nobody gives must not hold the build for ever.
    QTimer::singleShot(180000, [] {
        std::fprintf(stderr, "helpshots: still running after three minutes, given up\n");
        std::_Exit(1);
    });
    const QStringList args = app.arguments();
    const int dataAt = args.indexOf(QStringLiteral("--data"));
    const int outAt = args.indexOf(QStringLiteral("--out"));
    if (dataAt < 0 || outAt < 0 || dataAt + 1 >= args.size() || outAt + 1 >= args.size()) {
        std::fprintf(stderr, "usage: helpshots --data DIR --out DIR\n");
        return 2;
    }
    const QString data = QDir(args.at(dataAt + 1)).absolutePath();
    // A message box (the editor's save question at the end) is answered No, so the windows go on.
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            // The save question when the editor closes: nothing was changed.
            if (QAbstractButton *no = box->button(QMessageBox::No))
                no->click();
            else
                box->reject();
        }
    });
    watchdog.start(2000);
    const QDir out(args.at(outAt + 1));

    struct Choice {
        const char *folder;
        const char *sphere;
    };
    const Choice choices[] = {
        {"ita", "GlossSphere1"}, {"eng", "GlossSphere3"}, {"fra", "GlossSphere2"}};
    QStringList errors;
    for (const Choice &c : choices) {
        zr::sim::SimulatedLine line;
        QString why;
        if (!line.start(&why)) {
            std::fprintf(stderr, "helpshots: no simulated drive: %s\n", qPrintable(why));
            return 1;
        }
        // Only the simulated drive: ports 1, 3 and 4 are devices that are not there.
        zr::PortMap map;
        for (int n = 1; n <= 4; ++n)
            map.setDevice(n, QStringLiteral("/dev/zr3500-helpshots-none%1").arg(n));
        map.setDevice(2, line.device());
        LoaderProgram program(map);
        program.shell().programDir = data;
        program.shell().endProgram = [] {};
        Shooter s{program, QDir(out.filePath(QLatin1String(c.folder))), {}};
        s.out.mkpath(QStringLiteral("."));
        ShootLanguage(s, c.sphere);
        program.finish();
        for (const QString &e : s.errors)
            errors << QLatin1String(c.folder) + QStringLiteral(": ") + e;
    }
    for (const QString &e : errors)
        std::fprintf(stderr, "helpshots: %s\n", qPrintable(e));
    return errors.isEmpty() ? 0 : 1;
}
