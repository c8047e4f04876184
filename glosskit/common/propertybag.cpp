#include "propertybag.h"

#include <QGuiApplication>
#include <QHash>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace glosskit {

class PropertyBagData : public QSharedData {
public:
    int indexOf(const QString &key) const;
    // Stores an entry, or leaves the key out (and drops a stale entry of it) when omit is set.
    void put(const QString &key, const QVariant &value, bool omit);

    std::vector<std::pair<QString, QVariant>> entries;
};

namespace {

// The characters a quoted string escapes, each with the letter that follows the backslash.
constexpr std::pair<char16_t, char16_t> kEscapes[] = {
    {u'"', u'"'}, {u'\\', u'\\'}, {u'\n', u'n'}, {u'\r', u'r'}, {u'\t', u't'}};

QString quoted(const QString &s) {
    QString out;
    out.reserve(s.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : s) {
        const auto *e = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                     [c](const auto &x) { return x.first == c.unicode(); });
        if (e != std::end(kEscapes)) {
            out += QLatin1Char('\\');
            c = QChar(e->second);
        }
        out += c;
    }
    out += QLatin1Char('"');
    return out;
}

// Reads a quoted string starting at text[0]; returns false on a missing closing quote.
bool unquoted(QStringView text, QString *out) {
    if (text.size() < 2 || text.front() != u'"' || text.back() != u'"')
        return false;
    out->clear();
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'\\') {
            if (i + 2 >= text.size())
                return false;
            const QChar n = text[++i];
            const auto *e = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                         [n](const auto &x) { return x.second == n.unicode(); });
            *out += e != std::end(kEscapes) ? QChar(e->first) : n;
        } else if (c == u'"') {
            return false;
        } else {
            *out += c;
        }
    }
    return true;
}

QString formatValue(const QVariant &v) {
    if (v.metaType() == QMetaType::fromType<PropertyBag::OleColor>()) {
        return QStringLiteral("&H%1&")
            .arg(v.value<PropertyBag::OleColor>().value, 8, 16, QLatin1Char('0'))
            .toUpper();
    }
    if (v.metaType() == QMetaType::fromType<Picture>())
        return QStringLiteral("png:") + QString::fromLatin1(v.value<Picture>().toPng().toBase64());
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::Bool:
        return QString::number(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: {
        QString s = QString::number(v.toDouble(), 'g', 9);
        if (!s.contains(QLatin1Char('.')) && !s.contains(QLatin1Char('e')))
            s += QLatin1String(".0");
        return s;
    }
    case QMetaType::QFont:
        return QStringLiteral("font:") + quoted(v.value<QFont>().toString());
    default:
        return quoted(v.toString());
    }
}

bool parseValue(QStringView text, QVariant *out) {
    if (text.startsWith(u'"')) {
        QString s;
        if (!unquoted(text, &s))
            return false;
        *out = s;
        return true;
    }
    if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive) && text.endsWith(u'&') &&
        text.size() > 3) {
        bool ok = false;
        quint32 v = text.mid(2, text.size() - 3).toUInt(&ok, 16);
        if (!ok)
            return false;
        *out = QVariant::fromValue(PropertyBag::OleColor{v});
        return true;
    }
    if (text.startsWith(QLatin1String("png:"))) {
        auto decoded = QByteArray::fromBase64Encoding(text.mid(4).toLatin1(),
                                                      QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return false;
        Picture pic = Picture::fromData(*decoded);
        if (pic.isNone())
            return false;
        *out = QVariant::fromValue(pic);
        return true;
    }
    if (text.startsWith(QLatin1String("font:"))) {
        QString desc;
        QFont font;
        if (!unquoted(text.mid(5), &desc) || !font.fromString(desc))
            return false;
        *out = font;
        return true;
    }
    bool ok = false;
    qlonglong i = text.toLongLong(&ok);
    if (ok) {
        if (i >= INT_MIN && i <= INT_MAX)
            *out = int(i);
        else
            *out = i;
        return true;
    }
    double d = text.toDouble(&ok);
    if (ok && std::isfinite(d)) {
        *out = d;
        return true;
    }
    return false;
}

bool toNumber(const QVariant &v, double *out) {
    if (v.metaType() == QMetaType::fromType<PropertyBag::OleColor>()) {
        *out = double(v.value<PropertyBag::OleColor>().value);
        return true;
    }
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        *out = v.toDouble();
        return std::isfinite(*out);
    case QMetaType::QString: {
        QString s = v.toString().trimmed();
        if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
            *out = -1;
            return true;
        }
        if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
            *out = 0;
            return true;
        }
        bool ok = false;
        *out = s.toDouble(&ok);
        return ok && std::isfinite(*out);
    }
    default:
        return false;
    }
}

