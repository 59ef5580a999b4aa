#pragma once

#include <QList>
#include <QListWidget>
#include <QString>

namespace Ui {

// A list of texts with a check box each, as the lists of strings, extensions and folders show
// them: filled from the core's entries, reporting check-box changes and the highlighted rows.
class CheckList final : public QListWidget
{
    Q_OBJECT

public:
    struct Entry
    {
        QString text;
        bool checked = false;
    };

    explicit CheckList(QWidget *parent = nullptr);

    // Replaces the items without reporting their check boxes as changed.
    void setEntries(const QList<Entry> &entries);
    // The highlighted rows, in the order they were highlighted.
    QList<int> selectedRows() const;

Q_SIGNALS:
    void checkChanged(int row, bool checked);
};

// The entries of any list of records with a text and a check mark.
template<typename Records, typename TextOf, typename CheckedOf>
QList<CheckList::Entry> checkListEntries(const Records &records, TextOf textOf, CheckedOf checkedOf)
{
    QList<CheckList::Entry> entries;
    for (const auto &record : records)
        entries.append({textOf(record), checkedOf(record)});
    return entries;
}

} // namespace Ui
