#pragma once

#include <QObject>

namespace Ui {

// Hints that carry a status text ("tip QQstatus"): while a control with such a hint is hovered, the
// part after "QQ" shows in its window's status bar and only the part before it, if any, as its tool
// tip. Installed on the application, it serves every window.
class HintStatusFilter final : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace Ui
