#include "CommandLine.h"

#include <QCoreApplication>

namespace ondara {

CommandLine::CommandLine()
    : m_help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows these options and exits."))
    , m_version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Shows the version and exits."))
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
    return Action::Window;
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
