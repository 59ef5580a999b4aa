// Runs the built program as a person would: in a real X server, driven through its keyboard,
// against folders and work files prepared to do harm. Only the files on disk are judged.

#include "support/files.h"
#include "support/smallfilesystem.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstring>
#include <unistd.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int titleRecordSize = 900;
const QByteArray selectedMarker = ">>i";

// Puts a short string into a stored record as raw bytes, the way a damaged or hostile file
// would hold it: length byte, then the bytes, unchecked.
void patchString(QByteArray *file, int record, int offset, const QByteArray &value)
{
    char *field = file->data() + record * titleRecordSize + offset;
    field[0] = char(value.size());
    std::memcpy(field + 1, value.constData(), size_t(value.size()));
}

} // namespace

class BlackBoxTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void storedTextsStayInTheirFolder();
    void workFileLinkIsRefused();
    void fullWorkFolderKeepsProgramSettings();
    void fullPictureFolderKeepsSessionSettings();

private:
    bool startProgram();
    bool waitForWindow(const QString &namePattern, int milliseconds = 15000);
    bool windowShown(const QString &namePattern);
    bool sendKeys(const QString &namePattern, const QStringList &keys);
    bool stopProgram();
    QByteArray titleFile() const { return readFile(m_pictures + u"/MrlSGTitle2.dat"_s); }
    bool writeTitleFile(const QByteArray &bytes) const { return writeFile(m_pictures + u"/MrlSGTitle2.dat"_s, bytes); }
    QStringList entries(const QString &folder) const;
    bool runXdotool(const QStringList &arguments, QByteArray *output = nullptr, int milliseconds = 5000);

    QProcess m_server;
    QString m_display;
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_pictures;
    QString m_data;
    std::unique_ptr<QProcess> m_program;
};

void BlackBoxTest::initTestCase()
{
    const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
    if (xvfb.isEmpty() || QStandardPaths::findExecutable(u"xdotool"_s).isEmpty())
        QSKIP("Xvfb and xdotool are needed to run the program in a real X server");
    for (int number = 71; number < 140 && m_display.isEmpty(); ++number) {
        if (QFileInfo::exists(u"/tmp/.X11-unix/X%1"_s.arg(number)) || QFileInfo::exists(u"/tmp/.X%1-lock"_s.arg(number)))
            continue;
        m_server.start(xvfb, {u":%1"_s.arg(number), u"-screen"_s, u"0"_s, u"1280x800x24"_s, u"-nolisten"_s, u"tcp"_s, u"-noreset"_s});
        if (!m_server.waitForStarted(5000))
            break;
        QElapsedTimer waited;
        waited.start();
        while (!m_server.waitForFinished(50) && waited.elapsed() < 10000
               && !QFileInfo::exists(u"/tmp/.X11-unix/X%1"_s.arg(number))) { }
        if (m_server.state() == QProcess::Running && QFileInfo::exists(u"/tmp/.X11-unix/X%1"_s.arg(number)))
            m_display = u":%1"_s.arg(number);
        else
            m_server.kill(), m_server.waitForFinished();
    }
    QVERIFY2(!m_display.isEmpty(), "no X server could be started");
}

void BlackBoxTest::cleanupTestCase()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill(), m_server.waitForFinished();
    }
}

void BlackBoxTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_pictures = m_root->filePath(u"pics"_s);
    m_data = m_root->filePath(u"data"_s);
    QVERIFY(QDir().mkpath(m_pictures) && QDir().mkpath(m_root->filePath(u"home/runtime"_s)));
    QVERIFY(QFile::setPermissions(m_root->filePath(u"home/runtime"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

void BlackBoxTest::cleanup()
{
    if (m_program && m_program->state() != QProcess::NotRunning) {
        m_program->kill();
        m_program->waitForFinished();
    }
    m_program.reset();
    m_root.reset();
}

bool BlackBoxTest::runXdotool(const QStringList &arguments, QByteArray *output, int milliseconds)
{
    QProcess xdotool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, m_display);
    xdotool.setProcessEnvironment(environment);
    xdotool.start(u"xdotool"_s, arguments);
    if (!xdotool.waitForFinished(milliseconds)) {
        xdotool.kill();
        xdotool.waitForFinished();
        return false;
    }
    if (output)
        *output = xdotool.readAllStandardOutput();
    return xdotool.exitStatus() == QProcess::NormalExit && xdotool.exitCode() == 0;
}

bool BlackBoxTest::startProgram()
{
    m_program = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, m_display);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    environment.insert(u"HOME"_s, m_root->filePath(u"home"_s));
    environment.insert(u"XDG_DATA_HOME"_s, m_data);
    environment.insert(u"XDG_RUNTIME_DIR"_s, m_root->filePath(u"home/runtime"_s));
    m_program->setProcessEnvironment(environment);
    m_program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_program->start(QStringLiteral(MIRELTO_PROGRAM), {m_pictures});
    return m_program->waitForStarted(10000);
}

bool BlackBoxTest::windowShown(const QString &namePattern)
{
    QByteArray found;
    return runXdotool({u"search"_s, u"--onlyvisible"_s, u"--name"_s, namePattern}, &found) && !found.trimmed().isEmpty();
}

bool BlackBoxTest::waitForWindow(const QString &namePattern, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < milliseconds) {
        if (windowShown(namePattern))
            return true;
        // Storage management is never set up here: its start-up prompt is declined.
        if (windowShown(u"^Mirelto Setup Picture Storage Management"_s))
            sendKeys(u"^Mirelto Setup Picture Storage Management"_s, {u"Escape"_s});
        // Waiting on the program also notices when it has ended.
        if (m_program->waitForFinished(100) || m_program->state() == QProcess::NotRunning)
            return false;
    }
    return false;
}

