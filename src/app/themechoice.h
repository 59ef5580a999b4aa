#pragma once

#include <QObject>
#include <QStringList>

namespace Platform {
class Dialogs;
}
namespace Settings {
class ProgramSettings;
}

namespace App {

// The colour theme of the window, one of seven, kept in the program settings. The first one,
// "Familiar", is the desktop's own.
class ThemeChoice final : public QObject
{
    Q_OBJECT

public:
    static constexpr int count = 7;

    ThemeChoice(Settings::ProgramSettings &settings, Platform::Dialogs &dialogs, QObject *parent = nullptr);

    static QString menuCaption();
    static QStringList captions();
    // The stored theme; a value out of range counts as "Familiar".
    int current() const;
    // Chooses a theme and stores it at once.
    void choose(int theme);

Q_SIGNALS:
    void themeChanged(int theme);

private:
    Settings::ProgramSettings &m_settings;
    Platform::Dialogs &m_dialogs;
};

} // namespace App
