#include "frmPrint.h"

#include "CalculationStore.h"
#include "CalculationsCsv.h"
#include "ChartPicture.h"
#include "ContextHelp.h"
#include "DataFiles.h"
#include "LocaleFormat.h"
#include "MessageBox.h"
#include "PriceImport.h"
#include "PrintError.h"
#include "ReachedText.h"
#include "ReachedView.h"
#include "ReportListModel.h"
#include "ReportQuery.h"
#include "StoreError.h"
#include "SymbolReportPrinter.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSettings>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimeEdit>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace ondara;

namespace {

// The last From date that passed the date check, kept on the picker itself.
constexpr char FromDateTag[] = "Tag";

// Where the file dialogs opened last, kept between runs.
constexpr char ChartFolderKey[] = "report/chartFolder";
constexpr char CsvFolderKey[] = "report/csvFolder";
constexpr char PriceFolderKey[] = "report/priceFolder";

QString selectAllTip() { return frmPrint::tr("Select All"); }
QString deselectAllTip() { return frmPrint::tr("Deselect All"); }
QString printSymbolsCaption() { return frmPrint::tr("Print Symbols"); }
QString printChartCaption() { return frmPrint::tr("Print Chart"); }
QString deleteTitle() { return frmPrint::tr("Delete Symbols"); }
QString appTitle() { return frmPrint::tr("Ondara"); }

QSettings settings()
{
    return QSettings(QStringLiteral("Ondara"), QStringLiteral("Ondara"));
}

// The folder a file dialog opens in: the one last used for that kind of file,
// else the desktop's own folder for it, else home.
QString startFolder(const char *key, QStandardPaths::StandardLocation location)
{
    const QString last = settings().value(QLatin1StringView(key)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString standard = QStandardPaths::writableLocation(location);
    return QFileInfo(standard).isDir() ? standard : QDir::homePath();
}

void rememberFolder(const char *key, const QString &file)
{
    settings().setValue(QLatin1StringView(key), QFileInfo(file).absolutePath());
}

// The filters and the order kept between runs; the dates always start at today.
constexpr char SortOrderKey[] = "report/sortOrder";
constexpr char TimeFromKey[] = "report/timeFrom";
constexpr char TimeToKey[] = "report/timeTo";
constexpr char SymbolsKey[] = "report/symbols";

const std::pair<ReportOrder, QLatin1StringView> OrderNames[] = {
    {ReportOrder::SymbolDateTime, QLatin1StringView("SymbolDateTime")},
    {ReportOrder::NewestFirst, QLatin1StringView("NewestFirst")},
    {ReportOrder::SymbolNewestFirst, QLatin1StringView("SymbolNewestFirst")},
};

QToolButton *pictureButton(const QString &name, const QString &toolTip, const QString &picture, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setFixedSize(25, 25);
    button->setIconSize(QSize(21, 21));
    button->setIcon(loadIcon(picture));
    return button;
}

void setPictureButtonTip(QToolButton *button, const QString &toolTip)
{
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
}

QDateEdit *datePicker(const QString &name, const QString &accessibleName, QWidget *parent)
{
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setAccessibleName(accessibleName);
    picker->setDisplayFormat(shortDateFormat(picker->locale()));
    picker->setCalendarPopup(true);
    return picker;
}

QTimeEdit *timePicker(const QString &name, const QString &accessibleName, QWidget *parent)
{
    auto *picker = new QTimeEdit(parent);
    picker->setObjectName(name);
    picker->setAccessibleName(accessibleName);
    // The system's own time with seconds: 12:00:00 AM on a US system, 00:00:00 on a British one.
    picker->setDisplayFormat(longTimeFormat(picker->locale()));
    return picker;
}

template<typename Widget>
Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

// A frame's two option buttons, one above the other, the second one chosen.
void stackOptions(QGroupBox *frame, QRadioButton *first, QRadioButton *second)
{
    second->setChecked(true);
    auto *column = new QVBoxLayout(frame);
    column->addWidget(first);
    column->addWidget(second);
}

// A frame's From and To rows, each label the buddy of its picker.
void layOutRange(QGroupBox *frame, QLabel *fromLabel, QWidget *from, QLabel *toLabel, QWidget *to)
{
    fromLabel->setBuddy(from);
    toLabel->setBuddy(to);
    auto *grid = new QGridLayout(frame);
    grid->addWidget(fromLabel, 0, 0);
    grid->addWidget(from, 0, 1);
    grid->addWidget(toLabel, 1, 0);
    grid->addWidget(to, 1, 1);
}

} // namespace

frmPrint::frmPrint(CalculationStore &store, QWidget *parent)
    : QDialog(parent), m_store(store)
{
    createControls();
    Form_Load();
    connectEvents();
}

frmPrint::~frmPrint() = default;

void frmPrint::createControls()
{
    setObjectName(QLatin1StringView(WindowName));
    setWindowTitle(printSymbolsCaption());
    setModal(true);

    ListView1 = named(new QTreeView(this), QStringLiteral("ListView1"));
    ListView1->setAccessibleName(tr("Saved calculations"));
    m_rows = new ReportListModel(m_store, ListView1);
    m_rows->setErrorHandler([this](const StoreError &error) { reportStoreError(QStringLiteral("FillListView"), error); });
    ListView1->setModel(m_rows);
    // The first column is the row's ID: the list keeps it for deleting, the user never sees it.
    connect(m_rows, &QAbstractItemModel::modelReset, ListView1, [this] { ListView1->setColumnHidden(0, true); });
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Nine equal columns that always fit, as wide as the list is, then what
    // became of the row, as wide as its longest text usually is.
    ListView1->header()->setSectionResizeMode(QHeaderView::Stretch);
    const QFontMetrics metrics = ListView1->fontMetrics();
    const qint64 someDay = QDate(2000, 12, 28).toJulianDay();
    const ReachedCells usual = reachedCells(ReachedResult{{{WaveLevel::W5Target, 888.88, someDay}}, 0, 8888.88, someDay});
    for (int i = 0; i < 3; ++i) {
        const int column = ReportListModel::firstReachedColumn() + i;
        ListView1->header()->setSectionResizeMode(column, QHeaderView::Fixed);
        ListView1->header()->resizeSection(column, metrics.horizontalAdvance(usual[i]) + 2 * metrics.averageCharWidth());
    }
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->header()->setSectionsMovable(false);
    ListView1->header()->setMinimumSectionSize(24);
    // The chart takes the list's place in the Chart mode: the band keeps its height.
    QSizePolicy listPolicy = ListView1->sizePolicy();
    listPolicy.setRetainSizeWhenHidden(true);
    ListView1->setSizePolicy(listPolicy);

    fraShow = named(new QGroupBox(tr("Show"), this), QStringLiteral("fraShow"));

    fraDate = named(new QGroupBox(tr("Date"), fraShow), QStringLiteral("fraDate"));
    lblDateFrom = named(new QLabel(tr("From:"), fraDate), QStringLiteral("lblDateFrom"));
    dtpDateFrom = datePicker(QStringLiteral("dtpDateFrom"), tr("From date"), fraDate);
    lblDateTo = named(new QLabel(tr("To:"), fraDate), QStringLiteral("lblDateTo"));
    dtpDateTo = datePicker(QStringLiteral("dtpDateTo"), tr("To date"), fraDate);
    // A right click on the From date shows its popup help, not the editing menu.
    dtpDateFrom->setContextMenuPolicy(Qt::PreventContextMenu);
    if (auto *dateText = dtpDateFrom->findChild<QLineEdit *>())
        dateText->setContextMenuPolicy(Qt::PreventContextMenu);
    layOutRange(fraDate, lblDateFrom, dtpDateFrom, lblDateTo, dtpDateTo);

    fraTime = named(new QGroupBox(tr("Time"), fraShow), QStringLiteral("fraTime"));
    lblTimeFrom = named(new QLabel(tr("From:"), fraTime), QStringLiteral("lblTimeFrom"));
    dtpTimeFrom = timePicker(QStringLiteral("dtpTimeFrom"), tr("From time"), fraTime);
    lblTimeTo = named(new QLabel(tr("To:"), fraTime), QStringLiteral("lblTimeTo"));
    dtpTimeTo = timePicker(QStringLiteral("dtpTimeTo"), tr("To time"), fraTime);
    layOutRange(fraTime, lblTimeFrom, dtpTimeFrom, lblTimeTo, dtpTimeTo);

    lblSymbols = named(new QLabel(tr("Symbols:"), fraShow), QStringLiteral("lblSymbols"));
    lstSelectSymbols = named(new QListWidget(fraShow), QLatin1StringView(HelpControlNames[4]));
    lstSelectSymbols->setSelectionMode(QAbstractItemView::MultiSelection);
    lstSelectSymbols->setAccessibleName(tr("Symbols"));
    lstSelectSymbols->setMinimumWidth(120);
    lstSelectSymbols->setFixedHeight(96);
    lstSelectSymbols->setContextMenuPolicy(Qt::PreventContextMenu);
    lstSelectSymbols->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    lblSymbols->setBuddy(lstSelectSymbols);
    auto *symbolColumn = new QVBoxLayout;
    symbolColumn->addWidget(lblSymbols);
    symbolColumn->addWidget(lstSelectSymbols);

    auto *showRow = new QHBoxLayout(fraShow);
    showRow->addWidget(fraDate);
    showRow->addWidget(fraTime);
    showRow->addLayout(symbolColumn, 1);

    fraSortBy = named(new QGroupBox(tr("Sort By"), this), QStringLiteral("fraSortBy"));
    optSortDate = named(new QRadioButton(tr("Date"), fraSortBy), QStringLiteral("optSortDate"));
    optSortSymbol = named(new QRadioButton(tr("Symbol"), fraSortBy), QStringLiteral("optSortSymbol"));
    stackOptions(fraSortBy, optSortDate, optSortSymbol);

    fraPrint = named(new QGroupBox(tr("Print"), this), QStringLiteral("fraPrint"));
    optChart = named(new QRadioButton(tr("&Chart"), fraPrint), QStringLiteral("optChart"));
    optSymbols = named(new QRadioButton(tr("&Symbols"), fraPrint), QStringLiteral("optSymbols"));
    stackOptions(fraPrint, optChart, optSymbols);

    cmdSelectAll = pictureButton(QLatin1StringView(HelpControlNames[0]), selectAllTip(), QStringLiteral("selectall.gif"),
                                 this);
    cmdDelete = pictureButton(QLatin1StringView(HelpControlNames[1]), tr("Delete Symbol"),
                              QStringLiteral("delete.gif"), this);
    cmdPrint = pictureButton(QLatin1StringView(HelpControlNames[3]), printSymbolsCaption(), QStringLiteral("print.gif"),
                             this);
    cmdPreview = pictureButton(QStringLiteral("cmdPreview"), tr("Print Preview"), QStringLiteral("printpreview.gif"),
                               this);
    cmdSave = pictureButton(QLatin1StringView(HelpControlNames[2]), tr("Save Chart"),
                            QStringLiteral("savechart.gif"), this);
    cmdExport = named(new QPushButton(tr("Export..."), this), QStringLiteral("cmdExport"));
    cmdExport->setToolTip(tr("Save the listed calculations, or the selected ones, as a CSV file"));
    cmdImport = named(new QPushButton(tr("Import..."), this), QStringLiteral("cmdImport"));
    cmdImport->setToolTip(tr("Add the calculations of a CSV file"));
    cmdImportPrices = named(new QPushButton(tr("Import Prices..."), this), QStringLiteral("cmdImportPrices"));
    cmdImportPrices->setToolTip(tr("Add a symbol's daily prices from a CSV file, to see which targets were reached"));
    for (QPushButton *button : {cmdExport, cmdImport, cmdImportPrices})
        button->setAutoDefault(false); // Return in a filter must not start a file dialog
    cmdDelete->setEnabled(false);
    setPrintButtons(false);
    cmdSave->setEnabled(false);
    auto *buttonGrid = new QGridLayout;
    buttonGrid->addWidget(cmdSelectAll, 0, 0);
    buttonGrid->addWidget(cmdDelete, 0, 1);
    buttonGrid->addWidget(cmdPrint, 1, 0);
    buttonGrid->addWidget(cmdPreview, 1, 1);
    buttonGrid->addWidget(cmdSave, 2, 0);
    auto *buttonColumn = new QVBoxLayout;
    buttonColumn->addLayout(buttonGrid);
    buttonColumn->addStretch(1);
    buttonColumn->addWidget(cmdExport);
    buttonColumn->addWidget(cmdImport);
    buttonColumn->addWidget(cmdImportPrices);

    auto *optionColumn = new QVBoxLayout;
    optionColumn->addWidget(fraSortBy);
    optionColumn->addWidget(fraPrint);

    auto *controlRow = new QHBoxLayout;
    controlRow->addWidget(fraShow, 1);
    controlRow->addLayout(optionColumn);
    controlRow->addLayout(buttonColumn);

    auto *window = new QVBoxLayout(this);
    window->addWidget(ListView1, 1);
    window->addLayout(controlRow);

    // Not in the layout: CentreChart places it over the band that the list fills.
    m_picChart = named(new QLabel(this), QStringLiteral("picChart"));
    m_picChart->setAccessibleName(tr("Chart"));
    m_picChart->hide();

    resize(1200, 600);
}

void frmPrint::connectEvents()
{
    // The query follows a date only when its calendar closes, not while it is typed.
    // A date typed counts once Enter is pressed in its picker or the picker is left.
    for (QDateEdit *picker : {dtpDateFrom, dtpDateTo}) {
        picker->calendarWidget()->installEventFilter(this);
        picker->installEventFilter(this);
        if (auto *text = picker->findChild<QLineEdit *>())
            text->installEventFilter(this);
    }
    connect(dtpTimeFrom, &QTimeEdit::timeChanged, this, &frmPrint::dtpTime_Change);
    connect(dtpTimeTo, &QTimeEdit::timeChanged, this, &frmPrint::dtpTime_Change);
    connect(lstSelectSymbols, &QListWidget::itemSelectionChanged, this, &frmPrint::lstSelectSymbols_Click);
    ListView1->viewport()->installEventFilter(this);
    ListView1->installEventFilter(this);
    connect(ListView1, &QTreeView::doubleClicked, this, &frmPrint::ListView1_DblClick);
    const std::pair<QAbstractButton *, void (frmPrint::*)()> clicks[] = {
        {optSortDate, &frmPrint::optSortDate_Click},   {optSortSymbol, &frmPrint::optSortSymbol_Click},
        {optChart, &frmPrint::optChart_Click},         {optSymbols, &frmPrint::optSymbols_Click},
        {cmdSelectAll, &frmPrint::cmdSelectAll_Click}, {cmdDelete, &frmPrint::cmdDelete_Click},
        {cmdPrint, &frmPrint::cmdPrint_Click},         {cmdPreview, &frmPrint::cmdPreview_Click},
        {cmdSave, &frmPrint::cmdSave_Click},           {cmdExport, &frmPrint::cmdExport_Click},
        {cmdImport, &frmPrint::cmdImport_Click},       {cmdImportPrices, &frmPrint::cmdImportPrices_Click},
    };
    for (const auto &[button, handler] : clicks)
        connect(button, &QAbstractButton::clicked, this, handler);
    // The controls with popup help; the mouse reaches two of them through an inner widget.
    const QList<QWidget *> helpControls{cmdSelectAll, cmdDelete, cmdPrint, cmdSave, dtpDateFrom,
                                        dtpDateFrom->findChild<QLineEdit *>(), lstSelectSymbols->viewport()};
    for (QWidget *control : helpControls) {
        if (control)
            control->installEventFilter(this);
    }
}

void frmPrint::Form_Load()
{
    LoadSymbolList();
    dtpDateFrom->setDate(QDate::currentDate());
    dtpDateTo->setDate(dtpDateFrom->date());
    dtpTimeFrom->setTime(QTime(0, 0, 0));
    dtpTimeTo->setTime(QTime(23, 59, 59));
    m_sortOrder = ReportOrder::SymbolDateTime;
    restoreFilters();
    RefreshQuery();
    // What the chart box shows until the calculator hands it a chart.
    ChartCapture empty;
    empty.captured = QDateTime::currentDateTime();
    if (loadPicture(QStringLiteral("save.bmp"), empty.picture, m_picChart->devicePixelRatioF())) {
        m_capture = empty;
        m_picChart->setPixmap(empty.picture);
        m_picChart->adjustSize();
    }
}

bool frmPrint::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == ListView1 && listKeyPress(static_cast<QKeyEvent *>(event)->key()))
            return true;
        if (const int key = static_cast<QKeyEvent *>(event)->key();
            isDatePicker(watched) && (key == Qt::Key_Return || key == Qt::Key_Enter))
            QMetaObject::invokeMethod(this, &frmPrint::dtpDate_CloseUp, Qt::QueuedConnection);
        break;
    case QEvent::FocusOut:
        // Left for another control of the window; not for a message, a menu,
        // the calendar or another window, which come back to it.
        if (const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            isDatePicker(watched)
            && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason
                || reason == Qt::ShortcutFocusReason))
            QMetaObject::invokeMethod(this, &frmPrint::dtpDate_CloseUp, Qt::QueuedConnection);
        break;
    case QEvent::KeyRelease:
        // A selection made with the keys counts as one made with the mouse.
        if (watched == ListView1 && !static_cast<QKeyEvent *>(event)->isAutoRepeat()
            && !QList<int>{Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Delete,
                           Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta}
                    .contains(static_cast<QKeyEvent *>(event)->key()))
            ListView1_Click();
        break;
    case QEvent::Hide:
        // The calendar hides with its drop-down; the picker already holds the
        // date chosen in it, so the rebuild runs once the drop-down is gone.
        if (watched == dtpDateFrom->calendarWidget() || watched == dtpDateTo->calendarWidget())
            QMetaObject::invokeMethod(this, &frmPrint::dtpDate_CloseUp, Qt::QueuedConnection);
        break;
    case QEvent::MouseButtonPress:
        // Qt drops the calendar down for any button pressed on the arrow; the
        // right button is the From date's help, shown when it is released.
        if (watched == dtpDateFrom && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
            return true;
        break;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (watched == ListView1->viewport() && mouse->button() == Qt::LeftButton) {
            ListView1_Click();
            break;
        }
        auto *control = qobject_cast<QWidget *>(watched);
        if (control == lstSelectSymbols->viewport())
            control = lstSelectSymbols;
        else if (control && control->parentWidget() == dtpDateFrom)
            control = dtpDateFrom;
        if (control && controlMouseUp(control, mouse->button()))
            return true;
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

// A date picker, or the text field inside it.
bool frmPrint::isDatePicker(const QObject *watched) const
{
    for (const QDateEdit *picker : {dtpDateFrom, dtpDateTo}) {
        if (watched == picker || (watched && watched->parent() == picker && qobject_cast<const QLineEdit *>(watched)))
            return true;
    }
    return false;
}

// Enter on a row does what a double click does, Delete what the Delete
// button does; the list itself would only pass either on to the window.
bool frmPrint::listKeyPress(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ListView1_DblClick(ListView1->currentIndex());
        return true;
    }
    if (key == Qt::Key_Delete) {
        if (cmdDelete->isEnabled())
            cmdDelete_Click();
        return true;
    }
    return false;
}

