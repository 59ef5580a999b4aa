#pragma once

#include <QObject>

namespace Ui {

// Keeps the mouse wheel from changing combo boxes and spin boxes that do not have the focus:
// most of them store a setting at once, and a wheel meant to scroll the panel around them would
// change it unseen. Such a wheel scrolls what holds the control instead, and the wheel no longer
// gives these controls the focus. Installed on the application, it covers every window.
class WheelGuard final : public QObject
{
    Q_OBJECT

public:
    explicit WheelGuard(QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace Ui
