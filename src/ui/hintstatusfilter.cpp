#include "ui/hintstatusfilter.h"

#include "l10n/hinttext.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace Ui {

bool HintStatusFilter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Enter && type != QEvent::Leave && type != QEvent::ToolTip)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !widget->toolTip().contains(u"QQ"_s))
        return false;
    const L10n::HintText hint = L10n::splitHint(widget->toolTip());
    if (type == QEvent::ToolTip) {
        if (hint.toolTip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), hint.toolTip, widget);
        return true;
    }
    // The window shows a status tip the way it shows a menu item's.
    QStatusTipEvent tip(type == QEvent::Enter ? hint.statusText : QString());
    QCoreApplication::sendEvent(widget, &tip);
    return false;
}

} // namespace Ui
