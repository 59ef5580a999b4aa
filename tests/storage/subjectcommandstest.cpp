#include "storage/subjectcommands.h"

#include "storage/subjectmaintenance.h"
#include "storage/subjectstore.h"

#include "session/picturesession.h"
#include "session/selection.h"
#include "session/stageworkflow.h"
#include "settings/programsettings.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;
using Session::PictureRow;

// The commands on the pictures' subjects and the maintenance dialog's model, over a folder of
// four pictures (rows A, B, C, D) and a subjects file holding "Cars" and "Holiday".
class SubjectCommandsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void assign_data();
    void assign();
    void assignQuestionTexts();
    void erase();
    void stage2Subject_data();
    void stage2Subject();
    void maintenanceAddAndEdit();
    void maintenanceRemovesSubjectInUse();
    void maintenanceInputRule();
    void maintenanceFolderSubjects();

private:
    // Row subjects as "index:text" for a compact comparison.
    QStringList subjects() const;
    void give(int row, int recordNumber);
    void chooseInAssignList(const QString &subject);

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
    std::unique_ptr<SubjectStore> m_store;
    std::unique_ptr<Session::PictureSession> m_pictures;
    std::unique_ptr<Settings::ProgramSettings> m_settings;
    std::unique_ptr<Session::Selection> m_selection;
    std::unique_ptr<Session::StageWorkflow> m_workflow;
    std::unique_ptr<SubjectCommands> m_commands;
};

void SubjectCommandsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    const QString pictures = m_dir->filePath(u"pics"_s);
    QVERIFY(QDir().mkpath(pictures));
    for (const QString &name : {u"A.jpg"_s, u"B.jpg"_s, u"C.jpg"_s, u"D.jpg"_s})
        QVERIFY(writeFile(pictures + u'/' + name));
    m_dialogs = FakeDialogs();
    m_store = std::make_unique<SubjectStore>(m_dir->filePath(u"Subjects.dat"_s), m_dialogs);
    QVERIFY(m_store->InitFSubjects());
    QCOMPARE(*m_store->AddOrActivateSubject(u"Holiday"_s, -1), 0);
    QCOMPARE(*m_store->AddOrActivateSubject(u"Cars"_s, -1), 1);
    m_pictures = std::make_unique<Session::PictureSession>(m_dialogs, *m_store);
    m_pictures->setFolder(pictures, u"4.4.0.0"_s);
    QVERIFY(m_pictures->CreateFSGTitle());
    QVERIFY(m_pictures->FillSGTitle(true));
    m_settings = std::make_unique<Settings::ProgramSettings>(m_dir->filePath(u"PSMSet.dat"_s));
    m_selection = std::make_unique<Session::Selection>(*m_pictures, *m_settings, m_dialogs);
    m_workflow = std::make_unique<Session::StageWorkflow>();
    m_commands = std::make_unique<SubjectCommands>(*m_store, *m_pictures, *m_selection, *m_workflow, m_dialogs);
    m_commands->setInUse(true);
    m_selection->BtnSelectClick(Session::SelectionKind::All);
    m_workflow->SetFreeTextButtons(true);
    m_dialogs.statuses.clear();
}

void SubjectCommandsTest::cleanup()
{
    m_commands.reset();
    m_selection.reset();
    m_pictures.reset();
    m_store.reset();
    m_dir.reset();
}

QStringList SubjectCommandsTest::subjects() const
{
    QStringList list;
    for (const PictureRow &row : m_pictures->rows())
        list.append(QString::number(row.subjectIndex) + u':' + row.subject);
    return list;
}

void SubjectCommandsTest::give(int row, int recordNumber)
{
    PictureRow &picture = m_pictures->rowForChange(row);
    picture.subjectIndex = recordNumber;
    picture.subject = m_store->subject(recordNumber);
    QVERIFY(m_pictures->UpdateFSGTitleRec(row, false, false));
}

void SubjectCommandsTest::chooseInAssignList(const QString &subject)
{
    m_commands->choose(int(m_commands->entries().indexOf(subject)));
    QVERIFY(m_commands->assignEnabled());
}

