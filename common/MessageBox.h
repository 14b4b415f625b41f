#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Every message of the program is one modal box with a text, a title, an icon
// and a set of buttons, and every failure the user is told about reads
// "procedure - Error #n description". This is the one place that builds them.
namespace ondara {

class NumberedError;

struct Message
{
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
};

// Shows the message modal to the whole program and returns the button pressed.
// The activation goes back to parent's window afterwards, so its focus rules
// run at once.
QMessageBox::StandardButton showMessage(QWidget *parent, const Message &message);
QMessageBox::StandardButton showMessage(QWidget *parent, const QString &text, const QString &title,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::Ok);

// "AddSymbol() - Error #5 database is locked": procedure, " - Error #", the
// number, separator and the description; without a procedure "Error #n" and
// the rest.
QString errorText(const QString &procedure, const NumberedError &error, const QString &separator = QStringLiteral(" "));
void showError(QWidget *parent, const QString &procedure, const QString &title, const NumberedError &error,
               QMessageBox::Icon icon = QMessageBox::Critical, const QString &separator = QStringLiteral(" "));

// While set, messages go to the hook instead of a box and its answer is the
// button pressed: how tests say beforehand what the user answers.
using MessageHook = std::function<QMessageBox::StandardButton(const Message &)>;
void setMessageHook(MessageHook hook);

} // namespace ondara
