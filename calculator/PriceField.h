#pragma once

#include <QLineEdit>

#include <functional>

// A price entry field. It says when the user enters it and when the focus
// leaves it for another control of the window (not when the window itself
// loses or regains the focus), selects its whole text on entry even when a
// click placed the caret, and asks before Tab moves on: a text the window
// refuses keeps the focus and is handled as leaving instead.
class PriceField : public QLineEdit
{
    Q_OBJECT

public:
    PriceField(const QString &name, QWidget *parent);

    // Whether leaving with this text would be refused.
    std::function<bool(const QString &)> refusesText;
    // Keys the window's commands take even while the field has the focus.
    QList<QKeySequence> windowKeys;

signals:
    void gotFocus();
    void lostFocus(Qt::FocusReason reason);

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    bool m_selectOnRelease = false;
};

// A focus that comes or goes with the whole window (a message box, another
// program, a popup) is not the user moving between controls.
bool isWindowFocusChange(Qt::FocusReason reason);

// Whether key, pressed in a text field, is one of keys: the window's command
// then takes it rather than the field's editing.
bool isWindowKey(const QKeyEvent *key, const QList<QKeySequence> &keys);
