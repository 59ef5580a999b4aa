#include "l10n/language.h"

#include "l10n/catalog.h"
#include "l10n/translator_p.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace L10n {

QString Translator::translate(const char *, const char *, const char *disambiguation, int) const
{
    if (!disambiguation || !*disambiguation)
        return {};
    bool ok = false;
    const int position = QByteArray(disambiguation).toInt(&ok);
    if (!ok || !m_catalog.contains(m_blockOffset + position))
        return {};
    return m_catalog.text(m_blockOffset + position);
}

int detectLocalLanguage(const QLocale &locale)
{
    const QString sunday = locale.dayName(7, QLocale::LongFormat).toLower();
    return (sunday == u"maandag"_s || sunday == u"zondag"_s) ? LanguageCode::Dutch : LanguageCode::English;
}

LanguageSwitch::LanguageSwitch() = default;

LanguageSwitch::~LanguageSwitch()
{
    if (m_installed && QCoreApplication::instance())
        QCoreApplication::removeTranslator(m_translator.get());
}

int LanguageSwitch::apply(int language, int localLanguage)
{
    if (language == LanguageCode::NotChosen)
        language = localLanguage;
    if (m_installed) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_installed = false;
    }
    m_active = LanguageCode::English;
    m_blockOffset = 0;
    const QList<LanguageEntry> languages = Catalog::builtIn().languages();
    if (language >= 0 && language < languages.size()) {
        m_active = language;
        m_blockOffset = languages.at(language).blockBase;
        m_translator = std::make_unique<Translator>(Catalog::builtIn(), m_blockOffset);
        m_installed = QCoreApplication::installTranslator(m_translator.get());
    }
    return m_active;
}

} // namespace L10n
