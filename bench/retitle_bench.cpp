// The test pass and the retitling of a folder of 10,000 pictures, each with a voice file, every
// picture selected, measured against the file-system work neither can avoid: the test pass must
// ask whether each new name and its companions' names are free, the retitling must rename every
// picture and its voice file. Prints the medians and, per repetition, how far each stays above
// its baseline.
//
// usage: retitle_bench [PARENT]   (PARENT of the scratch folder, default /var/tmp; it should be on
// the disk the pictures live on, not tmpfs, or renaming costs nothing)
#include "benchharness.h"

#include "retitle/destinationplanner.h"
#include "retitle/retitler.h"
#include "retitle/syncext.h"
#include "retitle/testpass.h"
#include "retitle/testpassresult.h"
#include "retitle/uniquecheck.h"

#include "compose/titlecomposer.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "session/picturesession.h"
#include "session/subjectsource.h"
#include "settings/programsettings.h"
#include "settings/sessionsettingsrec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/vfs.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString programVersion = u"4.4.0.0"_s;
constexpr int pictureCount = 10'000;
constexpr int repetitions = 3;
// Every 25 pictures, the first four share one free text: 1,600 titles need a sequence number.
constexpr int duplicateGroup = 25;
constexpr int duplicatesPerGroup = 4;

// Answers every question with its default and counts what it was told.
class SilentDialogs final : public Platform::Dialogs
{
public:
    void inform(const Platform::Message &) override { ++m_informed; }
    Platform::Answer ask(const Platform::Question &question) override
    {
        ++m_asked;
        return {question.defaultButton, question.checkBoxChecked};
    }
    void status(const Platform::StatusMessage &message) override { m_lastStatus = message; }
    std::optional<QString> chooseFolder(const QString &, const QString &) override { return std::nullopt; }

    int informed() const { return m_informed; }
    int asked() const { return m_asked; }
    const Platform::StatusMessage &lastStatus() const { return m_lastStatus; }

private:
    int m_informed = 0;
    int m_asked = 0;
    Platform::StatusMessage m_lastStatus;
};

QString pictureBase(int index)
{
    return u"IMG_%1"_s.arg(index, 5, 10, QChar(u'0'));
}

// Mostly distinct, as a user types them, with a few groups of pictures of one scene.
QString freeTextFor(int index)
{
    if (index % duplicateGroup < duplicatesPerGroup)
        return u"Beach at low tide "_s + QString::number(index / duplicateGroup);
    return u"Walk along the dunes "_s + QString::number(index);
}

QString baseOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QByteArray encodedPath(const QString &folder, const QString &name)
{
    return QFile::encodeName(folder + u'/' + name);
}

void createEmptyFile(const QByteArray &path)
{
    const int descriptor = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor < 0 || ::close(descriptor) != 0)
        Bench::fail("cannot create a picture file");
}

// The pictures with their voice files.
void createPictureFolder(const QString &path)
{
    if (!QDir().mkpath(path))
        Bench::fail("cannot create the picture folder");
    for (int i = 0; i < pictureCount; ++i) {
        const QString base = pictureBase(i);
        createEmptyFile(encodedPath(path, base + u".jpg"_s));
        createEmptyFile(encodedPath(path, base + u".wav"_s));
    }
}

// Writes back what the runs before left dirty, so that no run pays for another's writes.
void settle(const QString &folder)
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        Bench::fail("cannot open the scratch folder");
    ::syncfs(descriptor);
    ::close(descriptor);
}

int lstatEach(const std::vector<QByteArray> &paths)
{
    int found = 0;
    for (const QByteArray &path : paths) {
        struct stat info;
        if (::lstat(path.constData(), &info) == 0)
            ++found;
    }
    return found;
}

int renameNoReplace(const QByteArray &from, const QByteArray &to)
{
#ifdef RENAME_NOREPLACE
    return ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
#else
    constexpr unsigned int noReplace = 1;
    return int(::syscall(SYS_renameat2, AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), noReplace));
#endif
}

struct Figures
{
    double pass = 0;
    double passBaseline = 0;
    double retitle = 0;
    double retitleBaseline = 0;
};

