#include "CalculatorFixture.h"
#include "ChartView.h"
#include "MessageBoxWatcher.h"
#include "PriceNotation.h"

#include <QSignalSpy>
#include <QStandardPaths>

// The price fields: what they let through while typing, what they select on
// entry, how they tidy or refuse their text on leaving, and hostile input.
class TestCalculatorFields : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        f = std::make_unique<CalculatorFixture>();
        QVERIFY(f->ready());
        f->chooseMarket(true);
    }
    void cleanup() { f.reset(); }

    void changeRule_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("home"); // caret moved to the front before typing
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("minus") << "12" << false << "-" << "12";
        QTest::newRow("minus at the front") << "12" << true << "-" << "12";
        QTest::newRow("minus between digits") << "" << false << "1-2" << "12";
        QTest::newRow("letter") << "12" << false << "a" << "12";
        QTest::newRow("letter after a blank") << "12 " << false << "a" << "12 a";
        // "1.5e" is not yet a number, so an exponent cannot be typed a key at a time.
        QTest::newRow("exponent typed") << "" << false << "1.5e3" << "1.53";
        QTest::newRow("beyond the double range") << "1e30" << false << "9" << "1e30";
    }
    void changeRule()
    {
        QFETCH(QString, before);
        QFETCH(bool, home);
        QFETCH(QString, typed);
        f->start()->setText(before);
        if (home)
            QTest::keyClick(f->start(), Qt::Key_Home);
        QTest::keyClicks(f->start(), typed);
        QTEST(f->start()->text(), "after");
        if (f->start()->text() == before) { // refused: caret after the last character, nothing selected
            QCOMPARE(f->start()->cursorPosition(), int(before.size()));
            QVERIFY(!f->start()->hasSelectedText());
        }
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("refused");
        QTest::newRow("mixed fraction") << "12 3/8" << "12.38" << false;
        QTest::newRow("zero denominator") << "12 3/0" << "10000000000.00" << false;
        QTest::newRow("whole number") << "12" << "12.00" << false;
        QTest::newRow("below one") << "0.5" << "0.50" << false;
        QTest::newRow("empty") << "" << "" << false;
        QTest::newRow("letter after a blank") << "12 a" << "" << true;
    }
    void leaving()
    {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        MessageBoxWatcher messages;
        QTest::keyClicks(f->start(), typed);
        QTest::keyClick(f->start(), Qt::Key_Tab);
        QTEST(f->start()->text(), "after");
        QCOMPARE(messages.count(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(messages.last().title, QStringLiteral("Ondara"));
            QCOMPARE(messages.last().text, QStringLiteral("Please type numbers only."));
            QCOMPARE(messages.last().icon, QMessageBox::Information);
        }
        QCOMPARE(f->focus(), refused ? f->start() : f->end());
    }

    void entrySelectsWholeText()
    {
        QTest::keyClicks(f->start(), QStringLiteral("12.38"));
        QTest::keyClick(f->start(), Qt::Key_Tab);
        QTest::keyClick(f->end(), Qt::Key_Backtab);
        QCOMPARE(f->start()->selectedText(), QStringLiteral("12.38"));
        f->click(QStringLiteral("TxtWavEnd"));
        f->click(QStringLiteral("TxtWavStart"));
        QCOMPARE(QApplication::focusWidget(), f->start());
        QCOMPARE(f->start()->selectedText(), QStringLiteral("12.38"));
    }

    void refusedTextStopsThePress_data()
    {
        QTest::addColumn<bool>("throughWindow");
        QTest::newRow("press from the window system") << true;
        QTest::newRow("press sent to the button") << false;
    }
    void refusedTextStopsThePress()
    {
        QFETCH(bool, throughWindow);
        QPushButton *calc = f->button(QStringLiteral("cmdCalc"));
        QTest::keyClicks(f->end(), QStringLiteral("20"));
        QTest::keyClicks(f->start(), QStringLiteral("12 x"));
        QSignalSpy clicks(calc, &QPushButton::clicked);
        MessageBoxWatcher messages;
        const QPoint at = f->centreOf(QStringLiteral("cmdCalc"));
        if (throughWindow)
            QTest::mousePress(f->window->windowHandle(), Qt::LeftButton, {}, at);
        else
            QTest::mousePress(calc, Qt::LeftButton);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("Please type numbers only."));
        QVERIFY(!calc->isDown());
        QCOMPARE(f->focus(), f->start());
        QVERIFY(f->start()->text().isEmpty());
        QVERIFY(f->ready());
        if (throughWindow)
            QTest::mouseRelease(f->window->windowHandle(), Qt::LeftButton, {}, at);
        else
            QTest::mouseRelease(calc, Qt::LeftButton);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(messages.count(), 1);

        // Nothing is left stuck: the next click calculates.
        QTest::keyClicks(f->start(), QStringLiteral("10"));
        f->click(QStringLiteral("cmdCalc"));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(f->text(QStringLiteral("lblTgtWav3Up")), QStringLiteral("27.50"));
        QCOMPARE(messages.count(), 1);
    }

    void hostileInput_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("megabyte of digits") << QString(1 << 20, u'7');
        QTest::newRow("megabyte after a slash") << QStringLiteral("1/") + QString(1 << 20, u'2');
        QTest::newRow("control characters") << QStringLiteral("1\t2\r\n\x01\x7f 3");
        QTest::newRow("other scripts") << QStringLiteral("\u0661\u0662 \uff11/\u20ac");
        QTest::newRow("largest double") << QStringLiteral("1e308");
        QTest::newRow("beyond the double range") << QStringLiteral("1e999");
        QTest::newRow("inf and nan") << QStringLiteral("inf nan/nan");
    }
    void hostileInput()
    {
        QFETCH(QString, pasted);
        MessageBoxWatcher messages;
        f->chooseMarket(false);
        QTest::keyClicks(f->end(), QStringLiteral("1"));
        f->start()->setFocus();
        f->start()->insert(pasted);
        f->click(QStringLiteral("cmdCalc"));
        const QString left = f->start()->text();
        QVERIFY2(left.isEmpty() || ondara::IsNumeric(left.toStdString()), qPrintable(left.left(40)));
        for (int i = 0; i < messages.count(); ++i)
            QVERIFY2(messages.at(i).text.startsWith(QLatin1String("Please type numbers only."))
                         || messages.at(i).text.startsWith(QLatin1String("Error:"))
                         || messages.at(i).text.startsWith(QLatin1String("In a Bear market")),
                     qPrintable(messages.at(i).text));
        for (QLabel *label : f->get(QStringLiteral("Picture1"))->findChildren<QLabel *>()) {
            QVERIFY(!label->text().contains(QLatin1String("inf"), Qt::CaseInsensitive));
            QVERIFY(!label->text().contains(QLatin1String("nan"), Qt::CaseInsensitive));
        }
        // The window still calculates.
        f->calculate(false, QStringLiteral("20"), QStringLiteral("10"));
        QCOMPARE(f->text(QStringLiteral("lblTgtWav3Dn")), QStringLiteral("2.50"));
    }

private:
    std::unique_ptr<CalculatorFixture> f;
};

QTEST_MAIN(TestCalculatorFields)
#include "tst_calculatorfields.moc"
