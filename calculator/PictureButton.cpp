#include "PictureButton.h"

#include "DataFiles.h"

#include <QMouseEvent>

PictureButton::PictureButton(const QString &name, const QString &toolTip, int size, QWidget *parent)
    : QPushButton(parent)
{
    setObjectName(name);
    setTip(toolTip);
    setFixedSize(size, size);
    setIconSize(QSize(size - 4, size - 4));
}

void PictureButton::setPicture(const QString &bareName)
{
    const QIcon picture = ondara::loadIcon(bareName);
    if (!picture.isNull())
        setIcon(picture);
}

void PictureButton::setTip(const QString &toolTip)
{
    m_tip = toolTip;
    setToolTip(m_keys.isEmpty() ? m_tip : tr("%1 (%2)").arg(m_tip, m_keys));
    setAccessibleName(m_tip);
}

void PictureButton::setShortcutText(const QString &keys)
{
    m_keys = keys;
    setTip(m_tip);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    const Qt::MouseButton button = event->button();
    QPushButton::mouseReleaseEvent(event);
    emit mouseUp(button);
}
