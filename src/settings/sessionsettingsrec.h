#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace Settings {

// The 520-byte session settings record: the stage-3 and final-stage settings of one picture
// folder (MrlSessionSet.dat in the folder) or the defaults for new folders (the same file in the
// work folder). Indices are the zero-based choices of their controls.
struct SessionSettingsRec
{
    static constexpr int size = 520;

    bool usePrefix = false;
    QString prefix;
    bool useSuffix = false;
    QString suffix;
    bool extractNumber = false;
    qint32 inspectDirection = 0;
    bool useCounter = false;
    // Meaningful in the work-folder copy only: the counter carries over from folder to folder.
    qint32 counterStart = 1;
    bool counterReset = false;
    qint32 digitsIndex = 2;
    bool useDate = false;
    qint32 dateSource = 0;
    qint32 dateFormat = 0;
    double pickedDate = 0;
    bool useTime = false;
    qint32 timeSource = 0;
    qint32 timeFormat = 0;
    double pickedTime = 0;
    qint32 dateTimeSeparator = 0;
    // The element order as earlier versions wrote it; converted and emptied when read.
    QString oldElementOrder;
    bool forceUniqueness = false;
    bool keepVoiceSynchronized = true;
    qint32 elementSeparator = 0;
    bool useStorageManagement = false;
    bool addNameOfDay = false;
    bool abbreviateNameOfDay = false;
    bool onlyUseSubject = false;
    bool exifTagsInTitle = false;
    bool markNotAvailable = false;
    // The counter numbers in order of the corrected date taken, and starts again at each day
    // and at each destination folder.
    bool numberByDateTaken = false;
    bool restartEachDay = false;
    bool restartEachFolder = false;
    std::array<bool, 1> reservedBooleans = {};
    // 1..15: the guide topic shown; -1: the guide is closed.
    qint32 guideTopic = -1;
    qint32 dayNamePlacement = 0;
    // 1: "Replace" is preselected in the dictionary-building dialogs, 0: "Add to".
    qint32 addOrReplaceDefault = 1;
    // The letter case of the new title's extension and its companions' extensions: 0 as found,
    // 1 lower case, 2 upper case.
    qint32 extensionCase = 0;
    std::array<qint32, 6> reservedIntegers = {};
    QString elementOrder = QStringLiteral("PDNFES");
    std::array<QString, 9> reservedStrings;

    template<typename Rec, typename Visitor>
    static void layout(Rec &rec, Visitor &v)
    {
        v.boolean(0, rec.usePrefix);
        v.string(1, 30, rec.prefix);
        v.boolean(32, rec.useSuffix);
        v.string(33, 30, rec.suffix);
        v.boolean(64, rec.extractNumber);
        v.int32(68, rec.inspectDirection);
        v.boolean(72, rec.useCounter);
        v.int32(76, rec.counterStart);
        v.boolean(80, rec.counterReset);
        v.int32(84, rec.digitsIndex);
        v.boolean(88, rec.useDate);
        v.int32(92, rec.dateSource);
        v.int32(96, rec.dateFormat);
        v.float64(104, rec.pickedDate);
        v.boolean(112, rec.useTime);
        v.int32(116, rec.timeSource);
        v.int32(120, rec.timeFormat);
        v.float64(128, rec.pickedTime);
        v.int32(136, rec.dateTimeSeparator);
        v.string(140, 5, rec.oldElementOrder);
        v.boolean(146, rec.forceUniqueness);
        v.boolean(147, rec.keepVoiceSynchronized);
        v.int32(148, rec.elementSeparator);
        v.boolean(152, rec.useStorageManagement);
        v.boolean(153, rec.addNameOfDay);
        v.boolean(154, rec.abbreviateNameOfDay);
        v.boolean(155, rec.onlyUseSubject);
        v.boolean(156, rec.exifTagsInTitle);
        v.boolean(157, rec.markNotAvailable);
        v.boolean(158, rec.numberByDateTaken);
        v.boolean(159, rec.restartEachDay);
        v.boolean(160, rec.restartEachFolder);
        v.booleans(161, rec.reservedBooleans);
        v.int32(164, rec.guideTopic);
        v.int32(168, rec.dayNamePlacement);
        v.int32(172, rec.addOrReplaceDefault);
        v.int32(176, rec.extensionCase);
        v.int32s(180, rec.reservedIntegers);
        v.string(204, 30, rec.elementOrder);
        v.strings(235, 30, rec.reservedStrings);
    }

    QByteArray toBytes() const;
    // bytes must hold at least size bytes.
    static SessionSettingsRec fromBytes(const QByteArray &bytes);

    bool operator==(const SessionSettingsRec &) const = default;
};

} // namespace Settings
