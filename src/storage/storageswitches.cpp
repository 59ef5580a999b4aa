#include "storage/storageswitches.h"

#include "l10n/text.h"

namespace Storage {

SetupQuestion setupQuestion(const StorageSetupState &state)
{
    if (state.isReady())
        return SetupQuestion::None;
    if (state.mainFolder.isEmpty())
        return state.levels > 0 ? SetupQuestion::MainFolderLost : SetupQuestion::NotSetUp;
    return state.mainFolderExists ? SetupQuestion::NotSetUpCorrectly : SetupQuestion::MainFolderMissing;
}

QString setupQuestionText(SetupQuestion question, const QString &mainFolder)
{
    switch (question) {
    case SetupQuestion::None:
        return {};
    case SetupQuestion::MainFolderLost:
        return L10n::text(358, "The file 'MainFolder.dat' got lost, you have to re-run the Picture Storage "
                               "Management Setup");
    case SetupQuestion::NotSetUp:
        return L10n::text(359, "Picture Storage Management has not been set up, run Setup now?");
    case SetupQuestion::MainFolderMissing:
        return L10n::text(360, "Your main picture storage folder '") + mainFolder
            + L10n::text(361, "' does not exist anymore.") + u'\n'
            + L10n::text(362, "Run Setup Picture Storage Management now?");
    case SetupQuestion::NotSetUpCorrectly:
        return L10n::text(363, "Picture Storage Management has not been set up correctly, run Setup now?");
    }
    return {};
}

SetupQuestion StorageSwitches::setUseStorage(bool on, const StorageSetupState &state)
{
    if (!on) {
        m_useStorage = false;
        return SetupQuestion::None;
    }
    const SetupQuestion question = setupQuestion(state);
    m_useStorage = question == SetupQuestion::None;
    return question;
}

void StorageSwitches::setOnlySubject(bool on, const StorageSetupState &state)
{
    m_onlySubject = on && state.offersOnlySubject();
}

void StorageSwitches::useStorageLeft()
{
    if (!m_useStorage)
        m_onlySubject = false;
}

SetupQuestion StorageSwitches::restore(bool useStorage, bool onlySubject, const StorageSetupState &state)
{
    const bool setUp = state.levels > 0;
    m_useStorage = useStorage && state.isReady();
    m_onlySubject = setUp && onlySubject && state.offersOnlySubject();
    return useStorage && setUp && !m_useStorage ? setupQuestion(state) : SetupQuestion::None;
}

} // namespace Storage
