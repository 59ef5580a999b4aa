#include "session/picturetablemodel.h"

#include "session/picturesession.h"
#include "session/subjectsource.h"
#include "l10n/language.h"

#include "support/fakedialogs.h"
#include "support/files.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Session;

class PictureTableModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void servesTheTable();
    void marksVoiceRecordings();
    void longHeaderGoesOnTwoLines();
};

// The Dutch free-text title is longer than the English one: shown on two lines, whole.
void PictureTableModelTest::longHeaderGoesOnTwoLines()
{
    QCOMPARE(PictureSession::shownHeaderTitle(4, 3), u"Free text element of new title"_s);
    L10n::LanguageSwitch dutch;
    dutch.apply(L10n::LanguageCode::Dutch, L10n::LanguageCode::Dutch);
    QCOMPARE(PictureSession::shownHeaderTitle(4, 3), u"'Vrije tekst' element\nvan nieuwe titel"_s);
    QCOMPARE(PictureSession::headerTitle(4, 3), u"'Vrije tekst' element van nieuwe titel"_s);
}

void PictureTableModelTest::servesTheTable()
{
    QTemporaryDir dir;
    for (const QString &name : {u"a.jpg"_s, u"b.jpg"_s})
        QVERIFY(writeFile(dir.filePath(name)));
    FakeDialogs dialogs;
    NoSubjects subjects;
    PictureSession session(dialogs, subjects);
    PictureTableModel model(session);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    session.InitSGTitle();
    session.setFolder(dir.path(), u"4.4.0.0"_s);
    QVERIFY(session.CreateFSGTitle());
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QVERIFY(session.FillSGTitle(true));
    QCOMPARE(reset.size(), 1);
    QCOMPARE(model.rowCount(), 2);
    // The session's ten columns and "New title", empty while nothing composes it.
    QCOMPARE(model.columnCount(), 11);
    QCOMPARE(model.headerData(PictureTableModel::NewTitleColumn, Qt::Horizontal).toString(), u"New title"_s);
    QVERIFY(model.index(0, PictureTableModel::NewTitleColumn).data().toString().isEmpty());
    QCOMPARE(model.index(1, PictureSession::TitleColumn).data().toString(), u"b.jpg"_s);
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), u"Current title"_s);
    QVERIFY(!model.headerData(4, Qt::Horizontal, PictureTableModel::ColumnShownRole).toBool());
    QVERIFY(!model.headerData(7, Qt::Horizontal, PictureTableModel::ColumnShownRole).toBool());

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(session.UpdateFSGTitleRec(0, false, false));
    QCOMPARE(changed.size(), 1);
    QVERIFY(model.index(0, PictureSession::MarkerColumn).data().toString().isEmpty());
    session.SetSubjSGTitle(true);
    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), u"Subject"_s);
}

void PictureTableModelTest::marksVoiceRecordings()
{
    QTemporaryDir dir;
    for (const QString &name : {u"a.jpg"_s, u"a.wav"_s, u"b.JPG"_s, u"b.MOV"_s, u"c.jpg"_s})
        QVERIFY(writeFile(dir.filePath(name)));
    FakeDialogs dialogs;
    NoSubjects subjects;
    PictureSession session(dialogs, subjects);
    PictureTableModel model(session);
    session.InitSGTitle();
    session.setFolder(dir.path(), u"4.4.0.0"_s);
    QVERIFY(session.CreateFSGTitle());
    QVERIFY(session.FillSGTitle(true));
    QCOMPARE(model.index(0, PictureSession::MarkerColumn).data(PictureTableModel::VoiceRole).toString(), u"W"_s);
    QCOMPARE(model.index(1, PictureSession::TitleColumn).data(PictureTableModel::VoiceRole).toString(), u"Q"_s);
    QVERIFY(model.index(2, PictureSession::MarkerColumn).data(PictureTableModel::VoiceRole).toString().isEmpty());
    // A model made over the open session, as for a window built anew, knows them at once.
    const PictureTableModel later(session);
    QCOMPARE(later.index(1, PictureSession::TitleColumn).data(PictureTableModel::VoiceRole).toString(), u"Q"_s);

    // The folder is looked at again when the table is rebuilt, not on every look-up.
    QVERIFY(QFile::remove(dir.filePath(u"a.wav"_s)));
    QCOMPARE(model.index(0, PictureSession::MarkerColumn).data(PictureTableModel::VoiceRole).toString(), u"W"_s);
    QVERIFY(session.FillSGTitle(false));
    QVERIFY(model.index(0, PictureSession::MarkerColumn).data(PictureTableModel::VoiceRole).toString().isEmpty());
}

QTEST_GUILESS_MAIN(PictureTableModelTest)
#include "picturetablemodeltest.moc"
