#include "ReachedView.h"
#include "ScratchFolder.h"

#include <QChartView>
#include <QProcess>
#include <QTest>
#include <QXYSeries>

using namespace ondara;

namespace {

const QDate Day(2026, 3, 2);

// Where a day is on the chart's date axis: its noon.
qreal x(int daysAfter) { return qreal(QDateTime(Day.addDays(daysAfter), QTime(12, 0)).toMSecsSinceEpoch()); }
qint64 day(int daysAfter) { return Day.addDays(daysAfter).toJulianDay(); }

// Bull 10 to 20: both wave 3 levels reached, then the count broken.
const SavedCalculation Row{1, QStringLiteral("ibm"), Day, QTime(15, 4, 5), 10, 20, 27.5, 30, 37.5, 46.18};
const QList<PriceBar> Bars{{Day, 20, 21, 19, 20}, {Day.addDays(1), 27, 28, 20, 27}, {Day.addDays(2), 30, 30.5, 26, 30},
                           {Day.addDays(3), 12, 31, 9.5, 12}};
const ReachedResult Result{{{WaveLevel::W3Target, 27.5, day(1)}, {WaveLevel::W3Ext, 30, day(2)},
                            {WaveLevel::W5Target, 37.5, {}}, {WaveLevel::W5Ext, 46.18, {}}}, 1, 31, day(3)};

} // namespace

class tst_ReachedView : public QObject
{
    Q_OBJECT

private slots:
    void series_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<QPointF>>("points");
        QTest::newRow("closes") << "Close" << QList<QPointF>{{x(0), 20}, {x(1), 27}, {x(2), 30}, {x(3), 12}};
        QTest::newRow("start") << "Start 10.000" << QList<QPointF>{{x(0), 10}, {x(3), 10}};
        QTest::newRow("level reached") << "W3 ext 30.000 on 2026-03-04" << QList<QPointF>{{x(0), 30}, {x(3), 30}};
        QTest::newRow("level not reached") << "W5 ext 46.180" << QList<QPointF>{{x(0), 46.18}, {x(3), 46.18}};
        QTest::newRow("reached marks") << "Reached" << QList<QPointF>{{x(1), 27.5}, {x(2), 30}};
        QTest::newRow("invalid mark") << "Invalid 2026-03-05" << QList<QPointF>{{x(3), 10}};
    }

    // Each series by its name; prices in the caller's notation, here with three decimals.
    void series()
    {
        const ReachedView view(Row, Result, Bars, [](double price) { return QString::number(price, 'f', 3); });
        QFETCH(QString, name);
        QList<QPointF> points;
        for (QAbstractSeries *series : view.findChild<QChartView *>()->chart()->series()) {
            if (series->name() == name)
                points = qobject_cast<QXYSeries *>(series)->points();
        }
        QTEST(points, "points");
    }

    // A PNG of the pixels shown; a PDF whose levels read back as text.
    void saveChart()
    {
        testsupport::ScratchFolder folder;
        ReachedView view(Row, Result, Bars);
        view.show();
        view.saveChart(QStringLiteral("chart.png"));
        view.saveChart(QStringLiteral("chart.pdf"));
        QCOMPARE(QImage(QStringLiteral("chart.png")), view.chartPicture().toImage().convertToFormat(QImage::Format_ARGB32));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("chart.pdf"), QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished() && pdftotext.readAllStandardOutput().contains("W3 target 27.50 on 2026-03-03"));
    }
};

QTEST_MAIN(tst_ReachedView)
#include "tst_reachedview.moc"
