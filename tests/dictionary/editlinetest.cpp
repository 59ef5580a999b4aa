#include "dictionary/editline.h"

#include "storefixture.h"
#include "support/fakedialogs.h"
#include "support/fakeeditline.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using Dictionary::CompletionLine;
using Dictionary::EditLine;

namespace {

QStringList lineTexts(const QList<CompletionLine> &lines)
{
    QStringList texts;
    for (const CompletionLine &line : lines)
        texts.append(line.text + (line.active ? u" (A)"_s : u" (S)"_s));
    return texts;
}

QString illegalMessage()
{
    return u"A file- or folder name cannot contain any of the following characters: / \\ : * ? \" < > |"_s;
}

} // namespace

class EditLineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void completions_data();
    void completions();
    void completionsStopAfterMaxHitsPlusOne();
    void nothingToAddFollowsTheFirstLine();
    void leadingSpacesAreRemoved();
    void illegalCharactersAreRefused_data();
    void illegalCharactersAreRefused();

    void enterCompletes_data();
    void enterCompletes();
    void secondEnterConfirms();
    void enterReplacesTheRememberedSelection();
    void enterWithoutCompletions();
    void keysArrivingDuringAKeyAreDropped();

    void wordKeys_data();
    void wordKeys();
    void tabAndShiftTab();
    void undoAndRedo();
    void loadEmptiesTheHistory();
    void escapeAndUp();
    void deletionMark();

    void contextPanel();
    void contextPanelWithoutHits();
    void contextPanelStopsAtMaxHits();
    void contextPanelStatus();
    void enterFromTheContextPanel_data();
    void enterFromTheContextPanel();

    void downMovesIntoTheCompletionList();
    void listKeys();
    void listKeysKeepTheHighlightEnterTakes_data();
    void listKeysKeepTheHighlightEnterTakes();
    void clicksAndDoubleClicks();
    void contextPanelHidesWhenLeft();

    void typingAgainstTheDictionaryStore();

private:
    void type(const QString &text) { m_line->typeText(text); }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { m_line->keyDown(key, modifiers); }

    FakeCompletionSource m_source;
    FakeEditLineHost m_host;
    FakeDialogs m_dialogs;
    std::unique_ptr<EditLine> m_line;
};

void EditLineTest::init()
{
    m_source = FakeCompletionSource();
    m_source.active = {u"Paris"_s, u"paris"_s, u"beach"_s, u"Old harbour"_s};
    m_source.statics = {u"parade"_s, u"Paris"_s, u"école"_s, u"eglise"_s, u"Beach"_s, u"sunset"_s};
    m_host = FakeEditLineHost();
    m_dialogs = FakeDialogs();
    m_line = std::make_unique<EditLine>(m_source, m_host, m_dialogs);
    m_host.confirmedText = [this] { return m_line->text(); };
    m_line->load(QString(), false);
}

void EditLineTest::cleanup()
{
    m_line.reset();
}

void EditLineTest::completions_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("active first, equal keys once per run")
        << u"par"_s << QStringList{u"Paris (A)"_s, u"parade (S)"_s, u"Paris (S)"_s};
    QTest::newRow("same key across the dictionaries once") << u"Paris"_s << QStringList{u"Paris (A)"_s};
    QTest::newRow("accents folded") << u"é"_s << QStringList{u"école (S)"_s, u"eglise (S)"_s};
    QTest::newRow("last word looked up") << u"sunset at the be"_s << QStringList{u"beach (A)"_s};
    QTest::newRow("no match") << u"xyz"_s << QStringList();
    QTest::newRow("trailing space: nothing to look up") << u"sunset "_s << QStringList();
}

void EditLineTest::completions()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    type(typed);
    QCOMPARE(lineTexts(m_line->completions()), expected);
    QCOMPARE(m_line->highlightedCompletion(), expected.isEmpty() ? -1 : 0);
    if (!expected.isEmpty())
        QCOMPARE(m_line->selectedCompletionPart(), m_line->completions().constFirst().text);
}

void EditLineTest::completionsStopAfterMaxHitsPlusOne()
{
    m_source.statics.clear();
    for (int i = 0; i < 30; ++i)
        m_source.statics.append(u"word%1"_s.arg(i, 2, 10, QChar(u'0')));
    m_line->setMaxHits(10);
    type(u"wo"_s);
    QCOMPARE(m_line->completions().size(), 11);
    QCOMPARE(m_line->completions().constLast().text, u"word10"_s);
}

