#include "CalculatorFixture.h"

// Calculate: the order of its checks and messages, the chart it leaves for
// each direction and wave basis, and what the user then does on that chart.
class TestCalculateCommand : public QObject
{
    Q_OBJECT
    std::optional<CalculatorFixture> f;

    bool allShown(const QStringList &names, bool shown) const
    {
        return std::all_of(names.begin(), names.end(), [&](const QString &name) { return f->shown(name) == shown; });
    }

private slots:
    void init() { QVERIFY(f.emplace().ready()); }
    void cleanup() { f.reset(); }

    void checkOrder_data()
    {
        QTest::addColumn<bool>("bull");
        QTest::addColumn<QString>("prices");  // start|end
        QTest::addColumn<QString>("message"); // title|text; empty: none
        QTest::addColumn<QString>("startLabel");
        const QString startFraction = "Not a Fraction|Error: Wave Start does not contain a proper fraction.";
        QTest::newRow("empty end") << true << "10|" << "" << "";
        QTest::newRow("start not a number")
            << true << "ab c|20" << "Not a number|Error: Wave Start is not a valid number." << "";
        QTest::newRow("end read before start fraction tested")
            << true << "12 3/0|ab c" << "Not a number|Error: Wave End is not a valid number." << "";
        QTest::newRow("start unreadable fraction") << true << "12 3/0|1/0" << startFraction << "";
        QTest::newRow("end unreadable fraction")
            << true << "10|12 /8" << "Not a Fraction|Error: Wave End does not contain a proper fraction." << "";
        QTest::newRow("start equals the error value") << true << "10000000000|2e10" << startFraction << "";
        QTest::newRow("bull, equal prices") << true << "20|20"
            << "Ondara|In a Bull market, the wave start point must be less than the wave end point." << "";
        QTest::newRow("bear, rising prices") << false << "10|20"
            << "Ondara|In a Bear market, the wave start point must be greater than the wave end point." << "";
        QTest::newRow("levels beyond the chart") << true << "1e14|5e14"
            << "Not a number|Error: The levels of these prices are too large to show." << "";
        // Enter before the field is left: the fraction was never turned into a price.
        QTest::newRow("fraction still in the field") << true << "12 3/8|20" << "" << "12.38";
    }
    void checkOrder()
    {
        QFETCH(bool, bull);
        QFETCH(QString, prices);
        QFETCH(QString, message);
        f->chooseMarket(bull);
        f->end()->setFocus(); // Enter there runs Calculate on the texts exactly as they stand
        f->start()->setText(prices.section(u'|', 0, 0));
        f->end()->setText(prices.section(u'|', 1));
        QCOMPARE(f->prices(), prices);
        MessageBoxWatcher messages;
        QTest::keyClick(f->end(), Qt::Key_Return);
        QCOMPARE(messages.count(), message.isEmpty() ? 0 : 1);
        QCOMPARE(messages.count() ? messages.last().title + u'|' + messages.last().text : QString(), message);
        const bool direction = message.startsWith(u"Ondara|");
        if (messages.count())
            QCOMPARE(messages.last().icon, direction ? QMessageBox::Information : QMessageBox::Warning);
        if (direction)
            QCOMPARE(f->focus(), f->start());
        const QString startLabel = bull ? "lblStartUp" : "lblStartDn";
        QTEST(f->text(startLabel), "startLabel");
        QCOMPARE(f->shown(startLabel), !f->text(startLabel).isEmpty());
    }

    void results_data()
    {
        QTest::addColumn<bool>("bull");
        QTest::addColumn<bool>("wave1");
        QTest::addColumn<QPoint>("wave3Position");
        QTest::addColumn<QString>("wave3Tip");
        QTest::addColumn<QStringList>("labels"); // label=text, shown; -label=text, hidden
        QTest::newRow("bull, wave 1") << true << true << QPoint(59, 119) << "Wave 3 low point"
            << QStringList{"lblStartUp=10.00", "lblEnd1Up=20.00", "lblTgtWav3Up=27.50", "lblTgtWav5Up=37.50",
                           "picBearRetrace=", "-lblWav3High=26.18", "-lblWav3Ext=30.00", "-lblWav5Ext=46.18",
                           "-lblRetHigh=12.50", "-lblRetLow=16.20", "-lblStartDn="};
        QTest::newRow("bear, wave 1") << false << true << QPoint(59, 175) << "Wave 3 low point"
            << QStringList{"lblStartDn=20.00", "lblEnd1Dn=10.00", "lblTgtWav3Dn=2.50", "lblTgtWav5Dn=.00",
                           "picBullRetrace=", "-lblWav3DnHigh=3.82", "-lblWav3DnExt=.00", "-lblRetDnTop=17.50",
                           "-lblRetDnLow=13.80", "-lblStartUp="};
        QTest::newRow("bull, wave 3") << true << false << QPoint(128, 83) << "Wave 3 end point"
            << QStringList{"lblStartUp=10.00", "lblWav3High=20.00", "lblTgtWav5Up=27.50", "-lblWav5High=26.18",
                           "-lblWav5Ext=36.18", "-lblEnd1Up=0", "-lblTgtWav3Up=0", "-lblRetLow=0", "-picBearRetrace="};
        QTest::newRow("bear, wave 3") << false << false << QPoint(129, 210) << "Wave 3 end point"
            << QStringList{"lblStartDn=20.00", "lblWav3DnHigh=10.00", "lblTgtWav5Dn=2.50", "-lblWav5DnHigh=3.82",
                           "-lblEnd1Dn=0", "-lblRetDnTop=0", "-picBullRetrace="};
    }
    void results()
    {
        QFETCH(bool, bull);
        QFETCH(bool, wave1);
        QFETCH(QStringList, labels);
        MessageBoxWatcher messages;
        f->chooseMarket(bull);
        if (wave1) // the other basis first, so the wave 3 point has to move
            f->click("cmdUseWave");
        f->calculate(bull, bull ? "10" : "20", bull ? "20" : "10");
        f->click("cmdUseWave");
        f->calculate(bull, bull ? "10" : "20", bull ? "20" : "10");
        QCOMPARE(messages.count(), 0);
        for (const QString &expected : labels) {
            const QString name = expected.section(u'=', 0, 0).remove(u'-');
            QCOMPARE(name + u'=' + f->text(name), expected.mid(expected.startsWith(u'-')));
            QVERIFY2(f->shown(name) != expected.startsWith(u'-'), qPrintable(name));
        }
        const QString wave3 = bull ? "lblWav3High" : "lblWav3DnHigh";
        QTEST(f->get(wave3)->pos(), "wave3Position");
        QTEST(f->get(wave3)->toolTip(), "wave3Tip");
    }

