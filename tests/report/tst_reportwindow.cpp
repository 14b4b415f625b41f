#include "../support/MessageBoxWatcher.h"
#include "CalculationsCsv.h"
#include "ContextHelp.h"
#include "CsvText.h"
#include "HelpViewer.h"
#include "ReachedView.h"
#include "ReportFixture.h"
#include "frmPrint.h"

#include <QChartView>
#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

using namespace ondara;
using reportfixture::Row;
using reportfixture::row;
using Ids = QList<qint64>;
using Answers = QList<QMessageBox::StandardButton>;

namespace {

const QDate Today = QDate::currentDate();

template<typename T = QWidget>
T *control(const QWidget &form, const QString &name)
{
    T *found = form.findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QString dayQuery(QDate from, QDate to, const QString &rest)
{
    const auto mdy = [](QDate d) { return QStringLiteral("%1/%2/%3").arg(d.month()).arg(d.day()).arg(d.year()); };
    return QStringLiteral("SELECT * FROM tblSymbols WHERE Date >= #%1# AND Date <= #%2# AND ").arg(mdy(from), mdy(to))
        + rest;
}

const QString AllDay = QStringLiteral("Time >= #12:00:00 AM# AND Time <= #23:59:59#");
const QString AtStart = dayQuery(Today, Today, AllDay + " ORDER BY Symbol, Date, Time;");

Ids listedIds(const frmPrint &form, bool selectedOnly = false)
{
    const auto *list = control<QTreeView>(form, "ListView1");
    Ids found;
    for (int i = 0; i < list->model()->rowCount(); ++i) {
        if (!selectedOnly || list->selectionModel()->isRowSelected(i))
            found += list->model()->index(i, 0).data().toLongLong();
    }
    return found;
}

Ids storedIds(const reportfixture::Folder &folder)
{
    Ids found;
    QSqlQuery all = folder.db()->prepare(QStringLiteral("SELECT ID FROM tblSymbols ORDER BY ID"));
    folder.db()->exec(all);
    while (all.next())
        found += all.value(0).toLongLong();
    return found;
}

// Opens the picker's drop-down calendar with a click on its arrow, presses
// keys in it and lets the events that its closing queues run.
void useCalendar(QDateEdit *picker, const QList<Qt::Key> &keys)
{
    QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(picker->width() - 4, picker->height() / 2));
    QTRY_VERIFY(picker->calendarWidget()->isVisible());
    for (Qt::Key key : keys)
        QTest::keyClick(QApplication::focusWidget(), key);
    QTRY_VERIFY(!picker->calendarWidget()->isVisible());
    QCoreApplication::processEvents();
}

// One thing the user does, by control name: "optSortDate" clicks it, "dtpTimeTo
// 20:00:00" sets the time, "dtpDateFrom -3" picks the day three back in the
// calendar, "dtpDateFrom typed" types the day before, "lstSelectSymbols IBM"
// clicks that symbol, "ListView1 2" clicks the third row, "ListView1 +2" Ctrl-clicks it.
void act(frmPrint &form, const QString &step)
{
    const QString value = step.section(QLatin1Char(' '), 1);
    QWidget *target = control(form, step.section(QLatin1Char(' '), 0, 0));
    if (auto *time = qobject_cast<QTimeEdit *>(target)) {
        time->setTime(QTime::fromString(value, Qt::ISODate));
    } else if (auto *date = qobject_cast<QDateEdit *>(target); date && value == QLatin1String("typed")) {
        date->setFocus();
        date->setSelectedSection(QDateTimeEdit::DaySection);
        QTest::keyClick(date, Qt::Key_Down);
    } else if (date) {
        const int days = value.toInt();
        useCalendar(date, QList<Qt::Key>(qAbs(days), days < 0 ? Qt::Key_Left : Qt::Key_Right) << Qt::Key_Return);
    } else if (auto *view = qobject_cast<QAbstractItemView *>(target)) {
        const QAbstractItemModel *model = view->model();
        const QModelIndex cell = qobject_cast<QListWidget *>(view)
            ? model->match(model->index(0, 0), Qt::DisplayRole, value, 1, Qt::MatchExactly).value(0)
            : model->index(value.toInt(), 1); // column 0 is the hidden ID
        QVERIFY2(cell.isValid(), qPrintable(step));
        view->scrollTo(cell);
        const auto modifier = value.startsWith(QLatin1Char('+')) ? Qt::ControlModifier : Qt::NoModifier;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifier, view->visualRect(cell).center());
    } else {
        QTest::mouseClick(target, Qt::LeftButton);
    }
}

// The boxes the watcher answered, one line each: title, text, icon, buttons.
QStringList shown(const MessageBoxWatcher &watcher)
{
    static const QStringList icons{"no icon", "information", "warning", "critical", "question"};
    QStringList boxes;
    for (int i = 0; i < watcher.count(); ++i) {
        const MessageBoxWatcher::Seen &box = watcher.at(i);
        const bool yesNo = box.buttons == (QMessageBox::Yes | QMessageBox::No) && box.defaultButton == QMessageBox::No;
        const char *buttons = yesNo ? "Yes/No, No default" : box.buttons == QMessageBox::Ok ? "OK" : "?";
        boxes += QStringLiteral("%1: %2 [%3, %4]").arg(box.title, box.text, icons.value(box.icon), buttons);
    }
    return boxes;
}

