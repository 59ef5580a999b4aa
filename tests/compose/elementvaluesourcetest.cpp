#include "compose/elementvaluesource.h"

#include "fixturepictures.h"

#include "compose/numberelement.h"
#include "compose/titlecomposer.h"
#include "records/daycount.h"
#include "settings/sessionsettingsrec.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Compose;
using Settings::SessionSettingsRec;

namespace {

const QDateTime modified(QDate(2021, 3, 4), QTime(5, 6, 7));

SessionSettingsRec dateAndTime(int dateSource, int timeSource)
{
    SessionSettingsRec rec;
    rec.useDate = true;
    rec.dateSource = dateSource;
    rec.dateFormat = 3;
    rec.useTime = true;
    rec.timeSource = timeSource;
    rec.timeFormat = 4;
    rec.dateTimeSeparator = 2;
    rec.pickedDate = Records::DayCount::fromDateTime(QDateTime(QDate(2000, 1, 2), QTime(8, 0)));
    rec.pickedTime = Records::DayCount::fromDateTime(QDateTime(QDate(1999, 9, 9), QTime(22, 33, 44)));
    return rec;
}

} // namespace

class ElementValueSourceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void sources_data();
    void sources();
    void numberWarningTakesPrecedence();
    void dateTakenPositions_data();
    void dateTakenPositions();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void ElementValueSourceTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(FixturePictures::write(path(u"taken.jpg"_s), FixturePictures::jpegTakenAt("2023:12:24 15:30:07"), modified));
    QVERIFY(FixturePictures::write(path(u"plain.jpg"_s), FixturePictures::emptyJpeg(), modified));
    QVERIFY(FixturePictures::write(path(u"before1980.jpg"_s), FixturePictures::jpegTakenAt("1975:06:01 12:00:00"),
                                   modified));
    QVERIFY(FixturePictures::write(path(u"picture.png"_s), QByteArray("\x89PNG\r\n\x1a\n", 8), modified));
}

void ElementValueSourceTest::cleanup()
{
    m_dir.reset();
}

void ElementValueSourceTest::sources_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("dateSource");
    QTest::addColumn<int>("timeSource");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("warning");
    QTest::newRow("date taken") << u"taken.jpg"_s << 0 << 0 << u"2023-12-24_15.30.07"_s << 0;
    QTest::newRow("file date, time taken") << u"taken.jpg"_s << 1 << 0 << u"2021-03-04_15.30.07"_s << 0;
    QTest::newRow("picked") << u"taken.jpg"_s << 2 << 2 << u"2000-01-02_22.33.44"_s << 0;
    QTest::newRow("no EXIF: file date") << u"plain.jpg"_s << 0 << 0 << u"2021-03-04_05.06.07"_s << 4;
    QTest::newRow("no EXIF, only the time taken") << u"plain.jpg"_s << 2 << 0 << u"2000-01-02_05.06.07"_s << 4;
    QTest::newRow("taken before 1980") << u"before1980.jpg"_s << 0 << 1 << u"2021-03-04_05.06.07"_s << 4;
    QTest::newRow("PNG") << u"picture.png"_s << 0 << 0 << u"2021-03-04_05.06.07"_s << 4;
    QTest::newRow("file sources need no EXIF") << u"plain.jpg"_s << 1 << 1 << u"2021-03-04_05.06.07"_s << 0;
}

void ElementValueSourceTest::sources()
{
    QFETCH(QString, picture);
    QFETCH(int, dateSource);
    QFETCH(int, timeSource);
    QFETCH(QString, expected);
    QFETCH(int, warning);
    NumberElement number(NumberElement::Source::None, NumberElement::Direction::LeftToRight, 3, 1);
    ElementValueSource source(dateAndTime(dateSource, timeSource), number, QLocale::c());
    ComposeInput input;
    input.currentTitle = picture;
    input.picturePath = path(picture);
    qint32 raised = 0;
    QCOMPARE(source.dateTimeText(input, &raised), expected);
    QCOMPARE(raised, warning);
}

void ElementValueSourceTest::numberWarningTakesPrecedence()
{
    SessionSettingsRec rec = dateAndTime(0, 0);
    rec.extractNumber = true;
    rec.elementSeparator = 1;
    NumberElement number(NumberElement::Source::Extract, NumberElement::Direction::LeftToRight, 3, 1);
    ElementValueSource source(rec, number, QLocale::c());
    const TitleComposer composer(rec, &source);
    ComposeInput input;
    input.currentTitle = u"plain.jpg"_s;
    input.picturePath = path(input.currentTitle);
    input.freeText = u"Beach"_s;
    // No number in the name (warning 1) and no date taken (warning 4): the number's warning stays.
    const RMakeTitle title = composer.compose(input);
    QCOMPARE(title.RMTitle, u"2021-03-04_05.06.07-Beach.jpg"_s);
    QCOMPARE(title.RMWarning, 1);

    rec.extractNumber = false;
    NumberElement none(NumberElement::Source::None, NumberElement::Direction::LeftToRight, 3, 1);
    ElementValueSource withoutNumber(rec, none, QLocale::c());
    QCOMPARE(TitleComposer(rec, &withoutNumber).compose(input).RMWarning, 4);
}

void ElementValueSourceTest::dateTakenPositions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hasDate");
    QTest::addColumn<bool>("hasTime");
    QTest::newRow("complete") << u"2023-12-24 15:30:07"_s << true << true;
    QTest::newRow("empty") << QString() << false << false;
    QTest::newRow("31 February") << u"2023-02-31 15:30:07"_s << false << true;
    QTest::newRow("hour 24") << u"2023-12-24 24:00:00"_s << true << false;
    QTest::newRow("letters") << u"2023-1x-24 15:3a:07"_s << false << false;
    QTest::newRow("cut short") << u"2023-12-24 15:30"_s << true << false;
}

void ElementValueSourceTest::dateTakenPositions()
{
    QFETCH(QString, text);
    QFETCH(bool, hasDate);
    QFETCH(bool, hasTime);
    QCOMPARE(ElementValueSource::dateOfDateTaken(text).has_value(), hasDate);
    QCOMPARE(ElementValueSource::timeOfDateTaken(text).has_value(), hasTime);
}

QTEST_GUILESS_MAIN(ElementValueSourceTest)
#include "elementvaluesourcetest.moc"
