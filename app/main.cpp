#include "DataFiles.h"
#include "OndaraStart.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondara"));
    // The desktop entry's id, so the desktop matches the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ondara.Ondara"));
    const QIcon icon = ondara::loadIcon(QStringLiteral("ondara.png"));
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
    return ondara::runOndara(app);
}
