#include "CalculationStore.h"
#include "CalculatorFixture.h"

using namespace testsupport;

// What the user does to the watch list before asking to delete.
using Step = void (*)(CalculatorFixture &);

// The watch list: saving, listing, recalling and deleting saved calculations,
// and what the window keeps when the database fails under it.
class TestWatchList : public QObject
{
    Q_OBJECT
    std::optional<CalculatorFixture> f;
    const QString db = CalculatorFixture::Database;
    const QList<qint64> Ids{1, 32768, Q_INT64_C(1) << 31, (Q_INT64_C(1) << 32) + 1, std::numeric_limits<qint64>::max()};

    QString picked() const { return f->symbols()->itemText(f->symbols()->currentIndex()); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { QVERIFY(f.emplace().ready()); }
    void cleanup() { f.reset(); }

    void addSymbol_data()
    {
        QTest::addColumn<bool>("bull");
        QTest::addColumn<bool>("wave1");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // empty: nothing is saved
        QTest::addColumn<QString>("title");  // of the message; empty: none
        QTest::addColumn<QList<double>>("prices"); // W1Start to W5Ext
        const QList<double> bull1{10, 20, 27.5, 30, 37.5, 46.18};
        QTest::newRow("15 within blanks")
            << true << true << "10" << " abcdefghijklmno " << " ABCDEFGHIJKLMNO " << "" << bull1;
        QTest::newRow("15 growing to 16 in upper case")
            << true << true << "10" << QString::fromUtf8("straßeabcdefghi") << "" << "Save Symbol" << QList<double>();
        QTest::newRow("quotes and UTF-8") // 𝔸 is one character of two UTF-16 units
            << true << true << "10" << QString::fromUtf8("o'neil \"ä€𝔸\"") << QString::fromUtf8("O'NEIL \"Ä€𝔸\"")
            << "" << bull1;
        QTest::newRow("wave 3 basis") << true << false << "10" << "msft" << "MSFT" << ""
                                      << QList<double>{10, 0, 20, 0, 27.5, 36.18};
        QTest::newRow("empty symbol") << true << true << "10" << "" << "" << "" << QList<double>();
        // Calculate refuses this after reading it, so the window holds the
        // refused start with the levels of the calculation before.
        QTest::newRow("unreadable fraction") << false << true << "5/0" << "ibm" << "" << "Not a Fraction" << QList<double>();
    }
    void addSymbol()
    {
        QFETCH(bool, bull);
        QFETCH(bool, wave1);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, title);
        f->chooseMarket(bull);
        if (!wave1)
            f->click("cmdUseWave");
        f->calculate(bull);
        QFETCH(QString, start);
        f->typePrices(start, bull ? "20" : "10");
        f->typeSymbol(typed);
        f->click("cmdAction_0");

        QCOMPARE(f->messages.count(), title.isEmpty() ? 0 : 1);
        QCOMPARE(f->messages.count() ? f->messages.last().title : QString(), title);
        if (title == u"Save Symbol") {
            QCOMPARE(f->messages.last().text, "Symbol must be less than or equal to 15 characters long.");
            QCOMPARE(f->focus(), f->symbols());
            QCOMPARE(f->symbols()->lineEdit()->selectedText(), typed);
        }
        const QList<ondara::SavedCalculation> rows = ondara::CalculationStore(ondara::openDatabase(db)).all().rest();
        QCOMPARE(rows.size(), stored.isEmpty() ? 0 : 1);
        QCOMPARE(f->entries().size(), rows.size());
        if (rows.isEmpty())
            return;
        const ondara::SavedCalculation &row = rows[0];
        QCOMPARE(row.symbol, stored);
        QList<double> prices;
        for (const std::optional<double> &price : {row.w1Start, row.w1End, row.w3Target, row.w3Ext, row.w5Target, row.w5Ext})
            prices += price.value_or(-1);
        QTEST(prices, "prices");
        // Listed with the time it was saved, and picked.
        const QDateTime saved(row.date, row.time);
        QVERIFY(saved.isValid() && qAbs(saved.secsTo(QDateTime::currentDateTime())) < 60);
        QCOMPARE(f->symbols()->currentIndex(), 0);
        QCOMPARE(f->symbols()->currentText(), stored + QString(16 - stored.trimmed().toUcs4().size(), u' ')
                                                  + QLocale::c().toString(saved, "M/d/yyyy h:mm:ss AP"));
    }

