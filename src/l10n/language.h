#pragma once

#include <QLocale>

#include <memory>

class QTranslator;

namespace L10n {

// Interface language values as the program settings store them.
namespace LanguageCode {
constexpr int English = -1;
constexpr int Dutch = 0;
constexpr int NotChosen = 999;
} // namespace LanguageCode

// 0 (Dutch) when the locale calls Sunday "zondag" (or "maandag"), else -1 (English).
int detectLocalLanguage(const QLocale &locale = QLocale::system());

// Makes one language the language of every text the program shows, by installing (or removing)
// its translation on the application. Applying another language later switches every text
// asked for from then on.
class LanguageSwitch final
{
public:
    LanguageSwitch();
    ~LanguageSwitch();

    // Resolves NotChosen to localLanguage and returns the language that is now active.
    int apply(int language, int localLanguage);
    int active() const { return m_active; }
    // The resource id where the active translation starts, 0 for English.
    int blockOffset() const { return m_blockOffset; }

private:
    std::unique_ptr<QTranslator> m_translator;
    // Qt's own texts (file dialogs, standard buttons) in the language, where Qt's are installed.
    std::unique_ptr<QTranslator> m_qtTranslator;
    int m_active = LanguageCode::English;
    int m_blockOffset = 0;
    bool m_installed = false;
};

} // namespace L10n
