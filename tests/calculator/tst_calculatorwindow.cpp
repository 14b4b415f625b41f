#include "CalculatorFixture.h"
#include "PriceNotation.h"

#include <QAccessible>

// The window's controls once a market is chosen: the price fields (typing,
// leaving, entry, hostile input), a direction change, the pictures, Enter
// and closing.
class TestCalculatorWindow : public QObject
{
    Q_OBJECT
    std::optional<CalculatorFixture> f;

private slots:
    void init()
    {
        QVERIFY(f.emplace().ready());
        f->chooseMarket(true);
    }
    void cleanup() { f.reset(); }

    void typingAndLeaving_data()
    {
        QTest::addColumn<QString>("typed"); // "a|b": b, then a in front of it
        QTest::addColumn<QString>("kept");  // while typing
        QTest::addColumn<QString>("tidied"); // after Tab; empty: refused
        QTest::newRow("minus in front") << "-|12" << "12" << "12.00";
        QTest::newRow("letter") << "12a" << "12" << "12.00";
        QTest::newRow("mixed fraction") << "12 3/8" << "12 3/8" << "12.38";
        QTest::newRow("below one") << "0.5" << "0.5" << "0.50";
        QTest::newRow("letter after a blank") << "12 a" << "12 a" << "";
    }
    void typingAndLeaving()
    {
        QFETCH(QString, typed);
        MessageBoxWatcher messages;
        QTest::keyClicks(f->start(), typed.section(u'|', 1));
        f->start()->home(false);
        QTest::keyClicks(f->start(), typed.section(u'|', 0, 0));
        QTEST(f->start()->text(), "kept");
        QTest::keyClick(f->start(), Qt::Key_Tab);
        QTEST(f->start()->text(), "tidied");
        const bool refused = f->start()->text().isEmpty();
        QCOMPARE(messages.count(), refused ? 1 : 0);
        if (refused)
            QCOMPARE(messages.last().title + u'|' + messages.last().text, "Ondara|Please type numbers only.");
        QCOMPARE(f->focus(), refused ? f->start() : f->end());
        // Clicked into again, the field selects its whole text despite the caret the click places.
        f->click("TxtWavEnd");
        f->click("TxtWavStart");
        QCOMPARE(f->start()->selectedText(), f->start()->text());
    }

