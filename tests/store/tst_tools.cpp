#include "RowWriter.h"
#include "ScratchFolder.h"
#include "modOndara.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

using namespace ondara;
using namespace testsupport;

class TestTools : public QObject
{
    Q_OBJECT

    const QString m_bin = QCoreApplication::applicationDirPath() + u'/';
    std::unique_ptr<ScratchFolder> m_scratch;

private slots:
    void init() { m_scratch = std::make_unique<ScratchFolder>(); QVERIFY(m_scratch->isValid()); }
    void cleanup() { m_scratch.reset(); }

    // Making a new database is shown by the launcher, which runs ondara-mkdb.
    void mkdbLeavesWhatIsThereUntouched_data()
    {
        QTest::addColumn<bool>("database"); // there, with a row
        QTest::addColumn<QByteArray>("existing"); // or these bytes; null: no file
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");

        QTest::newRow("database there") << true << QByteArray() << "ondara.mdb" << 0 << "";
        QTest::newRow("text file there") << false << QByteArray("not a database\n") << "ondara.mdb" << 1 << "is not a database";
        QTest::newRow("no folder") << false << QByteArray() << "missing/ondara.mdb" << 1 << "could not be created";
    }

    void mkdbLeavesWhatIsThereUntouched()
    {
        QFETCH(bool, database);
        QFETCH(QByteArray, existing);
        QFETCH(QString, path);
        QFETCH(QString, message);
        const QString file = QStringLiteral("ondara.mdb");
        if (database) {
            createDatabase(file);
            QVERIFY(rawExec(file, QStringLiteral("INSERT INTO tblSymbols (Symbol) VALUES ('IBM')")));
        } else {
            QVERIFY(existing.isNull() || writeFile(file, existing));
        }
        const QStringList before = folderListing(QDir::currentPath());

        QProcess mkdb;
        mkdb.start(m_bin + QStringLiteral("ondara-mkdb"), {path});
        QVERIFY(mkdb.waitForFinished() && mkdb.exitStatus() == QProcess::NormalExit);
        QTEST(mkdb.exitCode(), "exitCode");
        const QString errors = QString::fromUtf8(mkdb.readAllStandardError());
        QVERIFY2(message.isEmpty() ? errors.isEmpty() : errors.contains(message), qPrintable(errors));
        QCOMPARE(folderListing(QDir::currentPath()), before);
    }

    void launcherPreparesTheDataFolderOnce_data()
    {
        QTest::addColumn<QString>("launcher");
        QTest::addColumn<QString>("programs"); // the folder of ondara and ondara-mkdb
        QTest::addColumn<QString>("dataHome"); // XDG_DATA_HOME; null: unset
        QTest::addColumn<QString>("dataFolder");

        const QString launcher = QStringLiteral("bin/ondara-launch");
        QTest::newRow("build tree") << launcher << "bin" << "/xdg" << "xdg/ondara";
        QTest::newRow("installed, no XDG_DATA_HOME") << launcher << "libexec/ondara" << QString() << "home/.local/share/ondara";
        QTest::newRow("linked, relative XDG_DATA_HOME") << "home/link/start" << "bin" << "xdg" << "home/.local/share/ondara";
        QTest::newRow("empty XDG_DATA_HOME") << launcher << "bin" << "" << "home/.local/share/ondara";
    }

    void launcherPreparesTheDataFolderOnce()
    {
        QFETCH(QString, launcher);
        QFETCH(QString, programs);
        QFETCH(QString, dataHome);
        const QDir root = QDir::current();
        QVERIFY(root.mkpath(QStringLiteral("bin")) && root.mkpath(programs) && root.mkpath(QStringLiteral("home/link")));
        QVERIFY(QFile::copy(m_bin + QStringLiteral("ondara-launch"), QStringLiteral("bin/ondara-launch")));
        QVERIFY(QFile::link(QStringLiteral("../../bin/ondara-launch"), QStringLiteral("home/link/start")));
        QVERIFY(QFile::link(m_bin + QStringLiteral("ondara-mkdb"), programs + QStringLiteral("/ondara-mkdb")));
        // A stand-in for the program writes down where and how it was started.
        const QString program = programs + QStringLiteral("/ondara");
        QVERIFY(writeFile(program, "#!/bin/sh\nprintf '%s\\n' \"$PWD\" \"$@\" > ../stub.log\n")
                && QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));

        // The launcher inherits this process's environment.
        qputenv("HOME", root.absoluteFilePath(QStringLiteral("home")).toLocal8Bit());
        qunsetenv("XDG_DATA_HOME");
        if (!dataHome.isNull())
            qputenv("XDG_DATA_HOME", (dataHome.startsWith(u'/') ? root.path() + dataHome : dataHome).toLocal8Bit());
        const QStringList arguments{QStringLiteral("-first"), QStringLiteral("two words")};
        QCOMPARE(QProcess::execute(root.absoluteFilePath(launcher), arguments), 0);
        QFETCH(QString, dataFolder);
        const QString folder = root.absoluteFilePath(dataFolder);
        const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QCOMPARE(QFileInfo(folder).permissions() & (ownerOnly | 0x0077), ownerOnly); // the user's data is the user's
        QCOMPARE(fileBytes(folder + "/../stub.log"), (folder + "\n-first\ntwo words\n").toUtf8());
        const QString file = folder + QStringLiteral("/ondara.mdb");
        QCOMPARE(rawQuery(file, QStringLiteral("SELECT count(*) FROM tblSymbols")), QVariantList{0});

        // A second start leaves the database as it is.
        QVERIFY(rawExec(file, QStringLiteral("INSERT INTO tblSymbols (Symbol) VALUES ('IBM')")));
        const QByteArray bytes = fileBytes(file);
        QCOMPARE(QProcess::execute(root.absoluteFilePath(launcher), arguments), 0);
        QCOMPARE(fileBytes(file), bytes);
    }
};

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
