#include "dictionary/editline.h"

#include "dictionary/editlinehost.h"
#include "dictionary/texthelpers.h"
#include "l10n/text.h"
#include "platform/dialogs.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Dictionary {

namespace {

constexpr QChar space = u' ';
constexpr LineSelection noSelection{-1, 0};

int length(const QString &text)
{
    return int(text.size());
}

// The same message as every other field that refuses a character a file name cannot hold.
Platform::StatusMessage illegalCharacterStatus()
{
    return {L10n::text(293, "A file- or folder name cannot contain any of the following characters:")
                + u" / \\ : * ? \" < > |"_s,
            true, 5, Platform::Sound::Error};
}

bool isBlank(const QString &text)
{
    for (QChar c : text) {
        if (c != space)
            return false;
    }
    return true;
}

bool isLetterKey(int key, int letter, Qt::KeyboardModifiers modifiers)
{
    return key == letter && (modifiers & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

EditLine::EditLine(const CompletionSource &source, EditLineHost &host, Platform::Dialogs &dialogs, QObject *parent)
    : QObject(parent), m_source(source), m_host(host), m_dialogs(dialogs)
{
}

EditLine::~EditLine() = default;

QString EditLine::deletionMarkText()
{
    return L10n::text(776, "[Marked for deletion]");
}

void EditLine::load(const QString &text, bool markedForDeletion)
{
    m_marked = markedForDeletion;
    m_history.clear();
    m_historyPosition = -1;
    m_historyHighest = -1;
    m_saved = noSelection;
    m_remembered = {};
    hideContextPanel();
    m_text = markedForDeletion ? deletionMarkText() : text;
    m_caret = markedForDeletion ? 0 : length(m_text);
    m_selectionLength = 0;
    TitleEdChange();
}

void EditLine::setMaxHits(int maxHits)
{
    m_maxHits = qBound(10, maxHits, 500);
}

QString EditLine::searchWord() const
{
    return m_selectionLength > 0 ? selectedText() : LastWord(m_text);
}

QString EditLine::partOf(const QString &line, const LineSelection &part) const
{
    const QString selected = line.mid(part.start, part.length);
    // Nothing selected of the line: the whole line is meant.
    return selected.isEmpty() ? line : selected;
}

QString EditLine::selectedCompletionPart() const
{
    if (m_completionHighlight < 0 || m_completionHighlight >= m_completions.size())
        return {};
    return partOf(m_completions.at(m_completionHighlight).text, m_completionPart);
}

void EditLine::setCompletionSelection(int start, int selectionLength)
{
    m_completionPart = {qMax(0, start), qMax(0, selectionLength)};
}

QString EditLine::selectedContextPart() const
{
    if (m_contextHighlight < 0 || m_contextHighlight >= m_context.lines.size())
        return {};
    return partOf(m_context.lines.at(m_contextHighlight).text, m_contextPart);
}

void EditLine::setContextSelection(int start, int selectionLength)
{
    m_contextPart = {qMax(0, start), qMax(0, selectionLength)};
}

QStringList EditLine::contextStatus(int panelWidth) const
{
    const QString active = QString::number(m_context.activeCount);
    const QString statics = QString::number(m_context.staticCount);
    const QString counts = panelWidth >= wideStatusWidth
        ? L10n::text(106, " Entries in Active dictionary : ") + active
              + L10n::text(107, ", entries in Static dictionary : ") + statics
        : L10n::text(871, " Active : ") + active + L10n::text(872, ", Static : ") + statics;
    return {L10n::text(873, " Context dictionary"), counts};
}

void EditLine::typeText(const QString &characters)
{
    for (QChar c : characters) {
        if (m_keyGuard)
            return;
        if (m_marked)
            setCaretQuietly(0, 0);
        m_text = m_text.left(m_caret) + c + m_text.mid(m_caret + m_selectionLength);
        m_caret += 1;
        m_selectionLength = 0;
        TitleEdChange();
    }
}

bool EditLine::keyDown(int key, Qt::KeyboardModifiers modifiers)
{
    // A key that arrives while the previous one is still handled (confirming writes files and may
    // let the interface process input) is dropped.
    if (m_keyGuard)
        return true;
    m_keyGuard = true;
    if (m_marked && m_caret != 0) {
        setCaretQuietly(0, 0);
        Q_EMIT textChanged();
    }
    const bool used = TitleEdKeyDown(key, modifiers) || TitleEdKeyPress(key, modifiers);
    m_keyGuard = false;
    return used;
}

void EditLine::enter(Qt::KeyboardModifiers modifiers)
{
    keyDown(Qt::Key_Return, modifiers);
}

void EditLine::textEdited(const QString &text, int caret, int selectionLength)
{
    m_text = text;
    setCaretQuietly(caret, selectionLength);
    TitleEdChange();
}

void EditLine::setCaret(int caret, int selectionLength)
{
    setCaretQuietly(caret, selectionLength);
    Q_EMIT textChanged();
}

void EditLine::setCaretQuietly(int caret, int selectionLength)
{
    m_caret = qBound(0, caret, length(m_text));
    m_selectionLength = qBound(0, selectionLength, length(m_text) - m_caret);
}

void EditLine::changeText(const QString &text, int caret, int selectionLength)
{
    const bool changed = text != m_text;
    m_text = text;
    setCaretQuietly(caret, selectionLength);
    if (changed)
        TitleEdChange();
    else
        Q_EMIT textChanged();
}

void EditLine::lineFocused()
{
    if (m_saved.start >= 0) {
        setCaretQuietly(m_saved.start, m_saved.length);
        m_saved = noSelection;
        Q_EMIT textChanged();
    }
    hideContextPanel();
}

void EditLine::TitleEdChange()
{
    qsizetype leading = 0;
    while (leading < m_text.size() && m_text.at(leading) == space)
        ++leading;
    if (leading > 0) {
        m_text.remove(0, leading);
        m_caret = 0;
        m_selectionLength = 0;
    }

    if (m_text.isEmpty() || m_marked) {
        if (!m_completions.isEmpty())
            clearCompletions();
        m_nothingToAdd = true;
    } else {
        // Every refused character goes, not only the one before the caret, so that a pasted text
        // cannot bring a path separator into a title.
        QString cleaned;
        cleaned.reserve(m_text.size());
        int removedBeforeCaret = 0;
        for (int i = 0; i < m_text.size(); ++i) {
            if (IsIllegalTitleChar(m_text.at(i))) {
                if (i < m_caret)
                    ++removedBeforeCaret;
                continue;
            }
            cleaned.append(m_text.at(i));
        }
        if (cleaned.size() != m_text.size()) {
            m_text = cleaned;
            m_caret = qBound(0, m_caret - removedBeforeCaret, length(m_text));
            m_selectionLength = 0;
            m_dialogs.status(illegalCharacterStatus());
            // The removal is a change of its own.
            TitleEdChange();
            return;
        }
        m_remembered = {m_caret, m_selectionLength};
        AddToUndo(m_text);
        Vulmemo(searchWord());
    }

    if (m_marked) {
        m_text = deletionMarkText();
        m_nothingToAdd = true;
        m_caret = 0;
        m_selectionLength = 0;
    }
    Q_EMIT textChanged();
    m_host.nothingToAddChanged(m_nothingToAdd);
}

void EditLine::Vulmemo(const QString &Woord)
{
    m_completions.clear();
    m_completionHighlight = -1;
    m_completionPart = {};
    if (Woord.isEmpty()) {
        m_nothingToAdd = true;
        Q_EMIT completionsChanged();
        return;
    }
    m_completions = m_source.completions(Woord, m_maxHits);
    if (m_completions.size() > m_maxHits + 1)
        m_completions.resize(m_maxHits + 1);
    if (!m_completions.isEmpty()) {
        m_completionHighlight = 0;
        m_completionPart = {0, length(m_completions.constFirst().text)};
    }
    const QString key = FoldEdgeLetter(FoldText(Woord.toLower()), Edge::First);
    m_nothingToAdd = m_completions.isEmpty() || key == m_completions.constFirst().text.toLower();
    Q_EMIT completionsChanged();
}

void EditLine::clearCompletions()
{
    m_completions.clear();
    m_completionHighlight = -1;
    m_completionPart = {};
    m_nothingToAdd = true;
    Q_EMIT completionsChanged();
}

void EditLine::hideContextPanel()
{
    if (!m_contextShown)
        return;
    m_contextShown = false;
    Q_EMIT contextPanelChanged();
}

void EditLine::AddToUndo(const QString &text)
{
    if (m_historyPosition >= 0 && m_history.at(m_historyPosition) == text)
        return;
    ++m_historyPosition;
    if (m_historyPosition >= m_history.size()) {
        if (m_history.size() == m_history.capacity())
            m_history.reserve(m_history.size() + 50);
        m_history.append(text);
    } else {
        m_history[m_historyPosition] = text;
    }
    m_historyHighest = qMax(m_historyHighest, m_historyPosition);
}

void EditLine::errorSound()
{
    m_dialogs.status({QString(), false, 0, Platform::Sound::Error});
}

bool EditLine::TitleEdKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Escape || isLetterKey(key, Qt::Key_Q, modifiers)) {
        if (m_contextShown)
            hideContextPanel();
        else
            m_host.quitEditing();
        return true;
    }
    if (isLetterKey(key, Qt::Key_S, modifiers)) {
        const LineSelection word = SelectWordAt(m_text, m_caret, m_selectionLength);
        setCaretQuietly(word.start, word.length);
        TitleEdChange();
        return true;
    }
    if (isLetterKey(key, Qt::Key_Z, modifiers)) {
        undo();
        return true;
    }
    if (isLetterKey(key, Qt::Key_Y, modifiers)) {
        redo();
        return true;
    }
    if (key == Qt::Key_Up) {
        if (!m_host.allPicturesMode())
            return false;
        m_host.GoBack();
        return true;
    }
    if (key == Qt::Key_F4) {
        if (!isBlank(m_text))
            FillPnlHist(Sender::Line);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        enterKey(modifiers);
        return true;
    }
    if (key == Qt::Key_Down) {
        downKey();
        return true;
    }
    if (isLetterKey(key, Qt::Key_U, modifiers) || isLetterKey(key, Qt::Key_L, modifiers)) {
        if (!m_marked) {
            const Initial which = key == Qt::Key_U ? Initial::Upper : Initial::Lower;
            changeText(ToggleInitial(m_text, which, m_caret), m_caret, m_selectionLength);
        }
        return true;
    }
    if ((key == Qt::Key_Left || key == Qt::Key_Right) && (modifiers & Qt::AltModifier)) {
        if (!m_marked && m_text.contains(space)) {
            const ResRemoveWord moved = MoveWord(RemoveWordAt(m_text, m_caret),
                                                 key == Qt::Key_Left ? Direction::Backward : Direction::Forward);
            // A word that cannot go further stays, and so does the caret.
            if (moved.Title != m_text)
                changeText(moved.Title, moved.NewPosition);
        }
        return true;
    }
    return false;
}

bool EditLine::TitleEdKeyPress(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Backspace && (modifiers & Qt::ControlModifier)) {
        if (!m_marked) {
            const int caret = PrevWordEnd(m_caret, m_text);
            changeText(RemoveWordAt(m_text, m_caret).Title, caret);
        }
        return true;
    }
    const bool backTab = key == Qt::Key_Backtab || (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier));
    if (backTab) {
        if (!m_marked) {
            if (m_caret == 0 && m_host.subjectListShown())
                m_host.focusSubjectList();
            else
                setCaret(NextWordStart(m_text, m_caret, Direction::Backward));
        }
        return true;
    }
    if (key == Qt::Key_Tab) {
        if (!m_marked)
            setCaret(NextWordStart(m_text, m_caret, Direction::Forward));
        return true;
    }
    return false;
}

