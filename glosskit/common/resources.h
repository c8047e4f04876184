#pragma once

#include "glosskit_export.h"

#include <QBitmap>
#include <QPixmap>
#include <QString>

namespace glosskit {

// The library's built-in artwork, looked up by numeric resource id.
//
// Bitmaps are decoded once and kept (a repaint draws, it does not decode). The cache can be
// switched off, which makes every lookup decode its bitmap again; that exists to measure what the
// cache saves.
GLOSSKIT_EXPORT const QPixmap &resourceBitmap(int id);
// A 1-bit shape mask: white pixels lie outside the shape.
GLOSSKIT_EXPORT QBitmap resourceMask(int id);
GLOSSKIT_EXPORT QString resourceBitmapPath(int id);
GLOSSKIT_EXPORT QString resourceSoundPath(int id);
GLOSSKIT_EXPORT QString logoPath();

// Replaces a built-in bitmap for this process (a program that re-skins the controls); a null
// pixmap restores the built-in one.
GLOSSKIT_EXPORT void setResourceBitmap(int id, const QPixmap &pixmap);

GLOSSKIT_EXPORT void setBitmapCacheEnabled(bool enabled);
// Number of times a bitmap was decoded since start-up.
GLOSSKIT_EXPORT int bitmapDecodeCount();

// Turns a picture whose white pixels mean "outside" into a widget mask.
GLOSSKIT_EXPORT QBitmap maskFromPicture(const QPixmap &picture);

} // namespace glosskit
