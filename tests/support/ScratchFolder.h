#pragma once

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

// Every test works in a folder of its own: while a ScratchFolder lives, a new
// temporary folder is the current folder and holds the program's settings, so
// neither the user's files nor the user's settings are ever in reach.
namespace testsupport {

class ScratchFolder
{
public:
    ScratchFolder()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir::setCurrent(m_dir.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }
    ~ScratchFolder() { QDir::setCurrent(m_previous); }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    bool isValid() const { return m_dir.isValid() && QDir::currentPath() == QDir(m_dir.path()).canonicalPath(); }
    QString path() const { return m_dir.path(); }

private:
    QString m_previous = QDir::currentPath();
    QTemporaryDir m_dir;
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

} // namespace testsupport
