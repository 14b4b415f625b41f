#include "frmOndara.h"

#include "ChartView.h"
#include "PictureButton.h"
#include "PriceField.h"
#include "MessageBox.h"
#include "PriceText.h"
#include "WaveCalc.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// The road of one calculation: market direction and wave basis, Calculate
// with its checks, and the decimal or fraction display of its results.

using ondara::ChartLabel;
using ondara::labelFor;
using ondara::LabelRole;
using ondara::Mask;
using ondara::WaveState;
using ondara::maskString;

namespace {


// The twelve price labels of a direction and the number each stands for.
struct ShownPrice {
    LabelRole role;
    double WaveState::*value;
};
constexpr ShownPrice shownPrices[] = {
    {LabelRole::Start, &WaveState::dblWaveStart},   {LabelRole::End1, &WaveState::dblWaveEnd},
    {LabelRole::Ret38, &WaveState::dblRet38},       {LabelRole::Ret50, &WaveState::dblRet50},
    {LabelRole::Ret62, &WaveState::dblRet62},       {LabelRole::Ret75, &WaveState::dblRet75},
    {LabelRole::Wav3Point, &WaveState::dblWav3Point}, {LabelRole::Wav3Target, &WaveState::dblWav3Target},
    {LabelRole::Wav3Ext, &WaveState::dblWav3Ext},   {LabelRole::Wav5Point, &WaveState::dblWav5Point},
    {LabelRole::Wav5Target, &WaveState::dblWav5Target}, {LabelRole::Wav5Ext, &WaveState::dblWav5Ext},
};

} // namespace

// ---- Market direction and wave basis ----

namespace {

// What each direction shows: its set of labels (the other direction's set is
// hidden) and its pictures.
struct Direction {
    std::array<ChartLabel, 13> labels;
    const char *useWave1;
    const char *useWave3;
    const char *calculate;
    const char *chart;
    const char *bullButton;
    const char *bearButton;
    const char *help;
};
using L = ChartLabel;
constexpr Direction bearDirection{
    {L::lblStartDn, L::lblEnd1Dn, L::picBullRetrace, L::lblRetDnLow, L::lblRetDnMid, L::lblRetDnHigh,
     L::lblRetDnTop, L::lblWav3DnHigh, L::lblTgtWav3Dn, L::lblWav3DnExt, L::lblWav5DnHigh, L::lblTgtWav5Dn,
     L::lblWav5DnExt},
    "usewave1bear.gif", "usewave3bear.gif", "arrowdn.gif", "wave5down.gif", "bullmarket.gif", "bearred.gif",
    "HelpRed.bmp"};
constexpr Direction bullDirection{
    {L::lblStartUp, L::lblEnd1Up, L::picBearRetrace, L::lblRetLow, L::lblRetMid, L::lblRetHigh, L::lblRetTop,
     L::lblWav3High, L::lblTgtWav3Up, L::lblWav3Ext, L::lblWav5High, L::lblTgtWav5Up, L::lblWav5Ext},
    "usewave1.gif", "usewave3.gif", "arrowup.gif", "wave5up.gif", "bullgreen.gif", "bearmarket.gif",
    "HelpGreen.bmp"};

} // namespace

void frmOndara::cmdMarket_Click(int Index)
{
    for (QWidget *control : std::initializer_list<QWidget *>{
             cboSymbols, cmdAction[0], cmdAction[1], cmdAction[2], cmdDecFrac, cmdUseWave, cmdCalc,
             TxtWavStart, TxtWavEnd})
        control->setEnabled(true);

    const bool bull = Index == 0;
    const Direction &direction = bull ? bullDirection : bearDirection;
    for (ChartLabel id : (bull ? bearDirection : bullDirection).labels)
        Picture1->setVisible(id, false);
    cmdUseWave->setPicture(QString::fromLatin1(optUse1->isChecked() ? direction.useWave1 : direction.useWave3));
    cmdCalc->setPicture(QString::fromLatin1(direction.calculate));
    Picture1->setPicture(QString::fromLatin1(direction.chart));
    cmdMarket[0]->setPicture(QString::fromLatin1(direction.bullButton));
    cmdMarket[1]->setPicture(QString::fromLatin1(direction.bearButton));
    cmdHelp->setPicture(QString::fromLatin1(direction.help));
    m_state.bBullMarket = bull;
    m_marketChosen = true;
    cmdMarket[0]->setChecked(bull);
    cmdMarket[1]->setChecked(!bull);

    // The other direction's results are hidden now: the chart shows no levels.
    if (m_shown && m_shown->bull != bull)
        m_shown.reset();

    // Prices that contradict the new direction are cleared silently; they are
    // compared as the prices they denote, not as texts.
    if (!TxtWavStart->text().isEmpty() && !TxtWavEnd->text().isEmpty()) {
        const auto startPrice = fieldPrice(TxtWavStart);
        const auto endPrice = fieldPrice(TxtWavEnd);
        if (startPrice && endPrice
            && (bull ? startPrice->value > endPrice->value : startPrice->value < endPrice->value)) {
            TxtWavStart->setText(QString());
            TxtWavEnd->setText(QString());
        }
    }
    updateStaleResults();
    TxtWavStart->setFocus(Qt::OtherFocusReason);
}

