#include "frmOndara.h"

#include "MessageBox.h"
#include "PriceText.h"
#include "RecordSet.h"
#include "WatchListModel.h"
#include "WatchListText.h"
#include "frmPrint.h"

#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>

#include <optional>
#include <utility>

// The watch list: saving the current calculation under a symbol, listing the
// saved ones, recalling one into the window and deleting it. Every database
// failure ends the handler with one "Watch List" message; the record set only
// changes once the file has, so the list never shows what the file lacks.

using ondara::StoreError;

namespace {

const QString WatchList = QStringLiteral("Watch List");
const QString DeleteSymbolTitle = QStringLiteral("Delete Symbol");

QString idCondition(int id)
{
    return QStringLiteral("ID = %1").arg(id);
}

// A price of a saved row. Rows written by other programs may hold a null or a
// text that is no number; either stands for no price.
std::optional<double> storedPrice(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    bool ok = false;
    const double price = value.toDouble(&ok);
    return ok ? std::optional<double>(price) : std::nullopt;
}

} // namespace

void frmOndara::cmdAction_Click(int Index)
{
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
        if (WatchListText::characterCount(WatchListText::trimmedBlanks(symbol)) > WatchListText::MaxSymbolLength) {
            ondara::showMessage(this, QStringLiteral("Symbol must be less than or equal to 15 characters long."),
                                QStringLiteral("Save Symbol"), QMessageBox::Information);
            cboSymbols->setFocus(Qt::OtherFocusReason);
            cboSymbols->lineEdit()->selectAll();
            return;
        }

        const QDateTime now = QDateTime::currentDateTime();
        const QDate date = now.date();
        const QTime time(now.time().hour(), now.time().minute(), now.time().second());
        const bool wave1 = optUse1->isChecked();
        mrsSymbols->addNew();
        mrsSymbols->setField(QStringLiteral("Symbol"), symbol);
        mrsSymbols->setField(QStringLiteral("Date"), date);
        mrsSymbols->setField(QStringLiteral("Time"), time);
        mrsSymbols->setField(QStringLiteral("W1Start"), m_state.dblWaveStart);
        mrsSymbols->setField(QStringLiteral("W1End"), wave1 ? m_state.dblWaveEnd : 0.0);
        mrsSymbols->setField(QStringLiteral("W3Target"), wave1 ? m_state.dblWav3Target : m_state.dblWav3Point);
        mrsSymbols->setField(QStringLiteral("W3Ext"), wave1 ? m_state.dblWav3Ext : 0.0);
        mrsSymbols->setField(QStringLiteral("W5Target"), m_state.dblWav5Target);
        mrsSymbols->setField(QStringLiteral("W5Ext"), m_state.dblWav5Ext);
        const qint64 id = mrsSymbols->update();

        LoadWatchList();
        // The new entry is picked as well as shown, since the chart now stands
        // for it: Delete Symbol can take it back at once.
        cboSymbols->setCurrentIndex(cboSymbols->findData(int(id)));
        cboSymbols->setEditText(WatchListText().entry(symbol, date, time));
        cboSymbols_Change();
    } catch (const StoreError &error) {
        reportWatchListError(QStringLiteral("AddSymbol"), QStringLiteral(" "), error, QMessageBox::Critical);
    }
}

