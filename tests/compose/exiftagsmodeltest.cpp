#include "compose/exiftagsmodel.h"

#include "fixturepictures.h"

#include "compose/exiftagdatabase.h"
#include "settings/sessionsettings.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Compose;
using Metadata::ExifElRec;
using Metadata::TAExifEl;
using Dir = Tools::ExifWriter::Directory;

namespace {

constexpr quint16 fNumber = 33437;
constexpr quint16 isoSpeed = 34855;

QByteArray picture(bool withIso)
{
    Tools::ExifWriter exif;
    exif.setAscii(Dir::Main, Tools::ExifTag::make, "Canon");
    exif.setRationals(Dir::Exif, fNumber, {{28, 10}});
    if (withIso)
        exif.setShort(Dir::Exif, isoSpeed, 200);
    return FixturePictures::jpeg(exif);
}

QStringList namesOf(const TAExifEl &tags)
{
    QStringList names;
    for (const ExifElRec &tag : tags)
        names.append(tag.ElTag);
    return names;
}

} // namespace

class ExifTagsModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void firstOpeningBuildsTheDatabase();
    void newTagsOfTheCurrentPictureAreAppended();
    void noTagsClosesTheDialog();
    void orderCommands();
    void rebuildLosesSelectionsOnlyOnYes();
    void description_data();
    void description();
    void cancelledEmptyDescriptionIsAskedAgain();
    void okChecksThenWrites();
    void failedWriteIsReportedAndKeepsTheFile();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<ExifTagsModel> model(const QString &current = u"noiso.jpg"_s);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings::SessionSettings> m_settings;
    std::unique_ptr<ExifTagDatabase> m_database;
    FakeDialogs m_dialogs;
};

void ExifTagsModelTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = FakeDialogs();
    QVERIFY(FixturePictures::write(path(u"noiso.jpg"_s), picture(false)));
    QVERIFY(FixturePictures::write(path(u"full.jpg"_s), picture(true)));
    QVERIFY(FixturePictures::write(path(u"plain.jpg"_s), FixturePictures::emptyJpeg()));
    m_settings = std::make_unique<Settings::SessionSettings>(path(u"work.dat"_s), path(u"folder.dat"_s));
    QVERIFY(m_settings->InitFSession({}, false));
    QVERIFY(m_settings->InitFSession_Local({}, false, false, QDateTime(QDate(2024, 1, 1), QTime(12, 0))));
    m_database = std::make_unique<ExifTagDatabase>(path(u"ExifEl.dat"_s));
    QVERIFY(m_database->InitFExifEl());
}

void ExifTagsModelTest::cleanup()
{
    m_database.reset();
    m_settings.reset();
    m_dir.reset();
}

std::unique_ptr<ExifTagsModel> ExifTagsModelTest::model(const QString &current)
{
    return std::make_unique<ExifTagsModel>(*m_database, *m_settings, m_dialogs, nullptr,
                                           QStringList{path(u"noiso.jpg"_s), path(u"full.jpg"_s)}, path(current));
}

void ExifTagsModelTest::firstOpeningBuildsTheDatabase()
{
    auto tags = model();
    QAbstractItemModelTester tester(tags.get());
    QVERIFY(tags->fill());
    QCOMPARE(namesOf(tags->tags()), (QStringList{u"Make"_s, u"ExifOffset"_s, u"FNumber"_s, u"ISOSpeedRatings"_s}));
    QCOMPARE(tags->headerData(ExifTagsModel::ValueColumn, Qt::Horizontal).toString(),
             u"Value (examples of entire picture set)"_s);
    QCOMPARE(tags->data(tags->index(3, ExifTagsModel::OrderColumn)).toInt(), 4);
    QVERIFY(!m_database->isToBeBuilt());
    // Written at once, without the values.
    const auto stored = m_database->GetAllExifFile(false);
    QVERIFY(stored);
    QCOMPARE(namesOf(*stored), namesOf(tags->tags()));
    QCOMPARE(m_dialogs.statuses.first().text, u" Building initial Exif tag database..."_s);
    QVERIFY(m_dialogs.statuses.last().text.isEmpty());
}

