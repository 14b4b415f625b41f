#include "frmPrint.h"

#include "CalculationStore.h"
#include "ChartPicture.h"
#include "ContextHelp.h"
#include "DataFiles.h"
#include "LocaleFormat.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrinter>
#include <QRadioButton>
#include <QSet>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace ondara;

namespace {

// The last From date that passed the date check, kept on the picker itself.
constexpr char FromDateTag[] = "Tag";

const QString SelectAllTip = QStringLiteral("Select All");
const QString DeselectAllTip = QStringLiteral("Deselect All");
const QString PrintSymbolsCaption = QStringLiteral("Print Symbols");
const QString PrintChartCaption = QStringLiteral("Print Chart");
const QString DeleteTitle = QStringLiteral("Delete Symbols");
const QString AppTitle = QStringLiteral("Ondara");

QMessageBox::StandardButton showMessage(QWidget *parent, const QString &text, const QString &title,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::Ok)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

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

QDateEdit *datePicker(const QString &name, QWidget *parent)
{
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setDisplayFormat(shortDateFormat(picker->locale()));
    picker->setCalendarPopup(true);
    return picker;
}

QTimeEdit *timePicker(const QString &name, QWidget *parent)
{
    auto *picker = new QTimeEdit(parent);
    picker->setObjectName(name);
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

} // namespace

frmPrint::frmPrint(CalculationStore &store, QWidget *parent)
    : QDialog(parent), m_store(store), m_printerSource(&systemPrinter)
{
    createControls();
    Form_Load();
    connectEvents();
}

frmPrint::~frmPrint() = default;

void frmPrint::createControls()
{
    setObjectName(QLatin1StringView(WindowName));
    setWindowTitle(PrintSymbolsCaption);
    setModal(true);

    ListView1 = named(new QTreeView(this), QStringLiteral("ListView1"));
    m_rows = new ReportListModel(ListView1);
    m_rows->follow(m_store);
    m_rows->setErrorHandler([this](const StoreError &error) { reportStoreError(QStringLiteral("FillListView"), error); });
    ListView1->setModel(m_rows);
    // The first column is the row's ID: the list keeps it for deleting, the user never sees it.
    connect(m_rows, &QAbstractItemModel::modelReset, ListView1, [this] { ListView1->setColumnHidden(0, true); });
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Nine equal columns that always fit, as wide as the list is.
    ListView1->header()->setSectionResizeMode(QHeaderView::Stretch);
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->header()->setSectionsMovable(false);
    ListView1->header()->setMinimumSectionSize(24);
    // The chart takes the list's place in the Chart mode: the band keeps its height.
    QSizePolicy listPolicy = ListView1->sizePolicy();
    listPolicy.setRetainSizeWhenHidden(true);
    ListView1->setSizePolicy(listPolicy);

    fraShow = named(new QGroupBox(QStringLiteral("Show"), this), QStringLiteral("fraShow"));

    fraDate = named(new QGroupBox(QStringLiteral("Date"), fraShow), QStringLiteral("fraDate"));
    lblDateFrom = named(new QLabel(QStringLiteral("From:"), fraDate), QStringLiteral("lblDateFrom"));
    dtpDateFrom = datePicker(QStringLiteral("dtpDateFrom"), fraDate);
    lblDateTo = named(new QLabel(QStringLiteral("To:"), fraDate), QStringLiteral("lblDateTo"));
    dtpDateTo = datePicker(QStringLiteral("dtpDateTo"), fraDate);
    // A right click on the From date shows its popup help, not the editing menu.
    dtpDateFrom->setContextMenuPolicy(Qt::PreventContextMenu);
    if (auto *dateText = dtpDateFrom->findChild<QLineEdit *>())
        dateText->setContextMenuPolicy(Qt::PreventContextMenu);
    lblDateFrom->setBuddy(dtpDateFrom);
    lblDateTo->setBuddy(dtpDateTo);
    auto *dateGrid = new QGridLayout(fraDate);
    dateGrid->addWidget(lblDateFrom, 0, 0);
    dateGrid->addWidget(dtpDateFrom, 0, 1);
    dateGrid->addWidget(lblDateTo, 1, 0);
    dateGrid->addWidget(dtpDateTo, 1, 1);

    fraTime = named(new QGroupBox(QStringLiteral("Time"), fraShow), QStringLiteral("fraTime"));
    lblTimeFrom = named(new QLabel(QStringLiteral("From:"), fraTime), QStringLiteral("lblTimeFrom"));
    dtpTimeFrom = timePicker(QStringLiteral("dtpTimeFrom"), fraTime);
    lblTimeTo = named(new QLabel(QStringLiteral("To:"), fraTime), QStringLiteral("lblTimeTo"));
    dtpTimeTo = timePicker(QStringLiteral("dtpTimeTo"), fraTime);
    lblTimeFrom->setBuddy(dtpTimeFrom);
    lblTimeTo->setBuddy(dtpTimeTo);
    auto *timeGrid = new QGridLayout(fraTime);
    timeGrid->addWidget(lblTimeFrom, 0, 0);
    timeGrid->addWidget(dtpTimeFrom, 0, 1);
    timeGrid->addWidget(lblTimeTo, 1, 0);
    timeGrid->addWidget(dtpTimeTo, 1, 1);

    lblSymbols = named(new QLabel(QStringLiteral("Symbols:"), fraShow), QStringLiteral("lblSymbols"));
    lstSelectSymbols = named(new QListWidget(fraShow), QLatin1StringView(HelpControlNames[4]));
    lstSelectSymbols->setSelectionMode(QAbstractItemView::MultiSelection);
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

    fraSortBy = named(new QGroupBox(QStringLiteral("Sort By"), this), QStringLiteral("fraSortBy"));
    optSortDate = named(new QRadioButton(QStringLiteral("Date"), fraSortBy), QStringLiteral("optSortDate"));
    optSortSymbol = named(new QRadioButton(QStringLiteral("Symbol"), fraSortBy), QStringLiteral("optSortSymbol"));
    optSortSymbol->setChecked(true);
    auto *sortColumn = new QVBoxLayout(fraSortBy);
    sortColumn->addWidget(optSortDate);
    sortColumn->addWidget(optSortSymbol);

    fraPrint = named(new QGroupBox(QStringLiteral("Print"), this), QStringLiteral("fraPrint"));
    optChart = named(new QRadioButton(QStringLiteral("&Chart"), fraPrint), QStringLiteral("optChart"));
    optSymbols = named(new QRadioButton(QStringLiteral("&Symbols"), fraPrint), QStringLiteral("optSymbols"));
    optSymbols->setChecked(true);
    auto *printColumn = new QVBoxLayout(fraPrint);
    printColumn->addWidget(optChart);
    printColumn->addWidget(optSymbols);

    cmdSelectAll = pictureButton(QLatin1StringView(HelpControlNames[0]), SelectAllTip, QStringLiteral("selectall.gif"),
                                 this);
    cmdDelete = pictureButton(QLatin1StringView(HelpControlNames[1]), QStringLiteral("Delete Symbol"),
                              QStringLiteral("delete.gif"), this);
    cmdPrint = pictureButton(QLatin1StringView(HelpControlNames[3]), PrintSymbolsCaption, QStringLiteral("print.gif"),
                             this);
    cmdSave = pictureButton(QLatin1StringView(HelpControlNames[2]), QStringLiteral("Save Chart"),
                            QStringLiteral("savechart.gif"), this);
    cmdDelete->setEnabled(false);
    cmdPrint->setEnabled(false);
    cmdSave->setEnabled(false);
    auto *buttonGrid = new QGridLayout;
    buttonGrid->addWidget(cmdSelectAll, 0, 0);
    buttonGrid->addWidget(cmdDelete, 0, 1);
    buttonGrid->addWidget(cmdPrint, 1, 0);
    buttonGrid->addWidget(cmdSave, 1, 1);
    auto *buttonColumn = new QVBoxLayout;
    buttonColumn->addLayout(buttonGrid);
    buttonColumn->addStretch(1);

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
    m_picChart->hide();

    resize(880, 600);
}

void frmPrint::connectEvents()
{
    // The query follows a date only when its calendar closes, not while it is typed.
    for (QDateEdit *picker : {dtpDateFrom, dtpDateTo})
        picker->calendarWidget()->installEventFilter(this);
    connect(dtpTimeFrom, &QTimeEdit::timeChanged, this, &frmPrint::dtpTime_Change);
    connect(dtpTimeTo, &QTimeEdit::timeChanged, this, &frmPrint::dtpTime_Change);
    connect(lstSelectSymbols, &QListWidget::itemSelectionChanged, this, &frmPrint::lstSelectSymbols_Click);
    connect(optSortDate, &QRadioButton::clicked, this, &frmPrint::optSortDate_Click);
    connect(optSortSymbol, &QRadioButton::clicked, this, &frmPrint::optSortSymbol_Click);
    connect(optChart, &QRadioButton::clicked, this, &frmPrint::optChart_Click);
    connect(optSymbols, &QRadioButton::clicked, this, &frmPrint::optSymbols_Click);
    ListView1->viewport()->installEventFilter(this);
    connect(cmdSelectAll, &QToolButton::clicked, this, &frmPrint::cmdSelectAll_Click);
    connect(cmdDelete, &QToolButton::clicked, this, &frmPrint::cmdDelete_Click);
    connect(cmdPrint, &QToolButton::clicked, this, &frmPrint::cmdPrint_Click);
    connect(cmdSave, &QToolButton::clicked, this, &frmPrint::cmdSave_Click);
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
    RefreshQuery();
    QPixmap picture;
    if (loadPicture(QStringLiteral("save.bmp"), picture, m_picChart->devicePixelRatioF())) {
        m_picChart->setPixmap(picture);
        m_picChart->adjustSize();
    }
}

bool frmPrint::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
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

bool frmPrint::controlMouseUp(QWidget *control, Qt::MouseButton button)
{
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
    return startPair != 0 && RightClickHelp(control, button, startPair);
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
        showMessage(this, QStringLiteral("The To Date must be greater than the From Date."),
                    QStringLiteral("Invalid To Date"), QMessageBox::Information);
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
    const std::optional<ReportFilter> filter = BuildCriteria();
    if (!filter)
        return;
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
    if (optSymbols->isChecked())
        cmdPrint->setEnabled(listRowCount() > 0);
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

void frmPrint::ListView1_Click()
{
    setListButtons(listRowCount() > 0);
}

void frmPrint::cmdSelectAll_Click()
{
    const bool selecting = cmdSelectAll->toolTip() == SelectAllTip;
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
    setPictureButtonTip(cmdSelectAll, selecting ? DeselectAllTip : SelectAllTip);
    cmdDelete->setEnabled(listRowCount() > 1);
}

void frmPrint::cmdDelete_Click()
{
    const int rows = listRowCount();
    if (rows == 0) {
        showMessage(this, QStringLiteral("There are no items to delete."), DeleteTitle, QMessageBox::Information);
        return;
    }
    // With no current row, the selection itself says whether there is anything to delete.
    QItemSelectionModel *selection = ListView1->selectionModel();
    const QModelIndex current = selection->currentIndex();
    const bool currentSelected = current.isValid() ? selection->isRowSelected(current.row()) : selection->hasSelection();
    if (!currentSelected) {
        showMessage(this, QStringLiteral("There are no selected items to delete."), DeleteTitle,
                    QMessageBox::Information);
        return;
    }
    if (showMessage(this, QStringLiteral("Are you sure you want to delete the selected item(s)?"), DeleteTitle,
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
    setWindowTitle(PrintChartCaption);
    setPictureButtonTip(cmdPrint, PrintChartCaption);
    for (QWidget *control : std::initializer_list<QWidget *>{lstSelectSymbols, dtpDateFrom, dtpDateTo, dtpTimeFrom,
                                                             dtpTimeTo, optSortSymbol, optSortDate, cmdSelectAll,
                                                             cmdDelete})
        control->setEnabled(false);
    cmdPrint->setEnabled(true);
    cmdSave->setEnabled(true);
    ListView1->hide();
    m_picChart->show();
}

void frmPrint::optSymbols_Click()
{
    setWindowTitle(PrintSymbolsCaption);
    setPictureButtonTip(cmdPrint, PrintSymbolsCaption);
    for (QWidget *control : std::initializer_list<QWidget *>{lstSelectSymbols, dtpDateFrom, dtpDateTo, dtpTimeFrom,
                                                             dtpTimeTo, optSortSymbol, optSortDate})
        control->setEnabled(true);
    const bool hasRows = listRowCount() > 0;
    setListButtons(hasRows);
    cmdPrint->setEnabled(hasRows);
    cmdSave->setEnabled(false);
    ListView1->show();
    m_picChart->hide();
}

void frmPrint::setPrinterSource(PrinterSource source)
{
    m_printerSource = std::move(source);
}

void frmPrint::cmdPrint_Click()
{
    try {
        if (!optSymbols->isChecked()) {
            printChart(*m_printerSource(), m_picChart->pixmap());
            return;
        }
        if (listRowCount() == 0)
            return;
        const std::unique_ptr<QPrinter> printer = m_printerSource();
        printSymbolReport(*printer, m_store.report(m_listedFilter, m_listedOrder));
    } catch (const PrintError &error) {
        showMessage(this, QStringLiteral("cmdPrint_Click - Error #%1 %2").arg(error.number()).arg(error.description()),
                    QStringLiteral("Print Error"), QMessageBox::Critical);
    } catch (const StoreError &error) {
        showMessage(this, QStringLiteral("cmdPrint_Click - Error #%1 %2").arg(error.number()).arg(error.description()),
                    QStringLiteral("Print Error"), QMessageBox::Critical);
    }
}

void frmPrint::cmdSave_Click()
{
    // Qt's own dialog, the same on every desktop; the overwrite question is the window's.
    QFileDialog cdlSave(this);
    cdlSave.setObjectName(QStringLiteral("cdlSave"));
    cdlSave.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    cdlSave.setAcceptMode(QFileDialog::AcceptSave);
    cdlSave.setFileMode(QFileDialog::AnyFile);
    cdlSave.setNameFilter(QStringLiteral("Bitmap (*.bmp)"));
    cdlSave.setDefaultSuffix(QStringLiteral("bmp"));

    QString path;
    for (;;) {
        if (cdlSave.exec() != QDialog::Accepted || cdlSave.selectedFiles().isEmpty())
            return;
        path = cdlSave.selectedFiles().constFirst();
        if (!QFileInfo::exists(path))
            break;
        if (showMessage(this, QStringLiteral("That file already exists. Overwrite it?"),
                        QStringLiteral("Overwrite File"), QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::No)
            == QMessageBox::Yes)
            break;
    }
    try {
        saveChartBitmap(m_picChart->pixmap(), path);
    } catch (const SaveError &error) {
        showMessage(this, QStringLiteral("Error #%1: %2").arg(error.number()).arg(error.description()), AppTitle,
                    QMessageBox::NoIcon);
        return;
    }
    close();
}

void frmPrint::reportStoreError(const QString &procedure, const StoreError &error)
{
    showMessage(this, QStringLiteral("%1 - Error #%2 %3").arg(procedure).arg(error.number()).arg(error.description()),
                PrintSymbolsCaption, QMessageBox::Critical);
}
