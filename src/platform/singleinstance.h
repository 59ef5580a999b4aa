#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace Platform {

// Keeps the program to one running copy per executable path. The first copy holds a lock file
// and listens on a local socket; a later copy finds the lock taken, asks the first one to come
// to the front, tells it the folder it was started on, and ends. A copy that runs a command
// without a window only asks the first one which folder it works on, and refuses to run.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        // This is the only copy; it now holds the lock.
        First,
        // Another copy runs; it was asked to raise its window.
        OtherRunning,
        // The lock could not be created; errorString() says why.
        Failed,
    };

    // key: the executable's full path; folder: where the lock lives (the runtime folder
    // when empty).
    explicit SingleInstance(const QString &key, const QString &folder = {}, QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Contact {
        // The running copy is asked to raise its window.
        Raise,
        // The running copy is only asked for its folder (runningFolder()).
        AskFolder,
    };

    // folder: the folder this copy was started on, handed to the running copy when there is one.
    Outcome claim(const QString &folder = {}, Contact contact = Contact::Raise);
    QString errorString() const { return m_error; }
    // The folder this copy works on, told to later copies that ask.
    void setFolder(const QString &folder) { m_folder = folder; }
    // After claim() with Contact::AskFolder found another copy: the folder it works on, empty
    // when it works on none or did not answer.
    QString runningFolder() const { return m_runningFolder; }

Q_SIGNALS:
    // A later copy asked this one to show its window; folder is the one it was started on (empty
    // when none).
    void raiseRequested(const QString &folder);

private:
    QString m_name;
    QString m_lockPath;
    QString m_error;
    QString m_folder;
    QString m_runningFolder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace Platform
