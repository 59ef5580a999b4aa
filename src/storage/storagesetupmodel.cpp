#include "storage/storagesetupmodel.h"

#include "l10n/text.h"
#include "platform/dialogs.h"
#include "platform/drives.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Storage {

using L10n::text;

namespace {

constexpr int maxMainFolderLength = 255;
constexpr int minimumFreeMegabytes = 5;

bool folderExists(const QString &folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}

QString schemeWithoutSubject(int levels)
{
    switch (levels) {
    case 1:
        return text(200, "Date taken");
    case 2:
        return text(1215, "Year/Date taken");
    case 3:
        return text(1216, "Year/Month/Date taken");
    default:
        return {};
    }
}

} // namespace

StorageSetupModel::StorageSetupModel(const StorageSettings &stored, Platform::Drives &drives,
                                     Platform::Dialogs &dialogs, Apply apply, const QDate &today, QObject *parent)
    : QObject(parent), m_stored(stored), m_drives(drives), m_dialogs(dialogs), m_apply(std::move(apply)),
      m_today(today)
{
    if (folderExists(stored.mainFolder))
        m_folder = stored.mainFolder;
    m_addNameDay = stored.addNameDay;
    m_abbreviate = stored.abbreviateNameDay;
    m_shift = stored.shiftMidnight;
    m_promptFolder = stored.promptFolder || !isSetUp();
    if (stored.levels >= 1 && stored.levels <= 3) {
        m_scheme = stored.levels;
        SchemeChoice &choice = m_schemes.at(stored.levels - 1);
        choice.subject = std::clamp(stored.subjectPosition, 0, stored.levels);
        choice.optional = choice.subject > 0 && stored.subjectOptional;
        choice.warning = choice.optional && stored.subjectWarning;
    }
}

bool StorageSetupModel::isSetUp() const
{
    return m_stored.levels > 0 && folderExists(m_stored.mainFolder);
}

QString StorageSetupModel::windowCaption()
{
    return text(1217, "Setup Picture Storage Management");
}

QString StorageSetupModel::stepCaption() const
{
    switch (m_step) {
    case 1:
        return text(482, "First step: Select a folder as your main picture storage folder, click 'Next' when done");
    case 2:
        return text(483, "Second step: Click on the header of the picture storage scheme of your choice");
    default:
        return m_scheme > 0 ? text(484, "Last step: Supply details, click 'Finish' when done")
                            : text(485, "Undo the Setup of Picture Storage Management?");
    }
}

bool StorageSetupModel::canGoNext() const
{
    switch (m_step) {
    case 1:
        return isFolderUsable(m_folder);
    case 2:
        return m_scheme > 0 || m_stored.levels > 0;
    default:
        return false;
    }
}

void StorageSetupModel::next()
{
    if (!canGoNext())
        return;
    ++m_step;
    Q_EMIT changed();
}

void StorageSetupModel::previous()
{
    if (m_step <= 1)
        return;
    --m_step;
    Q_EMIT changed();
}

QString StorageSetupModel::folderHeader()
{
    return text(1218, "Select Main Picture Storage Folder");
}

QString StorageSetupModel::selectFolderCaption()
{
    return text(1219, "&Select Folder");
}

QString StorageSetupModel::selectFolderHint()
{
    return text(1220, "Select a folder as your main picture storage folder");
}

QString StorageSetupModel::selectedFolderCaption() const
{
    if (!m_folder.isEmpty())
        return text(1221, "Selected folder: ") + QDir::toNativeSeparators(m_folder);
    if (!m_stored.mainFolder.isEmpty())
        return text(487, "Selected folder: (does not exist anymore!)");
    return text(486, "Choose a folder");
}

void StorageSetupModel::browse()
{
    const std::optional<QString> picked = m_dialogs.chooseFolder(selectFolderHint(), m_folder);
    if (!picked || !folderExists(*picked)) {
        m_dialogs.inform({windowCaption(), text(764, "No folder selected!"), Platform::Severity::Warning});
        return;
    }
    m_folder = QDir::cleanPath(*picked);
    Q_EMIT changed();
}

bool StorageSetupModel::isFolderUsable(const QString &folder) const
{
    return !folder.isEmpty() && folderProblem(folder).isEmpty();
}

