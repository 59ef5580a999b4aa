#pragma once

#include "session/mediatypes.h"

#include <QString>
#include <QStringList>

namespace Dictionary {
class DictionaryStore;
}
namespace Platform {
class Dialogs;
}
namespace Settings {
class ProgramSettings;
struct ProgramSettingsRec;
} // namespace Settings

namespace App {

// The dialog "Options": the dictionary limits, the length of the picture prefix and suffix
// lists, the program's guide and messages, and which kinds of files are listed. Nothing is
// stored before accept().
class OptionsModel final
{
public:
    enum class Page { Dictionary, PrefixSuffix, Program, FileTypes };
    enum class Number { MaxDic, MaxHits, ClipSize, MaxPicPrefSuf };

    struct Range
    {
        int minimum = 0;
        int maximum = 0;
        int step = 1;
        // Only the arrows change the value; nothing can be typed.
        bool arrowsOnly = false;
    };

    // A number field's text after a rule; beep: the rule changed what was typed.
    struct Corrected
    {
        QString text;
        bool beep = false;
        bool operator==(const Corrected &) const = default;
    };

    // Opening shows the entry counts of the dictionaries first.
    OptionsModel(Settings::ProgramSettings &settings, Dictionary::DictionaryStore &store, Platform::Dialogs &dialogs,
                 Page page);

    static QString caption();
    static QString pageCaption(Page page);
    static QString numberCaption(Number number);
    // The text after the field, empty for none.
    static QString numberTail(Number number);
    static QString numberHint(Number number);
    static QString guideCaption();
    static QString messagesCaption();
    static QString messagesHint();
    // The radio group of the interface language; an item's index is the stored language + 1.
    static QString languageCaption();
    static QStringList languageItems();
    // The page "File types": a check box per group of files listed, and one for the pairs.
    static QString fileTypesCaption();
    static QString mediaGroupCaption(Session::MediaGroup group);
    static QString pairsCaption();
    static QString pairsHint();
    // The kinds of files listed and whether pairs follow, as the settings keep them.
    static Session::MediaOptions mediaOptionsOf(const Settings::ProgramSettingsRec &rec);
    static QString okCaption();
    static QString cancelCaption();
    static QString helpCaption();

    static Range range(Number number);
    // While typing: every character that is not a digit is removed at once.
    static Corrected typed(Number number, const QString &text);
    // On leaving the field: empty gives the maximum, a value outside the range its nearest end.
    static Corrected finished(Number number, const QString &text);

    Page page() const { return m_page; }
    int value(Number number) const;
    void setValue(Number number, int value);
    bool activateGuide() const { return m_activateGuide; }
    void setActivateGuide(bool activate) { m_activateGuide = activate; }
    // Checked, and then locked, when every program message and the editor's help are shown.
    bool showAllMessages() const { return m_showAll; }
    bool showAllMessagesLocked() const { return m_showAllLocked; }
    void setShowAllMessages(bool show);
    const Session::MediaOptions &media() const { return m_media; }
    void setMedia(const Session::MediaOptions &media) { m_media = media; }
    int languageItem() const { return m_languageItem; }
    void setLanguageItem(int item);

    // OK: stores the values, the language among them, in the program settings and saves them.
    void accept();

private:
    Settings::ProgramSettings &m_settings;
    Platform::Dialogs &m_dialogs;
    Page m_page;
    int m_maxDicThousands = 50;
    int m_maxHits = 20;
    int m_clipSize = 50;
    int m_maxPicPrefSuf = 50;
    bool m_activateGuide = false;
    bool m_showAll = false;
    bool m_showAllLocked = false;
    int m_languageItem = 0;
    Session::MediaOptions m_media;
};

} // namespace App
