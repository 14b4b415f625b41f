#include "frmOndara.h"

#include "MessageBox.h"
#include "PriceText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTimer>

// The two price fields: what they accept while typing, what they select on
// entry and how they tidy or refuse their text when the user leaves them.

using ondara::Mask;
using ondara::isNumericText;
using ondara::maskText;

namespace {

// What a price field keeps when it is left: nothing when the text is neither
// a number nor a fraction, which is then refused with a message.
bool refusedOnLeaving(const QString &text)
{
    return !text.isEmpty() && !text.contains(u'/') && !isNumericText(text);
}

bool isWindowFocusChange(Qt::FocusReason reason)
{
    // Focus that leaves or returns with the whole window (a message box, another
    // program, a popup) is not the user moving between controls.
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
        || reason == Qt::MenuBarFocusReason;
}

} // namespace

void frmOndara::TxtWavStart_Change()
{
    applyChangeRule(TxtWavStart, m_startTag);
}

void frmOndara::TxtWavStart_GotFocus()
{
    selectWholeText(TxtWavStart);
}

void frmOndara::TxtWavStart_LostFocus()
{
    leavePriceField(TxtWavStart);
}

void frmOndara::TxtWavEnd_Change()
{
    applyChangeRule(TxtWavEnd, m_endTag);
}

void frmOndara::TxtWavEnd_GotFocus()
{
    selectWholeText(TxtWavEnd);
}

void frmOndara::TxtWavEnd_LostFocus()
{
    leavePriceField(TxtWavEnd);
}

void frmOndara::applyChangeRule(QLineEdit *field, QString &lastAccepted)
{
    const QString text = field->text();
    const bool acceptable = !text.contains(u'-')
        && (text.isEmpty() || text.contains(u'/') || text.contains(u' ') || isNumericText(text));
    if (acceptable) {
        lastAccepted = text;
        return;
    }
    // Setting the text back runs this rule again, which accepts it.
    field->setText(lastAccepted);
    field->setCursorPosition(int(lastAccepted.size()));
    field->deselect();
}

void frmOndara::selectWholeText(QLineEdit *field)
{
    field->setSelection(0, int(field->text().size()));
}

bool frmOndara::leavePriceField(QLineEdit *field)
{
    if (m_inLostFocus)
        return true;
    const QScopedValueRollback<bool> guard(m_inLostFocus, true);

    QString text = field->text();
    if (text.contains(u'/')) {
        text = maskText(ondara::Frac2Num(text.toStdString()), Mask::ZeroDot00);
        field->setText(text);
    }
    if (!text.isEmpty() && !isNumericText(text)) {
        ondara::showMessage(this, QStringLiteral("Please type numbers only."), QStringLiteral("Ondara"),
                            QMessageBox::Information);
        field->setText(QString());
        field->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (!text.isEmpty())
        field->setText(maskText(*ondara::ParseNumber(text.toStdString()), Mask::ZeroDot00));
    return true;
}

QLineEdit *frmOndara::focusedPriceField() const
{
    // The window's own focus, even while a message box has the activation.
    QWidget *focus = focusWidget();
    if (focus == TxtWavStart || focus == TxtWavEnd)
        return static_cast<QLineEdit *>(focus);
    return nullptr;
}

// A mouse press on a control that takes the focus would make a price field
// lose it. When the field would refuse its text, the refusal (message, empty
// field, focus kept) happens now and the press goes nowhere, so no button is
// left half pressed and no click runs behind the message.
bool frmOndara::refuseFocusMove(QWidget *target, Qt::FocusPolicy policy)
{
    QLineEdit *field = focusedPriceField();
    if (!field || m_inLostFocus || m_unloading || !refusedOnLeaving(field->text()))
        return false;
    QWidget *next = nullptr;
    for (QWidget *widget = target ? target : this; widget; widget = widget->parentWidget()) {
        QWidget *proxy = widget;
        while (proxy->focusProxy())
            proxy = proxy->focusProxy();
        if (widget->isEnabled() && (widget->focusPolicy() & policy) == policy
            && (proxy->focusPolicy() & policy) == policy) {
            next = proxy;
            break;
        }
        if (widget->isWindow())
            break;
    }
    if (!next || next == field)
        return false;
    leavePriceField(field);
    return true;
}

bool frmOndara::filterPriceField(QLineEdit *field, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (isWindowFocusChange(reason))
            break;
        field == TxtWavStart ? TxtWavStart_GotFocus() : TxtWavEnd_GotFocus();
        // The click that brought the focus places the caret afterwards; select
        // again when it is released, unless the user dragged a selection.
        m_selectAllOnRelease = reason == Qt::MouseFocusReason ? field : nullptr;
        break;
    }
    case QEvent::MouseButtonRelease:
        if (m_selectAllOnRelease == field) {
            m_selectAllOnRelease = nullptr;
            if (!field->hasSelectedText())
                selectWholeText(field);
        }
        break;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (isWindowFocusChange(reason) || m_unloading || m_inLostFocus)
            break;
        if (!leavePriceField(field) && reason == Qt::MouseFocusReason) {
            // The press that moved the focus is still on its way to its control.
            m_eatMouseEvent = true;
            QTimer::singleShot(0, this, [this] { m_eatMouseEvent = false; });
        }
        break;
    }
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            && refusedOnLeaving(field->text()) && !m_inLostFocus) {
            leavePriceField(field);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

