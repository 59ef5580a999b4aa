#include "retitle/previewreport.h"

#include "retitle/testpassresult.h"

#include "l10n/language.h"
#include "session/picturerow.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Retitle;

using Colour = ReportLine::Colour;
using Style = ReportLine::Style;

namespace QTest {
template<>
char *toString(const ReportLine &line)
{
    return qstrdup(QByteArray(line.text.toUtf8() + " [" + QByteArray::number(int(line.colour)) + "/"
                              + QByteArray::number(int(line.style)) + (line.isTitle ? "/title]" : "]"))
                       .constData());
}
} // namespace QTest

namespace {

ReportLine plain(const QString &text, Colour colour = Colour::Black, Style style = Style::Normal)
{
    return {text, colour, style, false};
}

ReportLine title(const QString &text)
{
    return {text, Colour::Black, Style::Normal, true};
}

ReportLine rule()
{
    return plain(reportRule());
}

} // namespace

class PreviewReportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void noErrorNoWarning();
    void warningsOnly();
    void errorsWithTheirHeadingsAndConflicts();
    void titlesOfOneDestinationStayTogether();
    void widenedChecksSyncAndStorage();
    void longDeletionListRunsOverSeveralLines();
    void onlyDeletions();
    void dutch();

private:
    // A picture of the table with its new title in folder; returns its record's index.
    int addTitle(const QString &current, const QString &newTitle, int error = 0, int warning = 0,
                 const QString &folder = u"/p"_s);
    void sortByFolder();
    QList<ReportLine> report(const ReportOptions &options = {}) const;

    TestPassResult m_pass;
    QList<Session::PictureRow> m_rows;
    ErrorTable m_errors;
};

void PreviewReportTest::init()
{
    m_pass = {};
    m_rows.clear();
    m_errors = FillErrorTable();
}

int PreviewReportTest::addTitle(const QString &current, const QString &newTitle, int error, int warning,
                                const QString &folder)
{
    Session::PictureRow row;
    row.currentTitle = current;
    row.marker = Session::Marker::selected;
    m_rows.append(row);
    Rtitle rec;
    rec.FinalTitle = newTitle;
    rec.FinalTitle_low = newTitle.toLower();
    rec.Folder = folder;
    rec.Folder_low = folder.toLower();
    rec.FinalTitle_Row = int(m_rows.size() - 1);
    rec.ErrorCode = error;
    rec.WarningCode = warning;
    m_pass.titles.append(rec);
    m_pass.errorCount += error ? 1 : 0;
    m_pass.warningCount += warning ? 1 : 0;
    m_pass.picturesToRename = int(m_pass.titles.size());
    return int(m_pass.titles.size() - 1);
}

void PreviewReportTest::sortByFolder()
{
    QList<int> order;
    for (int i = 0; i < m_pass.titles.size(); ++i)
        order.append(i);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        const Rtitle &x = m_pass.titles.at(a);
        const Rtitle &y = m_pass.titles.at(b);
        return x.Folder_low != y.Folder_low ? x.Folder_low < y.Folder_low : x.FinalTitle_low < y.FinalTitle_low;
    });
    m_pass.sortedOrder = order;
}

QList<ReportLine> PreviewReportTest::report(const ReportOptions &options) const
{
    return writeReport(m_pass, m_rows, m_errors, options);
}

void PreviewReportTest::noErrorNoWarning()
{
    addTitle(u"IMG_2.jpg"_s, u"Dunes.jpg"_s);
    addTitle(u"IMG_1.jpg"_s, u"Beach.jpg"_s);
    sortByFolder();

    const QList<ReportLine> expected{
        plain(u"Test & preview results"_s, Colour::Black, Style::Bold),
        plain({}),
        plain(u"No additional folders were checked to qualify new picture titles to be unique."_s, Colour::Blue,
              Style::Bold),
        plain({}),
        plain(u"No files will be synchronized."_s, Colour::Blue, Style::Bold),
        plain({}),
        plain(u"No errors to report."_s, Colour::Green, Style::Bold),
        plain(u"No warnings issued."_s, Colour::Green, Style::Bold),
        plain({}),
        plain(u"Check carefully the created titles before pressing the 'Retitle now' button."_s, Colour::Black,
              Style::Bold),
        rule(),
        title(u"Beach.jpg\t Current title: IMG_1.jpg"_s),
        title(u"Dunes.jpg\t Current title: IMG_2.jpg"_s),
        rule(),
    };
    QCOMPARE(report(), expected);
    QCOMPARE(reportRule().size(), 192);
    QCOMPARE(reportRule().at(0), QChar(0x00AF));
}

