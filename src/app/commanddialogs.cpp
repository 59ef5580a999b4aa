#include "app/commanddialogs.h"

#include "l10n/text.h"

using namespace Qt::StringLiterals;

namespace App {

using L10n::text;

namespace {

QString withoutAccessKey(QString caption)
{
    caption.replace(u"&&"_s, u"\x01"_s);
    caption.remove(u'&');
    caption.replace(u'\x01', u'&');
    return caption;
}

bool isFreeTextQuestion(const Platform::Question &question)
{
    // The question Test & Preview asks before its pass, in either wording.
    return question.lines.size() == 1
           && (question.lines.first() == text(188, "Not all pictures that have free text or a subject are selected. Do "
                                                   "you want to automatically add those pictures to the selection?")
               || question.lines.first() == text(189, "Not all pictures that have free text are selected. Do you want "
                                                      "to automatically add those pictures to the selection?"));
}

bool isRecoveryQuestion(const Platform::Question &question)
{
    return question.header == text(1298, "A retitling of this folder was interrupted");
}

} // namespace

CommandDialogs::CommandDialogs(const CommandLine &line) : m_line(line) {}

QString CommandDialogs::oneLine(const QString &header, const QStringList &lines)
{
    QStringList parts;
    if (!header.isEmpty())
        parts.append(header);
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty())
            parts.append(line.trimmed());
    }
    QString joined = parts.join(u' ');
    joined.replace(u'\n', u' ');
    return joined;
}

void CommandDialogs::echo(const QString &line) const
{
    if (m_echo)
        m_echo(line);
}

void CommandDialogs::inform(const Platform::Message &message)
{
    m_messages.append(message);
    echo(oneLine(QString(), {message.text}));
}

int CommandDialogs::chooseButton(const Platform::Question &question) const
{
    const Platform::Answer kept = Platform::keepEverything(question);
    if (isFreeTextQuestion(question)) {
        switch (m_line.freeText) {
        case CommandLine::FreeTextAnswer::AddToSelection:
            return 0;
        case CommandLine::FreeTextAnswer::KeepSelection:
            return 1;
        case CommandLine::FreeTextAnswer::KeepEverything:
            return kept.button;
        }
    }
    if (isRecoveryQuestion(question))
        return m_undoInterrupted ? 1 : kept.button;
    if (m_line.goOn) {
        // The button that goes on past a warning.
        for (const L10n::Standard going : {L10n::Standard::Yes, L10n::Standard::Ignore}) {
            const qsizetype found = question.buttons.indexOf(L10n::standard(going));
            if (found >= 0)
                return int(found);
        }
    }
    return kept.button;
}

Platform::Answer CommandDialogs::ask(const Platform::Question &question)
{
    Platform::Answer answer = Platform::keepEverything(question);
    answer.button = chooseButton(question);
    const QString caption = answer.button >= 0 && answer.button < question.buttons.size()
                                ? withoutAccessKey(question.buttons.at(answer.button))
                                : text(1732, "closed");
    const Asked asked{oneLine(question.header, question.lines), caption};
    m_questions.append(asked);
    echo(text(1735, "Question: %1 Answered: %2").arg(asked.text, asked.answer));
    return answer;
}

void CommandDialogs::status(const Platform::StatusMessage &message)
{
    if (message.text.isEmpty())
        return;
    m_status = message;
}

std::optional<QString> CommandDialogs::chooseFolder(const QString &, const QString &)
{
    // There is no folder browser: the folder is the one the command line names.
    return std::nullopt;
}

bool CommandDialogs::hadError() const
{
    for (const Platform::Message &message : m_messages) {
        if (message.severity == Platform::Severity::Error)
            return true;
    }
    return false;
}

} // namespace App
