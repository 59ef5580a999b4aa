#pragma once

#include "retitle/syncext.h"

#include <QList>
#include <QString>

namespace Platform {
class Dialogs;
}

namespace Retitle {

// The dialog that maintains the extensions kept in sync with the pictures, as a model: it edits a
// copy of SyncExt.dat that OK writes back.
class SyncExtEditor final
{
public:
    static constexpr int maxInputLength = 30;

    SyncExtEditor(const QString &path, Platform::Dialogs &dialogs);

    // Reads the file; false after telling the user it could not be read.
    bool load();

    static QString windowCaption();
    static QString inputPrompt();
    static QString addCaption();
    static QString removeCaption();
    static QString okCaption();
    static QString cancelCaption();

    const QList<SyncExtRec> &entries() const { return m_entries; }
    void setChecked(int index, bool checked);

    // The input field as the user changed it, with the caret at cursor: a forbidden file-name
    // character just typed is taken out again (with the status message), anything else is turned
    // into lower case. input() and cursor() then give what the field shows.
    void edit(const QString &text, int cursor);
    const QString &input() const { return m_input; }
    int cursor() const { return m_cursor; }
    bool addEnabled() const { return !m_input.isEmpty(); }

    // "&Add": the input without trailing spaces and leading dots and spaces, in lower case. A
    // picture or voice extension, an empty one or one longer than 10 characters, and one already
    // listed, are refused with a message. True when it was appended (checked); the input is then
    // emptied.
    bool add();
    void remove(const QList<int> &indexes);

    // OK: rewrites the file with every entry; false after telling the user it failed.
    bool accept();

private:
    QString m_path;
    Platform::Dialogs &m_dialogs;
    QList<SyncExtRec> m_entries;
    QString m_input;
    int m_cursor = 0;
};

} // namespace Retitle
