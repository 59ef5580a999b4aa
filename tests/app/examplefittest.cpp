#include "app/examplefit.h"

#include <QTest>

using namespace Qt::StringLiterals;
using App::ExampleFit;

// The example line never cuts the new title: the current title gives way first, then the new
// title goes below it on lines as long as the room.
class ExampleFitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fit();
};

void ExampleFitTest::fit()
{
    // One unit per character, two per character of the bold new title.
    const ExampleFit::Width plain = [](const QString &text) { return int(text.size()); };
    const ExampleFit::Width bold = [](const QString &text) { return 2 * int(text.size()); };
    const QString current = u"IMG_0815.JPG"_s;
    const QString title = u"2007-08-31 Beach.JPG"_s;
    const int arrow = int(ExampleFit::arrow().size());

    ExampleFit::Lines lines = ExampleFit::fit(current, title, 12 + arrow + 40, plain, bold);
    QCOMPARE(lines.current, current + ExampleFit::arrow());
    QCOMPARE(lines.title, QStringList{title});
    QVERIFY(!lines.below);

    // Six units left for the current title: its middle goes, the new title stays whole.
    lines = ExampleFit::fit(current, title, 6 + arrow + 40, plain, bold);
    QCOMPARE(lines.current, u"IM\u2026JPG"_s + ExampleFit::arrow());
    QVERIFY(plain(lines.current) <= 6 + arrow);
    QCOMPARE(lines.title, QStringList{title});

    // Too narrow even for the new title alone: below, broken into full lines, nothing lost.
    lines = ExampleFit::fit(current, title, 16, plain, bold);
    QVERIFY(lines.below);
    QCOMPARE(lines.title.join(QString()), title);
    QCOMPARE(lines.title.size(), 3);
    for (const QString &line : lines.title)
        QVERIFY(bold(line) <= 16);
    QVERIFY(plain(lines.current) <= 16);
    QCOMPARE(ExampleFit::elideMiddle(u"abcdef"_s, 6, plain), u"abcdef"_s);
    QCOMPARE(ExampleFit::elideMiddle(u"abcdefgh"_s, 5, plain), u"ab\u2026gh"_s);
}

QTEST_GUILESS_MAIN(ExampleFitTest)
#include "examplefittest.moc"
