#include "ui/checklist.h"

namespace Ui {

CheckList::CheckList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(this, &QListWidget::itemChanged, this,
            [this](QListWidgetItem *item) { Q_EMIT checkChanged(row(item), item->checkState() == Qt::Checked); });
}

void CheckList::setEntries(const QList<Entry> &entries)
{
    const QSignalBlocker blocker(this);
    clear();
    for (const Entry &entry : entries) {
        auto *item = new QListWidgetItem(entry.text, this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(entry.checked ? Qt::Checked : Qt::Unchecked);
    }
}

QList<int> CheckList::selectedRows() const
{
    QList<int> rows;
    for (const QListWidgetItem *item : selectedItems())
        rows.append(row(item));
    return rows;
}

} // namespace Ui
