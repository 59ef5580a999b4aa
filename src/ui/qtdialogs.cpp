#include "ui/qtdialogs.h"

#include "ui/messagedialog.h"

#include "l10n/text.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSoundEffect>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace Ui {

QtDialogs::QtDialogs(QObject *parent) : QObject(parent) {}

QtDialogs::~QtDialogs() = default;

void QtDialogs::inform(const Platform::Message &message)
{
    QMessageBox box(m_parent);
    switch (message.severity) {
    case Platform::Severity::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Platform::Severity::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Platform::Severity::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.setWindowTitle(message.caption.isEmpty() ? L10n::title() : message.caption);
    box.setText(message.text);
    box.setTextFormat(Qt::PlainText);
    QPushButton *ok = box.addButton(L10n::standard(L10n::Standard::Ok), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.exec();
}

Platform::Answer QtDialogs::ask(const Platform::Question &question)
{
    MessageDialog dialog(question, m_parent);
    dialog.exec();
    return dialog.answer();
}

void QtDialogs::status(const Platform::StatusMessage &message)
{
    Q_EMIT statusMessage(message.text, message.error, message.seconds);
    play(message.sound);
}

std::optional<QString> QtDialogs::chooseFolder(const QString &prompt, const QString &preset)
{
    const QString folder = QFileDialog::getExistingDirectory(m_parent, prompt, preset);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

void QtDialogs::play(Platform::Sound sound)
{
    if (sound == Platform::Sound::None)
        return;
    QSoundEffect *&effect = sound == Platform::Sound::Error ? m_errorSound : m_successSound;
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl(sound == Platform::Sound::Error ? u"qrc:/sounds/error.wav"_s : u"qrc:/sounds/success.wav"_s));
    }
    effect->play();
}

} // namespace Ui
