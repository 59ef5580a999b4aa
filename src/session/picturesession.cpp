#include "session/picturesession.h"

#include "session/folderscan.h"
#include "session/previoustitles.h"
#include "session/subjectsource.h"

#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "records/damagedfile.h"
#include "records/nofollow.h"
#include "records/recordfile.h"

#include <QFile>
#include <QTimer>

#include <cstring>

#include <utility>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Session {

using L10n::text;

PictureSession::PictureSession(Platform::Dialogs &dialogs, SubjectSource &subjects, QObject *parent)
    : QObject(parent), m_dialogs(dialogs), m_subjects(subjects)
{
}

PictureSession::~PictureSession() = default;

void PictureSession::setFolder(const QString &pictureFolder, const QString &programVersion)
{
    m_folder = pictureFolder;
    m_version = programVersion;
    m_titleFile = TitleFile(folderFile(u"MrlSGTitle2.dat"_s));
}

QStringList PictureSession::freeTexts() const
{
    QStringList texts;
    texts.reserve(m_rows.size());
    for (const PictureRow &picture : m_rows)
        texts.append(picture.freeText);
    return texts;
}

QString PictureSession::folderFile(const QString &name) const
{
    // The root's work files sit directly below it: "/" + name, never "//" + name.
    return (m_folder == u"/"_s ? QString() : m_folder) + u'/' + name;
}

QString PictureSession::deletionMarkText()
{
    return text(776, "[Marked for deletion]");
}

void PictureSession::retranslate()
{
    const QString mark = deletionMarkText();
    for (PictureRow &row : m_rows) {
        if (row.markedForDeletion)
            row.freeText = mark;
    }
    if (!m_rows.isEmpty())
        Q_EMIT rowsChanged(0, int(m_rows.size()) - 1);
}

void PictureSession::InitSGTitle()
{
    Q_EMIT tableAboutToBeRebuilt();
    m_rows.clear();
    m_subjectColumn = 3;
    m_freeTextColumn = 4;
    Q_EMIT tableRebuilt();
    SetSubjSGTitle(false);
}

QString PictureSession::headerTitle(int column, int subjectColumn)
{
    switch (column) {
    case NumberColumn:
        return u" #"_s;
    case MarkerColumn:
        return u"Sel"_s;
    case TitleColumn:
        return text(40, "Current title");
    case PrefixColumn:
        return text(243, "Prefix");
    case SuffixColumn:
        return text(244, "Suffix");
    case 3:
    case 4:
        return column == subjectColumn ? text(42, "Subject") : text(41, "Free text element of new title");
    default:
        return {};
    }
}

QString PictureSession::shownHeaderTitle(int column, int subjectColumn)
{
    constexpr qsizetype longestOnOneLine = 30;
    QString title = headerTitle(column, subjectColumn);
    if (title.size() <= longestOnOneLine)
        return title;
    const qsizetype middle = title.size() / 2;
    qsizetype best = -1;
    for (qsizetype i = 0; i < title.size(); ++i) {
        if (title.at(i) == u' ' && (best < 0 || qAbs(i - middle) < qAbs(best - middle)))
            best = i;
    }
    if (best > 0)
        title[best] = u'\n';
    return title;
}

void PictureSession::SetSubjSGTitle(bool subjectsOn)
{
    const int wanted = subjectsOn ? 3 : 4;
    if (m_subjectColumn == wanted)
        return;
    std::swap(m_subjectColumn, m_freeTextColumn);
    Q_EMIT subjectColumnMoved();
}

bool PictureSession::isColumnShown(int column) const
{
    if (column >= ErrorColumn)
        return false;
    return column != m_subjectColumn || m_subjectColumn == 3;
}

QString PictureSession::cell(int rowIndex, int column) const
{
    const PictureRow &r = m_rows.at(rowIndex);
    if (column == m_subjectColumn)
        return r.subject;
    if (column == m_freeTextColumn)
        return r.freeText;
    switch (column) {
    case NumberColumn:
        return QString::number(rowIndex + 1);
    case MarkerColumn:
        return r.marker;
    case TitleColumn:
        return r.currentTitle;
    case PrefixColumn:
        return r.prefix;
    case SuffixColumn:
        return r.suffix;
    case ErrorColumn:
        return r.errorCode;
    case SubjectIndexColumn:
        return QString::number(r.subjectIndex);
    case DeletionColumn:
        return r.markedForDeletion ? u"1"_s : u"0"_s;
    default:
        return {};
    }
}