    void fractionRoundTrip()
    {
        f->calculate(true, "10", "20");
        f->click("cmdDecFrac");
        QCOMPARE(f->get<QGroupBox>("fraDecFracs")->title(), "Fractions");
        QCOMPARE(f->button("cmdDecFrac")->toolTip(), "Display Decimals");
        QCOMPARE(f->text("lblTgtWav3Up") + u'|' + f->text("lblWav3High"), "27 1/2|26 3/16"); // hidden ones too
        f->click("cmdDecFrac"); // back from the stored numbers, in the general form
        QCOMPARE(f->get<QGroupBox>("fraDecFracs")->title(), "Decimals");
        QCOMPARE(f->text("lblTgtWav3Up") + u'|' + f->text("lblRetLow"), "27.5|16.2");
        f->click("cmdDecFrac");
        f->calculate(true, "12.5", "20"); // in fractions at once
        QCOMPARE(f->text("lblStartUp") + u'|' + f->text("lblTgtWav3Up"), "12 1/2|25 5/8");
    }

    void togglesSurviveRecalculation()
    {
        const QStringList bullRetracements{"lblRetLow", "lblRetMid", "lblRetTop", "lblRetHigh"};
        f->calculate(true, "10", "20");
        f->click("picBearRetrace");
        f->calculate(true, "12", "20");
        QVERIFY(allShown(bullRetracements, true));
        QCOMPARE(f->text("lblRetMid"), "16.00");
        f->click("picBearRetrace");
        f->calculate(true, "10", "20");
        QVERIFY(allShown(bullRetracements, false));
        // Bear details switched on survive a trip to Bull and back.
        f->calculate(false, "20", "10");
        f->click("picBullRetrace");
        f->click("lblTgtWav3Dn");
        f->calculate(true, "10", "20");
        QVERIFY(allShown({"lblWav3DnHigh", "lblRetDnTop", "picBullRetrace", "lblTgtWav3Dn"}, false));
        f->calculate(false, "20", "10");
        QVERIFY(allShown({"lblWav3DnHigh", "lblWav3DnExt", "lblRetDnLow", "lblRetDnTop"}, true));
        QVERIFY(allShown({"lblWav5DnHigh", "lblWav5DnExt"}, false));
    }

    // A target label lights white under the mouse and only there; a lit
    // retracement picture stays lit over the labels until the mouse crosses
    // the chart's background.
    void hover()
    {
        const auto retrace = [this] { return f->comparable(f->get<QLabel>("picBearRetrace")->pixmap().toImage()); };
        f->calculate(true, "10", "20");
        f->click("lblTgtWav3Up"); // shows the details to move over
        f->hover("lblTgtWav3Up");
        QCOMPARE(f->colour("lblTgtWav3Up"), QColor(Qt::white));
        f->hover("lblWav3High");
        QCOMPARE(f->colour("lblTgtWav3Up"), QColor(Qt::green));
        QCOMPARE(retrace(), f->pictureFile("retdnred.gif"));
        f->hover("picBearRetrace");
        f->hover("lblTgtWav5Up");
        QCOMPARE(retrace(), f->pictureFile("retdnwhite.gif"));
        QCOMPARE(f->colour("lblTgtWav5Up"), QColor(Qt::white));
        f->hover("Picture1");
        QCOMPARE(retrace(), f->pictureFile("retdnred.gif"));
        QCOMPARE(f->colour("lblTgtWav5Up"), QColor(Qt::green));
    }
};

QTEST_MAIN(TestCalculateCommand)
#include "tst_calculatecommand.moc"
