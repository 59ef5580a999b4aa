#include "ui/contextpanel.h"

#include "ui/themecolours.h"

#include "dictionary/editline.h"
#include "ui/completionlist.h"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

using Dictionary::EditLine;

namespace {

// Draws a line with a yellow background under each occurrence of the word searched.
class OccurrenceDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        QStyle *style = item.widget ? item.widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
        const QRect textRect = style ? style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget)
                                     : option.rect;
        const QFontMetrics metrics(item.font);
        const int keyLength = index.data(ContextPanel::KeyLengthRole).toInt();
        painter->save();
        for (const QVariant &start : index.data(ContextPanel::OccurrencesRole).toList()) {
            const int at = start.toInt();
            const int left = textRect.left() + metrics.horizontalAdvance(text.left(at));
            const int width = metrics.horizontalAdvance(text.mid(at, keyLength));
            painter->fillRect(QRect(left, textRect.top(), width, textRect.height()), ContextPanel::occurrenceColour(item.palette));
        }
        painter->setFont(item.font);
        painter->setPen(index.data(Qt::ForegroundRole).value<QBrush>().color());
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter->restore();
    }
};

} // namespace

// The panel's list; its keys and clicks go to the model.
class ContextList final : public QListWidget
{
public:
    explicit ContextList(Dictionary::EditLine &line, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    // Qt delivers the second press of a double click here; the model times the presses itself.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void pressed(QMouseEvent *event);

    Dictionary::EditLine &m_line;
    QElapsedTimer m_clock;
};

ContextPanel::ContextPanel(EditLine &line, QWidget *parent) : QWidget(parent), m_line(line)
{
    setObjectName(u"contextPanel"_s);
    m_list = new ContextList(line);
    m_list->setItemDelegate(new OccurrenceDelegate(m_list));
    m_status0 = new QLabel;
    m_status0->setObjectName(u"contextStatus0"_s);
    m_status0->setFrameShape(QFrame::StyledPanel);
    m_status1 = new QLabel;
    m_status1->setObjectName(u"contextStatus1"_s);
    m_status1->setFrameShape(QFrame::StyledPanel);
    // The counts follow the panel's width (a short form when narrow), never the other way.
    m_status1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto *status = new QHBoxLayout;
    status->setContentsMargins(0, 0, 0, 0);
    status->addWidget(m_status0);
    status->addWidget(m_status1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list, 1);
    layout->addLayout(status);

    connect(&m_line, &EditLine::contextPanelChanged, this, &ContextPanel::refresh);
    refresh();
}

QListWidget *ContextPanel::list() const
{
    return m_list;
}

QColor ContextPanel::occurrenceColour(const QPalette &palette)
{
    return ThemeColours::highlight(Tint::Occurrence, palette);
}

void ContextPanel::refresh()
{
    const QSignalBlocker blocker(m_list);
    if (m_shown != m_line.contextLines()) {
        m_shown = m_line.contextLines();
        m_list->clear();
        for (const Dictionary::ContextLine &contextLine : m_shown) {
            auto *item = new QListWidgetItem(contextLine.text, m_list);
            item->setForeground(contextLine.active ? CompletionList::activeColour(palette())
                                                : CompletionList::staticColour(palette()));
            QVariantList starts;
            for (int start : contextLine.occurrences)
                starts.append(start);
            item->setData(OccurrencesRole, starts);
            item->setData(KeyLengthRole, m_line.contextKeyLength());
        }
    }
    m_list->setCurrentRow(m_line.highlightedContextLine());
    showStatus();
    setVisible(m_line.isContextPanelShown());
}

void ContextPanel::showStatus()
{
    const QStringList fields = m_line.contextStatus(width());
    m_status0->setText(fields.value(0));
    m_status1->setText(fields.value(1));
}

void ContextPanel::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_line.contextPanelLeft();
}

void ContextPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    showStatus();
}

ContextList::ContextList(EditLine &line, QWidget *parent) : QListWidget(parent), m_line(line)
{
    setObjectName(u"contextList"_s);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::StrongFocus);
    m_clock.start();
}

void ContextList::keyPressEvent(QKeyEvent *event)
{
    if (m_line.listKey(EditLine::List::Context, event->key(), event->modifiers(), event->text())) {
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
    // The model's highlight is the line Enter takes; no key may show another one.
    const QSignalBlocker blocker(this);
    setCurrentRow(m_line.highlightedContextLine());
}

void ContextList::pressed(QMouseEvent *event)
{
    const int row = indexAt(event->position().toPoint()).row();
    if (row >= 0)
        m_line.listPressed(EditLine::List::Context, row, m_clock.elapsed());
}

void ContextList::mousePressEvent(QMouseEvent *event)
{
    QListWidget::mousePressEvent(event);
    pressed(event);
}

void ContextList::mouseDoubleClickEvent(QMouseEvent *event)
{
    pressed(event);
}

void ContextList::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    const int row = indexAt(event->position().toPoint()).row();
    if (row >= 0)
        m_line.listReleased(EditLine::List::Context, row);
}

} // namespace Ui
