#include "storage/groupfoldermodel.h"

#include "storage/foldername.h"
#include "storage/storagefolder.h"
#include "storage/subjectpath.h"

#include "compose/inputrules.h"
#include "l10n/text.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace Storage {

namespace {

// A description is kept like a subject: at most this many bytes of UTF-8.
constexpr int descriptionBytes = 255;

using L10n::text;

QString parentPath(const QString &path)
{
    return path.left(path.lastIndexOf(u'/'));
}

QString lastLevel(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

} // namespace

GroupFolderModel::GroupFolderModel(const StorageSettings &settings, Platform::Dialogs &dialogs, const QLocale &locale)
    : m_settings(settings)
    , m_dialogs(dialogs)
    , m_locale(locale)
    , m_scheme(MakePSMScheme(true, false, settings.levels, settings.subjectPosition))
    , m_first(QDate::currentDate())
    , m_last(m_first)
{
}

QString GroupFolderModel::menuCaption()
{
    return text(1189, "Create &group folder for a period of days");
}

QString GroupFolderModel::caption()
{
    return text(1190, "Create group folder for a period of days");
}

QString GroupFolderModel::showCaption()
{
    return text(1191, "&Show folder structure");
}

QString GroupFolderModel::createCaption()
{
    return text(1192, "&Create folder structure");
}

QString GroupFolderModel::undoCaption()
{
    return text(1193, "&Undo folder creation");
}

QString GroupFolderModel::daysCaption()
{
    return text(1194, "Number of days in this period: ");
}

QString GroupFolderModel::descriptionCaption()
{
    return text(1195, "&Folder description (optional):");
}

QString GroupFolderModel::firstDateCaption()
{
    return text(1196, "F&irst date:");
}

QString GroupFolderModel::lastDateCaption()
{
    return text(1197, "&Last date:");
}

QString GroupFolderModel::structureCaption()
{
    return text(1198, "Folder structure:");
}

QString GroupFolderModel::existingText()
{
    return text(1199, "exists");
}

QString GroupFolderModel::toCreateText()
{
    return text(1200, "to be created");
}

QString GroupFolderModel::suggestCaption()
{
    return text(1201, "Su&ggest periods");
}

QString GroupFolderModel::gapCaption()
{
    return text(1202, "A pause of more than these &hours ends a period:");
}

QString GroupFolderModel::suggestionsCaption()
{
    return text(1203, "Suggested pe&riods (from the date taken of the selected pictures):");
}

QString GroupFolderModel::suggestionText(const PeriodSuggestion &suggestion)
{
    const int days = int(suggestion.first.daysTo(suggestion.last)) + 1;
    QString result = suggestion.first.toString(u"yyyy-MM-dd"_s) + u' ' + suggestion.last.toString(u"yyyy-MM-dd"_s)
                     + u"  ("_s + text(1204, "%1 days, %2 pictures").arg(days).arg(suggestion.pictures) + u')';
    if (!suggestion.description.isEmpty())
        result += u"  "_s + suggestion.description;
    return result;
}

void GroupFolderModel::takeSuggestion(const PeriodSuggestion &suggestion)
{
    setFirstDate(suggestion.first);
    setLastDate(suggestion.last);
    setDescription(suggestion.description);
}

QString GroupFolderModel::schemeText() const
{
    QString result = text(1205, "Picture Storage Management is set to:") + u' ' + m_scheme.PSMDesc;
    if (m_settings.subjectOptional)
        result += text(1206, " (Subject is optional)");
    return result;
}

QString GroupFolderModel::subjectCaption() const
{
    return text(1207, "Su&bject:") + (m_settings.subjectOptional ? text(1208, " (optional)") : QString());
}

void GroupFolderModel::setFirstDate(const QDate &date)
{
    if (date == m_first)
        return;
    m_first = date;
    inputChanged();
}

void GroupFolderModel::setLastDate(const QDate &date)
{
    if (date == m_last)
        return;
    m_last = date;
    inputChanged();
}

int GroupFolderModel::dayCount() const
{
    return int(qAbs(m_first.daysTo(m_last))) + 1;
}

QString GroupFolderModel::dayCountText() const
{
    return daysCaption() + QString::number(dayCount());
}

void GroupFolderModel::setDescription(const QString &typed, int caret)
{
    const Compose::CorrectedInput corrected =
        Compose::correctInput(typed, caret < 0 ? int(typed.size()) : caret, descriptionBytes);
    if (corrected.refused)
        m_dialogs.status(Compose::illegalCharacterStatus());
    m_descriptionCaret = corrected.caret;
    if (corrected.text == m_description)
        return;
    m_description = corrected.text;
    inputChanged();
}

void GroupFolderModel::setSubject(const QString &subject)
{
    if (subject == m_subject)
        return;
    m_subject = subject;
    inputChanged();
}

QString GroupFolderModel::closeCaption() const
{
    return m_created ? text(552, "D&one") : text(1209, "Cl&ose");
}

QString GroupFolderModel::rootText() const
{
    const QString base = mainFolderBase(m_settings.mainFolder);
    if (base.isEmpty() || base.endsWith(u':'))
        return base + u'/';
    return lastLevel(base);
}

void GroupFolderModel::inputChanged()
{
    m_showEnabled = true;
    m_createEnabled = false;
}

void GroupFolderModel::error(const QString &message)
{
    if (m_beforeMessage)
        m_beforeMessage();
    m_dialogs.inform({L10n::standard(L10n::Standard::Error), message, Platform::Severity::Error});
}

void GroupFolderModel::information(const QString &message)
{
    if (m_beforeMessage)
        m_beforeMessage();
    m_dialogs.inform({L10n::standard(L10n::Standard::Information), message, Platform::Severity::Information});
}

QStringList GroupFolderModel::structurePaths(const StorageSettings &settings, const QString &subject,
                                             const QString &description, const QDate &first, const QDate &last,
                                             const QLocale &locale)
{
    const PSMScheme scheme = MakePSMScheme(true, false, settings.levels, settings.subjectPosition);
    if (!scheme.isValid())
        return {};
    FolderNameRequest request;
    request.mainFolder = settings.mainFolder;
    request.subject = subject;
    request.description = description;
    request.date1 = first;
    request.date2 = last;
    request.addNameOfDay = settings.addNameDay;
    request.abbreviate = settings.abbreviateNameDay;
    request.isRange = true;
    QStringList paths;
    QString previous = mainFolderBase(settings.mainFolder);
    for (qsizetype i = 1; i <= scheme.PSMAbbr.size(); ++i) {
        request.scheme = scheme.PSMAbbr.left(i);
        const QString path = CreateFolderName(request, locale).value_or(QString());
        if (scheme.PSMAbbr.at(i - 1) == u'S') {
            // One folder per category level of the subject; none without a subject.
            QString level = previous;
            for (const QString &name : path.mid(previous.size() + 1).split(u'/', Qt::SkipEmptyParts)) {
                level += u'/' + name;
                paths << level;
            }
        } else {
            paths << path;
        }
        previous = path;
    }
    return paths;
}

std::optional<QString> GroupFolderModel::overlappingGroup(const QString &parent, const QDate &first, const QDate &last)
{
    const QDir folder(parent);
    for (const QString &name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted)) {
        const StorageFolder existing = ClassifyStorageFolder(name);
        if (existing.kind == FolderKind::Group && existing.last >= first && last >= existing.first)
            return name;
    }
    return std::nullopt;
}

