// The report window over 32,767 saved calculations: opening it (load until the
// list is filled) and a filter change that reopens its query, against the
// sqlite3 program running the same query into /dev/null as the floor. Prints
// the median of several runs of each and the peak resident memory.
#include "BenchStore.h"
#include "BenchSupport.h"
#include "QueryDialect.h"
#include "frmPrint.h"
#include "modOndara.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRadioButton>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace ondara;

namespace {

constexpr int Rows = 32767;
constexpr int Runs = 7;

double medianMs(const std::function<void()> &run)
{
    return bench::medianMs(Runs, run);
}

void fill(const QString &path)
{
    const QDate today = QDate::currentDate();
    bench::fillSymbols(path, Rows, [&](int i) {
        const double start = 10 + (i % 5000) / 4.0;
        return bench::Row{QStringLiteral("SYM%1").arg(i % 400), today, QTime(0, 0).addSecs((i * 37) % 86400),
                          {start, start + 5, start + 13.09, start + 16.18, start + 18.09, start + 21.18}};
    });
}

// The report's query in SQLite's own words, its literals written back in.
QString sqliteText(const QString &reportQuery)
{
    const TranslatedQuery translated = translateQuery(reportQuery);
    QString sql;
    qsizetype value = 0;
    for (QChar c : translated.sql) {
        if (c == QLatin1Char('?')) {
            const QVariant bound = translated.values.value(value++);
            sql += bound.typeId() == QMetaType::QString || bound.typeId() == QMetaType::QDate
                       || bound.typeId() == QMetaType::QTime
                       ? quotedText(bound.typeId() == QMetaType::QDate   ? storedDateText(bound.toDate())
                                    : bound.typeId() == QMetaType::QTime ? storedTimeText(bound.toTime())
                                                                         : bound.toString())
                       : bound.toString();
        } else {
            sql += c;
        }
    }
    return sql;
}

QtMessageHandler g_defaultHandler = nullptr;

// The headless platform reports every window request it cannot honour; the
// figures are what this program prints.
void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        g_defaultHandler(type, context, message);
}


} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_defaultHandler = qInstallMessageHandler(quietPlatform);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    QDir::setCurrent(folder.path());
    fill(folder.filePath(QStringLiteral("ondara.mdb")));

    int listed = 0;
    QString firstQuery;
    const double openMs = medianMs([&] {
        frmPrint form;
        // Shown and painted once, so the rows on screen have been turned into text.
        form.show();
        QCoreApplication::processEvents();
        listed = form.findChild<QTreeView *>(QStringLiteral("ListView1"))->model()->rowCount();
        firstQuery = form.mstrOldSQL;
    });

    frmPrint form;
    form.show();
    QCoreApplication::processEvents();
    auto *byDate = form.findChild<QRadioButton *>(QStringLiteral("optSortDate"));
    auto *bySymbol = form.findChild<QRadioButton *>(QStringLiteral("optSortSymbol"));
    int turn = 0;
    const double filterMs = medianMs([&] {
        // Each click changes the sort order, so each one reopens the query.
        (turn++ % 2 == 0 ? byDate : bySymbol)->click();
        QCoreApplication::processEvents();
    });

    const QString sqlite3 = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    double floorMs = -1;
    if (!sqlite3.isEmpty()) {
        const QStringList arguments{folder.filePath(QStringLiteral("ondara.mdb")), sqliteText(firstQuery)};
        floorMs = medianMs([&] {
            QProcess cli;
            cli.setStandardOutputFile(QStringLiteral("/dev/null"));
            cli.start(sqlite3, arguments);
            cli.waitForFinished(-1);
        });
    }

    std::printf("rows listed: %d of %d\n", listed, Rows);
    std::printf("%-40s %10s %14s\n", "figure (median of 7)", "ms", "time vs floor");
    const auto line = [&](const char *name, double ms) {
        if (floorMs > 0)
            std::printf("%-40s %10.1f %13.2fx\n", name, ms, ms / floorMs);
        else
            std::printf("%-40s %10.1f %14s\n", name, ms, "no sqlite3");
    };
    line("floor: sqlite3 program, same query", floorMs);
    line("open the window (load to list shown)", openMs);
    line("filter change that reopens the query", filterMs);
    std::printf("peak resident memory: %.1f MB\n", double(bench::peakResidentKb()) / 1024);
    return 0;
}
