#include "storage/newfolderfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

class NewFolderFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void layout();
    void findAppendsAndRewrites();
    void longKeyIsNotFoundAgain();
    void refusesSymbolicLink();

private:
    QByteArray bytes() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void NewFolderFileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(u"PicNewFolder.dat"_s);
}

QByteArray NewFolderFileTest::bytes() const
{
    QFile file(m_path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void NewFolderFileTest::layout()
{
    const QByteArray record = NewFolderFile::toBytes(u"/p/2007-08-31"_s, u"Fête"_s);
    QCOMPARE(record.size(), 512);
    QCOMPARE(quint8(record.at(0)), quint8(13));
    QCOMPARE(record.mid(1, 13), QByteArray("/p/2007-08-31"));
    QCOMPARE(record.mid(14, 242), QByteArray(242, '\0'));
    QCOMPARE(quint8(record.at(256)), quint8(5));
    QCOMPARE(record.mid(257, 5), QByteArray("F\xc3\xaate"));
    QCOMPARE(record.mid(262), QByteArray(250, '\0'));
}

void NewFolderFileTest::findAppendsAndRewrites()
{
    const NewFolderFile file(m_path);
    QCOMPARE(*file.find(u"/p/a"_s), (NFRec{0, QString()}));
    QCOMPARE(*file.find(u"/p/b"_s), (NFRec{1, QString()}));
    QVERIFY(file.write(1, u"/p/b"_s, u"Party"_s));
    // Found again by its key, from a fresh reader, without a further record.
    QCOMPARE(*NewFolderFile(m_path).find(u"/p/b"_s), (NFRec{1, u"Party"_s}));
    QCOMPARE(*file.find(u"/p/a"_s), (NFRec{0, QString()}));
    QCOMPARE(bytes(), NewFolderFile::toBytes(u"/p/a"_s, {}) + NewFolderFile::toBytes(u"/p/b"_s, u"Party"_s));
}

void NewFolderFileTest::longKeyIsNotFoundAgain()
{
    const NewFolderFile file(m_path);
    const QString key = u"/"_s + QString(300, u'k');
    QCOMPARE(file.find(key)->NFIndex, 0);
    QCOMPARE(file.find(key)->NFIndex, 1);
    QCOMPARE(bytes().size(), 1024);
}

void NewFolderFileTest::refusesSymbolicLink()
{
    const QString target = m_dir->filePath(u"elsewhere"_s);
    QFile(target).open(QIODevice::WriteOnly);
    QVERIFY(QFile::link(target, m_path));
    QVERIFY(!NewFolderFile(m_path).find(u"/p/a"_s));
    QCOMPARE(QFileInfo(target).size(), 0);
}

QTEST_GUILESS_MAIN(NewFolderFileTest)
#include "newfolderfiletest.moc"
