#include "PriceCsv.h"

#include "CsvText.h"
#include "CsvValues.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <array>

namespace ondara {

namespace {

using namespace csvvalues;

enum Column { Date, Open, High, Low, Close, Symbol, ColumnCount };
constexpr const char *ColumnNames[] = {"Date", "Open", "High", "Low", "Close", "Symbol"};
static_assert(std::size(ColumnNames) == ColumnCount);

enum class DateForm { None, Iso, MonthFirst, DayFirstDotted };

constexpr const char *formName(DateForm form)
{
    switch (form) {
    case DateForm::Iso: return "YYYY-MM-DD";
    case DateForm::MonthFirst: return "M/D/YYYY";
    case DateForm::DayFirstDotted: return "DD.MM.YYYY";
    case DateForm::None: break;
    }
    return "YYYY-MM-DD, M/D/YYYY or DD.MM.YYYY";
}

// The three numbers of text as written in form, in their written order:
// the year of 4 digits, the others of 2 (year first) or of 1 or 2.
std::optional<std::array<int, 3>> dateNumbers(QStringView text, DateForm form)
{
    const bool yearFirst = form == DateForm::Iso;
    const QChar separator = yearFirst ? u'-' : form == DateForm::MonthFirst ? u'/' : u'.';
    const QList<QStringView> parts = text.split(separator);
    if (parts.size() != 3)
        return std::nullopt;
    std::array<int, 3> numbers{};
    for (int i = 0; i < 3; ++i) {
        const qsizetype size = parts[i].size();
        if (i == (yearFirst ? 0 : 2) ? size != 4 : (yearFirst ? size != 2 : size < 1 || size > 2))
            return std::nullopt;
        for (QChar c : parts[i]) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            numbers[i] = numbers[i] * 10 + (c.unicode() - u'0');
        }
    }
    return numbers;
}

DateForm formOf(QStringView text)
{
    for (DateForm form : {DateForm::Iso, DateForm::MonthFirst, DateForm::DayFirstDotted}) {
        if (dateNumbers(text, form))
            return form;
    }
    return DateForm::None;
}

struct Header
{
    std::array<qsizetype, ColumnCount> at;
    QStringList names; // as the file spells them, for messages
};

Header readHeader(const CsvRecord &record)
{
    Header header;
    header.at.fill(-1);
    for (qsizetype i = 0; i < record.fields.size(); ++i) {
        const QStringView name = trimmedBlanks(record.fields[i]);
        header.names.append(name.toString());
        for (int column = 0; column < ColumnCount; ++column) {
            if (name.compare(QLatin1StringView(ColumnNames[column]), Qt::CaseInsensitive) != 0)
                continue;
            if (header.at[column] >= 0)
                throw CsvDataError(CsvDataError::DuplicateColumn, record.line, name.toString(),
                                   QStringLiteral("the column appears twice."));
            header.at[column] = i;
        }
    }
    for (int column = 0; column < Symbol; ++column) {
        if (header.at[column] < 0)
            throw CsvDataError(CsvDataError::MissingColumn, record.line, QString::fromLatin1(ColumnNames[column]),
                               QStringLiteral("the header has no such column; Date, Open, High, Low and Close "
                                              "are needed."));
    }
    return header;
}

// Reads the rows in file order, holding what the checks across rows need.
class PriceReader
{
public:
    PriceReader(const Header &header, QDate today, const QString &symbol)
        : m_header(header), m_today(today), m_symbol(symbol)
    {
    }

    void read(const CsvRecord &record)
    {
        m_record = &record;
        if (record.fields.size() != m_header.names.size())
            throw CsvDataError(CsvDataError::FieldCount, record.line, {},
                               QStringLiteral("%1 fields, but the header has %2.")
                                   .arg(record.fields.size())
                                   .arg(m_header.names.size()));
        PriceBar day;
        day.date = readDate();
        day.open = readPrice(Open);
        day.high = readPrice(High);
        day.low = readPrice(Low);
        day.close = readPrice(Close);
        const Column upper = day.open > day.close ? Open : Close;
        const Column lower = upper == Open ? Close : Open;
        if (day.high < std::max(day.open, day.close))
            refuse(CsvDataError::PricesInconsistent, High,
                   QStringLiteral("is below %1 %2.").arg(m_header.names[m_header.at[upper]], text(upper)));
        if (day.low > std::min(day.open, day.close))
            refuse(CsvDataError::PricesInconsistent, Low,
                   QStringLiteral("is above %1 %2.").arg(m_header.names[m_header.at[lower]], text(lower)));
        if (m_header.at[Symbol] >= 0)
            readSymbol();
        m_prices.append(day);
    }

    // What the file says once every row is read.
    PriceFile result(const QString &fileName)
    {
        if (m_form == DateForm::MonthFirst && m_everyDateSwaps && m_firstSwappedLine > 0)
            throw CsvDataError(CsvDataError::AmbiguousDates, m_firstSwappedLine, m_header.names[m_header.at[Date]],
                               QStringLiteral("%1 could be month first or day first, and no date in the file "
                                              "tells which; write the dates as YYYY-MM-DD.")
                                   .arg(shown(m_firstSwappedText)));
        if (m_prices.isEmpty())
            throw CsvDataError(CsvDataError::NoRows, 0, {}, QStringLiteral("The file holds no prices."));
        PriceFile history;
        history.symbol = m_symbol.isEmpty() ? symbolFromFileName(fileName) : m_symbol;
        history.bars = std::move(m_prices);
        std::sort(history.bars.begin(), history.bars.end(),
                  [](const PriceBar &a, const PriceBar &b) { return a.date < b.date; });
        return history;
    }

private:
    QStringView text(int column) const { return trimmedBlanks(m_record->fields[m_header.at[column]]); }