void EditLineTest::nothingToAddFollowsTheFirstLine()
{
    type(u"pa"_s);
    QVERIFY(!m_line->nothingToAdd());
    type(u"ris"_s);
    // The first completion is the word typed.
    QVERIFY(m_line->nothingToAdd());
    QCOMPARE(m_host.flags.constLast(), true);
    type(u"x"_s);
    QVERIFY(m_line->completions().isEmpty());
    QVERIFY(m_line->nothingToAdd());

    m_line->load(QString(), false);
    type(u"par"_s);
    QCOMPARE(m_host.flags.constLast(), false);
    // Highlighting another line offers it; coming back to a first line that is not the word typed
    // still offers something.
    m_line->listReleased(EditLine::List::Completions, 1);
    QVERIFY(!m_line->nothingToAdd());
    m_line->listReleased(EditLine::List::Completions, 0);
    QVERIFY(!m_line->nothingToAdd());
}

void EditLineTest::leadingSpacesAreRemoved()
{
    type(u"  be"_s);
    QCOMPARE(m_line->text(), u"be"_s);
    QCOMPARE(lineTexts(m_line->completions()), QStringList{u"beach (A)"_s});

    // A space typed before the text goes at once and takes the caret to the start.
    m_line->setCaret(0);
    type(u" "_s);
    QCOMPARE(m_line->text(), u"be"_s);
    QCOMPARE(m_line->caret(), 0);
}

void EditLineTest::illegalCharactersAreRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");
    QTest::newRow("typed at the end") << u"Paris/"_s << 6 << u"Paris"_s << 5;
    QTest::newRow("typed inside") << u"Pa:ris"_s << 3 << u"Paris"_s << 2;
    QTest::newRow("pasted with several") << u"a<b>c|Paris"_s << 11 << u"abcParis"_s << 8;
    QTest::newRow("pasted behind the caret") << u"ab?cd"_s << 1 << u"abcd"_s << 1;
}

void EditLineTest::illegalCharactersAreRefused()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);
    m_line->textEdited(text, caret, 0);
    QCOMPARE(m_line->text(), expected);
    QCOMPARE(m_line->caret(), expectedCaret);
    QCOMPARE(m_dialogs.statuses.size(), 1);
    const Platform::StatusMessage &status = m_dialogs.statuses.constFirst();
    QCOMPARE(status.text, illegalMessage());
    QVERIFY(status.error);
    QCOMPARE(status.seconds, 5);
    QCOMPARE(status.sound, Platform::Sound::Error);
    // The corrected text is looked up and goes into the history; the refused one never does.
    QCOMPARE(m_line->historyPosition(), 0);
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_line->text(), QString());
}

void EditLineTest::enterCompletes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("active");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("confirms");
    const QString text = u"sunset at the be"_s;
    QTest::newRow("enter keeps the typed letter") << text << QStringList{u"beach"_s} << int(Qt::NoModifier)
                                                  << u"sunset at the beach"_s << false;
    QTest::newRow("shift+enter, same case") << text << QStringList{u"beach"_s} << int(Qt::ShiftModifier)
                                            << u"sunset at the beach"_s << false;
    QTest::newRow("enter with Beach") << text << QStringList{u"Beach"_s} << int(Qt::NoModifier)
                                      << u"sunset at the beach"_s << false;
    QTest::newRow("shift+enter with Beach") << text << QStringList{u"Beach"_s} << int(Qt::ShiftModifier)
                                            << u"sunset at the Beach"_s << false;
    QTest::newRow("ctrl+enter takes the whole line") << u"sunset ol"_s << QStringList{u"Old harbour"_s}
                                                     << int(Qt::ControlModifier) << u"Old harbour"_s << false;
    // Only the letter case changes: that is an Enter that changes nothing.
    QTest::newRow("shift+enter changing case confirms") << u"sunset at the beach"_s << QStringList{u"Beach"_s}
                                                         << int(Qt::ShiftModifier) << u"sunset at the Beach"_s << true;
    QTest::newRow("ctrl+enter never confirms") << u"Old"_s << QStringList{u"old"_s} << int(Qt::ControlModifier)
                                               << u"old"_s << false;
}

