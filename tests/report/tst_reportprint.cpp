#include "CalculationStore.h"
#include "ChartPicture.h"
#include "PriceHistory.h"
#include "RowWriter.h"
#include "ScratchFolder.h"
#include "SymbolReportPrinter.h"
#include "modOndara.h"

#include <QtPrintSupport>
#include <QtTest>

using namespace ondara;
using namespace testsupport;

namespace {

QString pdfToText(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), arguments);
    return tool.waitForFinished(60000) ? QString::fromUtf8(tool.readAllStandardOutput()) : QString();
}

// A PDF printer, whose page's corner is at pageCorner on paper (in points).
std::unique_ptr<QPrinter> pdfPrinter(const QString &file, int resolution)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFileName(file);
    printer->setResolution(resolution);
    return printer;
}

} // namespace

class TestReportPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext and pdftoppm (poppler-utils) are needed to read the printed pages back");
    }

    // The title and heading once, then one line per row in query order over
    // several pages, what became of it included; every column on a tab stop
    // eight characters apart, at the same place on paper at any resolution,
    // and no text printed over another. An empty result prints nothing.
    void printsTable()
    {
        ScratchFolder folder;
        const QString file = QStringLiteral("ondara.mdb"), wide = QStringLiteral("AWWWWWWWWWWWWWW");
        createDatabase(file);
        const QDate day(2001, 1, 15);
        const QTime time(15, 4, 5);
        QStringList expected{"Saved Symbols", "Symbol Date Time W1 Start W1 End W3 End/Tgt W3 Ext W5 Target W5 Ext Reached Extreme Invalid"};
        for (const auto &[row, line] : QList<std::pair<SymbolRow, QString>>{
                 {{"AAPL", {1234.56, 12345.67, 0.5, 12345678.25, {}, 9.0}, day, time, 1}, "1234.56 12345.67 0.5 12345678.25 9"},
                 {{"AMZN", {12345.67, 1234.56, 12345.67, 1.0, 1234567.5, 123456.78}, day, time, 2},
                  "12345.67 1234.56 12345.67 1 1234567.5 123456.78"},
                 {{wide, {1, 2, 3, 4, 5, 6}, day, time, 3}, "1 2 3 4 5 6"},
                 {{"IBM", {10.0, 20.0, 27.5, 30.0, 37.5, 46.18}, day, time, 4},
                  "10 20 27.5 30 37.5 46.18 W5 target 37.50 on 2001-01-17 38.00 2001-01-17"}}) {
            QVERIFY(writeRow(file, row));
            expected += row.symbol.toString() + " 1/15/2001 3:04:05 PM " + line;
        }
        for (int i = 1; i <= 150; ++i) { // IDs against the symbol order, so printing by ID would show
            const QString symbol = QStringLiteral("S%1").arg(i, 3, 10, QLatin1Char('0'));
            QVERIFY(writeRow(file, {symbol, {10.25 + i, 11.25 + i}, day, QTime(9, 30), 1000 - i}));
            expected += QStringLiteral("%1 1/15/2001 9:30:00 AM %2 %3").arg(symbol).arg(10.25 + i).arg(11.25 + i);
        }
        const DatabaseHandle db = openDatabase(file);
        replacePrices(*db, "IBM", {{day.addDays(1), 20, 28, 19, 27}, {day.addDays(2), 27, 38, 9.5, 12}});
        const CalculationStore store(db);
        const auto printed = [&](QDate date, int resolution) {
            const auto printer = pdfPrinter(QStringLiteral("report-%1.pdf").arg(resolution), resolution);
            printSymbolReport(*printer, store, store.report({date, date, QTime(0, 0), QTime(23, 59, 59), {}}, ReportOrder::SymbolDateTime));
            return printer->pageLayout().orientation() == QPageLayout::Landscape ? printer->outputFileName() : QString();
        };
        QVERIFY(!QFile::exists(printed(day.addDays(1), 300)));
        double lastStopAt300 = 0; // where "Invalid" stands
        for (int resolution : {300, 1200}) {
            const QString pdf = printed(day, resolution), text = pdfToText({"-layout", pdf, "-"});
            QVERIFY(text.count(u'\f') > 1);
            QStringList lines;
            for (const QString &line : text.split(u'\n'))
                lines += line.simplified();
            lines.removeAll(QString());
            QCOMPARE(lines, expected);

            // The first page's words that stand on a tab stop, by line, each with its stop.
            static const QRegularExpression word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)"[^>]*>([^<]*)<)re");
            QMap<int, QList<std::pair<double, QString>>> byLine;
            QHash<QString, double> rightEdge;
            for (const auto &m : word.globalMatch(pdfToText({"-l", "1", "-bbox", pdf, "-"}))) {
                byLine[qRound(m.captured(2).toDouble())] += {m.captured(1).toDouble(), m.captured(4)};
                rightEdge[m.captured(4)] = m.captured(3).toDouble();
            }
            const QList<std::pair<double, QString>> heading = byLine.value(byLine.keys().value(1));
            const double left = heading.value(0).first, stop = (heading.value(1).first - left) / 2; // "Date" follows two tabs
            QVERIFY2(stop > 20 && stop < 80, qPrintable(QString::number(stop))); // eight 10-point characters
            QHash<QString, QString> stops;
            for (const auto &line : byLine) {
                for (const auto &[x, text] : line) {
                    if (const double at = (x - left) / stop; std::abs(at - std::round(at)) < 0.01)
                        stops[line[0].second] += QStringLiteral("%1@%2 ").arg(text).arg(std::lround(at));
                }
            }
            QCOMPARE(stops["Symbol"], "Symbol@0 Date@2 Time@4 W1@6 W1@8 W3@10 W3@12 W5@14 W5@16 Reached@18 Extreme@22 Invalid@24 ");
            QCOMPARE(stops["AAPL"], "AAPL@0 1/15/2001@2 3:04:05@4 1234.56@6 12345.67@8 0.5@10 12345678.25@12 9@16 ");
            QCOMPARE(stops["AMZN"], "AMZN@0 1/15/2001@2 3:04:05@4 12345.67@6 1234.56@8 12345.67@10 1@12 1234567.5@14 123456.78@16 ");
            // The date after a symbol too wide for its column moves on to the first stop it leaves free.
            const int dateStop = stops[wide].section(u' ', 1, 1).section(u'@', 1).toInt();
            QVERIFY(left + (dateStop - 1) * stop < rightEdge[wide] && left + dateStop * stop >= rightEdge[wide]);
            // Stops are in the printer's own units: on paper they do not depend on its resolution.
            const double lastStop = heading.constLast().first;
            QVERIFY2(!lastStopAt300 || std::abs(lastStop - lastStopAt300) < 0.5, qPrintable(QString::number(lastStop)));
            lastStopAt300 = lastStop;
        }
    }

    // A 404 by 312 chart is 6060 by 4680 twips on screen and must be as large on
    // paper, from the corner of the printable area, the right way up.
    void chartKeepsItsScreenSize()
    {
        ScratchFolder folder;
        QPixmap chart(404, 312);
        chart.fill(Qt::darkBlue);
        QPainter(&chart).fillRect(0, 0, 40, 40, Qt::red);
        for (int resolution : {300, 1200}) {
            const auto printer = pdfPrinter(QStringLiteral("chart.pdf"), resolution);
            printChart(*printer, chart);
            constexpr int Dpi = 200;
            QProcess::execute(QStringLiteral("pdftoppm"), {"-png", "-singlefile", "-r", QString::number(Dpi), "chart.pdf", "chart"});
            const QImage page(QStringLiteral("chart.png"));
            const QRect expected = QRectF(printer->pageLayout().paintRect(QPageLayout::Inch).topLeft() * Dpi,
                                          QSizeF(6060.0, 4680.0) / 1440 * Dpi).toRect();
            // Just inside each corner, and just outside.
            const auto hue = [&](QPoint corner, int x, int y) { return QColor(page.pixel(corner + QPoint(x, y))).hue(); };
            QCOMPARE(hue(expected.topLeft(), 3, 3), QColor(Qt::red).hue());
            QCOMPARE(hue(expected.bottomRight(), -3, -3), QColor(Qt::darkBlue).hue());
            QCOMPARE(hue(expected.topLeft(), -3, -3), -1); // white
            QCOMPARE(hue(expected.bottomRight(), 3, 3), -1);
        }
    }
};

QTEST_MAIN(TestReportPrint)
#include "tst_reportprint.moc"
