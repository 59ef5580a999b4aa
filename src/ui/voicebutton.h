#pragma once

#include "session/playingmeans.h"
#include "session/voicecontrol.h"

#include <QIcon>
#include <QToolButton>

namespace Ui {

class QtVoicePlayers;

// The play control of a picture's voice recording: shows the control's icon and hint and plays
// or stops the recording when pressed.
class VoiceButton final : public QToolButton
{
    Q_OBJECT

public:
    explicit VoiceButton(const Session::PlayingMeans &means, QWidget *parent = nullptr);
    ~VoiceButton() override;

    // The playing means of this machine: the sound output and the movie players. Looking for
    // them takes a moment, so the window does it once.
    static Session::PlayingMeans findPlayingMeans();
    // The icon of a state of the control, drawn in the colours of a palette.
    static QIcon iconOf(Session::VoiceControl::Icon icon, const QPalette &palette);

    // Shows the recording of the picture at this path; an empty path shows none.
    void setPicture(const QString &picturePath);
    Session::VoiceControl &control() { return *m_control; }

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showControl();

    QtVoicePlayers *m_players = nullptr;
    Session::VoiceControl *m_control = nullptr;
};

} // namespace Ui
