// The property bag: keys without regard to case, typed reads with defaults, writes that leave
// defaults out, pictures none vs empty, and the text form a host keeps.

#include "common/glosskit.h"
#include "common/propertybag.h"
#include "datatable.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTest>

#include <limits>
#include <memory>

using glosskit::Picture;
using glosskit::PropertyBag;

class TestPropertyBag : public QObject {
    Q_OBJECT
private slots:
    void keysIgnoreCase_data();
    void keysIgnoreCase();
    void writeOfDefaultRemovesStaleEntry();
    void pictureNoneEmptyAndImage();
    void textRoundTrip_data();
    void textRoundTrip();
    void repeatedKeyReplacesTheFirst_data();
    void repeatedKeyReplacesTheFirst();
    void badTextIsSkipped_data();
    void badTextIsSkipped();
    void mismatchedKindsFallBackToDefault();
    void pixelValuesAreBounded_data();
    void pixelValuesAreBounded();
    void hostCannotSetUnboundedPixels_data();
    void hostCannotSetUnboundedPixels();
};

void TestPropertyBag::keysIgnoreCase_data() {
    columns<QString, QString>("written", "asked");
    row("host lower case", "spheretype", "SphereType");
    row("upper case", "SPHERETYPE", "SphereType");
    row("read differs from write", "AllowMultiLine", "AllowMultiline");
}

void TestPropertyBag::keysIgnoreCase() {
    QFETCH(QString, written);
    QFETCH(QString, asked);
    PropertyBag bag;
    bag.setValue(written, 7);
    QCOMPARE(bag.readInt(asked, 0), 7);
    QVERIFY(bag.contains(asked));
    bag.writeInt(asked, 9, 0); // replaces, does not add a second entry
    QCOMPARE(bag.count(), 1);
    QCOMPARE(bag.readInt(written, 0), 9);
}

void TestPropertyBag::writeOfDefaultRemovesStaleEntry() {
    // Saving into a bag that still holds an old value must not let the old value come back.
    PropertyBag bag;
    bag.writeBool(QStringLiteral("UseOnTop"), false, true);
    bag.writeBool(QStringLiteral("UseOnTop"), true, true);
    QVERIFY(!bag.contains(QStringLiteral("useontop")));
    QCOMPARE(bag.readBool(QStringLiteral("UseOnTop"), true), true);
}

void TestPropertyBag::pictureNoneEmptyAndImage() {
    QImage img(4, 3, QImage::Format_ARGB32);
    img.fill(QColor(10, 200, 30));
    PropertyBag bag;
    bag.writePicture(QStringLiteral("None"), Picture(), Picture());
    bag.writePicture(QStringLiteral("Empty"), Picture::empty(), Picture());
    bag.writePicture(QStringLiteral("Image"), Picture(img), Picture());
    QVERIFY(!bag.contains(QStringLiteral("None")));

    const PropertyBag back = PropertyBag::fromText(bag.toText());
    QVERIFY(back.readPicture(QStringLiteral("None"), Picture()).isNone());
    QVERIFY(back.readPicture(QStringLiteral("Empty"), Picture()).isEmpty());
    const Picture image = back.readPicture(QStringLiteral("Image"), Picture());
    QVERIFY(image.hasImage());
    QCOMPARE(image.pixmap().size(), QSize(4, 3));
    QCOMPARE(image.pixmap().toImage().pixelColor(2, 1), QColor(10, 200, 30));
}

void TestPropertyBag::textRoundTrip_data() {
    columns<QString>("text");
    row("plain", "A");
    row("empty", "");
    row("quotes and backslash", "say \"hi\" \\ now");
    row("line breaks and tab", "one\ntwo\r\tthree");
    row("looks like a number", "42");
    row("looks like a colour", "&H00FF00&");
    row("equals sign", "a = b");
    row("accents", QString::fromUtf8("très ±Ω"));
    row("spaces around", "  padded  ");
}

void TestPropertyBag::textRoundTrip() {
    QFETCH(QString, text);
    PropertyBag bag;
    bag.writeString(QStringLiteral("Caption"), text, QStringLiteral("\x01"));
    bag.writeInt(QStringLiteral("Big"), -2147483647 - 1, 0);
    bag.writeSingle(QStringLiteral("Size"), 8.25, 0);
    bag.writeSingle(QStringLiteral("Whole"), 20, 0);
    bag.writeColor(QStringLiteral("ForeColor"), 0x80000012u, 0);
    bag.writeColor(QStringLiteral("FocusColor"), 0x00FF00u, 0);
    bag.writeBool(QStringLiteral("UseSound"), true, false);
    QFont font(QStringLiteral("Liberation Serif"), 13);
    font.setItalic(true);
    bag.writeFont(QStringLiteral("Font"), font, QFont());

    bool ok = false;
    const PropertyBag back = PropertyBag::fromText(bag.toText(), &ok);
    QVERIFY(ok);
    QCOMPARE(back.keys(), bag.keys());
    QCOMPARE(back.readString(QStringLiteral("Caption"), QString()), text);
    QCOMPARE(back.readInt(QStringLiteral("Big"), 0), -2147483647 - 1);
    QCOMPARE(back.readSingle(QStringLiteral("Size"), 0), 8.25);
    QCOMPARE(back.readSingle(QStringLiteral("Whole"), 0), 20.0);
    QCOMPARE(back.readColor(QStringLiteral("ForeColor"), 0), 0x80000012u);
    QCOMPARE(back.readColor(QStringLiteral("FocusColor"), 0), 0x00FF00u);
    QCOMPARE(back.readBool(QStringLiteral("UseSound"), false), true);
    QCOMPARE(back.readFont(QStringLiteral("Font"), QFont()).family(), font.family());
    QVERIFY(back.readFont(QStringLiteral("Font"), QFont()).italic());
    QVERIFY(back == bag);
}

