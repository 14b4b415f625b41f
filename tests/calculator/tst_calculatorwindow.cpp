#include "CalculationStore.h"
#include "CalculatorFixture.h"
#include "frmPrint.h"

#include <QAccessible>
#include <QXmlStreamReader>

// The window's controls once a market is chosen: the price fields (typing,
// leaving, entry), a direction change, the pictures, Enter, the keyboard,
// screen readers, the remembered session, closing and the German texts.
class TestCalculatorWindow : public QObject
{
    Q_OBJECT
    std::optional<CalculatorFixture> f;

    // Every source text of the German translation that it changes.
    static QSet<QString> translatedTexts()
    {
        QFile ts(qEnvironmentVariable("ONDARA_SOURCE_DIR") + "/app/translations/ondara_de.ts");
        QSet<QString> texts;
        QXmlStreamReader xml(ts.open(QIODevice::ReadOnly) ? ts.readAll() : QByteArray());
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"source")
                source = xml.readElementText();
            else if (const QString german = xml.name() == u"translation" ? xml.readElementText() : QString();
                     !german.isEmpty() && german != source)
                texts.insert(source);
        }
        return texts;
    }
    // What a control shows or says: its caption, title, tips, names and header.
    static QStringList textsOf(QWidget *control)
    {
        QStringList texts{control->windowTitle(), control->toolTip(), control->accessibleName(),
                          control->accessibleDescription()};
        if (auto *label = qobject_cast<QLabel *>(control))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            texts << button->text();
        if (auto *box = qobject_cast<QGroupBox *>(control))
            texts << box->title();
        if (auto *view = qobject_cast<QAbstractItemView *>(control); view && view->model())
            for (int column = 0; column < view->model()->columnCount(); ++column)
                texts << view->model()->headerData(column, Qt::Horizontal).toString();
        for (QAction *action : control->actions())
            texts << action->text() << action->toolTip();
        return texts;
    }

