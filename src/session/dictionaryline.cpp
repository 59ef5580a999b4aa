#include "session/dictionaryline.h"

#include "dictionary/editline.h"

namespace Session {

void DictionaryLine::load(const QString &text, bool markedForDeletion)
{
    m_line.load(text, markedForDeletion);
}

QString DictionaryLine::text() const
{
    return m_line.text();
}

void DictionaryLine::enter()
{
    m_line.enter(Qt::NoModifier);
}

bool DictionaryLine::nothingToAdd() const
{
    return m_line.nothingToAdd();
}

void DictionaryLine::clearCompletions()
{
    m_line.clearCompletions();
}

bool DictionaryLine::hidePanel()
{
    if (!m_line.isContextPanelShown())
        return false;
    // Escape in the panel's list hides it and asks for the focus in the line.
    m_line.listKey(Dictionary::EditLine::List::Context, Qt::Key_Escape, Qt::NoModifier);
    return true;
}

} // namespace Session