void TestPropertyBag::repeatedKeyReplacesTheFirst_data() {
    columns<QString, QStringList>("text", "keys");
    row("other case", "Caption = 1\nValue = 2\nCAPTION = 3\n", QStringList{"CAPTION", "Value"});
    row("Kelvin sign folds to k", QString::fromUtf8("K = 1\nValue = 2\n\u212A = 3\n"),
        QStringList{QString::fromUtf8("\u212A"), "Value"});
}

void TestPropertyBag::repeatedKeyReplacesTheFirst() {
    QFETCH(QString, text);
    QFETCH(QStringList, keys);
    const PropertyBag bag = PropertyBag::fromText(text);
    QCOMPARE(bag.keys(), keys);
    QCOMPARE(bag.readInt(keys[0], 0), 3);
}

void TestPropertyBag::badTextIsSkipped_data() {
    columns<QString>("line");
    row("no equals", "SphereType 3");
    row("no key", "= 3");
    row("open quote", "ContentLetter = \"A");
    row("bad colour", "ForeColor = &HZZ&");
    row("bad picture", "PictureNormal = png:%%%");
    row("not a picture", "PictureNormal = png:aGVsbG8=");
    row("word", "UseSound = maybe");
    row("not finite", "FontSize = inf");
}

void TestPropertyBag::badTextIsSkipped() {
    QFETCH(QString, line);
    bool ok = true;
    const PropertyBag bag = PropertyBag::fromText(
        QStringLiteral("Before = 1\n") + line + QStringLiteral("\nAfter = 2\n"), &ok);
    QVERIFY(!ok);
    QCOMPARE(bag.keys(), QStringList({QStringLiteral("Before"), QStringLiteral("After")}));
}

void TestPropertyBag::mismatchedKindsFallBackToDefault() {
    PropertyBag bag;
    bag.setValue(QStringLiteral("Font"), 12);
    bag.setValue(QStringLiteral("PictureNormal"), QStringLiteral("text"));
    bag.setValue(QStringLiteral("SphereType"), QStringLiteral("three"));
    bag.setValue(QStringLiteral("UseAnimation"), QStringLiteral("True"));
    QCOMPARE(
        bag.readFont(QStringLiteral("Font"), QFont(QStringLiteral("Liberation Mono"))).family(),
        QStringLiteral("Liberation Mono"));
    QVERIFY(bag.readPicture(QStringLiteral("PictureNormal"), Picture()).isNone());
    QCOMPARE(bag.readInt(QStringLiteral("SphereType"), 5), 5);
    QCOMPARE(bag.readBool(QStringLiteral("UseAnimation"), false), true);
}

void TestPropertyBag::pixelValuesAreBounded_data() {
    columns<QString, int, double>("line", "asInt", "asSingle");
    row("in range", "AdjustTop = 12", 12, 12.0);
    row("largest int", "AdjustTop = 2147483647", 32767, 32767.0);
    row("smallest int", "adjusttop = -2147483648", -32767, -32767.0);
    row("written unsigned", "AdjustTop = 3000000000", -32767, 32767.0);
    QTest::newRow("huge size") << "SideIconHeight = 1e300" << 0 << 32767.0; // no int: default
    row("other sizes", "RSideIconWidth = -70000.5", -32767, -32767.0);
    // A key that is no pixel value keeps the whole 32-bit range.
    row("hWnd", "hWnd = 2147483647", 2147483647, 2147483647.0);
}

void TestPropertyBag::pixelValuesAreBounded() {
    QFETCH(QString, line);
    QFETCH(int, asInt);
    QFETCH(double, asSingle);
    const PropertyBag bag = PropertyBag::fromText(line);
    const QString key = bag.keys().value(0);
    QCOMPARE(bag.readInt(key, 0), asInt);
    QCOMPARE(bag.readSingle(key, 0), asSingle);
}

void TestPropertyBag::hostCannotSetUnboundedPixels_data() {
    columns<QString>("progId");
    row("command", "GlossKit.GlossCommand");
    row("bar", "GlossKit.GlossHCommand");
    row("check", "GlossKit.GlossCheck");
}

// A host that sets a pixel value far outside any screen gets the bounded value, and the control
// still draws (the sanitized suite would stop on an overflow here).
void TestPropertyBag::hostCannotSetUnboundedPixels() {
    QFETCH(QString, progId);
    std::unique_ptr<QWidget> control(glosskit::createControl(progId));
    QVERIFY(control);
    control->resize(120, 40);
    control->setProperty("AdjustTop", std::numeric_limits<int>::max());
    QCOMPARE(control->property("AdjustTop").toInt(), PropertyBag::kMaxPixels);
    if (control->property("SideIconHeight").isValid()) {
        control->setProperty("SideIconHeight", 1e300);
        QCOMPARE(control->property("SideIconHeight").toDouble(), double(PropertyBag::kMaxPixels));
    }
    QVERIFY(!control->grab().isNull());
}

QTEST_MAIN(TestPropertyBag)
#include "tst_propertybag.moc"
