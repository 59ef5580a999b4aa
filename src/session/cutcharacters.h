#pragma once

#include <QString>

namespace Session {

// The dialog "Cut characters" as a model. The before field holds the free text of the first
// selected picture that has one; two buttons take the caret of that field as the end of the
// leading and the start of the trailing characters to cut; the after field shows the result.
class CutCharacters final
{
public:
    explicit CutCharacters(const QString &before);

    static QString windowCaption();
    static QString beforeCaption();
    static QString afterCaption();
    static QString leadingCaption();
    static QString trailingCaption();
    static QString resetCaption();
    static QString applyCaption();
    static QString cancelCaption();

    const QString &before() const { return m_before; }
    const QString &after() const { return m_after; }
    int leading() const { return m_leading; }
    int trailing() const { return m_trailing; }
    bool leadingEnabled() const { return m_leadingEnabled; }
    bool trailingEnabled() const { return m_trailingEnabled; }
    bool applyEnabled() const { return !m_after.isEmpty() && m_after != m_before; }
    // Where the before field's caret goes after a reset.
    int resetCaret() const { return 0; }

    // The leading count becomes the number of characters before the caret.
    void cutLeading(int caret);
    // The trailing count becomes the number of characters from the caret on.
    void cutTrailing(int caret);
    // Both counts 0, both buttons enabled, the after field equal to the before field.
    void reset();

    // A free text without its first leading and last trailing characters; empty when nothing remains.
    static QString cut(const QString &text, int leading, int trailing);

private:
    void update();

    QString m_before;
    QString m_after;
    int m_leading = 0;
    int m_trailing = 0;
    bool m_leadingEnabled = true;
    bool m_trailingEnabled = true;
};

} // namespace Session
