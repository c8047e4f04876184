// What all controls share, each row naming the control it runs on: creation by ProgID, the type
// description and the Qt interface that carries it, change signals, the events and their order
// for mouse and keys, setters and fields, defaults of new and loaded instances, the persisted
// keys, sounds, access keys, focus, size hints, shapes and roll-over, the About window and the
// rule that no failure reaches the host.

#include "check/glosscheck.h"
#include "command/glosscommand.h"
#include "common/aboutbox.h"
#include "common/glosskit.h"
#include "common/sound.h"
#include "glosstest.h"
#include "hcommand/glosshcommand.h"
#include "screen/glossscreen.h"
#include "sphere/glosssphere.h"

#include <QApplication>
#include <QLabel>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <stdexcept>

using namespace glosstest;

namespace {

const char *const kSphere = "GlossKit.GlossSphere";
const char *const kCommand = "GlossKit.GlossCommand";
const char *const kBar = "GlossKit.GlossHCommand";
const char *const kCheck = "GlossKit.GlossCheck";
const char *const kScreen = "GlossKit.GlossScreen";

std::unique_ptr<GlossControl> make(const QString &progId, QWidget *parent = nullptr) {
    return std::unique_ptr<GlossControl>(
        qobject_cast<GlossControl *>(createControl(progId, parent)));
}

std::unique_ptr<EventLog> logOf(GlossControl *c) {
    if (auto *s = qobject_cast<GlossSphere *>(c))
        return std::make_unique<EventLog>(*s);
    if (auto *b = qobject_cast<GlossCommand *>(c))
        return std::make_unique<EventLog>(*b);
    if (auto *h = qobject_cast<GlossHCommand *>(c))
        return std::make_unique<EventLog>(*h);
    if (auto *k = qobject_cast<GlossCheck *>(c))
        return std::make_unique<EventLog>(*k);
    return std::make_unique<EventLog>(*qobject_cast<GlossScreen *>(c));
}

// A value of a property's type that differs from the current one.
QVariant otherValue(const QMetaProperty &p, const QVariant &now) {
    if (p.isEnumType())
        return QVariant(now.toInt() == 1 ? 2 : 1);
    switch (p.metaType().id()) {
    case QMetaType::Bool:
        return !now.toBool();
    case QMetaType::Int:
        return now.toInt() + 3;
    case QMetaType::Double:
        return now.toDouble() + 1.5;
    case QMetaType::QString:
        return now.toString() == QLatin1String("Liberation Mono")
                   ? QStringLiteral("Liberation Serif")
                   : QStringLiteral("Liberation Mono");
    case QMetaType::QColor:
        return QColor(1, 2, 3);
    case QMetaType::QFont:
        return QFont(QStringLiteral("Liberation Mono"), 17);
    default:
        return QVariant::fromValue(Picture(solid(Qt::red, QSize(4, 4))));
    }
}

QVariant ole(quint32 v) {
    return QVariant::fromValue(PropertyBag::OleColor{v});
}
QVariant pic(QColor c) {
    return QVariant::fromValue(Picture(solid(c, QSize(4, 4))));
}

} // namespace

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void createByProgId_data();
    void createByProgId();
    void dispatchIds_data();
    void dispatchIds();
    void interfacesNameTheClass();
    void propertiesAreTheInterface_data();
    void propertiesAreTheInterface();
    void everyChangeIsSignalled_data();
    void everyChangeIsSignalled();
    void mouseEvents_data();
    void mouseEvents();
    void buttonKeys_data();
    void buttonKeys();
    void pressedFaces_data();
    void pressedFaces();
    void settersAndFields_data();
    void settersAndFields();
    void newAndLoadedValues_data();
    void newAndLoadedValues();
    void persistedKeys_data();
    void persistedKeys();
    void pressAndReleaseSounds_data();
    void pressAndReleaseSounds();
    void focusMark_data();
    void focusMark();
    void accessKeysAndDisabled_data();
    void accessKeysAndDisabled();
    void sizeHints_data();
    void sizeHints();
    void shapeByPictureMode_data();
    void shapeByPictureMode();
    void rollOver_data();
    void rollOver();
    void aboutWindow();
    void throwingHostHandlerDoesNotEscape();
};

void TestFrame::createByProgId_data() {
    QTest::addColumn<QString>("progId");
    QTest::addColumn<QString>("className");
    QTest::newRow("sphere") << kSphere << "glosskit::GlossSphere";
    QTest::newRow("screen") << kScreen << "glosskit::GlossScreen";
    QTest::newRow("command") << kCommand << "glosskit::GlossCommand";
    QTest::newRow("bar") << kBar << "glosskit::GlossHCommand";
    QTest::newRow("check") << kCheck << "glosskit::GlossCheck";
    QTest::newRow("any case") << "glosskit.glosssphere"
                              << "glosskit::GlossSphere";
    QTest::newRow("unknown") << "GlossKit.GlossNothing" << QString();
    QTest::newRow("class name alone") << "GlossSphere" << QString();
}

void TestFrame::createByProgId() {
    QFETCH(QString, progId);
    QFETCH(QString, className);
    QWidget parent;
    QWidget *w = createControl(progId, &parent);
    QCOMPARE(w ? QString::fromLatin1(w->metaObject()->className()) : QString(), className);
    if (w) {
        QCOMPARE(w->parentWidget(), &parent);
        QCOMPARE(qobject_cast<GlossControl *>(w)->progId().toLower(), progId.toLower());
    }
}