void EditLineTest::enterCompletes()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, active);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    QFETCH(bool, confirms);
    m_source.active = active;
    m_source.statics.clear();
    type(typed);
    key(Qt::Key_Return, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_line->text(), expected);
    QCOMPARE(m_line->caret(), int(expected.size()));
    QCOMPARE(m_host.confirmed.size(), confirms ? 1 : 0);
}

void EditLineTest::secondEnterConfirms()
{
    type(u"sunset at the be"_s);
    m_line->enter();
    QCOMPARE(m_line->text(), u"sunset at the beach"_s);
    QVERIFY(m_host.confirmed.isEmpty());
    // The completion list now offers the word as typed.
    QVERIFY(m_line->nothingToAdd());
    m_line->enter();
    QCOMPARE(m_host.confirmed, QStringList{u"sunset at the beach"_s});
}

void EditLineTest::enterReplacesTheRememberedSelection()
{
    type(u"pa beach"_s);
    m_line->setCaret(0);
    key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_line->selectedText(), u"pa"_s);
    QCOMPARE(m_line->rememberedSelection(), (Dictionary::LineSelection{0, 2}));
    QCOMPARE(lineTexts(m_line->completions()), (QStringList{u"Paris (A)"_s, u"parade (S)"_s, u"Paris (S)"_s}));
    m_line->listReleased(EditLine::List::Completions, 1);
    key(Qt::Key_Return);
    QCOMPARE(m_line->text(), u"parade beach"_s);
    QCOMPARE(m_line->caret(), 6);
    QVERIFY(m_host.confirmed.isEmpty());
}

void EditLineTest::enterWithoutCompletions()
{
    // An empty line takes the previous picture's free text, unconfirmed.
    m_host.previous = u"Harbour at night"_s;
    key(Qt::Key_Return);
    QCOMPARE(m_line->text(), u"Harbour at night"_s);
    QCOMPARE(m_line->caret(), 16);
    QVERIFY(m_host.confirmed.isEmpty());
    // A text without completions is confirmed.
    key(Qt::Key_Return);
    QCOMPARE(m_host.confirmed, QStringList{u"Harbour at night"_s});
}

void EditLineTest::keysArrivingDuringAKeyAreDropped()
{
    m_host.onConfirm = [this] {
        // Confirming lets the interface process input: another Enter arrives meanwhile.
        QVERIFY(m_line->keyDown(Qt::Key_Return, Qt::NoModifier));
        m_line->typeText(u"x"_s);
        m_line->load(u"next picture"_s, false);
    };
    type(u"zzz"_s);
    key(Qt::Key_Return);
    QCOMPARE(m_host.confirmed.size(), 1);
    QCOMPARE(m_line->text(), u"next picture"_s);
    // Once the key is handled, keys are taken again.
    key(Qt::Key_Return);
    QCOMPARE(m_host.confirmed.size(), 2);
}

void EditLineTest::wordKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");
    QTest::newRow("alt+right on the first word") << u"aa bb cc"_s << 1 << int(Qt::Key_Right) << int(Qt::AltModifier)
                                                 << u"bb aa cc"_s << 3;
    QTest::newRow("alt+left on the last word") << u"aa bb cc"_s << 8 << int(Qt::Key_Left) << int(Qt::AltModifier)
                                               << u"aa cc bb"_s << 3;
    QTest::newRow("alt+left on the first word") << u"aa bb cc"_s << 1 << int(Qt::Key_Left) << int(Qt::AltModifier)
                                                << u"aa bb cc"_s << 1;
    QTest::newRow("alt+right on the last word") << u"aa bb cc"_s << 7 << int(Qt::Key_Right) << int(Qt::AltModifier)
                                                << u"aa bb cc"_s << 7;
    QTest::newRow("alt+right without a space") << u"aabb"_s << 2 << int(Qt::Key_Right) << int(Qt::AltModifier)
                                               << u"aabb"_s << 2;
    QTest::newRow("ctrl+backspace") << u"aa bb cc"_s << 5 << int(Qt::Key_Backspace) << int(Qt::ControlModifier)
                                    << u"aa cc"_s << 2;
    QTest::newRow("ctrl+backspace in the first word") << u"aa bb"_s << 1 << int(Qt::Key_Backspace)
                                                      << int(Qt::ControlModifier) << u"bb"_s << 0;
    QTest::newRow("ctrl+u") << u"ab cd"_s << 4 << int(Qt::Key_U) << int(Qt::ControlModifier) << u"ab Cd"_s << 4;
    QTest::newRow("alt+u works as ctrl+u") << u"ab cd"_s << 4 << int(Qt::Key_U) << int(Qt::AltModifier) << u"ab Cd"_s
                                           << 4;
    QTest::newRow("ctrl+l") << u"Ab Cd"_s << 1 << int(Qt::Key_L) << int(Qt::ControlModifier) << u"ab Cd"_s << 1;
}