void PictureSession::fillRow(PictureRow *row, const SGTitleRec &record, int index)
{
    row->marker = record.STSelect;
    if (record.STSelect == Marker::selected || record.STSelect == Marker::erroneous)
        ++m_selectedCount;
    row->freeText = record.STNew;
    row->prefix = record.STPrefix;
    row->suffix = record.STSuffix;
    row->errorCode = record.STError;
    row->markedForDeletion = record.STMarkDelete;
    if (record.STMarkDelete)
        row->freeText = deletionMarkText();

    const int subjectIndex = record.STSubjIndex;
    if (subjectIndex < 0) {
        row->subjectIndex = subjectIndex;
    } else if (subjectIndex >= m_subjects.count()) {
        row->subjectIndex = -1;
        m_subjectsLost = true;
    } else {
        row->subjectIndex = subjectIndex;
        row->subject = m_subjects.subject(subjectIndex);
        if (m_subjects.isRemoved(subjectIndex)) {
            const int active = m_subjects.activeIndexOf(row->subject.toLower());
            if (active >= 0)
                row->subjectIndex = active;
            else
                m_subjects.reactivate(subjectIndex);
        }
    }
    if (record.STStage2) {
        m_stage2Row = index;
        m_editMode = record.STEditAll ? EditMode::All : EditMode::Single;
    }
    if (record.STSelect == Marker::erroneous)
        m_correctionMode = true;
}

bool PictureSession::FillSGTitle(bool checkOnMissing, const std::function<void()> &yield)
{
    Q_EMIT tableAboutToBeRebuilt();
    m_selectedCount = 0;
    m_subjectsLost = false;
    m_stage2Row.reset();
    m_rows.clear();

    m_fillError.clear();
    QList<SGTitleRec> previous;
    std::optional<Records::DamagedFile> damaged;
    // The title file holds every row as it stands, in a fresh session too once the first fill
    // wrote it: a rebuild after a run keeps what was typed for the pictures still in the folder.
    // A fresh session's first fill finds it empty, or not there yet.
    if (!m_fresh || m_titleFile.exists()) {
        auto contents = m_titleFile.readAll();
        if (!contents) {
            // Rewriting the title file now would lose the previous session for good.
            m_fillError = L10n::describe(contents.error());
            Q_EMIT tableRebuilt();
            return false;
        }
        previous = std::move(contents->records);
        if (contents->damaged) {
            // The rewrite below drops the broken tail: its bytes are kept beside it first.
            auto kept = Records::keepIfDamaged(m_titleFile.path(), SGTitleRec::size);
            if (!kept) {
                m_fillError = L10n::describe(kept.error());
                Q_EMIT tableRebuilt();
                return false;
            }
            damaged = *kept;
        }
    }
    QStringList previousTitles;
    previousTitles.reserve(previous.size());
    for (SGTitleRec &record : previous)
        previousTitles.append(std::exchange(record.STOld, QString()));
    PreviousTitles index(previousTitles);

    PictureFolderScan scan = scanPictureFolder(m_folder, yield, m_mediaOptions);
    const QStringList &names = scan.names;
    m_notUtf8Names = scan.notUtf8;
    m_pairLeaders = std::move(scan.pairLeaders);
    const QList<int> matches = index.match(names);
    m_rows.resize(names.size());
    for (int i = 0; i < names.size(); ++i) {
        if (yield && i % 500 == 499)
            yield();
        PictureRow &row = m_rows[i];
        row.currentTitle = names.at(i);
        if (matches.at(i) >= 0)
            fillRow(&row, previous.at(matches.at(i)), i);
    }
    Q_EMIT tableRebuilt();
    ShowSelectedPictures(m_selectedCount);
    m_missingTitles = checkOnMissing ? index.CheckInPrevNotInCurrent() : 0;
    const bool written = WriteFSGTitle();
    // In a box: the notice names a file the user may want to look at, and nothing that follows
    // at the start may take its place.
    if (written && damaged)
        m_dialogs.inform({L10n::title(), L10n::describe(*damaged), Platform::Severity::Warning});
    if (m_subjectsLost) {
        m_dialogs.inform({L10n::title(),
                          text(340, "Some or all assigned subjects got lost!") + u'\n'
                              + text(341, "This probably happened because the Subject file in the folder Mirelto is "
                                          "installed in was deleted (Uninstall?).")
                              + u'\n'
                              + text(342, "At the same time, the current session that was resumed, had pictures in it "
                                          "that were assigned a subject")
                              + u'\n'
                              + text(343, "You will have to add the missing subjects and re-assign those subjects."),
                          Platform::Severity::Error});
    }
    return written;
}

