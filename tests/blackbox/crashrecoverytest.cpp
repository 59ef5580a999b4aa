// Kills the built program with SIGKILL while it retitles 400 pictures with their voice notes and
// thumbnails, at moments spread over the run and once after its end, starts it again, answers the
// question about the interrupted run with "Complete" and "Undo" in turn and then undoes through
// the Retitle menu. Every file must be back under its name with its content, with nothing left
// over: no temporary copy, no empty folder, no unfinished journal; the table lists every old name.
//
// MIRELTO_CRASH_RANDOM=N kills at N random moments instead (no run after its end), each answered
// at random; every moment prints one line "moment <ms> answer <complete|undo> <ok|FAILED: why>".

#include "support/files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int pictureCount = 400;
constexpr int spreadMoments = 12;
constexpr int titleRecordSize = 900;

enum class Answer { Complete, Undo };

void patchString(QByteArray *file, int record, int offset, const QByteArray &value)
{
    char *field = file->data() + record * titleRecordSize + offset;
    field[0] = char(value.size());
    std::memcpy(field + 1, value.constData(), size_t(value.size()));
}

QByteArray hashOf(const QString &path)
{
    return QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256);
}

} // namespace

class CrashRecoveryTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void killedRunsComeBackWhole();

private:
    bool startProgram();
    bool killProgram();
    bool stopProgram();
    bool runXdotool(const QStringList &arguments, QByteArray *output = nullptr);
    bool windowShown(const QString &pattern);
    bool waitForWindow(const QString &pattern, int milliseconds = 20000);
    bool sendKeys(const QString &pattern, const QStringList &keys, int pause = 300);
    // Selects every picture with a free text of its own, so that Test & Preview plans them all.
    bool selectEveryPicture();
    // Starts the program and Retitle Now; true once the run was asked for.
    bool startRun();
    // The journals of the data folder: whether any has no end record, and how many there are.
    bool unfinishedJournal() const;
    int journalCount() const;
    bool allBack() const;
    // Starts the program after a kill, answers its question, undoes through the menu and stops
    // it; empty when everything came back, else what is wrong.
    QString recover(Answer answer);
    QString check() const;

    QProcess m_server;
    QString m_display;
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_pictures;
    QString m_data;
    std::unique_ptr<QProcess> m_program;
    // Every file below the picture folder by its path, with the hash of its content.
    QMap<QString, QByteArray> m_original;
    QStringList m_pictureNames;
};

void CrashRecoveryTest::initTestCase()
{
    const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
    if (xvfb.isEmpty() || QStandardPaths::findExecutable(u"xdotool"_s).isEmpty())
        QSKIP("Xvfb and xdotool are needed to run the program in a real X server");
    for (int number = 141; number < 220 && m_display.isEmpty(); ++number) {
        if (QFileInfo::exists(u"/tmp/.X11-unix/X%1"_s.arg(number)) || QFileInfo::exists(u"/tmp/.X%1-lock"_s.arg(number)))
            continue;
        m_server.start(xvfb, {u":%1"_s.arg(number), u"-screen"_s, u"0"_s, u"1280x800x24"_s, u"-nolisten"_s, u"tcp"_s,
                              u"-noreset"_s});
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

    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_pictures = m_root->filePath(u"pics"_s);
    m_data = m_root->filePath(u"data"_s);
    QVERIFY(QDir().mkpath(m_pictures + u"/xelthumb"_s) && QDir().mkpath(m_root->filePath(u"home/runtime"_s)));
    QVERIFY(QFile::setPermissions(m_root->filePath(u"home/runtime"_s),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QRandomGenerator random(20261211);
    for (int i = 0; i < pictureCount; ++i) {
        const QString name = u"IMG_%1"_s.arg(i, 4, 10, QChar(u'0'));
        QByteArray bytes(48, '\0');
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        QVERIFY(writeFile(m_pictures + u'/' + name + u".jpg"_s, "picture " + bytes));
        QVERIFY(writeFile(m_pictures + u'/' + name + u".wav"_s, "voice " + bytes));
        QVERIFY(writeFile(m_pictures + u"/xelthumb/"_s + name + u".jpg"_s, "thumbnail " + bytes));
        m_pictureNames.append(name + u".jpg"_s);
    }
    QDirIterator it(m_pictures, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        m_original.insert(path, QFileInfo(path).isDir() ? QByteArray("folder") : hashOf(path));
    }
    // The first start makes the work files.
    QVERIFY(startProgram());
    QVERIFY(waitForWindow(u"^Mirelto - "_s));
    QVERIFY(stopProgram());
}

void CrashRecoveryTest::cleanupTestCase()
{
    if (m_program && m_program->state() != QProcess::NotRunning)
        killProgram();
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill(), m_server.waitForFinished();
    }
}

bool CrashRecoveryTest::runXdotool(const QStringList &arguments, QByteArray *output)
{
    QProcess xdotool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, m_display);
    xdotool.setProcessEnvironment(environment);
    xdotool.start(u"xdotool"_s, arguments);
    if (!xdotool.waitForFinished(5000)) {
        xdotool.kill();
        xdotool.waitForFinished();
        return false;
    }
    if (output)
        *output = xdotool.readAllStandardOutput();
    return xdotool.exitStatus() == QProcess::NormalExit && xdotool.exitCode() == 0;
}

bool CrashRecoveryTest::startProgram()
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

bool CrashRecoveryTest::killProgram()
{
    ::kill(pid_t(m_program->processId()), SIGKILL);
    return m_program->waitForFinished(10000);
}

bool CrashRecoveryTest::stopProgram()
{
    if (m_program->state() == QProcess::NotRunning)
        return true;
    ::kill(pid_t(m_program->processId()), SIGTERM);
    if (m_program->waitForFinished(15000))
        return true;
    killProgram();
    return false;
}

bool CrashRecoveryTest::windowShown(const QString &pattern)
{
    QByteArray found;
    return runXdotool({u"search"_s, u"--onlyvisible"_s, u"--name"_s, pattern}, &found) && !found.trimmed().isEmpty();
}

bool CrashRecoveryTest::waitForWindow(const QString &pattern, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < milliseconds) {
        if (windowShown(pattern))
            return true;
        if (windowShown(u"^Mirelto Setup Picture Storage Management"_s))
            sendKeys(u"^Mirelto Setup Picture Storage Management"_s, {u"Escape"_s});
        if (m_program->waitForFinished(100) || m_program->state() == QProcess::NotRunning)
            return false;
    }
    return false;
}

