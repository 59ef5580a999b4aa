#include "compose/exiftagsmodel.h"

#include "compose/exiftagdatabase.h"
#include "compose/inputrules.h"

#include "l10n/errortext.h"
#include "l10n/text.h"
#include "metadata/picturemetadata.h"
#include "platform/dialogs.h"
#include "settings/sessionsettings.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Compose {

using L10n::text;
using Metadata::ExifElRec;
using Metadata::TAExifEl;

namespace {

constexpr int statusSeconds = 10;

bool isSelected(const ExifElRec &rec)
{
    return rec.ElSelected == u"1"_s;
}

} // namespace

ExifTagsModel::ExifTagsModel(ExifTagDatabase &database, Settings::SessionSettings &settings,
                             Platform::Dialogs &dialogs, std::function<Settings::StorageSetup()> storageSetup,
                             QStringList picturePaths, QString currentPicture, QObject *parent)
    : QAbstractTableModel(parent), m_database(database), m_settings(settings), m_dialogs(dialogs),
      m_storageSetup(std::move(storageSetup)), m_picturePaths(std::move(picturePaths)),
      m_currentPicture(std::move(currentPicture)), m_inTitle(settings.folderRec().exifTagsInTitle),
      m_markNotAvailable(settings.folderRec().markNotAvailable)
{
}

ExifTagsModel::~ExifTagsModel() = default;

QString ExifTagsModel::menuCaption()
{
    return text(1057, "Exif tags");
}

QString ExifTagsModel::menuHint()
{
    return text(1063, "Add Exif tags element to all new titles");
}

QString ExifTagsModel::windowCaption()
{
    return text(1064, "Select Exif tags");
}

QString ExifTagsModel::upCaption()
{
    return text(1065, "&Up");
}

QString ExifTagsModel::downCaption()
{
    return text(1066, "&Down");
}

QString ExifTagsModel::moveSelectedToTopCaption()
{
    return text(1067, "&Move selected tags to top of list");
}

QString ExifTagsModel::rebuildCaption()
{
    return text(1068, "Rebuild Exif tag database");
}

QString ExifTagsModel::inTitleCaption()
{
    return text(1069, "Exif tags in title");
}

QString ExifTagsModel::markNotAvailableCaption()
{
    return text(1070, "If tag not found, mark as 'not available' in title ");
}

QString ExifTagsModel::markNotAvailableHint()
{
    return text(1071, "'not available' will be abbreviated to 'na'");
}

QString ExifTagsModel::okCaption()
{
    return L10n::standard(L10n::Standard::Ok);
}

QString ExifTagsModel::cancelCaption()
{
    return L10n::standard(L10n::Standard::Cancel);
}

QString ExifTagsModel::editCaption()
{
    return text(1072, "Edit tag description");
}

QString ExifTagsModel::editPrompt()
{
    return text(1073, "Tag description as it will appear in picture title:");
}

void ExifTagsModel::showStatus(const QString &message, bool error)
{
    m_dialogs.status({message, error, error ? statusSeconds : 0, error ? Platform::Sound::Error : Platform::Sound::None});
}

void ExifTagsModel::resetTags(TAExifEl tags)
{
    beginResetModel();
    m_tags = std::move(tags);
    m_current = m_tags.isEmpty() ? -1 : 0;
    endResetModel();
    Q_EMIT stateChanged();
}

bool ExifTagsModel::writeDatabase()
{
    const auto written = m_database.write(m_tags);
    if (written)
        return true;
    m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(written.error()), Platform::Severity::Error});
    return false;
}

