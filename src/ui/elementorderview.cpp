#include "ui/elementorderview.h"

#include "compose/titlesettingsmodel.h"

#include <QDropEvent>

using namespace Qt::StringLiterals;

namespace Ui {

ElementOrderView::ElementOrderView(Compose::TitleSettingsModel &model, QWidget *parent)
    : QListWidget(parent), m_model(model)
{
    setObjectName(u"elementOrder"_s);
    setViewMode(QListView::ListMode);
    setFlow(QListView::LeftToRight);
    setWrapping(false);
    setUniformItemSizes(false);
    setSpacing(2);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(&m_model, &Compose::TitleSettingsModel::changed, this, &ElementOrderView::refresh);
    refresh();
}

QSize ElementOrderView::sizeHint() const
{
    const int rowHeight = fontMetrics().height() + 12;
    return {QListWidget::sizeHint().width(), rowHeight + 2 * frameWidth() + 4};
}

void ElementOrderView::refresh()
{
    const QStringList names = m_model.elementNames();
    if (count() == names.size()) {
        bool same = true;
        for (int i = 0; i < names.size() && same; ++i)
            same = item(i)->text() == names.at(i);
        if (same)
            return;
    }
    const int current = currentRow();
    clear();
    for (const QString &name : names) {
        auto *element = new QListWidgetItem(name, this);
        element->setTextAlignment(Qt::AlignCenter);
        element->setSizeHint(QSize(fontMetrics().horizontalAdvance(name) + 14, fontMetrics().height() + 10));
        element->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
    }
    if (current >= 0 && current < count())
        setCurrentRow(current);
}

void ElementOrderView::dragMoveEvent(QDragMoveEvent *event)
{
    QListWidget::dragMoveEvent(event);
    // Only a cell of this row takes a drop; the gaps between the cells do not.
    if (event->isAccepted() && !itemAt(event->position().toPoint()))
        event->ignore();
}

void ElementOrderView::dropEvent(QDropEvent *event)
{
    // The model moves the element and the view refills itself from it; the drag itself must not
    // move or remove an item.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    dropElement(currentRow(), event->position().toPoint());
}

void ElementOrderView::dropElement(int sourceRow, const QPoint &position)
{
    const QListWidgetItem *target = itemAt(position);
    if (!target || sourceRow < 0)
        return;
    const int to = row(target);
    m_model.moveElement(sourceRow, to);
    setCurrentRow(to);
}

void ElementOrderView::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    m_model.store();
}

} // namespace Ui
