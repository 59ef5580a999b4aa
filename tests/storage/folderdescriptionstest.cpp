#include "storage/folderdescriptions.h"

#include "settings/programsettings.h"
#include "support/fakedialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

class FolderDescriptionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void rowsAndChosenFolder();
    void confirmKeepsDescriptionForNextRun();
    void importForAll_data();
    void importForAll();
    void finishAsksForMissingDescriptions();
    void browsing();
    void rowsOrderedByNameThenParent();

private:
    std::unique_ptr<FolderDescriptions> open();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings::ProgramSettings> m_settings;
    NewFolderDescriptionInput m_input;
    FakeDialogs m_dialogs;
};

void FolderDescriptionsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<Settings::ProgramSettings>(m_dir->filePath(u"PSMSet.dat"_s));
    m_settings->rec().PSMinChar = 4;
    m_settings->rec().PSFilterDigit = false;
    m_dialogs = {};
    const QString main = m_dir->filePath(u"main"_s);
    m_input = {};
    m_input.pictureFolder = m_dir->path();
    // Listed as planned; shown by last level then parent.
    m_input.newFolders = {{main + u"/2007/2007-08-31"_s, main.toLower() + u"/2007/2007-08-31"_s, {}, {}, u"R&D"_s},
                          {main + u"/2006/2007-08-01"_s, main.toLower() + u"/2006/2007-08-01"_s, {}, {}, {}}};
    const QString late = m_input.newFolders.at(0).ExFolderL;
    m_input.pictures = {{u"a.jpg"_s, u"Eiffel tower"_s, {}, u"2007"_s, late},
                        {u"b.jpg"_s, {}, {}, {}, m_input.newFolders.at(1).ExFolderL},
                        {u"c.jpg"_s, u"Tower bridge"_s, {}, {}, late}};
    QFile(m_dir->filePath(u"a.jpg"_s)).open(QIODevice::WriteOnly);
}

std::unique_ptr<FolderDescriptions> FolderDescriptionsTest::open()
{
    return std::make_unique<FolderDescriptions>(m_input, FolderProposalInput(),
                                                NewFolderFile(m_dir->filePath(u"PicNewFolder.dat"_s)), *m_settings,
                                                m_dialogs);
}

void FolderDescriptionsTest::rowsAndChosenFolder()
{
    auto dialog = open();
    QCOMPARE(dialog->listLabel(), u"List of 2 new folders to be created"_s);
    QCOMPARE(dialog->rows().at(0).folderIndex, 1);
    QCOMPARE(dialog->caption(), u"# 1 - New folder: 2007-08-01"_s);
    QVERIFY(!dialog->wordsEnabled());
    QVERIFY(!dialog->importEnabled());
    QCOMPARE(dialog->informationLine(), u"Information on the only picture destined for this new folder"_s);

    dialog->choose(1);
    QCOMPARE(dialog->caption(), u"# 2 - New folder: 2007-08-31 (for Subject 'R&&D')"_s);
    QCOMPARE(dialog->freeTextLines(), (QStringList{u"Eiffel tower"_s, u"Tower bridge"_s}));
    QCOMPARE(dialog->proposal(), u"2007,Tower, Eiffel, bridge"_s);
    QCOMPARE(dialog->topWordsCaption(), u"Top 5 of used words of 4 or more characters long"_s);
    dialog->setMinChar(6);
    QCOMPARE(dialog->proposal(), u"2007,Eiffel, bridge"_s);
    QCOMPARE(m_settings->rec().PSMinChar, 6);
    QVERIFY(QFile::exists(m_settings->path()));
}

void FolderDescriptionsTest::confirmKeepsDescriptionForNextRun()
{
    {
        auto dialog = open();
        QCOMPARE(FolderDescriptions::acceptedInput(u"a/b:c?d|e "_s), u"abcde "_s);
        dialog->confirm(u"Sea  "_s);
        QCOMPARE(dialog->currentRow(), 1);
        dialog->confirm(u"Party"_s);
        QCOMPARE(dialog->currentRow(), 1);
        QCOMPARE(dialog->descriptions(), (QStringList{u"Party"_s, u"Sea"_s}));
    }
    // Cancelled or not, the next run offers the same descriptions from the file.
    auto again = open();
    QCOMPARE(again->descriptions(), (QStringList{u"Party"_s, u"Sea"_s}));
    QCOMPARE(QFileInfo(m_dir->filePath(u"PicNewFolder.dat"_s)).size(), 1024);
}

