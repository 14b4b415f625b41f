#include "modOndara.h"

#include "PriceHistory.h"
#include "SchemaSql.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QUrl>

namespace ondara {

DatabaseHandle gdbSymbols;

namespace {

Q_LOGGING_CATEGORY(lcStore, "ondara.store")

// SQLite's primary result codes that the open reports in words of its own.
enum SqliteCode { SqliteBusy = 5, SqliteCorrupt = 11, SqliteCantOpen = 14, SqliteNotADatabase = 26 };

// The driver reports extended codes (2067 for a duplicate key); users and callers
// get the primary code, the text says the rest. -1 when SQLite gave no code.
int sqliteCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

QString sqliteText(const QSqlError &error)
{
    return error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
}

// "ondara.mdb in /home/user/.local/share/ondara"
QString fileInFolder(const QString &path)
{
    const QFileInfo info(path);
    return QStringLiteral("%1 in %2").arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()));
}

// Failures of the open and of the first read, worded for the person who has to fix the file.
StoreError openFailure(const QString &path, const QSqlError &error)
{
    const int code = sqliteCode(error);
    const QString file = fileInFolder(path);
    const QString detail = sqliteText(error);
    switch (code) {
    case SqliteNotADatabase:
        return StoreError(code, QStringLiteral("The file %1 is not a database.").arg(file));
    case SqliteBusy:
        return StoreError(code, QStringLiteral("The file %1 is locked by another program (%2).").arg(file, detail));
    case SqliteCorrupt:
        return StoreError(code, QStringLiteral("The file %1 is damaged (%2).").arg(file, detail));
    case -1:
        return StoreError(StoreError::CannotOpen, QStringLiteral("The file %1 could not be opened (%2).").arg(file, detail));
    case SqliteCantOpen:
        return StoreError(code, QStringLiteral("The file %1 could not be opened (%2).").arg(file, detail));
    default:
        return StoreError(code, QStringLiteral("The file %1 could not be read (%2).").arg(file, detail));
    }
}

// mode=rw (or ro) in a file: URI is the one way to have SQLite open a file without ever creating it.
QString fileUri(const QString &absolutePath, bool readOnly)
{
    return QStringLiteral("file://") + QString::fromLatin1(QUrl::toPercentEncoding(absolutePath, "/"))
        + (readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw"));
}

// SQLite writes beside the file (its journal), so the folder has to take new files too.
bool writableByUser(const QFileInfo &file)
{
    return file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

QStringList schemaStatements()
{
    QStringList statements;
    for (const QString &statement : schemaSql().split(u';')) {
        if (!statement.trimmed().isEmpty())
            statements += statement.trimmed();
    }
    return statements;
}

const QRegularExpression &idempotentCreate()
{
    static const QRegularExpression created(
        QStringLiteral("^CREATE\\s+(?:UNIQUE\\s+)?(?:TABLE|INDEX)\\s+IF\\s+NOT\\s+EXISTS\\s+(\\w+)"),
        QRegularExpression::CaseInsensitiveOption);
    return created;
}

// The schema's CREATE ... IF NOT EXISTS statements, and the objects they make by name.
QStringList upgradeStatements()
{
    QStringList statements = schemaStatements();
    statements.removeIf([](const QString &statement) { return !idempotentCreate().match(statement).hasMatch(); });
    return statements;
}

QSet<QString> upgradeObjects()
{
    QSet<QString> names;
    for (const QString &statement : upgradeStatements())
        names.insert(idempotentCreate().match(statement).captured(1).toLower());
    return names;
}

QString nextConnectionName()
{
    static quint64 opened = 0;
    return QStringLiteral("ondara-store-%1").arg(++opened);
}

// Qt's list of connections is torn down before this library's globals, so the
// shared connection has to go while the application object still exists.
void releaseSharedDatabase()
{
    gdbSymbols.reset();
}

} // namespace

Database::Database(const QString &absolutePath, bool readOnly)
    : m_path(absolutePath), m_connectionName(nextConnectionName()), m_readOnly(readOnly)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        throw StoreError(StoreError::CannotOpen,
                         QStringLiteral("The file %1 cannot be opened: Qt's SQLite driver is not installed.")
                             .arg(fileInFolder(absolutePath)));
    }
    QSqlError error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        db.setDatabaseName(fileUri(absolutePath, readOnly));
        if (db.open())
            return;
        error = db.lastError();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    throw openFailure(absolutePath, error);
}

Database::~Database()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QSqlQuery Database::prepare(const QString &sql) const
{
    QSqlQuery query(connection());
    query.setForwardOnly(true); // rows are read once, front to back; Qt then keeps no copy
    if (!query.prepare(sql))
        fail(query);
    return query;
}

void Database::exec(QSqlQuery &query) const
{
    if (!query.exec())
        fail(query);
}

void Database::fail(const QSqlQuery &query) const
{
    const QSqlError error = query.lastError();
    qCWarning(lcStore).noquote() << "Statement failed on" << m_path << "-" << query.lastQuery() << "-"
                                 << error.nativeErrorCode() << sqliteText(error);
    const int code = sqliteCode(error);
    throw StoreError(code < 0 ? StoreError::EngineError : code, sqliteText(error));
}

void Database::requireWritable() const
{
    if (m_readOnly) {
        throw StoreError(StoreError::NotUpdatable,
                         QStringLiteral("The file %1 can be read but not written.").arg(fileInFolder(m_path)));
    }
}

