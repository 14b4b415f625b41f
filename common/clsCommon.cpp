#include "clsCommon.h"

#include <QIcon>
#include <QMessageBox>
#include <QWidget>

QString clsCommon::noticeLine()
{
    return QStringLiteral("Copyright (C) 2026 Ondara Software. All rights reserved.");
}

QString clsCommon::webAddress()
{
    return QStringLiteral("https://ondara.example.org");
}

void clsCommon::AboutAppInfo(QWidget *frmCurr) const
{
    // This desktop has no system About box, so build the same one: title, the
    // application's name, the two lines of the maker, and the owner's icon.
    const QString title = QStringLiteral("Ondara");
    QMessageBox box(frmCurr);
    box.setObjectName(QStringLiteral("AboutBox"));
    box.setWindowTitle(title);
    box.setText(title);
    box.setInformativeText(noticeLine() + QStringLiteral("\r\n") + webAddress());
    const QIcon icon = frmCurr ? frmCurr->windowIcon() : QIcon();
    if (!icon.isNull())
        box.setIconPixmap(icon.pixmap(48, 48));
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
}

QString clsCommon::StripPath(const QString &DirPath) const
{
    const qsizetype p = DirPath.lastIndexOf(QLatin1Char('\\'));
    return DirPath.mid(p + 1);
}
