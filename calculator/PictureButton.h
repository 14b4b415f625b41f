#pragma once

#include <QPushButton>

// A button that shows a picture instead of a caption. Its tool tip is also its
// name for screen readers, and it tells which mouse button was released on it,
// for the right-click help; a disabled button gets no mouse events, so it
// shows no help.
class PictureButton : public QPushButton
{
    Q_OBJECT

public:
    PictureButton(const QString &name, const QString &toolTip, int size, QWidget *parent);

    // A picture that cannot be loaded leaves the one the button has.
    void setPicture(const QString &bareName);
    // The tool tip, followed by the key that also presses the button when there is one.
    void setTip(const QString &toolTip);
    void setShortcutText(const QString &keys);

signals:
    void mouseUp(Qt::MouseButton button);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_tip;
    QString m_keys;
};
