#include "storage/folderdescriptions.h"

#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "records/textcodec.h"
#include "settings/programsettings.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Storage {

using L10n::text;

namespace {

QString reasonLines()
{
    return text(618, "  1 - No free text elements, nor a prefix and/or suffix were supplied.") + u'\n'
           + text(619, "  2 - The value of the minimum length of words to be selected is set too high.");
}

} // namespace

FolderDescriptions::FolderDescriptions(const NewFolderDescriptionInput &input, const FolderProposalInput &affixes,
                                       const NewFolderFile &file, Settings::ProgramSettings &settings,
                                       Platform::Dialogs &dialogs)
    : m_input(input), m_affixes(affixes), m_file(file), m_settings(settings), m_dialogs(dialogs)
{
    for (qsizetype i = 0; i < m_input.newFolders.size(); ++i) {
        const ExistingFolders &folder = m_input.newFolders.at(i);
        Row row;
        row.newFolder = folder.ExFolder.section(u'/', -1);
        if (!folder.ExSubject.isEmpty())
            row.newFolder += text(609, " (for Subject '") + folder.ExSubject + u"')"_s;
        row.parentPath = folder.ExFolder.section(u'/', 0, -2);
        row.folderIndex = int(i);
        row.subject = folder.ExSubject;
        row.key = folder.ExFolderL;
        m_rows.append(row);
    }
    // By the folder's own name and then where it lies; the subject shown after the name is no
    // part of the order (a name that is the start of another would otherwise move behind it).
    const auto order = [this](const Row &row) -> QString {
        return m_input.newFolders.at(row.folderIndex).ExFolder.section(u'/', -1) + row.parentPath;
    };
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [&order](const Row &a, const Row &b) { return order(a) < order(b); });
    bool reported = false;
    for (Row &row : m_rows) {
        const auto found = m_file.find(row.key);
        if (found) {
            row.NFIndex = found->NFIndex;
            row.description = found->NFDesc;
        } else if (!reported) {
            // One box is enough: the descriptions are then only kept for this run.
            reported = true;
            m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(found.error()),
                              Platform::Severity::Error});
        }
    }
    choose(0);
}

QString FolderDescriptions::caption(Caption which)
{
    switch (which) {
    case Caption::Window:
        return text(1173, "Add description to folders that are to be created");
    case Caption::Enter:
        return text(1174, "&Enter");
    case Caption::EnterHint:
        return text(632, "Confirm description and go to the next new folder");
    case Caption::Import:
        return text(1175, "&Import Top 5 of used words");
    case Caption::ImportAll:
        return text(1176, "Import &Top 5 of used words for all new folders");
    case Caption::Overwrite:
        return text(1177, "Over&write existing descriptions");
    case Caption::Done:
        return text(552, "D&one");
    case Caption::Cancel:
        return text(912, "&Cancel");
    case Caption::FilterDigits:
        return text(1178, "Filter digits");
    case Caption::FilterDigitsHint:
        return text(1179, "Filter digits and special characters");
    case Caption::MinimumLength:
        return text(1180, "&Minimum length of words");
    case Caption::Previous:
        return text(1181, "Previous picture - Cursor left");
    case Caption::Next:
        return text(1182, "Next picture - Cursor right");
    case Caption::Number:
        return u" #"_s;
    case Caption::NewFolder:
        return text(1183, "New folder");
    case Caption::Description:
        return text(1184, "Description");
    case Caption::ParentPath:
        return text(1185, "Path of new folder");
    }
    return QString();
}

QString FolderDescriptions::listLabel() const
{
    if (m_rows.size() == 1)
        return text(608, "1 new folder to be created");
    return text(606, "List of ") + QString::number(m_rows.size()) + text(607, " new folders to be created");
}

