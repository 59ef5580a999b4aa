#include "dictionary/dictionarystore.h"

#include "dictionary/pictitlerec.h"
#include "dictionary/texthelpers.h"

#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "records/damagedfile.h"
#include "records/nofollow.h"
#include "records/recordfile.h"
#include "settings/programsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace Dictionary {

using Records::FileError;
using Records::FileResult;
using Records::RecordFile;

namespace {

// The Static table starts with room for the largest dictionary the options allow; the Active one
// holds one folder's free texts.
constexpr int staticCapacity = 100000;
constexpr int activeCapacity = 500;
// Records of a long load between two yields to the window.
constexpr int recordsPerYield = 5000;
// The longest text a file record holds.
constexpr int fieldLength = 255;

bool isPlainLetter(QChar c)
{
    return c >= u'a' && c <= u'z';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A Static entry ends in a letter (an accented one counts), a digit or a '.'.
bool endsStaticEntry(QChar last)
{
    const QChar lower = last.toLower();
    const QChar c = isPlainLetter(lower) || isDigit(lower) || lower == u' ' ? lower : FoldAccent(lower);
    return isPlainLetter(c) || isDigit(c) || c == u'.';
}

// The number of whole records of a file. A file whose size is not a whole number of records was
// damaged outside the program: its bytes are kept beside it, then the broken tail is cut off (no
// one could read it) so that later appends stay on record boundaries, and damaged tells of it.
FileResult<qint64> wholeRecords(const RecordFile &file, std::optional<Records::DamagedFile> *damaged)
{
    damaged->reset();
    auto count = file.count();
    if (count || count.error().code != FileError::Code::Damaged)
        return count;
    auto cut = Records::cutDamagedTail(file.path(), file.recordSize());
    if (!cut)
        return Records::fail(cut.error());
    *damaged = *cut;
    return file.count();
}

// Writes bytes behind the first records of a file; a failed write is undone, so that the file
// never ends in a part of a record.
FileResult<void> appendAt(const QString &path, qint64 offset, const QByteArray &bytes)
{
    QFile file;
    if (auto opened = Records::openWithoutFollowing(file, path, QIODevice::ReadWrite | QIODevice::ExistingOnly);
        !opened)
        return opened;
    if (!file.seek(offset) || file.write(bytes) != bytes.size() || !file.flush()) {
        const QString message = file.errorString();
        file.resize(offset);
        return Records::fail(FileError{FileError::Code::WriteFailed, path, offset, message});
    }
    return {};
}

} // namespace

DictionaryStore::DictionaryStore(const QString &workFolder, Settings::ProgramSettings &programSettings,
                                 Platform::Dialogs &dialogs, const QString &programVersion, QObject *parent)
    : QObject(parent),
      m_workFolder(workFolder),
      m_programSettings(programSettings),
      m_dialogs(dialogs),
      m_programVersion(programVersion),
      m_staticCache(workFolder + u"LoadedDic.idx"_s),
      m_active(activeCapacity),
      m_static(staticCapacity)
{
}

DictionaryStore::~DictionaryStore() = default;

void DictionaryStore::setFolderFiles(const QString &activeDictionary, const QString &activeContextDictionary)
{
    m_activePath = activeDictionary;
    m_activeContextPath = activeContextDictionary;
}

QString DictionaryStore::dictionaryPath(DicIndex i_old_new) const
{
    return i_old_new == DicIndex::Active ? m_activePath : m_workFolder + u"LoadedDic.dat"_s;
}

QString DictionaryStore::contextPath(DicIndex TypeD) const
{
    return TypeD == DicIndex::Active ? m_activeContextPath : m_workFolder + u"ContextDic.dat"_s;
}

void DictionaryStore::report(const FileError &error)
{
    m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(error), Platform::Severity::Error});
}

void DictionaryStore::report(const Records::DamagedFile &damaged)
{
    m_dialogs.inform({L10n::title(), L10n::describe(damaged), Platform::Severity::Warning});
}

