#pragma once

#include "dictionary/completionsource.h"
#include "dictionary/contexttable.h"
#include "dictionary/entrytable.h"
#include "dictionary/staticcache.h"

#include "records/fileerror.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QFile;

namespace Records {
class AtomicFile;
struct DamagedFile;
}

namespace Platform {
class Dialogs;
}
namespace Settings {
class ProgramSettings;
}

namespace Dictionary {

// The two dictionaries, addressed by i_old_new in every operation; also the two context
// dictionaries (TypeD "A" and "S").
enum class DicIndex { Active = 0, Static = 1 };

// Read while the dictionaries are loaded from their files, Add or Replace while a dictionary is
// built or extended.
enum class BuildMode { Read, Add, Replace };

enum class WalkAction { First, Next };

// The Active dictionary of the open picture folder (MrlActiveDic.dat, MrlAContextDic.dat) and the
// user's Static dictionary (LoadedDic.dat, ContextDic.dat in the work folder): their files, the
// entries made from titles and free texts, the first-character index the completion search walks
// and the context tables of whole texts.
//
// Files are opened for one operation and closed again, except LoadedDic.dat, which a build keeps
// open from InitStaticDic until closeStaticDic. A file operation that fails is shown with the
// file's path and the store goes on with its tables in memory.
class DictionaryStore final : public QObject, public CompletionSource
{
    Q_OBJECT

public:
    // workFolder ends in '/'. programVersion goes into every dictionary record written.
    DictionaryStore(const QString &workFolder, Settings::ProgramSettings &programSettings, Platform::Dialogs &dialogs,
                    const QString &programVersion, QObject *parent = nullptr);
    ~DictionaryStore() override;

    // The files of the picture folder's Active dictionary, known once the session opens.
    void setFolderFiles(const QString &activeDictionary, const QString &activeContextDictionary);
    QString dictionaryPath(DicIndex i_old_new) const;
    QString contextPath(DicIndex TypeD) const;

    BuildMode buildMode() const { return m_buildMode; }
    void setBuildMode(BuildMode mode) { m_buildMode = mode; }
    const QString &lastExaminedTitle() const { return m_lastExaminedTitle; }
    // A new build starts without a previous title: its first title is never taken for the
    // last one of an earlier build.
    void forgetLastExaminedTitle() { m_lastExaminedTitle.clear(); }

    // The folder scan of a Static build (build mode Add or Replace): examines the titles of the
    // folder's pictures; false when it was stopped by a failure.
    using FolderScan = std::function<bool(const QString &folder)>;
    void setFolderScan(FolderScan scan) { m_folderScan = std::move(scan); }
    // Called by the folder scan when the user stopped it: the build ends with LoadedDic.dat,
    // ContextDic.dat and the Static tables exactly as they were before it began.
    void cancelBuild() { m_buildCancelled = true; }
    // Called every so many records of a long load, so that the window stays responsive.
    void setYield(std::function<void()> yield) { m_yield = std::move(yield); }

    // MakeDic: with build mode Read, loads a dictionary from its file (the Active one with its
    // context table); otherwise builds the Static dictionary from folder through the folder scan.
    // Ends with the index built and sorted and ShowEntries. False when the file could not be read.
    // A build that replaces the dictionary writes both its files anew beside the old ones, which
    // they replace only once the scan is complete; a cancelled build leaves everything as it was.
    bool MakeDic(const QString &folder, DicIndex i_old_new);
    // Prepares LoadedDic.dat and the Static entry table for the build mode.
    bool InitStaticDic();
    // Ends a build's hold on LoadedDic.dat; true when the build's records are in it.
    bool closeStaticDic();
    void InitActiveDictionary();
    // Loads (or with Empty: empties) a context dictionary; with AddActive rewrites ContextDic.dat
    // from the active context table, the picture free texts and, when ActDicAction is 0, the static
    // context table, leaving the tables in memory as they are. False on any failure.
    bool InitContextDic(DicIndex TypeD, bool Empty, bool AddActive, int ActDicAction,
                        const QStringList &pictureFreeTexts = {});
    bool CreateActiveDictionary();
    bool CreateActiveContextDictionary();

    // Turns one title into entries and, while building, into file and context records.
    // source: 'F', 'C', 'N' or 'A'.
    void ExamineTitle(const QString &Title, DicIndex i_old_new, QChar source);
    // The title without its first word; the first word is left in firstWord().
    QString StripFirstWord(const QString &Title);
    const QString &firstWord() const { return m_firstWord; }
    // Cleans Sentence and appends it as an entry unless it is already known.
    void AddToDictionary(const QString &Sentence, DicIndex i_old_new);
    // With init: empties the duplicate-check list. Otherwise true when Sentence was listed
    // before; when not, it is listed now and the result is false.
    bool TitleUnique(bool init, DicIndex i_old_new, const QString &Sentence = {});
    // Appends one record to the dictionary's file.
    bool WriteToDisk(const QString &Title, QChar Source, DicIndex i_old_new);
    // Appends a context record unless its key is present; false when the file failed.
    bool WriteContextDic(DicIndex TypeD, const QString &Title);
    // Cuts a context table to the record count of its file.
    void ResetSizeContextDic(DicIndex TypeD);
    // Puts entries into the first-character index: all of them for the Static dictionary, the
    // Active ones from the first unindexed entry on.
    void VulHulpDicTabel(DicIndex i_old_new);
    // Sorts every index bucket by comparison key.
    void SortHulpDicTabel(DicIndex i_old_new);
    // Walks the index bucket of Woord's first character (Woord is a comparison key): the entry
    // number at the walk's position, -1 past the last one. One walk at a time.
    int GetPicEl(WalkAction Action, const QString &Woord, DicIndex i_old_new);

