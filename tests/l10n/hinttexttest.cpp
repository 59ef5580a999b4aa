#include "l10n/hinttext.h"

#include <QTest>

using namespace Qt::StringLiterals;
using L10n::HintText;

namespace QTest {
template<> char *toString(const HintText &hint)
{
    return qstrdup(qPrintable(u"tip '"_s + hint.toolTip + u"' status '"_s + hint.statusText + u'\''));
}
} // namespace QTest

class HintTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
};

void HintTextTest::split_data()
{
    QTest::addColumn<QString>("hint");
    QTest::addColumn<HintText>("expected");
    QTest::newRow("plain tip") << u"Keep this picture"_s << HintText{u"Keep this picture"_s, {}};
    QTest::newRow("status only") << u"QQSelect pictures"_s << HintText{{}, u"Select pictures"_s};
    QTest::newRow("tip and status") << u"Select QQin the list"_s << HintText{u"Select"_s, u"in the list"_s};
    QTest::newRow("first marker counts") << u"QQa QQ b"_s << HintText{{}, u"a QQ b"_s};
    QTest::newRow("empty") << QString() << HintText{};
}

void HintTextTest::split()
{
    QFETCH(QString, hint);
    QFETCH(HintText, expected);
    QCOMPARE(L10n::splitHint(hint), expected);
}

QTEST_GUILESS_MAIN(HintTextTest)
#include "hinttexttest.moc"
