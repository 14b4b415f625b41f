#include "ChartPicture.h"
#include "PriceHistory.h"
#include "ReportFixture.h"
#include "SymbolReportPrinter.h"

#include <QtPrintSupport>
#include <QtTest>

using namespace ondara;

namespace {

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    return tool.waitForFinished(60000) && tool.exitCode() == 0 ? QString::fromUtf8(tool.readAllStandardOutput()) : "";
}

// A word of the printed page as pdftotext finds it, in points.
struct Word
{
    int page;
    double xMin, xMax, yMin;
    QString text;
};

QList<Word> words(const QString &pdf)
{
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="[0-9.]+">([^<]*)</word>)re"));
    QList<Word> found;
    int page = 0;
    for (const auto &m : tag.globalMatch(runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, "-"}))) {
        if (m.captured(0).startsWith(QLatin1String("<page")))
            ++page;
        else
            found += Word{page, m.captured(1).toDouble(), m.captured(3).toDouble(), m.captured(2).toDouble(),
                          m.captured(4).replace(QLatin1String("&#39;"), QLatin1String("'"))};
    }
    // Reading order, the same at any resolution, which pdftotext's own order is not.
    std::sort(found.begin(), found.end(), [](const Word &a, const Word &b) {
        return std::tuple(a.page, qRound(a.yMin), a.xMin) < std::tuple(b.page, qRound(b.yMin), b.xMin);
    });
    return found;
}

// The words of the printed line that has the word first, left to right.
QList<Word> lineOf(const QList<Word> &all, const QString &first)
{
    const auto start = std::find_if(all.begin(), all.end(), [&](const Word &w) { return w.text == first; });
    QList<Word> line;
    for (const Word &w : all) {
        if (start != all.end() && w.page == start->page && std::abs(w.yMin - start->yMin) < 1.0)
            line += w;
    }
    return line;
}

