#include "retitle/previewreport.h"

#include "retitle/testpassresult.h"

#include "compose/clockoffset.h"
#include "l10n/text.h"
#include "session/picturerow.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Retitle {

using L10n::text;

namespace {

using Colour = ReportLine::Colour;
using Style = ReportLine::Style;

constexpr int ruleLength = 192;
constexpr int deletionLineLength = 100;

class ReportWriter
{
public:
    ReportWriter(const TestPassResult &pass, const QList<Session::PictureRow> &rows, const ErrorTable &errors,
                 const ReportOptions &options)
        : m_pass(pass), m_rows(rows), m_errors(errors), m_options(options)
    {
    }

    QList<ReportLine> write();

private:
    void line(const QString &text, Colour colour = Colour::Black, Style style = Style::Normal)
    {
        m_lines.append({text, colour, style, false});
    }
    void empty() { line({}); }
    void rule() { line(reportRule()); }
    bool lastIsRule() const { return !m_lines.isEmpty() && m_lines.last().text == reportRule(); }

    void deletionList();
    void clockCorrections();
    // Writes the titles for which matches() holds, per destination folder; heading() before the
    // first. True when a title was written.
    template<typename Matches, typename Heading, typename TitleText>
    bool titleGroup(Matches matches, Heading heading, TitleText titleText);
    void errorGroup(int code);
    void warningGroup(int code);
    QString currentTitle(const Rtitle &title) const { return m_rows.at(title.FinalTitle_Row).currentTitle; }
    // The files that follow the title of record index, by what follows its new base name
    // ("+ .CR2 .CR2.xmp .wav"); empty when none does.
    QString companionsLine(int index) const;