    // A row another program wrote with nulls (no date, time or W1End) lists
    // and recalls on the wave 3 basis; a row deleted elsewhere, when picked,
    // reads the list again and changes nothing else. The list runs newest
    // first within a symbol, as the window's load fills it too.
    void rowsOfOtherPrograms()
    {
        const qint64 gone = writeRow(db, {.symbol = "AAPL"});
        writeRow(db, {.symbol = "IBM", .date = QDate(2001, 1, 16), .time = QTime(9, 7)});
        writeRow(db, {.symbol = "IBM", .date = QDate(2001, 1, 16), .time = QTime(10, 0)});
        writeRow(db, {.symbol = "IBM"});
        writeRow(db, {.symbol = "OTHER", .prices = {10, QVariant(), 20}, .date = QVariant(), .time = QVariant()});
        f->window->LoadWatchList();
        f->pick(4);
        QVERIFY(f->get<QRadioButton>("optUse3")->isChecked());
        QVERIFY(rawExec(db, "DELETE FROM tblSymbols WHERE ID = ?", {gone}));
        writeRow(db, {.symbol = "MSFT"});
        f->pick(0);
        QCOMPARE(f->messages.count(), 0);
        QCOMPARE(f->start()->text() + u'|' + f->end()->text() + u'|' + f->text("lblWav3High"), "10|20|20.00");
        QCOMPARE(f->entries(), (QStringList{"IBM             1/16/2001 10:00:00 AM", "IBM             1/16/2001 9:07:00 AM",
                                            "IBM             1/15/2001 3:04:05 PM", "MSFT            1/15/2001 3:04:05 PM",
                                            "OTHER            "}));
        const QStringList listed = f->entries();
        f->reopen();
        QCOMPARE(f->entries(), listed);
    }

    void recall_data()
    {
        QTest::addColumn<QVariantList>("prices"); // W1Start, W1End, W3Target
        QTest::addColumn<bool>("bull");
        QTest::addColumn<bool>("wave1");
        QTest::addColumn<QString>("label"); // a result shown
        QTest::addColumn<QString>("text");
        QTest::newRow("wave 1, bull") << QVariantList{10, 20, 27.5} << true << true << "lblTgtWav3Up" << "27.50";
        QTest::newRow("wave 3, bull") << QVariantList{10, 0, 20} << true << false << "lblWav3High" << "20.00";
        QTest::newRow("wave 1, bear") << QVariantList{20, 10, 2.5} << false << true << "lblTgtWav3Dn" << "2.50";
        QTest::newRow("wave 3, bear") << QVariantList{20, 0, 10} << false << false << "lblTgtWav5Dn" << "2.50";
    }
    void recall()
    {
        QFETCH(QVariantList, prices);
        QFETCH(bool, bull);
        QFETCH(bool, wave1);
        QFETCH(QString, label);
        writeRow(db, {.symbol = "IBM", .prices = prices});
        f->window->LoadWatchList();
        f->chooseMarket(!bull); // the other direction and basis first, so the recall has to change both
        if (wave1)
            f->click("cmdUseWave");
        f->pick(0);
        QCOMPARE(f->messages.count(), 0);
        QCOMPARE(f->window->waveState().bBullMarket, bull);
        QCOMPARE(f->get<QRadioButton>("optUse1")->isChecked(), wave1);
        QCOMPARE(f->start()->text(), prices[0].toString());
        QCOMPARE(f->end()->text(), prices[wave1 ? 1 : 2].toString());
        QVERIFY(f->shown(label));
        QTEST(f->text(label), "text");
        QCOMPARE(f->symbols()->currentIndex(), 0); // the recall's own Calculate keeps the pick
        // The toggle shows the recalled basis, and its next click switches away from it.
        QPushButton *toggle = f->button("cmdUseWave");
        const QString picture = bull ? QStringLiteral("usewave%1.gif") : QStringLiteral("usewave%1bear.gif");
        QVERIFY(f->showsPicture(toggle, picture.arg(wave1 ? 1 : 3)));
        QCOMPARE(toggle->toolTip(), wave1 ? "Use Wave 3" : "Use Wave 1");
        f->click("cmdUseWave");
        QCOMPARE(f->get<QRadioButton>("optUse1")->isChecked(), !wave1);
        QVERIFY(f->showsPicture(toggle, picture.arg(wave1 ? 3 : 1)));
        f->click("cmdCalc"); // the chart no longer stands for the saved symbol
        QCOMPARE(f->symbols()->currentIndex(), -1);
    }

