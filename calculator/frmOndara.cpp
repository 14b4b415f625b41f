#include "frmOndara.h"

#include "CalculationStore.h"
#include "ChartView.h"
#include "DataFiles.h"
#include "PictureButton.h"
#include "PriceField.h"
#include "PriceText.h"
#include "WatchListModel.h"
#include "WaveCalc.h"
#include "frmPrint.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionFrame>
#include <QWindow>

#include <utility>

using ondara::ChartLabel;

namespace {

// Window geometry in pixels: a top row of square picture buttons around the
// price frame, the chart below it, the watch list and its buttons at the bottom.
constexpr int Margin = 2;
constexpr int TopButton = 36;
constexpr int BottomButton = 28;
constexpr int ChartTop = Margin + TopButton + 2;
constexpr int BottomRowTop = ChartTop + ChartView::ChartHeight + 4;
constexpr int WindowHeight = BottomRowTop + BottomButton + Margin;

// The widest price a field shows whole, in the field's own font.
const QString WidestPrice = QStringLiteral("999999.999999");

} // namespace

frmOndara::frmOndara(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmOndara"));
    setWindowTitle(tr("Ondara"));

    buildTopRow();
    // The window is as wide as the chart, or as the top row when its price
    // fields need more in the user's font; the chart stays in the middle.
    const int width = qMax(ChartView::ChartWidth + 2 * Margin, fraWave->geometry().right() + 1 + 3 * TopButton + Margin);
    setFixedSize(width, WindowHeight);
    int x = fraWave->geometry().right() + 1;
    for (QPushButton *button : {cmdCalc, cmdHelp, cmdMarket[1]}) {
        button->move(x, Margin);
        x += TopButton;
    }
    Picture1 = new ChartView(this);
    Picture1->move((width - ChartView::ChartWidth) / 2, ChartTop);
    buildBottomRow();
    buildHiddenOptions();
    buildShortcuts();
    setDefaultButton(cmdCalc);
    // After the fields come Calculate, then the chart's toggles in the order they stand.
    setTabOrder(TxtWavStart, TxtWavEnd);
    setTabOrder(TxtWavEnd, cmdCalc);
    QWidget *previous = cmdMarket[1];
    for (ChartLabel toggle : {ChartLabel::lblTgtWav5Up, ChartLabel::lblTgtWav3Up, ChartLabel::picBearRetrace,
                              ChartLabel::lblTgtWav3Dn, ChartLabel::lblTgtWav5Dn, ChartLabel::picBullRetrace}) {
        setTabOrder(previous, Picture1->label(toggle));
        previous = Picture1->label(toggle);
    }
    setTabOrder(previous, cboSymbols);

    connect(Picture1, &ChartView::labelClicked, this, &frmOndara::chartItem_Click);
    connect(Picture1, &ChartView::hovered, this, &frmOndara::chartItem_MouseMove);
    connect(Picture1, &ChartView::backgroundHovered, this, &frmOndara::Picture1_MouseMove);
    connect(Picture1, &ChartView::mouseUp, this, &frmOndara::Picture1_MouseUp);
    connect(Picture1, &ChartView::priceMenuRequested, this, &frmOndara::showLevelMenu);
    Form_Load();
    restorePosition();
}

frmOndara::~frmOndara()
{
    m_unloading = true;
}

