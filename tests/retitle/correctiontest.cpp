#include "retitle/correction.h"

#include "retitle/testpassresult.h"

#include "session/picturesession.h"
#include "session/subjectsource.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Retitle;

class CorrectionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyTheErroneousStaySelectedForEditing();
};

void CorrectionTest::onlyTheErroneousStaySelectedForEditing()
{
    QTemporaryDir dir;
    for (int i = 0; i < 11; ++i)
        QVERIFY(writeFile(dir.filePath(u"IMG_%1.jpg"_s.arg(i, 2, 10, QChar(u'0')))));
    FakeDialogs dialogs;
    Session::NoSubjects subjects;
    Session::PictureSession pictures(dialogs, subjects);
    pictures.setFolder(dir.path(), u"4.4.0.0"_s);
    QVERIFY(pictures.CreateFSGTitle());
    QVERIFY(pictures.FillSGTitle(false));
    TestPassResult pass;
    for (int row = 0; row < 11; ++row) {
        pictures.rowForChange(row).marker = Session::Marker::selected;
        if (row == 10) {
            pictures.rowForChange(row).markedForDeletion = true;
            continue;
        }
        Rtitle title;
        title.FinalTitle_Row = row;
        title.ErrorCode = row == 3 ? 2 : row == 7 ? 6 : 0;
        pass.titles.append(title);
    }
    pictures.ShowSelectedPictures(11);
    pass.picturesToRename = 10;
    pass.errorCount = 2;

    markErroneousTitles(pictures, pass);

    QVERIFY(pictures.correctionMode());
    QCOMPARE(pictures.selectedCount(), 2);
    QCOMPARE(pictures.selectedCountText(), u"2 errors"_s);
    QCOMPARE(pictures.row(3).marker, Session::Marker::erroneous);
    QCOMPARE(pictures.row(3).errorCode, u"2"_s);
    QCOMPARE(pictures.row(7).errorCode, u"6"_s);
    QCOMPARE(pictures.row(0).marker, Session::Marker::correct);
    QCOMPARE(pictures.row(0).errorCode, u"0"_s);
    QCOMPARE(pictures.row(10).marker, Session::Marker::correct);
    const auto stored = pictures.titleFile().readAll();
    QVERIFY(stored);
    int erroneous = 0;
    for (const Session::SGTitleRec &record : stored->records) {
        QVERIFY(!record.STSelect.isEmpty());
        erroneous += record.STSelect == Session::Marker::erroneous ? 1 : 0;
    }
    QCOMPARE(erroneous, 2);
    QCOMPARE(stored->records.at(7).STError, u"6"_s);
}

QTEST_GUILESS_MAIN(CorrectionTest)
#include "correctiontest.moc"
