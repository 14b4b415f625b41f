#pragma once

#include <QList>
#include <QString>

class QMimeData;

// The levels of a calculation as a trader pastes them into an order form, a
// spreadsheet or a mail: a heading line, then one level a line with its name
// and price separated by a tab; the same table as HTML.
struct LevelLine {
    QString name;
    QString price;
};

QString levelsText(const QString &heading, const QList<LevelLine> &levels);
QString levelsHtml(const QString &heading, const QList<LevelLine> &levels);
// Both forms, ready for the clipboard.
QMimeData *levelsMimeData(const QString &heading, const QList<LevelLine> &levels);
