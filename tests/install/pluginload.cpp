// Loads a Qt Designer plugin the way Designer does and creates each of its controls: an installed
// plugin must find its libraries from where it lies.

#include <QApplication>
#include <QPluginLoader>
#include <QTextStream>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <memory>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc != 2) {
        out << "usage: pluginload PLUGIN" << Qt::endl;
        return 1;
    }
    QPluginLoader loader(QString::fromLocal8Bit(argv[1]));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
    if (!collection) {
        out << "not loaded: " << loader.errorString() << Qt::endl;
        return 2;
    }
    int created = 0;
    for (QDesignerCustomWidgetInterface *control : collection->customWidgets()) {
        std::unique_ptr<QWidget> widget(control->createWidget(nullptr));
        created +=
            widget && QLatin1String(widget->metaObject()->className()).endsWith(control->name());
        out << control->group() << ": " << control->name() << (widget ? "" : " (not created)")
            << Qt::endl;
    }
    return created == 5 ? 0 : 3;
}
