// The calculator window over N saved calculations (--rows N, 32,767 unless
// given): the program's start to its first paint and its peak resident
// memory, against a bare Qt window started the same way (a fresh process,
// timed from its start to its first paint, its memory read once the start-up
// work queued behind the first paint is done), and, for what text costs, a
// bare window with one text field; opening the watch list's
// drop-down and scrolling it to its end, and Add Symbol, against the sqlite3
// program reading the same rows in the same order. Each time is the median of
// several runs; every floor is measured in the same run.
#include "BenchStore.h"
#include "BenchSupport.h"
#include "OndaraStart.h"
#include "frmOndara.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 9;
constexpr int Starts = 21; // short runs, so more of them steady the median on a busy machine
const char WatchListQuery[] = "SELECT ID, Symbol, Date, Time FROM tblSymbols ORDER BY Symbol, Date DESC, Time DESC, ID;";

double medianMs(const std::function<void()> &run)
{
    return bench::medianMs(Runs, run);
}

// A few thousand tickers of one to five letters, saved over about three years.
void fill(const QString &path, int rows)
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
    bench::fillSymbols(path, rows, [&](int) {
        const double start = 10 + random.bounded(40000) / 100.0;
        const bool wave1 = random.bounded(4) != 0;
        ondara::SavedCalculation row;
        row.symbol = tickers[random.bounded(int(tickers.size()))];
        row.date = today.addDays(-random.bounded(1100));
        row.time = QTime(0, 0).addSecs(random.bounded(86400));
        row.w1Start = start;
        row.w1End = wave1 ? start + 10 : 0;
        row.w3Target = start + 17.5;
        row.w3Ext = wave1 ? start + 20 : 0;
        row.w5Target = start + 27.5;
        row.w5Ext = start + 36.18;
        return row;
    });
}

// Prints "painted" at the first paint of a top-level window, then, once the
// work queued behind that paint has run, the peak resident memory, and quits.
class StartWatch : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_painted || event->type() != QEvent::Paint || !watched->isWidgetType()
            || !static_cast<QWidget *>(watched)->isWindow())
            return false;
        m_painted = true;
        std::printf("painted\n");
        std::fflush(stdout);
        // Two hops: the first is queued ahead of the work the paint queued, the second behind it.
        QTimer::singleShot(0, this, [this] {
            QTimer::singleShot(0, this, [] {
                std::printf("peak %ld\n", bench::peakResidentKb());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        });
        return false;
    }

private:
    bool m_painted = false;
};

