#include "RecordSet.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>

namespace ondara {
namespace {

QString quotedName(const QString &name)
{
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// Dates and times go to the file in the text form that sorts and compares as they do.
QVariant storedValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().isValid() ? QVariant(storedDateText(value.toDate())) : QVariant();
    case QMetaType::QTime:
        return value.toTime().isValid() ? QVariant(storedTimeText(value.toTime())) : QVariant();
    default:
        return value;
    }
}

bool isIdName(const QString &name)
{
    return name.compare(u"ID", Qt::CaseInsensitive) == 0;
}

StoreError noCurrentRecord()
{
    return StoreError(StoreError::NoCurrentRecord, QStringLiteral("No current record."));
}

} // namespace

std::unique_ptr<RecordSet> RecordSet::open(DatabaseHandle db, const QString &queryText)
{
    if (!db)
        throw StoreError(StoreError::Closed, QStringLiteral("No database is open."));
    TranslatedQuery query = translateQuery(queryText);
    std::unique_ptr<RecordSet> set(new RecordSet(std::move(db), queryText, std::move(query)));
    set->load();
    return set;
}

RecordSet::RecordSet(DatabaseHandle db, const QString &queryText, TranslatedQuery query)
    : m_db(std::move(db)), m_queryText(queryText), m_query(std::move(query))
{
}

RecordSet::~RecordSet() = default;

void RecordSet::load()
{
    QSqlQuery query = m_db->prepare(m_query.sql);
    for (const QVariant &value : std::as_const(m_query.values))
        query.addBindValue(value);
    m_db->exec(query);

    const QSqlRecord record = query.record();
    QStringList names;
    QList<Column> columns;
    for (int i = 0; i < record.count(); ++i) {
        names.append(record.fieldName(i));
        columns.append(names.last().compare(u"Date", Qt::CaseInsensitive) == 0   ? Column::Date
                       : names.last().compare(u"Time", Qt::CaseInsensitive) == 0 ? Column::Time
                                                                                 : Column::Plain);
    }
    std::vector<std::unique_ptr<Cell[]>> rows;
    QList<QVariant> others;
    const qsizetype width = columns.size();
    while (query.next()) {
        auto row = std::make_unique_for_overwrite<Cell[]>(width);
        for (int i = 0; i < width; ++i)
            row[i] = toCell(readValue(columns[i], query.value(i)), others);
        rows.push_back(std::move(row));
    }
    if (query.lastError().isValid())
        m_db->fail(query);

    m_fieldNames = names;
    m_columns = columns;
    m_rows = std::move(rows);
    m_others = std::move(others);
    m_position = 0;
    m_currentDeleted = false;
    m_adding = false;
}

QVariant RecordSet::readValue(Column column, const QVariant &stored)
{
    if (stored.isNull())
        return {};
    if (column == Column::Plain || stored.typeId() != QMetaType::QString)
        return stored;
    const QString text = stored.toString();
    if (column == Column::Date) {
        if (const auto date = parseStoredDate(text))
            return *date;
    } else if (const auto time = parseStoredTime(text)) {
        return *time;
    }
    return stored;
}

RecordSet::Cell RecordSet::toCell(const QVariant &value, QList<QVariant> &others)
{
    Cell cell;
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        break;
    case QMetaType::Int:
    case QMetaType::LongLong:
        cell.kind = Cell::Integer;
        cell.integer = value.toLongLong();
        break;
    case QMetaType::Double:
        cell.kind = Cell::Real;
        cell.real = value.toDouble();
        break;
    case QMetaType::QDate:
        cell.kind = Cell::Date;
        cell.julianDay = value.toDate().toJulianDay();
        break;
    case QMetaType::QTime:
        cell.kind = Cell::Time;
        cell.msecs = value.toTime().msecsSinceStartOfDay();
        break;
    default:
        cell.kind = Cell::Other;
        cell.other = others.size();
        others.append(value);
        break;
    }
    return cell;
}

