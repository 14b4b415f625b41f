#include "MessageBoxWatcher.h"
#include "RecordSet.h"
#include "ReportFixture.h"
#include "SymbolReportPrinter.h"
#include "frmPrint.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>
#include <QTreeView>

using namespace ondara;
using reportfixture::Row;
using reportfixture::row;

namespace {

const QDate Today = QDate::currentDate();

template<typename T>
T *control(const QWidget &form, const char *name)
{
    T *found = form.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QString monthDayYear(QDate date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

QString dayQuery(QDate from, QDate to, const QString &rest)
{
    return QStringLiteral("SELECT * FROM tblSymbols WHERE Date >= #%1# AND Date <= #%2# AND %3")
        .arg(monthDayYear(from), monthDayYear(to), rest);
}

const QString AllDay = QStringLiteral("Time >= #12:00:00 AM# AND Time <= #23:59:59#");

QList<qint64> listedIds(const frmPrint &form)
{
    const QAbstractItemModel *rows = control<QTreeView>(form, "ListView1")->model();
    QList<qint64> ids;
    for (int i = 0; i < rows->rowCount(); ++i)
        ids += rows->index(i, 0).data().toLongLong();
    return ids;
}

QStringList listedSymbols(const frmPrint &form, bool selectedOnly = false)
{
    const auto *list = control<QListWidget>(form, "lstSelectSymbols");
    QStringList symbols;
    for (int i = 0; i < list->count(); ++i) {
        if (!selectedOnly || list->item(i)->isSelected())
            symbols += list->item(i)->text();
    }
    return symbols;
}

void clickSymbol(const frmPrint &form, const QString &symbol)
{
    auto *list = control<QListWidget>(form, "lstSelectSymbols");
    const QList<QListWidgetItem *> found = list->findItems(symbol, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

void clickRow(const frmPrint &form, int row, Qt::KeyboardModifiers modifiers = {})
{
    auto *list = control<QTreeView>(form, "ListView1");
    // Column 0 is the hidden ID; the click lands on the symbol.
    const QModelIndex cell = list->model()->index(row, 1);
    list->scrollTo(cell);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualRect(cell).center());
}

// Opens the picker's drop-down calendar with a click on its arrow, presses
// keys in it and lets the events that its closing queues run.
void useCalendar(QDateEdit *picker, const QList<Qt::Key> &keys)
{
    QStyleOptionComboBox arrow;
    arrow.initFrom(picker);
    arrow.editable = true;
    arrow.subControls = QStyle::SC_All;
    const QRect arrowRect =
        picker->style()->subControlRect(QStyle::CC_ComboBox, &arrow, QStyle::SC_ComboBoxArrow, picker);
    QTest::mouseClick(picker, Qt::LeftButton, {}, arrowRect.center());
    QCalendarWidget *calendar = picker->calendarWidget();
    QTRY_VERIFY(calendar->isVisible());
    for (Qt::Key key : keys) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target && calendar->isAncestorOf(target));
        QTest::keyClick(target, key);
    }
    QTRY_VERIFY(!calendar->isVisible());
    QCoreApplication::processEvents();
}

QStringList selectedIds(const frmPrint &form)
{
    QStringList ids;
    const auto *list = control<QTreeView>(form, "ListView1");
    for (const QModelIndex &row : list->selectionModel()->selectedRows())
        ids += row.data().toString();
    ids.sort();
    return ids;
}

// A form over a fresh folder: the fixture rows are written before it loads.
struct Report
{
    explicit Report(const QList<Row> &rows)
    {
        folder.insert(rows);
        form = std::make_unique<frmPrint>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    reportfixture::Folder folder;
    std::unique_ptr<frmPrint> form;
};

QList<Row> standardRows()
{
    return {
        row(1, "MSFT", Today, QTime(9, 30)),
        row(2, "IBM", Today, QTime(0, 0, 0)),
        row(3, "IBM", Today, QTime(23, 59, 59)),
        row(4, "O'NEIL", Today, QTime(16, 0)),
        row(5, QStringLiteral("NESTLÉ"), Today, QTime(22, 0)),
        row(6, "IBM", Today.addDays(-1), QTime(12, 0)),
        row(7, "MSFT", Today.addDays(1), QTime(12, 0)),
    };
}

qint64 storedRows(const reportfixture::Folder &folder)
{
    const auto all = RecordSet::open(folder.db(), QStringLiteral("SELECT * FROM tblSymbols ORDER BY ID;"));
    return all->recordCount();
}

} // namespace

class TestReportWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void controlsAtStart_data();
    void controlsAtStart();
    void loadsFirstQuery();
    void rebuildingEvents_data();
    void rebuildingEvents();
    void typedDateWaitsForNextRebuild();
    void calendarClosedWithoutNewDate();
    void fromDateAfterToDate();
    void symbolSelectionSurvivesRebuild();
    void listShowsValues_data();
    void listShowsValues();
    void listsEveryRowPast16Bits();
    void selectAllToggles();
    void oneRowButtons();
    void deleteRefusals_data();
    void deleteRefusals();
    void deletesSelectedRows();
    void printFromWindow_data();
    void printFromWindow();
    void printModes();
};

namespace {

QtMessageHandler g_testHandler = nullptr;

// The headless platform says so whenever a window asks for something only a
// real screen gives; that is not news in a test.
void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        g_testHandler(type, context, message);
}

} // namespace

void TestReportWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    g_testHandler = qInstallMessageHandler(quietPlatform);
}

void TestReportWindow::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestReportWindow::controlsAtStart_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("visible");

    QTest::newRow("fraShow") << QByteArray("fraShow") << "Show" << true << true;
    QTest::newRow("fraDate") << QByteArray("fraDate") << "Date" << true << true;
    QTest::newRow("lblDateFrom") << QByteArray("lblDateFrom") << "From:" << true << true;
    QTest::newRow("lblDateTo") << QByteArray("lblDateTo") << "To:" << true << true;
    QTest::newRow("fraTime") << QByteArray("fraTime") << "Time" << true << true;
    QTest::newRow("lblTimeFrom") << QByteArray("lblTimeFrom") << "From:" << true << true;
    QTest::newRow("lblTimeTo") << QByteArray("lblTimeTo") << "To:" << true << true;
    QTest::newRow("lblSymbols") << QByteArray("lblSymbols") << "Symbols:" << true << true;
    QTest::newRow("fraSortBy") << QByteArray("fraSortBy") << "Sort By" << true << true;
    QTest::newRow("optSortDate") << QByteArray("optSortDate") << "Date" << true << true;
    QTest::newRow("optSortSymbol") << QByteArray("optSortSymbol") << "Symbol" << true << true;
    QTest::newRow("fraPrint") << QByteArray("fraPrint") << "Print" << true << true;
    QTest::newRow("optChart") << QByteArray("optChart") << "&Chart" << true << true;
    QTest::newRow("optSymbols") << QByteArray("optSymbols") << "&Symbols" << true << true;
    // Picture buttons: the text is the tool tip, which is also the accessible name.
    QTest::newRow("cmdSelectAll") << QByteArray("cmdSelectAll") << "Select All" << true << true;
    QTest::newRow("cmdDelete") << QByteArray("cmdDelete") << "Delete Symbol" << true << true;
    QTest::newRow("cmdPrint") << QByteArray("cmdPrint") << "Print Symbols" << false << true;
    QTest::newRow("cmdSave") << QByteArray("cmdSave") << "Save Chart" << false << true;
    QTest::newRow("picChart") << QByteArray("picChart") << "" << true << false;
    QTest::newRow("ListView1") << QByteArray("ListView1") << "" << true << true;
}

void TestReportWindow::controlsAtStart()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QFETCH(bool, visible);

    Report report(standardRows());
    const QWidget *widget = control<QWidget>(*report.form, name.constData());
    QCOMPARE(widget->isEnabled(), enabled);
    QCOMPARE(widget->isVisible(), visible);
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget)) {
        QCOMPARE(frame->title(), text);
    } else if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        QCOMPARE(label->text(), text);
    } else if (const auto *option = qobject_cast<const QRadioButton *>(widget)) {
        QCOMPARE(option->text(), text);
    } else if (const auto *button = qobject_cast<const QToolButton *>(widget)) {
        QCOMPARE(button->toolTip(), text);
        QCOMPARE(button->accessibleName(), text);
        QCOMPARE(button->size(), QSize(25, 25));
        QVERIFY(button->text().isEmpty() || !button->icon().isNull());
        QVERIFY(!button->icon().isNull());
    }
}