void EditLineTest::wordKeys()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);
    type(text);
    m_line->setCaret(caret);
    QVERIFY(m_line->keyDown(key, Qt::KeyboardModifiers(modifiers)));
    QCOMPARE(m_line->text(), expected);
    QCOMPARE(m_line->caret(), expectedCaret);
    // A changed text runs the change handling: it can be undone.
    if (expected != text) {
        m_line->keyDown(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_line->text(), text);
    }
}

void EditLineTest::tabAndShiftTab()
{
    type(u"aa bb cc"_s);
    m_line->setCaret(1);
    QVERIFY(m_line->keyDown(Qt::Key_Tab, Qt::NoModifier));
    QCOMPARE(m_line->caret(), 3);
    key(Qt::Key_Tab);
    QCOMPARE(m_line->caret(), 6);
    // From inside the last word there is no next word: back to the start.
    key(Qt::Key_Tab);
    QCOMPARE(m_line->caret(), 0);
    // Qt reports Shift+Tab as Backtab.
    QVERIFY(m_line->keyDown(Qt::Key_Backtab, Qt::ShiftModifier));
    QCOMPARE(m_line->caret(), 6);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(m_line->caret(), 3);
    QCOMPARE(m_host.subjectFocused, 0);

    m_host.subjectList = true;
    m_line->setCaret(0);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(m_host.subjectFocused, 1);
    QCOMPARE(m_line->caret(), 0);
    QCOMPARE(m_line->text(), u"aa bb cc"_s);
}

void EditLineTest::undoAndRedo()
{
    type(u"ab"_s);
    QCOMPARE(m_line->historyPosition(), 1);
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_line->text(), u"a"_s);
    QCOMPARE(m_line->caret(), 1);
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_line->text(), QString());
    QVERIFY(m_dialogs.statuses.isEmpty());
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_dialogs.statuses.size(), 1);
    QCOMPARE(m_dialogs.statuses.constFirst().sound, Platform::Sound::Error);
    QCOMPARE(m_line->historyPosition(), -1);

    key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(m_line->text(), u"a"_s);
    key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(m_line->text(), u"ab"_s);
    QCOMPARE(m_line->caret(), 2);
    key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(m_dialogs.statuses.size(), 2);
    QCOMPARE(m_line->text(), u"ab"_s);

    // A new text after an undo goes above the position; what was above it is kept.
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier);
    type(u"x"_s);
    QCOMPARE(m_line->historyPosition(), 0);
    QCOMPARE(m_line->historyHighest(), 1);
    key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(m_line->text(), u"ab"_s);
}

void EditLineTest::loadEmptiesTheHistory()
{
    type(u"abc"_s);
    m_line->load(u"Old harbour"_s, false);
    QCOMPARE(m_line->text(), u"Old harbour"_s);
    QCOMPARE(m_line->caret(), 11);
    // The loaded text is the first entry, so an undo after typing comes back to it.
    QCOMPARE(m_line->historyPosition(), 0);
    QCOMPARE(m_line->historyHighest(), 0);
    type(u"s"_s);
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_line->text(), u"Old harbour"_s);
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_line->text(), QString());
}