QString StorageSetupModel::folderProblem(const QString &folder) const
{
    if (folder.isEmpty())
        return {};
    // A network path is no drive of this machine; an optical disc takes no pictures.
    if (!folderExists(folder))
        return text(1330, "Not a folder");
    if (!QDir::isAbsolutePath(folder) || folder.startsWith(u"//"_s))
        return text(1331, "Not a folder of this computer");
    if (m_drives.type(folder) == Platform::DriveType::CdRom)
        return text(1332, "The folder is on an optical disc");
    if (!QFileInfo(folder).isWritable())
        return text(1333, "The folder is read-only");
    const qint64 free = m_drives.freeBytes(folder);
    if (std::llround(double(free) / 1048576.0) < minimumFreeMegabytes)
        return text(1334, "Too little free space: ") + QString::number(free / 1048576) + text(1335, " MB free, at least ")
               + QString::number(minimumFreeMegabytes) + text(1336, " MB needed");
    return {};
}

QString StorageSetupModel::selectedFolderProblem() const
{
    return m_step == 1 ? folderProblem(m_folder) : QString();
}

QString StorageSetupModel::schemeName(int levels)
{
    switch (levels) {
    case 1:
        return text(1222, "Date Taken");
    case 2:
        return text(1223, "Year/Date Taken");
    case 3:
        return text(1224, "Year/Month/Date Taken");
    default:
        return {};
    }
}

QStringList StorageSetupModel::subjectChoices(int levels)
{
    const QString no = text(522, "No");
    switch (levels) {
    case 1:
        return {no, text(523, "Per Subject/Date taken")};
    case 2:
        return {no, text(524, "Per Subject/Year/Date taken"), text(525, "Per Year/Subject/Date taken")};
    case 3:
        return {no, text(526, "Per Subject/Year/Month/Date taken"), text(527, "Per Year/Subject/Month/Date taken"),
                text(528, "Per Year/Month/Subject/Date taken")};
    default:
        return {};
    }
}

QString StorageSetupModel::subjectQuestion()
{
    return text(1225, "Do you prefer to organize your pictures per subject?");
}

QString StorageSetupModel::optionalCaption()
{
    return text(1226, "Assigning a subject is optional, leave unchecked when you'll assign a subject to every picture");
}

QString StorageSetupModel::warningCaption()
{
    return text(1227, "Show warning if pictures are not assigned a subject");
}

const StorageSetupModel::SchemeChoice &StorageSetupModel::scheme(int levels) const
{
    static const SchemeChoice none;
    return levels >= 1 && levels <= 3 ? m_schemes.at(levels - 1) : none;
}

StorageSetupModel::SchemeChoice *StorageSetupModel::editableScheme(int levels)
{
    return levels == m_scheme && levels >= 1 && levels <= 3 ? &m_schemes.at(levels - 1) : nullptr;
}

void StorageSetupModel::clickScheme(int levels)
{
    if (levels < 1 || levels > 3)
        return;
    m_scheme = m_scheme == levels ? 0 : levels;
    Q_EMIT changed();
}

QString StorageSetupModel::schemeHeader(int levels) const
{
    const int subject = scheme(levels).subject;
    if (subject == 0)
        return schemeName(levels);
    return subjectChoices(levels).value(subject).mid(3).trimmed();
}

void StorageSetupModel::setSubjectChoice(int levels, int index)
{
    SchemeChoice *choice = editableScheme(levels);
    if (!choice || index < 0 || index > levels)
        return;
    choice->subject = index;
    if (index == 0) {
        choice->optional = false;
        choice->warning = false;
    }
    Q_EMIT changed();
}

void StorageSetupModel::setSubjectOptional(int levels, bool on)
{
    SchemeChoice *choice = editableScheme(levels);
    if (!choice || choice->subject == 0)
        return;
    choice->optional = on;
    if (!on)
        choice->warning = false;
    Q_EMIT changed();
}

void StorageSetupModel::setSubjectWarning(int levels, bool on)
{
    SchemeChoice *choice = editableScheme(levels);
    if (!choice || !choice->optional)
        return;
    choice->warning = on;
    Q_EMIT changed();
}

bool StorageSetupModel::isOptionalEnabled(int levels) const
{
    return isSchemeEnabled(levels) && scheme(levels).subject > 0;
}

