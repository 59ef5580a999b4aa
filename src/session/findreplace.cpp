#include "session/findreplace.h"

#include "dictionary/wordhelpers.h"
#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "records/textcodec.h"
#include "session/sgtitlerec.h"
#include "settings/programsettings.h"

using namespace Qt::StringLiterals;

namespace Session {

using L10n::text;

namespace {

constexpr QChar space = u' ';
// A line of the text area is followed by a line break of two characters.
constexpr int lineBreakLength = 2;

int length(const QString &text)
{
    return int(text.size());
}

QString withAccessKey(QString caption)
{
    caption.insert(caption.lastIndexOf(space) + 1, u'&');
    return caption;
}

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Whether a line's free text (behind its leading space) fits its field in the title file.
bool fitsTitleFile(const QString &line)
{
    return Records::TextCodec::encode(QStringView(line).mid(1)).size() <= SGTitleRec::freeTextBytes;
}

// Why a free text cannot be stored: the reason shared by the messages that refuse one.
QString tooLongReason()
{
    return text(1360, "A free text can hold at most 255 bytes (a character other than an English letter or "
                      "digit takes two to four of them).");
}

} // namespace

FindReplace::FindReplace(const QList<RFreeText> &lines, Settings::ProgramSettings &programSettings,
                         Platform::Dialogs &dialogs, QObject *parent)
    : QObject(parent), m_lines(lines), m_programSettings(programSettings), m_dialogs(dialogs),
      m_ignoreCase(programSettings.rec().PSIgnoreCase)
{
    if (!m_lines.isEmpty())
        m_selection = {0, 0, length(m_lines.first().FreeText)};
}

QString FindReplace::windowCaption()
{
    return L10n::title() + u" - "_s + text(233, "Find and Replace string of characters");
}

QString FindReplace::header()
{
    return text(803, "Find/Replace in Free text element of the selected pictures");
}

QString FindReplace::findStringCaption()
{
    return text(453, "Find string");
}

QString FindReplace::findCaption()
{
    return text(457, "&Find");
}

QString FindReplace::ignoreCaseCaption()
{
    return text(459, "&Ignore case");
}

QString FindReplace::replaceByCaption()
{
    return text(454, "Replace by");
}

QString FindReplace::findStringLabel()
{
    return withAccessKey(findStringCaption());
}

QString FindReplace::replaceByLabel()
{
    return withAccessKey(replaceByCaption());
}

QString FindReplace::replaceOneByOneCaption()
{
    return text(455, "&Replace one by one");
}

QString FindReplace::replaceAllCaption()
{
    return text(456, "Replace a&ll");
}

QString FindReplace::editModeCaption()
{
    return text(458, "&Edit mode");
}

QString FindReplace::applyCaption()
{
    return text(366, "&Apply");
}

QString FindReplace::cancelCaption()
{
    return text(912, "&Cancel");
}

QString FindReplace::helpCaption()
{
    return text(958, "&Help");
}

QString FindReplace::tooLongMessage(const QStringList &pictures)
{
    return text(1361, "The replacement would make the free text of these pictures too long; it was not made there:")
           + u"\n\n"_s + pictures.join(u'\n') + u"\n\n"_s + tooLongReason();
}

QString FindReplace::tooLongLineMessage(const QString &picture)
{
    return text(1362, "The free text of picture %1 is too long: shorten it.").arg(picture) + u"\n\n"_s
           + tooLongReason();
}

QString FindReplace::illegalCharacterMessage()
{
    return text(320, "A filename cannot contain any of the following characters:") + u" / \\ : * ? \" < > |"_s;
}

QStringList FindReplace::shownLines() const
{
    QStringList shown;
    shown.reserve(m_lines.size());
    for (const RFreeText &line : m_lines)
        shown.append(line.FreeText);
    return shown;
}

QList<FindMark> FindReplace::marks() const
{
    QList<FindMark> marks;
    if (!m_marksShown)
        return marks;
    for (int i = 0; i < m_hits.size(); ++i) {
        const RFind &hit = m_hits.at(i);
        FindMark mark{hit.RLine, hit.RPosInLine - 1, m_foundLength, FindMark::Kind::Found};
        if (hit.RIsReplaced)
            mark = {hit.RLine, hit.RPosInLine - 1, m_replacedLength, FindMark::Kind::Replaced};
        else if (i < m_visited)
            mark.kind = FindMark::Kind::Skipped;
        marks.append(mark);
    }
    return marks;
}

// ----- fields

FieldText FindReplace::cleaned(const QString &text, int caret)
{
    // Every refused character goes, so that a pasted text cannot bring one in either.
    FieldText result;
    result.caret = caret;
    for (int i = 0; i < text.size(); ++i) {
        if (Dictionary::IsIllegalTitleChar(text.at(i))) {
            if (i < caret)
                --result.caret;
            continue;
        }
        result.text.append(text.at(i));
    }
    result.caret = qBound(0, result.caret, length(result.text));
    if (result.text.size() != text.size()) {
        setMessage(illegalCharacterMessage(), true, 5);
        Q_EMIT errorSound();
    }
    return result;
}

FieldText FindReplace::setFindString(const QString &text, int caret)
{
    const FieldText field = cleaned(text, caret);
    m_findString = field.text;
    m_findEnabled = !m_findString.isEmpty();
    if (m_findString.isEmpty())
        m_replaceEnabled = false;
    Q_EMIT changed();
    return field;
}

FieldText FindReplace::setReplaceString(const QString &text, int caret)
{
    const FieldText field = cleaned(text, caret);
    m_replaceString = field.text;
    return field;
}

void FindReplace::ignoreCaseLeft()
{
    Settings::ProgramSettingsRec &rec = m_programSettings.rec();
    if (rec.PSIgnoreCase == m_ignoreCase)
        return;
    rec.PSIgnoreCase = m_ignoreCase;
    if (auto written = m_programSettings.UpdateFPSM(); !written)
        m_dialogs.status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
}

void FindReplace::setMessage(const QString &text, bool error, int seconds)
{
    m_message = text;
    m_messageError = error;
    m_messageSeconds = seconds;
    Q_EMIT messageChanged();
}

void FindReplace::clearMessage()
{
    setMessage({}, false, 0);
}

QString FindReplace::occurrencesLead() const
{
    const qsizetype comma = m_occurrences.indexOf(u',');
    return comma < 0 ? m_occurrences : m_occurrences.left(comma + 1);
}

void FindReplace::showCount(int current)
{
    m_occurrences = text(321, "Occurrences found : ") + QString::number(m_hits.size());
    if (current > 0)
        m_occurrences += text(323, ", Current : ") + QString::number(current);
    Q_EMIT messageChanged();
}

// ----- search and replace

void FindReplace::findStringFocused()
{
    if (!m_marksShown)
        return;
    m_marksShown = false;
    Q_EMIT changed();
}

void FindReplace::findStringEnter()
{
    if (!m_findString.isEmpty())
        find();
}

void FindReplace::replaceByEnter()
{
    Q_EMIT focusRequested(Target::ReplaceOneByOne);
}

void FindReplace::find()
{
    m_findEnabled = false;
    clearMessage();
    m_hits.clear();
    m_visited = 0;
    m_foundLength = length(m_findString);
    if (!m_findString.isEmpty()) {
        // Letter case is compared character by character on the free text itself: a lower-cased
        // copy can be longer ("İ" becomes two characters) and its positions would then miss the
        // text they are to replace.
        const Qt::CaseSensitivity sensitivity = m_ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
        for (int l = 0; l < m_lines.size(); ++l) {
            const RFreeText &line = m_lines.at(l);
            const QString &searched = line.FreeText;
            // The leading space is not the line's own text: the search starts behind it.
            for (qsizetype at = searched.indexOf(m_findString, 1, sensitivity); at >= 0;
                 at = searched.indexOf(m_findString, at + m_findString.size(), sensitivity))
                m_hits.append({line.LineStartsAt + int(at), l, int(at) + 1, false});
        }
    }
    m_marksShown = !m_hits.isEmpty();
    if (m_hits.isEmpty()) {
        m_replaceEnabled = false;
        if (!m_findString.isEmpty()) {
            m_occurrences = text(322, "No occurrences found");
            Q_EMIT errorSound();
            Q_EMIT focusRequested(Target::FindString);
        } else {
            m_occurrences.clear();
        }
        Q_EMIT messageChanged();
        Q_EMIT changed();
        return;
    }
    showCount(0);
    const RFind &first = m_hits.first();
    m_selection = {first.RLine, first.RPosInLine - 1, m_foundLength};
    m_replaceEnabled = true;
    Q_EMIT changed();
    Q_EMIT focusRequested(Target::ReplaceBy);
}

void FindReplace::shiftFollowing(int line, int delta)
{
    if (delta == 0)
        return;
    for (int l = line + 1; l < m_lines.size(); ++l)
        m_lines[l].LineStartsAt += delta;
}

void FindReplace::replace(bool oneByOne)
{
    const QString replacement = m_replaceString;
    const int findLength = m_foundLength;
    const int delta = length(replacement) - findLength;
    m_replacedLength = length(replacement);
    bool askEach = oneByOne;
    // The pictures whose free text the replacement would make longer than the title file keeps.
    QStringList tooLong;
    for (int i = 0; i < m_hits.size(); ++i) {
        showCount(i + 1);
        RFind &hit = m_hits[i];
        m_selection = {hit.RLine, hit.RPosInLine - 1, findLength};
        Q_EMIT changed();
        const RFreeText &current = m_lines.at(hit.RLine);
        if (!fitsTitleFile(QString(current.FreeText).replace(hit.RPosInLine - 1, findLength, replacement))) {
            // Shown whole here, it would be cut on the disk: the hit stays as it is.
            if (!tooLong.contains(current.Picture))
                tooLong.append(current.Picture);
            m_visited = i + 1;
            Q_EMIT changed();
            continue;
        }
        if (askEach) {
            Platform::Question question;
            question.caption = L10n::standard(L10n::Standard::Confirm);
            question.lines = {text(460, "Replace ?")};
            question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::No),
                                L10n::standard(L10n::Standard::Cancel), L10n::standard(L10n::Standard::All)};
            question.defaultButton = 0;
            question.escapeButton = 2;
            const int answer = m_dialogs.ask(question).button;
            if (answer == 2)
                break;
            if (answer == 3)
                askEach = false;
            if (answer == 1) {
                m_visited = i + 1;
                Q_EMIT changed();
                continue;
            }
        }
        // Replaced literally, whatever the letter case of the occurrence.
        RFreeText &line = m_lines[hit.RLine];
        line.FreeText.replace(hit.RPosInLine - 1, findLength, replacement);
        line.LFreeText = line.FreeText.toLower();
        hit.RIsReplaced = true;
        m_changed = true;
        m_visited = i + 1;
        // Later hits keep meaning the same characters.
        for (int j = i + 1; j < m_hits.size(); ++j) {
            if (m_hits.at(j).RLine == hit.RLine)
                m_hits[j].RPosInLine += delta;
            m_hits[j].RStart += delta;
        }
        shiftFollowing(hit.RLine, delta);
        m_selection.length = m_replacedLength;
        Q_EMIT changed();
    }
    if (!tooLong.isEmpty())
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), tooLongMessage(tooLong), Platform::Severity::Error});
    // A new search is needed for further replacements.
    m_findString.clear();
    m_replaceString.clear();
    m_findEnabled = false;
    m_replaceEnabled = false;
    m_occurrences.clear();
    Q_EMIT messageChanged();
    Q_EMIT changed();
    Q_EMIT focusRequested(Target::TextArea);
}