void EditLineTest::escapeAndUp()
{
    QVERIFY(m_line->keyDown(Qt::Key_Escape, Qt::NoModifier));
    key(Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(m_host.quit, 2);

    QVERIFY(m_line->keyDown(Qt::Key_Up, Qt::NoModifier));
    QCOMPARE(m_host.wentBack, 1);
    // For a single picture Up is left to the text field.
    m_host.allPictures = false;
    QVERIFY(!m_line->keyDown(Qt::Key_Up, Qt::NoModifier));
    QCOMPARE(m_host.wentBack, 1);
    // Plain keys are the text field's.
    QVERIFY(!m_line->keyDown(Qt::Key_A, Qt::NoModifier));
    QVERIFY(!m_line->keyDown(Qt::Key_Left, Qt::NoModifier));
}

void EditLineTest::deletionMark()
{
    m_line->load(u"Paris"_s, true);
    QCOMPARE(m_line->text(), u"[Marked for deletion]"_s);
    QCOMPARE(m_line->caret(), 0);
    QVERIFY(m_line->nothingToAdd());
    QVERIFY(m_line->completions().isEmpty());

    type(u"par"_s);
    QCOMPARE(m_line->text(), u"[Marked for deletion]"_s);
    QCOMPARE(m_line->caret(), 0);
    QVERIFY(m_line->completions().isEmpty());
    m_line->textEdited(u"[Marked for deletion"_s, 20, 0);
    QCOMPARE(m_line->text(), u"[Marked for deletion]"_s);
    m_line->setCaret(5);
    key(Qt::Key_U, Qt::ControlModifier);
    key(Qt::Key_Backspace, Qt::ControlModifier);
    key(Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(m_line->text(), u"[Marked for deletion]"_s);
    QCOMPARE(m_line->caret(), 0);
    key(Qt::Key_F4);
    QVERIFY(!m_line->isContextPanelShown());
    QVERIFY(m_dialogs.statuses.isEmpty());

    key(Qt::Key_Return);
    QCOMPARE(m_host.confirmed, QStringList{u"[Marked for deletion]"_s});
}

void EditLineTest::contextPanel()
{
    m_source.activeContext = {u"Sunset at the beach"_s, u"Harbour"_s};
    m_source.staticContext = {u"Beach party"_s, u"Église"_s};
    m_host.freeTexts = {u"Beach, beach"_s, QString(), u"Sunset at the beach"_s};
    QSignalSpy focus(m_line.get(), &EditLine::focusRequested);
    type(u"the BEACH"_s);
    key(Qt::Key_F4);
    QVERIFY(m_line->isContextPanelShown());
    QCOMPARE(focus.size(), 1);
    QCOMPARE(focus.constFirst().constFirst().value<EditLine::Target>(), EditLine::Target::ContextPanel);
    const QList<Dictionary::ContextLine> &lines = m_line->contextLines();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0).text, u"Sunset at the beach"_s);
    QCOMPARE(lines.at(1).text, u"Beach, beach"_s);
    QCOMPARE(lines.at(1).occurrences, (QList<int>{0, 7}));
    QCOMPARE(lines.at(2).text, u"Beach party"_s);
    QVERIFY(!lines.at(2).active);
    QCOMPARE(m_line->highlightedContextLine(), 0);
    QVERIFY(!m_line->nothingToAdd());

    // Escape hides the panel and does not quit.
    key(Qt::Key_Escape);
    QVERIFY(!m_line->isContextPanelShown());
    QCOMPARE(m_host.quit, 0);

    // From the completion list: its highlighted line is the word searched.
    m_line->load(u"sunset at the ég"_s, false);
    QCOMPARE(m_line->selectedCompletionPart(), u"eglise"_s);
    QVERIFY(m_line->listKey(EditLine::List::Completions, Qt::Key_F4, Qt::NoModifier));
    QVERIFY(m_line->isContextPanelShown());
    QCOMPARE(m_line->contextLines().size(), 1);
    QCOMPARE(m_line->contextLines().constFirst().text, u"Église"_s);
}

void EditLineTest::contextPanelWithoutHits()
{
    type(u"nothing"_s);
    key(Qt::Key_F4);
    QVERIFY(!m_line->isContextPanelShown());
    QCOMPARE(m_dialogs.statuses.size(), 1);
    QCOMPARE(m_dialogs.statuses.constFirst().text, u"No hits in Context dictionary"_s);
    QVERIFY(m_dialogs.statuses.constFirst().error);
    QCOMPARE(m_dialogs.statuses.constFirst().sound, Platform::Sound::Error);

    // An empty line has nothing to search for.
    m_line->load(QString(), false);
    key(Qt::Key_F4);
    QCOMPARE(m_dialogs.statuses.size(), 1);
}

