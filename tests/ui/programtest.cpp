#include "ui/qtdialogs.h"

#include "platform/terminationsignals.h"
#include "support/files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

using namespace Qt::StringLiterals;

// SIGTERM and SIGINT end the program at once whatever box is open.
class ProgramTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void questionOpenWhenTheSignalComes();
    void programEndsOnTheSignal_data();
    void programEndsOnTheSignal();
};

void ProgramTest::questionOpenWhenTheSignalComes()
{
    Platform::TerminationSignals termination;
    QVERIFY(termination.isInstalled());
    Ui::QtDialogs dialogs;
    connect(&termination, &Platform::TerminationSignals::terminationRequested, &dialogs, &Ui::QtDialogs::endAll);
    Platform::Question question;
    question.lines = {u"Remove the work files?"_s};
    question.buttons = {u"Yes"_s, u"No"_s};
    question.defaultButton = 0;
    question.escapeButton = 1;
    QTimer::singleShot(200, [] { std::raise(SIGTERM); });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(dialogs.ask(question).button, 1);
    QVERIFY(clock.elapsed() < 5000);
    // Every later box is answered without being shown.
    QCOMPARE(dialogs.ask(question).button, 1);
    QCOMPARE(dialogs.chooseFolder(u"Folder"_s, QString()), std::nullopt);
}

void ProgramTest::programEndsOnTheSignal_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("start-up error box") << u"missing"_s << 1;
    QTest::newRow("folder browser") << QString() << 0;
    QTest::newRow("window open") << u"pics"_s << 0;
}

void ProgramTest::programEndsOnTheSignal()
{
    QFETCH(QString, argument);
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkdir(u"pics"_s));
    QVERIFY(writeFile(home.filePath(u"pics/a.jpg"_s)));
    // A screen large enough for the program's screen check.
    QVERIFY(writeFile(home.filePath(u"screen.json"_s),
                      R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1920, "height": 1080,
                          "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}]})"));
    QVERIFY(QFile::setPermissions(home.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, home.path());
    environment.insert(u"XDG_DATA_HOME"_s, home.filePath(u"data"_s));
    environment.insert(u"XDG_RUNTIME_DIR"_s, home.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen:configfile="_s + home.filePath(u"screen.json"_s));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(home.path());
    program.start(QStringLiteral(MIRELTO_PROGRAM), argument.isEmpty() ? QStringList() : QStringList{argument});
    QVERIFY(program.waitForStarted());
    // The box or the window is up well before this.
    QVERIFY(!program.waitForFinished(1500));
    program.terminate();
    const bool finished = program.waitForFinished(5000);
    if (!finished)
        program.kill();
    QVERIFY(finished);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QTEST(program.exitCode(), "exitCode");
    if (argument == u"pics"_s)
        QVERIFY(QFileInfo(home.filePath(u"pics/MrlSessionSet.dat"_s)).size() > 0);
}

QTEST_MAIN(ProgramTest)
#include "programtest.moc"
