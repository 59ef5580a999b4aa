#include "app/clipboardmodel.h"

#include "dictionary/texthelpers.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "records/recordfile.h"
#include "records/textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace App {

using L10n::text;

namespace {

// The lines of a text file; a line end after the last line starts no line of its own.
QStringList fileLines(const QString &content)
{
    QStringList lines = content.split(QRegularExpression(u"\r\n|\n|\r"_s));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

ClipboardModel::ClipboardModel(const QString &privateFolder, int addOrReplaceDefault, std::function<void()> keepAdd,
                               Platform::Dialogs &dialogs, QObject *parent)
    : QObject(parent),
      m_privateFolder(privateFolder.endsWith(u'/') ? privateFolder : privateFolder + u'/'),
      m_addOrReplaceDefault(addOrReplaceDefault),
      m_keepAdd(std::move(keepAdd)),
      m_dialogs(dialogs),
      m_replace(addOrReplaceDefault != 0)
{
}

QString ClipboardModel::caption()
{
    return text(754, "Clipboard to Static Dictionary");
}

QString ClipboardModel::areaCaption()
{
    return text(816, "Paste or write any text in the clipboard area underneath");
}

QString ClipboardModel::privateCaption()
{
    return text(758, "Private dictionary");
}

QString ClipboardModel::loadCaption()
{
    return text(759, "&Load onto Clipboard");
}

QString ClipboardModel::saveCaption()
{
    return text(760, "&Save Clipboard into");
}

QString ClipboardModel::fileFilter()
{
    return text(910, "Text files") + u" (*.txt)"_s;
}

QString ClipboardModel::privateFolder() const
{
    QDir().mkpath(m_privateFolder);
    return m_privateFolder;
}

void ClipboardModel::setContent(const QString &content)
{
    if (content == m_text)
        return;
    m_text = content;
    m_saved = false;
    Q_EMIT changed();
}

QStringList ClipboardModel::lines() const
{
    return m_text.isEmpty() ? QStringList() : m_text.split(u'\n');
}

void ClipboardModel::load(const QStringList &files)
{
    QStringList added;
    for (const QString &path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                              QDir::toNativeSeparators(path) + u"\n"_s + file.errorString(),
                              Platform::Severity::Error});
            continue;
        }
        added += fileLines(Records::TextCodec::decode(file.readAll()));
        if (m_loadedFile.isEmpty())
            m_loadedFile = path;
    }
    if (added.isEmpty())
        return;
    m_text = m_text.isEmpty() ? added.join(u'\n') : m_text + u'\n' + added.join(u'\n');
    m_saved = false;
    Q_EMIT textReplaced();
    Q_EMIT changed();
}

bool ClipboardModel::save(const QString &chosen)
{
    if (!m_loadedFile.isEmpty() && QFileInfo(m_loadedFile).absoluteFilePath() != QFileInfo(chosen).absoluteFilePath()) {
        Platform::Question question;
        question.caption = L10n::standard(L10n::Standard::Confirm);
        question.lines = {text(761, "Replace ") + QFileInfo(m_loadedFile).fileName() + text(762, " by ")
                          + QFileInfo(chosen).fileName() + u'?'};
        question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::Cancel)};
        question.defaultButton = 0;
        question.escapeButton = 1;
        question.severity = Platform::Severity::Warning;
        if (m_dialogs.ask(question).button != 0)
            return false;
    }
    const QFileInfo info(chosen);
    const QString path = info.absolutePath() + u'/' + Dictionary::CleanFileTitle(info.fileName(), false, false)
                         + u".txt"_s;
    const QByteArray bytes = Records::TextCodec::encode(lines().join(u"\r\n"_s));
    if (!Records::writeFileAtomically(path, bytes)) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                          text(908, "Error writing to ") + QDir::toNativeSeparators(chosen), Platform::Severity::Error});
        return false;
    }
    m_saved = true;
    Q_EMIT changed();
    return true;
}

void ClipboardModel::make()
{
    if (m_addOrReplaceDefault == 0)
        return;
    m_addOrReplaceDefault = 0;
    if (m_keepAdd)
        m_keepAdd();
}

} // namespace App
