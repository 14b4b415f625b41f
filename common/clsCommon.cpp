#include "clsCommon.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QWidget>

QString clsCommon::noticeLine()
{
    return QStringLiteral("Copyright (C) 2026 Ondara Software. License: GPL-3.0-or-later");
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
    box.setText(QStringLiteral("%1 %2").arg(title, QCoreApplication::applicationVersion()).trimmed());
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(noticeLine() + QStringLiteral("\n") + webAddress());
    // Each of the two lines stays whole; the box grows to fit them.
    if (auto *lines = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
        lines->setWordWrap(false);
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
