#include "app/helpdocuments.h"

#include "app/quickstart.h"
#include "l10n/text.h"

#include <QFile>
#include <QList>
#include <QPair>

using namespace Qt::StringLiterals;

namespace App {

namespace {

// Each translation names its own file; one that is not shipped falls back to English.
QString translated(const QString &english, const QString &name)
{
    return QFile::exists(u":/help/"_s + name) ? name : english;
}

} // namespace

QString HelpDocuments::fileName(HelpDocument document)
{
    // The quick start registers the help resources the others are found in.
    const QString quickStart = QuickStart::fileName();
    switch (document) {
    case HelpDocument::QuickStart:
        return quickStart;
    case HelpDocument::Guide:
        return translated(u"guide.html"_s, L10n::text(1740, "guide.html"));
    case HelpDocument::WhatsNew:
        return translated(u"whatsnew.html"_s, L10n::text(1744, "whatsnew.html"));
    case HelpDocument::Contents:
        return translated(u"help.html"_s, L10n::text(1748, "help.html"));
    case HelpDocument::Credits:
        return translated(u"credits.html"_s, L10n::text(1752, "credits.html"));
    }
    return {};
}

QString HelpDocuments::url(HelpDocument document, const QString &section)
{
    return u"qrc:/help/"_s + fileName(document) + (section.isEmpty() ? QString() : u'#' + section);
}

QString HelpDocuments::text(HelpDocument document)
{
    QFile file(u":/help/"_s + fileName(document));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString HelpDocuments::caption(HelpDocument document)
{
    switch (document) {
    case HelpDocument::QuickStart:
        return QuickStart::windowCaption();
    case HelpDocument::Guide:
        return L10n::text(1756, "Mirelto guide");
    case HelpDocument::WhatsNew:
        return L10n::text(1317, "What's new in Mirelto");
    case HelpDocument::Contents:
        return L10n::text(1318, "Mirelto help");
    case HelpDocument::Credits:
        return L10n::text(1319, "Mirelto credits");
    }
    return {};
}

HelpDocument HelpDocuments::documentOf(const QString &fileName)
{
    static const QList<QPair<QString, HelpDocument>> english = {
        {u"guide"_s, HelpDocument::Guide},     {u"whatsnew"_s, HelpDocument::WhatsNew},
        {u"help"_s, HelpDocument::Contents},   {u"credits"_s, HelpDocument::Credits}};
    // The English name, or the English name with "_" and the language's code before ".html".
    const QString base = fileName.section(u'/', -1).section(u'.', 0, 0).section(u'_', 0, 0);
    for (const auto &[name, document] : english) {
        if (name == base)
            return document;
    }
    return HelpDocument::QuickStart;
}

} // namespace App
