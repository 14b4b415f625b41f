#include "CalculatorFixture.h"
#include "MessageBoxWatcher.h"

#include <QGroupBox>
#include <QStandardPaths>

// The chart after a calculation: decimals and fractions, the detail and
// retracement toggles, and the hover highlighting.
class TestCalculatorChart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        f = std::make_unique<CalculatorFixture>();
        QVERIFY(f->ready());
        messages = std::make_unique<MessageBoxWatcher>();
    }
    void cleanup()
    {
        QCOMPARE(messages->count(), 0);
        messages.reset();
        f.reset();
    }

    void fractionRoundTrip()
    {
        auto *frame = f->get<QGroupBox>(QStringLiteral("fraDecFracs"));
        f->calculate(true, QStringLiteral("10"), QStringLiteral("20"));
        f->click(QStringLiteral("cmdDecFrac"));
        QVERIFY(f->window->waveState().bShowFractions);
        QCOMPARE(frame->title(), QStringLiteral("Fractions"));
        QCOMPARE(f->button(QStringLiteral("cmdDecFrac"))->toolTip(), QStringLiteral("Display Decimals"));
        QCOMPARE(f->text(QStringLiteral("lblTgtWav3Up")), QStringLiteral("27 1/2"));
        QCOMPARE(f->text(QStringLiteral("lblStartUp")), QStringLiteral("10"));
        QCOMPARE(f->text(QStringLiteral("lblWav3High")), QStringLiteral("26 3/16")); // hidden ones too
        QCOMPARE(f->text(QStringLiteral("lblRetLow")), QStringLiteral("16 13/64"));

        // Back to decimals from the stored numbers, in the general form.
        f->click(QStringLiteral("cmdDecFrac"));
        QCOMPARE(frame->title(), QStringLiteral("Decimals"));
        QCOMPARE(f->text(QStringLiteral("lblTgtWav3Up")), QStringLiteral("27.5"));
        QCOMPARE(f->text(QStringLiteral("lblRetLow")), QStringLiteral("16.2"));
        QCOMPARE(f->text(QStringLiteral("lblStartUp")), QStringLiteral("10"));

        // Calculating in fractions shows fractions at once.
        f->click(QStringLiteral("cmdDecFrac"));
        f->calculate(true, QStringLiteral("12.5"), QStringLiteral("20"));
        QCOMPARE(f->text(QStringLiteral("lblStartUp")), QStringLiteral("12 1/2"));
        QCOMPARE(f->text(QStringLiteral("lblTgtWav3Up")), QStringLiteral("25 5/8"));
        QVERIFY(f->window->waveState().bShowFractions);
    }

    void fractionsOfZeroAndUnfilledLabels()
    {
        f->calculate(false, QStringLiteral("20"), QStringLiteral("10"));
        f->click(QStringLiteral("cmdDecFrac"));
        QCOMPARE(f->text(QStringLiteral("lblTgtWav5Dn")), QString());
        f->window->optFrac_Click(); // labels already showing fractions are left alone
        QCOMPARE(f->text(QStringLiteral("lblTgtWav3Dn")), QStringLiteral("2 1/2"));
        f->click(QStringLiteral("cmdDecFrac"));
        QCOMPARE(f->text(QStringLiteral("lblTgtWav5Dn")), QStringLiteral("0"));

        // With an empty field only the mode changes, not the labels.
        f->start()->setText(QString());
        f->click(QStringLiteral("cmdDecFrac"));
        QCOMPARE(f->text(QStringLiteral("lblTgtWav3Dn")), QStringLiteral("2.5"));
        QVERIFY(f->window->waveState().bShowFractions);
    }

    void togglesSurviveRecalculation()
    {
        const QStringList bullRetracements{"lblRetLow", "lblRetMid", "lblRetTop", "lblRetHigh"};
        const auto allShown = [this](const QStringList &names, bool shown) {
            for (const QString &name : names) {
                if (f->shown(name) != shown)
                    return false;
            }
            return true;
        };
        f->calculate(true, QStringLiteral("10"), QStringLiteral("20"));
        f->click(QStringLiteral("picBearRetrace"));
        QVERIFY(allShown(bullRetracements, true));
        f->calculate(true, QStringLiteral("12"), QStringLiteral("20"));
        QVERIFY(allShown(bullRetracements, true));
        QCOMPARE(f->text(QStringLiteral("lblRetMid")), QStringLiteral("16.00"));
        f->click(QStringLiteral("picBearRetrace"));
        QVERIFY(allShown(bullRetracements, false));
        f->calculate(true, QStringLiteral("10"), QStringLiteral("20"));
        QVERIFY(allShown(bullRetracements, false));

        // Bear details switched on survive a trip to Bull and back.
        f->calculate(false, QStringLiteral("20"), QStringLiteral("10"));
        f->click(QStringLiteral("picBullRetrace"));
        f->click(QStringLiteral("lblTgtWav3Dn"));
        QVERIFY(allShown({"lblWav3DnHigh", "lblWav3DnExt", "lblRetDnTop"}, true));
        f->calculate(true, QStringLiteral("10"), QStringLiteral("20"));
        QVERIFY(allShown({"lblWav3DnHigh", "lblRetDnTop", "picBullRetrace", "lblTgtWav3Dn"}, false));
        f->calculate(false, QStringLiteral("20"), QStringLiteral("10"));
        QVERIFY(allShown({"lblWav3DnHigh", "lblWav3DnExt", "lblRetDnLow", "lblRetDnTop"}, true));
        QVERIFY(allShown({"lblWav5DnHigh", "lblWav5DnExt"}, false));
    }

    void hover_data()
    {
        QTest::addColumn<bool>("bull");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("otherTarget");
        QTest::addColumn<QString>("retrace");
        QTest::addColumn<QString>("litPicture");
        QTest::addColumn<QString>("plainPicture");
        QTest::addColumn<QColor>("normal");
        QTest::newRow("bull") << true << "lblTgtWav3Up" << "lblWav3High" << "lblTgtWav5Up" << "picBearRetrace"
                              << "retdnwhite.gif" << "retdnred.gif" << QColor(Qt::green);
        QTest::newRow("bear") << false << "lblTgtWav5Dn" << "lblWav5DnExt" << "lblTgtWav3Dn" << "picBullRetrace"
                              << "retupwhite.gif" << "retupgreen.gif" << QColor(Qt::red);
    }
    void hover()
    {
        QFETCH(bool, bull);
        QFETCH(QString, target);
        QFETCH(QString, detail);
        QFETCH(QString, otherTarget);
        QFETCH(QString, retrace);
        QFETCH(QColor, normal);
        const QString chart = QStringLiteral("Picture1");
        const auto picture = [this, &retrace](const QString &bareName) {
            return CalculatorFixture::comparable(f->label(retrace)->pixmap().toImage())
                == CalculatorFixture::pictureFile(bareName);
        };
        f->calculate(bull, bull ? QStringLiteral("10") : QStringLiteral("20"),
                     bull ? QStringLiteral("20") : QStringLiteral("10"));
        f->click(target); // shows the details to move over
        f->hover(chart);
        QCOMPARE(f->colour(target), normal);

        f->hover(target);
        QCOMPARE(f->colour(target), QColor(Qt::white));
        f->hover(detail);
        QCOMPARE(f->colour(target), normal);
        f->hover(target);
        QCOMPARE(f->colour(target), QColor(Qt::white));
        f->hover(chart);
        QCOMPARE(f->colour(target), normal);

        // Once lit, further moves over the label change nothing.
        f->hover(target);
        QPalette marked = f->label(target)->palette();
        marked.setColor(QPalette::WindowText, Qt::blue);
        f->label(target)->setPalette(marked);
        f->hover(target, QPoint(1, 0));
        QCOMPARE(f->colour(target), QColor(Qt::blue));
        f->hover(chart);

        // A lit retracement picture stays lit over the labels until the mouse
        // crosses the chart background.
        QFETCH(QString, plainPicture);
        QFETCH(QString, litPicture);
        QVERIFY(picture(plainPicture));
        f->hover(retrace);
        QVERIFY(picture(litPicture));
        f->hover(otherTarget);
        QVERIFY(picture(litPicture));
        QCOMPARE(f->colour(otherTarget), QColor(Qt::white));
        f->hover(chart);
        QVERIFY(picture(plainPicture));
        QCOMPARE(f->colour(otherTarget), normal);
    }

private:
    std::unique_ptr<CalculatorFixture> f;
    std::unique_ptr<MessageBoxWatcher> messages;
};

QTEST_MAIN(TestCalculatorChart)
#include "tst_calculatorchart.moc"
