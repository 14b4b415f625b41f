// The report window over N saved calculations (--rows N, 32,767 unless
// given), all saved today under 400 symbols: the window built, shown and
// painted, a filter change that lists another query, and the worst such
// change for the store (a second's window of time, which few rows pass, so
// that a page is sifted from every row), against the sqlite3 program running
// the report's first query into /dev/null as the floor.
// Prints the median of several runs of each and the peak resident memory.
#include "BenchStore.h"
#include "BenchSupport.h"
#include "CalculationStore.h"
#include "StoredDateTime.h"
#include "frmPrint.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTreeView>

#include <cstdio>
#include <functional>

namespace {

constexpr int Runs = 7;

double medianMs(const std::function<void()> &run)
{
    return bench::medianMs(Runs, run);
}

void fill(const QString &path, int rows)
{
    const QDate today = QDate::currentDate();
    bench::fillSymbols(path, rows, [&](int i) {
        const double start = 10 + (i % 5000) / 4.0;
        ondara::SavedCalculation row;
        row.symbol = QStringLiteral("SYM%1").arg(i % 400);
        row.date = today;
        row.time = QTime(0, 0).addSecs((i * 37) % 86400);
        row.w1Start = start;
        row.w1End = start + 5;
        row.w3Target = start + 13.09;
        row.w3Ext = start + 16.18;
        row.w5Target = start + 18.09;
        row.w5Ext = start + 21.18;
        return row;
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int rows = bench::rowsArgument(argc, argv, 32767);
    QApplication app(argc, argv);
    bench::quietPlatformMessages();
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    bench::useScratchSettings(folder.path());
    QDir::setCurrent(folder.path());
    const QString path = folder.filePath(QStringLiteral("ondara.mdb"));
    fill(path, rows);
    ondara::CalculationStore store(ondara::openDatabase(path));

    int listed = 0;
    const double openMs = medianMs([&] {
        frmPrint form(store);
        bench::PaintWatch watch;
        form.installEventFilter(&watch);
        form.show();
        while (!watch.painted)
            QCoreApplication::processEvents();
        listed = form.findChild<QTreeView *>(QStringLiteral("ListView1"))->model()->rowCount();
    });

    frmPrint form(store);
    form.show();
    QCoreApplication::processEvents();
    auto *byDate = form.findChild<QRadioButton *>(QStringLiteral("optSortDate"));
    auto *bySymbol = form.findChild<QRadioButton *>(QStringLiteral("optSortSymbol"));
    int turn = 0;
    const double filterMs = medianMs([&] {
        // Each click changes the sort order, so each one lists another query.
        (turn++ % 2 == 0 ? byDate : bySymbol)->click();
        QCoreApplication::processEvents();
    });

    auto *timeFrom = form.findChild<QTimeEdit *>(QStringLiteral("dtpTimeFrom"));
    auto *timeTo = form.findChild<QTimeEdit *>(QStringLiteral("dtpTimeTo"));
    timeTo->setTime(QTime(0, 0, 1));
    timeFrom->setTime(QTime(0, 0, 1));
    const double narrowMs = medianMs([&] {
        // Each run widens the window by a second, so each one lists another query.
        timeTo->setTime(timeTo->time().addSecs(1));
        QCoreApplication::processEvents();
    });

    const QString sqlite3 = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    double floorMs = -1;
    if (!sqlite3.isEmpty()) {
        const QString today = ondara::storedDateText(QDate::currentDate());
        const QString firstQuery = QStringLiteral("SELECT * FROM tblSymbols WHERE Date >= '%1' AND Date <= '%1' AND "
                                                  "Time >= '00:00:00' AND Time <= '23:59:59' ORDER BY Symbol, Date, Time;")
                                       .arg(today);
        floorMs = medianMs([&] {
            QProcess cli;
            cli.setStandardOutputFile(QStringLiteral("/dev/null"));
            cli.start(sqlite3, {path, firstQuery});
            cli.waitForFinished(-1);
        });
    }

    std::printf("rows saved: %d, listed at first paint: %d\n", rows, listed);
    std::printf("%-44s %10s %14s  %s\n", "figure (median of 7)", "ms", "time vs floor", "target");
    const auto line = [&](const char *name, double ms, const char *target) {
        if (floorMs > 0)
            std::printf("%-44s %10.1f %13.2fx  %s\n", name, ms, ms / floorMs, target);
        else
            std::printf("%-44s %10.1f %14s  %s\n", name, ms, "no sqlite3", target);
    };
    line("floor: sqlite3 program, first query", floorMs, "");
    line("window built, shown and painted", openMs, "under 100 ms");
    line("filter change that lists another query", filterMs, "under 100 ms");
    line("time filter that few rows pass", narrowMs, "");
    std::printf("peak resident memory of this process: %.1f MB\n", double(bench::peakResidentKb()) / 1024);
    return 0;
}
