#pragma once

#include <QPixmap>

class QWidget;

// Copies a rectangle of a window's pixels into a picture, as it stands on the
// screen: the calculator window's chart with the labels laid over it. The
// picture is true-colour and carries no palette.
namespace modCapture {

// clientArea: the rectangle is relative to the window's inside; otherwise to
// its frame, which a widget grab cannot see, so the inside is used for both.
QPixmap CaptureRegion(QWidget *window, bool clientArea, int left, int top, int width, int height);

} // namespace modCapture
