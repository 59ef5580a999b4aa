#pragma once

#include "platform/dialogs.h"

#include <QObject>
#include <QPointer>

class QSoundEffect;
class QWidget;

namespace Ui {

// The core's dialogs as real windows: message boxes, questions, the folder browser, and status
// messages forwarded to the main window with their sounds.
class QtDialogs final : public QObject, public Platform::Dialogs
{
    Q_OBJECT

public:
    explicit QtDialogs(QObject *parent = nullptr);
    ~QtDialogs() override;

    void setParentWindow(QWidget *window) { m_parent = window; }

    void inform(const Platform::Message &message) override;
    Platform::Answer ask(const Platform::Question &question) override;
    void status(const Platform::StatusMessage &message) override;
    std::optional<QString> chooseFolder(const QString &prompt, const QString &preset) override;

    void play(Platform::Sound sound);

    // The program is being ended: every open modal window closes as if cancelled, and from now on
    // messages are not shown, questions get their keep-everything answer and the folder browser
    // is cancelled at once.
    void endAll();
    bool isEnding() const { return m_ending; }

Q_SIGNALS:
    void statusMessage(const QString &text, bool error, int seconds);

private:
    QPointer<QWidget> m_parent;
    QSoundEffect *m_errorSound = nullptr;
    QSoundEffect *m_successSound = nullptr;
    bool m_ending = false;
};

} // namespace Ui