bool frmPrint::controlMouseUp(QWidget *control, Qt::MouseButton button)
{
    // A disabled control has no help of its own, and must not show that of
    // the control that has the focus.
    if (!control->isEnabled())
        return button == Qt::RightButton;
    // Each search starts at the control's own pair, so an identifier that a
    // calculator control shares cannot answer for it; the From date has no
    // pair and searches the window's rows from the first.
    int startPair = 0;
    if (control == cmdSelectAll || control == dtpDateFrom)
        startPair = HelpPairSelectAll;
    else if (control == cmdDelete)
        startPair = HelpPairDelete;
    else if (control == cmdSave)
        startPair = HelpPairSave;
    else if (control == cmdPrint)
        startPair = HelpPairPrint;
    else if (control == lstSelectSymbols)
        startPair = HelpPairSymbols;
    return startPair != 0 && rightClickHelp(control, button, startPair);
}

std::array<QWidget *, 5> frmPrint::helpControls() const
{
    return {cmdSelectAll, cmdDelete, cmdSave, cmdPrint, lstSelectSymbols};
}

void frmPrint::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    CentreChart();
}

void frmPrint::setChartCapture(const ChartCapture &capture)
{
    m_capture = capture;
    m_picChart->setPixmap(capture.picture);
    CentreChart();
}