GroupFolderModel::ShowResult GroupFolderModel::showStructure()
{
    m_createEnabled = false;
    m_undoEnabled = false;
    m_showEnabled = false;
    if (m_first > m_last)
        std::swap(m_first, m_last);
    if (m_first == m_last) {
        error(text(570, "First date can not be equal to Last date"));
        return ShowResult::Stopped;
    }
    const QString setTo = text(195, "'Picture Storage Management' is set to '") + m_scheme.PSMDesc;
    if (subjectVisible() && m_subject.isEmpty()) {
        if (!m_settings.subjectOptional) {
            error(setTo + u"'.\n\n"_s
                  + text(572, "Please select a subject first and then press 'Show folder structure' again."));
            return ShowResult::Stopped;
        }
        if (m_settings.subjectWarning) {
            Platform::Question warning;
            warning.caption = L10n::standard(L10n::Standard::Warning);
            warning.lines = {setTo + u'\'', text(571, "but no subject has been selected!")};
            warning.buttons = {L10n::standard(L10n::Standard::Cancel), L10n::standard(L10n::Standard::Ignore)};
            warning.severity = Platform::Severity::Warning;
            if (m_dialogs.ask(warning).button != 1)
                return ShowResult::Stopped;
        }
    }
    m_toCreate.clear();
    m_structure.clear();
    m_created = false;
    while (m_description.endsWith(u' '))
        m_description.chop(1);
    if (m_description.isEmpty() && m_settings.promptFolder) {
        Platform::Question question;
        question.caption = L10n::standard(L10n::Standard::Confirm);
        question.lines = {text(573, "Are you sure you don't want to add a description to the group folder")};
        question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::No)};
        question.escapeButton = 1;
        if (m_dialogs.ask(question).button != 0)
            return ShowResult::DescriptionWanted;
    }
    const QStringList paths = structurePaths(m_settings, m_subject, m_description, m_first, m_last, m_locale);
    for (const QString &path : paths) {
        const bool exists = QFileInfo(path).isDir();
        m_structure.append({path, exists});
        if (!exists)
            m_toCreate << path;
    }
    if (m_toCreate.isEmpty()) {
        information(text(576, "All folders in this structure already exist!"));
        return ShowResult::Shown;
    }
    const QString parent = parentPath(paths.constLast());
    if (QFileInfo(parent).isDir()) {
        if (const auto overlap = overlappingGroup(parent, m_first, m_last)) {
            error(text(574, "The group folder to create overlaps with '") + *overlap + u"'!\n"_s
                  + text(575, "You have to solve this problem manually before the new group folder can be created."));
            return ShowResult::Shown;
        }
    }
    m_createEnabled = true;
    return ShowResult::Shown;
}

