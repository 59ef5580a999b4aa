// Opening a resumed folder of 10,000 and of 100,000 pictures, measured against the file-system
// work no implementation can avoid: listing the folder and durably rewriting a title file of the
// same size. Prints the medians, their ratio and how the time per picture grows with the folder.
//
// usage: opensession_bench [PARENT]   (PARENT of the scratch folder, default /var/tmp; it should
// be on the disk the pictures live on, not tmpfs, or the fsync costs nothing)
//
// The program opens one folder per run, so every open a user waits for is the first of its
// process: its memory is fresh and the collation data not loaded yet. Each timed run therefore
// happens in a new process, this executable started again with one of the run options below.
#include "benchharness.h"

#include "platform/dialogs.h"
#include "session/picturesession.h"
#include "session/sgtitlerec.h"
#include "session/subjectsource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString programVersion = u"4.4.0.0"_s;
const QString titleFileName = u"MrlSGTitle2.dat"_s;

// The runs a child process can be asked for: RUN FOLDER COUNT.
const QString openRun = u"--open"_s;
const QString baselineRun = u"--baseline"_s;
const QString attributesRun = u"--attributes"_s;

// Answers nothing and counts what it was told: a clean open tells the user nothing.
class SilentDialogs final : public Platform::Dialogs
{
public:
    void inform(const Platform::Message &) override { ++m_messages; }
    Platform::Answer ask(const Platform::Question &question) override
    {
        ++m_messages;
        return {question.defaultButton, question.checkBoxChecked};
    }
    void status(const Platform::StatusMessage &) override { ++m_messages; }
    std::optional<QString> chooseFolder(const QString &, const QString &) override { return std::nullopt; }

    int messages() const { return m_messages; }

private:
    int m_messages = 0;
};

// Mostly one camera's names, with a second camera's in upper case and a few free names, as a
// folder copied from several cards holds.
QString pictureName(int index)
{
    const QString number = u"%1"_s.arg(index, 6, 10, QChar(u'0'));
    if (index % 50 == 17)
        return u"Holiday "_s + number + u".Jpeg"_s;
    if (index % 10 == 3)
        return u"DSC_"_s + number + u".JPG"_s;
    return u"IMG_"_s + number + u".jpg"_s;
}

Session::SGTitleRec recordFor(const QString &name, int index)
{
    Session::SGTitleRec record;
    // Renamed outside the program in letter case only: the record must still be found.
    record.STOld = index % 100 == 42 ? name.toLower() : name;
    if (index % 4 == 0)
        record.STSelect = u">>i"_s;
    if (index % 3 == 0)
        record.STNew = u"Walk along the beach near the lighthouse "_s + QString::number(index);
    if (index % 7 == 0)
        record.STPrefix = u"Trip"_s;
    record.STError = u"0"_s;
    record.STVersion = programVersion;
    return record;
}

bool writeAll(int descriptor, const QByteArray &content)
{
    qsizetype done = 0;
    while (done < content.size()) {
        const ssize_t written = ::write(descriptor, content.constData() + done, size_t(content.size() - done));
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// Writes beside the target, flushes to disk and renames over it: what an atomic, durable
// rewrite of the title file has to do at the least.
bool writeDurably(const QString &target, const QByteArray &content)
{
    const QByteArray targetPath = QFile::encodeName(target);
    const QByteArray temporaryPath = targetPath + QByteArrayLiteral(".new");
    const int descriptor = ::open(temporaryPath.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return false;
    bool written = writeAll(descriptor, content) && ::fsync(descriptor) == 0;
    written = ::close(descriptor) == 0 && written;
    return written && ::rename(temporaryPath.constData(), targetPath.constData()) == 0;
}

std::vector<std::string> listFolder(const QString &folder)
{
    std::vector<std::string> names;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        Bench::fail("cannot list the picture folder");
    while (const dirent *entry = ::readdir(dir))
        names.emplace_back(entry->d_name);
    ::closedir(dir);
    return names;
}

// The runs, each in a process of its own; each prints its time in milliseconds.

double openOnce(const QString &folder, int count)
{
    SilentDialogs dialogs;
    Session::NoSubjects subjects;
    Session::PictureSession session(dialogs, subjects);
    bool written = false;
    Bench::Samples samples;
    samples.time([&] {
        session.setFolder(folder, programVersion);
        session.setFresh(false);
        written = session.FillSGTitle(true);
    });
    if (!written || session.rowCount() != count || session.missingTitles() != 0 || dialogs.messages() != 0)
        Bench::fail("the folder did not open cleanly");
    if (session.selectedCount() != (count + 3) / 4)
        Bench::fail("the previous session's records were not all taken over");
    if (QFile(folder + u'/' + titleFileName).size() != qint64(count) * Session::SGTitleRec::size)
        Bench::fail("the title file was not rewritten");
    return samples.median();
}

// Listing the folder and writing a title file's worth of bytes durably beside it.
double baselineOnce(const QString &folder, int count)
{
    const QByteArray content(qsizetype(count) * Session::SGTitleRec::size, 'x');
    bool complete = false;
    Bench::Samples samples;
    samples.time([&] {
        complete = qsizetype(listFolder(folder).size()) >= count && writeDurably(folder + u"/baseline.dat"_s, content);
    });
    if (!complete)
        Bench::fail("the baseline did not list or write the folder");
    return samples.median();
}

// The checks an open makes of each picture besides listing it: a regular file whose owner and
// user may write it.
double attributesOnce(const QString &folder, int count)
{
    const std::vector<std::string> names = listFolder(folder);
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int writable = 0;
    Bench::Samples samples;
    samples.time([&] {
        for (const std::string &name : names) {
            struct stat info;
            if (::fstatat(descriptor, name.c_str(), &info, 0) == 0 && S_ISREG(info.st_mode)
                && (info.st_mode & S_IWUSR) && ::faccessat(descriptor, name.c_str(), W_OK, AT_EACCESS) == 0)
                ++writable;
        }
    });
    ::close(descriptor);
    if (writable < count)
        Bench::fail("the pictures are not all writable");
    return samples.median();
}

class PictureFolder final
{
public:
    PictureFolder(const QString &path, int count) : m_path(path), m_count(count)
    {
        if (!QDir().mkpath(path))
            Bench::fail("cannot create the picture folder");
        QStringList names;
        names.reserve(count);
        for (int i = 0; i < count; ++i) {
            names.append(pictureName(i));
            const QByteArray file = QFile::encodeName(path + u'/' + names.last());
            const int descriptor = ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (descriptor < 0 || ::close(descriptor) != 0)
                Bench::fail("cannot create a picture file");
        }
        // The folder is listed in its own order and sorted, the records come in the order of the
        // previous session's table: neither helps the other.
        std::vector<int> order(static_cast<size_t>(count));
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), std::mt19937(20240611));
        m_shuffledTitleFile.reserve(qsizetype(count) * Session::SGTitleRec::size);
        for (const int i : order)
            m_shuffledTitleFile.append(recordFor(names.at(i), i).toBytes());
    }

    // Puts back the previous session's title file that an open has replaced.
    void restoreTitleFile() const
    {
        if (!writeDurably(m_path + u'/' + titleFileName, m_shuffledTitleFile))
            Bench::fail("cannot write the title file");
    }

    double run(const QString &option) const
    {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {option, m_path, QString::number(m_count)});
        if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
            Bench::fail("a timed run failed");
        bool isNumber = false;
        const double milliseconds = QString::fromLatin1(child.readAllStandardOutput()).trimmed().toDouble(&isNumber);
        if (!isNumber)
            Bench::fail("a timed run printed no time");
        return milliseconds;
    }

private:
    QString m_path;
    int m_count;
    QByteArray m_shuffledTitleFile;
};