bool DictionaryStore::MakeDic(const QString &folder, DicIndex i_old_new)
{
    bool done = true;
    if (m_buildMode == BuildMode::Read) {
        std::optional<StaticCache::Source> source;
        if (i_old_new == DicIndex::Static) {
            source = StaticCache::sourceOf(dictionaryPath(DicIndex::Static));
            if (restoreStatic(source)) {
                ShowEntries();
                Q_EMIT progressShown(QString());
                return true;
            }
        }
        done = load(i_old_new);
        if (done && source) {
            finishBuild(i_old_new);
            m_staticCache.store(*source, m_static);
            return true;
        }
    } else {
        // Only the Static dictionary is built from a folder.
        if (i_old_new != DicIndex::Static)
            return false;
        done = buildStatic(folder);
    }
    finishBuild(i_old_new);
    return done;
}

bool DictionaryStore::buildStatic(const QString &folder)
{
    // What a build that is cancelled, or cannot replace the files, goes back to.
    const EntryTable savedTable = m_static;
    const ContextTable savedContext = m_staticContext;
    const int savedCount = m_staticCount;
    const RecordFile contextFile(contextPath(DicIndex::Static), ContextDicRec::size);
    const RecordFile staticFile(dictionaryPath(DicIndex::Static), PicTitleRec::size);
    const bool replace = m_buildMode == BuildMode::Replace;
    m_buildCancelled = false;
    m_contextFailed = false;
    m_contextReplacement.reset();
    if (replace) {
        auto replacement = std::make_unique<Records::AtomicFile>(contextFile.path());
        if (auto opened = replacement->open(); !opened) {
            report(opened.error());
            return false;
        }
        m_contextReplacement = std::move(replacement);
        m_staticContext.clear();
        TitleUnique(true, DicIndex::Static);
    }
    InitStaticDic();
    // An Add build appends to both files in place; a cancelled one cuts them back.
    const auto staticHeld = staticFile.count();
    const auto contextHeld = contextFile.count();
    bool done = m_folderScan && m_folderScan(folder);
    if (m_buildCancelled) {
        m_staticReplacement.reset();
        m_contextReplacement.reset();
        if (m_staticFile) {
            m_staticFile.reset();
            if (staticHeld)
                static_cast<void>(staticFile.truncate(*staticHeld));
        }
        if (!replace && contextHeld)
            static_cast<void>(contextFile.truncate(*contextHeld));
        m_staticFileFailed = false;
        m_contextFailed = false;
        m_static = savedTable;
        m_staticContext = savedContext;
        m_staticCount = savedCount;
        return true;
    }
    if (replace) {
        // The records first, then their whole titles: a failure of either keeps both old files.
        const bool contextWritten = m_contextReplacement && !m_contextFailed;
        if (!contextWritten)
            m_staticReplacement.reset();
        const bool recordsWritten = closeStaticDic();
        bool committed = false;
        if (recordsWritten && contextWritten) {
            const auto written = m_contextReplacement->commit();
            committed = bool(written);
            if (!written)
                report(written.error());
        }
        m_contextReplacement.reset();
        m_contextFailed = false;
        if (!committed) {
            m_static = savedTable;
            m_staticContext = savedContext;
            m_staticCount = savedCount;
            done = false;
        }
        return done;
    }
    ResetSizeContextDic(DicIndex::Static);
    closeStaticDic();
    return done;
}

bool DictionaryStore::restoreStatic(const std::optional<StaticCache::Source> &source)
{
    // A table made from the records alone: nothing may have been listed before the load.
    if (!source || !m_static.nothingListed())
        return false;
    InitStaticDic();
    int entries = 0;
    if (!m_staticCache.restore(*source, m_static, &entries))
        return false;
    m_staticCount += entries;
    return true;
}

void DictionaryStore::refreshStaticCache()
{
    DictionaryStore fresh(m_workFolder, m_programSettings, m_dialogs, m_programVersion);
    fresh.setBuildMode(BuildMode::Read);
    fresh.MakeDic(QString(), DicIndex::Static);
}

bool DictionaryStore::load(DicIndex i_old_new)
{
    if (i_old_new == DicIndex::Static) {
        InitStaticDic();
    } else {
        InitActiveDictionary();
        if (auto loaded = loadContext(DicIndex::Active); !loaded)
            report(loaded.error());
    }
    const RecordFile file(dictionaryPath(i_old_new), PicTitleRec::size);
    std::optional<Records::DamagedFile> damaged;
    if (auto count = wholeRecords(file, &damaged); !count) {
        report(count.error());
        return false;
    }
    if (damaged)
        report(*damaged);
    int examined = 0;
    const auto read = file.readEachWholeRecord([&](QByteArrayView bytes) {
        const PicTitleRec rec = PicTitleRec::fromBytes(bytes.toByteArray());
        ExamineTitle(rec.title, i_old_new, rec.source.isEmpty() ? QChar() : rec.source.at(0));
        if (++examined % recordsPerYield == 0 && m_yield)
            m_yield();
    });
    if (!read) {
        report(read.error());
        return false;
    }
    return true;
}

