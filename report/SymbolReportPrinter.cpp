#include "SymbolReportPrinter.h"

#include "CalculationStore.h"
#include "LocaleFormat.h"
#include "ReachedText.h"
#include "ReportListModel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace ondara {

namespace {

// The nine columns after the ID, then the three of what became of the row.
constexpr int FirstPrintedColumn = 1;
constexpr int SavedFieldCount = 9;
constexpr int PrintedFieldCount = SavedFieldCount + 3;
constexpr int TabStopCharacters = 8;
constexpr int RowsPerRead = 100; // a page of paper or two: printing, not reading, is what takes time
// The width in tab stops of each column from W1Start on; the last has none.
constexpr int ColumnStops[PrintedFieldCount - 3] = {2, 2, 2, 2, 2, 2, 4, 2, 0};
constexpr int stopsFromW1Start()
{
    int stops = 0;
    for (const int column : ColumnStops)
        stops += column;
    return stops;
}
// Symbol, Date and Time take two stops each; the last column holds a date.
constexpr int StopsBeforeLast = 6 + stopsFromW1Start();

// The tabs after text that start the next column of a column stops wide.
QString tabsAfter(const QString &text, int stops)
{
    return QString(std::max<qsizetype>(1, stops - text.size() / TabStopCharacters), QLatin1Char('\t'));
}

} // namespace

QString reportHeadingLine()
{
    const QStringList reached = reachedHeadings();
    return QStringLiteral("Symbol\t\tDate\t\tTime\t\tW1 Start\tW1 End\t\tW3 End/Tgt\tW3 Ext\t\tW5 Target\tW5 Ext\t\t")
        + reached[0] + tabsAfter(reached[0], ColumnStops[6]) + reached[1] + tabsAfter(reached[1], ColumnStops[7])
        + reached[2];
}

QString reportRowLine(const QStringList &values)
{
    Q_ASSERT(values.size() == PrintedFieldCount);
    // Symbol, Date and Time have fixed separators; each later value takes
    // an extra tab for each stop of its column that it leaves free.
    QString line = values[0] + QStringLiteral("\t\t") + values[1] + QLatin1Char('\t') + values[2] + QLatin1Char('\t');
    for (int i = 3; i < PrintedFieldCount; ++i) {
        line += values[i];
        if (i + 1 < PrintedFieldCount)
            line += tabsAfter(values[i], ColumnStops[i - 3]);
    }
    return line;
}

void printSymbolReport(QPrinter &printer, const CalculationStore &store, CalculationCursor rows)
{
    QList<SavedCalculation> read = rows.next(RowsPerRead);
    if (read.isEmpty())
        return;

    printer.setPageOrientation(QPageLayout::Landscape);
    TabbedPageWriter writer(printer);
    writer.begin();
    writer.setFont(10, false, false);
    writer.fitLineWidth(StopsBeforeLast, QStringLiteral("8888-88-88"));

    writer.setFont(14, true, true);
    writer.printLine(QStringLiteral("Saved Symbols"));
    writer.setFont(10, false, true);
    writer.printLine(QString());
    writer.printLine(QString());
    writer.printLine(reportHeadingLine());
    writer.setFont(10, false, false);
    writer.printLine(QString());

    const StoredValueText text;
    QStringList values;
    values.reserve(PrintedFieldCount);
    for (; !read.isEmpty(); read = rows.next(RowsPerRead)) {
        const auto reached = store.reached(read);
        for (qsizetype i = 0; i < read.size(); ++i) {
            values.clear();
            for (int column = FirstPrintedColumn; column < FirstPrintedColumn + SavedFieldCount; ++column)
                values += text(reportColumns()[std::size_t(column)].value(read[i]));
            for (const QString &cell : reachedCells(reached[std::size_t(i)]))
                values += cell;
            writer.printLine(reportRowLine(values));
        }
    }
    writer.end();
}

TabbedPageWriter::TabbedPageWriter(QPrinter &printer)
    : m_printer(printer)
{
}

TabbedPageWriter::~TabbedPageWriter()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

void TabbedPageWriter::begin()
{
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&m_printer))
        throw PrintError(PrintError::CannotStart, PrintError::tr("The printer could not start the document."));
    m_y = 0;
    m_painter->setFont(m_font);
}

void TabbedPageWriter::end()
{
    if (!m_painter->end())
        throw PrintError(PrintError::CannotFinish, PrintError::tr("The printer could not finish the document."));
}

void TabbedPageWriter::setFont(double pointSize, bool bold, bool underline)
{
    m_font = QFont();
    m_font.setPointSizeF(pointSize);
    m_font.setBold(bold);
    m_font.setUnderline(underline);
    if (m_painter)
        m_painter->setFont(m_font);
}

void TabbedPageWriter::fitLineWidth(int stops, const QString &last)
{
    const double pageWidth = m_printer.pageLayout().paintRectPixels(m_printer.resolution()).width();
    const double lineWidth = stops * tabWidth() + QFontMetricsF(m_font, &m_printer).horizontalAdvance(last);
    m_scale = std::min(1.0, pageWidth / lineWidth);
    m_painter->resetTransform();
    m_painter->scale(m_scale, m_scale);
}

double TabbedPageWriter::characterWidth() const
{
    // Font metrics come from a whole number of pixels, which at 300 dpi is off
    // by a pixel in forty; measured a hundred times larger, the stops land on
    // the same place of the paper at any resolution.
    constexpr double Enlarged = 100;
    QFont enlarged = m_font;
    enlarged.setPointSizeF(m_font.pointSizeF() * Enlarged);
    return QFontMetricsF(enlarged, &m_printer).averageCharWidth() / Enlarged;
}

double TabbedPageWriter::tabWidth() const
{
    return TabStopCharacters * characterWidth();
}

void TabbedPageWriter::printLine(const QString &line)
{
    const QFontMetricsF metrics(m_font, &m_printer);
    const double lineHeight = metrics.lineSpacing();
    const double pageHeight = m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height() / m_scale;
    if (m_y > 0 && m_y + lineHeight > pageHeight) {
        if (!m_printer.newPage())
            throw PrintError(PrintError::CannotAddPage, PrintError::tr("The printer could not start a new page."));
        m_y = 0;
    }

    // The one-or-two-tab layout counts characters: a tab goes to the next stop
    // after the characters written so far, whatever their printed width, so
    // a price of seven wide digits still meets the same stop as one of eight
    // narrow characters. Only when a text really reaches past the stop its tabs
    // were meant for do they move on, so no text is ever printed over another.
    const double character = characterWidth();
    const double baseline = m_y + metrics.ascent();
    qsizetype column = 0;
    double textEnd = 0;
    for (qsizetype i = 0; i < line.size();) {
        if (line.at(i) == QLatin1Char('\t')) {
            qsizetype tabs = 0;
            for (; i < line.size() && line.at(i) == QLatin1Char('\t'); ++i)
                ++tabs;
            column = (column / TabStopCharacters + tabs) * TabStopCharacters;
            if (column * character < textEnd) {
                const auto reached = qsizetype(std::ceil(textEnd / character));
                column = (reached / TabStopCharacters + 1) * TabStopCharacters;
            }
            continue;
        }
        qsizetype next = line.indexOf(QLatin1Char('\t'), i);
        if (next < 0)
            next = line.size();
        const QString text = line.mid(i, next - i);
        const double x = column * character;
        m_painter->drawText(QPointF(x, baseline), text);
        textEnd = x + metrics.horizontalAdvance(text);
        column += text.size();
        i = next;
    }
    m_y += lineHeight;
}

} // namespace ondara
