#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

namespace Settings {
class SessionSettings;
}

namespace Compose {

class TitleSettingsModel;

// The dialog "Add name of day to date": the three day-name options as a draft with their
// enabled states and an example; OK stores them, Cancel drops the draft.
class DayNameModel final
{
public:
    // now: the moment the example shows; locale: where the day names come from.
    DayNameModel(Settings::SessionSettings &settings, TitleSettingsModel &title, const QLocale &locale,
                 std::function<QDateTime()> now);

    static QString windowCaption();
    static QString addCaption();
    static QString abbreviateCaption();
    static QString placementCaption();
    static QStringList placementCaptions();

    bool addNameOfDay() const { return m_add; }
    // Turning it off also turns "Abbreviate name of day" off.
    void setAddNameOfDay(bool on);
    bool abbreviate() const { return m_abbreviate; }
    void setAbbreviate(bool on);
    bool isAbbreviateEnabled() const { return m_add; }
    // 0: right of the date, 1: left of it.
    int placement() const { return m_placement; }
    void setPlacement(int placement);
    bool isPlacementEnabled() const { return m_add; }

    // "Example:" and the current date in the stage-3 date format with the draft's day name.
    QString example() const;

    // Stores the three options and writes the folder settings.
    void accept();

private:
    Settings::SessionSettings &m_settings;
    TitleSettingsModel &m_title;
    QLocale m_locale;
    std::function<QDateTime()> m_now;
    bool m_add = false;
    bool m_abbreviate = false;
    int m_placement = 0;
};

} // namespace Compose
