#pragma once

// A window's control found the way a user knows it: by its name. Windows keep their
// controls private; tests reach them here, never through a member.

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace zr::test {

template <typename T> T *child(const QObject *parent, const char *name) {
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("%s has no %s named %s", parent->metaObject()->className(),
               T::staticMetaObject.className(), name);
    return found;
}

} // namespace zr::test