// The started process: the program as main() starts it, a bare window, or a
// bare window with one text field, which pays Qt's font set-up as any window
// that shows text does.
int startedWindow(int argc, char **argv, const QByteArray &mode)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondara"));
    StartWatch watch;
    app.installEventFilter(&watch);
    if (mode == "--program")
        return ondara::runOndara(app);
    QWidget window;
    if (mode == "--text")
        new QLineEdit(QStringLiteral("Start"), &window);
    window.show();
    return app.exec();
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
    while (!child.canReadLine() && child.waitForReadyRead(60000)) {
    }
    Started started{double(timer.nsecsElapsed()) / 1e6, 0};
    if (!child.readLine().startsWith("painted"))
        std::fprintf(stderr, "%s did not paint: %s\n", qPrintable(mode), child.readAllStandardError().constData());
    child.waitForFinished(60000);
    const QByteArray peak = child.readLine().trimmed();
    if (!peak.startsWith("peak"))
        std::fprintf(stderr, "%s did not finish its start: %s\n", qPrintable(mode), child.readAllStandardError().constData());
    started.peakKb = peak.mid(5).toLong();
    return started;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && QByteArrayList{"--program", "--bare", "--text"}.contains(argv[1]))
        return startedWindow(argc, argv, argv[1]);
    const int rows = bench::rowsArgument(argc, argv, 32767);

    QApplication app(argc, argv);
    bench::quietPlatformMessages();
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    bench::useScratchSettings(folder.path());
    QDir::setCurrent(folder.path());
    fill(folder.filePath(QStringLiteral("ondara.mdb")), rows);

    std::vector<double> program;
    std::vector<double> bare;
    std::vector<double> text;
    std::vector<double> programPeak;
    std::vector<double> barePeak;
    for (int i = 0; i < Starts; ++i) {
        const Started started = startToFirstPaint(QStringLiteral("--program"), folder.path());
        program.push_back(started.ms);
        programPeak.push_back(double(started.peakKb));
        const Started floor = startToFirstPaint(QStringLiteral("--bare"), folder.path());
        bare.push_back(floor.ms);
        barePeak.push_back(double(floor.peakKb));
        text.push_back(startToFirstPaint(QStringLiteral("--text"), folder.path()).ms);
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
    window.LoadStore();
    window.show();
    QCoreApplication::processEvents();
    auto *symbols = window.findChild<QComboBox *>(QStringLiteral("cboSymbols"));
    // The box works once a market is chosen; every run starts from a list freshly loaded.
    window.cmdMarket_Click(0);
    int listed = 0;
    // Scrolling a million entries would only measure the memory they take; the figure is for the default N.
    const bool scroll = rows <= 100000;
    const double scrollMs = !scroll ? -1 : medianMs([&] {
        window.LoadWatchList();
        symbols->showPopup();
        QAbstractItemView *view = symbols->view();
        do {
            view->scrollToBottom();
            QCoreApplication::processEvents();
        } while (view->model()->canFetchMore(QModelIndex()));
        listed = symbols->count();
        symbols->hidePopup();
    });

    window.findChild<QLineEdit *>(QStringLiteral("TxtWavStart"))->setText(QStringLiteral("10"));
    window.findChild<QLineEdit *>(QStringLiteral("TxtWavEnd"))->setText(QStringLiteral("20"));
    window.LoadWatchList();
    const double addMs = medianMs([&] {
        symbols->setEditText(QStringLiteral("BENCH"));
        window.cmdAction_Click(0);
    });

    const auto ratio = [](double value, double floor) {
        return floor > 0 ? QByteArray::number(value / floor, 'f', 2) + 'x' : QByteArray("-");
    };
    std::printf("rows saved: %d\n", rows);
    if (scroll)
        std::printf("entries listed after scrolling to the end: %d\n", listed);
    std::printf("%-50s %10s %10s  %s\n", "figure (median of 21 starts, of 9 runs)", "value", "vs floor", "target");
    const double bareMs = bench::median(bare);
    const double programMs = bench::median(program);
    std::printf("%-50s %10.1f %10s\n", "floor: bare Qt window, start to first paint, ms", bareMs, "1.00x");
    std::printf("%-50s %10.1f %10s  at most 2x\n", "program, start to first paint, ms", programMs,
                ratio(programMs, bareMs).constData());
    const double textMs = bench::median(text);
    std::printf("%-50s %10.1f %10s\n", "  bare window with one text field, ms", textMs, ratio(textMs, bareMs).constData());
    std::printf("%-50s %10s %10s\n", "  program against it", "", ratio(programMs, textMs).constData());
    const double bareMb = bench::median(barePeak) / 1024;
    const double programMb = bench::median(programPeak) / 1024;
    std::printf("%-50s %10.1f %10s\n", "floor: bare Qt window, peak resident, MB", bareMb, "1.00x");
    std::printf("%-50s %10.1f %10s  at most 2x\n", "program, peak resident after start-up, MB", programMb,
                ratio(programMb, bareMb).constData());
    std::printf("%-50s %10.1f %10s\n", "floor: sqlite3 program, same rows and order, ms", floorMs, "1.00x");
    if (scroll)
        std::printf("%-50s %10.1f %10s  under 300 ms\n", "drop-down opened and scrolled to its end, ms", scrollMs,
                    ratio(scrollMs, floorMs).constData());
    else
        std::printf("%-50s %10s\n", "drop-down opened and scrolled to its end", "not run above 100,000 rows");
    std::printf("%-50s %10.1f %10s\n", "Add Symbol (Calculate, save, list follows), ms", addMs,
                ratio(addMs, floorMs).constData());
    std::printf("spread of the start-up runs, ms: program %.1f to %.1f, bare %.1f to %.1f\n",
                *std::min_element(program.begin(), program.end()), *std::max_element(program.begin(), program.end()),
                *std::min_element(bare.begin(), bare.end()), *std::max_element(bare.begin(), bare.end()));
    return 0;
}
