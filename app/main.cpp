#include "DataFiles.h"
#include "OndaraStart.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondara"));
    QPixmap icon;
    if (ondara::loadPicture(QStringLiteral("ondara.png"), icon))
        QApplication::setWindowIcon(QIcon(icon));
    return ondara::runOndara(app);
}
