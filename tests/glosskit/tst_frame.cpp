// What all controls share, each row naming the control it runs on: creation by ProgID, the type
// description and the Qt interface that carries it, change signals, setters and fields, defaults
// of new and loaded instances, the persisted keys, the About window and the rule that no failure
// reaches the host.

#include "datatable.h"
#include "everycontrol.h"

using namespace glosstest;

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void createByProgId_data();
    void createByProgId();
    void propertiesAreTheInterface_data();
    void propertiesAreTheInterface();
    void everyChangeIsSignalled_data();
    void everyChangeIsSignalled();
    void settersAndFields_data();
    void settersAndFields();
    void newAndLoadedValues_data();
    void newAndLoadedValues();
    void persistedKeys_data();
    void persistedKeys();
    void aboutWindow();
    void throwingHostHandlerDoesNotEscape();
};

void TestFrame::createByProgId_data() {
    columns<QString, QString>("progId", "className");
    row("sphere", kSphere, "glosskit::GlossSphere");
    row("screen", kScreen, "glosskit::GlossScreen");
    row("command", kCommand, "glosskit::GlossCommand");
    row("bar", kBar, "glosskit::GlossHCommand");
    row("check", kCheck, "glosskit::GlossCheck");
    row("any case", "glosskit.glosssphere", "glosskit::GlossSphere");
    row("unknown", "GlossKit.GlossNothing", QString());
    row("class name alone", "GlossSphere", QString());
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

void TestFrame::propertiesAreTheInterface_data() {
    columns<QString>("progId");
    for (const char *id : {kSphere, kScreen, kCommand, kBar, kCheck})
        row(id, id);
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

void TestFrame::settersAndFields_data() {
    // passes: drawing passes
    columns<QString, QString, QVariant, int, bool>("progId", "property", "value", "passes",
                                                   "tellsContainer");
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
    // loaded: from an empty bag
    columns<QString, QString, QVariant, QVariant>("progId", "property", "fresh", "loaded");
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
    // fromEmptyBag: the keys a control loaded from none saves
    columns<QString, QStringList, QVariantList, QStringList>("progId", "keys", "values",
                                                             "fromEmptyBag");
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
        row(progId, progId, keys, values,
            (fontKeys ? QStringList{"FontName", "FontSize"} : QStringList{}));
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
