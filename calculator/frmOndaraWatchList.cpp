#include "frmOndara.h"

#include "CalculationStore.h"
#include "PictureButton.h"
#include "PriceField.h"
#include "MessageBox.h"
#include "PriceText.h"
#include "WatchListModel.h"
#include "SymbolText.h"
#include "WatchListText.h"

#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <optional>
#include <utility>

// The watch list: saving the current calculation under a symbol, listing the
// saved ones, recalling one into the window and deleting it. Every database
// failure ends the handler with one "Watch List" message. The list follows
// the store, so it changes only once the file has, wherever the change was made.

using ondara::StoreError;

void frmOndara::cmdAction_Click(int Index)
{
    if (!m_store)
        return; // the start has not opened the saved calculations yet
    switch (Index) {
    case 0:
        AddSymbol();
        break;
    case 1:
        DeleteSymbol();
        break;
    case 2:
        PrintChart();
        break;
    default:
        break;
    }
}

void frmOndara::AddSymbol()
{
    try {
        // Only prices that Calculate accepted are saved: after a refusal the
        // window variables mix the refused prices with the levels of the last
        // calculation that ran.
        if (!cmdCalc_Click())
            return;
        const QString typed = cboSymbols->currentText();
        if (typed.isEmpty() || TxtWavStart->text().isEmpty() || TxtWavEnd->text().isEmpty())
            return;
        if (m_state.bBullMarket ? !(m_state.dblWaveStart < m_state.dblWaveEnd)
                                : !(m_state.dblWaveStart > m_state.dblWaveEnd))
            return;

        // Measured after upper-casing, which can lengthen a symbol (ß becomes SS).
        const QString symbol = typed.toUpper();
        if (ondara::characterCount(ondara::trimmedBlanks(symbol)) > ondara::MaxSymbolLength) {
            ondara::showMessage(this, tr("Symbol must be less than or equal to 15 characters long."),
                                tr("Save Symbol"), QMessageBox::Information);
            cboSymbols->setFocus(Qt::OtherFocusReason);
            cboSymbols->lineEdit()->selectAll();
            return;
        }

        const QDateTime now = QDateTime::currentDateTime();
        ondara::SavedCalculation row;
        row.symbol = symbol;
        row.date = now.date();
        row.time = QTime(now.time().hour(), now.time().minute(), now.time().second());
        const bool wave1 = optUse1->isChecked();
        row.w1Start = m_state.dblWaveStart;
        row.w1End = wave1 ? m_state.dblWaveEnd : 0.0;
        row.w3Target = wave1 ? m_state.dblWav3Target : m_state.dblWav3Point;
        row.w3Ext = wave1 ? m_state.dblWav3Ext : 0.0;
        row.w5Target = m_state.dblWav5Target;
        row.w5Ext = m_state.dblWav5Ext;
        // The list takes the new entry in its place through the store.
        const qint64 id = m_store->add(row);

        // The new entry is picked as well as shown, since the chart now stands
        // for it: Delete Symbol can take it back at once.
        cboSymbols->setCurrentIndex(m_watchList->fetchUntil(id));
        m_pickedId = id;
        cboSymbols->setEditText(WatchListText().entry(symbol, row.date, row.time));
        cboSymbols_Change();
    } catch (const StoreError &error) {
        reportWatchListError(QStringLiteral("AddSymbol"), QStringLiteral(" "), error, QMessageBox::Critical);
    }
}

