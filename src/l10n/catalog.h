#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace L10n {

struct LanguageEntry
{
    QString name;
    int blockBase = 0;
};

// The program's table of translated texts, addressed by resource id: a language's block starts
// at a multiple of 1000 holding its name, and its texts follow at block base + text position.
class Catalog final
{
public:
    // The table compiled into the program.
    static const Catalog &builtIn();
    // Parses "id<TAB>text" lines; "#" starts a comment line, "\n" and "\t" are escapes.
    static Catalog fromTable(const QByteArray &table);

    bool contains(int id) const { return m_texts.contains(id); }
    // Cut to 255 characters, as every resource text is when read.
    QString text(int id) const;

    QList<LanguageEntry> languages() const;
    // The text at offset + position, empty when there is none.
    QString string(int offset, int position) const;
    // The texts of the positions that exist, in the order given.
    QStringList strings(int offset, const QList<int> &positions) const;

private:
    QHash<int, QString> m_texts;
};

} // namespace L10n
