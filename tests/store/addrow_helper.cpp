// Test helper: adds one row to the database named on the command line, prints
// its ID once update() has returned, and then waits to be killed, so the test
// can show that the row is in the file without any orderly shut-down.

#include "RecordSet.h"

#include <QCoreApplication>
#include <QDate>
#include <QTime>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    try {
        using namespace ondara;
        auto set = RecordSet::open(openDatabase(QCoreApplication::arguments().value(1)),
                                   QStringLiteral("SELECT * FROM tblSymbols ORDER BY Symbol, Date DESC, Time DESC;"));
        set->addNew();
        set->setField(QStringLiteral("Symbol"), QStringLiteral("KILLED"));
        set->setField(QStringLiteral("Date"), QDate(2001, 1, 15));
        set->setField(QStringLiteral("Time"), QTime(15, 4, 5));
        set->setField(QStringLiteral("W1Start"), 12.5);
        std::printf("%lld\n", static_cast<long long>(set->update()));
        std::fflush(stdout);
        for (;;)
            pause();
    } catch (const ondara::StoreError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
