#include "l10n/language.h"

#include "l10n/catalog.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace L10n {

int detectLocalLanguage(const QLocale &locale)
{
    const QString sunday = locale.dayName(7, QLocale::LongFormat).toLower();
    return (sunday == u"maandag"_s || sunday == u"zondag"_s) ? LanguageCode::Dutch : LanguageCode::English;
}

LanguageSwitch::LanguageSwitch() = default;

LanguageSwitch::~LanguageSwitch()
{
    if (m_installed && QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(m_translator.get());
        if (m_qtTranslator)
            QCoreApplication::removeTranslator(m_qtTranslator.get());
    }
}

int LanguageSwitch::apply(int language, int localLanguage)
{
    if (language == LanguageCode::NotChosen)
        language = localLanguage;
    if (m_installed) {
        QCoreApplication::removeTranslator(m_translator.get());
        if (m_qtTranslator)
            QCoreApplication::removeTranslator(m_qtTranslator.get());
        m_qtTranslator.reset();
        m_installed = false;
    }
    m_active = LanguageCode::English;
    m_blockOffset = 0;
    const QList<LanguageEntry> languages = Catalog::builtIn().languages();
    if (language >= 0 && language < languages.size()) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(Catalog::translationFile(languages.at(language).code))) {
            m_active = language;
            m_blockOffset = languages.at(language).blockBase;
            m_translator = std::move(translator);
            m_installed = QCoreApplication::installTranslator(m_translator.get());
            auto qtTranslator = std::make_unique<QTranslator>();
            if (m_installed && qtTranslator->load(u"qtbase_"_s + languages.at(language).code,
                                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                m_qtTranslator = std::move(qtTranslator);
                QCoreApplication::installTranslator(m_qtTranslator.get());
            }
        }
    }
    return m_active;
}

} // namespace L10n
