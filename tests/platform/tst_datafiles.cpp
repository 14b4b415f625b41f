#include "DataFiles.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace ondara;

class TestDataFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void currentFolderWinsOverProgramFolder();
    void unreadablePictureKeepsThePrevious_data();
    void unreadablePictureKeepsThePrevious();

private:
    QTemporaryDir m_dir;
};

void TestDataFiles::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    QDir::setCurrent(m_dir.path());
}

void TestDataFiles::currentFolderWinsOverProgramFolder()
{
    const QString shipped = findPicture(QStringLiteral("wave5up.gif"));
    QVERIFY2(!shipped.isEmpty(), "pictures are not beside the program");
    QVERIFY(shipped.startsWith(QCoreApplication::applicationDirPath()));

    QImage own(4, 4, QImage::Format_RGB32);
    own.fill(Qt::blue);
    QVERIFY(own.save(m_dir.filePath(QStringLiteral("wave5up.gif")), "PNG"));
    QCOMPARE(findPicture(QStringLiteral("wave5up.gif")), m_dir.filePath(QStringLiteral("wave5up.gif")));
    QFile::remove(m_dir.filePath(QStringLiteral("wave5up.gif")));
    QCOMPARE(findPicture(QStringLiteral("wave5up.gif")), shipped);
}

void TestDataFiles::unreadablePictureKeepsThePrevious_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("missing everywhere") << "no-such-picture.gif" << QByteArray();
    QTest::newRow("not a picture") << "broken.gif" << QByteArray("GIF89a this is not a picture");
    QTest::newRow("empty file") << "empty.bmp" << QByteArray("");
}

void TestDataFiles::unreadablePictureKeepsThePrevious()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    if (!contents.isNull()) {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QPixmap picture(3, 3);
    picture.fill(Qt::green);
    const qint64 before = picture.cacheKey();
    QVERIFY(!loadPicture(name, picture));
    QCOMPARE(picture.cacheKey(), before);

    QVERIFY(loadPicture(QStringLiteral("wave5up.gif"), picture));
    QCOMPARE(picture.size(), QSize(404, 312));
}

QTEST_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