void TestFrame::dispatchIds_data() {
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("member");
    QTest::addColumn<bool>("isEvent");
    QTest::addColumn<int>("id");
    for (const char *c :
         {"GlossSphere", "GlossScreen", "GlossCommand", "GlossHCommand", "GlossCheck"})
        QTest::addRow("%s AboutMe", c) << c << "AboutMe" << false << -552;
    const struct {
        const char *cls, *member;
        bool event;
        int id;
    } rows[] = {
        {"GlossSphere", "Enabled", false, -514},   {"GlossSphere", "Font", false, -512},
        {"GlossSphere", "ForeColor", false, -513}, {"GlossSphere", "ContentLetter", false, -518},
        {"GlossCommand", "hwnd", false, -515},     {"GlossCheck", "Value", false, 0},
        {"GlossCheck", "Caption", false, -518},    {"GlossHCommand", "Caption", false, -518},
        {"GlossSphere", "Click", true, 1},         {"GlossSphere", "PlaySound", true, 9},
        {"GlossScreen", "Click", true, 2},         {"GlossScreen", "DblClick", true, 1},
        {"GlossHCommand", "MouseMove", true, 6},   {"GlossHCommand", "MouseDown", true, 7},
        {"GlossCommand", "MouseDown", true, 6}};
    for (const auto &r : rows)
        QTest::addRow("%s %s", r.cls, r.member) << r.cls << r.member << r.event << r.id;
}

void TestFrame::dispatchIds() {
    QFETCH(QString, cls);
    QFETCH(QString, member);
    QFETCH(bool, isEvent);
    QFETCH(int, id);
    const TypeLibrary &lib = TypeLibrary::instance();
    const auto got = isEvent ? lib.eventDispId(cls, member) : lib.memberDispId(cls, member);
    QCOMPARE(got.value_or(12345), id);
}

void TestFrame::interfacesNameTheClass() {
    const TypeLibrary &lib = TypeLibrary::instance();
    QCOMPARE(lib.name(), QStringLiteral("GlossKit"));
    QCOMPARE(lib.classes().size(), size_t(5));
    for (const ClassInfo &c : lib.classes()) {
        QCOMPARE(c.defaultInterface, QLatin1Char('_') + c.name);
        QCOMPARE(c.eventInterface, QLatin1String("__") + c.name);
        QCOMPARE(c.progId, QLatin1String("GlossKit.") + c.name);
        QCOMPARE(lib.find(c.eventInterface), &c);
        // Ordinary ids are unique within an interface.
        QSet<int> ids;
        for (const MemberInfo &m : c.members)
            ids.insert(m.dispId);
        QCOMPARE(qsizetype(ids.size()), qsizetype(c.members.size()));
    }
    QVERIFY(!lib.eventDispId(QStringLiteral("GlossScreen"), QStringLiteral("PlaySound")));
    QVERIFY(lib.memberDispId(QStringLiteral("GlossCommand"), QStringLiteral("Caption")) != -518);
}

void TestFrame::propertiesAreTheInterface_data() {
    QTest::addColumn<QString>("progId");
    for (const char *id : {kSphere, kScreen, kCommand, kBar, kCheck})
        QTest::newRow(id) << id;
}

// The control's own Qt properties are its interface's properties, in interface order, each with
// a change signal; its methods are slots and its events signals.
void TestFrame::propertiesAreTheInterface() {
    QFETCH(QString, progId);
    auto c = make(progId);
    const QMetaObject *mo = c->metaObject();
    const ClassInfo *info = TypeLibrary::instance().find(progId);
    QStringList declared, described;
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i) {
        declared << QLatin1String(mo->property(i).name());
        QVERIFY2(mo->property(i).hasNotifySignal(), mo->property(i).name());
    }
    for (const MemberInfo &m : info->members) {
        if (m.kind == MemberInfo::Property)
            described << m.name;
        else
            QVERIFY2(mo->indexOfMethod(m.name.toLatin1() + "()") >= 0, qPrintable(m.name));
    }
    QCOMPARE(declared, described);
    for (const MemberInfo &e : info->events) {
        bool found = false;
        for (int i = 0; i < mo->methodCount(); ++i) {
            const QMetaMethod mm = mo->method(i);
            found |= mm.methodType() == QMetaMethod::Signal && mm.name() == e.name.toLatin1();
        }
        QVERIFY2(found, qPrintable(e.name));
    }
}

void TestFrame::everyChangeIsSignalled_data() {
    propertiesAreTheInterface_data();
}

// Assigning a different value raises the property's change signal once; the same value again
// raises nothing.
void TestFrame::everyChangeIsSignalled() {
    QFETCH(QString, progId);
    QWidget host;
    auto c = make(progId, &host);
    const QMetaObject *mo = c->metaObject();
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        QSignalSpy spy(c.get(), p.notifySignal());
        const QVariant value = otherValue(p, p.read(c.get()));
        QVERIFY(p.write(c.get(), value));
        QVERIFY2(spy.count() == 1, p.name());
        QVERIFY(p.write(c.get(), p.read(c.get())));
        QVERIFY2(spy.count() == 1, p.name());
    }
}

