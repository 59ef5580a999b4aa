#include "compose/numbersettingsmodel.h"

#include "compose/titlesettingsmodel.h"
#include "settings/sessionsettings.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Compose;
using Settings::SessionSettingsRec;

class NumberSettingsModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void sourcesExcludeEachOther();
    void startInput_data();
    void startInput();
    void leavingStoresTheCounterWhenItFits();
    void numberWillFit();
    void counterAfterRetitle_data();
    void counterAfterRetitle();
    void extractionLeavesTheStartValue();

private:
    SessionSettingsRec storedFolder() const { return SessionSettingsRec::fromBytes(readFile(m_settings->folderFile())); }
    SessionSettingsRec storedWork() const
    {
        return SessionSettingsRec::fromBytes(readFile(m_settings->workFolderFile()));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings::SessionSettings> m_settings;
    std::unique_ptr<TitleSettingsModel> m_title;
    std::unique_ptr<NumberSettingsModel> m_model;
    FakeDialogs m_dialogs;
};

void NumberSettingsModelTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = FakeDialogs();
    m_settings = std::make_unique<Settings::SessionSettings>(m_dir->filePath(u"work.dat"_s),
                                                             m_dir->filePath(u"folder.dat"_s));
    QVERIFY(m_settings->InitFSession({}, false));
    QVERIFY(m_settings->InitFSession_Local({}, false, false, QDateTime(QDate(2024, 1, 1), QTime(12, 0))));
    m_title = std::make_unique<TitleSettingsModel>(*m_settings, m_dialogs, nullptr);
    m_model = std::make_unique<NumberSettingsModel>(*m_settings, m_dialogs, *m_title);
}

void NumberSettingsModelTest::cleanup()
{
    m_model.reset();
    m_title.reset();
    m_settings.reset();
    m_dir.reset();
}

void NumberSettingsModelTest::sourcesExcludeEachOther()
{
    QVERIFY(!m_model->isDigitsEnabled());
    m_model->setExtractNumber(true);
    QVERIFY(m_model->isInspectEnabled());
    QVERIFY(m_model->isDigitsEnabled());
    QVERIFY(!m_model->isStartEnabled());
    QVERIFY(storedFolder().extractNumber);

    m_model->setUseCounter(true);
    QVERIFY(!m_model->extractNumber());
    QVERIFY(!m_model->isInspectEnabled());
    QVERIFY(m_model->isStartEnabled());
    QVERIFY(m_model->isResetEnabled());
    QCOMPARE(storedFolder().extractNumber, false);
    QCOMPARE(storedFolder().useCounter, true);

    m_model->setExtractNumber(true);
    QVERIFY(!m_model->useCounter());
    m_model->setInspectDirection(1);
    m_model->setDigitsIndex(5);
    QCOMPARE(storedFolder().inspectDirection, 1);
    QCOMPARE(storedFolder().digitsIndex, 5);
}

void NumberSettingsModelTest::startInput_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");
    QTest::addColumn<bool>("refused");
    QTest::newRow("digit") << u"12"_s << 2 << u"12"_s << 2 << false;
    QTest::newRow("letter at the end") << u"12a"_s << 3 << u"12"_s << 2 << true;
    QTest::newRow("letter in the middle") << u"1x2"_s << 2 << u"12"_s << 1 << true;
    QTest::newRow("sign") << u"-5"_s << 1 << u"5"_s << 0 << true;
    QTest::newRow("empty is allowed while typing") << QString() << 0 << QString() << 0 << false;
    QTest::newRow("too big for a whole number") << u"99999999999"_s << 11 << u"9999999999"_s.left(10) << 10 << true;
    QTest::newRow("pasted") << u"1a2b3"_s << 5 << u"123"_s << 3 << true;
}