bool StorageSetupModel::isWarningEnabled(int levels) const
{
    return isSchemeEnabled(levels) && scheme(levels).optional;
}

QString StorageSetupModel::optionalHint(int levels) const
{
    return text(1228, "Pictures that have no subject assigned are organized following the scheme: ")
        + schemeWithoutSubject(levels);
}

QList<ExampleNode> StorageSetupModel::example(int levels) const
{
    const SchemeChoice &choice = scheme(levels);
    QString root = QFileInfo(m_folder).fileName();
    if (root.isEmpty())
        root = m_folder.isEmpty() ? text(1229, "<Main folder>") : m_folder;
    return exampleTree(root, {levels, choice.subject, choice.optional, m_addNameDay, m_abbreviate, m_promptFolder},
                       m_today);
}

QString StorageSetupModel::addNameDayCaption()
{
    return text(1230, "Add name of the day to 'Date taken' folder");
}

QString StorageSetupModel::abbreviateCaption()
{
    return text(1231, "Abbreviate name of the day");
}

QString StorageSetupModel::promptFolderCaption()
{
    return text(1232, "Upon creation of a 'Date taken' folder, prompt me to add a description");
}

QString StorageSetupModel::shiftMidnightCaption()
{
    return text(1233, "Shift of midnight in hours (pictures taken before it count for the day before):");
}

QStringList StorageSetupModel::undoLines()
{
    return {text(513, "Click 'Finish' to undo the setup of Picture Storage Management. (Pictures will be only renamed "
                      "instead of renamed and moved.)"),
            text(514, "Click 'Previous' to select the Picture Storage Scheme of your choice.")};
}

void StorageSetupModel::setAddNameDay(bool on)
{
    m_addNameDay = on;
    if (!on)
        m_abbreviate = false;
    Q_EMIT changed();
}

void StorageSetupModel::setAbbreviateNameDay(bool on)
{
    m_abbreviate = on && m_addNameDay;
    Q_EMIT changed();
}

void StorageSetupModel::setPromptFolder(bool on)
{
    m_promptFolder = on;
    Q_EMIT changed();
}

void StorageSetupModel::setShiftMidnight(int hours)
{
    m_shift = std::clamp(hours, -24, 24);
    Q_EMIT changed();
}

StorageSettings StorageSetupModel::result() const
{
    StorageSettings settings;
    if (m_scheme == 0) {
        // Undoing the setup resets every field to "not set up".
        settings.promptFolder = false;
        return settings;
    }
    const SchemeChoice &choice = scheme(m_scheme);
    settings.levels = m_scheme;
    settings.subjectPosition = choice.subject;
    settings.subjectOptional = choice.optional;
    settings.subjectWarning = choice.warning;
    settings.promptFolder = m_promptFolder;
    settings.shiftMidnight = m_shift;
    settings.addNameDay = m_addNameDay;
    settings.abbreviateNameDay = m_abbreviate;
    settings.mainFolder = m_folder.left(maxMainFolderLength);
    return settings;
}

bool StorageSetupModel::canFinish() const
{
    return m_step == 3 && !m_undone && result() != m_stored;
}

bool StorageSetupModel::finish()
{
    if (!canFinish())
        return false;
    const StorageSettings settings = result();
    if (m_apply && !m_apply(settings))
        return false;
    m_undone = settings.levels == 0;
    m_stored = settings;
    Q_EMIT changed();
    return true;
}

bool StorageSetupModel::mayClose()
{
    QString first;
    if (!isSetUp() && !m_undone)
        first = text(533, "Setup is incomplete, Picture Storage Management will not be activated.");
    else if (result() != m_stored && !m_undone)
        first = text(535, "The changes you made will not be stored unless you complete Setup.");
    if (first.isEmpty())
        return true;
    Platform::Question question;
    question.caption = windowCaption();
    question.lines = {first, text(534, "Are you sure to want to quit this procedure?")};
    question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::No)};
    question.defaultButton = 1;
    // Closing the box quits the setup, which writes nothing; so does a program that is ending.
    question.escapeButton = 0;
    question.severity = Platform::Severity::Warning;
    return m_dialogs.ask(question).button == 0;
}

} // namespace Storage
