#include "app/clipboardmodel.h"

#include "support/fakedialogs.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using App::ClipboardModel;

class ClipboardModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadAppendsLinesOfEveryFile();
    void saveAsksOnlyForAnotherFile();
    void buttonsFollowTheText();
};

void ClipboardModelTest::loadAppendsLinesOfEveryFile()
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    ClipboardModel model(dir.filePath(u"Private"_s), 1, {}, dialogs);
    // The folder is made when it is first asked for.
    QCOMPARE(model.privateFolder(), dir.filePath(u"Private/"_s));
    QVERIFY(writeFile(dir.filePath(u"Private/family.txt"_s), "Ann\r\nBob\r\n"));
    // Written before as Windows-1252: 0xE9 is an e with an acute accent.
    QVERIFY(writeFile(dir.filePath(u"Private/old.txt"_s), "Caf\xe9\nD\xc3"));
    QVERIFY(writeFile(dir.filePath(u"Private/new.txt"_s), "Caf\xc3\xa9"));
    model.setContent(u"typed"_s);
    model.load({dir.filePath(u"Private/family.txt"_s), dir.filePath(u"Private/old.txt"_s),
                dir.filePath(u"Private/new.txt"_s)});
    QCOMPARE(model.lines(),
             (QStringList{u"typed"_s, u"Ann"_s, u"Bob"_s, u"Caf\u00e9"_s, u"D\u00c3"_s, u"Caf\u00e9"_s}));
}

void ClipboardModelTest::saveAsksOnlyForAnotherFile()
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    ClipboardModel model(dir.filePath(u"Private"_s), 1, {}, dialogs);
    const QString folder = model.privateFolder();
    QVERIFY(writeFile(folder + u"family.txt"_s, "Ann"));
    model.load({folder + u"family.txt"_s});
    model.setContent(u"Ann\nBob"_s);
    QVERIFY(model.save(folder + u"family.txt"_s));
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(readFile(folder + u"family.txt"_s), QByteArray("Ann\r\nBob"));
    QVERIFY(!model.saveEnabled());

    // Another name asks; Cancel writes nothing. The name gets ".txt" in place of its extension.
    model.setContent(u"Ann\nBob\nCees"_s);
    dialogs.answers.enqueue({1, true});
    QVERIFY(!model.save(folder + u"friends.doc"_s));
    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(dialogs.asked.at(0).lines, QStringList{u"Replace family.txt by friends.doc?"_s});
    QVERIFY(!QFile::exists(folder + u"friends.txt"_s));
    QVERIFY(model.save(folder + u"friends.doc"_s));
    QCOMPARE(readFile(folder + u"friends.txt"_s), QByteArray("Ann\r\nBob\r\nCees"));

    // A file that cannot be written is told with its name.
    QVERIFY(!model.save(dir.filePath(u"missing/x.txt"_s)));
    QCOMPARE(dialogs.informed.size(), 1);
    QCOMPARE(dialogs.informed.at(0).text, u"Error writing to "_s + dir.filePath(u"missing/x.txt"_s));
}

void ClipboardModelTest::buttonsFollowTheText()
{
    FakeDialogs dialogs;
    int kept = 0;
    ClipboardModel model(u"/nonexistent/Private"_s, 1, [&kept] { ++kept; }, dialogs);
    QVERIFY(!model.makeEnabled() && !model.saveEnabled());
    model.setContent(u" "_s);
    QVERIFY(model.makeEnabled() && model.saveEnabled());
    model.make();
    model.make();
    QCOMPARE(kept, 1);
    ClipboardModel adding(u"/nonexistent/Private"_s, 0, [&kept] { ++kept; }, dialogs);
    QVERIFY(!adding.replace());
    adding.make();
    QCOMPARE(kept, 1);
}

QTEST_GUILESS_MAIN(ClipboardModelTest)
#include "clipboardmodeltest.moc"
