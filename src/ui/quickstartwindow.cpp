#include "ui/quickstartwindow.h"

#include "app/quickstart.h"
#include "l10n/text.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

QuickStartWindow::QuickStartWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"quickStartWindow"_s);
    setWindowTitle(App::QuickStart::windowCaption());
    setModal(false);
    m_browser = new QTextBrowser;
    m_browser->setObjectName(u"quickStartText"_s);
    m_browser->setOpenLinks(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(L10n::text(1250, "&Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
}

void QuickStartWindow::showSection(const QString &section, bool activate)
{
    m_browser->setSource(QUrl(App::QuickStart::url(section)));
    if (!m_placed) {
        m_placed = true;
        place();
    }
    setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    show();
    if (activate) {
        raise();
        activateWindow();
        m_browser->setFocus();
    }
}

void QuickStartWindow::place()
{
    // The first time beside the main window where the screen has room, else over its picture
    // list, so the panels where the user works stay in view; from then on where and as large
    // as the user left it.
    QWidget *mainWindow = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen *screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QSize size(qMin(640, available.width() / 2), qMin(720, available.height() * 9 / 10));
    int x = available.right() - size.width() - 8;
    if (mainWindow) {
        const QRect frame = mainWindow->frameGeometry();
        const int roomRight = available.right() - frame.right();
        if (roomRight >= 360) {
            size.setWidth(qMin(size.width(), roomRight - 8));
            x = frame.right() + 4;
        } else {
            x = qMax(available.left(), frame.left()) + 8;
        }
    }
    resize(size);
    move(x, available.top() + (available.height() - size.height()) / 2);
}

} // namespace Ui
