#pragma once

#include "LevelsText.h"
#include "SaveError.h"

#include <QDateTime>
#include <QList>
#include <QPixmap>
#include <QString>

class QPrinter;

// The chart picture of the report window on paper and on disk.
namespace ondara {

// The captured chart and the calculation it shows: what a saved PNG or PDF
// says besides its pixels, and what its suggested file name is made of.
struct ChartCapture
{
    QPixmap picture;
    QString symbol;          // empty when the chart stands for no symbol
    QDateTime captured;
    QString heading;         // direction, basis and the two prices
    QList<LevelLine> levels; // the levels shown, as shown
};

// "IBM · 2026-12-06 14:03:22 · Bull · wave 1 · 10.00 → 20.00"
QString chartCaption(const ChartCapture &capture);

// "IBM-2026-12-06", or "Ondara-2026-12-06" without a symbol; no suffix. A
// capture without a time is named for today.
QString suggestedChartName(const ChartCapture &capture);

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

// The chart's own pixels with a band under them that carries the caption, as
// a PNG file; written as the bitmap is. Throws SaveError.
void saveChartPng(const ChartCapture &capture, const QString &path);

// A PDF page with the chart, its caption and its levels as text a reader can
// search and copy; written as the bitmap is. Throws SaveError.
void saveChartPdf(const ChartCapture &capture, const QString &path);

// Writes the chart in the form its file name's suffix asks for: PNG or PDF as
// above, and a bitmap for any other name. Throws SaveError.
void saveChart(const ChartCapture &capture, const QString &path);

} // namespace ondara