bool BlackBoxTest::sendKeys(const QString &namePattern, const QStringList &keys)
{
    QByteArray found;
    if (!runXdotool({u"search"_s, u"--onlyvisible"_s, u"--name"_s, namePattern}, &found))
        return false;
    const QByteArray window = found.trimmed().split('\n').constLast();
    if (!runXdotool({u"windowfocus"_s, u"--sync"_s, QString::fromLatin1(window)}))
        return false;
    for (const QString &key : keys) {
        if (!runXdotool({u"key"_s, u"--clearmodifiers"_s, key}))
            return false;
        QThread::msleep(300);
    }
    return true;
}

// Ends the program the way a logout does; it must close by itself, whatever it shows.
bool BlackBoxTest::stopProgram()
{
    if (m_program->state() == QProcess::NotRunning)
        return true;
    ::kill(pid_t(m_program->processId()), SIGTERM);
    if (m_program->waitForFinished(15000))
        return true;
    m_program->kill();
    m_program->waitForFinished();
    return false;
}

QStringList BlackBoxTest::entries(const QString &folder) const
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void BlackBoxTest::storedTextsStayInTheirFolder()
{
    for (const QString &name : {u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s})
        QVERIFY(writeFile(m_pictures + u'/' + name, name.toUtf8()));
    QVERIFY(startProgram());
    QVERIFY(waitForWindow(u"^Mirelto - "_s));
    QVERIFY(stopProgram());

    // Free texts as a hostile title file holds them: a way out of the folder, a sub-folder, a
    // NUL that would cut the name, a line break.
    QByteArray title = titleFile();
    QCOMPARE(title.size(), 3 * titleRecordSize);
    const QList<QByteArray> freeTexts = {"../x", QByteArray("a/b\nd", 5), QByteArray("abc\0def", 7)};
    for (int record = 0; record < 3; ++record) {
        patchString(&title, record, 0, selectedMarker);
        patchString(&title, record, 260, freeTexts[record]);
    }
    QVERIFY(writeTitleFile(title));
    const QStringList around = entries(m_root->path());

    QVERIFY(startProgram());
    QVERIFY(waitForWindow(u"^Mirelto - "_s));
    // Through the Retitle menu, as a keyboard user opens it.
    QVERIFY(sendKeys(u"^Mirelto - "_s, {u"alt+r"_s, u"p"_s}));
    QVERIFY(waitForWindow(u"Test and Preview"_s));
    QVERIFY(sendKeys(u"Test and Preview"_s, {u"alt+r"_s}));
    QElapsedTimer waited;
    waited.start();
    while (windowShown(u"Test and Preview"_s) && waited.elapsed() < 10000)
        QThread::msleep(100);
    QVERIFY(stopProgram());

    // Nothing left the folder, and every picture is still there under a name of its own.
    QCOMPARE(entries(m_root->path()), around);
    QStringList pictures = QDir(m_pictures).entryList({u"*.jpg"_s}, QDir::Files | QDir::Hidden);
    pictures.sort();
    QCOMPARE(pictures.size(), 3);
    for (const QString &name : std::as_const(pictures)) {
        QVERIFY2(!name.contains(u'/') && !name.contains(u'\n') && !name.contains(QChar()), qPrintable(name));
        QVERIFY2(name != u"abc.jpg"_s, "a NUL cut the title");
    }
    QByteArray contents;
    for (const QString &name : std::as_const(pictures))
        contents += readFile(m_pictures + u'/' + name);
    QVERIFY(contents.contains("a.jpg") && contents.contains("b.jpg") && contents.contains("c.jpg"));
}