void TestReportWindow::loadsFirstQuery()
{
    Report report(standardRows());
    const frmPrint &form = *report.form;
    QCOMPARE(form.objectName(), QStringLiteral("frmPrint"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Print Symbols"));
    QCOMPARE(control<QDateEdit>(form, "dtpDateFrom")->date(), Today);
    QCOMPARE(control<QDateEdit>(form, "dtpDateTo")->date(), Today);
    QVERIFY(control<QDateEdit>(form, "dtpDateFrom")->calendarPopup());
    QCOMPARE(control<QTimeEdit>(form, "dtpTimeFrom")->time(), QTime(0, 0, 0));
    QCOMPARE(control<QTimeEdit>(form, "dtpTimeTo")->time(), QTime(23, 59, 59));
    QCOMPARE(control<QTimeEdit>(form, "dtpTimeFrom")->text(), QStringLiteral("12:00:00 AM"));
    QCOMPARE(control<QTimeEdit>(form, "dtpTimeTo")->text(), QStringLiteral("11:59:59 PM"));
    QCOMPARE(control<QDateEdit>(form, "dtpDateTo")->text(), monthDayYear(Today));
    QVERIFY(control<QRadioButton>(form, "optSortSymbol")->isChecked());
    QVERIFY(control<QRadioButton>(form, "optSymbols")->isChecked());
    QVERIFY(!control<QLabel>(form, "picChart")->pixmap().isNull());

    // Sorted by symbol, date and time ascending, though "Symbol" shows as the choice.
    QCOMPARE(form.mstrOldSQL, dayQuery(Today, Today, AllDay + " ORDER BY Symbol, Date, Time;"));
    QCOMPARE(listedIds(form), (QList<qint64>{2, 3, 1, 5, 4}));
    QCOMPARE(listedSymbols(form), (QStringList{"IBM", "MSFT", QStringLiteral("NESTLÉ"), "O'NEIL"}));
    QVERIFY(listedSymbols(form, true).isEmpty());

    const auto *list = control<QTreeView>(form, "ListView1");
    QCOMPARE(list->model()->columnCount(), 10);
    QStringList headings;
    for (int i = 0; i < list->model()->columnCount(); ++i)
        headings += list->model()->headerData(i, Qt::Horizontal).toString();
    QCOMPARE(headings, (QStringList{"ID", "Symbol", "Date", "Time", "W1Start", "W1End", "W3Target", "W3Ext",
                                    "W5Target", "W5Ext"}));
    QVERIFY(list->isColumnHidden(0));
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(control<QListWidget>(form, "lstSelectSymbols")->selectionMode(), QAbstractItemView::MultiSelection);
}

// Each filter event rebuilds the text and lists the rows it selects. The steps
// are what the user does: pick times, click symbols, click a sort option.
void TestReportWindow::rebuildingEvents_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expectedQuery");
    QTest::addColumn<QList<qint64>>("expectedIds");

    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QString nightTimes = QStringLiteral("(Time >= #10:00:00 PM# OR Time <= #02:00:00#)");

    QTest::newRow("From time")
        << us << QStringList{"timeFrom 09:30:00"}
        << dayQuery(Today, Today, "Time >= #9:30:00 AM# AND Time <= #23:59:59# ORDER BY Symbol, Date, Time;")
        << QList<qint64>{3, 1, 5, 4};
    QTest::newRow("window wraps past midnight")
        << us << QStringList{"timeFrom 22:00:00", "timeTo 02:00:00"}
        << dayQuery(Today, Today, nightTimes + " ORDER BY Symbol, Date, Time;") << QList<qint64>{2, 3, 5};
    QTest::newRow("wrapping window keeps symbols")
        << us << QStringList{"timeFrom 22:00:00", "timeTo 02:00:00", "symbol IBM"}
        << dayQuery(Today, Today, nightTimes + " AND Symbol IN ('IBM') ORDER BY Symbol, Date, Time;")
        << QList<qint64>{2, 3};
    QTest::newRow("two symbols in list order")
        << us << QStringList{"symbol O'NEIL", "symbol IBM"}
        << dayQuery(Today, Today, AllDay + " AND Symbol IN ('IBM','O''NEIL') ORDER BY Symbol, Date, Time;")
        << QList<qint64>{2, 3, 4};
    QTest::newRow("symbol clicked twice is dropped")
        << us << QStringList{"symbol MSFT", "symbol MSFT"}
        << dayQuery(Today, Today, AllDay + " ORDER BY Symbol, Date, Time;") << QList<qint64>{2, 3, 1, 5, 4};
    QTest::newRow("sort by date")
        << us << QStringList{"sort optSortDate"}
        << dayQuery(Today, Today, AllDay + " ORDER BY Date DESC, Time DESC, Symbol;") << QList<qint64>{3, 5, 4, 1, 2};
    QTest::newRow("sort by symbol")
        << us << QStringList{"sort optSortSymbol"}
        << dayQuery(Today, Today, AllDay + " ORDER BY Symbol, Date DESC, Time DESC;") << QList<qint64>{3, 2, 1, 5, 4};
    // The same text and the same rows however the locale writes its dates.
    for (const auto &[name, locale] : {std::pair{"a week, by date", us}, std::pair{"a week, British", british},
                                       std::pair{"a week, German", german}}) {
        QTest::newRow(name) << locale << QStringList{"dateFrom -3", "dateTo 3", "sort optSortDate"}
                            << dayQuery(Today.addDays(-3), Today.addDays(3),
                                        AllDay + " ORDER BY Date DESC, Time DESC, Symbol;")
                            << QList<qint64>{7, 3, 5, 4, 1, 2, 6};
    }
    QTest::newRow("wrapping window, British")
        << british << QStringList{"timeFrom 22:00:00", "timeTo 02:00:00"}
        << dayQuery(Today, Today, nightTimes + " ORDER BY Symbol, Date, Time;") << QList<qint64>{2, 3, 5};
}

void TestReportWindow::rebuildingEvents()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, steps);
    QFETCH(QString, expectedQuery);
    QFETCH(QList<qint64>, expectedIds);

    QLocale::setDefault(locale);
    Report report(standardRows());
    frmPrint &form = *report.form;
    for (const QString &step : steps) {
        const QString what = step.section(QLatin1Char(' '), 0, 0);
        const QString value = step.section(QLatin1Char(' '), 1);
        if (what == QLatin1String("timeFrom")) {
            control<QTimeEdit>(form, "dtpTimeFrom")->setTime(QTime::fromString(value, Qt::ISODate));
        } else if (what == QLatin1String("timeTo")) {
            control<QTimeEdit>(form, "dtpTimeTo")->setTime(QTime::fromString(value, Qt::ISODate));
        } else if (what == QLatin1String("symbol")) {
            clickSymbol(form, value);
        } else if (what == QLatin1String("sort")) {
            QTest::mouseClick(control<QRadioButton>(form, value.toLatin1().constData()), Qt::LeftButton);
        } else if (what == QLatin1String("dateFrom") || what == QLatin1String("dateTo")) {
            // Days forward or back in the drop-down calendar, then Enter picks the day.
            auto *picker = control<QDateEdit>(form, what == QLatin1String("dateFrom") ? "dtpDateFrom" : "dtpDateTo");
            const int days = value.toInt();
            useCalendar(picker, QList<Qt::Key>(qAbs(days), days < 0 ? Qt::Key_Left : Qt::Key_Right)
                                    << Qt::Key_Return);
            QCOMPARE(picker->date(), Today.addDays(days));
        } else {
            QFAIL(qPrintable(step));
        }
    }
    QCOMPARE(form.mstrOldSQL, expectedQuery);
    QCOMPARE(listedIds(form), expectedIds);
}

