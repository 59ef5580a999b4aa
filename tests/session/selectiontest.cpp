#include "session/selection.h"

#include "session/picturesession.h"
#include "session/subjectsource.h"
#include "records/recordfile.h"
#include "settings/programsettings.h"

#include "support/fakedialogs.h"
#include "support/files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Session;

class SelectionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void bulkSelections();
    void invertTwiceRestoresAndRewritesEveryRecord();
    void failedWritesAreToldOncePerCommand();
    void allHavingFreeTextIncludesMarkedForDeletion();
    void shiftTogglesARange();
    void shiftOnTheOnlySelectedRowReselectsIt();
    void selectByStrings_data();
    void selectByStrings();
    void stringChecksAreStoredOnLeavingTheList();
    void failedStoreOfTheChecksSaysWhy();
    void captionsFollowKindAndMode();
    void maintainStrings();
    void queries();

private:
    QStringList markers() const;
    QString lastStatus() const { return m_dialogs.statuses.isEmpty() ? QString() : m_dialogs.statuses.last().text; }

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
    NoSubjects m_subjects;
    std::unique_ptr<PictureSession> m_pictures;
    std::unique_ptr<Settings::ProgramSettings> m_settings;
    std::unique_ptr<Selection> m_selection;
};

void SelectionTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    for (const QString &name : {u"IMG_0001.jpg"_s, u"img_0002.jpg"_s, u"x_img.jpg"_s, u"DSC_1.jpg"_s})
        QVERIFY(writeFile(m_dir->filePath(name)));
    m_dialogs = FakeDialogs();
    m_pictures = std::make_unique<PictureSession>(m_dialogs, m_subjects);
    m_pictures->setFolder(m_dir->path(), u"4.4.0.0"_s);
    QVERIFY(m_pictures->CreateFSGTitle());
    QVERIFY(m_pictures->FillSGTitle(true));
    m_settings = std::make_unique<Settings::ProgramSettings>(m_dir->filePath(u"PSMSet.dat"_s));
    m_settings->rec().PSSelString[0] = u"img"_s;
    m_settings->rec().PSSelChecked[0] = true;
    m_settings->rec().PSSelString[1] = u"dsc"_s;
    m_selection = std::make_unique<Selection>(*m_pictures, *m_settings, m_dialogs);
}

void SelectionTest::cleanup()
{
    m_selection.reset();
    m_settings.reset();
    m_pictures.reset();
    m_dir.reset();
}

void SelectionTest::failedWritesAreToldOncePerCommand()
{
    QVERIFY(QFile::remove(m_pictures->titleFile().path()));
    m_selection->BtnSelectClick(SelectionKind::All);
    QCOMPARE(m_dialogs.informed.size(), 1);
    QVERIFY(m_dialogs.informed.at(0).text.startsWith(u"Error updating "_s));
    QCOMPARE(m_pictures->selectedCount(), 4);
    // The next command, after the event loop had its turn, tells again.
    QCoreApplication::processEvents();
    m_selection->BtnSelectClick(SelectionKind::Invert);
    QCOMPARE(m_dialogs.informed.size(), 2);
}

QStringList SelectionTest::markers() const
{
    QStringList list;
    for (const PictureRow &row : m_pictures->rows())
        list.append(row.marker);
    return list;
}

void SelectionTest::bulkSelections()
{
    // Rows in table order: DSC_1, IMG_0001, img_0002, x_img.
    m_selection->BtnSelectClick(SelectionKind::All);
    QCOMPARE(m_pictures->selectedCount(), 4);
    QCOMPARE(lastStatus(), u"4 pictures selected"_s);
    const auto records = m_pictures->titleFile().readAll();
    QCOMPARE(records->records.at(3).STSelect, u">>i"_s);

    m_selection->BtnSelectClick(SelectionKind::All);
    QCOMPARE(lastStatus(), u"No pictures found to add to current selection"_s);
    QVERIFY(m_dialogs.statuses.last().error);
    QCOMPARE(m_dialogs.statuses.last().sound, Platform::Sound::Error);

    m_selection->BtnSelectClick(SelectionKind::None);
    QCOMPARE(m_pictures->selectedCount(), 0);
    QCOMPARE(lastStatus(), u"Selection is cleared, make a new selection"_s);
    m_selection->BtnSelectClick(SelectionKind::None);
    QCOMPARE(lastStatus(), u"No pictures selected, make a new selection"_s);
    QVERIFY(m_dialogs.statuses.last().error);
    QCOMPARE(m_selection->kind(), SelectionKind::None);

    m_selection->BtnSelectClick(SelectionKind::AllHavingFreeText);
    QCOMPARE(lastStatus(), u"No pictures found to select"_s);
}