    // A free text confirmed in stage 2 goes into the Active dictionary and its file at once.
    void AddConfirmedFreeText(const QString &text);
    // Remembers the end-of-folder action (0 add, 1 replace, 2 erase) in the program settings.
    void UpdateActDicAction(int ActDicAction);
    // Carries the Active dictionary into the Static dictionary when a folder is finished (0 add,
    // 1 replace, 2 erase). False when a file failed (the user was told): the Active dictionary's
    // files must then stay, or their entries are lost.
    bool SaveActDicContents(int ActDicAction, const QStringList &pictureFreeTexts);
    // The menu command: asks, then empties the Active dictionary and its context dictionary.
    // True when they were emptied.
    bool ClearActiveDictionary();
    // Converts a dictionary file of the first format, telling the user the outcome. One with a
    // broken tail is converted with its whole records once its bytes are kept beside it.
    void ConvertDic(DicIndex i_old_new);
    // Shows the entry counts (entriesShown).
    void ShowEntries();
    const QString &entriesText() const { return m_entriesText; }

    QList<CompletionLine> completions(const QString &searchWord, int maxHits) const override;
    ContextHits contextHits(const QString &searchWord, const QStringList &pictureFreeTexts, int maxHits) const override;

    const EntryTable &table(DicIndex i_old_new) const { return i_old_new == DicIndex::Active ? m_active : m_static; }
    const ContextTable &contextTable(DicIndex TypeD) const
    {
        return TypeD == DicIndex::Active ? m_activeContext : m_staticContext;
    }
    // The entries added since the count was last reset; for display only.
    int entryCount(DicIndex i_old_new) const { return i_old_new == DicIndex::Active ? m_activeCount : m_staticCount; }
    int firstUnindexedEntry() const { return m_firstUnindexed; }

Q_SIGNALS:
    // ShowEntries: the text for the entry-count panel of the status bar.
    void entriesShown(const QString &text);
    // A text for the progress panel of the status bar; empty clears it.
    void progressShown(const QString &text);

private:
    EntryTable &tableOf(DicIndex i_old_new) { return i_old_new == DicIndex::Active ? m_active : m_static; }
    ContextTable &contextOf(DicIndex TypeD) { return TypeD == DicIndex::Active ? m_activeContext : m_staticContext; }
    bool load(DicIndex i_old_new);
    // The folder build of MakeDic in build mode Add or Replace.
    bool buildStatic(const QString &folder);
    // The Static dictionary from the copy the last load kept; false when there is none for the
    // file as it is now.
    bool restoreStatic(const std::optional<StaticCache::Source> &source);
    // After the program changed LoadedDic.dat: loads it afresh, apart from the table in use, so
    // that the next start-up finds its copy.
    void refreshStaticCache();
    Records::FileResult<void> loadContext(DicIndex TypeD);
    void finishBuild(DicIndex i_old_new);
    void report(const Records::FileError &error);
    // A damaged file that goes on with its whole records, its bytes kept beside it.
    void report(const Records::DamagedFile &damaged);

    QString m_workFolder;
    QString m_activePath;
    QString m_activeContextPath;
    Settings::ProgramSettings &m_programSettings;
    Platform::Dialogs &m_dialogs;
    QString m_programVersion;
    StaticCache m_staticCache;
    FolderScan m_folderScan;
    std::function<void()> m_yield;

    EntryTable m_active;
    EntryTable m_static;
    ContextTable m_activeContext;
    ContextTable m_staticContext;
    int m_activeCount = 0;
    int m_staticCount = 0;
    int m_firstUnindexed = 0;
    BuildMode m_buildMode = BuildMode::Read;
    QString m_lastExaminedTitle;
    QString m_firstWord;
    QString m_entriesText;
    // LoadedDic.dat while a build holds it open; a build whose file failed writes no records.
    // The Static dictionary as a build adds to it, or as a build that replaces it writes it anew:
    // the new file takes the old one's place only when the build is complete.
    std::unique_ptr<QFile> m_staticFile;
    std::unique_ptr<Records::AtomicFile> m_staticReplacement;
    bool m_staticFileFailed = false;
    // ContextDic.dat as a folder build that replaces it writes it anew, the same way.
    std::unique_ptr<Records::AtomicFile> m_contextReplacement;
    bool m_contextFailed = false;
    bool m_buildCancelled = false;
    int m_walkBucket = 36;
    qsizetype m_walkPosition = 0;
};

} // namespace Dictionary
