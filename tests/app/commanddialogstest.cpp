#include "app/commanddialogs.h"
#include "app/commandline.h"

#include "l10n/text.h"

#include <QTest>

using namespace Qt::StringLiterals;
using App::CommandDialogs;
using App::CommandLine;

namespace {

CommandLine parsed(const QStringList &arguments)
{
    return CommandLine::parse(QStringList{u"mirelto"_s} + arguments);
}

Platform::Question freeTextQuestion()
{
    Platform::Question question;
    question.lines = {L10n::text(189, "Not all pictures that have free text are selected. Do you want to "
                                      "automatically add those pictures to the selection?")};
    question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::No),
                        L10n::standard(L10n::Standard::Cancel)};
    question.escapeButton = 2;
    return question;
}

Platform::Question warning()
{
    Platform::Question question;
    question.lines = {u"Some pictures have a subject"_s};
    question.buttons = {L10n::standard(L10n::Standard::Cancel), L10n::standard(L10n::Standard::Ignore)};
    question.escapeButton = 0;
    return question;
}

} // namespace

class CommandDialogsTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandLinesAreRead_data();
    void commandLinesAreRead();
    void questionsKeepEverythingUnlessTold();
};

void CommandDialogsTest::commandLinesAreRead_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("folder");

    using Mode = CommandLine::Mode;
    QTest::newRow("nothing") << QStringList() << int(Mode::Window) << QString();
    QTest::newRow("folder") << QStringList{u"pics"_s} << int(Mode::Window) << u"pics"_s;
    QTest::newRow("dash folder") << QStringList{u"--"_s, u"-pics"_s} << int(Mode::Window) << u"-pics"_s;
    QTest::newRow("help wins") << QStringList{u"--retitle"_s, u"-h"_s} << int(Mode::Help) << QString();
    QTest::newRow("version") << QStringList{u"--version"_s} << int(Mode::Version) << QString();
    QTest::newRow("folder first") << QStringList{u"pics"_s, u"--undo"_s} << int(Mode::Undo) << u"pics"_s;
    QTest::newRow("unknown") << QStringList{u"--help-me"_s} << int(Mode::Error) << QString();
    QTest::newRow("dashes joined") << QStringList{u"-hv"_s} << int(Mode::Error) << QString();
    QTest::newRow("two commands") << QStringList{u"--preview"_s, u"--retitle"_s, u"p"_s} << int(Mode::Error) << QString();
    QTest::newRow("no folder") << QStringList{u"--preview"_s} << int(Mode::Error) << QString();
    QTest::newRow("two folders") << QStringList{u"a"_s, u"b"_s} << int(Mode::Error) << QString();
    QTest::newRow("json alone") << QStringList{u"--json"_s, u"p"_s} << int(Mode::Error) << QString();
    QTest::newRow("both answers") << QStringList{u"--retitle"_s, u"--add-free-text"_s, u"--keep-selection"_s, u"p"_s}
                                  << int(Mode::Error) << QString();
}

void CommandDialogsTest::commandLinesAreRead()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, mode);
    QFETCH(QString, folder);
    const CommandLine line = parsed(arguments);
    QCOMPARE(int(line.mode), mode);
    if (line.mode == CommandLine::Mode::Error) {
        QVERIFY(!line.error.contains(u'\n'));
        QVERIFY(line.error.contains(u"--help"_s));
    } else {
        QCOMPARE(line.folder, folder);
    }
}

void CommandDialogsTest::questionsKeepEverythingUnlessTold()
{
    CommandDialogs keeping(parsed({u"--retitle"_s, u"p"_s}));
    QStringList echoed;
    keeping.setEcho([&echoed](const QString &line) { echoed.append(line); });
    QCOMPARE(keeping.ask(freeTextQuestion()).button, 2);
    QCOMPARE(keeping.ask(warning()).button, 0);
    QCOMPARE(keeping.questions().size(), 2);
    QCOMPARE(keeping.questions().first().answer, u"Cancel"_s);
    QCOMPARE(echoed.size(), 2);
    QVERIFY(echoed.first().contains(u"Not all pictures"_s));

    CommandDialogs adding(parsed({u"--retitle"_s, u"--add-free-text"_s, u"--continue"_s, u"p"_s}));
    QCOMPARE(adding.ask(freeTextQuestion()).button, 0);
    QCOMPARE(adding.ask(warning()).button, 1);
    CommandDialogs keepingSelection(parsed({u"--preview"_s, u"--keep-selection"_s, u"p"_s}));
    QCOMPARE(keepingSelection.ask(freeTextQuestion()).button, 1);

    QVERIFY(!keeping.hadError());
    keeping.inform({u"Error"_s, u"Disk full"_s, Platform::Severity::Error});
    QVERIFY(keeping.hadError());
    QCOMPARE(echoed.last(), u"Disk full"_s);
    QVERIFY(!keeping.chooseFolder(u"Pick"_s, QString()));
}

QTEST_GUILESS_MAIN(CommandDialogsTest)
#include "commanddialogstest.moc"