void frmOndara::buildShortcuts()
{
    // Ctrl+C copies the levels unless a text field has the focus: the field's
    // own copy takes the shortcut first.
    actCopyLevels = new QAction(tr("Copy Levels"), this);
    actCopyLevels->setObjectName(QStringLiteral("actCopyLevels"));
    actCopyLevels->setShortcut(QKeySequence::Copy);
    actCopyLevels->setEnabled(false);
    addAction(actCopyLevels);
    connect(actCopyLevels, &QAction::triggered, this, &frmOndara::actCopyLevels_Triggered);

    // A key for every command a mouse reaches; each presses its button, which
    // does nothing while the button is disabled.
    const std::pair<PictureButton *, QKeySequence> keys[] = {
        {cmdCalc, QKeySequence(Qt::Key_F5)},
        {cmdAction[2], QKeySequence(Qt::CTRL | Qt::Key_P)},
        {cmdAction[0], QKeySequence(Qt::CTRL | Qt::Key_S)},
        {cmdAction[1], QKeySequence(Qt::CTRL | Qt::Key_D)},
        {cmdMarket[0], QKeySequence(Qt::CTRL | Qt::Key_B)},
        {cmdMarket[1], QKeySequence(Qt::CTRL | Qt::Key_E)},
    };
    for (const auto &[button, key] : keys) {
        auto *action = new QAction(this);
        action->setObjectName(button->objectName() + QStringLiteral("_Key"));
        action->setShortcut(key);
        addAction(action);
        connect(action, &QAction::triggered, button, &QPushButton::animateClick);
        button->setShortcutText(key.toString(QKeySequence::NativeText));
        m_windowKeys.append(key);
    }
    TxtWavStart->windowKeys = m_windowKeys;
    TxtWavEnd->windowKeys = m_windowKeys;
    cboSymbols->lineEdit()->installEventFilter(this);
}

void frmOndara::buildTopRow()
{
    int x = Margin;
    const auto place = [&x](QWidget *widget, int width) {
        widget->move(x, Margin);
        x += width;
    };
    cmdMarket[0] = makePictureButton(QStringLiteral("cmdMarket_0"), tr("Bull Market"),
                                     QStringLiteral("bullmarket.gif"), TopButton);
    place(cmdMarket[0], TopButton);
    cmdDecFrac = makePictureButton(QStringLiteral("cmdDecFrac"), tr("Display Fractions"),
                                   QStringLiteral("dispdecplain.gif"), TopButton);
    place(cmdDecFrac, TopButton);
    cmdUseWave = makePictureButton(QStringLiteral("cmdUseWave"), tr("Use Wave 3"),
                                   QStringLiteral("usewave1plain.gif"), TopButton);
    place(cmdUseWave, TopButton);

    const int frameWidth = buildPriceFrame();
    fraWave->setFixedSize(frameWidth, TopButton);
    place(fraWave, frameWidth);

    cmdCalc = makePictureButton(QStringLiteral("cmdCalc"), tr("Calculate"), QStringLiteral("calc.gif"), TopButton);
    place(cmdCalc, TopButton);
    cmdHelp = makePictureButton(QStringLiteral("cmdHelp"), tr("Help"), QStringLiteral("help.bmp"), TopButton);
    place(cmdHelp, TopButton);
    cmdMarket[1] = makePictureButton(QStringLiteral("cmdMarket_1"), tr("Bear Market"),
                                     QStringLiteral("bearmarket.gif"), TopButton);
    place(cmdMarket[1], TopButton);

    // The direction and the display are states a screen reader tells: the
    // pressed market button, and whether fractions or wave 3 are in force.
    for (PictureButton *button : {cmdMarket[0], cmdMarket[1], cmdDecFrac, cmdUseWave})
        button->setCheckable(true);
    cmdDecFrac->setAccessibleDescription(tr("Checked while prices are shown as fractions"));
    cmdUseWave->setAccessibleDescription(tr("Checked while the prices measure wave 3"));
    for (int index = 0; index < 2; ++index) {
        connect(cmdMarket[index], &QPushButton::clicked, this, [this, index] { cmdMarket_Click(index); });
        connect(cmdMarket[index], &PictureButton::mouseUp, this,
                [this, index](Qt::MouseButton button) { cmdMarket_MouseUp(index, button); });
    }
    connect(cmdDecFrac, &QPushButton::clicked, this, &frmOndara::cmdDecFrac_Click);
    connect(cmdUseWave, &QPushButton::clicked, this, &frmOndara::cmdUseWave_Click);
    connect(cmdCalc, &QPushButton::clicked, this, &frmOndara::cmdCalc_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmOndara::cmdHelp_Click);
    connect(cmdDecFrac, &PictureButton::mouseUp, this, &frmOndara::cmdDecFrac_MouseUp);
    connect(cmdUseWave, &PictureButton::mouseUp, this, &frmOndara::cmdUseWave_MouseUp);
    connect(cmdCalc, &PictureButton::mouseUp, this, &frmOndara::cmdCalc_MouseUp);
    connect(cmdHelp, &PictureButton::mouseUp, this, &frmOndara::cmdHelp_MouseUp);
    for (QPushButton *button : {static_cast<QPushButton *>(cmdDecFrac), static_cast<QPushButton *>(cmdUseWave),
                                static_cast<QPushButton *>(cmdCalc)})
        button->setEnabled(false);
}

