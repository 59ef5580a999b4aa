#include "ui/quickstartwindow.h"

#include "app/guideplacement.h"
#include "app/quickstart.h"
#include "l10n/text.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
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

void QuickStartWindow::keepClear(QWidget *table, QWidget *picture)
{
    m_table = table;
    m_picture = picture;
}

void QuickStartWindow::showSection(const QString &section, bool activate)
{
    showDocument(App::HelpDocument::QuickStart, section, activate);
}

void QuickStartWindow::showDocument(App::HelpDocument document, const QString &section, bool activate)
{
    setWindowTitle(App::HelpDocuments::caption(document));
    m_browser->setSource(QUrl(App::HelpDocuments::url(document, section)));
    const bool first = !m_placed;
    if (first) {
        m_placed = true;
        place();
    }
    setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    show();
    // Once shown the frame is known: the whole window, its Close button too, is on the screen.
    if (first)
        keepInsideScreen();
    if (activate) {
        raise();
        activateWindow();
        m_browser->setFocus();
    }
}

void QuickStartWindow::takeOver(const QuickStartWindow &old)
{
    const QUrl source = old.m_browser->source();
    m_placed = true;
    setGeometry(old.geometry());
    showDocument(App::HelpDocuments::documentOf(source.path()), source.fragment(), false);
}

QRect QuickStartWindow::globalRect(const QWidget *widget) const
{
    if (!widget || !widget->isVisible())
        return {};
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

Session::GuideSide QuickStartWindow::side() const
{
    const QWidget *mainWindow = parentWidget() ? parentWidget()->window() : nullptr;
    if (!mainWindow)
        return Session::GuideSide::Right;
    return App::GuidePlacement::sideOf(frameGeometry(), mainWindow->frameGeometry(), globalRect(m_table));
}

void QuickStartWindow::place()
{
    // The first time beside the main window where the screen has room, else over its picture,
    // so the table and the panels where the user works stay in view; from then on where and as
    // large as the user left it.
    QWidget *mainWindow = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen *screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // A picture shown just now has its place only once the pending layouts are done.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QRect window = mainWindow ? mainWindow->frameGeometry() : QRect(available.topLeft(), QSize(0, 0));
    const App::GuidePlacement::Place place =
        App::GuidePlacement::place(available, window, globalRect(m_table), globalRect(m_picture));
    // The frame is not known before the window is shown: the usual title bar is allowed for.
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    move(place.frame.topLeft());
    resize(place.frame.width(), qMax(1, place.frame.height() - titleBar));
}

void QuickStartWindow::keepInsideScreen()
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QRect frame = frameGeometry();
    if (available.contains(frame))
        return;
    const QSize margins = frame.size() - size();
    const QSize inner(qMin(width(), available.width() - margins.width()),
                      qMin(height(), available.height() - margins.height()));
    resize(inner);
    const QSize outer = inner + margins;
    move(qBound(available.left(), frame.left(), available.right() - outer.width() + 1),
         qBound(available.top(), frame.top(), available.bottom() - outer.height() + 1));
}

} // namespace Ui
