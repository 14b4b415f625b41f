#include "ChartPicture.h"

#include "SymbolReportPrinter.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QSaveFile>

namespace ondara {

void printChart(QPrinter &printer, const QPixmap &chart)
{
    if (chart.isNull())
        throw PrintError(PrintError::InvalidPicture, QStringLiteral("Invalid picture"));
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrintError(PrintError::CannotStart, QStringLiteral("The printer could not start the document."));
    // Thin lines and small figures blur in JPEG, which Qt would otherwise
    // choose for the picture in the print document.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    // Device-independent size, so a chart captured on a high-density screen
    // prints as large as any other.
    const QSizeF onPaper = chart.deviceIndependentSize() / ChartPixelsPerInch * printer.resolution();
    painter.drawPixmap(QRectF(QPointF(0, 0), onPaper), chart, QRectF(chart.rect()));
    if (!painter.end())
        throw PrintError(PrintError::CannotFinish, QStringLiteral("The printer could not finish the document."));
}

void saveChartBitmap(const QPixmap &chart, const QString &path)
{
    if (chart.isNull())
        throw SaveError(SaveError::InvalidPicture, QStringLiteral("Invalid picture"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo folder(QFileInfo(path).absolutePath());
        if (!folder.isDir())
            throw SaveError(SaveError::PathNotFound, QStringLiteral("Path not found"));
        if (!folder.isWritable())
            throw SaveError(SaveError::PermissionDenied, QStringLiteral("Permission denied"));
        throw SaveError(SaveError::AccessError, QStringLiteral("Path/File access error"));
    }
    // A picture drawn for a denser screen is written at its size on the window.
    QImage image = chart.toImage();
    if (chart.devicePixelRatio() != 1)
        image = image.scaled(chart.deviceIndependentSize().toSize(), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    // Until commit the picture is only in the temporary file, which goes away
    // with the QSaveFile when the write fails.
    if (!image.save(&file, "BMP") || !file.commit())
        throw SaveError(SaveError::AccessError, QStringLiteral("Path/File access error"));
}

} // namespace ondara
