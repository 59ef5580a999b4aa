#pragma once

#include <QStyledItemDelegate>

namespace Ui {

// The "New title" column: a title that could not be retitled shows in the error colour, bold.
class NewTitleDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

} // namespace Ui