    void deleteSymbol_data()
    {
        QTest::addColumn<Step>("before"); // the delete, once IBM is picked
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<int>("rowsLeft");
        const QString sure = QStringLiteral("Are you sure you want to delete symbol 'IBM'?");
        const QString selectFirst = QStringLiteral("Select a symbol to delete first.");
        const auto info = QMessageBox::Information;
        QTest::newRow("picked, then edited")
            << Step([](CalculatorFixture &f) { QTest::keyClick(f.symbols()->lineEdit(), Qt::Key_Backspace); })
            << QMessageBox::Ok << selectFirst << info << 2;
        // The box matches the text to its entry when it loses the focus.
        QTest::newRow("typed as an entry reads")
            << Step([](CalculatorFixture &f) { f.typeSymbol(f.entries().first()); f.start()->setFocus(); })
            << QMessageBox::Ok << selectFirst << info << 2;
        QTest::newRow("answered No") << Step([](CalculatorFixture &) {}) << QMessageBox::No << sure << info << 2;
        QTest::newRow("answered Yes") << Step([](CalculatorFixture &) {}) << QMessageBox::Yes << sure << info << 1;
        QTest::newRow("row deleted elsewhere")
            << Step([](CalculatorFixture &) { rawExec(CalculatorFixture::Database, "DELETE FROM tblSymbols WHERE Symbol = 'IBM'"); })
            << QMessageBox::Ok << "Symbol 'IBM' not found." << QMessageBox::Critical << 1;
    }
    void deleteSymbol()
    {
        QFETCH(Step, before);
        QFETCH(QMessageBox::StandardButton, answer);
        writeRow(db, {.symbol = "IBM"});
        writeRow(db, {.symbol = "MSFT"});
        f->window->LoadWatchList();
        const QStringList listed = f->entries();
        f->chooseMarket(true);
        f->pick(0);
        before(*f);
        f->messages.answerWith({answer});
        f->click("cmdAction_1");
        QCOMPARE(f->messages.count(), 1);
        QCOMPARE(f->messages.last().title, "Delete Symbol");
        QTEST(f->messages.last().text, "text");
        QTEST(f->messages.last().icon, "icon");
        const bool confirm = answer != QMessageBox::Ok;
        QCOMPARE(f->messages.last().buttons, confirm ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        QCOMPARE(f->messages.last().defaultButton, confirm ? QMessageBox::No : QMessageBox::Ok);
        QTEST(rawQuery(db, "SELECT count(*) FROM tblSymbols").value(0).toInt(), "rowsLeft");
        QCOMPARE(f->entries(), answer == QMessageBox::Yes ? listed.mid(1) : listed);
        if (answer == QMessageBox::Yes) // no neighbour shown as if picked
            QCOMPARE(f->symbols()->currentIndex(), -1);
    }

    void idsPast32Bits_data()
    {
        QTest::addColumn<qint64>("id");
        for (const qint64 id : Ids)
            QTest::addRow("%lld", id) << id;
    }
    // Each row is recalled and deleted by its own ID, not by one sharing its low bits.
    void idsPast32Bits()
    {
        QFETCH(qint64, id);
        for (qsizetype i = 0; i < Ids.size(); ++i) // a symbol each, so the list runs in ID order
            writeRow(db, {.symbol = QStringLiteral("S%1").arg(i), .prices = {10 + i, 50, 70}, .id = Ids[i]});
        f->window->LoadWatchList();
        f->chooseMarket(true);
        const int entry = int(Ids.indexOf(id));
        f->pick(entry);
        QCOMPARE(f->start()->text(), QString::number(10 + entry));
        f->messages.answerWith({QMessageBox::Yes});
        f->click("cmdAction_1");
        QVariantList left(Ids.begin(), Ids.end());
        left.removeAt(entry);
        QCOMPARE(rawQuery(db, "SELECT ID FROM tblSymbols ORDER BY ID"), left);
    }

    // A file that cannot be written opens, says so in the title, and refuses
    // saving and deleting with the Watch List message.
    void readOnlyFile()
    {
        writeRow(db, {.symbol = "IBM"});
        f->window.reset();
        ReadOnlyFile locked(db);
        if (!locked.isValid())
            QSKIP("This file system lets this user write any file.");
        f->reopen();
        QVERIFY(f->ready());
        QCOMPARE(f->window->windowTitle(), "Ondara - saved calculations can be read but not written");
        const QByteArray bytes = fileBytes(db);
        f->calculate(true);
        f->typeSymbol("NEW");
        f->click("cmdAction_0");
        f->pick(0);
        f->click("cmdAction_1");
        const QString reason = QStringLiteral("() - Error #3027 The file ondara.mdb in %1 can be read but not written.")
                                   .arg(QDir::toNativeSeparators(QDir::currentPath()));
        QCOMPARE(f->messages.count(), 2);
        QCOMPARE(f->messages.at(0).title + u'|' + f->messages.at(0).text, "Watch List|AddSymbol" + reason);
        QCOMPARE(f->messages.at(1).title + u'|' + f->messages.at(1).text, "Watch List|DeleteSymbol" + reason);
        QCOMPARE(fileBytes(db), bytes);
        QCOMPARE(f->entries().size(), 1);
    }

    // Saved into a list longer than its first page, a calculation takes its place
    // among the entries read or comes when the list reaches it: every row lists once.
    void addIntoLongList()
    {
        QVariantList symbols;
        for (int i = 0; i < 250; ++i)
            symbols += QStringLiteral("B%1").arg(i, 3, 10, QLatin1Char('0'));
        QVERIFY(rawExec(db, "INSERT INTO tblSymbols (Symbol) VALUES (?)" + QStringLiteral(", (?)").repeated(249), symbols));
        f->window->LoadWatchList();
        f->calculate(true);
        for (const QString symbol : {"A", "B100X", "C"}) {
            f->typeSymbol(symbol);
            f->click("cmdAction_0");
            QVERIFY2(picked().startsWith(symbol + u' '), qPrintable(picked()));
        }
        for (QAbstractItemModel *list = f->symbols()->model(); list->canFetchMore({});)
            list->fetchMore({});
        QVariantList listed;
        for (const QString &entry : f->entries())
            listed += entry.section(u' ', 0, 0);
        QCOMPARE(listed, rawQuery(db, "SELECT Symbol FROM tblSymbols ORDER BY Symbol, Date DESC, Time DESC, ID"));
    }
};

QTEST_MAIN(TestWatchList)
#include "tst_watchlist.moc"
