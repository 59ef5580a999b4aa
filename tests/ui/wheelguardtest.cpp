#include "ui/wheelguard.h"

#include <QApplication>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace {

// One notch of the wheel turned down over the middle of widget.
void turnWheel(QWidget *widget)
{
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

} // namespace

class WheelGuardTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wheelChangesOnlyAFocusedControl();
};

void WheelGuardTest::wheelChangesOnlyAFocusedControl()
{
    Ui::WheelGuard guard;
    QApplication::instance()->installEventFilter(&guard);
    QScrollArea area;
    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);
    auto *combo = new QComboBox;
    combo->addItems({u"yyyy-mm-dd"_s, u"dd-mm-yyyy"_s, u"mm-dd-yyyy"_s});
    auto *spin = new QSpinBox;
    auto *other = new QSpinBox;
    layout->addWidget(combo);
    layout->addWidget(spin);
    layout->addWidget(other);
    layout->addSpacing(2000);
    area.setWidget(panel);
    area.resize(300, 200);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    other->setFocus();

    // Without the focus the wheel scrolls the panel and leaves the settings as they are.
    turnWheel(combo);
    turnWheel(spin);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(spin->value(), 0);
    QVERIFY(area.verticalScrollBar()->value() > 0);
    QCOMPARE(combo->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(spin->focusPolicy(), Qt::StrongFocus);

    // With the focus the wheel still changes them.
    combo->setFocus();
    QVERIFY(combo->hasFocus());
    turnWheel(combo);
    QCOMPARE(combo->currentIndex(), 1);
}

QTEST_MAIN(WheelGuardTest)
#include "wheelguardtest.moc"
