#include "SymbolReportPrinter.h"

#include "CalculationStore.h"
#include "LocaleFormat.h"
#include "ReportListModel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace ondara {

namespace {

// The nine columns after the ID.
constexpr int FirstPrintedColumn = 1;
constexpr int PrintedFieldCount = 9;
constexpr int TabStopCharacters = 8;
constexpr int RowsPerRead = 100; // a page of paper or two: printing, not reading, is what takes time

} // namespace

QString reportHeadingLine()
{
    return QStringLiteral("Symbol\t\tDate\t\tTime\t\tW1 Start\tW1 End\t\tW3 End/Tgt\tW3 Ext\t\tW5 Target\tW5 Ext");
}

QString reportRowLine(const QStringList &values)
{
    Q_ASSERT(values.size() == PrintedFieldCount);
    // Symbol, Date and Time have fixed separators; each price but the last
    // takes an extra tab when it ends before the next tab stop.
    QString line = values[0] + QStringLiteral("\t\t") + values[1] + QLatin1Char('\t') + values[2];
    for (int i = 3; i < PrintedFieldCount; ++i) {
        line += u'\t';
        line += values[i];
        if (i + 1 < PrintedFieldCount && values[i].size() < TabStopCharacters)
            line += u'\t';
    }
    return line;
}

void printSymbolReport(QPrinter &printer, CalculationCursor rows)
{
    QList<SavedCalculation> read = rows.next(RowsPerRead);
    if (read.isEmpty())
        return;

    printer.setPageOrientation(QPageLayout::Landscape);
    TabbedPageWriter writer(printer);
    writer.begin();

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
        for (const SavedCalculation &row : std::as_const(read)) {
            values.clear();
            for (int column = FirstPrintedColumn; column < FirstPrintedColumn + PrintedFieldCount; ++column)
                values += text(reportColumns()[std::size_t(column)].value(row));
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
    const double pageHeight = m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height();
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