void BlackBoxTest::workFileLinkIsRefused()
{
    QVERIFY(writeFile(m_pictures + u"/a.jpg"_s));
    const QString outside = m_root->filePath(u"home/.bashrc"_s);
    const QByteArray kept = "export KEEP=me\n";
    QVERIFY(writeFile(outside, kept));
    QVERIFY(QFile::link(outside, m_pictures + u"/MrlSGTitle2.dat"_s));

    QVERIFY(startProgram());
    // An error box tells about the link; the folder itself is not opened.
    QVERIFY(waitForWindow(u"^Error$"_s));
    QVERIFY(!windowShown(u"^Mirelto - "_s));
    QVERIFY2(stopProgram(), "the program did not end on SIGTERM");
    QCOMPARE(readFile(outside), kept);
    QVERIFY(QFileInfo(m_pictures + u"/MrlSGTitle2.dat"_s).isSymLink());
}

void BlackBoxTest::fullWorkFolderKeepsProgramSettings()
{
    SmallFileSystem disk(m_data, 8192);
    if (!disk.isMounted())
        QSKIP("this process may not mount a file system");
    QVERIFY(writeFile(m_pictures + u"/a.jpg"_s));
    QVERIFY(startProgram());
    QVERIFY(waitForWindow(u"^Mirelto - "_s));
    QVERIFY(stopProgram());
    QByteArray title = titleFile();
    patchString(&title, 0, 0, selectedMarker);
    patchString(&title, 0, 260, "Harbour");
    QVERIFY(writeTitleFile(title));

    const QString programSettings = m_data + u"/Mirelto/PSMSet.dat"_s;
    const QByteArray before = readFile(programSettings);
    QVERIFY(!before.isEmpty());
    QVERIFY(startProgram());
    QVERIFY(waitForWindow(u"^Mirelto - "_s));
    QVERIFY(disk.fill());
    QVERIFY(sendKeys(u"^Mirelto - "_s, {u"alt+p"_s}));
    QVERIFY(waitForWindow(u"Test and Preview"_s));
    QVERIFY(sendKeys(u"Test and Preview"_s, {u"alt+r"_s}));
    QThread::msleep(1500);
    QVERIFY2(stopProgram(), "the program did not end on SIGTERM");

    QCOMPARE(QFileInfo(programSettings).size(), before.size());
    QVERIFY(readFile(programSettings) != QByteArray(before.size(), '\0'));
    // No log was left empty: the run either wrote its lines or did not start.
    const QDir logs(m_data + u"/Mirelto/Logs"_s);
    for (const QFileInfo &log : logs.entryInfoList(QDir::Files))
        QVERIFY2(log.size() > 0, qPrintable(log.fileName()));
    // Whatever happened to the picture, it exists under one of its two names.
    QVERIFY(QFileInfo::exists(m_pictures + u"/a.jpg"_s) != QFileInfo::exists(m_pictures + u"/Harbour.jpg"_s));

    QVERIFY(QFile::remove(m_data + u"/filler"_s));
    QVERIFY(startProgram());
    QVERIFY2(waitForWindow(u"^Mirelto - "_s), "the program no longer starts");
    QVERIFY(stopProgram());
}

void BlackBoxTest::fullPictureFolderKeepsSessionSettings()
{
    SmallFileSystem disk(m_pictures, 8192);
    if (!disk.isMounted())
        QSKIP("this process may not mount a file system");
    for (const QString &name : {u"a.jpg"_s, u"b.jpg"_s})
        QVERIFY(writeFile(m_pictures + u'/' + name));
    QVERIFY(startProgram());
    QVERIFY(waitForWindow(u"^Mirelto - "_s));
    QVERIFY(sendKeys(u"^Mirelto - "_s, {u"ctrl+a"_s}));
    QVERIFY(stopProgram());

    const QString sessionSettings = m_pictures + u"/MrlSessionSet.dat"_s;
    const QByteArray before = readFile(sessionSettings);
    QVERIFY(!before.isEmpty());
    const qint64 titleSize = titleFile().size();
    QVERIFY(startProgram());
    QVERIFY(waitForWindow(u"^Mirelto - "_s));
    QVERIFY(disk.fill());
    QVERIFY(sendKeys(u"^Mirelto - "_s, {u"ctrl+i"_s}));
    QVERIFY2(stopProgram(), "the program did not end on SIGTERM");

    QCOMPARE(QFileInfo(sessionSettings).size(), before.size());
    QCOMPARE(titleFile().size(), titleSize);

    QVERIFY(QFile::remove(m_pictures + u"/filler"_s));
    QVERIFY(startProgram());
    QVERIFY2(waitForWindow(u"^Mirelto - "_s), "the folder can no longer be opened");
    QVERIFY(stopProgram());
}

QTEST_GUILESS_MAIN(BlackBoxTest)
#include "blackboxtest.moc"