void frmPrint::CentreChart()
{
    m_picChart->adjustSize();
    if (QLayout *windowLayout = layout())
        windowLayout->activate();
    const int filterTop = fraShow->mapTo(this, QPoint(0, 0)).y();
    m_picChart->move((width() - m_picChart->width()) / 2, (filterTop - m_picChart->height()) / 2);
    m_picChart->raise();
}

// ---- Filters and the query ----

std::optional<ReportFilter> frmPrint::BuildCriteria()
{
    if (dtpDateFrom->date() > dtpDateTo->date()) {
        showMessage(this, tr("The To Date must be greater than the From Date."),
                    tr("Invalid To Date"), QMessageBox::Information);
        dtpDateFrom->setDate(QDate::fromString(dtpDateFrom->property(FromDateTag).toString(), Qt::ISODate));
        return std::nullopt;
    }

    ReportFilter filter;
    filter.dateFrom = dtpDateFrom->date();
    filter.dateTo = dtpDateTo->date();
    filter.timeFrom = dtpTimeFrom->time();
    filter.timeTo = dtpTimeTo->time();
    for (int i = 0; i < lstSelectSymbols->count(); ++i) {
        const QListWidgetItem *entry = lstSelectSymbols->item(i);
        if (entry->isSelected())
            filter.symbols += entry->text();
    }
    dtpDateFrom->setProperty(FromDateTag, filter.dateFrom.toString(Qt::ISODate));
    return filter;
}

