#include "DataFiles.h"
#include "OndaraStart.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondara"));
    // The desktop entry's id, so the desktop matches the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ondara.Ondara"));
    QPixmap icon;
    if (ondara::loadPicture(QStringLiteral("ondara.png"), icon))
        QApplication::setWindowIcon(QIcon(icon));
    return ondara::runOndara(app);
}