    const TestPassResult &m_pass;
    const QList<Session::PictureRow> &m_rows;
    const ErrorTable &m_errors;
    const ReportOptions &m_options;
    QList<ReportLine> m_lines;
    bool m_nothingToRename = false;
    // The title groups list what follows each title; the warning groups only repeat titles.
    bool m_listCompanions = false;
};

QString ReportWriter::companionsLine(int index) const
{
    if (index < 0 || index >= m_pass.companions.size() || m_pass.companions.at(index).isEmpty())
        return {};
    const QString &title = m_pass.titles.at(index).FinalTitle;
    const qsizetype dot = title.lastIndexOf(u'.');
    const qsizetype base = dot < 0 ? title.size() : dot;
    QString line = u"+"_s;
    for (const Session::Follower &follower : m_pass.companions.at(index))
        line += u' ' + follower.newName(title, m_pass.extensionCase).mid(base);
    return line;
}

QList<ReportLine> ReportWriter::write()
{
    line(text(395, "Test & preview results"), Colour::Black, Style::Bold);
    empty();
    if (m_options.storageAvailable && !m_options.storageActive) {
        line(text(398, "Picture Storage Management is switched off!"), Colour::Red, Style::Bold);
        line(text(399, "Pictures will only be renamed instead of renamed and moved."), Colour::Red, Style::Bold);
        empty();
    }

    if (m_pass.uniqueFolders.isEmpty()) {
        line(text(402, "No additional folders were checked to qualify new picture titles to be unique."), Colour::Blue,
             Style::Bold);
    } else {
        line(text(400, "Folders (and their subfolders) that have been checked to qualify new picture titles to be "
                       "unique (Total: ")
                 + QString::number(m_pass.extendedFolderCount) + text(401, " folders):"),
             Colour::Blue, Style::Bold);
        for (const QString &folder : m_pass.uniqueFolders)
            line(u"   "_s + folder, Colour::Black, Style::Bold);
    }

    empty();
    if (m_pass.syncExtensions.isEmpty()) {
        line(text(404, "No files will be synchronized."), Colour::Blue, Style::Bold);
    } else {
        line(text(403, "Titles of files with the following extensions will be synchronized in the renaming process: "),
             Colour::Blue, Style::Bold);
        QString extensions = u"   "_s;
        for (const QString &extension : m_pass.syncExtensions)
            extensions += u'.' + extension + u"  "_s;
        line(extensions);
    }

    empty();
    if (m_pass.newFolders.isEmpty()) {
        if (m_options.storageActive) {
            line(text(406, "There are no new folders to be created."), Colour::Blue, Style::Bold);
            empty();
        }
    } else {
        line(text(405, "List of new folders that will be created:"), Colour::Blue, Style::Bold);
        for (const QString &folder : m_pass.newFolders)
            line(u"   "_s + folder);
        empty();
    }

    clockCorrections();
    if (m_pass.errorCount == 0)
        line(text(412, "No errors to report."), Colour::Green, Style::Bold);
    else
        line(QString::number(m_pass.errorCount) + text(407, " error(s) reported."), Colour::Red, Style::Bold);
    if (m_pass.warningCount == 0)
        line(text(409, "No warnings issued."), Colour::Green, Style::Bold);
    else
        line(QString::number(m_pass.warningCount) + text(408, " warning(s) issued."), Colour::Green, Style::Bold);
    empty();
    deletionList();
    if (!m_nothingToRename) {
        if (m_pass.errorCount == 0) {
            line(text(411, "Check carefully the created titles before pressing the 'Retitle now' button."),
                 Colour::Black, Style::Bold);
        } else {
            line(text(410, "The errors have to be corrected first before the actual retitling can take place."),
                 Colour::Red, Style::Bold);
        }
        rule();
        for (int code = 0; code <= TitleError::last; ++code)
            errorGroup(code);
    }
    if (m_pass.warningCount > 0) {
        for (int code = 1; code <= lastWarning; ++code)
            warningGroup(code);
    }
    if (m_pass.errorCount == 0 && m_pass.warningCount == 0)
        rule();
    return m_lines;
}

void ReportWriter::clockCorrections()
{
    const QList<ClockCorrection> &corrections = m_options.clockCorrections;
    if (corrections.isEmpty())
        return;
    line(text(1784, "Dates taken corrected for the camera's clock (") + QString::number(corrections.size())
             + text(1786, " picture(s)):"),
         Colour::Blue, Style::Bold);
    for (const ClockCorrection &correction : corrections) {
        const QString moved = text(1788, "taken ") + correction.taken + text(1790, ", camera clock ")
                              + Compose::ClockOffset::text(correction.offset) + u" \u2192 "_s
                              + Compose::ClockOffset::apply(correction.taken, correction.offset);
        m_lines.append({correction.currentTitle + u'\t' + moved, Colour::Black, Style::Normal, true});
    }
    empty();
}

void ReportWriter::deletionList()
{
    QStringList doomed;
    for (const Session::PictureRow &row : m_rows) {
        if (row.isSelected() && row.markedForDeletion)
            doomed.append(row.currentTitle);
    }
    if (doomed.isEmpty())
        return;
    if (m_pass.picturesToRename == 0)
        m_nothingToRename = true;

    const qsizetype count = doomed.size();
    if (count < 2) {
        line(text(783, "The following picture will be deleted"), Colour::Red, Style::Bold);
    } else {
        line(text(781, "The following ") + QString::number(count) + text(782, " pictures will be deleted"), Colour::Red,
             Style::Bold);
    }
    rule();
    QString collected;
    for (qsizetype i = 0; i < count; ++i) {
        collected += (collected.isEmpty() ? QString() : u", "_s) + doomed.at(i);
        if (collected.size() >= deletionLineLength) {
            line(i + 1 < count ? collected + u',' : collected);
            collected.clear();
        }
    }
    if (!collected.isEmpty())
        line(collected);
    empty();
    line(text(784, "* These picture(s) will be deleted after you press the 'Retitle Now' button"), Colour::Black,
         Style::Italic);
    empty();
}

template<typename Matches, typename Heading, typename TitleText>
bool ReportWriter::titleGroup(Matches matches, Heading heading, TitleText titleText)
{
    const QList<int> &order = m_pass.sortedOrder;
    const QList<Rtitle> &titles = m_pass.titles;
    bool written = false;
    for (qsizetype position = 0; position < order.size();) {
        const Rtitle &first = titles.at(order.at(position));
        if (!matches(first)) {
            ++position;
            continue;
        }
        if (!written) {
            heading();
            written = true;
        }
        if (m_options.storageActive) {
            if (!lastIsRule())
                empty();
            line(text(413, "Destination: ") + first.Folder, Colour::Black, Style::Bold);
            empty();
        }
        // The titles of one folder are adjacent in sorted order.
        for (; position < order.size() && titles.at(order.at(position)).Folder_low == first.Folder_low; ++position) {
            const Rtitle &title = titles.at(order.at(position));
            if (!matches(title))
                continue;
            m_lines.append({titleText(title), Colour::Black, Style::Normal, true});
            if (const QString companions = m_listCompanions ? companionsLine(order.at(position)) : QString();
                !companions.isEmpty())
                m_lines.append({u"    "_s + companions, Colour::Black, Style::Normal, true});
        }
    }
    return written;
}

void ReportWriter::errorGroup(int code)
{
    const bool headings = m_pass.errorCount > 0 || m_pass.warningCount > 0;
    m_listCompanions = true;
    const bool written = titleGroup(
        [code](const Rtitle &title) { return title.ErrorCode == code; },
        [this, code, headings] {
            if (!headings)
                return;
            if (code == 0)
                line(text(1118, "No errors found"), Colour::Blue, Style::Bold);
            else
                line(text(422, "Error : ") + m_errors.errors.at(code), Colour::Red, Style::Bold);
            empty();
        },
        [this, code](const Rtitle &title) -> QString {
            QString titleLine = title.FinalTitle;
            if (code == TitleError::syncConflict)
                titleLine += u' ' + title.SyncConflictName;
            if (code == TitleError::throughLink)
                titleLine += text(1726, " (link: ") + title.LinkOnTheWay + u')';
            titleLine += u'\t' + text(414, " Current title: ") + currentTitle(title);
            if (title.WarningCode > 0)
                titleLine += u'\t' + text(415, " Warning issued, see below");
            return titleLine;
        });
    m_listCompanions = false;
    if (written && headings)
        rule();
}

void ReportWriter::warningGroup(int code)
{
    const bool written = titleGroup(
        [code](const Rtitle &title) { return title.WarningCode == code; },
        [this, code] {
            empty();
            line(text(416, "Warning : ") + m_errors.warnings.at(code), Colour::Green, Style::Bold);
            empty();
        },
        [this](const Rtitle &title) -> QString {
            return title.FinalTitle + u'\t' + text(414, " Current title: ") + currentTitle(title);
        });
    if (written)
        rule();
}

} // namespace

QString reportRule()
{
    return QString(ruleLength, QChar(0x00AF));
}

QList<ReportLine> writeReport(const TestPassResult &pass, const QList<Session::PictureRow> &rows,
                              const ErrorTable &errors, const ReportOptions &options)
{
    return ReportWriter(pass, rows, errors, options).write();
}

} // namespace Retitle