bool ExifTagsModel::fill()
{
    const bool building = m_database.isToBeBuilt();
    m_valuesOfAllPictures = building;
    Q_EMIT headerDataChanged(Qt::Horizontal, ValueColumn, ValueColumn);
    if (building) {
        showStatus(text(843, " Building initial Exif tag database..."), false);
        resetTags(ExifTagDatabase::GetExifOfAllPics(m_picturePaths));
    } else {
        auto known = m_database.GetAllExifFile(false);
        if (!known) {
            m_dialogs.inform(
                {L10n::standard(L10n::Standard::Error), L10n::describe(known.error()), Platform::Severity::Error});
            known = TAExifEl();
        }
        TAExifEl tags = *known;
        const TAExifEl current = Metadata::readTagList(m_currentPicture);
        for (ExifElRec &tag : tags) {
            const auto found = std::find_if(current.cbegin(), current.cend(), [&tag](const ExifElRec &other) {
                return other.ElTagnbr == tag.ElTagnbr && other.ElTag == tag.ElTag;
            });
            tag.ElValue = found != current.cend() ? found->ElValue : QString();
        }
        int added = 0;
        for (const ExifElRec &tag : current) {
            const bool inDatabase = std::any_of(tags.cbegin(), tags.cend(), [&tag](const ExifElRec &other) {
                return other.ElTagnbr == tag.ElTagnbr && other.ElTag == tag.ElTag;
            });
            if (inDatabase)
                continue;
            ExifElRec rec = tag;
            rec.ElSelected = u"0"_s;
            rec.ElUserTag = Metadata::replaceIllegalCharacters(rec.ElTag);
            tags.append(rec);
            ++added;
        }
        resetTags(tags);
        showStatus(QString::number(added) + u' ' + text(845, "new Exif tags added from current picture"), false);
    }
    if (building) {
        writeDatabase();
        showStatus(QString(), false);
        if (!m_tags.isEmpty())
            m_database.setToBeBuilt(false);
    }
    if (m_tags.isEmpty()) {
        const QString none = text(844, "No Exif tags found in this set of pictures");
        showStatus(none, false);
        m_dialogs.inform({L10n::standard(L10n::Standard::Information), none, Platform::Severity::Information});
        return false;
    }
    return true;
}

int ExifTagsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_tags.size());
}

int ExifTagsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ExifTagsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_tags.size())
        return {};
    const ExifElRec &tag = m_tags.at(index.row());
    if (role == Qt::CheckStateRole && index.column() == SelectedColumn)
        return isSelected(tag) ? Qt::Checked : Qt::Unchecked;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case OrderColumn:
        return index.row() + 1;
    case SelectedColumn:
        return tag.ElSelected;
    case NumberColumn:
        return tag.ElTagnbr;
    case TagColumn:
        return tag.ElTag;
    case DescriptionColumn:
        return tag.ElUserTag;
    case ValueColumn:
        return tag.ElValue;
    default:
        return {};
    }
}

QVariant ExifTagsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case OrderColumn:
        return text(1074, "Order");
    case SelectedColumn:
        return text(1075, "Sel");
    case NumberColumn:
        return text(1076, "Tag nbr.");
    case TagColumn:
        return text(1077, "Tag");
    case DescriptionColumn:
        return text(1078, "Tag in title (click to edit)");
    case ValueColumn:
        return m_valuesOfAllPictures ? text(1079, "Value (examples of entire picture set)")
                                     : text(1080, "Value (example of current picture)");
    default:
        return {};
    }
}

int ExifTagsModel::selectedCount() const
{
    return int(std::count_if(m_tags.cbegin(), m_tags.cend(), isSelected));
}

void ExifTagsModel::toggleSelected(int row)
{
    if (row < 0 || row >= m_tags.size())
        return;
    ExifElRec &tag = m_tags[row];
    tag.ElSelected = isSelected(tag) ? u"0"_s : u"1"_s;
    Q_EMIT dataChanged(index(row, SelectedColumn), index(row, SelectedColumn));
    Q_EMIT stateChanged();
}

void ExifTagsModel::setCurrentRow(int row)
{
    if (row < 0 || row >= m_tags.size() || row == m_current)
        return;
    m_current = row;
    Q_EMIT stateChanged();
}

void ExifTagsModel::moveUp()
{
    if (!isUpEnabled())
        return;
    m_tags.swapItemsAt(m_current, m_current - 1);
    Q_EMIT dataChanged(index(m_current - 1, 0), index(m_current, ColumnCount - 1));
    --m_current;
    Q_EMIT stateChanged();
}

