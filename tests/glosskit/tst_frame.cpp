// What all controls share: creation by ProgID, the type description, sounds, access keys, the
// About window and the rule that no failure reaches the host.

#include "common/aboutbox.h"
#include "common/glosskit.h"
#include "common/sound.h"
#include "screen/glossscreen.h"
#include "sphere/glosssphere.h"

#include <QApplication>
#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <stdexcept>

using namespace glosskit;

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void createByProgId_data();
    void createByProgId();
    void dispatchIds_data();
    void dispatchIds();
    void interfacesNameTheClass();
    void membersAreQtPropertiesAndSignals_data();
    void membersAreQtPropertiesAndSignals();
    void pressAndReleaseSounds_data();
    void pressAndReleaseSounds();
    void emptyShortCutKeyKeepsOldKey();
    void aboutWindow();
    void throwingHostHandlerDoesNotEscape();
};

void TestFrame::createByProgId_data() {
    QTest::addColumn<QString>("progId");
    QTest::addColumn<QString>("className");
    QTest::newRow("sphere") << "GlossKit.GlossSphere"
                            << "glosskit::GlossSphere";
    QTest::newRow("screen") << "GlossKit.GlossScreen"
                            << "glosskit::GlossScreen";
    QTest::newRow("command") << "GlossKit.GlossCommand"
                             << "glosskit::GlossCommand";
    QTest::newRow("bar") << "GlossKit.GlossHCommand"
                         << "glosskit::GlossHCommand";
    QTest::newRow("check") << "GlossKit.GlossCheck"
                           << "glosskit::GlossCheck";
    QTest::newRow("any case") << "glosskit.glosssphere"
                              << "glosskit::GlossSphere";
    QTest::newRow("unknown") << "GlossKit.GlossNothing"
                             << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("class name alone") << "GlossSphere"
                                      << "";
}

void TestFrame::createByProgId() {
    QFETCH(QString, progId);
    QFETCH(QString, className);
    QWidget parent;
    QWidget *w = createControl(progId, &parent);
    if (className.isEmpty()) {
        QVERIFY(!w);
        return;
    }
    QVERIFY(w);
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), className);
    QCOMPARE(w->parentWidget(), &parent);
    QCOMPARE(qobject_cast<GlossControl *>(w)->progId().toLower(), progId.toLower());
}

void TestFrame::dispatchIds_data() {
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("member");
    QTest::addColumn<bool>("isEvent");
    QTest::addColumn<int>("id");
    for (const char *c :
         {"GlossSphere", "GlossScreen", "GlossCommand", "GlossHCommand", "GlossCheck"})
        QTest::addRow("%s AboutMe", c) << c << "AboutMe" << false << -552;
    QTest::newRow("sphere Enabled") << "GlossSphere"
                                    << "Enabled" << false << -514;
    QTest::newRow("sphere Font") << "GlossSphere"
                                 << "Font" << false << -512;
    QTest::newRow("sphere ForeColor") << "GlossSphere"
                                      << "ForeColor" << false << -513;
    QTest::newRow("sphere caption") << "GlossSphere"
                                    << "ContentLetter" << false << -518;
    QTest::newRow("command hwnd") << "GlossCommand"
                                  << "hwnd" << false << -515;
    QTest::newRow("check Value default") << "GlossCheck"
                                         << "Value" << false << 0;
    QTest::newRow("check Caption") << "GlossCheck"
                                   << "Caption" << false << -518;
    QTest::newRow("bar Caption") << "GlossHCommand"
                                 << "Caption" << false << -518;
    QTest::newRow("sphere Click") << "GlossSphere"
                                  << "Click" << true << 1;
    QTest::newRow("sphere DblClick") << "GlossSphere"
                                     << "DblClick" << true << 2;
    QTest::newRow("sphere PlaySound") << "GlossSphere"
                                      << "PlaySound" << true << 9;
    QTest::newRow("screen Click") << "GlossScreen"
                                  << "Click" << true << 2;
    QTest::newRow("screen DblClick") << "GlossScreen"
                                     << "DblClick" << true << 1;
    QTest::newRow("screen MouseUp") << "GlossScreen"
                                    << "MouseUp" << true << 8;
    QTest::newRow("bar MouseMove") << "GlossHCommand"
                                   << "MouseMove" << true << 6;
    QTest::newRow("bar MouseDown") << "GlossHCommand"
                                   << "MouseDown" << true << 7;
    QTest::newRow("command MouseDown") << "GlossCommand"
                                       << "MouseDown" << true << 6;
}

