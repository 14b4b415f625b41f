#include "HelpViewer.h"

#include "ControlIds.h"
#include "DataFiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QWhatsThis>
#include <QWidget>

namespace ondara {
namespace {

std::function<void(const HelpRequest &)> &observer()
{
    static std::function<void(const HelpRequest &)> instance;
    return instance;
}

QString popupFileName(const QString &reference)
{
    const qsizetype separator = reference.indexOf(QLatin1String("::/"));
    return separator < 0 ? reference : reference.mid(separator + 3);
}

int topicFor(int controlId, const qint32 *pairs)
{
    if (!pairs || controlId == 0)
        return 0;
    for (const qint32 *pair = pairs; pair[0] != 0 || pair[1] != 0; pair += 2) {
        if (pair[0] == controlId)
            return pair[1];
    }
    return 0;
}

QString topicText(const QString &fileName, int topic)
{
    const QString path = findHelpFile(fileName);
    if (path.isEmpty() || topic == 0)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return parseTopicFile(QString::fromUtf8(file.readAll())).value(topic);
}

} // namespace

QHash<int, QString> parseTopicFile(const QString &contents)
{
    static const QRegularExpression topicLine(QStringLiteral("^\\.topic\\s+(\\d+)\\s*$"));
    QHash<int, QString> topics;
    int current = 0;
    QStringList lines;
    const auto finish = [&] {
        if (current != 0)
            topics.insert(current, lines.join(QLatin1Char('\n')).trimmed());
        lines.clear();
    };
    for (const QString &line : contents.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = topicLine.match(line.trimmed());
        if (match.hasMatch()) {
            finish();
            current = match.captured(1).toInt();
        } else if (current != 0) {
            lines.append(line);
        }
    }
    finish();
    return topics;
}

int HtmlHelpA(QWidget *caller, const QString &file, int command, const qint32 *data)
{
    HelpRequest request;
    request.caller = caller;
    request.file = file;
    request.command = command;
    request.pairs = data;
    if (command == HH_TP_HELP_WM_HELP && caller) {
        request.topic = topicFor(GetDlgCtrlID(caller), data);
        request.text = topicText(popupFileName(file), request.topic);
    }
    if (observer())
        observer()(request);
    if (request.text.isEmpty())
        return 0;
    const QPoint below = caller->mapToGlobal(QPoint(caller->width() / 2, caller->height()));
    QWhatsThis::showText(below, request.text, caller);
    return 1;
}

void setHelpObserver(std::function<void(const HelpRequest &)> newObserver)
{
    observer() = std::move(newObserver);
}

} // namespace ondara
