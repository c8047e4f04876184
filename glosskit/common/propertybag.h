#pragma once

#include "glosskit_export.h"
#include "picture.h"

#include <QColor>
#include <QFont>
#include <QSharedDataPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace glosskit {

class PropertyBagData;

// The store a host keeps a control's design-time state in. Keys are compared without regard to
// case but keep the spelling they were written with; entries keep their write order. Each write
// takes the same default as the matching read and leaves the key out when the value equals it.
//
// Value kinds: integers (booleans are stored as -1/0), floating point numbers, strings, colours
// (OLE colour values 0xBBGGRR, system colours 0x800000nn), pictures (PNG data; an empty picture is
// stored as empty data, a picture that is none is never stored) and fonts.
class GLOSSKIT_EXPORT PropertyBag {
public:
    // Colour values are kept apart from plain integers so that the text form can tell them apart.
    struct OleColor {
        quint32 value = 0;
        bool operator==(const OleColor &o) const { return value == o.value; }
    };

    PropertyBag();
    PropertyBag(const PropertyBag &other);
    PropertyBag &operator=(const PropertyBag &other);
    ~PropertyBag();

    bool contains(const QString &key) const;
    QVariant value(const QString &key) const;
    QStringList keys() const;
    int count() const;
    bool isEmpty() const;
    void remove(const QString &key);
    // Stores a raw value without any default handling (for hosts' own entries such as extents).
    void setValue(const QString &key, const QVariant &value);

    // The keys a control draws with as pixel positions and sizes (AdjustTop and the side-picture
    // sizes) read, and are set, at most this far from 0: neither a saved bag nor a host can make
    // drawing arithmetic overflow.
    static constexpr int kMaxPixels = 32767;
    static double boundPixels(double v) {
        return v < -kMaxPixels ? -kMaxPixels : v > kMaxPixels ? kMaxPixels : v;
    }

    bool readBool(const QString &key, bool def) const;
    int readInt(const QString &key, int def) const;
    double readSingle(const QString &key, double def) const;
    QString readString(const QString &key, const QString &def) const;
    quint32 readColor(const QString &key, quint32 def) const;
    Picture readPicture(const QString &key, const Picture &def) const;
    QFont readFont(const QString &key, const QFont &def) const;

    void writeBool(const QString &key, bool value, bool def);
    void writeInt(const QString &key, int value, int def);
    void writeSingle(const QString &key, double value, double def);
    void writeString(const QString &key, const QString &value, const QString &def);
    void writeColor(const QString &key, quint32 value, quint32 def);
    void writePicture(const QString &key, const Picture &value, const Picture &def);
    void writeFont(const QString &key, const QFont &value, const QFont &def);

    // One "Key = value" line per entry, in write order. fromText() reads that form back; lines it
    // cannot understand are skipped and reported through ok.
    QString toText() const;
    static PropertyBag fromText(const QString &text, bool *ok = nullptr);

    bool operator==(const PropertyBag &other) const;

private:
    // The entries in write order; copies share them until one changes.
    QSharedDataPointer<PropertyBagData> d;
};

// Conversions between OLE colour values and Qt colours. System colours (0x800000nn) resolve
// through the application palette.
GLOSSKIT_EXPORT QColor oleToColor(quint32 ole);
GLOSSKIT_EXPORT quint32 colorToOle(const QColor &color);

} // namespace glosskit

Q_DECLARE_METATYPE(glosskit::PropertyBag::OleColor)