void TestReportWindow::typedDateWaitsForNextRebuild()
{
    Report report(standardRows());
    frmPrint &form = *report.form;
    const QString atStart = form.mstrOldSQL;
    auto *from = control<QDateEdit>(form, "dtpDateFrom");
    from->setFocus();
    from->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClick(from, Qt::Key_Down);
    QCOMPARE(from->date(), Today.addDays(-1));
    QCOMPARE(form.mstrOldSQL, atStart);
    QCOMPARE(listedIds(form), (QList<qint64>{2, 3, 1, 5, 4}));

    QTest::mouseClick(control<QRadioButton>(form, "optSortDate"), Qt::LeftButton);
    QCOMPARE(form.mstrOldSQL,
             dayQuery(Today.addDays(-1), Today, AllDay + " ORDER BY Date DESC, Time DESC, Symbol;"));
    QCOMPARE(listedIds(form), (QList<qint64>{3, 5, 4, 1, 2, 6}));
}

// Closing the calendar without choosing gives the same text: the record set is
// not reopened (a row deleted behind its back still shows) and the list keeps
// its selection.
void TestReportWindow::calendarClosedWithoutNewDate()
{
    Report report(standardRows());
    frmPrint &form = *report.form;
    const QString atStart = form.mstrOldSQL;
    clickRow(form, 1);
    report.folder.db()->inTransaction([&] {
        QSqlQuery remove = report.folder.db()->prepare(QStringLiteral("DELETE FROM tblSymbols WHERE ID = 2"));
        report.folder.db()->exec(remove);
    });

    MessageBoxWatcher watcher;
    useCalendar(control<QDateEdit>(form, "dtpDateFrom"), {Qt::Key_Escape});
    useCalendar(control<QDateEdit>(form, "dtpDateTo"), {Qt::Key_Return});
    QVERIFY(watcher.seen.isEmpty());
    QCOMPARE(form.mstrOldSQL, atStart);
    QCOMPARE(listedIds(form), (QList<qint64>{2, 3, 1, 5, 4}));
    QCOMPARE(selectedIds(form), QStringList{"3"});

    // Writing "" to the text, as the calculator window does, makes the same text reopen.
    form.mstrOldSQL.clear();
    useCalendar(control<QDateEdit>(form, "dtpDateFrom"), {Qt::Key_Escape});
    QCOMPARE(form.mstrOldSQL, atStart);
    QCOMPARE(listedIds(form), (QList<qint64>{3, 1, 5, 4}));
}