void SelectionTest::invertTwiceRestoresAndRewritesEveryRecord()
{
    m_selection->toggleRow(1, false);
    m_selection->BtnSelectClick(SelectionKind::Invert);
    QCOMPARE(markers(), (QStringList{u">>i"_s, QString(), u">>i"_s, u">>i"_s}));
    QCOMPARE(m_pictures->selectedCount(), 3);
    QCOMPARE(lastStatus(), u"Selection has been turned around"_s);
    m_selection->BtnSelectClick(SelectionKind::Invert);
    QCOMPARE(markers(), (QStringList{QString(), u">>i"_s, QString(), QString()}));
    const auto records = m_pictures->titleFile().readAll();
    QCOMPARE(records->records.at(0).STSelect, QString());
    QCOMPARE(records->records.at(1).STSelect, u">>i"_s);
}

void SelectionTest::allHavingFreeTextIncludesMarkedForDeletion()
{
    m_pictures->rowForChange(0).freeText = u"Beach"_s;
    m_pictures->rowForChange(2).freeText = PictureSession::deletionMarkText();
    m_pictures->rowForChange(2).markedForDeletion = true;
    m_selection->BtnSelectClick(SelectionKind::AllHavingFreeText);
    QCOMPARE(markers(), (QStringList{u">>i"_s, QString(), u">>i"_s, QString()}));
    QCOMPARE(lastStatus(), u"2 pictures selected"_s);
}

void SelectionTest::shiftTogglesARange()
{
    m_selection->toggleRow(0, false);
    QVERIFY(m_dialogs.statuses.isEmpty());
    m_selection->toggleRow(2, true);
    // From row 2 on, wrapping round, the next selected row is row 0: rows 0 to 2 are selected.
    QCOMPARE(markers(), (QStringList{u">>i"_s, u">>i"_s, u">>i"_s, QString()}));
    QCOMPARE(m_pictures->selectedCount(), 3);
    m_selection->toggleRow(3, true);
    QCOMPARE(markers(), (QStringList{u">>i"_s, u">>i"_s, u">>i"_s, u">>i"_s}));
}

void SelectionTest::shiftOnTheOnlySelectedRowReselectsIt()
{
    m_selection->toggleRow(1, false);
    m_selection->toggleRow(3, false);
    m_selection->toggleRow(3, true);
    // Row 3 is deselected, then the range from it to the next selected row (1, after wrapping)
    // is selected: rows 1 to 3.
    QCOMPARE(markers(), (QStringList{QString(), u">>i"_s, u">>i"_s, u">>i"_s}));

    m_selection->BtnSelectClick(SelectionKind::None);
    m_selection->toggleRow(2, false);
    m_selection->toggleRow(2, true);
    QCOMPARE(markers(), (QStringList{QString(), QString(), QString(), QString()}));
    QCOMPARE(m_pictures->selectedCount(), 0);
}

void SelectionTest::selectByStrings_data()
{
    QTest::addColumn<bool>("startsWith");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("starting with") << true << QStringList{QString(), u">>i"_s, u">>i"_s, QString()};
    QTest::newRow("containing") << false << QStringList{QString(), u">>i"_s, u">>i"_s, u">>i"_s};
}

void SelectionTest::selectByStrings()
{
    QFETCH(bool, startsWith);
    if (m_selection->startsWith() != startsWith)
        m_selection->toggleMode();
    QVERIFY(m_selection->selectByStringsEnabled());
    m_selection->BtnSelectSClick();
    QTEST(markers(), "expected");
}

void SelectionTest::stringChecksAreStoredOnLeavingTheList()
{
    m_selection->setChecked(0, false);
    QVERIFY(!m_selection->selectByStringsEnabled());
    QVERIFY(!QFile::exists(m_dir->filePath(u"PSMSet.dat"_s)));
    m_selection->setChecked(1, true);
    m_selection->CBSelectExit();
    const auto stored = Settings::ProgramSettingsRec::fromBytes(readFile(m_dir->filePath(u"PSMSet.dat"_s)));
    QVERIFY(!stored.PSSelChecked[0]);
    QVERIFY(stored.PSSelChecked[1]);
    m_selection->BtnSelectSClick();
    QCOMPARE(markers(), (QStringList{u">>i"_s, QString(), QString(), QString()}));
}