// One repetition on folders of its own: the pass and the retitling in one, the baseline renames in
// an identical second one.
Figures measureOnce(const QString &scratch, int repetition)
{
    const QString runFolder = scratch + u"/run-"_s + QString::number(repetition);
    const QString pictures = runFolder + u"/Holiday"_s;
    const QString twin = runFolder + u"/Holiday twin"_s;
    const QString logs = runFolder + u"/Logs/"_s;
    createPictureFolder(pictures);
    createPictureFolder(twin);
    if (!QDir().mkpath(logs))
        Bench::fail("cannot create the log folder");

    SilentDialogs dialogs;
    Session::NoSubjects subjects;
    Session::PictureSession session(dialogs, subjects);
    session.setFolder(pictures, programVersion);
    if (!session.CreateFSGTitle() || !session.FillSGTitle(true) || session.rowCount() != pictureCount)
        Bench::fail("the picture folder did not open");
    for (int i = 0; i < pictureCount; ++i) {
        Session::PictureRow &row = session.rowForChange(i);
        row.marker = Session::Marker::selected;
        row.freeText = freeTextFor(i);
    }
    session.ShowSelectedPictures(pictureCount);
    if (!session.WriteFSGTitle())
        Bench::fail("cannot write the title file");

    Settings::SessionSettingsRec settings;
    settings.usePrefix = true;
    settings.prefix = u"Hol"_s;
    settings.elementSeparator = 1;
    settings.forceUniqueness = true;
    settings.keepVoiceSynchronized = true;
    const Compose::TitleComposer composer(settings);
    Retitle::PassOptions options;
    options.forceUniqueness = settings.forceUniqueness;
    options.syncExtensions = Retitle::voiceExtensions(settings.keepVoiceSynchronized);

    Platform::SystemFileSystem files;
    Retitle::UniqueCheck unique(files);
    Retitle::PictureFolderDestinations planner([&session] { return session.pictureFolder(); });
    int lastPercent = -1;
    Retitle::TestPass pass(files, unique, [&lastPercent](const QString &, int percent) { lastPercent = percent; });
    const auto compose = [&composer](const Compose::ComposeInput &input) { return composer.compose(input); };

    Figures figures;
    settle(scratch);
    bool completed = false;
    Bench::Samples passTime;
    passTime.time([&] { completed = pass.run(session.rows(), pictures, options, planner, compose); });
    figures.pass = passTime.median();
    Retitle::TestPassResult result = pass.takeResult();

    if (!completed || result.titles.size() != pictureCount || result.picturesToRename != pictureCount
        || result.errorCount != 0 || lastPercent != 100)
        Bench::fail("the test pass did not find every title good");
    QSet<QString> distinct;
    int numbered = 0;
    for (const Retitle::Rtitle &title : std::as_const(result.titles)) {
        distinct.insert(title.FinalTitle_low);
        if (title.AssignedNumber > 0)
            ++numbered;
        if (!title.FinalTitle.startsWith(u"Hol-"_s) || !title.FinalTitle.endsWith(u".jpg"_s))
            Bench::fail("a title was not composed from the prefix and the free text");
    }
    if (distinct.size() != pictureCount
        || numbered != (pictureCount / duplicateGroup) * duplicatesPerGroup)
        Bench::fail("the duplicate titles were not numbered");

    // The questions the pass has to ask of the file system: is the new name free, and are the
    // names its companions would take. Asked after the pass, so the baseline finds every name
    // looked up once already, which can only make the pass's own time look longer.
    std::vector<QByteArray> targets;
    targets.reserve(size_t(result.titles.size() * (1 + result.syncExtensions.size())));
    for (const Retitle::Rtitle &title : std::as_const(result.titles)) {
        targets.push_back(encodedPath(title.Folder, title.FinalTitle));
        for (const QString &extension : std::as_const(result.syncExtensions))
            targets.push_back(encodedPath(title.Folder, baseOf(title.FinalTitle) + u'.' + extension));
    }
    int taken = -1;
    Bench::Samples statTime;
    statTime.time([&] { taken = lstatEach(targets); });
    figures.passBaseline = statTime.median();
    if (taken != 0)
        Bench::fail("a new title is taken already");

    // The renames of the baseline, prepared from the pass, into the twin folder.
    std::vector<std::pair<QByteArray, QByteArray>> renames;
    std::vector<QByteArray> renameTargets;
    renames.reserve(size_t(result.titles.size()) * 2);
    for (const Retitle::Rtitle &title : std::as_const(result.titles)) {
        const QString &current = session.row(title.FinalTitle_Row).currentTitle;
        renames.emplace_back(encodedPath(twin, current), encodedPath(twin, title.FinalTitle));
        renames.emplace_back(encodedPath(twin, baseOf(current) + u".wav"_s),
                             encodedPath(twin, baseOf(title.FinalTitle) + u".wav"_s));
    }
    for (const auto &rename : renames)
        renameTargets.push_back(rename.second);

    Settings::ProgramSettings programSettings(runFolder + u"/PSMSet.dat"_s);
    Retitle::Retitler retitler(session, programSettings, dialogs, files, logs);
    settle(scratch);
    bool retitled = false;
    Bench::Samples retitleTime;
    retitleTime.time([&] { retitled = retitler.Retitle(result, false); });
    figures.retitle = retitleTime.median();
    const Retitle::RunCounters &counters = retitler.counters();
    if (!retitled || counters.retitled != pictureCount || counters.synchronized != pictureCount
        || counters.failures != 0 || dialogs.informed() != 0 || dialogs.asked() != 0 || dialogs.lastStatus().error)
        Bench::fail("the retitling did not rename every picture with its voice file");
    if (!QFile::exists(pictures + u'/' + session.row(0).currentTitle)
        || QFile::exists(pictures + u'/' + pictureBase(0) + u".wav"_s))
        Bench::fail("the files are not under their new names");

    // The retitling comes after a pass that looked every new name up; so does the baseline.
    if (lstatEach(renameTargets) != 0)
        Bench::fail("a baseline target exists already");
    settle(scratch);
    int failedRenames = 0;
    Bench::Samples renameTime;
    renameTime.time([&] {
        for (const auto &[from, to] : renames) {
            if (renameNoReplace(from, to) != 0)
                ++failedRenames;
        }
    });
    figures.retitleBaseline = renameTime.median();
    if (failedRenames != 0)
        Bench::fail("a baseline rename failed");

    if (!QDir(runFolder).removeRecursively())
        Bench::fail("cannot remove a run's folders");
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    // Titles are sorted by the user's locale; a fixed one keeps the figures alike on every machine.
    qputenv("LC_ALL", QByteArrayLiteral("en_US.UTF-8"));
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString parent = arguments.size() > 1 ? arguments.at(1) : u"/var/tmp"_s;
    struct statfs fileSystem;
    if (::statfs(QFile::encodeName(parent).constData(), &fileSystem) == 0 && fileSystem.f_type == TMPFS_MAGIC)
        std::fprintf(stderr, "warning: %s is in memory; the figures will not show the disk\n", qPrintable(parent));

    if (!QDir().mkpath(parent))
        Bench::fail("cannot create the parent of the scratch folder");
    QTemporaryDir scratch(parent + u"/mirelto-retitle-bench-XXXXXX"_s);
    if (!scratch.isValid())
        Bench::fail("cannot create the scratch folder");
    Bench::setCleanUp([&scratch] { scratch.remove(); });

    // A load that others put on the machine weighs on the runs of one repetition alike, so the
    // differences and ratios are taken within each repetition before their medians.
    Bench::Samples pass;
    Bench::Samples passBaseline;
    Bench::Samples passOwnTime;
    Bench::Samples retitle;
    Bench::Samples retitleBaseline;
    Bench::Samples retitleRatio;
    for (int i = 0; i < repetitions; ++i) {
        const Figures figures = measureOnce(scratch.path(), i);
        pass.add(figures.pass);
        passBaseline.add(figures.passBaseline);
        passOwnTime.add(figures.pass - figures.passBaseline);
        retitle.add(figures.retitle);
        retitleBaseline.add(figures.retitleBaseline);
        retitleRatio.add(figures.retitle / figures.retitleBaseline);
    }
    const std::string size = std::to_string(pictureCount);
    Bench::report("testpass_" + size, pass.median(), "ms");
    Bench::report("testpass_baseline_" + size, passBaseline.median(), "ms");
    Bench::report("testpass_own_time_" + size, passOwnTime.median(), "ms");
    Bench::report("retitle_" + size, retitle.median(), "ms");
    Bench::report("retitle_baseline_" + size, retitleBaseline.median(), "ms");
    Bench::report("retitle_ratio_" + size, retitleRatio.median(), "x");
    Bench::setCleanUp({});
    return 0;
}
