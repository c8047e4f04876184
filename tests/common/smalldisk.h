#pragma once

// A tmpfs of a few KB mounted for one test, to see what a full disk does to a save. Mounting needs
// the right to mount (root in the test machines); without it the test skips.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <sys/mount.h>

class SmallDisk {
public:
    SmallDisk(const QString &mountPoint, int kilobytes) : where_(QFile::encodeName(mountPoint)) {
        QDir().mkpath(mountPoint);
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        mounted_ = ::mount("tmpfs", where_.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk() {
        if (mounted_)
            ::umount(where_.constData());
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return mounted_; }

private:
    QByteArray where_;
    bool mounted_ = false;
};
