#include "ChartPicture.h"
#include "RecordSet.h"
#include "ReportFixture.h"
#include "SymbolReportPrinter.h"

#include <QFile>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <cmath>

using namespace ondara;
using reportfixture::Row;

namespace {

// A word of the printed page as pdftotext finds it, in points.
struct Word
{
    int page = 0;
    double xMin = 0;
    double xMax = 0;
    double yMin = 0;
    QString text;
};

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return QString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QString layoutText(const QString &pdf)
{
    return runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

QList<Word> words(const QString &pdf)
{
    const QString html = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="[0-9.]+">([^<]*)</word>)re"));
    QList<Word> found;
    int page = 0;
    for (const QRegularExpressionMatch &m : tag.globalMatch(html)) {
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        QString text = m.captured(4);
        text.replace(QLatin1String("&amp;"), QLatin1String("&")).replace(QLatin1String("&#39;"), QLatin1String("'"));
        found += Word{page, m.captured(1).toDouble(), m.captured(3).toDouble(), m.captured(2).toDouble(), text};
    }
    return found;
}

// The words of the printed line whose first word is first, in reading order.
QList<Word> lineStartingWith(const QList<Word> &all, const QString &first)
{
    for (const Word &start : all) {
        if (start.text != first)
            continue;
        QList<Word> line;
        for (const Word &w : all) {
            if (w.page == start.page && std::abs(w.yMin - start.yMin) < 1.0)
                line += w;
        }
        std::sort(line.begin(), line.end(), [](const Word &a, const Word &b) { return a.xMin < b.xMin; });
        if (line.first().text == first)
            return line;
    }
    return {};
}

std::unique_ptr<QPrinter> pdfPrinter(const QString &file, int resolution)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setResolution(resolution);
    return printer;
}

Row pricedRow(qint64 id, const QString &symbol, const QVariantList &prices)
{
    Row r{id, symbol, QDate(2001, 1, 15), QTime(15, 4, 5)};
    QVariant *fields[] = {&r.w1Start, &r.w1End, &r.w3Target, &r.w3Ext, &r.w5Target, &r.w5Ext};
    for (int i = 0; i < 6; ++i)
        *fields[i] = prices.value(i);
    return r;
}

} // namespace

class TestReportPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printsTableInQueryOrder_data();
    void printsTableInQueryOrder();
    void columnsMeetTabStops();
    void chartKeepsItsScreenSize_data();
    void chartKeepsItsScreenSize();
};

void TestReportPrint::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed to read the printed pages back");
}

void TestReportPrint::printsTableInQueryOrder_data()
{
    QTest::addColumn<int>("resolution");
    QTest::addColumn<int>("rows");
    QTest::newRow("300 dpi, one page") << 300 << 5;
    QTest::newRow("1200 dpi, several pages") << 1200 << 150;
}

