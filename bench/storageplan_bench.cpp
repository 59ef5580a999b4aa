// Planning the storage folders of 10,000 pictures below a main folder that already holds 5,000
// date-taken folders (with year and month levels and a few group folders), against a plain
// listing of that tree: the planning must scan the tree once and then find each picture's
// folder without walking the lists again. Prints the medians and the median ratio.
//
// usage: storageplan_bench [PARENT]   (PARENT of the scratch folder, default /var/tmp)
#include "benchharness.h"

#include "storage/storageplanner.h"

#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "session/picturerow.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QTemporaryDir>

#include <cstdio>
#include <string>

using namespace Qt::StringLiterals;

namespace {

constexpr int pictureCount = 10'000;
constexpr int dateTakenCount = 5'000;
constexpr int groupCount = 50;
constexpr int repetitions = 5;
const QDate firstDay(2000, 1, 1);

class SilentDialogs final : public Platform::Dialogs
{
public:
    void inform(const Platform::Message &) override { ++informed; }
    Platform::Answer ask(const Platform::Question &question) override
    {
        return {question.defaultButton, question.checkBoxChecked};
    }
    void status(const Platform::StatusMessage &) override {}
    std::optional<QString> chooseFolder(const QString &, const QString &) override { return std::nullopt; }

    int informed = 0;
};

QString dayPath(const QString &main, const QDate &day)
{
    return main + day.toString(u"/yyyy/yyyy-MM/yyyy-MM-dd"_s);
}

// Every other day has a folder, some with a day name or a description; every 100th stretch of
// days lies in a group folder instead.
void createTree(const QString &main)
{
    for (int i = 0; i < dateTakenCount; ++i) {
        const QDate day = firstDay.addDays(2 * i);
        const QString suffix = i % 3 == 0 ? u" Saturday"_s : i % 3 == 1 ? u" Party at home"_s : QString();
        if (!QDir().mkpath(dayPath(main, day) + suffix))
            Bench::fail("cannot create the storage tree");
    }
    for (int i = 0; i < groupCount; ++i) {
        const QDate first = firstDay.addDays(200 * i + 1);
        const QString group =
            dayPath(main, first) + first.addDays(2).toString(u" yyyy-MM-dd"_s) + u" Trip "_s + QString::number(i);
        if (!QDir().mkpath(group))
            Bench::fail("cannot create a group folder");
    }
}

int listTree(const QString &main)
{
    int folders = 0;
    QDirIterator it(main, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++folders;
    }
    return folders;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString parent = arguments.size() > 1 ? arguments.at(1) : u"/var/tmp"_s;
    if (!QDir().mkpath(parent))
        Bench::fail("cannot create the parent of the scratch folder");
    QTemporaryDir scratch(parent + u"/mirelto-storageplan-bench-XXXXXX"_s);
    if (!scratch.isValid())
        Bench::fail("cannot create the scratch folder");
    Bench::setCleanUp([&scratch] { scratch.remove(); });
    const QString main = scratch.path() + u"/main"_s;
    createTree(main);

    // The pictures' dates span twice the tree's days: half of them find no folder yet.
    QList<Session::PictureRow> rows;
    QHash<QString, QString> taken;
    QList<int> picked;
    for (int i = 0; i < pictureCount; ++i) {
        Session::PictureRow row;
        row.marker = u">>i"_s;
        row.currentTitle = u"IMG_%1.jpg"_s.arg(i, 5, 10, QChar(u'0'));
        const QDate day = firstDay.addDays((i * 7919) % (4 * dateTakenCount));
        taken.insert(row.currentTitle, day.toString(u"yyyy-MM-dd"_s) + u" 12:34:56"_s);
        rows.append(row);
        picked.append(i);
    }

    Storage::StoragePlanSettings settings;
    settings.useStorage = true;
    settings.levels = 3;
    settings.mainFolder = main;
    Storage::StoragePlanInputs inputs;
    inputs.settings = [&settings] { return settings; };
    inputs.pictureFolder = [&scratch] { return scratch.path(); };
    inputs.rows = [&rows]() -> const QList<Session::PictureRow> & { return rows; };
    inputs.dateTaken = [&taken](const QString &path) { return taken.value(path.section(u'/', -1)); };
    inputs.fileDate = [](const QString &) { return QDateTime(firstDay.startOfDay()); };
    SilentDialogs dialogs;
    Platform::SystemFileSystem files;
    Storage::StoragePlanner planner(inputs, dialogs, files);

    Bench::Samples listing;
    Bench::Samples planning;
    Bench::Samples ratio;
    int listed = 0;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        listed = listTree(main);
        const double listMs = double(timer.nsecsElapsed()) / 1e6;
        timer.restart();
        if (!planner.plan(picked, {}))
            Bench::fail("the planning stopped");
        const double planMs = double(timer.nsecsElapsed()) / 1e6;
        listing.add(listMs);
        planning.add(planMs);
        ratio.add(planMs / listMs);
    }
    if (dialogs.informed > 0 || planner.dateTakenFolders().size() != dateTakenCount
        || planner.groupFolders().size() != groupCount)
        Bench::fail("the planning did not find the tree");
    std::fprintf(stderr, "%d folders listed, %lld date-taken, %lld new folders planned\n", listed,
                 qlonglong(planner.dateTakenFolders().size()), qlonglong(planner.plannedFolders().size()));
    Bench::report("storageplan_10000_pictures_5000_folders", planning.median(), "ms");
    Bench::report("storageplan_tree_listing", listing.median(), "ms");
    Bench::report("storageplan_ratio", ratio.median(), "x");
    Bench::setCleanUp({});
    return 0;
}