void ExifTagsModelTest::newTagsOfTheCurrentPictureAreAppended()
{
    m_database->setToBeBuilt(false);
    QVERIFY(m_database->write({ExifElRec{fNumber, u"1"_s, u"FNumber"_s, u"F"_s, QString()}}));
    auto tags = model(u"full.jpg"_s);
    QVERIFY(tags->fill());
    QCOMPARE(namesOf(tags->tags()), (QStringList{u"FNumber"_s, u"Make"_s, u"ExifOffset"_s, u"ISOSpeedRatings"_s}));
    QCOMPARE(tags->tags().at(0).ElValue, u"28/10"_s);
    QCOMPARE(tags->tags().at(0).ElSelected, u"1"_s);
    QCOMPARE(tags->tags().at(3).ElSelected, u"0"_s);
    QCOMPARE(tags->headerData(ExifTagsModel::ValueColumn, Qt::Horizontal).toString(),
             u"Value (example of current picture)"_s);
    QCOMPARE(m_dialogs.statuses.last().text, u"3 new Exif tags added from current picture"_s);
}

void ExifTagsModelTest::noTagsClosesTheDialog()
{
    auto tags = std::make_unique<ExifTagsModel>(*m_database, *m_settings, m_dialogs, nullptr,
                                                QStringList{path(u"plain.jpg"_s)}, path(u"plain.jpg"_s));
    QVERIFY(!tags->fill());
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.first().text, u"No Exif tags found in this set of pictures"_s);
    QVERIFY(m_database->isToBeBuilt());
    QVERIFY(!tags->isOkEnabled());
    QVERIFY(!tags->isInTitleEnabled());
}

void ExifTagsModelTest::orderCommands()
{
    auto tags = model();
    QAbstractItemModelTester tester(tags.get());
    QVERIFY(tags->fill());
    QCOMPARE(tags->currentRow(), 0);
    QVERIFY(!tags->isUpEnabled());
    QVERIFY(!tags->isMoveSelectedToTopEnabled());
    tags->moveDown();
    QCOMPARE(namesOf(tags->tags()), (QStringList{u"ExifOffset"_s, u"Make"_s, u"FNumber"_s, u"ISOSpeedRatings"_s}));
    QCOMPARE(tags->currentRow(), 1);
    tags->setCurrentRow(3);
    QVERIFY(!tags->isDownEnabled());
    tags->moveUp();
    QCOMPARE(namesOf(tags->tags()), (QStringList{u"ExifOffset"_s, u"Make"_s, u"ISOSpeedRatings"_s, u"FNumber"_s}));

    tags->toggleSelected(3);
    tags->toggleSelected(2);
    QCOMPARE(tags->selectedCount(), 2);
    QCOMPARE(tags->data(tags->index(3, ExifTagsModel::SelectedColumn), Qt::CheckStateRole).toInt(), int(Qt::Checked));
    tags->setCurrentRow(3);
    tags->moveSelectedToTop();
    QCOMPARE(namesOf(tags->tags()), (QStringList{u"ISOSpeedRatings"_s, u"FNumber"_s, u"ExifOffset"_s, u"Make"_s}));
    QCOMPARE(tags->currentRow(), 0);
    tags->toggleSelected(0);
    QCOMPARE(tags->selectedCount(), 1);
}

void ExifTagsModelTest::rebuildLosesSelectionsOnlyOnYes()
{
    auto tags = model();
    QVERIFY(tags->fill());
    tags->toggleSelected(0);
    tags->editDescription(0, [](const QString &) { return std::optional<QString>(u"Camera"_s); });
    QVERIFY(tags->accept());

    auto again = model();
    QVERIFY(again->fill());
    m_dialogs.answers.enqueue({1, true});
    QVERIFY(again->rebuild());
    QCOMPARE(m_dialogs.asked.last().lines,
             (QStringList{u"After rebuilding the Exif database, all your selections and edited tag descriptions will "
                          "be lost."_s,
                          u"Continue?"_s}));
    QCOMPARE(again->tags().at(0).ElUserTag, u"Camera"_s);

    m_dialogs.answers.enqueue({0, true});
    QVERIFY(again->rebuild());
    QCOMPARE(again->selectedCount(), 0);
    QCOMPARE(again->tags().at(0).ElUserTag, u"Make"_s);
    QCOMPARE(again->tags().size(), 4);
}

void ExifTagsModelTest::description_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("statuses");
    QTest::newRow("trimmed") << QStringList{u"  ISO "_s} << u"ISO"_s << QStringList{QString()};
    QTest::newRow("illegal, then valid")
        << QStringList{u"ISO/s"_s, u"ISO"_s} << u"ISO"_s
        << QStringList{u"A tag description cannot contain any of the following characters: / \\ : * ? \" < > |"_s,
                       QString()};
    QTest::newRow("empty, then valid") << QStringList{u"   "_s, u"I"_s} << u"I"_s
                                       << QStringList{u"A tag description cannot be empty"_s, QString()};
}

