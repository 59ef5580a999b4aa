#pragma once

#include "session/freetextline.h"

namespace Dictionary {
class EditLine;
}

namespace Session {

// The dictionary's edit line, with its completions and context panel, as the stage-2 editor
// drives it.
class DictionaryLine final : public FreeTextLine
{
public:
    explicit DictionaryLine(Dictionary::EditLine &line) : m_line(line) {}

    void load(const QString &text, bool markedForDeletion) override;
    QString text() const override;
    void enter() override;
    bool nothingToAdd() const override;
    void clearCompletions() override;
    bool hidePanel() override;

private:
    Dictionary::EditLine &m_line;
};

} // namespace Session