SGTitleRec PictureSession::WriteFSGTitleRec(int rowIndex, bool stage2, bool editAll) const
{
    const PictureRow &row = m_rows.at(rowIndex);
    SGTitleRec record;
    record.STSelect = row.marker;
    record.STOld = row.currentTitle;
    record.STNew = row.freeText;
    record.STError = row.errorCode.left(1);
    record.STSubjIndex = row.subjectIndex;
    record.STStage2 = stage2;
    record.STEditAll = editAll;
    record.STVersion = m_version;
    record.STPrefix = row.prefix;
    record.STSuffix = row.suffix;
    record.STMarkDelete = row.markedForDeletion;
    return record;
}

void PictureSession::beginRecordUpdates()
{
    m_inRecordUpdates = true;
    auto file = std::make_unique<QFile>();
    const qint64 size = qint64(m_rows.size()) * SGTitleRec::size;
    const QIODevice::OpenMode mode = QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered;
    if (!Records::openWithoutFollowing(*file, m_titleFile.path(), mode) || file->size() != size)
        return;
    // The records overwrite bytes the file holds already, so storing them needs no new room.
    m_titleMap = size > 0 ? file->map(0, size) : nullptr;
    m_titleMapRecords = m_titleMap ? qint64(m_rows.size()) : 0;
    m_openTitleFile = std::move(file);
}

void PictureSession::endRecordUpdates()
{
    if (m_titleMap)
        m_openTitleFile->unmap(m_titleMap);
    m_titleMap = nullptr;
    m_titleMapRecords = 0;
    m_openTitleFile.reset();
    m_inRecordUpdates = false;
    allowUpdateFailureBoxOnNextTurn();
}

void PictureSession::allowUpdateFailureBoxOnNextTurn()
{
    if (!m_updateFailureShown)
        return;
    // Whatever else the command writes runs before the event loop's next turn.
    QTimer::singleShot(0, this, [this] {
        if (!m_inRecordUpdates)
            m_updateFailureShown = false;
    });
}

bool PictureSession::UpdateFSGTitleRec(int rowIndex, bool stage2, bool editAll)
{
    Q_EMIT rowsChanged(rowIndex, rowIndex);
    if (m_titleMap && rowIndex >= 0 && rowIndex < m_titleMapRecords) {
        const QByteArray bytes = WriteFSGTitleRec(rowIndex, stage2, editAll).toBytes();
        Q_ASSERT(bytes.size() == SGTitleRec::size);
        std::memcpy(m_titleMap + qint64(rowIndex) * SGTitleRec::size, bytes.constData(), size_t(bytes.size()));
        return true;
    }
    if (m_openTitleFile) {
        const QByteArray bytes = WriteFSGTitleRec(rowIndex, stage2, editAll).toBytes();
        // One positioned write per record.
        if (::pwrite(m_openTitleFile->handle(), bytes.constData(), size_t(bytes.size()),
                     off_t(qint64(rowIndex) * SGTitleRec::size)) == bytes.size())
            return true;
    } else if (m_titleFile.write(rowIndex, WriteFSGTitleRec(rowIndex, stage2, editAll))) {
        return true;
    }
    if (m_updateFailureShown)
        return false;
    m_updateFailureShown = true;
    m_dialogs.inform({L10n::title(),
                      text(344, "Error updating ") + m_titleFile.path()
                          + text(345, " , you might have a problem with the disk,") + u'\n'
                          + text(346, "you might try to finish your work and carry out the retitling") + u'\n'
                          + text(347, " but the chance of other failures occurring are big."),
                      Platform::Severity::Error});
    allowUpdateFailureBoxOnNextTurn();
    return false;
}