void frmPrint::RefreshQuery()
{
    // The date message takes the focus from a picker, which counts as leaving it.
    if (m_refreshing)
        return;
    const QScopedValueRollback refreshing(m_refreshing, true);
    const std::optional<ReportFilter> filter = BuildCriteria();
    if (!filter)
        return;
    rememberFilters(*filter);
    // The text only tells whether the query changed; the store binds the filter itself.
    const QString text = reportQueryText(criteriaText(*filter), sortOrderText(m_sortOrder));
    if (text == mstrOldSQL)
        return;
    try {
        // Listed before mstrOldSQL changes, so a query that fails is tried again next time.
        m_rows->setQuery([store = &m_store, filter = *filter, order = m_sortOrder] { return store->report(filter, order); });
    } catch (const StoreError &error) {
        reportStoreError(QStringLiteral("RefreshQuery"), error);
        return;
    }
    mstrOldSQL = text;
    m_listedFilter = *filter;
    m_listedOrder = m_sortOrder;
    RefreshList();
}

void frmPrint::LoadSymbolList()
{
    lstSelectSymbols->addItems(m_store.symbols());
}

// The order, the times and the symbols of the last run; a settings file that
// cannot be read, or a value that is not one of them, leaves the defaults.
void frmPrint::restoreFilters()
{
    const QSettings saved = settings();
    if (saved.status() != QSettings::NoError)
        return;
    const QString order = saved.value(QLatin1StringView(SortOrderKey)).toString();
    for (const auto &[value, name] : OrderNames) {
        if (order == name) {
            m_sortOrder = value;
            (value == ReportOrder::NewestFirst ? optSortDate : optSortSymbol)->setChecked(true);
        }
    }
    for (const auto &[picker, key] : {std::pair{dtpTimeFrom, TimeFromKey}, {dtpTimeTo, TimeToKey}}) {
        const QTime time = QTime::fromString(saved.value(QLatin1StringView(key)).toString(), Qt::ISODate);
        if (time.isValid()) {
            const QSignalBlocker quiet(picker);
            picker->setTime(time);
        }
    }
    const QStringList symbols = saved.value(QLatin1StringView(SymbolsKey)).toStringList();
    const QSignalBlocker quiet(lstSelectSymbols);
    for (int i = 0; i < lstSelectSymbols->count(); ++i) {
        QListWidgetItem *entry = lstSelectSymbols->item(i);
        entry->setSelected(symbols.contains(entry->text()));
    }
}

