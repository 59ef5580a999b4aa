#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace Platform {

// A program that plays movie-format files, started as: program "recording path".
struct MoviePlayer
{
    // What the user knows it by.
    QString name;
    QString program;

    bool operator==(const MoviePlayer &) const = default;
};

// The two ways of playing a movie-format file this machine offers: a movie player installed as a
// program (A) and the desktop's default handler for the file type (B).
struct MoviePlayers
{
    std::optional<MoviePlayer> playerA;
    std::optional<MoviePlayer> playerB;
};

// The first known movie player found in the folders of PATH (or in searchPaths when given), in
// the order of moviePlayerNames().
std::optional<MoviePlayer> findMoviePlayer(const QStringList &searchPaths = {});
// The names of the players findMoviePlayer looks for, best first, joined by "/".
QString moviePlayerNames();

// The desktop's opener of files (xdg-open) when it is in PATH (or in searchPaths when given). It
// carries the name of the application the desktop hands movie-format files to only when named is
// set, as finding that takes a process of its own; otherwise, or when the desktop does not say,
// the opener's own name.
std::optional<MoviePlayer> findDesktopMoviePlayer(bool named, const QStringList &searchPaths = {});
// The name of the desktop's opener of files.
QString desktopOpenerName();
// The Name of the application a desktop entry (such as "vlc.desktop") describes, looked up in the
// "applications" folders below dataFolders; empty when there is none.
QString desktopEntryName(const QString &desktopId, const QStringList &dataFolders);

// Both ways, found once: the desktop's application is named only when no player A is found, the
// only case in which the user reads its name.
MoviePlayers findMoviePlayers();

// Starts the player on the file and lets it run on its own; false when it could not be started.
bool startMoviePlayer(const MoviePlayer &player, const QString &path);

} // namespace Platform
