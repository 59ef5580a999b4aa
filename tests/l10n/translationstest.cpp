#include "l10n/catalog.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

struct UsedText
{
    int position = -1;
    QString english;
    QString file;
};

// The text a C string literal as written stands for (the escapes the sources use).
QString unescaped(const QString &written)
{
    QString text;
    for (qsizetype i = 0; i < written.size(); ++i) {
        if (written.at(i) != u'\\' || i + 1 == written.size()) {
            text.append(written.at(i));
            continue;
        }
        const QChar code = written.at(++i);
        text.append(code == u'n' ? u'\n' : code == u't' ? u'\t' : code == u'r' ? u'\r' : code);
    }
    return text;
}

// Every text call in the program's sources: text(position, "English" "more") or text("English").
QList<UsedText> usedTexts()
{
    static const QRegularExpression call(uR"re(\btext\(\s*(?:(\d+)\s*,\s*)?((?:"(?:[^"\\\n]|\\.)*"\s*)+)\))re"_s);
    static const QRegularExpression literal(uR"re("((?:[^"\\\n]|\\.)*)")re"_s);
    QList<UsedText> found;
    QDirIterator files(qEnvironmentVariable("MIRELTO_SOURCE_DIR") + u"/src"_s, {u"*.cpp"_s, u"*.h"_s}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString source = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch &match : call.globalMatch(source)) {
            QString english;
            for (const QRegularExpressionMatch &part : literal.globalMatch(match.captured(2)))
                english += part.captured(1);
            found.append({match.hasCaptured(1) ? match.captured(1).toInt() : -1, unescaped(english), file.fileName()});
        }
    }
    return found;
}

// The letter after a single '&', none when the text has no access key ("Test & preview" has none).
QChar accessKey(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) == u'&' && caption.at(i + 1).isLetterOrNumber())
            return caption.at(i + 1);
        if (caption.at(i) == u'&')
            ++i;
    }
    return {};
}

// What a translation must keep of its English text: the places where values are inserted, whether
// it has an access key, and the spaces and line breaks it is joined to other texts with.
QStringList shape(const QString &text)
{
    static const QRegularExpression placeholder(u"%\\d"_s);
    QStringList places;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        places.append(match.captured());
    places.sort();
    const auto edge = [](QChar c) { return c.isSpace() ? QString(c) : QString(); };
    return {places.join(u','), accessKey(text).isNull() ? u"no key"_s : u"key"_s,
            text.isEmpty() ? QString() : edge(text.front()), text.isEmpty() ? QString() : edge(text.back())};
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyTextHasItsOwnPosition();
    void everyTextHasATranslation_data();
    void everyTextHasATranslation();
    void cancelIsOneWordInDutch();

private:
    QList<UsedText> m_texts;
};

void TranslationsTest::initTestCase()
{
    m_texts = usedTexts();
    // The sources are there: a wrong folder must not pass as "nothing to translate".
    QVERIFY(m_texts.size() > 700);
}

void TranslationsTest::everyTextHasItsOwnPosition()
{
    QStringList problems;
    QHash<int, UsedText> byPosition;
    for (const UsedText &used : std::as_const(m_texts)) {
        if (used.position < 0) {
            problems.append(used.file + u": no position for \""_s + used.english + u'"');
            continue;
        }
        const auto known = byPosition.constFind(used.position);
        if (known != byPosition.cend() && known->english != used.english)
            problems.append(u"position %1 is \"%2\" in %3 and \"%4\" in %5"_s.arg(used.position)
                                .arg(known->english, known->file, used.english, used.file));
        byPosition.insert(used.position, used);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(u"Run scripts/update-translations:\n"_s + problems.join(u'\n')));
}

void TranslationsTest::everyTextHasATranslation_data()
{
    QTest::addColumn<QString>("code");
    for (const L10n::LanguageEntry &language : L10n::Catalog::builtIn().languages())
        QTest::newRow(qPrintable(language.name)) << language.code;
}

void TranslationsTest::everyTextHasATranslation()
{
    QFETCH(QString, code);
    QTranslator translation;
    QVERIFY(translation.load(L10n::Catalog::translationFile(code)));
    QStringList problems;
    QSet<int> checked;
    for (const UsedText &used : std::as_const(m_texts)) {
        if (used.position < 0 || checked.contains(used.position))
            continue;
        checked.insert(used.position);
        const QByteArray id = "text-" + QByteArray::number(used.position);
        const QString translated = translation.translate("", id.constData());
        const QString what = u"text-%1 \"%2\""_s.arg(used.position).arg(used.english);
        if (translated.isEmpty())
            problems.append(what + u": no translation"_s);
        else if (shape(translated) != shape(used.english))
            problems.append(what + u": \""_s + translated + u"\" differs in " + shape(used.english).join(u'|')
                            + u" / "_s + shape(translated).join(u'|'));
        // A resource text is cut at 255 characters when read.
        else if (translated.size() > 255)
            problems.append(what + u": longer than 255 characters"_s);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(u"%1 problem(s); scripts/update-translations lists untranslated texts:\n"_s
                                                .arg(problems.size())
                                            + problems.join(u'\n')));
}

// Every "Cancel", on a button or in a sentence, is the same Dutch word.
void TranslationsTest::cancelIsOneWordInDutch()
{
    QTranslator translation;
    QVERIFY(translation.load(L10n::Catalog::translationFile(u"nl"_s)));
    static const QRegularExpression cancel(u"\\bCancel\\b"_s);
    QStringList problems;
    int cancels = 0;
    for (const UsedText &used : std::as_const(m_texts)) {
        const QByteArray id = "text-" + QByteArray::number(used.position);
        const QString translated = QString(translation.translate("", id.constData())).remove(u'&');
        if (translated.contains(u"Annuleren"_s, Qt::CaseInsensitive))
            problems.append(translated);
        if (QString(used.english).remove(u'&').contains(cancel)) {
            ++cancels;
            if (!translated.contains(u"Annuleer"_s, Qt::CaseInsensitive))
                problems.append(used.english + u" / "_s + translated);
        }
    }
    QVERIFY(cancels >= 2);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "translationstest.moc"