void frmPrint::rememberFilters(const ReportFilter &filter) const
{
    QSettings saved = settings();
    if (saved.status() != QSettings::NoError)
        return; // written over, the file would lose whatever else it holds
    for (const auto &[value, name] : OrderNames) {
        if (value == m_sortOrder)
            saved.setValue(QLatin1StringView(SortOrderKey), name);
    }
    saved.setValue(QLatin1StringView(TimeFromKey), filter.timeFrom.toString(Qt::ISODate));
    saved.setValue(QLatin1StringView(TimeToKey), filter.timeTo.toString(Qt::ISODate));
    saved.setValue(QLatin1StringView(SymbolsKey), filter.symbols);
}

void frmPrint::dtpDate_CloseUp()
{
    RefreshQuery();
}

void frmPrint::dtpTime_Change()
{
    RefreshQuery();
}

void frmPrint::lstSelectSymbols_Click()
{
    RefreshQuery();
}

void frmPrint::optSortDate_Click()
{
    m_sortOrder = ReportOrder::NewestFirst;
    RefreshQuery();
}

void frmPrint::optSortSymbol_Click()
{
    m_sortOrder = ReportOrder::SymbolNewestFirst;
    RefreshQuery();
}

// ---- The list ----

void frmPrint::RefreshList()
{
    RefreshList(SymbolSelection::Keep);
}

