#pragma once

#include <QtCore/qglobal.h>

#if defined(GLOSSKIT_LIBRARY)
#define GLOSSKIT_EXPORT Q_DECL_EXPORT
#else
#define GLOSSKIT_EXPORT Q_DECL_IMPORT
#endif
