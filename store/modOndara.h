#pragma once

#include "StoreError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <functional>
#include <memory>

namespace ondara {

class Database;
using DatabaseHandle = std::shared_ptr<Database>;

DatabaseHandle openDatabase(const QString &path);
void createDatabase(const QString &path);

// One open connection to a file of saved calculations, under a connection
// name of its own. A file that this user cannot write (or whose folder cannot
// take SQLite's journal) is opened for reading only, and every write to it is
// refused with StoreError::NotUpdatable before SQLite is asked.
class Database
{
public:
    // How long a statement waits for another program's lock before it fails.
    static constexpr int BusyTimeoutMs = 2000;

    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    QString path() const { return m_path; }
    QString connectionName() const { return m_connectionName; }
    QSqlDatabase connection() const;
    bool isReadOnly() const { return m_readOnly; }
    // Throws StoreError::NotUpdatable for a file opened for reading only.
    void requireWritable() const;

    // Every statement of the store runs through these, so each failure is
    // logged with its SQL and thrown with SQLite's code and text.
    QSqlQuery prepare(const QString &sql) const;
    void exec(QSqlQuery &query) const;
    [[noreturn]] void fail(const QSqlQuery &query) const;

    // Runs work as one write transaction: all of it is stored, or on any throw none of it.
    void inTransaction(const std::function<void()> &work) const;

    // Brings a file made by an older version up to store/schema.sql: when the
    // file is writable and lacks a table or index that one of the schema's
    // CREATE ... IF NOT EXISTS statements makes, runs all of those statements
    // in one transaction. A statement written without IF NOT EXISTS makes new
    // files only. Then adds the price tables where any part of them is missing
    // (ensurePriceTable). Returns whether it changed the file.
    bool addMissingSchema() const;

    // Reads the whole file and throws StoreError (SQLite's code 11, "is
    // damaged") when any page of it is damaged.
    void requireIntact() const;

private:
    Database(const QString &absolutePath, bool readOnly);
    void requireSymbolsTable() const;

    friend DatabaseHandle openDatabase(const QString &path);
    friend void createDatabase(const QString &path);

    QString m_path;
    QString m_connectionName;
    bool m_readOnly = false;
};

// The open database of the run, which the store of saved calculations works
// on. Empty until OpenDB first succeeds.
extern DatabaseHandle gdbSymbols;

// Opens "ondara.mdb" in the current directory into gdbSymbols, replacing what it
// held, and adds what an older file lacks of the schema and of the price
// tables (addMissingSchema). A file that cannot take them works without them. Throws StoreError and leaves
// gdbSymbols as it was when the file cannot be opened.
void OpenDB();

// Opens an existing file of saved calculations, for reading and writing when
// this user may write it. The file is never created or changed here: a missing
// or unreadable file, a file that is not a database and a database without
// tblSymbols each throw StoreError.
DatabaseHandle openDatabase(const QString &path);

// The statements that make an empty database (store/schema.sql).
QString schemaSql();

// Makes a new database with an empty tblSymbols and empty price tables at
// path. Throws StoreError if anything is already there or the file cannot be
// written; leaves no file then.
void createDatabase(const QString &path);

} // namespace ondara