void frmPrint::RefreshList(SymbolSelection selection)
{
    ListView1->viewport()->update();

    QSet<QString> selected;
    if (selection == SymbolSelection::Keep) {
        for (const QListWidgetItem *entry : lstSelectSymbols->selectedItems())
            selected.insert(entry->text());
    }
    {
        // Refilling is not a choice of the user's: it must not rebuild the query again.
        const QSignalBlocker quiet(lstSelectSymbols);
        const int scrolledTo = lstSelectSymbols->currentRow();
        lstSelectSymbols->clear();
        try {
            LoadSymbolList();
        } catch (const StoreError &error) {
            reportStoreError(QStringLiteral("LoadSymbolList"), error);
        }
        for (int i = 0; i < lstSelectSymbols->count(); ++i) {
            QListWidgetItem *entry = lstSelectSymbols->item(i);
            if (selected.contains(entry->text()))
                entry->setSelected(true);
        }
        if (scrolledTo >= 0 && scrolledTo < lstSelectSymbols->count())
            lstSelectSymbols->setCurrentRow(scrolledTo, QItemSelectionModel::NoUpdate);
    }
    setListButtons(listRowCount() > 1);
    // Print would otherwise wait for a click on a print mode before the list could be printed.
    if (!m_printChart)
        setPrintButtons(listRowCount() > 0);
}

// The rows read so far: the list always holds a page when the query has rows,
// so "none" and "more than one" are known without reading them all.
int frmPrint::listRowCount() const
{
    return m_rows->rowCount();
}

void frmPrint::setListButtons(bool enabled)
{
    cmdSelectAll->setEnabled(enabled);
    cmdDelete->setEnabled(enabled);
}

// Preview goes with Print; Export too, but only the list can be exported.
void frmPrint::setPrintButtons(bool enabled)
{
    cmdPrint->setEnabled(enabled);
    cmdPreview->setEnabled(enabled);
    cmdExport->setEnabled(enabled && !m_printChart);
}

void frmPrint::ListView1_Click()
{
    setListButtons(listRowCount() > 0);
}

void frmPrint::cmdSelectAll_Click()
{
    const bool selecting = m_selectAllSelects;
    ListView1->setFocus();
    if (selecting) {
        try {
            m_rows->fetchAll(); // every row, not only those scrolled to
        } catch (const StoreError &error) {
            reportStoreError(QStringLiteral("cmdSelectAll_Click"), error);
        }
        ListView1->selectAll();
        // The keyboard would have left the focus on the last row it selected.
        if (const int rows = listRowCount(); rows > 0)
            ListView1->selectionModel()->setCurrentIndex(ListView1->model()->index(rows - 1, 0),
                                                         QItemSelectionModel::NoUpdate);
    } else {
        ListView1->clearSelection();
        cmdSelectAll->setFocus();
    }
    m_selectAllSelects = !selecting;
    setPictureButtonTip(cmdSelectAll, m_selectAllSelects ? selectAllTip() : deselectAllTip());
    cmdDelete->setEnabled(listRowCount() > 1);
}