void frmOndara::cmdUseWave_Click()
{
    const Direction &direction = m_state.bBullMarket ? bullDirection : bearDirection;
    m_state.bUseWave1 = !m_state.bUseWave1;
    (m_state.bUseWave1 ? optUse1 : optUse3)->setChecked(true);
    showBasis();
    cmdUseWave->setPicture(QString::fromLatin1(m_state.bUseWave1 ? direction.useWave1 : direction.useWave3));
    updateStaleResults();
}

void frmOndara::showBasis()
{
    // The tool tip names the basis the next click switches to.
    cmdUseWave->setTip(m_state.bUseWave1 ? tr("Use Wave 3") : tr("Use Wave 1"));
    cmdUseWave->setChecked(!m_state.bUseWave1);
}

// ---- Decimal and fraction display ----

void frmOndara::cmdDecFrac_Click()
{
    if (m_state.bShowFractions) {
        cmdDecFrac->setPicture(QStringLiteral("dispdec.gif"));
        cmdDecFrac->setTip(tr("Display Fractions"));
        optDec_Click();
        m_state.bShowFractions = false;
    } else {
        cmdDecFrac->setPicture(QStringLiteral("dispfrac.gif"));
        cmdDecFrac->setTip(tr("Display Decimals"));
        optFrac_Click();
        m_state.bShowFractions = true;
    }
    cmdDecFrac->setChecked(m_state.bShowFractions);
}

bool frmOndara::setDisplayMode(const QString &mode)
{
    fraDecFracs->setTitle(mode);
    // Labels are redrawn only while both prices are there to stand for.
    return !TxtWavStart->text().isEmpty() && !TxtWavEnd->text().isEmpty();
}

void frmOndara::optDec_Click()
{
    if (!setDisplayMode(tr("Decimals")))
        return;
    for (const ShownPrice &price : shownPrices) {
        if (const auto text = ondara::formatGeneral(m_state.*price.value))
            Picture1->setText(labelFor(price.role, m_state.bBullMarket), *text);
    }
}

void frmOndara::optFrac_Click()
{
    if (!setDisplayMode(tr("Fractions")))
        return;
    for (const ShownPrice &price : shownPrices) {
        const ChartLabel id = labelFor(price.role, m_state.bBullMarket);
        // The price the label stands for, exactly: a start typed as 12 3/8
        // and shown as 12.38 is 12 3/8 again. A label that shows no number
        // (never filled, or already a fraction) is left as it is.
        if (const auto shown = Picture1->price(id))
            Picture1->setText(id, ondara::Num2Frac(*shown));
    }
}

// ---- Calculate ----

