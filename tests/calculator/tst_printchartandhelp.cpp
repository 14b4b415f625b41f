#include "CalculatorFixture.h"
#include "ChartView.h"
#include "ContextHelp.h"
#include "HelpViewer.h"
#include "MessageBoxWatcher.h"
#include "frmPrint.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

class TestPrintChartAndHelp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { ondara::setHelpObserver({}); }
    void printChart_data();
    void printChart();
    void helpTopics_data();
    void helpTopics();
};

void TestPrintChartAndHelp::printChart_data()
{
    QTest::addColumn<bool>("bull");
    QTest::addColumn<QString>("startText");
    QTest::addColumn<QString>("endText");
    QTest::addColumn<QString>("whiteChart");
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("ret38");
    QTest::addColumn<QColor>("ret38Colour");
    QTest::newRow("bull") << true << "10" << "20" << "wave5upwhite.gif" << "wave5up.gif" << "lblRetLow"
                          << QColor(255, 224, 192);
    QTest::newRow("bear") << false << "20" << "10" << "wave5downwhite.gif" << "wave5down.gif" << "lblRetDnLow"
                          << QColor(192, 255, 192);
}

void TestPrintChartAndHelp::printChart()
{
    QFETCH(bool, bull);
    QFETCH(QString, startText);
    QFETCH(QString, endText);
    QFETCH(QString, whiteChart);
    QFETCH(QString, chart);
    QFETCH(QString, ret38);
    QFETCH(QColor, ret38Colour);

    CalculatorFixture f;
    QVERIFY(f.ready());
    f.calculate(bull, startText, endText);
    f.click(bull ? QStringLiteral("picBearRetrace") : QStringLiteral("picBullRetrace"));
    const QString start = bull ? QStringLiteral("lblStartUp") : QStringLiteral("lblStartDn");
    const QString end = bull ? QStringLiteral("lblEnd1Up") : QStringLiteral("lblEnd1Dn");
    QVERIFY(f.shown(start) && f.shown(ret38));

    QImage captured;
    QString oldSql = QStringLiteral("unchanged");
    QTimer::singleShot(0, this, [&] {
        auto *report = qobject_cast<frmPrint *>(QApplication::activeModalWidget());
        if (!report)
            return;
        captured = report->picChart()->pixmap().toImage();
        oldSql = report->mstrOldSQL;
        report->close();
    });
    f.click(QStringLiteral("cmdAction_2"));

    QCOMPARE(captured.size(), QSize(404, 312));
    QVERIFY(oldSql.isEmpty());
    // Away from the labels the capture is the white chart itself; under a
    // label it carries the label's text.
    const QImage white = CalculatorFixture::comparable(CalculatorFixture::pictureFile(whiteChart));
    captured = CalculatorFixture::comparable(captured);
    QList<QRect> labels;
    for (QWidget *child : f.get(QStringLiteral("Picture1"))->findChildren<QWidget *>()) {
        if (child->isVisible())
            labels.append(child->geometry());
    }
    int differing = 0;
    for (int y = 0; y < captured.height(); ++y) {
        for (int x = 0; x < captured.width(); ++x) {
            const bool underLabel = std::any_of(labels.begin(), labels.end(),
                                                [&](const QRect &r) { return r.contains(x, y); });
            if (!underLabel && captured.pixel(x, y) != white.pixel(x, y))
                ++differing;
        }
    }
    QCOMPARE(differing, 0);
    const auto darkestUnder = [&](const QString &name) {
        const QRect r = f.get(name)->geometry();
        int darkest = 255;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                darkest = std::min(darkest, qGray(captured.pixel(x, y)));
        return darkest;
    };
    // The start, end and palest retracement labels print black on the white chart.
    QVERIFY(darkestUnder(start) < 60);
    QVERIFY(darkestUnder(end) < 60);
    QVERIFY(darkestUnder(ret38) < 60);

    // The window is back as it was on screen.
    const auto *view = f.get<ChartView>(QStringLiteral("Picture1"));
    QCOMPARE(CalculatorFixture::comparable(view->picture().toImage()), CalculatorFixture::pictureFile(chart));
    QCOMPARE(f.colour(start), QColor(Qt::yellow));
    QCOMPARE(f.colour(end), QColor(Qt::yellow));
    QCOMPARE(f.colour(ret38), ret38Colour);
}

void TestPrintChartAndHelp::helpTopics_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("topic");
    QTest::newRow("right Bull") << "right" << "cmdMarket_0" << 1;
    QTest::newRow("right Bear") << "right" << "cmdMarket_1" << 2;
    QTest::newRow("right Calculate does not calculate") << "right" << "cmdCalc" << 3;
    QTest::newRow("right display switch") << "right" << "cmdDecFrac" << 5;
    QTest::newRow("right use-wave") << "right" << "cmdUseWave" << 6;
    QTest::newRow("right Add Symbol") << "right" << "cmdAction_0" << 7;
    QTest::newRow("right Delete Symbol") << "right" << "cmdAction_1" << 8;
    QTest::newRow("right Print Chart") << "right" << "cmdAction_2" << 9;
    QTest::newRow("right chart") << "right" << "Picture1" << 10;
    QTest::newRow("right Help shows the About box first") << "right" << "cmdHelp" << 4;
    QTest::newRow("F1 on use-wave") << "F1" << "cmdUseWave" << 6;
    QTest::newRow("F1 in a price field has no topic") << "F1" << "TxtWavStart" << 0;
    QTest::newRow("left Help sends F1") << "left" << "cmdHelp" << 4;
    QTest::newRow("left Calculate shows no help") << "left" << "cmdCalc" << -1;
}

void TestPrintChartAndHelp::helpTopics()
{
    QFETCH(QString, how);
    QFETCH(QString, control);
    QFETCH(int, topic);

    CalculatorFixture f;
    QVERIFY(f.ready());
    f.chooseMarket(true);
    f.typePrices(QStringLiteral("10"), QStringLiteral("20"));
    f.get(QStringLiteral("cmdMarket_0"))->setFocus();

    QList<ondara::HelpRequest> requests;
    ondara::setHelpObserver([&](const ondara::HelpRequest &r) { requests.append(r); });
    MessageBoxWatcher boxes;
    QWidget *target = f.get(control);
    if (how == QLatin1String("F1")) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_F1);
    } else {
        QTest::mouseClick(f.window->windowHandle(), how == QLatin1String("right") ? Qt::RightButton : Qt::LeftButton,
                          {}, f.centreOf(control));
    }
    QCoreApplication::processEvents(); // the Help button's F1 is queued

    if (topic < 0) {
        QVERIFY(requests.isEmpty());
        return;
    }
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].caller, target);
    QCOMPARE(requests[0].pairs, &HelpIDs[0]);
    QCOMPARE(requests[0].topic, topic);
    QCOMPARE(f.focus(), target);
    QCOMPARE(boxes.count(), control == QLatin1String("cmdHelp") && how == QLatin1String("right") ? 1 : 0);
    if (boxes.count())
        QCOMPARE(boxes.last().title, QStringLiteral("Ondara"));
    // A right click never presses the button.
    QVERIFY(!f.shown(QStringLiteral("lblTgtWav3Up")));
}

QTEST_MAIN(TestPrintChartAndHelp)
#include "tst_printchartandhelp.moc"