void DictionaryStore::finishBuild(DicIndex i_old_new)
{
    VulHulpDicTabel(i_old_new);
    // A folder build tells where it is; the scan told of the contents table.
    if (m_buildMode != BuildMode::Read && i_old_new == DicIndex::Static)
        Q_EMIT progressShown(L10n::text(297, " Building Dictionary from folder : creating index table.."));
    SortHulpDicTabel(i_old_new);
    ShowEntries();
    Q_EMIT progressShown(QString());
}

bool DictionaryStore::InitStaticDic()
{
    m_staticFile.reset();
    m_staticReplacement.reset();
    m_staticFileFailed = false;
    if (m_buildMode == BuildMode::Read) {
        m_static.clearEntries(staticCapacity);
        return true;
    }
    const QString path = dictionaryPath(DicIndex::Static);
    const RecordFile records(path, PicTitleRec::size);
    qint64 held = 0;
    if (m_buildMode == BuildMode::Replace) {
        m_staticCount = 0;
    } else {
        std::optional<Records::DamagedFile> damaged;
        auto count = wholeRecords(records, &damaged);
        if (!count && count.error().code != FileError::Code::NotFound) {
            report(count.error());
            m_staticFileFailed = true;
            return false;
        }
        if (damaged)
            report(*damaged);
        held = count ? *count : 0;
    }
    if (m_buildMode == BuildMode::Replace) {
        auto replacement = std::make_unique<Records::AtomicFile>(path);
        if (auto opened = replacement->open(); !opened) {
            report(opened.error());
            m_staticFileFailed = true;
            return false;
        }
        m_staticReplacement = std::move(replacement);
        m_static.clearEntries(staticCapacity);
        return true;
    }
    auto file = std::make_unique<QFile>();
    if (auto opened = Records::openWithoutFollowing(*file, path, QIODevice::ReadWrite); !opened) {
        report(opened.error());
        m_staticFileFailed = true;
        return false;
    }
    if (!file->seek(held * PicTitleRec::size)) {
        report(FileError{FileError::Code::OpenFailed, path, -1, file->errorString()});
        m_staticFileFailed = true;
        return false;
    }
    m_staticFile = std::move(file);
    if (m_buildMode == BuildMode::Add && held > 0)
        return true;
    m_static.clearEntries(staticCapacity);
    return true;
}

bool DictionaryStore::closeStaticDic()
{
    bool written = false;
    if (m_staticFile) {
        written = m_staticFile->flush();
        if (!written)
            report(FileError{FileError::Code::WriteFailed, dictionaryPath(DicIndex::Static), -1,
                             m_staticFile->errorString()});
    }
    m_staticFile.reset();
    if (m_staticReplacement) {
        auto committed = m_staticReplacement->commit();
        written = bool(committed);
        if (!committed)
            report(committed.error());
        m_staticReplacement.reset();
    }
    m_staticFileFailed = false;
    // The kept table of a file that did not change still holds.
    if (written)
        refreshStaticCache();
    return written;
}

void DictionaryStore::InitActiveDictionary()
{
    m_activeCount = 0;
    m_active.clearEntries(activeCapacity);
    m_firstUnindexed = 0;
    m_active.clearIndex();
}