// A form over a fresh folder: the fixture rows are written before it loads.
struct Report
{
    explicit Report(const QList<Row> &rows)
    {
        folder.insert(rows);
        form = std::make_unique<frmPrint>(folder.store());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    reportfixture::Folder folder;
    std::unique_ptr<frmPrint> form;
};

QList<Row> standardRows(qsizetype count = 7)
{
    return QList<Row>{
        row(1, "MSFT", Today, QTime(9, 30)),
        row(2, "IBM", Today, QTime(0, 0, 0)),
        row(3, "IBM", Today, QTime(23, 59, 59)),
        row(4, "O'NEIL", Today, QTime(16, 0)),
        row(5, QStringLiteral("NESTLÉ"), Today, QTime(22, 0)),
        row(6, "IBM", Today.addDays(-1), QTime(12, 0)),
        row(7, "MSFT", Today.addDays(1), QTime(12, 0)),
    }.first(count);
}

// The calculator's capture: a picture of the chart's size and what it shows.
QPixmap putChart(frmPrint &form)
{
    QPixmap chart(404, 312);
    chart.fill(Qt::white);
    QPainter(&chart).fillRect(10, 10, 120, 80, Qt::darkGreen);
    form.setChartCapture({chart, "IBM", QDateTime(QDate(2026, 12, 6), QTime(14, 3, 22)), "Bull · wave 1 · 10.00 → 20.00",
                          {{"Wave 3 target", "26.18"}, {"Wave 5 extension", "42.36"}}});
    return chart;
}

// Calls answer on each modal dialog of that type while the timer lives; a
// dialog the answer leaves open is cancelled, so a test fails rather than waits.
template<typename Dialog>
std::unique_ptr<QTimer> answering(std::function<void(Dialog *)> answer)
{
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [answer] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
            answer(dialog);
            if (dialog->isVisible())
                dialog->reject();
        }
    });
    timer->start(5);
    return timer;
}

// Chooses the current folder's file name in a file dialog, with the name filter given; "" cancels.
void choose(QFileDialog *dialog, const QString &name, const QString &filter = {})
{
    dialog->selectNameFilter(filter);
    // Typed into the name field: selectFile leaves a field that has the focus as it was.
    dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QDir::current().filePath(name));
    if (!name.isEmpty())
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog's own accept checks the name first
}

QString pdfText(const QString &pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    return tool.waitForFinished(60000) ? QString::fromUtf8(tool.readAllStandardOutput()) : QString();
}

QList<SavedCalculation> withoutIds(QList<SavedCalculation> rows)
{
    for (SavedCalculation &row : rows)
        row.id = 0;
    return rows;
}

} // namespace

