#include "modCapture.h"

#include <QWidget>

namespace modCapture {

QPixmap CaptureRegion(QWidget *window, bool clientArea, int left, int top, int width, int height)
{
    Q_UNUSED(clientArea);
    if (!window || width <= 0 || height <= 0)
        return {};
    // Rendering the widgets themselves holds the chart even when another
    // window covers it. The picture has one pixel for each of the window's,
    // whatever the screen's density, so the saved bitmap keeps its size.
    QPixmap picture(width, height);
    picture.fill(window->palette().color(window->backgroundRole()));
    window->render(&picture, QPoint(), QRegion(left, top, width, height));
    return picture;
}

} // namespace modCapture
