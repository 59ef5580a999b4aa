#include "storage/folderproposal.h"

#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Storage {

namespace {

bool isStripped(QChar c)
{
    return c == u'.' || c == u',' || c == u';' || c == u':' || c == u' ';
}

QChar plainLetter(QChar c)
{
    const QChar lower = c.toLower();
    static const QString from = u"áàäâåéèëêíìïîóòöôøúùüûñç"_s;
    static const QString to = u"aaaaaeeeeiiiiooooouuuunc"_s;
    const qsizetype at = from.indexOf(lower);
    return at < 0 ? lower : to.at(at);
}

bool isPlainLetter(QChar c)
{
    return c >= u'a' && c <= u'z';
}

} // namespace

QList<WoordStripRec> countWords(const QStringList &lines, int minChar, bool filterDigit)
{
    QList<WoordStripRec> words;
    QHash<QString, qsizetype> byLower;
    // Reused for every word: most words are looked up without allocating anything.
    QString lower;
    for (const QString &line : lines) {
        const QStringView text(line);
        qsizetype at = 0;
        while (at < text.size()) {
            while (at < text.size() && text.at(at) == u' ')
                ++at;
            qsizetype begin = at;
            while (at < text.size() && text.at(at) != u' ')
                ++at;
            qsizetype end = at;
            while (begin < end && isStripped(text.at(begin)))
                ++begin;
            while (end > begin && isStripped(text.at(end - 1)))
                --end;
            if (filterDigit) {
                while (end > begin && !isPlainLetter(plainLetter(text.at(end - 1))))
                    --end;
            }
            if (end == begin || end - begin < minChar)
                continue;
            const QStringView word = text.sliced(begin, end - begin);
            lower.resize(word.size());
            bool ascii = true;
            for (qsizetype i = 0; ascii && i < word.size(); ++i) {
                const char16_t c = word.at(i).unicode();
                ascii = c < 0x80;
                lower[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c);
            }
            if (!ascii)
                lower = word.toString().toLower();
            const bool startsLower = isPlainLetter(word.at(0));
            const auto found = byLower.constFind(lower);
            if (found == byLower.cend()) {
                byLower.insert(lower, words.size());
                words.append({word.toString(), lower, 1, startsLower ? 0 : 1, startsLower ? 1 : 0});
                continue;
            }
            WoordStripRec &counted = words[*found];
            ++counted.WoordOccurs;
            ++(startsLower ? counted.LowerOccurs : counted.UpperOccurs);
        }
    }
    std::stable_sort(words.begin(), words.end(),
                     [](const WoordStripRec &a, const WoordStripRec &b) { return a.WoordOccurs > b.WoordOccurs; });
    return words;
}

QList<PicPrefSufRec> countAffixes(const QStringList &affixes)
{
    QList<PicPrefSufRec> counted;
    QHash<QString, qsizetype> byText;
    for (const QString &affix : affixes) {
        if (affix.isEmpty())
            continue;
        const auto found = byText.constFind(affix);
        if (found != byText.cend()) {
            ++counted[*found].occurs;
            continue;
        }
        byText.insert(affix, counted.size());
        counted.append({affix, 1});
    }
    std::stable_sort(counted.begin(), counted.end(),
                     [](const PicPrefSufRec &a, const PicPrefSufRec &b) { return a.occurs > b.occurs; });
    return counted;
}

QString topWords(const QList<WoordStripRec> &words)
{
    QStringList top;
    for (qsizetype i = 0; i < words.size() && i < 5; ++i) {
        const WoordStripRec &word = words.at(i);
        QString written = word.Woord;
        written[0] = word.LowerOccurs > word.UpperOccurs ? written.at(0).toLower() : written.at(0).toUpper();
        top.append(written);
    }
    return top.join(u", "_s);
}

QString proposeFolderDescription(const FolderProposalInput &input)
{
    QStringList affixes;
    if (input.usePrefix)
        affixes.append(input.prefix.trimmed());
    if (input.useSuffix)
        affixes.append(input.suffix.trimmed());
    for (const PicPrefSufRec &affix : countAffixes(input.pictureAffixes))
        affixes.append(affix.PicPrefSuf);
    affixes.removeAll(QString());
    const QString affixPart = affixes.join(u',');
    const QString wordPart =
        input.wordsEnabled ? topWords(countWords(input.freeTexts, input.minChar, input.filterDigit)) : QString();
    if (!affixPart.isEmpty() && !wordPart.isEmpty())
        return affixPart + u',' + wordPart;
    return affixPart + wordPart;
}

} // namespace Storage
