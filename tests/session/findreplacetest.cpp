#include "session/findreplace.h"

#include "session/findreplacecommand.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "session/subjectsource.h"
#include "settings/programsettings.h"

#include "support/fakedialogs.h"
#include "support/files.h"

#include <QFileInfo>
#include <QPoint>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Session;

namespace {

enum Answer { Yes = 0, No = 1, Cancel = 2, All = 3 };

} // namespace

class FindReplaceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void search_data();
    void search();
    void noThenYesChangesOnlyTheSecond();
    void replacementShiftsLaterHitsAndLines_data();
    void replacementShiftsLaterHitsAndLines();
    void cancelledRunKeepsItsReplacements_data();
    void cancelledRunKeepsItsReplacements();
    void onlySelectedUnmarkedPicturesAreListed_data();
    void onlySelectedUnmarkedPicturesAreListed();
    void lineEditor();
    void editorKeys_data();
    void editorKeys();
    void fieldsRefuseIllegalCharacters();
    void ignoredCaseReplacesWhereItFound();
    void replacementMustFitTheTitleFile_data();
    void replacementMustFitTheTitleFile();

private:
    // Gives rows 0.. the free texts, all selected.
    void setFreeTexts(const QStringList &texts);
    std::unique_ptr<FindReplace> dialog();
    QStringList freeTexts(const FindReplace &model) const;
    void answerWith(std::initializer_list<int> buttons)
    {
        for (const int button : buttons)
            m_dialogs.answers.enqueue({button, true});
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
    NoSubjects m_subjects;
    std::unique_ptr<PictureSession> m_pictures;
    std::unique_ptr<Settings::ProgramSettings> m_settings;
    std::unique_ptr<Selection> m_selection;
};

void FindReplaceTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    for (const QString &name : {u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s, u"d.jpg"_s})
        QVERIFY(writeFile(m_dir->filePath(name)));
    m_dialogs = FakeDialogs();
    m_pictures = std::make_unique<PictureSession>(m_dialogs, m_subjects);
    m_pictures->setFolder(m_dir->path(), u"4.4.0.0"_s);
    QVERIFY(m_pictures->CreateFSGTitle());
    QVERIFY(m_pictures->FillSGTitle(true));
    m_settings = std::make_unique<Settings::ProgramSettings>(m_dir->filePath(u"PSMSet.dat"_s));
    m_selection = std::make_unique<Selection>(*m_pictures, *m_settings, m_dialogs);
}

void FindReplaceTest::cleanup()
{
    m_selection.reset();
    m_settings.reset();
    m_pictures.reset();
    m_dir.reset();
}

void FindReplaceTest::setFreeTexts(const QStringList &texts)
{
    for (int r = 0; r < texts.size(); ++r) {
        m_pictures->rowForChange(r).freeText = texts.at(r);
        m_pictures->rowForChange(r).marker = Marker::selected;
        QVERIFY(m_pictures->UpdateFSGTitleRec(r, false, false));
    }
}

std::unique_ptr<FindReplace> FindReplaceTest::dialog()
{
    return std::make_unique<FindReplace>(FindReplaceCommand::FillTFreeText(*m_pictures), *m_settings, m_dialogs);
}

QStringList FindReplaceTest::freeTexts(const FindReplace &model) const
{
    QStringList texts;
    for (const RFreeText &line : model.lines()) {
        texts.append(line.FreeText);
        if (line.LFreeText != line.FreeText.toLower())
            texts.append(u"LFreeText out of step"_s);
    }
    return texts;
}

void FindReplaceTest::search_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("find");
    QTest::addColumn<bool>("ignoreCase");
    // Line and position (from 1, the leading space being 1) of every hit.
    QTest::addColumn<QList<QPoint>>("hits");
    const QStringList beach{u"Sunset beach"_s, u"Beach bar"_s};
    QTest::newRow("ignore case") << beach << u"beach"_s << true << QList<QPoint>{{0, 9}, {1, 2}};
    QTest::newRow("exact") << beach << u"beach"_s << false << QList<QPoint>{{0, 9}};
    QTest::newRow("own leading space not searched") << beach << u" beach"_s << true << QList<QPoint>{{0, 8}};
    QTest::newRow("no overlap") << QStringList{u"aaaa"_s} << u"aa"_s << true << QList<QPoint>{{0, 2}, {0, 4}};
    QTest::newRow("accents not folded") << QStringList{u"Café"_s} << u"cafe"_s << true << QList<QPoint>{};
    // "İ" lower-cased is two characters: the hit is still where it is in the free text.
    QTest::newRow("longer lower case before") << QStringList{u"İstanbul beach"_s} << u"BEACH"_s << true
                                              << QList<QPoint>{{0, 11}};
}

