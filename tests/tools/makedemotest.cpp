#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// makedemo takes an argument that starts with "-" for an option: it prints its usage and makes
// no folder of that name.
class MakeDemoTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void optionsMakeNoFolder_data();
    void optionsMakeNoFolder();
};

void MakeDemoTest::optionsMakeNoFolder_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("--help") << u"--help"_s << 0;
    QTest::newRow("-h") << u"-h"_s << 0;
    QTest::newRow("--version") << u"--version"_s << 2;
    QTest::newRow("-") << u"-"_s << 2;
}

void MakeDemoTest::optionsMakeNoFolder()
{
    QFETCH(QString, argument);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(MAKEDEMO_PROGRAM), {argument});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), exitCode);
    const QByteArray output = process.readAllStandardOutput() + process.readAllStandardError();
    QVERIFY(output.startsWith("usage: makedemo FOLDER"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());

    // A folder of such a name, written so that it is no option, is made.
    process.start(QStringLiteral(MAKEDEMO_PROGRAM), {u"./-demo"_s});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(QFileInfo(dir.filePath(u"-demo/.mirelto-demo"_s)).isFile());
}

QTEST_GUILESS_MAIN(MakeDemoTest)
#include "makedemotest.moc"
