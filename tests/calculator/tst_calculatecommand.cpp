#include "CalculatorFixture.h"
#include "MessageBoxWatcher.h"

#include <QStandardPaths>

// Calculate: the order of its checks and messages, and the chart it leaves
// for each direction and wave basis.
class TestCalculateCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        f = std::make_unique<CalculatorFixture>();
        QVERIFY(f->ready());
    }
    void cleanup() { f.reset(); }

    void checkOrder_data()
    {
        QTest::addColumn<bool>("bull");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("title"); // empty: no message at all
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        const int warning = QMessageBox::Warning;
        const int information = QMessageBox::Information;
        const QString nan = QStringLiteral("Not a number");
        const QString frac = QStringLiteral("Not a Fraction");
        QTest::newRow("empty end") << true << "10" << "" << "" << "" << 0;
        QTest::newRow("start not a number") << true << "ab c" << "20" << nan
                                            << "Error: Wave Start is not a valid number." << warning;
        QTest::newRow("end not a number") << true << "10" << "ab c" << nan
                                          << "Error: Wave End is not a valid number." << warning;
        QTest::newRow("end read before start fraction tested")
            << true << "12 3/0" << "ab c" << nan << "Error: Wave End is not a valid number." << warning;
        QTest::newRow("start unreadable fraction")
            << true << "12 3/0" << "1/0" << frac << "Error: Wave Start does not contain a proper fraction."
            << warning;
        QTest::newRow("end unreadable fraction") << true << "10" << "12 /8" << frac
                                                 << "Error: Wave End does not contain a proper fraction."
                                                 << warning;
        QTest::newRow("start equals the error value")
            << true << "10000000000" << "2e10" << frac << "Error: Wave Start does not contain a proper fraction."
            << warning;
        QTest::newRow("bull, equal prices")
            << true << "20" << "20" << "Ondara"
            << "In a Bull market, the wave start point must be less than the wave end point." << information;
        QTest::newRow("bear, rising prices")
            << false << "10" << "20" << "Ondara"
            << "In a Bear market, the wave start point must be greater than the wave end point." << information;
        QTest::newRow("levels beyond the chart")
            << true << "1e14" << "5e14" << nan << "Error: The levels of these prices are too large to show."
            << warning;
        QTest::newRow("near the double range")
            << true << "1e307" << "1e308" << nan << "Error: The levels of these prices are too large to show."
            << warning;
    }
    void checkOrder()
    {
        QFETCH(bool, bull);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, title);
        f->chooseMarket(bull);
        // Enter in the end field runs Calculate on the texts exactly as they stand.
        f->end()->setFocus();
        f->start()->setText(start);
        f->end()->setText(end);
        QCOMPARE(f->start()->text(), start);
        QCOMPARE(f->end()->text(), end);

        MessageBoxWatcher messages;
        QTest::keyClick(f->end(), Qt::Key_Return);
        QCOMPARE(messages.count(), title.isEmpty() ? 0 : 1);
        if (!title.isEmpty()) {
            QCOMPARE(messages.last().title, title);
            QTEST(messages.last().text, "message");
            QTEST(int(messages.last().icon), "icon");
            QCOMPARE(messages.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        for (const char *name : {"lblStartUp", "lblStartDn", "lblTgtWav3Up", "lblTgtWav3Dn"})
            QVERIFY2(!f->shown(QLatin1String(name)) && f->text(QLatin1String(name)).isEmpty(), name);
        if (title == QLatin1String("Ondara"))
            QCOMPARE(f->focus(), f->start());
    }

    void results_data()
    {
        QTest::addColumn<bool>("bull");
        QTest::addColumn<bool>("wave1");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QStringList>("shown");  // label=text
        QTest::addColumn<QStringList>("hidden"); // label=text
        QTest::addColumn<QPoint>("wave3Position");
        QTest::addColumn<QString>("wave3Tip");
        QTest::addColumn<QColor>("wave3Colour");

        QTest::newRow("bull, wave 1")
            << true << true << "10" << "20"
            << QStringList{"lblStartUp=10.00", "lblEnd1Up=20.00", "lblTgtWav3Up=27.50", "lblTgtWav5Up=37.50",
                           "picBearRetrace="}
            << QStringList{"lblWav3High=26.18", "lblWav3Ext=30.00", "lblWav5High=36.18", "lblWav5Ext=46.18",
                           "lblRetHigh=12.50", "lblRetTop=13.82", "lblRetMid=15.00", "lblRetLow=16.20"}
            << QPoint(59, 119) << "Wave 3 low point" << QColor(Qt::green);
        QTest::newRow("bear, wave 1")
            << false << true << "20" << "10"
            << QStringList{"lblStartDn=20.00", "lblEnd1Dn=10.00", "lblTgtWav3Dn=2.50", "lblTgtWav5Dn=.00",
                           "picBullRetrace="}
            << QStringList{"lblWav3DnHigh=3.82", "lblWav3DnExt=.00", "lblWav5DnHigh=.00", "lblWav5DnExt=.00",
                           "lblRetDnTop=17.50", "lblRetDnHigh=16.18", "lblRetDnMid=15.00", "lblRetDnLow=13.80"}
            << QPoint(59, 175) << "Wave 3 low point" << QColor(Qt::red);
        QTest::newRow("bear, wave 1, below one")
            << false << true << "1.5" << "1" << QStringList{"lblStartDn=1.50", "lblTgtWav3Dn=.63"}
            << QStringList{"lblWav3DnHigh=.69", "lblRetDnLow=1.19"} << QPoint(59, 175) << "Wave 3 low point"
            << QColor(Qt::red);
        QTest::newRow("bull, wave 3")
            << true << false << "10" << "20"
            << QStringList{"lblStartUp=10.00", "lblWav3High=20.00", "lblTgtWav5Up=27.50"}
            << QStringList{"lblWav5High=26.18", "lblWav5Ext=36.18", "lblEnd1Up=0", "lblTgtWav3Up=0",
                           "lblWav3Ext=0", "lblRetLow=0", "lblRetMid=0", "lblRetTop=0", "lblRetHigh=0",
                           "picBearRetrace="}
            << QPoint(128, 83) << "Wave 3 end point" << QColor(Qt::yellow);
        QTest::newRow("bear, wave 3")
            << false << false << "20" << "10"
            << QStringList{"lblStartDn=20.00", "lblWav3DnHigh=10.00", "lblTgtWav5Dn=2.50"}
            << QStringList{"lblWav5DnHigh=3.82", "lblWav5DnExt=.00", "lblEnd1Dn=0", "lblRetDnTop=0",
                           "picBullRetrace="}
            << QPoint(129, 210) << "Wave 3 end point" << QColor(Qt::yellow);
    }
    void results()
    {
        QFETCH(bool, bull);
        QFETCH(bool, wave1);
        QFETCH(QString, start);
        QFETCH(QString, end);
        MessageBoxWatcher messages;
        // The other basis first, so the wave 3 point has to move.
        f->chooseMarket(bull);
        if (wave1)
            f->click(QStringLiteral("cmdUseWave"));
        f->calculate(bull, start, end);
        f->click(QStringLiteral("cmdUseWave"));
        f->calculate(bull, start, end);
        QCOMPARE(messages.count(), 0);

        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        for (const QString &expected : shown + hidden) {
            const QString name = expected.section(u'=', 0, 0);
            QCOMPARE(name + u'=' + f->text(name), expected);
            QVERIFY2(f->shown(name) == shown.contains(expected), qPrintable(name));
        }
        const QString wave3 = bull ? QStringLiteral("lblWav3High") : QStringLiteral("lblWav3DnHigh");
        QTEST(f->label(wave3)->pos(), "wave3Position");
        QTEST(f->label(wave3)->toolTip(), "wave3Tip");
        QTEST(f->colour(wave3), "wave3Colour");
        // The other direction's labels stay hidden.
        QVERIFY(!f->shown(bull ? QStringLiteral("lblStartDn") : QStringLiteral("lblStartUp")));
    }

    void fractionStillInFieldOnEnter()
    {
        f->chooseMarket(true);
        f->end()->setFocus();
        QTest::keyClicks(f->end(), QStringLiteral("20"));
        f->start()->setFocus();
        QTest::keyClicks(f->start(), QStringLiteral("12 3/8"));
        QTest::keyClick(f->start(), Qt::Key_Return);
        QCOMPARE(f->start()->text(), QStringLiteral("12 3/8"));
        QCOMPARE(f->text(QStringLiteral("lblStartUp")), QStringLiteral("12.38"));
        QCOMPARE(f->text(QStringLiteral("lblEnd1Up")), QStringLiteral("20.00"));
        QCOMPARE(f->text(QStringLiteral("lblRetMid")), QStringLiteral("16.19"));
    }

    void clickClearsWatchListSelection()
    {
        auto *symbols = f->get<QComboBox>(QStringLiteral("cboSymbols"));
        symbols->addItem(QStringLiteral("IBM"));
        symbols->setCurrentIndex(0);
        f->chooseMarket(true);
        f->typePrices(QStringLiteral("10"), QStringLiteral("20"));
        f->window->cmdCalc_Click(); // as the watch list runs it: the focus is elsewhere
        QCOMPARE(symbols->currentIndex(), 0);
        f->click(QStringLiteral("cmdCalc"));
        QCOMPARE(symbols->currentIndex(), -1);
        QCOMPARE(f->text(QStringLiteral("lblTgtWav3Up")), QStringLiteral("27.50"));
    }

private:
    std::unique_ptr<CalculatorFixture> f;
};

QTEST_MAIN(TestCalculateCommand)
#include "tst_calculatecommand.moc"
