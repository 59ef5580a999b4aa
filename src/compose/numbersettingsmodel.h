#pragma once

#include "compose/inputrules.h"
#include "compose/numberelement.h"
#include "compose/numberorder.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace Platform {
class Dialogs;
}
namespace Settings {
class SessionSettings;
struct SessionSettingsRec;
} // namespace Settings

namespace Compose {

class TitleSettingsModel;

// The stage-3 numbering panel as the widgets see it: the two sources of the number, which
// exclude each other, the inspection direction, the counter's start value and reset, and the
// number of digits, with their enabling rules. Changes of the folder's options are written to
// the folder settings at once; the start value and "Reset" live in the program-wide copy.
class NumberSettingsModel final : public QObject
{
    Q_OBJECT

public:
    enum class Field { Digits, Start };

    NumberSettingsModel(Settings::SessionSettings &settings, Platform::Dialogs &dialogs, TitleSettingsModel &title,
                        QObject *parent = nullptr);
    ~NumberSettingsModel() override;

    // Shows the start value and "Reset" of the program-wide settings; after they are read.
    void reload();

    static QString extractCaption();
    static QString extractMenuCaption();
    static QString inspectCaption();
    static QStringList directionCaptions();
    static QString counterCaption();
    static QString counterMenuCaption();
    static QString startCaption();
    static QString resetCaption();
    static QString digitsCaption();
    // "1" .. "9".
    static QStringList digitsCaptions();
    static QString menuCaption();
    static QString menuHint();

    bool extractNumber() const;
    void setExtractNumber(bool on);
    bool useCounter() const;
    // Turning the counter on also leaves the start value (see leaveStart).
    void setUseCounter(bool on);

    int inspectDirection() const;
    void setInspectDirection(int direction);
    bool isInspectEnabled() const { return extractNumber(); }

    const QString &startText() const { return m_startText; }
    // The start field's text after a change with the caret the change left; a character that
    // makes it no whole number is taken out again, with "Use only numeric characters".
    CorrectedInput editStart(const QString &text, int caret);
    // The start field is left: empty becomes "1"; when the number fits, the start value and
    // "Reset" are written to the program-wide settings.
    void leaveStart();
    bool reset() const { return m_reset; }
    void setReset(bool on);
    bool isStartEnabled() const { return useCounter(); }
    bool isResetEnabled() const { return useCounter(); }

    static QString byDateTakenCaption();
    static QString restartDayCaption();
    static QString restartFolderCaption();
    // The counter's order (see NumberOrderOptions); enabled with the counter, the folder restart
    // only while storage management places the pictures in folders.
    NumberOrderOptions order() const;
    void setNumberByDateTaken(bool on);
    void setRestartEachDay(bool on);
    void setRestartEachFolder(bool on);
    bool isOrderEnabled() const { return useCounter(); }

    // Index 0..8 for 1..9 digits.
    int digitsIndex() const;
    void setDigitsIndex(int index);
    bool isDigitsEnabled() const { return extractNumber() || useCounter(); }

    // NumberWillFit: false, with the status "Number will not fit in D digit(s)" and the focus
    // on the digits, when the counter is on and its start value as typed is longer than the digits.
    bool NumberWillFit();

    // The number element of a new test pass; its counter starts at the start value.
    NumberElement &startPass();
    // A number element for one example title, as a pass would number the picture that has
    // preceding pictures before it; it leaves the pass of the last test alone.
    NumberElement exampleElement(int preceding) const;
    // Whether the counter follows another order than the picture table's (see order()).
    bool numbersInOwnOrder() const { return useCounter() && !order().isTableOrder(); }
    // A number element that numbers by the places of NumberOrder, for the pass or one title.
    NumberElement orderedElement(QHash<QString, qint64> places) const;
    // Hands the places to the element of the pass last started, when it numbers in its own order.
    void planPass(QHash<QString, qint64> places);
    // After a retitling: with the counter on, the start value becomes the value after the last
    // number used in the last pass (1 with "Reset"; unchanged while the counter starts again at
    // each day or folder, as the next day starts there too) and is written to the program-wide
    // settings.
    void updateCounterAfterRetitle();
    // An undone retitling gives the counter back the start value it had before.
    void restoreStart(const QString &start);

Q_SIGNALS:
    void changed();
    void focusRequested(Compose::NumberSettingsModel::Field field);

private:
    void storeFolder();
    void setOrderOption(bool Settings::SessionSettingsRec::*option, bool on);
    void storeCounter();
    qint32 startValue() const;
    NumberElement::Source numberSource() const;

    Settings::SessionSettings &m_settings;
    Platform::Dialogs &m_dialogs;
    TitleSettingsModel &m_title;
    QString m_startText = QStringLiteral("1");
    bool m_reset = false;
    std::optional<NumberElement> m_pass;
};

} // namespace Compose
