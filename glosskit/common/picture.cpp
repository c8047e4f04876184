#include "picture.h"

#include <QBuffer>

namespace glosskit {

class PictureData : public QSharedData {
public:
    QPixmap pixmap;
};

namespace {

const QPixmap &nullPixmap() {
    static const QPixmap none;
    return none;
}

} // namespace

Picture::Picture() = default;

Picture::Picture(const QPixmap &pixmap) : d(new PictureData) {
    d->pixmap = pixmap;
}

Picture::Picture(const QImage &image) : d(new PictureData) {
    d->pixmap = QPixmap::fromImage(image);
}

Picture::Picture(const Picture &other) = default;

Picture &Picture::operator=(const Picture &other) = default;

Picture::~Picture() = default;

Picture Picture::empty() {
    return Picture(QPixmap());
}

Picture Picture::fromData(const QByteArray &data) {
    if (data.isEmpty())
        return empty();
    QImage image;
    if (!image.loadFromData(data))
        return Picture();
    return Picture(image);
}

bool Picture::isNone() const {
    return !d;
}

bool Picture::isEmpty() const {
    return d && d->pixmap.isNull();
}

bool Picture::hasImage() const {
    return d && !d->pixmap.isNull();
}

const QPixmap &Picture::pixmap() const {
    return d ? d->pixmap : nullPixmap();
}

QByteArray Picture::toPng() const {
    QByteArray out;
    if (!hasImage())
        return out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    d->pixmap.save(&buffer, "PNG");
    return out;
}

bool Picture::operator==(const Picture &other) const {
    if (isNone() != other.isNone())
        return false;
    const QPixmap &a = pixmap(), &b = other.pixmap();
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    if (a.cacheKey() == b.cacheKey())
        return true;
    return a.toImage() == b.toImage();
}

bool Picture::operator!=(const Picture &other) const {
    return !(*this == other);
}

} // namespace glosskit
