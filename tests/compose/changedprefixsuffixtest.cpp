#include "compose/changedprefixsuffix.h"

#include "l10n/language.h"
#include "session/picturesession.h"
#include "session/subjectsource.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Compose;
using Session::PictureSession;

class ChangedPrefixSuffixTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void question_data();
    void question();
    void dutchQuestion();
    void carriesOverToMatchingFollowingRows();
    void noAnswerChangesNothing();
    void nothingToAskWithoutMatchingRows();
    void suffixColumn();

private:
    // Row r gets the marker, free text and prefix given, or stays unselected and empty.
    void setRow(int r, bool selected, const QString &freeText, const QString &prefix, const QString &suffix = {});

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
    Session::NoSubjects m_subjects;
    std::unique_ptr<PictureSession> m_session;
};

void ChangedPrefixSuffixTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = FakeDialogs();
    for (int i = 0; i < 10; ++i)
        QVERIFY(writeFile(m_dir->filePath(u"p%1.jpg"_s.arg(i))));
    m_session = std::make_unique<PictureSession>(m_dialogs, m_subjects);
    m_session->setFolder(m_dir->path(), u"4.4.0.0"_s);
    QVERIFY(m_session->CreateFSGTitle());
    QVERIFY(m_session->FillSGTitle(true));
    QCOMPARE(m_session->rowCount(), 10);
}

void ChangedPrefixSuffixTest::cleanup()
{
    m_session.reset();
    m_dir.reset();
}

void ChangedPrefixSuffixTest::setRow(int r, bool selected, const QString &freeText, const QString &prefix,
                                     const QString &suffix)
{
    Session::PictureRow &row = m_session->rowForChange(r);
    row.marker = selected ? Session::Marker::selected : QString();
    row.freeText = freeText;
    row.prefix = prefix;
    row.suffix = suffix;
}

void ChangedPrefixSuffixTest::question_data()
{
    QTest::addColumn<bool>("prefix");
    QTest::addColumn<QString>("oldText");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<QString>("expected");
    QTest::newRow("texts") << true << u"X"_s << u"Y"_s << u"Change other following 2 occurrence(s) of 'X' into 'Y'?"_s;
    QTest::newRow("empty prefix") << true << QString() << u"Y"_s
                                  << u"Change other following 2 occurrence(s) of empty prefix(es) into 'Y'?"_s;
    QTest::newRow("to an empty suffix") << false << u"q2"_s << QString()
                                        << u"Change other following 2 occurrence(s) of 'q2' into an empty suffix?"_s;
}

void ChangedPrefixSuffixTest::question()
{
    QFETCH(bool, prefix);
    QFETCH(QString, oldText);
    QFETCH(QString, newText);
    QFETCH(QString, expected);
    QCOMPARE(changedPrefixSuffixQuestion(prefix ? PicTextKind::Prefix : PicTextKind::Suffix, 2, oldText, newText),
             expected);
}

void ChangedPrefixSuffixTest::dutchQuestion()
{
    L10n::LanguageSwitch language;
    QCOMPARE(language.apply(L10n::LanguageCode::Dutch, L10n::LanguageCode::English), L10n::LanguageCode::Dutch);
    QCOMPARE(changedPrefixSuffixQuestion(PicTextKind::Prefix, 3, QString(), u"q1"_s),
             u"Ook de volgende 3 keer(en) leeg voorvoegsel wijzigen in 'q1'?"_s);
    QCOMPARE(changedPrefixSuffixQuestion(PicTextKind::Suffix, 1, u"A"_s, QString()),
             u"Ook de volgende 1 keer(en) 'A' wijzigen in een leeg achtervoegsel?"_s);
}