int frmOndara::buildPriceFrame()
{
    fraWave = new QFrame(this);
    fraWave->setObjectName(QStringLiteral("fraWave"));
    fraWave->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    lblStart = new QLabel(tr("Start"), fraWave);
    lblStart->setObjectName(QStringLiteral("lblStart"));
    TxtWavStart = new PriceField(QStringLiteral("TxtWavStart"), fraWave);
    lblEnd = new QLabel(tr("End"), fraWave);
    lblEnd->setObjectName(QStringLiteral("lblEnd"));
    TxtWavEnd = new PriceField(QStringLiteral("TxtWavEnd"), fraWave);
    lblStart->setBuddy(TxtWavStart);
    lblEnd->setBuddy(TxtWavEnd);
    TxtWavStart->setAccessibleName(tr("Start"));
    TxtWavEnd->setAccessibleName(tr("End"));
    TxtWavStart->setAccessibleDescription(tr("Start price of the measured wave"));
    TxtWavEnd->setAccessibleDescription(tr("End price of the measured wave"));

    const int startLabel = lblStart->fontMetrics().horizontalAdvance(lblStart->text()) + 4;
    const int endLabel = lblEnd->fontMetrics().horizontalAdvance(lblEnd->text()) + 4;
    // Wide enough for the widest price whole, in whatever font the user has.
    QStyleOptionFrame frame;
    frame.initFrom(TxtWavStart);
    frame.lineWidth = TxtWavStart->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, TxtWavStart);
    const QFontMetrics metrics = TxtWavStart->fontMetrics();
    const int field = TxtWavStart->style()
                          ->sizeFromContents(QStyle::CT_LineEdit, &frame,
                                             QSize(metrics.horizontalAdvance(WidestPrice) + 8, metrics.height()),
                                             TxtWavStart)
                          .width();
    const int fieldHeight = qMax(24, TxtWavStart->sizeHint().height());
    const int fieldTop = (TopButton - fieldHeight) / 2;
    int x = 4;
    for (auto [widget, width] : {std::pair<QWidget *, int>{lblStart, startLabel}, {TxtWavStart, field},
                                 {lblEnd, endLabel}, {TxtWavEnd, field}}) {
        widget->setGeometry(x, fieldTop, width, fieldHeight);
        x += width + (widget == TxtWavStart ? 6 : 0);
    }
    for (PriceField *entry : {TxtWavStart, TxtWavEnd}) {
        entry->setEnabled(false);
        entry->refusesText = &ondara::refusedPriceText;
        connect(entry, &PriceField::lostFocus, this,
                [this, entry](Qt::FocusReason reason) { priceFieldLeft(entry, reason); });
    }
    connect(TxtWavStart, &QLineEdit::textChanged, this, &frmOndara::TxtWavStart_Change);
    connect(TxtWavEnd, &QLineEdit::textChanged, this, &frmOndara::TxtWavEnd_Change);
    connect(TxtWavStart, &PriceField::gotFocus, this, &frmOndara::TxtWavStart_GotFocus);
    connect(TxtWavEnd, &PriceField::gotFocus, this, &frmOndara::TxtWavEnd_GotFocus);
    return x + 4;
}

