#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTime>

namespace Settings {
class SessionSettings;
}

namespace Compose {

class TitleSettingsModel;

// The stage-3 date/time panel as the widgets see it: the date and the time switches with their
// sources, formats and picked values, and the separator, with their enabling rules. Every change
// is written to the folder settings at once.
class DateTimeSettingsModel final : public QObject
{
    Q_OBJECT

public:
    enum Source { ExifSource = 0, FileSource = 1, PickedSource = 2 };

    DateTimeSettingsModel(Settings::SessionSettings &settings, TitleSettingsModel &title, QObject *parent = nullptr);
    ~DateTimeSettingsModel() override;

    static QString dateCaption();
    static QString dateMenuCaption();
    static QString dateMenuHint();
    static QStringList dateSourceCaptions();
    static QString dateFormatCaption();
    static QStringList dateFormatCaptions();
    static QString dayButtonCaption();
    static QString pickDateCaption();
    static QString timeCaption();
    static QString timeMenuCaption();
    static QStringList timeSourceCaptions();
    static QString timeFormatCaption();
    static QStringList timeFormatCaptions();
    static QString pickTimeCaption();
    static QString separatorCaption();
    static QStringList separatorCaptions();

    bool useDate() const;
    void setUseDate(bool on);
    int dateSource() const;
    void setDateSource(int source);
    int dateFormat() const;
    void setDateFormat(int format);
    QDate pickedDate() const;
    void setPickedDate(const QDate &date);
    bool isDateSourceEnabled() const { return useDate(); }
    bool isDateFormatEnabled() const { return useDate(); }
    bool isDayButtonEnabled() const { return useDate(); }
    bool isPickedDateEnabled() const { return useDate() && dateSource() == PickedSource; }

    bool useTime() const;
    void setUseTime(bool on);
    int timeSource() const;
    void setTimeSource(int source);
    int timeFormat() const;
    void setTimeFormat(int format);
    QTime pickedTime() const;
    void setPickedTime(const QTime &time);
    bool isTimeSourceEnabled() const { return useTime(); }
    bool isTimeFormatEnabled() const { return useTime(); }
    bool isPickedTimeEnabled() const { return useTime() && timeSource() == PickedSource; }

    int separatorIndex() const;
    void setSeparatorIndex(int index);
    bool isSeparatorEnabled() const { return useDate() || useTime(); }

    // The name-of-day dialog stored its options: the panel shows them.
    void notifyChanged() { Q_EMIT changed(); }

Q_SIGNALS:
    void changed();

private:
    void store();

    Settings::SessionSettings &m_settings;
    TitleSettingsModel &m_title;
};

} // namespace Compose
