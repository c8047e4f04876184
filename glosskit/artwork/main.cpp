// Writes the control set's artwork and a resource collection file naming it into one folder:
//   glosskit_artwork <output-folder>

#include "artwork.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace artwork {

void addImage(Output &out, const QString &path, const QImage &image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    out[path] = data;
}

} // namespace artwork

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: glosskit_artwork <output-folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    artwork::Output out;
    artwork::makeSpheres(out);
    artwork::makeFrames(out);
    artwork::makeSounds(out);
    artwork::makeIcons(out);
    artwork::makeButtons(out);

    QString qrc = QStringLiteral("<RCC>\n  <qresource prefix=\"/glosskit\">\n");
    for (const auto &[path, data] : out) {
        const QString file = dir.filePath(path);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QSaveFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit()) {
            std::fprintf(stderr, "glosskit_artwork: cannot write %s\n", qPrintable(file));
            return 1;
        }
        qrc += QStringLiteral("    <file>%1</file>\n").arg(path);
    }
    qrc += QStringLiteral("  </qresource>\n</RCC>\n");
    QSaveFile f(dir.filePath(QStringLiteral("glosskit_artwork.qrc")));
    if (!f.open(QIODevice::WriteOnly) || f.write(qrc.toUtf8()) < 0 || !f.commit()) {
        std::fprintf(stderr, "glosskit_artwork: cannot write the resource list\n");
        return 1;
    }
    return 0;
}
