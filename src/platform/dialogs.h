#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace Platform {

enum class Severity { Information, Warning, Error };

struct Message
{
    QString caption;
    QString text;
    Severity severity = Severity::Information;
};

// A question with its buttons, answered with the index of the button chosen. With a check-box
// caption the dialog also shows a check box, and the answer tells its state.
struct Question
{
    QString caption;
    // Header line shown above the text, in bold; empty for none.
    QString header;
    QStringList lines;
    // Lines shown in a scrolling box below the text (a preview); empty for none.
    QStringList details;
    QStringList buttons;
    int defaultButton = 0;
    // The button that closing the dialog by the window manager or Escape stands for; -1 for a
    // box that only its buttons close.
    int escapeButton = 0;
    QString checkBoxCaption;
    bool checkBoxChecked = true;
    bool checkBoxEnabled = true;
    // The check box's tooltip; empty for none.
    QString checkBoxHint;
    // A warning set apart below the text, under its own header; empty for none.
    QString warningHeader;
    QStringList warningLines;
    // A choice of one of several items, under its caption; empty for none.
    QString choiceCaption;
    QStringList choices;
    int choice = -1;
    // The section of the quick start that "&Help" and F1 open; empty for no help.
    QString helpSection;
    Severity severity = Severity::Information;
};

struct Answer
{
    // The button chosen; -1 when a box that only its buttons close was closed all the same (the
    // program is being ended).
    int button = 0;
    bool checkBoxChecked = true;
    int choice = -1;
};

// The answer that keeps everything: the escape button, which stands for closing the box, with the
// check box and choice as offered. A question asked while the program is being ended gets it
// unasked.
inline Answer keepEverything(const Question &question)
{
    return {question.escapeButton, question.checkBoxChecked, question.choice};
}

enum class Sound { None, Error, Success };

// A text for the main window's status line that clears itself after the given time.
struct StatusMessage
{
    QString text;
    bool error = false;
    int seconds = 5;
    Sound sound = Sound::None;
};

// Every dialog and message of the core goes through this interface, so a test can answer them.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual void inform(const Message &message) = 0;
    virtual Answer ask(const Question &question) = 0;
    virtual void status(const StatusMessage &message) = 0;
    // The folder picked, or nothing when the user cancelled.
    virtual std::optional<QString> chooseFolder(const QString &prompt, const QString &preset) = 0;
};

} // namespace Platform
