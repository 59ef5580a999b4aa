#include "app/optionsmodel.h"

#include "dictionary/dictionarystore.h"
#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "settings/programsettings.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace App {

using L10n::text;

namespace {

bool allMessagesShown(const Settings::ProgramSettingsRec &rec)
{
    return rec.PSShowEditorHelp && std::all_of(rec.PSShowMessage.cbegin(), rec.PSShowMessage.cend(), [](bool shown) {
               return shown;
           });
}

} // namespace

OptionsModel::OptionsModel(Settings::ProgramSettings &settings, Dictionary::DictionaryStore &store,
                           Platform::Dialogs &dialogs, Page page)
    : m_settings(settings), m_dialogs(dialogs), m_page(page)
{
    store.ShowEntries();
    const Settings::ProgramSettingsRec &rec = settings.rec();
    setValue(Number::MaxDic, int(std::lround(rec.PSMaxDic / 1000.0)));
    setValue(Number::MaxHits, rec.PSMaxHits);
    setValue(Number::ClipSize, rec.PSClipSize);
    setValue(Number::MaxPicPrefSuf, rec.PSMaxPicPrefSuf);
    m_activateGuide = rec.PSActivateGuide;
    setLanguageItem(rec.PSLanguage + 1);
    m_showAllLocked = allMessagesShown(rec);
    m_showAll = m_showAllLocked;
    m_media = mediaOptionsOf(rec);
}

QString OptionsModel::caption()
{
    return L10n::title() + text(446, " - Options");
}

QString OptionsModel::pageCaption(Page page)
{
    switch (page) {
    case Page::Dictionary:
        return text(1010, "Dictionary");
    case Page::PrefixSuffix:
        return text(1011, "Picture Prefix/Suffix");
    case Page::FileTypes:
        return text(1309, "File types");
    case Page::Program:
        break;
    }
    return text(1012, "Program");
}

QString OptionsModel::fileTypesCaption()
{
    return text(1310, "Listed in the picture table");
}

QString OptionsModel::mediaGroupCaption(Session::MediaGroup group)
{
    switch (group) {
    case Session::MediaGroup::Pictures:
        return text(1311, "Pictures (JPEG, PNG, TIFF, GIF, BMP, icons and metafiles)");
    case Session::MediaGroup::Modern:
        return text(1312, "HEIF, AVIF, WebP");
    case Session::MediaGroup::Raw:
        return text(1313, "Camera RAW");
    case Session::MediaGroup::Videos:
        break;
    }
    return text(1314, "Videos");
}

QString OptionsModel::pairsCaption()
{
    return text(1315, "A RAW file or a video follows the picture of the same name");
}

QString OptionsModel::pairsHint()
{
    return text(1316, "IMG_1.CR2 beside IMG_1.JPG, or IMG_1.MOV beside IMG_1.HEIC, is retitled with its picture "
                "instead of being listed on its own");
}

Session::MediaOptions OptionsModel::mediaOptionsOf(const Settings::ProgramSettingsRec &rec)
{
    return {!rec.PSSkipPictures, !rec.PSSkipModern, !rec.PSSkipRaw, !rec.PSSkipVideos, !rec.PSPairsApart};
}

QString OptionsModel::numberCaption(Number number)
{
    switch (number) {
    case Number::MaxDic:
        return text(1013, "Maximum number of entries the Static dictionay can hold (in thousands):");
    case Number::MaxHits:
        return text(1014, "Maximum number of results to return from dictionary when editing Free text:");
    case Number::ClipSize:
        return text(1015, "Lines from the clipboard will be clipped in parts of:");
    case Number::MaxPicPrefSuf:
        break;
    }
    return text(1016, "Maximum number of entries in dropdown menu");
}

QString OptionsModel::numberTail(Number number)
{
    return number == Number::ClipSize ? text(1017, "characters (any number between 30 and 100).") : QString();
}

QString OptionsModel::numberHint(Number number)
{
    return number == Number::MaxDic ? text(1018, "Maximum: 100000") : QString();
}

QString OptionsModel::guideCaption()
{
    return text(1019, "Activate Guide for every new session");
}

