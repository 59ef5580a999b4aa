#include "compose/numbersettingsmodel.h"

#include "compose/titlesettingsmodel.h"

#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "settings/sessionsettings.h"

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace Compose {

using L10n::text;

namespace {

// Only digits: a sign would end up in the middle of a number padded with zeros.
bool isWholeNumber(const QString &text)
{
    if (text.isEmpty() || !std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    bool ok = false;
    text.toInt(&ok);
    return ok;
}

} // namespace

NumberSettingsModel::NumberSettingsModel(Settings::SessionSettings &settings, Platform::Dialogs &dialogs,
                                         TitleSettingsModel &title, QObject *parent)
    : QObject(parent), m_settings(settings), m_dialogs(dialogs), m_title(title)
{
    // The folder's options arrive with the rest of its title-element settings.
    connect(&m_title, &TitleSettingsModel::changed, this, &NumberSettingsModel::changed);
    reload();
}

NumberSettingsModel::~NumberSettingsModel() = default;

void NumberSettingsModel::reload()
{
    m_startText = QString::number(m_settings.workFolderRec().counterStart);
    m_reset = m_settings.workFolderRec().counterReset;
    Q_EMIT changed();
}

QString NumberSettingsModel::extractCaption()
{
    return text(1081, "Extract from Current title");
}

QString NumberSettingsModel::extractMenuCaption()
{
    return text(1082, "&Extract from Current title");
}

QString NumberSettingsModel::inspectCaption()
{
    return text(1083, "Inspect title from:");
}

QStringList NumberSettingsModel::directionCaptions()
{
    return {text(1084, "Left to right"), text(1085, "Right to left")};
}

QString NumberSettingsModel::counterCaption()
{
    return text(1086, "Counter");
}

QString NumberSettingsModel::counterMenuCaption()
{
    return text(1087, "&Use counter");
}

QString NumberSettingsModel::startCaption()
{
    return text(1088, "Start with:");
}

QString NumberSettingsModel::resetCaption()
{
    return text(1089, "Reset");
}

QString NumberSettingsModel::digitsCaption()
{
    return text(1090, "Number of digits to make number:");
}

QStringList NumberSettingsModel::digitsCaptions()
{
    QStringList captions;
    for (int digits = NumberElement::minDigits; digits <= NumberElement::maxDigits; ++digits)
        captions.append(QString::number(digits));
    return captions;
}

QString NumberSettingsModel::menuCaption()
{
    return text(1091, "&Numbering element");
}

QString NumberSettingsModel::menuHint()
{
    return text(1092, "Add a numbering element to all new titles");
}

QString NumberSettingsModel::byDateTakenCaption()
{
    return text(1778, "Number in order of date taken");
}

QString NumberSettingsModel::restartDayCaption()
{
    return text(1780, "Start again at each new day");
}

QString NumberSettingsModel::restartFolderCaption()
{
    return text(1782, "Start again at each new destination folder");
}

NumberOrderOptions NumberSettingsModel::order() const
{
    const Settings::SessionSettingsRec &rec = m_settings.folderRec();
    return {rec.numberByDateTaken, rec.restartEachDay, rec.restartEachFolder};
}

void NumberSettingsModel::setOrderOption(bool Settings::SessionSettingsRec::*option, bool on)
{
    Settings::SessionSettingsRec &rec = m_settings.folderRec();
    if (rec.*option == on)
        return;
    rec.*option = on;
    storeFolder();
    Q_EMIT changed();
}

void NumberSettingsModel::setNumberByDateTaken(bool on)
{
    setOrderOption(&Settings::SessionSettingsRec::numberByDateTaken, on);
}

void NumberSettingsModel::setRestartEachDay(bool on)
{
    setOrderOption(&Settings::SessionSettingsRec::restartEachDay, on);
}

void NumberSettingsModel::setRestartEachFolder(bool on)
{
    setOrderOption(&Settings::SessionSettingsRec::restartEachFolder, on);
}

void NumberSettingsModel::storeFolder()
{
    m_title.store();
}

qint32 NumberSettingsModel::startValue() const
{
    return isWholeNumber(m_startText) ? m_startText.toInt() : 1;
}

void NumberSettingsModel::storeCounter()
{
    const auto written = m_settings.UpdateFSession_Counter_Attr(startValue(), m_reset);
    if (!written)
        m_dialogs.status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
}

bool NumberSettingsModel::extractNumber() const
{
    return m_settings.folderRec().extractNumber;
}

void NumberSettingsModel::setExtractNumber(bool on)
{
    Settings::SessionSettingsRec &rec = m_settings.folderRec();
    if (rec.extractNumber == on)
        return;
    rec.extractNumber = on;
    if (on)
        rec.useCounter = false;
    storeFolder();
    Q_EMIT changed();
}

bool NumberSettingsModel::useCounter() const
{
    return m_settings.folderRec().useCounter;
}

void NumberSettingsModel::setUseCounter(bool on)
{
    Settings::SessionSettingsRec &rec = m_settings.folderRec();
    if (rec.useCounter == on)
        return;
    rec.useCounter = on;
    if (on)
        rec.extractNumber = false;
    storeFolder();
    Q_EMIT changed();
    if (on)
        leaveStart();
}

int NumberSettingsModel::inspectDirection() const
{
    return m_settings.folderRec().inspectDirection == 1 ? 1 : 0;
}

void NumberSettingsModel::setInspectDirection(int direction)
{
    direction = direction == 1 ? 1 : 0;
    if (m_settings.folderRec().inspectDirection == direction)
        return;
    m_settings.folderRec().inspectDirection = direction;
    storeFolder();
    Q_EMIT changed();
}

CorrectedInput NumberSettingsModel::editStart(const QString &newText, int caret)
{
    CorrectedInput corrected{newText, std::clamp(caret, 0, int(newText.size())), false};
    if (!newText.isEmpty() && !isWholeNumber(newText)) {
        corrected.refused = true;
        if (corrected.caret > 0) {
            corrected.text.remove(corrected.caret - 1, 1);
            --corrected.caret;
        }
        // A pasted text can hold more than one wrong character.
        if (!corrected.text.isEmpty() && !isWholeNumber(corrected.text)) {
            QString digits;
            for (QChar c : newText) {
                if (c >= u'0' && c <= u'9')
                    digits += c;
            }
            corrected.text = isWholeNumber(digits) ? digits : QString();
            corrected.caret = int(corrected.text.size());
        }
        m_dialogs.status({text(312, "Use only numeric characters"), true, 5, Platform::Sound::Error});
    }
    if (m_startText != corrected.text) {
        m_startText = corrected.text;
        Q_EMIT changed();
    }
    return corrected;
}

void NumberSettingsModel::leaveStart()
{
    if (m_startText.isEmpty()) {
        m_startText = u"1"_s;
        Q_EMIT changed();
    }
    if (NumberWillFit())
        storeCounter();
}

void NumberSettingsModel::setReset(bool on)
{
    if (m_reset == on)
        return;
    m_reset = on;
    Q_EMIT changed();
    if (NumberElement::startFits(m_startText, NumberElement::digitsFromIndex(m_settings.folderRec().digitsIndex)))
        storeCounter();
}

int NumberSettingsModel::digitsIndex() const
{
    return NumberElement::digitsFromIndex(m_settings.folderRec().digitsIndex) - 1;
}

void NumberSettingsModel::setDigitsIndex(int index)
{
    if (index < 0 || index >= NumberElement::maxDigits || m_settings.folderRec().digitsIndex == index)
        return;
    m_settings.folderRec().digitsIndex = index;
    storeFolder();
    Q_EMIT changed();
    if (useCounter() && NumberWillFit())
        storeCounter();
}

bool NumberSettingsModel::NumberWillFit()
{
    const int digits = digitsIndex() + 1;
    if (!useCounter() || NumberElement::startFits(m_startText, digits))
        return true;
    m_dialogs.status({text(313, "Number will not fit in ") + QString::number(digits) + text(314, " digit(s)"), true, 5,
                      Platform::Sound::Error});
    Q_EMIT focusRequested(Field::Digits);
    return false;
}

NumberElement::Source NumberSettingsModel::numberSource() const
{
    const Settings::SessionSettingsRec &rec = m_settings.folderRec();
    if (rec.extractNumber)
        return NumberElement::Source::Extract;
    if (rec.useCounter)
        return NumberElement::Source::Counter;
    return NumberElement::Source::None;
}

NumberElement &NumberSettingsModel::startPass()
{
    m_pass.emplace(numberSource(), NumberElement::Direction(inspectDirection()), digitsIndex() + 1, startValue());
    return *m_pass;
}

NumberElement NumberSettingsModel::exampleElement(int preceding) const
{
    return NumberElement(numberSource(), NumberElement::Direction(inspectDirection()), digitsIndex() + 1,
                         qint64(startValue()) + preceding);
}

NumberElement NumberSettingsModel::orderedElement(QHash<QString, qint64> places) const
{
    NumberElement element(numberSource(), NumberElement::Direction(inspectDirection()), digitsIndex() + 1,
                          startValue());
    const NumberOrderOptions numbering = order();
    element.assign(std::move(places), numbering.restartEachDay || numbering.restartEachFolder);
    return element;
}

void NumberSettingsModel::planPass(QHash<QString, qint64> places)
{
    if (!m_pass || !numbersInOwnOrder())
        return;
    const NumberOrderOptions numbering = order();
    m_pass->assign(std::move(places), numbering.restartEachDay || numbering.restartEachFolder);
}

void NumberSettingsModel::updateCounterAfterRetitle()
{
    if (!useCounter() || !m_pass)
        return;
    const NumberOrderOptions numbering = order();
    if (!m_reset && (numbering.restartEachDay || numbering.restartEachFolder))
        return;
    const qint64 next = m_reset ? 1 : m_pass->counter();
    const qint32 value = qint32(std::min<qint64>(next, std::numeric_limits<qint32>::max()));
    m_startText = QString::number(value);
    storeCounter();
    Q_EMIT changed();
}

void NumberSettingsModel::restoreStart(const QString &start)
{
    if (start == m_startText)
        return;
    m_startText = start;
    storeCounter();
    Q_EMIT changed();
}

} // namespace Compose