class TestReportWindow : public QObject
{
    Q_OBJECT

private slots:
    // A home of its own: the Pictures and Documents folders, the settings, and
    // whatever a print that should not have happened would write.
    void initTestCase()
    {
        qputenv("HOME", m_home.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        QDir(m_home.path()).mkdir(QStringLiteral("Pictures"));
    }

    // No folder remembered from the test before.
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); QSettings("Ondara", "Ondara").clear(); }

    // Each filter event rebuilds the text and lists the rows it selects.
    void filterEvents_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("query");
        QTest::addColumn<Ids>("listed");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale british(QLocale::English, QLocale::UnitedKingdom);
        // Sorted by symbol, date and time ascending, though "Symbol" shows as the choice.
        QTest::newRow("at start") << us << QStringList() << AtStart << Ids{2, 3, 1, 5, 4};
        QTest::newRow("sort by symbol") << us << QStringList{"optSortSymbol"}
                                        << dayQuery(Today, Today, AllDay + " ORDER BY Symbol, Date DESC, Time DESC;")
                                        << Ids{3, 2, 1, 5, 4};
        // The first symbol stays selected across the rebuilds that follow it.
        QTest::newRow("symbols kept in list order")
            << us << QStringList{"lstSelectSymbols O'NEIL", "lstSelectSymbols IBM", "optSortDate", "dtpTimeTo 20:00:00"}
            << dayQuery(Today, Today, "Time >= #12:00:00 AM# AND Time <= #20:00:00# AND Symbol IN ('IBM','O''NEIL') "
                                      "ORDER BY Date DESC, Time DESC, Symbol;")
            << Ids{4, 2};
        // The same text and rows however the locale writes its dates.
        for (const auto &[name, locale] : {std::pair{"a week, US", us}, std::pair{"a week, British", british}}) {
            QTest::newRow(name) << locale << QStringList{"dtpDateFrom -3", "dtpDateTo 3", "optSortDate"}
                                << dayQuery(Today.addDays(-3), Today.addDays(3),
                                            AllDay + " ORDER BY Date DESC, Time DESC, Symbol;")
                                << Ids{7, 3, 5, 4, 1, 2, 6};
        }
        // The query follows a date when its calendar closes, not while it is typed.
        QTest::newRow("typed date waits") << us << QStringList{"dtpDateFrom typed"} << AtStart << Ids{2, 3, 1, 5, 4};
    }

    void filterEvents()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, steps);
        QLocale::setDefault(locale);
        Report report(standardRows());
        for (const QString &step : steps)
            act(*report.form, step);
        QTEST(report.form->mstrOldSQL, "query");
        QTEST(listedIds(*report.form), "listed");
    }

    // A rebuild that gives the text of the open query does not reopen it: a row
    // deleted behind its back still shows and the list keeps its selection.
    void sameTextIsNotReopened()
    {
        Report report(standardRows());
        frmPrint &form = *report.form;
        act(form, "ListView1 1");
        report.folder.db()->inTransaction([&] {
            QSqlQuery remove = report.folder.db()->prepare(QStringLiteral("DELETE FROM tblSymbols WHERE ID = 2"));
            report.folder.db()->exec(remove);
        });
        MessageBoxWatcher watcher;
        useCalendar(control<QDateEdit>(form, "dtpDateFrom"), {Qt::Key_Escape});
        act(form, "dtpDateTo 0");
        // A From date after the To date is refused and put back; the next
        // rebuild compares with the last accepted text.
        act(form, "dtpDateFrom 1");
        QCOMPARE(shown(watcher),
                 QStringList{"Invalid To Date: The To Date must be greater than the From Date. [information, OK]"});
        QCOMPARE(control<QDateEdit>(form, "dtpDateFrom")->date(), Today);
        act(form, "dtpDateTo 0");
        QCOMPARE(form.mstrOldSQL, AtStart);
        QCOMPARE(listedIds(form), (Ids{2, 3, 1, 5, 4}));
        QCOMPARE(listedIds(form, true), Ids{3});
        // Emptying the text, as the calculator window does, makes the same text reopen.
        form.mstrOldSQL.clear();
        act(form, "dtpDateTo 0");
        QCOMPARE(listedIds(form), (Ids{3, 1, 5, 4}));
    }

    // Values in the user's locale, nulls as empty cells, the ID kept but never shown.
    void listShowsValues()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Report report({Row{1, "IBM", Today, QTime(15, 4, 5), 12.5, 1234.56, 100.0, 0.25, 40000.0, 7.0},
                       Row{2, "MSFT", Today, QTime(16, 0)}});
        const auto *list = control<QTreeView>(*report.form, "ListView1");
        QStringList cells;
        for (int i = 0; i < 20; ++i)
            cells += list->model()->index(i / 10, i % 10).data().toString();
        QCOMPARE(cells, QStringList({"1", "IBM", Today.toString("dd.MM.yyyy"), "15:04:05", "12,5", "1234,56", "100",
                                     "0,25", "40000", "7", "2", "MSFT", Today.toString("dd.MM.yyyy"), "16:00:00"})
                            + QStringList(6));
        QVERIFY(list->isColumnHidden(0));
    }

    // Select All leaves every row selected with the focus in the list; Deselect
    // All, none with the focus on the button. A picture button's name is its
    // tool tip, and every control has a name a screen reader can say.
    void selectAllToggles()
    {
        Report report(standardRows());
        for (QWidget *named : report.form->findChildren<QWidget *>(QRegularExpression("^(?!qt_)."))) // not Qt's own parts
            QVERIFY2(!QAccessible::queryAccessibleInterface(named)->text(QAccessible::Name).isEmpty(), qPrintable(named->objectName()));
        auto *selectAll = control<QToolButton>(*report.form, "cmdSelectAll");
        for (const bool selecting : {true, false, true}) {
            QTest::mouseClick(selectAll, Qt::LeftButton);
            QCOMPARE(selectAll->toolTip(), selecting ? "Deselect All" : "Select All");
            QCOMPARE(selectAll->accessibleName(), selectAll->toolTip());
            QCOMPARE(listedIds(*report.form, true).size(), selecting ? 5 : 0);
            QCOMPARE(QApplication::focusWidget(), selecting ? control(*report.form, "ListView1") : selectAll);
        }
    }

    void deleting_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Ids>("deleted");
        const QString none = "Delete Symbols: There are no selected items to delete. [information, OK]";
        const QString sure =
            "Delete Symbols: Are you sure you want to delete the selected item(s)? [question, Yes/No, No default]";
        QTest::newRow("no rows") << 0 << QStringList()
                                 << "Delete Symbols: There are no items to delete. [information, OK]" << Ids{};
        QTest::newRow("nothing selected") << 7 << QStringList() << none << Ids{};
        QTest::newRow("focused row not selected") << 7 << QStringList{"ListView1 0", "ListView1 +2", "ListView1 +2"}
                                                  << none << Ids{};
        QTest::newRow("answered No") << 7 << QStringList{"ListView1 0", "ListView1 +2"} << sure << Ids{};
        // An ID past 16 bits is the one deleted (65541 is 5 in 16 bits); a quoted symbol is filtered and deleted.
        QTest::newRow("answered Yes")
            << 7
            << QStringList{"lstSelectSymbols IBM", "lstSelectSymbols O'NEIL", "lstSelectSymbols ZZ", "ListView1 1",
                           "ListView1 +2", "ListView1 +3"}
            << sure << Ids{3, 4, 65541};
    }

    // Whatever the answer, the query text stays and the list shows the same rows
    // less those deleted from the store.
    void deleting()
    {
        QFETCH(int, rows);
        QFETCH(QStringList, steps);
        QFETCH(Ids, deleted);
        // ZZ is always stored, and listed only with the other rows.
        Report report(standardRows(rows) << row(65541, "ZZ", Today.addDays(rows ? 0 : 1), QTime(13, 0)));
        frmPrint &form = *report.form;
        for (const QString &step : steps)
            act(form, step);
        QVERIFY(steps.isEmpty() || !listedIds(form, true).isEmpty());
        const QString query = form.mstrOldSQL;
        Ids listed = listedIds(form);
        Ids stored = storedIds(report.folder);
        MessageBoxWatcher watcher({deleted.isEmpty() ? QMessageBox::No : QMessageBox::Yes});
        control(form, "cmdDelete")->setEnabled(true);
        QTest::mouseClick(control(form, "cmdDelete"), Qt::LeftButton);
        QTEST(shown(watcher).join(QLatin1Char('\n')), "message");
        for (qint64 id : deleted)
            QVERIFY(listed.removeOne(id) && stored.removeOne(id));
        QCOMPARE(listedIds(form), listed);
        QCOMPARE(storedIds(report.folder), stored);
        QCOMPARE(form.mstrOldSQL, query);
        // The symbol list is refilled from the store, with nothing selected.
        const auto *symbols = control<QListWidget>(form, "lstSelectSymbols");
        QVERIFY(symbols->selectedItems().isEmpty());
        QCOMPARE(symbols->findItems("ZZ", Qt::MatchExactly).size(), deleted.contains(65541) ? 0 : 1);
    }

    // Print answered with a PDF file prints the list, or the chart in the Chart
    // mode even with no rows, and leaves the window open; Cancel prints and
    // says nothing. Print Preview draws the same pages.
    void printing_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("firstLine"); // the first two words of the PDF file's text
        QTest::newRow("the list") << 7 << "optSymbols" << "cmdPrint" << true << 1 << "Saved Symbols";
        QTest::newRow("the chart, no rows") << 0 << "optChart" << "cmdPrint" << true << 1 << "";
        QTest::newRow("cancelled") << 7 << "optSymbols" << "cmdPrint" << false << 0 << "";
        QTest::newRow("preview of the list") << 7 << "optSymbols" << "cmdPreview" << false << 1 << "";
    }

    void printing()
    {
        QFETCH(int, rows);
        QFETCH(QString, mode);
        QFETCH(QString, button);
        QFETCH(bool, accept);
        Report report(standardRows(rows));
        frmPrint &form = *report.form;
        const QString pdf = report.folder.filePath(QStringLiteral("out.pdf"));
        int previewPages = 0;
        const auto answers = answering<QDialog>([&](QDialog *dialog) {
            if (auto *preview = dialog->findChild<QPrintPreviewWidget *>())
                previewPages = preview->pageCount();
            if (!accept || !qobject_cast<QPrintDialog *>(dialog))
                return;
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            printers->setCurrentIndex(printers->count() - 1); // "Print to File (PDF)" comes last
            dialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(pdf);
            dialog->findChild<QDialogButtonBox *>({}, Qt::FindDirectChildrenOnly)->button(QDialogButtonBox::Ok)->click();
        });
        act(form, mode);
        MessageBoxWatcher watcher;
        QTest::mouseClick(control(form, button), Qt::LeftButton);
        QCOMPARE(shown(watcher), QStringList());
        const QString text = pdfText(pdf);
        QTEST(int(text.count(QLatin1Char('\f'))) + previewPages, "pages");
        QTEST(text.simplified().section(u' ', 0, 1), "firstLine");
        QCOMPARE(QDir(m_home.path()).entryList(QDir::Files), QStringList());
        QVERIFY(form.isVisible());
    }

    // Which controls work and whether the list or the chart shows. The filters
    // cannot change in the Chart mode, so back in Symbols the query and list are the same.
    void printModes_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("enabled");
        const QStringList filters{"lstSelectSymbols", "dtpDateFrom", "dtpDateTo", "dtpTimeFrom", "dtpTimeTo",
                                  "optSortSymbol", "optSortDate", "cmdImport"};
        const QStringList printing{"cmdPrint", "cmdPreview", "cmdExport"};
        const QStringList listButtons = QStringList{"cmdSelectAll", "cmdDelete"} + printing;
        const QStringList chartButtons{"cmdPrint", "cmdPreview", "cmdSave"};
        const QString symbols = QStringLiteral("Print Symbols");
        QTest::newRow("at start") << 7 << QStringList() << symbols << filters + listButtons;
        QTest::newRow("at start, no rows") << 0 << QStringList() << symbols << filters;
        // One row: Select All and Delete wait for a click on it, and Select All disables Delete again.
        QTest::newRow("one row") << 1 << QStringList() << symbols << filters + printing;
        QTest::newRow("one row, clicked") << 1 << QStringList{"ListView1 0"} << symbols << filters + listButtons;
        QTest::newRow("one row, Select All") << 1 << QStringList{"ListView1 0", "cmdSelectAll"} << symbols
                                             << filters + QStringList{"cmdSelectAll"} + printing;
        QTest::newRow("Chart") << 7 << QStringList{"optChart"} << "Print Chart" << chartButtons;
        QTest::newRow("Chart, no rows") << 0 << QStringList{"optChart"} << "Print Chart" << chartButtons;
        QTest::newRow("Chart, then Symbols") << 7 << QStringList{"optChart", "optSymbols"} << symbols
                                             << filters + listButtons;
        QTest::newRow("Chart, then Symbols, no rows") << 0 << QStringList{"optChart", "optSymbols"} << symbols
                                                      << filters;
        QTest::newRow("refilled empty") << 7 << QStringList{"dtpTimeFrom 01:00:00", "dtpTimeTo 08:00:00"} << symbols
                                        << filters;
        QTest::newRow("refilled with rows again")
            << 7 << QStringList{"dtpTimeFrom 01:00:00", "dtpTimeTo 08:00:00", "dtpTimeTo 23:00:00"} << symbols
            << filters + listButtons;
    }

    void printModes()
    {
        QFETCH(int, rows);
        QFETCH(QStringList, steps);
        QFETCH(QString, caption);
        Report report(standardRows(rows));
        frmPrint &form = *report.form;
        putChart(form);
        const Ids listedAtStart = listedIds(form);
        for (const QString &step : steps)
            act(form, step);
        QCOMPARE(form.windowTitle(), caption);
        QCOMPARE(control(form, "cmdPrint")->toolTip(), caption);
        QStringList enabled;
        for (const char *name : {"lstSelectSymbols", "dtpDateFrom", "dtpDateTo", "dtpTimeFrom", "dtpTimeTo",
                                 "optSortSymbol", "optSortDate", "cmdImport", "cmdSelectAll", "cmdDelete", "cmdPrint",
                                 "cmdPreview", "cmdExport", "cmdSave"}) {
            if (control(form, name)->isEnabled())
                enabled += QLatin1String(name);
        }
        QTEST(enabled, "enabled");
        const bool chart = caption == QLatin1String("Print Chart");
        QCOMPARE(control(form, "ListView1")->isVisible(), !chart);
        QCOMPARE(form.picChart()->isVisible(), chart);
        const QRect centred((form.width() - 404) / 2, (control(form, "fraShow")->y() - 312) / 2, 404, 312);
        QVERIFY(!chart || form.picChart()->geometry() == centred);
        if (!steps.join(QLatin1Char(' ')).contains(QLatin1String("dtpTime"))) {
            QCOMPARE(form.mstrOldSQL, AtStart);
            QCOMPARE(listedIds(form), listedAtStart);
        }
    }

    void savesChart_data()
    {
        QTest::addColumn<QStringList>("choices"); // a name for each opening of the Save As dialog; "" cancels
        QTest::addColumn<QString>("filter");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("saved"); // the file written, if any
        const QString overwrite =
            "Overwrite File: That file already exists. Overwrite it? [question, Yes/No, No default]";
        QTest::newRow("bitmap, suffix added") << QStringList{"chart"} << "" << Answers{} << QStringList() << "chart.bmp";
        QTest::newRow("PNG, suffix added") << QStringList{"chart"} << "PNG image (*.png)" << Answers{} << QStringList()
                                           << "chart.png";
        QTest::newRow("PDF") << QStringList{"chart.pdf"} << "PDF document (*.pdf)" << Answers{} << QStringList()
                             << "chart.pdf";
        QTest::newRow("existing, No asks again, then cancelled")
            << QStringList{"chart.bmp", ""} << "" << Answers{QMessageBox::No} << QStringList{overwrite} << "";
        QTest::newRow("existing, Yes overwrites")
            << QStringList{"chart.bmp"} << "" << Answers{QMessageBox::Yes} << QStringList{overwrite} << "chart.bmp";
        QTest::newRow("folder missing") << QStringList{"missing/chart.bmp"} << "" << Answers{}
                                        << QStringList{"Ondara: Error #76: Path not found [no icon, OK]"} << "";
    }

    // Saving writes the chart in the chosen form and closes the window; any
    // other ending leaves the window open, the file as it was and no temporary
    // file. The dialog suggests the symbol and day in the Pictures folder, and
    // opens next in the folder last saved to.
    void savesChart()
    {
        QFETCH(QStringList, choices);
        QFETCH(QString, filter);
        QFETCH(Answers, answers);
        QFETCH(QString, saved);
        Report report(standardRows());
        frmPrint &form = *report.form;
        const QPixmap chart = putChart(form);
        act(form, "optChart");
        const QDir folder = QDir::current(); // the report's temporary folder
        QFile file(folder.filePath(saved.isEmpty() ? QStringLiteral("chart.bmp") : saved));
        const bool existing = !answers.isEmpty();
        QVERIFY(!existing || (file.open(QIODevice::WriteOnly) && file.write("old") == 3));
        file.close();
        const QStringList filesBefore = folder.entryList(QDir::Files | QDir::Hidden);
        QStringList openedIn;
        const auto dialogs = answering<QFileDialog>([&](QFileDialog *dialog) {
            openedIn += dialog->directory().absolutePath() + u'/' + QFileInfo(dialog->selectedFiles().value(0)).fileName();
            choose(dialog, choices.value(openedIn.size() - 1), filter);
        });
        MessageBoxWatcher watcher(existing ? answers : Answers{QMessageBox::Ok});
        QTest::mouseClick(control(form, "cmdSave"), Qt::LeftButton);

        QCOMPARE(openedIn.size(), choices.size());
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        QCOMPARE(openedIn[0], (QFileInfo(pictures).isDir() ? pictures : QDir::homePath()) + "/IBM-2026-12-06");
        QTEST(shown(watcher), "messages");
        QCOMPARE(form.isVisible(), saved.isEmpty());
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden),
                 (!saved.isEmpty() && !existing ? QStringList{saved} : QStringList()) + filesBefore);
        if (saved.isEmpty()) {
            QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : "none", existing ? "old" : "none");
            return;
        }
        control<QToolButton>(form, "cmdSave")->click();
        QCOMPARE(openedIn.last(), folder.absoluteFilePath("IBM-2026-12-06"));
        const QImage written(file.fileName());
        const QImage pixels = chart.toImage().convertToFormat(QImage::Format_RGB32);
        if (saved.endsWith(".png")) {
            // The chart's own pixels over a band with dark text in it.
            const QImage png = written.convertToFormat(QImage::Format_RGB32), band = png.copy(0, 312, 404, png.height() - 312);
            QCOMPARE(png.copy(pixels.rect()), pixels);
            const auto *bits = reinterpret_cast<const QRgb *>(band.constBits());
            QVERIFY(std::any_of(bits, bits + band.width() * band.height(), [](QRgb pixel) { return qGray(pixel) < 100; }));
        } else if (saved.endsWith(".pdf")) {
            QCOMPARE(pdfText(file.fileName()).simplified(),
                     "IBM · 2026-12-06 14:03:22 · Bull · wave 1 · 10.00 → 20.00 Wave 3 target 26.18 Wave 5 extension 42.36");
        } else {
            QCOMPARE(written.convertToFormat(QImage::Format_RGB32), pixels);
            // Another program reads it as a standard bitmap of the chart's size.
            if (QStandardPaths::findExecutable(QStringLiteral("identify")).isEmpty())
                QSKIP("ImageMagick's identify is needed to read the bitmap as another program would");
            QProcess identify;
            identify.start(QStringLiteral("identify"), {"-format", "%m %wx%h", file.fileName()});
            QVERIFY(identify.waitForFinished(60000));
            const QString seen = QString::fromLatin1(identify.readAllStandardOutput());
            QVERIFY2(QRegularExpression(QStringLiteral("^BMP[23]? 404x312$")).match(seen).hasMatch(), qPrintable(seen));
        }
    }

    // Export writes the rows listed, or only those selected, in the list's
    // order, and --export-csv every row, those no report lists included.
    // Import and --import-csv add a file's rows as they were stored; a file
    // with one bad line adds none of its rows.
    void csvFiles_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<Ids>("exported");
        QTest::newRow("listed") << QStringList() << Ids{7, 4, 9, 5000000000LL};
        QTest::newRow("selected") << QStringList{"ListView1 1", "ListView1 +3"} << Ids{4, 5000000000LL};
    }

    void csvFiles()
    {
        QFETCH(QStringList, steps);
        QFETCH(Ids, exported);
        // Quotes, commas, line breaks, UTF-8, formula-like symbols, 64-bit IDs,
        // missing values and six decimals; the last row is in no report of today.
        Report report({Row{qint64(5000000000), "Q\"UOTE,D", Today, QTime(9, 30, 1), 10.123456, 20.5, {}, 30.000001,
                           0.000001, 654321.123456},
                       row(4, "=SUM(A1)", Today, QTime(10, 0)), row(7, "-1\nLINE", Today, QTime(11, 0), 0.5),
                       row(9, QStringLiteral("NESTLÉ@"), Today, QTime(12, 0)), Row{11, "@NODATE"}});
        for (const QString &step : steps)
            act(*report.form, step);
        const QString csv = report.folder.filePath("out.csv"), all = report.folder.filePath("all.csv");
        QStringList files{csv, csv, report.folder.filePath("bad.csv")}; // Export, then Import twice
        writeCsvFile(files.last(), "Symbol,Date,Time,W1Start,W1End,W3Target,W3Ext,W5Target,W5Ext\r\n"
                                   "OK,2026-01-02,10:00:00,1,2,3,4,5,6\r\nBAD,2026-01-02,10:00:00,1,2,x,4,5,6\r\n");
        const auto dialogs = answering<QFileDialog>([&](QFileDialog *dialog) { choose(dialog, files.takeFirst()); });
        MessageBoxWatcher watcher;
        QTest::mouseClick(control(*report.form, "cmdExport"), Qt::LeftButton);
        QList<SavedCalculation> rows;
        for (qint64 id : exported)
            rows += *report.folder.store().find(id);
        QCOMPARE(readCalculationsCsv(csv), withoutIds(rows));
        QCOMPARE(csvRecords(readCsvFile(csv)).last().fields[0].toLongLong(), exported.last()); // 64 bits
        QCOMPARE(QProcess::execute(QStringLiteral(ONDARA_PROGRAM), {"--export-csv", all}), 0); // in the report's folder

        Report fresh({});
        QCOMPARE(QProcess::execute(QStringLiteral(ONDARA_PROGRAM), {"--import-csv", all}), 0);
        const QList<SavedCalculation> everyRow = withoutIds(fresh.folder.store().all().rest());
        QCOMPARE(everyRow, withoutIds(report.folder.store().all().rest()));
        for (int import = 0; import < 2; ++import) {
            QTest::mouseClick(control(*fresh.form, "cmdImport"), Qt::LeftButton);
            QList<SavedCalculation> stored = withoutIds(fresh.folder.store().all().rest());
            for (const SavedCalculation &row : withoutIds(rows))
                QVERIFY(stored.removeOne(row)); // as stored, besides every row imported before
            QCOMPARE(stored, everyRow);
        }
        QCOMPARE(shown(watcher), (QStringList{QStringLiteral("Import: %1 calculations were imported. [information, OK]").arg(rows.size()),
                                              "Import Error: cmdImport_Click - Error #9205 Line 3, column W3Target: \"x\" is not a "
                                              "number.\nNothing was imported. [critical, OK]"}));
    }

    // What became of a row shows once its symbol's prices are imported through
    // the window, and goes with it into an exported file and the view that a
    // double click opens; with no prices after its date all three stay empty.
    void reachedColumns_data()
    {
        QTest::addColumn<Row>("saved");
        QTest::addColumn<QStringList>("cells");
        const QDate day = Today.addDays(-10);
        const QString second = day.addDays(2).toString(Qt::ISODate);
        QTest::newRow("bull, reached, invalidated")
            << Row{1, "ibm", day, QTime(9, 0), 10.0, 20.0, 27.5, 30.0, 37.5, 46.18}
            << QStringList{"W5 target 37.50 on " + second, "38.125", second};
        QTest::newRow("bear, reached") << Row{1, "IBM", day, QTime(9, 0), 40.0, 30.0, 22.5, 20.0, 12.5}
                                       << QStringList{"W5 target 12.50 on " + second, "9.50", ""};
        QTest::newRow("bull, not reached") << Row{1, "IBM", day, QTime(9, 0), 10.0, 20.0, 50.0, 60.0, 70.0, 80.0}
                                           << QStringList{"not reached", "38.125", second};
        QTest::newRow("no prices after its date")
            << Row{1, "IBM", Today, QTime(9, 0), 10.0, 20.0, 27.5, 30.0, 37.5, 46.18} << QStringList(3);
    }

    void reachedColumns()
    {
        QFETCH(Row, saved);
        QFETCH(QStringList, cells);
        Report report({saved});
        frmPrint &form = *report.form;
        act(form, "dtpDateFrom -10");
        auto *list = control<QTreeView>(form, "ListView1");
        const auto shownCells = [model = list->model()] {
            return QStringList{model->index(0, 10).data().toString(), model->index(0, 11).data().toString(),
                               model->index(0, 12).data().toString()};
        };
        QCOMPARE(shownCells(), QStringList(3));
        const QString first = Today.addDays(-9).toString(Qt::ISODate), second = Today.addDays(-8).toString(Qt::ISODate);
        const QString prices = QStringLiteral("Date,Open,High,Low,Close\n%1,20,28,19,27\n%2,27,38.125,9.5,12\n");
        writeCsvFile("IBM.csv", prices.arg(first, second).toUtf8());
        QStringList files{"IBM.csv", "out.csv"};
        const auto dialogs = answering<QFileDialog>([&](QFileDialog *dialog) { choose(dialog, files.takeFirst()); });
        MessageBoxWatcher watcher;
        QTest::mouseClick(control(form, "cmdImportPrices"), Qt::LeftButton);
        QCOMPARE(watcher.last().text, QStringLiteral("Imported 2 days of IBM, %1 to %2.").arg(first, second));
        QTEST(shownCells(), "cells");
        QTest::mouseClick(control(form, "cmdExport"), Qt::LeftButton);
        QCOMPARE(csvRecords(readCsvFile("out.csv")).last().fields.sliced(10), cells);

        QStringList opened; // the view's title, and whether it charts the prices
        const auto views = answering<ReachedView>([&](ReachedView *view) {
            opened += view->windowTitle() + (view->findChild<QChartView *>() ? " chart" : " no prices");
        });
        const QRect cell = list->visualRect(list->model()->index(0, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center()); // the first click of the two
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(opened, QStringList{"IBM " + saved[2].toDate().toString(Qt::ISODate)
                                     + (cells[0].isEmpty() ? " no prices" : " chart")});
    }

    // Keys do what the mouse does: a row selected with them can be deleted (the
    // Delete key asks as the button does) and Enter opens its chart; a date
    // typed into a picker counts on Enter or on leaving it, checked as a picked one.
    void keyboard_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<QStringList>("dialogs"); // the titles of the windows they open
        QTest::addColumn<int>("listed");
        // Delete is only enabled (with one row listed) by the selection made with Down.
        QTest::newRow("Delete") << "ListView1" << QList{Qt::Key_Down, Qt::Key_Delete} << QStringList{"Delete Symbols"} << 1;
        QTest::newRow("Enter on a row") << "ListView1" << QList{Qt::Key_Down, Qt::Key_Enter}
                                        << QStringList{"IBM " + Today.toString(Qt::ISODate)} << 1;
        // The month goes back; Backtab leaves the picker from its first part.
        QTest::newRow("From typed, Enter") << "dtpDateFrom" << QList{Qt::Key_Down, Qt::Key_Return} << QStringList() << 2;
        QTest::newRow("From typed, left") << "dtpDateFrom" << QList{Qt::Key_Down, Qt::Key_Backtab} << QStringList() << 2;
        QTest::newRow("To typed before From") << "dtpDateTo" << QList{Qt::Key_Down, Qt::Key_Return} << QStringList{"Invalid To Date"} << 1;
    }

    void keyboard()
    {
        QFETCH(QString, target);
        QFETCH(QList<Qt::Key>, keys);
        Report report({row(1, "IBM", Today, QTime(9, 0)), row(2, "IBM", Today.addDays(-1), QTime(9, 0))});
        control(*report.form, target)->setFocus();
        QStringList dialogs;
        const auto boxes = answering<QMessageBox>([&](QDialog *box) { dialogs += box->windowTitle(); });
        const auto views = answering<ReachedView>([&](QDialog *view) { dialogs += view->windowTitle(); });
        for (Qt::Key key : keys)
            QTest::keyClick(QApplication::focusWidget(), key); // where the keyboard sends it
        QTest::qWait(20);
        QTEST(dialogs, "dialogs");
        QTEST(int(listedIds(*report.form).size()), "listed");
    }

    // The order and the filters other than the dates come back in the next
    // window, but not from a settings file that cannot be read, even in part.
    void remembersFilters()
    {
        Report report(standardRows());
        for (const char *step : {"optSortDate", "dtpTimeFrom 09:00:00", "dtpTimeTo 20:00:00", "lstSelectSymbols IBM"})
            act(*report.form, step);
        QCOMPARE(frmPrint(report.folder.store()).mstrOldSQL, report.form->mstrOldSQL);
        writeCsvFile(QSettings("Ondara", "Ondara").fileName(), "[report]\nsortOrder=NewestFirst\n[broken\n");
        QCOMPARE(frmPrint(report.folder.store()).mstrOldSQL, AtStart);
    }

    // With the calculator's ten controls ahead of the report's five in the table,
    // each report control asks the viewer from its own pair on, after taking the
    // focus; only the right button asks, and no editing menu opens on the way.
    void rightClickHelp_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("edge"); // at the right edge rather than the centre
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("startPair"); // 0: no request
        QTest::addColumn<int>("topic");
        QTest::newRow("Select All") << "cmdSelectAll" << false << Qt::RightButton << 11 << 11;
        QTest::newRow("Delete") << "cmdDelete" << false << Qt::RightButton << 12 << 12;
        QTest::newRow("Save, in the Chart mode") << "cmdSave" << false << Qt::RightButton << 13 << 13;
        QTest::newRow("Print") << "cmdPrint" << false << Qt::RightButton << 14 << 14;
        QTest::newRow("symbol list") << "lstSelectSymbols" << false << Qt::RightButton << 15 << 15;
        // The From date has no pair of its own: the viewer finds nothing for it.
        QTest::newRow("From date, its text") << "dtpDateFrom" << false << Qt::RightButton << 11 << 0;
        QTest::newRow("From date, its arrow") << "dtpDateFrom" << true << Qt::RightButton << 11 << 0;
        QTest::newRow("left on symbol list") << "lstSelectSymbols" << false << Qt::LeftButton << 0 << 0;
        QTest::newRow("middle on Print") << "cmdPrint" << false << Qt::MiddleButton << 0 << 0;
        // A disabled control shows no help, not even that of the focused control.
        QTest::newRow("Save, in the Symbols mode") << "cmdSave" << false << Qt::RightButton << 0 << 0;
    }

    void rightClickHelp()
    {
        QFETCH(QString, name);
        QFETCH(bool, edge);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, startPair);
        Report report(standardRows());
        frmPrint &form = *report.form;
        QWidget calculator;
        std::array<QWidget *, HelpPairCount - 1> controls{};
        std::generate_n(controls.begin(), 10, [&] { return new QWidget(&calculator); });
        std::ranges::copy(form.helpControls(), controls.begin() + 10);
        fillHelpIDs(controls);
        // Save works in the Chart mode only: the row that expects no help leaves it disabled.
        if (name == QLatin1String("cmdSave") && startPair)
            act(form, "optChart");
        QWidget *clicked = control(form, name);
        // The centre of the From date is its text, its edge the arrow of the picker itself.
        const QPoint where = edge ? QPoint(clicked->width() - 4, clicked->height() / 2) : clicked->rect().center();
        QVERIFY(!edge || !clicked->childAt(where));
        // A menu that opened would wait for the user; close it and count it.
        int menus = 0;
        QTimer menuCloser;
        menuCloser.callOnTimeout([&] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()); menu && menu->close())
                ++menus;
        });
        menuCloser.start(5);
        QList<HelpRequest> requests;
        setHelpObserver([&](const HelpRequest &request) { requests += request; });
        // Through the window, as the desktop delivers it, so a context menu would open too.
        QTest::mouseClick(form.windowHandle(), button, {}, clicked->mapTo(&form, where));
        QTest::qWait(20);
        setHelpObserver({});
        QWhatsThis::hideText();

        QCOMPARE(menus, 0);
        QCOMPARE(requests.size(), startPair ? 1 : 0);
        if (!startPair)
            return;
        QCOMPARE(requests[0].caller, clicked);
        QCOMPARE(form.focusWidget(), clicked);
        QCOMPARE(requests[0].file, "Ondara.chm::/WaveHelpPopup.txt");
        QCOMPARE(requests[0].command, 0x11);
        QCOMPARE(requests[0].pairs, &HelpIDs[2 * (startPair - 1)]);
        QTEST(requests[0].topic, "topic");
    }

private:
    QTemporaryDir m_home;
};

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
