#pragma once

#include "glosskit_export.h"

#include <QByteArray>
#include <QImage>
#include <QMetaType>
#include <QPixmap>

namespace glosskit {

// A picture property value. Three states matter to the controls:
//  - none:  no picture object at all (the default-constructed value);
//  - empty: a picture object without an image; it counts as present but paints nothing;
//  - image: a picture with pixels.
// The decoded pixmap is kept, so painting never decodes.
class GLOSSKIT_EXPORT Picture {
public:
    Picture() = default;
    Picture(const QPixmap &pixmap); // NOLINT: implicit on purpose, hosts pass pixmaps
    Picture(const QImage &image);   // NOLINT

    static Picture empty();
    // PNG (or any format Qt reads) data; empty data gives an empty picture, undecodable data none.
    static Picture fromData(const QByteArray &data);

    bool isNone() const { return !m_present; }
    bool isEmpty() const { return m_present && m_pixmap.isNull(); }
    bool hasImage() const { return m_present && !m_pixmap.isNull(); }

    const QPixmap &pixmap() const { return m_pixmap; }
    QSize size() const { return m_pixmap.size(); }
    // The picture as PNG data (empty for an empty or absent picture).
    QByteArray toPng() const;

    bool operator==(const Picture &other) const;
    bool operator!=(const Picture &other) const { return !(*this == other); }

private:
    bool m_present = false;
    QPixmap m_pixmap;
};

} // namespace glosskit

Q_DECLARE_METATYPE(glosskit::Picture)
