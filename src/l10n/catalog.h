#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

namespace L10n {

struct LanguageEntry
{
    QString name;
    // The resource id where the language's texts start: 1000 for the first, 2000 for the next.
    int blockBase = 0;
    // The language's code in the name of its translation file ("nl").
    QString code;
};

// The translations compiled into the program, addressed as a string resource: a language's
// block starts at a multiple of 1000, where its name stands, and each of its texts is found by
// the block base and the text's position.
class Catalog final
{
public:
    // Reads the translation files of codes, in language order; a code without a file ends the list.
    explicit Catalog(const QStringList &codes);
    ~Catalog();
    Catalog(Catalog &&) noexcept;
    Catalog &operator=(Catalog &&) noexcept;

    // The translations built into the program.
    static const Catalog &builtIn();
    // The resource holding the compiled translation of a language code.
    static QString translationFile(const QString &code);

    // GetLanguages: every language with a name, in order.
    QList<LanguageEntry> languages() const;
    // GetString: the text at offset + position, cut to 255 characters as every resource text is
    // when read; empty when there is none.
    QString string(int offset, int position) const;
    // GetStrings: the texts of the positions that exist, in the order given; missing ones are skipped.
    QStringList strings(int offset, const QList<int> &positions) const;

private:
    // The translation of the block at offset, null for none.
    const QTranslator *block(int offset) const;

    QStringList m_codes;
    std::vector<std::unique_ptr<QTranslator>> m_translations;
};

} // namespace L10n
