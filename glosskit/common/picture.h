#pragma once

#include "glosskit_export.h"

#include <QByteArray>
#include <QImage>
#include <QMetaType>
#include <QPixmap>
#include <QSharedDataPointer>

namespace glosskit {

class PictureData;

// A picture property value. Three states matter to the controls:
//  - none:  no picture object at all (the default-constructed value);
//  - empty: a picture object without an image; it counts as present but paints nothing;
//  - image: a picture with pixels.
// The decoded pixmap is kept, so painting never decodes. Copies share it.
class GLOSSKIT_EXPORT Picture {
public:
    Picture();
    Picture(const QPixmap &pixmap); // NOLINT: implicit on purpose, hosts pass pixmaps
    Picture(const QImage &image);   // NOLINT
    Picture(const Picture &other);
    Picture &operator=(const Picture &other);
    ~Picture();

    static Picture empty();
    // PNG (or any format Qt reads) data; empty data gives an empty picture, undecodable data none.
    static Picture fromData(const QByteArray &data);

    bool isNone() const;
    bool isEmpty() const;
    bool hasImage() const;

    // The image (a null pixmap for none and for an empty picture).
    const QPixmap &pixmap() const;
    // The picture as PNG data (empty for an empty or absent picture).
    QByteArray toPng() const;

    bool operator==(const Picture &other) const;
    bool operator!=(const Picture &other) const;

private:
    // Null for none; a picture object (empty or with an image) otherwise.
    QSharedDataPointer<PictureData> d;
};

} // namespace glosskit

Q_DECLARE_METATYPE(glosskit::Picture)
