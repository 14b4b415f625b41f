#include "CalculatorFixture.h"
#include "MessageBoxWatcher.h"
#include "StoreTestSupport.h"
#include "frmPrint.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>

using namespace storetest;

// The watch list on the calculator window: saving, listing, recalling and
// deleting saved calculations, and what the window shows and keeps when the
// database fails under it.
class TestWatchList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void init()
    {
        f = std::make_unique<CalculatorFixture>();
        QVERIFY(f->ready());
        symbols = f->get<QComboBox>(QStringLiteral("cboSymbols"));
    }
    void cleanup() { f.reset(); }

    void addSymbol_data();
    void addSymbol();
    void entryText_data();
    void entryText();
    void entriesInWatchListOrder();
    void recall_data();
    void recall();
    void recallOfVanishedRowRefillsList();
    void deleteSymbol_data();
    void deleteSymbol();
    void defaultButtonFollowsSymbolBox();
    void failedDatabaseKeepsFileAndList_data();
    void failedDatabaseKeepsFileAndList();
    void printChartOpensReportWindow();

private:
    QString db() const { return f->dir() + QStringLiteral("/ondara.mdb"); }
    QStringList entries() const
    {
        QStringList texts;
        for (int i = 0; i < symbols->count(); ++i)
            texts.append(symbols->itemText(i));
        return texts;
    }
    int insertRow(const QVariantList &values)
    {
        const bool ok = rawExec(db(), QStringLiteral("INSERT INTO tblSymbols (Symbol, Date, Time, W1Start, W1End, "
                                                     "W3Target) VALUES (?, ?, ?, ?, ?, ?)"),
                                values);
        return ok ? rawQuery(db(), QStringLiteral("SELECT max(ID) FROM tblSymbols")).value(0).toInt() : -1;
    }
    // As the user picks an entry from the list.
    void pick(int index)
    {
        symbols->setCurrentIndex(index);
        emit symbols->activated(index);
    }
    void typeSymbol(const QString &text)
    {
        symbols->setFocus();
        symbols->lineEdit()->selectAll();
        for (QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(symbols->lineEdit(), c.toLatin1());
            else // a letter of a keyboard layout the test keys do not have
                QTest::sendKeyEvent(QTest::Click, symbols->lineEdit(), Qt::Key_unknown, QString(c), {});
        }
    }

    std::unique_ptr<CalculatorFixture> f;
    QComboBox *symbols = nullptr;
};

void TestWatchList::addSymbol_data()
{
    QTest::addColumn<bool>("bull");
    QTest::addColumn<bool>("wave1");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: nothing is saved
    QTest::addColumn<QString>("title");  // empty: no message
    QTest::addColumn<QString>("prices"); // W1Start to W5Ext as SQLite writes them

    const QString bull1 = QStringLiteral("10.0 20.0 27.5 30.0 37.5 46.18");
    QTest::newRow("lower case") << true << true << "10" << "20" << "ibm" << "IBM" << "" << bull1;
    QTest::newRow("15 characters") << true << true << "10" << "20" << "abcdefghijklmno" << "ABCDEFGHIJKLMNO" << ""
                                   << bull1;
    QTest::newRow("15 within blanks") << true << true << "10" << "20" << " abcdefghijklmno " << " ABCDEFGHIJKLMNO "
                                      << "" << bull1;
    QTest::newRow("16 characters") << true << true << "10" << "20" << "abcdefghijklmnop" << "" << "Save Symbol"
                                   << "";
    QTest::newRow("15 growing to 16 in upper case")
        << true << true << "10" << "20" << QString::fromUtf8("straßeabcdefghi") << "" << "Save Symbol" << "";
    QTest::newRow("quotes") << true << true << "10" << "20" << "o'neil \"b\"" << "O'NEIL \"B\"" << "" << bull1;
    QTest::newRow("UTF-8 letters") << true << true << "10" << "20" << QString::fromUtf8("äöü€")
                                   << QString::fromUtf8("ÄÖÜ€") << "" << bull1;
    QTest::newRow("wave 3 basis") << true << false << "10" << "20" << "msft" << "MSFT" << ""
                                  << "10.0 0.0 20.0 0.0 27.5 36.18";
    QTest::newRow("bear") << false << true << "20" << "10" << "ibm" << "IBM" << "" << "20.0 10.0 2.5 0.0 0.0 0.0";
    QTest::newRow("empty symbol") << true << true << "10" << "20" << "" << "" << "" << "";
    QTest::newRow("empty end") << true << true << "10" << "" << "ibm" << "" << "" << "";
    QTest::newRow("bull, falling prices") << true << true << "12" << "10" << "ibm" << "" << "Ondara" << "";
    // Calculate refuses these after reading them, so the window variables hold
    // the refused start with the levels of the calculation before.
    QTest::newRow("bear, typed error value") << false << true << "10000000000" << "10" << "ibm" << ""
                                             << "Not a Fraction" << "";
    QTest::newRow("bear, unreadable fraction") << false << true << "5/0" << "10" << "ibm" << "" << "Not a Fraction"
                                               << "";
}