void SubjectCommandsTest::assign_data()
{
    QTest::addColumn<bool>("optional");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("expected");

    // Row B has Holiday, row D is marked for deletion.
    QTest::newRow("none have one: yes") << false << u"Cars"_s << 0
                                        << QStringList{u"1:Cars"_s, u"1:Cars"_s, u"1:Cars"_s, u"-1:"_s};
    QTest::newRow("overwrite") << false << u"Cars"_s << 0
                               << QStringList{u"1:Cars"_s, u"1:Cars"_s, u"1:Cars"_s, u"-1:"_s};
    QTest::newRow("keep existing") << false << u"Cars"_s << 1
                                   << QStringList{u"1:Cars"_s, u"0:Holiday"_s, u"1:Cars"_s, u"-1:"_s};
    QTest::newRow("cancel") << false << u"Cars"_s << 2
                            << QStringList{u"-1:"_s, u"0:Holiday"_s, u"-1:"_s, u"-1:"_s};
    QTest::newRow("no subject, keep existing") << true << QString() << 1
                                               << QStringList{u"-1:"_s, u"0:Holiday"_s, u"-1:"_s, u"-1:"_s};
    QTest::newRow("no subject, overwrite") << true << QString() << 0
                                           << QStringList{u"-1:"_s, u"-1:"_s, u"-1:"_s, u"-1:"_s};
}

void SubjectCommandsTest::assign()
{
    QFETCH(bool, optional);
    QFETCH(QString, subject);
    QFETCH(int, answer);
    QFETCH(QStringList, expected);
    m_store->setSubjectOptional(optional);
    if (QByteArray(QTest::currentDataTag()) != "none have one: yes")
        give(1, 0);
    m_pictures->rowForChange(3).markedForDeletion = true;
    chooseInAssignList(subject);
    m_dialogs.answers.enqueue({answer, true});
    m_commands->assignToSelected();
    QCOMPARE(m_dialogs.asked.size(), 1);
    // Yes and Cancel while no picture has another subject; Yes, No and Cancel otherwise.
    QCOMPARE(m_dialogs.asked.at(0).buttons.size(), QByteArray(QTest::currentDataTag()) == "none have one: yes" ? 2 : 3);
    QCOMPARE(subjects(), expected);
    // The title records hold what the rows hold.
    const auto records = m_pictures->titleFile().readAll();
    for (int r = 0; r < 3; ++r)
        QCOMPARE(records->records.at(r).STSubjIndex, m_pictures->row(r).subjectIndex);
    QCOMPARE(m_commands->chosen(), answer == 2 ? m_commands->entries().indexOf(subject) : -1);
}

void SubjectCommandsTest::assignQuestionTexts()
{
    give(1, 0);
    m_store->setSubjectOptional(true);
    chooseInAssignList(u"Cars"_s);
    m_dialogs.answers.enqueue({2, true});
    m_commands->assignToSelected();
    QCOMPARE(m_dialogs.asked.last().lines.join(u'\n'),
             u"You are about to assign subject 'Cars' to all pictures to rename.\n\nFrom the 4 pictures to rename, 1 "
             "already have been assigned a different subject. \nDo you want to overwrite these subjects by subject "
             "'Cars'?"_s);

    // One picture to rename, with "No subject"; an ampersand is doubled for the box.
    m_selection->BtnSelectClick(Session::SelectionKind::None);
    m_pictures->rowForChange(1).marker = Session::Marker::selected;
    m_pictures->ShowSelectedPictures(1);
    m_workflow->SetFreeTextButtons(true);
    chooseInAssignList(QString());
    m_dialogs.answers.enqueue({2, true});
    m_commands->assignToSelected();
    QCOMPARE(m_dialogs.asked.last().lines.join(u'\n'),
             u"You are about to assign 'No subject' to all pictures to rename.\n\nThe only picture to rename, already "
             "has been assigned a subject. \nDo you want to overwrite this subject by 'No subject'"_s);
    QVERIFY(m_store->AddOrActivateSubject(u"R&D"_s, -1));
    chooseInAssignList(u"R&D"_s);
    m_dialogs.answers.enqueue({2, true});
    m_commands->assignToSelected();
    QVERIFY(m_dialogs.asked.last().lines.first().contains(u"subject 'R&&D'"_s));

    // Every selected picture marked for deletion: nothing to assign.
    m_pictures->rowForChange(1).markedForDeletion = true;
    m_commands->assignToSelected();
    QCOMPARE(m_dialogs.informed.last().text,
             u"All selected pictures are marked for deletion, can not assign Subject"_s);
}