void SelectionTest::failedStoreOfTheChecksSaysWhy()
{
    m_selection->setChecked(1, true);
    {
        const Records::SimulatedWriteFailure full(Records::WriteStep::Write, ENOSPC);
        m_selection->CBSelectExit();
    }
    QCOMPARE(m_dialogs.statuses.size(), 1);
    QCOMPARE(m_dialogs.statuses.at(0).text, u"Error writing to "_s + m_dir->filePath(u"PSMSet.dat"_s) + u" ("_s
                                                + qt_error_string(ENOSPC) + u')');
    QVERIFY(!QFile::exists(m_dir->filePath(u"PSMSet.dat"_s)));
}

void SelectionTest::captionsFollowKindAndMode()
{
    QCOMPARE(m_selection->buttonCaption(), u"Sele&ct all"_s);
    m_selection->setKind(SelectionKind::AllHavingFreeText);
    QCOMPARE(m_selection->buttonCaption(), u"Sele&ct all having free text"_s);
    QCOMPARE(m_selection->kindCaptions().at(2), u"All having free text"_s);
    m_pictures->SetSubjSGTitle(true);
    QCOMPARE(m_selection->buttonCaption(), u"Sele&ct all having free text.."_s);
    QCOMPARE(m_selection->buttonHint(), u"Select pictures to retitle: Select all pictures having free text and/or subject"_s);
    QCOMPARE(m_selection->menuCaption(SelectionKind::AllHavingFreeText),
             u"All pictures where &free text and/or subject is not empty"_s);
    m_selection->setKind(SelectionKind::None);
    QCOMPARE(m_selection->buttonHint(), u"Deselect all pictures in the list beneath"_s);

    QVERIFY(m_selection->startsWith());
    QCOMPARE(m_selection->modeCaption(), u"Titles starting with..."_s);
    m_selection->toggleMode();
    QCOMPARE(m_selection->modeCaption(), u"Titles containing..."_s);
    QCOMPARE(m_selection->selectByStringsCaption(), u"Select containin&g"_s);
    QVERIFY(!Settings::ProgramSettingsRec::fromBytes(readFile(m_dir->filePath(u"PSMSet.dat"_s))).PSSelStartsWith);
}

void SelectionTest::maintainStrings()
{
    SelectionStringsEditor editor(m_selection->strings());
    QCOMPARE(SelectionStringsEditor::windowCaption(), u"Mirelto - Maintain selection strings"_s);
    QVERIFY(!editor.addEnabled());
    editor.setInput(u"img"_s);
    QCOMPARE(editor.add(), u"Selection string already exists!"_s);
    QCOMPARE(editor.entries().size(), 2);
    // The duplicate test is exact: another letter case is a new string.
    editor.setInput(u"DSC"_s);
    QVERIFY(editor.add().isEmpty());
    QVERIFY(editor.input().isEmpty());
    QVERIFY(editor.entries().last().checked);
    for (int i = editor.entries().size(); i < Selection::maxStrings; ++i) {
        editor.setInput(u"s"_s + QString::number(i));
        QVERIFY(editor.add().isEmpty());
    }
    QVERIFY(!editor.inputEnabled());
    editor.setInput(u"one too many"_s);
    QVERIFY(!editor.addEnabled());
    editor.remove({0, 2});
    QCOMPARE(editor.entries().size(), 18);
    QCOMPARE(editor.entries().at(0).text, u"dsc"_s);
    editor.setInput(QString(40, u'x'));
    QCOMPARE(editor.input().size(), 30);

    m_selection->setStrings(editor.entries());
    QCOMPARE(m_selection->strings().size(), 18);
    const auto stored = Settings::ProgramSettingsRec::fromBytes(readFile(m_dir->filePath(u"PSMSet.dat"_s)));
    QCOMPARE(stored.PSSelString[0], u"dsc"_s);
    QVERIFY(stored.PSSelString[18].isEmpty());
}

void SelectionTest::queries()
{
    m_pictures->rowForChange(3).freeText = u"text"_s;
    QVERIFY(!m_selection->AllSelectedWithFreeText(false));
    m_selection->toggleRow(3, false);
    QVERIFY(m_selection->AllSelectedWithFreeText(false));
    QVERIFY(m_selection->SelectedWithFreeTextFound());
    m_selection->toggleRow(0, false);
    m_pictures->rowForChange(0).markedForDeletion = true;
    QCOMPARE(m_selection->CheckForPicturesToRename(), 1);
    QCOMPARE(m_selection->CountSelectedToPicture(2), 1);
    QCOMPARE(m_selection->CountSelectedToPicture(3), 2);
}

QTEST_GUILESS_MAIN(SelectionTest)
#include "selectiontest.moc"