void FindReplaceTest::search()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, find);
    QFETCH(bool, ignoreCase);
    QFETCH(QList<QPoint>, hits);
    setFreeTexts(texts);
    auto model = dialog();
    QSignalSpy sounds(model.get(), &FindReplace::errorSound);
    QSignalSpy focus(model.get(), &FindReplace::focusRequested);
    model->setIgnoreCase(ignoreCase);
    QVERIFY(!model->findEnabled());
    model->setFindString(find, int(find.size()));
    QVERIFY(model->findEnabled());
    model->findStringEnter();

    QList<QPoint> found;
    for (const RFind &hit : model->hits()) {
        found.append({hit.RLine, hit.RPosInLine});
        QCOMPARE(hit.RStart, model->lines().at(hit.RLine).LineStartsAt + hit.RPosInLine - 1);
    }
    QCOMPARE(found, hits);
    QCOMPARE(model->marks().size(), hits.size());
    QVERIFY(!model->findEnabled());
    QCOMPARE(model->replaceEnabled(), !hits.isEmpty());
    QCOMPARE(sounds.size(), hits.isEmpty() ? 1 : 0);
    QCOMPARE(focus.last().at(0).value<FindReplace::Target>(),
             hits.isEmpty() ? FindReplace::Target::FindString : FindReplace::Target::ReplaceBy);
    QCOMPARE(model->occurrences(), hits.isEmpty() ? u"No occurrences found"_s
                                                  : u"Occurrences found : "_s + QString::number(hits.size()));
    // The focus in the find string takes the marks away.
    model->findStringFocused();
    QVERIFY(model->marks().isEmpty());
}

void FindReplaceTest::noThenYesChangesOnlyTheSecond()
{
    setFreeTexts({u"beach and beach"_s, u"Beach"_s});
    auto model = dialog();
    model->setFindString(u"beach"_s, 5);
    model->find();
    model->setReplaceString(u"Beach"_s, 5);
    QStringList counts;
    connect(model.get(), &FindReplace::messageChanged, this, [&] {
        if (!model->occurrences().isEmpty() && !counts.contains(model->occurrences()))
            counts.append(model->occurrencesLead() + u'|' + model->occurrencesRest());
    });
    answerWith({No, Yes, No});
    model->replace(true);

    QCOMPARE(m_dialogs.asked.size(), 3);
    QCOMPARE(m_dialogs.asked.first().lines, QStringList{u"Replace ?"_s});
    QCOMPARE(freeTexts(*model), (QStringList{u" beach and Beach"_s, u" Beach"_s}));
    QCOMPARE(counts.first(), u"Occurrences found : 3,| Current : 1"_s);
    QCOMPARE(model->marks(), (QList<FindMark>{{0, 1, 5, FindMark::Kind::Skipped},
                                              {0, 11, 5, FindMark::Kind::Replaced},
                                              {1, 1, 5, FindMark::Kind::Skipped}}));
    QVERIFY(model->applyEnabled());
    // A new search is needed for further replacements.
    QVERIFY(model->findString().isEmpty() && model->replaceString().isEmpty());
    QVERIFY(!model->replaceEnabled() && !model->findEnabled());
    QVERIFY(model->occurrences().isEmpty());
}

void FindReplaceTest::replacementShiftsLaterHitsAndLines_data()
{
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("secondLineStart");
    // RStart and RPosInLine of the three hits after the run.
    QTest::addColumn<QList<QPoint>>("hits");
    QTest::newRow("longer") << u"wxyz"_s << QStringList{u" wxyz wxyz"_s, u" cwxyz"_s} << 12
                            << QList<QPoint>{{1, 2}, {6, 7}, {14, 3}};
    QTest::newRow("shorter") << u""_s << QStringList{u"  "_s, u" c"_s} << 4 << QList<QPoint>{{1, 2}, {2, 3}, {6, 3}};
}

