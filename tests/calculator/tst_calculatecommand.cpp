#include "CalculatorFixture.h"

// A chart label as a calculation leaves it.
struct Label
{
    const char *name;
    const char *text;
    bool shown;
};

// What the user does to a window that shows a calculation.
using Step = void (*)(CalculatorFixture &);

// Calculate: the order of its checks and messages, the chart it leaves for
// each direction and wave basis, and what the user then does on that chart.
class TestCalculateCommand : public QObject
{
    Q_OBJECT
    std::optional<CalculatorFixture> f;

    QList<QLabel *> shownLabels() const
    {
        QList<QLabel *> shown;
        for (QLabel *label : f->get("Picture1")->findChildren<QLabel *>()) {
            if (label->isVisibleTo(f->window.get()))
                shown.append(label);
        }
        return shown;
    }

private slots:
    void init() { QVERIFY(f.emplace().ready()); }
    void cleanup()
    {
        f.reset();
        QLocale::setDefault(QLocale::system());
    }

    // The price typed is the price used, whatever its notation and decimals;
    // what the locale's rule cannot read as one number is refused.
    void exactPrices_data()
    {
        QTest::addColumn<bool>("decimalComma");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("startShown"); // empty: refused with a message
        QTest::addColumn<QString>("endShown");
        QTest::addColumn<QString>("wave5Ext");
        QTest::addColumn<QString>("wave5ExtFraction");
        QTest::newRow("fraction") << false << "10" << "12 3/8" << "10.00" << "12.38" << "18.59" << "18 19/32";
        QTest::newRow("four decimals") << false << "1.085" << "1.0920" << "1.0850" << "1.0920" << "1.1103"
                                       << "1 7/64";
        QTest::newRow("six at most") << false << "0.1234567" << "0.2" << "0.123457" << "0.200000" << ".400390"
                                     << "13/32";
        QTest::newRow("grouped thousands") << false << "1,234.5" << "2000" << "1234.50" << "2000.00" << "4004.08"
                                           << "4004 5/64";
        QTest::newRow("decimal comma") << true << "12,5" << "20" << "12.50" << "20.00" << "39.64" << "39 41/64";
        // Refused: the focus stays in the start field, so the end field is never left.
        QTest::newRow("comma without a decimal comma") << false << "12,5" << "20" << "" << "20" << "" << "";
        QTest::newRow("comma in a fraction") << true << "12 3,5/8" << "20" << "" << "20" << "" << "";
    }
    void exactPrices()
    {
        QFETCH(bool, decimalComma);
        QFETCH(QString, startShown);
        QLocale::setDefault(decimalComma ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c());
        f->chooseMarket(true);
        QFETCH(QString, start);
        QFETCH(QString, end);
        f->typePrices(start, end);
        QTest::keyClick(f->end(), Qt::Key_Tab);
        QCOMPARE(f->messages.count(), startShown.isEmpty() ? 1 : 0);
        QCOMPARE(f->start()->text(), startShown);
        QTEST(f->end()->text(), "endShown");
        if (startShown.isEmpty())
            return;
        f->click("cmdCalc");
        QTEST(f->text("lblWav5Ext"), "wave5Ext");
        f->click("cmdDecFrac");
        QTEST(f->text("lblWav5Ext"), "wave5ExtFraction");
        QCOMPARE(f->text("lblStartUp"), ondara::Num2Frac(f->window->waveState().dblWaveStart).c_str());
    }