// A key with every character case-folded, characters that fold outside ASCII all as one: keys
// that compare equal without regard to case have the same rough key.
QString roughKey(const QString &key) {
    QString rough(key.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < key.size(); ++i) {
        const char32_t c = QChar::toCaseFolded(char32_t(key[i].unicode()));
        rough[i] = QChar(c < 0x80 ? c : u'#');
    }
    return rough;
}

bool isPixelKey(const QString &key) {
    static const QLatin1String keys[] = {
        QLatin1String("AdjustTop"), QLatin1String("SideIconHeight"),
        QLatin1String("RSideIconHeight"), QLatin1String("RSideIconWidth")};
    for (const QLatin1String &k : keys)
        if (key.compare(k, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

int PropertyBagData::indexOf(const QString &key) const {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].first.compare(key, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

PropertyBag::PropertyBag() : d(new PropertyBagData) {}

PropertyBag::PropertyBag(const PropertyBag &other) = default;

PropertyBag &PropertyBag::operator=(const PropertyBag &other) = default;

PropertyBag::~PropertyBag() = default;

int PropertyBag::count() const {
    return int(d->entries.size());
}

bool PropertyBag::isEmpty() const {
    return d->entries.empty();
}

bool PropertyBag::contains(const QString &key) const {
    return d->indexOf(key) >= 0;
}

QVariant PropertyBag::value(const QString &key) const {
    int i = d->indexOf(key);
    return i < 0 ? QVariant() : d->entries[size_t(i)].second;
}

QStringList PropertyBag::keys() const {
    QStringList out;
    for (const auto &e : d->entries)
        out << e.first;
    return out;
}

void PropertyBag::remove(const QString &key) {
    int i = d->indexOf(key);
    if (i >= 0)
        d->entries.erase(d->entries.begin() + i);
}

void PropertyBag::setValue(const QString &key, const QVariant &value) {
    d->put(key, value, false);
}

void PropertyBagData::put(const QString &key, const QVariant &value, bool omit) {
    int i = indexOf(key);
    if (omit) {
        // A value equal to its default is left out; a stale entry must not survive either.
        if (i >= 0)
            entries.erase(entries.begin() + i);
        return;
    }
    if (i >= 0)
        entries[size_t(i)] = {key, value};
    else
        entries.emplace_back(key, value);
}

bool PropertyBag::readBool(const QString &key, bool def) const {
    double n = 0;
    int i = d->indexOf(key);
    if (i < 0 || !toNumber(d->entries[size_t(i)].second, &n))
        return def;
    return n != 0;
}

int PropertyBag::readInt(const QString &key, int def) const {
    double n = 0;
    int i = d->indexOf(key);
    if (i < 0 || !toNumber(d->entries[size_t(i)].second, &n))
        return def;
    int v = 0;
    if (n >= 2147483648.0 && n < 4294967296.0) // 32-bit values written unsigned
        v = int(quint32(n));
    else if (n < INT_MIN || n > INT_MAX)
        return def;
    else
        v = int(std::lround(n));
    return isPixelKey(key) ? std::clamp(v, -kMaxPixels, kMaxPixels) : v;
}

double PropertyBag::readSingle(const QString &key, double def) const {
    double n = 0;
    int i = d->indexOf(key);
    if (i < 0 || !toNumber(d->entries[size_t(i)].second, &n))
        return def;
    return isPixelKey(key) ? std::clamp(n, double(-kMaxPixels), double(kMaxPixels)) : n;
}

QString PropertyBag::readString(const QString &key, const QString &def) const {
    int i = d->indexOf(key);
    if (i < 0)
        return def;
    const QVariant &v = d->entries[size_t(i)].second;
    if (v.metaType().id() == QMetaType::QString)
        return v.toString();
    double n = 0;
    if (toNumber(v, &n))
        return formatValue(v);
    return def;
}

quint32 PropertyBag::readColor(const QString &key, quint32 def) const {
    int i = d->indexOf(key);
    if (i < 0)
        return def;
    const QVariant &v = d->entries[size_t(i)].second;
    if (v.metaType() == QMetaType::fromType<OleColor>())
        return v.value<OleColor>().value;
    double n = 0;
    if (!toNumber(v, &n) || n < INT_MIN || n >= 4294967296.0)
        return def;
    return quint32(qint64(n));
}

Picture PropertyBag::readPicture(const QString &key, const Picture &def) const {
    int i = d->indexOf(key);
    if (i < 0)
        return def;
    const QVariant &v = d->entries[size_t(i)].second;
    if (v.metaType() == QMetaType::fromType<Picture>())
        return v.value<Picture>();
    if (v.metaType().id() == QMetaType::QByteArray) {
        Picture p = Picture::fromData(v.toByteArray());
        return p.isNone() ? def : p;
    }
    return def;
}

QFont PropertyBag::readFont(const QString &key, const QFont &def) const {
    int i = d->indexOf(key);
    if (i < 0)
        return def;
    const QVariant &v = d->entries[size_t(i)].second;
    if (v.metaType().id() == QMetaType::QFont)
        return v.value<QFont>();
    QFont f;
    if (v.metaType().id() == QMetaType::QString && f.fromString(v.toString()))
        return f;
    return def;
}

void PropertyBag::writeBool(const QString &key, bool value, bool def) {
    d->put(key, value ? -1 : 0, value == def);
}

void PropertyBag::writeInt(const QString &key, int value, int def) {
    d->put(key, value, value == def);
}

void PropertyBag::writeSingle(const QString &key, double value, double def) {
    d->put(key, value, value == def);
}

void PropertyBag::writeString(const QString &key, const QString &value, const QString &def) {
    d->put(key, value, value == def);
}

void PropertyBag::writeColor(const QString &key, quint32 value, quint32 def) {
    d->put(key, QVariant::fromValue(OleColor{value}), value == def);
}

void PropertyBag::writePicture(const QString &key, const Picture &value, const Picture &def) {
    // A picture that is none is never stored: there is nothing to store.
    d->put(key, QVariant::fromValue(value), value == def || value.isNone());
}

void PropertyBag::writeFont(const QString &key, const QFont &value, const QFont &def) {
    d->put(key, value, value == def);
}

QString PropertyBag::toText() const {
    QString out;
    for (const auto &[key, value] : d->entries)
        out += key + QLatin1String(" = ") + formatValue(value) + QLatin1Char('\n');
    return out;
}

PropertyBag PropertyBag::fromText(const QString &text, bool *ok) {
    PropertyBag bag;
    bool allOk = true;
    QHash<QString, QList<int>> seen;
    const auto lines = QStringView(text).split(u'\n');
    for (QStringView line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'\''))
            continue;
        qsizetype eq = line.indexOf(u'=');
        QString key = eq > 0 ? line.left(eq).trimmed().toString() : QString();
        QVariant value;
        if (key.isEmpty() || key.contains(u' ') ||
            !parseValue(line.mid(eq + 1).trimmed(), &value)) {
            allOk = false;
            continue;
        }
        // Keys seen so far by a rough form (equal keys always share it), so that a long text is
        // read in linear time; the candidates are then compared exactly.
        QList<int> &sameRough = seen[roughKey(key)];
        auto it = std::find_if(sameRough.cbegin(), sameRough.cend(), [&](int i) {
            return bag.d->entries[size_t(i)].first.compare(key, Qt::CaseInsensitive) == 0;
        });
        if (it != sameRough.cend()) {
            bag.d->entries[size_t(*it)] = {key, value};
        } else {
            sameRough << int(bag.d->entries.size());
            bag.d->entries.emplace_back(key, value);
        }
    }
    if (ok)
        *ok = allOk;
    return bag;
}

bool PropertyBag::operator==(const PropertyBag &other) const {
    if (d->entries.size() != other.d->entries.size())
        return false;
    for (size_t i = 0; i < d->entries.size(); ++i) {
        if (d->entries[i].first.compare(other.d->entries[i].first, Qt::CaseInsensitive) != 0)
            return false;
        // Compare through the text form so that equal values of different kinds
        // (an int and a bool written as -1) agree.
        if (formatValue(d->entries[i].second) != formatValue(other.d->entries[i].second))
            return false;
    }
    return true;
}

QColor oleToColor(quint32 ole) {
    if (ole & 0x80000000u) {
        static const QPalette::ColorRole roles[] = {
            QPalette::Window,     QPalette::Window,     QPalette::Window,
            QPalette::Window,     QPalette::Window,     QPalette::Base,
            QPalette::Shadow,     QPalette::Text,       QPalette::WindowText,
            QPalette::WindowText, QPalette::Window,     QPalette::Window,
            QPalette::Window,     QPalette::Highlight,  QPalette::HighlightedText,
            QPalette::Button,     QPalette::Dark,       QPalette::PlaceholderText,
            QPalette::ButtonText, QPalette::ButtonText, QPalette::Light,
            QPalette::Shadow,     QPalette::Midlight,   QPalette::ToolTipText,
            QPalette::ToolTipBase};
        // Button shadow (16) is the palette's dark shade, the 3D dark shadow (21) its shadow.
        quint32 index = ole & 0xFFu;
        QPalette pal = QGuiApplication::palette();
        if (index < sizeof(roles) / sizeof(roles[0]))
            return pal.color(roles[index]);
        return pal.color(QPalette::ButtonText);
    }
    return QColor(int(ole & 0xFF), int((ole >> 8) & 0xFF), int((ole >> 16) & 0xFF));
}

quint32 colorToOle(const QColor &color) {
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

} // namespace glosskit
