#include "frmOndara.h"

#include "CalculationStore.h"
#include "ChartView.h"
#include "DataFiles.h"
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
    setWindowTitle(QStringLiteral("Ondara"));

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
    // Ctrl+C copies the levels unless a text field has the focus: the field's
    // own copy takes the shortcut first.
    actCopyLevels = new QAction(QStringLiteral("Copy Levels"), this);
    actCopyLevels->setObjectName(QStringLiteral("actCopyLevels"));
    actCopyLevels->setShortcut(QKeySequence::Copy);
    actCopyLevels->setEnabled(false);
    addAction(actCopyLevels);
    connect(actCopyLevels, &QAction::triggered, this, &frmOndara::actCopyLevels_Triggered);
    setDefaultButton(cmdCalc);
    setTabOrder(TxtWavStart, TxtWavEnd);
    setTabOrder(TxtWavEnd, cmdCalc);

    Form_Load();
    // Key preview, the price fields' focus rules and the chart's mouse handlers
    // all need to see events before the controls do. Installed once the load
    // has succeeded, so a window that failed to load leaves no filter behind.
    qApp->installEventFilter(this);
}

frmOndara::~frmOndara()
{
    m_unloading = true;
    qApp->removeEventFilter(this);
}

void frmOndara::buildTopRow()
{
    int x = Margin;
    const auto place = [&x](QWidget *widget, int width) {
        widget->move(x, Margin);
        x += width;
    };
    cmdMarket[0] = makePictureButton(QStringLiteral("cmdMarket_0"), QStringLiteral("Bull Market"),
                                     QStringLiteral("bullmarket.gif"), TopButton);
    place(cmdMarket[0], TopButton);
    cmdDecFrac = makePictureButton(QStringLiteral("cmdDecFrac"), QStringLiteral("Display Fractions"),
                                   QStringLiteral("dispdecplain.gif"), TopButton);
    place(cmdDecFrac, TopButton);
    cmdUseWave = makePictureButton(QStringLiteral("cmdUseWave"), QStringLiteral("Use Wave 3"),
                                   QStringLiteral("usewave1plain.gif"), TopButton);
    place(cmdUseWave, TopButton);

    const int frameWidth = buildPriceFrame();
    fraWave->setFixedSize(frameWidth, TopButton);
    place(fraWave, frameWidth);

    cmdCalc = makePictureButton(QStringLiteral("cmdCalc"), QStringLiteral("Calculate"),
                                QStringLiteral("calc.gif"), TopButton);
    place(cmdCalc, TopButton);
    cmdHelp = makePictureButton(QStringLiteral("cmdHelp"), QStringLiteral("Help"),
                                QStringLiteral("help.bmp"), TopButton);
    place(cmdHelp, TopButton);
    cmdMarket[1] = makePictureButton(QStringLiteral("cmdMarket_1"), QStringLiteral("Bear Market"),
                                     QStringLiteral("bearmarket.gif"), TopButton);
    place(cmdMarket[1], TopButton);

    for (int index = 0; index < 2; ++index)
        connect(cmdMarket[index], &QPushButton::clicked, this, [this, index] { cmdMarket_Click(index); });
    connect(cmdDecFrac, &QPushButton::clicked, this, &frmOndara::cmdDecFrac_Click);
    connect(cmdUseWave, &QPushButton::clicked, this, &frmOndara::cmdUseWave_Click);
    connect(cmdCalc, &QPushButton::clicked, this, &frmOndara::cmdCalc_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmOndara::cmdHelp_Click);
    for (QPushButton *button : {cmdDecFrac, cmdUseWave, cmdCalc})
        button->setEnabled(false);
}

int frmOndara::buildPriceFrame()
{
    fraWave = new QFrame(this);
    fraWave->setObjectName(QStringLiteral("fraWave"));
    fraWave->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    lblStart = new QLabel(QStringLiteral("Start"), fraWave);
    lblStart->setObjectName(QStringLiteral("lblStart"));
    TxtWavStart = new QLineEdit(fraWave);
    TxtWavStart->setObjectName(QStringLiteral("TxtWavStart"));
    lblEnd = new QLabel(QStringLiteral("End"), fraWave);
    lblEnd->setObjectName(QStringLiteral("lblEnd"));
    TxtWavEnd = new QLineEdit(fraWave);
    TxtWavEnd->setObjectName(QStringLiteral("TxtWavEnd"));

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
    for (QLineEdit *entry : {TxtWavStart, TxtWavEnd})
        entry->setEnabled(false);
    connect(TxtWavStart, &QLineEdit::textChanged, this, &frmOndara::TxtWavStart_Change);
    connect(TxtWavEnd, &QLineEdit::textChanged, this, &frmOndara::TxtWavEnd_Change);
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
    connect(cboSymbols, &QComboBox::activated, this, &frmOndara::cboSymbols_Click);
    connect(cboSymbols->lineEdit(), &QLineEdit::textEdited, this, &frmOndara::symbolsTextEdited);

    const QString names[] = {QStringLiteral("Add Symbol"), QStringLiteral("Delete Symbol"),
                             QStringLiteral("Print Chart")};
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
    }
}