void TestReportWindow::fromDateAfterToDate()
{
    Report report(standardRows());
    frmPrint &form = *report.form;
    auto *from = control<QDateEdit>(form, "dtpDateFrom");
    auto *to = control<QDateEdit>(form, "dtpDateTo");

    // Accept a From date two days back; that is the one to return to.
    useCalendar(from, {Qt::Key_Left, Qt::Key_Left, Qt::Key_Return});
    const QString accepted = form.mstrOldSQL;
    QCOMPARE(accepted, dayQuery(Today.addDays(-2), Today, AllDay + " ORDER BY Symbol, Date, Time;"));
    clickRow(form, 0);

    MessageBoxWatcher watcher;
    watcher.answer(QMessageBox::Ok);
    useCalendar(to, {Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Return});
    QCOMPARE(watcher.seen.size(), 1);
    QCOMPARE(watcher.seen[0].title, QStringLiteral("Invalid To Date"));
    QCOMPARE(watcher.seen[0].text, QStringLiteral("The To Date must be greater than the From Date."));
    QCOMPARE(watcher.seen[0].icon, QMessageBox::Information);
    QCOMPARE(watcher.seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(from->date(), Today.addDays(-2));
    QCOMPARE(to->date(), Today.addDays(-3));
    QCOMPARE(form.mstrOldSQL, accepted);
    QCOMPARE(selectedIds(form).size(), 1);

    // Equal dates pass; the text differs from the last accepted one, so it reopens.
    useCalendar(to, {Qt::Key_Right, Qt::Key_Return});
    QCOMPARE(watcher.seen.size(), 1);
    QCOMPARE(form.mstrOldSQL,
             dayQuery(Today.addDays(-2), Today.addDays(-2), AllDay + " ORDER BY Symbol, Date, Time;"));
    QVERIFY(listedIds(form).isEmpty());

    // Back to the last accepted text: it is compared with the open one, not the refused one.
    useCalendar(to, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Return});
    QCOMPARE(form.mstrOldSQL, accepted);
    QCOMPARE(listedIds(form), (QList<qint64>{6, 2, 3, 1, 5, 4}));
}

void TestReportWindow::symbolSelectionSurvivesRebuild()
{
    Report report(standardRows());
    frmPrint &form = *report.form;
    clickSymbol(form, "MSFT");
    clickSymbol(form, "O'NEIL");
    QTest::mouseClick(control<QRadioButton>(form, "optSortDate"), Qt::LeftButton);
    control<QTimeEdit>(form, "dtpTimeTo")->setTime(QTime(20, 0));
    QCOMPARE(listedSymbols(form, true), (QStringList{"MSFT", "O'NEIL"}));
    QCOMPARE(form.mstrOldSQL,
             dayQuery(Today, Today, "Time >= #12:00:00 AM# AND Time <= #20:00:00# AND Symbol IN ('MSFT','O''NEIL') "
                                    "ORDER BY Date DESC, Time DESC, Symbol;"));
    QCOMPARE(listedIds(form), (QList<qint64>{4, 1}));
}

void TestReportWindow::listShowsValues_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("full");
    QTest::addColumn<QStringList>("nulls");
    QTest::newRow("US") << QLocale(QLocale::English, QLocale::UnitedStates)
                        << QStringList{"1", "IBM", monthDayYear(Today), "3:04:05 PM", "12.5", "1234.56",
                                       "100", "0.25", "40000", "7"}
                        << QStringList{"2", "", "", "", "", "", "", "", "", ""};
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany)
                            << QStringList{"1", "IBM", Today.toString(QStringLiteral("dd.MM.yyyy")), "15:04:05",
                                           "12,5", "1234,56", "100", "0,25", "40000", "7"}
                            << QStringList{"2", "", "", "", "", "", "", "", "", ""};
}