void frmOndara::DeleteSymbol()
{
    try {
        const int picked = cboSymbols->currentIndex();
        if (picked < 0) {
            ondara::showMessage(this, QStringLiteral("Select a symbol to delete first."), DeleteSymbolTitle,
                                QMessageBox::Information);
            return;
        }
        // The entry's first 15 characters, without the blanks that pad it to
        // its date, are the symbol the messages name.
        const QString symbol = WatchListText::trimmedBlanks(
                                   WatchListText::firstCharacters(WatchListText::trimmedBlanks(cboSymbols->currentText()),
                                                                  WatchListText::MaxSymbolLength))
                                   .toString();
        if (!findSavedRow(cboSymbols->itemData(picked).toInt())) {
            ondara::showMessage(this, QStringLiteral("Symbol '%1' not found.").arg(symbol), DeleteSymbolTitle,
                                QMessageBox::Critical);
            return;
        }
        const auto answer =
            ondara::showMessage(this, QStringLiteral("Are you sure you want to delete symbol '%1'?").arg(symbol),
                                DeleteSymbolTitle, QMessageBox::Information, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
        mrsSymbols->deleteCurrent();
        // The entry goes without the list being read again. Nothing is picked
        // afterwards: the box would otherwise show a neighbour as if chosen.
        cboSymbols->removeItem(picked);
        cboSymbols->setCurrentIndex(-1);
        cboSymbols->update();
    } catch (const StoreError &error) {
        reportWatchListError(QStringLiteral("DeleteSymbol"), QStringLiteral(" "), error, QMessageBox::Critical);
    }
}

void frmOndara::LoadWatchList()
{
    try {
        // A set opened a moment ago already holds the rows as they are now;
        // reading them again would double the cost of the window's load.
        if (!std::exchange(m_symbolsJustOpened, false))
            mrsSymbols->requery();
        if (mrsSymbols->recordCount() != 0)
            mrsSymbols->moveFirst();
        const auto column = [this](const char *name) {
            for (int i = 0; i < mrsSymbols->fieldCount(); ++i) {
                if (mrsSymbols->fieldName(i).compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0)
                    return i;
            }
            throw StoreError(StoreError::ItemNotFound,
                             QStringLiteral("Item not found in this collection: %1.").arg(QLatin1StringView(name)));
        };
        const int id = column("ID");
        const int symbol = column("Symbol");
        const int date = column("Date");
        const int time = column("Time");

        WatchListText text;
        QStringList texts;
        QList<int> ids;
        texts.reserve(mrsSymbols->recordCount());
        ids.reserve(mrsSymbols->recordCount());
        for (; !mrsSymbols->eof(); mrsSymbols->moveNext()) {
            texts.append(text.entry(mrsSymbols->field(symbol).toString(), mrsSymbols->field(date),
                                    mrsSymbols->field(time)));
            ids.append(mrsSymbols->field(id).toInt());
        }
        setWatchListEntries(std::move(texts), std::move(ids));
    } catch (const StoreError &error) {
        reportWatchListError(QStringLiteral("LoadWatchList"), QStringLiteral(" "), error, QMessageBox::Information);
    }
}

bool frmOndara::findSavedRow(int id)
{
    // The record set holds the rows as they were last read, and the report
    // window or another program may have deleted one since: whether it still
    // exists is the file's to say.
    const ondara::DatabaseHandle &db = ondara::gdbSymbols;
    QSqlQuery query = db->prepare(QStringLiteral("SELECT count(*) FROM tblSymbols WHERE ID = ?"));
    query.addBindValue(id);
    db->exec(query);
    if (!query.next())
        db->fail(query);
    return query.value(0).toInt() != 0 && mrsSymbols->findFirst(idCondition(id));
}

void frmOndara::setWatchListEntries(QStringList texts, QList<int> ids)
{
    static_cast<WatchListModel *>(cboSymbols->model())->setEntries(std::move(texts), std::move(ids));
    // Filling the list picks nothing, as emptying it leaves no text.
    cboSymbols->setCurrentIndex(-1);
}

void frmOndara::cboSymbols_Click()
{
    try {
        const int picked = cboSymbols->currentIndex();
        if (cboSymbols->currentText().isEmpty() || picked < 0)
            return;
        if (!findSavedRow(cboSymbols->itemData(picked).toInt())) {
            LoadWatchList();
            return;
        }
        // A null W1End counts as 0, so a row without one is taken on the wave 3 basis.
        const std::optional<double> start = storedPrice(mrsSymbols->field(QStringLiteral("W1Start")));
        const std::optional<double> w1End = storedPrice(mrsSymbols->field(QStringLiteral("W1End")));
        const bool wave1 = w1End.value_or(0) != 0;
        const std::optional<double> second =
            wave1 ? w1End : storedPrice(mrsSymbols->field(QStringLiteral("W3Target")));
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
    setButtonToolTip(cmdUseWave, wave1 ? QStringLiteral("Use Wave 3") : QStringLiteral("Use Wave 1"));
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
    ondara::showMessage(this,
                        procedure + QStringLiteral("() - Error #") + QString::number(error.number()) + separator
                            + error.description(),
                        WatchList, icon);
}
