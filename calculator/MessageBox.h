#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace ondara {

// Every message of the program is one modal box with a text, a title, an icon
// and a set of buttons; this is the one place that builds them, so that the
// windows and their tests agree on what a message is.
QMessageBox::StandardButton showMessage(QWidget *parent, const QString &text, const QString &title,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::Ok);

} // namespace ondara
