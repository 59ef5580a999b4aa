// Runs the built program from the command line, without a display: the help, the version, a
// command line that is wrong, and the commands that preview, retitle and undo a folder from what
// its work files hold. Only the output, the exit codes and the files on disk are judged.

#include "support/files.h"

#include "platform/singleinstance.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int titleRecordSize = 900;
constexpr int freeTextOffset = 260;

struct Run
{
    int exitCode = -1;
    bool crashed = true;
    QByteArray out;
    QByteArray err;
};

// Puts a short string into a stored record as the title file holds it: length byte, then bytes.
void patchString(QByteArray *file, int record, int offset, const QByteArray &value)
{
    char *field = file->data() + record * titleRecordSize + offset;
    field[0] = char(value.size());
    std::memcpy(field + 1, value.constData(), size_t(value.size()));
}

} // namespace

class CommandLineTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_root.reset(); }

    void helpAndVersionNeedNoDisplay();
    void wrongCommandLinesAreRefused();
    void windowWithoutDisplayEndsWithOneLine();
    void previewRetitleAndUndo();
    void undoLeavesChangedPictureWhereItIs();
    void errorsBlockRetitling();
    void runningCopyRefusesCommands();

private:
    Run run(const QStringList &arguments, bool processEvents = false);
    QStringList pictures() const;
    // Opens the folder once, so that it has its work files, then selects the pictures of
    // freeTexts (by their order in the folder) with those free texts.
    void prepare(const QStringList &names, const QList<QByteArray> &freeTexts);
    QStringList filesIn(const QString &folder) const { return QDir(folder).entryList(QDir::Files, QDir::Name); }

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_pictures;
    QString m_data;
    QString m_runtime;
};

void CommandLineTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_pictures = m_root->filePath(u"pics"_s);
    m_data = m_root->filePath(u"data"_s);
    m_runtime = m_root->filePath(u"home/runtime"_s);
    QVERIFY(QDir().mkpath(m_pictures) && QDir().mkpath(m_runtime));
    QVERIFY(QFile::setPermissions(m_runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

Run CommandLineTest::run(const QStringList &arguments, bool processEvents)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s, u"LANGUAGE"_s})
        environment.remove(name);
    environment.insert(u"LANG"_s, u"C.UTF-8"_s);
    environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    environment.insert(u"HOME"_s, m_root->filePath(u"home"_s));
    environment.insert(u"XDG_DATA_HOME"_s, m_data);
    environment.insert(u"XDG_RUNTIME_DIR"_s, m_runtime);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(MIRELTO_PROGRAM), arguments);
    Run result;
    if (!program.waitForStarted(10000))
        return result;
    if (processEvents) {
        // A copy of the program in this process answers while the other one runs.
        QEventLoop loop;
        connect(&program, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        if (program.state() == QProcess::Running)
            loop.exec();
    }
    if (program.state() != QProcess::NotRunning && !program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        return result;
    }
    result.crashed = program.exitStatus() != QProcess::NormalExit;
    result.exitCode = program.exitCode();
    result.out = program.readAllStandardOutput();
    result.err = program.readAllStandardError();
    return result;
}

QStringList CommandLineTest::pictures() const
{
    return QDir(m_pictures).entryList({u"*.jpg"_s}, QDir::Files, QDir::Name);
}

void CommandLineTest::prepare(const QStringList &names, const QList<QByteArray> &freeTexts)
{
    for (const QString &name : names)
        QVERIFY(writeFile(m_pictures + u'/' + name, name.toUtf8()));
    // Nothing is selected yet: the command says so and stops, having made the work files.
    const Run first = run({u"--preview"_s, m_pictures});
    QCOMPARE(first.exitCode, 1);
    QVERIFY2(first.err.contains("selected"), first.err.constData());
    const QString titlePath = m_pictures + u"/MrlSGTitle2.dat"_s;
    QByteArray title = readFile(titlePath);
    QCOMPARE(title.size(), names.size() * titleRecordSize);
    for (int record = 0; record < freeTexts.size(); ++record) {
        if (freeTexts.at(record).isEmpty())
            continue;
        patchString(&title, record, 0, ">>i");
        patchString(&title, record, freeTextOffset, freeTexts.at(record));
    }
    QVERIFY(writeFile(titlePath, title));
}