// ----- text area and line editor

void FindReplace::textAreaEntered(int line)
{
    m_replaceEnabled = false;
    setCurrentLine(line);
}

void FindReplace::setCurrentLine(int line)
{
    if (m_editorOpen || line < 0 || line >= m_lines.size())
        return;
    m_currentLine = line;
    m_selection = {line, 0, length(m_lines.at(line).FreeText)};
    Q_EMIT changed();
}

void FindReplace::textAreaPressed(int line, qint64 milliseconds)
{
    const bool second = m_lastPress >= 0 && line == m_lastPressLine
                        && milliseconds - m_lastPress <= doubleClickMilliseconds;
    m_lastPress = second ? -1 : milliseconds;
    m_lastPressLine = line;
    if (second) {
        setCurrentLine(line);
        openEditor();
    }
}

void FindReplace::openEditor()
{
    if (m_editorOpen || m_currentLine < 0 || m_currentLine >= m_lines.size())
        return;
    m_editorOpen = true;
    m_editorText = m_lines.at(m_currentLine).FreeText.mid(1);
    m_editorCaret = length(m_editorText);
    Q_EMIT changed();
    Q_EMIT focusRequested(Target::LineEditor);
}

void FindReplace::editorEdited(const QString &text, int caret)
{
    const FieldText field = cleaned(text, caret);
    m_editorText = field.text;
    m_editorCaret = field.caret;
    if (field.text != text)
        Q_EMIT changed();
}

