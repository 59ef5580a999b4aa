#pragma once

#include <QString>

namespace Storage {

// What storage management has to work with, as the setup left it.
struct StorageSetupState
{
    int levels = 0;
    int subjectPosition = 0;
    QString mainFolder;
    bool mainFolderExists = false;

    // Set up, with a main folder that is still there: the only state in which storage works.
    bool isReady() const { return levels > 0 && !mainFolder.isEmpty() && mainFolderExists; }
    // "Only use subject" is offered only by a scheme with a subject level.
    bool offersOnlySubject() const { return levels > 0 && subjectPosition > 0; }
};

// Why "Use Picture Storage Management" cannot stay on; each asks whether to run the setup.
enum class SetupQuestion {
    None,
    MainFolderLost,
    NotSetUpCorrectly,
    MainFolderMissing,
    NotSetUp,
};

// The question for a state; None while storage management is ready.
SetupQuestion setupQuestion(const StorageSetupState &state);
// The text of a question (OK runs the setup, Cancel leaves storage management off).
QString setupQuestionText(SetupQuestion question, const QString &mainFolder);

// The main window's two storage switches of the session and the rules that tie them together.
class StorageSwitches final
{
public:
    bool useStorage() const { return m_useStorage; }
    bool onlySubject() const { return m_onlySubject; }

    // Switching "Use Picture Storage Management" on: it stays on only while storage management
    // is ready; otherwise it goes off again and the question says why. Off is always accepted.
    SetupQuestion setUseStorage(bool on, const StorageSetupState &state);
    // "Only use subject" can be on only while it is offered.
    void setOnlySubject(bool on, const StorageSetupState &state);
    // Leaving "Use Picture Storage Management" while it is off takes "Only use subject" off too.
    void useStorageLeft();
    // A resumed session: both off while storage management is not set up; "Use Picture Storage
    // Management" off too while its main folder is unset or missing, with the question that tells
    // why (None when nothing was turned off); "Only use subject" only while offered.
    SetupQuestion restore(bool useStorage, bool onlySubject, const StorageSetupState &state);

    static bool onlySubjectVisible(const StorageSetupState &state) { return state.offersOnlySubject(); }
    // The subject column and commands are shown while storage is on with a subject level.
    bool subjectControlsVisible(const StorageSetupState &state) const
    {
        return m_useStorage && state.subjectPosition > 0;
    }

private:
    bool m_useStorage = false;
    bool m_onlySubject = false;
};

} // namespace Storage
