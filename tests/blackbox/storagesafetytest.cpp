// Runs the built program in a real X server, driven through its keyboard, against a storage tree
// and dictionaries prepared to lose data: what was typed, what the dictionaries held, and where
// the pictures end up are judged on disk only.

#include "support/files.h"
#include "support/smallfilesystem.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
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

// A short string of a stored record as raw bytes: length byte, then the bytes.
void patchString(QByteArray *file, int offset, const QByteArray &value)
{
    char *field = file->data() + offset;
    field[0] = char(value.size());
    std::memcpy(field + 1, value.constData(), size_t(value.size()));
}

QByteArray stringAt(const QByteArray &file, int offset)
{
    return file.mid(offset + 1, quint8(file.at(offset)));
}

// The title file's record of a picture, empty when it has none.
QByteArray recordOf(const QByteArray &titleFile, const QByteArray &title)
{
    for (int at = 0; at + titleRecordSize <= titleFile.size(); at += titleRecordSize) {
        const QByteArray record = titleFile.mid(at, titleRecordSize);
        if (stringAt(record, 4) == title)
            return record;
    }
    return {};
}

void patchInt(QByteArray *file, int offset, qint32 value)
{
    for (int i = 0; i < 4; ++i)
        (*file)[offset + i] = char((value >> (8 * i)) & 0xff);
}

// Every entry below folder, as paths relative to it.
QStringList tree(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QDir(folder).relativeFilePath(it.next()));
    found.sort();
    return found;
}

} // namespace

class StorageSafetyTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void typedTextsSurviveAFailedMoveInANewFolder();
    void cancelledReplaceBuildKeepsTheDictionary();
    void linkInTheStorageTreeIsNotFollowed();
    void unmountedStorageDiskGetsNothing();

private:
    bool startProgram(const QString &folder);
    bool waitForWindow(const QString &namePattern, int milliseconds = 15000);
    bool waitUntilGone(const QString &namePattern, int milliseconds = 10000);
    bool windowShown(const QString &namePattern);
    bool sendKeys(const QString &namePattern, const QStringList &keys);
    bool typeText(const QString &namePattern, const QString &text);
    bool stopProgram();
    bool runXdotool(const QStringList &arguments, QByteArray *output = nullptr, int milliseconds = 5000);
    // Runs the program once on a folder of its own, so that the work folder exists, then sets
    // storage management up with mainFolder (scheme year/month/date, no description prompt).
    void setUpStorage(const QString &mainFolder);
    // Pictures without a date taken, dated on 31 August 2007 by their file date.
    void makePictures(const QString &folder, const QStringList &names);
    QString workFile(const QString &name) const { return m_data + u"/Mirelto/"_s + name; }

    QProcess m_server;
    QString m_display;
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_pictures;
    QString m_data;
    std::unique_ptr<QProcess> m_program;
};

void StorageSafetyTest::initTestCase()
{
    const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
    if (xvfb.isEmpty() || QStandardPaths::findExecutable(u"xdotool"_s).isEmpty())
        QSKIP("Xvfb and xdotool are needed to run the program in a real X server");
    for (int number = 141; number < 210 && m_display.isEmpty(); ++number) {
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

void StorageSafetyTest::cleanupTestCase()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill(), m_server.waitForFinished();
    }
}

void StorageSafetyTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_pictures = m_root->filePath(u"pics"_s);
    m_data = m_root->filePath(u"data"_s);
    QVERIFY(QDir().mkpath(m_pictures) && QDir().mkpath(m_root->filePath(u"home/runtime"_s)));
    QVERIFY(QFile::setPermissions(m_root->filePath(u"home/runtime"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

void StorageSafetyTest::cleanup()
{
    if (m_program && m_program->state() != QProcess::NotRunning) {
        m_program->kill();
        m_program->waitForFinished();
    }
    m_program.reset();
    m_root.reset();
}

bool StorageSafetyTest::runXdotool(const QStringList &arguments, QByteArray *output, int milliseconds)
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

bool StorageSafetyTest::startProgram(const QString &folder)
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
    m_program->start(QStringLiteral(MIRELTO_PROGRAM), {folder});
    return m_program->waitForStarted(10000);
}

bool StorageSafetyTest::windowShown(const QString &namePattern)
{
    QByteArray found;
    return runXdotool({u"search"_s, u"--onlyvisible"_s, u"--name"_s, namePattern}, &found) && !found.trimmed().isEmpty();
}

bool StorageSafetyTest::waitForWindow(const QString &namePattern, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < milliseconds) {
        if (windowShown(namePattern))
            return true;
        // The storage-management prompt of a program never set up is declined.
        if (windowShown(u"^Mirelto Setup Picture Storage Management"_s))
            sendKeys(u"^Mirelto Setup Picture Storage Management"_s, {u"Escape"_s});
        if (m_program->waitForFinished(100) || m_program->state() == QProcess::NotRunning)
            return false;
    }
    return false;
}

bool StorageSafetyTest::waitUntilGone(const QString &namePattern, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (windowShown(namePattern)) {
        if (waited.elapsed() > milliseconds)
            return false;
        QThread::msleep(100);
    }
    return true;
}

bool StorageSafetyTest::sendKeys(const QString &namePattern, const QStringList &keys)
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

bool StorageSafetyTest::typeText(const QString &namePattern, const QString &text)
{
    QByteArray found;
    if (!runXdotool({u"search"_s, u"--onlyvisible"_s, u"--name"_s, namePattern}, &found))
        return false;
    const QByteArray window = found.trimmed().split('\n').constLast();
    return runXdotool({u"windowfocus"_s, u"--sync"_s, QString::fromLatin1(window)})
           && runXdotool({u"type"_s, u"--delay"_s, u"20"_s, text}, nullptr, 20000);
}

// Ends the program the way a logout does.
bool StorageSafetyTest::stopProgram()
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

void StorageSafetyTest::makePictures(const QString &folder, const QStringList &names)
{
    QVERIFY(QDir().mkpath(folder));
    const QDateTime taken(QDate(2007, 8, 31), QTime(12, 0));
    for (const QString &name : names) {
        const QString path = folder + u'/' + name;
        QVERIFY(writeFile(path, name.toUtf8()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(taken, QFileDevice::FileModificationTime));
    }
}

void StorageSafetyTest::setUpStorage(const QString &mainFolder)
{
    const QString first = m_root->filePath(u"first"_s);
    makePictures(first, {u"x.jpg"_s});
    QVERIFY(startProgram(first));
    QVERIFY(waitForWindow(u"^Mirelto - "_s));
    QVERIFY(stopProgram());

    // As the setup would leave them: three date levels, no subject, no description prompt.
    QByteArray settings = readFile(workFile(u"PSMSet.dat"_s));
    QCOMPARE(settings.size(), 1584);
    patchInt(&settings, 1208, 3);
    settings[1199] = 0;
    QVERIFY(writeFile(workFile(u"PSMSet.dat"_s), settings));
    QByteArray main(256, '\0');
    patchString(&main, 0, QFile::encodeName(mainFolder));
    QVERIFY(writeFile(workFile(u"MainFolder.dat"_s), main));
    // New folders take storage management on from the default session settings.
    QByteArray defaults = readFile(workFile(u"MrlSessionSet.dat"_s));
    QCOMPARE(defaults.size(), 520);
    defaults[152] = 1;
    QVERIFY(writeFile(workFile(u"MrlSessionSet.dat"_s), defaults));
}

// In the first program run of a folder, a picture whose move failed keeps what was typed for it
// through the rebuild of the table after the run.
void StorageSafetyTest::typedTextsSurviveAFailedMoveInANewFolder()
{
    const QString main = m_root->filePath(u"store"_s);
    QVERIFY(QDir().mkpath(main));
    setUpStorage(main);
    makePictures(m_pictures, {u"a.jpg"_s, u"b.jpg"_s});

    QVERIFY(startProgram(m_pictures));
    QVERIFY(waitForWindow(u"^Mirelto - "_s));
    // Both selected, then a free text typed for each in stage 2 (Edit menu); the quick start
    // that opens at the first entry into stage 2 is left open beside the window.
    QVERIFY(sendKeys(u"^Mirelto - "_s, {u"ctrl+a"_s, u"alt+e"_s, u"e"_s}));
    // The editor's help question comes first: not again.
    QVERIFY(waitForWindow(u"^Mirelto$"_s, 5000));
    QVERIFY(sendKeys(u"^Mirelto$"_s, {u"alt+n"_s}));
    QThread::msleep(500);
    QVERIFY(typeText(u"^Mirelto - "_s, u"Alpha"_s));
    QVERIFY(sendKeys(u"^Mirelto - "_s, {u"Return"_s, u"Return"_s}));
    QVERIFY(typeText(u"^Mirelto - "_s, u"Beta"_s));
    QVERIFY(sendKeys(u"^Mirelto - "_s, {u"Return"_s, u"Return"_s}));
    const QByteArray typed = stringAt(recordOf(readFile(m_pictures + u"/MrlSGTitle2.dat"_s), "b.jpg"), 260);
    QVERIFY(!typed.isEmpty());

    QVERIFY(sendKeys(u"^Mirelto - "_s, {u"alt+r"_s, u"p"_s}));
    QVERIFY(waitForWindow(u"Test and Preview"_s));
    QThread::msleep(1000);
    // Between the preview and Retitle Now a file takes b's new name in its new folder.
    const QString day = main + u"/2007/2007-08/2007-08-31"_s;
    QVERIFY(QDir().mkpath(day));
    QVERIFY(writeFile(day + u'/' + QString::fromUtf8(typed) + u".jpg"_s, "intruder"));
    QVERIFY(sendKeys(u"Test and Preview"_s, {u"alt+r"_s}));
    QVERIFY(waitUntilGone(u"Test and Preview"_s));
    QThread::msleep(1500);
    QVERIFY(stopProgram());

    QCOMPARE(readFile(day + u'/' + QString::fromUtf8(typed) + u".jpg"_s), QByteArray("intruder"));
    QCOMPARE(readFile(m_pictures + u"/b.jpg"_s), QByteArray("b.jpg"));
    QVERIFY(!QFileInfo::exists(m_pictures + u"/a.jpg"_s));
    // The table was rebuilt from the folder: a has left it, b keeps what was typed for it.
    const QByteArray titles = readFile(m_pictures + u"/MrlSGTitle2.dat"_s);
    QCOMPARE(titles.size(), titleRecordSize);
    const QByteArray kept = recordOf(titles, "b.jpg");
    QCOMPARE(stringAt(kept, 0), selectedMarker);
    QCOMPARE(stringAt(kept, 260), typed);
}

// A folder build that replaces the Static dictionary, cancelled while it reads: both dictionary
// files stay byte for byte, and a box says so.
void StorageSafetyTest::cancelledReplaceBuildKeepsTheDictionary()
{
    makePictures(m_root->filePath(u"old"_s), {u"Harbour 001.jpg"_s, u"Dune 001.jpg"_s});
    // Enough distinct titles for the progress to show before the build is done.
    const QString big = m_root->filePath(u"big"_s);
    for (int folder = 0; folder < 120; ++folder) {
        const QString path = big + u"/f%1"_s.arg(folder);
        QVERIFY(QDir().mkpath(path));
        for (int i = 0; i < 300; ++i) {
            QString word = u"w"_s;
            for (int k = 0, n = folder * 300 + i; k < 4; ++k, n /= 26)
                word += QChar(u'a' + n % 26);
            QVERIFY(writeFile(path + u'/' + word + u".jpg"_s, QByteArray()));
        }
    }
    makePictures(m_pictures, {u"a.jpg"_s});
    QVERIFY(startProgram(m_pictures));
    QVERIFY(waitForWindow(u"^Mirelto - "_s));
    // Dictionary > Make Static Dictionary from... > Folder(s); the folder picker opens at once.
    // Up to the choice of Replace; the build itself starts with Alt+M.
    const auto prepareBuild = [this](const QString &folder) {
        return sendKeys(u"^Mirelto - "_s, {u"alt+d"_s, u"k"_s, u"Down"_s, u"Down"_s, u"Return"_s})
               && waitForWindow(u"^Select a folder$"_s, 5000) && sendKeys(u"^Select a folder$"_s, {u"ctrl+a"_s})
               && typeText(u"^Select a folder$"_s, folder) && sendKeys(u"^Select a folder$"_s, {u"Return"_s})
               && waitUntilGone(u"^Select a folder$"_s) && sendKeys(u"Make Static Dictionary$"_s, {u"alt+r"_s});
    };
    QVERIFY(prepareBuild(m_root->filePath(u"old"_s)));
    QVERIFY(runXdotool({u"key"_s, u"--clearmodifiers"_s, u"alt+m"_s}));
    QVERIFY(waitUntilGone(u"Make Static Dictionary$"_s));
    QThread::msleep(1000);
    const QByteArray records = readFile(workFile(u"LoadedDic.dat"_s));
    const QByteArray contexts = readFile(workFile(u"ContextDic.dat"_s));
    QCOMPARE(records.size(), 2 * 552);

    QVERIFY(prepareBuild(big));
    // The progress shows while the folders are read. The program is held still when the build
    // starts and then runs in slices of a few milliseconds, so that however fast the machine
    // reads the folders, the progress is caught and gets its Escape.
    const pid_t program = pid_t(m_program->processId());
    // The choice of folders wears the same caption as the progress: only a new window counts.
    QByteArray choice;
    runXdotool({u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"Make Static Dictionary$"_s}, &choice);
    const QList<QByteArray> before = choice.trimmed().split('\n');
    ::kill(program, SIGSTOP);
    runXdotool({u"key"_s, u"--clearmodifiers"_s, u"alt+m"_s});
    QByteArray progressWindow;
    for (int i = 0; i < 1000 && progressWindow.isEmpty(); ++i) {
        ::kill(program, SIGSTOP);
        QByteArray found;
        runXdotool({u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"Make Static Dictionary$"_s}, &found);
        for (const QByteArray &window : found.trimmed().split('\n')) {
            if (!window.isEmpty() && !before.contains(window))
                progressWindow = window;
        }
        if (progressWindow.isEmpty()) {
            ::kill(program, SIGCONT);
            QThread::msleep(3);
        }
    }
    const bool caught = !progressWindow.isEmpty();
    if (caught) {
        runXdotool({u"windowfocus"_s, QString::fromLatin1(progressWindow)});
        runXdotool({u"key"_s, u"Escape"_s});
    }
    ::kill(program, SIGCONT);
    QVERIFY2(caught, "the build ended before it could be cancelled");
    QVERIFY(waitForWindow(u"^Mirelto$"_s, 10000));
    QVERIFY(stopProgram());

    QCOMPARE(readFile(workFile(u"LoadedDic.dat"_s)), records);
    QCOMPARE(readFile(workFile(u"ContextDic.dat"_s)), contexts);
    QCOMPARE(QDir(m_data + u"/Mirelto"_s).entryList({u"*Dic.dat*"_s}, QDir::Files),
             (QStringList{u"ContextDic.dat"_s, u"LoadedDic.dat"_s}));
}

// A linked year folder: the preview refuses the pictures planned through it, and Retitle Now
// creates and moves nothing there.
void StorageSafetyTest::linkInTheStorageTreeIsNotFollowed()
{
    const QString main = m_root->filePath(u"store"_s);
    const QString outside = m_root->filePath(u"outside"_s);
    QVERIFY(QDir().mkpath(main) && QDir().mkpath(outside + u"/2007-08"_s));
    QVERIFY(QFile::link(outside, main + u"/2007"_s));
    setUpStorage(main);
    makePictures(m_pictures, {u"a.jpg"_s, u"b.jpg"_s});
    QVERIFY(startProgram(m_pictures));
    QVERIFY(waitForWindow(u"^Mirelto - "_s));
    QVERIFY(stopProgram());
    QByteArray title = readFile(m_pictures + u"/MrlSGTitle2.dat"_s);
    QCOMPARE(title.size(), 2 * titleRecordSize);
    for (int record = 0; record < 2; ++record) {
        patchString(&title, record * titleRecordSize, selectedMarker);
        patchString(&title, record * titleRecordSize + 260, record == 0 ? "Harbour" : "Dune");
    }
    QVERIFY(writeFile(m_pictures + u"/MrlSGTitle2.dat"_s, title));
    const QStringList outsideBefore = tree(outside);

    QVERIFY(startProgram(m_pictures));
    QVERIFY(waitForWindow(u"^Mirelto - "_s));
    QVERIFY(sendKeys(u"^Mirelto - "_s, {u"alt+r"_s, u"p"_s}));
    QVERIFY(waitForWindow(u"Test and Preview"_s));
    QThread::msleep(1000);
    QVERIFY(sendKeys(u"Test and Preview"_s, {u"alt+r"_s}));
    QThread::msleep(1000);
    // Retitle Now stays refused: the preview is still open.
    QVERIFY(windowShown(u"Test and Preview"_s));
    QVERIFY(stopProgram());

    QCOMPARE(tree(outside), outsideBefore);
    QCOMPARE(QDir(m_pictures).entryList({u"*.jpg"_s}, QDir::Files), (QStringList{u"a.jpg"_s, u"b.jpg"_s}));
    QCOMPARE(tree(main), QStringList{u"2007"_s});
}

// The storage disk is unmounted while the preview is open; its mount point stays behind.
void StorageSafetyTest::unmountedStorageDiskGetsNothing()
{
    const QString main = m_root->filePath(u"disk"_s);
    auto disk = std::make_unique<SmallFileSystem>(main, 1024);
    if (!disk->isMounted())
        QSKIP("this process may not mount a file system");
    setUpStorage(main);
    makePictures(m_pictures, {u"a.jpg"_s});
    QVERIFY(startProgram(m_pictures));
    QVERIFY(waitForWindow(u"^Mirelto - "_s));
    QVERIFY(stopProgram());
    QByteArray title = readFile(m_pictures + u"/MrlSGTitle2.dat"_s);
    QCOMPARE(title.size(), titleRecordSize);
    patchString(&title, 0, selectedMarker);
    patchString(&title, 260, "Harbour");
    QVERIFY(writeFile(m_pictures + u"/MrlSGTitle2.dat"_s, title));

    QVERIFY(startProgram(m_pictures));
    QVERIFY(waitForWindow(u"^Mirelto - "_s));
    QVERIFY(sendKeys(u"^Mirelto - "_s, {u"alt+r"_s, u"p"_s}));
    QVERIFY(waitForWindow(u"Test and Preview"_s));
    QThread::msleep(1000);
    disk.reset();
    QVERIFY(QFileInfo(main).isDir());
    QVERIFY(sendKeys(u"Test and Preview"_s, {u"alt+r"_s}));
    // The box says why; nothing was renamed.
    QVERIFY(waitForWindow(u"^Error$"_s, 5000));
    QVERIFY(stopProgram());

    QVERIFY(tree(main).isEmpty());
    QCOMPARE(readFile(m_pictures + u"/a.jpg"_s), QByteArray("a.jpg"));
}

QTEST_GUILESS_MAIN(StorageSafetyTest)
#include "storagesafetytest.moc"
