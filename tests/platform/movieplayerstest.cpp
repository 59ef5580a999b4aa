#include "platform/movieplayers.h"

#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class MoviePlayersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsTheFirstKnownPlayer_data();
    void findsTheFirstKnownPlayer();
    void namesTheDesktopApplication();
};

void MoviePlayersTest::findsTheFirstKnownPlayer_data()
{
    QTest::addColumn<QStringList>("programs");
    QTest::addColumn<QString>("expected");
    QTest::newRow("best first") << QStringList{u"vlc"_s, u"ffplay"_s, u"mpv"_s} << u"mpv"_s;
    QTest::newRow("named as known") << QStringList{u"vlc"_s, u"ffplay"_s} << u"VLC"_s;
    QTest::newRow("none") << QStringList{u"xdg-open"_s, u"quicktime"_s} << QString();
}

void MoviePlayersTest::findsTheFirstKnownPlayer()
{
    QFETCH(QStringList, programs);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    for (const QString &program : programs) {
        QVERIFY(writeFile(dir.filePath(program)));
        QVERIFY(QFile::setPermissions(dir.filePath(program), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    // A player that cannot be run is not there.
    QVERIFY(writeFile(dir.filePath(u"celluloid"_s)));

    const std::optional<Platform::MoviePlayer> player = Platform::findMoviePlayer({dir.path()});
    QCOMPARE(player ? player->name : QString(), expected);
    if (player)
        QCOMPARE(QFileInfo(player->program).fileName(), programs.contains(u"mpv"_s) ? u"mpv"_s : u"vlc"_s);

    const std::optional<Platform::MoviePlayer> opener = Platform::findDesktopMoviePlayer(false, {dir.path()});
    QCOMPARE(opener.has_value(), programs.contains(u"xdg-open"_s));
    if (opener)
        QCOMPARE(*opener, (Platform::MoviePlayer{u"xdg-open"_s, dir.filePath(u"xdg-open"_s)}));
}

void MoviePlayersTest::namesTheDesktopApplication()
{
    QTemporaryDir first;
    QTemporaryDir second;
    QVERIFY(QDir(first.path()).mkpath(u"applications/kde"_s));
    QVERIFY(QDir(second.path()).mkpath(u"applications"_s));
    QVERIFY(writeFile(second.filePath(u"applications/vlc.desktop"_s),
                      "[Desktop Entry]\nGenericName=Media player\nName=VLC media player\nExec=vlc %U\n"
                      "[Desktop Action play]\nName=Play\n"));
    QVERIFY(writeFile(first.filePath(u"applications/kde/dragon.desktop"_s),
                      "# A comment\n[Desktop Entry]\nName = Dragon Player\n"));
    const QStringList folders{first.path(), second.path()};
    QCOMPARE(Platform::desktopEntryName(u"vlc.desktop"_s, folders), u"VLC media player"_s);
    QCOMPARE(Platform::desktopEntryName(u"kde-dragon.desktop"_s, folders), u"Dragon Player"_s);
    QCOMPARE(Platform::desktopEntryName(u"missing.desktop"_s, folders), QString());
    QCOMPARE(Platform::desktopEntryName(u"../vlc.desktop"_s, folders), QString());
}

QTEST_GUILESS_MAIN(MoviePlayersTest)
#include "movieplayerstest.moc"
