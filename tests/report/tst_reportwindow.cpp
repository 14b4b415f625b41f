#include "CalculationStore.h"
#include "CalculationsCsv.h"
#include "ContextHelp.h"
#include "CsvText.h"
#include "HelpViewer.h"
#include "MessageAnswerer.h"
#include "ReachedView.h"
#include "RowWriter.h"
#include "ScratchFolder.h"
#include "SymbolReportPrinter.h"
#include "frmPrint.h"
#include "modOndara.h"

#include <QChartView>
#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

using namespace ondara;
using namespace testsupport;
using Ids = QList<qint64>;
using Messages = QList<Message>;

namespace ondara {
bool operator==(const Message &a, const Message &b)
{
    return std::tie(a.text, a.title, a.icon, a.buttons, a.defaultButton)
        == std::tie(b.text, b.title, b.icon, b.buttons, b.defaultButton);
}
char *toString(const Message &m) { return QTest::toString(m.title + u'|' + m.text); }
} // namespace ondara

namespace {

const QDate Today = QDate::currentDate();
const QString File = QStringLiteral("ondara.mdb");
const auto Info = QMessageBox::Information;

// The query text of the days from and to, counted from today, and the rest.
QString dayQuery(qint64 from, qint64 to, const QString &rest)
{
    const auto mdy = [](qint64 day) { return QLocale::c().toString(Today.addDays(day), u"M/d/yyyy"); };
    return QStringLiteral("SELECT * FROM tblSymbols WHERE Date >= #%1# AND Date <= #%2# AND %3").arg(mdy(from), mdy(to), rest);
}
const QString AllDay = QStringLiteral("Time >= #12:00:00 AM# AND Time <= #23:59:59#");
const QString AtStart = dayQuery(0, 0, AllDay + " ORDER BY Symbol, Date, Time;");

struct Report;
// What the user does, one step at a time.
using Step = std::function<void(Report &)>;
using Steps = QList<Step>;

// A shown report window in a scratch folder of its own, over a new database
// holding the rows; its messages go to `messages`, which answers Ok unless told otherwise.
struct Report
{
    explicit Report(const QList<SymbolRow> &rows)
    {
        for (const SymbolRow &row : rows)
            QVERIFY(writeRow(File, row));
        form = std::make_unique<frmPrint>(store);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void act(const Steps &steps)
    {
        for (const Step &step : steps)
            step(*this);
    }
    template<typename T = QWidget>
    T *get(const QString &name) const { return form->findChild<T *>(name); }
    QTreeView *list() const { return get<QTreeView>("ListView1"); }
    Ids listed(bool selectedOnly = false) const
    {
        Ids found;
        for (int i = 0; i < list()->model()->rowCount(); ++i) {
            if (!selectedOnly || list()->selectionModel()->isRowSelected(i))
                found += list()->model()->index(i, 0).data().toLongLong();
        }
        return found;
    }

    ScratchFolder folder;
    MessageAnswerer messages;
    CalculationStore store{(createDatabase(File), openDatabase(File))};
    std::unique_ptr<frmPrint> form;
};

Step click(const QString &name)
{
    return [=](Report &r) { QTest::mouseClick(r.get(name), Qt::LeftButton); };
}
Step setTime(const QString &picker, QTime time)
{
    return [=](Report &r) { r.get<QTimeEdit>(picker)->setTime(time); };
}
// The day that many days after the picker's, picked in its drop-down calendar.
Step pickDay(const QString &picker, int days)
{
    return [=](Report &r) {
        auto *date = r.get<QDateEdit>(picker);
        QTest::mouseClick(date, Qt::LeftButton, {}, QPoint(date->width() - 4, date->height() / 2)); // its arrow
        QTRY_VERIFY(date->calendarWidget()->isVisible());
        for (int i = 0; i < qAbs(days); ++i)
            QTest::keyClick(QApplication::focusWidget(), days < 0 ? Qt::Key_Left : Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!date->calendarWidget()->isVisible());
        QCoreApplication::processEvents(); // what its closing queues
    };
}
Step pickSymbol(const QString &symbol)
{
    return [=](Report &r) { r.get<QListWidget>("lstSelectSymbols")->findItems(symbol, Qt::MatchExactly)[0]->setSelected(true); };
}
Step clickRow(int row, Qt::KeyboardModifiers modifiers = {})
{
    return [=](Report &r) { // column 0 is the hidden ID
        const QPoint cell = r.list()->visualRect(r.list()->model()->index(row, 1)).center();
        QTest::mouseClick(r.list()->viewport(), Qt::LeftButton, modifiers, cell);
    };
}
// Keys pressed where the keyboard sends them, from target on.
Step press(const QString &target, const QList<Qt::Key> &keys)
{
    return [=](Report &r) {
        r.form->activateWindow(); // back from any dialog before
        r.get(target)->setFocus();
        QTRY_VERIFY(QApplication::focusWidget());
        for (Qt::Key key : keys)
            QTest::keyClick(QApplication::focusWidget(), key);
        QCoreApplication::processEvents();
    };
}

SymbolRow row(qint64 id, const QString &symbol, int day, QTime time)
{
    return {symbol, {10.5, 11.5, 12.5, 13.5, 14.5, 15.5}, Today.addDays(day), time, id};
}

QList<SymbolRow> standardRows(qsizetype count = 7)
{
    return QList<SymbolRow>{row(1, "MSFT", 0, {9, 30}), row(2, "IBM", 0, {0, 0}), row(3, "IBM", 0, {23, 59, 59}),
                            row(4, "O'NEIL", 0, {16, 0}), row(5, QStringLiteral("NESTLÉ"), 0, {22, 0}),
                            row(6, "IBM", -1, {12, 0}), row(7, "MSFT", 1, {12, 0})}
        .first(count);
}

// Calls answer on each modal dialog of that type while the timer lives; one
// the answer leaves open is closed, so a test fails rather than waits.
template<typename Dialog>
std::unique_ptr<QTimer> answering(std::function<void(Dialog *)> answer)
{
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [answer] {
        if (auto *window = qobject_cast<Dialog *>(QApplication::activeModalWidget()); window && window->isVisible()) {
            answer(window);
            if (window->isVisible())
                window->close();
        }
    });
    timer->start(5);
    return timer;
}

// Answers each file dialog with the next of the current folder's file names,
// in the name filter given; "" cancels.
std::unique_ptr<QTimer> choosing(QStringList names, const QString &filter = {}, QStringList *offered = nullptr)
{
    return answering<QFileDialog>([names, filter, offered](QFileDialog *dialog) mutable {
        if (offered)
            *offered += dialog->selectedFiles().value(0);
        dialog->selectNameFilter(filter);
        // Typed into the name field: selectFile leaves a field that has the focus as it was.
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(QDir::current().filePath(names.value(0)));
        if (!names.isEmpty() && !names.takeFirst().isEmpty())
            static_cast<QDialog *>(dialog)->accept(); // QFileDialog's own accept checks the name first
    });
}

// The text of a PDF file as pdftotext gives it with those options.
QString pdfText(const QString &pdf, const QStringList &options = {QStringLiteral("-layout")})
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
    return tool.waitForFinished(60000) ? QString::fromUtf8(tool.readAllStandardOutput()) : QString();
}