private slots:
    void init()
    {
        QVERIFY(f.emplace().ready());
        f->chooseMarket(true);
    }
    void cleanup() { f.reset(); }

    void typingAndLeaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("typedInFront"); // then, at the start of the field
        QTest::addColumn<QString>("kept");  // while typing
        QTest::addColumn<QString>("tidied"); // after Tab; empty: refused
        QTest::newRow("minus in front") << "12" << "-" << "12" << "12.00";
        QTest::newRow("letter") << "12a" << "" << "12" << "12.00";
        QTest::newRow("mixed fraction") << "12 3/8" << "" << "12 3/8" << "12.38";
        QTest::newRow("below one") << "0.5" << "" << "0.5" << "0.50";
        QTest::newRow("letter after a blank") << "12 a" << "" << "12 a" << "";
    }
    void typingAndLeaving()
    {
        QFETCH(QString, typed);
        QFETCH(QString, typedInFront);
        QTest::keyClicks(f->start(), typed);
        f->start()->home(false);
        QTest::keyClicks(f->start(), typedInFront);
        QTEST(f->start()->text(), "kept");
        QTest::keyClick(f->start(), Qt::Key_Tab);
        QTEST(f->start()->text(), "tidied");
        const bool refused = f->start()->text().isEmpty();
        QCOMPARE(f->messages.count(), refused ? 1 : 0);
        if (refused)
            QCOMPARE(f->messages.last().title + u'|' + f->messages.last().text, "Ondara|Please type numbers only.");
        QCOMPARE(f->focus(), refused ? f->start() : f->end());
        // Clicked into again, the field selects its whole text despite the caret the click places.
        f->click("TxtWavEnd");
        f->click("TxtWavStart");
        QCOMPARE(f->start()->selectedText(), f->start()->text());
    }

    void marketClearsContradictingPrices_data()
    {
        QTest::addColumn<bool>("bull");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("bull, falling") << true << "12.50" << "10.00" << true;
        QTest::newRow("bear, rising") << false << "10.00" << "12.50" << true;
        QTest::newRow("bull, equal") << true << "10.00" << "10.00" << false;
        QTest::newRow("bull, compared as prices, not texts") << true << "9.50" << "10.25" << false;
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

    // A picture in the working folder wins over the program's own; one that
    // cannot be read leaves the control's previous picture.
    void picturesFromCurrentFolderFirst()
    {
        QImage own(404, 312, QImage::Format_ARGB32);
        own.fill(Qt::magenta);
        QVERIFY(own.save("wave5up.gif", "PNG"));
        QVERIFY(testsupport::writeFile("arrowup.gif", "GIF89a not really"));
        f->chooseMarket(false);
        f->chooseMarket(true);
        QCOMPARE(f->chart().pixelColor(10, 10), QColor(Qt::magenta));
        QVERIFY(f->showsPicture(f->button("cmdCalc"), "arrowdn.gif"));
        f->calculate(true);
        QCOMPARE(f->text("lblTgtWav3Up"), "27.50");
    }

    // Enter presses the default button: Calculate, but never in the watch-list
    // box, where typing a symbol makes Add Symbol the default until it is left.
    void enterPressesDefaultButton()
    {
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
        QCOMPARE(f->messages.count(), 0);
    }

    // Everything a mouse does can be done from the keyboard: a bull
    // calculation with every level on, saved and deleted again.
    void keyboardOnly()
    {
        f.emplace(); // before any market choice
        QVERIFY(f->ready());
        QTest::keySequence(f->window.get(), QKeySequence(Qt::CTRL | Qt::Key_B));
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
        f->messages.answerWith({QMessageBox::Yes});
        QTest::keySequence(f->symbols()->lineEdit(), QKeySequence(Qt::CTRL | Qt::Key_D));
        QTRY_COMPARE(f->symbols()->count(), 0);
        QCOMPARE(f->messages.count(), 1);
    }

    // Screen readers hear a name for every control, which direction and display
    // are in force, which details are shown, and each level with its price.
    void accessibility()
    {
        f->calculate(true);
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
        QTest::addColumn<bool>("picked"); // a recalled pick brings its own direction and basis
        QTest::newRow("round trip") << false << true;
        QTest::newRow("round trip, nothing picked") << false << false;
        QTest::newRow("damaged settings file") << true << true;
    }
    void rememberedSession()
    {
        QFETCH(bool, damaged);
        f->chooseMarket(false);
        f->click("cmdUseWave");
        f->click("cmdDecFrac");
        f->calculate(false);
        f->click("lblTgtWav5Dn");
        QFETCH(bool, picked);
        if (picked) {
            QTest::keyClicks(f->symbols()->lineEdit(), "ibm");
            f->click("cmdAction_0");
        }
        f->window->close();
        if (damaged)
            QVERIFY(QFile(QDir::current().filePath("Ondara/Ondara.conf")).open(QIODevice::WriteOnly));
        f->reopen();
        const ondara::WaveState &state = f->window->waveState();
        QCOMPARE(state.bBullMarket || f->button("cmdMarket_1")->isChecked(), !damaged && !state.bBullMarket);
        QCOMPARE(state.bUseWave1, damaged);
        QCOMPARE(state.bShowFractions, !damaged);
        QCOMPARE(state.bShowWav5Dn, !damaged);
        QCOMPARE(f->text("lblTgtWav5Dn"), damaged || !picked ? "" : "2 1/2"); // the pick recalled
    }

    void closingEndsProgram()
    {
        QWidget other; // keeps the program alive unless the window ends it itself
        other.show();
        QTimer::singleShot(0, f->window.get(), &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    // Started in German, neither window shows a text the translation changes.
    void germanTexts()
    {
        QTranslator german;
        QVERIFY(german.load(QLocale(QLocale::German), "ondara", "_", ondara::translationsFolder()));
        QCoreApplication::installTranslator(&german);
        f.emplace();
        f->calculate(false);
        ondara::CalculationStore store(ondara::gdbSymbols);
        frmPrint report(store);
        const QSet<QString> english = translatedTexts();
        QVERIFY(english.size() > 100);
        QStringList left, headings;
        for (QWidget *window : {static_cast<QWidget *>(f->window.get()), static_cast<QWidget *>(&report)}) {
            for (QWidget *control : window->findChildren<QWidget *>() + QList{window}) {
                for (const QString &text : textsOf(control))
                    if (english.contains(text))
                        (qobject_cast<QAbstractItemView *>(control) ? headings : left) << control->objectName() + ": " + text;
            }
        }
        QCoreApplication::removeTranslator(&german);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u"; ")));
        QEXPECT_FAIL("", "The report list's column headings are not translated yet", Continue);
        QVERIFY2(headings.isEmpty(), qPrintable(headings.join(u"; ")));
    }
};

QTEST_MAIN(TestCalculatorWindow)
#include "tst_calculatorwindow.moc"