void EditLine::undo()
{
    if (m_historyPosition < 0) {
        errorSound();
        return;
    }
    --m_historyPosition;
    const QString text = m_historyPosition < 0 ? QString() : m_history.at(m_historyPosition);
    changeText(text, length(text));
}

void EditLine::redo()
{
    if (m_historyPosition >= m_historyHighest) {
        errorSound();
        return;
    }
    ++m_historyPosition;
    const QString text = m_history.at(m_historyPosition);
    changeText(text, length(text));
}

void EditLine::downKey()
{
    m_saved = {m_caret, m_selectionLength};
    if (m_marked)
        return;
    if (m_contextShown) {
        if (m_contextHighlight < m_context.lines.size() - 1) {
            REHistSelectLine(m_contextHighlight + 1);
            Q_EMIT focusRequested(Target::ContextPanel);
            return;
        }
    } else if (m_completionHighlight >= 0 && m_completionHighlight < m_completions.size() - 1) {
        StringsRESelectLine(m_completionHighlight + 1);
        Q_EMIT focusRequested(Target::CompletionList);
        return;
    }
    // The focus stays in the line, so no focus change will ever give this selection back; kept,
    // it would be put back over later typing by the next F4.
    m_saved = noSelection;
}

void EditLine::enterKey(Qt::KeyboardModifiers modifiers)
{
    if (m_marked) {
        m_host.ConfirmAndAdvance();
        return;
    }
    const bool fromContext = m_contextShown && !m_context.lines.isEmpty();
    const bool fromCompletions = !fromContext && !m_completions.isEmpty();
    if (!fromContext && !fromCompletions) {
        if (!m_text.isEmpty()) {
            m_host.ConfirmAndAdvance();
        } else {
            const QString previous = m_host.previousFreeText();
            changeText(previous, length(previous));
        }
        return;
    }
    m_saved = noSelection;
    const bool control = modifiers & Qt::ControlModifier;
    const int size = length(m_text);
    LineSelection remembered{qBound(0, m_remembered.start, size), 0};
    remembered.length = qBound(0, m_remembered.length, size - remembered.start);

    if (fromContext) {
        const QString line = selectedContextPart();
        QString text = line;
        if (!control) {
            if (remembered.length == 0) {
                remembered.length = length(LastWord(m_text));
                remembered.start = size - remembered.length;
            }
            text = m_text.left(remembered.start) + line + m_text.mid(remembered.start + remembered.length);
        }
        hideContextPanel();
        changeText(text, length(text));
        return;
    }

    const QString line = selectedCompletionPart();
    const QString old = m_text;
    if (control) {
        changeText(line, length(line));
        return;
    }
    QString text;
    int caret = 0;
    if (remembered.length > 0) {
        text = m_text.left(remembered.start) + line + m_text.mid(remembered.start + remembered.length);
        caret = remembered.start + length(line);
    } else {
        const QString lastWord = LastWord(m_text);
        const QString stem = m_text.left(size - lastWord.size());
        // Without Shift the letter the user typed first keeps its case.
        if (!(modifiers & Qt::ShiftModifier) && !lastWord.isEmpty())
            text = stem + lastWord.at(0) + line.mid(1);
        else
            text = stem + line;
        caret = length(text);
    }
    changeText(text, caret);
    // An Enter that changes nothing but letter case confirms the free text.
    if (old.compare(text, Qt::CaseInsensitive) == 0)
        m_host.ConfirmAndAdvance();
}