    // Whatever the prices, no two shown labels meet and every one stays on the chart.
    void labelsNeverOverlap_data()
    {
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        QTest::newRow("cents") << "0.01" << "0.02";
        QTest::newRow("five orders") << "1" << "100000";
        QTest::newRow("wide prices") << "12345.67" << "23456.78";
        QTest::newRow("six decimals") << "0.000001" << "999999.999999";
        QTest::newRow("one to 999999") << "1" << "999999";
    }
    void labelsNeverOverlap()
    {
        QFETCH(QString, low);
        QFETCH(QString, high);
        for (bool bull : {true, false}) { // every detail and retracement switched on
            f->calculate(bull);
            for (const char *toggle : {"picBearRetrace", "lblTgtWav3Up", "lblTgtWav5Up"})
                f->click(bull ? toggle : QString(toggle).replace("Bear", "Bull").replace("Up", "Dn"));
        }
        for (bool wave1 : {true, false}) {
            if (!wave1)
                f->click("cmdUseWave");
            for (bool bull : {true, false}) {
                f->calculate(bull, bull ? low : high, bull ? high : low);
                const QList<QLabel *> shown = shownLabels();
                QCOMPARE(shown.size(), wave1 ? 14 : 6);
                for (QLabel *label : shown) {
                    QVERIFY2(f->get("Picture1")->rect().contains(label->geometry()), qPrintable(label->objectName()));
                    for (QLabel *other : shown)
                        QVERIFY2(label == other || !label->geometry().intersects(other->geometry()),
                                 qPrintable(label->objectName() + u' ' + other->objectName()));
                }
            }
        }
    }

    // Levels that no longer belong to the prices in the fields say so, and
    // still answer the mouse.
    void staleResults_data()
    {
        QTest::addColumn<Step>("change");
        QTest::addColumn<int>("messages");
        QTest::addColumn<bool>("stale");
        QTest::newRow("end edited") << Step([](CalculatorFixture &f) { f.typePrices("10", "21"); }) << 0 << true;
        QTest::newRow("same price retyped") << Step([](CalculatorFixture &f) { f.typePrices("10", "20.0"); }) << 0
                                            << false;
        QTest::newRow("start emptied") << Step([](CalculatorFixture &f) { f.start()->clear(); }) << 0 << true;
        QTest::newRow("basis switched") << Step([](CalculatorFixture &f) { f.click("cmdUseWave"); }) << 0 << true;
        QTest::newRow("same direction again") << Step([](CalculatorFixture &f) { f.chooseMarket(true); }) << 0 << false;
        QTest::newRow("calculate refused")
            << Step([](CalculatorFixture &f) { f.typePrices("30", "20"); f.click("cmdCalc"); }) << 1 << true;
    }
    void staleResults()
    {
        QFETCH(Step, change);
        QFETCH(bool, stale);
        f->calculate(true);
        change(*f);
        QTEST(int(f->messages.count()), "messages");
        for (QLabel *label : f->get("Picture1")->findChildren<QLabel *>(QRegularExpression("^lbl(?!Computed)")))
            QVERIFY2(label->property("stale").toBool() == stale, qPrintable(label->objectName()));
        QCOMPARE(f->text("lblComputedFrom"), QString::fromUtf8("Bull · wave 1 · 10.00 → 20.00"));
        QVERIFY(f->shown("lblComputedFrom"));
        const QColor disabled = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
        QCOMPARE(f->colour("lblTgtWav3Up") == disabled, stale);
        f->click("lblTgtWav3Up");
        QVERIFY(f->shown("lblWav3High"));
    }