    // A press on Calculate while the start field holds a text it refuses: one
    // refusal, and the press neither clicks nor leaves the button down.
    void refusedTextStopsThePress()
    {
        QPushButton *calc = f->button("cmdCalc");
        QTest::keyClicks(f->end(), "20");
        QTest::keyClicks(f->start(), "12 x");
        QSignalSpy clicks(calc, &QPushButton::clicked);
        MessageBoxWatcher messages;
        QTest::mousePress(f->window->windowHandle(), Qt::LeftButton, {}, f->centreOf("cmdCalc"));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, "Please type numbers only.");
        QVERIFY(!calc->isDown());
        QCOMPARE(f->focus(), f->start());
        QVERIFY(f->ready());
        QTest::mouseRelease(f->window->windowHandle(), Qt::LeftButton, {}, f->centreOf("cmdCalc"));
        QCOMPARE(clicks.count(), 0);
        // Nothing is left stuck: the next click calculates.
        QTest::keyClicks(f->start(), "10");
        f->click("cmdCalc");
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(f->text("lblTgtWav3Up"), "27.50");
        QCOMPARE(messages.count(), 1);
    }

    void hostileInput_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("megabyte of digits") << QString(1 << 20, u'7');
        QTest::newRow("megabyte after a slash") << QStringLiteral("1/") + QString(1 << 20, u'2');
        QTest::newRow("control characters") << QStringLiteral("1\t2\r\n\x01\x7f 3");
        QTest::newRow("largest double") << QStringLiteral("1e308");
        QTest::newRow("beyond the double range") << QStringLiteral("1e999");
        QTest::newRow("inf and nan") << QStringLiteral("inf nan/nan");
        QTest::newRow("arabic-indic digits") << QString::fromUtf8("١٢");
        QTest::newRow("full-width digits") << QString::fromUtf8("１２");
        QTest::newRow("commas") << QStringLiteral("1,2,3");
        QTest::newRow("two points") << QStringLiteral("1.2.3");
        QTest::newRow("both marks") << QStringLiteral("1.234,5");
    }
    // Pasted text ends as an empty field or a number, with no infinity or NaN
    // on the chart, and the window still calculates.
    void hostileInput()
    {
        QFETCH(QString, pasted);
        MessageBoxWatcher messages;
        f->chooseMarket(false);
        QTest::keyClicks(f->end(), "1");
        f->start()->setFocus();
        f->start()->insert(pasted);
        f->click("cmdCalc");
        const QString left = f->start()->text();
        QVERIFY2(left.isEmpty() || ondara::isNumeric(left.toStdString()), qPrintable(left.left(40)));
        const QRegularExpression notFinite("inf|nan", QRegularExpression::CaseInsensitiveOption);
        for (QLabel *label : f->get("Picture1")->findChildren<QLabel *>())
            QVERIFY2(!notFinite.match(label->text()).hasMatch(), qPrintable(label->text()));
        f->calculate(false, "20", "10");
        QCOMPARE(f->text("lblTgtWav3Dn"), "2.50");
    }

    void marketClearsContradictingPrices_data()
    {
        QTest::addColumn<bool>("bull");
        QTest::addColumn<QString>("prices"); // start|end
        QTest::addColumn<QString>("kept");
        QTest::newRow("bull, falling") << true << "12.50|10.00" << "|";
        QTest::newRow("bear, rising") << false << "10.00|12.50" << "|";
        QTest::newRow("bull, equal") << true << "10.00|10.00" << "10.00|10.00";
        QTest::newRow("bull, compared as prices, not texts") << true << "9.50|10.25" << "9.50|10.25";
    }
    void marketClearsContradictingPrices()
    {
        QFETCH(bool, bull);
        QFETCH(QString, prices);
        f->chooseMarket(!bull);
        f->start()->setText(prices.section(u'|', 0, 0));
        f->end()->setText(prices.section(u'|', 1));
        f->chooseMarket(bull);
        QTEST(f->prices(), "kept");
    }

    // A picture in the working folder wins over the program's own; one that
    // cannot be read leaves the control's previous picture.
    void picturesFromCurrentFolderFirst()
    {
        QImage own(404, 312, QImage::Format_ARGB32);
        own.fill(Qt::magenta);
        QVERIFY(own.save("wave5up.gif", "PNG"));
        QFile broken("arrowup.gif");
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("GIF89a not really") > 0 && broken.flush());
        f->chooseMarket(false);
        f->chooseMarket(true);
        QCOMPARE(f->chart().pixelColor(10, 10), QColor(Qt::magenta));
        QVERIFY(f->showsPicture(f->button("cmdCalc"), "arrowdn.gif"));
        f->calculate(true, "10", "20");
        QCOMPARE(f->text("lblTgtWav3Up"), "27.50");
    }

    // Enter presses the default button: Calculate, but never in the watch-list
    // box, where typing a symbol makes Add Symbol the default until it is left.
    void enterPressesDefaultButton()
    {
        MessageBoxWatcher messages;
        QSignalSpy calculations(f->button("cmdCalc"), &QPushButton::clicked);
        f->typePrices("10", "20");
        QTest::keyClick(f->end(), Qt::Key_Return);
        QCOMPARE(f->text("lblTgtWav3Up"), "27.50");
        f->symbols()->setFocus();
        QTest::keyClick(f->symbols(), Qt::Key_Return);
        QCOMPARE(calculations.count(), 1);
        QTest::keyClicks(f->symbols()->lineEdit(), "ibm");
        f->symbols()->showPopup(); // the box's own list taking the focus is no leaving
        f->symbols()->hidePopup();
        QTest::keyClick(f->symbols(), Qt::Key_Return);
        QCOMPARE(f->symbols()->count(), 1);
        f->start()->setFocus();
        QCOMPARE(f->window->defaultButton(), f->button("cmdCalc"));
        QCOMPARE(calculations.count(), 1);
        QCOMPARE(messages.count(), 0);
    }

    // Everything a mouse does can be done from the keyboard: a bull
    // calculation with every level on, saved and deleted again.
    void keyboardOnly()
    {
        f.emplace(); // before any market choice
        QVERIFY(f->ready());
        f->window->LoadStore();
        QWidget *window = f->window.get();
        QTest::keySequence(window, QKeySequence(Qt::CTRL | Qt::Key_B));
        QTRY_VERIFY(f->button("cmdMarket_0")->isChecked());
        QTest::keyClicks(f->start(), "10");
        QTest::keyClick(f->start(), Qt::Key_Tab);
        QTest::keyClicks(f->end(), "20");
        QTest::keySequence(f->end(), QKeySequence(Qt::Key_F5));
        QTRY_COMPARE(f->text("lblTgtWav3Up"), "27.50");
        for (const char *toggle : {"lblTgtWav5Up", "lblTgtWav3Up", "picBearRetrace"}) {
            while (f->focus() != f->get(toggle) && f->focus() != f->symbols()->lineEdit())
                QTest::keyClick(f->focus(), Qt::Key_Tab);
            QCOMPARE(f->focus(), f->get(toggle));
            QTest::keyClick(f->focus(), Qt::Key_Space);
        }
        for (const char *level : {"lblWav3High", "lblWav3Ext", "lblWav5High", "lblWav5Ext", "lblRetLow", "lblRetHigh"})
            QVERIFY2(f->shown(level), level);
        QTest::keyClicks(f->symbols()->lineEdit(), "ibm");
        QTest::keySequence(f->symbols()->lineEdit(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QTRY_COMPARE(f->symbols()->count(), 1);
        MessageBoxWatcher messages({QMessageBox::Yes});
        QTest::keySequence(f->symbols()->lineEdit(), QKeySequence(Qt::CTRL | Qt::Key_D));
        QTRY_COMPARE(f->symbols()->count(), 0);
        QCOMPARE(messages.count(), 1);
    }

    // Screen readers hear a name for every control, which direction and display
    // are in force, which details are shown, and each level with its price.
    void accessibility()
    {
        f->calculate(true, "10", "20");
        f->click("lblTgtWav5Up");
        const auto state = [this](const QString &name) { return QAccessible::queryAccessibleInterface(f->get(name))->state(); };
        for (QWidget *control : f->window->findChildren<QWidget *>()) {
            if (control->isVisibleTo(f->window.get()) && control->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                         qPrintable(control->objectName() + u' ' + QString::fromLatin1(control->metaObject()->className())));
        }
        QVERIFY(state("cmdMarket_0").checked && !state("cmdMarket_1").checked);
        QVERIFY(state("lblTgtWav5Up").checkable && state("lblTgtWav5Up").checked && !state("lblTgtWav3Up").checked);
        QCOMPARE(QAccessible::queryAccessibleInterface(f->get("lblTgtWav5Up"))->text(QAccessible::Name),
                 "Wave 5 target: 37.50");
        f->click("cmdDecFrac");
        QVERIFY(state("cmdDecFrac").checked);
    }

    // The next start takes up the session where it was left; a damaged
    // settings file gives the defaults.
    void rememberedSession_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::newRow("round trip") << false;
        QTest::newRow("damaged settings file") << true;
    }
    void rememberedSession()
    {
        QFETCH(bool, damaged);
        f->chooseMarket(false);
        f->click("cmdUseWave");
        f->click("cmdDecFrac");
        f->calculate(false, "20", "10");
        f->click("lblTgtWav5Dn");
        QTest::keyClicks(f->symbols()->lineEdit(), "ibm");
        f->click("cmdAction_0");
        f->window->close();
        if (damaged)
            QVERIFY(QFile(QDir::current().filePath("Ondara/Ondara.conf")).open(QIODevice::WriteOnly));
        f->window = std::make_unique<frmOndara>();
        f->window->LoadStore();
        const ondara::WaveState &state = f->window->waveState();
        QCOMPARE(state.bBullMarket || f->button("cmdMarket_1")->isChecked(), !damaged && !state.bBullMarket);
        QCOMPARE(state.bUseWave1, damaged);
        QCOMPARE(state.bShowFractions, !damaged);
        QCOMPARE(state.bShowWav5Dn, !damaged);
        QCOMPARE(f->text("lblTgtWav5Dn"), damaged ? "" : "2 1/2"); // the pick recalled
    }

    void closingEndsProgram()
    {
        QWidget other; // keeps the program alive unless the window ends it itself
        other.show();
        QTimer::singleShot(0, f->window.get(), &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(TestCalculatorWindow)
#include "tst_calculatorwindow.moc"
