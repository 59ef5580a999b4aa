#include "session/cutcharacters.h"

#include "l10n/text.h"

#include <QtGlobal>

namespace Session {

using L10n::text;

CutCharacters::CutCharacters(const QString &before) : m_before(before)
{
    reset();
}

QString CutCharacters::windowCaption()
{
    return text(241, "Cut characters");
}

QString CutCharacters::beforeCaption()
{
    return text(376, "Free text of the first selected picture to rename before cutting characters");
}

QString CutCharacters::afterCaption()
{
    return text(379, "Free text of the first selected picture to rename after cutting characters");
}

QString CutCharacters::leadingCaption()
{
    return text(377, "Place the cursor after the last position of the &leading characters to be cut and press this button");
}

QString CutCharacters::trailingCaption()
{
    return text(378, "Place the cursor on the first position of the &trailing characters to be cut and press this button");
}

QString CutCharacters::resetCaption()
{
    return text(381, "&Reset");
}

QString CutCharacters::applyCaption()
{
    return text(380, "&Apply to all selected pictures");
}

QString CutCharacters::cancelCaption()
{
    return text(912, "&Cancel");
}

void CutCharacters::cutLeading(int caret)
{
    m_leading = qBound(0, caret, int(m_before.size()));
    m_leadingEnabled = false;
    update();
}

void CutCharacters::cutTrailing(int caret)
{
    m_trailing = int(m_before.size()) - qBound(0, caret, int(m_before.size()));
    m_trailingEnabled = false;
    update();
}

void CutCharacters::reset()
{
    m_leading = 0;
    m_trailing = 0;
    m_leadingEnabled = true;
    m_trailingEnabled = true;
    m_after = m_before;
}

void CutCharacters::update()
{
    m_after = cut(m_before, m_leading, m_trailing);
    if (m_after.isEmpty())
        reset();
}

QString CutCharacters::cut(const QString &text, int leading, int trailing)
{
    const qsizetype length = text.size() - leading - trailing;
    if (length <= 0)
        return {};
    return text.mid(leading, length);
}

} // namespace Session
