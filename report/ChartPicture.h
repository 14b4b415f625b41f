#pragma once

#include "NumberedError.h"

#include <QString>

#include <stdexcept>

class QPixmap;
class QPrinter;

// The chart picture of the report window on paper and on disk.
namespace ondara {

// A chart that could not be written, with the number and text of its message.
// The numbers are the ones the desktop's runtime gave the same file failures.
class SaveError : public NumberedError
{
public:
    static constexpr int AccessError = 75;
    static constexpr int PathNotFound = 76;
    static constexpr int PermissionDenied = 70;
    static constexpr int InvalidPicture = 481;

    using NumberedError::NumberedError;
};

// A screen pixel of the chart is 15 twips, 1/96 inch: the chart keeps on paper
// the size it has on the screen it was drawn for.
inline constexpr double ChartPixelsPerInch = 96;

// Prints chart as one page, its top-left corner at the page's origin, at its
// screen size whatever the printer's resolution. Throws PrintError.
void printChart(QPrinter &printer, const QPixmap &chart);

// Writes chart to path as a BMP file, at its device-independent size. The
// picture goes to a temporary file beside it that takes the name only when
// complete, so a failed write never leaves a partial picture under that name.
// Throws SaveError.
void saveChartBitmap(const QPixmap &chart, const QString &path);

} // namespace ondara
