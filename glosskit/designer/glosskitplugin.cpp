#include "glosskitplugin.h"

#include "common/glosskit.h"
#include "common/resources.h"

#include <QIcon>
#include <QWidget>

#include <memory>

GlossKitWidget::GlossKitWidget(const QString &className, const QString &header, int iconId,
                               const QString &toolTip, QObject *parent)
    : QObject(parent), m_className(className), m_header(header), m_iconId(iconId),
      m_toolTip(toolTip) {}

QString GlossKitWidget::name() const {
    return QStringLiteral("glosskit::") + m_className;
}

QString GlossKitWidget::group() const {
    return QStringLiteral("GlossKit");
}

QString GlossKitWidget::toolTip() const {
    return m_toolTip;
}

QString GlossKitWidget::whatsThis() const {
    return m_toolTip;
}

QString GlossKitWidget::includeFile() const {
    return m_header;
}

QIcon GlossKitWidget::icon() const {
    return QIcon(glosskit::resourceBitmap(m_iconId));
}

bool GlossKitWidget::isContainer() const {
    return false;
}

QWidget *GlossKitWidget::createWidget(QWidget *parent) {
    // A new instance already has its size hint (250 x 100, 150 x 30, 32 x 32, 300 x 300, 175 x 32).
    return glosskit::createControl(QStringLiteral("GlossKit.") + m_className, parent);
}

bool GlossKitWidget::isInitialized() const {
    return m_initialized;
}

void GlossKitWidget::initialize(QDesignerFormEditorInterface *) {
    m_initialized = true;
}

QString GlossKitWidget::domXml() const {
    // The object name doubles as the caption of a new instance ("GlossCommand1" ...).
    QString base = m_className;
    base[0] = base[0].toLower();
    std::unique_ptr<QWidget> sample(
        glosskit::createControl(QStringLiteral("GlossKit.") + m_className));
    const QSize size = sample ? sample->sizeHint() : QSize();
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          "</ui>\n")
        .arg(name(), base)
        .arg(size.width())
        .arg(size.height());
}

GlossKitPlugin::GlossKitPlugin(QObject *parent) : QObject(parent) {
    m_widgets
        << new GlossKitWidget(QStringLiteral("GlossCommand"),
                              QStringLiteral("command/glosscommand.h"), 30000,
                              QStringLiteral("Push button with a picture or gradient face"), this)
        << new GlossKitWidget(QStringLiteral("GlossCheck"), QStringLiteral("check/glosscheck.h"),
                              30001, QStringLiteral("Check box drawn from pictures"), this)
        << new GlossKitWidget(QStringLiteral("GlossSphere"), QStringLiteral("sphere/glosssphere.h"),
                              30002, QStringLiteral("Round push button"), this)
        << new GlossKitWidget(QStringLiteral("GlossScreen"), QStringLiteral("screen/glossscreen.h"),
                              30003, QStringLiteral("Decorative screen frame"), this)
        << new GlossKitWidget(QStringLiteral("GlossHCommand"),
                              QStringLiteral("hcommand/glosshcommand.h"), 30004,
                              QStringLiteral("Bar button with three captions and a shine"), this);
}

QList<QDesignerCustomWidgetInterface *> GlossKitPlugin::customWidgets() const {
    return m_widgets;
}
