#include "picture.h"

#include <QBuffer>

namespace glosskit {

Picture::Picture(const QPixmap &pixmap) : m_present(true), m_pixmap(pixmap) {}

Picture::Picture(const QImage &image) : m_present(true), m_pixmap(QPixmap::fromImage(image)) {}

Picture Picture::empty() {
    Picture p;
    p.m_present = true;
    return p;
}

Picture Picture::fromData(const QByteArray &data) {
    if (data.isEmpty())
        return empty();
    QImage image;
    if (!image.loadFromData(data))
        return Picture();
    return Picture(image);
}

QByteArray Picture::toPng() const {
    QByteArray out;
    if (m_pixmap.isNull())
        return out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    m_pixmap.save(&buffer, "PNG");
    return out;
}

bool Picture::operator==(const Picture &other) const {
    if (m_present != other.m_present)
        return false;
    if (m_pixmap.isNull() || other.m_pixmap.isNull())
        return m_pixmap.isNull() == other.m_pixmap.isNull();
    if (m_pixmap.cacheKey() == other.m_pixmap.cacheKey())
        return true;
    return m_pixmap.toImage() == other.m_pixmap.toImage();
}

} // namespace glosskit