void FindReplaceTest::replacementShiftsLaterHitsAndLines()
{
    QFETCH(QString, replacement);
    QFETCH(QStringList, texts);
    QFETCH(int, secondLineStart);
    QFETCH(QList<QPoint>, hits);
    setFreeTexts({u"ab ab"_s, u"cab"_s});
    auto model = dialog();
    QCOMPARE(model->lines().at(1).LineStartsAt, 8);
    model->setFindString(u"ab"_s, 2);
    model->find();
    model->setReplaceString(replacement, 0);
    model->replace(false);

    QVERIFY(m_dialogs.asked.isEmpty());
    QCOMPARE(freeTexts(*model), texts);
    QCOMPARE(model->lines().at(1).LineStartsAt, secondLineStart);
    QList<QPoint> moved;
    for (const RFind &hit : model->hits()) {
        QVERIFY(hit.RIsReplaced);
        moved.append({hit.RStart, hit.RPosInLine});
    }
    QCOMPARE(moved, hits);
}

void FindReplaceTest::cancelledRunKeepsItsReplacements_data()
{
    QTest::addColumn<bool>("apply");
    QTest::newRow("apply") << true;
    QTest::newRow("cancel") << false;
}

void FindReplaceTest::cancelledRunKeepsItsReplacements()
{
    QFETCH(bool, apply);
    setFreeTexts({u"old pier"_s, u"old mill"_s, u"old town"_s, u"new town"_s});
    answerWith({Yes, Cancel});
    QSignalSpy written(m_pictures.get(), &PictureSession::rowsChanged);
    FindReplaceCommand command(*m_pictures, *m_selection, *m_settings, m_dialogs);
    command.SBFindReplaceClick([&](FindReplace &model) {
        model.setFindString(u"old"_s, 3);
        model.find();
        model.setReplaceString(u"Older"_s, 5);
        model.replace(true);
        [&] { QCOMPARE(freeTexts(model).mid(0, 2), (QStringList{u" Older pier"_s, u" old mill"_s})); }();
        return apply;
    });

    QCOMPARE(m_dialogs.asked.size(), 2);
    QCOMPARE(m_pictures->row(0).freeText, apply ? u"Older pier"_s : u"old pier"_s);
    QCOMPARE(m_pictures->row(1).freeText, u"old mill"_s);
    // Only the changed row is written, and it reaches the title file.
    QCOMPARE(written.size(), apply ? 1 : 0);
    const auto contents = m_pictures->titleFile().readAll();
    QVERIFY(contents);
    QCOMPARE(contents.value().records.at(0).STNew, m_pictures->row(0).freeText);
}

void FindReplaceTest::onlySelectedUnmarkedPicturesAreListed_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("yes selects all having free text") << int(Yes) << QList<int>{0, 1};
    QTest::newRow("no keeps the selection") << int(No) << QList<int>{0};
    QTest::newRow("cancel stops") << int(Cancel) << QList<int>{};
}

void FindReplaceTest::onlySelectedUnmarkedPicturesAreListed()
{
    QFETCH(int, answer);
    QFETCH(QList<int>, rows);
    setFreeTexts({u"shown"_s, u"unselected"_s, u"marked"_s, QString()});
    m_pictures->rowForChange(1).marker.clear();
    m_pictures->rowForChange(2).markedForDeletion = true;
    answerWith({answer});
    QList<int> listed;
    bool shown = false;
    FindReplaceCommand command(*m_pictures, *m_selection, *m_settings, m_dialogs);
    command.SBFindReplaceClick([&](FindReplace &model) {
        shown = true;
        for (const RFreeText &line : model.lines())
            listed.append(line.FreeText_Row);
        return false;
    });
    QCOMPARE(m_dialogs.asked.size(), 1);
    QCOMPARE(shown, answer != Cancel);
    QCOMPARE(listed, rows);
    QCOMPARE(m_pictures->row(1).isSelected(), answer == Yes);

    // Nothing to list: the error box, no dialog.
    m_dialogs = FakeDialogs();
    setFreeTexts({QString(), QString(), QString(), QString()});
    shown = false;
    FindReplaceCommand(*m_pictures, *m_selection, *m_settings, m_dialogs).SBFindReplaceClick([&](FindReplace &) {
        shown = true;
        return true;
    });
    QVERIFY(!shown);
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.first().text,
             u"No selected pictures found that have free text, can not start Find/Replace"_s);
}