void CommandLineTest::helpAndVersionNeedNoDisplay()
{
    for (const QString &option : {u"--help"_s, u"-h"_s}) {
        const Run help = run({option});
        QVERIFY(!help.crashed);
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.startsWith("Usage: mirelto"), help.out.constData());
        QVERIFY(help.out.contains("--retitle"));
        QVERIFY(help.err.isEmpty());
    }
    const Run version = run({u"--version"_s});
    QCOMPARE(version.exitCode, 0);
    QVERIFY2(version.out.startsWith("Mirelto ") && version.out.endsWith("\n"), version.out.constData());
    QVERIFY(version.err.isEmpty());
    // Neither touched a work folder.
    QVERIFY(!QFileInfo::exists(m_data));
}

void CommandLineTest::wrongCommandLinesAreRefused()
{
    const Run unknown = run({u"--frobnicate"_s, m_pictures});
    QVERIFY(!unknown.crashed);
    QCOMPARE(unknown.exitCode, 2);
    QVERIFY(unknown.out.isEmpty());
    QCOMPARE(unknown.err.count('\n'), 1);
    QVERIFY2(unknown.err.contains("--frobnicate"), unknown.err.constData());
    QCOMPARE(run({u"--preview"_s, u"--undo"_s, m_pictures}).exitCode, 2);
    QCOMPARE(run({u"--retitle"_s}).exitCode, 2);

    // A picture named instead of its folder: said so, not that it does not exist.
    const QString picture = m_pictures + u"/photo.jpg"_s;
    QVERIFY(writeFile(picture));
    const Run file = run({u"--preview"_s, picture});
    QCOMPARE(file.exitCode, 1);
    QVERIFY2(file.err.contains("is a file, not a folder"), file.err.constData());
    QVERIFY(!file.err.contains("does not exist"));
    QVERIFY(!QFileInfo::exists(m_pictures + u"/MrlSGTitle2.dat"_s));
}

void CommandLineTest::windowWithoutDisplayEndsWithOneLine()
{
    QVERIFY(writeFile(m_pictures + u"/a.jpg"_s));
    const Run window = run({m_pictures});
    QVERIFY2(!window.crashed, "the program crashed without a display");
    QCOMPARE(window.exitCode, 1);
    QCOMPARE(window.err.count('\n'), 1);
    QVERIFY2(window.err.contains("display"), window.err.constData());
    QCOMPARE(filesIn(m_pictures), QStringList{u"a.jpg"_s});
}

void CommandLineTest::previewRetitleAndUndo()
{
    prepare({u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}, {"Harbour", "Beach"});

    const Run preview = run({u"--preview"_s, u"--json"_s, m_pictures});
    QCOMPARE(preview.exitCode, 0);
    const QJsonObject report = QJsonDocument::fromJson(preview.out).object();
    QVERIFY2(report.value(u"canRetitle"_s).toBool(), preview.out.constData());
    QCOMPARE(report.value(u"errors"_s).toInt(), 0);
    const QJsonArray titles = report.value(u"titles"_s).toArray();
    QCOMPARE(titles.size(), 2);
    QCOMPARE(titles.at(0).toObject().value(u"new"_s).toString(), u"Beach.jpg"_s);
    QCOMPARE(titles.at(0).toObject().value(u"current"_s).toString(), u"b.jpg"_s);
    QCOMPARE(titles.at(1).toObject().value(u"current"_s).toString(), u"a.jpg"_s);
    QVERIFY(QFileInfo(titles.at(1).toObject().value(u"destination"_s).toString()) == QFileInfo(m_pictures));
    // A preview renames nothing.
    QCOMPARE(pictures(), (QStringList{u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}));
    const Run text = run({u"--preview"_s, m_pictures});
    QCOMPARE(text.exitCode, 0);
    QVERIFY2(text.out.contains("Harbour.jpg") && text.out.contains("a.jpg"), text.out.constData());

    const Run retitle = run({u"--retitle"_s, m_pictures});
    QCOMPARE(retitle.exitCode, 0);
    QCOMPARE(pictures(), (QStringList{u"Beach.jpg"_s, u"Harbour.jpg"_s, u"c.jpg"_s}));
    QCOMPARE(readFile(m_pictures + u"/Harbour.jpg"_s), QByteArray("a.jpg"));
    const QStringList logs = filesIn(m_data + u"/Mirelto/Logs"_s);
    QCOMPARE(logs.size(), 1);
    const QByteArray log = readFile(m_data + u"/Mirelto/Logs/"_s + logs.first());
    QVERIFY2(log.contains("Harbour.jpg") && log.contains("b.jpg"), log.constData());
    const QString journals = m_data + u"/Mirelto/Journal/"_s;
    QCOMPARE(filesIn(journals).size(), 1);
    const QByteArray journal = readFile(journals + filesIn(journals).first());
    QVERIFY(journal.contains("run\tretitle\t"));
    QVERIFY(journal.contains("\nend\t"));
    QVERIFY(retitle.out.contains(filesIn(journals).first().toUtf8()));

    const Run undo = run({u"--undo"_s, m_pictures});
    QCOMPARE(undo.exitCode, 0);
    QCOMPARE(pictures(), (QStringList{u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}));
    QVERIFY2(undo.out.contains("Harbour.jpg") && undo.out.contains("a.jpg"), undo.out.constData());
    QCOMPARE(filesIn(journals).size(), 2);
    // Names sort newest first: the undo's journal comes first, and names the run it undid.
    QVERIFY(readFile(journals + filesIn(journals).first()).contains("run\tundo\t"));
    // The undo logs what it put back, as a run does.
    QByteArray logged;
    for (const QString &name : filesIn(m_data + u"/Mirelto/Logs"_s))
        logged += readFile(m_data + u"/Mirelto/Logs/"_s + name);
    QVERIFY2(logged.contains(QByteArray("new: " + QFile::encodeName(m_pictures) + "/a.jpg")), logged.constData());

    // Nothing is left to undo but the undo itself, which --undo leaves alone.
    const Run again = run({u"--undo"_s, u"--json"_s, m_pictures});
    QCOMPARE(again.exitCode, 1);
    QVERIFY(!QJsonDocument::fromJson(again.out).object().value(u"messages"_s).toArray().isEmpty());
    QCOMPARE(pictures(), (QStringList{u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}));
}

