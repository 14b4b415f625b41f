#include "CommandLine.h"

#include <QCoreApplication>

#include <algorithm>

namespace ondara {

CommandLine::CommandLine()
    : m_help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows these options and exits."))
    , m_version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Shows the version and exits."))
    , m_importPrices(QStringLiteral("import-prices"),
                     QStringLiteral("Imports the daily prices of a CSV file into ondara.mdb in the "
                                    "current folder, replacing those of the same dates, and exits."),
                     QStringLiteral("FILE"))
    , m_symbol(QStringLiteral("symbol"),
               QStringLiteral("The symbol of the imported prices; without it, the file's Symbol "
                              "column or its name gives it."),
               QStringLiteral("SYM"))
    , m_exportCsv(QStringLiteral("export-csv"),
                  QStringLiteral("Writes every saved calculation of ondara.mdb in the current folder to a "
                                 "CSV file, and exits."),
                  QStringLiteral("FILE"))
    , m_importCsv(QStringLiteral("import-csv"),
                  QStringLiteral("Adds the calculations of a CSV file, as --export-csv writes it, to "
                                 "ondara.mdb in the current folder, and exits."),
                  QStringLiteral("FILE"))
{
    m_parser.setApplicationDescription(
        QStringLiteral("Projects Elliott Wave price targets. Without options it opens its window on\n"
                       "the saved calculations in ondara.mdb in the current folder; ondara-launch\n"
                       "starts it in the user's data folder."));
    // Qt's own options are single-dash words (-style, -reverse): read as words
    // they stay themselves instead of a run of one-letter options.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
    m_parser.addOption(m_importPrices);
    m_parser.addOption(m_symbol);
    m_parser.addOption(m_exportCsv);
    m_parser.addOption(m_importCsv);
}

CommandLine::Action CommandLine::read(const QStringList &arguments)
{
    m_error.clear();
    const bool parsed = m_parser.parse(arguments);
    if (m_parser.isSet(m_help))
        return Action::Help;
    if (m_parser.isSet(m_version))
        return Action::Version;
    if (!parsed) {
        m_error = m_parser.errorText();
        return Action::Invalid;
    }
    if (!m_parser.positionalArguments().isEmpty()) {
        m_error = QStringLiteral("Unexpected argument '%1'.").arg(m_parser.positionalArguments().constFirst());
        return Action::Invalid;
    }
    const std::pair<const QCommandLineOption &, Action> fileActions[] = {
        {m_importPrices, Action::ImportPrices}, {m_exportCsv, Action::ExportCsv}, {m_importCsv, Action::ImportCsv}};
    Action asked = Action::Window;
    for (const auto &[option, action] : fileActions) {
        if (!m_parser.isSet(option))
            continue;
        if (asked != Action::Window) {
            m_error = QStringLiteral("--import-prices, --export-csv and --import-csv go one at a time.");
            return Action::Invalid;
        }
        asked = action;
    }
    if (asked == Action::ImportPrices)
        return asked;
    if (m_parser.isSet(m_symbol)) {
        m_error = QStringLiteral("--symbol names the symbol of --import-prices; it goes with that option.");
        return Action::Invalid;
    }
    return asked;
}

bool CommandLine::mayBeForQt() const
{
    // The options QApplication takes off the line itself.
    static const QStringList qtOptions = {
        QStringLiteral("style"), QStringLiteral("stylesheet"), QStringLiteral("platform"),
        QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"), QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowtitle"), QStringLiteral("qwindowicon"),
        QStringLiteral("reverse"), QStringLiteral("session"), QStringLiteral("display"),
        QStringLiteral("geometry"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
        QStringLiteral("dograb"), QStringLiteral("sync"), QStringLiteral("title"), QStringLiteral("name"),
        QStringLiteral("visual"), QStringLiteral("font"), QStringLiteral("fn"), QStringLiteral("background"),
        QStringLiteral("bg"), QStringLiteral("foreground"), QStringLiteral("fg"), QStringLiteral("button"),
        QStringLiteral("btn"), QStringLiteral("im"), QStringLiteral("inputstyle"),
    };
    const QStringList unknown = m_parser.unknownOptionNames();
    return !unknown.isEmpty() && std::all_of(unknown.cbegin(), unknown.cend(), [](const QString &name) {
        return qtOptions.contains(name);
    });
}

QString CommandLine::importFile() const
{
    return m_parser.value(m_importPrices);
}

QString CommandLine::csvFile() const
{
    return m_parser.value(m_parser.isSet(m_exportCsv) ? m_exportCsv : m_importCsv);
}

QString CommandLine::importSymbol() const
{
    return m_parser.value(m_symbol);
}

QString CommandLine::helpText() const
{
    return m_parser.helpText();
}

QString CommandLine::versionText() const
{
    return QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() + QLatin1Char('\n');
}

QString CommandLine::errorText() const
{
    return m_error;
}

} // namespace ondara
