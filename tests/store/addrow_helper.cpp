// Test helper: adds one row to the database named on the command line, prints
// its ID once add() has returned, and then waits to be killed, so the test
// can show that the row is in the file without any orderly shut-down.

#include "CalculationStore.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ondara::CalculationStore store(ondara::openDatabase(QCoreApplication::arguments().value(1)));
    ondara::SavedCalculation row;
    row.symbol = QStringLiteral("KILLED");
    QTextStream(stdout) << store.add(row) << Qt::endl;
    return app.exec();
}
