#include <QPushButton> // the watcher reads the default button without including its class

#include "../support/MessageBoxWatcher.h"
#include "ContextHelp.h"
#include "HelpViewer.h"
#include "RecordSet.h"
#include "ReportFixture.h"
#include "SymbolReportPrinter.h"
#include "frmPrint.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QWhatsThis>

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

// The calculator's capture: a picture of the chart's size in the chart box,
// then CentreChart.
QPixmap putChart(frmPrint &form)
{
    QPixmap chart(404, 312);
    chart.fill(Qt::white);
    QPainter painter(&chart);
    painter.fillRect(10, 10, 120, 80, Qt::darkGreen);
    painter.drawText(150, 150, QStringLiteral("Wave 5"));
    painter.end();
    form.picChart()->setPixmap(chart);
    form.CentreChart();
    return chart;
}

// Answers the Save As dialog each time it opens, with the next file name in
// folder or, for "", by cancelling. A dialog that opens once too often is
// cancelled, so the test fails instead of waiting.
class SaveDialogWatcher : public QObject
{
public:
    SaveDialogWatcher(const QString &folder, QStringList choices)
        : m_folder(folder), m_choices(std::move(choices))
    {
        m_timer.callOnTimeout(this, &SaveDialogWatcher::answer);
        m_timer.start(5);
    }

    int opened = 0;
    QString first; // name, mode and filters of the dialog that opened first

private:
    void answer()
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        if (opened++ == 0)
            first = QStringLiteral("%1 %2 %3").arg(dialog->objectName(),
                                                   dialog->acceptMode() == QFileDialog::AcceptSave ? "save" : "open",
                                                   dialog->nameFilters().join(QLatin1Char(';')));
        const QString choice = m_choices.value(opened - 1);
        if (!choice.isEmpty()) {
            dialog->selectFile(QDir(m_folder).filePath(choice));
            static_cast<QDialog *>(dialog)->accept(); // QFileDialog checks the name first
        }
        if (dialog->isVisible())
            dialog->reject();
    }

    QString m_folder;
    QStringList m_choices;
    QTimer m_timer;
};

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
    void printModes_data();
    void printModes();
    void savesChart_data();
    void savesChart();
    void rightClickHelp_data();
    void rightClickHelp();
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

    QTest::newRow("fraShow") << QByteArray("fraShow") << "Show";
    QTest::newRow("fraDate") << QByteArray("fraDate") << "Date";
    QTest::newRow("lblDateFrom") << QByteArray("lblDateFrom") << "From:";
    QTest::newRow("lblDateTo") << QByteArray("lblDateTo") << "To:";
    QTest::newRow("fraTime") << QByteArray("fraTime") << "Time";
    QTest::newRow("lblTimeFrom") << QByteArray("lblTimeFrom") << "From:";
    QTest::newRow("lblTimeTo") << QByteArray("lblTimeTo") << "To:";
    QTest::newRow("lblSymbols") << QByteArray("lblSymbols") << "Symbols:";
    QTest::newRow("fraSortBy") << QByteArray("fraSortBy") << "Sort By";
    QTest::newRow("optSortDate") << QByteArray("optSortDate") << "Date";
    QTest::newRow("optSortSymbol") << QByteArray("optSortSymbol") << "Symbol";
    QTest::newRow("fraPrint") << QByteArray("fraPrint") << "Print";
    QTest::newRow("optChart") << QByteArray("optChart") << "&Chart";
    QTest::newRow("optSymbols") << QByteArray("optSymbols") << "&Symbols";
    // Picture buttons: the text is the tool tip, which is also the accessible name.
    QTest::newRow("cmdSelectAll") << QByteArray("cmdSelectAll") << "Select All";
    QTest::newRow("cmdDelete") << QByteArray("cmdDelete") << "Delete Symbol";
    QTest::newRow("cmdPrint") << QByteArray("cmdPrint") << "Print Symbols";
    QTest::newRow("cmdSave") << QByteArray("cmdSave") << "Save Chart";
}