void TestReportPrint::printsTableInQueryOrder()
{
    QFETCH(int, resolution);
    QFETCH(int, rows);
    reportfixture::Folder folder;
    QList<Row> fixture;
    for (int i = 1; i <= rows; ++i) {
        // IDs run against the symbol order, so printing by ID would show.
        fixture += Row{i, QStringLiteral("S%1").arg(rows - i, 4, 10, QLatin1Char('0')), QDate(2001, 1, 15),
                       QTime(9, 30), 10.25 + i, 11.5, 12.0, 13.0, 14.0, 15.0};
    }
    fixture += Row{rows + 1, QStringLiteral("O'NEIL"), QVariant(), QTime(23, 59, 59), 1.5, QVariant(), 2.0, 3.0,
                   QVariant(), 4.0};
    folder.insert(fixture);
    const auto records = RecordSet::open(folder.db(), QStringLiteral("SELECT * FROM tblSymbols ORDER BY Symbol;"));

    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    const auto printer = pdfPrinter(pdf, resolution);
    printSymbolReport(*printer, *records);
    QVERIFY(records->eof());
    QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);

    const QString text = layoutText(pdf);
    QVERIFY(!text.isEmpty());
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = line.remove(QLatin1Char('\f')).simplified();
    lines.removeAll(QString());

    QCOMPARE(lines.count(QStringLiteral("Saved Symbols")), 1);
    QCOMPARE(lines.value(0), QStringLiteral("Saved Symbols"));
    QCOMPARE(lines.value(1), QStringLiteral("Symbol Date Time W1 Start W1 End W3 End/Tgt W3 Ext W5 Target W5 Ext"));
    QCOMPARE(lines.count(lines.value(1)), 1);
    QCOMPARE(lines.size(), 2 + rows + 1);
    QCOMPARE(lines.value(2), QStringLiteral("O'NEIL 11:59:59 PM 1.5 2 3 4"));
    for (int i = 0; i < rows; ++i) {
        const int id = rows - i;
        QCOMPARE(lines.value(3 + i), QStringLiteral("S%1 1/15/2001 9:30:00 AM %2 11.5 12 13 14 15")
                                         .arg(i, 4, 10, QLatin1Char('0'))
                                         .arg(10.25 + id));
    }
    const int pages = int(text.count(QLatin1Char('\f')));
    QCOMPARE(pages > 1, rows > 100);
}

// Every column starts on a tab stop eight characters apart, the same on paper
// at any resolution; a price of seven characters and one of eight put the next
// column on the same stop; a text wider than its columns is never overprinted.
void TestReportPrint::columnsMeetTabStops()
{
    reportfixture::Folder folder;
    const QString wide = QStringLiteral("WWWWWWWWWWWWWWW");
    folder.insert({
        pricedRow(1, "IBM", {1234.56, 12345.67, 0.5, 12345678.25, QVariant(), 9.0}),
        pricedRow(2, "MSFT", {12345.67, 1234.56, 12345.67, 1.0, 1234567.5, 123456.78}),
        pricedRow(3, wide, {1.0, 2.0, 3.0, 4.0, 5.0, 6.0}),
    });
    const auto records = RecordSet::open(folder.db(), QStringLiteral("SELECT * FROM tblSymbols ORDER BY ID;"));

    QMap<int, QList<Word>> printed;
    for (int resolution : {300, 1200}) {
        const QString pdf = folder.filePath(QStringLiteral("report-%1.pdf").arg(resolution));
        printSymbolReport(*pdfPrinter(pdf, resolution), *records);
        printed[resolution] = words(pdf);
    }

    const QList<Word> &all = printed[300];
    const QList<Word> heading = lineStartingWith(all, QStringLiteral("Symbol"));
    const QList<Word> dateHeading = lineStartingWith(all, QStringLiteral("Symbol")).mid(1, 1);
    QVERIFY(!heading.isEmpty() && !dateHeading.isEmpty());
    const double left = heading.first().xMin;
    const double stop = (dateHeading.first().xMin - left) / 2; // "Date" follows two tabs
    QVERIFY2(stop > 20 && stop < 80, qPrintable(QString::number(stop))); // eight 10-point characters

    // Words that begin a column, each named with the stop it stands on.
    const auto stopsOf = [&](const QString &first, const QStringList &columnStarts) {
        QStringList found;
        for (const Word &w : lineStartingWith(all, first)) {
            if (!columnStarts.contains(w.text))
                continue;
            const double stops = (w.xMin - left) / stop;
            if (std::abs(stops - std::round(stops)) > 0.01)
                found += QStringLiteral("%1 between stops at %2").arg(w.text).arg(stops);
            else
                found += QStringLiteral("%1@%2").arg(w.text).arg(std::lround(stops));
        }
        return found.join(QLatin1Char(' '));
    };
    QCOMPARE(stopsOf(QStringLiteral("Symbol"), {"Symbol", "Date", "Time", "W1", "W3", "W5"}),
             QStringLiteral("Symbol@0 Date@2 Time@4 W1@6 W1@8 W3@10 W3@12 W5@14 W5@16"));
    QCOMPARE(stopsOf(QStringLiteral("IBM"), {"IBM", "1/15/2001", "3:04:05", "1234.56", "12345.67", "0.5",
                                             "12345678.25", "9"}),
             QStringLiteral("IBM@0 1/15/2001@2 3:04:05@4 1234.56@6 12345.67@8 0.5@10 12345678.25@12 9@16"));
    QCOMPARE(stopsOf(QStringLiteral("MSFT"), {"MSFT", "1/15/2001", "3:04:05", "12345.67", "1234.56", "1",
                                              "1234567.5", "123456.78"}),
             QStringLiteral("MSFT@0 1/15/2001@2 3:04:05@4 12345.67@6 1234.56@8 12345.67@10 1@12 1234567.5@14 "
                            "123456.78@16"));

    const QList<Word> wideLine = lineStartingWith(all, wide);
    QVERIFY(wideLine.size() > 1);
    QVERIFY2(wideLine[1].xMin >= wideLine[0].xMax, "the date is printed over the symbol");
    QVERIFY(std::abs(std::remainder(wideLine[1].xMin - left, stop)) < 0.01 * stop);

    // Tab distances are the printer's own units: on paper they do not depend on its resolution.
    const QList<Word> &fine = printed[1200];
    QCOMPARE(fine.size(), all.size());
    for (qsizetype i = 0; i < all.size(); ++i) {
        QCOMPARE(fine[i].text, all[i].text);
        QVERIFY2(std::abs(fine[i].xMin - all[i].xMin) < 0.5,
                 qPrintable(QStringLiteral("%1: %2 at 1200 dpi, %3 at 300 dpi")
                                .arg(all[i].text).arg(fine[i].xMin).arg(all[i].xMin)));
    }
}

