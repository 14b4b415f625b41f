// ondara-mkdb FILE: makes the empty database of saved calculations that the
// program opens but never creates itself. The launcher runs it before a
// user's first start; over a good database it does nothing, so running it
// again is harmless.

#include "modOndara.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 1 || args.first().isEmpty()) {
        err << "Usage: ondara-mkdb FILE\nCreates an empty database of saved calculations at FILE.\n";
        return 2;
    }
    const QString path = args.first();
    try {
        const QFileInfo info(path);
        if (info.exists() || info.isSymLink())
            ondara::openDatabase(path); // throws unless it already is a database with tblSymbols
        else
            ondara::createDatabase(path);
    } catch (const ondara::StoreError &error) {
        err << "ondara-mkdb: " << error.description() << '\n';
        return 1;
    }
    return 0;
}
