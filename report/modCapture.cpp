#include "modCapture.h"

#include <QWidget>

namespace modCapture {

QPixmap CaptureRegion(QWidget *window, bool clientArea, int left, int top, int width, int height)
{
    Q_UNUSED(clientArea);
    if (!window || width <= 0 || height <= 0)
        return {};
    // A grab renders the widgets themselves, so it holds the chart even when
    // another window covers it; device pixels match the rectangle at scale 1.
    QPixmap picture = window->grab(QRect(left, top, width, height));
    picture.setDevicePixelRatio(1.0);
    return picture;
}

} // namespace modCapture