bool DictionaryStore::InitContextDic(DicIndex TypeD, bool Empty, bool AddActive, int ActDicAction,
                                     const QStringList &pictureFreeTexts)
{
    const RecordFile file(contextPath(TypeD), ContextDicRec::size);
    ContextTable &table = contextOf(TypeD);
    if (AddActive) {
        // The new content is complete before it replaces the old file, so a failure keeps the
        // previous context dictionary.
        QList<QByteArray> records;
        for (const ContextDicRec &rec : m_activeContext.records())
            records.append(rec.toBytes());
        for (const QString &freeText : pictureFreeTexts) {
            if (!freeText.isEmpty())
                records.append(ContextDicRec{freeText, freeText.toLower()}.toBytes());
        }
        if (ActDicAction == 0) {
            for (const ContextDicRec &rec : m_staticContext.records())
                records.append(rec.toBytes());
        }
        if (auto written = file.rewrite(records); !written) {
            report(written.error());
            return false;
        }
        return true;
    }
    if (Empty) {
        if (auto created = file.create(); !created) {
            report(created.error());
            return false;
        }
        if (auto cut = file.truncate(0); !cut) {
            report(cut.error());
            return false;
        }
        table.clear();
        return true;
    }
    return loadContext(TypeD).has_value();
}

FileResult<void> DictionaryStore::loadContext(DicIndex TypeD)
{
    const RecordFile file(contextPath(TypeD), ContextDicRec::size);
    std::optional<Records::DamagedFile> damaged;
    if (auto count = wholeRecords(file, &damaged); !count)
        return Records::fail(count.error());
    if (damaged)
        report(*damaged);
    QList<ContextDicRec> records;
    const auto read = file.readEachWholeRecord(
        [&records](QByteArrayView bytes) { records.append(ContextDicRec::fromBytes(bytes.toByteArray())); });
    if (!read)
        return Records::fail(read.error());
    contextOf(TypeD).assign(std::move(records));
    return {};
}

bool DictionaryStore::CreateActiveDictionary()
{
    const auto created = Records::writeFileAtomically(m_activePath, QByteArray());
    if (!created)
        report(created.error());
    return bool(created);
}

bool DictionaryStore::CreateActiveContextDictionary()
{
    const auto created = Records::writeFileAtomically(m_activeContextPath, QByteArray());
    if (!created)
        report(created.error());
    return bool(created);
}

void DictionaryStore::ExamineTitle(const QString &Title, DicIndex i_old_new, QChar source)
{
    QString title = Title;
    const bool building = m_buildMode != BuildMode::Read;
    if (i_old_new == DicIndex::Static && building) {
        title = CleanFileTitle(title, false, source == u'F');
        // Consecutive pictures of one series clean to the same title; it is taken once.
        if (title.size() <= 1 || title == m_lastExaminedTitle)
            return;
        m_lastExaminedTitle = title;
        WriteContextDic(DicIndex::Static, title);
    } else if (title.size() <= 1) {
        return;
    }
    if (building) {
        WriteToDisk(title, source, i_old_new);
        // The loads at start-up leave the whole title out; its words and rests are entries.
        AddToDictionary(title, i_old_new);
    }
    if (source == u'F') {
        title.replace(u'-', u' ');
        title.replace(u'_', u' ');
    }
    while (!title.isEmpty()) {
        title = StripFirstWord(title);
        if (!title.isEmpty()) {
            AddToDictionary(title, i_old_new);
            if (!m_firstWord.isEmpty())
                AddToDictionary(m_firstWord, i_old_new);
        }
    }
}

QString DictionaryStore::StripFirstWord(const QString &Title)
{
    if (Title.isEmpty()) {
        m_firstWord.clear();
        return QString();
    }
    qsizetype space = Title.indexOf(u' ');
    if (space < 0)
        space = Title.size();
    m_firstWord = Title.left(space);
    qsizetype rest = space;
    while (rest < Title.size() && Title.at(rest) == u' ')
        ++rest;
    return Title.mid(rest);
}

void DictionaryStore::AddToDictionary(const QString &Sentence, DicIndex i_old_new)
{
    // The one-character test comes before any trimming: 'a,' still gives 'a'.
    if (Sentence.size() == 1)
        return;
    QString sentence = Sentence;
    if (i_old_new == DicIndex::Static) {
        while (!sentence.isEmpty() && !endsStaticEntry(sentence.back()))
            sentence.chop(1);
    } else {
        sentence = TrimSeparators(sentence);
    }
    if (sentence.isEmpty() || TitleUnique(false, i_old_new, sentence))
        return;
    if (i_old_new == DicIndex::Static) {
        ++m_staticCount;
    } else {
        ++m_activeCount;
        if (m_buildMode != BuildMode::Read)
            ShowEntries();
    }
    tableOf(i_old_new).append(sentence);
}

