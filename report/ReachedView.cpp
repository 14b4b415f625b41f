#include "ReachedView.h"

#include "ChartPicture.h"
#include "LevelsText.h"
#include "MessageBox.h"
#include "PriceHistory.h"
#include "PriceNotation.h"
#include "StoredDateTime.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QScreen>
#include <QStandardPaths>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace ondara {

namespace {

// Colours that read on the chart's light and dark themes alike.
struct Palette
{
    QColor close;
    QColor range;
    QColor level;
    QColor reached;
    QColor invalid;
    QColor text;
};

Palette paletteFor(bool dark)
{
    if (dark)
        return {QColor(0x6f, 0xa8, 0xff), QColor(0x6f, 0xa8, 0xff, 90), QColor(0xa8, 0xa8, 0xa8),
                QColor(0x5f, 0xd1, 0x6f), QColor(0xff, 0x6b, 0x6b), QColor(0xe8, 0xe8, 0xe8)};
    return {QColor(0x1f, 0x5f, 0xbf), QColor(0x1f, 0x5f, 0xbf, 45), QColor(0x70, 0x70, 0x70),
            QColor(0x1a, 0x8a, 0x2e), QColor(0xc6, 0x28, 0x28), QColor(0x20, 0x20, 0x20)};
}

QPen linePen(const QColor &color, qreal width, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(color, width, style);
}

// Noon, so that a tick of the date axis never falls across midnight when the
// clocks change and shows the day before.
qreal chartX(QDate date)
{
    return qreal(date.startOfDay().addSecs(12 * 3600).toMSecsSinceEpoch());
}

QString dayText(std::int64_t julianDay)
{
    return storedDateText(QDate::fromJulianDay(julianDay));
}

QString twoDecimals(double price)
{
    return QString::fromStdString(formatMask(price, Mask::ZeroDot00).value_or(std::string()));
}

// Enough decimals on the price axis to tell its ticks apart.
QString axisLabelFormat(const QValueAxis &axis)
{
    const double step = (axis.max() - axis.min()) / std::max(1, axis.tickCount() - 1);
    const int decimals = step > 0 ? std::clamp(int(std::ceil(-std::log10(step))), 0, MaxShownDecimals) : 0;
    return QStringLiteral("%.%1f").arg(decimals);
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *control = new QPushButton(text, parent);
    control->setObjectName(name);
    control->setAutoDefault(false);
    return control;
}

} // namespace

QString ReachedView::levelName(WaveLevel level)
{
    switch (level) {
    case WaveLevel::W3Target: return tr("W3 target");
    case WaveLevel::W3Ext: return tr("W3 ext");
    case WaveLevel::W5Target: return tr("W5 target");
    case WaveLevel::W5Ext: return tr("W5 ext");
    }
    return QString::fromLatin1(waveLevelName(level));
}

ReachedView::ReachedView(const SavedCalculation &calculation, const std::optional<ReachedResult> &result,
                         const QList<PriceBar> &bars, PriceWriter writePrice, QWidget *parent)
    : QDialog(parent), m_calculation(calculation), m_writePrice(writePrice ? std::move(writePrice) : twoDecimals)
{
    setObjectName(QStringLiteral("frmReached"));
    setWindowTitle(QStringLiteral("%1 %2").arg(priceSymbol(calculation.symbol), storedDateText(calculation.date)));

    auto *layout = new QVBoxLayout(this);
    auto *buttons = new QHBoxLayout;
    cmdCopy = button(QStringLiteral("cmdCopy"), tr("Copy"), this);
    cmdSave = button(QStringLiteral("cmdSave"), tr("Save..."), this);
    cmdClose = button(QStringLiteral("cmdClose"), tr("Close"), this);
    cmdCopy->setToolTip(tr("Copies the chart as a picture and its levels as text"));
    cmdSave->setToolTip(tr("Saves the chart as a PNG picture or a PDF document"));
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdSave);
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    // Only days after the calculation's can tell what became of it.
    const bool after = calculation.date.isValid() && std::any_of(bars.begin(), bars.end(), [&](const PriceBar &bar) {
        return bar.date > calculation.date;
    });
    if (result && after) {
        buildChart(*result, bars);
        layout->addWidget(m_chartView, 1);
    } else {
        lblNoPrices = new QLabel(this);
        lblNoPrices->setObjectName(QStringLiteral("lblNoPrices"));
        lblNoPrices->setAlignment(Qt::AlignCenter);
        lblNoPrices->setWordWrap(true);
        lblNoPrices->setText(after ? tr("This calculation has no start and end price to follow.")
                                   : tr("There are no prices of %1 after %2.")
                                         .arg(priceSymbol(calculation.symbol), storedDateText(calculation.date)));
        layout->addWidget(lblNoPrices, 1);
        cmdCopy->setEnabled(false);
        cmdSave->setEnabled(false);
    }
    layout->addLayout(buttons);
    resize(QSize(900, 560).boundedTo(screen()->availableSize() * 9 / 10));

    connect(cmdCopy, &QPushButton::clicked, this, &ReachedView::cmdCopy_Click);
    connect(cmdSave, &QPushButton::clicked, this, &ReachedView::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &ReachedView::close);
}