void EditLineTest::contextPanelStopsAtMaxHits()
{
    for (int i = 0; i < 30; ++i)
        m_source.staticContext.append(u"word %1"_s.arg(i));
    m_line->setMaxHits(10);
    type(u"word"_s);
    key(Qt::Key_F4);
    QCOMPARE(m_line->contextLines().size(), 10);
}

void EditLineTest::contextPanelStatus()
{
    m_source.activeContext = {u"beach"_s, u"harbour"_s};
    m_source.staticContext = {u"a beach"_s, u"b"_s, u"c"_s};
    type(u"beach"_s);
    key(Qt::Key_F4);
    QCOMPARE(m_line->contextStatus(420),
             (QStringList{u" Context dictionary"_s,
                          u" Entries in Active dictionary : 2, entries in Static dictionary : 3"_s}));
    QCOMPARE(m_line->contextStatus(419), (QStringList{u" Context dictionary"_s, u" Active : 2, Static : 3"_s}));
}

void EditLineTest::enterFromTheContextPanel_data()
{
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selection");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::newRow("replaces the last word") << 15 << 0 << int(Qt::NoModifier) << u"evening at Harbour lights"_s;
    QTest::newRow("replaces the selection") << 0 << 7 << int(Qt::NoModifier) << u"Evening glow at harb"_s;
    QTest::newRow("ctrl replaces everything") << 15 << 0 << int(Qt::ControlModifier) << u"Harbour lights"_s;
}

void EditLineTest::enterFromTheContextPanel()
{
    QFETCH(int, caret);
    QFETCH(int, selection);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    m_source.activeContext = {u"Harbour lights"_s, u"Old harbour"_s, u"Evening glow"_s};
    type(u"evening at harb"_s);
    m_line->setCaret(caret, selection);
    key(Qt::Key_F4);
    QVERIFY(m_line->isContextPanelShown());
    QCOMPARE(m_line->highlightedContextLine(), 0);
    QVERIFY(m_line->listKey(EditLine::List::Context, Qt::Key_Return, Qt::KeyboardModifiers(modifiers)));
    QCOMPARE(m_line->text(), expected);
    QCOMPARE(m_line->caret(), int(expected.size()));
    QVERIFY(!m_line->isContextPanelShown());
    QVERIFY(m_host.confirmed.isEmpty());
}

void EditLineTest::downMovesIntoTheCompletionList()
{
    QSignalSpy focus(m_line.get(), &EditLine::focusRequested);
    type(u"par"_s);
    m_line->setCaret(1, 2);
    key(Qt::Key_Down);
    QCOMPARE(m_line->highlightedCompletion(), 1);
    QCOMPARE(m_line->savedLineSelection(), (Dictionary::LineSelection{1, 2}));
    QCOMPARE(focus.size(), 1);
    QCOMPARE(focus.constFirst().constFirst().value<EditLine::Target>(), EditLine::Target::CompletionList);

    // Back in the line: the selection comes back.
    m_line->setCaret(3);
    m_line->lineFocused();
    QCOMPARE(m_line->caret(), 1);
    QCOMPARE(m_line->selectionLength(), 2);
    QCOMPARE(m_line->savedLineSelection().start, -1);

    // On the last line Down stays in the line and saves nothing.
    m_line->listReleased(EditLine::List::Completions, 2);
    key(Qt::Key_Down);
    QCOMPARE(focus.size(), 1);
    QCOMPARE(m_line->savedLineSelection().start, -1);
}

