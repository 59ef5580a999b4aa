// The cost of the retitling's journal: 10,000 pictures with a voice file each retitled with and
// without a journal in one process, and the undo of the run with a journal against the plain
// renames that put the same files back. Prints the medians and the ratios, taken within each
// repetition.
//
// usage: journal_bench [PARENT]   (PARENT of the scratch folder, default /var/tmp; it should be on
// the disk the pictures live on, not tmpfs)
#include "benchharness.h"

#include "retitle/retitler.h"
#include "retitle/retitleundo.h"
#include "retitle/testpassresult.h"

#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "session/picturesession.h"
#include "session/subjectsource.h"
#include "settings/programsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString programVersion = u"4.4.0.0"_s;
constexpr int pictureCount = 10'000;
constexpr int repetitions = 3;

class SilentDialogs final : public Platform::Dialogs
{
public:
    void inform(const Platform::Message &) override { ++informed; }
    Platform::Answer ask(const Platform::Question &question) override { return {question.defaultButton, true}; }
    void status(const Platform::StatusMessage &message) override { lastStatus = message; }
    std::optional<QString> chooseFolder(const QString &, const QString &) override { return std::nullopt; }

    int informed = 0;
    Platform::StatusMessage lastStatus;
};

QString pictureBase(int index)
{
    return u"IMG_%1"_s.arg(index, 5, 10, QChar(u'0'));
}

void createPictureFolder(const QString &path)
{
    if (!QDir().mkpath(path))
        Bench::fail("cannot create the picture folder");
    for (int i = 0; i < pictureCount; ++i) {
        for (const QString &extension : {u".jpg"_s, u".wav"_s}) {
            const QByteArray name = QFile::encodeName(path + u'/' + pictureBase(i) + extension);
            const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (descriptor < 0 || ::write(descriptor, "data", 4) != 4 || ::close(descriptor) != 0)
                Bench::fail("cannot create a picture file");
        }
    }
}

void settle(const QString &folder)
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        Bench::fail("cannot open the scratch folder");
    ::syncfs(descriptor);
    ::close(descriptor);
}

// One picture folder with its session, selected whole, and the pass that renames every picture.
struct Folder
{
    explicit Folder(const QString &path) : session(dialogs, subjects), settings(path + u"-PSMSet.dat"_s)
    {
        createPictureFolder(path);
        session.setFolder(path, programVersion);
        if (!session.CreateFSGTitle() || !session.FillSGTitle(true) || session.rowCount() != pictureCount)
            Bench::fail("the picture folder did not open");
        pass.syncExtensions = {u"wav"_s};
        for (int i = 0; i < pictureCount; ++i) {
            Session::PictureRow &row = session.rowForChange(i);
            row.marker = Session::Marker::selected;
            row.freeText = u"Walk "_s + QString::number(i);
            Retitle::Rtitle title;
            title.FinalTitle = u"Walk "_s + QString::number(i) + u".jpg"_s;
            title.Folder = path;
            title.FinalTitle_Row = i;
            pass.titles.append(title);
        }
        session.ShowSelectedPictures(pictureCount);
        if (!session.WriteFSGTitle())
            Bench::fail("cannot write the title file");
    }

    SilentDialogs dialogs;
    Session::NoSubjects subjects;
    Session::PictureSession session;
    Settings::ProgramSettings settings;
    Platform::SystemFileSystem files;
    Retitle::TestPassResult pass;
};

struct Figures
{
    double plain = 0;
    double journaled = 0;
    double undo = 0;
    double undoBaseline = 0;
};

