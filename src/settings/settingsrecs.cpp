#include "settings/overallsettingsrec.h"
#include "settings/programsettingsrec.h"
#include "settings/sessionsettingsrec.h"

#include "records/recordlayout.h"
#include "records/titletext.h"

namespace Settings {

QByteArray SessionSettingsRec::toBytes() const
{
    return Records::encodeRecord(*this);
}

SessionSettingsRec SessionSettingsRec::fromBytes(const QByteArray &bytes)
{
    SessionSettingsRec rec = Records::decodeRecord<SessionSettingsRec>(bytes);
    // The global prefix and suffix become part of every new title.
    rec.prefix = Records::cleanTitleText(rec.prefix);
    rec.suffix = Records::cleanTitleText(rec.suffix);
    return rec;
}

QByteArray OverallSettingsRec::toBytes() const
{
    return Records::encodeRecord(*this);
}

OverallSettingsRec OverallSettingsRec::fromBytes(const QByteArray &bytes)
{
    return Records::decodeRecord<OverallSettingsRec>(bytes);
}

QByteArray ProgramSettingsRec::toBytes() const
{
    return Records::encodeRecord(*this);
}

ProgramSettingsRec ProgramSettingsRec::fromBytes(const QByteArray &bytes)
{
    return Records::decodeRecord<ProgramSettingsRec>(bytes);
}

ProgramSettingsRec ProgramSettingsRec::seededFrom(const OverallSettingsRec &overall, int localLanguage, int screenWidth)
{
    ProgramSettingsRec rec;
    rec.PSSelString = overall.selectionStrings;
    rec.PSSelChecked = overall.selectionChecked;
    rec.PSSelStartsWith = overall.selectStartsWith;
    rec.PSShowThumb = overall.showThumbnail;
    rec.PSShowMessage = overall.showMessage;
    rec.PSDicFolder = overall.dictionaryFolder;
    rec.PSLastFolder = overall.lastFolder;
    rec.PSIgnoreCase = overall.ignoreCase;
    rec.PSActivateGuide = overall.activateGuide;
    rec.PSMaxDic = overall.maxDictionary;
    rec.PSMaxHits = overall.maxHits;
    rec.PSLanguage = overall.language;
    rec.PSActDicAction = overall.activeDictionaryAction;
    rec.PSVersion = overall.version.left(10);
    rec.PSLocalLanguage = localLanguage + 1;
    rec.PSMaximise = double(screenWidth) / 1024.0 > 1.7;
    return rec;
}

} // namespace Settings
