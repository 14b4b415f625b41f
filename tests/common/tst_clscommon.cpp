#include "clsCommon.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWidget>

class TestClsCommon : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void stripPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("folder and file") << "C:\\Data\\prices.bmp" << "prices.bmp";
        QTest::newRow("file only") << "prices.bmp" << "prices.bmp";
        QTest::newRow("ends in a backslash") << "C:\\Data\\" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("forward slashes are not separators") << "/home/t/prices.bmp" << "/home/t/prices.bmp";
        QTest::newRow("network path") << "\\\\server\\share\\chart.bmp" << "chart.bmp";
        QTest::newRow("backslash only") << "\\" << "";
    }
    void stripPath()
    {
        QFETCH(QString, path);
        QTEST(clsCommon().StripPath(path), "expected");
    }

    // The About box is modal to its owner and shows the owner's icon, the title, the notice and the address.
    void aboutBoxIsModalWithOwnersIcon()
    {
        QApplication::setApplicationName(QStringLiteral("Ondara"));
        QWidget owner;
        QPixmap red(32, 32);
        red.fill(Qt::red);
        owner.setWindowIcon(QIcon(red));
        owner.show();

        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = true;
            QCOMPARE(box->windowTitle(), QStringLiteral("Ondara"));
            QCOMPARE(box->parentWidget(), &owner);
            QVERIFY(box->informativeText().contains(clsCommon::noticeLine()));
            QVERIFY(box->informativeText().contains(clsCommon::webAddress()));
            const QImage icon = box->iconPixmap().toImage();
            QVERIFY(!icon.isNull());
            QCOMPARE(icon.pixelColor(icon.width() / 2, icon.height() / 2), QColor(Qt::red));
            box->button(QMessageBox::Ok)->click();
        });
        clsCommon().AboutAppInfo(&owner);
        QVERIFY(seen);
    }
};

QTEST_MAIN(TestClsCommon)
#include "tst_clscommon.moc"