void FolderDescriptions::choose(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_current = row;
    m_freeTexts.clear();
    m_pictureAffixes.clear();
    m_pictures.clear();
    const QString &key = m_rows.at(row).key;
    for (const DestinedPicture &picture : std::as_const(m_input.pictures)) {
        if (picture.Folder_low != key)
            continue;
        ImRec browsed{picture.currentTitle, -1};
        if (!picture.freeText.isEmpty()) {
            browsed.ILines = int(m_freeTexts.size());
            m_freeTexts.append(picture.freeText);
        }
        m_pictures.append(browsed);
        if (!picture.prefix.isEmpty())
            m_pictureAffixes.append(picture.prefix);
        if (!picture.suffix.isEmpty())
            m_pictureAffixes.append(picture.suffix);
    }
    m_currentPicture = m_pictures.isEmpty() ? -1 : 0;
    computeProposal();
}

QString FolderDescriptions::caption() const
{
    if (m_current < 0)
        return QString();
    QString folder = m_rows.at(m_current).newFolder;
    folder.replace(u"&"_s, u"&&"_s);
    return u"# "_s + QString::number(m_current + 1) + u" - "_s + text(604, "New folder: ") + folder;
}

QString FolderDescriptions::informationLine() const
{
    if (m_pictures.size() == 1)
        return text(612, "Information on the only picture destined for this new folder");
    return text(610, "Information on the ") + QString::number(m_pictures.size())
           + text(611, " pictures destined for this new folder");
}

QString FolderDescriptions::noFreeTextsText()
{
    return text(613, "No free text elements supplied!");
}

int FolderDescriptions::minChar() const
{
    return std::clamp(int(m_settings.rec().PSMinChar), minimumMinChar, maximumMinChar);
}

bool FolderDescriptions::filterDigit() const
{
    return m_settings.rec().PSFilterDigit;
}

void FolderDescriptions::setMinChar(int minChar)
{
    minChar = std::clamp(minChar, minimumMinChar, maximumMinChar);
    if (minChar != m_settings.rec().PSMinChar) {
        m_settings.rec().PSMinChar = minChar;
        (void)m_settings.UpdateFPSM();
    }
    computeProposal();
}

void FolderDescriptions::setFilterDigit(bool filter)
{
    if (filter != m_settings.rec().PSFilterDigit) {
        m_settings.rec().PSFilterDigit = filter;
        (void)m_settings.UpdateFPSM();
    }
    computeProposal();
}

QString FolderDescriptions::topWordsCaption() const
{
    return text(599, "Top 5 of used words of ") + QString::number(minChar()) + u' '
           + text(600, "or more characters long");
}

void FolderDescriptions::computeProposal()
{
    FolderProposalInput input = m_affixes;
    input.freeTexts = m_freeTexts;
    input.pictureAffixes = m_pictureAffixes;
    input.wordsEnabled = wordsEnabled();
    input.minChar = minChar();
    input.filterDigit = filterDigit();
    m_proposal = proposeFolderDescription(input);
}

QString FolderDescriptions::acceptedInput(const QString &typed)
{
    QString accepted;
    for (const QChar c : typed) {
        if (!isIllegalInDescription(c) && c.category() != QChar::Other_Control)
            accepted.append(c);
    }
    return Records::TextCodec::fitted(accepted, maximumDescriptionBytes);
}

Compose::CorrectedInput FolderDescriptions::typed(const QString &text, int caret)
{
    const Compose::CorrectedInput corrected = Compose::correctInput(text, caret, maximumDescriptionBytes);
    if (corrected.refused)
        m_dialogs.status(Compose::illegalCharacterStatus());
    return corrected;
}

void FolderDescriptions::store(const Row &row)
{
    if (row.NFIndex < 0)
        return;
    const auto written = m_file.write(row.NFIndex, row.key, row.description);
    if (!written) {
        m_dialogs.inform(
            {L10n::standard(L10n::Standard::Error), L10n::describe(written.error()), Platform::Severity::Error});
    }
}

void FolderDescriptions::confirm(const QString &typed)
{
    if (m_current < 0)
        return;
    QString description = acceptedInput(typed);
    while (description.endsWith(u' '))
        description.chop(1);
    m_rows[m_current].description = description;
    store(m_rows.at(m_current));
    choose(std::min(m_current + 1, int(m_rows.size()) - 1));
}