void NumberSettingsModelTest::startInput()
{
    QFETCH(QString, typed);
    QFETCH(int, caret);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);
    QFETCH(bool, refused);
    const CorrectedInput corrected = m_model->editStart(typed, caret);
    if (expected.size() == 10) {
        // 10 nines are still no 32-bit number: all digits of the paste go.
        QVERIFY(corrected.text.size() < 10);
    } else {
        QCOMPARE(corrected.text, expected);
        QCOMPARE(corrected.caret, expectedCaret);
    }
    QCOMPARE(corrected.refused, refused);
    QCOMPARE(m_model->startText(), corrected.text);
    QCOMPARE(m_dialogs.statuses.size(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(m_dialogs.statuses.first().text, u"Use only numeric characters"_s);
        QCOMPARE(m_dialogs.statuses.first().sound, Platform::Sound::Error);
    }
}

void NumberSettingsModelTest::leavingStoresTheCounterWhenItFits()
{
    m_model->setUseCounter(true);
    m_model->editStart(QString(), 0);
    m_model->leaveStart();
    QCOMPARE(m_model->startText(), u"1"_s);

    m_model->editStart(u"42"_s, 2);
    m_model->setReset(true);
    m_model->leaveStart();
    QCOMPARE(storedWork().counterStart, 42);
    QVERIFY(storedWork().counterReset);
    // The folder copy does not hold the counter.
    QCOMPARE(storedFolder().counterStart, 1);

    m_model->editStart(u"4242"_s, 4);
    m_model->leaveStart();
    QCOMPARE(storedWork().counterStart, 42);
}

void NumberSettingsModelTest::numberWillFit()
{
    QSignalSpy focus(m_model.get(), &NumberSettingsModel::focusRequested);
    m_model->editStart(u"1000"_s, 4);
    // Without the counter the start value does not matter.
    QVERIFY(m_model->NumberWillFit());
    m_dialogs.statuses.clear();
    m_model->setUseCounter(true);
    QVERIFY(!m_model->NumberWillFit());
    QCOMPARE(m_dialogs.statuses.last().text, u"Number will not fit in 3 digit(s)"_s);
    QCOMPARE(m_dialogs.statuses.last().sound, Platform::Sound::Error);
    QCOMPARE(focus.last().at(0).value<NumberSettingsModel::Field>(), NumberSettingsModel::Field::Digits);
    m_model->setDigitsIndex(3);
    QVERIFY(m_model->NumberWillFit());
    QCOMPARE(storedWork().counterStart, 1000);
}

void NumberSettingsModelTest::counterAfterRetitle_data()
{
    QTest::addColumn<bool>("reset");
    QTest::addColumn<int>("expected");
    QTest::newRow("runs on") << false << 101;
    QTest::newRow("reset") << true << 1;
}

void NumberSettingsModelTest::counterAfterRetitle()
{
    QFETCH(bool, reset);
    QFETCH(int, expected);
    m_model->setUseCounter(true);
    m_model->setDigitsIndex(1);
    m_model->editStart(u"98"_s, 2);
    m_model->setReset(reset);
    m_model->leaveStart();

    NumberElement &pass = m_model->startPass();
    qint32 warning = 0;
    QCOMPARE(pass.next(u"a.jpg"_s, &warning), u"98"_s);
    QCOMPARE(pass.next(u"b.jpg"_s, &warning), u"99"_s);
    QCOMPARE(pass.next(u"c.jpg"_s, &warning), u"00"_s);
    QCOMPARE(warning, 2);
    m_model->updateCounterAfterRetitle();
    QCOMPARE(m_model->startText(), QString::number(expected));
    QCOMPARE(storedWork().counterStart, expected);
    QCOMPARE(m_settings->workFolderRec().counterStart, expected);

    // A new pass starts at the stored value.
    NumberElement &next = m_model->startPass();
    QCOMPARE(next.next(u"d.jpg"_s, &warning), QString::number(expected).right(2).rightJustified(2, u'0'));
}

void NumberSettingsModelTest::extractionLeavesTheStartValue()
{
    m_model->setExtractNumber(true);
    m_model->startPass();
    m_model->updateCounterAfterRetitle();
    QCOMPARE(m_model->startText(), u"1"_s);
    QCOMPARE(storedWork().counterStart, 1);
}

QTEST_GUILESS_MAIN(NumberSettingsModelTest)
#include "numbersettingsmodeltest.moc"
