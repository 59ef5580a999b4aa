// The Static dictionary built from a folder tree of titled pictures: 100,000 empty picture files
// named in series ("Beach Nice 001.jpg", "Beach Nice 002.jpg", ...) in 2,000 folders. Reports the
// median time of a plain breadth-first listing of the tree, the median time of the build from it,
// and their ratio.
//
// usage: dictionarybuild_bench [PARENT]   (PARENT of the scratch folder, default /var/tmp)
#include "benchharness.h"

#include "dictionary/dictionarystore.h"
#include "platform/dialogs.h"
#include "session/folderbuild.h"
#include "settings/programsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <deque>
#include <limits>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Dictionary::DicIndex;

namespace {

constexpr int topFolders = 40;
constexpr int foldersPerTop = 50;
constexpr int picturesPerFolder = 50;
constexpr int repetitions = 3;

class SilentDialogs final : public Platform::Dialogs
{
public:
    void inform(const Platform::Message &) override {}
    Platform::Answer ask(const Platform::Question &question) override { return {question.defaultButton, false}; }
    void status(const Platform::StatusMessage &) override {}
    std::optional<QString> chooseFolder(const QString &, const QString &) override { return std::nullopt; }
};

// Titles of two or three words from a vocabulary of syllable words, as people give them.
class TitleMaker final
{
public:
    TitleMaker() : m_random(20261209)
    {
        const QStringList syllables{u"Ba"_s, u"Ro"_s, u"Ni"_s, u"Ca"_s, u"Tel"_s, u"Mar"_s, u"So"_s, u"Lin"_s,
                                    u"Pa"_s, u"Ris"_s, u"Ha"_s, u"Bour"_s, u"Ge"_s, u"Ve"_s, u"Ko"_s, u"Zee"_s};
        for (int i = 0; i < 3000; ++i) {
            QString word;
            const int length = 2 + int(m_random.bounded(2));
            for (int s = 0; s < length; ++s)
                word += syllables.at(int(m_random.bounded(syllables.size()))).toLower();
            word[0] = word.at(0).toUpper();
            m_words.append(word);
        }
    }

    // A new series starts after one picture in eight, on average.
    bool newSeries() { return m_random.bounded(8) == 0; }

    QString title()
    {
        const int words = 2 + int(m_random.bounded(2));
        QStringList parts;
        for (int i = 0; i < words; ++i)
            parts.append(m_words.at(int(m_random.bounded(m_words.size()))));
        return parts.join(u' ');
    }

private:
    QRandomGenerator m_random;
    QStringList m_words;
};

void makeTree(const QString &root)
{
    TitleMaker maker;
    for (int top = 0; top < topFolders; ++top) {
        for (int sub = 0; sub < foldersPerTop; ++sub) {
            const QString folder = root + u"/%1/%2"_s.arg(top, 2, 10, QChar(u'0')).arg(sub, 2, 10, QChar(u'0'));
            if (!QDir().mkpath(folder))
                Bench::fail("cannot create a folder");
            QString title;
            for (int picture = 0; picture < picturesPerFolder; ++picture) {
                // Series of pictures under one title.
                if (picture == 0 || maker.newSeries())
                    title = maker.title();
                const QByteArray path =
                    QFile::encodeName(folder + u'/' + title + u" %1.jpg"_s.arg(picture + 1, 3, 10, QChar(u'0')));
                const int descriptor = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
                if (descriptor < 0 || ::close(descriptor) != 0)
                    Bench::fail("cannot create a picture");
            }
        }
    }
}

// The least any scan of the tree must do: every folder listed once, breadth-first.
int listTree(const QString &root)
{
    std::deque<QString> queue{root};
    int files = 0;
    while (!queue.empty()) {
        const QDir folder(queue.front());
        queue.pop_front();
        for (const QFileInfo &entry : folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                                                            | QDir::System)) {
            if (entry.isDir())
                queue.push_back(entry.filePath());
            else
                ++files;
        }
    }
    return files;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"/var/tmp"_s;
    QTemporaryDir scratch(parent + u"/dictionarybuild_bench-XXXXXX"_s);
    if (!scratch.isValid())
        Bench::fail("cannot create the scratch folder");
    const QString root = scratch.path() + u"/pictures"_s;
    makeTree(root);

    Bench::Samples listings;
    Bench::Samples builds;
    int files = 0;
    int entries = 0;
    int pictures = 0;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        listings.time([&] { files = listTree(root); });
        SilentDialogs dialogs;
        Settings::ProgramSettings settings(scratch.path() + u"/PSMSet.dat"_s);
        Dictionary::DictionaryStore store(scratch.path() + u'/', settings, dialogs, u"4.4.0.0"_s);
        Session::FolderBuild build(store);
        // The whole tree is read, whatever it gives.
        build.setMaximum(std::numeric_limits<int>::max());
        int services = 0;
        build.setService([&services](const Session::FolderBuildProgress &) { return ++services > 0; });
        builds.time([&] {
            const Session::FolderBuildResult result = build.run(root, Dictionary::BuildMode::Replace);
            if (!result.done)
                Bench::fail("the build failed");
            pictures = result.picturesRead;
        });
        entries = store.table(DicIndex::Static).highestIndex() + 1;
    }
    if (files != topFolders * foldersPerTop * picturesPerFolder || pictures != files)
        Bench::fail("the tree does not hold the pictures made");
    Bench::report("folder_listing_100000_pictures", listings.median(), "ms");
    Bench::report("folder_build_100000_pictures", builds.median(), "ms");
    Bench::report("folder_build_ratio", builds.median() / listings.median(), "x");
    Bench::report("folder_build_entries", entries, "entries");
    return 0;
}