ReachedView::~ReachedView() = default;

QString ReachedView::caption() const
{
    const SavedCalculation &row = m_calculation;
    const bool wave3 = row.w1End && *row.w1End == 0;
    const std::optional<double> end = wave3 ? row.w3Target : row.w1End;
    QString text = QStringLiteral("%1 %2 %3").arg(priceSymbol(row.symbol), storedDateText(row.date),
                                                   storedTimeText(row.time));
    if (row.w1Start && end) {
        text += tr(", %1, wave %2 from %3 to %4")
                    .arg(*row.w1Start < *end ? tr("bull") : tr("bear"),
                         wave3 ? QStringLiteral("3") : QStringLiteral("1"), m_writePrice(*row.w1Start),
                         m_writePrice(*end));
    }
    return text;
}

void ReachedView::buildChart(const ReachedResult &result, const QList<PriceBar> &bars)
{
    m_chart = new QChart;
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    m_chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    const Palette colours = paletteFor(dark);
    m_chart->setTitle(caption());
    m_chart->setBackgroundRoundness(0);
    // The chart fills the view, so a saved picture has no border of the window's colour.
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);

    auto *axisX = new QDateTimeAxis(m_chart);
    auto *axisY = new QValueAxis(m_chart);
    m_chart->addAxis(axisX, Qt::AlignBottom);
    m_chart->addAxis(axisY, Qt::AlignLeft);
    const QDate firstDay = m_calculation.date;
    const QDate lastDay = std::max(bars.constLast().date, firstDay.addDays(1));
    const qreal xMin = chartX(firstDay);
    const qreal xMax = chartX(lastDay);
    double low = bars.constFirst().low;
    double high = bars.constFirst().high;

    auto *range = new QAreaSeries;
    range->setName(tr("Day's range"));
    range->setUpperSeries(new QLineSeries(range));
    range->setLowerSeries(new QLineSeries(range));
    range->setPen(Qt::NoPen);
    range->setBrush(colours.range);
    auto *close = new QLineSeries;
    close->setName(tr("Close"));
    close->setPen(linePen(colours.close, 2));
    for (const PriceBar &bar : bars) {
        const qreal x = chartX(bar.date);
        range->upperSeries()->append(x, bar.high);
        range->lowerSeries()->append(x, bar.low);
        close->append(x, bar.close);
        low = std::min(low, bar.low);
        high = std::max(high, bar.high);
    }
    for (QAbstractSeries *series : std::initializer_list<QAbstractSeries *>{range, close}) {
        m_chart->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }

    // The start, then the levels in the row's order, each with its line of the copied text.
    m_heading = caption();
    if (m_calculation.w1Start) {
        const double start = *m_calculation.w1Start;
        const QString name = tr("Start %1").arg(m_writePrice(start));
        m_anchor = addLine(name, {{xMin, start}, {xMax, start}}, linePen(colours.text, 1, Qt::DotLine));
        addLevelLabel(name, start, colours.text);
        m_levels.append({tr("Start"), m_writePrice(start)});
        low = std::min(low, start);
        high = std::max(high, start);
    }
    QList<QPointF> reached;
    for (const LevelReach &level : result.levels) {
        const QString name = levelName(level.level);
        QString label = QStringLiteral("%1 %2").arg(name, m_writePrice(level.price));
        // The price stays a column of its own for a spreadsheet; the day goes with the name.
        LevelLine line{name, m_writePrice(level.price)};
        if (level.day) {
            label += tr(" on %1").arg(dayText(*level.day));
            line.name += tr(", reached %1").arg(dayText(*level.day));
            reached.append({chartX(QDate::fromJulianDay(*level.day)), level.price});
        }
        const QColor colour = level.day ? colours.reached : colours.level;
        QLineSeries *series = addLine(label, {{xMin, level.price}, {xMax, level.price}},
                                      linePen(colour, level.day ? 1.5 : 1, level.day ? Qt::SolidLine : Qt::DashLine));
        if (!m_anchor)
            m_anchor = series;
        addLevelLabel(label, level.price, colour);
        m_levels.append(line);
        low = std::min(low, level.price);
        high = std::max(high, level.price);
    }
    m_levels.append({tr("Extreme"), m_writePrice(result.extreme)});

    const double pad = std::max((high - low) * 0.04, high * 0.001);
    axisY->setRange(low - pad, high + pad);
    axisY->setTickCount(7);
    axisY->applyNiceNumbers();
    axisY->setLabelFormat(axisLabelFormat(*axisY));
    axisX->setRange(QDateTime::fromMSecsSinceEpoch(qint64(xMin)), QDateTime::fromMSecsSinceEpoch(qint64(xMax)));
    axisX->setFormat(QStringLiteral("yyyy-MM-dd"));
    m_axisX = axisX;
    m_days = firstDay.daysTo(lastDay);

    addMarks(tr("Reached"), reached, colours.reached, QScatterSeries::MarkerShapeCircle);
    if (result.invalidDay) {
        // A line down the day, and a mark where the price went past the start.
        const qreal x = chartX(QDate::fromJulianDay(*result.invalidDay));
        addLine({}, {{x, axisY->min()}, {x, axisY->max()}}, linePen(colours.invalid, 1.5, Qt::DashLine));
        addMarks(tr("Invalid %1").arg(dayText(*result.invalidDay)),
                 {{x, m_calculation.w1Start.value_or(0)}}, colours.invalid, QScatterSeries::MarkerShapeRotatedRectangle);
        m_levels.append({tr("Invalid"), dayText(*result.invalidDay)});
    }

    // The labels stand right of the plot, in a margin as wide as the widest.
    qreal widest = 0;
    for (const LevelLabel &label : m_labels)
        widest = std::max(widest, label.item->boundingRect().width());
    QMargins margins = m_chart->margins();
    margins.setRight(int(std::ceil(widest)) + 16);
    m_chart->setMargins(margins);
    m_chart->legend()->setAlignment(Qt::AlignBottom);

    m_chartView = new QChartView(m_chart, this);
    m_chartView->setObjectName(QStringLiteral("chvReached"));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setFrameShape(QFrame::NoFrame);
    m_chartView->setMinimumSize(480, 320);
    connect(m_chart, &QChart::plotAreaChanged, this, &ReachedView::fitPlotArea);
}