void ChangedPrefixSuffixTest::carriesOverToMatchingFollowingRows()
{
    setRow(1, true, u"Before"_s, u"X"_s);
    setRow(3, true, u"This"_s, u"X"_s);
    setRow(4, true, QString(), u"X"_s);
    setRow(5, true, u"Five"_s, u"X"_s);
    setRow(6, false, u"Six"_s, u"X"_s);
    setRow(7, true, u"Seven"_s, u"x"_s);
    setRow(9, true, u"Nine"_s, u"X"_s);
    m_dialogs.answers.enqueue({0, false});
    QCOMPARE(UpdateChangedPrefixSuffix(*m_session, m_dialogs, PicTextKind::Prefix, 3, u"Y"_s), 2);
    QCOMPARE(m_dialogs.asked.size(), 1);
    QCOMPARE(m_dialogs.asked.at(0).lines,
             QStringList{u"Change other following 2 occurrence(s) of 'X' into 'Y'?"_s});
    QCOMPARE(m_dialogs.asked.at(0).buttons, (QStringList{u"&Yes"_s, u"&No"_s}));

    QCOMPARE(m_session->row(5).prefix, u"Y"_s);
    QCOMPARE(m_session->row(9).prefix, u"Y"_s);
    // The committed row itself is left to the commit; earlier, unselected, textless and
    // differently cased rows keep theirs.
    for (const int r : {1, 3, 4, 6})
        QCOMPARE(m_session->row(r).prefix, u"X"_s);
    QCOMPARE(m_session->row(7).prefix, u"x"_s);

    // The changed rows' records are written.
    const auto contents = m_session->titleFile().readAll();
    QVERIFY(contents);
    QCOMPARE(contents->records.at(5).STPrefix, u"Y"_s);
    QCOMPARE(contents->records.at(9).STPrefix, u"Y"_s);
    QCOMPARE(contents->records.at(3).STPrefix, QString());
}

void ChangedPrefixSuffixTest::noAnswerChangesNothing()
{
    setRow(2, true, u"Two"_s, QString());
    setRow(5, true, u"Five"_s, QString());
    m_dialogs.answers.enqueue({1, false});
    QCOMPARE(UpdateChangedPrefixSuffix(*m_session, m_dialogs, PicTextKind::Prefix, 2, u"New"_s), 0);
    QCOMPARE(m_dialogs.asked.size(), 1);
    QCOMPARE(m_dialogs.asked.at(0).lines.at(0),
             u"Change other following 1 occurrence(s) of empty prefix(es) into 'New'?"_s);
    QVERIFY(m_session->row(5).prefix.isEmpty());
}

void ChangedPrefixSuffixTest::nothingToAskWithoutMatchingRows()
{
    setRow(2, true, u"Two"_s, u"X"_s);
    setRow(5, true, u"Five"_s, u"X"_s);
    // Unchanged text, the last row, a row out of range, no following match.
    QCOMPARE(UpdateChangedPrefixSuffix(*m_session, m_dialogs, PicTextKind::Prefix, 2, u"X"_s), 0);
    QCOMPARE(UpdateChangedPrefixSuffix(*m_session, m_dialogs, PicTextKind::Prefix, 10, u"Z"_s), 0);
    QCOMPARE(UpdateChangedPrefixSuffix(*m_session, m_dialogs, PicTextKind::Prefix, 5, u"Z"_s), 0);
    QVERIFY(m_dialogs.asked.isEmpty());
}

void ChangedPrefixSuffixTest::suffixColumn()
{
    setRow(0, true, u"Zero"_s, u"P"_s, u"S"_s);
    setRow(1, true, u"One"_s, u"P"_s, u"S"_s);
    m_dialogs.answers.enqueue({0, false});
    QCOMPARE(UpdateChangedPrefixSuffix(*m_session, m_dialogs, PicTextKind::Suffix, 0, QString()), 1);
    QCOMPARE(m_dialogs.asked.at(0).lines.at(0),
             u"Change other following 1 occurrence(s) of 'S' into an empty suffix?"_s);
    QVERIFY(m_session->row(1).suffix.isEmpty());
    QCOMPARE(m_session->row(1).prefix, u"P"_s);
}

QTEST_GUILESS_MAIN(ChangedPrefixSuffixTest)
#include "changedprefixsuffixtest.moc"
