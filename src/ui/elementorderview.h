#pragma once

#include <QListWidget>

namespace Compose {
class TitleSettingsModel;
}

namespace Ui {

// The six title elements in one row, in title order; an element is dragged onto the cell of the
// position it is to take. The model does the moving; the view only shows its order. Losing the
// focus stores the settings.
class ElementOrderView final : public QListWidget
{
    Q_OBJECT

public:
    explicit ElementOrderView(Compose::TitleSettingsModel &model, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    // The drop of the element at sourceRow at a point of the viewport: a drop on a cell moves the
    // element to that cell's position, a drop beside the cells changes nothing.
    void dropElement(int sourceRow, const QPoint &position);

protected:
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void refresh();

    Compose::TitleSettingsModel &m_model;
};

} // namespace Ui
