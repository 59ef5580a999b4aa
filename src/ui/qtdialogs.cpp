#include "ui/qtdialogs.h"

#include "ui/messagedialog.h"

#include "l10n/text.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSoundEffect>
#include <QList>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace Ui {

QtDialogs::QtDialogs(QObject *parent) : QObject(parent) {}

QtDialogs::~QtDialogs() = default;

void QtDialogs::inform(const Platform::Message &message)
{
    if (m_ending)
        return;
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
    if (m_ending)
        return Platform::keepEverything(question);
    MessageDialog dialog(question, m_parent);
    dialog.exec();
    return m_ending ? Platform::keepEverything(question) : dialog.answer();
}

void QtDialogs::status(const Platform::StatusMessage &message)
{
    Q_EMIT statusMessage(message.text, message.error, message.seconds);
    play(message.sound);
}

std::optional<QString> QtDialogs::chooseFolder(const QString &prompt, const QString &preset)
{
    if (m_ending)
        return std::nullopt;
    const QString folder = QFileDialog::getExistingDirectory(m_parent, prompt, preset);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

void QtDialogs::endAll()
{
    m_ending = true;
    // Each box closed ends its nested event loop; the code that opened it goes on with the answer
    // of closing it, which keeps everything, once control is back there.
    QList<QWidget *> closed;
    while (QWidget *modal = QApplication::activeModalWidget()) {
        if (closed.contains(modal))
            break;
        closed.append(modal);
        if (auto *message = qobject_cast<MessageDialog *>(modal))
            message->end();
        else if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }
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
