#include "l10n/catalog.h"

#include "l10n/text.h"

#include <QTranslator>

using namespace Qt::StringLiterals;

namespace L10n {

Catalog::Catalog(const QStringList &codes)
{
    for (const QString &code : codes) {
        auto translation = std::make_unique<QTranslator>();
        if (!translation->load(translationFile(code)))
            break;
        m_codes.append(code);
        m_translations.push_back(std::move(translation));
    }
}

Catalog::~Catalog() = default;
Catalog::Catalog(Catalog &&) noexcept = default;
Catalog &Catalog::operator=(Catalog &&) noexcept = default;

const Catalog &Catalog::builtIn()
{
    static const Catalog catalog(QString::fromLatin1(MIRELTO_LANGUAGES).split(u','));
    return catalog;
}

QString Catalog::translationFile(const QString &code)
{
    return u":/l10n/mirelto_"_s + code + u".qm"_s;
}

const QTranslator *Catalog::block(int offset) const
{
    if (offset < 1000 || offset % 1000 != 0)
        return nullptr;
    const std::size_t index = std::size_t(offset / 1000 - 1);
    return index < m_translations.size() ? m_translations[index].get() : nullptr;
}

QList<LanguageEntry> Catalog::languages() const
{
    QList<LanguageEntry> list;
    for (int base = 1000; !string(base, 0).isEmpty(); base += 1000)
        list.append({string(base, 0), base, m_codes.at(base / 1000 - 1)});
    return list;
}

QString Catalog::string(int offset, int position) const
{
    const QTranslator *translation = block(offset);
    if (!translation)
        return {};
    return translation->translate("", messageId(position).constData()).left(255);
}

QStringList Catalog::strings(int offset, const QList<int> &positions) const
{
    QStringList list;
    for (const int position : positions) {
        const QString found = string(offset, position);
        if (!found.isEmpty())
            list.append(found);
    }
    return list;
}

} // namespace L10n
