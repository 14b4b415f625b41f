#include "frmOndara.h"

#include "MessageBox.h"
#include "PictureButton.h"
#include "PriceField.h"
#include "PriceField.h"
#include "PriceText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>

// The two price fields: what they accept while typing, what they select on
// entry and how they tidy or refuse their text when the user leaves them.

using ondara::Mask;
using ondara::maskText;

namespace {

// What a price field keeps when it is left: nothing when the text is neither
// a number nor a fraction, which is then refused with a message.
bool refusedOnLeaving(const QString &text)
{
    return ondara::refusedPriceText(text);
}

// Digits, points and commas can be typed freely, so a price can be started
// with its point and a comma is never dropped; what they make is read when
// the field is left.
bool isNumberBeingTyped(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || c == u'.' || c == u',';
    });
}

} // namespace

void frmOndara::TxtWavStart_Change()
{
    applyChangeRule(TxtWavStart, m_startTag);
    updateStaleResults();
}

void frmOndara::TxtWavStart_GotFocus()
{
    selectWholeText(TxtWavStart);
}

bool frmOndara::TxtWavStart_LostFocus()
{
    return leavePriceField(TxtWavStart);
}

void frmOndara::TxtWavEnd_Change()
{
    applyChangeRule(TxtWavEnd, m_endTag);
    updateStaleResults();
}

void frmOndara::TxtWavEnd_GotFocus()
{
    selectWholeText(TxtWavEnd);
}

bool frmOndara::TxtWavEnd_LostFocus()
{
    return leavePriceField(TxtWavEnd);
}

void frmOndara::applyChangeRule(QLineEdit *field, QString &lastAccepted)
{
    const QString text = field->text();
    const bool acceptable = !text.contains(u'-')
        && (text.contains(u'/') || text.contains(u' ') || isNumberBeingTyped(text)
            || ondara::isNumeric(text.toStdString()));
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

    PriceEntry &entry = entryOf(field);
    const QString text = field->text();
    if (text.isEmpty() || (entry.valid && text == entry.shown)) {
        if (text.isEmpty())
            entry = PriceEntry();
        tidyPriceFields();
        return true;
    }
    if (refusedOnLeaving(text)) {
        ondara::showMessage(this, tr("Please type numbers only."), tr("Ondara"),
                            QMessageBox::Information);
        entry = PriceEntry();
        field->setText(QString());
        field->setFocus(Qt::OtherFocusReason);
        return false;
    }
    // An unreadable fraction is kept as FracErrorValue, which Calculate refuses.
    const ondara::TypedNumber price = *ondara::readPriceText(text);
    entry = {text, price.value, price.decimals, true};
    tidyPriceFields();
    return true;
}

frmOndara::PriceEntry &frmOndara::entryOf(const QLineEdit *field)
{
    return field == TxtWavStart ? m_startPrice : m_endPrice;
}

std::optional<ondara::TypedNumber> frmOndara::fieldPrice(const QLineEdit *field)
{
    const PriceEntry &entry = entryOf(field);
    if (entry.valid && field->text() == entry.shown)
        return ondara::TypedNumber{entry.exact, entry.decimals};
    return ondara::readPriceText(field->text());
}

// Both fields show their exact prices with the decimals the more precise of
// them needs, so that a 1.0850 typed beside a 2 shows as 2.0000.
void frmOndara::tidyPriceFields()
{
    const int decimals = ondara::shownDecimals(m_startPrice.valid ? m_startPrice.decimals : 0,
                                               m_endPrice.valid ? m_endPrice.decimals : 0);
    for (QLineEdit *field : {TxtWavStart, TxtWavEnd}) {
        PriceEntry &entry = entryOf(field);
        if (!entry.valid || field->text() != entry.shown)
            continue;
        entry.shown = maskText(entry.exact, Mask::ZeroDot00, decimals);
        if (field->text() != entry.shown)
            field->setText(entry.shown);
    }
}

void frmOndara::setRecalledPrice(QLineEdit *field, std::optional<double> price)
{
    // Emptied first, so a text the field refuses leaves no older price behind.
    field->setText(QString());
    entryOf(field) = PriceEntry();
    if (!price)
        return;
    const QString text = QString::fromStdString(ondara::formatGeneral(*price).value_or(std::string()));
    field->setText(text);
    if (field->text() == text)
        entryOf(field) = {text, *price, ondara::decimalsOf(*price), true};
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

void frmOndara::priceFieldLeft(PriceField *field, Qt::FocusReason reason)
{
    if (m_unloading || m_inLostFocus)
        return;
    const bool kept = field == TxtWavStart ? TxtWavStart_LostFocus() : TxtWavEnd_LostFocus();
    if (!kept && reason == Qt::MouseFocusReason) {
        // The press that moved the focus is still on its way to its control.
        m_eatMouseEvent = true;
        QTimer::singleShot(0, this, [this] { m_eatMouseEvent = false; });
    }
}