struct Figures
{
    double open = 0;
    double baseline = 0;
};

Figures measure(const QString &parent, int count, int repetitions)
{
    const PictureFolder folder(parent + u"/pictures-"_s + QString::number(count), count);
    // Once untimed, so that every timed open finds the folder as the last one left it.
    folder.restoreTitleFile();
    folder.run(openRun);
    // The runs of one repetition follow each other closely, so a load that others put on the
    // machine weighs on all of them alike; the ratios are taken within each repetition.
    Bench::Samples open;
    Bench::Samples baseline;
    Bench::Samples attributes;
    Bench::Samples openRatio;
    Bench::Samples attributesRatio;
    for (int i = 0; i < repetitions; ++i) {
        folder.restoreTitleFile();
        const double openTime = folder.run(openRun);
        const double baselineTime = folder.run(baselineRun);
        const double attributesTime = folder.run(attributesRun);
        open.add(openTime);
        baseline.add(baselineTime);
        attributes.add(attributesTime);
        openRatio.add(openTime / baselineTime);
        attributesRatio.add(attributesTime / baselineTime);
    }
    const std::string size = std::to_string(count);
    const Figures figures{open.median(), baseline.median()};
    Bench::report("open_" + size, figures.open, "ms");
    Bench::report("baseline_" + size, figures.baseline, "ms");
    Bench::report("open_ratio_" + size, openRatio.median(), "x");
    // Not part of the baseline, but an open cannot do without them either.
    Bench::report("attribute_checks_" + size, attributes.median(), "ms");
    Bench::report("attribute_checks_ratio_" + size, attributesRatio.median(), "x");
    return figures;
}

int runChild(const QStringList &arguments)
{
    const QString &run = arguments.at(1);
    const QString &folder = arguments.at(2);
    const int count = arguments.at(3).toInt();
    const double milliseconds = run == openRun       ? openOnce(folder, count)
                                : run == baselineRun ? baselineOnce(folder, count)
                                                     : attributesOnce(folder, count);
    std::printf("%.3f\n", milliseconds);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // The table's order follows the user's locale; a fixed one keeps the figures alike on every
    // machine.
    qputenv("LC_ALL", QByteArrayLiteral("en_US.UTF-8"));
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && (arguments.at(1) == openRun || arguments.at(1) == baselineRun
                                  || arguments.at(1) == attributesRun))
        return runChild(arguments);

    const QString parent = arguments.size() > 1 ? arguments.at(1) : u"/var/tmp"_s;
    struct statfs fileSystem;
    if (::statfs(QFile::encodeName(parent).constData(), &fileSystem) == 0 && fileSystem.f_type == TMPFS_MAGIC)
        std::fprintf(stderr, "warning: %s is in memory; the figures will not show the disk\n", qPrintable(parent));

    QTemporaryDir scratch(parent + u"/mirelto-bench-XXXXXX"_s);
    if (!scratch.isValid())
        Bench::fail("cannot create the scratch folder");
    Bench::setCleanUp([&scratch] { scratch.remove(); });

    const Figures small = measure(scratch.path(), 10'000, 5);
    const Figures large = measure(scratch.path(), 100'000, 3);
    Bench::report("per_picture_scaling_100000_vs_10000", (large.open / 100'000) / (small.open / 10'000), "x");
    Bench::report("baseline_per_picture_scaling_100000_vs_10000", (large.baseline / 100'000) / (small.baseline / 10'000),
                  "x");
    Bench::setCleanUp({});
    return 0;
}