QString OptionsModel::messagesCaption()
{
    return text(1020, "Show all program messages");
}

QString OptionsModel::messagesHint()
{
    return text(1021, "All messages where you unchecked 'Show message next time', will be shown again next time");
}

QString OptionsModel::languageCaption()
{
    return text(1268, "Language/Taal interface");
}

QStringList OptionsModel::languageItems()
{
    return {text(1269, "English"), text(1270, "Dutch (Nederlands)")};
}

void OptionsModel::setLanguageItem(int item)
{
    m_languageItem = item >= 0 && item < languageItems().size() ? item : 0;
}

QString OptionsModel::okCaption()
{
    return text(933, "&OK");
}

QString OptionsModel::cancelCaption()
{
    return text(912, "&Cancel");
}

QString OptionsModel::helpCaption()
{
    return text(958, "&Help");
}

OptionsModel::Range OptionsModel::range(Number number)
{
    switch (number) {
    case Number::MaxDic:
        return {1, 100, 1, true};
    case Number::MaxHits:
        return {10, 500, 10};
    case Number::ClipSize:
        return {30, 100, 10};
    case Number::MaxPicPrefSuf:
        break;
    }
    return {10, 100, 10};
}

OptionsModel::Corrected OptionsModel::typed(Number number, const QString &text)
{
    Q_UNUSED(number)
    Corrected corrected{text, false};
    corrected.text.removeIf([](QChar c) { return c < u'0' || c > u'9'; });
    corrected.beep = corrected.text != text;
    return corrected;
}

OptionsModel::Corrected OptionsModel::finished(Number number, const QString &text)
{
    const Range limits = range(number);
    const Corrected digits = typed(number, text);
    if (digits.text.isEmpty())
        return {QString::number(limits.maximum), true};
    // More digits than any int holds are far above every maximum.
    const qlonglong value = digits.text.size() > 9 ? qlonglong(limits.maximum) + 1 : digits.text.toLongLong();
    const qlonglong clamped = std::clamp<qlonglong>(value, limits.minimum, limits.maximum);
    if (clamped != value)
        return {QString::number(clamped), true};
    return {QString::number(value), digits.beep};
}

int OptionsModel::value(Number number) const
{
    switch (number) {
    case Number::MaxDic:
        return m_maxDicThousands;
    case Number::MaxHits:
        return m_maxHits;
    case Number::ClipSize:
        return m_clipSize;
    case Number::MaxPicPrefSuf:
        break;
    }
    return m_maxPicPrefSuf;
}

void OptionsModel::setValue(Number number, int value)
{
    const Range limits = range(number);
    value = std::clamp(value, limits.minimum, limits.maximum);
    switch (number) {
    case Number::MaxDic:
        m_maxDicThousands = value;
        return;
    case Number::MaxHits:
        m_maxHits = value;
        return;
    case Number::ClipSize:
        m_clipSize = value;
        return;
    case Number::MaxPicPrefSuf:
        m_maxPicPrefSuf = value;
        return;
    }
}

void OptionsModel::setShowAllMessages(bool show)
{
    if (!m_showAllLocked)
        m_showAll = show;
}

void OptionsModel::accept()
{
    Settings::ProgramSettingsRec &rec = m_settings.rec();
    rec.PSMaxDic = m_maxDicThousands * 1000;
    rec.PSMaxHits = m_maxHits;
    rec.PSClipSize = m_clipSize;
    rec.PSMaxPicPrefSuf = m_maxPicPrefSuf;
    rec.PSActivateGuide = m_activateGuide;
    rec.PSLanguage = m_languageItem - 1;
    rec.PSSkipPictures = !m_media.pictures;
    rec.PSSkipModern = !m_media.modern;
    rec.PSSkipRaw = !m_media.raw;
    rec.PSSkipVideos = !m_media.videos;
    rec.PSPairsApart = !m_media.pairsFollow;
    if (m_showAll) {
        rec.PSShowMessage.fill(true);
        rec.PSShowEditorHelp = true;
    }
    if (auto written = m_settings.UpdateFPSM(); !written)
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(written.error()),
                          Platform::Severity::Error});
}

} // namespace App
