// Creates a GlossSphere from its ProgID, as a program that uses GlsKit2 does, and draws it.

#include "common/glosskit.h"
#include "sphere/glosssphere.h"

#include <QApplication>
#include <QPixmap>
#include <QTextStream>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QWidget *control = glosskit::createControl(QStringLiteral("GlossKit.GlossSphere"));
    auto *sphere = qobject_cast<glosskit::GlossSphere *>(control);
    if (!sphere) {
        out << "no GlossSphere from createControl" << Qt::endl;
        return 1;
    }
    sphere->resize(32, 32);
    const QImage image = sphere->grab().toImage();
    glosskit::PropertyBag bag;
    const bool saved = glosskit::saveControl(sphere, bag);
    out << sphere->metaObject()->className() << ' ' << image.width() << 'x' << image.height()
        << (saved ? " saved" : " not saved") << Qt::endl;
    delete control;
    return image.isNull() || !saved ? 1 : 0;
}
