#include "StoreTestSupport.h"
#include "modOndara.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

using namespace ondara;
using namespace storetest;

namespace {

QString inBin(const QString &name)
{
    return QCoreApplication::applicationDirPath() + u'/' + name;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class tst_Tools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_scratch = std::make_unique<ScratchFolder>();
        QVERIFY(m_scratch->isValid());
    }
    void cleanup() { m_scratch.reset(); }

    void mkdbMakesOnlyNewDatabases_data();
    void mkdbMakesOnlyNewDatabases();
    void launcherPreparesTheDataFolderOnce_data();
    void launcherPreparesTheDataFolderOnce();

private:
    std::unique_ptr<ScratchFolder> m_scratch;
};

void tst_Tools::mkdbMakesOnlyNewDatabases_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    const QStringList file{QStringLiteral("ondara.mdb")};
    QTest::newRow("new") << "" << file << 0 << "";
    QTest::newRow("database there") << "database" << file << 0 << "";
    QTest::newRow("text file there") << "text" << file << 1 << "is not a database";
    QTest::newRow("empty file there") << "empty" << file << 1 << "has no table tblSymbols";
    QTest::newRow("folder missing") << "" << QStringList{"missing/ondara.mdb"} << 1 << "could not be created";
    QTest::newRow("no argument") << "" << QStringList{} << 2 << "Usage";
}

void tst_Tools::mkdbMakesOnlyNewDatabases()
{
    QFETCH(QString, existing);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    const QString file = QStringLiteral("ondara.mdb");
    if (existing == u"database") {
        createDatabase(file);
        QVERIFY(rawExec(file, QStringLiteral("INSERT INTO tblSymbols (Symbol) VALUES ('IBM')")));
    } else if (!existing.isEmpty()) {
        QVERIFY(writeFile(file, existing == u"text" ? "not a database\n" : ""));
    }
    const QStringList before = folderListing(QDir::currentPath());

    QProcess mkdb;
    mkdb.start(inBin(QStringLiteral("ondara-mkdb")), arguments);
    QVERIFY(mkdb.waitForFinished() && mkdb.exitStatus() == QProcess::NormalExit);
    QCOMPARE(mkdb.exitCode(), exitCode);
    const QString errors = QString::fromUtf8(mkdb.readAllStandardError());
    QVERIFY2(message.isEmpty() ? errors.isEmpty() : errors.contains(message), qPrintable(errors));

    if (existing.isEmpty() && exitCode == 0) {
        // The very table of store/schema.sql, empty.
        const QByteArray schema = fileBytes(qEnvironmentVariable("ONDARA_SOURCE_DIR") + QStringLiteral("/store/schema.sql"));
        QCOMPARE(rawQuery(file, QStringLiteral("SELECT sql || ';' FROM sqlite_master WHERE name = 'tblSymbols'")),
                 QVariantList{QString::fromUtf8(schema).trimmed()});
        QCOMPARE(rawQuery(file, QStringLiteral("SELECT count(*) FROM tblSymbols")), QVariantList{0});
    } else {
        QCOMPARE(folderListing(QDir::currentPath()), before);
    }
}

void tst_Tools::launcherPreparesTheDataFolderOnce_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("dataHome"); // XDG_DATA_HOME, "-" for unset
    QTest::addColumn<QString>("dataFolder");

    QTest::newRow("build tree") << "bin" << "/xdg" << "xdg/ondara";
    QTest::newRow("installed, no XDG_DATA_HOME") << "libexec" << "-" << "home/.local/share/ondara";
    QTest::newRow("linked, relative XDG_DATA_HOME") << "linked" << "xdg" << "home/.local/share/ondara";
    QTest::newRow("empty XDG_DATA_HOME") << "bin" << "" << "home/.local/share/ondara";
    QTest::newRow("program missing") << "none" << "/xdg" << "";
}

// The launcher runs from a folder of its own, beside ondara-mkdb and a stand-in
// for the program that writes down where and how it was started.
void tst_Tools::launcherPreparesTheDataFolderOnce()
{
    QFETCH(QString, layout);
    QFETCH(QString, dataHome);
    QFETCH(QString, dataFolder);

    const QDir root = QDir::current();
    const QString programs = layout == u"libexec" ? QStringLiteral("libexec/ondara") : QStringLiteral("bin");
    QVERIFY(root.mkpath(QStringLiteral("bin")) && root.mkpath(programs) && root.mkpath(QStringLiteral("home/link")));
    QVERIFY(QFile::copy(inBin(QStringLiteral("ondara-launch")), QStringLiteral("bin/ondara-launch")));
    QVERIFY(QFile::link(inBin(QStringLiteral("ondara-mkdb")), programs + QStringLiteral("/ondara-mkdb")));
    if (layout != u"none") {
        QVERIFY(writeFile(programs + QStringLiteral("/ondara"), "#!/bin/sh\nprintf '%s\\n' \"$PWD\" \"$@\" > ../stub.log\n"));
        QVERIFY(QFile::setPermissions(programs + QStringLiteral("/ondara"), QFile::ReadOwner | QFile::ExeOwner));
    }
    QVERIFY(QFile::link(QStringLiteral("../../bin/ondara-launch"), QStringLiteral("home/link/start")));
    const QString launcher = root.absoluteFilePath(layout == u"linked" ? QStringLiteral("home/link/start")
                                                                      : QStringLiteral("bin/ondara-launch"));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), root.absoluteFilePath(QStringLiteral("home")));
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    if (dataHome != u"-")
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.startsWith(u'/') ? root.path() + dataHome : dataHome);
    const auto launch = [&] {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(launcher, {QStringLiteral("-first"), QStringLiteral("two words")});
        return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    };

    if (dataFolder.isEmpty()) {
        const QStringList before = folderListing(root.path());
        QCOMPARE(launch(), 127);
        QCOMPARE(folderListing(root.path()), before);
        return;
    }
    QCOMPARE(launch(), 0);
    const QString folder = root.absoluteFilePath(dataFolder);
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QCOMPARE(QFileInfo(folder).permissions() & (ownerOnly | 0x0077), ownerOnly); // the user's data is the user's
    QCOMPARE(fileBytes(folder + QStringLiteral("/../stub.log")), (folder + QStringLiteral("\n-first\ntwo words\n")).toUtf8());
    const QString file = folder + QStringLiteral("/ondara.mdb");
    QCOMPARE(rawQuery(file, QStringLiteral("SELECT count(*) FROM tblSymbols")), QVariantList{0});

    QVERIFY(rawExec(file, QStringLiteral("INSERT INTO tblSymbols (Symbol) VALUES ('IBM')")));
    const QByteArray bytes = fileBytes(file);
    QCOMPARE(launch(), 0);
    QCOMPARE(fileBytes(file), bytes);
}

QTEST_GUILESS_MAIN(tst_Tools)
#include "tst_tools.moc"