void frmOndara::buildBottomRow()
{
    cboSymbols = new QComboBox(this);
    cboSymbols->setObjectName(QStringLiteral("cboSymbols"));
    cboSymbols->setEditable(true);
    cboSymbols->setInsertPolicy(QComboBox::NoInsert);
    m_watchList = new WatchListModel(cboSymbols);
    cboSymbols->setModel(m_watchList);
    // What the user types is a new symbol, never a saved entry completed for them.
    cboSymbols->setCompleter(nullptr);
    // Sized here, so the box never measures thousands of entries for a size hint.
    cboSymbols->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto *list = qobject_cast<QListView *>(cboSymbols->view()))
        list->setUniformItemSizes(true);
    const int comboWidth = width() - 2 * Margin - 3 * (BottomButton + 2);
    cboSymbols->setGeometry(Margin, BottomRowTop + 1, comboWidth, BottomButton - 2);
    cboSymbols->setEnabled(false);
    cboSymbols->setAccessibleName(tr("Watch list"));
    cboSymbols->lineEdit()->setAccessibleName(tr("Watch list"));
    cboSymbols->setAccessibleDescription(tr("Type a symbol to save the calculation under, or pick a saved one"));
    cboSymbols->installEventFilter(this);
    connect(cboSymbols, &QComboBox::activated, this, &frmOndara::cboSymbols_Click);
    connect(cboSymbols->lineEdit(), &QLineEdit::textEdited, this, &frmOndara::symbolsTextEdited);

    const QString names[] = {tr("Add Symbol"), tr("Delete Symbol"), tr("Print Chart")};
    const QString pictures[] = {QStringLiteral("addsymbol.gif"), QStringLiteral("delsymbol.gif"),
                                QStringLiteral("printchart.gif")};
    int x = Margin + comboWidth + 2;
    for (int index = 0; index < 3; ++index) {
        cmdAction[index] = makePictureButton(QStringLiteral("cmdAction_%1").arg(index), names[index],
                                             pictures[index], BottomButton);
        cmdAction[index]->move(x, BottomRowTop);
        cmdAction[index]->setEnabled(false);
        x += BottomButton + 2;
        connect(cmdAction[index], &QPushButton::clicked, this, [this, index] { cmdAction_Click(index); });
        connect(cmdAction[index], &PictureButton::mouseUp, this,
                [this, index](Qt::MouseButton button) { cmdAction_MouseUp(index, button); });
    }
}

void frmOndara::buildHiddenOptions()
{
    // The wave basis and the display mode live in option buttons the user never
    // sees; the toggles set them and the calculation reads them.
    optUse1 = new QRadioButton(tr("Use Wave 1"), this);
    optUse1->setObjectName(QStringLiteral("optUse1"));
    optUse3 = new QRadioButton(tr("Use Wave 3"), this);
    optUse3->setObjectName(QStringLiteral("optUse3"));
    auto *useGroup = new QButtonGroup(this);
    useGroup->addButton(optUse1);
    useGroup->addButton(optUse3);
    optUse1->setChecked(true);

    fraDecFracs = new QGroupBox(tr("Decimals"), this);
    fraDecFracs->setObjectName(QStringLiteral("fraDecFracs"));
    optDec = new QRadioButton(tr("Decimals"), fraDecFracs);
    optDec->setObjectName(QStringLiteral("optDec"));
    optDec->setToolTip(tr("Display Decimals"));
    optFrac = new QRadioButton(tr("Fractions"), fraDecFracs);
    optFrac->setObjectName(QStringLiteral("optFrac"));
    optFrac->setToolTip(tr("Display Fractions"));
    optDec->setChecked(true);

    for (QWidget *hidden : std::initializer_list<QWidget *>{optUse1, optUse3, fraDecFracs})
        hidden->hide();
}

PictureButton *frmOndara::makePictureButton(const QString &name, const QString &toolTip, const QString &picture,
                                            int size)
{
    auto *button = new PictureButton(name, toolTip, size, this);
    button->setPicture(picture);
    return button;
}

void frmOndara::setDefaultButton(QPushButton *button)
{
    if (m_defaultButton)
        m_defaultButton->setDefault(false);
    m_defaultButton = button;
    if (m_defaultButton)
        m_defaultButton->setDefault(true);
}

bool frmOndara::wave1Basis() const
{
    return optUse1->isChecked();
}

bool frmOndara::CalcWaveTarget()
{
    return ondara::CalcWaveTarget(m_state, *Picture1, wave1Basis());
}

bool frmOndara::CalcRetracement()
{
    return ondara::CalcRetracement(m_state, *Picture1);
}

// ---- Start-up and shut-down ----

void frmOndara::Form_Load()
{
    m_state.bUseWave1 = true;
    fillHelpTable();
    Picture1->setPicture(QStringLiteral("wavesplash.jpg"));
}

