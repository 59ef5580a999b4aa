#include "storage/foldername.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

Q_DECLARE_METATYPE(Storage::FolderNameRequest)

class FolderNameTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createFolderName_data();
    void createFolderName();
    void emptySchemeGivesNoPath();
    void unsafeTextNeverLeavesItsLevel_data();
    void unsafeTextNeverLeavesItsLevel();
};

namespace {

FolderNameRequest request(const QString &scheme, const QString &subject, const QString &mainFolder)
{
    FolderNameRequest request;
    request.mainFolder = mainFolder;
    request.subject = subject;
    request.scheme = scheme;
    request.date1 = request.date2 = QDate(2007, 8, 31);
    return request;
}

FolderNameRequest withDays(FolderNameRequest request, bool abbreviate)
{
    request.addNameOfDay = true;
    request.abbreviate = abbreviate;
    return request;
}

FolderNameRequest group(FolderNameRequest request)
{
    request.date2 = QDate(2007, 9, 2);
    request.isRange = true;
    request.addNameOfDay = true;
    request.description = u"Wedding"_s;
    return request;
}

} // namespace

void FolderNameTest::createFolderName_data()
{
    QTest::addColumn<FolderNameRequest>("request");
    QTest::addColumn<QString>("expected");

    QTest::newRow("YSMD, two categories") << request(u"YSMD"_s, u"My cars;Bentleys"_s, u"/pics"_s)
                                          << u"/pics/2007/My cars/Bentleys/2007-08/2007-08-31"_s;
    QTest::newRow("YSMD, no subject") << request(u"YSMD"_s, QString(), u"/pics"_s)
                                      << u"/pics/2007/2007-08/2007-08-31"_s;
    QTest::newRow("YMD, root") << request(u"YMD"_s, u"Holiday"_s, u"/"_s) << u"/2007/2007-08/2007-08-31"_s;
    QTest::newRow("YMD, drive root") << request(u"YMD"_s, QString(), u"D:/"_s) << u"D:/2007/2007-08/2007-08-31"_s;
    QTest::newRow("SD") << request(u"SD"_s, u"Holiday"_s, u"/pics"_s) << u"/pics/Holiday/2007-08-31"_s;
    QTest::newRow("S") << request(u"S"_s, u"My cars;Bentleys"_s, u"/pics"_s) << u"/pics/My cars/Bentleys"_s;
    QTest::newRow("day name") << withDays(request(u"D"_s, QString(), u"/pics"_s), false)
                              << u"/pics/2007-08-31 Friday"_s;
    QTest::newRow("abbreviated day name") << withDays(request(u"D"_s, QString(), u"/pics"_s), true)
                                          << u"/pics/2007-08-31 Fri"_s;
    QTest::newRow("group") << group(request(u"YMD"_s, QString(), u"/pics"_s))
                           << u"/pics/2007/2007-08/2007-08-31 2007-09-02 Friday Sunday Wedding"_s;
}

void FolderNameTest::createFolderName()
{
    QFETCH(FolderNameRequest, request);
    QFETCH(QString, expected);
    const auto path = CreateFolderName(request, QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(path);
    QCOMPARE(*path, expected);
}

void FolderNameTest::emptySchemeGivesNoPath()
{
    QVERIFY(!CreateFolderName(request(QString(), u"Holiday"_s, u"/pics"_s)));
    QCOMPARE(emptySchemeMessage(), u"Illegal call of CreateFolderName, scheme is empty"_s);
}

void FolderNameTest::unsafeTextNeverLeavesItsLevel_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("expected");

    QTest::newRow("illegal characters") << u"a/b\\c:d*e?f\"g<h>i|j"_s << QString() << u"/pics/abcdefghij/2007-08-31"_s;
    QTest::newRow("empty levels") << u";My cars;;  ;Bentleys;"_s << QString() << u"/pics/My cars/Bentleys/2007-08-31"_s;
    QTest::newRow("dot levels") << u"..;.;x; .. "_s << QString() << u"/pics/x/2007-08-31"_s;
    QTest::newRow("dots after cleaning") << u"./.;:..;/"_s << QString() << u"/pics/2007-08-31"_s;
    QTest::newRow("control codes") << u"a\nb\tc"_s << QString() << u"/pics/abc/2007-08-31"_s;
    QTest::newRow("description") << QString() << u"../x/y"_s << u"/pics/2007-08-31 ..xy"_s;
    QTest::newRow("long level") << QString(300, u'é') << QString()
                                << u"/pics/"_s + QString(127, u'é') + u"/2007-08-31"_s;
}

void FolderNameTest::unsafeTextNeverLeavesItsLevel()
{
    QFETCH(QString, subject);
    QFETCH(QString, description);
    QFETCH(QString, expected);
    FolderNameRequest unsafe = request(u"SD"_s, subject, u"/pics"_s);
    unsafe.description = description;
    QCOMPARE(CreateFolderName(unsafe).value_or(QString()), expected);
}

QTEST_GUILESS_MAIN(FolderNameTest)
#include "foldernametest.moc"