bool PictureSession::WriteFSGTitle()
{
    // The stage-2 row keeps its edit mode, so a session closed before stage 2 is re-entered still
    // resumes in the mode it had. Records are composed as they are written, never all at once.
    const auto written = m_titleFile.rewrite(m_rows.size(), [this](qint64 index) {
        const int row = int(index);
        const bool stage2 = m_stage2Row == row;
        return WriteFSGTitleRec(row, stage2, stage2 && m_editMode == EditMode::All);
    });
    if (!written)
        m_fillError = L10n::describe(written.error());
    return bool(written);
}

bool PictureSession::CreateFSGTitle()
{
    return bool(m_titleFile.create());
}

bool PictureSession::convertFirstGeneration()
{
    const QString oldPath = folderFile(u"MrlSGTitle.dat"_s);
    const auto oldRecords = Records::RecordFile(oldPath, SGTitleRecOld::size).readAll();
    bool converted = bool(oldRecords);
    if (converted) {
        QList<SGTitleRec> records;
        for (const QByteArray &bytes : *oldRecords) {
            const SGTitleRecOld old = SGTitleRecOld::fromBytes(bytes);
            SGTitleRec record;
            record.STSelect = old.select;
            record.STOld = old.oldTitle;
            record.STNew = old.newText;
            record.STError = old.error;
            record.STSubjIndex = -1;
            record.STStage2 = old.stage2;
            record.STEditAll = old.editAll;
            record.STVersion = m_version;
            records.append(record);
        }
        converted = bool(m_titleFile.rewrite(records));
    }
    if (!converted) {
        m_dialogs.inform({L10n::title(),
                          text(1151, "Conversion of workfiles failed!\nPlease remove the workfiles manually and restart "
                               "Mirelto\nThis should not have occurred, sorry for the inconvenience!"),
                          Platform::Severity::Information});
        return false;
    }
    m_fresh = false;
    QFile::remove(oldPath);
    return true;
}

void PictureSession::setCorrectionMode(bool on)
{
    m_correctionMode = on;
    Q_EMIT selectedCountChanged();
}

void PictureSession::setStage2Row(std::optional<int> row, EditMode mode)
{
    m_stage2Row = row;
    m_editMode = mode;
}

void PictureSession::ShowSelectedPictures(int count)
{
    m_selectedCount = count;
    Q_EMIT selectedCountChanged();
}

QString PictureSession::selectedCountText() const
{
    if (m_correctionMode)
        return QString::number(m_selectedCount) + (m_selectedCount < 2 ? text(1152, " error") : text(1153, " errors"));
    return QString::number(m_rows.size()) + u'/' + QString::number(m_selectedCount);
}

QString PictureSession::selectedCountHint() const
{
    return m_correctionMode ? text(1154, "Number of erroneous titles") : text(1155, "Total number/Number selected pictures");
}

std::optional<Platform::StatusMessage> PictureSession::resumeStatus() const
{
    std::optional<Platform::StatusMessage> status;
    if (m_missingTitles == 1) {
        status = Platform::StatusMessage{
            u"1"_s + text(317, " picture name present at the previous session, no longer exists in this folder"), true,
            10, Platform::Sound::Error};
    } else if (m_missingTitles >= 2) {
        status = Platform::StatusMessage{
            QString::number(m_missingTitles)
                + text(316, " picture names present at the previous session, no longer exist in this folder"),
            true, 10, Platform::Sound::Error};
    } else if (!m_fresh) {
        status = Platform::StatusMessage{text(318, "Previously closed session has been resumed"), false, 10};
    }
    const std::optional<Platform::StatusMessage> listing = listingStatus();
    if (!listing)
        return status;
    if (!status)
        return listing;
    return Platform::StatusMessage{listing->text + u". "_s + status->text, true,
                                   qMax(listing->seconds, status->seconds), Platform::Sound::Error};
}

std::optional<Platform::StatusMessage> PictureSession::listingStatus() const
{
    if (m_notUtf8Names == 0)
        return std::nullopt;
    const QString message =
        m_notUtf8Names == 1
            ? text(1156, "1 picture is not listed: its name is not valid UTF-8, so it cannot be retitled")
            : text(1157, "%1 pictures are not listed: their names are not valid UTF-8, so they cannot be retitled")
                  .arg(m_notUtf8Names);
    return Platform::StatusMessage{message, true, 10, Platform::Sound::Error};
}

} // namespace Session