void EditLine::FillPnlHist(Sender sender)
{
    if (m_marked)
        return;
    if (m_saved.start >= 0) {
        setCaretQuietly(m_saved.start, m_saved.length);
        m_saved = noSelection;
        Q_EMIT textChanged();
    }
    m_context = {};
    m_contextHighlight = -1;
    m_contextPart = {};
    m_remembered = {m_caret, m_selectionLength};
    const QString word = sender == Sender::CompletionList ? selectedCompletionPart() : searchWord();
    m_contextKeyLength = int(FoldText(word.toLower()).size());
    if (!word.isEmpty())
        m_context = m_source.contextHits(word, m_host.pictureFreeTexts(), m_maxHits);
    if (m_context.lines.size() > m_maxHits)
        m_context.lines.resize(m_maxHits);
    if (m_context.lines.isEmpty()) {
        m_contextShown = false;
        Q_EMIT contextPanelChanged();
        m_dialogs.status({L10n::text(874, "No hits in Context dictionary"), true, 5, Platform::Sound::Error});
        return;
    }
    m_contextShown = true;
    REHistSelectLine(0);
    Q_EMIT focusRequested(Target::ContextPanel);
}

void EditLine::StringsRESelectLine(int line)
{
    if (line < 0 || line >= m_completions.size())
        return;
    m_completionHighlight = line;
    const QString &text = m_completions.at(line).text;
    m_completionPart = {0, length(text)};
    m_nothingToAdd = line == 0 && text.toLower() == LastWord(m_text).toLower();
    Q_EMIT completionsChanged();
    m_host.nothingToAddChanged(m_nothingToAdd);
}