QLineSeries *ReachedView::addLine(const QString &name, const QList<QPointF> &points, const QPen &pen)
{
    auto *series = new QLineSeries;
    series->setName(name);
    series->append(points);
    series->setPen(pen);
    m_chart->addSeries(series);
    for (QAbstractAxis *axis : m_chart->axes())
        series->attachAxis(axis);
    // Labelled beside the plot, so not again in the legend.
    for (QLegendMarker *marker : m_chart->legend()->markers(series))
        marker->setVisible(false);
    return series;
}

void ReachedView::addMarks(const QString &name, const QList<QPointF> &points, const QColor &color,
                           QScatterSeries::MarkerShape shape)
{
    if (points.isEmpty())
        return;
    auto *series = new QScatterSeries;
    series->setName(name);
    series->append(points);
    series->setMarkerShape(shape);
    series->setMarkerSize(10);
    series->setColor(color);
    series->setBorderColor(color);
    m_chart->addSeries(series);
    for (QAbstractAxis *axis : m_chart->axes())
        series->attachAxis(axis);
}

void ReachedView::addLevelLabel(const QString &text, double price, const QColor &color)
{
    auto *item = new QGraphicsSimpleTextItem(text, m_chart);
    item->setBrush(color);
    m_labels.push_back({item, price});
}

void ReachedView::fitPlotArea()
{
    // As many dates as fit the width, never two ticks on one day, which would
    // print the same date twice.
    const qreal dateWidth = QFontMetricsF(m_axisX->labelsFont()).horizontalAdvance(QStringLiteral("0000-00-00 ")) * 1.5;
    const int fitting = std::max(2, int(m_chart->plotArea().width() / dateWidth) + 1);
    const int ticks = int(std::min<qint64>(fitting, m_days + 1));
    if (m_axisX->tickCount() != ticks)
        m_axisX->setTickCount(ticks);
    placeLevelLabels();
}

