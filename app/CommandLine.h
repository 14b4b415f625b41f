#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace ondara {

// The program's options and what a command line asks for. Without options the
// program opens its window; every option names an action that runs without
// one, so it answers on a terminal with no display (only --import-prices opens
// the database, and only once the line has been read). A new option is one member here, one line in the constructor, one
// test in read() and one case where main() runs the action.
class CommandLine
{
public:
    enum class Action { Window, Help, Version, ImportPrices, ExportCsv, ImportCsv, Invalid };

    CommandLine();

    // Reads arguments (the program's own name first). Help and version answer
    // whatever else is on the line; an unknown option or any other argument
    // makes the line Invalid.
    Action read(const QStringList &arguments);

    // The price file and the symbol (empty: the file's own) of ImportPrices.
    QString importFile() const;
    // The CSV file of ExportCsv or ImportCsv.
    QString csvFile() const;
    QString importSymbol() const;

    // Whether the options that made the last line Invalid are all Qt's own,
    // which only the window's QApplication takes off the line.
    bool mayBeForQt() const;

    QString helpText() const;
    QString versionText() const;
    // Why the last line read was Invalid.
    QString errorText() const;

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_importPrices;
    QCommandLineOption m_symbol;
    QCommandLineOption m_exportCsv;
    QCommandLineOption m_importCsv;
    QString m_error;
};

} // namespace ondara
