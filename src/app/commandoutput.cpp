#include "app/commandoutput.h"

#include "l10n/text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace App {

using L10n::text;

namespace {

constexpr int terminalWidth = 80;

// The lines of a report; a run of title lines is set in columns two spaces apart, a rule is as
// wide as a terminal.
QStringList reportLines(const QList<Retitle::ReportLine> &report)
{
    QStringList lines;
    for (qsizetype first = 0; first < report.size();) {
        if (!report.at(first).isTitle) {
            const QString &line = report.at(first).text;
            lines.append(line == Retitle::reportRule() ? line.left(terminalWidth) : line);
            ++first;
            continue;
        }
        qsizetype end = first;
        QList<qsizetype> widths;
        for (; end < report.size() && report.at(end).isTitle; ++end) {
            const QStringList fields = report.at(end).text.split(u'\t');
            for (qsizetype column = 0; column < fields.size(); ++column) {
                if (widths.size() <= column)
                    widths.append(0);
                widths[column] = std::max(widths[column], fields.at(column).trimmed().size());
            }
        }
        for (; first < end; ++first) {
            const QStringList fields = report.at(first).text.split(u'\t');
            QString line = u"  "_s;
            for (qsizetype column = 0; column < fields.size(); ++column) {
                const QString field = fields.at(column).trimmed();
                line += column + 1 < fields.size() ? field.leftJustified(widths.at(column) + 2) : field;
            }
            lines.append(line);
        }
    }
    return lines;
}

QJsonArray strings(const QStringList &list)
{
    return QJsonArray::fromStringList(list);
}

QString severityName(Platform::Severity severity)
{
    switch (severity) {
    case Platform::Severity::Information:
        break;
    case Platform::Severity::Warning:
        return u"warning"_s;
    case Platform::Severity::Error:
        return u"error"_s;
    }
    return u"information"_s;
}

} // namespace

QString commandText(const CommandOutcome &outcome)
{
    QStringList lines;
    if (!outcome.report.isEmpty() && outcome.command != u"undo"_s)
        lines << text(1340, "Folder: %1").arg(outcome.folder) << QString();
    lines += reportLines(outcome.report);
    if (outcome.retitled) {
        lines << QString() << outcome.summary;
        if (!outcome.log.isEmpty())
            lines << text(1787, "Log: %1").arg(outcome.log);
        if (!outcome.journal.isEmpty())
            lines << text(1789, "Journal: %1").arg(outcome.journal);
    }
    if (outcome.undone) {
        lines << QString() << outcome.summary;
        for (const CommandLeftFile &file : outcome.left)
            lines << text(1791, "Stays where it is: %1 (%2)").arg(file.path, file.reason);
        lines << text(1789, "Journal: %1").arg(outcome.journal);
    }
    if (lines.isEmpty())
        return {};
    return lines.join(u'\n') + u'\n';
}

QByteArray commandJson(const CommandOutcome &outcome)
{
    QJsonObject document;
    document[u"command"_s] = outcome.command;
    document[u"folder"_s] = outcome.folder;
    document[u"exitCode"_s] = outcome.exitCode;
    if (outcome.command != u"undo"_s) {
        document[u"tested"_s] = outcome.tested;
        document[u"canRetitle"_s] = outcome.canRetitle;
        document[u"errors"_s] = outcome.errors;
        document[u"warnings"_s] = outcome.warnings;
        QJsonArray titles;
        for (const CommandTitle &title : outcome.titles) {
            titles.append(QJsonObject{{u"current"_s, title.current},
                                      {u"new"_s, title.title},
                                      {u"destination"_s, title.destination},
                                      {u"error"_s, title.error},
                                      {u"warning"_s, title.warning}});
        }
        document[u"titles"_s] = titles;
        document[u"deleted"_s] = strings(outcome.deleted);
        document[u"following"_s] = strings(outcome.following);
        document[u"newFolders"_s] = strings(outcome.newFolders);
        document[u"uniqueFolders"_s] = strings(outcome.uniqueFolders);
    }
    if (outcome.retitled) {
        const Retitle::RunCounters &counters = outcome.counters;
        document[u"run"_s] = QJsonObject{{u"retitled"_s, counters.retitled},
                                         {u"failures"_s, counters.failures},
                                         {u"synchronized"_s, counters.synchronized},
                                         {u"deleted"_s, counters.deleted},
                                         {u"summary"_s, outcome.summary},
                                         {u"log"_s, outcome.log},
                                         {u"journal"_s, outcome.journal}};
    }
    if (outcome.command == u"undo"_s) {
        QJsonArray left;
        for (const CommandLeftFile &file : outcome.left)
            left.append(QJsonObject{{u"path"_s, file.path}, {u"oldPath"_s, file.oldPath}, {u"reason"_s, file.reason}});
        document[u"undo"_s] = QJsonObject{{u"done"_s, outcome.undone},
                                          {u"undoes"_s, outcome.undoneJournal},
                                          {u"putBack"_s, outcome.putBack},
                                          {u"left"_s, left},
                                          {u"summary"_s, outcome.summary},
                                          {u"journal"_s, outcome.journal}};
    }
    QStringList report;
    for (const Retitle::ReportLine &line : outcome.report)
        report.append(line.text);
    document[u"report"_s] = strings(report);
    QJsonArray messages;
    for (const Platform::Message &message : outcome.messages)
        messages.append(QJsonObject{{u"severity"_s, severityName(message.severity)}, {u"text"_s, message.text}});
    document[u"messages"_s] = messages;
    QJsonArray questions;
    for (const CommandDialogs::Asked &asked : outcome.questions)
        questions.append(QJsonObject{{u"question"_s, asked.text}, {u"answer"_s, asked.answer}});
    document[u"questions"_s] = questions;
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

} // namespace App
