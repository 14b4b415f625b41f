#include "CalculationStore.h"
#include "CalculationsCsv.h"
#include "CommandLine.h"
#include "DataFiles.h"
#include "OndaraStart.h"
#include "PriceImport.h"
#include "ReachedText.h"
#include "modOndara.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>
#include <memory>

using ondara::CommandLine;

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The database of the current folder, as the window would open it; a refused
// file or a failed write leaves its prices as they were.
int importPrices(const CommandLine &commandLine)
{
    const QString path = commandLine.importFile();
    try {
        const ondara::DatabaseHandle db = ondara::openDatabase(QStringLiteral("ondara.mdb"));
        const ondara::PriceImport import = ondara::importPrices(*db, path, commandLine.importSymbol(), QDate::currentDate());
        QTextStream(stdout) << ondara::importSummaryText(import) << '\n';
        return 0;
    } catch (const ondara::NumberedError &error) {
        QTextStream(stderr) << "ondara: " << ondara::importFailureText(path, error) << '\n';
        return 1;
    }
}

QString counted(qsizetype rows)
{
    return rows == 1 ? QStringLiteral("1 calculation") : QStringLiteral("%1 calculations").arg(rows);
}

// Every saved calculation of the current folder's database; a failed write
// leaves no file, nor any part of one.
int exportCsv(const QString &path)
{
    try {
        const ondara::CalculationStore store(ondara::openDatabase(QStringLiteral("ondara.mdb")));
        const QList<ondara::SavedCalculation> rows = store.all().rest();
        QList<ondara::ReachedCells> reached;
        for (const std::optional<ondara::ReachedResult> &result : store.reached(rows))
            reached += ondara::reachedCells(result);
        ondara::writeCalculationsCsv(path, rows, reached);
        QTextStream(stdout) << "Exported " << counted(rows.size()) << " to " << QDir::toNativeSeparators(path) << ".\n";
        return 0;
    } catch (const ondara::NumberedError &error) {
        QTextStream(stderr) << "ondara: Nothing was exported to " << QDir::toNativeSeparators(path) << ".\nError #"
                            << error.number() << ": " << error.description() << '\n';
        return 1;
    }
}

// Every row of the file is checked before the first is written, and all are
// written in one transaction: a refused file adds nothing.
int importCsv(const QString &path)
{
    try {
        ondara::CalculationStore store(ondara::openDatabase(QStringLiteral("ondara.mdb")));
        const qsizetype added = store.add(ondara::readCalculationsCsv(path)).size();
        QTextStream(stdout) << "Imported " << counted(added) << " from " << QDir::toNativeSeparators(path) << ".\n";
        return 0;
    } catch (const ondara::NumberedError &error) {
        QTextStream(stderr) << "ondara: Nothing was imported from " << QDir::toNativeSeparators(path) << ".\nError #"
                            << error.number() << ": " << error.description() << '\n';
        return 1;
    }
}

// The one place where an option's action runs; each prints why it failed and
// returns non-zero then.
int runAction(CommandLine &commandLine, CommandLine::Action action)
{
    switch (action) {
    case CommandLine::Action::Help:
        QTextStream(stdout) << commandLine.helpText();
        return 0;
    case CommandLine::Action::Version:
        QTextStream(stdout) << commandLine.versionText();
        return 0;
    case CommandLine::Action::ImportPrices:
        return importPrices(commandLine);
    case CommandLine::Action::ExportCsv:
        return exportCsv(commandLine.csvFile());
    case CommandLine::Action::ImportCsv:
        return importCsv(commandLine.csvFile());
    case CommandLine::Action::Invalid:
        QTextStream(stderr) << "ondara: " << commandLine.errorText() << "\nTry 'ondara --help'.\n";
        return 2;
    case CommandLine::Action::Window:
        break; // main() opens it, on the QApplication that only it makes
    }
    return 2;
}

// The user's language, where Ondara and Qt have it: Qt's own texts (the
// buttons of the message boxes, the file and print dialogs) and the program's.
void installTranslations(QApplication &app)
{
    const QLocale locale;
    for (const auto &[name, folder] : {std::pair{QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
                                       std::pair{QStringLiteral("ondara"), ondara::translationsFolder()}}) {
        auto translator = std::make_unique<QTranslator>();
        if (folder.isEmpty() || !translator->load(locale, name, QStringLiteral("_"), folder))
            continue;
        translator->setParent(&app);
        QCoreApplication::installTranslator(translator.release());
    }
}

int runWindow(QApplication &app)
{
    installTranslations(app);
    // The desktop entry's id, so the desktop matches the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ondara.Ondara"));
    const QIcon icon = ondara::loadIcon(QStringLiteral("ondara.png"));
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
    return ondara::runOndara(app);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Ondara"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ONDARA_VERSION));
    CommandLine commandLine;
    CommandLine::Action action = commandLine.read(argumentsOf(argc, argv));

    // Only the window needs a display. QApplication takes Qt's own options
    // (-style, -platform, ...) off the line, so a line made invalid by them
    // alone is read again once they are gone.
    if (action == CommandLine::Action::Window
        || (action == CommandLine::Action::Invalid && commandLine.mayBeForQt())) {
        QApplication app(argc, argv);
        action = commandLine.read(QCoreApplication::arguments());
        return action == CommandLine::Action::Window ? runWindow(app) : runAction(commandLine, action);
    }
    QCoreApplication app(argc, argv);
    return runAction(commandLine, action);
}