void PreviewReportTest::warningsOnly()
{
    addTitle(u"IMG_1.jpg"_s, u"Beach.jpg"_s, 0, 4);
    addTitle(u"IMG_2.jpg"_s, u"Dunes.jpg"_s);
    sortByFolder();

    const QList<ReportLine> lines = report();
    const QList<ReportLine> tail = lines.mid(lines.indexOf(plain(u"1 warning(s) issued."_s, Colour::Green, Style::Bold)));
    const QList<ReportLine> expected{
        plain(u"1 warning(s) issued."_s, Colour::Green, Style::Bold),
        plain({}),
        plain(u"Check carefully the created titles before pressing the 'Retitle now' button."_s, Colour::Black,
              Style::Bold),
        rule(),
        plain(u"No errors found"_s, Colour::Blue, Style::Bold),
        plain({}),
        title(u"Beach.jpg\t Current title: IMG_1.jpg\t Warning issued, see below"_s),
        title(u"Dunes.jpg\t Current title: IMG_2.jpg"_s),
        rule(),
        plain({}),
        plain(u"Warning : Picture date/time taken could not be determined, file date/time is used instead"_s,
              Colour::Green, Style::Bold),
        plain({}),
        title(u"Beach.jpg\t Current title: IMG_1.jpg"_s),
        rule(),
    };
    QCOMPARE(tail, expected);
}

void PreviewReportTest::errorsWithTheirHeadingsAndConflicts()
{
    const int conflict = addTitle(u"IMG_1.jpg"_s, u"Beach.jpg"_s, 6);
    m_pass.titles[conflict].SyncConflictName = u"(File to be synchronized 'IMG_1.wav', might belong to 'IMG_1.png')"_s;
    addTitle(u"IMG_2.jpg"_s, u"Dunes.jpg"_s, 2);
    addTitle(u"IMG_3.jpg"_s, u"Dunes.jpg"_s, 3);
    addTitle(u"IMG_4.jpg"_s, u"Forest.jpg"_s);
    sortByFolder();

    const QList<ReportLine> lines = report();
    QVERIFY(lines.contains(plain(u"3 error(s) reported."_s, Colour::Red, Style::Bold)));
    const int start = int(lines.indexOf(
        plain(u"The errors have to be corrected first before the actual retitling can take place."_s, Colour::Red,
              Style::Bold)));
    QVERIFY(start > 0);
    const QList<ReportLine> expected{
        rule(),
        plain(u"No errors found"_s, Colour::Blue, Style::Bold),
        plain({}),
        title(u"Forest.jpg\t Current title: IMG_4.jpg"_s),
        rule(),
        plain(u"Error : "_s + m_errors.errors[2], Colour::Red, Style::Bold),
        plain({}),
        title(u"Dunes.jpg\t Current title: IMG_2.jpg"_s),
        rule(),
        plain(u"Error : "_s + m_errors.errors[3], Colour::Red, Style::Bold),
        plain({}),
        title(u"Dunes.jpg\t Current title: IMG_3.jpg"_s),
        rule(),
        plain(u"Error : Cannot determine which file, a file to be synchronized belongs to"_s, Colour::Red, Style::Bold),
        plain({}),
        title(u"Beach.jpg (File to be synchronized 'IMG_1.wav', might belong to 'IMG_1.png')\t Current title: IMG_1.jpg"_s),
        rule(),
    };
    QCOMPARE(lines.mid(start + 1), expected);
}

void PreviewReportTest::titlesOfOneDestinationStayTogether()
{
    addTitle(u"IMG_1.jpg"_s, u"Beach.jpg"_s, 0, 0, u"/store/2023/Beach"_s);
    addTitle(u"IMG_2.jpg"_s, u"Forest.jpg"_s, 0, 0, u"/store/2022/Forest"_s);
    addTitle(u"IMG_9.jpg"_s, u"Beach 2.jpg"_s, 0, 0, u"/store/2023/Beach"_s);
    sortByFolder();
    ReportOptions options;
    options.storageActive = true;

    const QList<ReportLine> lines = report(options);
    const int start = int(lines.indexOf(rule()));
    const QList<ReportLine> expected{
        rule(),
        plain(u"Destination: /store/2022/Forest"_s, Colour::Black, Style::Bold),
        plain({}),
        title(u"Forest.jpg\t Current title: IMG_2.jpg"_s),
        plain({}),
        plain(u"Destination: /store/2023/Beach"_s, Colour::Black, Style::Bold),
        plain({}),
        title(u"Beach 2.jpg\t Current title: IMG_9.jpg"_s),
        title(u"Beach.jpg\t Current title: IMG_1.jpg"_s),
        rule(),
    };
    QCOMPARE(lines.mid(start), expected);
    QVERIFY(lines.contains(plain(u"There are no new folders to be created."_s, Colour::Blue, Style::Bold)));
}

