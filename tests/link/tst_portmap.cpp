#include "datatable.h"
#include "portmap.h"

#include <QTest>

using namespace zr;

class TestPortMap : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void usbAdaptersComeFirst();
    void environmentAndOverrides_data();
    void environmentAndOverrides();
};

void TestPortMap::usbAdaptersComeFirst() {
    const QList<PortMap::Device> found{{"/dev/ttyS10", false},
                                       {"/dev/ttyS2", false},
                                       {"/dev/ttyUSB1", true},
                                       {"/dev/ttyACM0", true},
                                       {"/dev/ttyUSB0", true}};
    QCOMPARE(
        PortMap::orderDevices(found),
        QStringList({"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyS2", "/dev/ttyS10"}));
}

void TestPortMap::environmentAndOverrides_data() {
    columns<QString, QStringList, bool>("env", "overrides", "accepted");
    QTest::addColumn<QStringList>("devices"); // ports 1..4 afterwards

    row("nothing", "", QStringList(), true, QStringList{"a", "b", "", ""});
    row("env replaces given entries", "x,,y", QStringList(), true, QStringList{"x", "b", "y", ""});
    row("override wins over env", "x,y,z,w", QStringList{"2=/dev/pts/7"}, true,
        QStringList{"x", "/dev/pts/7", "z", "w"});
    row("port 5 refused", "", QStringList{"5=/dev/x"}, false, QStringList{"a", "b", "", ""});
    row("no device refused", "", QStringList{"1="}, false, QStringList{"a", "b", "", ""});
}

void TestPortMap::environmentAndOverrides() {
    QFETCH(QString, env);
    QFETCH(QStringList, overrides);
    PortMap map;
    map.setDevice(1, "a");
    map.setDevice(2, "b");
    map.applyEnvironment(env);
    bool allAccepted = true;
    for (const QString &o : overrides) {
        QString why;
        const bool ok = map.applyOverride(o, &why);
        QVERIFY(ok || !why.isEmpty());
        allAccepted = allAccepted && ok;
    }
    QTEST(allAccepted, "accepted");
    QStringList now;
    for (int n = 1; n <= 4; ++n)
        now << map.device(n);
    QTEST(now, "devices");
    QCOMPARE(map.device(0), QString());
}

QTEST_GUILESS_MAIN(TestPortMap)
#include "tst_portmap.moc"
