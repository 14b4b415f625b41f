#include "MessageAnswerer.h"
#include "OndaraStart.h"
#include "RowWriter.h"
#include "ScratchFolder.h"
#include "modOndara.h"

#include <QtTest>

#include <optional>

using namespace testsupport;

namespace {

// A database damaged in a page of rows in the middle of the file, which the
// start itself never reads: the indexes, written after the rows, answer it.
QByteArray damagedDatabase()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ondara.mdb");
    ondara::createDatabase(path);
    for (const QVariant &index : rawQuery(path, "SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"))
        rawExec(path, "DROP INDEX " + index.toString());
    rawExec(path, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) INSERT INTO "
                  "tblSymbols (Symbol, Date, Time) SELECT printf('S%04d', i), '2001-01-15', '15:04:05' FROM n");
    ondara::openDatabase(path)->addMissingSchema();
    return fileBytes(path).replace(24 * 4096, 4096, QByteArray(4096, '\xff'));
}

} // namespace

// A start on a database that cannot be opened: a critical box with the folder
// and the reason, status 1, and nothing made or changed. The install check
// starts the program on a good one.
class TestOndaraStart : public QObject
{
    Q_OBJECT
    std::optional<ScratchFolder> scratch;

private slots:
    void init() { QVERIFY(scratch.emplace().isValid()); }
    void cleanup() { scratch.reset(); }

    void failedStart_data()
    {
        QTest::addColumn<QByteArray>("file"); // the bytes standing in for the database; null: no file
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("remedy");
        QTest::newRow("missing") << QByteArray() << "The file ondara.mdb was not found in " << "makes the folder";
        QTest::newRow("empty file") << QByteArray("") << " has no table tblSymbols." << "move it away";
        QTest::newRow("not a database") << QByteArray(4096, 'x') << " is not a database." << "move it away";
        QTest::newRow("damaged past its first pages") << damagedDatabase() << " is damaged" << "move it away";
    }
    void failedStart()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        QFETCH(QString, remedy);
        QVERIFY(file.isNull() || writeFile(QStringLiteral("ondara.mdb"), file));
        const QStringList before = folderListing(scratch->path());
        MessageAnswerer messages;
        QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(2); }); // a start that did not refuse
        QCOMPARE(ondara::runOndara(*qApp), 1);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().title, QStringLiteral("Ondara"));
        QCOMPARE(messages.last().icon, QMessageBox::Critical);
        const QString folder = QStringLiteral("Folder: %1\n").arg(QDir::toNativeSeparators(QDir::currentPath()));
        for (const QString &part : {folder, reason, remedy})
            QVERIFY2(messages.last().text.contains(part), qPrintable(messages.last().text));
        QCOMPARE(folderListing(scratch->path()), before);
    }
};

QTEST_MAIN(TestOndaraStart)
#include "tst_ondarastart.moc"