std::unique_ptr<QPrinter> pdfPrinter(const QString &file, int resolution)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFileName(file); // a .pdf name makes it a PDF printer
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
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext and pdftoppm (poppler-utils) are needed to read the printed pages back");
    }

    // The title and heading once, then one line per row in query order over
    // several pages; every column on a tab stop eight characters apart, at the
    // same place on paper at any resolution, and no text printed over another.
    void printsTable()
    {
        reportfixture::Folder folder;
        const QString wide = QStringLiteral("WWWWWWWWWWWWWWW");
        const auto priced = [](qint64 id, const QString &symbol, const QVariantList &prices) {
            return reportfixture::Row{id, symbol, QDate(2001, 1, 15), QTime(15, 4, 5)} + prices;
        };
        QList<reportfixture::Row> rows{
            priced(1, "AAPL", {1234.56, 12345.67, 0.5, 12345678.25, QVariant(), 9.0}),
            priced(2, "AMZN", {12345.67, 1234.56, 12345.67, 1.0, 1234567.5, 123456.78}),
            priced(3, wide, {1.0, 2.0, 3.0, 4.0, 5.0, 6.0}),
            {4, "O'NEIL", QDate(2001, 1, 15), QTime(23, 59, 59), 1.5, QVariant(), 2.0, 3.0, QVariant(), 4.0},
            priced(5, "IBM", {10.0, 20.0, 27.5, 30.0, 37.5, 46.18}),
        };
        replacePrices(*folder.db(), "IBM", {{QDate(2001, 1, 16), 20, 28, 19, 27}, {QDate(2001, 1, 17), 27, 38, 9.5, 12}});
        QStringList expected{"Saved Symbols",
                             "Symbol Date Time W1 Start W1 End W3 End/Tgt W3 Ext W5 Target W5 Ext Reached Extreme Invalid",
                             "AAPL 1/15/2001 3:04:05 PM 1234.56 12345.67 0.5 12345678.25 9",
                             "AMZN 1/15/2001 3:04:05 PM 12345.67 1234.56 12345.67 1 1234567.5 123456.78",
                             "IBM 1/15/2001 3:04:05 PM 10 20 27.5 30 37.5 46.18 W5 target 37.50 on 2001-01-17 38.00 2001-01-17",
                             "O'NEIL 1/15/2001 11:59:59 PM 1.5 2 3 4"};
        for (int i = 1; i <= 150; ++i) {
            // IDs run against the symbol order, so printing by ID would show.
            const QString symbol = QStringLiteral("S%1").arg(i, 3, 10, QLatin1Char('0'));
            rows += reportfixture::row(1000 - i, symbol, QDate(2001, 1, 15), QTime(9, 30), 10.25 + i);
            expected += QStringLiteral("%1 1/15/2001 9:30:00 AM %2 %3 %4 %5 %6 %7").arg(symbol).arg(10.25 + i)
                            .arg(11.25 + i).arg(12.25 + i).arg(13.25 + i).arg(14.25 + i).arg(15.25 + i);
        }
        expected += wide + QStringLiteral(" 1/15/2001 3:04:05 PM 1 2 3 4 5 6");
        folder.insert(rows);
        const QTime dayStart(0, 0), dayEnd(23, 59, 59);
        const auto records = [&](QDate day) {
            return folder.store().report({day, day, dayStart, dayEnd, {}}, ReportOrder::SymbolDateTime);
        };

        // An empty result prints nothing, not even the title.
        printSymbolReport(*pdfPrinter(folder.filePath(QStringLiteral("none.pdf")), 300), folder.store(),
                          records(QDate(2001, 1, 16)));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("none.pdf"))));
        QList<Word> at300;
        for (int resolution : {300, 1200}) {
            const QString pdf = folder.filePath(QStringLiteral("report-%1.pdf").arg(resolution));
            const auto printer = pdfPrinter(pdf, resolution);
            printSymbolReport(*printer, folder.store(), records(QDate(2001, 1, 15)));
            QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);
            const QString text = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, "-"});
            QVERIFY(text.count(QLatin1Char('\f')) > 1);
            QStringList lines;
            for (const QString &line : text.split(QLatin1Char('\n')))
                lines += line.simplified();
            lines.removeAll(QString());
            QCOMPARE(lines, expected);

            const QList<Word> all = words(pdf);
            const QList<Word> heading = lineOf(all, QStringLiteral("Symbol"));
            QVERIFY(heading.size() > 1);
            const double left = heading[0].xMin;
            const double stop = (heading[1].xMin - left) / 2; // "Date" follows two tabs
            QVERIFY2(stop > 20 && stop < 80, qPrintable(QString::number(stop))); // eight 10-point characters
            // The words of a line that stand on a stop, each with its stop.
            const auto stopsOf = [&](const QString &first) {
                QStringList found;
                for (const Word &w : lineOf(all, first)) {
                    if (const double stops = (w.xMin - left) / stop; std::abs(stops - std::round(stops)) < 0.01)
                        found += QStringLiteral("%1@%2").arg(w.text).arg(std::lround(stops));
                }
                return found.join(QLatin1Char(' '));
            };
            QCOMPARE(stopsOf(QStringLiteral("Symbol")),
                     "Symbol@0 Date@2 Time@4 W1@6 W1@8 W3@10 W3@12 W5@14 W5@16 Reached@18 Extreme@22 Invalid@24");
            QCOMPARE(stopsOf(QStringLiteral("AAPL")),
                     "AAPL@0 1/15/2001@2 3:04:05@4 1234.56@6 12345.67@8 0.5@10 12345678.25@12 9@16");
            QCOMPARE(stopsOf(QStringLiteral("AMZN")),
                     "AMZN@0 1/15/2001@2 3:04:05@4 12345.67@6 1234.56@8 12345.67@10 1@12 1234567.5@14 123456.78@16");
            const QList<Word> wideLine = lineOf(all, wide);
            QVERIFY2(wideLine.size() > 1 && wideLine[1].xMin >= wideLine[0].xMax, "the date overprints the symbol");
            QVERIFY(std::abs(std::remainder(wideLine[1].xMin - left, stop)) < 0.01 * stop);
            // Tab distances are in the printer's own units: on paper they do not depend on its resolution.
            for (qsizetype i = 0; i < at300.size(); ++i) {
                QVERIFY2(all.value(i).text == at300[i].text && std::abs(all.value(i).xMin - at300[i].xMin) < 0.5,
                         qPrintable(QStringLiteral("%1 at %2 pt, at %3 pt at 300 dpi")
                                        .arg(at300[i].text).arg(all.value(i).xMin).arg(at300[i].xMin)));
            }
            at300 = all;
        }
    }

    // A 404 by 312 chart is 6060 by 4680 twips on screen and must be as large on
    // paper, from the corner of the printable area, the right way up.
    void chartKeepsItsScreenSize()
    {
        QPixmap chart(404, 312);
        chart.fill(Qt::darkBlue);
        QPainter(&chart).fillRect(0, 0, 40, 40, Qt::red);
        reportfixture::Folder folder;
        for (int resolution : {300, 1200}) {
            const QString pdf = folder.filePath(QStringLiteral("chart-%1.pdf").arg(resolution));
            const auto printer = pdfPrinter(pdf, resolution);
            printChart(*printer, chart);
            constexpr int Dpi = 200;
            runTool(QStringLiteral("pdftoppm"), {"-png", "-singlefile", "-r", QString::number(Dpi), pdf, pdf});
            const QImage page(pdf + QStringLiteral(".png"));
            QRect printed;
            for (int y = 0; y < page.height(); ++y) {
                for (int x = 0; x < page.width(); ++x) {
                    if (qGray(page.pixel(x, y)) < 200)
                        printed |= QRect(x, y, 1, 1);
                }
            }
            const QRectF expected(printer->pageLayout().paintRect(QPageLayout::Inch).topLeft() * Dpi,
                                  QSizeF(6060.0 / 1440, 4680.0 / 1440) * Dpi);
            const auto near = [](double a, double b) { return std::abs(a - b) <= 2; };
            QVERIFY2(near(printed.left(), expected.left()) && near(printed.top(), expected.top())
                         && near(printed.width(), expected.width()) && near(printed.height(), expected.height()),
                     qPrintable(QStringLiteral("%1 dpi: printed at %2,%3, %4x%5 pixels at %6 dpi").arg(resolution)
                                    .arg(printed.left()).arg(printed.top()).arg(printed.width()).arg(printed.height())
                                    .arg(Dpi)));
            QCOMPARE(QColor(page.pixel(printed.topLeft() + QPoint(5, 5))).hue(), QColor(Qt::red).hue());
            QCOMPARE(QColor(page.pixel(printed.bottomRight() - QPoint(5, 5))).hue(), QColor(Qt::darkBlue).hue());
        }
    }
};

QTEST_MAIN(TestReportPrint)
#include "tst_reportprint.moc"
