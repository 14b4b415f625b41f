#include "ChartPicture.h"

#include "PrintError.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>

namespace ondara {

namespace {

// The chart at the size it has on the window, whatever screen drew it.
QImage windowSizeImage(const QPixmap &chart)
{
    if (chart.isNull())
        throw SaveError(SaveError::InvalidPicture, SaveError::tr("Invalid picture"));
    QImage image = chart.toImage();
    if (chart.devicePixelRatio() != 1)
        image = image.scaled(chart.deviceIndependentSize().toSize(), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    return image;
}

} // namespace

QString chartCaption(const ChartCapture &capture)
{
    QStringList parts;
    if (!capture.symbol.isEmpty())
        parts += capture.symbol;
    parts += capture.captured.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!capture.heading.isEmpty())
        parts += capture.heading;
    return parts.join(QStringLiteral(" \u00b7 "));
}

QString suggestedChartName(const ChartCapture &capture)
{
    // Characters no file system takes are left out of the symbol's part.
    QString symbol = capture.symbol;
    symbol.remove(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\s]")));
    const QDate day = capture.captured.isValid() ? capture.captured.date() : QDate::currentDate();
    return (symbol.isEmpty() ? QStringLiteral("Ondara") : symbol) + u'-' + day.toString(Qt::ISODate);
}

void printChart(QPrinter &printer, const QPixmap &chart)
{
    if (chart.isNull())
        throw PrintError(PrintError::InvalidPicture, PrintError::tr("Invalid picture"));
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrintError(PrintError::CannotStart, PrintError::tr("The printer could not start the document."));
    // Thin lines and small figures blur in JPEG, which Qt would otherwise
    // choose for the picture in the print document.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    // Device-independent size, so a chart captured on a high-density screen
    // prints as large as any other.
    const QSizeF onPaper = chart.deviceIndependentSize() / ChartPixelsPerInch * printer.resolution();
    painter.drawPixmap(QRectF(QPointF(0, 0), onPaper), chart, QRectF(chart.rect()));
    if (!painter.end())
        throw PrintError(PrintError::CannotFinish, PrintError::tr("The printer could not finish the document."));
}

void saveChartBitmap(const QPixmap &chart, const QString &path)
{
    const QImage image = windowSizeImage(chart);
    QSaveFile file(path);
    openForSaving(file);
    commitSaved(file, image.save(&file, "BMP"));
}

void saveChartPng(const ChartCapture &capture, const QString &path)
{
    const QImage chart = windowSizeImage(capture.picture);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    const QFontMetrics metrics(font);
    const int band = metrics.height() + 8;
    QImage image(chart.width(), chart.height() + band, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, chart);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(4, chart.height(), chart.width() - 8, band), Qt::AlignVCenter | Qt::AlignLeft,
                         metrics.elidedText(chartCaption(capture), Qt::ElideRight, chart.width() - 8));
    }
    QSaveFile file(path);
    openForSaving(file);
    commitSaved(file, image.save(&file, "PNG"));
}

void saveChartPdf(const ChartCapture &capture, const QString &path)
{
    const QImage chart = windowSizeImage(capture.picture);
    QSaveFile file(path);
    openForSaving(file);
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(chartCaption(capture));
        pdf.setCreator(QStringLiteral("Ondara"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(288);
        QPainter painter;
        if (!painter.begin(&pdf))
            throw SaveError(SaveError::AccessError, SaveError::tr("Path/File access error"));
        painter.setRenderHint(QPainter::LosslessImageRendering);
        // The chart at its size on the screen it was drawn for.
        const double scale = pdf.resolution() / ChartPixelsPerInch;
        const QRectF picture(0, 0, chart.width() * scale, chart.height() * scale);
        painter.drawImage(picture, chart);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(10);
        painter.setFont(font);
        const QFontMetricsF metrics(font, &pdf);
        double y = picture.bottom() + metrics.height();
        painter.drawText(QPointF(0, y + metrics.ascent()), chartCaption(capture));
        y += 2 * metrics.height();
        const double priceColumn = metrics.horizontalAdvance(QStringLiteral("Wave 3 extension")) + 4 * metrics.averageCharWidth();
        for (const LevelLine &level : capture.levels) {
            painter.drawText(QPointF(0, y + metrics.ascent()), level.name);
            painter.drawText(QPointF(priceColumn, y + metrics.ascent()), level.price);
            y += metrics.height();
        }
        if (!painter.end())
            throw SaveError(SaveError::AccessError, SaveError::tr("Path/File access error"));
    }
    commitSaved(file, true);
}

void saveChart(const ChartCapture &capture, const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        saveChartPng(capture, path);
    else if (suffix == QLatin1String("pdf"))
        saveChartPdf(capture, path);
    else
        saveChartBitmap(capture.picture, path);
}

} // namespace ondara
