#include "LevelsText.h"

#include <QMimeData>

QString levelsText(const QString &heading, const QList<LevelLine> &levels)
{
    QString text = heading + u'\n';
    for (const LevelLine &level : levels)
        text += level.name + u'\t' + level.price + u'\n';
    return text;
}

QString levelsHtml(const QString &heading, const QList<LevelLine> &levels)
{
    QString html = QStringLiteral("<table>\n<tr><th colspan=\"2\">%1</th></tr>\n").arg(heading.toHtmlEscaped());
    for (const LevelLine &level : levels) {
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n")
                    .arg(level.name.toHtmlEscaped(), level.price.toHtmlEscaped());
    }
    return html + QStringLiteral("</table>\n");
}

QMimeData *levelsMimeData(const QString &heading, const QList<LevelLine> &levels)
{
    auto *data = new QMimeData;
    data->setText(levelsText(heading, levels));
    data->setHtml(levelsHtml(heading, levels));
    return data;
}
