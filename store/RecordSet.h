#pragma once

#include "QueryDialect.h"
#include "modOndara.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

namespace ondara {

// The rows of one query, with a current row, as the windows used the record
// sets of the old data-access layer: move through them, find a row by its ID,
// add a row, delete the current one. The rows are read into memory when the
// set is opened or requeried, so moving and reading never touch the file and
// a set keeps its rows while the file is locked. Writes go to the file at
// once, each in a transaction of its own.
//
// Values: REAL columns read as double, Date "YYYY-MM-DD" as QDate, Time
// "HH:MM:SS" as QTime, NULL as a null QVariant; a value that does not have its
// column's form (written by another tool) reads as it is stored.
//
// Every failure throws StoreError.
class RecordSet
{
public:
    // queryText is in the windows' dialect (see QueryDialect.h).
    static std::unique_ptr<RecordSet> open(DatabaseHandle db, const QString &queryText);

    ~RecordSet();
    RecordSet(const RecordSet &) = delete;
    RecordSet &operator=(const RecordSet &) = delete;

    QString queryText() const { return m_queryText; }

    // Runs the query again; the first row becomes current. A failure keeps the rows as they were.
    void requery();
    int recordCount() const;
    void moveFirst();
    void moveNext();
    bool eof() const;

    // condition is "ID = n". Makes the first row with that ID current and returns
    // true; returns false and keeps the current row when there is none.
    bool findFirst(const QString &condition);

    int fieldCount() const;
    QString fieldName(int index) const;
    // Of the current row, or of the row being added after addNew().
    QVariant field(const QString &name) const;
    QVariant field(int index) const;

    // Starts a new row with every field null. setField() fills it (a QDate or
    // QTime is stored in its text form) and update() stores it and returns the
    // ID the database gave it. The new row joins the end of the set; the current
    // row stays as it was. Moving, finding and requerying drop an unstored new row.
    void addNew();
    void setField(const QString &name, const QVariant &value);
    qint64 update();
    qint64 lastInsertedId() const { return m_lastInsertedId; }

    // Deletes the current row from the file (by its ID) and from the set. The
    // next moveNext() goes to the row that followed it.
    void deleteCurrent();

    // Releases the rows and the database; any later use throws.
    void close();

private:
    enum class Column { Plain, Date, Time };

    // One value in 16 bytes, half a QVariant: at 30,000 rows the memory the set
    // touches, more than SQLite, is what an open costs. Text and anything
    // unusual are kept in m_others and referred to by index.
    struct Cell
    {
        enum Kind : quint8 { Null, Integer, Real, Date, Time, Other };
        Kind kind = Null;
        union {
            qint64 integer = 0;
            double real;
            qint64 julianDay;
            int msecs;
            qsizetype other;
        };
    };

    RecordSet(DatabaseHandle db, const QString &queryText, TranslatedQuery query);

    void load();
    void requireOpen() const;
    void requireUpdatable() const;
    void requireField(int index) const;
    int indexOf(const QString &name) const;
    int currentRow() const;
    int rowCount() const { return int(m_rows.size()); }
    static QVariant readValue(Column column, const QVariant &stored);
    static Cell toCell(const QVariant &value, QList<QVariant> &others);
    QVariant fromCell(const Cell &cell) const;
    QList<QVariant> readRow(qint64 rowId) const;

    DatabaseHandle m_db;
    QString m_queryText;
    TranslatedQuery m_query;

    QStringList m_fieldNames;
    QList<Column> m_columns;
    // A block per row: a block of each size is cheap to get, while one growing
    // block for all rows is copied each time it grows.
    std::vector<std::unique_ptr<Cell[]>> m_rows;
    QList<QVariant> m_others;
    int m_position = 0;
    bool m_currentDeleted = false;

    bool m_adding = false;
    QList<QVariant> m_newRow;
    QList<bool> m_newRowSet;
    qint64 m_lastInsertedId = -1;
};

} // namespace ondara