// A printer that writes a PDF file.
std::unique_ptr<QPrinter> pdfPrinter(const QString &file, int resolution)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFileName(file);
    printer->setResolution(resolution);
    return printer;
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
    // A home of its own, so that no dialog opens in the user's folders.
    void initTestCase()
    {
        qputenv("HOME", m_home.path().toLocal8Bit());
        QDir(m_home.path()).mkdir("Pictures");
    }
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Each filter event rebuilds the text and lists the rows it selects.
    void filterEvents_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("query");
        QTest::addColumn<Ids>("listed");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QString bySymbol = AllDay + " ORDER BY Symbol, Date, Time;";
        // Sorted by symbol, date and time ascending, though "Symbol" shows as the choice.
        QTest::newRow("at start") << us << Steps() << AtStart << Ids{2, 3, 1, 5, 4};
        QTest::newRow("sort by symbol") << us << Steps{click("optSortSymbol")}
                                        << dayQuery(0, 0, AllDay + " ORDER BY Symbol, Date DESC, Time DESC;")
                                        << Ids{3, 2, 1, 5, 4};
        // The first symbol stays selected across the rebuilds that follow it; a quote in one is doubled.
        QTest::newRow("symbols kept in list order")
            << us << Steps{pickSymbol("O'NEIL"), pickSymbol("IBM"), click("optSortDate"), setTime("dtpTimeTo", {20, 0})}
            << dayQuery(0, 0, "Time >= #12:00:00 AM# AND Time <= #20:00:00# AND Symbol IN ('IBM','O''NEIL') "
                              "ORDER BY Date DESC, Time DESC, Symbol;")
            << Ids{4, 2};
        // The same text however the locale writes its dates.
        QTest::newRow("a week, British") << QLocale(QLocale::English, QLocale::UnitedKingdom)
                                         << Steps{pickDay("dtpDateFrom", -3), pickDay("dtpDateTo", 3)}
                                         << dayQuery(-3, 3, bySymbol) << Ids{6, 2, 3, 1, 7, 5, 4};
        // A window that wraps past midnight takes both ends of the day.
        QTest::newRow("past midnight")
            << us << Steps{setTime("dtpTimeFrom", {22, 0}), setTime("dtpTimeTo", {2, 0})}
            << dayQuery(0, 0, "(Time >= #10:00:00 PM# OR Time <= #02:00:00#) ORDER BY Symbol, Date, Time;") << Ids{2, 3, 5};
        // A typed date counts on Enter or on leaving the picker (Backtab, from its first part), not before.
        const QString monthBack = dayQuery(Today.daysTo(Today.addMonths(-1)), 0, bySymbol); // Down takes a month off
        QTest::newRow("typed") << us << Steps{press("dtpDateFrom", {Qt::Key_Down})} << AtStart << Ids{2, 3, 1, 5, 4};
        QTest::newRow("typed, Enter") << us << Steps{press("dtpDateFrom", {Qt::Key_Down, Qt::Key_Return})} << monthBack
                                      << Ids{6, 2, 3, 1, 5, 4};
        QTest::newRow("typed, left") << us << Steps{press("dtpDateFrom", {Qt::Key_Down, Qt::Key_Backtab})} << monthBack
                                     << Ids{6, 2, 3, 1, 5, 4};
    }

    void filterEvents()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        Report report(standardRows());
        QFETCH(Steps, steps);
        report.act(steps);
        QTEST(report.form->mstrOldSQL, "query");
        QTEST(report.listed(), "listed");
        QCOMPARE(report.messages.count(), 0);
    }

    // A rebuild that gives the text of the open query does not reopen it: a row
    // deleted behind its back still shows and the list keeps its selection.
    void sameTextIsNotReopened()
    {
        Report report(standardRows());
        report.act({clickRow(1), pickDay("dtpDateFrom", 0)});
        QVERIFY(rawExec(File, "DELETE FROM tblSymbols WHERE ID = 2"));
        // A From date after the To date is refused and put back; the next
        // rebuild compares with the last accepted text.
        report.act({pickDay("dtpDateTo", 0), pickDay("dtpDateFrom", 1), pickDay("dtpDateTo", 0)});
        const Message refused{"The To Date must be greater than the From Date.", "Invalid To Date", Info};
        QCOMPARE(report.messages.seen(), Messages{refused});
        QCOMPARE(report.form->mstrOldSQL, AtStart);
        QCOMPARE(report.listed(), (Ids{2, 3, 1, 5, 4}));
        QCOMPARE(report.listed(true), Ids{3});
        // Emptying the text, as the calculator window does, makes the same text reopen.
        report.form->mstrOldSQL.clear();
        report.act({pickDay("dtpDateTo", 0)});
        QCOMPARE(report.listed(), (Ids{3, 1, 5, 4}));
    }

    // Values in the user's locale (four-digit years, no time zone, no grouping,
    // as many digits as read back), nulls as empty cells, the ID never shown.
    void listShowsValues()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Report report({{"IBM", {1234.5, 2, 3, 4, 5, 0.1 + 0.2}, Today, QTime(15, 4, 5), 1}, {"MSFT", {}, Today, {}, 2}});
        QStringList cells;
        for (int cell : {2, 3, 4, 9, 14})
            cells += report.list()->model()->index(cell / 10, cell % 10).data().toString();
        QCOMPARE(cells, (QStringList{Today.toString("dd.MM.yyyy"), "15:04:05", "1234,5", "0,30000000000000004", ""}));
        QVERIFY(report.list()->isColumnHidden(0));
    }

    // Select All leaves every row selected with the focus in the list; Deselect
    // All, none with the focus on the button. A picture button's name is its
    // tool tip, and every control has a name a screen reader can say.
    void selectAllToggles()
    {
        Report report(standardRows());
        for (QWidget *named : report.form->findChildren<QWidget *>(QRegularExpression("^(?!qt_)."))) // not Qt's own parts
            QVERIFY2(!QAccessible::queryAccessibleInterface(named)->text(QAccessible::Name).isEmpty(), qPrintable(named->objectName()));
        auto *selectAll = report.get<QToolButton>("cmdSelectAll");
        for (const bool selecting : {true, false, true}) {
            QTest::mouseClick(selectAll, Qt::LeftButton);
            QCOMPARE(selectAll->toolTip(), selecting ? "Deselect All" : "Select All");
            QCOMPARE(selectAll->accessibleName(), selectAll->toolTip());
            QCOMPARE(report.listed(true).size(), selecting ? 5 : 0);
            QCOMPARE(QApplication::focusWidget(), selecting ? static_cast<QWidget *>(report.list()) : selectAll);
        }
    }

    void deleting_data()
    {
        QTest::addColumn<Steps>("steps"); // the last one asks to delete
        QTest::addColumn<Message>("message");
        QTest::addColumn<Ids>("deleted"); // when the question is answered Yes; none: answered No
        const Message none{"There are no selected items to delete.", "Delete Symbols", Info};
        const Message sure{"Are you sure you want to delete the selected item(s)?", "Delete Symbols",
                           QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
        const auto ctrl = Qt::ControlModifier;
        QTest::newRow("nothing selected") << Steps{click("cmdDelete")} << none << Ids{};
        // The current row is the one that has to be selected.
        QTest::newRow("current row not selected")
            << Steps{clickRow(0), clickRow(2, ctrl), clickRow(2, ctrl), click("cmdDelete")} << none << Ids{};
        QTest::newRow("answered No") << Steps{clickRow(0), clickRow(2, ctrl), click("cmdDelete")} << sure << Ids{};
        // The Delete key asks as the button does, here for the row that Down selects.
        QTest::newRow("Delete key") << Steps{press("ListView1", {Qt::Key_Down, Qt::Key_Delete})} << sure << Ids{};
        // An ID past 16 bits is the one deleted (65541 is 5 in 16 bits); a quoted symbol is filtered and deleted.
        QTest::newRow("answered Yes") << Steps{pickSymbol("IBM"), pickSymbol("O'NEIL"), pickSymbol("ZZ"), clickRow(1),
                                               clickRow(2, ctrl), clickRow(3, ctrl), click("cmdDelete")}
                                      << sure << Ids{3, 4, 65541};
    }

    // Whatever the answer, the query text stays and the list shows the same rows less
    // those deleted from the store; the symbol list is refilled, nothing selected in it.
    void deleting()
    {
        QFETCH(Steps, steps);
        QFETCH(Ids, deleted);
        Report report(standardRows() << row(65541, "ZZ", 0, {13, 0}));
        report.act(steps.first(steps.size() - 1));
        const QString query = report.form->mstrOldSQL, allIds = QStringLiteral("SELECT ID FROM tblSymbols ORDER BY ID");
        Ids listed = report.listed();
        QVariantList stored = rawQuery(File, allIds);
        report.messages.answerWith({deleted.isEmpty() ? QMessageBox::No : QMessageBox::Yes});
        report.act({steps.last()});
        QFETCH(Message, message);
        QCOMPARE(report.messages.seen(), Messages{message});
        for (qint64 id : deleted)
            QVERIFY(listed.removeOne(id) && stored.removeOne(id));
        QCOMPARE(report.listed(), listed);
        QCOMPARE(rawQuery(File, allIds), stored);
        QCOMPARE(report.form->mstrOldSQL, query);
        const auto *symbols = report.get<QListWidget>("lstSelectSymbols");
        QVERIFY(symbols->selectedItems().isEmpty());
        QCOMPARE(symbols->findItems("ZZ", Qt::MatchExactly).size(), deleted.contains(65541) ? 0 : 1);
    }

    // Which controls work, and whether the list or the chart shows.
    void printModes_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QStringList>("enabled");
        const QStringList filters{"lstSelectSymbols", "dtpDateFrom", "dtpDateTo", "dtpTimeFrom", "dtpTimeTo",
                                  "optSortSymbol", "optSortDate", "cmdImport"};
        const QStringList printing{"cmdPrint", "cmdPreview", "cmdExport"};
        const QStringList listButtons = QStringList{"cmdSelectAll", "cmdDelete"} + printing;
        const Steps chartThenSymbols{click("optChart"), click("optSymbols")};
        QTest::newRow("at start") << 7 << Steps() << filters + listButtons;
        // One row: Select All and Delete wait for a click on it, and Select All disables Delete again.
        QTest::newRow("one row") << 1 << Steps() << filters + printing;
        QTest::newRow("one row, Select All") << 1 << Steps{clickRow(0), click("cmdSelectAll")}
                                             << filters + QStringList{"cmdSelectAll"} + printing;
        QTest::newRow("Chart") << 0 << Steps{click("optChart")} << QStringList{"cmdPrint", "cmdPreview", "cmdSave"};
        QTest::newRow("Chart, then Symbols") << 7 << chartThenSymbols << filters + listButtons;
        QTest::newRow("Chart, then Symbols, no rows") << 0 << chartThenSymbols << filters;
        QTest::newRow("refilled empty") << 7 << Steps{setTime("dtpTimeFrom", {1, 0}), setTime("dtpTimeTo", {8, 0})} << filters;
    }

    void printModes()
    {
        QFETCH(int, rows);
        QFETCH(Steps, steps);
        QFETCH(QStringList, enabled);
        Report report(standardRows(rows));
        report.act(steps);
        const bool chart = enabled.contains("cmdSave");
        QCOMPARE(report.form->windowTitle(), chart ? "Print Chart" : "Print Symbols");
        QCOMPARE(report.get("cmdPrint")->toolTip(), report.form->windowTitle());
        QStringList shown;
        for (const char *name : {"lstSelectSymbols", "dtpDateFrom", "dtpDateTo", "dtpTimeFrom", "dtpTimeTo", "optSortSymbol",
                                 "optSortDate", "cmdImport", "cmdSelectAll", "cmdDelete", "cmdPrint", "cmdPreview",
                                 "cmdExport", "cmdSave"}) {
            if (report.get(name)->isEnabled())
                shown += QLatin1String(name);
        }
        QCOMPARE(shown, enabled);
        QCOMPARE(report.list()->isVisible(), !chart);
        QCOMPARE(report.form->picChart()->isVisible(), chart);
    }

    void savesChart_data()
    {
        QTest::addColumn<QStringList>("choices"); // a name for each opening of the Save As dialog; "" cancels
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QMessageBox::StandardButton>("answer"); // whether to overwrite the file; NoButton: it is new
        QTest::addColumn<Messages>("messages");
        QTest::addColumn<QString>("saved"); // the file written, if any
        const Message overwrite{"That file already exists. Overwrite it?", "Overwrite File", QMessageBox::Question,
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
        const auto isNew = QMessageBox::NoButton;
        QTest::newRow("bitmap, suffix added") << QStringList{"chart"} << "" << isNew << Messages() << "chart.bmp";
        QTest::newRow("PNG, suffix added") << QStringList{"chart"} << "PNG image (*.png)" << isNew << Messages()
                                           << "chart.png";
        QTest::newRow("PDF") << QStringList{"chart.pdf"} << "PDF document (*.pdf)" << isNew << Messages() << "chart.pdf";
        QTest::newRow("existing, No asks again, then cancelled")
            << QStringList{"chart.bmp", ""} << "" << QMessageBox::No << Messages{overwrite} << "";
        QTest::newRow("existing, Yes overwrites")
            << QStringList{"chart.bmp"} << "" << QMessageBox::Yes << Messages{overwrite} << "chart.bmp";
        QTest::newRow("folder missing") << QStringList{"missing/chart.bmp"} << "" << isNew
                                        << Messages{{"Error #76: Path not found", "Ondara", QMessageBox::NoIcon}} << "";
    }

    // Saving writes the chart in the chosen form and closes the window; any
    // other ending leaves the window open, the file as it was and no temporary file.
    void savesChart()
    {
        QFETCH(QStringList, choices);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, saved);
        Report report(standardRows());
        QPixmap chart(404, 312);
        chart.fill(Qt::white);
        QPainter(&chart).fillRect(10, 10, 120, 80, Qt::darkGreen);
        report.form->setChartCapture({chart, "IBM", QDateTime(QDate(2026, 12, 6), QTime(14, 3, 22)),
                                      "Bull · wave 1 · 10.00 → 20.00",
                                      {{"Wave 3 target", "26.18"}, {"Wave 5 extension", "42.36"}}});
        report.act({click("optChart")});
        const QDir folder = QDir::current();
        const QString file = folder.filePath(saved.isEmpty() ? QStringLiteral("chart.bmp") : saved);
        QVERIFY(answer == QMessageBox::NoButton || writeFile(file, "old"));
        const QStringList filesBefore = folder.entryList({"chart*"}, QDir::Files | QDir::Hidden); // temporary twins too
        QFETCH(QString, filter);
        QStringList offered;
        auto dialogs = choosing(choices, filter, &offered);
        report.messages.answerWith({answer});
        report.act({click("cmdSave")});
        QCOMPARE(offered.value(0), m_home.filePath("Pictures/IBM-2026-12-06"));
        QTEST(report.messages.seen(), "messages");
        QCOMPARE(report.form->isVisible(), saved.isEmpty());
        const bool added = !saved.isEmpty() && answer == QMessageBox::NoButton;
        const QStringList filesAfter = folder.entryList({"chart*"}, QDir::Files | QDir::Hidden);
        QCOMPARE(filesAfter, (added ? QStringList{saved} : QStringList()) + filesBefore);
        QVERIFY(!saved.isEmpty() || answer == QMessageBox::NoButton || fileBytes(file) == "old");
        if (saved.isEmpty())
            return;
        if (saved.endsWith(".pdf")) {
            QCOMPARE(pdfText(file).simplified(), "IBM · 2026-12-06 14:03:22 · Bull · wave 1 · 10.00 → 20.00 "
                                                 "Wave 3 target 26.18 Wave 5 extension 42.36");
            return;
        }
        // In the form its name says, the chart's own pixels; a PNG's over a band for the caption.
        QCOMPARE(QImageReader::imageFormat(file), QFileInfo(file).suffix().toLatin1());
        const QImage written = QImage(file).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(written.copy(0, 0, 404, 312), chart.toImage().convertToFormat(QImage::Format_RGB32));
        QCOMPARE(written.height() > 312, saved.endsWith(".png"));
        // The next Save As opens where this one saved.
        dialogs = choosing({""}, {}, &offered);
        report.form->show();
        report.act({click("cmdSave")});
        QCOMPARE(offered.last(), folder.filePath("IBM-2026-12-06"));
    }

    // Print goes through the print dialog, which without a printer writes a PDF
    // file in the user's folder; cancelled, it prints nothing and says nothing.
    void printsThroughDialog()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed here");
        Report report(standardRows());
        const QString pdf = m_home.filePath("Saved Symbols.pdf");
        for (const bool accepted : {false, true}) {
            const auto dialogs = answering<QPrintDialog>([accepted](QPrintDialog *dialog) {
                if (accepted)
                    dialog->accept();
            });
            report.act({click("cmdPrint")});
            QCOMPARE(QFile::exists(pdf), accepted);
        }
        QVERIFY(pdfText(pdf).contains("O'NEIL"));
        QCOMPARE(report.messages.count(), 0);
    }

    // Export writes the rows listed, or only those selected, in the list's order,
    // and --export-csv every row. Import and --import-csv add a file's rows as they were stored.
    void csvFiles_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<Ids>("exported");
        QTest::newRow("listed") << Steps() << Ids{7, 4, 9, 5};
        QTest::newRow("selected") << Steps{clickRow(1), clickRow(3, Qt::ControlModifier)} << Ids{4, 5};
    }

    void csvFiles()
    {
        // The last row is in no report of today.
        Report report({{"D", {10.123456, 20.5, {}, 30.000001, 0.000001, 654321.123456}, Today, QTime(9, 30, 1), 5},
                       row(4, "B", 0, {10, 0}), row(7, "A", 0, {11, 0}), row(9, "C", 0, {12, 0}), {"E", {}, {}, {}, 11}});
        QFETCH(Steps, steps);
        report.act(steps);
        const QDir folder = QDir::current();
        const QString out = folder.filePath("out.csv"), all = folder.filePath("all.csv");
        const auto dialogs = choosing({out, out}); // Export, then Import
        report.act({click("cmdExport")});
        QList<SavedCalculation> rows;
        QFETCH(Ids, exported);
        for (qint64 id : exported)
            rows += *report.store.find(id);
        rows = withoutIds(rows);
        QCOMPARE(readCalculationsCsv(out), rows);
        const QList<SavedCalculation> before = withoutIds(report.store.all().rest());
        QCOMPARE(QProcess::execute(QStringLiteral(ONDARA_PROGRAM), {"--export-csv", all}), 0); // of the current folder
        QCOMPARE(readCalculationsCsv(all), before);

        QCOMPARE(QProcess::execute(QStringLiteral(ONDARA_PROGRAM), {"--import-csv", out}), 0);
        report.act({click("cmdImport")});
        QList<SavedCalculation> expected; // each exported row twice more, after itself
        for (const SavedCalculation &row : before)
            expected += QList<SavedCalculation>(rows.contains(row) ? 3 : 1, row);
        QCOMPARE(withoutIds(report.store.all().rest()), expected);
        const Message imported{QStringLiteral("%1 calculations were imported.").arg(rows.size()), "Import", Info};
        QCOMPARE(report.messages.seen(), Messages{imported});
    }

    // What became of a row shows once its symbol's prices are imported through
    // the window, and goes with it into an exported file and the view that a
    // double click or Enter opens, which charts the prices with the levels, the
    // days they were reached and the day the count broke; with no prices after
    // its date the columns stay empty and the view has no chart.
    void reachedColumns_data()
    {
        QTest::addColumn<int>("day"); // of the row, from today
        QTest::addColumn<QVariantList>("prices");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("series"); // that the view charts, by name
        const QString first = Today.addDays(-9).toString(Qt::ISODate), second = Today.addDays(-8).toString(Qt::ISODate);
        const QVariantList bull{10, 20, 27.5, 30, 37.5, 46.18};
        QTest::newRow("reached, invalidated") << -10 << bull << QStringList{"W5 target 37.50 on " + second, "38.125", second}
                                              << QStringList{"Day's range", "Close", "Start 10.00", "W3 target 27.50 on " + first,
                                                             "W3 ext 30.00 on " + second, "W5 target 37.50 on " + second,
                                                             "W5 ext 46.18", "Reached", "", "Invalid " + second};
        QTest::newRow("no prices after its date") << 0 << bull << QStringList(3) << QStringList();
    }

    void reachedColumns()
    {
        QFETCH(int, day);
        QFETCH(QVariantList, prices);
        Report report({{"IBM", prices, Today.addDays(day), QTime(9, 0), 1}});
        report.act({pickDay("dtpDateFrom", -10)});
        const QAbstractItemModel *model = report.list()->model();
        const auto cells = [&] {
            return QStringList{model->index(0, 10).data().toString(), model->index(0, 11).data().toString(),
                               model->index(0, 12).data().toString()};
        };
        QCOMPARE(cells(), QStringList(3));
        const QString first = Today.addDays(-9).toString(Qt::ISODate), second = Today.addDays(-8).toString(Qt::ISODate);
        QVERIFY(writeFile("IBM.csv", QStringLiteral("Date,Open,High,Low,Close\n%1,20,28,19,27\n%2,27,38.125,9.5,12\n")
                                         .arg(first, second).toUtf8()));
        const auto dialogs = choosing({"IBM.csv", "out.csv"});
        report.act({click("cmdImportPrices")});
        const Message imported{QStringLiteral("Imported 2 days of IBM, %1 to %2.").arg(first, second), "Import Prices", Info};
        QCOMPARE(report.messages.seen(), Messages{imported});
        QTEST(cells(), "cells");
        report.act({click("cmdExport")});
        QTEST(csvRecords(readCsvFile("out.csv")).last().fields.sliced(10), "cells");

        QStringList opened, series;
        const auto views = answering<ReachedView>([&](ReachedView *view) {
            opened += view->windowTitle();
            series.clear();
            if (const auto *chart = view->findChild<QChartView *>()) {
                for (const QAbstractSeries *line : chart->chart()->series())
                    series += line->name();
            }
        });
        report.act({press("ListView1", {Qt::Key_Enter})});
        const QPoint cell = report.list()->visualRect(model->index(0, 1)).center();
        QTest::mouseClick(report.list()->viewport(), Qt::LeftButton, {}, cell); // the first click of the two
        QTest::mouseDClick(report.list()->viewport(), Qt::LeftButton, {}, cell);
        const QString title = "IBM " + Today.addDays(day).toString(Qt::ISODate);
        QCOMPARE(opened, (QStringList{title, title}));
        QTEST(series, "series");
    }

    // The order and the filters other than the dates come back in the next
    // window, but not from a settings file that cannot be read, even in part.
    void remembersFilters()
    {
        Report report(standardRows());
        report.act({click("optSortDate"), setTime("dtpTimeFrom", {9, 0}), setTime("dtpTimeTo", {20, 0}), pickSymbol("IBM")});
        QCOMPARE(frmPrint(report.store).mstrOldSQL, report.form->mstrOldSQL);
        QVERIFY(writeFile(QSettings("Ondara", "Ondara").fileName(), "[report]\nsortOrder=NewestFirst\n[broken\n"));
        QCOMPARE(frmPrint(report.store).mstrOldSQL, AtStart);
    }

    // The printed table: the title and heading once, then one line per row in
    // query order over several pages, what became of it included; every column
    // on a tab stop eight characters apart, at the same place on paper at any
    // resolution. An empty result prints nothing.
    void printsTable()
    {
        const QDate day = Today.addDays(-5);
        const QString shown = day.toString("M/d/yyyy"), reached = day.addDays(2).toString(Qt::ISODate);
        const QTime time(15, 4, 5);
        Report report({{"AAPL", {1234.56, 12345.67, 0.5, 12345678.25, {}, 9.0}, day, time, 1},
                       {"IBM", {10.0, 20.0, 27.5, 30.0, 37.5, 46.18}, day, time, 2}});
        QStringList expected{"Saved Symbols",
                             "Symbol Date Time W1 Start W1 End W3 End/Tgt W3 Ext W5 Target W5 Ext Reached Extreme Invalid",
                             "AAPL " + shown + " 3:04:05 PM 1234.56 12345.67 0.5 12345678.25 9",
                             "IBM " + shown + " 3:04:05 PM 10 20 27.5 30 37.5 46.18 W5 target 37.50 on " + reached + " 38.00 " + reached};
        for (int i = 1; i <= 150; ++i) { // IDs against the symbol order, so printing by ID would show
            const QString symbol = QStringLiteral("S%1").arg(i, 3, 10, QLatin1Char('0'));
            QVERIFY(writeRow(File, {symbol, {10.25 + i, 11.25 + i}, day, QTime(9, 30), 1000 - i}));
            expected += QStringLiteral("%1 %2 9:30:00 AM %3 %4").arg(symbol, shown).arg(10.25 + i).arg(11.25 + i);
        }
        QVERIFY(writeFile("IBM.csv", QStringLiteral("Date,Open,High,Low,Close\n%1,20,28,19,27\n%2,27,38,9.5,12\n")
                                         .arg(day.addDays(1).toString(Qt::ISODate), reached).toUtf8()));
        report.store.importPrices("IBM.csv");
        const auto printed = [&](QDate date, int resolution) {
            const auto printer = pdfPrinter(QStringLiteral("report-%1.pdf").arg(resolution), resolution);
            const ReportFilter wholeDay{date, date, {0, 0}, {23, 59, 59}, {}};
            printSymbolReport(*printer, report.store, report.store.report(wholeDay, ReportOrder::SymbolDateTime));
            return printer->pageLayout().orientation() == QPageLayout::Landscape ? printer->outputFileName() : QString();
        };
        printed(Today, 300); // no rows
        QVERIFY(!QFile::exists(QStringLiteral("report-300.pdf")));
        double lastStopAt300 = 0; // where "Invalid" stands
        for (int resolution : {300, 1200}) {
            const QString pdf = printed(day, resolution), text = pdfText(pdf);
            QVERIFY(text.count(u'\f') > 1);
            QStringList lines;
            for (const QString &line : text.split(u'\n'))
                lines += line.simplified();
            lines.removeAll(QString());
            QCOMPARE(lines, expected);

            // The first page's words that stand on a tab stop, by line, each with its stop.
            static const QRegularExpression word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)<)re");
            QMap<int, QList<std::pair<double, QString>>> byLine;
            for (const auto &m : word.globalMatch(pdfText(pdf, {"-l", "1", "-bbox"})))
                byLine[qRound(m.captured(2).toDouble())] += {m.captured(1).toDouble(), m.captured(3)};
            const QList<std::pair<double, QString>> heading = byLine.value(byLine.keys().value(1));
            const double left = heading.value(0).first, stop = (heading.value(1).first - left) / 2; // "Date" follows two tabs
            QVERIFY2(stop > 20 && stop < 80, qPrintable(QString::number(stop))); // eight 10-point characters
            QHash<QString, QString> stops;
            for (const auto &line : byLine) {
                for (const auto &[x, text] : line) {
                    if (const double at = (x - left) / stop; std::abs(at - std::round(at)) < 0.01)
                        stops[line[0].second] += QStringLiteral("%1@%2 ").arg(text).arg(std::lround(at));
                }
            }
            QCOMPARE(stops["Symbol"], "Symbol@0 Date@2 Time@4 W1@6 W1@8 W3@10 W3@12 W5@14 W5@16 Reached@18 Extreme@22 Invalid@24 ");
            QCOMPARE(stops["AAPL"], "AAPL@0 " + shown + "@2 3:04:05@4 1234.56@6 12345.67@8 0.5@10 12345678.25@12 9@16 ");
            // Stops are in the printer's own units: on paper they do not depend on its resolution.
            const double lastStop = heading.constLast().first;
            QVERIFY2(!lastStopAt300 || std::abs(lastStop - lastStopAt300) < 0.5, qPrintable(QString::number(lastStop)));
            lastStopAt300 = lastStop;
        }
    }

    // A 404 by 312 chart keeps on paper the size it has on screen, 96 pixels an
    // inch (6060 by 4680 twips), at any resolution of the printer.
    void printsChart()
    {
        ScratchFolder folder;
        QPixmap chart(404, 312);
        chart.fill(Qt::darkBlue);
        for (int resolution : {300, 1200}) {
            printChart(*pdfPrinter(QStringLiteral("chart.pdf"), resolution), chart);
            QProcess tool; // its third line: page num type width height color comp bpc enc interp object ID x-ppi y-ppi
            tool.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), QStringLiteral("chart.pdf")});
            QVERIFY(tool.waitForFinished(60000));
            const QString list = QString::fromLatin1(tool.readAllStandardOutput());
            const QStringList image = list.split(u'\n').value(2).simplified().split(u' ');
            QCOMPARE(image.mid(3, 2) + image.mid(12, 2), (QStringList{"404", "312", "96", "96"}));
        }
    }

    // A right click on a report control asks for help from the control's own
    // pair of the table on, for the control itself.
    void rightClickHelp_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("startPair"); // 0: no request
        QTest::newRow("Select All") << "cmdSelectAll" << 11;
        QTest::newRow("Save, in the Chart mode") << "cmdSave" << 13;
        QTest::newRow("symbol list") << "lstSelectSymbols" << 15;
        // The From date has no pair of its own and searches the report's from the first.
        QTest::newRow("From date") << "dtpDateFrom" << 11;
        // A disabled control shows no help, not even that of the focused control.
        QTest::newRow("Save, in the Symbols mode") << "cmdSave" << 0;
    }

    void rightClickHelp()
    {
        QFETCH(QString, name);
        QFETCH(int, startPair);
        Report report(standardRows());
        if (name == QLatin1String("cmdSave") && startPair) // Save works in the Chart mode only
            report.act({click("optChart")});
        QWidget *clicked = report.get(name);
        QList<HelpRequest> requests;
        setHelpObserver([&](const HelpRequest &request) { requests += request; });
        // Through the window, as the desktop delivers it.
        const QPoint centre = clicked->mapTo(report.form.get(), clicked->rect().center());
        QTest::mouseClick(report.form->windowHandle(), Qt::RightButton, {}, centre);
        QTest::qWait(20);
        setHelpObserver({});
        QWhatsThis::hideText();
        QCOMPARE(requests.size(), startPair ? 1 : 0);
        QVERIFY(!startPair || (requests[0].caller == clicked && requests[0].pairs == &HelpIDs[2 * (startPair - 1)]));
    }

private:
    QTemporaryDir m_home;
};

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
