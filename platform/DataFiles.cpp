#include "DataFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace ondara {
namespace {

// Where the program's own files live, relative to the executable: in the
// build tree (bin/images) and in an installed prefix, where the program sits
// in libexec/ondara and its files in share/ondara.
QString findBesideProgram(const QString &subdir, const QString &bareName)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString tail = subdir + QLatin1Char('/') + bareName;
    const QString candidates[] = {
        appDir + QLatin1Char('/') + tail,
        appDir + QLatin1String("/../../share/ondara/") + tail,
        appDir + QLatin1String("/../share/ondara/") + tail,
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

QString doubleSizePicture(const QString &bareName)
{
    const QFileInfo picture(findFile(QStringLiteral("images"), bareName));
    if (picture.filePath().isEmpty())
        return {};
    const QFileInfo doubled(picture.dir(), picture.completeBaseName() + QLatin1String("@2x.png"));
    return doubled.isFile() ? doubled.absoluteFilePath() : QString();
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

QString translationsFolder()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString &folder : {appDir + QLatin1String("/translations"),
                                  appDir + QLatin1String("/../../share/ondara/translations"),
                                  appDir + QLatin1String("/../share/ondara/translations")}) {
        if (QFileInfo(folder).isDir())
            return QDir::cleanPath(folder);
    }
    return {};
}

QString findDoubleSizePicture(const QString &bareName)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (std::none_of(screens.begin(), screens.end(), [](const QScreen *screen) { return screen->devicePixelRatio() > 1; }))
        return {};
    return doubleSizePicture(bareName);
}

bool loadPicture(const QString &bareName, QPixmap &target, qreal devicePixelRatio)
{
    QPixmap loaded;
    if (devicePixelRatio > 1 && loaded.load(doubleSizePicture(bareName))) {
        loaded.setDevicePixelRatio(2);
    } else {
        const QString path = findPicture(bareName);
        if (path.isEmpty() || !loaded.load(path))
            return false;
    }
    target = loaded;
    return true;
}

QIcon loadIcon(const QString &bareName)
{
    QPixmap picture;
    if (!loadPicture(bareName, picture))
        return {};
    QIcon icon(picture);
    const QString doubled = findDoubleSizePicture(bareName);
    if (!doubled.isEmpty() && picture.load(doubled)) {
        picture.setDevicePixelRatio(2);
        icon.addPixmap(picture);
    }
    return icon;
}

} // namespace ondara