void TestWatchList::addSymbol()
{
    QFETCH(bool, bull);
    QFETCH(bool, wave1);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, title);
    MessageBoxWatcher messages;
    f->chooseMarket(bull);
    if (!wave1)
        f->click(QStringLiteral("cmdUseWave"));
    f->typePrices(bull ? QStringLiteral("10") : QStringLiteral("20"), bull ? QStringLiteral("20") : QStringLiteral("10"));
    f->click(QStringLiteral("cmdCalc"));
    QFETCH(QString, start);
    QFETCH(QString, end);
    f->start()->clear();
    f->end()->clear();
    f->typePrices(start, end);
    typeSymbol(typed);
    f->click(QStringLiteral("cmdAction_0"));

    QCOMPARE(messages.count(), title.isEmpty() ? 0 : 1);
    if (!title.isEmpty())
        QCOMPARE(messages.last().title, title);
    if (title == u"Save Symbol") {
        QCOMPARE(messages.last().text, QStringLiteral("Symbol must be less than or equal to 15 characters long."));
        QCOMPARE(messages.last().icon, QMessageBox::Information);
        QCOMPARE(f->focus(), symbols);
        QCOMPARE(symbols->lineEdit()->selectedText(), typed);
    }
    const QVariantList rows = rawQuery(
        db(), QStringLiteral("SELECT Symbol || '|' || Date || '|' || Time || '|' || W1Start || ' ' || W1End || ' ' "
                             "|| W3Target || ' ' || W3Ext || ' ' || W5Target || ' ' || W5Ext FROM tblSymbols"));
    if (stored.isEmpty()) {
        QCOMPARE(rows, QVariantList());
        QCOMPARE(symbols->count(), 0);
        return;
    }
    QCOMPARE(rows.size(), 1);
    const QStringList row = rows[0].toString().split(u'|');
    QCOMPARE(row[0], stored);
    QTEST(row[3], "prices");

    // The box shows the new entry, picked, and Enter now saves.
    const QDateTime saved(QDate::fromString(row[1], Qt::ISODate), QTime::fromString(row[2], Qt::ISODate));
    QVERIFY(saved.isValid() && qAbs(saved.secsTo(QDateTime::currentDateTime())) < 60);
    const QString entry = stored + QString(16 - stored.trimmed().size(), u' ')
        + QLocale::c().toString(saved, QStringLiteral("M/d/yyyy h:mm:ss AP"));
    QCOMPARE(entries(), QStringList{entry});
    QCOMPARE(symbols->currentText(), entry);
    QCOMPARE(symbols->currentIndex(), 0);
    QCOMPARE(f->window->defaultButton(), f->button(QStringLiteral("cmdAction_0")));
}

