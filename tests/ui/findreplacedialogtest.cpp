#include "ui/findreplacedialog.h"

#include "ui/stage2panel.h"

#include "app/application.h"
#include "app/maincommands.h"
#include "session/findreplace.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "support/openwindow.h"
#include "support/programfolders.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

class FindReplaceDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void findReplaceEditAndApply();

private:
    QTemporaryDir m_root;
};

void FindReplaceDialogTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(makeProgramAndPictures(m_root.path(), QStringList{u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}));
}

void FindReplaceDialogTest::findReplaceEditAndApply()
{
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    Session::PictureSession &pictures = program.application.pictures();
    const QStringList texts{u"Sunset beach"_s, u"Beach bar"_s, u"Harbour"_s};
    for (int r = 0; r < 3; ++r) {
        pictures.rowForChange(r).freeText = texts.at(r);
        pictures.UpdateFSGTitleRec(r, false, false);
    }
    program.application.selection().BtnSelectClick(Session::SelectionKind::All);
    auto *button = program.window.findChild<Ui::Stage2Panel *>()->findChild<QToolButton *>(u"findReplace"_s);
    QVERIFY(button && button->isEnabled());

    bool driven = false;
    // The menu command and the stage button open the dialog modally; the test works it from inside.
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<Ui::FindReplaceDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        // A failed check leaves the dialog, which must not keep the test waiting.
        const auto closeOnFailure = qScopeGuard([dialog] {
            if (dialog->isVisible())
                dialog->reject();
        });
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->windowTitle(), u"Mirelto - Find and Replace string of characters"_s);
        // Every access key once.
        QString keys;
        const auto addKey = [&keys](const QString &caption) {
            const qsizetype amp = caption.indexOf(u'&');
            if (amp >= 0)
                keys += caption.at(amp + 1).toLower();
        };
        for (auto *b : dialog->findChildren<QAbstractButton *>())
            addKey(b->text());
        for (auto *label : dialog->findChildren<QLabel *>())
            addKey(label->text());
        QCOMPARE(keys.size(), 10);
        for (const QChar key : keys)
            QCOMPARE(keys.count(key), 1);

        auto *area = dialog->findChild<QPlainTextEdit *>(u"findReplaceText"_s);
        auto *find = dialog->findChild<QLineEdit *>(u"findString"_s);
        auto *replace = dialog->findChild<QLineEdit *>(u"replaceBy"_s);
        auto *apply = dialog->findChild<QPushButton *>(u"apply"_s);
        auto *message = dialog->findChild<QLabel *>(u"statusMessage"_s);
        auto *occurrences = dialog->findChild<QLabel *>(u"statusOccurrences"_s);
        QCOMPARE(area->toPlainText(), u" Sunset beach\n Beach bar\n Harbour"_s);
        QVERIFY(find->hasFocus() && !apply->isEnabled() && !replace->isEnabled());

        QTest::keyClicks(find, u"be/ach"_s);
        QCOMPARE(find->text(), u"beach"_s);
        QVERIFY(message->text().contains(u"A filename cannot contain"_s));
        QTest::keyClick(find, Qt::Key_Return);
        QVERIFY(occurrences->text().contains(u"Occurrences found : "_s));
        QCOMPARE(area->extraSelections().size(), 2);
        QVERIFY(replace->hasFocus());
        QTest::keyClicks(replace, u"shore"_s);
        dialog->findChild<QPushButton *>(u"replaceAll"_s)->click();
        QCOMPARE(area->toPlainText(), u" Sunset shore\n shore bar\n Harbour"_s);
        QVERIFY(apply->isEnabled() && !replace->isEnabled() && find->text().isEmpty());

        // The line editor over the third line: Ctrl+U on its word, then Enter stores it.
        area->setFocus();
        QTest::keyClick(area, Qt::Key_Down);
        QTest::keyClick(area, Qt::Key_Down);
        QTest::keyClick(area, Qt::Key_Return);
        auto *editor = dialog->findChild<QLineEdit *>(u"lineEditor"_s);
        QVERIFY(editor->isVisible() && editor->hasFocus() && !area->isEnabled());
        QCOMPARE(editor->text(), u"Harbour"_s);
        QTest::keyClicks(editor, u" wall"_s);
        QTest::keyClick(editor, Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(editor->text(), u"Harbour Wall"_s);
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!editor->isVisible() && area->hasFocus());
        QCOMPARE(area->toPlainText(), u" Sunset shore\n shore bar\n Harbour Wall"_s);
        apply->click();
        driven = true;
    });
    button->click();
    QVERIFY(driven);
    QCOMPARE(pictures.row(0).freeText, u"Sunset shore"_s);
    QCOMPARE(pictures.row(1).freeText, u"shore bar"_s);
    QCOMPARE(pictures.row(2).freeText, u"Harbour Wall"_s);

    // The menu command opens it too; Escape drops the changes.
    QTimer::singleShot(0, this, [] {
        auto *dialog = qobject_cast<Ui::FindReplaceDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        const auto closeOnFailure = qScopeGuard([dialog] {
            if (dialog->isVisible())
                dialog->reject();
        });
        auto *find = dialog->findChild<QLineEdit *>(u"findString"_s);
        QTest::keyClicks(find, u"shore"_s);
        QTest::keyClick(find, Qt::Key_Return);
        dialog->findChild<QPushButton *>(u"replaceAll"_s)->click();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    program.window.runCommand(App::MainCommand::FindReplace);
    QCOMPARE(pictures.row(0).freeText, u"Sunset shore"_s);
}

QTEST_MAIN(FindReplaceDialogTest)
#include "findreplacedialogtest.moc"