void FolderDescriptionsTest::importForAll_data()
{
    QTest::addColumn<bool>("describeFirst");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("message");

    const QString reasons = u"  1 - No free text elements, nor a prefix and/or suffix were supplied.\n"
                            "  2 - The value of the minimum length of words to be selected is set too high."_s;
    QTest::newRow("one without words")
        << false << false << QStringList{u"2007,Tower, Eiffel, bridge"_s, QString()}
        << u"For 1 folder(s) no description could be generated for one of the following reasons: \n\n"_s + reasons;
    QTest::newRow("kept description")
        << true << true << QStringList{u"2007,Tower, Eiffel, bridge"_s, u"Own"_s}
        << u"1 folder(s) already had a description but no description could be generated for\n"
           "for one of the following reasons:\n\n"_s
               + reasons + u"\nThose existing descriptions have not been overwritten."_s;
}

void FolderDescriptionsTest::importForAll()
{
    QFETCH(bool, describeFirst);
    QFETCH(bool, overwrite);
    QFETCH(QStringList, expected);
    QFETCH(QString, message);
    auto dialog = open();
    if (describeFirst)
        dialog->confirm(u"Own"_s);
    QCOMPARE(dialog->importForAll(overwrite), u"2007,Tower, Eiffel, bridge"_s);
    QCOMPARE(dialog->descriptions(), expected);
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text, message);

    if (!describeFirst)
        return;
    dialog->importForAll(false);
    QCOMPARE(m_dialogs.informed.last().text,
                 u"All folders already have a description, check 'Overwrite' when desired"_s);
}

void FolderDescriptionsTest::finishAsksForMissingDescriptions()
{
    auto dialog = open();
    m_dialogs.answers.enqueue({1, false});
    QVERIFY(!dialog->mayFinish());
    QCOMPARE(m_dialogs.asked.at(0).lines.at(0), u"There are still 2 folders without a description."_s);
    dialog->confirm(u"Sea"_s);
    m_dialogs.answers.enqueue({0, false});
    QVERIFY(dialog->mayFinish());
    QCOMPARE(m_dialogs.asked.at(1).lines.at(0), u"There is still 1 folder without a description."_s);
    dialog->confirm(u"Party"_s);
    QVERIFY(dialog->mayFinish());
    QCOMPARE(m_dialogs.asked.size(), 2);
}

void FolderDescriptionsTest::browsing()
{
    auto dialog = open();
    dialog->choose(1);
    QCOMPARE(dialog->picturePath(), m_dir->filePath(u"a.jpg"_s));
    QVERIFY(dialog->pictureMessage().isEmpty());
    dialog->previousPicture();
    QCOMPARE(dialog->currentPicture(), 0);
    dialog->nextPicture();
    dialog->nextPicture();
    QCOMPARE(dialog->currentPicture(), 1);
    QCOMPARE(dialog->highlightedLine(), 1);
    QCOMPARE(dialog->pictureMessage(), u"File does not exist"_s);
    dialog->showLine(0);
    QCOMPARE(dialog->picturePath(), m_dir->filePath(u"a.jpg"_s));
}

void FolderDescriptionsTest::rowsOrderedByNameThenParent()
{
    // The same date in two subject folders: the subject shown after the name does not decide.
    const QString main = m_dir->filePath(u"main"_s);
    m_input.newFolders = {{main + u"/2007/B/2007-08-31"_s, main.toLower() + u"/2007/b/2007-08-31"_s, {}, {}, u"B"_s},
                          {main + u"/2007/A/2007-08-31"_s, main.toLower() + u"/2007/a/2007-08-31"_s, {}, {}, {}}};
    m_input.pictures = {};
    auto dialog = open();
    QCOMPARE(dialog->rows().at(0).folderIndex, 1);
    QCOMPARE(dialog->rows().at(1).folderIndex, 0);
}

QTEST_GUILESS_MAIN(FolderDescriptionsTest)
#include "folderdescriptionstest.moc"