void TestFrame::mouseEvents_data() {
    QTest::addColumn<QString>("progId");
    QTest::addColumn<bool>("twice"); // a double click
    QTest::addColumn<QStringList>("events");
    QTest::newRow("sphere") << kSphere << false
                            << QStringList{"PlaySound 0 down", "MouseDown 1 down", "PlaySound 1 up",
                                           "MouseUp 1 up", "Click up"};
    QTest::newRow("command") << kCommand << false
                             << QStringList{"PlaySound 0 down", "MouseDown 1 down",
                                            "PlaySound 1 up", "MouseUp 1 up", "Click up"};
    // The bar raises the mouse events before it changes its state.
    QTest::newRow("bar") << kBar << false
                         << QStringList{"MouseDown 1 up", "PlaySound 0 up", "MouseUp 1 down",
                                        "PlaySound 1 down", "Click up"};
    QTest::newRow("check toggles")
        << kCheck << false << QStringList{"PlaySound 0 down", "MouseDown 1 down", "PlaySound 1 up",
                                          "changed Value",    "MouseUp 1 up",     "Click up"};
    QTest::newRow("screen passes them on")
        << kScreen << false << QStringList{"MouseDown 1 up", "MouseUp 1 up", "Click up"};
    // The release that ends a double click is no click.
    QTest::newRow("sphere, double click")
        << kSphere << true
        << QStringList{"PlaySound 0 down", "MouseDown 1 down", "PlaySound 1 up", "MouseUp 1 up",
                       "Click up",         "DblClick up",      "PlaySound 1 up", "MouseUp 1 up"};
}

