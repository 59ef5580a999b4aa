#include "ui/themecolours.h"
#include "ui/completionlist.h"
#include "ui/contextpanel.h"
#include "ui/editarea.h"

#include "dictionary/editline.h"
#include "support/fakedialogs.h"
#include "support/fakeeditline.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace Qt::StringLiterals;
using Dictionary::EditLine;

class EditAreaTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void typedKeysReachTheModel();
    void completionListShowsTheModelsLines();
    void tabStaysInTheLine();
    void downAndEnterThroughTheList();
    void contextPanelShowsOccurrences();

private:
    FakeCompletionSource m_source;
    FakeEditLineHost m_host;
    FakeDialogs m_dialogs;
    std::unique_ptr<EditLine> m_line;
    std::unique_ptr<Ui::EditArea> m_area;
    QLineEdit *m_edit = nullptr;
};

void EditAreaTest::init()
{
    m_source = FakeCompletionSource();
    m_source.active = {u"Paris"_s, u"beach"_s};
    m_source.statics = {u"parade"_s, u"Paris"_s};
    m_host = FakeEditLineHost();
    m_dialogs = FakeDialogs();
    m_line = std::make_unique<EditLine>(m_source, m_host, m_dialogs);
    m_line->load(QString(), false);
    m_area = std::make_unique<Ui::EditArea>(*m_line);
    m_area->resize(600, 300);
    m_area->show();
    QApplication::setActiveWindow(m_area.get());
    QVERIFY(QTest::qWaitForWindowActive(m_area.get()));
    m_edit = m_area->lineEdit();
    m_edit->setFocus();
    QTRY_VERIFY(m_edit->hasFocus());
}

void EditAreaTest::cleanup()
{
    m_area.reset();
    m_line.reset();
}

void EditAreaTest::typedKeysReachTheModel()
{
    QTest::keyClicks(m_edit, u"par/"_s);
    QCOMPARE(m_line->text(), u"par"_s);
    QCOMPARE(m_edit->text(), u"par"_s);
    QCOMPARE(m_dialogs.statuses.size(), 1);

    // Editing keys of the field itself are reported back.
    QTest::keyClick(m_edit, Qt::Key_Backspace);
    QCOMPARE(m_line->text(), u"pa"_s);
    QTest::keyClick(m_edit, Qt::Key_Home);
    QCOMPARE(m_line->caret(), 0);

    // Ctrl+Z is the line's history, not the field's own undo; Ctrl+Q does not reach a window
    // shortcut but quits editing.
    QTest::keyClick(m_edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_edit->text(), u"par"_s);
    QTest::keyClick(m_edit, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(m_host.quit, 1);

    m_line->load(u"Old harbour"_s, true);
    QCOMPARE(m_edit->text(), u"[Marked for deletion]"_s);
    QVERIFY(m_edit->font().italic());
    QTest::keyClicks(m_edit, u"xy"_s);
    QCOMPARE(m_edit->text(), u"[Marked for deletion]"_s);
}

void EditAreaTest::completionListShowsTheModelsLines()
{
    QListWidget *list = m_area->completionList();
    QTest::keyClicks(m_edit, u"pa"_s);
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), u"Paris"_s);
    QCOMPARE(list->item(0)->foreground().color(), Ui::ThemeColours::text(Ui::Tint::ActiveEntry, list->palette()));
    QCOMPARE(list->item(1)->text(), u"parade"_s);
    QCOMPARE(list->item(1)->foreground().color(), list->palette().color(QPalette::Text));
    QCOMPARE(list->currentRow(), 0);

    QTest::keyClicks(m_edit, u"x"_s);
    QCOMPARE(list->count(), 0);
}

void EditAreaTest::tabStaysInTheLine()
{
    QTest::keyClicks(m_edit, u"aa bb"_s);
    QTest::keyClick(m_edit, Qt::Key_Home);
    QTest::keyClick(m_edit, Qt::Key_Tab);
    QVERIFY(m_edit->hasFocus());
    QCOMPARE(m_edit->cursorPosition(), 3);
    QTest::keyClick(m_edit, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(m_edit->hasFocus());
    QCOMPARE(m_edit->cursorPosition(), 0);
}

void EditAreaTest::downAndEnterThroughTheList()
{
    QListWidget *list = m_area->completionList();
    QTest::keyClicks(m_edit, u"pa"_s);
    QTest::keyClick(m_edit, Qt::Key_Down);
    QTRY_VERIFY(list->hasFocus());
    QCOMPARE(list->currentRow(), 1);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 2);
    QCOMPARE(m_line->highlightedCompletion(), 2);
    // End and Home move the line Enter takes, not only the one shown.
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(m_line->highlightedCompletion(), 0);
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->currentRow(), 2);
    QCOMPARE(m_line->highlightedCompletion(), 2);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(m_edit->text(), u"parade"_s);
    QTRY_VERIFY(m_edit->hasFocus());
    QCOMPARE(m_edit->cursorPosition(), 6);
}

void EditAreaTest::contextPanelShowsOccurrences()
{
    m_source.activeContext = {u"Beach and beach"_s};
    m_source.staticContext = {u"The beach"_s};
    Ui::ContextPanel *panel = m_area->contextPanel();
    QVERIFY(!panel->isVisible());
    QTest::keyClicks(m_edit, u"beach"_s);
    QTest::keyClick(m_edit, Qt::Key_F4);
    QVERIFY(panel->isVisible());
    QListWidget *list = panel->list();
    QTRY_VERIFY(list->hasFocus());
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->data(Ui::ContextPanel::OccurrencesRole).toList(), (QVariantList{0, 10}));
    QCOMPARE(list->item(0)->data(Ui::ContextPanel::KeyLengthRole).toInt(), 5);
    QCOMPARE(list->item(0)->foreground().color(), Ui::ThemeColours::text(Ui::Tint::ActiveEntry, list->palette()));
    QCOMPARE(list->item(1)->foreground().color(), list->palette().color(QPalette::Text));
    QCOMPARE(panel->statusField(0)->text(), u" Context dictionary"_s);
    QCOMPARE(panel->statusField(1)->text(), m_line->contextStatus(panel->width()).at(1));
    // Rendering the marks must not trip over the occurrences.
    QVERIFY(!list->grab().isNull());

    QTest::keyClick(list, Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    QTRY_VERIFY(m_edit->hasFocus());
}

QTEST_MAIN(EditAreaTest)
#include "editareatest.moc"
