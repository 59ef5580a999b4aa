#pragma once

#include <QString>

#include <functional>

namespace Dictionary {
class DictionaryStore;
enum class BuildMode;
} // namespace Dictionary

namespace Session {

// How far a folder build has come, for its progress display.
struct FolderBuildProgress
{
    int foldersRead = 0;
    // The folders read and those waiting in the queue.
    int foldersFound = 0;
    int picturesRead = 0;
    int entries = 0;
};

// How a folder build ended.
struct FolderBuildResult
{
    // The dictionary holds more entries than its maximum: the user is to be told.
    bool full = false;
    // The user stopped the reading: the dictionary and its files are as they were before.
    bool cancelled = false;
    // False when a dictionary file failed (the user was told).
    bool done = true;
    int foldersRead = 0;
    int picturesRead = 0;
    // Folders that could not be listed (no permission, gone meanwhile): skipped, and counted
    // for the build's closing message.
    int foldersUnreadable = 0;
};

// The Static dictionary built from the titles of the pictures in a folder and, breadth-first, its
// sub-folders (never thumbnail folders "xelthumb", never through symbolic links): each picture's
// file name becomes a title of source 'F', the pictures of a folder taken in name order so that
// a series gives its title once. The maximum is checked before each folder, so a folder is always
// read to its end and the dictionary may end above it.
class FolderBuild final
{
public:
    // Called before each folder and after every 500 entries read; false stops the reading.
    using Service = std::function<bool(const FolderBuildProgress &)>;

    explicit FolderBuild(Dictionary::DictionaryStore &store);

    void setIncludeSubfolders(bool include) { m_includeSubfolders = include; }
    // The highest entry number allowed before a folder is read (PSMaxDic).
    void setMaximum(int maximum) { m_maximum = maximum; }
    void setService(Service service) { m_service = std::move(service); }

    // MakeDic of folder with build mode Add or Replace, with the progress texts of the status bar.
    FolderBuildResult run(const QString &folder, Dictionary::BuildMode mode);

private:
    bool scan(const QString &folder);
    bool isFull() const;
    bool service();

    Dictionary::DictionaryStore &m_store;
    bool m_includeSubfolders = true;
    int m_maximum = 50000;
    Service m_service;
    FolderBuildProgress m_progress;
    int m_unreadable = 0;
    bool m_cancelled = false;
};

} // namespace Session