void frmPrint::cmdDelete_Click()
{
    const int rows = listRowCount();
    if (rows == 0) {
        showMessage(this, tr("There are no items to delete."), deleteTitle(), QMessageBox::Information);
        return;
    }
    // With no current row, the selection itself says whether there is anything to delete.
    QItemSelectionModel *selection = ListView1->selectionModel();
    const QModelIndex current = selection->currentIndex();
    const bool currentSelected = current.isValid() ? selection->isRowSelected(current.row()) : selection->hasSelection();
    if (!currentSelected) {
        showMessage(this, tr("There are no selected items to delete."), deleteTitle(),
                    QMessageBox::Information);
        return;
    }
    if (showMessage(this, tr("Are you sure you want to delete the selected item(s)?"), deleteTitle(),
                    QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;

    QList<qint64> ids;
    for (int row = rows - 1; row >= 0; --row) {
        if (selection->isRowSelected(row))
            ids += m_rows->calculation(row).id;
    }
    try {
        // The list, and every other list of the store, drops them as they go.
        m_store.remove(ids);
    } catch (const StoreError &error) {
        reportStoreError(QStringLiteral("cmdDelete_Click"), error);
    }
    RefreshList(SymbolSelection::Clear);
}

// ---- Print modes and printing ----

void frmPrint::optChart_Click()
{
    m_printChart = true;
    setWindowTitle(printChartCaption());
    setPictureButtonTip(cmdPrint, printChartCaption());
    for (QWidget *control : std::initializer_list<QWidget *>{lstSelectSymbols, dtpDateFrom, dtpDateTo, dtpTimeFrom,
                                                             dtpTimeTo, optSortSymbol, optSortDate, cmdSelectAll,
                                                             cmdDelete})
        control->setEnabled(false);
    cmdImport->setEnabled(false);
    cmdImportPrices->setEnabled(false);
    setPrintButtons(true);
    cmdSave->setEnabled(true);
    ListView1->hide();
    m_picChart->show();
}

void frmPrint::optSymbols_Click()
{
    m_printChart = false;
    setWindowTitle(printSymbolsCaption());
    setPictureButtonTip(cmdPrint, printSymbolsCaption());
    for (QWidget *control : std::initializer_list<QWidget *>{lstSelectSymbols, dtpDateFrom, dtpDateTo, dtpTimeFrom,
                                                             dtpTimeTo, optSortSymbol, optSortDate})
        control->setEnabled(true);
    cmdImport->setEnabled(true);
    cmdImportPrices->setEnabled(true);
    const bool hasRows = listRowCount() > 0;
    setListButtons(hasRows);
    setPrintButtons(hasRows);
    cmdSave->setEnabled(false);
    ListView1->show();
    m_picChart->hide();
}

bool frmPrint::hasSomethingToPrint() const
{
    return m_printChart || listRowCount() > 0;
}

// A printer with the document's name and the page's orientation, before a
// dialog shows them; none when there is nothing to print.
std::unique_ptr<QPrinter> frmPrint::preparedPrinter() const
{
    if (!hasSomethingToPrint())
        return nullptr;
    auto prepared = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter &printer = *prepared;
    const bool chart = m_printChart;
    printer.setDocName(chart ? suggestedChartName(m_capture) : tr("Saved Symbols"));
    printer.setPageOrientation(chart ? QPageLayout::Portrait : QPageLayout::Landscape);
    // With no printer installed the dialog can only write a PDF file; without
    // a name of ours it would offer one in the hidden data folder.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        printer.setOutputFileName(QDir(QFileInfo(documents).isDir() ? documents : QDir::homePath())
                                      .filePath(printer.docName() + QStringLiteral(".pdf")));
    }
    return prepared;
}

void frmPrint::renderTo(QPrinter &printer)
{
    if (!m_printChart)
        printSymbolReport(printer, m_store, m_store.report(m_listedFilter, m_listedOrder));
    else
        printChart(printer, m_capture.picture);
}

void frmPrint::printOn(QPrinter &printer, const QString &procedure)
{
    try {
        renderTo(printer);
    } catch (const PrintError &error) {
        showError(this, procedure, tr("Print Error"), error);
    } catch (const StoreError &error) {
        showError(this, procedure, tr("Print Error"), error);
    }
}

void frmPrint::cmdPrint_Click()
{
    printThroughDialog(false);
}

void frmPrint::cmdPreview_Click()
{
    printThroughDialog(true);
}

// Print shows the desktop's print dialog on the default printer: the user may
// pick another one, the copies, the pages or a PDF file there. Preview shows
// the pages, drawn again for each page set-up, and its own Print prints them
// on the printer its dialog chose.
void frmPrint::printThroughDialog(bool preview)
{
    const std::unique_ptr<QPrinter> printer = preparedPrinter();
    if (!printer)
        return;
    const QString procedure = preview ? QStringLiteral("cmdPreview_Click") : QStringLiteral("cmdPrint_Click");
    if (!preview) {
        QPrintDialog dlgPrint(printer.get(), this);
        dlgPrint.setObjectName(QStringLiteral("dlgPrint"));
        if (dlgPrint.exec() == QDialog::Accepted)
            printOn(*printer, procedure);
        return;
    }
    QPrintPreviewDialog dlgPreview(printer.get(), this);
    dlgPreview.setObjectName(QStringLiteral("dlgPreview"));
    connect(&dlgPreview, &QPrintPreviewDialog::paintRequested, this,
            [this, procedure](QPrinter *target) { printOn(*target, procedure); });
    dlgPreview.exec();
}

// The file chosen in a Save dialog whose name filters end in suffixes, one
// each: the chosen filter's suffix is added to a name that has none of them,
// and an existing file is only overwritten when the user says so (No shows
// the dialog again). Empty when the dialog was cancelled.
QString frmPrint::chooseSaveFile(QFileDialog &dialog, const QStringList &suffixes)
{
    // Qt's own dialog, the same on every desktop; the overwrite question is the window's.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        QString path = dialog.selectedFiles().constFirst();
        if (!suffixes.contains(QFileInfo(path).suffix().toLower())) {
            const qsizetype filter = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
            path += u'.' + suffixes.value(std::max<qsizetype>(filter, 0));
        }
        if (!QFileInfo::exists(path)
            || showMessage(this, tr("That file already exists. Overwrite it?"), tr("Overwrite File"),
                           QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                == QMessageBox::Yes)
            return path;
    }
}

void frmPrint::cmdSave_Click()
{
    QFileDialog cdlSave(this, tr("Save Chart"));
    cdlSave.setObjectName(QStringLiteral("cdlSave"));
    // The bitmap first: the chart's own pixels, unchanged.
    cdlSave.setNameFilters({tr("Bitmap (*.bmp)"), tr("PNG image (*.png)"), tr("PDF document (*.pdf)")});
    cdlSave.setDirectory(startFolder(ChartFolderKey, QStandardPaths::PicturesLocation));
    cdlSave.selectFile(suggestedChartName(m_capture));
    const QString path = chooseSaveFile(cdlSave, {QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("pdf")});
    if (path.isEmpty())
        return;
    rememberFolder(ChartFolderKey, path);
    try {
        saveChart(m_capture, path);
    } catch (const SaveError &error) {
        showError(this, {}, appTitle(), error, QMessageBox::NoIcon, QStringLiteral(": "));
        return;
    }
    close();
}

