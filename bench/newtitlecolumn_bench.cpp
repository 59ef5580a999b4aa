// The "New title" column after a change of the element separator, on a folder of 1,000 and of
// 10,000 selected pictures of two cameras, one with a corrected clock, numbered in order of the
// date taken and again at each day: the time from the change to the 30 rows a view shows being
// composed again, as the view asks for them. It must stay within a frame (16 ms) and not grow
// with the folder. Beside it the time of composing one title alone, with the same elements.
#include "benchharness.h"

#include "app/application.h"
#include "app/newtitlecolumn.h"
#include "compose/cameraclocks.h"
#include "compose/datetimesettingsmodel.h"
#include "compose/elementvaluesource.h"
#include "compose/numbersettingsmodel.h"
#include "compose/picturedates.h"
#include "compose/titlecomposer.h"
#include "compose/titlesettingsmodel.h"
#include "platform/dialogs.h"
#include "platform/drives.h"
#include "session/picturesession.h"
#include "session/picturetablemodel.h"
#include "session/selection.h"
#include "settings/overallsettingsrec.h"
#include "settings/sessionsettings.h"

#include "exifwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <string>

using namespace Qt::StringLiterals;

namespace {

constexpr int visibleRows = 30;
constexpr int rounds = 21;
constexpr double frameMilliseconds = 16;

class SilentDialogs final : public Platform::Dialogs
{
public:
    void inform(const Platform::Message &) override {}
    Platform::Answer ask(const Platform::Question &question) override { return {question.defaultButton, false}; }
    void status(const Platform::StatusMessage &) override {}
    std::optional<QString> chooseFolder(const QString &, const QString &) override { return std::nullopt; }
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        Bench::fail("cannot write the pictures");
}

// Pictures of a camera and a phone taken over ten days, one every few minutes.
void fillFolder(const QString &folder, int count)
{
    for (int i = 0; i < count; ++i) {
        const bool camera = i % 3 != 0;
        Tools::ExifWriter exif;
        exif.setAscii(Tools::ExifWriter::Directory::Main, Tools::ExifTag::make, camera ? "NIKON CORPORATION" : "Apple");
        exif.setAscii(Tools::ExifWriter::Directory::Main, Tools::ExifTag::model, camera ? "NIKON D750" : "iPhone 13");
        const qint64 step = 8640 / (count / 100 + 1);
        const QDateTime taken = QDateTime(QDate(2024, 5, 1), QTime(8, 0)).addSecs(qint64(i) * step);
        exif.setAscii(Tools::ExifWriter::Directory::Exif, Tools::ExifTag::dateTimeOriginal,
                      taken.toString(u"yyyy:MM:dd HH:mm:ss"_s).toLatin1());
        const auto picture = exif.insertInto(QByteArray("\xFF\xD8\xFF\xD9", 4));
        if (!picture)
            Bench::fail("cannot make a picture");
        writeFile(QDir(folder).filePath((camera ? u"DSC_%1.JPG"_s : u"IMG_%1.jpg"_s).arg(i, 5, 10, QChar(u'0'))),
                  *picture);
    }
}

struct Figures
{
    double update = 0;
    double single = 0;
};

Figures measure(int count)
{
    QTemporaryDir root;
    QTemporaryDir pictures;
    if (!root.isValid() || !pictures.isValid())
        Bench::fail("no scratch folder");
    fillFolder(pictures.path(), count);
    const QString work = root.filePath(u"data/Mirelto/"_s);
    const QString program = root.filePath(u"program/"_s);
    QDir().mkpath(program);
    Settings::OverallSettingsRec overall;
    overall.showMessage.fill(false);
    overall.language = -1;
    overall.version = u"4.4.0.0"_s;
    writeFile(program + u"MrlOverallSet.dat"_s, overall.toBytes());

    SilentDialogs dialogs;
    Platform::SystemDrives drives;
    App::Application application(App::Locations{work, program},
                                 App::Machine{drives, {1920, 1080, Platform::TaskbarEdge::Bottom}, -1}, dialogs);
    if (!application.start(pictures.path()))
        Bench::fail("the folder did not open");
    application.selection().BtnSelectClick(Session::SelectionKind::All);
    application.dateTimeSettings().setUseDate(true);
    application.dateTimeSettings().setDateFormat(3);
    Compose::NumberSettingsModel &number = application.numberSettings();
    number.setUseCounter(true);
    number.setNumberByDateTaken(true);
    number.setRestartEachDay(true);
    application.cameraClocks().setOffset({u"NIKON CORPORATION"_s, u"NIKON D750"_s, {}}, 4320);
    application.cameraClocksChanged();

    Session::PictureTableModel model(application.pictures());
    model.setNewTitleSource(&application.newTitleColumn());
    const int top = count / 2;
    const auto showRows = [&model, top] {
        qsizetype characters = 0;
        for (int row = top; row < top + visibleRows; ++row) {
            const QModelIndex index = model.index(row, Session::PictureTableModel::NewTitleColumn);
            characters += index.data(Qt::DisplayRole).toString().size();
            characters += index.data(Session::PictureTableModel::NewTitleErrorRole).toString().size();
        }
        if (characters == 0)
            Bench::fail("the column stayed empty");
    };
    // The first sight of the rows reads the dates of the folder once for the numbering.
    showRows();

    Compose::TitleSettingsModel &title = application.titleSettings();
    Bench::Samples update;
    for (int round = 0; round < rounds; ++round) {
        update.time([&] {
            title.setSeparatorIndex(round % 2 == 0 ? 1 : 0);
            showRows();
        });
    }

    // One title alone, as the example composes it, with the dates already read.
    const Settings::SessionSettingsRec &settings = application.sessionSettings().folderRec();
    const QString path = QDir(pictures.path()).filePath(application.pictures().row(top).currentTitle);
    Bench::Samples single;
    for (int round = 0; round < rounds * 10; ++round) {
        single.time([&] {
            Compose::NumberElement element = application.newTitleColumn().numberElement(top);
            Compose::ElementValueSource values(settings, element, QLocale::system(), &application.pictureDates());
            Compose::ComposeInput input;
            input.currentTitle = application.pictures().row(top).currentTitle;
            input.picturePath = path;
            if (Compose::TitleComposer(settings, &values).compose(input).RMTitle.isEmpty())
                Bench::fail("no title");
        });
    }
    return {update.median(), single.median()};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const Figures small = measure(1000);
    const Figures large = measure(10000);
    Bench::report("newtitle_column_update_1k", small.update, "ms");
    Bench::report("newtitle_column_update_10k", large.update, "ms");
    Bench::report("newtitle_compose_one_title", large.single * 1000, "us");
    if (large.update > frameMilliseconds || small.update > frameMilliseconds)
        Bench::fail("the column took longer than a frame to follow the separator");
    return 0;
}
