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

} // namespace Session