void FindReplaceTest::lineEditor()
{
    setFreeTexts({u"one"_s, u"two"_s, u"three"_s});
    auto model = dialog();
    QSignalSpy focus(model.get(), &FindReplace::focusRequested);
    model->setFindString(u"t"_s, 1);
    model->find();
    QVERIFY(model->replaceEnabled());
    model->textAreaEntered(1);
    QVERIFY(!model->replaceEnabled());
    // A double click opens the editor on the line.
    model->textAreaPressed(1, 1000);
    QVERIFY(!model->editorOpen());
    model->textAreaPressed(1, 1200);
    QVERIFY(model->editorOpen() && !model->editModeEnabled() && model->textAreaLocked());
    QCOMPARE(model->editorText(), u"two"_s);
    QCOMPARE(focus.last().at(0).value<FindReplace::Target>(), FindReplace::Target::LineEditor);

    // An empty text keeps the line.
    model->editorEdited(QString(), 0);
    model->editorKey(Qt::Key_Return, Qt::NoModifier);
    QVERIFY(!model->editorOpen() && model->editModeEnabled());
    QCOMPARE(freeTexts(*model), (QStringList{u" one"_s, u" two"_s, u" three"_s}));
    QVERIFY(!model->applyEnabled());

    // Down stores a longer text, moves the next line and opens the editor there.
    model->openEditor();
    model->editorEdited(u"twenty two"_s, 10);
    model->editorKey(Qt::Key_Down, Qt::NoModifier);
    QCOMPARE(freeTexts(*model), (QStringList{u" one"_s, u" twenty two"_s, u" three"_s}));
    QCOMPARE(model->lines().at(2).LineStartsAt, 6 + 13);
    QVERIFY(model->applyEnabled());
    QVERIFY(model->hits().isEmpty() && model->marks().isEmpty());
    QVERIFY(model->editorOpen());
    QCOMPARE(model->currentLine(), 2);
    // Tab closes it without storing; Up on the first line opens no other.
    model->editorEdited(u"four"_s, 4);
    model->editorKey(Qt::Key_Tab, Qt::NoModifier);
    QCOMPARE(model->lines().at(2).FreeText, u" three"_s);
    QCOMPARE(focus.last().at(0).value<FindReplace::Target>(), FindReplace::Target::Next);
    model->setCurrentLine(0);
    model->openEditor();
    model->editorKey(Qt::Key_Up, Qt::NoModifier);
    QVERIFY(!model->editorOpen());
    QSignalSpy cancelled(model.get(), &FindReplace::cancelRequested);
    model->openEditor();
    model->editorKey(Qt::Key_Escape, Qt::NoModifier);
    QCOMPARE(cancelled.size(), 1);
}

void FindReplaceTest::editorKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");
    QTest::newRow("ctrl+u") << u"ab cd"_s << 4 << int(Qt::Key_U) << Qt::KeyboardModifiers(Qt::ControlModifier)
                            << u"ab Cd"_s << 4;
    QTest::newRow("ctrl+l") << u"Ab cd"_s << 1 << int(Qt::Key_L) << Qt::KeyboardModifiers(Qt::ControlModifier)
                            << u"ab cd"_s << 1;
    QTest::newRow("alt+right") << u"aa bb cc"_s << 0 << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::AltModifier)
                               << u"bb aa cc"_s << 3;
    QTest::newRow("alt+left single word") << u"aa"_s << 1 << int(Qt::Key_Left)
                                          << Qt::KeyboardModifiers(Qt::AltModifier) << u"aa"_s << 1;
    QTest::newRow("ctrl+backspace keeps the caret") << u"aa bb cc"_s << 5 << int(Qt::Key_Backspace)
                                                    << Qt::KeyboardModifiers(Qt::ControlModifier) << u"aa cc"_s << 5;
}

void FindReplaceTest::editorKeys()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);
    setFreeTexts({text});
    auto model = dialog();
    model->openEditor();
    model->setEditorCaret(caret);
    QCOMPARE(model->editorKey(key, modifiers), FindReplace::KeyResult::Handled);
    QCOMPARE(model->editorText(), expected);
    QCOMPARE(model->editorCaret(), expectedCaret);
}