void ReachedView::placeLevelLabels()
{
    if (!m_anchor)
        return;
    const QRectF plot = m_chart->plotArea();
    std::vector<std::pair<qreal, QGraphicsSimpleTextItem *>> placed;
    for (const LevelLabel &label : m_labels) {
        const qreal y = m_chart->mapToPosition(QPointF(plot.left(), label.price), m_anchor).y();
        placed.emplace_back(y - label.item->boundingRect().height() / 2, label.item);
    }
    // Close levels would print over each other: each label goes below the one
    // above it, and a run pushed past the chart's foot goes back up.
    std::sort(placed.begin(), placed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    qreal top = m_chart->rect().top();
    for (auto &[y, item] : placed) {
        y = std::max(y, top);
        top = y + item->boundingRect().height();
    }
    qreal bottom = m_chart->rect().bottom();
    for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
        it->first = std::min(it->first, bottom - it->second->boundingRect().height());
        bottom = it->first;
    }
    for (const auto &[y, item] : placed)
        item->setPos(plot.right() + 8, y);
}

QString ReachedView::levelsText() const
{
    return m_levels.isEmpty() ? QString() : ::levelsText(m_heading, m_levels);
}

QPixmap ReachedView::chartPicture() const
{
    return m_chartView ? m_chartView->grab() : QPixmap();
}

void ReachedView::saveChart(const QString &path) const
{
    if (!m_chartView)
        throw SaveError(SaveError::InvalidPicture, SaveError::tr("Invalid picture"));
    QSaveFile file(path);
    openForSaving(file);
    bool written = false;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0) {
        // One page the chart's size, drawn from the scene, so its texts stay text.
        const QSize size = m_chartView->viewport()->size();
        QPdfWriter pdf(&file);
        pdf.setTitle(caption());
        pdf.setCreator(QStringLiteral("Ondara"));
        pdf.setResolution(int(ChartPixelsPerInch));
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(size) / ChartPixelsPerInch, QPageSize::Inch),
                                      QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (painter.begin(&pdf)) {
            painter.setRenderHint(QPainter::Antialiasing);
            m_chartView->render(&painter, QRectF(QPointF(0, 0), size), m_chartView->viewport()->rect());
            written = painter.end();
        }
    } else {
        written = chartPicture().toImage().save(&file, "PNG");
    }
    commitSaved(file, written);
}

void ReachedView::cmdCopy_Click()
{
    QMimeData *data = levelsMimeData(m_heading, m_levels);
    data->setImageData(chartPicture().toImage());
    QGuiApplication::clipboard()->setMimeData(data);
}

void ReachedView::cmdSave_Click()
{
    const QString png = tr("PNG image (*.png)");
    const QString pdf = tr("PDF document (*.pdf)");
    // Qt's own dialog, the same on every desktop; the overwrite question is the window's.
    QFileDialog cdlSave(this);
    cdlSave.setObjectName(QStringLiteral("cdlSave"));
    cdlSave.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    cdlSave.setAcceptMode(QFileDialog::AcceptSave);
    cdlSave.setFileMode(QFileDialog::AnyFile);
    cdlSave.setNameFilters({png, pdf});
    cdlSave.setDefaultSuffix(QStringLiteral("png"));
    connect(&cdlSave, &QFileDialog::filterSelected, &cdlSave, [&cdlSave, pdf](const QString &filter) {
        cdlSave.setDefaultSuffix(filter == pdf ? QStringLiteral("pdf") : QStringLiteral("png"));
    });
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    cdlSave.setDirectory(QFileInfo(pictures).isDir() ? pictures : QDir::homePath());
    cdlSave.selectFile(QStringLiteral("%1-%2").arg(priceSymbol(m_calculation.symbol), storedDateText(m_calculation.date)));

    QString path;
    for (;;) {
        if (cdlSave.exec() != QDialog::Accepted || cdlSave.selectedFiles().isEmpty())
            return;
        path = cdlSave.selectedFiles().constFirst();
        if (!QFileInfo::exists(path))
            break;
        if (showMessage(this, tr("That file already exists. Overwrite it?"),
                        tr("Overwrite File"), QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::No)
            == QMessageBox::Yes)
            break;
    }
    try {
        saveChart(path);
    } catch (const SaveError &error) {
        showError(this, {}, tr("Ondara"), error, QMessageBox::Critical, QStringLiteral(": "));
    }
}

} // namespace ondara