bool DictionaryStore::TitleUnique(bool init, DicIndex i_old_new, const QString &Sentence)
{
    EntryTable &table = tableOf(i_old_new);
    if (init) {
        table.clearListed();
        return false;
    }
    return table.listed(Sentence);
}

bool DictionaryStore::WriteToDisk(const QString &Title, QChar Source, DicIndex i_old_new)
{
    PicTitleRec rec;
    rec.title = Title;
    rec.version = m_programVersion;
    rec.source = Source.isNull() ? QString() : QString(Source);
    const QByteArray bytes = rec.toBytes();
    if (i_old_new == DicIndex::Static && m_staticReplacement) {
        const auto written = m_staticReplacement->write(bytes);
        if (written)
            return true;
        // One message for the build, not one per title; the old dictionary stays.
        report(written.error());
        m_staticReplacement.reset();
        m_staticFileFailed = true;
        return false;
    }
    if (i_old_new == DicIndex::Static && m_staticFile) {
        if (m_staticFile->write(bytes) == bytes.size())
            return true;
        // One message for the build, not one per title.
        report(FileError{FileError::Code::WriteFailed, dictionaryPath(DicIndex::Static), -1,
                         m_staticFile->errorString()});
        m_staticFile.reset();
        m_staticFileFailed = true;
        return false;
    }
    if (i_old_new == DicIndex::Static && m_staticFileFailed)
        return false;
    if (auto written = RecordFile(dictionaryPath(i_old_new), PicTitleRec::size).append(bytes); !written) {
        report(written.error());
        return false;
    }
    return true;
}

bool DictionaryStore::WriteContextDic(DicIndex TypeD, const QString &Title)
{
    // The record as the file will give it back, so that the table matches its file exactly.
    const ContextDicRec rec =
        ContextDicRec::fromBytes(ContextDicRec{Title.left(fieldLength), FoldText(Title.toLower()).left(fieldLength)}.toBytes());
    ContextTable &table = contextOf(TypeD);
    const RecordFile file(contextPath(TypeD), ContextDicRec::size);
    if (table.containsKey(rec.CTTitleLow))
        return true;
    if (TypeD == DicIndex::Static && (m_contextReplacement || m_contextFailed)) {
        if (m_contextFailed)
            return false;
        if (auto written = m_contextReplacement->write(rec.toBytes()); !written) {
            // One message for the build; the old context dictionary stays.
            report(written.error());
            m_contextReplacement.reset();
            m_contextFailed = true;
            return false;
        }
        table.append(rec);
        return true;
    }
    if (auto written = file.append(rec.toBytes()); !written) {
        report(written.error());
        return false;
    }
    table.append(rec);
    return true;
}

void DictionaryStore::ResetSizeContextDic(DicIndex TypeD)
{
    const auto count = RecordFile(contextPath(TypeD), ContextDicRec::size).count();
    if (count)
        contextOf(TypeD).truncate(*count);
}

void DictionaryStore::VulHulpDicTabel(DicIndex i_old_new)
{
    if (i_old_new == DicIndex::Static) {
        m_static.clearIndex();
        m_static.index(0);
        return;
    }
    m_active.index(m_firstUnindexed);
    m_firstUnindexed = m_active.highestIndex() + 1;
}

void DictionaryStore::SortHulpDicTabel(DicIndex i_old_new)
{
    tableOf(i_old_new).sortIndex();
}

int DictionaryStore::GetPicEl(WalkAction Action, const QString &Woord, DicIndex i_old_new)
{
    const std::vector<qint32> *bucket = nullptr;
    if (Action == WalkAction::First) {
        m_walkBucket = Woord.isEmpty() ? 36 : indexBucketOf(Woord.at(0));
        m_walkPosition = 0;
    } else {
        ++m_walkPosition;
    }
    bucket = &table(i_old_new).bucket(m_walkBucket);
    return m_walkPosition < qsizetype(bucket->size()) ? (*bucket)[size_t(m_walkPosition)] : -1;
}

void DictionaryStore::AddConfirmedFreeText(const QString &text)
{
    m_buildMode = BuildMode::Add;
    m_firstUnindexed = m_active.highestIndex() + 1;
    ExamineTitle(text, DicIndex::Active, u'N');
    VulHulpDicTabel(DicIndex::Active);
    SortHulpDicTabel(DicIndex::Active);
}

