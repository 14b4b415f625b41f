#include "CalculationsCsv.h"

#include "CsvText.h"
#include "CsvValues.h"

#include <array>
#include <cmath>

namespace ondara {

namespace {

using namespace csvvalues;

enum Column { Id, Symbol, Date, Time, W1Start, W1End, W3Target, W3Ext, W5Target, W5Ext, ColumnCount };
static_assert(std::size(CalculationsCsvColumns) == ColumnCount);

// The price columns from W1Start on, in the header's order.
std::optional<double> SavedCalculation::*const PriceMembers[] = {
    &SavedCalculation::w1Start, &SavedCalculation::w1End,    &SavedCalculation::w3Target,
    &SavedCalculation::w3Ext,   &SavedCalculation::w5Target, &SavedCalculation::w5Ext};
static_assert(std::size(PriceMembers) == ColumnCount - W1Start);

// Spreadsheets run a field that begins with one of these as a formula.
bool startsFormula(QChar c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@';
}

bool needsTextMark(QStringView symbol)
{
    return !symbol.isEmpty() && (startsFormula(symbol.front()) || symbol.front() == u'\'');
}

QString symbolFromField(const QString &field)
{
    return field.size() >= 2 && field[0] == u'\'' && needsTextMark(QStringView(field).sliced(1)) ? field.sliced(1)
                                                                                                  : field;
}

// Plain decimals for any price a market quotes; the exponent form only where
// plain digits would run to dozens.
QString priceText(double value)
{
    const double magnitude = std::abs(value);
    const char format = magnitude == 0 || (magnitude >= 1e-6 && magnitude < 1e15) ? 'f' : 'g';
    return QString::number(value, format, QLocale::FloatingPointShortest);
}

QString dateText(QDate date)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return {};
    return QString::asprintf("%04d-%02d-%02d", date.year(), date.month(), date.day());
}

QString timeText(QTime time)
{
    return time.isValid() ? QString::asprintf("%02d:%02d:%02d", time.hour(), time.minute(), time.second())
                          : QString();
}

// The numbers of text, which must be digits and the given separators at the given places.
std::optional<std::array<int, 3>> fixedFields(QStringView text, QStringView pattern)
{
    if (text.size() != pattern.size())
        return std::nullopt;
    std::array<int, 3> numbers{};
    int index = -1;
    bool inNumber = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (pattern[i] == u'9') {
            if (text[i] < u'0' || text[i] > u'9')
                return std::nullopt;
            if (!inNumber)
                ++index;
            inNumber = true;
            numbers[index] = numbers[index] * 10 + (text[i].unicode() - u'0');
        } else {
            if (text[i] != pattern[i])
                return std::nullopt;
            inNumber = false;
        }
    }
    return numbers;
}

class RowReader
{
public:
    RowReader(const CsvRecord &record, const std::array<qsizetype, ColumnCount> &columnAt)
        : m_record(record), m_columnAt(columnAt)
    {
    }

    SavedCalculation read() const
    {
        SavedCalculation row;
        row.symbol = symbolFromField(field(Symbol));
        if (characterCount(trimmedBlanks(row.symbol)) > MaxSymbolLength)
            refuse(CsvDataError::BadSymbol, Symbol,
                   QStringLiteral("is longer than %1 characters.").arg(MaxSymbolLength));
        if (const QStringView text = trimmedBlanks(field(Date)); !text.isEmpty()) {
            const auto ymd = fixedFields(text, u"9999-99-99");
            row.date = ymd ? QDate((*ymd)[0], (*ymd)[1], (*ymd)[2]) : QDate();
            if (!row.date.isValid())
                refuse(CsvDataError::NotADate, Date, QStringLiteral("is not a date (YYYY-MM-DD)."));
        }
        if (const QStringView text = trimmedBlanks(field(Time)); !text.isEmpty()) {
            const auto hms = fixedFields(text, u"99:99:99");
            row.time = hms ? QTime((*hms)[0], (*hms)[1], (*hms)[2]) : QTime();
            if (!row.time.isValid())
                refuse(CsvDataError::NotATime, Time, QStringLiteral("is not a time (HH:MM:SS)."));
        }
        for (int column = W1Start; column < ColumnCount; ++column) {
            const QString &text = field(column);
            if (trimmedBlanks(text).isEmpty())
                continue;
            row.*PriceMembers[column - W1Start] = number(text);
            if (!(row.*PriceMembers[column - W1Start]))
                refuse(CsvDataError::NotANumber, column, QStringLiteral("is not a number."));
        }
        return row;
    }

private:
    const QString &field(int column) const { return m_record.fields[m_columnAt[column]]; }

    [[noreturn]] void refuse(int number, int column, const QString &reason) const
    {
        throw CsvDataError(number, m_record.line, QString::fromLatin1(CalculationsCsvColumns[column]),
                           shown(field(column)) + u' ' + reason);
    }