// ---- CSV files ----

// The selected rows in the list's order, or every row of the listed query
// (not only those read so far) when none is selected. Throws StoreError.
QList<SavedCalculation> frmPrint::exportedRows()
{
    QList<SavedCalculation> rows;
    const QItemSelectionModel *selection = ListView1->selectionModel();
    for (int row = 0; row < listRowCount(); ++row) {
        if (selection->isRowSelected(row))
            rows += m_rows->calculation(row);
    }
    return rows.isEmpty() ? m_store.report(m_listedFilter, m_listedOrder).rest() : rows;
}

void frmPrint::cmdExport_Click()
{
    QFileDialog cdlExport(this, tr("Export Calculations"));
    cdlExport.setObjectName(QStringLiteral("cdlExport"));
    cdlExport.setNameFilters({tr("CSV file (*.csv)")});
    cdlExport.setDirectory(startFolder(CsvFolderKey, QStandardPaths::DocumentsLocation));
    cdlExport.selectFile(QStringLiteral("Ondara-%1").arg(QDate::currentDate().toString(Qt::ISODate)));
    const QString path = chooseSaveFile(cdlExport, {QStringLiteral("csv")});
    if (path.isEmpty())
        return;
    rememberFolder(CsvFolderKey, path);
    try {
        const QList<SavedCalculation> rows = exportedRows();
        QList<ReachedCells> reached;
        for (const std::optional<ReachedResult> &result : m_store.reached(rows))
            reached += reachedCells(result);
        writeCalculationsCsv(path, rows, reached);
    } catch (const NumberedError &error) {
        // The file is written whole or not at all: nothing is left to tidy up.
        showError(this, QStringLiteral("cmdExport_Click"), tr("Export Error"), error);
    }
}

// The existing file chosen in an Open dialog of that title and name, which
// starts in the folder last used for the kind of file folderKey names, else
// in location; its folder is remembered for the next time. Empty when the
// dialog was cancelled.
QString frmPrint::chooseOpenFile(const QString &title, const QString &name, const QString &nameFilter,
                                 const char *folderKey, QStandardPaths::StandardLocation location)
{
    QFileDialog dialog(this, title);
    dialog.setObjectName(name);
    dialog.setOptions(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({nameFilter, tr("All files (*)")});
    dialog.setDirectory(startFolder(folderKey, location));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    rememberFolder(folderKey, path);
    return path;
}

void frmPrint::cmdImport_Click()
{
    const QString path = chooseOpenFile(tr("Import Calculations"), QStringLiteral("cdlImport"), tr("CSV file (*.csv)"),
                                        CsvFolderKey, QStandardPaths::DocumentsLocation);
    if (path.isEmpty())
        return;
    qsizetype added = 0;
    try {
        // Every row is checked before the first is written, and all are written in one transaction.
        added = m_store.add(readCalculationsCsv(path)).size();
    } catch (const NumberedError &error) {
        showMessage(this, errorText(QStringLiteral("cmdImport_Click"), error) + u'\n' + tr("Nothing was imported."),
                    tr("Import Error"), QMessageBox::Critical);
        return;
    }
    // The list has taken the rows its query selects; the symbol list takes any new symbol.
    RefreshList();
    showMessage(this, added == 1 ? tr("1 calculation was imported.") : tr("%1 calculations were imported.").arg(added),
                tr("Import"), QMessageBox::Information);
}

void frmPrint::reportStoreError(const QString &procedure, const StoreError &error)
{
    showError(this, procedure, printSymbolsCaption(), error);
}

// ---- What became of the calculations ----

void frmPrint::ListView1_DblClick(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const SavedCalculation &calculation = m_rows->calculation(index.row());
    QList<PriceBar> bars;
    try {
        bars = m_store.pricesSince(calculation.symbol, calculation.date);
    } catch (const StoreError &error) {
        reportStoreError(QStringLiteral("ListView1_DblClick"), error);
        return;
    }
    ReachedView frmReached(calculation, m_rows->reached(index.row()), bars, reachedPriceText, this);
    frmReached.exec();
}

void frmPrint::cmdImportPrices_Click()
{
    const QString path = chooseOpenFile(tr("Import Prices"), QStringLiteral("cdlPrices"), tr("CSV file (*.csv *.txt)"),
                                        PriceFolderKey, QStandardPaths::DownloadLocation);
    if (path.isEmpty())
        return;
    try {
        // The list checks its rows again as the store says the prices changed.
        const PriceImport import = m_store.importPrices(path);
        showMessage(this, importSummaryText(import), tr("Import Prices"), QMessageBox::Information);
    } catch (const NumberedError &error) {
        showMessage(this, importFailureText(path, error), tr("Import Prices"), QMessageBox::Critical);
    }
}
