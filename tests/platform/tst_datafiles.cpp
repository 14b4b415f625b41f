#include "DataFiles.h"
#include "ScratchFolder.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QTest>

using namespace ondara;

// The program's pictures: a file that is missing or cannot be read leaves
// the picture shown before it.
class TestDataFiles : public QObject
{
    Q_OBJECT
    testsupport::ScratchFolder m_folder;

private slots:
    void unreadablePictureKeepsThePrevious_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents"); // null: no such file anywhere
        QTest::newRow("missing everywhere") << "no-such-picture.gif" << QByteArray();
        QTest::newRow("not a picture") << "broken.gif" << QByteArray("GIF89a this is not a picture");
        QTest::newRow("empty file") << "empty.bmp" << QByteArray("");
    }
    void unreadablePictureKeepsThePrevious()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QVERIFY(contents.isNull() || testsupport::writeFile(name, contents));
        QPixmap picture(3, 3);
        picture.fill(Qt::green);
        const qint64 before = picture.cacheKey();
        QVERIFY(!loadPicture(name, picture));
        QCOMPARE(picture.cacheKey(), before);

        QVERIFY(loadPicture(QStringLiteral("wave5up.gif"), picture));
        QCOMPARE(picture.size(), QSize(404, 312));
    }
};

QTEST_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
