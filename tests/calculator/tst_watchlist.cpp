#include "CalculatorFixture.h"
#include "StoreTestSupport.h"

using namespace storetest;

// The watch list: saving, listing, recalling and deleting saved calculations,
// and what the window keeps when the database fails under it.
class TestWatchList : public QObject
{
    Q_OBJECT
    std::optional<CalculatorFixture> f;
    const QString db = QStringLiteral("ondara.mdb"); // in the fixture's folder
    const QList<qint64> Ids{1, 32768, Q_INT64_C(1) << 31, (Q_INT64_C(1) << 32) + 1, std::numeric_limits<qint64>::max()};

    QStringList entries() const { return CalculatorFixture::entries(f->symbols()); }
    int count() const { return rawQuery(db, "SELECT count(*) FROM tblSymbols").value(0).toInt(); }
    // Written behind the window's back, as another program would.
    qint64 insertRow(const QVariant &symbol, const QVariantList &prices = {10, 20, 27.5},
                     const QVariant &date = "2001-01-15", const QVariant &time = "15:04:05", const QVariant &id = {})
    {
        return rawQuery(db, "INSERT INTO tblSymbols (Symbol, Date, Time, W1Start, W1End, W3Target, ID) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?) RETURNING ID", QVariantList{symbol, date, time} + prices + QVariantList{id})
            .value(0).toLongLong();
    }
    QString picked() const { return f->symbols()->itemText(f->symbols()->currentIndex()); }
    // As the user picks an entry from the list.
    void pick(int index)
    {
        f->symbols()->setCurrentIndex(index);
        emit f->symbols()->activated(index);
    }
    void typeSymbol(const QString &text)
    {
        f->symbols()->setFocus();
        f->symbols()->lineEdit()->selectAll();
        f->symbols()->lineEdit()->insert(text); // an edit, as typing is
    }

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
        QTest::addColumn<QString>("prices"); // W1Start to W5Ext as SQLite writes them
        const QString bull1 = QStringLiteral("10.0 20.0 27.5 30.0 37.5 46.18");
        QTest::newRow("15 within blanks")
            << true << true << "10" << " abcdefghijklmno " << " ABCDEFGHIJKLMNO " << "" << bull1;
        QTest::newRow("16 characters") << true << true << "10" << "abcdefghijklmnop" << "" << "Save Symbol" << "";
        QTest::newRow("15 growing to 16 in upper case")
            << true << true << "10" << QString::fromUtf8("straßeabcdefghi") << "" << "Save Symbol" << "";
        QTest::newRow("quotes and UTF-8") // 𝔸 is one character of two UTF-16 units
            << true << true << "10" << QString::fromUtf8("o'neil \"ä€𝔸\"") << QString::fromUtf8("O'NEIL \"Ä€𝔸\"")
            << "" << bull1;
        QTest::newRow("wave 3 basis") << true << false << "10" << "msft" << "MSFT" << ""
                                      << "10.0 0.0 20.0 0.0 27.5 36.18";
        QTest::newRow("empty symbol") << true << true << "10" << "" << "" << "" << "";
        // Calculate refuses these after reading them, so the window holds the
        // refused start with the levels of the calculation before.
        QTest::newRow("typed error value") << false << true << "10000000000" << "ibm" << "" << "Not a Fraction" << "";
        QTest::newRow("unreadable fraction") << false << true << "5/0" << "ibm" << "" << "Not a Fraction" << "";
    }
    void addSymbol()
    {
        QFETCH(bool, bull);
        QFETCH(bool, wave1);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, title);
        MessageBoxWatcher messages;
        f->chooseMarket(bull);
        if (!wave1)
            f->click("cmdUseWave");
        f->typePrices(bull ? "10" : "20", bull ? "20" : "10");
        f->click("cmdCalc");
        QFETCH(QString, start);
        f->typePrices(start, bull ? "20" : "10");
        typeSymbol(typed);
        f->click("cmdAction_0");

        QCOMPARE(messages.count(), title.isEmpty() ? 0 : 1);
        QCOMPARE(messages.count() ? messages.last().title : QString(), title);
        if (title == u"Save Symbol") {
            QCOMPARE(messages.last().text, "Symbol must be less than or equal to 15 characters long.");
            QCOMPARE(f->focus(), f->symbols());
            QCOMPARE(f->symbols()->lineEdit()->selectedText(), typed);
        }
        const QVariantList rows = rawQuery(
            db, "SELECT Symbol || '|' || Date || '|' || Time || '|' || W1Start || ' ' || W1End || ' ' || W3Target "
                "|| ' ' || W3Ext || ' ' || W5Target || ' ' || W5Ext FROM tblSymbols");
        QCOMPARE(rows.size(), stored.isEmpty() ? 0 : 1);
        QCOMPARE(entries().size(), rows.size());
        if (rows.isEmpty())
            return;
        const QStringList row = rows[0].toString().split(u'|');
        QCOMPARE(row[0], stored);
        QTEST(row[3], "prices");
        // Listed with the time it was saved, and picked.
        const QDateTime saved(QDate::fromString(row[1], Qt::ISODate), QTime::fromString(row[2], Qt::ISODate));
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
        const qint64 gone = insertRow("AAPL");
        insertRow("IBM", {10, 20, 27.5}, "2001-01-16", "09:07:00");
        insertRow("IBM", {10, 20, 27.5}, "2001-01-16", "10:00:00");
        insertRow("IBM");
        insertRow("OTHER", {10, QVariant(), 20}, QVariant(), QVariant());
        f->window->LoadWatchList();
        MessageBoxWatcher messages;
        pick(4);
        QVERIFY(f->get<QRadioButton>("optUse3")->isChecked());
        QVERIFY(rawExec(db, "DELETE FROM tblSymbols WHERE ID = ?", {gone}));
        insertRow("MSFT");
        pick(0);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(f->prices() + u'|' + f->text("lblWav3High"), "10|20|20.00");
        QCOMPARE(entries(), (QStringList{"IBM             1/16/2001 10:00:00 AM", "IBM             1/16/2001 9:07:00 AM",
                                         "IBM             1/15/2001 3:04:05 PM", "MSFT            1/15/2001 3:04:05 PM",
                                         "OTHER            "}));
        frmOndara loaded;
        loaded.LoadStore();
        QCOMPARE(CalculatorFixture::entries(loaded.findChild<QComboBox *>("cboSymbols")), entries());
    }

    void recall_data()
    {
        QTest::addColumn<QVariantList>("prices"); // W1Start, W1End, W3Target
        QTest::addColumn<bool>("bull");
        QTest::addColumn<bool>("wave1");
        QTest::addColumn<QString>("label"); // a result shown
        QTest::newRow("wave 1, bull") << QVariantList{10, 20, 27.5} << true << true << "lblTgtWav3Up=27.50";
        QTest::newRow("wave 3, bull") << QVariantList{10, 0, 20} << true << false << "lblWav3High=20.00";
        QTest::newRow("wave 1, bear") << QVariantList{20, 10, 2.5} << false << true << "lblTgtWav3Dn=2.50";
        QTest::newRow("wave 3, bear") << QVariantList{20, 0, 10} << false << false << "lblTgtWav5Dn=2.50";
    }
    void recall()
    {
        QFETCH(QVariantList, prices);
        QFETCH(bool, bull);
        QFETCH(bool, wave1);
        QFETCH(QString, label);
        insertRow("IBM", prices);
        f->window->LoadWatchList();
        f->chooseMarket(!bull); // the other direction and basis first, so the recall has to change both
        if (wave1)
            f->click("cmdUseWave");
        MessageBoxWatcher messages;
        pick(0);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(f->window->waveState().bBullMarket, bull);
        QCOMPARE(f->get<QRadioButton>("optUse1")->isChecked(), wave1);
        QCOMPARE(f->prices(), prices[0].toString() + u'|' + prices[wave1 ? 1 : 2].toString());
        const QString name = label.section(u'=', 0, 0);
        QVERIFY2(f->shown(name) && name + u'=' + f->text(name) == label, qPrintable(f->text(name)));
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
        QTest::addColumn<QString>("how");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rowsLeft");
        const QString sure = QStringLiteral("Are you sure you want to delete symbol 'IBM'?");
        QTest::newRow("picked, then edited") << "edited" << QMessageBox::Ok << "Select a symbol to delete first." << 2;
        QTest::newRow("typed as an entry reads") << "typed" << QMessageBox::Ok << "Select a symbol to delete first." << 2;
        QTest::newRow("answered No") << "picked" << QMessageBox::No << sure << 2;
        QTest::newRow("answered Yes") << "picked" << QMessageBox::Yes << sure << 1;
        QTest::newRow("row deleted elsewhere") << "vanished" << QMessageBox::Ok << "Symbol 'IBM' not found." << 1;
    }
    void deleteSymbol()
    {
        QFETCH(QString, how);
        QFETCH(QMessageBox::StandardButton, answer);
        const qint64 first = insertRow("IBM");
        insertRow("MSFT");
        f->window->LoadWatchList();
        const QStringList before = entries();
        f->chooseMarket(true);
        pick(0);
        if (how == u"edited")
            QTest::keyClick(f->symbols()->lineEdit(), Qt::Key_Backspace);
        if (how == u"typed") { // the box matches the text to its entry when it loses the focus
            typeSymbol(before.first());
            f->start()->setFocus();
        }
        else if (how == u"vanished")
            QVERIFY(rawExec(db, "DELETE FROM tblSymbols WHERE ID = ?", {first}));

        MessageBoxWatcher messages({answer});
        f->click("cmdAction_1");
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().title, "Delete Symbol");
        QTEST(messages.last().text, "text");
        QCOMPARE(messages.last().icon, how == u"vanished" ? QMessageBox::Critical : QMessageBox::Information);
        const bool confirm = answer != QMessageBox::Ok;
        QCOMPARE(messages.last().buttons, confirm ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        QCOMPARE(messages.last().defaultButton, confirm ? QMessageBox::No : QMessageBox::Ok);
        QTEST(count(), "rowsLeft");
        QCOMPARE(entries(), answer == QMessageBox::Yes ? before.mid(1) : before);
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
            insertRow(QStringLiteral("S%1").arg(i), {10 + i, 50, 70}, "2001-01-15", "15:04:05", Ids[i]);
        f->window->LoadWatchList();
        f->chooseMarket(true);
        const int entry = int(Ids.indexOf(id));
        pick(entry);
        QCOMPARE(f->start()->text(), QString::number(10 + entry));
        MessageBoxWatcher messages({QMessageBox::Yes});
        f->click("cmdAction_1");
        QVariantList left(Ids.begin(), Ids.end());
        left.removeAt(entry);
        QCOMPARE(rawQuery(db, "SELECT ID FROM tblSymbols ORDER BY ID"), left);
    }

    // Rows deleted in the report leave the watch list at once; the pick stays on its row.
    void reportDeletesLeaveTheList()
    {
        for (const char *symbol : {"AAA", "BBB", "CCC", "DDD"})
            insertRow(symbol, {10, 20, 27.5}, QDate::currentDate().toString(Qt::ISODate));
        f->window->LoadWatchList();
        f->chooseMarket(true);
        pick(3);
        QTimer::singleShot(0, this, [] {
            QWidget *report = QApplication::activeModalWidget();
            auto *list = report->findChild<QTreeView *>("ListView1");
            for (int row : {0, 1}) // AAA and BBB
                list->selectionModel()->setCurrentIndex(list->model()->index(row, 1),
                                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
            MessageBoxWatcher yes({QMessageBox::Yes});
            report->findChild<QToolButton *>("cmdDelete")->click();
            report->close();
        });
        f->click("cmdAction_2");
        QVERIFY2(entries()[1].startsWith("DDD ") && picked() == entries()[1], qPrintable(picked()));
    }

    // A file that cannot be written opens, says so in the title, and refuses
    // saving and deleting with the Watch List message.
    void readOnlyFile()
    {
        insertRow("IBM");
        f->window.reset();
        ReadOnlyFile locked(db);
        if (!locked.isValid())
            QSKIP("This file system lets this user write any file.");
        f->window = std::make_unique<frmOndara>();
        f->window->LoadStore();
        f->window->show();
        QVERIFY(f->ready());
        QCOMPARE(f->window->windowTitle(), "Ondara - saved calculations can be read but not written");
        const QByteArray bytes = fileBytes(db);
        MessageBoxWatcher messages;
        f->calculate(true, "10", "20");
        typeSymbol("NEW");
        f->click("cmdAction_0");
        pick(0);
        f->click("cmdAction_1");
        const QString reason = QStringLiteral("() - Error #3027 The file ondara.mdb in %1 can be read but not written.")
                                   .arg(QDir::toNativeSeparators(QDir::currentPath()));
        QCOMPARE(messages.count(), 2);
        QCOMPARE(messages.at(0).title + u'|' + messages.at(0).text, "Watch List|AddSymbol" + reason);
        QCOMPARE(messages.at(1).title + u'|' + messages.at(1).text, "Watch List|DeleteSymbol" + reason);
        QCOMPARE(fileBytes(db), bytes);
        QCOMPARE(entries().size(), 1);
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
        f->calculate(true, "10", "20");
        for (const QString symbol : {"A", "B100X", "C"}) {
            typeSymbol(symbol);
            f->click("cmdAction_0");
            QVERIFY2(picked().startsWith(symbol + u' '), qPrintable(picked()));
        }
        for (QAbstractItemModel *list = f->symbols()->model(); list->canFetchMore({});)
            list->fetchMore({});
        QVariantList listed;
        for (const QString &entry : entries())
            listed += entry.section(u' ', 0, 0);
        QCOMPARE(listed, rawQuery(db, "SELECT Symbol FROM tblSymbols ORDER BY Symbol, Date DESC, Time DESC, ID"));
    }
};

QTEST_MAIN(TestWatchList)
#include "tst_watchlist.moc"
