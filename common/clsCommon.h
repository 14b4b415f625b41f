#pragma once

#include <QString>

class QWidget;

// Services that belong to no window: the About box and taking the file name
// out of a path. Stateless; callers make one for a call and let it go.
class clsCommon
{
public:
    // The About box, modal to frmCurr, with its icon, the application's title
    // and the maker's notice and web address.
    void AboutAppInfo(QWidget *frmCurr) const;

    // The text after the last backslash, or the whole text without one.
    QString StripPath(const QString &DirPath) const;

    static QString noticeLine();
    static QString webAddress();
};
