#include "platform/movieplayers.h"

#include <QFile>
#include <QHash>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace Platform {

namespace {

struct KnownPlayer
{
    const char16_t *program;
    const char16_t *name;
};

// Players that take a file to play as their only argument and open a window of their own, so
// that the user can stop them.
constexpr KnownPlayer knownPlayers[] = {
    {u"mpv", u"mpv"},
    {u"vlc", u"VLC"},
    {u"celluloid", u"Celluloid"},
    {u"totem", u"Totem"},
    {u"dragon", u"Dragon Player"},
    {u"haruna", u"Haruna"},
    {u"smplayer", u"SMPlayer"},
    {u"mplayer", u"MPlayer"},
    {u"ffplay", u"ffplay"},
};

QString findProgram(const QString &program, const QStringList &searchPaths)
{
    return QStandardPaths::findExecutable(program, searchPaths);
}

// The default application the desktop gives for movie-format files, as a desktop entry id.
QString defaultMovieApplication()
{
    const QString query = QStandardPaths::findExecutable(u"xdg-mime"_s);
    if (query.isEmpty())
        return {};
    QProcess process;
    process.start(query, {u"query"_s, u"default"_s, u"video/quicktime"_s});
    // A desktop that takes longer than this to answer is not worth the wait at start-up.
    if (!process.waitForFinished(2000)) {
        process.kill();
        process.waitForFinished(500);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed().section(u';', 0, 0);
}

} // namespace

std::optional<MoviePlayer> findMoviePlayer(const QStringList &searchPaths)
{
    for (const KnownPlayer &known : knownPlayers) {
        const QString program = findProgram(QString::fromUtf16(known.program), searchPaths);
        if (!program.isEmpty())
            return MoviePlayer{QString::fromUtf16(known.name), program};
    }
    return std::nullopt;
}

QString moviePlayerNames()
{
    QStringList names;
    for (const KnownPlayer &known : knownPlayers)
        names.append(QString::fromUtf16(known.name));
    return names.join(u'/');
}

QString desktopOpenerName()
{
    return u"xdg-open"_s;
}

std::optional<MoviePlayer> findDesktopMoviePlayer(bool named, const QStringList &searchPaths)
{
    const QString opener = findProgram(desktopOpenerName(), searchPaths);
    if (opener.isEmpty())
        return std::nullopt;
    QString name;
    if (named) {
        const QString application = defaultMovieApplication();
        if (!application.isEmpty())
            name = desktopEntryName(application, QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
    }
    return MoviePlayer{name.isEmpty() ? desktopOpenerName() : name, opener};
}

QString desktopEntryName(const QString &desktopId, const QStringList &dataFolders)
{
    if (!desktopId.endsWith(u".desktop"_s) || desktopId.contains(u'/'))
        return {};
    // An id with dashes may also name an entry in sub-folders: "kde-foo.desktop" is kde/foo.desktop.
    QStringList relative{desktopId};
    if (desktopId.contains(u'-'))
        relative.append(QString(desktopId).replace(u'-', u'/'));
    const QString locale = QLocale::system().name();
    const QString localised = u"Name["_s + locale + u']';
    const QString language = u"Name["_s + locale.section(u'_', 0, 0) + u']';
    for (const QString &folder : dataFolders) {
        for (const QString &path : std::as_const(relative)) {
            QFile file(folder + u"/applications/"_s + path);
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                continue;
            QHash<QString, QString> names;
            bool inEntry = false;
            while (!file.atEnd()) {
                const QString line = QString::fromUtf8(file.readLine()).trimmed();
                if (line.startsWith(u'[')) {
                    // Only the main group names the application; actions have names of their own.
                    if (inEntry)
                        break;
                    inEntry = line == u"[Desktop Entry]"_s;
                    continue;
                }
                const qsizetype equals = line.indexOf(u'=');
                if (inEntry && equals > 0 && line.startsWith(u"Name"_s))
                    names.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
            }
            for (const QString &key : {localised, language, u"Name"_s}) {
                if (!names.value(key).isEmpty())
                    return names.value(key);
            }
            return {};
        }
    }
    return {};
}

MoviePlayers findMoviePlayers()
{
    MoviePlayers players;
    players.playerA = findMoviePlayer();
    players.playerB = findDesktopMoviePlayer(!players.playerA);
    return players;
}

bool startMoviePlayer(const MoviePlayer &player, const QString &path)
{
    return QProcess::startDetached(player.program, {path});
}

} // namespace Platform
