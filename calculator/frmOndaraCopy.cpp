// Copying the levels on the chart: the whole set (Ctrl+C, or the menu of a
// right-clicked level) or one level, as a trader pastes them into an order or
// alert form.
#include "frmOndara.h"

#include "ChartView.h"
#include "PictureButton.h"
#include "PriceField.h"
#include "LevelsText.h"
#include "SymbolText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

using ondara::ChartLabel;
using ondara::labelFor;
using ondara::LabelRole;

namespace {

// The levels in the order a trader reads them: wave 3, wave 5, the retracements.
constexpr LabelRole copiedLevels[] = {
    LabelRole::Wav3Target, LabelRole::Wav3Point, LabelRole::Wav3Ext, LabelRole::Wav5Point, LabelRole::Wav5Target,
    LabelRole::Wav5Ext, LabelRole::Ret38, LabelRole::Ret50, LabelRole::Ret62, LabelRole::Ret75,
};

} // namespace

QList<LevelLine> frmOndara::shownLevels() const
{
    QList<LevelLine> lines;
    if (!m_shown)
        return lines;
    for (LabelRole role : copiedLevels) {
        const ChartLabel id = labelFor(role, m_shown->bull);
        if (Picture1->label(id)->isVisibleTo(Picture1))
            lines.append({Picture1->levelName(id), Picture1->label(id)->text()});
    }
    return lines;
}

QString frmOndara::levelsHeading() const
{
    if (!m_shown)
        return {};
    const bool bull = m_shown->bull;
    const ChartLabel end = labelFor(m_shown->wave1 ? LabelRole::End1 : LabelRole::Wav3Point, bull);
    return calculationHeading(bull, m_shown->wave1, Picture1->label(labelFor(LabelRole::Start, bull))->text(),
                              Picture1->label(end)->text());
}

QString frmOndara::calculationHeading(bool bull, bool wave1, const QString &start, const QString &end)
{
    return tr("%1 \u00b7 wave %2 \u00b7 %3 \u2192 %4")
        .arg(bull ? tr("Bull") : tr("Bear"), wave1 ? QStringLiteral("1") : QStringLiteral("3"), start, end);
}

QString frmOndara::shownSymbol() const
{
    // The symbol picked or being typed, as the watch list would save it.
    return ondara::symbolPart(cboSymbols->currentText()).toUpper();
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
        QAction *copyThis = m_levelMenu->addAction(tr("Copy This Level"));
        copyThis->setObjectName(QStringLiteral("actCopyThisLevel"));
        connect(copyThis, &QAction::triggered, this,
                [this] { QApplication::clipboard()->setText(Picture1->label(m_menuLabel)->text()); });
    }
    m_menuLabel = id;
    m_levelMenu->popup(globalPos);
}
