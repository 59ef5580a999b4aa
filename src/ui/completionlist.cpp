#include "ui/completionlist.h"

#include "ui/themecolours.h"

#include "dictionary/editline.h"

#include <QKeyEvent>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

namespace Ui {

using Dictionary::EditLine;

CompletionList::CompletionList(EditLine &line, QWidget *parent) : QListWidget(parent), m_line(line)
{
    setObjectName(u"completionList"_s);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::StrongFocus);
    m_clock.start();
    connect(&m_line, &EditLine::completionsChanged, this, &CompletionList::refresh);
    refresh();
}

QColor CompletionList::activeColour(const QPalette &palette)
{
    return ThemeColours::text(Tint::ActiveEntry, palette);
}

QColor CompletionList::staticColour(const QPalette &palette)
{
    return palette.color(QPalette::Text);
}

void CompletionList::refresh()
{
    const QSignalBlocker blocker(this);
    if (m_shown == m_line.completions()) {
        showHighlight();
        return;
    }
    m_shown = m_line.completions();
    clear();
    for (const Dictionary::CompletionLine &completion : m_shown) {
        auto *item = new QListWidgetItem(completion.text, this);
        item->setForeground(completion.active ? activeColour(palette()) : staticColour(palette()));
    }
    showHighlight();
}

void CompletionList::showHighlight()
{
    const int highlighted = m_line.highlightedCompletion();
    setCurrentRow(highlighted);
    if (QListWidgetItem *current = item(highlighted))
        scrollToItem(current);
}

void CompletionList::keyPressEvent(QKeyEvent *event)
{
    if (m_line.listKey(EditLine::List::Completions, event->key(), event->modifiers(), event->text())) {
        event->accept();
        showHighlight();
        return;
    }
    QListWidget::keyPressEvent(event);
    // The model's highlight is the line Enter takes; no key may show another one.
    showHighlight();
}

void CompletionList::mousePressEvent(QMouseEvent *event)
{
    QListWidget::mousePressEvent(event);
    const int row = indexAt(event->position().toPoint()).row();
    if (row >= 0)
        m_line.listPressed(EditLine::List::Completions, row, m_clock.elapsed());
}

void CompletionList::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int row = indexAt(event->position().toPoint()).row();
    if (row >= 0)
        m_line.listPressed(EditLine::List::Completions, row, m_clock.elapsed());
}

void CompletionList::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    const int row = indexAt(event->position().toPoint()).row();
    if (row >= 0)
        m_line.listReleased(EditLine::List::Completions, row);
    showHighlight();
}

} // namespace Ui
