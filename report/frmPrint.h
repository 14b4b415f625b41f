#pragma once

#include "ChartPicture.h"
#include "ReportFilter.h"
#include "SavedCalculation.h"

#include <QDialog>
#include <QStandardPaths>
#include <QString>

#include <array>
#include <memory>
#include <optional>

class QFileDialog;
class QGroupBox;
class QLabel;
class QListWidget;
class QModelIndex;
class QPrinter;
class QPushButton;
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
// the selected ones, prints them as a table through the desktop's print dialog
// or its preview, and exports and imports them as CSV files. Beside each row
// it shows what became of it against the daily prices imported here, and
// opens a chart of them for the row double-clicked. It also holds the
// chart picture that the calculator window captures, for printing or saving
// as a bitmap, a PNG picture or a PDF document.
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
    void cmdPreview_Click();
    void cmdSave_Click();
    void cmdExport_Click();
    void cmdImport_Click();
    void cmdImportPrices_Click();
    void ListView1_DblClick(const QModelIndex &index);

    // The list or the chart, by the print mode: the one routine that draws
    // on paper, into a PDF file and in the preview. Throws PrintError or StoreError.
    void renderTo(QPrinter &printer);
    // renderTo, with a failure shown under the procedure's name.
    void printOn(QPrinter &printer, const QString &procedure);
    void printThroughDialog(bool preview);
    std::unique_ptr<QPrinter> preparedPrinter() const;
    bool hasSomethingToPrint() const;
    QString chooseSaveFile(QFileDialog &dialog, const QStringList &suffixes);
    QString chooseOpenFile(const QString &title, const QString &name, const QString &nameFilter, const char *folderKey,
                           QStandardPaths::StandardLocation location);
    QList<ondara::SavedCalculation> exportedRows();

    // A mouse button released on a control that has popup help; true when it
    // showed the help.
    bool controlMouseUp(QWidget *control, Qt::MouseButton button);
    // A key pressed in the list; true when it was the window's to handle.
    bool listKeyPress(int key);
    bool isDatePicker(const QObject *watched) const;
    void restoreFilters();
    void rememberFilters(const ondara::ReportFilter &filter) const;

    void RefreshList(SymbolSelection selection);
    void setListButtons(bool enabled);
    void setPrintButtons(bool enabled);
    int listRowCount() const;
    void reportStoreError(const QString &procedure, const ondara::StoreError &error);

    ondara::CalculationStore &m_store;
    ondara::ReportOrder m_sortOrder = ondara::ReportOrder::SymbolDateTime;
    // What the list shows: the query of mstrOldSQL.
    ondara::ReportFilter m_listedFilter;
    ondara::ReportOrder m_listedOrder = ondara::ReportOrder::SymbolDateTime;
    ReportListModel *m_rows = nullptr;
    ondara::ChartCapture m_capture;
    bool m_refreshing = false;
    // Whether the next click of Select All selects every row (its tool tip
    // says "Select All") or clears the selection ("Deselect All").
    bool m_selectAllSelects = true;
    // The Chart print mode (optChart) rather than the Symbols one.
    bool m_printChart = false;

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
    QToolButton *cmdPreview = nullptr;
    QToolButton *cmdSave = nullptr;
    QPushButton *cmdExport = nullptr;
    QPushButton *cmdImport = nullptr;
    QPushButton *cmdImportPrices = nullptr;
};
