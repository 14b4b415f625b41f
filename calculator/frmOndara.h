#pragma once

#include "ChartLabels.h"
#include "PriceNotation.h"
#include "WaveState.h"

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <initializer_list>
#include <memory>
#include <optional>

class ChartView;
class PictureButton;
class PriceField;
class WatchListModel;
class frmPrint;
class QAction;
class QMenu;
struct LevelLine;
class QComboBox;
class QEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ondara {
class CalculationStore;
class StoreError;
}

// The calculator window: the main and start-up window of the program. It takes
// the two prices of the measured wave and the user's choices of market
// direction, wave basis and display, runs the engine and shows its results on
// the chart. Its state is the engine's WaveState plus its widgets; each
// handler carries the name of the control and event that runs it and is
// connected to that control's signal where the control is built (the price
// fields, the picture buttons and the chart say what happened to them).
class frmOndara : public QWidget
{
    Q_OBJECT

public:
    // Loads the window: its controls, pictures and help table. The saved
    // calculations are not read yet (LoadStore), so that the window is on
    // screen without waiting for them.
    explicit frmOndara(QWidget *parent = nullptr);
    ~frmOndara() override;

    const ondara::WaveState &waveState() const { return m_state; }

    // The button that Enter presses; the watch list moves it to Add Symbol
    // while the user types a symbol.
    void setDefaultButton(QPushButton *button);
    QPushButton *defaultButton() const { return m_defaultButton; }

    // The engine's level calculations on this window's state and chart.
    bool CalcWaveTarget();
    bool CalcRetracement();

public slots:
    void Form_Load();
    // Opens the saved calculations and fills the watch list; the program's
    // start calls it once the window has painted. A file that can be read but
    // not written opens, and the title says so. Throws ondara::StoreError when
    // the file cannot be opened or read; until it has run, the watch list and
    // its commands do nothing.
    void LoadStore();
    void Form_Unload();
    void Form_KeyUp(int KeyCode, int Shift);

    void cmdMarket_Click(int Index);
    void cmdUseWave_Click();
    void cmdDecFrac_Click();
    void optDec_Click();
    void optFrac_Click();
    // True when it accepted both prices and drew the chart from them.
    bool cmdCalc_Click();
    void cmdHelp_Click();
    void cmdAction_Click(int Index);
    void PrintChart();

    // Right-button releases show the control's popup help.
    void cmdMarket_MouseUp(int Index, Qt::MouseButton Button);
    void cmdCalc_MouseUp(Qt::MouseButton Button);
    void cmdHelp_MouseUp(Qt::MouseButton Button);
    void cmdDecFrac_MouseUp(Qt::MouseButton Button);
    void cmdUseWave_MouseUp(Qt::MouseButton Button);
    void cmdAction_MouseUp(int Index, Qt::MouseButton Button);
    void Picture1_MouseUp(Qt::MouseButton Button);

    // Copies the shown levels, with a heading that names what they belong to.
    void actCopyLevels_Triggered();

    void AddSymbol();
    void DeleteSymbol();
    void LoadWatchList();
    void cboSymbols_Click();
    void cboSymbols_Change();
    void cboSymbols_LostFocus();

    void TxtWavStart_Change();
    void TxtWavStart_GotFocus();
    // False when the field refused its text and kept the focus.
    bool TxtWavStart_LostFocus();
    void TxtWavEnd_Change();
    void TxtWavEnd_GotFocus();
    bool TxtWavEnd_LostFocus();

    // A click on a target label or a retracement picture shows or hides its
    // details (picBullRetrace_Click, lblTgtWav3Up_Click, ...: one table).
    void chartItem_Click(ondara::ChartLabel id);
    // The mouse over a chart item lights it or puts out what it belongs to
    // (picBullRetrace_MouseMove, lblWav3High_MouseMove, ...: one table).
    void chartItem_MouseMove(ondara::ChartLabel id);
    void Picture1_MouseMove();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildTopRow();
    int buildPriceFrame();
    void buildBottomRow();
    void buildHiddenOptions();
    void buildShortcuts();
    PictureButton *makePictureButton(const QString &name, const QString &toolTip, const QString &picture,
                                     int size);

    bool wave1Basis() const;
    frmPrint *reportWindow();
    void fillHelpTable();
    void paintChartFor(bool printing);

