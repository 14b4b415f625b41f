#include "CalculatorFixture.h"
#include "ContextHelp.h"
#include "ControlIds.h"
#include "HelpViewer.h"
#include "frmPrint.h"

// Print Chart hands the report window a picture of the chart as it prints;
// F1, the Help button and right clicks ask for each control's help topic.
class TestPrintChartAndHelp : public QObject
{
    Q_OBJECT

public:
    enum class Ask { RightClick, LeftClick, F1 };
    Q_ENUM(Ask)

private slots:
    void cleanup() { ondara::setHelpObserver({}); }

    void printChart_data()
    {
        QTest::addColumn<bool>("bull");
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QColor>("ret38Colour");
        QTest::newRow("bull") << true << "wave5up" << QColor(255, 224, 192);
        QTest::newRow("bear") << false << "wave5down" << QColor(192, 255, 192);
    }
    void printChart()
    {
        QFETCH(bool, bull);
        QFETCH(QString, chart);
        CalculatorFixture f;
        QVERIFY(f.ready());
        f.calculate(bull);
        f.symbols()->lineEdit()->insert("IBM");
        f.click("cmdAction_0"); // saved after start-up, so the report has to read the store when shown
        f.click(bull ? "picBearRetrace" : "picBullRetrace");
        const QString start = bull ? "lblStartUp" : "lblStartDn", end = bull ? "lblEnd1Up" : "lblEnd1Dn";
        const QString ret38 = bull ? "lblRetLow" : "lblRetDnLow";
        QVERIFY(f.shown(ret38));

        QImage captured;
        QString listed;
        bool sameHelpIds = true; // the report's controls have the identifiers the table took by name at start-up
        QTimer::singleShot(0, this, [&] {
            if (auto *report = qobject_cast<frmPrint *>(QApplication::activeModalWidget())) {
                captured = CalculatorFixture::comparable(report->picChart()->pixmap().toImage());
                listed = report->findChild<QTreeView *>("ListView1")->model()->index(0, 1).data().toString();
                for (int i = 0; i < 5; ++i)
                    sameHelpIds &= ondara::GetDlgCtrlID(report->helpControls()[i]) == HelpIDs[2 * (10 + i)];
                report->close();
            }
        });
        f.click("cmdAction_2");
        QCOMPARE(captured.size(), QSize(404, 312));
        QCOMPARE(listed, "IBM");
        QVERIFY(sameHelpIds);

        // Away from the labels the capture is the white chart itself; the
        // yellow and palest labels print black on it.
        const auto withoutLabels = [&](QImage image) {
            QPainter painter(&image);
            for (QWidget *child : f.get("Picture1")->findChildren<QWidget *>()) {
                if (child->isVisible())
                    painter.fillRect(child->geometry(), Qt::black);
            }
            painter.end();
            return image;
        };
        QCOMPARE(withoutLabels(captured), withoutLabels(CalculatorFixture::pictureFile(chart + "white.gif")));
        for (const QString &name : {start, end, ret38}) {
            const QImage under = captured.copy(f.get(name)->geometry()); // four bytes a pixel, no padding
            const auto *pixels = reinterpret_cast<const QRgb *>(under.constBits());
            const auto black = [](QRgb pixel) { return qGray(pixel) < 60; };
            QVERIFY2(std::any_of(pixels, pixels + under.width() * under.height(), black), qPrintable(name));
        }

        // The window is back as it was on screen.
        QCOMPARE(f.chart(), CalculatorFixture::pictureFile(chart + ".gif"));
        QCOMPARE(f.colour(start), QColor(Qt::yellow));
        QCOMPARE(f.colour(end), QColor(Qt::yellow));
        QTEST(f.colour(ret38), "ret38Colour");
    }

    void helpTopics_data()
    {
        QTest::addColumn<Ask>("ask");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("topic"); // -1: no help at all
        QTest::addColumn<bool>("marketChosen");
        QTest::newRow("right Bull") << Ask::RightClick << "cmdMarket_0" << 1 << true;
        QTest::newRow("right Calculate does not calculate") << Ask::RightClick << "cmdCalc" << 3 << true;
        QTest::newRow("right chart") << Ask::RightClick << "Picture1" << 10 << true;
        QTest::newRow("right Help shows the About box first") << Ask::RightClick << "cmdHelp" << 4 << true;
        QTest::newRow("F1 in a price field has no topic") << Ask::F1 << "TxtWavStart" << 0 << true;
        QTest::newRow("left Help sends F1") << Ask::LeftClick << "cmdHelp" << 4 << true;
        QTest::newRow("left Calculate shows no help") << Ask::LeftClick << "cmdCalc" << -1 << true;
        // A disabled control gets no mouse: no popup, not even the focused control's.
        QTest::newRow("right disabled Calculate") << Ask::RightClick << "cmdCalc" << -1 << false;
        QTest::newRow("right disabled Add Symbol") << Ask::RightClick << "cmdAction_0" << -1 << false;
    }
    void helpTopics()
    {
        QFETCH(Ask, ask);
        QFETCH(QString, control);
        QFETCH(int, topic);
        CalculatorFixture f;
        QVERIFY(f.ready());
        QFETCH(bool, marketChosen);
        if (marketChosen) {
            f.chooseMarket(true);
            f.typePrices("10", "20");
        }
        f.get("cmdMarket_0")->setFocus();
        QList<ondara::HelpRequest> requests;
        ondara::setHelpObserver([&](const ondara::HelpRequest &r) { requests.append(r); });
        QString about; // the title of the About box, closed as soon as it shows
        QTimer::singleShot(0, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                about = box->windowTitle();
                box->accept();
            }
        });
        QWidget *target = f.get(control);
        if (ask == Ask::F1) {
            target->setFocus();
            QTest::keyClick(target, Qt::Key_F1);
        } else {
            f.click(control, ask == Ask::RightClick ? Qt::RightButton : Qt::LeftButton);
        }
        QCoreApplication::processEvents(); // the Help button's F1 is queued
        QCOMPARE(requests.size(), topic < 0 ? 0 : 1);
        if (topic < 0)
            return;
        QCOMPARE(requests[0].caller, target);
        QCOMPARE(requests[0].topic, topic);
        QCOMPARE(f.focus(), target);
        QCOMPARE(about, control == u"cmdHelp" && ask == Ask::RightClick ? "Ondara" : "");
        QVERIFY(!f.shown("lblTgtWav3Up")); // a right click never presses the button
    }
};

QTEST_MAIN(TestPrintChartAndHelp)
#include "tst_printchartandhelp.moc"