Figures measureOnce(const QString &scratch, int repetition)
{
    const QString runFolder = scratch + u"/run-"_s + QString::number(repetition);
    const QString work = runFolder + u"/work/"_s;
    if (!QDir().mkpath(work + u"Logs"_s))
        Bench::fail("cannot create the work folder");
    Folder plain(runFolder + u"/Plain"_s);
    Folder journaled(runFolder + u"/Journaled"_s);
    Retitle::Retitler plainRetitler(plain.session, plain.settings, plain.dialogs, plain.files, work + u"Logs/"_s);
    Retitle::Retitler journaledRetitler(journaled.session, journaled.settings, journaled.dialogs, journaled.files,
                                        work + u"Logs/"_s);
    journaledRetitler.setJournalFolder(work + u"Journal"_s);

    Figures figures;
    // The order alternates, so that neither profits from the other's cache more often.
    const auto runPlain = [&] {
        settle(scratch);
        Bench::Samples time;
        time.time([&] { plainRetitler.Retitle(plain.pass, false); });
        figures.plain = time.median();
    };
    const auto runJournaled = [&] {
        settle(scratch);
        Bench::Samples time;
        time.time([&] { journaledRetitler.Retitle(journaled.pass, false); });
        figures.journaled = time.median();
    };
    if (repetition % 2 == 0) {
        runPlain();
        runJournaled();
    } else {
        runJournaled();
        runPlain();
    }
    if (plainRetitler.counters().retitled != pictureCount || journaledRetitler.counters().retitled != pictureCount
        || journaledRetitler.counters().synchronized != pictureCount)
        Bench::fail("a retitling did not rename every picture with its voice file");

    // The undo of the journaled run against plain renames of the other run's files back.
    Retitle::RetitleUndo undo(journaled.session, journaled.settings, journaled.dialogs, journaled.files, work);
    settle(scratch);
    bool undone = false;
    Bench::Samples undoTime;
    undoTime.time([&] {
        const auto journal = undo.lastRetitling();
        const auto plan = journal ? undo.prepare(*journal) : std::nullopt;
        undone = plan && plan->pictures == pictureCount && plan->left == 0 && undo.undo(*plan);
    });
    figures.undo = undoTime.median();
    if (!undone || undo.putBackCount() != 2 * pictureCount
        || !QFile::exists(runFolder + u"/Journaled/"_s + pictureBase(9) + u".wav"_s))
        Bench::fail("the undo did not put every file back");

    std::vector<std::pair<QByteArray, QByteArray>> renames;
    for (int i = 0; i < pictureCount; ++i) {
        const QString folder = runFolder + u"/Plain/"_s;
        for (const QString &extension : {u".jpg"_s, u".wav"_s}) {
            renames.emplace_back(QFile::encodeName(folder + u"Walk "_s + QString::number(i) + extension),
                                 QFile::encodeName(folder + pictureBase(i) + extension));
        }
    }
    settle(scratch);
    int failed = 0;
    Bench::Samples renameTime;
    renameTime.time([&] {
        for (const auto &[from, to] : renames) {
            if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) != 0)
                ++failed;
        }
    });
    figures.undoBaseline = renameTime.median();
    if (failed != 0)
        Bench::fail("a baseline rename failed");
    if (!QDir(runFolder).removeRecursively())
        Bench::fail("cannot remove a run's folders");
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString parent = arguments.size() > 1 ? arguments.at(1) : u"/var/tmp"_s;
    if (!QDir().mkpath(parent))
        Bench::fail("cannot create the parent of the scratch folder");
    QTemporaryDir scratch(parent + u"/mirelto-journal-bench-XXXXXX"_s);
    if (!scratch.isValid())
        Bench::fail("cannot create the scratch folder");
    Bench::setCleanUp([&scratch] { scratch.remove(); });

    Bench::Samples plain;
    Bench::Samples journaled;
    Bench::Samples journalRatio;
    Bench::Samples undo;
    Bench::Samples undoBaseline;
    Bench::Samples undoRatio;
    for (int i = 0; i < repetitions; ++i) {
        const Figures figures = measureOnce(scratch.path(), i);
        plain.add(figures.plain);
        journaled.add(figures.journaled);
        journalRatio.add(figures.journaled / figures.plain);
        undo.add(figures.undo);
        undoBaseline.add(figures.undoBaseline);
        undoRatio.add(figures.undo / figures.undoBaseline);
    }
    const std::string size = std::to_string(pictureCount);
    Bench::report("retitle_without_journal_" + size, plain.median(), "ms");
    Bench::report("retitle_with_journal_" + size, journaled.median(), "ms");
    Bench::report("journal_ratio_" + size, journalRatio.median(), "x");
    Bench::report("undo_" + size, undo.median(), "ms");
    Bench::report("undo_baseline_" + size, undoBaseline.median(), "ms");
    Bench::report("undo_ratio_" + size, undoRatio.median(), "x");
    Bench::setCleanUp({});
    return 0;
}
