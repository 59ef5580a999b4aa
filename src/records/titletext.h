#pragma once

#include <QChar>
#include <QString>

// The characters a title may never hold, wherever its text comes from: typed into a field, read
// from a work file or from a picture's metadata.
namespace Records {

// One of the nine characters no file or folder name may hold: / \ : * ? " < > |.
inline bool isIllegalTitleCharacter(QChar character)
{
    switch (character.unicode()) {
    case u'/':
    case u'\\':
    case u':':
    case u'*':
    case u'?':
    case u'"':
    case u'<':
    case u'>':
    case u'|':
        return true;
    default:
        return false;
    }
}

// The control codes 0..31: a NUL cuts a name short, a line feed breaks every list of names.
inline bool isControlCharacter(QChar character)
{
    return character.unicode() < 0x20;
}

// The text without its control codes.
inline QString withoutControlCharacters(QString text)
{
    text.removeIf(isControlCharacter);
    return text;
}

// A text that becomes part of a title, as typing it would have left it: without the nine illegal
// characters and the control codes. Texts read from work files pass here, since a file written
// by another program or damaged on a disk holds whatever it holds.
inline QString cleanTitleText(QString text)
{
    text.removeIf([](QChar character) { return isIllegalTitleCharacter(character) || isControlCharacter(character); });
    return text;
}

} // namespace Records