void TestFrame::dispatchIds() {
    QFETCH(QString, cls);
    QFETCH(QString, member);
    QFETCH(bool, isEvent);
    QFETCH(int, id);
    const TypeLibrary &lib = TypeLibrary::instance();
    const auto got = isEvent ? lib.eventDispId(cls, member) : lib.memberDispId(cls, member);
    QVERIFY(got.has_value());
    QCOMPARE(*got, id);
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

void TestFrame::membersAreQtPropertiesAndSignals_data() {
    QTest::addColumn<QString>("progId");
    QTest::newRow("sphere") << "GlossKit.GlossSphere";
    QTest::newRow("screen") << "GlossKit.GlossScreen";
    QTest::newRow("command") << "GlossKit.GlossCommand";
    QTest::newRow("bar") << "GlossKit.GlossHCommand";
    QTest::newRow("check") << "GlossKit.GlossCheck";
}

void TestFrame::membersAreQtPropertiesAndSignals() {
    QFETCH(QString, progId);
    std::unique_ptr<QWidget> w(createControl(progId));
    const QMetaObject *mo = w->metaObject();
    const ClassInfo *info = TypeLibrary::instance().find(progId);
    QVERIFY(info);
    for (const MemberInfo &m : info->members) {
        const QByteArray name = m.name.toLatin1();
        if (m.kind == MemberInfo::Property)
            QVERIFY2(mo->indexOfProperty(name) >= 0, name);
        else
            QVERIFY2(mo->indexOfMethod(name + "()") >= 0, name);
    }
    for (const MemberInfo &e : info->events) {
        bool found = false;
        for (int i = 0; i < mo->methodCount(); ++i) {
            const QMetaMethod mm = mo->method(i);
            found |= mm.methodType() == QMetaMethod::Signal && mm.name() == e.name.toLatin1();
        }
        QVERIFY2(found, qPrintable(e.name));
    }
}

void TestFrame::pressAndReleaseSounds_data() {
    QTest::addColumn<bool>("useSound");
    QTest::addColumn<int>("method");
    QTest::addColumn<QList<int>>("events");
    QTest::addColumn<QList<int>>("clips");
    QTest::newRow("off") << false << 0 << QList<int>{} << QList<int>{};
    QTest::newRow("off, event method") << false << 1 << QList<int>{} << QList<int>{};
    QTest::newRow("internal clips") << true << 0 << QList<int>{} << QList<int>{401, 402};
    QTest::newRow("event") << true << 1 << QList<int>{0, 1} << QList<int>{};
    QTest::newRow("any other method is the event") << true << 7 << QList<int>{0, 1} << QList<int>{};
}

void TestFrame::pressAndReleaseSounds() {
    QFETCH(bool, useSound);
    QFETCH(int, method);
    QFETCH(QList<int>, events);
    QFETCH(QList<int>, clips);
    GlossSphere s;
    s.setUseSound(useSound);
    s.setSoundMethod(GlossControl::GKSoundMethod(method));
    QList<int> raised;
    connect(&s, &GlossSphere::PlaySound, this, [&](GlossControl::GKSoundType t) { raised << t; });
    clearRequestedSounds();
    QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(16, 16));
    QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(16, 16));
    QCOMPARE(raised, events);
    QCOMPARE(requestedSounds(), clips);
}

void TestFrame::emptyShortCutKeyKeepsOldKey() {
    QWidget window;
    auto *s = new GlossSphere(&window);
    auto *other = new QPushButton(QStringLiteral("x"), &window);
    other->move(50, 0);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    int clicks = 0;
    connect(s, &GlossControl::Click, this, [&] { ++clicks; });

    s->setShortCutKey(QStringLiteral("a"));
    QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
    QCOMPARE(clicks, 1);
    s->setShortCutKey(QString());
    QCOMPARE(s->ShortCutKey(), QString());
    QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
    QCOMPARE(clicks, 2);
    s->setShortCutKey(QStringLiteral("B"));
    QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(&window, Qt::Key_B, Qt::AltModifier);
    QCOMPARE(clicks, 3);
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
    QTest::keyPress(&s, Qt::Key_Space);
    QVERIFY(s.isPressed()); // the step after the failed event still ran
    QTest::keyRelease(&s, Qt::Key_Space);
    QVERIFY(!s.isPressed());
}

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