void TestReportPrint::chartKeepsItsScreenSize_data()
{
    QTest::addColumn<int>("resolution");
    QTest::newRow("300 dpi") << 300;
    QTest::newRow("1200 dpi") << 1200;
}

// A 404 by 312 chart is 6060 by 4680 twips on screen and must be as large on
// paper, from the corner of the printable area, the right way up.
void TestReportPrint::chartKeepsItsScreenSize()
{
    QFETCH(int, resolution);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm (poppler-utils) is needed to see the printed page");
    QPixmap chart(404, 312);
    chart.fill(Qt::darkBlue);
    QPainter(&chart).fillRect(0, 0, 40, 40, Qt::red);

    reportfixture::Folder folder;
    const QString pdf = folder.filePath(QStringLiteral("chart.pdf"));
    const auto printer = pdfPrinter(pdf, resolution);
    printChart(*printer, chart);

    constexpr int Dpi = 200;
    const QString png = folder.filePath(QStringLiteral("chart"));
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                         QStringLiteral("-r"), QString::number(Dpi), pdf, png});
    const QImage page(png + QStringLiteral(".png"));
    QVERIFY(!page.isNull());
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
             qPrintable(QStringLiteral("printed at %1,%2 size %3x%4 px at %5 dpi")
                            .arg(printed.left()).arg(printed.top()).arg(printed.width()).arg(printed.height())
                            .arg(Dpi)));
    QCOMPARE(QColor(page.pixel(printed.topLeft() + QPoint(5, 5))).hue(), QColor(Qt::red).hue());
    QCOMPARE(QColor(page.pixel(printed.bottomRight() - QPoint(5, 5))).hue(), QColor(Qt::darkBlue).hue());
    // One picture, kept exactly: no lossy (JPEG) encoding of its lines and figures.
    const QStringList images = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    QCOMPARE(images.size(), 1);
    QCOMPARE(images[0].simplified().section(QLatin1Char(' '), 3, 4), QStringLiteral("404 312"));
    QVERIFY2(!images[0].contains(QLatin1String("jpeg")), qPrintable(images[0]));
}

QTEST_MAIN(TestReportPrint)
#include "tst_reportprint.moc"
