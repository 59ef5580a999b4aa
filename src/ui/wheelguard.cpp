#include "ui/wheelguard.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace Ui {

namespace {

bool isGuarded(const QObject *object)
{
    return qobject_cast<const QComboBox *>(object) || qobject_cast<const QAbstractSpinBox *>(object);
}

} // namespace

WheelGuard::WheelGuard(QObject *parent) : QObject(parent) {}

bool WheelGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (!isGuarded(watched))
        return false;
    auto *control = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::Polish && control->focusPolicy() == Qt::WheelFocus) {
        control->setFocusPolicy(Qt::StrongFocus);
    } else if (event->type() == QEvent::Wheel && !control->hasFocus()) {
        // Passed up the way the application passes a wheel nobody took, which it does not do
        // for an event sent on.
        for (QWidget *holder = control->parentWidget(); holder; holder = holder->parentWidget()) {
            event->accept();
            QCoreApplication::sendEvent(holder, event);
            if (event->isAccepted() || holder->isWindow())
                break;
        }
        return true;
    }
    return false;
}

} // namespace Ui