void ExifTagsModel::moveDown()
{
    if (!isDownEnabled())
        return;
    m_tags.swapItemsAt(m_current, m_current + 1);
    Q_EMIT dataChanged(index(m_current, 0), index(m_current + 1, ColumnCount - 1));
    ++m_current;
    Q_EMIT stateChanged();
}

void ExifTagsModel::moveSelectedToTop()
{
    if (!isMoveSelectedToTopEnabled())
        return;
    TAExifEl reordered = m_tags;
    std::stable_partition(reordered.begin(), reordered.end(), isSelected);
    resetTags(reordered);
}

bool ExifTagsModel::rebuild()
{
    if (!isRebuildEnabled())
        return true;
    Platform::Question question;
    question.caption = L10n::standard(L10n::Standard::Confirm);
    question.lines = {text(841, "After rebuilding the Exif database, all your selections and edited tag descriptions "
                                "will be lost."),
                      text(192, "Continue?")};
    question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::No)};
    question.defaultButton = 1;
    question.escapeButton = 1;
    question.severity = Platform::Severity::Warning;
    if (m_dialogs.ask(question).button != 0)
        return true;
    m_database.setToBeBuilt(true);
    return fill();
}

void ExifTagsModel::setInTitle(bool on)
{
    if (m_inTitle == on)
        return;
    m_inTitle = on;
    Q_EMIT stateChanged();
}

void ExifTagsModel::setMarkNotAvailable(bool on)
{
    if (m_markNotAvailable == on)
        return;
    m_markNotAvailable = on;
    Q_EMIT stateChanged();
}

std::optional<QString> ExifTagsModel::checkedDescription(const QString &answer)
{
    const QString description = answer.trimmed();
    if (std::any_of(description.cbegin(), description.cend(), isIllegalTitleChar)) {
        showStatus(text(847, "A tag description cannot contain any of the following characters:")
                       + u" / \\ : * ? \" < > |"_s,
                   true);
        return std::nullopt;
    }
    if (description.isEmpty()) {
        showStatus(text(848, "A tag description cannot be empty"), true);
        return std::nullopt;
    }
    return description;
}

void ExifTagsModel::editDescription(int row, const std::function<std::optional<QString>(const QString &current)> &ask)
{
    if (row < 0 || row >= m_tags.size())
        return;
    QString shown = m_tags.at(row).ElUserTag;
    for (;;) {
        const std::optional<QString> answer = ask(shown);
        if (!answer) {
            if (m_tags.at(row).ElUserTag.isEmpty())
                continue;
            return;
        }
        shown = *answer;
        if (const std::optional<QString> description = checkedDescription(*answer)) {
            m_tags[row].ElUserTag = *description;
            Q_EMIT dataChanged(index(row, DescriptionColumn), index(row, DescriptionColumn));
            showStatus(QString(), false);
            return;
        }
    }
}

bool ExifTagsModel::accept()
{
    if (!isOkEnabled())
        return false;
    const auto confirm = [this](const QString &message) {
        Platform::Question question;
        question.caption = L10n::standard(L10n::Standard::Information);
        question.lines = {message};
        question.buttons = {L10n::standard(L10n::Standard::Ok), L10n::standard(L10n::Standard::Cancel)};
        question.escapeButton = 1;
        return m_dialogs.ask(question).button == 0;
    };
    const int selected = selectedCount();
    if (!m_inTitle && selected > 0
        && !confirm(text(842, "The selected tags will not appear in the picture title as long as 'Exif tags in title' "
                              "not is checked.")))
        return false;
    if (m_inTitle && selected == 0
        && !confirm(text(849, "Not a single tag is selected while 'Exif tags in title' is checked.")))
        return false;
    if (!writeDatabase())
        return false;
    const auto written = m_settings.UpdateFSession_Local(m_storageSetup ? m_storageSetup() : Settings::StorageSetup(),
                                                         Settings::ExifTagSwitches{m_inTitle, m_markNotAvailable});
    if (!written) {
        m_dialogs.inform(
            {L10n::standard(L10n::Standard::Error), L10n::describe(written.error()), Platform::Severity::Error});
    }
    return true;
}

} // namespace Compose
