#include "app/optionsmodel.h"

#include "settings/programsettingsrec.h"

#include <QTest>

using namespace Qt::StringLiterals;
using App::OptionsModel;
using Number = App::OptionsModel::Number;
using Corrected = App::OptionsModel::Corrected;

namespace QTest {
template<>
char *toString(const Corrected &corrected)
{
    return QTest::toString(corrected.text + (corrected.beep ? u" (beep)"_s : QString()));
}
} // namespace QTest

class OptionsModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void inputRules_data();
    void inputRules();
    void fileTypesOfASettingsFile();
};

void OptionsModelTest::inputRules_data()
{
    QTest::addColumn<Number>("number");
    QTest::addColumn<QString>("input");
    QTest::addColumn<Corrected>("typed");
    QTest::addColumn<Corrected>("finished");
    QTest::newRow("digits") << Number::MaxHits << u"120"_s << Corrected{u"120"_s, false} << Corrected{u"120"_s, false};
    QTest::newRow("letter removed") << Number::MaxHits << u"1a2"_s << Corrected{u"12"_s, true}
                                    << Corrected{u"12"_s, true};
    QTest::newRow("minus removed") << Number::ClipSize << u"-40"_s << Corrected{u"40"_s, true}
                                   << Corrected{u"40"_s, true};
    QTest::newRow("empty gives the maximum") << Number::ClipSize << QString() << Corrected{QString(), false}
                                             << Corrected{u"100"_s, true};
    QTest::newRow("below the minimum") << Number::MaxPicPrefSuf << u"5"_s << Corrected{u"5"_s, false}
                                       << Corrected{u"10"_s, true};
    QTest::newRow("above the maximum") << Number::MaxHits << u"501"_s << Corrected{u"501"_s, false}
                                       << Corrected{u"500"_s, true};
    QTest::newRow("beyond any int") << Number::MaxHits << u"99999999999999"_s
                                    << Corrected{u"99999999999999"_s, false} << Corrected{u"500"_s, true};
    QTest::newRow("off the step is kept") << Number::ClipSize << u"35"_s << Corrected{u"35"_s, false}
                                          << Corrected{u"35"_s, false};
}

void OptionsModelTest::inputRules()
{
    QFETCH(Number, number);
    QFETCH(QString, input);
    QFETCH(Corrected, typed);
    QFETCH(Corrected, finished);
    QCOMPARE(OptionsModel::typed(number, input), typed);
    QCOMPARE(OptionsModel::finished(number, input), finished);
}

void OptionsModelTest::fileTypesOfASettingsFile()
{
    // A settings file written before the page existed lists everything and lets pairs follow.
    const QByteArray old(Settings::ProgramSettingsRec::size, '\0');
    QCOMPARE(OptionsModel::mediaOptionsOf(Settings::ProgramSettingsRec::fromBytes(old)), Session::MediaOptions());
    Settings::ProgramSettingsRec rec;
    rec.PSSkipRaw = true;
    rec.PSPairsApart = true;
    const Session::MediaOptions read = OptionsModel::mediaOptionsOf(Settings::ProgramSettingsRec::fromBytes(rec.toBytes()));
    QCOMPARE(read, (Session::MediaOptions{true, true, false, true, false}));
}

QTEST_GUILESS_MAIN(OptionsModelTest)
#include "optionsmodeltest.moc"