    void checkOrder_data()
    {
        QTest::addColumn<bool>("bull");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("title"); // of the message; empty: none
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("startLabel");
        const QString notNumber = "Not a number", notFraction = "Not a Fraction";
        const QString startFraction = "Error: Wave Start does not contain a proper fraction.";
        QTest::newRow("empty end") << true << "10" << "" << "" << "" << "";
        QTest::newRow("start not a number")
            << true << "ab c" << "20" << notNumber << "Error: Wave Start is not a valid number." << "";
        QTest::newRow("end read before start fraction tested")
            << true << "12 3/0" << "ab c" << notNumber << "Error: Wave End is not a valid number." << "";
        QTest::newRow("start unreadable fraction") << true << "12 3/0" << "1/0" << notFraction << startFraction << "";
        QTest::newRow("end unreadable fraction")
            << true << "10" << "12 /8" << notFraction << "Error: Wave End does not contain a proper fraction." << "";
        QTest::newRow("start equals the error value") << true << "10000000000" << "2e10" << notFraction << startFraction
                                                      << "";
        QTest::newRow("bull, equal prices") << true << "20" << "20" << "Ondara"
            << "In a Bull market, the wave start point must be less than the wave end point." << "";
        QTest::newRow("bear, rising prices") << false << "10" << "20" << "Ondara"
            << "In a Bear market, the wave start point must be greater than the wave end point." << "";
        QTest::newRow("levels beyond the chart") << true << "1e14" << "5e14" << notNumber
            << "Error: The levels of these prices are too large to show." << "";
        // Enter before the field is left: the fraction was never turned into a price.
        QTest::newRow("fraction still in the field") << true << "12 3/8" << "20" << "" << "" << "12.38";
    }
    void checkOrder()
    {
        QFETCH(bool, bull);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, title);
        f->chooseMarket(bull);
        f->end()->setFocus(); // Enter there runs Calculate on the texts exactly as they stand
        f->start()->setText(start);
        f->end()->setText(end);
        QCOMPARE(f->start()->text() + f->end()->text(), start + end);
        QWidget box; // an open message takes the activation from the window, which gets it back afterwards
        f->messages.whileShown = [&] { box.show(); box.activateWindow(); QTRY_VERIFY(box.isActiveWindow()); };
        QTest::keyClick(f->end(), Qt::Key_Return);
        f->window->activateWindow();
        QTRY_VERIFY(f->window->isActiveWindow());
        QCOMPARE(f->messages.count(), title.isEmpty() ? 0 : 1);
        const bool direction = title == u"Ondara";
        if (f->messages.count()) {
            QCOMPARE(f->messages.last().title, title);
            QTEST(f->messages.last().text, "text");
            QCOMPARE(f->messages.last().icon, direction ? QMessageBox::Information : QMessageBox::Warning);
        }
        if (direction) { // back in the start field, its text selected so that typing replaces it
            QCOMPARE(f->focus(), f->start());
            QCOMPARE(f->start()->selectedText(), f->start()->text());
        }
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
        QTest::addColumn<QList<Label>>("labels");
        QTest::newRow("bull, wave 1") << true << true << QPoint(59, 119) << "Wave 3 low point" << QList<Label>{
            {"lblStartUp", "10.00", true}, {"lblEnd1Up", "20.00", true}, {"lblTgtWav3Up", "27.50", true},
            {"lblTgtWav5Up", "37.50", true}, {"picBearRetrace", "", true}, {"lblWav3High", "26.18", false},
            {"lblWav3Ext", "30.00", false}, {"lblWav5Ext", "46.18", false}, {"lblRetHigh", "12.50", false},
            {"lblRetLow", "16.20", false}, {"lblStartDn", "", false}};
        QTest::newRow("bear, wave 1") << false << true << QPoint(59, 175) << "Wave 3 low point" << QList<Label>{
            {"lblStartDn", "20.00", true}, {"lblEnd1Dn", "10.00", true}, {"lblTgtWav3Dn", "2.50", true},
            {"lblTgtWav5Dn", ".00", true}, {"picBullRetrace", "", true}, {"lblWav3DnHigh", "3.82", false},
            {"lblWav3DnExt", ".00", false}, {"lblRetDnTop", "17.50", false}, {"lblRetDnLow", "13.80", false},
            {"lblStartUp", "", false}};
        QTest::newRow("bull, wave 3") << true << false << QPoint(128, 83) << "Wave 3 end point" << QList<Label>{
            {"lblStartUp", "10.00", true}, {"lblWav3High", "20.00", true}, {"lblTgtWav5Up", "27.50", true},
            {"lblWav5High", "26.18", false}, {"lblWav5Ext", "36.18", false}, {"lblEnd1Up", "0", false},
            {"lblTgtWav3Up", "0", false}, {"lblRetLow", "0", false}, {"picBearRetrace", "", false}};
        QTest::newRow("bear, wave 3") << false << false << QPoint(129, 210) << "Wave 3 end point" << QList<Label>{
            {"lblStartDn", "20.00", true}, {"lblWav3DnHigh", "10.00", true}, {"lblTgtWav5Dn", "2.50", true},
            {"lblWav5DnHigh", "3.82", false}, {"lblEnd1Dn", "0", false}, {"lblRetDnTop", "0", false},
            {"picBullRetrace", "", false}};
    }
    void results()
    {
        QFETCH(bool, bull);
        QFETCH(bool, wave1);
        QFETCH(QList<Label>, labels);
        f->chooseMarket(bull);
        if (wave1) // the other basis first, so the wave 3 point has to move
            f->click("cmdUseWave");
        f->calculate(bull);
        f->click("cmdUseWave");
        f->calculate(bull);
        QCOMPARE(f->messages.count(), 0);
        for (const Label &label : labels) {
            QCOMPARE(f->text(label.name), label.text);
            QVERIFY2(f->shown(label.name) == label.shown, label.name);
        }
        const QString wave3 = bull ? "lblWav3High" : "lblWav3DnHigh";
        QTEST(f->get(wave3)->pos(), "wave3Position");
        QTEST(f->get(wave3)->toolTip(), "wave3Tip");
    }

    // The shown levels go to the clipboard as a trader pastes them: by Ctrl+C
    // outside the text fields, or one level from a label's menu.
    void copyLevels_data()
    {
        QTest::addColumn<bool>("bull");
        QTest::addColumn<bool>("wave1");
        QTest::addColumn<bool>("fractions");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("copied");
        QTest::newRow("bull, wave 1, decimals") << true << true << false << ""
            << "Bull · wave 1 · 10.00 → 20.00\nWave 3 target\t27.50\nWave 5 low point\t36.18\n"
               "Wave 5 target\t37.50\nWave 5 extension\t46.18\n";
        QTest::newRow("bear, wave 3, fractions, symbol typed") << false << false << true << " ibm "
            << "IBM · Bear · wave 3 · 20 → 10\nWave 3 end point\t10\nWave 5 low point\t3 13/16\n"
               "Wave 5 target\t2 1/2\nWave 5 extension\t\n";
    }
    void copyLevels()
    {
        QFETCH(bool, bull);
        QAction *copy = f->window->findChild<QAction *>("actCopyLevels");
        QVERIFY(!copy->isEnabled());
        QFETCH(bool, wave1);
        f->chooseMarket(bull);
        if (!wave1)
            f->click("cmdUseWave");
        QTRY_VERIFY(f->shown("TxtWavStart"));
        QFETCH(bool, fractions);
        if (fractions)
            f->click("cmdDecFrac");
        f->calculate(bull);
        f->click(bull ? "lblTgtWav5Up" : "lblTgtWav5Dn");
        QFETCH(QString, symbol);
        QTest::keyClicks(f->symbols()->lineEdit(), symbol);
        f->click("Picture1");
        QTest::keySequence(f->window.get(), QKeySequence::Copy);
        QTEST(QApplication::clipboard()->text(), "copied");
        QVERIFY(QApplication::clipboard()->mimeData()->html().contains(bull ? "<td>Wave 5 target</td><td>37.50</td>"
                                                                            : "<td>Wave 5 target</td><td>2 1/2</td>"));
        f->start()->setFocus(); // a field's own copy wins there
        f->start()->selectAll();
        QTest::keySequence(f->start(), QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), f->start()->text());
        const QString target = bull ? "lblTgtWav5Up" : "lblTgtWav5Dn";
        f->click(target, Qt::RightButton);
        auto *menu = f->window->findChild<QMenu *>("mnuLevel");
        QTRY_VERIFY(menu && menu->isVisible());
        menu->findChild<QAction *>("actCopyThisLevel")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), f->text(target));
    }

    void fractionRoundTrip()
    {
        f->calculate(true);
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

    // A target label lights white under the mouse and only there; a lit
    // retracement picture stays lit over the labels until the mouse crosses
    // the chart's background.
    void hover()
    {
        const auto retrace = [this] { return f->comparable(f->get<QLabel>("picBearRetrace")->pixmap().toImage()); };
        f->calculate(true);
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