void EditLineTest::listKeys()
{
    QSignalSpy focus(m_line.get(), &EditLine::focusRequested);
    type(u"par"_s);
    key(Qt::Key_Down);
    QVERIFY(m_line->listKey(EditLine::List::Completions, Qt::Key_Down, Qt::NoModifier));
    QCOMPARE(m_line->highlightedCompletion(), 2);
    m_line->listKey(EditLine::List::Completions, Qt::Key_Down, Qt::NoModifier);
    QCOMPARE(m_line->highlightedCompletion(), 2);
    m_line->listKey(EditLine::List::Completions, Qt::Key_Up, Qt::NoModifier);
    m_line->listKey(EditLine::List::Completions, Qt::Key_Up, Qt::NoModifier);
    QCOMPARE(m_line->highlightedCompletion(), 0);
    QCOMPARE(focus.size(), 1);
    // Up on the first line goes back to the line.
    m_line->listKey(EditLine::List::Completions, Qt::Key_Up, Qt::NoModifier);
    QCOMPARE(focus.size(), 2);
    QCOMPARE(focus.constLast().constFirst().value<EditLine::Target>(), EditLine::Target::Line);
    QCOMPARE(m_line->highlightedCompletion(), 0);

    // Enter in the list takes the line as Enter in the edit line would, then returns the focus.
    m_line->lineFocused();
    key(Qt::Key_Down);
    m_line->listKey(EditLine::List::Completions, Qt::Key_Return, Qt::NoModifier);
    QCOMPARE(m_line->text(), u"parade"_s);
    QCOMPARE(focus.constLast().constFirst().value<EditLine::Target>(), EditLine::Target::Line);
    // Enter forgot the saved selection, so focusing the line does not move the caret.
    m_line->lineFocused();
    QCOMPARE(m_line->caret(), 6);

    // In the context panel Up on the first line also hides it.
    m_source.staticContext = {u"parade one"_s, u"parade two"_s};
    key(Qt::Key_F4);
    QVERIFY(m_line->isContextPanelShown());
    m_line->listKey(EditLine::List::Context, Qt::Key_Down, Qt::NoModifier);
    QCOMPARE(m_line->highlightedContextLine(), 1);
    m_line->listKey(EditLine::List::Context, Qt::Key_Up, Qt::NoModifier);
    QVERIFY(m_line->isContextPanelShown());
    m_line->listKey(EditLine::List::Context, Qt::Key_Up, Qt::NoModifier);
    QVERIFY(!m_line->isContextPanelShown());
}

void EditLineTest::listKeysKeepTheHighlightEnterTakes_data()
{
    // Typing "é" lists école and eglise (taken as "église", the typed letter kept); Down highlights
    // eglise, Up then école.
    QTest::addColumn<int>("upFirst");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QString>("expected");
    QTest::newRow("End") << 1 << int(Qt::Key_End) << QString() << u"église"_s;
    QTest::newRow("PgDn") << 1 << int(Qt::Key_PageDown) << QString() << u"église"_s;
    QTest::newRow("Home") << 0 << int(Qt::Key_Home) << QString() << u"école"_s;
    QTest::newRow("PgUp") << 0 << int(Qt::Key_PageUp) << QString() << u"école"_s;
    QTest::newRow("letter") << 0 << int(Qt::Key_X) << u"x"_s << u"éx"_s;
}

void EditLineTest::listKeysKeepTheHighlightEnterTakes()
{
    QFETCH(int, upFirst);
    QFETCH(int, pressed);
    QFETCH(QString, characters);
    QSignalSpy focus(m_line.get(), &EditLine::focusRequested);
    type(u"é"_s);
    key(Qt::Key_Down);
    if (upFirst)
        m_line->listKey(EditLine::List::Completions, Qt::Key_Up, Qt::NoModifier);
    QVERIFY(m_line->listKey(EditLine::List::Completions, pressed, Qt::NoModifier, characters));
    if (characters.isEmpty()) {
        m_line->listKey(EditLine::List::Completions, Qt::Key_Return, Qt::NoModifier);
    } else {
        // A letter goes to the line at its caret and gives the line the focus.
        QCOMPARE(focus.constLast().constFirst().value<EditLine::Target>(), EditLine::Target::Line);
        QCOMPARE(m_line->caret(), 2);
    }
    QTEST(m_line->text(), "expected");
}

