#include "DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ondara {
namespace {

// Where the program's own files live, relative to the executable, in the
// build tree (bin/images) and in an installed prefix (bin/../share/ondara/images).
QString findBesideProgram(const QString &subdir, const QString &bareName)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString candidates[] = {
        appDir + QLatin1Char('/') + subdir + QLatin1Char('/') + bareName,
        appDir + QLatin1String("/../share/ondara/") + subdir + QLatin1Char('/') + bareName,
    };
    for (const QString &path : candidates) {
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(path);
    }
    return {};
}

QString findFile(const QString &subdir, const QString &bareName)
{
    if (bareName.isEmpty())
        return {};
    const QFileInfo local(QDir::current(), bareName);
    if (local.isFile())
        return local.absoluteFilePath();
    return findBesideProgram(subdir, bareName);
}

} // namespace

QString findPicture(const QString &bareName)
{
    return findFile(QStringLiteral("images"), bareName);
}

QString findHelpFile(const QString &bareName)
{
    return findFile(QStringLiteral("help"), bareName);
}

bool loadPicture(const QString &bareName, QPixmap &target)
{
    const QString path = findPicture(bareName);
    if (path.isEmpty())
        return false;
    QPixmap loaded;
    if (!loaded.load(path))
        return false;
    target = loaded;
    return true;
}

} // namespace ondara
