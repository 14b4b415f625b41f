// The watch list over 32,767 saved calculations: LoadWatchList, Add Symbol and
// the program's start to its first paint, each the median of several runs.
// The floors, measured in the same run: the sqlite3 program reading the same
// rows in the same order, and a bare Qt window started the same way as the
// program (a fresh process, timed from its start to its first paint). Prints
// the peak resident memory of the started program and of this process.
#include "BenchStore.h"
#include "BenchSupport.h"
#include "QueryDialect.h"
#include "frmOndara.h"
#include "modOndara.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace ondara;

namespace {

constexpr int Rows = 32767;
constexpr int Runs = 9;
const char WatchListQuery[] = "SELECT * FROM tblSymbols ORDER BY Symbol, Date DESC, Time DESC;";

double medianMs(const std::function<void()> &run)
{
    return bench::medianMs(Runs, run);
}

// A few thousand tickers of one to five letters, saved over about three years.
void fill(const QString &path)
{
    QRandomGenerator random(20010115);
    QStringList tickers;
    for (int i = 0; i < 3000; ++i) {
        QString ticker;
        for (int length = 1 + int(random.bounded(5)); length > 0; --length)
            ticker += QChar(u'A' + random.bounded(26));
        tickers.append(ticker);
    }
    const QDate today = QDate::currentDate();
    bench::fillSymbols(path, Rows, [&](int) {
        const double start = 10 + random.bounded(40000) / 100.0;
        const bool wave1 = random.bounded(4) != 0;
        bench::Row row;
        row.symbol = tickers[random.bounded(int(tickers.size()))];
        row.date = today.addDays(-random.bounded(1100));
        row.time = QTime(0, 0).addSecs(random.bounded(86400));
        row.prices = {start, wave1 ? start + 10 : 0, start + 17.5, wave1 ? start + 20 : 0, start + 27.5, start + 36.18};
        return row;
    });
}



// The started process: shows its window, and at the first paint prints its
// peak resident memory and ends.
int startedWindow(int argc, char **argv, bool program)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondara"));
    std::unique_ptr<QWidget> window;
    if (program)
        window = std::make_unique<frmOndara>();
    else
        window = std::make_unique<QWidget>();
    bench::PaintWatch watch;
    window->installEventFilter(&watch);
    window->show();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("painted %ld\n", bench::peakResidentKb());
    std::fflush(stdout);
    return 0;
}

struct Started
{
    double ms = 0;
    long peakKb = 0;
};

Started startToFirstPaint(const QString &mode, const QString &folder)
{
    QProcess child;
    child.setWorkingDirectory(folder);
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {mode});
    while (!child.canReadLine() && child.waitForReadyRead(30000)) {
    }
    Started started{double(timer.nsecsElapsed()) / 1e6, 0};
    const QByteArray line = child.readLine().trimmed();
    if (!line.startsWith("painted"))
        std::fprintf(stderr, "%s did not paint: %s\n", qPrintable(mode), child.readAllStandardError().constData());
    started.peakKb = line.mid(8).toLong();
    child.waitForFinished();
    return started;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && (qstrcmp(argv[1], "--program") == 0 || qstrcmp(argv[1], "--bare") == 0))
        return startedWindow(argc, argv, qstrcmp(argv[1], "--program") == 0);

    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    QDir::setCurrent(folder.path());
    fill(folder.filePath(QStringLiteral("ondara.mdb")));

    std::vector<double> program;
    std::vector<double> bare;
    long programPeakKb = 0;
    for (int i = 0; i < Runs; ++i) {
        const Started started = startToFirstPaint(QStringLiteral("--program"), folder.path());
        program.push_back(started.ms);
        programPeakKb = std::max(programPeakKb, started.peakKb);
        bare.push_back(startToFirstPaint(QStringLiteral("--bare"), folder.path()).ms);
    }

    const QString sqlite3 = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    double floorMs = -1;
    if (!sqlite3.isEmpty()) {
        floorMs = medianMs([&] {
            QProcess cli;
            cli.setStandardOutputFile(QStringLiteral("/dev/null"));
            cli.start(sqlite3, {folder.filePath(QStringLiteral("ondara.mdb")), QLatin1String(WatchListQuery)});
            cli.waitForFinished(-1);
        });
    }

    frmOndara window;
    window.show();
    QCoreApplication::processEvents();
    auto *symbols = window.findChild<QComboBox *>(QStringLiteral("cboSymbols"));
    const double loadMs = medianMs([&] { window.LoadWatchList(); });
    const int listed = symbols->count();

    window.cmdMarket_Click(0);
    window.findChild<QLineEdit *>(QStringLiteral("TxtWavStart"))->setText(QStringLiteral("10"));
    window.findChild<QLineEdit *>(QStringLiteral("TxtWavEnd"))->setText(QStringLiteral("20"));
    const double addMs = medianMs([&] {
        symbols->setEditText(QStringLiteral("BENCH"));
        window.cmdAction_Click(0);
    });
    if (symbols->count() != listed + Runs)
        std::fprintf(stderr, "Add Symbol did not save every time\n");

    const auto ratio = [](double ms, double floor) {
        return floor > 0 ? QByteArray::number(ms / floor, 'f', 2) + 'x' : QByteArray("-");
    };
    std::printf("rows listed: %d\n", listed);
    std::printf("%-46s %10s %10s %8s\n", "figure (median of 9)", "ms", "vs floor", "target");
    std::printf("%-46s %10.1f %10s\n", "floor: sqlite3 program, same rows and order", floorMs, "1.00x");
    std::printf("%-46s %10.1f %10s %8s\n", "LoadWatchList", loadMs, ratio(loadMs, floorMs).constData(),
                "<150, 2x");
    std::printf("%-46s %10.1f %10s\n", "Add Symbol (Calculate, save, LoadWatchList)", addMs,
                ratio(addMs, floorMs).constData());
    const double bareMs = bench::median(bare);
    std::printf("%-46s %10.1f %10s\n", "floor: bare Qt window, start to first paint", bareMs, "1.00x");
    std::printf("%-46s %10.1f %10s %8s\n", "program, start to first paint", bench::median(program),
                ratio(bench::median(program), bareMs).constData(), "<300, 4x");
    std::printf("peak resident memory, started program: %.1f MB (target < 80)\n", double(programPeakKb) / 1024);
    std::printf("peak resident memory, this process: %.1f MB\n", double(bench::peakResidentKb()) / 1024);
    return 0;
}