void TestReportWindow::listShowsValues()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, full);
    QFETCH(QStringList, nulls);
    QLocale::setDefault(locale);
    Report report({Row{1, "IBM", Today, QTime(15, 4, 5), 12.5, 1234.56, 100.0, 0.25, 40000.0, 7.0}, Row{2}});
    frmPrint &form = *report.form;

    // A row without a date or time is outside every range; only the unfiltered query shows it.
    const auto records = RecordSet::open(report.folder.db(), QStringLiteral("SELECT * FROM tblSymbols ORDER BY ID;"));
    auto *list = control<QTreeView>(form, "ListView1");
    frmPrint::FillListView(*list, *records);
    QCOMPARE(list->model()->rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        QStringList cells;
        for (int column = 0; column < list->model()->columnCount(); ++column)
            cells += list->model()->index(row, column).data().toString();
        QCOMPARE(cells, row == 0 ? full : nulls);
    }
    QVERIFY(list->isColumnHidden(0));
    QVERIFY(!records->eof());
    QCOMPARE(records->field(QStringLiteral("ID")).toLongLong(), 1);
}

void TestReportWindow::listsEveryRowPast16Bits()
{
    QList<Row> rows;
    for (int i = 1; i <= 40000; ++i)
        rows += row(i, QStringLiteral("S%1").arg(i % 50), Today, QTime(i % 24, i % 60, 0));
    Report report(rows);
    const QList<qint64> ids = listedIds(*report.form);
    QCOMPARE(ids.size(), 40000);
    QCOMPARE(QSet<qint64>(ids.begin(), ids.end()).size(), 40000);
    QCOMPARE(listedSymbols(*report.form).size(), 50);
}

void TestReportWindow::selectAllToggles()
{
    Report report(standardRows());
    frmPrint &form = *report.form;
    auto *selectAll = control<QToolButton>(form, "cmdSelectAll");
    auto *remove = control<QToolButton>(form, "cmdDelete");
    auto *list = control<QTreeView>(form, "ListView1");
    const QStringList expectedTips{"Deselect All", "Select All", "Deselect All"};
    for (int click = 0; click < 3; ++click) {
        QTest::mouseClick(selectAll, Qt::LeftButton);
        const bool selecting = click % 2 == 0;
        QCOMPARE(selectAll->toolTip(), expectedTips[click]);
        QCOMPARE(selectAll->accessibleName(), expectedTips[click]);
        QCOMPARE(selectedIds(form).size(), selecting ? 5 : 0);
        QCOMPARE(QApplication::focusWidget(), selecting ? static_cast<QWidget *>(list) : selectAll);
        QVERIFY(remove->isEnabled());
    }
    // A refill leaves the tool tip as it was.
    QTest::mouseClick(control<QRadioButton>(form, "optSortDate"), Qt::LeftButton);
    QCOMPARE(selectAll->toolTip(), QStringLiteral("Deselect All"));
}

void TestReportWindow::oneRowButtons()
{
    Report report({row(1, "IBM", Today, QTime(12, 0))});
    frmPrint &form = *report.form;
    auto *selectAll = control<QToolButton>(form, "cmdSelectAll");
    auto *remove = control<QToolButton>(form, "cmdDelete");
    QVERIFY(!selectAll->isEnabled());
    QVERIFY(!remove->isEnabled());
    clickRow(form, 0);
    QVERIFY(selectAll->isEnabled());
    QVERIFY(remove->isEnabled());
    QTest::mouseClick(selectAll, Qt::LeftButton);
    QVERIFY(!remove->isEnabled());
}

void TestReportWindow::deleteRefusals_data()
{
    QTest::addColumn<bool>("withRows");
    QTest::addColumn<QString>("select");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::newRow("no rows") << false << "" << "There are no items to delete." << QMessageBox::Information;
    QTest::newRow("nothing selected") << true << "" << "There are no selected items to delete."
                                      << QMessageBox::Information;
    QTest::newRow("focused row not selected") << true << "ctrl-toggle" << "There are no selected items to delete."
                                              << QMessageBox::Information;
    QTest::newRow("answered No") << true << "two" << "Are you sure you want to delete the selected item(s)?"
                                 << QMessageBox::Question;
}