void frmOndara::DeleteSymbol()
{
    try {
        // Only a pick counts: a typed text stands for no saved row, even one
        // the box matched to an entry when it lost the focus.
        if (!m_pickedId) {
            ondara::showMessage(this, tr("Select a symbol to delete first."), tr("Delete Symbol"),
                                QMessageBox::Information);
            return;
        }
        // The entry's first 15 characters, without the blanks that pad it to
        // its date, are the symbol the messages name.
        const QString symbol = ondara::symbolPart(cboSymbols->currentText());
        const qint64 id = *m_pickedId;
        if (!m_store->exists(id)) {
            ondara::showMessage(this, tr("Symbol '%1' not found.").arg(symbol), tr("Delete Symbol"),
                                QMessageBox::Critical);
            return;
        }
        m_store->requireWritable(); // said before the question rather than after it
        const auto answer =
            ondara::showMessage(this, tr("Are you sure you want to delete symbol '%1'?").arg(symbol),
                                tr("Delete Symbol"), QMessageBox::Information, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
        // The entry leaves the list through the store, without the list being
        // read again. Nothing is picked afterwards: the box would otherwise
        // show a neighbour as if chosen.
        m_store->remove({id});
        m_pickedId.reset();
        cboSymbols->setCurrentIndex(-1);
        cboSymbols->update();
    } catch (const StoreError &error) {
        reportWatchListError(QStringLiteral("DeleteSymbol"), QStringLiteral(" "), error, QMessageBox::Critical);
    }
}

void frmOndara::LoadWatchList()
{
    if (!m_store)
        return;
    try {
        // The first page; the rest come as the box's list scrolls.
        m_watchList->setQuery([store = m_store] { return store->watchList(); });
        // Filling the list picks nothing, as emptying it leaves no text.
        cboSymbols->setCurrentIndex(-1);
        m_pickedId.reset();
    } catch (const StoreError &error) {
        reportWatchListError(QStringLiteral("LoadWatchList"), QStringLiteral(" "), error, QMessageBox::Information);
    }
}

void frmOndara::cboSymbols_Click()
{
    try {
        const int picked = cboSymbols->currentIndex();
        if (cboSymbols->currentText().isEmpty() || picked < 0)
            return;
        m_pickedId = cboSymbols->itemData(picked).toLongLong();
        // The report window or another program may have deleted the row since
        // it was listed: whether it still exists is the file's to say.
        const std::optional<ondara::SavedCalculation> row = m_store->find(*m_pickedId);
        if (!row) {
            LoadWatchList();
            return;
        }
        // A missing W1End counts as 0, so a row without one is taken on the wave 3 basis.
        const std::optional<double> start = row->w1Start;
        const bool wave1 = row->w1End.value_or(0) != 0;
        const std::optional<double> second = wave1 ? row->w1End : row->w3Target;
        (wave1 ? optUse1 : optUse3)->setChecked(true);
        showRecalledBasis(wave1);
        cmdMarket_Click(start.value_or(0) < second.value_or(0) ? 0 : 1);

        // A missing price leaves its field empty, and Calculate then draws nothing.
        setRecalledPrice(TxtWavStart, start);
        setRecalledPrice(TxtWavEnd, second);
        cmdCalc_Click();
    } catch (const StoreError &error) {
        reportWatchListError(QStringLiteral("cboSymbols"), QStringLiteral(": "), error, QMessageBox::Information);
    }
}

void frmOndara::showRecalledBasis(bool wave1)
{
    // The use-wave toggle reads its own flag and tool tip, not the option
    // buttons; both follow the recalled basis, or its next click would select
    // the basis already in force.
    m_state.bUseWave1 = wave1;
    showBasis();
}

void frmOndara::cboSymbols_Change()
{
    setDefaultButton(cmdAction[0]);
}

void frmOndara::cboSymbols_LostFocus()
{
    setDefaultButton(cmdCalc);
}

void frmOndara::symbolsTextEdited()
{
    // Typing over a picked entry makes it a typed text, which stands for no saved row.
    m_pickedId.reset();
    const int picked = cboSymbols->currentIndex();
    if (picked >= 0 && cboSymbols->currentText() != cboSymbols->itemText(picked)) {
        QLineEdit *edit = cboSymbols->lineEdit();
        const QString text = edit->text();
        const int cursor = edit->cursorPosition();
        cboSymbols->setCurrentIndex(-1);
        edit->setText(text);
        edit->setCursorPosition(cursor);
    }
    cboSymbols_Change();
}

void frmOndara::reportWatchListError(const QString &procedure, const QString &separator, const StoreError &error,
                                     QMessageBox::Icon icon)
{
    ondara::showError(this, procedure + QStringLiteral("()"), tr("Watch List"), error, icon, separator);
}
