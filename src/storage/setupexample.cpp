#include "storage/setupexample.h"

#include "storage/foldername.h"
#include "storage/storagescheme.h"

#include "l10n/text.h"

using namespace Qt::StringLiterals;

namespace Storage {

namespace {

class TreeBuilder
{
public:
    TreeBuilder(const ExampleChoices &choices, const QLocale &locale, QList<ExampleNode> &nodes)
        : m_choices(choices), m_locale(locale), m_nodes(nodes)
    {
    }

    // Adds the levels from position index of code at depth; year and month are those of the
    // folders above (month 0 while there is no month level yet).
    void build(const QString &code, int index, int depth, int year, int month)
    {
        if (index >= code.size()) {
            for (int i = 0; i < 2; ++i)
                m_nodes.append({depth, L10n::text(1278, "Picture %1").arg(++m_pictures), true});
            return;
        }
        switch (code.at(index).unicode()) {
        case u'Y':
            for (int i = 0; i < 2; ++i) {
                m_nodes.append({depth, QString::number(year + i)});
                if (i == 0)
                    build(code, index + 1, depth + 1, year, month);
            }
            return;
        case u'M':
            for (int i = 1; i <= 2; ++i) {
                m_nodes.append({depth, u"%1-%2"_s.arg(year).arg(i, 2, 10, QLatin1Char('0'))});
                if (i == 1)
                    build(code, index + 1, depth + 1, year, i);
            }
            return;
        case u'D':
            for (int i = 1; i <= 2; ++i) {
                const QDate date(year, month > 0 ? month : 1, i);
                QString name = date.toString(u"yyyy-MM-dd"_s);
                if (m_choices.addNameDay)
                    name += u' ' + folderDayName(date, m_choices.abbreviateNameDay, m_locale);
                if (m_choices.promptFolder)
                    name += L10n::text(1279, " <Description>");
                m_nodes.append({depth, name});
                if (i == 1)
                    build(code, index + 1, depth + 1, year, month);
            }
            return;
        case u'S':
            for (int i = 1; i <= 2; ++i) {
                m_nodes.append({depth, L10n::text(1280, "<Subject %1>").arg(i)});
                if (i == 1)
                    build(code, index + 1, depth + 1, year, month);
            }
            // Pictures without a subject follow the scheme without the subject level.
            if (m_choices.subjectOptional)
                build(code, index + 1, depth, year, month);
            return;
        default:
            return;
        }
    }

private:
    const ExampleChoices &m_choices;
    const QLocale &m_locale;
    QList<ExampleNode> &m_nodes;
    int m_pictures = 0;
};

} // namespace

QList<ExampleNode> exampleTree(const QString &root, const ExampleChoices &choices, const QDate &today,
                               const QLocale &locale)
{
    QList<ExampleNode> nodes{{0, root}};
    const QString code = MakePSMScheme(true, false, choices.levels, choices.subjectPosition).PSMAbbr;
    if (code.isEmpty() || code == u"-1"_s)
        return nodes;
    const int firstYear = code.contains(u'Y') ? today.year() - 1 : today.year();
    TreeBuilder(choices, locale, nodes).build(code, 0, 1, firstYear, 0);
    return nodes;
}

} // namespace Storage