void EditLine::REHistSelectLine(int line)
{
    if (line < 0 || line >= m_context.lines.size())
        return;
    m_contextHighlight = line;
    m_contextPart = {0, length(m_context.lines.at(line).text)};
    m_nothingToAdd = false;
    Q_EMIT contextPanelChanged();
    m_host.nothingToAddChanged(m_nothingToAdd);
}

bool EditLine::listKey(List list, int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    const bool completions = list == List::Completions;
    const int highlighted = completions ? m_completionHighlight : m_contextHighlight;
    const int count = int(completions ? m_completions.size() : m_context.lines.size());
    const auto highlight = [&](int line) {
        line = std::clamp(line, 0, std::max(count - 1, 0));
        completions ? StringsRESelectLine(line) : REHistSelectLine(line);
    };
    switch (key) {
    case Qt::Key_Home:
        highlight(0);
        return true;
    case Qt::Key_End:
        highlight(count - 1);
        return true;
    // A list shows at most one line more than the most hits, which makes that a page.
    case Qt::Key_PageUp:
        highlight(highlighted - m_maxHits);
        return true;
    case Qt::Key_PageDown:
        highlight(highlighted + m_maxHits);
        return true;
    case Qt::Key_Down:
        if (highlighted < count - 1)
            completions ? StringsRESelectLine(highlighted + 1) : REHistSelectLine(highlighted + 1);
        return true;
    case Qt::Key_Up:
        if (highlighted <= 0) {
            if (!completions)
                hideContextPanel();
            Q_EMIT focusRequested(Target::Line);
        } else {
            completions ? StringsRESelectLine(highlighted - 1) : REHistSelectLine(highlighted - 1);
        }
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enter(modifiers);
        Q_EMIT focusRequested(Target::Line);
        return true;
    case Qt::Key_F4:
        if (!completions || m_keyGuard)
            return false;
        FillPnlHist(Sender::CompletionList);
        return true;
    case Qt::Key_Escape:
        if (!completions)
            hideContextPanel();
        Q_EMIT focusRequested(Target::Line);
        return true;
    default:
        break;
    }
    const bool typed = !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isPrint(); })
        && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!typed)
        return false;
    // The characters go where the line's caret was when Down left it.
    lineFocused();
    typeText(text);
    Q_EMIT focusRequested(Target::Line);
    return true;
}

void EditLine::listPressed(List list, int line, qint64 milliseconds)
{
    const bool doubleClick = m_lastPressedLine >= 0 && m_lastPressedList == list
        && milliseconds - m_lastPressedAt >= 0 && milliseconds - m_lastPressedAt <= doubleClickMilliseconds;
    m_lastPressedList = list;
    m_lastPressedLine = line;
    m_lastPressedAt = milliseconds;
    if (!doubleClick)
        return;
    // A third press starts a new click, not a second double click.
    m_lastPressedLine = -1;
    m_ignoreRelease = true;
    if (list == List::Context)
        REHistSelectLine(line);
    else
        StringsRESelectLine(line);
    enter();
    Q_EMIT focusRequested(Target::Line);
}

void EditLine::listReleased(List list, int line)
{
    if (m_ignoreRelease) {
        m_ignoreRelease = false;
        return;
    }
    if (list == List::Context)
        REHistSelectLine(line);
    else
        StringsRESelectLine(line);
}

void EditLine::contextPanelLeft()
{
    if (!m_contextShown)
        return;
    hideContextPanel();
    Q_EMIT focusRequested(Target::Line);
}

} // namespace Dictionary