bool CrashRecoveryTest::sendKeys(const QString &pattern, const QStringList &keys, int pause)
{
    QByteArray found;
    if (!runXdotool({u"search"_s, u"--onlyvisible"_s, u"--name"_s, pattern}, &found))
        return false;
    const QByteArray window = found.trimmed().split('\n').constLast();
    if (!runXdotool({u"windowfocus"_s, u"--sync"_s, QString::fromLatin1(window)}))
        return false;
    for (const QString &key : keys) {
        if (!runXdotool({u"key"_s, u"--clearmodifiers"_s, key}))
            return false;
        QThread::msleep(quint64(pause));
    }
    return true;
}

bool CrashRecoveryTest::selectEveryPicture()
{
    const QString path = m_pictures + u"/MrlSGTitle2.dat"_s;
    QByteArray title = readFile(path);
    if (title.size() != pictureCount * titleRecordSize)
        return false;
    for (int record = 0; record < pictureCount; ++record) {
        patchString(&title, record, 0, ">>i");
        patchString(&title, record, 260, "Trip " + QByteArray::number(record));
    }
    return writeFile(path, title);
}

bool CrashRecoveryTest::startRun()
{
    if (!selectEveryPicture() || !startProgram() || !waitForWindow(u"^Mirelto - "_s))
        return false;
    if (!sendKeys(u"^Mirelto - "_s, {u"alt+r"_s, u"p"_s}) || !waitForWindow(u"Test and Preview"_s))
        return false;
    return sendKeys(u"Test and Preview"_s, {u"alt+r"_s}, 0);
}