void FindReplace::storeLine(int line, const QString &freeText)
{
    RFreeText &stored = m_lines[line];
    const int delta = length(freeText) + 1 - length(stored.FreeText);
    stored.FreeText = space + freeText;
    stored.LFreeText = stored.FreeText.toLower();
    shiftFollowing(line, delta);
    m_changed = true;
    // The hits may no longer match.
    m_hits.clear();
    m_marksShown = false;
}

void FindReplace::closeEditor(bool store)
{
    if (!m_editorOpen)
        return;
    m_editorOpen = false;
    if (store && !m_editorText.isEmpty() && m_editorText != m_lines.at(m_currentLine).FreeText.mid(1))
        storeLine(m_currentLine, m_editorText);
    m_replaceEnabled = false;
    m_selection = {m_currentLine, 0, length(m_lines.at(m_currentLine).FreeText)};
}

void FindReplace::editorLeft()
{
    if (!m_editorOpen)
        return;
    closeEditor(false);
    Q_EMIT changed();
}

FindReplace::KeyResult FindReplace::editorKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (!m_editorOpen)
        return KeyResult::NotHandled;
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (isEnter(key) || key == Qt::Key_Up || key == Qt::Key_Down) {
        if (!fitsTitleFile(space + m_editorText)) {
            // The editor stays open on the text, to be shortened.
            m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                              tooLongLineMessage(m_lines.at(m_currentLine).Picture), Platform::Severity::Error});
            Q_EMIT focusRequested(Target::LineEditor);
            return KeyResult::Handled;
        }
        closeEditor(true);
        Q_EMIT changed();
        Q_EMIT focusRequested(Target::TextArea);
        const int next = m_currentLine + (key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0);
        if (next != m_currentLine && next >= 0 && next < m_lines.size()) {
            setCurrentLine(next);
            openEditor();
        }
        return KeyResult::Handled;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        closeEditor(false);
        Q_EMIT changed();
        Q_EMIT focusRequested(Target::Next);
        return KeyResult::Handled;
    }
    if (key == Qt::Key_Escape) {
        Q_EMIT cancelRequested();
        return KeyResult::Handled;
    }
    if ((key == Qt::Key_U || key == Qt::Key_L) && (held & Qt::ControlModifier)) {
        const auto which = key == Qt::Key_U ? Dictionary::Initial::Upper : Dictionary::Initial::Lower;
        m_editorText = Dictionary::ToggleInitial(m_editorText, which, m_editorCaret);
        Q_EMIT changed();
        return KeyResult::Handled;
    }
    if ((key == Qt::Key_Left || key == Qt::Key_Right) && (held & Qt::AltModifier)) {
        if (m_editorText.contains(space)) {
            const auto direction = key == Qt::Key_Left ? Dictionary::Direction::Backward
                                                       : Dictionary::Direction::Forward;
            const Dictionary::ResRemoveWord moved =
                Dictionary::MoveWord(Dictionary::RemoveWordAt(m_editorText, m_editorCaret), direction);
            m_editorText = moved.Title;
            m_editorCaret = moved.NewPosition;
            Q_EMIT changed();
        }
        return KeyResult::Handled;
    }
    if (key == Qt::Key_Backspace && (held & Qt::ControlModifier)) {
        m_editorText = Dictionary::RemoveWordAt(m_editorText, m_editorCaret).Title;
        m_editorCaret = qMin(m_editorCaret, length(m_editorText));
        Q_EMIT changed();
        return KeyResult::Handled;
    }
    return KeyResult::NotHandled;
}

} // namespace Session
