#include "ui/hintstatusfilter.h"

#include <QEnterEvent>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

using namespace Qt::StringLiterals;

class HintStatusFilterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statusShowsWhileHovered();
};

void HintStatusFilterTest::statusShowsWhileHovered()
{
    QMainWindow window;
    auto *marked = new QPushButton(u"A"_s);
    marked->setToolTip(u"QQSelect pictures in the list"_s);
    auto *plain = new QPushButton(u"B"_s, marked);
    plain->setToolTip(u"Keep this picture"_s);
    window.setCentralWidget(marked);
    window.statusBar();
    window.show();
    Ui::HintStatusFilter filter;
    qApp->installEventFilter(&filter);

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(marked, &enter);
    QCOMPARE(window.statusBar()->currentMessage(), u"Select pictures in the list"_s);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(marked, &leave);
    QCOMPARE(window.statusBar()->currentMessage(), QString());
    // A hint without the marker stays a tool tip only.
    QCoreApplication::sendEvent(plain, &enter);
    QCOMPARE(window.statusBar()->currentMessage(), QString());
}

QTEST_MAIN(HintStatusFilterTest)
#include "hintstatusfiltertest.moc"
