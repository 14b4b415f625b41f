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
class WatchListModel;
class frmPrint;
class QAction;
class QMenu;
struct LevelLine;
class QButtonGroup;
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
// handler carries the name of the control and event that runs it, so that
// the watch list and the help can hook into the same window.
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
    void TxtWavStart_LostFocus();
    void TxtWavEnd_Change();
    void TxtWavEnd_GotFocus();
    void TxtWavEnd_LostFocus();

    void picBullRetrace_Click();
    void picBearRetrace_Click();
    void lblTgtWav3Up_Click();
    void lblTgtWav3Dn_Click();
    void lblTgtWav5Up_Click();
    void lblTgtWav5Dn_Click();

    void picBullRetrace_MouseMove();
    void picBearRetrace_MouseMove();
    void lblTgtWav3Up_MouseMove();
    void lblTgtWav3Dn_MouseMove();
    void lblTgtWav5Up_MouseMove();
    void lblTgtWav5Dn_MouseMove();
    void Picture1_MouseMove();
    void lblWav3High_MouseMove();
    void lblWav3Ext_MouseMove();
    void lblWav3DnHigh_MouseMove();
    void lblWav3DnExt_MouseMove();
    void lblWav5High_MouseMove();
    void lblWav5Ext_MouseMove();
    void lblWav5DnHigh_MouseMove();
    void lblWav5DnExt_MouseMove();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildTopRow();
    int buildPriceFrame();
    void buildBottomRow();
    void buildHiddenOptions();
    QPushButton *makePictureButton(const QString &name, const QString &toolTip, const QString &picture,
                                   int size);
    void setButtonToolTip(QPushButton *button, const QString &toolTip);
    void setButtonPicture(QPushButton *button, const QString &bareName);

    bool wave1Basis() const;
    frmPrint *reportWindow();
    void fillHelpTable();
    bool dispatchMouseUp(QObject *watched, Qt::MouseButton button);
    void paintChartFor(bool printing);
    void toggleGroup(std::initializer_list<ondara::ChartLabel> labels, bool &flag);

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
    void showLevelMenu(ondara::ChartLabel id, const QPoint &globalPos);
    void applyChangeRule(QLineEdit *field, QString &lastAccepted);
    void selectWholeText(QLineEdit *field);
    bool leavePriceField(QLineEdit *field);
    QLineEdit *focusedPriceField() const;
    bool refuseFocusMove(QWidget *target, Qt::FocusPolicy policy);
    bool filterPriceField(QLineEdit *field, QEvent *event);
    bool filterChartEvent(ondara::ChartLabel id, QEvent *event);
    bool belongsHere(QObject *object) const;

    // The watch list's helpers.
    void symbolsTextEdited();
    qint64 pickedId() const;
    void reportWatchListError(const QString &procedure, const QString &separator,
                              const ondara::StoreError &error, QMessageBox::Icon icon);
    void showRecalledBasis(bool wave1);

    ondara::WaveState m_state;

    std::array<QPushButton *, 2> cmdMarket{};
    QPushButton *cmdDecFrac = nullptr;
    QPushButton *cmdUseWave = nullptr;
    QFrame *fraWave = nullptr;
    QLabel *lblStart = nullptr;
    QLineEdit *TxtWavStart = nullptr;
    QLabel *lblEnd = nullptr;
    QLineEdit *TxtWavEnd = nullptr;
    QPushButton *cmdCalc = nullptr;
    QPushButton *cmdHelp = nullptr;
    ChartView *Picture1 = nullptr;
    QComboBox *cboSymbols = nullptr;
    std::array<QPushButton *, 3> cmdAction{};
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

    QPushButton *m_defaultButton = nullptr;
    QLineEdit *m_selectAllOnRelease = nullptr;
    QObject *m_chartPressed = nullptr;
    const QEvent *m_keyUpSeen = nullptr;
    bool m_inLostFocus = false;
    bool m_eatMouseEvent = false;
    bool m_unloading = false;
};