void FindReplaceTest::fieldsRefuseIllegalCharacters()
{
    setFreeTexts({u"a"_s});
    auto model = dialog();
    QSignalSpy sounds(model.get(), &FindReplace::errorSound);
    const FieldText field = model->setFindString(u"be/a?ch"_s, 4);
    QCOMPARE(field.text, u"beach"_s);
    QCOMPARE(field.caret, 3);
    QCOMPARE(model->findString(), u"beach"_s);
    QVERIFY(model->message().startsWith(u"A filename cannot contain any of the following characters: /"_s));
    QVERIFY(model->messageIsError());
    QCOMPARE(model->messageSeconds(), 5);
    QCOMPARE(sounds.size(), 1);
    model->openEditor();
    model->editorEdited(u"a|"_s, 2);
    QCOMPARE(model->editorText(), u"a"_s);
    QCOMPARE(sounds.size(), 2);
    // Emptying the find string disables the search.
    model->setFindString(QString(), 0);
    QVERIFY(!model->findEnabled());

    // The check box stores a changed value when it is left, not before.
    const bool preset = m_settings->rec().PSIgnoreCase;
    QCOMPARE(model->ignoreCase(), preset);
    model->setIgnoreCase(!preset);
    QCOMPARE(m_settings->rec().PSIgnoreCase, preset);
    model->ignoreCaseLeft();
    QCOMPARE(m_settings->rec().PSIgnoreCase, !preset);
    QVERIFY(QFileInfo::exists(m_settings->path()));
}

void FindReplaceTest::ignoredCaseReplacesWhereItFound()
{
    setFreeTexts({u"İstanbul beach İSTANBUL"_s, u"Beach ǅemal"_s});
    auto model = dialog();
    model->setIgnoreCase(true);
    for (const auto &[find, replacement] : {std::pair{u"beach"_s, u"Shore"_s}, std::pair{u"ǆemal"_s, u"Kemal"_s}}) {
        model->setFindString(find, int(find.size()));
        model->find();
        model->setReplaceString(replacement, int(replacement.size()));
        model->replace(false);
    }
    QCOMPARE(freeTexts(*model), (QStringList{u" İstanbul Shore İSTANBUL"_s, u" Shore Kemal"_s}));
}

void FindReplaceTest::replacementMustFitTheTitleFile_data()
{
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("fits");
    // 124 two-byte letters, a space and "ab": 251 of the 255 bytes.
    QTest::newRow("to the last byte") << u"abcdef"_s << true;
    QTest::newRow("one byte more") << u"abcdefg"_s << false;
}

void FindReplaceTest::replacementMustFitTheTitleFile()
{
    QFETCH(QString, replacement);
    QFETCH(bool, fits);
    const QString full = QString(124, u'é') + u" ab"_s;
    setFreeTexts({full, u"ab"_s});
    const QString picture = m_pictures->row(0).currentTitle;
    auto model = dialog();
    model->setFindString(u"ab"_s, 2);
    model->find();
    model->setReplaceString(replacement, 0);
    answerWith({Yes, Yes});
    model->replace(true);
    // Only the hits that can be stored are offered and replaced; the others are named.
    QCOMPARE(m_dialogs.asked.size(), fits ? 2 : 1);
    QCOMPARE(freeTexts(*model), (QStringList{u' ' + (fits ? QString(full).replace(u"ab"_s, replacement) : full),
                                             u' ' + replacement}));
    QCOMPARE(m_dialogs.informed.size(), fits ? 0 : 1);
    if (!fits) {
        QVERIFY(m_dialogs.informed.first().text.contains(u'\n' + picture + u'\n'));
        QCOMPARE(model->marks().first().kind, FindMark::Kind::Skipped);
    }

    // The line editor keeps a text that is too long open, to be shortened.
    model->setCurrentLine(1);
    model->openEditor();
    model->editorEdited(QString(255, u'x'), 255);
    model->editorKey(Qt::Key_Return, Qt::NoModifier);
    QVERIFY(!model->editorOpen());
    model->openEditor();
    model->editorEdited(QString(128, u'é'), 128);
    model->editorKey(Qt::Key_Return, Qt::NoModifier);
    QVERIFY(model->editorOpen());
    QCOMPARE(model->lines().at(1).FreeText, u' ' + QString(255, u'x'));
    QCOMPARE(m_dialogs.informed.last().text.section(u'\n', 0, 0),
             u"The free text of picture %1 is too long: shorten it."_s.arg(m_pictures->row(1).currentTitle));
}

QTEST_GUILESS_MAIN(FindReplaceTest)
#include "findreplacetest.moc"
