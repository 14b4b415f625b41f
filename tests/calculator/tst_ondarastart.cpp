// MessageBoxWatcher.h reads the default button without including its class.
#include <QPushButton>

#include "MessageBoxWatcher.h"
#include "OndaraStart.h"
#include "StoreTestSupport.h"
#include "frmOndara.h"
#include "modOndara.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace storetest;

// The program's start: a database that cannot be opened is reported with the
// folder and the reason, the run ends with status 1, and nothing is made or
// changed; a good database runs the window until it is closed.
class TestOndaraStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        scratch = std::make_unique<ScratchFolder>();
        QVERIFY(scratch->isValid());
    }
    void cleanup() { scratch.reset(); }

    void failedStartReportsFolderAndReason_data()
    {
        QTest::addColumn<QString>("file"); // what stands in for the database
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("remedy");
        QTest::newRow("missing") << "" << "The file ondara.mdb was not found in " << "makes the folder";
        QTest::newRow("empty file") << "empty" << " has no table tblSymbols." << "move it away";
        QTest::newRow("not a database") << "text" << " is not a database." << "move it away";
        QTest::newRow("database of another program") << "other" << " has no table tblSymbols." << "move it away";
    }
    void failedStartReportsFolderAndReason()
    {
        QFETCH(QString, file);
        const QString path = QStringLiteral("ondara.mdb");
        if (file == u"empty" || file == u"text") {
            QFile made(path);
            QVERIFY(made.open(QIODevice::WriteOnly));
            if (file == u"text")
                made.write(QByteArray(4096, 'x'));
        } else if (file == u"other") {
            QVERIFY(rawExec(path, QStringLiteral("CREATE TABLE Customers (Name TEXT)")));
        }
        const QStringList before = folderListing(scratch->dir.path());

        QStringList reports;
        const int status = ondara::runOndara(*qApp, [&reports](const QString &text) { reports.append(text); });
        QCOMPARE(status, 1);
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports[0].contains(QStringLiteral("Folder: %1\n").arg(QDir::toNativeSeparators(QDir::currentPath()))),
                 qPrintable(reports[0]));
        QFETCH(QString, reason);
        QVERIFY2(reports[0].contains(reason), qPrintable(reports[0]));
        QFETCH(QString, remedy);
        QVERIFY2(reports[0].contains(remedy), qPrintable(reports[0]));
        QCOMPARE(folderListing(scratch->dir.path()), before);
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }

    void failureShowsCriticalBox()
    {
        MessageBoxWatcher messages;
        ondara::showStartFailure(QStringLiteral("Reason"));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().title, QStringLiteral("Ondara"));
        QCOMPARE(messages.last().text, QStringLiteral("Reason"));
        QCOMPARE(messages.last().icon, QMessageBox::Critical);
        QCOMPARE(messages.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void goodDatabaseRunsUntilWindowCloses()
    {
        ondara::createDatabase(QStringLiteral("ondara.mdb"));
        QStringList reports;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [] {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (qobject_cast<frmOndara *>(window) && window->isVisible())
                    window->close();
            }
        });
        closer.start(20);
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(2); });
        QCOMPARE(ondara::runOndara(*qApp, [&reports](const QString &text) { reports.append(text); }), 0);
        QCOMPARE(reports, QStringList());
    }

private:
    std::unique_ptr<ScratchFolder> scratch;
};

QTEST_MAIN(TestOndaraStart)
#include "tst_ondarastart.moc"