QString FolderDescriptions::importForAll(bool overwrite)
{
    int processed = 0;
    int failedWithout = 0;
    int failedKept = 0;
    for (int i = 0; i < m_rows.size(); ++i) {
        const bool had = !m_rows.at(i).description.isEmpty();
        if (had && !overwrite)
            continue;
        ++processed;
        choose(i);
        if (m_proposal.isEmpty()) {
            ++(had ? failedKept : failedWithout);
            continue;
        }
        m_rows[i].description = acceptedInput(m_proposal);
        store(m_rows.at(i));
    }
    const QString last = m_proposal;
    if (processed == 0) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Information),
                          text(615, "All folders already have a description, check 'Overwrite' when desired"),
                          Platform::Severity::Information});
        return last;
    }
    if (failedWithout == 0 && failedKept == 0)
        return last;
    QString message;
    const QString kept = QString::number(failedKept)
                         + text(620, " folder(s) already had a description but no description could be generated for");
    if (failedWithout > 0) {
        message = text(616, "For ") + QString::number(failedWithout)
                  + text(617, " folder(s) no description could be generated for one of the following reasons: ")
                  + u"\n\n"_s + reasonLines();
        if (failedKept > 0) {
            message += u"\n\n"_s + kept + u'\n'
                       + text(621, "for one of reasons as mentioned above. Those existing descriptions have not "
                                   "been overwritten.");
        }
    } else {
        message = kept + u'\n' + text(622, "for one of the following reasons:") + u"\n\n"_s + reasonLines() + u'\n'
                  + text(623, "Those existing descriptions have not been overwritten.");
    }
    m_dialogs.inform({L10n::standard(L10n::Standard::Information), message, Platform::Severity::Information});
    return last;
}

bool FolderDescriptions::mayFinish()
{
    const auto without = std::count_if(m_rows.cbegin(), m_rows.cend(),
                                       [](const Row &row) { return row.description.isEmpty(); });
    if (without == 0)
        return true;
    Platform::Question question;
    question.caption = L10n::standard(L10n::Standard::Confirm);
    const QString ask = text(625, "Are you sure to want to continue the renaming process without supplying "
                                  "descriptions for all folders to be created?");
    if (without == 1) {
        question.lines = {text(624, "There is still 1 folder without a description."), ask};
    } else {
        question.lines = {text(626, "There are still ") + QString::number(without)
                              + text(627, " folders without a description."),
                          ask};
    }
    question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::No)};
    question.escapeButton = 1;
    question.severity = Platform::Severity::Warning;
    return m_dialogs.ask(question).button == 0;
}

QStringList FolderDescriptions::descriptions() const
{
    QStringList result(m_input.newFolders.size());
    for (const Row &row : m_rows)
        result[row.folderIndex] = row.description;
    return result;
}

void FolderDescriptions::showPicture(int index)
{
    if (index >= 0 && index < m_pictures.size())
        m_currentPicture = index;
}

void FolderDescriptions::showLine(int line)
{
    for (qsizetype i = 0; i < m_pictures.size(); ++i) {
        if (m_pictures.at(i).ILines == line) {
            m_currentPicture = int(i);
            return;
        }
    }
}

QString FolderDescriptions::picturePath() const
{
    if (m_currentPicture < 0)
        return QString();
    return QDir(m_input.pictureFolder).filePath(m_pictures.at(m_currentPicture).Picture);
}

int FolderDescriptions::highlightedLine() const
{
    return m_currentPicture < 0 ? -1 : m_pictures.at(m_currentPicture).ILines;
}

QString FolderDescriptions::pictureMessage() const
{
    const QString path = picturePath();
    if (path.isEmpty() || Platform::fileFound(path))
        return QString();
    return text(1186, "File does not exist");
}

QString FolderDescriptions::cannotShowText()
{
    return text(1187, "Can not show picture");
}

} // namespace Storage