void TestWatchList::entryText_data()
{
    QTest::addColumn<QVariant>("symbol");
    QTest::addColumn<QVariant>("date");
    QTest::addColumn<QVariant>("time");
    QTest::addColumn<QString>("entry");
    const QVariant day(QStringLiteral("2001-01-15"));
    const QVariant clock(QStringLiteral("15:04:05"));
    const QVariant null;
    QTest::newRow("saved by the program") << QVariant("IBM") << day << clock << "IBM             1/15/2001 3:04:05 PM";
    QTest::newRow("morning") << QVariant("IBM") << QVariant("2001-12-05") << QVariant("09:07:00")
                             << "IBM             12/5/2001 9:07:00 AM";
    QTest::newRow("blanks around") << QVariant(" IBM ") << day << clock << " IBM              1/15/2001 3:04:05 PM";
    QTest::newRow("15 characters") << QVariant("ABCDEFGHIJKLMNO") << day << clock
                                   << "ABCDEFGHIJKLMNO 1/15/2001 3:04:05 PM";
    QTest::newRow("16 characters") << QVariant("ABCDEFGHIJKLMNOP") << day << clock
                                   << "ABCDEFGHIJKLMNOP1/15/2001 3:04:05 PM";
    QTest::newRow("UTF-8 letters") << QVariant(QString::fromUtf8("ÄÖÜ")) << day << clock
                                   << QString::fromUtf8("ÄÖÜ             1/15/2001 3:04:05 PM");
    QTest::newRow("letter beyond the basic plane") << QVariant(QString::fromUtf8("𝔸BC")) << day << clock
                                                   << QString::fromUtf8("𝔸BC             1/15/2001 3:04:05 PM");
    QTest::newRow("null symbol") << null << day << clock << "                1/15/2001 3:04:05 PM";
    QTest::newRow("null date") << QVariant("IBM") << null << clock << "IBM              3:04:05 PM";
    QTest::newRow("null time") << QVariant("IBM") << day << null << "IBM             1/15/2001 ";
    QTest::newRow("date in another form") << QVariant("IBM") << QVariant("15.01.2001") << clock
                                          << "IBM             15.01.2001 3:04:05 PM";
}

// Rows written by other programs list as well as the program's own.
void TestWatchList::entryText()
{
    QFETCH(QVariant, symbol);
    QFETCH(QVariant, date);
    QFETCH(QVariant, time);
    const int id = insertRow({symbol, date, time, QVariant(), QVariant(), QVariant()});
    MessageBoxWatcher messages;
    f->window->LoadWatchList();
    QTEST(entries().value(0), "entry");
    QCOMPARE(symbols->itemData(0).toInt(), id);
    QCOMPARE(symbols->currentIndex(), -1);
    QCOMPARE(messages.count(), 0);
}

void TestWatchList::entriesInWatchListOrder()
{
    const int old = insertRow({"IBM", "2001-01-15", "15:04:05", 10, 20, 27.5});
    const int earlier = insertRow({"IBM", "2001-01-16", "09:00:00", 10, 20, 27.5});
    const int newest = insertRow({"IBM", "2001-01-16", "10:00:00", 10, 20, 27.5});
    const int other = insertRow({"AAPL", "2000-01-01", "10:00:00", 10, 20, 27.5});
    const int nameless = insertRow({QVariant(), "2000-01-01", "10:00:00", 10, 20, 27.5});
    frmOndara loaded; // its load fills the list
    auto *box = loaded.findChild<QComboBox *>(QStringLiteral("cboSymbols"));
    QList<int> ids;
    for (int i = 0; i < box->count(); ++i)
        ids.append(box->itemData(i).toInt());
    QCOMPARE(ids, (QList<int>{nameless, other, newest, earlier, old}));
    QCOMPARE(box->currentText(), QString());
}

void TestWatchList::recall_data()
{
    QTest::addColumn<QVariant>("w1Start");
    QTest::addColumn<QVariant>("w1End");
    QTest::addColumn<QVariant>("w3Target");
    QTest::addColumn<bool>("bull");
    QTest::addColumn<bool>("wave1");
    QTest::addColumn<QString>("startText");
    QTest::addColumn<QString>("endText");
    QTest::addColumn<QString>("label"); // name=text of a result; empty: no chart drawn
    QTest::addColumn<QString>("title"); // of Calculate's message, if any

    QTest::newRow("wave 1, bull") << QVariant(10) << QVariant(20) << QVariant(27.5) << true << true << "10" << "20"
                                  << "lblTgtWav3Up=27.50" << "";
    QTest::newRow("wave 3, bull") << QVariant(10) << QVariant(0) << QVariant(20) << true << false << "10" << "20"
                                  << "lblWav3High=20.00" << "";
    QTest::newRow("wave 1, bear") << QVariant(20) << QVariant(10) << QVariant(2.5) << false << true << "20" << "10"
                                  << "lblTgtWav3Dn=2.50" << "";
    QTest::newRow("wave 3, bear") << QVariant(20) << QVariant(0) << QVariant(10) << false << false << "20" << "10"
                                  << "lblTgtWav5Dn=2.50" << "";
    QTest::newRow("plain decimals") << QVariant(12.375) << QVariant(20.5) << QVariant(0) << true << true << "12.375"
                                    << "20.5" << "lblStartUp=12.38" << "";
    QTest::newRow("equal prices go bear") << QVariant(10) << QVariant(10) << QVariant(15) << false << true << "10"
                                          << "10" << "" << "Ondara";
    // Rows of other programs.
    QTest::newRow("null end") << QVariant(10) << QVariant() << QVariant(20) << true << false << "10" << "20"
                              << "lblWav3High=20.00" << "";
    QTest::newRow("null start") << QVariant() << QVariant(20) << QVariant(27.5) << true << true << "" << "20" << ""
                                << "";
    QTest::newRow("text for a price") << QVariant("n/a") << QVariant(20) << QVariant(27.5) << true << true << ""
                                      << "20" << "" << "";
    QTest::newRow("negative price") << QVariant(-5) << QVariant(20) << QVariant(27.5) << true << true << "" << "20"
                                    << "" << "";
}

