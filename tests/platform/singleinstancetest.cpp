#include "platform/singleinstance.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Platform::SingleInstance;

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void laterCopyHandsOverItsFolder();
};

void SingleInstanceTest::laterCopyHandsOverItsFolder()
{
    QTemporaryDir locks;
    const QString key = locks.filePath(u"mirelto"_s);
    SingleInstance first(key, locks.path());
    QCOMPARE(first.claim(u"/pictures/Trip"_s), SingleInstance::Outcome::First);
    QStringList told;
    connect(&first, &SingleInstance::raiseRequested, this, [&told](const QString &folder) { told.append(folder); });

    SingleInstance later(key, locks.path());
    QCOMPARE(later.claim(u"/pictures/Holiday 2024"_s), SingleInstance::Outcome::OtherRunning);
    QTRY_COMPARE(told, QStringList{u"/pictures/Holiday 2024"_s});
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "singleinstancetest.moc"
