// The Qt Designer plugin, loaded as Designer loads it: one collection with the five controls,
// their group, icons and the sizes of new instances, each control created through the plugin.

#include "common/glosscontrol.h"
#include "datatable.h"

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
    columns<QString, QString, QString, QSize>("name", "progId", "header", "size");
    const struct {
        const char *cls, *header;
        QSize size;
    } rows[] = {{"GlossCommand", "command/glosscommand.h", {250, 100}},
                {"GlossCheck", "check/glosscheck.h", {150, 30}},
                {"GlossSphere", "sphere/glosssphere.h", {32, 32}},
                {"GlossScreen", "screen/glossscreen.h", {300, 300}},
                {"GlossHCommand", "hcommand/glosshcommand.h", {175, 32}}};
    for (const auto &r : rows)
        row(r.cls, QStringLiteral("glosskit::%1").arg(QLatin1String(r.cls)),
            QStringLiteral("GlossKit.%1").arg(QLatin1String(r.cls)), r.header, r.size);
}

void TestDesigner::eachControlIsCreated() {
    QFETCH(QString, name);
    QFETCH(QString, progId);
    QFETCH(QString, header);
    QFETCH(QSize, size);
    QDesignerCustomWidgetInterface *w = find(name);
    QVERIFY(w);
    QCOMPARE(w->includeFile(), header);
    QVERIFY(w->domXml().contains(QStringLiteral("<width>%1</width><height>%2</height>")
                                     .arg(size.width())
                                     .arg(size.height())));
    QWidget form;
    QWidget *control = w->createWidget(&form);
    QVERIFY(control);
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), name);
    QCOMPARE(control->parentWidget(), &form);
    QCOMPARE(control->size(), size);
    auto *gloss = qobject_cast<glosskit::GlossControl *>(control);
    QVERIFY(gloss);
    QCOMPARE(gloss->progId(), progId);
}

QTEST_MAIN(TestDesigner)
#include "tst_designer.moc"