void PreviewReportTest::widenedChecksSyncAndStorage()
{
    addTitle(u"IMG_1.jpg"_s, u"Beach.jpg"_s);
    sortByFolder();
    m_pass.uniqueFolders = {u"/archive"_s, u"/card"_s};
    m_pass.extendedFolderCount = 17;
    m_pass.syncExtensions = {u"wav"_s, u"mov"_s, u"xmp"_s};
    m_pass.newFolders = {u"/store/2023"_s, u"/store/2023/Beach"_s};
    ReportOptions options;
    options.storageAvailable = true;

    const QList<ReportLine> expected{
        plain(u"Test & preview results"_s, Colour::Black, Style::Bold),
        plain({}),
        plain(u"Picture Storage Management is switched off!"_s, Colour::Red, Style::Bold),
        plain(u"Pictures will only be renamed instead of renamed and moved."_s, Colour::Red, Style::Bold),
        plain({}),
        plain(u"Folders (and their subfolders) that have been checked to qualify new picture titles to be unique "
              "(Total: 17 folders):"_s,
              Colour::Blue, Style::Bold),
        plain(u"   /archive"_s, Colour::Black, Style::Bold),
        plain(u"   /card"_s, Colour::Black, Style::Bold),
        plain({}),
        plain(u"Titles of files with the following extensions will be synchronized in the renaming process: "_s,
              Colour::Blue, Style::Bold),
        plain(u"   .wav  .mov  .xmp  "_s),
        plain({}),
        plain(u"List of new folders that will be created:"_s, Colour::Blue, Style::Bold),
        plain(u"   /store/2023"_s),
        plain(u"   /store/2023/Beach"_s),
        plain({}),
        plain(u"No errors to report."_s, Colour::Green, Style::Bold),
    };
    QCOMPARE(report(options).mid(0, expected.size()), expected);
}

void PreviewReportTest::longDeletionListRunsOverSeveralLines()
{
    addTitle(u"IMG_1.jpg"_s, u"Beach.jpg"_s);
    sortByFolder();
    QStringList doomed;
    for (int i = 0; i < 30; ++i) {
        Session::PictureRow row;
        row.currentTitle = u"A rather long picture name number %1.jpg"_s.arg(i);
        row.marker = Session::Marker::selected;
        row.markedForDeletion = true;
        m_rows.append(row);
        doomed.append(row.currentTitle);
    }

    const QList<ReportLine> lines = report();
    const int heading =
        int(lines.indexOf(plain(u"The following 30 pictures will be deleted"_s, Colour::Red, Style::Bold)));
    QVERIFY(heading > 0);
    QCOMPARE(lines.at(heading + 1), rule());
    QStringList listed;
    int line = heading + 2;
    for (; !lines.at(line).text.isEmpty(); ++line)
        listed.append(lines.at(line).text);
    QVERIFY(listed.size() > 3);
    for (int i = 0; i < listed.size() - 1; ++i) {
        QVERIFY(listed.at(i).endsWith(u','));
        QVERIFY(listed.at(i).size() >= 100);
    }
    QVERIFY(!listed.last().endsWith(u','));
    QCOMPARE(listed.join(u' '), doomed.join(u", "_s));
    QCOMPARE(lines.at(line + 1),
             plain(u"* These picture(s) will be deleted after you press the 'Retitle Now' button"_s, Colour::Black,
                   Style::Italic));
}

void PreviewReportTest::onlyDeletions()
{
    Session::PictureRow row;
    row.currentTitle = u"IMG_1.jpg"_s;
    row.marker = Session::Marker::selected;
    row.markedForDeletion = true;
    m_rows.append(row);

    const QList<ReportLine> lines = report();
    const QList<ReportLine> expected{
        plain(u"No errors to report."_s, Colour::Green, Style::Bold),
        plain(u"No warnings issued."_s, Colour::Green, Style::Bold),
        plain({}),
        plain(u"The following picture will be deleted"_s, Colour::Red, Style::Bold),
        rule(),
        plain(u"IMG_1.jpg"_s),
        plain({}),
        plain(u"* These picture(s) will be deleted after you press the 'Retitle Now' button"_s, Colour::Black,
              Style::Italic),
        plain({}),
        rule(),
    };
    QCOMPARE(lines.mid(lines.size() - expected.size()), expected);
    QCOMPARE(lines.size(), 6 + expected.size());
}

void PreviewReportTest::dutch()
{
    L10n::LanguageSwitch language;
    language.apply(L10n::LanguageCode::Dutch, L10n::LanguageCode::Dutch);
    m_errors = FillErrorTable();
    addTitle(u"IMG_1.jpg"_s, u"Beach.jpg"_s, 5);
    sortByFolder();
    const QList<ReportLine> lines = report();
    language.apply(L10n::LanguageCode::English, L10n::LanguageCode::English);

    QCOMPARE(lines.first().text, u"Test- en voorbeeldresultaten"_s);
    QVERIFY(lines.contains(plain(u"1 fout(en) gemeld."_s, Colour::Red, Style::Bold)));
    QVERIFY(lines.contains(plain(u"Fout : Titel mag niet leeg zijn"_s, Colour::Red, Style::Bold)));
    QVERIFY(lines.contains(title(u"Beach.jpg\t Huidige titel: IMG_1.jpg"_s)));
}

QTEST_GUILESS_MAIN(PreviewReportTest)
#include "previewreporttest.moc"
