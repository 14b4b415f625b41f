#include "PriceImport.h"

#include "PriceCsv.h"
#include "PriceHistory.h"
#include "StoredDateTime.h"

#include <QDir>

namespace ondara {

PriceImport importPrices(Database &db, const QString &path, const QString &symbol, QDate today)
{
    const PriceFile file = readPriceCsv(path, today, symbol);
    ensurePriceTable(db);
    replacePrices(db, file.symbol, file.bars);
    return {priceSymbol(file.symbol), file.bars.size(), file.bars.constFirst().date, file.bars.constLast().date};
}

QString importSummaryText(const PriceImport &import)
{
    if (import.days == 1)
        return QStringLiteral("Imported 1 day of %1, %2.").arg(import.symbol, storedDateText(import.first));
    return QStringLiteral("Imported %1 days of %2, %3 to %4.")
        .arg(import.days)
        .arg(import.symbol, storedDateText(import.first), storedDateText(import.last));
}

QString importFailureText(const QString &path, const NumberedError &error)
{
    return QStringLiteral("No prices were imported from %1.\nError #%2: %3")
        .arg(QDir::toNativeSeparators(path))
        .arg(error.number())
        .arg(error.description());
}

} // namespace ondara
