#pragma once

#include <QTranslator>

namespace L10n {

class Catalog;

// Answers QCoreApplication::translate() from the catalog: the disambiguation of a text carries
// its text position, and the translation is the catalog text at block offset + position.
class Translator final : public QTranslator
{
public:
    Translator(const Catalog &catalog, int blockOffset) : m_catalog(catalog), m_blockOffset(blockOffset) {}

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    const Catalog &m_catalog;
    int m_blockOffset;
};

} // namespace L10n