void TestWatchList::recall()
{
    QFETCH(bool, bull);
    QFETCH(bool, wave1);
    QFETCH(QVariant, w1Start);
    QFETCH(QVariant, w1End);
    QFETCH(QVariant, w3Target);
    insertRow({"IBM", "2001-01-15", "15:04:05", w1Start, w1End, w3Target});
    f->window->LoadWatchList();
    // The other direction and basis first, so the recall has to change both.
    f->chooseMarket(!bull);
    if (wave1)
        f->click(QStringLiteral("cmdUseWave"));

    MessageBoxWatcher messages;
    pick(0);
    QFETCH(QString, title);
    QCOMPARE(messages.count(), title.isEmpty() ? 0 : 1);
    if (!title.isEmpty())
        QCOMPARE(messages.last().title, title);
    QCOMPARE(f->window->waveState().bBullMarket, bull);
    QCOMPARE(f->get<QRadioButton>(QStringLiteral("optUse1"))->isChecked(), wave1);
    QTEST(f->start()->text(), "startText");
    QTEST(f->end()->text(), "endText");
    QFETCH(QString, label);
    if (!label.isEmpty()) {
        const QString name = label.section(u'=', 0, 0);
        QCOMPARE(name + u'=' + f->text(name), label);
        QVERIFY(f->shown(name));
    }
    QCOMPARE(symbols->currentIndex(), 0); // the chart stands for the saved symbol

    // The toggle shows the recalled basis, and its next click switches away from it.
    QPushButton *toggle = f->button(QStringLiteral("cmdUseWave"));
    const QString tint = bull ? QString() : QStringLiteral("bear");
    QVERIFY(CalculatorFixture::showsPicture(toggle, QStringLiteral("usewave%1%2.gif").arg(wave1 ? 1 : 3).arg(tint)));
    QCOMPARE(toggle->toolTip(), wave1 ? QStringLiteral("Use Wave 3") : QStringLiteral("Use Wave 1"));
    f->click(QStringLiteral("cmdUseWave"));
    QCOMPARE(f->get<QRadioButton>(QStringLiteral("optUse1"))->isChecked(), !wave1);
    QVERIFY(CalculatorFixture::showsPicture(toggle, QStringLiteral("usewave%1%2.gif").arg(wave1 ? 3 : 1).arg(tint)));
}

void TestWatchList::recallOfVanishedRowRefillsList()
{
    const int gone = insertRow({"AAPL", "2001-01-15", "15:04:05", 10, 20, 27.5});
    const int kept = insertRow({"IBM", "2001-01-15", "15:04:05", 30, 0, 20});
    f->window->LoadWatchList();
    f->calculate(true, QStringLiteral("10"), QStringLiteral("20"));
    QVERIFY(rawExec(db(), QStringLiteral("DELETE FROM tblSymbols WHERE ID = ?"), {gone}));
    const int added = insertRow({"MSFT", "2001-01-15", "15:04:05", 10, 20, 27.5});

    MessageBoxWatcher messages;
    pick(0);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(symbols->count(), 2);
    QCOMPARE((QList<int>{symbols->itemData(0).toInt(), symbols->itemData(1).toInt()}), (QList<int>{kept, added}));
    // Nothing else changes: direction, basis, prices and results stay.
    QVERIFY(f->window->waveState().bBullMarket);
    QVERIFY(f->get<QRadioButton>(QStringLiteral("optUse1"))->isChecked());
    QCOMPARE(f->start()->text(), QStringLiteral("10.00"));
    QCOMPARE(f->end()->text(), QStringLiteral("20.00"));
    QCOMPARE(f->text(QStringLiteral("lblTgtWav3Up")), QStringLiteral("27.50"));
}