bool GroupFolderModel::createStructure()
{
    m_createEnabled = false;
    QDir dir;
    for (const QString &path : std::as_const(m_toCreate)) {
        // mkdir fails on a folder that appeared meanwhile, so nothing is ever taken over.
        if (!dir.mkdir(path)) {
            error(text(419, "Could not create folder ") + QDir::toNativeSeparators(path) + u".\n"_s
                  + text(420, "Medium not writable or you do not have the proper authorization") + u'.');
            return false;
        }
    }
    for (GroupFolderNode &node : m_structure)
        node.exists = true;
    m_undoEnabled = true;
    m_created = true;
    information(text(577, "Folder structure succesfully created!"));
    return true;
}

bool GroupFolderModel::undoCreation()
{
    m_undoEnabled = false;
    QDir dir;
    while (!m_toCreate.isEmpty()) {
        const QString path = m_toCreate.constLast();
        // rmdir removes only an empty folder: pictures moved in meanwhile keep it.
        if (!dir.rmdir(path)) {
            error(text(578, "Could not remove folder ") + QDir::toNativeSeparators(path) + u".\n"_s
                  + text(579, "Either the folder is not empty anymore or the medium not writable or you do not "
                              "have the proper authorization."));
            return false;
        }
        m_toCreate.removeLast();
        if (!m_structure.isEmpty())
            m_structure.removeLast();
    }
    information(text(580, "Created folders succesfully removed!"));
    return true;
}

bool GroupFolderModel::mayClose()
{
    if (!m_createEnabled)
        return true;
    Platform::Question question;
    question.caption = L10n::standard(L10n::Standard::Confirm);
    question.lines = {text(581, "Folder structure has not been created yet."),
                      text(582, "Are you sure to want to quit this procedure?")};
    question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::No)};
    question.escapeButton = 1;
    if (m_dialogs.ask(question).button != 0)
        return false;
    m_toCreate.clear();
    return true;
}

} // namespace Storage
