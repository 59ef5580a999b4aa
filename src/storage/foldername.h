#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace Storage {

// What a destination folder is built from. For a picture: its subject, the full scheme code, no
// description and date1 = date2 = its storage date. For a group folder: the first and last date,
// the group's description and isRange set.
struct FolderNameRequest
{
    QString mainFolder;
    // Categories separated by ';', each becoming a folder level; empty adds no level at all.
    QString subject;
    QString scheme;
    QString description;
    QDate date1;
    QDate date2;
    bool addNameOfDay = false;
    bool abbreviate = false;
    bool isRange = false;
};

// The destination folder: the main folder and one level per scheme letter, separated by '/'.
// Year and month levels follow date1. Nothing when the scheme is empty; callers then show
// emptySchemeMessage() and plan no folder.
std::optional<QString> CreateFolderName(const FolderNameRequest &request, const QLocale &locale = QLocale::system());

// The name of a date-taken level: the date (and the last date of a range), the day names when
// asked for and the description, separated by spaces; cut to the longest folder name a file
// system takes. The description loses the characters no folder name may hold.
QString dateTakenFolderName(const FolderNameRequest &request, const QLocale &locale = QLocale::system());

// The day name from the locale, long or abbreviated, with its first letter upper-cased.
QString folderDayName(const QDate &date, bool abbreviate, const QLocale &locale);

QString emptySchemeMessage();

} // namespace Storage
