// glosskit_gallery [--screenshot FILE]: shows the control set; with --screenshot it saves a
// picture of its window and quits.

#include "gallery.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption shot(QStringLiteral("screenshot"),
                            QStringLiteral("Save the window to FILE and quit."),
                            QStringLiteral("FILE"));
    parser.addOption(shot);
    parser.process(app);

    Gallery gallery;
    gallery.show();
    if (parser.isSet(shot)) {
        const QString file = parser.value(shot);
        QTimer::singleShot(700, &gallery, [&gallery, file] {
            const bool ok = gallery.grab().save(file);
            QApplication::exit(ok ? 0 : 1);
        });
    }
    return app.exec();
}