QVariant RecordSet::fromCell(const Cell &cell) const
{
    switch (cell.kind) {
    case Cell::Null:
        return {};
    case Cell::Integer:
        return qlonglong(cell.integer);
    case Cell::Real:
        return cell.real;
    case Cell::Date:
        return QDate::fromJulianDay(cell.julianDay);
    case Cell::Time:
        return QTime::fromMSecsSinceStartOfDay(cell.msecs);
    case Cell::Other:
        break;
    }
    return m_others[cell.other];
}

void RecordSet::requireOpen() const
{
    if (!m_db)
        throw StoreError(StoreError::Closed, QStringLiteral("The record set is closed."));
}

void RecordSet::requireUpdatable() const
{
    if (m_query.distinct) {
        throw StoreError(StoreError::NotUpdatable,
                         QStringLiteral("The rows of a SELECT DISTINCT query cannot be changed."));
    }
}

int RecordSet::indexOf(const QString &name) const
{
    for (int i = 0; i < m_fieldNames.size(); ++i) {
        if (m_fieldNames[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw StoreError(StoreError::ItemNotFound,
                     QStringLiteral("Item not found in this collection: the record set has no field %1.").arg(name));
}

int RecordSet::currentRow() const
{
    if (m_currentDeleted)
        throw StoreError(StoreError::RecordDeleted, QStringLiteral("Record is deleted."));
    if (m_position >= rowCount())
        throw noCurrentRecord();
    return m_position;
}

void RecordSet::requery()
{
    requireOpen();
    load();
}

int RecordSet::recordCount() const
{
    requireOpen();
    return rowCount();
}

void RecordSet::moveFirst()
{
    requireOpen();
    m_adding = false;
    m_currentDeleted = false;
    m_position = 0;
}

void RecordSet::moveNext()
{
    requireOpen();
    m_adding = false;
    if (m_currentDeleted) {
        m_currentDeleted = false; // the row that followed the deleted one has moved into its place
        return;
    }
    if (m_position >= rowCount())
        throw noCurrentRecord();
    ++m_position;
}

bool RecordSet::eof() const
{
    requireOpen();
    return m_position >= rowCount();
}

bool RecordSet::findFirst(const QString &condition)
{
    requireOpen();
    static const QRegularExpression form(QStringLiteral("^\\s*ID\\s*=\\s*(-?[0-9]{1,18})\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(condition);
    if (!match.hasMatch()) {
        throw StoreError(StoreError::ConditionSyntax,
                         QStringLiteral("The condition \"%1\" is not of the form \"ID = number\".").arg(condition));
    }
    const qint64 id = match.captured(1).toLongLong();
    const int column = indexOf(QStringLiteral("ID"));
    m_adding = false;
    for (int row = 0; row < rowCount(); ++row) {
        const Cell &cell = m_rows[row][column];
        if (cell.kind == Cell::Integer && cell.integer == id) {
            m_position = row;
            m_currentDeleted = false;
            return true;
        }
    }
    return false;
}

int RecordSet::fieldCount() const
{
    requireOpen();
    return int(m_fieldNames.size());
}

void RecordSet::requireField(int index) const
{
    requireOpen();
    if (index < 0 || index >= m_fieldNames.size()) {
        throw StoreError(StoreError::ItemNotFound,
                         QStringLiteral("Item not found in this collection: there is no field number %1.").arg(index));
    }
}

QString RecordSet::fieldName(int index) const
{
    requireField(index);
    return m_fieldNames[index];
}

QVariant RecordSet::field(const QString &name) const
{
    requireOpen();
    return field(indexOf(name));
}

QVariant RecordSet::field(int index) const
{
    requireField(index);
    if (m_adding)
        return readValue(m_columns[index], storedValue(m_newRow[index]));
    return fromCell(m_rows[currentRow()][index]);
}

void RecordSet::addNew()
{
    requireOpen();
    requireUpdatable();
    m_adding = true;
    m_newRow = QList<QVariant>(m_fieldNames.size());
    m_newRowSet = QList<bool>(m_fieldNames.size(), false);
}

void RecordSet::setField(const QString &name, const QVariant &value)
{
    requireOpen();
    if (!m_adding) {
        throw StoreError(StoreError::UpdateWithoutAddNew,
                         QStringLiteral("A field can only be set on a new row: call addNew first."));
    }
    const int index = indexOf(name);
    if (isIdName(m_fieldNames[index])) {
        throw StoreError(StoreError::FieldNotUpdatable,
                         QStringLiteral("Field cannot be updated: the database gives each row its ID."));
    }
    m_newRow[index] = value;
    m_newRowSet[index] = true;
}

qint64 RecordSet::update()
{
    requireOpen();
    if (!m_adding)
        throw StoreError(StoreError::UpdateWithoutAddNew, QStringLiteral("Update without AddNew."));

    QStringList names;
    QStringList marks;
    QVariantList values;
    for (int i = 0; i < m_fieldNames.size(); ++i) {
        if (!m_newRowSet[i])
            continue;
        names.append(quotedName(m_fieldNames[i]));
        marks.append(QStringLiteral("?"));
        values.append(storedValue(m_newRow[i]));
    }
    const QString sql = names.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedName(m_query.table))
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
              .arg(quotedName(m_query.table), names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));

    qint64 id = -1;
    QList<QVariant> row;
    m_db->inTransaction([&] {
        QSqlQuery insert = m_db->prepare(sql);
        for (const QVariant &value : std::as_const(values))
            insert.addBindValue(value);
        m_db->exec(insert);
        id = insert.lastInsertId().toLongLong();
        row = readRow(id);
    });

    // Nothing of the set changes before the row is safely in the file. A set
    // that was at its end stays there, so a loop "until eof" still ends.
    const bool wasAtEnd = m_position >= rowCount();
    auto cells = std::make_unique_for_overwrite<Cell[]>(row.size());
    for (qsizetype i = 0; i < row.size(); ++i)
        cells[i] = toCell(row[i], m_others);
    m_rows.push_back(std::move(cells));
    if (wasAtEnd)
        m_position = rowCount();
    m_adding = false;
    m_newRow.clear();
    m_newRowSet.clear();
    m_lastInsertedId = id;
    return id;
}

// The new row as the file holds it, so the set shows what a requery would.
QList<QVariant> RecordSet::readRow(qint64 rowId) const
{
    QStringList names;
    for (const QString &name : m_fieldNames)
        names.append(quotedName(name));
    QSqlQuery select = m_db->prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                         .arg(names.join(QStringLiteral(", ")), quotedName(m_query.table)));
    select.addBindValue(rowId);
    m_db->exec(select);
    if (!select.next()) {
        if (select.lastError().isValid())
            m_db->fail(select);
        throw StoreError(StoreError::EngineError, QStringLiteral("The new row could not be read back."));
    }
    QList<QVariant> row;
    for (int i = 0; i < m_columns.size(); ++i)
        row.append(readValue(m_columns[i], select.value(i)));
    return row;
}

void RecordSet::deleteCurrent()
{
    requireOpen();
    requireUpdatable();
    m_adding = false;
    const int row = currentRow();
    const QVariant id = fromCell(m_rows[row][indexOf(QStringLiteral("ID"))]);
    // A row already deleted through another set deletes nothing here, which is what was asked.
    m_db->inTransaction([&] {
        QSqlQuery remove = m_db->prepare(QStringLiteral("DELETE FROM %1 WHERE ID = ?").arg(quotedName(m_query.table)));
        remove.addBindValue(id);
        m_db->exec(remove);
    });
    m_rows.erase(m_rows.begin() + row); // its text in m_others goes at the next requery
    m_currentDeleted = true;
}

void RecordSet::close()
{
    requireOpen();
    m_db.reset();
    m_fieldNames.clear();
    m_columns.clear();
    m_rows.clear();
    m_others.clear();
    m_position = 0;
    m_currentDeleted = false;
    m_adding = false;
}

} // namespace ondara
