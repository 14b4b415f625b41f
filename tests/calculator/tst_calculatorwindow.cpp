#include "CalculatorFixture.h"
#include "ChartView.h"
#include "MessageBoxWatcher.h"

#include <QFile>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>

// The window as it opens, the market buttons, the use-wave toggle, the
// pictures and the keyboard's default button.
class TestCalculatorWindow : public QObject
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

    void startState()
    {
        // Until a market is chosen only the market buttons and Help work.
        const QStringList working{"cmdMarket_0", "cmdMarket_1", "cmdHelp"};
        for (const char *name : {"cmdMarket_0", "cmdMarket_1", "cmdHelp", "cmdCalc", "cmdDecFrac", "cmdUseWave",
                                 "cmdAction_0", "cmdAction_1", "cmdAction_2", "TxtWavStart", "TxtWavEnd",
                                 "cboSymbols"}) {
            QWidget *control = f->get(QLatin1String(name));
            QVERIFY2(control && control->isVisibleTo(f->window.get()), name);
            QCOMPARE(control->isEnabled(), working.contains(QLatin1String(name)));
            if (auto *button = qobject_cast<QPushButton *>(control)) {
                QVERIFY2(!button->icon().isNull() && button->text().isEmpty(), name);
                QCOMPARE(button->accessibleName(), button->toolTip());
            }
        }
        QCOMPARE(f->button(QStringLiteral("cmdUseWave"))->toolTip(), QStringLiteral("Use Wave 3"));
        QCOMPARE(f->button(QStringLiteral("cmdDecFrac"))->toolTip(), QStringLiteral("Display Fractions"));
        for (const char *name : {"optUse1", "optUse3", "fraDecFracs"})
            QVERIFY2(f->get(QLatin1String(name)) && !f->get(QLatin1String(name))->isVisibleTo(f->window.get()),
                     name);
    }

    void startPictureAndChart()
    {
        QCOMPARE(f->window->windowTitle(), QStringLiteral("Ondara"));
        auto *chart = f->get<ChartView>(QStringLiteral("Picture1"));
        QCOMPARE(chart->size(), QSize(404, 312));
        QCOMPARE(CalculatorFixture::comparable(chart->picture().toImage()),
                 CalculatorFixture::pictureFile(QStringLiteral("wavesplash.jpg")));
        for (QLabel *label : chart->findChildren<QLabel *>())
            QVERIFY2(!label->isVisibleTo(f->window.get()), qPrintable(label->objectName()));
        QVERIFY(f->get<QRadioButton>(QStringLiteral("optUse1"))->isChecked());
        QVERIFY(f->get<QRadioButton>(QStringLiteral("optDec"))->isChecked());
        QVERIFY(QFontInfo(f->get(QStringLiteral("cboSymbols"))->font()).fixedPitch());
    }

    void marketUnlocksWindow_data()
    {
        QTest::addColumn<bool>("bull");
        QTest::addColumn<QString>("chartPicture");
        QTest::addColumn<QString>("calcPicture");
        QTest::newRow("bull") << true << "wave5up.gif" << "arrowup.gif";
        QTest::newRow("bear") << false << "wave5down.gif" << "arrowdn.gif";
    }
    void marketUnlocksWindow()
    {
        QFETCH(bool, bull);
        f->chooseMarket(bull);
        for (const char *name : {"cboSymbols", "cmdAction_0", "cmdAction_1", "cmdAction_2", "cmdDecFrac",
                                 "cmdUseWave", "cmdCalc", "TxtWavStart", "TxtWavEnd"})
            QVERIFY2(f->get(QLatin1String(name))->isEnabled(), name);
        QCOMPARE(QApplication::focusWidget(), f->start());
        QCOMPARE(f->window->waveState().bBullMarket, bull);
        QFETCH(QString, chartPicture);
        QCOMPARE(CalculatorFixture::comparable(f->get<ChartView>(QStringLiteral("Picture1"))->picture().toImage()),
                 CalculatorFixture::pictureFile(chartPicture));
        QFETCH(QString, calcPicture);
        QVERIFY(CalculatorFixture::showsPicture(f->button(QStringLiteral("cmdCalc")), calcPicture));
        QVERIFY(CalculatorFixture::showsPicture(f->button(QStringLiteral("cmdMarket_0")),
                                                bull ? "bullgreen.gif" : "bullmarket.gif"));
    }

    void marketClearsContradictingPrices_data()
    {
        QTest::addColumn<bool>("bull");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("bull, falling") << true << "12.50" << "10.00" << true;
        QTest::newRow("bear, falling") << false << "12.50" << "10.00" << false;
        QTest::newRow("bear, rising") << false << "10.00" << "12.50" << true;
        QTest::newRow("bull, equal") << true << "10.00" << "10.00" << false;
        QTest::newRow("bull, one empty") << true << "12.50" << "" << false;
        QTest::newRow("bull, compared as prices") << true << "9.50" << "10.25" << false;
    }
    void marketClearsContradictingPrices()
    {
        QFETCH(bool, bull);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, cleared);
        f->chooseMarket(!bull);
        f->start()->setText(start);
        f->end()->setText(end);
        f->chooseMarket(bull);
        QCOMPARE(f->start()->text(), cleared ? QString() : start);
        QCOMPARE(f->end()->text(), cleared ? QString() : end);
    }

    void useWaveToggle()
    {
        QPushButton *toggle = f->button(QStringLiteral("cmdUseWave"));
        auto *use3 = f->get<QRadioButton>(QStringLiteral("optUse3"));
        f->chooseMarket(true);
        QVERIFY(CalculatorFixture::showsPicture(toggle, QStringLiteral("usewave1.gif")));
        f->click(QStringLiteral("cmdUseWave"));
        QVERIFY(use3->isChecked());
        QCOMPARE(toggle->toolTip(), QStringLiteral("Use Wave 1"));
        f->chooseMarket(false); // the picture follows the basis across a direction change
        QVERIFY(CalculatorFixture::showsPicture(toggle, QStringLiteral("usewave3bear.gif")));
        f->click(QStringLiteral("cmdUseWave"));
        QVERIFY(CalculatorFixture::showsPicture(toggle, QStringLiteral("usewave1bear.gif")));
        QCOMPARE(toggle->toolTip(), QStringLiteral("Use Wave 3"));
        QCOMPARE(toggle->accessibleName(), QStringLiteral("Use Wave 3"));
        QVERIFY(f->get<QRadioButton>(QStringLiteral("optUse1"))->isChecked());
    }

    void picturesFromCurrentFolderFirst()
    {
        // A picture in the working folder wins over the program's own; one that
        // cannot be read leaves the control's previous picture.
        QImage own(404, 312, QImage::Format_ARGB32);
        own.fill(Qt::magenta);
        QVERIFY(own.save(f->dir() + QStringLiteral("/wave5up.gif"), "PNG"));
        QFile broken(f->dir() + QStringLiteral("/arrowup.gif"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("GIF89a not really");
        broken.close();

        f->chooseMarket(true);
        QCOMPARE(f->get<ChartView>(QStringLiteral("Picture1"))->picture().toImage().pixelColor(10, 10),
                 QColor(Qt::magenta));
        QVERIFY(CalculatorFixture::showsPicture(f->button(QStringLiteral("cmdCalc")), QStringLiteral("calc.gif")));
        f->calculate(true, QStringLiteral("10"), QStringLiteral("20"));
        QCOMPARE(f->text(QStringLiteral("lblTgtWav3Up")), QStringLiteral("27.50"));
    }

    void enterPressesDefaultButton()
    {
        MessageBoxWatcher messages;
        f->chooseMarket(true);
        f->typePrices(QStringLiteral("10"), QStringLiteral("20"));
        QTest::keyClick(f->end(), Qt::Key_Return);
        QCOMPARE(f->text(QStringLiteral("lblTgtWav3Up")), QStringLiteral("27.50"));

        // In the watch-list box Enter belongs to the box unless it has made
        // another button the default.
        QSignalSpy calculations(f->button(QStringLiteral("cmdCalc")), &QPushButton::clicked);
        auto *symbols = f->get<QComboBox>(QStringLiteral("cboSymbols"));
        symbols->setFocus();
        QTest::keyClick(symbols, Qt::Key_Return);
        QCOMPARE(calculations.count(), 0);
        QPushButton *display = f->button(QStringLiteral("cmdDecFrac"));
        f->window->setDefaultButton(display);
        QTest::keyClick(symbols, Qt::Key_Enter);
        QVERIFY(f->window->waveState().bShowFractions);
        QCOMPARE(calculations.count(), 0);
        QCOMPARE(messages.count(), 0);
    }

    void closingEndsProgram()
    {
        QWidget other; // keeps the program alive unless the window ends it itself
        other.show();
        QTimer::singleShot(0, f->window.get(), &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

private:
    std::unique_ptr<CalculatorFixture> f;
};

QTEST_MAIN(TestCalculatorWindow)
#include "tst_calculatorwindow.moc"
