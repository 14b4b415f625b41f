#pragma once

#include "ChartPicture.h"
#include "ReportFilter.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPrinter;
class QRadioButton;
class QTimeEdit;
class QToolButton;
class QTreeView;
class ReportListModel;
class QDateEdit;

namespace ondara {
class CalculationStore;
class StoreError;
}

// The report window: lists the saved calculations filtered by a date range, a
// time-of-day range and a set of symbols, sorted by date or by symbol; deletes
// the selected ones and prints them as a table. It also holds the chart picture
// that the calculator window captures, for printing or saving as a bitmap.
//
// Constructing it loads it: the first query of the store is listed, so the
// calculator window creates it when Print Chart first needs it and shows it
// with exec(). A store that cannot be read throws ondara::StoreError from the
// constructor; failures after that are shown in a message box. The list
// follows the store: rows added or removed anywhere show at once.
class frmPrint : public QDialog
{
    Q_OBJECT

public:
    // The window's name and the names of its controls in the popup-help table,
    // in pair order (Select All, Delete, Save, Print, the symbol list): the
    // table is filled from them before any report window exists.
    static constexpr char WindowName[] = "frmPrint";
    static constexpr std::array<const char *, 5> HelpControlNames{"cmdSelectAll", "cmdDelete", "cmdSave",
                                                                  "cmdPrint", "lstSelectSymbols"};

    explicit frmPrint(ondara::CalculationStore &store, QWidget *parent = nullptr);
    ~frmPrint() override;

    // The query text of the record set that is open now. Writing "" makes the
    // next rebuild reopen the record set even when the text is unchanged.
    QString mstrOldSQL;

    // The chart picture box, which shows the captured chart.
    QLabel *picChart() const { return m_picChart; }

    // The captured chart and what it shows: its picture goes into picChart,
    // centred; the rest names and captions what is saved of it.
    void setChartCapture(const ondara::ChartCapture &capture);

    // Sizes the chart to its picture and centres it across the window, in the
    // band above the filters.
    void CentreChart();

    // The controls named by HelpControlNames.
    std::array<QWidget *, 5> helpControls() const;

    // Builds the query from the filters and, when its text differs from
    // mstrOldSQL, lists its rows.
    void RefreshQuery();

    // The filters' values, or none when the From date is later than the To
    // date: then after the message, with the From date put back.
    std::optional<ondara::ReportFilter> BuildCriteria();

    // Appends the distinct symbols of the table to the symbol list.
    void LoadSymbolList();

    // Redraws the list and reloads the symbol list, keeping the symbols that were selected.
    void RefreshList();

    // Where the Print button prints; the system's default printer unless
    // replaced. Throws ondara::PrintError when there is no usable printer.
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;
    void setPrinterSource(PrinterSource source);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class SymbolSelection { Keep, Clear };

    void createControls();
    void connectEvents();
    void Form_Load();

    void dtpDate_CloseUp();
    void dtpTime_Change();
    void lstSelectSymbols_Click();
    void optSortDate_Click();
    void optSortSymbol_Click();
    void optChart_Click();
    void optSymbols_Click();
    void ListView1_Click();
    void cmdSelectAll_Click();
    void cmdDelete_Click();
    void cmdPrint_Click();
    void cmdSave_Click();

    // A mouse button released on a control that has popup help; true when it
    // showed the help.
    bool controlMouseUp(QWidget *control, Qt::MouseButton button);

    void RefreshList(SymbolSelection selection);
    void setListButtons(bool enabled);
    int listRowCount() const;
    void reportStoreError(const QString &procedure, const ondara::StoreError &error);

    ondara::CalculationStore &m_store;
    ondara::ReportOrder m_sortOrder = ondara::ReportOrder::SymbolDateTime;
    // What the list shows: the query of mstrOldSQL.
    ondara::ReportFilter m_listedFilter;
    ondara::ReportOrder m_listedOrder = ondara::ReportOrder::SymbolDateTime;
    ReportListModel *m_rows = nullptr;
    PrinterSource m_printerSource;
    ondara::ChartCapture m_capture;

    QGroupBox *fraShow = nullptr;
    QGroupBox *fraDate = nullptr;
    QLabel *lblDateFrom = nullptr;
    QDateEdit *dtpDateFrom = nullptr;
    QLabel *lblDateTo = nullptr;
    QDateEdit *dtpDateTo = nullptr;
    QGroupBox *fraTime = nullptr;
    QLabel *lblTimeFrom = nullptr;
    QTimeEdit *dtpTimeFrom = nullptr;
    QLabel *lblTimeTo = nullptr;
    QTimeEdit *dtpTimeTo = nullptr;
    QLabel *lblSymbols = nullptr;
    QListWidget *lstSelectSymbols = nullptr;
    QGroupBox *fraSortBy = nullptr;
    QRadioButton *optSortDate = nullptr;
    QRadioButton *optSortSymbol = nullptr;
    QGroupBox *fraPrint = nullptr;
    QRadioButton *optChart = nullptr;
    QRadioButton *optSymbols = nullptr;
    QTreeView *ListView1 = nullptr;
    QLabel *m_picChart = nullptr;
    QToolButton *cmdSelectAll = nullptr;
    QToolButton *cmdDelete = nullptr;
    QToolButton *cmdPrint = nullptr;
    QToolButton *cmdSave = nullptr;
};