void TestReportWindow::controlsAtStart()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, text);

    Report report(standardRows());
    const QWidget *widget = control<QWidget>(*report.form, name.constData());
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
    const QString nightTimes = QStringLiteral("(Time >= #10:00:00 PM# OR Time <= #02:00:00#)");

    QTest::newRow("From time")
        << us << QStringList{"timeFrom 09:30:00"}
        << dayQuery(Today, Today, "Time >= #9:30:00 AM# AND Time <= #23:59:59# ORDER BY Symbol, Date, Time;")
        << QList<qint64>{3, 1, 5, 4};
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
    for (const auto &[name, locale] : {std::pair{"a week, by date", us}, std::pair{"a week, British", british}}) {
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
    QCOMPARE(watcher.count(), 0);
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
    useCalendar(to, {Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Return});
    QCOMPARE(watcher.count(), 1);
    QCOMPARE(watcher.at(0).title, QStringLiteral("Invalid To Date"));
    QCOMPARE(watcher.at(0).text, QStringLiteral("The To Date must be greater than the From Date."));
    QCOMPARE(watcher.at(0).icon, QMessageBox::Information);
    QCOMPARE(watcher.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(from->date(), Today.addDays(-2));
    QCOMPARE(to->date(), Today.addDays(-3));
    QCOMPARE(form.mstrOldSQL, accepted);
    QCOMPARE(selectedIds(form).size(), 1);

    // Equal dates pass; the text differs from the last accepted one, so it reopens.
    useCalendar(to, {Qt::Key_Right, Qt::Key_Return});
    QCOMPARE(watcher.count(), 1);
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
    QVERIFY(control<QToolButton>(form, "cmdPrint")->isEnabled());
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

    MessageBoxWatcher watcher({icon == QMessageBox::Question ? QMessageBox::No : QMessageBox::Ok});
    control<QToolButton>(form, "cmdDelete")->setEnabled(true);
    QTest::mouseClick(control<QToolButton>(form, "cmdDelete"), Qt::LeftButton);
    QCOMPARE(watcher.count(), 1);
    QCOMPARE(watcher.at(0).title, QStringLiteral("Delete Symbols"));
    QCOMPARE(watcher.at(0).text, text);
    QCOMPARE(watcher.at(0).icon, icon);
    if (icon == QMessageBox::Question) {
        QCOMPARE(watcher.at(0).buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(watcher.at(0).defaultButton, QMessageBox::No);
    } else {
        QCOMPARE(watcher.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
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
    MessageBoxWatcher watcher({QMessageBox::Yes});
    QTest::mouseClick(control<QToolButton>(form, "cmdDelete"), Qt::LeftButton);
    QCOMPARE(watcher.count(), 1);

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
    QTest::addColumn<bool>("chart");
    QTest::addColumn<bool>("withRows");
    QTest::addColumn<QString>("message");
    QTest::newRow("prints") << "pdf" << false << true << "";
    QTest::newRow("no rows prints nothing") << "pdf" << false << false << "";
    QTest::newRow("printer fails")
        << "broken" << false << true << "cmdPrint_Click - Error #9002 The printer could not start the document.";
    QTest::newRow("no printer installed")
        << "system" << false << true << "cmdPrint_Click - Error #9001 No printer is installed.";
    QTest::newRow("chart prints without rows") << "pdf" << true << false << "";
    QTest::newRow("chart, printer fails")
        << "broken" << true << true << "cmdPrint_Click - Error #9002 The printer could not start the document.";
}

void TestReportWindow::printFromWindow()
{
    QFETCH(QString, printer);
    QFETCH(bool, chart);
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
    if (chart)
        QTest::mouseClick(control<QRadioButton>(form, "optChart"), Qt::LeftButton);
    print->setEnabled(true);

    MessageBoxWatcher watcher;
    if (printer == QLatin1String("broken"))
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QTest::mouseClick(print, Qt::LeftButton);

    if (message.isEmpty()) {
        QCOMPARE(watcher.count(), 0);
        QCOMPARE(QFile::exists(pdf), withRows || chart);
        QCOMPARE(asked, withRows || chart ? 1 : 0);
    } else {
        QCOMPARE(watcher.count(), 1);
        QCOMPARE(watcher.at(0).title, QStringLiteral("Print Error"));
        QCOMPARE(watcher.at(0).text, message);
        QCOMPARE(watcher.at(0).icon, QMessageBox::Critical);
        QVERIFY(form.isVisible());
        QTest::mouseClick(control<QRadioButton>(form, "optSymbols"), Qt::LeftButton);
        QTest::mouseClick(control<QRadioButton>(form, "optSortDate"), Qt::LeftButton);
        QCOMPARE(listedIds(form), (QList<qint64>{3, 5, 4, 1, 2}));
    }
}

// The two print modes and the Symbols mode's refills: which controls work,
// and whether the list or the chart shows. The filters cannot change in the
// Chart mode, so going back to Symbols shows the same query and list.
void TestReportWindow::printModes_data()
{
    QTest::addColumn<bool>("withRows");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("enabled");

    const QStringList filters{"lstSelectSymbols", "dtpDateFrom", "dtpDateTo", "dtpTimeFrom", "dtpTimeTo",
                              "optSortSymbol", "optSortDate"};
    const QStringList listButtons{"cmdSelectAll", "cmdDelete", "cmdPrint"};
    const QStringList chartButtons{"cmdPrint", "cmdSave"};
    const QString symbols = QStringLiteral("Print Symbols");
    const QString chart = QStringLiteral("Print Chart");

    QTest::newRow("at start") << true << QStringList() << symbols << filters + listButtons;
    QTest::newRow("at start, no rows") << false << QStringList() << symbols << filters;
    QTest::newRow("Chart") << true << QStringList{"optChart"} << chart << chartButtons;
    QTest::newRow("Chart, no rows") << false << QStringList{"optChart"} << chart << chartButtons;
    QTest::newRow("Chart, then Symbols") << true << QStringList{"optChart", "optSymbols"} << symbols
                                         << filters + listButtons;
    QTest::newRow("Chart, then Symbols, no rows") << false << QStringList{"optChart", "optSymbols"} << symbols
                                                  << filters;
    QTest::newRow("refilled empty") << true << QStringList{"dtpTimeFrom 01:00:00", "dtpTimeTo 08:00:00"} << symbols
                                    << filters;
    QTest::newRow("refilled with rows again")
        << true << QStringList{"dtpTimeFrom 01:00:00", "dtpTimeTo 08:00:00", "dtpTimeTo 23:00:00"} << symbols
        << filters + listButtons;
}

void TestReportWindow::printModes()
{
    QFETCH(bool, withRows);
    QFETCH(QStringList, steps);
    QFETCH(QString, caption);
    QFETCH(QStringList, enabled);

    Report report(withRows ? standardRows() : QList<Row>{});
    frmPrint &form = *report.form;
    putChart(form);
    const QString atStart = form.mstrOldSQL;
    const QList<qint64> listedAtStart = listedIds(form);
    for (const QString &step : steps) {
        const QByteArray name = step.section(QLatin1Char(' '), 0, 0).toLatin1();
        if (step.contains(QLatin1Char(' ')))
            control<QTimeEdit>(form, name.constData())->setTime(QTime::fromString(step.section(' ', 1), Qt::ISODate));
        else
            QTest::mouseClick(control<QRadioButton>(form, name.constData()), Qt::LeftButton);
    }

    QCOMPARE(form.windowTitle(), caption);
    QCOMPARE(control<QToolButton>(form, "cmdPrint")->toolTip(), caption);
    QStringList found;
    for (const char *name : {"lstSelectSymbols", "dtpDateFrom", "dtpDateTo", "dtpTimeFrom", "dtpTimeTo",
                             "optSortSymbol", "optSortDate", "cmdSelectAll", "cmdDelete", "cmdPrint", "cmdSave"}) {
        if (control<QWidget>(form, name)->isEnabled())
            found += QLatin1String(name);
    }
    QCOMPARE(found, enabled);

    const bool chartShown = caption == QLatin1String("Print Chart");
    QCOMPARE(control<QTreeView>(form, "ListView1")->isVisible(), !chartShown);
    QCOMPARE(form.picChart()->isVisible(), chartShown);
    if (chartShown) {
        const int filterTop = control<QGroupBox>(form, "fraShow")->y();
        QCOMPARE(form.picChart()->geometry(), QRect((form.width() - 404) / 2, (filterTop - 312) / 2, 404, 312));
    }
    if (!steps.join(QLatin1Char(' ')).contains(QLatin1String("dtpTime"))) {
        QCOMPARE(form.mstrOldSQL, atStart);
        QCOMPARE(listedIds(form), listedAtStart);
    }
}

void TestReportWindow::savesChart_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<QStringList>("choices"); // one per opening of the dialog; "" cancels
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("saved");

    using Answers = QList<QMessageBox::StandardButton>;
    QTest::newRow("new file, suffix added") << false << QStringList{"chart"} << Answers{} << "" << true;
    QTest::newRow("cancelled") << false << QStringList{""} << Answers{} << "" << false;
    QTest::newRow("existing, Yes overwrites") << true << QStringList{"chart.bmp"} << Answers{QMessageBox::Yes}
                                              << "" << true;
    QTest::newRow("existing, No asks again, then cancelled")
        << true << QStringList{"chart.bmp", ""} << Answers{QMessageBox::No} << "" << false;
    QTest::newRow("folder missing") << false << QStringList{"missing/chart.bmp"} << Answers{}
                                    << "Error #76: Path not found" << false;
}

// Saving writes a standard bitmap of the chart and closes the window; every
// other ending leaves the window open, the chosen file as it was and no
// temporary file behind.
void TestReportWindow::savesChart()
{
    QFETCH(bool, existing);
    QFETCH(QStringList, choices);
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(QString, error);
    QFETCH(bool, saved);

    Report report(standardRows());
    frmPrint &form = *report.form;
    const QPixmap chart = putChart(form);
    QTest::mouseClick(control<QRadioButton>(form, "optChart"), Qt::LeftButton);
    const QString target = report.folder.filePath(QStringLiteral("chart.bmp"));
    if (existing) {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    const QDir folder(report.folder.path());
    const auto entries = [&] { return folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); };
    QStringList filesExpected = entries();
    if (saved && !existing)
        filesExpected += QStringLiteral("chart.bmp");
    filesExpected.sort();

    SaveDialogWatcher dialogs(report.folder.path(), choices);
    MessageBoxWatcher messages(answers.isEmpty() ? QList<QMessageBox::StandardButton>{QMessageBox::Ok} : answers);
    QTest::mouseClick(control<QToolButton>(form, "cmdSave"), Qt::LeftButton);

    QCOMPARE(dialogs.opened, choices.size());
    QCOMPARE(dialogs.first, QStringLiteral("cdlSave save Bitmap (*.bmp)"));
    QCOMPARE(messages.count(), int(answers.size()) + (error.isEmpty() ? 0 : 1));
    for (int i = 0; i < answers.size(); ++i) {
        QCOMPARE(messages.at(i).title, QStringLiteral("Overwrite File"));
        QCOMPARE(messages.at(i).text, QStringLiteral("That file already exists. Overwrite it?"));
        QCOMPARE(messages.at(i).icon, QMessageBox::Question);
        QCOMPARE(messages.at(i).buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(messages.at(i).defaultButton, QMessageBox::No);
    }
    if (!error.isEmpty()) {
        QCOMPARE(messages.last().title, QStringLiteral("Ondara"));
        QCOMPARE(messages.last().text, error);
        QCOMPARE(messages.last().icon, QMessageBox::NoIcon);
        QCOMPARE(messages.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    QCOMPARE(form.isVisible(), !saved);
    QStringList filesAfter = entries();
    filesAfter.sort();
    QCOMPARE(filesAfter, filesExpected);
    if (!saved) {
        QFile old(target);
        QCOMPARE(old.open(QIODevice::ReadOnly) ? old.readAll() : QByteArray(), existing ? "old" : QByteArray());
        return;
    }
    QImageReader written(target);
    QCOMPARE(written.format(), QByteArray("bmp"));
    QCOMPARE(written.read().convertToFormat(QImage::Format_RGB32),
             chart.toImage().convertToFormat(QImage::Format_RGB32));
    if (!QStandardPaths::findExecutable(QStringLiteral("identify")).isEmpty()) {
        QProcess identify;
        identify.start(QStringLiteral("identify"), {QStringLiteral("-format"), QStringLiteral("%m %wx%h"), target});
        QVERIFY(identify.waitForFinished(60000));
        const QString seen = QString::fromLatin1(identify.readAllStandardOutput());
        QVERIFY2(QRegularExpression(QStringLiteral("^BMP[23]? 404x312$")).match(seen).hasMatch(),
                 qPrintable(QStringLiteral("ImageMagick reads it as: ") + seen));
    }
}

// With the calculator's ten controls ahead of the report's five in the table,
// each report control asks the viewer from its own pair on, after taking the
// focus; only the right button asks, and no editing menu opens on the way.
void TestReportWindow::rightClickHelp_data()
{
    QTest::addColumn<bool>("chart");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("part"); // where the mouse lands: the control itself or an inner widget
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("startPair"); // 0: no request
    QTest::addColumn<int>("topic");

    QTest::newRow("Select All") << false << QByteArray("cmdSelectAll") << "" << Qt::RightButton << 11 << 11;
    QTest::newRow("Delete") << false << QByteArray("cmdDelete") << "" << Qt::RightButton << 12 << 12;
    QTest::newRow("Save") << true << QByteArray("cmdSave") << "" << Qt::RightButton << 13 << 13;
    QTest::newRow("Print") << false << QByteArray("cmdPrint") << "" << Qt::RightButton << 14 << 14;
    QTest::newRow("symbol list") << false << QByteArray("lstSelectSymbols") << "viewport" << Qt::RightButton << 15
                                 << 15;
    // The From date has no pair of its own: the viewer finds nothing for it.
    QTest::newRow("From date, its text") << false << QByteArray("dtpDateFrom") << "text" << Qt::RightButton << 11
                                         << 0;
    QTest::newRow("From date, its arrow") << false << QByteArray("dtpDateFrom") << "" << Qt::RightButton << 11 << 0;
    QTest::newRow("left on Select All") << false << QByteArray("cmdSelectAll") << "" << Qt::LeftButton << 0 << 0;
    QTest::newRow("left on symbol list") << false << QByteArray("lstSelectSymbols") << "viewport" << Qt::LeftButton
                                         << 0 << 0;
    QTest::newRow("middle on Print") << false << QByteArray("cmdPrint") << "" << Qt::MiddleButton << 0 << 0;
}

void TestReportWindow::rightClickHelp()
{
    QFETCH(bool, chart);
    QFETCH(QByteArray, name);
    QFETCH(QString, part);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, startPair);
    QFETCH(int, topic);

    Report report(standardRows());
    frmPrint &form = *report.form;
    QWidget calculator;
    std::array<QWidget *, HelpPairCount - 1> controls{};
    for (int i = 0; i < 10; ++i)
        controls[i] = new QWidget(&calculator);
    const std::array<QWidget *, 5> own = form.helpControls();
    std::copy(own.begin(), own.end(), controls.begin() + 10);
    FillHelpIDs(controls);
    if (chart)
        QTest::mouseClick(control<QRadioButton>(form, "optChart"), Qt::LeftButton);

    auto *clicked = control<QWidget>(form, name.constData());
    QWidget *target = clicked;
    QPoint where = clicked->rect().center();
    if (part == QLatin1String("viewport")) {
        target = static_cast<QAbstractScrollArea *>(clicked)->viewport();
        where = static_cast<QListWidget *>(clicked)->visualItemRect(static_cast<QListWidget *>(clicked)->item(0))
                    .center();
    } else if (part == QLatin1String("text")) {
        target = clicked->findChild<QLineEdit *>();
        where = target->rect().center();
    } else if (name == "dtpDateFrom") {
        where = QPoint(clicked->width() - 4, clicked->height() / 2);
        QVERIFY(!clicked->childAt(where));
    }

    // A menu that opened would wait for the user; close it and count it.
    int menus = 0;
    QTimer menuCloser;
    menuCloser.callOnTimeout([&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *menu = qobject_cast<QMenu *>(w); menu && menu->isVisible()) {
                ++menus;
                menu->close();
            }
        }
    });
    menuCloser.start(5);
    QList<HelpRequest> requests;
    setHelpObserver([&](const HelpRequest &request) { requests += request; });
    // Through the window, as the desktop delivers it, so a context menu would open too.
    QTest::mouseClick(form.windowHandle(), button, {}, target->mapTo(&form, where));
    QTest::qWait(20);
    setHelpObserver({});
    QWhatsThis::hideText();

    QCOMPARE(menus, 0);
    QCOMPARE(requests.size(), startPair ? 1 : 0);
    if (!startPair)
        return;
    QCOMPARE(requests[0].caller, clicked);
    QCOMPARE(form.focusWidget(), clicked);
    QCOMPARE(requests[0].file, QStringLiteral("Ondara.chm::/WaveHelpPopup.txt"));
    QCOMPARE(requests[0].command, 0x11);
    QCOMPARE(requests[0].pairs, &HelpIDs[2 * (startPair - 1)]);
    QCOMPARE(requests[0].topic, topic);
}

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
