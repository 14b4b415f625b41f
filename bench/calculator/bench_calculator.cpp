// Times the calculator window in-process and prints the medians:
// (a) a Calculate from the click to the labels updated (and to the repaint),
//     with two and with six decimals, every label shown, layout included,
//     beside the floor of a click on a button that does nothing;
// (b) a switch to fractions and back,
// (c) the window's construction to its first paint.
#include "BenchSupport.h"
#include "frmOndara.h"
#include "modOndara.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Figures {
    double median;
    double min;
    double max;
};

Figures summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.front(), samples.back()};
}

void print(const char *what, const std::vector<double> &samples, double target)
{
    const Figures f = summarise(samples);
    std::printf("%-44s median %8.3f ms  min %8.3f  max %8.3f  (%zu runs, target < %g ms)\n", what, f.median,
                f.min, f.max, samples.size(), target);
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}


void click(frmOndara &window, QWidget *target)
{
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      target->mapTo(&window, target->rect().center()));
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    bench::useScratchSettings(dir.path());
    QDir::setCurrent(dir.path());
    ondara::createDatabase(QStringLiteral("ondara.mdb")); // the window opens it at load
    const int runs = 400;

    std::vector<double> construction;
    for (int i = 0; i < 40; ++i) {
        QElapsedTimer timer;
        timer.start();
        auto window = std::make_unique<frmOndara>();
        bench::PaintWatch watch;
        window->installEventFilter(&watch);
        window->show();
        while (!watch.painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        construction.push_back(msSince(timer));
        window->removeEventFilter(&watch);
    }

    frmOndara window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *calc = window.findChild<QPushButton *>(QStringLiteral("cmdCalc"));
    auto *display = window.findChild<QPushButton *>(QStringLiteral("cmdDecFrac"));
    auto *start = window.findChild<QLineEdit *>(QStringLiteral("TxtWavStart"));
    auto *end = window.findChild<QLineEdit *>(QStringLiteral("TxtWavEnd"));
    auto *target = window.findChild<QLabel *>(QStringLiteral("lblTgtWav3Up"));
    click(window, window.findChild<QPushButton *>(QStringLiteral("cmdMarket_0")));
    // Every label on: the details of both waves and the retracements.
    start->setText(QStringLiteral("10"));
    end->setText(QStringLiteral("20"));
    click(window, calc);
    for (const char *name : {"picBearRetrace", "lblTgtWav3Up", "lblTgtWav5Up"})
        click(window, window.findChild<QWidget *>(QLatin1String(name)));

    std::vector<double> calculate;
    std::vector<double> calculateAndPaint;
    std::vector<double> calculateSix;
    for (int i = 0; i < 2 * runs; ++i) {
        const bool six = i >= runs;
        if (six)
            start->setText(i % 2 ? QStringLiteral("10.123456") : QStringLiteral("12.654321"));
        else
            start->setText(i % 2 ? QStringLiteral("10.00") : QStringLiteral("12.50"));
        end->setText(six ? QStringLiteral("20.000001") : QStringLiteral("20.00"));
        QCoreApplication::processEvents();
        const QString before = target->text();
        QElapsedTimer timer;
        timer.start();
        click(window, calc);
        (six ? calculateSix : calculate).push_back(msSince(timer));
        if (target->text() == before)
            return std::fprintf(stderr, "Calculate did not update the labels\n"), 1;
        if (six != (target->text().size() - target->text().indexOf(u'.') == 7))
            return std::fprintf(stderr, "Calculate showed %s\n", qPrintable(target->text())), 1;
        if (!six) {
            window.repaint();
            calculateAndPaint.push_back(msSince(timer));
        }
    }

    // The floor: the same click, delivered the same way, on a button with no handler.
    QPushButton idle(&window);
    idle.setGeometry(calc->geometry().translated(0, 60));
    idle.show();
    std::vector<double> floor;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        click(window, &idle);
        floor.push_back(msSince(timer));
    }

    std::vector<double> fractions;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        click(window, display);
        click(window, display);
        fractions.push_back(msSince(timer));
    }

    const double floorMedian = summarise(floor).median;
    print("(a) Calculate, two decimals, click to labels", calculate, 1);
    std::printf("    ratio to the floor %.1fx\n", summarise(calculate).median / floorMedian);
    print("(a) Calculate, six decimals, click to labels", calculateSix, 1);
    std::printf("    ratio to the floor %.1fx\n", summarise(calculateSix).median / floorMedian);
    print("(a) floor: click on a button with no handler", floor, 1);
    print("(a) Calculate, click to window repainted", calculateAndPaint, 1);
    print("(b) fractions and back (two clicks)", fractions, 1);
    print("(c) construction to first paint", construction, 150);
    std::printf("(c) first construction in the process: %.3f ms\n", construction.front());
    return 0;
}