bool frmOndara::cmdCalc_Click()
{
    const QString startText = TxtWavStart->text();
    const QString endText = TxtWavEnd->text();
    if (startText.isEmpty() || endText.isEmpty())
        return false;

    // A click on the button itself means the chart no longer stands for the
    // saved symbol picked in the watch list.
    if (focusWidget() == cmdCalc) {
        cboSymbols->setCurrentIndex(-1);
        m_pickedId.reset();
    }

    // Each check stops Calculate with its message; both prices are read before
    // either is tested for an unreadable fraction.
    const auto refuse = [this](const QString &text, const QString &title, QMessageBox::Icon icon) {
        ondara::showMessage(this, text, title, icon);
        return false;
    };
    const auto start = fieldPrice(TxtWavStart);
    if (!start)
        return refuse(tr("Error: Wave Start is not a valid number."), tr("Not a number"), QMessageBox::Warning);
    m_state.dblWaveStart = start->value;
    const auto end = fieldPrice(TxtWavEnd);
    if (!end)
        return refuse(tr("Error: Wave End is not a valid number."), tr("Not a number"), QMessageBox::Warning);
    m_state.dblWaveEnd = end->value;
    if (m_state.dblWaveStart == ondara::FracErrorValue)
        return refuse(tr("Error: Wave Start does not contain a proper fraction."), tr("Not a Fraction"),
                      QMessageBox::Warning);
    if (m_state.dblWaveEnd == ondara::FracErrorValue)
        return refuse(tr("Error: Wave End does not contain a proper fraction."), tr("Not a Fraction"),
                      QMessageBox::Warning);

    const bool bull = m_state.bBullMarket;
    if (bull ? !(m_state.dblWaveStart < m_state.dblWaveEnd) : !(m_state.dblWaveStart > m_state.dblWaveEnd)) {
        refuse(bull ? tr("In a Bull market, the wave start point must be less than the wave end point.")
                    : tr("In a Bear market, the wave start point must be greater than the wave end point."),
               tr("Ondara"), QMessageBox::Information);
        // Back in the start field, its text selected as on any entry, so typing replaces it.
        TxtWavStart->setFocus(Qt::OtherFocusReason);
        TxtWavStart_GotFocus();
        return false;
    }

    const bool useWave1 = wave1Basis();
    if (!ondara::levelsInRange(m_state.dblWaveStart, m_state.dblWaveEnd, bull, useWave1))
        return refuse(tr("Error: The levels of these prices are too large to show."), tr("Not a number"),
                      QMessageBox::Warning);

    m_state.nDecimals = ondara::shownDecimals(start->decimals, end->decimals);
    const auto levels = ondara::computeLevels(m_state.dblWaveStart, m_state.dblWaveEnd, bull, useWave1,
                                              m_state.nDecimals);
    // The start and end labels stand for the prices exactly as given, so a
    // fraction still in a field (Enter pressed before leaving it) appears as its price.
    const auto label = [bull](LabelRole role) { return labelFor(role, bull); };
    const auto showPrice = [&](LabelRole labelRole, LabelRole levelRole) {
        const ondara::PriceLevel &price = *(*levels)[levelRole];
        Picture1->setPrice(label(labelRole), price.text, price.value);
    };
    showPrice(LabelRole::Start, LabelRole::Start);
    Picture1->setVisible(label(LabelRole::Start), true);
    const ChartLabel wav3Point = label(LabelRole::Wav3Point);
    if (useWave1) {
        showPrice(LabelRole::End1, LabelRole::End1);
        Picture1->setVisible(label(LabelRole::End1), true);
        Picture1->setVisible(wav3Point, false);
        Picture1->placeWave3Point(bull, true);
        Picture1->setLabelToolTip(wav3Point, tr("Wave 3 low point"));
    } else {
        showPrice(LabelRole::Wav3Point, LabelRole::Wav3Point);
        Picture1->placeWave3Point(bull, false);
        Picture1->setLabelToolTip(wav3Point, tr("Wave 3 end point"));
        Picture1->setVisible(wav3Point, true);
        for (LabelRole role : {LabelRole::End1, LabelRole::Wav3Target, LabelRole::Wav3Ext, LabelRole::Ret38,
                               LabelRole::Ret50, LabelRole::Ret62, LabelRole::Ret75})
            Picture1->setText(label(role), "0");
        for (LabelRole role : {LabelRole::End1, LabelRole::RetracePicture, LabelRole::Ret38, LabelRole::Ret50,
                               LabelRole::Ret62, LabelRole::Ret75})
            Picture1->setVisible(label(role), false);
    }

    CalcWaveTarget();
    if (useWave1)
        CalcRetracement();
    if (m_state.bShowFractions)
        optFrac_Click();
    m_shown = ShownCalculation{bull, useWave1, m_state.dblWaveStart, m_state.dblWaveEnd};
    Picture1->setCaption(calculationHeading(
        bull, useWave1, QString::fromStdString((*levels)[LabelRole::Start]->text),
        QString::fromStdString((*levels)[useWave1 ? LabelRole::End1 : LabelRole::Wav3Point]->text)));
    updateStaleResults();
    return true;
}

void frmOndara::updateStaleResults()
{
    actCopyLevels->setEnabled(m_shown.has_value());
    if (!m_shown) {
        Picture1->setCaption(QString());
        Picture1->setStale(false);
        return;
    }
    const auto start = fieldPrice(TxtWavStart);
    const auto end = fieldPrice(TxtWavEnd);
    const bool current = start && end && start->value == m_shown->start && end->value == m_shown->end
        && m_shown->bull == m_state.bBullMarket && m_shown->wave1 == wave1Basis();
    if (current == !Picture1->isStale())
        return;
    Picture1->setStale(!current);
}