    [[noreturn]] void refuse(int number, int column, const QString &reason) const
    {
        throw CsvDataError(number, m_record->line, m_header.names[m_header.at[column]],
                           shown(text(column)) + u' ' + reason);
    }

    QDate readDate()
    {
        const QStringView value = text(Date);
        const DateForm form = formOf(value);
        if (form == DateForm::None)
            refuse(CsvDataError::NotADate, Date, QStringLiteral("is not a date (%1).").arg(formName(form)));
        if (m_form == DateForm::None)
            m_form = form;
        if (form != m_form)
            refuse(CsvDataError::NotADate, Date,
                   QStringLiteral("is not in the form of the dates above it (%1).").arg(formName(m_form)));
        const std::array<int, 3> n = *dateNumbers(value, form);
        QDate date;
        if (form == DateForm::Iso)
            date = QDate(n[0], n[1], n[2]);
        else if (form == DateForm::MonthFirst)
            date = QDate(n[2], n[0], n[1]);
        else
            date = QDate(n[2], n[1], n[0]);
        if (!date.isValid())
            refuse(CsvDataError::NotADate, Date, QStringLiteral("is not a date (%1).").arg(formName(form)));
        if (form == DateForm::MonthFirst) {
            m_everyDateSwaps = m_everyDateSwaps && QDate(n[2], n[1], n[0]).isValid();
            if (n[0] != n[1] && m_firstSwappedLine == 0) {
                m_firstSwappedLine = m_record->line;
                m_firstSwappedText = value.toString();
            }
        }
        if (m_today.isValid() && date > m_today)
            refuse(CsvDataError::FutureDate, Date,
                   QStringLiteral("is after today, %1.").arg(m_today.toString(Qt::ISODate)));
        if (const qsizetype seen = m_lineOf.value(date.toJulianDay()); seen > 0)
            refuse(CsvDataError::DuplicateDate, Date, QStringLiteral("is also on line %1.").arg(seen));
        m_lineOf.insert(date.toJulianDay(), m_record->line);
        return date;
    }

    double readPrice(int column) const
    {
        if (text(column).isEmpty())
            refuse(CsvDataError::NotANumber, column, QStringLiteral("is no price."));
        const std::optional<double> price = number(text(column));
        if (!price)
            refuse(CsvDataError::NotANumber, column, QStringLiteral("is not a number."));
        if (*price <= 0)
            refuse(CsvDataError::PriceNotPositive, column, QStringLiteral("is not above 0."));
        return *price;
    }

    void readSymbol()
    {
        const QStringView value = text(Symbol);
        if (value.isEmpty())
            return;
        if (characterCount(value) > MaxSymbolLength)
            refuse(CsvDataError::BadSymbol, Symbol,
                   QStringLiteral("is longer than %1 characters.").arg(MaxSymbolLength));
        if (m_symbol.isEmpty()) {
            m_symbol = value.toString();
            m_symbolLine = m_record->line;
        } else if (value.compare(m_symbol, Qt::CaseInsensitive) != 0) {
            refuse(CsvDataError::TwoSymbols, Symbol,
                   m_symbolLine > 0
                       ? QStringLiteral("differs from %1 on line %2; a file holds one symbol's prices.")
                             .arg(shown(m_symbol))
                             .arg(m_symbolLine)
                       : QStringLiteral("differs from %1, the symbol the prices are read for.").arg(shown(m_symbol)));
        }
    }

    static QString symbolFromFileName(const QString &fileName)
    {
        const QString symbol = trimmedBlanks(QFileInfo(fileName).completeBaseName()).toString().toUpper();
        if (symbol.isEmpty() || characterCount(symbol) > MaxSymbolLength)
            throw CsvDataError(CsvDataError::BadSymbol, 0, {},
                               QStringLiteral("The file name %1 gives no symbol of 1 to %2 characters; "
                                              "name the symbol.")
                                   .arg(shown(QFileInfo(fileName).fileName()))
                                   .arg(MaxSymbolLength));
        return symbol;
    }

    const Header &m_header;
    const QDate m_today;
    QString m_symbol;
    qsizetype m_symbolLine = 0; // 0: the caller's symbol, or none yet
    const CsvRecord *m_record = nullptr;
    QList<PriceBar> m_prices;
    QHash<qint64, qsizetype> m_lineOf; // of each day read
    DateForm m_form = DateForm::None;
    bool m_everyDateSwaps = true;
    qsizetype m_firstSwappedLine = 0;
    QString m_firstSwappedText;
};

} // namespace

PriceFile parsePriceCsv(QByteArrayView bytes, const QString &fileName, QDate today, const QString &symbol)
{
    const QString given = trimmedBlanks(symbol).toString();
    if (characterCount(given) > MaxSymbolLength)
        throw CsvDataError(CsvDataError::BadSymbol, 0, {},
                           QStringLiteral("The symbol %1 is longer than %2 characters.")
                               .arg(shown(given))
                               .arg(MaxSymbolLength));
    const QList<CsvRecord> records = csvRecords(bytes);
    if (records.isEmpty())
        throw CsvDataError(CsvDataError::NoRows, 0, {}, QStringLiteral("The file holds no prices."));
    const Header header = readHeader(records.first());
    PriceReader reader(header, today, given);
    for (qsizetype i = 1; i < records.size(); ++i)
        reader.read(records[i]);
    return reader.result(fileName);
}

PriceFile readPriceCsv(const QString &path, QDate today, const QString &symbol)
{
    return parsePriceCsv(readCsvFile(path), path, today, symbol);
}

} // namespace ondara
