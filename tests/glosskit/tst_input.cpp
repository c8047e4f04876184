// How every control takes the mouse and the keyboard, each row naming the control it runs on:
// the events and their order, Space and Enter, the pressed faces, sounds, focus, access keys,
// size hints, shapes and roll-over.

#include "datatable.h"
#include "everycontrol.h"

using namespace glosstest;

class TestInput : public QObject {
    Q_OBJECT
private slots:
    void mouseEvents_data();
    void mouseEvents();
    void buttonKeys_data();
    void buttonKeys();
    void pressedFaces_data();
    void pressedFaces();
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
};

void TestInput::mouseEvents_data() {
    // twice: a double click
    columns<QString, bool, QStringList>("progId", "twice", "events");
    row("sphere", kSphere, false,
        QStringList{"PlaySound 0 down", "MouseDown 1 down", "PlaySound 1 up", "MouseUp 1 up",
                    "Click up"});
    row("command", kCommand, false,
        QStringList{"PlaySound 0 down", "MouseDown 1 down", "PlaySound 1 up", "MouseUp 1 up",
                    "Click up"});
    // The bar raises the mouse events before it changes its state.
    row("bar", kBar, false,
        QStringList{"MouseDown 1 up", "PlaySound 0 up", "MouseUp 1 down", "PlaySound 1 down",
                    "Click up"});
    row("check toggles", kCheck, false,
        QStringList{"PlaySound 0 down", "MouseDown 1 down", "PlaySound 1 up", "changed Value",
                    "MouseUp 1 up", "Click up"});
    row("screen passes them on", kScreen, false,
        QStringList{"MouseDown 1 up", "MouseUp 1 up", "Click up"});
    // The release that ends a double click is no click.
    row("sphere, double click", kSphere, true,
        QStringList{"PlaySound 0 down", "MouseDown 1 down", "PlaySound 1 up", "MouseUp 1 up",
                    "Click up", "DblClick up", "PlaySound 1 up", "MouseUp 1 up"});
}

