#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace Settings {

struct OverallSettingsRec;

// The 1584-byte program settings record of PSMSet.dat: the program-wide settings, read once at
// start-up and rewritten whole on every change.
struct ProgramSettingsRec
{
    static constexpr int size = 1584;

    std::array<QString, 20> PSSelString;
    std::array<bool, 20> PSSelChecked = {};
    bool PSSelStartsWith = true;
    bool PSShowThumb = false;
    std::array<bool, 10> PSShowMessage = {};
    QString PSDicFolder;
    QString PSLastFolder;
    bool PSIgnoreCase = true;
    bool PSActivateGuide = false;
    qint32 PSMaxDic = 50000;
    qint32 PSMaxHits = 20;
    qint32 PSTotalRetitled = 0;
    qint32 PSLanguage = 999;
    qint32 PSActDicAction = 0;
    QString PSVersion;
    bool PSPromptFolder = true;
    bool PSAddNameDay = false;
    bool PSAbbrNameDay = false;
    bool PSSubjOptional = false;
    bool PSSubjWarn = false;
    bool PSFilterDigit = true;
    qint32 PSLevels = 0;
    qint32 PSShiftMidnight = 0;
    qint32 PSSubjPosition = 0;
    qint32 PSMinChar = 4;
    qint32 PSLocalLanguage = 0;
    qint32 PSClipSize = 50;
    qint32 PSTheme = 0;
    qint32 PSMaxPicPrefSuf = 50;
    std::array<qint32, 6> reservedIntegers = {};
    bool PSRemoveSourceFolder = false;
    bool PSMaximise = false;
    bool PSShowEditorHelp = true;
    // The kinds of files the table leaves out, and whether pairs stay rows of their own instead
    // of following their picture. Stored the other way round so that a record written before
    // they existed (zero bytes) lists everything and lets pairs follow.
    bool PSSkipPictures = false;
    bool PSSkipModern = false;
    bool PSSkipRaw = false;
    bool PSSkipVideos = false;
    bool PSPairsApart = false;
    std::array<bool, 2> reservedBooleans = {};
    std::array<QString, 10> reservedStrings;

    template<typename Rec, typename Visitor>
    static void layout(Rec &rec, Visitor &v)
    {
        v.strings(0, 30, rec.PSSelString);
        v.booleans(620, rec.PSSelChecked);
        v.boolean(640, rec.PSSelStartsWith);
        v.boolean(641, rec.PSShowThumb);
        v.booleans(642, rec.PSShowMessage);
        v.string(652, 255, rec.PSDicFolder);
        v.string(908, 255, rec.PSLastFolder);
        v.boolean(1164, rec.PSIgnoreCase);
        v.boolean(1165, rec.PSActivateGuide);
        v.int32(1168, rec.PSMaxDic);
        v.int32(1172, rec.PSMaxHits);
        v.int32(1176, rec.PSTotalRetitled);
        v.int32(1180, rec.PSLanguage);
        v.int32(1184, rec.PSActDicAction);
        v.string(1188, 10, rec.PSVersion);
        v.boolean(1199, rec.PSPromptFolder);
        v.boolean(1200, rec.PSAddNameDay);
        v.boolean(1201, rec.PSAbbrNameDay);
        v.boolean(1202, rec.PSSubjOptional);
        v.boolean(1203, rec.PSSubjWarn);
        v.boolean(1204, rec.PSFilterDigit);
        v.int32(1208, rec.PSLevels);
        v.int32(1212, rec.PSShiftMidnight);
        v.int32(1216, rec.PSSubjPosition);
        v.int32(1220, rec.PSMinChar);
        v.int32(1224, rec.PSLocalLanguage);
        v.int32(1228, rec.PSClipSize);
        v.int32(1232, rec.PSTheme);
        v.int32(1236, rec.PSMaxPicPrefSuf);
        v.int32s(1240, rec.reservedIntegers);
        v.boolean(1264, rec.PSRemoveSourceFolder);
        v.boolean(1265, rec.PSMaximise);
        v.boolean(1266, rec.PSShowEditorHelp);
        v.boolean(1267, rec.PSSkipPictures);
        v.boolean(1268, rec.PSSkipModern);
        v.boolean(1269, rec.PSSkipRaw);
        v.boolean(1270, rec.PSSkipVideos);
        v.boolean(1271, rec.PSPairsApart);
        v.booleans(1272, rec.reservedBooleans);
        v.strings(1274, 30, rec.reservedStrings);
    }

    // The record a new PSMSet.dat starts with: the copied fields from the overall settings,
    // the others at their defaults.
    static ProgramSettingsRec seededFrom(const OverallSettingsRec &overall, int localLanguage, int screenWidth);

    QByteArray toBytes() const;
    static ProgramSettingsRec fromBytes(const QByteArray &bytes);

    bool operator==(const ProgramSettingsRec &) const = default;
};

} // namespace Settings
