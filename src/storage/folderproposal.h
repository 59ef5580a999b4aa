#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Storage {

// One word of the free texts as counted for a proposal.
struct WoordStripRec
{
    // As first seen, and in lower case.
    QString Woord;
    QString Woord_Low;
    int WoordOccurs = 0;
    // Occurrences not starting with a..z, and those that do.
    int UpperOccurs = 0;
    int LowerOccurs = 0;

    bool operator==(const WoordStripRec &) const = default;
};

// A per-picture prefix or suffix and how many pictures of the folder use it.
struct PicPrefSufRec
{
    QString PicPrefSuf;
    int occurs = 0;

    bool operator==(const PicPrefSufRec &) const = default;
};

// What a description proposal is made of: the pictures destined for one folder and the settings.
struct FolderProposalInput
{
    // The non-empty free texts of the pictures, one per picture in order.
    QStringList freeTexts;
    // Their non-empty per-picture prefixes and suffixes in order (prefix before suffix).
    QStringList pictureAffixes;
    // The main window's prefix and suffix with their switches.
    QString prefix;
    QString suffix;
    bool usePrefix = false;
    bool useSuffix = false;
    // Word settings; words are not counted at all while disabled.
    bool wordsEnabled = true;
    int minChar = 4;
    bool filterDigit = true;
};

// The words of the free texts, most used first (ties keep first-seen order). Words are cut at
// spaces and lose leading and trailing . , ; : ; with filterDigit they also lose every trailing
// character that is not a letter a..z (accented letters count as their plain letter); words
// shorter than minChar are left out.
QList<WoordStripRec> countWords(const QStringList &lines, int minChar, bool filterDigit);
// The per-picture prefixes and suffixes, most used first (ties keep first-seen order).
QList<PicPrefSufRec> countAffixes(const QStringList &affixes);
// The five most used words joined by ", ", each with its first letter in lower case when it
// mostly started so, upper case otherwise.
QString topWords(const QList<WoordStripRec> &words);
// The description proposed for a folder: the prefix/suffix part joined by ",", then "," and the
// word part when both are there. Empty when there is nothing to propose.
QString proposeFolderDescription(const FolderProposalInput &input);

} // namespace Storage
