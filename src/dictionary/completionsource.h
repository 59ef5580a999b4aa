#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Dictionary {

// One line of the completion list: an entry's text and the dictionary it came from (the Active
// one is shown in blue, the Static one in black).
struct CompletionLine
{
    QString text;
    bool active = false;

    bool operator==(const CompletionLine &) const = default;
};

// One line of the context panel, with the 0-based starts of the search key's occurrences in its
// comparison key (the same positions as in the text); each occurrence is key-length long.
struct ContextLine
{
    QString text;
    bool active = false;
    QList<int> occurrences;

    bool operator==(const ContextLine &) const = default;
};

// What the context panel shows: its lines and the counts of its status line.
struct ContextHits
{
    QList<ContextLine> lines;
    // Records of the active context table and non-empty picture free texts visited.
    int activeCount = 0;
    // Records of the static context table.
    int staticCount = 0;
};

// The dictionaries as the edit line sees them. The dictionary store implements it; a test of the
// edit line may use a small table of its own.
class CompletionSource
{
public:
    virtual ~CompletionSource() = default;

    // The completion search for search word w (Vulmemo): Active lines first, then Static ones,
    // each in ascending order of comparison key, a case- and accent-insensitive prefix match, equal
    // keys shown once, at most maxHits + 1 lines. Empty for an empty word.
    virtual QList<CompletionLine> completions(const QString &searchWord, int maxHits) const = 0;

    // The context panel's search for a search word: the active context table, then the picture
    // free texts (passing over those already listed and empty ones), then the static context
    // table, at most maxHits lines.
    virtual ContextHits contextHits(const QString &searchWord, const QStringList &pictureFreeTexts,
                                    int maxHits) const = 0;
};

} // namespace Dictionary