void EditLineTest::clicksAndDoubleClicks()
{
    m_source.statics.append(u"parades"_s);
    type(u"sunset at the pa"_s);
    m_line->listPressed(EditLine::List::Completions, 1, 1000);
    m_line->listReleased(EditLine::List::Completions, 1);
    QCOMPARE(m_line->highlightedCompletion(), 1);
    // Too late for a double click.
    m_line->listPressed(EditLine::List::Completions, 1, 1301);
    QCOMPARE(m_line->text(), u"sunset at the pa"_s);
    m_line->listReleased(EditLine::List::Completions, 1);
    // Within 300 ms: the line is taken.
    m_line->listPressed(EditLine::List::Completions, 1, 1601);
    QCOMPARE(m_line->text(), u"sunset at the parade"_s);
    // Its release falls on the list rebuilt for the new text and picks nothing there.
    QCOMPARE(m_line->completions().size(), 2);
    m_line->listReleased(EditLine::List::Completions, 1);
    QCOMPARE(m_line->highlightedCompletion(), 0);

    // In the context panel the clicked line is highlighted first.
    m_source.activeContext = {u"parade one"_s, u"parade two"_s};
    key(Qt::Key_F4);
    m_line->listPressed(EditLine::List::Context, 1, 5000);
    m_line->listPressed(EditLine::List::Context, 1, 5200);
    QCOMPARE(m_line->text(), u"sunset at the parade two"_s);
    QVERIFY(!m_line->isContextPanelShown());
}

void EditLineTest::contextPanelHidesWhenLeft()
{
    m_source.activeContext = {u"beach"_s};
    type(u"beach"_s);
    key(Qt::Key_F4);
    QVERIFY(m_line->isContextPanelShown());
    QSignalSpy focus(m_line.get(), &EditLine::focusRequested);
    m_line->contextPanelLeft();
    QVERIFY(!m_line->isContextPanelShown());
    QCOMPARE(focus.size(), 1);
    QCOMPARE(focus.constFirst().constFirst().value<EditLine::Target>(), EditLine::Target::Line);

    // The line getting the focus back also hides it.
    key(Qt::Key_F4);
    m_line->lineFocused();
    QVERIFY(!m_line->isContextPanelShown());
}

void EditLineTest::typingAgainstTheDictionaryStore()
{
    StoreFixture fixture;
    Dictionary::DictionaryStore &store = fixture.store;
    store.AddConfirmedFreeText(u"Sunset at the beach"_s);
    for (const QString &text : {u"parade"_s, u"Paris"_s, u"Beach"_s})
        store.AddToDictionary(text, Dictionary::DicIndex::Static);
    store.VulHulpDicTabel(Dictionary::DicIndex::Static);
    store.SortHulpDicTabel(Dictionary::DicIndex::Static);
    QVERIFY(store.WriteContextDic(Dictionary::DicIndex::Active, u"Harbour lights"_s));

    EditLine line(store, m_host, m_dialogs);
    m_host.confirmedText = [&line] { return line.text(); };
    // Confirming feeds the Active dictionary, as the stage-2 editor does.
    m_host.onConfirm = [&] {
        store.AddConfirmedFreeText(line.text());
        line.load(QString(), false);
    };
    line.load(QString(), false);

    line.typeText(u"old be"_s);
    QCOMPARE(lineTexts(line.completions()), QStringList{u"beach (A)"_s});
    line.enter();
    QCOMPARE(line.text(), u"old beach"_s);
    line.enter();
    QCOMPARE(m_host.confirmed, QStringList{u"old beach"_s});
    QCOMPARE(line.text(), QString());

    // The confirmed text is found by the next search.
    line.typeText(u"Old"_s);
    QCOMPARE(lineTexts(line.completions()), (QStringList{u"old (A)"_s, u"old beach (A)"_s}));
    line.typeText(u" b"_s);
    QCOMPARE(lineTexts(line.completions()), QStringList{u"beach (A)"_s});
    // Ctrl+S on a selected 'b' takes in the word before: 'Old b' is looked up.
    line.setCaret(4, 1);
    line.keyDown(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(line.selectedText(), u"Old b"_s);
    QCOMPARE(lineTexts(line.completions()), QStringList{u"old beach (A)"_s});

    line.load(u"city harb"_s, false);
    line.keyDown(Qt::Key_F4, Qt::NoModifier);
    QVERIFY(line.isContextPanelShown());
    QCOMPARE(line.contextLines().constFirst().text, u"Harbour lights"_s);
    line.enter();
    QCOMPARE(line.text(), u"city Harbour lights"_s);
}

QTEST_GUILESS_MAIN(EditLineTest)
#include "editlinetest.moc"
