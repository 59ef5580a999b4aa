#include "l10n/catalog.h"

#include <QFile>

using namespace Qt::StringLiterals;

static void initL10nResources()
{
    Q_INIT_RESOURCE(l10n);
}

namespace L10n {

const Catalog &Catalog::builtIn()
{
    static const Catalog catalog = [] {
        initL10nResources();
        QFile file(u":/l10n/dutch.tsv"_s);
        if (!file.open(QIODevice::ReadOnly))
            return Catalog();
        return fromTable(file.readAll());
    }();
    return catalog;
}

Catalog Catalog::fromTable(const QByteArray &table)
{
    Catalog catalog;
    for (const QByteArray &line : table.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype tab = line.indexOf('\t');
        if (tab <= 0)
            continue;
        bool ok = false;
        const int id = line.left(tab).toInt(&ok);
        if (!ok)
            continue;
        QString text = QString::fromUtf8(line.mid(tab + 1));
        if (text.endsWith(u'\r'))
            text.chop(1);
        text.replace(u"\\n"_s, u"\n"_s).replace(u"\\t"_s, u"\t"_s);
        catalog.m_texts.insert(id, text);
    }
    return catalog;
}

QString Catalog::text(int id) const
{
    return m_texts.value(id).left(255);
}

QList<LanguageEntry> Catalog::languages() const
{
    QList<LanguageEntry> list;
    for (int base = 1000; contains(base); base += 1000)
        list.append({text(base), base});
    return list;
}

QString Catalog::string(int offset, int position) const
{
    return text(offset + position);
}

QStringList Catalog::strings(int offset, const QList<int> &positions) const
{
    QStringList list;
    for (const int position : positions) {
        if (contains(offset + position))
            list.append(text(offset + position));
    }
    return list;
}

} // namespace L10n
