#include "app/commandline.h"

#include "l10n/text.h"
#include "platform/folders.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>

#include <utility>

using namespace Qt::StringLiterals;

namespace App {

using L10n::text;

namespace {

struct Options
{
    QCommandLineOption help{{u"h"_s, u"help"_s}};
    QCommandLineOption version{u"version"_s};
    QCommandLineOption preview{u"preview"_s};
    QCommandLineOption retitle{u"retitle"_s};
    QCommandLineOption undo{u"undo"_s};
    QCommandLineOption json{u"json"_s};
    QCommandLineOption addFreeText{u"add-free-text"_s};
    QCommandLineOption keepSelection{u"keep-selection"_s};
    QCommandLineOption goOn{u"continue"_s};

    void addTo(QCommandLineParser &parser) const
    {
        for (const QCommandLineOption *option :
             {&help, &version, &preview, &retitle, &undo, &json, &addFreeText, &keepSelection, &goOn})
            parser.addOption(*option);
    }
};

CommandLine failed(const QString &message)
{
    CommandLine line;
    line.mode = CommandLine::Mode::Error;
    line.error = L10n::title() + u": "_s + message + u' '
                 + text(1739, "Try 'mirelto --help' for the options.");
    return line;
}

} // namespace

QString CommandLine::commandName() const
{
    switch (mode) {
    case Mode::Preview:
        return u"preview"_s;
    case Mode::Retitle:
        return u"retitle"_s;
    case Mode::Undo:
        return u"undo"_s;
    default:
        return {};
    }
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-abc" is one option named "abc", never three, so that a mistyped option is not read as
    // several that exist.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const Options options;
    options.addTo(parser);
    // A folder whose name starts with '-' is given after "--".
    if (!parser.parse(arguments.isEmpty() ? QStringList{u"mirelto"_s} : arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString name = unknown.first();
            return failed(text(1743, "Unknown option '%1'.").arg((name.size() == 1 ? u"-"_s : u"--"_s) + name));
        }
        return failed(parser.errorText());
    }
    CommandLine line;
    if (parser.isSet(options.help)) {
        line.mode = Mode::Help;
        return line;
    }
    if (parser.isSet(options.version)) {
        line.mode = Mode::Version;
        return line;
    }
    const QStringList folders = parser.positionalArguments();
    if (folders.size() > 1)
        return failed(text(1747, "Only one folder can be given, not %1.").arg(folders.size()));
    line.folder = folders.value(0);
    int commands = 0;
    for (const auto &[option, mode] : {std::pair{&options.preview, Mode::Preview}, std::pair{&options.retitle, Mode::Retitle},
                                       std::pair{&options.undo, Mode::Undo}}) {
        if (parser.isSet(*option)) {
            line.mode = mode;
            ++commands;
        }
    }
    if (commands > 1)
        return failed(text(1751, "Give only one of --preview, --retitle and --undo."));
    const bool answers = parser.isSet(options.addFreeText) || parser.isSet(options.keepSelection) || parser.isSet(options.goOn);
    if (!line.isCommand()) {
        if (parser.isSet(options.json) || answers)
            return failed(text(1755, "--json, --add-free-text, --keep-selection and --continue go with --preview, --retitle or --undo."));
        return line;
    }
    if (line.folder.isEmpty())
        return failed(text(1759, "--%1 needs a folder.").arg(line.commandName()));
    if (parser.isSet(options.addFreeText) && parser.isSet(options.keepSelection))
        return failed(text(1761, "Give either --add-free-text or --keep-selection."));
    line.json = parser.isSet(options.json);
    if (parser.isSet(options.addFreeText))
        line.freeText = FreeTextAnswer::AddToSelection;
    else if (parser.isSet(options.keepSelection))
        line.freeText = FreeTextAnswer::KeepSelection;
    line.goOn = parser.isSet(options.goOn);
    return line;
}

QString CommandLine::helpText()
{
    const QList<std::pair<QString, QString>> options = {
        {u"--preview"_s, text(1763, "print the Test & Preview report; exit 0 when Retitle Now could run, 1 when errors "
                              "block it")},
        {u"--retitle"_s, text(1765, "the test pass, then Retitle Now unless an error blocks it")},
        {u"--undo"_s, text(1767, "undo the folder's last retitling, as Retitle > Undo last retitling does")},
        {u"--json"_s, text(1769, "print the outcome as one JSON document")},
        {u"--add-free-text"_s, text(1771, "add the pictures that have a free text but are not selected (by default the "
                                    "command stops where the window would ask)")},
        {u"--keep-selection"_s, text(1773, "go on with the selection as it is instead")},
        {u"--continue"_s, text(1775, "go on past the warnings that the window lets the user ignore")},
        {u"-h, --help"_s, text(1777, "print this help and exit")},
        {u"--version"_s, text(1779, "print the version and exit")},
    };
    QStringList lines = {
        text(1781, "Usage:") + u" mirelto [FOLDER]"_s,
        text(1781, "Usage:") + u" mirelto --preview|--retitle|--undo [--json] [OPTION]... FOLDER"_s,
        QString(),
        text(1783, "Gives the pictures of FOLDER new file names. Without an option it opens FOLDER in the window (without "
             "FOLDER, a folder browser).")
            + u' '
            + text(1341, "The commands below work without a window, on what the folder's work files hold: its selection, "
                   "free texts, title elements and storage settings."),
        QString(),
    };
    for (const auto &[name, description] : options)
        lines.append(u"  "_s + name.leftJustified(18) + description);
    lines += {
        QString(),
        text(1785, "Every other question gets the answer that keeps everything as it is. Exit codes: 0 done, 1 the command "
             "could not run or an error blocked it, 2 the command line is wrong. See mirelto(1)."),
    };
    return lines.join(u'\n') + u'\n';
}

QString CommandLine::versionText()
{
    return L10n::title() + u' ' + Platform::programVersion() + u'\n';
}

} // namespace App
