// 10,000 JPEGs renamed by their date taken ("yyyy-mm-dd hh.mm.ss", made unique where pictures
// share a second) by `mirelto --retitle`, start-up and test pass included, and a copy of the same
// files by ExifTool with '-FileName<DateTimeOriginal'. Prints both times, the files per second
// and how many times faster the program is; fails below 20 times.
//
// usage: commandline_bench [PARENT]   (PARENT of the scratch folder, default /var/tmp; it should be
// on a real disk, not tmpfs)
#include "benchharness.h"

#include "exifwriter.h"
#include "settings/sessionsettingsrec.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstring>
#include <string>

using namespace Qt::StringLiterals;

namespace {

constexpr int pictureCount = 10'000;
// Every fifth picture was taken in the same second as the one before it.
constexpr int burst = 5;
constexpr double requiredSpeedUp = 20;
constexpr int titleRecordSize = 900;

void writeOrFail(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        Bench::fail("cannot write " + path.toStdString());
}

QByteArray readOrFail(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Bench::fail("cannot read " + path.toStdString());
    return file.readAll();
}

void makePictures(const QString &folder)
{
    const QDateTime first(QDate(2023, 5, 1), QTime(8, 0));
    for (int i = 0; i < pictureCount; ++i) {
        const int second = i - (i % burst == burst - 1 ? 1 : 0);
        const QByteArray taken = first.addSecs(qint64(second) * 37).toString(u"yyyy:MM:dd HH:mm:ss"_s).toLatin1();
        Tools::ExifWriter exif;
        exif.setAscii(Tools::ExifWriter::Directory::Main, Tools::ExifTag::make, "Camera");
        exif.setAscii(Tools::ExifWriter::Directory::Exif, Tools::ExifTag::dateTimeOriginal, taken);
        QByteArray jpeg("\xFF\xD8", 2);
        jpeg += QByteArray("\xFF\xDB\x00\x43", 4) + QByteArray(0x41, '\x01');
        jpeg += QByteArray("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10) + QByteArray(4096, '\x55');
        jpeg += QByteArray("\xFF\xD9", 2);
        const auto bytes = exif.insertInto(jpeg);
        if (!bytes)
            Bench::fail("cannot make a picture");
        writeOrFail(folder + u"/IMG_%1.jpg"_s.arg(i, 5, 10, QChar(u'0')), *bytes);
    }
}

QProcessEnvironment programEnvironment(const QString &scratch)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    environment.insert(u"HOME"_s, scratch + u"/home"_s);
    environment.insert(u"XDG_DATA_HOME"_s, scratch + u"/data"_s);
    environment.insert(u"XDG_RUNTIME_DIR"_s, scratch + u"/runtime"_s);
    return environment;
}

// Runs a program to its end; its exit code, or -1 when it did not end normally.
int runProgram(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment,
               double *milliseconds = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForStarted(10000) || !process.waitForFinished(-1))
        return -1;
    if (milliseconds)
        *milliseconds = double(timer.nsecsElapsed()) / 1e6;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The folder's work files as the window leaves them when every picture is selected and the title
// is the date and time taken, made unique.
void prepareWorkFiles(const QString &folder, const QProcessEnvironment &environment)
{
    // The first opening makes the work files; with nothing selected it stops there.
    if (runProgram(QStringLiteral(MIRELTO_PROGRAM), {u"--preview"_s, folder}, environment) != 1)
        Bench::fail("the folder could not be opened");
    const QString titlePath = folder + u"/MrlSGTitle2.dat"_s;
    QByteArray title = readOrFail(titlePath);
    if (title.size() != pictureCount * titleRecordSize)
        Bench::fail("the picture table does not hold every picture");
    for (int record = 0; record < pictureCount; ++record) {
        char *marker = title.data() + record * titleRecordSize;
        marker[0] = 3;
        std::memcpy(marker + 1, ">>i", 3);
    }
    writeOrFail(titlePath, title);
    const QString sessionPath = folder + u"/MrlSessionSet.dat"_s;
    Settings::SessionSettingsRec session = Settings::SessionSettingsRec::fromBytes(readOrFail(sessionPath));
    session.useDate = true;
    session.dateSource = 0;
    session.dateFormat = 3;
    session.useTime = true;
    session.timeSource = 0;
    session.timeFormat = 4;
    session.dateTimeSeparator = 0;
    session.forceUniqueness = true;
    writeOrFail(sessionPath, session.toBytes());
}

// Every picture renamed to its date taken, each name once.
void checkRenamed(const QString &folder, const char *who)
{
    const QStringList names = QDir(folder).entryList({u"*.jpg"_s}, QDir::Files);
    static const QRegularExpression dated(u"^\\d{4}-\\d\\d-\\d\\d \\d\\d\\.\\d\\d\\.\\d\\d"_s);
    int renamed = 0;
    for (const QString &name : names)
        renamed += dated.match(name).hasMatch() ? 1 : 0;
    if (names.size() != pictureCount || renamed != pictureCount)
        Bench::fail(std::string(who) + " renamed " + std::to_string(renamed) + " of " + std::to_string(pictureCount)
                    + " pictures");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QString exiftool = QStandardPaths::findExecutable(u"exiftool"_s);
    if (exiftool.isEmpty())
        Bench::fail("exiftool is not installed (libimage-exiftool-perl)");
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"/var/tmp"_s;
    QTemporaryDir scratch(parent + u"/commandline_bench-XXXXXX"_s);
    if (!scratch.isValid())
        Bench::fail("cannot create the scratch folder");
    Bench::setCleanUp([&scratch] { scratch.remove(); });
    const QString ours = scratch.filePath(u"ours"_s);
    const QString theirs = scratch.filePath(u"theirs"_s);
    for (const QString &folder : {ours, theirs, scratch.filePath(u"home"_s), scratch.filePath(u"runtime"_s)}) {
        if (!QDir().mkpath(folder))
            Bench::fail("cannot create " + folder.toStdString());
    }
    QFile::setPermissions(scratch.filePath(u"runtime"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    makePictures(ours);
    for (const QString &name : QDir(ours).entryList(QDir::Files)) {
        if (!QFile::copy(ours + u'/' + name, theirs + u'/' + name))
            Bench::fail("cannot copy the pictures");
    }
    const QProcessEnvironment environment = programEnvironment(scratch.path());
    prepareWorkFiles(ours, environment);

    double oursMs = 0;
    if (runProgram(QStringLiteral(MIRELTO_PROGRAM), {u"--retitle"_s, ours}, environment, &oursMs) != 0)
        Bench::fail("mirelto --retitle failed");
    checkRenamed(ours, "mirelto");
    double theirsMs = 0;
    if (runProgram(exiftool, {u"-q"_s, u"-FileName<DateTimeOriginal"_s, u"-d"_s, u"%Y-%m-%d %H.%M.%S%%-c.%%e"_s, theirs},
                   environment, &theirsMs) != 0)
        Bench::fail("exiftool failed");
    checkRenamed(theirs, "exiftool");

    Bench::report("commandline_retitle_mirelto", oursMs, "ms");
    Bench::report("commandline_retitle_mirelto_rate", pictureCount / (oursMs / 1000), "files/s");
    Bench::report("commandline_retitle_exiftool", theirsMs, "ms");
    Bench::report("commandline_retitle_exiftool_rate", pictureCount / (theirsMs / 1000), "files/s");
    const double speedUp = theirsMs / oursMs;
    Bench::report("commandline_retitle_speedup", speedUp, "x");
    if (speedUp < requiredSpeedUp)
        Bench::fail("mirelto --retitle is less than 20 times as fast as exiftool");
    return 0;
}
