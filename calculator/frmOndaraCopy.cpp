// Copying the levels on the chart: the whole set (Ctrl+C, or the menu of a
// right-clicked level) or one level, as a trader pastes them into an order or
// alert form.
#include "frmOndara.h"

#include "ChartView.h"
#include "LevelsText.h"
#include "WatchListText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

using ondara::ChartLabel;
using ondara::LabelFor;
using ondara::LabelRole;

namespace {

struct NamedLevel {
    LabelRole role;
    const char *name;
};
constexpr NamedLevel namedLevels[] = {
    {LabelRole::Wav3Target, "Wave 3 target"},   {LabelRole::Wav3Point, "Wave 3 low point"},
    {LabelRole::Wav3Ext, "Wave 3 extension"},   {LabelRole::Wav5Point, "Wave 5 low point"},
    {LabelRole::Wav5Target, "Wave 5 target"},   {LabelRole::Wav5Ext, "Wave 5 extension"},
    {LabelRole::Ret38, "38% retracement"},      {LabelRole::Ret50, "50% retracement"},
    {LabelRole::Ret62, "62% retracement"},      {LabelRole::Ret75, "75% retracement"},
};

} // namespace

QList<LevelLine> frmOndara::shownLevels() const
{
    QList<LevelLine> lines;
    if (!m_shown)
        return lines;
    for (const NamedLevel &level : namedLevels) {
        const QLabel *label = Picture1->label(LabelFor(level.role, m_shown->bull));
        if (!label->isVisibleTo(Picture1))
            continue;
        const bool endPoint = level.role == LabelRole::Wav3Point && !m_shown->wave1;
        lines.append({endPoint ? QStringLiteral("Wave 3 end point") : QString::fromLatin1(level.name), label->text()});
    }
    return lines;
}

QString frmOndara::levelsHeading() const
{
    if (!m_shown)
        return {};
    const bool bull = m_shown->bull;
    const ChartLabel end = LabelFor(m_shown->wave1 ? LabelRole::End1 : LabelRole::Wav3Point, bull);
    return QStringLiteral("%1 \u00b7 wave %2 \u00b7 %3 \u2192 %4")
        .arg(bull ? QStringLiteral("Bull") : QStringLiteral("Bear"), m_shown->wave1 ? QStringLiteral("1") : QStringLiteral("3"),
             Picture1->label(LabelFor(LabelRole::Start, bull))->text(), Picture1->label(end)->text());
}

QString frmOndara::shownSymbol() const
{
    // The symbol picked or being typed, as the watch list would save it.
    return WatchListText::trimmedBlanks(
               WatchListText::firstCharacters(WatchListText::trimmedBlanks(cboSymbols->currentText()),
                                              WatchListText::MaxSymbolLength))
        .toString()
        .toUpper();
}

void frmOndara::actCopyLevels_Triggered()
{
    if (!m_shown)
        return;
    const QString symbol = shownSymbol();
    const QString heading = symbol.isEmpty() ? levelsHeading() : symbol + QStringLiteral(" \u00b7 ") + levelsHeading();
    QApplication::clipboard()->setMimeData(levelsMimeData(heading, shownLevels()));
}

void frmOndara::showLevelMenu(ChartLabel id, const QPoint &globalPos)
{
    if (!m_levelMenu) {
        m_levelMenu = new QMenu(this);
        m_levelMenu->setObjectName(QStringLiteral("mnuLevel"));
        m_levelMenu->addAction(actCopyLevels);
        QAction *copyThis = m_levelMenu->addAction(QStringLiteral("Copy This Level"));
        copyThis->setObjectName(QStringLiteral("actCopyThisLevel"));
        connect(copyThis, &QAction::triggered, this,
                [this] { QApplication::clipboard()->setText(Picture1->label(m_menuLabel)->text()); });
    }
    m_menuLabel = id;
    m_levelMenu->popup(globalPos);
}
