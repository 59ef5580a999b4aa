#include "ui/newtitledelegate.h"

#include "ui/themecolours.h"

#include "session/picturetablemodel.h"

namespace Ui {

void NewTitleDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(Session::PictureTableModel::NewTitleErrorRole).toString().isEmpty())
        return;
    const QColor error = ThemeColours::text(Tint::Error, option->palette);
    option->palette.setColor(QPalette::Text, error);
    option->palette.setColor(QPalette::HighlightedText, error);
    option->font.setBold(true);
}

} // namespace Ui
