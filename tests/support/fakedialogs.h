#pragma once

#include "platform/dialogs.h"
#include "platform/drives.h"

#include <QList>
#include <QQueue>

#include <optional>

// Records what the core shows and answers its questions from a script.
class FakeDialogs final : public Platform::Dialogs
{
public:
    void inform(const Platform::Message &message) override { informed.append(message); }
    Platform::Answer ask(const Platform::Question &question) override
    {
        asked.append(question);
        return answers.isEmpty() ? Platform::Answer{question.defaultButton, question.checkBoxChecked} : answers.dequeue();
    }
    void status(const Platform::StatusMessage &message) override { statuses.append(message); }
    std::optional<QString> chooseFolder(const QString &prompt, const QString &preset) override
    {
        browsed.append({prompt, preset});
        return folders.isEmpty() ? std::nullopt : folders.dequeue();
    }

    QList<Platform::Message> informed;
    QList<Platform::Question> asked;
    QList<Platform::StatusMessage> statuses;
    QList<QPair<QString, QString>> browsed;
    QQueue<Platform::Answer> answers;
    QQueue<std::optional<QString>> folders;
};

// A drive whose facts a test sets.
class FakeDrives final : public Platform::Drives
{
public:
    QString root(const QString &) const override { return QStringLiteral("/"); }
    qint64 freeBytes(const QString &) const override { return free; }
    Platform::DriveType type(const QString &path) const override
    {
        return path.startsWith(removablePrefix) && !removablePrefix.isEmpty() ? Platform::DriveType::Removable
                                                                              : applicationDrive;
    }
    int maxNameLength(const QString &) const override { return nameLength; }

    qint64 free = qint64(1) << 34;
    Platform::DriveType applicationDrive = Platform::DriveType::Fixed;
    QString removablePrefix;
    int nameLength = 255;
};