void Database::inTransaction(const std::function<void()> &work) const
{
    requireWritable();
    // IMMEDIATE takes the write lock first, so another program's lock is met in
    // one bounded wait here and never halfway through the work.
    QSqlQuery begin = prepare(QStringLiteral("BEGIN IMMEDIATE"));
    exec(begin);
    try {
        work();
        QSqlQuery commit = prepare(QStringLiteral("COMMIT"));
        exec(commit);
    } catch (...) {
        QSqlQuery rollback(connection());
        // After some failures (a full disk) SQLite has already rolled back; nothing is left to undo then.
        if (!rollback.exec(QStringLiteral("ROLLBACK")))
            qCDebug(lcStore) << "Rollback:" << rollback.lastError().text();
        throw;
    }
}

void Database::requireSymbolsTable() const
{
    // SQLite reads nothing at open, so this first read is what finds out what the file is.
    QSqlQuery probe(connection());
    probe.setForwardOnly(true);
    if (!probe.prepare(
            QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE")))
        throw openFailure(m_path, probe.lastError());
    probe.addBindValue(QStringLiteral("tblSymbols"));
    if (!probe.exec() || !probe.next())
        throw openFailure(m_path, probe.lastError());
    if (probe.value(0).toInt() == 0) {
        throw StoreError(StoreError::NoTable,
                         QStringLiteral("The file %1 has no table tblSymbols.").arg(fileInFolder(m_path)));
    }
    probe.finish();

    QSqlQuery columns(connection());
    if (!columns.prepare(QStringLiteral("SELECT ID, Symbol, Date, Time, W1Start, W1End, W3Target, W3Ext, "
                                        "W5Target, W5Ext FROM tblSymbols"))) {
        throw StoreError(StoreError::ItemNotFound,
                         QStringLiteral("The table tblSymbols of the file %1 lacks a column (%2).")
                             .arg(fileInFolder(m_path), sqliteText(columns.lastError())));
    }
}

bool Database::addMissingSchema() const
{
    if (m_readOnly)
        return false;
    QSqlQuery existing = prepare(QStringLiteral("SELECT lower(name) FROM sqlite_master"));
    exec(existing);
    QSet<QString> missing = upgradeObjects();
    while (existing.next())
        missing.remove(existing.value(0).toString());
    existing.finish();
    if (!missing.isEmpty()) {
        inTransaction([this] {
            for (const QString &statement : upgradeStatements()) {
                QSqlQuery query = prepare(statement);
                exec(query);
            }
        });
    }
    // The price tables' triggers are more than the schema file's statements can say.
    return ensurePriceTable(*this) || !missing.isEmpty();
}

void Database::requireIntact() const
{
    // quick_check reads every page but skips comparing each index with its
    // table, which would cost a sort of every row.
    QSqlQuery check(connection());
    check.setForwardOnly(true);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")))
        throw openFailure(m_path, check.lastError());
    QString problem;
    while (check.next()) {
        if (const QString line = check.value(0).toString(); line != u"ok" && problem.isEmpty())
            problem = line;
    }
    if (check.lastError().isValid())
        throw openFailure(m_path, check.lastError());
    if (!problem.isEmpty())
        throw StoreError(SqliteCorrupt, QStringLiteral("The file %1 is damaged (%2).").arg(fileInFolder(m_path), problem));
}

void OpenDB()
{
    qRemovePostRoutine(releaseSharedDatabase);
    qAddPostRoutine(releaseSharedDatabase);
    DatabaseHandle db = openDatabase(QDir::current().absoluteFilePath(QStringLiteral("ondara.mdb")));
    try {
        if (db->addMissingSchema())
            qCInfo(lcStore).noquote() << "Added what the schema lacked to" << db->path();
    } catch (const StoreError &error) {
        // Another program's lock or a full disk: the rows read as well without them.
        qCWarning(lcStore).noquote() << "Could not bring" << db->path() << "up to the schema:" << error.description();
    }
    gdbSymbols = std::move(db);
}

DatabaseHandle openDatabase(const QString &path)
{
    const QFileInfo info(path);
    const QString absolute = info.absoluteFilePath();
    if (!info.exists()) {
        throw StoreError(StoreError::FileNotFound, QStringLiteral("The file %1 was not found in %2.")
                                                       .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath())));
    }
    if (info.isDir()) {
        throw StoreError(StoreError::CannotOpen,
                         QStringLiteral("%1 is a folder, not a database file.").arg(fileInFolder(absolute)));
    }
    DatabaseHandle db(new Database(absolute, !writableByUser(info)));
    db->requireSymbolsTable();
    return db;
}

QString schemaSql()
{
    return QString::fromUtf8(generated::SchemaSql).trimmed();
}

void createDatabase(const QString &path)
{
    const QFileInfo info(path);
    const QString absolute = info.absoluteFilePath();
    const auto alreadyThere = [&] {
        return StoreError(StoreError::FileExists, QStringLiteral("The file %1 already exists.").arg(fileInFolder(absolute)));
    };
    if (info.exists() || info.isSymLink())
        throw alreadyThere();
    // NewOnly also fails for a file that appears after the look above, so nothing
    // that was there is ever overwritten.
    QFile file(absolute);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (QFileInfo::exists(absolute))
            throw alreadyThere();
        throw StoreError(StoreError::CannotCreate, QStringLiteral("The file %1 could not be created (%2).")
                                                       .arg(fileInFolder(absolute), file.errorString()));
    }
    file.close();
    try {
        Database db(absolute, false);
        db.inTransaction([&db] {
            for (const QString &statement : schemaStatements()) {
                QSqlQuery query = db.prepare(statement);
                db.exec(query);
            }
        });
        ensurePriceTable(db);
    } catch (...) {
        QFile::remove(absolute);
        throw;
    }
}

} // namespace ondara
