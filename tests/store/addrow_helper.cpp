// Test helper: adds one row to the database named on the command line, prints
// its ID once update() has returned, and then waits to be killed, so the test
// can show that the row is in the file without any orderly shut-down.

#include "RecordSet.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    auto set = ondara::RecordSet::open(ondara::openDatabase(QCoreApplication::arguments().value(1)),
                                       QStringLiteral("SELECT * FROM tblSymbols;"));
    set->addNew();
    set->setField(QStringLiteral("Symbol"), QStringLiteral("KILLED"));
    QTextStream(stdout) << set->update() << Qt::endl;
    return app.exec();
}