void TestWatchList::deleteSymbol_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<int>("rowsLeft");
    const QString select = QStringLiteral("Select a symbol to delete first.");
    const QString sure = QStringLiteral("Are you sure you want to delete symbol '%1'?");
    QTest::newRow("typed, not picked") << "IBM" << "typed" << QMessageBox::Ok << select << QMessageBox::Information
                                       << 2;
    QTest::newRow("picked, then edited") << "IBM" << "edited" << QMessageBox::Ok << select
                                         << QMessageBox::Information << 2;
    QTest::newRow("answered No") << "IBM" << "picked" << QMessageBox::No << sure.arg("IBM")
                                 << QMessageBox::Information << 2;
    QTest::newRow("answered Yes") << "IBM" << "picked" << QMessageBox::Yes << sure.arg("IBM")
                                  << QMessageBox::Information << 1;
    // Only another program saves a symbol this long; the message names its first 15 characters.
    QTest::newRow("long symbol") << "ABCDEFGHIJKLMNOPQ" << "picked" << QMessageBox::Yes
                                 << sure.arg("ABCDEFGHIJKLMNO") << QMessageBox::Information << 1;
    QTest::newRow("row deleted elsewhere") << "IBM" << "vanished" << QMessageBox::Ok
                                           << QStringLiteral("Symbol 'IBM' not found.") << QMessageBox::Critical
                                           << 1;
}

void TestWatchList::deleteSymbol()
{
    QFETCH(QString, symbol);
    QFETCH(QString, how);
    QFETCH(QMessageBox::StandardButton, answer);
    const int first = insertRow({symbol, "2001-01-15", "15:04:05", 10, 20, 27.5});
    insertRow({"MSFT", "2001-01-15", "15:04:05", 10, 20, 27.5});
    f->window->LoadWatchList();
    const QStringList before = entries();
    f->chooseMarket(true);
    if (how == u"typed") {
        typeSymbol(symbol);
    } else {
        pick(0);
        if (how == u"edited")
            QTest::keyClick(symbols->lineEdit(), Qt::Key_Backspace);
        if (how == u"vanished")
            QVERIFY(rawExec(db(), QStringLiteral("DELETE FROM tblSymbols WHERE ID = ?"), {first}));
    }
    // The list is not read again after a deletion: a row added elsewhere stays unlisted.
    insertRow({"ZZZ", "2001-01-15", "15:04:05", 10, 20, 27.5});

    MessageBoxWatcher messages({answer});
    f->click(QStringLiteral("cmdAction_1"));
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().title, QStringLiteral("Delete Symbol"));
    QTEST(messages.last().text, "text");
    QTEST(messages.last().icon, "icon");
    const bool confirm = messages.last().text.startsWith(u"Are you sure");
    QCOMPARE(messages.last().buttons, confirm ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    QCOMPARE(messages.last().defaultButton, confirm ? QMessageBox::No : QMessageBox::Ok);

    QTEST(int(rawQuery(db(), QStringLiteral("SELECT count(*) FROM tblSymbols WHERE Symbol <> 'ZZZ'")).value(0).toInt()),
          "rowsLeft");
    const bool deleted = answer == QMessageBox::Yes;
    QCOMPARE(entries(), deleted ? before.mid(1) : before);
    if (deleted)
        QCOMPARE(symbols->currentIndex(), -1);
}

