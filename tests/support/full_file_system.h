#pragma once
// A small file system that can be filled to the last byte, for the writers' full-disk cases: a
// tmpfs mounted over a folder, which needs root (CI runs the suite as root). Tests skip with a
// message elsewhere. Unmounted when it goes.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

class FullFileSystem {
public:
    // Mounts a 256 KiB tmpfs on folder, which must exist; Mounted() tells whether it worked.
    explicit FullFileSystem(const QString& folder) : folder_(folder) {
#ifdef Q_OS_LINUX
        if (::geteuid() == 0)
            mounted_ = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0,
                               "size=256k") == 0;
#endif
    }
    ~FullFileSystem() {
#ifdef Q_OS_LINUX
        if (mounted_)
            ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
#endif
    }
    FullFileSystem(const FullFileSystem&) = delete;
    FullFileSystem& operator=(const FullFileSystem&) = delete;

    bool Mounted() const {
        return mounted_;
    }
    static const char* SkipReason() {
        return "a small tmpfs is mounted only when run as root";
    }

    // Takes every free byte, so the next write of any size fails.
    void Fill() const {
        QFile filler(folder_ + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write(block.constData(), 1) == 1) {
        }
    }

private:
    QString folder_;
    bool mounted_ = false;
};
