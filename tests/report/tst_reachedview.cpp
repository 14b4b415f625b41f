#include "ReachedView.h"

#include <QChartView>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXYSeries>

using namespace ondara;

namespace {

const QDate Day(2026, 3, 2);

// Where a day is on the chart's date axis: its noon.
qreal x(int daysAfter) { return qreal(QDateTime(Day.addDays(daysAfter), QTime(12, 0)).toMSecsSinceEpoch()); }

// Bull 10 to 20: both wave 3 levels reached, then the count broken.
const SavedCalculation Row{1, QStringLiteral("ibm"), Day, QTime(15, 4, 5), 10, 20, 27.5, 30, 37.5, 46.18};
const QList<PriceBar> Bars{{Day, 20, 21, 19, 20}, {Day.addDays(1), 27, 28, 20, 27}, {Day.addDays(2), 30, 30.5, 26, 30}, {Day.addDays(3), 12, 31, 9.5, 12}};
const ReachedResult Result{{{WaveLevel::W3Target, 27.5, Day.addDays(1).toJulianDay()}, {WaveLevel::W3Ext, 30, Day.addDays(2).toJulianDay()},
                            {WaveLevel::W5Target, 37.5, {}}, {WaveLevel::W5Ext, 46.18, {}}}, 1, 31, Day.addDays(3).toJulianDay()};

QList<QPointF> pointsOf(const ReachedView &view, const QString &name)
{
    const QList<QAbstractSeries *> all = view.findChild<QChartView *>()->chart()->series();
    const auto it = std::find_if(all.begin(), all.end(), [&](const QAbstractSeries *series) { return series->name() == name; });
    return it == all.end() ? QList<QPointF>() : qobject_cast<QXYSeries *>(*it)->points();
}

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

    // Prices in the caller's notation, here with three decimals.
    void series()
    {
        const ReachedView view(Row, Result, Bars, [](double price) { return QString::number(price, 'f', 3); });
        QFETCH(QString, name);
        QTEST(pointsOf(view, name), "points");
    }

    // A PNG of the pixels shown; a PDF whose levels read back as text.
    void saveChart()
    {
        QTemporaryDir dir;
        ReachedView view(Row, Result, Bars);
        view.show();
        view.saveChart(dir.filePath(QStringLiteral("chart.png")));
        view.saveChart(dir.filePath(QStringLiteral("chart.pdf")));
        QCOMPARE(QImage(dir.filePath(QStringLiteral("chart.png"))), view.chartPicture().toImage().convertToFormat(QImage::Format_ARGB32));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {dir.filePath(QStringLiteral("chart.pdf")), QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished() && pdftotext.readAllStandardOutput().contains("W3 target 27.50 on 2026-03-03"));
    }
};

QTEST_MAIN(tst_ReachedView)
#include "tst_reachedview.moc"
