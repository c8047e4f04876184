#include "scopeexport.h"

#include "savefile.h"
#include "scopescales.h"

#include <QBuffer>
#include <QImage>

namespace zr::scope {

QByteArray TraceCsv(const QByteArray &samples) {
    QByteArray out("ms,sample,volts\r\n");
    out.reserve(out.size() + samples.size() * 22);
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const int v = static_cast<quint8>(samples.at(i));
        out += QByteArray::number(static_cast<double>(i) * kMsPerSample, 'f', 3);
        out += ',';
        out += QByteArray::number(v);
        out += ',';
        out += QByteArray::number(CursorVolts(v), 'f', 3);
        out += "\r\n";
    }
    return out;
}

bool SaveTraceCsv(const QString &path, const QByteArray &samples, QString *error) {
    return WriteFileSafely(path, TraceCsv(samples), error);
}

bool SaveImage(const QString &path, const QImage &image, QString *error) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        if (error)
            *error = QStringLiteral("the picture could not be encoded");
        return false;
    }
    return WriteFileSafely(path, png, error);
}

} // namespace zr::scope
