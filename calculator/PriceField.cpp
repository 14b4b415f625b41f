#include "PriceField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

bool isWindowFocusChange(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
        || reason == Qt::MenuBarFocusReason;
}

bool isWindowKey(const QKeyEvent *key, const QList<QKeySequence> &keys)
{
    const QKeySequence pressed(key->keyCombination());
    return std::any_of(keys.cbegin(), keys.cend(), [&](const QKeySequence &wanted) {
        return wanted.matches(pressed) == QKeySequence::ExactMatch;
    });
}

PriceField::PriceField(const QString &name, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(name);
}

bool PriceField::event(QEvent *event)
{
    // Left unclaimed, the key reaches the window's shortcut.
    if (event->type() == QEvent::ShortcutOverride && isWindowKey(static_cast<QKeyEvent *>(event), windowKeys))
        return false;
    return QLineEdit::event(event);
}

void PriceField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (isWindowFocusChange(event->reason()))
        return;
    emit gotFocus();
    // The click that brought the focus places the caret afterwards; select
    // again when it is released, unless the user dragged a selection.
    m_selectOnRelease = event->reason() == Qt::MouseFocusReason;
}

void PriceField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!isWindowFocusChange(event->reason()))
        emit lostFocus(event->reason());
}

void PriceField::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (std::exchange(m_selectOnRelease, false) && !hasSelectedText())
        selectAll();
}

void PriceField::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    // The window previews F1 for its help; the field takes every other release.
    if (event->key() == Qt::Key_F1)
        event->ignore();
}

bool PriceField::focusNextPrevChild(bool next)
{
    if (refusesText && refusesText(text())) {
        emit lostFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return QLineEdit::focusNextPrevChild(next);
}
