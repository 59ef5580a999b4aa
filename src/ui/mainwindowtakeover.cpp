#include "ui/mainwindow.h"

#include "ui/previewpane.h"
#include "ui/quickstartwindow.h"
#include "ui/stagecolumn.h"

#include "app/application.h"
#include "session/picturetablemodel.h"

#include <QScrollBar>
#include <QTableView>
#include <QToolBox>

namespace Ui {

void MainWindow::takeOver(MainWindow &old)
{
    // The old window may wear a theme: the desktop's own colours are what a later theme builds on.
    m_desktopPalette = old.m_desktopPalette;
    // A window never shown has no place of its own yet: showing this one for the session restores
    // the stored place.
    if (!old.isVisible())
        return;
    old.storeWindowState();
    restoreWindowState();
    if (const QModelIndex current = old.m_table->currentIndex(); current.isValid())
        m_table->setCurrentIndex(m_model->index(current.row(), current.column()));
    m_stageColumn->pages()->setCurrentIndex(old.m_stageColumn->pages()->currentIndex());
    if (m_application.windowLayout().fixedMaximised)
        setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    // Exactly where the old one stood, also where no window manager placed it.
    setGeometry(old.geometry());
    if (old.isMaximized())
        showMaximized();
    else
        show();
    m_table->verticalScrollBar()->setValue(old.m_table->verticalScrollBar()->value());
    m_table->horizontalScrollBar()->setValue(old.m_table->horizontalScrollBar()->value());
    // The focus goes to the same control, found by its name where the name is the window's own.
    QWidget *focus = m_table;
    if (const QWidget *oldFocus = old.focusWidget(); oldFocus && !oldFocus->objectName().isEmpty()) {
        const QList<QWidget *> named = findChildren<QWidget *>(oldFocus->objectName());
        if (named.size() == 1 && named.first()->isVisible())
            focus = named.first();
    }
    activateWindow();
    focus->setFocus(Qt::OtherFocusReason);
    // The help window open beside the old window follows, in the new language.
    if (old.m_quickStart && old.m_quickStart->isVisible()) {
        m_quickStart = new QuickStartWindow(this);
        m_quickStart->keepClear(m_table, m_previewPane);
        m_quickStart->takeOver(*old.m_quickStart);
    }
}

} // namespace Ui