void DictionaryStore::UpdateActDicAction(int ActDicAction)
{
    Settings::ProgramSettingsRec &rec = m_programSettings.rec();
    if (rec.PSActDicAction == ActDicAction)
        return;
    rec.PSActDicAction = ActDicAction;
    if (auto written = m_programSettings.UpdateFPSM(); !written)
        m_dialogs.status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
}

bool DictionaryStore::SaveActDicContents(int ActDicAction, const QStringList &pictureFreeTexts)
{
    if (ActDicAction == 2) {
        m_activeCount = 0;
        return true;
    }
    // Everything that can fail before a file changes is done first.
    QByteArray activeRecords;
    const auto read = RecordFile(m_activePath, PicTitleRec::size).readEachWholeRecord([&activeRecords](QByteArrayView record) {
        activeRecords.append(record);
    });
    if (!read) {
        report(read.error());
        return false;
    }
    const QString staticPath = dictionaryPath(DicIndex::Static);
    qint64 staticRecords = 0;
    if (ActDicAction == 0) {
        const RecordFile file(staticPath, PicTitleRec::size);
        std::optional<Records::DamagedFile> damaged;
        auto count = wholeRecords(file, &damaged);
        if (!count) {
            report(count.error());
            return false;
        }
        if (damaged)
            report(*damaged);
        staticRecords = *count;
    }
    if (!InitContextDic(DicIndex::Static, true, true, ActDicAction, pictureFreeTexts))
        return false;
    // The records go over byte for byte, as the Active dictionary's file holds them.
    auto written = ActDicAction == 1 ? Records::writeFileAtomically(staticPath, activeRecords)
                                     : appendAt(staticPath, staticRecords * PicTitleRec::size, activeRecords);
    if (!written) {
        report(written.error());
        return false;
    }
    m_staticCount = ActDicAction == 1 ? m_activeCount : m_staticCount + m_activeCount;
    m_activeCount = 0;
    ShowEntries();
    refreshStaticCache();
    return true;
}

bool DictionaryStore::ClearActiveDictionary()
{
    Platform::Question question;
    question.caption = L10n::standard(L10n::Standard::Confirm);
    question.lines = {L10n::text(353, "Erase entries of Active Dictionary ?")};
    question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::Cancel)};
    question.defaultButton = 0;
    question.escapeButton = 1;
    question.severity = Platform::Severity::Warning;
    if (m_dialogs.ask(question).button != 0)
        return false;
    const bool emptied = CreateActiveDictionary();
    InitActiveDictionary();
    InitContextDic(DicIndex::Active, true, false, -1);
    TitleUnique(true, DicIndex::Active);
    ShowEntries();
    return emptied;
}

void DictionaryStore::ConvertDic(DicIndex i_old_new)
{
    const QString path = dictionaryPath(i_old_new);
    const QFileInfo info(path);
    if (!info.exists() || info.isDir() || info.size() == 0)
        return;
    const QString shown = QDir::toNativeSeparators(path);
    const auto failed = [&] {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), shown + L10n::text(1100, " NOT succesfully converted"),
                          Platform::Severity::Error});
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failed();
        return;
    }
    const QByteArray content = file.readAll();
    file.close();
    if (content.size() != info.size()) {
        failed();
        return;
    }
    // A file of the current format starts with its marker ":", which reads as an old record
    // holding ":"; no title starts with ':', a character file names cannot hold.
    if (content.startsWith(QByteArrayView("\x01:", 2)))
        return;
    QList<PicTitleRecOld> old;
    for (qsizetype at = 0; at + PicTitleRecOld::size <= content.size(); at += PicTitleRecOld::size) {
        old.append(PicTitleRecOld::fromBytes(content.mid(at, PicTitleRecOld::size)));
        if (old.back().title.startsWith(u':'))
            return;
    }
    // A file of the first format with a broken tail is converted with its whole records, once its
    // bytes are kept beside it; left as it was, it would be cut into records of the current size
    // that hold no titles, and fail to convert at every start.
    std::optional<Records::DamagedFile> damaged;
    if (content.size() % PicTitleRecOld::size != 0) {
        auto kept = Records::keepIfDamaged(path, PicTitleRecOld::size);
        if (!kept) {
            m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                              shown + L10n::text(1100, " NOT succesfully converted") + u'\n' + L10n::describe(kept.error()),
                              Platform::Severity::Error});
            return;
        }
        damaged = *kept;
    }
    QList<QByteArray> records;
    records.reserve(old.size());
    for (const PicTitleRecOld &rec : std::as_const(old)) {
        PicTitleRec converted;
        converted.title = rec.title;
        converted.version = m_programVersion;
        converted.source = u"A"_s;
        records.append(converted.toBytes());
    }
    if (!RecordFile(path, PicTitleRec::size).rewrite(records)) {
        failed();
        return;
    }
    if (damaged) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Information),
                          shown + L10n::text(1101, " succesfully converted") + u'\n' + L10n::describe(*damaged),
                          Platform::Severity::Warning});
        return;
    }
    m_dialogs.inform({L10n::standard(L10n::Standard::Information), shown + L10n::text(1101, " succesfully converted"),
                      Platform::Severity::Information});
}