void SubjectCommandsTest::erase()
{
    m_commands->eraseOfSelected();
    QCOMPARE(m_dialogs.informed.last().text,
             u"None of the pictures to rename have a subject assigned to it, nothing to erase"_s);
    QCOMPARE(m_dialogs.asked.size(), 0);

    // Marked pictures lose their subject too.
    give(0, 1);
    give(3, 0);
    m_pictures->rowForChange(3).markedForDeletion = true;
    m_dialogs.answers.enqueue({1, true});
    m_commands->eraseOfSelected();
    QCOMPARE(m_dialogs.asked.last().lines.first(), u"Erase subject of all pictures to rename?"_s);
    QCOMPARE(subjects().first(), u"1:Cars"_s);
    m_commands->eraseOfSelected();
    QCOMPARE(subjects(), QStringList(4, u"-1:"_s));
    QCOMPARE(m_pictures->titleFile().readAll()->records.at(3).STSubjIndex, -1);

    m_selection->BtnSelectClick(Session::SelectionKind::None);
    m_pictures->rowForChange(2).marker = Session::Marker::selected;
    m_pictures->rowForChange(2).markedForDeletion = true;
    m_pictures->ShowSelectedPictures(1);
    m_workflow->SetFreeTextButtons(true);
    m_commands->eraseOfSelected();
    QCOMPARE(m_dialogs.informed.last().text, u"All selected pictures are marked for deletion, nothing to erase"_s);
}

void SubjectCommandsTest::stage2Subject_data()
{
    QTest::addColumn<bool>("optional");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("subject chosen") << false << u"Cars"_s << false << true << u"1:Cars"_s;
    QTest::newRow("none, required") << false << QString() << false << false << u"0:Holiday"_s;
    QTest::newRow("none, optional") << true << QString() << false << true << u"-1:"_s;
    QTest::newRow("marked for deletion") << false << u"Cars"_s << true << true << u"-1:"_s;
}

void SubjectCommandsTest::stage2Subject()
{
    QFETCH(bool, optional);
    QFETCH(QString, chosen);
    QFETCH(bool, marked);
    QFETCH(bool, confirmed);
    QFETCH(QString, expected);
    m_store->setSubjectOptional(optional);
    give(0, 0);
    m_commands->loadStage2(0);
    QCOMPARE(m_commands->entries().value(m_commands->stage2Chosen()), u"Holiday"_s);
    m_commands->chooseStage2(int(m_commands->entries().indexOf(chosen)));
    QCOMPARE(m_commands->confirmStage2(0, marked), confirmed);
    QCOMPARE(subjects().first(), expected);
    if (!confirmed)
        QCOMPARE(m_dialogs.informed.last().text, u"Please supply a subject for this picture"_s);
}

void SubjectCommandsTest::maintenanceAddAndEdit()
{
    SubjectMaintenance model(*m_store, *m_commands, m_dialogs, false);
    QCOMPARE(model.closeCaption(), u"Cl&ose"_s);
    model.setEditText(u"  My cars ; ;Bentleys"_s, 20);
    model.addOrOk();
    QCOMPARE(model.editText(), QString());
    QCOMPARE(model.entries().at(1).subject, u"Holiday"_s);
    QCOMPARE(model.entries().at(2).subject, u"My cars;Bentleys"_s);
    QCOMPARE(model.closeCaption(), u"D&one"_s);

    const QList<std::pair<QString, QString>> refused = {{u" ; "_s, u"Subject can not be space!"_s},
                                                        {u"holiday"_s, u"Subject is already listed!"_s}};
    for (const auto &[typed, message] : refused) {
        model.setEditText(typed, 1);
        model.addOrOk();
        QCOMPARE(m_dialogs.informed.last().text, message);
    }
    QCOMPARE(m_store->count(), 3);

    // Holiday (row 1 of the list) to HOLIDAY: only the other subjects count.
    give(2, 0);
    model.startEdit(1);
    QVERIFY(model.listLocked());
    QCOMPARE(model.editText(), u"Holiday"_s);
    QCOMPARE(model.addOrOkCaption(), u"&OK"_s);
    QCOMPARE(model.editLabel(), u"Edit this subject and press the OK button"_s);
    model.setEditText(u"cars"_s, 4);
    model.addOrOk();
    QCOMPARE(m_dialogs.informed.last().text, u"Subject is already listed!"_s);
    model.setEditText(u"HOLIDAY"_s, 7);
    model.addOrOk();
    QCOMPARE(model.mode(), SubjectMaintenance::Mode::Add);
    QCOMPARE(model.addOrOkCaption(), u"&Add"_s);
    QCOMPARE(m_store->subject(0), u"HOLIDAY"_s);
    QCOMPARE(subjects().at(2), u"0:HOLIDAY"_s);

    // Edit and Remove rest while stage 2 runs.
    SubjectMaintenance inStage2(*m_store, *m_commands, m_dialogs, true);
    QVERIFY(!inStage2.editRemoveEnabled());
    inStage2.startEdit(0);
    QCOMPARE(inStage2.mode(), SubjectMaintenance::Mode::Add);
}

