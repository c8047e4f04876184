// The Qt Designer plugin, loaded as Designer loads it: one collection with the five controls,
// their group, icons and default sizes, each control created through the plugin.

#include "common/glosscontrol.h"

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QPluginLoader>
#include <QTest>

#include <memory>

class TestDesigner : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void collectionHoldsFiveControls();
    void eachControlIsCreated_data();
    void eachControlIsCreated();

private:
    QDesignerCustomWidgetInterface *find(const QString &name) const;
    QPluginLoader m_loader{QStringLiteral(GLOSSKIT_DESIGNER_PLUGIN)};
    QDesignerCustomWidgetCollectionInterface *m_collection = nullptr;
};

void TestDesigner::initTestCase() {
    QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
    m_collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(m_loader.instance());
    QVERIFY(m_collection);
}

QDesignerCustomWidgetInterface *TestDesigner::find(const QString &name) const {
    for (auto *w : m_collection->customWidgets()) {
        if (w->name() == name)
            return w;
    }
    return nullptr;
}

void TestDesigner::collectionHoldsFiveControls() {
    QStringList names;
    for (auto *w : m_collection->customWidgets()) {
        names << w->name();
        QCOMPARE(w->group(), QStringLiteral("GlossKit"));
        QVERIFY(!w->icon().isNull());
        QVERIFY(!w->isContainer());
        QVERIFY(w->domXml().contains(w->name()));
    }
    QCOMPARE(names,
             QStringList({"glosskit::GlossCommand", "glosskit::GlossCheck", "glosskit::GlossSphere",
                          "glosskit::GlossScreen", "glosskit::GlossHCommand"}));
}

void TestDesigner::eachControlIsCreated_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("progId");
    QTest::addColumn<QString>("header");
    QTest::newRow("command") << "glosskit::GlossCommand"
                             << "GlossKit.GlossCommand"
                             << "command/glosscommand.h";
    QTest::newRow("check") << "glosskit::GlossCheck"
                           << "GlossKit.GlossCheck"
                           << "check/glosscheck.h";
    QTest::newRow("sphere") << "glosskit::GlossSphere"
                            << "GlossKit.GlossSphere"
                            << "sphere/glosssphere.h";
    QTest::newRow("screen") << "glosskit::GlossScreen"
                            << "GlossKit.GlossScreen"
                            << "screen/glossscreen.h";
    QTest::newRow("bar") << "glosskit::GlossHCommand"
                         << "GlossKit.GlossHCommand"
                         << "hcommand/glosshcommand.h";
}

void TestDesigner::eachControlIsCreated() {
    QFETCH(QString, name);
    QFETCH(QString, progId);
    QFETCH(QString, header);
    QDesignerCustomWidgetInterface *w = find(name);
    QVERIFY(w);
    QCOMPARE(w->includeFile(), header);
    QWidget form;
    QWidget *control = w->createWidget(&form);
    QVERIFY(control);
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), name);
    QCOMPARE(control->parentWidget(), &form);
    auto *gloss = qobject_cast<glosskit::GlossControl *>(control);
    QVERIFY(gloss);
    QCOMPARE(gloss->progId(), progId);
}

QTEST_MAIN(TestDesigner)
#include "tst_designer.moc"