void frmOndara::buildHiddenOptions()
{
    // The wave basis and the display mode live in option buttons the user never
    // sees; the toggles set them and the calculation reads them.
    optUse1 = new QRadioButton(QStringLiteral("Use Wave 1"), this);
    optUse1->setObjectName(QStringLiteral("optUse1"));
    optUse3 = new QRadioButton(QStringLiteral("Use Wave 3"), this);
    optUse3->setObjectName(QStringLiteral("optUse3"));
    auto *useGroup = new QButtonGroup(this);
    useGroup->addButton(optUse1);
    useGroup->addButton(optUse3);
    optUse1->setChecked(true);

    fraDecFracs = new QGroupBox(QStringLiteral("Decimals"), this);
    fraDecFracs->setObjectName(QStringLiteral("fraDecFracs"));
    optDec = new QRadioButton(QStringLiteral("Decimals"), fraDecFracs);
    optDec->setObjectName(QStringLiteral("optDec"));
    optDec->setToolTip(QStringLiteral("Display Decimals"));
    optFrac = new QRadioButton(QStringLiteral("Fractions"), fraDecFracs);
    optFrac->setObjectName(QStringLiteral("optFrac"));
    optFrac->setToolTip(QStringLiteral("Display Fractions"));
    optDec->setChecked(true);

    for (QWidget *hidden : std::initializer_list<QWidget *>{optUse1, optUse3, fraDecFracs})
        hidden->hide();
}

QPushButton *frmOndara::makePictureButton(const QString &name, const QString &toolTip,
                                          const QString &picture, int size)
{
    auto *button = new QPushButton(this);
    button->setObjectName(name);
    setButtonToolTip(button, toolTip);
    button->setFixedSize(size, size);
    button->setIconSize(QSize(size - 4, size - 4));
    setButtonPicture(button, picture);
    return button;
}

void frmOndara::setButtonToolTip(QPushButton *button, const QString &toolTip)
{
    // A picture button has no text: its tool tip is its name for screen readers.
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
}

void frmOndara::setButtonPicture(QPushButton *button, const QString &bareName)
{
    const QIcon picture = ondara::loadIcon(bareName);
    if (!picture.isNull())
        button->setIcon(picture);
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
        setWindowTitle(QStringLiteral("Ondara - saved calculations can be read but not written"));
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

bool frmOndara::belongsHere(QObject *object) const
{
    return object->isWidgetType() && static_cast<QWidget *>(object)->window() == this;
}

bool frmOndara::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched->isWindowType()) {
        // Input reaches the window before Qt hands the focus to the control
        // under the mouse: the only moment a press can still be refused.
        if (watched != windowHandle() || m_unloading)
            return false;
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
            return refuseFocusMove(childAt(pos), Qt::ClickFocus);
        }
        if (type == QEvent::Wheel) {
            const QPoint pos = static_cast<QWheelEvent *>(event)->position().toPoint();
            return refuseFocusMove(childAt(pos), Qt::WheelFocus);
        }
        return false;
    }
    if (!belongsHere(watched))
        return false;

    switch (type) {
    case QEvent::MouseButtonRelease:
        dispatchMouseUp(watched, static_cast<QMouseEvent *>(event)->button());
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        if (m_eatMouseEvent) {
            m_eatMouseEvent = false;
            return true;
        }
        break;
    case QEvent::KeyPress:
        m_keyUpSeen = nullptr;
        break;
    case QEvent::KeyRelease:
        // The same release travels up through the parents; preview it once.
        if (event != m_keyUpSeen) {
            m_keyUpSeen = event;
            const auto *key = static_cast<QKeyEvent *>(event);
            Form_KeyUp(key->key(), int(key->modifiers()));
        }
        break;
    default:
        break;
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
    if (watched == TxtWavStart || watched == TxtWavEnd)
        return filterPriceField(static_cast<QLineEdit *>(watched), event);
    if (watched == Picture1) {
        if (type == QEvent::MouseMove)
            Picture1_MouseMove();
        return false;
    }
    ChartLabel id;
    if (watched->parent() == Picture1 && Picture1->find(watched, id))
        return filterChartEvent(id, event);
    return false;
}

