#pragma once

// GlsKit2, the GlossKit control set: custom-painted widgets a Qt program places like ordinary
// buttons and frames. Controls are created from their ProgIDs; their properties, enumerations and
// events carry the names of the control set's interface (Q_PROPERTY, Q_ENUM and signals).

#include "glosskit_export.h"
#include "picture.h"
#include "propertybag.h"
#include "typelib.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace glosskit {

// Creates a control from its ProgID ("GlossKit.GlossSphere", "GlossKit.GlossScreen", ...) as a
// new instance (its defaults set, as when dropped on a form). Returns nullptr for an unknown
// ProgID or a control this build does not have.
GLOSSKIT_EXPORT QWidget *createControl(const QString &progId, QWidget *parent = nullptr);

// ProgIDs createControl() can create in this build.
GLOSSKIT_EXPORT QStringList availableControls();

// Runs a control's read handler on bag (the loading of a saved instance), or its write handler.
// Both return false when widget is not a control of the library.
GLOSSKIT_EXPORT bool loadControl(QWidget *control, const PropertyBag &bag);
GLOSSKIT_EXPORT bool saveControl(QWidget *control, PropertyBag &bag);

} // namespace glosskit