void ExifTagsModelTest::description()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, expected);
    QFETCH(QStringList, statuses);
    auto tags = model();
    QVERIFY(tags->fill());
    m_dialogs.statuses.clear();
    QStringList shown;
    tags->editDescription(3, [&](const QString &current) -> std::optional<QString> {
        shown.append(current);
        return answers.takeFirst();
    });
    QCOMPARE(tags->tags().at(3).ElUserTag, expected);
    QVERIFY(answers.isEmpty());
    QCOMPARE(shown.first(), u"ISOSpeedRatings"_s);
    QStringList texts;
    for (const Platform::StatusMessage &status : std::as_const(m_dialogs.statuses))
        texts.append(status.text);
    QCOMPARE(texts, statuses);
}

void ExifTagsModelTest::cancelledEmptyDescriptionIsAskedAgain()
{
    m_database->setToBeBuilt(false);
    QVERIFY(m_database->write({ExifElRec{fNumber, u"0"_s, u"FNumber"_s, QString(), QString()}}));
    auto tags = model();
    QVERIFY(tags->fill());
    int asked = 0;
    tags->editDescription(0, [&](const QString &) -> std::optional<QString> {
        ++asked;
        if (asked < 3)
            return std::nullopt;
        return u"F"_s;
    });
    QCOMPARE(asked, 3);
    QCOMPARE(tags->tags().at(0).ElUserTag, u"F"_s);

    // A description that is not empty stays on Cancel.
    tags->editDescription(0, [](const QString &) { return std::nullopt; });
    QCOMPARE(tags->tags().at(0).ElUserTag, u"F"_s);
}

void ExifTagsModelTest::okChecksThenWrites()
{
    auto tags = model();
    QVERIFY(tags->fill());
    tags->toggleSelected(2);
    // Selected tags while the element is off: Cancel goes back to the dialog.
    m_dialogs.answers.enqueue({1, true});
    QVERIFY(!tags->accept());
    QCOMPARE(m_dialogs.asked.last().lines.first(),
             u"The selected tags will not appear in the picture title as long as 'Exif tags in title' not is checked."_s);
    QCOMPARE(m_database->GetAllExifFile(true)->size(), 0);

    tags->setInTitle(true);
    QVERIFY(tags->isMarkNotAvailableEnabled());
    tags->setMarkNotAvailable(true);
    tags->moveDown();
    QVERIFY(tags->accept());
    const auto chosen = m_database->GetAllExifFile(true);
    QCOMPARE(namesOf(*chosen), QStringList{u"FNumber"_s});
    QCOMPARE(namesOf(*m_database->GetAllExifFile(false)), (QStringList{u"ExifOffset"_s, u"Make"_s, u"FNumber"_s, u"ISOSpeedRatings"_s}));
    const auto stored = Settings::SessionSettingsRec::fromBytes(readFile(m_settings->folderFile()));
    QVERIFY(stored.exifTagsInTitle);
    QVERIFY(stored.markNotAvailable);

    // The element on without a selected tag asks as well; OK goes on.
    tags->toggleSelected(2);
    m_dialogs.answers.enqueue({0, true});
    QVERIFY(tags->accept());
    QCOMPARE(m_dialogs.asked.last().lines.first(), u"Not a single tag is selected while 'Exif tags in title' is checked."_s);
    QCOMPARE(m_database->GetAllExifFile(true)->size(), 0);
}

void ExifTagsModelTest::failedWriteIsReportedAndKeepsTheFile()
{
    const QString longPath = path(QString(250, u'x'));
    const QByteArray old = ExifElRec{fNumber, u"1"_s, u"FNumber"_s, u"F"_s, QString()}.toBytes();
    QVERIFY(writeFile(longPath, old));
    ExifTagDatabase database(longPath);
    QVERIFY(database.InitFExifEl());
    ExifTagsModel tags(database, *m_settings, m_dialogs, nullptr, {path(u"full.jpg"_s)}, path(u"full.jpg"_s));
    QVERIFY(tags.fill());
    tags.setInTitle(true);
    QVERIFY(!tags.accept());
    QCOMPARE(m_dialogs.informed.size(), 1);
    QVERIFY(m_dialogs.informed.first().text.contains(longPath));
    QCOMPARE(readFile(longPath), old);
    QVERIFY(!m_settings->folderRec().exifTagsInTitle);
}

QTEST_GUILESS_MAIN(ExifTagsModelTest)
#include "exiftagsmodeltest.moc"