void SubjectCommandsTest::maintenanceRemovesSubjectInUse()
{
    SubjectMaintenance model(*m_store, *m_commands, m_dialogs, false);
    give(1, 0);
    QVERIFY(m_pictures->UpdateFSGTitleRec(1, false, false));
    m_dialogs.answers.enqueue({1, true});
    model.remove(1);
    QCOMPARE(m_dialogs.asked.last().lines.first(),
             u"Subject 'Holiday' is in use in the current session!\nAre you sure you want to remove it?"_s);
    QCOMPARE(model.entries().size(), 2);
    model.remove(1);
    QCOMPARE(model.entries(), QList<SubjectMaintenance::Entry>({{1, u"Cars"_s}}));
    QCOMPARE(subjects().at(1), u"-1:"_s);
    QCOMPARE(m_pictures->titleFile().readAll()->records.at(1).STSubjIndex, -1);
    model.remove(0);
    QCOMPARE(m_dialogs.asked.last().lines.first(), u"Remove subject 'Cars'?"_s);
    QVERIFY(!model.editRemoveEnabled());
    QCOMPARE(model.closeCaption(), u"D&one"_s);
}

void SubjectCommandsTest::maintenanceInputRule()
{
    SubjectMaintenance model(*m_store, *m_commands, m_dialogs, false);
    model.setEditText(u"Ca:rs"_s, 3);
    QCOMPARE(model.editText(), u"Cars"_s);
    QCOMPARE(model.caret(), 2);
    QVERIFY(m_dialogs.statuses.last().text.startsWith(u"A file- or folder name cannot contain"_s));
    QVERIFY(model.cancelEnabled());
    model.cancel();
    QVERIFY(!model.cancelEnabled());
    // A record keeps 255 bytes: a two-byte character that would cross the limit is left out.
    model.setEditText(QString(254, u'x') + u"éé"_s, 256);
    QCOMPARE(model.editText(), QString(254, u'x'));
    // A subject added while one is chosen moves the choice along with its entry.
    m_commands->chooseStage2(int(m_commands->entries().indexOf(u"Holiday"_s)));
    model.setEditText(u"Apples"_s, 6);
    model.addOrOk();
    QCOMPARE(m_commands->entries().value(m_commands->stage2Chosen()), u"Holiday"_s);
}

void SubjectCommandsTest::maintenanceFolderSubjects()
{
    SubjectMaintenance model(*m_store, *m_commands, m_dialogs, false);
    model.setPictureFolder(u"/Pics/Cars"_s);
    model.takeSuggestion(model.suggestions().first());
    QCOMPARE(m_dialogs.informed.last().text, u"Subject is already listed!"_s);
    model.takeSuggestion(model.suggestions().last());
    QCOMPARE(model.editText(), u"Pics;Cars"_s);

    QVERIFY(!model.recreateEnabled());
    const QString main = m_dir->filePath(u"main"_s);
    for (const QString &path : {u"Holiday/2024"_s, u"Zoo"_s, u"Wild"_s, u"Trip"_s})
        QVERIFY(QDir().mkpath(main + u'/' + path));
    model.setMainFolder(main);
    QVERIFY(model.recreateEnabled());
    // Holiday is listed; Trip is added, Wild skipped, and Cancel stops before Zoo.
    m_dialogs.answers.append({{0, true}, {1, true}, {2, true}});
    model.recreateFromMainFolder();
    QCOMPARE(m_dialogs.asked.size(), 3);
    QCOMPARE(m_dialogs.asked.first().lines.first(), u"Add subject 'Trip'?"_s);
    QCOMPARE(m_store->subjectList(), (QStringList{u"Cars"_s, u"Holiday"_s, u"Trip"_s}));
    QCOMPARE(m_dialogs.informed.last().text, u"Number of subjects added: 1"_s);
    QCOMPARE(model.closeCaption(), u"D&one"_s);
}

QTEST_GUILESS_MAIN(SubjectCommandsTest)
#include "subjectcommandstest.moc"
