#pragma once

#include "dictionary/completionsource.h"
#include "dictionary/editlinehost.h"
#include "dictionary/texthelpers.h"

#include <QStringList>

#include <algorithm>
#include <functional>

// Two sorted entry tables searched by the rules of the store: a case- and accent-insensitive
// prefix match on comparison keys, Active lines first, equal keys once, at most maxHits + 1.
class FakeCompletionSource final : public Dictionary::CompletionSource
{
public:
    QStringList active;
    QStringList statics;
    QStringList activeContext;
    QStringList staticContext;

    static QString key(const QString &text) { return Dictionary::FoldText(text.toLower()); }

    QList<Dictionary::CompletionLine> completions(const QString &searchWord, int maxHits) const override
    {
        QList<Dictionary::CompletionLine> lines;
        if (searchWord.isEmpty())
            return lines;
        const QString wanted = Dictionary::FoldEdgeLetter(key(searchWord), Dictionary::Edge::First);
        QString previous;
        for (const QStringList *table : {&active, &statics}) {
            QStringList sorted = *table;
            std::stable_sort(sorted.begin(), sorted.end(),
                             [](const QString &a, const QString &b) { return key(a) < key(b); });
            for (const QString &entry : sorted) {
                if (lines.size() > maxHits)
                    break;
                const QString entryKey = key(entry);
                const QString prefix = entryKey.left(wanted.size());
                if (prefix > wanted)
                    break;
                if (prefix == wanted && entryKey != previous) {
                    previous = entryKey;
                    lines.append({entry, table == &active});
                }
            }
        }
        return lines;
    }

    Dictionary::ContextHits contextHits(const QString &searchWord, const QStringList &pictureFreeTexts,
                                        int maxHits) const override
    {
        Dictionary::ContextHits hits;
        const QString wanted = key(searchWord);
        auto take = [&](const QString &text, bool isActive) {
            const QList<int> at = Dictionary::FindAllOccurrences(key(text), wanted);
            if (!at.isEmpty())
                hits.lines.append({text, isActive, at});
        };
        for (const QString &text : activeContext) {
            if (hits.lines.size() >= maxHits)
                break;
            ++hits.activeCount;
            take(text, true);
        }
        for (const QString &text : pictureFreeTexts) {
            if (hits.lines.size() >= maxHits)
                break;
            const bool listed = std::any_of(hits.lines.cbegin(), hits.lines.cend(),
                                            [&text](const Dictionary::ContextLine &line) { return line.text == text; });
            if (listed || text.isEmpty())
                continue;
            ++hits.activeCount;
            take(text, true);
        }
        for (const QString &text : staticContext) {
            if (hits.lines.size() >= maxHits)
                break;
            take(text, false);
        }
        hits.staticCount = int(staticContext.size());
        return hits;
    }
};

// Records what the line asks of the stage-2 editor.
class FakeEditLineHost final : public Dictionary::EditLineHost
{
public:
    void ConfirmAndAdvance() override
    {
        confirmed.append(confirmedText ? confirmedText() : QString());
        if (onConfirm)
            onConfirm();
    }
    void GoBack() override { ++wentBack; }
    void quitEditing() override { ++quit; }
    bool allPicturesMode() const override { return allPictures; }
    QString previousFreeText() const override { return previous; }
    QStringList pictureFreeTexts() const override { return freeTexts; }
    bool subjectListShown() const override { return subjectList; }
    void focusSubjectList() override { ++subjectFocused; }
    void nothingToAddChanged(bool nothingToAdd) override { flags.append(nothingToAdd); }

    QStringList confirmed;
    std::function<QString()> confirmedText;
    std::function<void()> onConfirm;
    int wentBack = 0;
    int quit = 0;
    bool allPictures = true;
    QString previous;
    QStringList freeTexts;
    bool subjectList = false;
    int subjectFocused = 0;
    QList<bool> flags;
};
