#include "resources.h"

#include <QHash>
#include <QImage>

namespace glosskit {

namespace {

struct BitmapStore {
    QHash<int, QPixmap> cache;
    QHash<int, QPixmap> replaced;
    QPixmap scratch; // holds the last uncached decode
    bool enabled = true;
    int decodes = 0;
};

BitmapStore &store() {
    static BitmapStore s;
    return s;
}

} // namespace

QString resourceBitmapPath(int id) {
    return QStringLiteral(":/glosskit/bmp/%1.png").arg(id);
}

QString resourceSoundPath(int id) {
    return QStringLiteral(":/glosskit/sound/%1.wav").arg(id);
}

QString logoPath() {
    return QStringLiteral(":/glosskit/logo.png");
}

const QPixmap &resourceBitmap(int id) {
    BitmapStore &s = store();
    if (auto r = s.replaced.constFind(id); r != s.replaced.constEnd())
        return *r;
    if (s.enabled) {
        auto it = s.cache.find(id);
        if (it != s.cache.end())
            return *it;
    }
    QPixmap pixmap;
    ++s.decodes;
    pixmap.load(resourceBitmapPath(id)); // a missing bitmap stays null and paints nothing
    if (!s.enabled) {
        s.scratch = pixmap;
        return s.scratch;
    }
    return *s.cache.insert(id, pixmap);
}

QBitmap maskFromPicture(const QPixmap &picture) {
    if (picture.isNull())
        return QBitmap();
    QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
    // Pixels that are white are outside the shape; everything else is inside. A bitmap takes
    // black as "set", and set pixels are the visible part of a widget mask.
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == 0xFFFFFF ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    return QBitmap::fromImage(image.convertToFormat(QImage::Format_MonoLSB, Qt::ThresholdDither));
}

QBitmap resourceMask(int id) {
    return maskFromPicture(resourceBitmap(id));
}

void setResourceBitmap(int id, const QPixmap &pixmap) {
    if (pixmap.isNull())
        store().replaced.remove(id);
    else
        store().replaced.insert(id, pixmap);
}

void setBitmapCacheEnabled(bool enabled) {
    BitmapStore &s = store();
    s.enabled = enabled;
    if (!enabled)
        s.cache.clear();
}

int bitmapDecodeCount() {
    return store().decodes;
}

} // namespace glosskit
