#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace Settings {

// The 1788-byte record of MrlOverallSet.dat: the values a new program settings record starts
// from. The program only reads it; the build writes the default one. Bytes no field names are
// not significant.
struct OverallSettingsRec
{
    static constexpr int size = 1788;

    std::array<QString, 20> selectionStrings;
    std::array<bool, 20> selectionChecked = {};
    bool selectStartsWith = true;
    bool showThumbnail = false;
    std::array<bool, 10> showMessage = {};
    QString dictionaryFolder;
    QString lastFolder;
    bool ignoreCase = true;
    bool activateGuide = false;
    qint32 maxDictionary = 50000;
    qint32 maxHits = 20;
    qint32 language = 999;
    qint32 activeDictionaryAction = 0;
    QString version;

    template<typename Rec, typename Visitor>
    static void layout(Rec &rec, Visitor &v)
    {
        v.strings(0, 30, rec.selectionStrings);
        v.booleans(620, rec.selectionChecked);
        v.boolean(720, rec.selectStartsWith);
        v.boolean(721, rec.showThumbnail);
        v.booleans(722, rec.showMessage);
        v.string(732, 255, rec.dictionaryFolder);
        v.string(988, 255, rec.lastFolder);
        v.boolean(1412, rec.ignoreCase);
        v.boolean(1413, rec.activateGuide);
        v.int32(1424, rec.maxDictionary);
        v.int32(1428, rec.maxHits);
        v.int32(1436, rec.language);
        v.int32(1440, rec.activeDictionaryAction);
        v.string(1464, 10, rec.version);
    }

    QByteArray toBytes() const;
    static OverallSettingsRec fromBytes(const QByteArray &bytes);

    bool operator==(const OverallSettingsRec &) const = default;
};

} // namespace Settings