void TestReportWindow::deleteRefusals()
{
    QFETCH(bool, withRows);
    QFETCH(QString, select);
    QFETCH(QString, text);
    QFETCH(QMessageBox::Icon, icon);

    Report report(withRows ? standardRows() : QList<Row>{});
    frmPrint &form = *report.form;
    if (select == QLatin1String("ctrl-toggle")) {
        clickRow(form, 0);
        clickRow(form, 2, Qt::ControlModifier);
        clickRow(form, 2, Qt::ControlModifier);
        QCOMPARE(selectedIds(form).size(), 1);
    } else if (select == QLatin1String("two")) {
        clickRow(form, 0);
        clickRow(form, 2, Qt::ControlModifier);
    }
    const QString query = form.mstrOldSQL;
    const QList<qint64> before = listedIds(form);

    MessageBoxWatcher watcher;
    watcher.answer(icon == QMessageBox::Question ? QMessageBox::No : QMessageBox::Ok);
    control<QToolButton>(form, "cmdDelete")->setEnabled(true);
    QTest::mouseClick(control<QToolButton>(form, "cmdDelete"), Qt::LeftButton);
    QCOMPARE(watcher.seen.size(), 1);
    QCOMPARE(watcher.seen[0].title, QStringLiteral("Delete Symbols"));
    QCOMPARE(watcher.seen[0].text, text);
    QCOMPARE(watcher.seen[0].icon, icon);
    if (icon == QMessageBox::Question) {
        QCOMPARE(watcher.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(watcher.seen[0].defaultButton, QMessageBox::No);
    } else {
        QCOMPARE(watcher.seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(storedRows(report.folder), withRows ? 7 : 0);
    QCOMPARE(listedIds(form), before);
    QCOMPARE(form.mstrOldSQL, query);
}

// A row whose ID is past 16 bits is the one deleted (65541 is 5 in 16 bits),
// a quoted symbol goes with its last row, and the text stays as it was.
void TestReportWindow::deletesSelectedRows()
{
    QList<Row> rows = standardRows();
    rows += row(65541, "ZZ", Today, QTime(13, 0));
    Report report(rows);
    frmPrint &form = *report.form;
    clickSymbol(form, "IBM");
    clickSymbol(form, "O'NEIL");
    clickSymbol(form, "ZZ");
    const QString query = form.mstrOldSQL;
    QCOMPARE(listedIds(form), (QList<qint64>{2, 3, 4, 65541}));

    clickRow(form, 1);
    clickRow(form, 2, Qt::ControlModifier);
    clickRow(form, 3, Qt::ControlModifier);
    MessageBoxWatcher watcher;
    watcher.answer(QMessageBox::Yes);
    QTest::mouseClick(control<QToolButton>(form, "cmdDelete"), Qt::LeftButton);
    QCOMPARE(watcher.seen.size(), 1);

    QCOMPARE(listedIds(form), (QList<qint64>{2}));
    QCOMPARE(storedRows(report.folder), 5);
    const auto left = RecordSet::open(report.folder.db(), QStringLiteral("SELECT * FROM tblSymbols ORDER BY ID;"));
    QList<qint64> ids;
    for (; !left->eof(); left->moveNext())
        ids += left->field(QStringLiteral("ID")).toLongLong();
    QCOMPARE(ids, (QList<qint64>{1, 2, 5, 6, 7}));
    QCOMPARE(form.mstrOldSQL, query);
    QCOMPARE(listedSymbols(form), (QStringList{"IBM", "MSFT", QStringLiteral("NESTLÉ")}));
    QVERIFY(listedSymbols(form, true).isEmpty());
    QVERIFY(!control<QToolButton>(form, "cmdDelete")->isEnabled());

    // The same text again does not reopen: the list stays as the deletion left it.
    useCalendar(control<QDateEdit>(form, "dtpDateFrom"), {Qt::Key_Escape});
    QCOMPARE(form.mstrOldSQL,
             dayQuery(Today, Today, AllDay + " ORDER BY Symbol, Date, Time;"));
    QCOMPARE(listedIds(form), (QList<qint64>{2, 1, 5}));
}

void TestReportWindow::printFromWindow_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<bool>("withRows");
    QTest::addColumn<QString>("message");
    QTest::newRow("prints") << "pdf" << true << "";
    QTest::newRow("no rows prints nothing") << "pdf" << false << "";
    QTest::newRow("printer fails")
        << "broken" << true << "cmdPrint_Click - Error #9002 The printer could not start the document.";
    QTest::newRow("no printer installed")
        << "system" << true << "cmdPrint_Click - Error #9001 No printer is installed.";
}

void TestReportWindow::printFromWindow()
{
    QFETCH(QString, printer);
    QFETCH(bool, withRows);
    QFETCH(QString, message);
    if (printer == QLatin1String("system") && !QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has a printer installed");

    Report report(withRows ? standardRows() : QList<Row>{});
    frmPrint &form = *report.form;
    const QString pdf = report.folder.filePath(printer == QLatin1String("broken") ? "missing/report.pdf"
                                                                                  : "report.pdf");
    int asked = 0;
    if (printer != QLatin1String("system")) {
        form.setPrinterSource([&] {
            ++asked;
            auto target = std::make_unique<QPrinter>(QPrinter::HighResolution);
            target->setOutputFormat(QPrinter::PdfFormat);
            target->setOutputFileName(pdf);
            return target;
        });
    }
    auto *print = control<QToolButton>(form, "cmdPrint");
    QVERIFY(!print->isEnabled());
    QTest::mouseClick(control<QRadioButton>(form, "optSymbols"), Qt::LeftButton);
    QCOMPARE(print->isEnabled(), withRows);
    print->setEnabled(true);

    MessageBoxWatcher watcher;
    if (!message.isEmpty())
        watcher.answer(QMessageBox::Ok);
    if (printer == QLatin1String("broken"))
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QTest::mouseClick(print, Qt::LeftButton);

    if (message.isEmpty()) {
        QVERIFY(watcher.seen.isEmpty());
        QCOMPARE(QFile::exists(pdf), withRows);
        QCOMPARE(asked, withRows ? 1 : 0);
    } else {
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen[0].title, QStringLiteral("Print Error"));
        QCOMPARE(watcher.seen[0].text, message);
        QCOMPARE(watcher.seen[0].icon, QMessageBox::Critical);
        QVERIFY(form.isVisible());
        QTest::mouseClick(control<QRadioButton>(form, "optSortDate"), Qt::LeftButton);
        QCOMPARE(listedIds(form), (QList<qint64>{3, 5, 4, 1, 2}));
    }
}

void TestReportWindow::printModes()
{
    Report report(standardRows());
    frmPrint &form = *report.form;
    const QString query = form.mstrOldSQL;
    const QList<QByteArray> filters{"lstSelectSymbols", "dtpDateFrom", "dtpDateTo", "dtpTimeFrom", "dtpTimeTo",
                                    "optSortSymbol", "optSortDate"};

    QTest::mouseClick(control<QRadioButton>(form, "optChart"), Qt::LeftButton);
    QCOMPARE(form.windowTitle(), QStringLiteral("Print Chart"));
    QCOMPARE(control<QToolButton>(form, "cmdPrint")->toolTip(), QStringLiteral("Print Chart"));
    for (const QByteArray &name : filters)
        QVERIFY2(!control<QWidget>(form, name.constData())->isEnabled(), name.constData());
    QVERIFY(!control<QToolButton>(form, "cmdSelectAll")->isEnabled());
    QVERIFY(!control<QToolButton>(form, "cmdDelete")->isEnabled());
    QVERIFY(control<QToolButton>(form, "cmdPrint")->isEnabled());
    QVERIFY(control<QToolButton>(form, "cmdSave")->isEnabled());
    QVERIFY(!control<QTreeView>(form, "ListView1")->isVisible());
    QVERIFY(form.picChart()->isVisible());

    QTest::mouseClick(control<QRadioButton>(form, "optSymbols"), Qt::LeftButton);
    QCOMPARE(form.windowTitle(), QStringLiteral("Print Symbols"));
    QCOMPARE(control<QToolButton>(form, "cmdPrint")->toolTip(), QStringLiteral("Print Symbols"));
    for (const QByteArray &name : filters)
        QVERIFY2(control<QWidget>(form, name.constData())->isEnabled(), name.constData());
    QVERIFY(control<QToolButton>(form, "cmdSelectAll")->isEnabled());
    QVERIFY(control<QToolButton>(form, "cmdDelete")->isEnabled());
    QVERIFY(control<QToolButton>(form, "cmdPrint")->isEnabled());
    QVERIFY(!control<QToolButton>(form, "cmdSave")->isEnabled());
    QVERIFY(control<QTreeView>(form, "ListView1")->isVisible());
    QVERIFY(!form.picChart()->isVisible());
    QCOMPARE(form.mstrOldSQL, query);
    QCOMPARE(listedIds(form), (QList<qint64>{2, 3, 1, 5, 4}));
}

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
