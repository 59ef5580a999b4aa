#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <sys/mount.h>

// A small tmpfs mounted on a folder, for tests of what a full disk does to the program's files.
// Mounting needs the right to (root, or a user namespace that grants it); tests skip without.
class SmallFileSystem final
{
public:
    explicit SmallFileSystem(const QString &folder, int kilobytes = 64) : m_folder(folder)
    {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        m_mounted = QDir().mkpath(folder)
                    && ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool isMounted() const { return m_mounted; }

    // Takes every byte that is left, so that the next write of new data fails.
    bool fill() const
    {
        QFile filler(m_folder + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        // The last partial block, byte by byte.
        while (filler.write("f", 1) == 1) {
        }
        return true;
    }

private:
    QString m_folder;
    bool m_mounted = false;
};
