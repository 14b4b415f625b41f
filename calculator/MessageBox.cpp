#include "MessageBox.h"

#include <QWidget>

namespace ondara {

QMessageBox::StandardButton showMessage(QWidget *parent, const QString &text, const QString &title,
                                        QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    box.setWindowModality(Qt::ApplicationModal);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    // Hand the activation back to the window that asked, so its focus rules
    // run at once rather than whenever the window manager gets round to it.
    if (parent)
        parent->window()->activateWindow();
    return answer;
}

} // namespace ondara
