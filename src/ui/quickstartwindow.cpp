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
    buttons->button(QDialogButtonBox::Close)->setText(L10n::text("&Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
}

void QuickStartWindow::showSection(const QString &section, bool activate)
{
    m_browser->setSource(QUrl(App::QuickStart::url(section)));
    if (!m_placed) {
        // The first time at the right edge of the screen, beside the main window's panels; from
        // then on where and as large as the user left it.
        m_placed = true;
        const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QRect available = screen->availableGeometry();
            const QSize size(qMin(640, available.width() / 2), qMin(720, available.height() * 9 / 10));
            resize(size);
            move(available.right() - size.width() - 8, available.top() + (available.height() - size.height()) / 2);
        }
    }
    setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    show();
    if (activate) {
        raise();
        activateWindow();
        m_browser->setFocus();
    }
}

} // namespace Ui