void CommandLineTest::undoLeavesChangedPictureWhereItIs()
{
    prepare({u"a.jpg"_s, u"b.jpg"_s}, {"Harbour", "Beach"});
    QCOMPARE(run({u"--retitle"_s, m_pictures}).exitCode, 0);
    QVERIFY(writeFile(m_pictures + u"/Harbour.jpg"_s, "edited since"));

    const Run undo = run({u"--undo"_s, u"--json"_s, m_pictures});
    QCOMPARE(undo.exitCode, 1);
    const QJsonObject outcome = QJsonDocument::fromJson(undo.out).object().value(u"undo"_s).toObject();
    QVERIFY2(outcome.value(u"done"_s).toBool(), undo.out.constData());
    const QJsonArray left = outcome.value(u"left"_s).toArray();
    QCOMPARE(left.size(), 1);
    QCOMPARE(QFileInfo(left.at(0).toObject().value(u"path"_s).toString()).fileName(), u"Harbour.jpg"_s);
    QVERIFY(!left.at(0).toObject().value(u"reason"_s).toString().isEmpty());
    QCOMPARE(pictures(), (QStringList{u"Harbour.jpg"_s, u"b.jpg"_s}));
    QCOMPARE(readFile(m_pictures + u"/Harbour.jpg"_s), QByteArray("edited since"));
}

void CommandLineTest::errorsBlockRetitling()
{
    // a.jpg would become c.jpg, which exists.
    prepare({u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}, {"c"});
    const Run preview = run({u"--preview"_s, m_pictures});
    QCOMPARE(preview.exitCode, 1);
    QVERIFY2(preview.out.contains("1 error(s) reported."), preview.out.constData());
    const Run retitle = run({u"--retitle"_s, u"--json"_s, m_pictures});
    QCOMPARE(retitle.exitCode, 1);
    const QJsonObject outcome = QJsonDocument::fromJson(retitle.out).object();
    QCOMPARE(outcome.value(u"errors"_s).toInt(), 1);
    QVERIFY(!outcome.value(u"titles"_s).toArray().at(0).toObject().value(u"error"_s).toString().isEmpty());
    QVERIFY(!outcome.contains(u"run"_s));
    QCOMPARE(pictures(), (QStringList{u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}));
    QVERIFY(!QFileInfo::exists(m_data + u"/Mirelto/Journal"_s) || filesIn(m_data + u"/Mirelto/Journal"_s).isEmpty());
}

void CommandLineTest::runningCopyRefusesCommands()
{
    prepare({u"a.jpg"_s}, {"Harbour"});
    // This process is the copy that runs, working on the folder.
    Platform::SingleInstance running(QFileInfo(QStringLiteral(MIRELTO_PROGRAM)).canonicalFilePath(), m_runtime);
    QVERIFY(running.claim() == Platform::SingleInstance::Outcome::First);
    running.setFolder(m_pictures);
    const Run refused = run({u"--retitle"_s, m_pictures}, true);
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains(QDir::toNativeSeparators(m_pictures).toUtf8()), refused.err.constData());
    QVERIFY(refused.err.contains("already"));
    QCOMPARE(pictures(), QStringList{u"a.jpg"_s});
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "commandlinetest.moc"