void DictionaryStore::ShowEntries()
{
    m_entriesText = L10n::text(106, " Entries in Active dictionary : ") + QString::number(m_activeCount)
                    + L10n::text(107, ", entries in Static dictionary : ") + QString::number(m_staticCount);
    Q_EMIT entriesShown(m_entriesText);
}

QList<CompletionLine> DictionaryStore::completions(const QString &searchWord, int maxHits) const
{
    QList<CompletionLine> lines;
    if (searchWord.isEmpty())
        return lines;
    const QString key = FoldEdgeLetter(FoldText(searchWord.toLower()), Edge::First);
    if (key.isEmpty())
        return lines;
    const int bucketNumber = indexBucketOf(key.at(0));
    int count = 0;
    QString previousKey;
    for (const DicIndex dictionary : {DicIndex::Active, DicIndex::Static}) {
        if (count > maxHits)
            break;
        const EntryTable &entries = table(dictionary);
        const std::vector<qint32> &bucket = entries.bucket(bucketNumber);
        // The keys below the typed one form a leading run of the sorted bucket: skip it at once.
        for (size_t at = size_t(entries.firstCandidate(bucketNumber, key)); at < bucket.size() && count <= maxHits;
             ++at) {
            const DicTitleRec &entry = entries.entry(bucket[at]);
            const int order = QStringView(entry.DicTitleLow).left(key.size()).compare(key);
            if (order > 0)
                break;
            if (order == 0 && entry.DicTitleLow != previousKey) {
                ++count;
                previousKey = entry.DicTitleLow;
                lines.append({entry.DicTitle, dictionary == DicIndex::Active});
            }
        }
    }
    return lines;
}

ContextHits DictionaryStore::contextHits(const QString &searchWord, const QStringList &pictureFreeTexts,
                                         int maxHits) const
{
    ContextHits hits;
    const QString key = FoldText(searchWord.toLower());
    QSet<QString> listed;
    // Keys written from the session's free texts at the end of a folder are only lower-cased;
    // folding them here keeps the search accent-insensitive for those records too.
    for (const ContextDicRec &rec : m_activeContext.records()) {
        if (hits.lines.size() >= maxHits)
            break;
        ++hits.activeCount;
        const QList<int> found = FindAllOccurrences(FoldText(rec.CTTitleLow), key);
        if (!found.isEmpty()) {
            hits.lines.append({rec.CTTitle, true, found});
            listed.insert(rec.CTTitle);
        }
    }
    for (const QString &freeText : pictureFreeTexts) {
        if (hits.lines.size() >= maxHits)
            break;
        if (freeText.isEmpty() || listed.contains(freeText))
            continue;
        ++hits.activeCount;
        const QList<int> found = FindAllOccurrences(FoldText(freeText.toLower()), key);
        if (!found.isEmpty()) {
            hits.lines.append({freeText, true, found});
            listed.insert(freeText);
        }
    }
    for (const ContextDicRec &rec : m_staticContext.records()) {
        if (hits.lines.size() >= maxHits)
            break;
        const QList<int> found = FindAllOccurrences(FoldText(rec.CTTitleLow), key);
        if (!found.isEmpty())
            hits.lines.append({rec.CTTitle, false, found});
    }
    hits.staticCount = int(m_staticContext.size());
    return hits;
}

} // namespace Dictionary