void TestWatchList::defaultButtonFollowsSymbolBox()
{
    MessageBoxWatcher messages;
    f->chooseMarket(true);
    f->typePrices(QStringLiteral("10"), QStringLiteral("20"));
    QPushButton *calc = f->button(QStringLiteral("cmdCalc"));
    QCOMPARE(f->window->defaultButton(), calc);
    typeSymbol(QStringLiteral("ibm"));
    QCOMPARE(f->window->defaultButton(), f->button(QStringLiteral("cmdAction_0")));
    QTest::keyClick(symbols, Qt::Key_Return);
    QCOMPARE(rawQuery(db(), QStringLiteral("SELECT Symbol FROM tblSymbols")), QVariantList{"IBM"});
    symbols->showPopup(); // the box's own list taking the focus is no leaving
    symbols->hidePopup();
    QCOMPARE(f->window->defaultButton(), f->button(QStringLiteral("cmdAction_0")));
    f->start()->setFocus();
    QCOMPARE(f->window->defaultButton(), calc);
    QCOMPARE(messages.count(), 0);
}

void TestWatchList::failedDatabaseKeepsFileAndList_data()
{
    QTest::addColumn<QByteArray>("lock");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QMessageBox::Icon>("icon");
    // sqlite3 holding a write transaction lets the window read; holding the file exclusively does not.
    const QByteArray writing = "BEGIN IMMEDIATE;\n";
    const QByteArray exclusive = "BEGIN EXCLUSIVE;\n";
    QTest::newRow("add") << writing << "add" << "AddSymbol() - Error #5 " << QMessageBox::Critical;
    QTest::newRow("delete") << writing << "delete" << "DeleteSymbol() - Error #5 " << QMessageBox::Critical;
    QTest::newRow("load") << exclusive << "load" << "LoadWatchList() - Error #5 " << QMessageBox::Information;
    QTest::newRow("recall") << exclusive << "recall" << "cboSymbols() - Error #5: " << QMessageBox::Information;
}

// A file locked by another program costs a bounded wait and one message;
// the file stays as it was and the list goes on showing what it holds.
void TestWatchList::failedDatabaseKeepsFileAndList()
{
    QFETCH(QByteArray, lock);
    QFETCH(QString, action);
    for (int i = 0; i < 3; ++i)
        insertRow({QStringLiteral("SYM%1").arg(i), "2001-01-15", "15:04:05", 10, 20, 27.5});
    f->window->LoadWatchList();
    f->calculate(true, QStringLiteral("10"), QStringLiteral("20"));
    if (action == u"delete")
        pick(0);
    else if (action == u"add")
        typeSymbol(QStringLiteral("NEW"));
    const QStringList before = entries();

    QProcess locker;
    locker.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), db()});
    if (!locker.waitForStarted())
        QSKIP("The sqlite3 program is not installed.");
    locker.write(lock);
    QElapsedTimer wait;
    wait.start();
    while (rawExec(db(), QStringLiteral("BEGIN EXCLUSIVE")) && wait.elapsed() < 10000)
        QTest::qWait(20);
    const QByteArray bytes = fileBytes(db());

    MessageBoxWatcher messages({QMessageBox::Yes});
    QElapsedTimer timer;
    timer.start();
    if (action == u"load")
        f->window->LoadWatchList();
    else if (action == u"recall")
        pick(1);
    else
        f->click(action == u"add" ? QStringLiteral("cmdAction_0") : QStringLiteral("cmdAction_1"));
    QVERIFY2(timer.elapsed() < 10000, "a locked file must cost a bounded wait");
    QCOMPARE(messages.count(), action == u"delete" ? 2 : 1); // Delete asks first
    QCOMPARE(messages.last().title, QStringLiteral("Watch List"));
    QFETCH(QString, text);
    QVERIFY2(messages.last().text.startsWith(text), qPrintable(messages.last().text));
    QTEST(messages.last().icon, "icon");
    QCOMPARE(fileBytes(db()), bytes);
    QCOMPARE(entries(), before);

    locker.closeWriteChannel();
    if (!locker.waitForFinished(5000))
        locker.kill();
    QCOMPARE(rawQuery(db(), QStringLiteral("SELECT count(*) FROM tblSymbols")).value(0).toInt(), before.size());
}

void TestWatchList::printChartOpensReportWindow()
{
    auto *report = f->window->findChild<frmPrint *>();
    QVERIFY(report && !report->isVisible()); // loaded hidden with the window
    f->chooseMarket(true);
    QWidget *shown = nullptr;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&shown] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            shown = modal;
            modal->close();
        }
    });
    closer.start(10);
    f->click(QStringLiteral("cmdAction_2"));
    QCOMPARE(shown, report);
}

QTEST_MAIN(TestWatchList)
#include "tst_watchlist.moc"
