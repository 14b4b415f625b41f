#pragma once

#include <QByteArray>
#include <QEvent>
#include <QFile>
#include <QElapsedTimer>
#include <QObject>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <functional>
#include <vector>

// What the benchmark programs share: medians of timed runs, the process's
// peak resident memory and a watch for a window's first paint.
namespace bench {

inline double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Median wall time in milliseconds of runs calls of run.
inline double medianMs(int runs, const std::function<void()> &run)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

// VmHWM of this process in kB, or -1 where /proc does not tell.
inline long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Notes the first paint of the widgets it is installed on.
class PaintWatch : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// The headless platform reports every window request it cannot honour (a
// drop-down's raise, a keyboard grab); the figures are what the programs print.
// Settings of this run alone, kept in its scratch folder: a run never reads
// what an earlier one left (a narrowed report filter would be measured again),
// and neither it nor the processes it starts write the user's.
inline void useScratchSettings(const QString &folder)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    qputenv("XDG_CONFIG_HOME", folder.toLocal8Bit());
}

inline void quietPlatformMessages()
{
    static QtMessageHandler defaultHandler = nullptr;
    defaultHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            defaultHandler(type, context, message);
    });
}

} // namespace bench
