#include "DataFiles.h"
#include "frmOndara.h"

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

    frmOndara window;
    window.show();
    return app.exec();
}
