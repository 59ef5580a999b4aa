#include "app/quickstart.h"

#include "l10n/text.h"

#include <QFile>

using namespace Qt::StringLiterals;

static void initHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace App {

QString QuickStart::fileName()
{
    initHelpResources();
    // Each translation names its own help file; one that is not shipped falls back to English.
    const QString translated = L10n::text(1272, "quickstart.html");
    return QFile::exists(u":/help/"_s + translated) ? translated : u"quickstart.html"_s;
}

QString QuickStart::url(const QString &section)
{
    return u"qrc:/help/"_s + fileName() + (section.isEmpty() ? QString() : u'#' + section);
}

QString QuickStart::document()
{
    QFile file(u":/help/"_s + fileName());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString QuickStart::section(WindowRegion region)
{
    switch (region) {
    case WindowRegion::Table:
        return u"list"_s;
    case WindowRegion::SelectionPanel:
        return u"stage1"_s;
    case WindowRegion::Stage2Panel:
        return editingSection();
    case WindowRegion::ElementPanels:
        return u"stage3"_s;
    case WindowRegion::FinalStage:
        return u"final"_s;
    case WindowRegion::Preview:
        return u"preview"_s;
    case WindowRegion::Other:
        break;
    }
    return u"start"_s;
}

QString QuickStart::editingSection()
{
    return u"stage2"_s;
}

QString QuickStart::findReplaceSection()
{
    return u"findreplace"_s;
}

QString QuickStart::dictionarySection()
{
    return u"dictionaries"_s;
}

QString QuickStart::doneSection()
{
    return u"done"_s;
}

QStringList QuickStart::sections()
{
    return {u"start"_s, u"list"_s,  u"stage1"_s,     u"stage2"_s, u"findreplace"_s, u"stage3"_s,
            u"final"_s, u"preview"_s, u"companions"_s, u"saving"_s, dictionarySection(),
            doneSection()};
}

QString QuickStart::windowCaption()
{
    return L10n::text(1022, "Quick start reference");
}

} // namespace App