void TestFrame::mouseEvents() {
    QFETCH(QString, progId);
    QFETCH(bool, twice);
    QFETCH(QStringList, events);
    auto c = make(progId);
    c->setProperty("UseSound", true);
    c->setProperty("SoundMethod", GlossControl::GKUseSoundEvent);
    auto log = logOf(c.get());
    const QPoint at(12, 14);
    QTest::mouseClick(c.get(), Qt::LeftButton, {}, at);
    if (twice) { // the second press comes as a double click
        QTest::mouseDClick(c.get(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(c.get(), Qt::LeftButton, {}, at);
    }
    QCOMPARE(log->log, events);
}

void TestFrame::buttonKeys_data() {
    QTest::addColumn<QString>("progId");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("hostZeroes"); // the host's KeyDown and KeyUp set KeyCode to 0
    QTest::addColumn<QStringList>("events");
    const QStringList afterHost = {"KeyDown 32 up", "KeyPress 32 down", "KeyUp 32 down",
                                   "Click up"};
    const QStringList beforeHost = {"KeyDown 32 down", "KeyPress 32 down", "Click up",
                                    "KeyUp 32 up"};
    QTest::newRow("sphere space") << kSphere << int(Qt::Key_Space) << false << afterHost;
    QTest::newRow("sphere enter") << kSphere << int(Qt::Key_Return) << false
                                  << QStringList{"KeyDown 13 up", "KeyPress 13 down",
                                                 "KeyUp 13 down", "Click up"};
    QTest::newRow("sphere keypad enter")
        << kSphere << int(Qt::Key_Enter) << false
        << QStringList{"KeyDown 13 up", "KeyPress 13 down", "KeyUp 13 down", "Click up"};
    QTest::newRow("sphere letter")
        << kSphere << int(Qt::Key_X) << false
        << QStringList{"KeyDown 88 up", "KeyPress 120 up", "KeyUp 88 up"};
    QTest::newRow("sphere, host cancels")
        << kSphere << int(Qt::Key_Space) << true
        << QStringList{"KeyDown 32 up", "KeyPress 32 up", "KeyUp 32 up"};
    QTest::newRow("bar space") << kBar << int(Qt::Key_Space) << false << afterHost;
    QTest::newRow("bar, host cancels")
        << kBar << int(Qt::Key_Space) << true
        << QStringList{"KeyDown 32 up", "KeyPress 32 up", "KeyUp 32 up"};
    QTest::newRow("command space") << kCommand << int(Qt::Key_Space) << false << beforeHost;
    QTest::newRow("command enter")
        << kCommand << int(Qt::Key_Return) << false
        << QStringList{"KeyDown 13 down", "KeyPress 13 down", "Click up", "KeyUp 13 up"};
    QTest::newRow("command, too late to cancel")
        << kCommand << int(Qt::Key_Space) << true << beforeHost;
    QTest::newRow("command letter")
        << kCommand << int(Qt::Key_X) << false
        << QStringList{"KeyDown 88 up", "KeyPress 120 up", "KeyUp 88 up"};
    // The check box toggles on the key going up and raises no Click.
    QTest::newRow("check space") << kCheck << int(Qt::Key_Space) << false
                                 << QStringList{"KeyDown 32 down", "KeyPress 32 down",
                                                "changed Value", "KeyUp 32 up"};
    QTest::newRow("screen space") << kScreen << int(Qt::Key_Space) << false
                                  << QStringList{"KeyDown 32 up", "KeyPress 32 up", "KeyUp 32 up"};
}

void TestFrame::buttonKeys() {
    QFETCH(QString, progId);
    QFETCH(int, key);
    QFETCH(bool, hostZeroes);
    QFETCH(QStringList, events);
    auto c = make(progId);
    auto log = logOf(c.get());
    if (hostZeroes) {
        connect(c.get(), &GlossControl::KeyDown, this, [](short &code, short) { code = 0; });
        connect(c.get(), &GlossControl::KeyUp, this, [](short &code, short) { code = 0; });
    }
    QTest::keyPress(c.get(), Qt::Key(key));
    QTest::keyRelease(c.get(), Qt::Key(key));
    QCOMPARE(log->log, events);
}

void TestFrame::pressedFaces_data() {
    QTest::addColumn<QString>("progId");
    QTest::addColumn<int>("key"); // 0: the left mouse button
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QList<int>>("faces"); // the built-in bitmaps at rest, held and released
    for (int key : {0, int(Qt::Key_Space), int(Qt::Key_Enter)}) {
        const char *how = key == 0 ? "mouse" : key == Qt::Key_Space ? "space" : "enter";
        QTest::addRow("sphere %s", how) << kSphere << key << QPoint(16, 16) << QList{303, 403, 303};
        QTest::addRow("bar %s", how) << kBar << key << QPoint(40, 12) << QList{553, 563, 553};
        // The check box shows its pushed box while held and comes up checked.
        QTest::addRow("check %s", how) << kCheck << key << QPoint(12, 15) << QList{201, 203, 202};
    }
}

// The face a button shows at rest, held by the mouse, Space or Enter, and let go.
void TestFrame::pressedFaces() {
    QFETCH(QString, progId);
    QFETCH(int, key);
    QFETCH(QPoint, at);
    QFETCH(QList<int>, faces);
    const auto colour = [](int id) { return QColor(id % 256, id / 4 % 256, 77); };
    Bitmaps bitmaps{{faces[0], solid(colour(faces[0]), QSize(175, 32))},
                    {faces[1], solid(colour(faces[1]), QSize(175, 32))},
                    {faces[2], solid(colour(faces[2]), QSize(175, 32))}};
    auto c = make(progId);
    c->setProperty("Caption", QString());
    c->setProperty(progId == kSphere ? "SphereType" : "GlossStyle", 3);
    QCOMPARE(pixel(*c, at.x(), at.y()), colour(faces[0]));
    if (key)
        QTest::keyPress(c.get(), Qt::Key(key));
    else
        QTest::mousePress(c.get(), Qt::LeftButton, {}, at);
    QCOMPARE(pixel(*c, at.x(), at.y()), colour(faces[1]));
    if (key)
        QTest::keyRelease(c.get(), Qt::Key(key));
    else
        QTest::mouseRelease(c.get(), Qt::LeftButton, {}, at);
    QCOMPARE(pixel(*c, at.x(), at.y()), colour(faces[2]));
}

void TestFrame::settersAndFields_data() {
    QTest::addColumn<QString>("progId");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("passes"); // drawing passes
    QTest::addColumn<bool>("tellsContainer");
    const QVariant emptyPicture = QVariant::fromValue(Picture::empty());
    const struct {
        const char *progId, *property;
        QVariant value;
        int passes;
        bool tellsContainer;
    } rows[] = {
        // Plain fields: no repaint, no word to the container.
        {kSphere, "FocusColor", QColor(Qt::red), 0, false},
        {kSphere, "ShowFocus", true, 0, false},
        {kSphere, "UseSound", true, 0, false},
        {kSphere, "SoundMethod", 1, 0, false},
        {kCommand, "HasShadow", true, 0, false},
        {kCheck, "AllowMultiLine", true, 0, false},
        {kBar, "AdjustTop", 4, 0, false},
        // Setters that tell the container without repainting.
        {kSphere, "ShortCutKey", "Q", 0, true},
        {kSphere, "MouseIcon", emptyPicture, 0, true},
        {kCommand, "hwnd", 123456, 0, true},
        {kScreen, "MousePointer", 2, 0, true},
        // The others do both.
        {kSphere, "MousePointer", 2, 1, true},
        {kSphere, "SphereType", 8, 1, true},
        // Drawn once, through the change of state: the soft edge of the disabled face is not
        // drawn over itself.
        {kSphere, "Enabled", false, 1, true},
        {kBar, "MouseIcon", emptyPicture, 1, true},
        {kBar, "Caption", "x", 1, true},
        {kCommand, "FontBold", true, 1, true},
        {kCheck, "ForeColor", QColor(Qt::red), 1, true},
        {kScreen, "BorderStyle", 1, 1, true},
    };
    for (const auto &r : rows)
        QTest::addRow("%s %s", r.progId + 9, r.property)
            << r.progId << r.property << r.value << r.passes << r.tellsContainer;
}

void TestFrame::settersAndFields() {
    QFETCH(QString, progId);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(int, passes);
    QFETCH(bool, tellsContainer);
    auto c = make(progId);
    QSignalSpy changed(c.get(), &GlossControl::propertyChanged);
    const int before = c->refreshCount();
    QVERIFY(c->setProperty(property.toLatin1(), value));
    QCOMPARE(c->refreshCount() - before, passes);
    QCOMPARE(changed.count(), tellsContainer ? 1 : 0);
    if (tellsContainer)
        QCOMPARE(changed.at(0).at(0).toString(), property);
}

void TestFrame::newAndLoadedValues_data() {
    QTest::addColumn<QString>("progId");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("fresh");
    QTest::addColumn<QVariant>("loaded"); // from an empty bag
    // The values where a load without the key gives another value than a new instance has.
    const QVariant none = QVariant::fromValue(Picture()),
                   empty = QVariant::fromValue(Picture::empty());
    const QVariant white = QColor(Qt::white);
    const QVariant buttonText = oleToColor(0x80000012u), buttonFace = oleToColor(0x8000000Fu);
    const struct {
        const char *progId, *property;
        QVariant fresh, loaded;
    } rows[] = {
        {kSphere, "UseAnimation", false, true},
        {kSphere, "UseOnTop", false, true},
        {kSphere, "PictureNormal", empty, none},
        {kCommand, "Caption", "GlossCommand1", ""},
        {kCommand, "ForeColor", buttonText, white},
        {kCommand, "PictureDisabled", empty, none},
        {kBar, "Caption", "GlossHCommand1", "0"},
        {kBar, "UseAnimation", false, true},
        {kBar, "UseOnTop", false, true},
        {kBar, "PictureNormal", empty, none},
        {kCheck, "Caption", "GlossCheck1", ""},
        {kCheck, "BackColor", buttonFace, QColor(0, 0, 0)},
        {kCheck, "ForeColor", buttonText, white},
        {kCheck, "PictureCheck", empty, none},
    };
    for (const auto &r : rows)
        QTest::addRow("%s %s", r.progId + 9, r.property)
            << r.progId << r.property << r.fresh << r.loaded;
}

void TestFrame::newAndLoadedValues() {
    QFETCH(QString, progId);
    QFETCH(QString, property);
    QFETCH(QVariant, fresh);
    QFETCH(QVariant, loaded);
    QWidget host;
    auto c = make(progId, &host);
    const QByteArray name = property.toLatin1();
    QCOMPARE(c->property(name), fresh);
    QVERIFY(loadControl(c.get(), PropertyBag()));
    QCOMPARE(c->property(name), loaded);
}

void TestFrame::persistedKeys_data() {
    QTest::addColumn<QString>("progId");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QStringList>("fromEmptyBag"); // the keys a control loaded from none saves
    // Every key (followed by a value other than its default), in the order the control writes
    // them.
    QFont font(QStringLiteral("Liberation Serif"), 13, QFont::Bold, true);
    font.setStrikeOut(true);
    font.setUnderline(true);
    const auto add = [](const char *progId, const QVariantList &list) {
        QStringList keys;
        QVariantList values;
        for (qsizetype i = 0; i + 1 < list.size(); i += 2) {
            keys << list[i].toString();
            values << list[i + 1];
        }
        // The font's own keys default to a font nobody has: a new font is written.
        const bool fontKeys = progId == kCommand || progId == kBar;
        QTest::newRow(progId) << progId << keys << values
                              << (fontKeys ? QStringList{"FontName", "FontSize"} : QStringList{});
    };
    // clang-format off
    add(kSphere, {"Enabled", 0, "MouseIcon", pic(Qt::red), "MousePointer", 99, "SphereType", 4,
        "ContentType", 2, "ContentIcon", pic(Qt::blue), "ContentLetter", "Q", "Font", font,
        "ForeColor", ole(0x030201), "IconSize", 2, "ShowFocus", -1,
        "PictureNormal", pic(Qt::green), "PictureOver", pic(Qt::yellow),
        "PictureOver2", pic(Qt::cyan), "PicturePushed", pic(Qt::gray),
        "PictureDisabled", pic(Qt::black),
        "FocusColor", ole(0x00FF00), "PictureMode", 1, "UseAnimation", 0, "UseOnTop", 0,
        "ShortCutKey", "K", "UseSound", -1, "SoundMethod", 1});
    add(kCommand, {"hWnd", 7, "BackPicture", 10, "Caption", "Go", "ForeColor", ole(0x030201),
        "FontName", "Liberation Serif", "FontSize", 13.0, "FontBold", -1, "FontItalic", -1,
        "FontStrikethru", -1, "FontUnderline", -1, "Font", font, "SideIcon", pic(Qt::red),
        "RSideIcon", pic(Qt::blue), "Enabled", 0, "ShowFocus", -1, "HasShadow", -1,
        "ShadowColor", ole(0x0000FF), "PictureMode", 2, "PictureNormal", pic(Qt::green),
        "PictureDisabled", pic(Qt::gray), "PictureGoDown", -1, "AllowMultiLine", -1, "AdjustTop", 5,
        "SideIconHeight", 16.0, "RSideIconWidth", 24.0, "RSideIconHeight", 20.0, "ShortCutKey", "g",
        "GradientRedDividend", 1.5, "GradientGreenDividend", 3.0, "GradientBlueDividend", 0.5,
        "UseSound", -1, "SoundMethod", 1});
    add(kBar, {"Enabled", 0, "Font", font, "FontBold", -1, "FontItalic", -1,
        "FontName", "Liberation Serif", "FontSize", 13.0, "FontStrikethru", -1, "FontUnderline", -1,
        "ForeColor", ole(0x030201), "MouseIcon", pic(Qt::red), "MousePointer", 99, "GlossStyle", 8,
        "Caption", "Bar", "ShowFocus", -1, "FocusStyle", 3, "PictureNormal", pic(Qt::green),
        "PictureOver", pic(Qt::yellow), "PictureOver2", pic(Qt::cyan),
        "PicturePushed", pic(Qt::blue), "PictureDisabled", pic(Qt::gray),
        "FocusColor", ole(0x070809), "PictureMode", 3, "UseAnimation", 0, "ShineMode", 6,
        "UseOnTop", 0, "ShortCutKey", "b", "LeftCaption", "<", "RightCaption", ">",
        "LeftColor", ole(0x040404), "RightColor", ole(0x050505), "UseSound", -1, "SoundMethod", 1,
        "AllowMultiLine", -1, "AdjustTop", 3});
    add(kCheck, {"Font", font, "Caption", "Round", "Value", 1, "BackColor", ole(0x030201),
        "ForeColor", ole(0x060504), "Enabled", 0, "ShowFocus", -1, "PictureCheck", pic(Qt::red),
        "PictureUncheck", pic(Qt::green), "PicturePushed", pic(Qt::blue),
        "FocusColor", ole(0x090807), "GlossCheckType", 1, "PictureDisabled", pic(Qt::gray),
        "FocusType", 1, "UseSound", -1, "SoundMethod", 1, "AllowMultiline", -1, "AdjustTop", 4});
    add(kScreen, {"BorderStyle", 1, "MouseIcon", pic(Qt::red), "MousePointer", 11,
        "ScreenType", 2});
    // clang-format on
}

// A bag that holds every key loads and saves again key for key, in the same order and spelling,
// through the text form a host keeps; loaded from an empty bag a control saves the keys whose
// load default differs from the value it then has.
void TestFrame::persistedKeys() {
    QFETCH(QString, progId);
    QFETCH(QStringList, keys);
    QFETCH(QVariantList, values);
    QFETCH(QStringList, fromEmptyBag);
    PropertyBag bag;
    for (qsizetype i = 0; i < keys.size(); ++i)
        bag.setValue(keys[i], values[i]);
    QWidget host;
    auto c = make(progId, &host);
    c->ReadProperties(PropertyBag::fromText(bag.toText()));
    PropertyBag saved;
    c->WriteProperties(saved);
    QCOMPARE(saved.keys(), keys);
    QCOMPARE(saved.toText(), bag.toText());

    auto fresh = make(progId, &host);
    fresh->ReadProperties(PropertyBag());
    PropertyBag none;
    fresh->WriteProperties(none);
    QCOMPARE(none.keys(), fromEmptyBag);
}

void TestFrame::pressAndReleaseSounds_data() {
    QTest::addColumn<bool>("useSound");
    QTest::addColumn<int>("method");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QList<int>>("clips");
    QTest::newRow("off") << false << 0 << QStringList{} << QList<int>{};
    QTest::newRow("off, event method") << false << 1 << QStringList{} << QList<int>{};
    QTest::newRow("internal clips") << true << 0 << QStringList{} << QList<int>{401, 402};
    QTest::newRow("event") << true << 1 << QStringList{"PlaySound 0 down", "PlaySound 1 up"}
                           << QList<int>{};
    QTest::newRow("any other method is the event")
        << true << 7 << QStringList{"PlaySound 0 down", "PlaySound 1 up"} << QList<int>{};
}

void TestFrame::pressAndReleaseSounds() {
    QFETCH(bool, useSound);
    QFETCH(int, method);
    QFETCH(QStringList, events);
    QFETCH(QList<int>, clips);
    GlossSphere s;
    s.setUseSound(useSound);
    s.setSoundMethod(GlossControl::GKSoundMethod(method));
    EventLog log(s);
    clearRequestedSounds();
    QTest::keyPress(&s, Qt::Key_Space);
    QTest::keyRelease(&s, Qt::Key_Space);
    log.log.removeIf([](const QString &e) { return !e.startsWith(QLatin1String("PlaySound")); });
    QCOMPARE(log.log, events);
    QCOMPARE(requestedSounds(), clips);
}

void TestFrame::focusMark_data() {
    QTest::addColumn<QString>("progId");
    QTest::addColumn<bool>("showFocus");
    QTest::addColumn<bool>("repaints");
    QTest::newRow("sphere") << kSphere << false << true;
    QTest::newRow("bar") << kBar << false << true;
    QTest::newRow("check") << kCheck << false << true;
    // The command button repaints on focus changes only when it shows the mark.
    QTest::newRow("command without mark") << kCommand << false << false;
    QTest::newRow("command with mark") << kCommand << true << true;
    QTest::newRow("screen") << kScreen << true << false;
}

void TestFrame::focusMark() {
    QFETCH(QString, progId);
    QFETCH(bool, showFocus);
    QFETCH(bool, repaints);
    auto c = make(progId);
    c->setProperty("ShowFocus", showFocus);
    for (bool in : {true, false}) {
        const int before = c->refreshCount();
        focus(c.get(), in);
        QCOMPARE(c->hasFocusMark(), in && progId != kScreen);
        QCOMPARE(c->refreshCount() > before, repaints);
    }
}

void TestFrame::accessKeysAndDisabled_data() {
    QTest::addColumn<QString>("progId");
    QTest::addColumn<bool>("accessKeys"); // the control has ShortCutKey
    QTest::addColumn<int>("clicks");      // raised while enabled
    // Alt+A, Alt+A after an empty ShortCutKey (the old key stays), Alt+A and Alt+B after "B",
    // a mouse click, Space: a button counts all but the dropped Alt+A.
    QTest::newRow("sphere") << kSphere << true << 5;
    QTest::newRow("command") << kCommand << true << 5;
    QTest::newRow("bar") << kBar << true << 5;
    // The check box answers Space without a Click; the screen takes no keys.
    QTest::newRow("check") << kCheck << false << 1;
    QTest::newRow("screen") << kScreen << false << 1;
}

// Access keys, mouse and Space each raise Click as a user gives them; a disabled control
// raises nothing.
void TestFrame::accessKeysAndDisabled() {
    QFETCH(QString, progId);
    QFETCH(bool, accessKeys);
    QFETCH(int, clicks);
    QWidget window;
    window.resize(400, 150);
    auto c = make(progId, &window);
    auto *other = new QPushButton(QStringLiteral("x"), &window);
    other->move(0, 120);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy clicked(c.get(), &GlossControl::Click);
    const auto giveInput = [&] {
        other->setFocus();
        if (accessKeys) {
            c->setProperty("ShortCutKey", QStringLiteral("a"));
            QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
            c->setProperty("ShortCutKey", QString());
            QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
            c->setProperty("ShortCutKey", QStringLiteral("B"));
            QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
            QTest::keyClick(&window, Qt::Key_B, Qt::AltModifier);
        }
        QTest::mouseClick(c.get(), Qt::LeftButton, {}, QPoint(12, 12));
        QTest::keyClick(c.get(), Qt::Key_Space);
    };
    giveInput();
    QCOMPARE(clicked.count(), clicks);
    if (c->metaObject()->indexOfProperty("Enabled") >= 0)
        c->setProperty("Enabled", false);
    else // the screen has no Enabled of its own
        c->setEnabled(false);
    giveInput();
    QCOMPARE(clicked.count(), clicks);
}

void TestFrame::sizeHints_data() {
    QTest::addColumn<QString>("progId");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("hint");
    QTest::newRow("command") << kCommand << 0 << QSize(250, 100);
    QTest::newRow("check") << kCheck << 0 << QSize(150, 30);
    QTest::newRow("screen") << kScreen << 0 << QSize(300, 300);
    QTest::newRow("sphere") << kSphere << 0 << QSize(32, 32);
    QTest::newRow("sphere, half size") << kSphere << 3 << QSize(16, 16);
    QTest::newRow("sphere, double size") << kSphere << 4 << QSize(64, 64);
    QTest::newRow("sphere, rescaled") << kSphere << 1 << QSize(32, 32);
    QTest::newRow("bar") << kBar << 0 << QSize(175, 32);
    QTest::newRow("bar, half size") << kBar << 3 << QSize(88, 16);
    QTest::newRow("bar, one and a half") << kBar << 5 << QSize(350, 64);
}

// A new instance has its size hint; a shaped control's hint follows its picture mode.
void TestFrame::sizeHints() {
    QFETCH(QString, progId);
    QFETCH(int, mode);
    QFETCH(QSize, hint);
    auto c = make(progId);
    if (mode)
        c->setProperty("PictureMode", mode);
    else
        QCOMPARE(c->size(), hint);
    QCOMPARE(c->sizeHint(), hint);
}

void TestFrame::shapeByPictureMode_data() {
    QTest::addColumn<QString>("progId");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("size"); // after a resize to 50 x 40 (sphere) or 300 x 50 (bar)
    QTest::addColumn<int>("mask");   // 0: the shape stretched to the size
    QTest::newRow("sphere 0") << kSphere << 0 << QSize(32, 32) << 705;
    QTest::newRow("sphere 1") << kSphere << 1 << QSize(50, 40) << 0;
    QTest::newRow("sphere 2") << kSphere << 2 << QSize(50, 40) << 0;
    QTest::newRow("sphere 3") << kSphere << 3 << QSize(16, 16) << 706;
    QTest::newRow("sphere 4") << kSphere << 4 << QSize(64, 64) << 707;
    QTest::newRow("sphere 5: 64 x 64 mask, size kept") << kSphere << 5 << QSize(50, 40) << 707;
    QTest::newRow("sphere 9: nothing changes") << kSphere << 9 << QSize(50, 40) << 705;
    QTest::newRow("bar 0") << kBar << 0 << QSize(175, 32) << 700;
    QTest::newRow("bar 1") << kBar << 1 << QSize(300, 50) << 0;
    QTest::newRow("bar 3") << kBar << 3 << QSize(88, 16) << 701;
    QTest::newRow("bar 4") << kBar << 4 << QSize(350, 64) << 702;
    QTest::newRow("bar 5 as 4") << kBar << 5 << QSize(350, 64) << 702;
}

void TestFrame::shapeByPictureMode() {
    QFETCH(QString, progId);
    QFETCH(int, mode);
    QFETCH(QSize, size);
    QFETCH(int, mask);
    QWidget host;
    host.resize(400, 100);
    auto c = make(progId, &host);
    host.show();
    c->setProperty("PictureMode", mode);
    c->resize(progId == kSphere ? QSize(50, 40) : QSize(300, 50));
    QCOMPARE(c->size(), size);
    if (mask) {
        QCOMPARE(c->mask(), QRegion(resourceMask(mask)));
    } else { // the shape stretched: corners outside, the middle inside
        QVERIFY(!c->mask().contains(QPoint(1, 1)));
        QVERIFY(c->mask().contains(QPoint(size.width() / 2, size.height() / 2)));
        QVERIFY(c->mask().contains(QPoint(size.width() - 2, size.height() / 2)));
    }
}

void TestFrame::rollOver_data() {
    QTest::addColumn<QString>("progId");
    QTest::addColumn<QString>("steps"); // m = mouse move, t = timer tick
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("p");
    QTest::addColumn<bool>("painted"); // the last step drew
    QTest::addColumn<QString>("face"); // what the control shows afterwards
    const struct {
        const char *name, *steps;
        int s, p;
        bool painted;
        const char *face;
    } rows[] = {{"move", "m", 4, 1, true, "over"},
                {"tick 1", "mt", 3, 1, false, "over"},
                {"tick 2", "mtt", 3, 2, false, "over"},
                {"tick 3", "mttt", 2, 2, false, "over"},
                {"tick 4 over", "mtttt", 1, 2, true, "over"},
                {"tick 5 over2", "mttttt", 0, 0, true, "over2"},
                {"tick 6 normal", "mtttttt", -1, 0, true, "normal"},
                {"tick 7 idle", "mttttttt", -1, 0, false, "normal"},
                {"moving keeps over", "mm", 4, 1, false, "over"},
                {"move in phase 2", "mttm", 2, 2, true, "over"},
                {"leave from phase 2", "mttmt", 1, 2, true, "over"}};
    for (const char *progId : {kSphere, kBar})
        for (const auto &r : rows)
            QTest::addRow("%s %s", progId + 14, r.name)
                << progId << r.steps << r.s << r.p << r.painted << r.face;
}

// One pass of the cursor over a control with host pictures, its host calling TimerInvoke.
void TestFrame::rollOver() {
    QFETCH(QString, progId);
    QFETCH(QString, steps);
    QFETCH(int, s);
    QFETCH(int, p);
    QFETCH(bool, painted);
    QFETCH(QString, face);
    const QMap<QString, QColor> faces = {
        {"normal", QColor(200, 0, 0)}, {"over", QColor(0, 200, 0)}, {"over2", QColor(0, 0, 200)}};
    auto c = make(progId);
    c->setProperty(progId == kSphere ? "SphereType" : "GlossStyle", progId == kSphere ? 10 : 8);
    c->setProperty("Caption", QString());
    c->setProperty("PictureNormal", QVariant::fromValue(Picture(solid(faces["normal"]))));
    c->setProperty("PictureOver", QVariant::fromValue(Picture(solid(faces["over"]))));
    c->setProperty("PictureOver2", QVariant::fromValue(Picture(solid(faces["over2"]))));
    c->setProperty("UseAnimation", true);
    c->setProperty("UseOnTop", true);
    int before = 0;
    for (QChar step : steps) {
        before = c->refreshCount();
        if (step == u'm')
            moveMouse(c.get());
        else
            c->TimerInvoke();
    }
    auto *sphere = qobject_cast<GlossSphere *>(c.get());
    auto *bar = qobject_cast<GlossHCommand *>(c.get());
    QCOMPARE(int(sphere ? sphere->hoverState() : bar->hoverState()), s);
    QCOMPARE(int(sphere ? sphere->hoverPhase() : bar->hoverPhase()), p);
    QCOMPARE(c->refreshCount() > before, painted);
    QCOMPARE(pixel(*c, 16, 16), faces[face]);
}

void TestFrame::aboutWindow() {
    QString title, ok;
    bool modal = false, hasLogo = false;
    QTimer::singleShot(0, this, [&] {
        AboutBox *box = AboutBox::current();
        QVERIFY(box);
        title = box->windowTitle();
        modal = box->isModal();
        auto *logo = box->findChild<QLabel *>(QStringLiteral("Logo"));
        hasLogo = logo && !logo->pixmap().isNull();
        auto *button = box->findChild<QPushButton *>(QStringLiteral("OK"));
        QVERIFY(button);
        ok = button->text();
        button->click();
    });
    GlossScreen screen;
    screen.AboutMe(); // returns when the window is closed
    QCOMPARE(title, QStringLiteral("About GlossKit"));
    QCOMPARE(ok, QStringLiteral("OK"));
    QVERIFY(modal);
    QVERIFY(hasLogo);
    QTRY_VERIFY(!AboutBox::current()); // "OK" unloads it
}

void TestFrame::throwingHostHandlerDoesNotEscape() {
    GlossSphere s;
    connect(&s, &GlossControl::KeyDown, this,
            [](short &, short) { throw std::runtime_error("host"); });
    connect(&s, &GlossControl::Click, this, [] { throw 42; });
    connect(&s, &GlossSphere::SphereTypeChanged, this, [] { throw 7; });
    QTest::keyPress(&s, Qt::Key_Space);
    QVERIFY(s.isPressed()); // the step after the failed event still ran
    QTest::keyRelease(&s, Qt::Key_Space);
    QVERIFY(!s.isPressed());
    s.setSphereType(GlossSphere::GlsSphereBlue);
    QCOMPARE(s.SphereType(), GlossSphere::GlsSphereBlue);
}

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
