#pragma once

// Helpers of the store tests: a scratch folder per test case, a listing that
// shows any change in a folder, and a connection of the test's own for setting
// up and checking files behind the store's back.

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariantList>

namespace storetest {

// The current folder, and where settings are kept, for one test.
struct ScratchFolder
{
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    ScratchFolder()
    {
        QDir::setCurrent(dir.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    }
    ~ScratchFolder() { QDir::setCurrent(previous); }
    bool isValid() const { return dir.isValid() && QDir::currentPath() == QDir(dir.path()).canonicalPath(); }
};

// A file this process cannot write while the object lives: its write
// permissions taken away, and for root, who writes anyway, the file made
// immutable. isValid() is false where neither can be done.
struct ReadOnlyFile
{
    QString path;
    explicit ReadOnlyFile(const QString &file) : path(file)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        if (QFileInfo(path).isWritable())
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path});
    }
    ~ReadOnlyFile() { QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path}); }
    bool isValid() const { return !QFileInfo(path).isWritable(); }
};

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every entry under folder with a hash of its bytes: equal listings mean nothing was made, removed or changed.
inline QStringList folderListing(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.append(QDir(folder).relativeFilePath(path) + u' '
                       + QString::fromLatin1(QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha1).toHex()));
    }
    entries.sort();
    return entries;
}

// The first column of every row of sql, or "!" and the error text.
inline QVariantList rawQuery(const QString &path, const QString &sql, const QVariantList &values = {})
{
    QVariantList result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("storetest"));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0")); // a locked file answers at once
        QSqlQuery query(db);
        if (db.open() && query.prepare(sql)) {
            for (const QVariant &value : values)
                query.addBindValue(value);
            query.exec();
            while (query.next())
                result.append(query.value(0));
        }
        const QSqlError error = db.isOpen() ? query.lastError() : db.lastError();
        if (error.isValid())
            result = {u'!' + error.text()};
    }
    QSqlDatabase::removeDatabase(QStringLiteral("storetest"));
    return result;
}

inline bool rawExec(const QString &path, const QString &sql, const QVariantList &values = {})
{
    return !rawQuery(path, sql, values).value(0).toString().startsWith(u'!');
}

} // namespace storetest
