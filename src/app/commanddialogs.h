#pragma once

#include "app/commandline.h"
#include "platform/dialogs.h"

#include <QList>
#include <QString>

#include <functional>

namespace App {

// The questions and messages of the core without a window: every message is kept (and handed to
// the echo, for standard error), every question gets the answer that keeps everything unless the
// command line says otherwise, and is kept with the answer it got.
class CommandDialogs final : public Platform::Dialogs
{
public:
    struct Asked
    {
        QString text;
        QString answer;
    };

    explicit CommandDialogs(const CommandLine &line);

    // Called with each line to show as it comes; none keeps them silent.
    void setEcho(std::function<void(const QString &)> echo) { m_echo = std::move(echo); }
    // The answer to the question about an interrupted run: undo it instead of keeping it.
    void setUndoInterrupted(bool undo) { m_undoInterrupted = undo; }

    void inform(const Platform::Message &message) override;
    Platform::Answer ask(const Platform::Question &question) override;
    void status(const Platform::StatusMessage &message) override;
    std::optional<QString> chooseFolder(const QString &prompt, const QString &preset) override;

    const QList<Platform::Message> &messages() const { return m_messages; }
    const QList<Asked> &questions() const { return m_questions; }
    // The last status line with a text; empty for none.
    const Platform::StatusMessage &lastStatus() const { return m_status; }
    // Whether an error message was shown.
    bool hadError() const;
    // The text of a question or message on one line: its header and lines, without access keys.
    static QString oneLine(const QString &header, const QStringList &lines);

private:
    int chooseButton(const Platform::Question &question) const;
    void echo(const QString &line) const;

    CommandLine m_line;
    std::function<void(const QString &)> m_echo;
    bool m_undoInterrupted = false;
    QList<Platform::Message> m_messages;
    QList<Asked> m_questions;
    Platform::StatusMessage m_status;
};

} // namespace App