bool CrashRecoveryTest::unfinishedJournal() const
{
    const QDir journals(m_data + u"/Mirelto/Journal"_s);
    for (const QString &name : journals.entryList({u"*.journal"_s}, QDir::Files)) {
        QFile file(journals.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return true;
        file.seek(qMax<qint64>(0, file.size() - 200));
        const QByteArray tail = file.readAll();
        const QByteArray last = tail.left(tail.size() - 1).mid(tail.left(tail.size() - 1).lastIndexOf('\n') + 1);
        if (!tail.endsWith('\n') || !last.startsWith("end"))
            return true;
    }
    return false;
}

int CrashRecoveryTest::journalCount() const
{
    return int(QDir(m_data + u"/Mirelto/Journal"_s).entryList({u"*.journal"_s}, QDir::Files).size());
}

bool CrashRecoveryTest::allBack() const
{
    for (auto it = m_original.cbegin(); it != m_original.cend(); ++it) {
        if (it.value() != "folder" && !QFileInfo::exists(it.key()))
            return false;
    }
    return true;
}

QString CrashRecoveryTest::recover(Answer answer)
{
    const bool interrupted = unfinishedJournal();
    if (!startProgram() || !waitForWindow(u"^Mirelto - "_s))
        return u"the program did not start again"_s;
    if (interrupted) {
        if (!waitForWindow(u"^Mirelto$"_s))
            return u"no question about the interrupted run"_s;
        if (!sendKeys(u"^Mirelto$"_s, {answer == Answer::Complete ? u"alt+c"_s : u"alt+u"_s}))
            return u"the question could not be answered"_s;
        QElapsedTimer waited;
        waited.start();
        while ((unfinishedJournal() || windowShown(u"^Mirelto$"_s)) && waited.elapsed() < 30000)
            QThread::msleep(100);
    }
    if (!allBack()) {
        const int before = journalCount();
        if (!sendKeys(u"^Mirelto - "_s, {u"alt+r"_s, u"u"_s}) || !waitForWindow(u"Undo last retitling"_s, 10000))
            return u"the Retitle menu offers no undo"_s;
        if (!sendKeys(u"Undo last retitling"_s, {u"alt+u"_s}))
            return u"the undo could not be started"_s;
        QElapsedTimer waited;
        waited.start();
        while ((journalCount() == before || unfinishedJournal()) && waited.elapsed() < 30000)
            QThread::msleep(100);
    }
    if (!stopProgram())
        return u"the program did not end on SIGTERM"_s;
    return check();
}

QString CrashRecoveryTest::check() const
{
    QStringList wrong;
    for (auto it = m_original.cbegin(); it != m_original.cend(); ++it) {
        if (it.value() == "folder" ? !QFileInfo(it.key()).isDir() : hashOf(it.key()) != it.value())
            wrong.append(u"not back: "_s + it.key());
    }
    QDirIterator it(m_pictures, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = it.fileName();
        const bool workFile = name.startsWith(u"Mrl"_s) || name == u"PicNewFolder.dat"_s;
        if (!m_original.contains(path) && !workFile)
            wrong.append(u"left over: "_s + path);
    }
    if (unfinishedJournal())
        wrong.append(u"an unfinished journal"_s);
    // The table lists every old name.
    const QByteArray title = readFile(m_pictures + u"/MrlSGTitle2.dat"_s);
    QStringList listed;
    for (qsizetype offset = 0; offset + titleRecordSize <= title.size(); offset += titleRecordSize)
        listed.append(QString::fromUtf8(title.mid(offset + 5, quint8(title.at(offset + 4)))));
    listed.sort();
    if (listed != m_pictureNames)
        wrong.append(u"the table lists %1 name(s), not the %2 old ones"_s.arg(listed.size()).arg(pictureCount));
    return wrong.mid(0, 5).join(u"; "_s) + (wrong.size() > 5 ? u"; …"_s : QString());
}

void CrashRecoveryTest::killedRunsComeBackWhole()
{
    // A whole run first: how long a run takes, and a kill after its end.
    QVERIFY(startRun());
    QElapsedTimer timer;
    timer.start();
    while (journalCount() == 0 || unfinishedJournal()) {
        QVERIFY2(timer.elapsed() < 180000, "the run did not end");
        QThread::msleep(20);
    }
    const qint64 duration = qMax<qint64>(timer.elapsed(), 1);
    QVERIFY(!allBack());
    QVERIFY(killProgram());
    const QString afterEnd = recover(Answer::Complete);
    QVERIFY2(afterEnd.isEmpty(), qPrintable(u"killed after its end: "_s + afterEnd));

    const int randomMoments = qEnvironmentVariableIntValue("MIRELTO_CRASH_RANDOM");
    const int moments = randomMoments > 0 ? randomMoments : spreadMoments;
    QStringList failures;
    for (int moment = 0; moment < moments; ++moment) {
        const qint64 delay = randomMoments > 0 ? qint64(QRandomGenerator::global()->bounded(int(duration) + 1))
                                               : duration * (2 * moment + 1) / (2 * spreadMoments);
        const Answer answer = randomMoments > 0 ? Answer(QRandomGenerator::global()->bounded(2)) : Answer(moment % 2);
        QVERIFY(startRun());
        QThread::msleep(quint64(delay));
        QVERIFY(killProgram());
        const QString outcome = recover(answer);
        std::printf("moment %lld answer %s %s\n", static_cast<long long>(delay),
                    answer == Answer::Complete ? "complete" : "undo",
                    outcome.isEmpty() ? "ok" : qPrintable(u"FAILED: "_s + outcome));
        std::fflush(stdout);
        if (!outcome.isEmpty())
            failures.append(u"killed after %1 of %2 ms: "_s.arg(delay).arg(duration) + outcome);
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
}

QTEST_GUILESS_MAIN(CrashRecoveryTest)
#include "crashrecoverytest.moc"
