#pragma once

#include "platform/filesystem.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QSet>
#include <QStringList>

#include <functional>

// The real file system, except for the paths a test makes fail, and with a trash that is a plain
// folder so that tests never touch the user's trash.
class FaultyFileSystem final : public Platform::FileSystem
{
public:
    explicit FaultyFileSystem(const QString &binFolder = {}) : bin(binFolder) {}

    bool exists(const QString &path) const override { return m_system.exists(path); }
    bool isFolder(const QString &path) const override { return m_system.isFolder(path); }
    QList<Platform::FolderEntry> entries(const QString &folder) const override
    {
        ++listings;
        return m_system.entries(folder);
    }
    bool isDriveReady(const QString &path) const override
    {
        return !notReady.contains(path) && m_system.isDriveReady(path);
    }
    Records::FileResult<void> move(const QString &from, const QString &to) override
    {
        if (beforeMove)
            beforeMove(from, to);
        if (failingSources.contains(from) || failingTargets.contains(to))
            return Records::fail(Records::FileError{Records::FileError::Code::CreateFailed, to, -1, {}});
        auto moved = m_system.move(from, to);
        if (moved)
            moves.append({from, to});
        return moved;
    }
    Records::FileResult<void> trash(const QString &path) override
    {
        if (beforeMove)
            beforeMove(path, bin);
        if (failingTrash.contains(path) || bin.isEmpty())
            return Records::fail(Records::FileError{Records::FileError::Code::RemoveFailed, path, -1, {}});
        QDir().mkpath(bin);
        auto moved = m_system.move(path, bin + u'/' + QString::number(trashed.size()) + u'_' + QFileInfo(path).fileName());
        if (moved)
            trashed.append(path);
        return moved;
    }
    bool makeFolder(const QString &path) override { return !failingFolders.contains(path) && m_system.makeFolder(path); }
    Records::FileResult<void> makeFolderBelow(const QString &top, const QString &path) override
    {
        if (failingFolders.contains(path))
            return Records::fail(Records::FileError{Records::FileError::Code::CreateFailed, path, -1, {}});
        return m_system.makeFolderBelow(top, path);
    }

    QString bin;
    // A move from one of these, or to one of these, fails.
    QSet<QString> failingSources;
    QSet<QString> failingTargets;
    QSet<QString> failingTrash;
    QSet<QString> failingFolders;
    QSet<QString> notReady;
    QList<QPair<QString, QString>> moves;
    QStringList trashed;
    mutable int listings = 0;
    // Called before every move and every trashing.
    std::function<void(const QString &from, const QString &to)> beforeMove;

private:
    Platform::SystemFileSystem m_system;
};