void frmOndara::LoadStore()
{
    // Nothing of it shows until a market is chosen, and opening the file
    // (loading the database driver above all) would hold up the first paint.
    // The entries line up in columns only in a fixed-pitch font; a machine
    // without Courier New gets its own fixed-pitch font. The box is empty
    // until now, so its font waits too.
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    if (!QFontInfo(fixed).fixedPitch())
        fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    cboSymbols->setFont(fixed);
    ondara::OpenDB();
    m_store = new ondara::CalculationStore(ondara::gdbSymbols, this);
    m_watchList->follow(*m_store);
    m_watchList->setErrorHandler([this](const ondara::StoreError &error) {
        reportWatchListError(QStringLiteral("LoadWatchList"), QStringLiteral(" "), error, QMessageBox::Information);
    });
    LoadWatchList();
    if (m_store->isReadOnly())
        setWindowTitle(tr("Ondara - saved calculations can be read but not written"));
    restoreSession();
}

void frmOndara::Form_Unload()
{
    QCoreApplication::quit();
}


void frmOndara::paintEvent(QPaintEvent *)
{
    // Where the window is wider than the chart, the chart's outer columns
    // carry its background on to the window's edges.
    const QRect chart = Picture1->geometry();
    const QPixmap &picture = Picture1->picture();
    if (chart.left() <= 0 || picture.isNull())
        return;
    QPainter painter(this);
    const qreal ratio = picture.devicePixelRatio();
    const QRectF leftColumn(0, 0, 1, picture.height());
    const QRectF rightColumn(picture.width() - 1, 0, 1, picture.height());
    const qreal height = picture.height() / ratio;
    painter.drawPixmap(QRectF(0, chart.top(), chart.left(), height), picture, leftColumn);
    painter.drawPixmap(QRectF(chart.left() + picture.width() / ratio, chart.top(),
                              width() - chart.left() - picture.width() / ratio, height),
                       picture, rightColumn);
}

void frmOndara::closeEvent(QCloseEvent *event)
{
    saveSession();
    m_unloading = true;
    event->accept();
    Form_Unload();
}

// ---- Enter, key preview and event routing ----

void frmOndara::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    QWidget *focus = focusWidget();
    QPushButton *target = m_defaultButton;
    if (auto *focusedButton = qobject_cast<QPushButton *>(focus)) {
        target = focusedButton; // a focused button takes Enter itself, as in a dialog
    } else if (focus && (focus == cboSymbols || cboSymbols->isAncestorOf(focus)) && target == cmdCalc) {
        target = nullptr; // Enter in the watch-list box never calculates
    }
    if (target && target->isEnabled() && target->isVisible()) {
        target->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmOndara::keyReleaseEvent(QKeyEvent *event)
{
    // A release no control takes comes up to the window: its key preview.
    Form_KeyUp(event->key(), int(event->modifiers()));
    QWidget::keyReleaseEvent(event);
}

void frmOndara::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A press reaches the window before Qt hands the focus to the control
    // under the mouse: the only moment a price field can still refuse it.
    if (windowHandle())
        windowHandle()->installEventFilter(this);
}

bool frmOndara::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == windowHandle() && !m_unloading) {
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::Wheel) {
            // The press that moved the focus away from a refused field is not
            // to reach the control behind the message.
            if (std::exchange(m_eatMouseEvent, false))
                return true;
            const auto *pointer = static_cast<QSinglePointEvent *>(event);
            return refuseFocusMove(childAt(pointer->position().toPoint()),
                                   type == QEvent::Wheel ? Qt::WheelFocus : Qt::ClickFocus);
        }
        return false;
    }
    if (watched == cboSymbols && type == QEvent::FocusOut) {
        // Its own list popping up, or another window taking over, is no leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const QWidget *next = QApplication::focusWidget();
        const bool intoOwnList = next && next->window() == cboSymbols->view()->window();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !intoOwnList
            && !m_unloading)
            cboSymbols_LostFocus();
        return false;
    }
    if (watched == cboSymbols->lineEdit()) {
        // The window's keys win over the symbol box's editing keys, and its
        // help key reaches the window's key preview, which the box would keep.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (type == QEvent::ShortcutOverride)
            return isWindowKey(key, m_windowKeys);
        if (type == QEvent::KeyRelease && key->key() == Qt::Key_F1) {
            Form_KeyUp(key->key(), int(key->modifiers()));
            return true;
        }
    }
    return false;
}
