#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace Platform {
class Dialogs;
}

namespace App {

// The dialog "Clipboard to Static Dictionary": a text area whose lines are to fill the Static
// dictionary, added to it or replacing it, and the private dictionaries, text files of the
// work folder's "Private" folder, that the text area is loaded from and saved into.
class ClipboardModel final : public QObject
{
    Q_OBJECT

public:
    // addOrReplaceDefault: the folder's session setting, 1 presets Replace, 0 Add. keepAdd stores
    // 0 in it and saves the folder's session settings.
    ClipboardModel(const QString &privateFolder, int addOrReplaceDefault, std::function<void()> keepAdd,
                   Platform::Dialogs &dialogs, QObject *parent = nullptr);

    static QString caption();
    static QString areaCaption();
    static QString privateCaption();
    static QString loadCaption();
    static QString saveCaption();
    // The filter of the file dialogs.
    static QString fileFilter();

    // The folder of the private dictionaries, with a trailing '/'; created when missing.
    QString privateFolder() const;

    const QString &content() const { return m_text; }
    // The text area was changed by the user.
    void setContent(const QString &content);
    // The lines of the text area, as they are saved and built from.
    QStringList lines() const;
    bool replace() const { return m_replace; }
    void setReplace(bool replace) { m_replace = replace; }

    bool makeEnabled() const { return !m_text.isEmpty(); }
    // Until the text changes after a save there is nothing new to save.
    bool saveEnabled() const { return !m_text.isEmpty() && !m_saved; }

    // "&Load onto Clipboard": every line of every file, in order, goes to the end of the text
    // area. Files are read as UTF-8 when they are valid UTF-8, otherwise as Windows-1252.
    void load(const QStringList &files);
    // "&Save Clipboard into" the file chosen; another file than the one loaded is only replaced
    // after a question. The file gets the extension ".txt", lines end in CR LF except the last,
    // and is written as UTF-8. False when nothing was saved.
    bool save(const QString &chosen);
    // "&Make dictionary": from now on Add is preselected for this folder. The dialog closes with OK.
    void make();

Q_SIGNALS:
    // The text area is to show content() (after a load) or its buttons changed.
    void textReplaced();
    void changed();

private:
    QString m_privateFolder;
    int m_addOrReplaceDefault;
    std::function<void()> m_keepAdd;
    Platform::Dialogs &m_dialogs;
    QString m_text;
    QString m_loadedFile;
    bool m_replace = true;
    bool m_saved = false;
};

} // namespace App
