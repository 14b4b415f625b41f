// The calculator window's way out to paper and to help: Print Chart hands a
// picture of the chart to the report window, and every help entry (F1, the
// Help button, a right click) asks the help viewer for the control's topic.
#include "frmOndara.h"

#include "ChartView.h"
#include "PictureButton.h"
#include "PriceField.h"
#include "ContextHelp.h"
#include "LevelsText.h"
#include "ControlIds.h"
#include "MessageBox.h"
#include "StoreError.h"
#include "clsCommon.h"
#include "frmPrint.h"
#include "modCapture.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using ondara::ChartLabel;
using ondara::labelFor;
using ondara::LabelRole;

namespace {
constexpr ondara::BgrColour BullRet38Colour = 0x00C0E0FF;
constexpr ondara::BgrColour BearRet38Colour = 0x00C0FFC0;
} // namespace

frmPrint *frmOndara::reportWindow()
{
    // The report window is loaded when Print Chart first needs it; closing it
    // unloads it, so each opening starts from a fresh load.
    if (!m_frmPrint)
        m_frmPrint = new frmPrint(*m_store, this);
    return m_frmPrint;
}

void frmOndara::fillHelpTable()
{
    // The report window's controls are named, not built: their identifiers
    // are kept by name for the run, so building the window later gives its
    // controls these same numbers.
    std::array<qint32, HelpPairCount - 1> ids{};
    QWidget *const calculator[] = {cmdMarket[0], cmdMarket[1], cmdCalc, cmdHelp, cmdDecFrac, cmdUseWave,
                                   cmdAction[0], cmdAction[1], cmdAction[2], Picture1};
    auto id = ids.begin();
    for (QWidget *control : calculator)
        *id++ = ondara::GetDlgCtrlID(control);
    for (const char *name : frmPrint::HelpControlNames)
        *id++ = ondara::reserveDlgCtrlID(QLatin1StringView(frmPrint::WindowName), QLatin1StringView(name));
    fillHelpIDs(ids);
}

// ---- Print Chart ----

void frmOndara::paintChartFor(bool printing)
{
    // Yellow and the palest shade of the retracements vanish on white paper,
    // so those labels print black over the white version of the chart.
    const bool bull = m_state.bBullMarket;
    const ondara::BgrColour startEnd = printing ? ondara::ColourBlack : ondara::ColourYellow;
    const ondara::BgrColour ret38 = printing ? ondara::ColourBlack : (bull ? BullRet38Colour : BearRet38Colour);
    Picture1->setTextColour(labelFor(LabelRole::Start, bull), startEnd);
    Picture1->setTextColour(labelFor(LabelRole::End1, bull), startEnd);
    Picture1->setTextColour(labelFor(LabelRole::Ret38, bull), ret38);
    const QString picture = bull ? QStringLiteral("wave5up") : QStringLiteral("wave5down");
    Picture1->setPicture(picture + (printing ? QStringLiteral("white.gif") : QStringLiteral(".gif")));
}

void frmOndara::PrintChart()
{
    paintChartFor(true);
    const QRect chart = Picture1->geometry();
    const QPixmap captured = modCapture::CaptureRegion(this, true, chart.left(), chart.top(),
                                                       chart.width(), chart.height());
    paintChartFor(false);

    frmPrint *report = nullptr;
    try {
        report = reportWindow();
    } catch (const ondara::StoreError &error) {
        // The database went away since start-up: say so rather than end the program.
        ondara::showError(this, QStringLiteral("PrintChart"), tr("Ondara"), error);
        return;
    }
    ondara::ChartCapture capture;
    capture.picture = captured;
    capture.captured = QDateTime::currentDateTime();
    capture.symbol = shownSymbol();
    capture.heading = levelsHeading();
    capture.levels = shownLevels();
    report->setChartCapture(capture);
    report->mstrOldSQL = QString();
    report->exec();
    m_frmPrint = nullptr;
    report->deleteLater();
    activateWindow();
}

// ---- Help ----

void frmOndara::Form_KeyUp(int KeyCode, int Shift)
{
    // Key preview: KeyCode is the Qt key and Shift the Qt modifiers of a key
    // released anywhere in the window.
    Q_UNUSED(Shift);
    if (KeyCode == Qt::Key_F1)
        ShowContextHelp(this, HelpPairBull);
}

void frmOndara::cmdHelp_Click()
{
    // As if the user pressed F1 on the Help button, which the click has just
    // focused; queued, so the click ends first.
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier));
}

void frmOndara::cmdMarket_MouseUp(int Index, Qt::MouseButton Button)
{
    rightClickHelp(cmdMarket[std::size_t(Index)], Button, HelpPairBull);
}

void frmOndara::cmdCalc_MouseUp(Qt::MouseButton Button)
{
    rightClickHelp(cmdCalc, Button, HelpPairBull);
}

void frmOndara::cmdHelp_MouseUp(Qt::MouseButton Button)
{
    if (Button != Qt::RightButton)
        return;
    clsCommon().AboutAppInfo(this);
    rightClickHelp(cmdHelp, Button, HelpPairBull);
}

void frmOndara::cmdDecFrac_MouseUp(Qt::MouseButton Button)
{
    rightClickHelp(cmdDecFrac, Button, HelpPairBull);
}

void frmOndara::cmdUseWave_MouseUp(Qt::MouseButton Button)
{
    rightClickHelp(cmdUseWave, Button, HelpPairBull);
}

void frmOndara::cmdAction_MouseUp(int Index, Qt::MouseButton Button)
{
    rightClickHelp(cmdAction[std::size_t(Index)], Button, HelpPairBull);
}

void frmOndara::Picture1_MouseUp(Qt::MouseButton Button)
{
    rightClickHelp(Picture1, Button, HelpPairBull);
}