void TestInput::mouseEvents() {
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

void TestInput::buttonKeys_data() {
    // hostZeroes: the host's KeyDown and KeyUp set KeyCode to 0
    columns<QString, int, bool, QStringList>("progId", "key", "hostZeroes", "events");
    const QStringList afterHost = {"KeyDown 32 up", "KeyPress 32 down", "KeyUp 32 down",
                                   "Click up"};
    const QStringList beforeHost = {"KeyDown 32 down", "KeyPress 32 down", "Click up",
                                    "KeyUp 32 up"};
    row("sphere space", kSphere, int(Qt::Key_Space), false, afterHost);
    row("sphere enter", kSphere, int(Qt::Key_Return), false,
        QStringList{"KeyDown 13 up", "KeyPress 13 down", "KeyUp 13 down", "Click up"});
    row("sphere keypad enter", kSphere, int(Qt::Key_Enter), false,
        QStringList{"KeyDown 13 up", "KeyPress 13 down", "KeyUp 13 down", "Click up"});
    row("sphere letter", kSphere, int(Qt::Key_X), false,
        QStringList{"KeyDown 88 up", "KeyPress 120 up", "KeyUp 88 up"});
    row("sphere, host cancels", kSphere, int(Qt::Key_Space), true,
        QStringList{"KeyDown 32 up", "KeyPress 32 up", "KeyUp 32 up"});
    row("bar space", kBar, int(Qt::Key_Space), false, afterHost);
    row("bar, host cancels", kBar, int(Qt::Key_Space), true,
        QStringList{"KeyDown 32 up", "KeyPress 32 up", "KeyUp 32 up"});
    row("command space", kCommand, int(Qt::Key_Space), false, beforeHost);
    row("command enter", kCommand, int(Qt::Key_Return), false,
        QStringList{"KeyDown 13 down", "KeyPress 13 down", "Click up", "KeyUp 13 up"});
    row("command, too late to cancel", kCommand, int(Qt::Key_Space), true, beforeHost);
    row("command letter", kCommand, int(Qt::Key_X), false,
        QStringList{"KeyDown 88 up", "KeyPress 120 up", "KeyUp 88 up"});
    // The check box toggles on the key going up and raises no Click.
    row("check space", kCheck, int(Qt::Key_Space), false,
        QStringList{"KeyDown 32 down", "KeyPress 32 down", "changed Value", "KeyUp 32 up"});
    row("screen space", kScreen, int(Qt::Key_Space), false,
        QStringList{"KeyDown 32 up", "KeyPress 32 up", "KeyUp 32 up"});
}

void TestInput::buttonKeys() {
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

void TestInput::pressedFaces_data() {
    // key: 0 for the left mouse button
    // faces: the built-in bitmaps at rest, held and released
    columns<QString, int, QPoint, QList<int>>("progId", "key", "at", "faces");
    for (int key : {0, int(Qt::Key_Space), int(Qt::Key_Enter)}) {
        const char *how = key == 0 ? "mouse" : key == Qt::Key_Space ? "space" : "enter";
        QTest::addRow("sphere %s", how) << kSphere << key << QPoint(16, 16) << QList{303, 403, 303};
        QTest::addRow("bar %s", how) << kBar << key << QPoint(40, 12) << QList{553, 563, 553};
        // The check box shows its pushed box while held and comes up checked.
        QTest::addRow("check %s", how) << kCheck << key << QPoint(12, 15) << QList{201, 203, 202};
    }
}

// The face a button shows at rest, held by the mouse, Space or Enter, and let go.
void TestInput::pressedFaces() {
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

void TestInput::pressAndReleaseSounds_data() {
    columns<bool, int, QStringList, QList<int>>("useSound", "method", "events", "clips");
    row("off", false, 0, QStringList{}, QList<int>{});
    row("off, event method", false, 1, QStringList{}, QList<int>{});
    row("internal clips", true, 0, QStringList{}, QList<int>{401, 402});
    row("event", true, 1, QStringList{"PlaySound 0 down", "PlaySound 1 up"}, QList<int>{});
    row("any other method is the event", true, 7, QStringList{"PlaySound 0 down", "PlaySound 1 up"},
        QList<int>{});
}

void TestInput::pressAndReleaseSounds() {
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

void TestInput::focusMark_data() {
    columns<QString, bool, bool>("progId", "showFocus", "repaints");
    row("sphere", kSphere, false, true);
    row("bar", kBar, false, true);
    row("check", kCheck, false, true);
    // The command button repaints on focus changes only when it shows the mark.
    row("command without mark", kCommand, false, false);
    row("command with mark", kCommand, true, true);
    row("screen", kScreen, true, false);
}

void TestInput::focusMark() {
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

void TestInput::accessKeysAndDisabled_data() {
    // accessKeys: the control has ShortCutKey
    // clicks: raised while enabled
    columns<QString, bool, int>("progId", "accessKeys", "clicks");
    // Alt+A, Alt+A after an empty ShortCutKey (the old key stays), Alt+A and Alt+B after "B",
    // a mouse click, Space: a button counts all but the dropped Alt+A.
    row("sphere", kSphere, true, 5);
    row("command", kCommand, true, 5);
    row("bar", kBar, true, 5);
    // The check box answers Space without a Click; the screen takes no keys.
    row("check", kCheck, false, 1);
    row("screen", kScreen, false, 1);
}

// Access keys, mouse and Space each raise Click as a user gives them; a disabled control
// raises nothing.
void TestInput::accessKeysAndDisabled() {
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

void TestInput::sizeHints_data() {
    columns<QString, int, QSize>("progId", "mode", "hint");
    row("command", kCommand, 0, QSize(250, 100));
    row("check", kCheck, 0, QSize(150, 30));
    row("screen", kScreen, 0, QSize(300, 300));
    row("sphere", kSphere, 0, QSize(32, 32));
    row("sphere, half size", kSphere, 3, QSize(16, 16));
    row("sphere, double size", kSphere, 4, QSize(64, 64));
    row("sphere, rescaled", kSphere, 1, QSize(32, 32));
    row("bar", kBar, 0, QSize(175, 32));
    row("bar, half size", kBar, 3, QSize(88, 16));
    row("bar, one and a half", kBar, 5, QSize(350, 64));
}

// A new instance has its size hint; a shaped control's hint follows its picture mode.
void TestInput::sizeHints() {
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

void TestInput::shapeByPictureMode_data() {
    // size: after a resize to 50 x 40 (sphere) or 300 x 50 (bar)
    // mask: 0 for the shape stretched to the size
    columns<QString, int, QSize, int>("progId", "mode", "size", "mask");
    row("sphere 0", kSphere, 0, QSize(32, 32), 705);
    row("sphere 1", kSphere, 1, QSize(50, 40), 0);
    row("sphere 2", kSphere, 2, QSize(50, 40), 0);
    row("sphere 3", kSphere, 3, QSize(16, 16), 706);
    row("sphere 4", kSphere, 4, QSize(64, 64), 707);
    row("sphere 5: 64 x 64 mask, size kept", kSphere, 5, QSize(50, 40), 707);
    row("sphere 9: nothing changes", kSphere, 9, QSize(50, 40), 705);
    row("bar 0", kBar, 0, QSize(175, 32), 700);
    row("bar 1", kBar, 1, QSize(300, 50), 0);
    row("bar 3", kBar, 3, QSize(88, 16), 701);
    row("bar 4", kBar, 4, QSize(350, 64), 702);
    row("bar 5 as 4", kBar, 5, QSize(350, 64), 702);
}

void TestInput::shapeByPictureMode() {
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

void TestInput::rollOver_data() {
    // steps: m = mouse move, t = timer tick
    // painted: the last step drew
    // face: what the control shows afterwards
    columns<QString, QString, int, int, bool, QString>("progId", "steps", "s", "p", "painted",
                                                       "face");
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
void TestInput::rollOver() {
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

QTEST_MAIN(TestInput)
#include "tst_input.moc"