    const CsvRecord &m_record;
    const std::array<qsizetype, ColumnCount> &m_columnAt;
};

// Where each column is in the file's records; the ID's place is -1 when it has none.
std::array<qsizetype, ColumnCount> readHeader(const CsvRecord &header)
{
    std::array<qsizetype, ColumnCount> columnAt;
    columnAt.fill(-1);
    for (qsizetype i = 0; i < header.fields.size(); ++i) {
        const QStringView name = trimmedBlanks(header.fields[i]);
        const auto *const begin = std::begin(CalculationsCsvColumns);
        const auto *const end = std::end(CalculationsCsvColumns);
        const auto names = [&](const char *column) { return name == QLatin1StringView(column); };
        const auto *const known = std::find_if(begin, end, names);
        if (known == end && std::any_of(std::begin(ReachedCsvColumns), std::end(ReachedCsvColumns), names))
            continue;
        if (known == end)
            throw CsvDataError(CsvDataError::UnknownColumn, header.line, name.toString(),
                               QStringLiteral("unknown column; the columns are %1.")
                                   .arg((QStringList(begin, end) + QStringList(std::begin(ReachedCsvColumns),
                                                                               std::end(ReachedCsvColumns)))
                                            .join(u", ")));
        qsizetype &place = columnAt[known - begin];
        if (place >= 0)
            throw CsvDataError(CsvDataError::DuplicateColumn, header.line, name.toString(),
                               QStringLiteral("the column appears twice."));
        place = i;
    }
    for (int column = Symbol; column < ColumnCount; ++column) {
        if (columnAt[column] < 0)
            throw CsvDataError(CsvDataError::MissingColumn, header.line,
                               QString::fromLatin1(CalculationsCsvColumns[column]),
                               QStringLiteral("the header has no such column."));
    }
    return columnAt;
}

// reached: the cells of rows in their order (rows past its end get empty ones), or none at all.
QByteArray csvOf(const QList<SavedCalculation> &rows, const QList<ReachedCells> *reached)
{
    CsvWriter csv;
    for (const char *column : CalculationsCsvColumns)
        csv.addField(QString::fromLatin1(column));
    for (const char *column : ReachedCsvColumns) {
        if (reached)
            csv.addField(QString::fromLatin1(column));
    }
    csv.endRecord();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const SavedCalculation &row = rows[i];
        csv.addField(QString::number(row.id));
        if (needsTextMark(row.symbol))
            csv.addField(u'\'' + row.symbol, CsvWriter::Quote::Always);
        else
            csv.addField(row.symbol);
        csv.addField(dateText(row.date));
        csv.addField(timeText(row.time));
        for (const auto member : PriceMembers)
            csv.addField((row.*member) ? priceText(*(row.*member)) : QString());
        if (reached) {
            for (const QString &cell : reached->value(i))
                csv.addField(cell);
        }
        csv.endRecord();
    }
    return csv.bytes();
}

} // namespace

QByteArray calculationsCsv(const QList<SavedCalculation> &rows)
{
    return csvOf(rows, nullptr);
}

QByteArray calculationsCsv(const QList<SavedCalculation> &rows, const QList<ReachedCells> &reached)
{
    return csvOf(rows, &reached);
}

void writeCalculationsCsv(const QString &path, const QList<SavedCalculation> &rows)
{
    writeCsvFile(path, calculationsCsv(rows));
}

void writeCalculationsCsv(const QString &path, const QList<SavedCalculation> &rows, const QList<ReachedCells> &reached)
{
    writeCsvFile(path, calculationsCsv(rows, reached));
}

QList<SavedCalculation> parseCalculationsCsv(QByteArrayView bytes)
{
    const QList<CsvRecord> records = csvRecords(bytes);
    if (records.isEmpty())
        throw CsvDataError(CsvDataError::NoRows, 0, {}, QStringLiteral("The file is empty: it has no header line."));
    const std::array<qsizetype, ColumnCount> columnAt = readHeader(records.first());
    QList<SavedCalculation> rows;
    rows.reserve(records.size() - 1);
    for (qsizetype i = 1; i < records.size(); ++i) {
        const CsvRecord &record = records[i];
        if (record.fields.size() != records.first().fields.size())
            throw CsvDataError(CsvDataError::FieldCount, record.line, {},
                               QStringLiteral("%1 fields, but the header has %2.")
                                   .arg(record.fields.size())
                                   .arg(records.first().fields.size()));
        rows.append(RowReader(record, columnAt).read());
    }
    return rows;
}

QList<SavedCalculation> readCalculationsCsv(const QString &path)
{
    return parseCalculationsCsv(readCsvFile(path));
}

} // namespace ondara
