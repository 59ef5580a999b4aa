#pragma once

#include "app/commanddialogs.h"
#include "retitle/previewreport.h"
#include "retitle/retitler.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace App {

// One picture of a command's test pass.
struct CommandTitle
{
    QString current;
    QString title;
    QString destination;
    // The texts of the error and warning found; empty for none.
    QString error;
    QString warning;
};

// A file an undo leaves where it is, and why.
struct CommandLeftFile
{
    // Where the file is and stays, and where the undo would have put it.
    QString path;
    QString oldPath;
    QString reason;
};

// What a command without a window did, for its text and its JSON document.
struct CommandOutcome
{
    QString command;
    QString folder;
    int exitCode = 1;

    // The test pass ran to its report.
    bool tested = false;
    bool canRetitle = false;
    int errors = 0;
    int warnings = 0;
    QList<CommandTitle> titles;
    QStringList deleted;
    // The extensions whose files follow their pictures, and the folders the run creates.
    QStringList following;
    QStringList newFolders;
    QStringList uniqueFolders;
    // The report as the window shows it; for an undo, its preview.
    QList<Retitle::ReportLine> report;

    bool retitled = false;
    Retitle::RunCounters counters;
    QString summary;
    QString log;
    QString journal;

    bool undone = false;
    // The journal of the run that was undone.
    QString undoneJournal;
    int putBack = 0;
    QList<CommandLeftFile> left;

    QList<Platform::Message> messages;
    QList<CommandDialogs::Asked> questions;
};

} // namespace App
