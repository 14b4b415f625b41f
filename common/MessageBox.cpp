#include "MessageBox.h"

#include "NumberedError.h"

#include <QWidget>

namespace ondara {

namespace {

MessageHook &hook()
{
    static MessageHook installed;
    return installed;
}

} // namespace

QMessageBox::StandardButton showMessage(QWidget *parent, const Message &message)
{
    if (hook())
        return hook()(message);
    QMessageBox box(message.icon, message.title, message.text, message.buttons, parent);
    box.setDefaultButton(message.defaultButton);
    box.setWindowModality(Qt::ApplicationModal);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    if (parent)
        parent->window()->activateWindow();
    return answer;
}

QMessageBox::StandardButton showMessage(QWidget *parent, const QString &text, const QString &title,
                                        QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    return showMessage(parent, Message{text, title, icon, buttons, defaultButton});
}

QString errorText(const QString &procedure, const NumberedError &error, const QString &separator)
{
    const QString numbered = QStringLiteral("Error #") + QString::number(error.number()) + separator
        + error.description();
    return procedure.isEmpty() ? numbered : procedure + QStringLiteral(" - ") + numbered;
}

void showError(QWidget *parent, const QString &procedure, const QString &title, const NumberedError &error,
               QMessageBox::Icon icon, const QString &separator)
{
    showMessage(parent, errorText(procedure, error, separator), title, icon);
}

void setMessageHook(MessageHook installed)
{
    hook() = std::move(installed);
}

} // namespace ondara
