#pragma once

#include <QString>

#include <array>

namespace Settings {
struct SessionSettingsRec;
}

namespace Compose {

// The composed new title of one picture and the warning its elements raised.
struct RMakeTitle
{
    // The new title with the extension of the current title.
    QString RMTitle;
    // 0 = none; 1, 2, 3 from the number element, 4 from the date/time element.
    qint32 RMWarning = 0;

    bool operator==(const RMakeTitle &) const = default;
};

// What one picture contributes to its title.
struct ComposeInput
{
    // The picture's file name with its extension, as in the folder.
    QString currentTitle;
    // The full path of the picture, for the elements that read the file (date taken).
    QString picturePath;
    QString freeText;
    QString picturePrefix;
    QString pictureSuffix;
    // The EXIF tag text of the picture, empty when the element is off.
    QString exifText;
};

// The date/time and number elements plug in here; without one, both elements are empty.
class ElementValues
{
public:
    virtual ~ElementValues() = default;

    // The number element's text for a picture; may set *warning to 1, 2 or 3.
    virtual QString numberText(const ComposeInput &input, qint32 *warning) = 0;
    // The date/time element's text for a picture; may set *warning to 4.
    virtual QString dateTimeText(const ComposeInput &input, qint32 *warning) = 0;
};

// Composes new titles from the session's title-element settings: the non-empty elements in the
// chosen order joined by the separator, then the current title's extension. One composer serves
// one test pass, so a counter inside the element values runs on from picture to picture.
class TitleComposer final
{
public:
    explicit TitleComposer(const Settings::SessionSettingsRec &settings, ElementValues *values = nullptr);

    RMakeTitle compose(const ComposeInput &input) const;

private:
    QString m_prefix;
    QString m_suffix;
    QString m_separator;
    bool m_dateOrTime = false;
    qint32 m_extensionCase = 0;
    // Position (1..6) of each element letter, looked up once.
    int m_positionP = 1, m_positionD = 2, m_positionN = 3, m_positionF = 4, m_positionE = 5, m_positionS = 6;
    ElementValues *m_values = nullptr;
};

} // namespace Compose