    // What a price field was last given: the tidy text it shows and the exact
    // price behind it ("12.38" for a typed 12 3/8), with the decimals it needs.
    struct PriceEntry {
        QString shown;
        double exact = 0;
        int decimals = 2;
        bool valid = false;
    };
    // The prices the chart's levels were computed from, while it shows them.
    struct ShownCalculation {
        bool bull = true;
        bool wave1 = true;
        double start = 0;
        double end = 0;
    };

    // Entry field rules shared by both price fields.
    PriceEntry &entryOf(const QLineEdit *field);
    // The price a field holds now: its exact price while it shows the text it
    // was given, else what its text reads as; nullopt when that is no number.
    std::optional<ondara::TypedNumber> fieldPrice(const QLineEdit *field);
    void tidyPriceFields();
    void setRecalledPrice(QLineEdit *field, std::optional<double> price);
    void updateStaleResults();
    QList<LevelLine> shownLevels() const;
    // Direction, basis and the two prices of the levels shown; empty without them.
    QString levelsHeading() const;
    QString shownSymbol() const;
    // "Bull · wave 1 · 10.00 → 20.00"
    static QString calculationHeading(bool bull, bool wave1, const QString &start, const QString &end);
    void showBasis();
    bool setDisplayMode(const QString &mode);

    // The session is saved when the window closes; the position is taken up
    // at once, the rest once the saved calculations are open.
    void restorePosition();
    void restoreSession();
    void saveSession() const;
    void showLevelMenu(ondara::ChartLabel id, const QPoint &globalPos);
    void applyChangeRule(QLineEdit *field, QString &lastAccepted);
    void selectWholeText(QLineEdit *field);
    bool leavePriceField(QLineEdit *field);
    QLineEdit *focusedPriceField() const;
    bool refuseFocusMove(QWidget *target, Qt::FocusPolicy policy);
    void priceFieldLeft(PriceField *field, Qt::FocusReason reason);

    // The watch list's helpers.
    void symbolsTextEdited();
    void reportWatchListError(const QString &procedure, const QString &separator,
                              const ondara::StoreError &error, QMessageBox::Icon icon);
    void showRecalledBasis(bool wave1);

    ondara::WaveState m_state;

    std::array<PictureButton *, 2> cmdMarket{};
    PictureButton *cmdDecFrac = nullptr;
    PictureButton *cmdUseWave = nullptr;
    QFrame *fraWave = nullptr;
    QLabel *lblStart = nullptr;
    PriceField *TxtWavStart = nullptr;
    QLabel *lblEnd = nullptr;
    PriceField *TxtWavEnd = nullptr;
    PictureButton *cmdCalc = nullptr;
    PictureButton *cmdHelp = nullptr;
    ChartView *Picture1 = nullptr;
    QComboBox *cboSymbols = nullptr;
    std::array<PictureButton *, 3> cmdAction{};
    QRadioButton *optUse1 = nullptr;
    QRadioButton *optUse3 = nullptr;
    QGroupBox *fraDecFracs = nullptr;
    QRadioButton *optDec = nullptr;
    QRadioButton *optFrac = nullptr;
    QAction *actCopyLevels = nullptr;
    QMenu *m_levelMenu = nullptr;
    ondara::ChartLabel m_menuLabel = ondara::ChartLabel::lblStartUp;

    // The saved calculations, for both windows, open for the window's life.
    ondara::CalculationStore *m_store = nullptr;
    // The watch list's entries, following the store.
    WatchListModel *m_watchList = nullptr;
    // The report window while Print Chart shows it.
    frmPrint *m_frmPrint = nullptr;

    // The last text each price field accepted (its tag).
    QString m_startTag;
    QString m_endTag;
    PriceEntry m_startPrice;
    PriceEntry m_endPrice;
    std::optional<ShownCalculation> m_shown;

    // The ID of the watch-list entry the user picked (or Add Symbol saved),
    // while the box shows it; typing or a Calculate click clears it.
    std::optional<qint64> m_pickedId;
    // A market direction has been chosen (bBullMarket alone cannot tell Bear from none).
    bool m_marketChosen = false;
    // The keys of the window's commands, which text fields leave to them.
    QList<QKeySequence> m_windowKeys;

    QPushButton *m_defaultButton = nullptr;
    bool m_inLostFocus = false;
    bool m_eatMouseEvent = false;
    bool m_unloading = false;
};
