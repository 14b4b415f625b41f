#pragma once

#include "CsvError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// CSV as files exchange it: fields separated by a comma (or, read, by a
// semicolon or a tab), a field in double quotes when it holds the separator,
// a quote or a line break, a quote inside doubled. The codecs of the saved
// calculations and of daily prices build on these; nothing here depends on
// the user's locale.
namespace ondara {

// Ten years of daily prices are about 150 KB; a file past this is no export
// of either kind, and is refused before it is read.
inline constexpr qint64 MaxCsvFileSize = 64 * 1024 * 1024;

// One record and the physical line it starts on (1 is the first), for messages.
struct CsvRecord
{
    qsizetype line = 0;
    QStringList fields;
};

// The bytes of the file at path. Throws CsvError: missing, unreadable, not a
// plain file, or over MaxCsvFileSize.
QByteArray readCsvFile(const QString &path);

// The text of a CSV file's bytes: UTF-8, a byte-order mark skipped. Throws
// CsvError for bytes that are no text (a NUL byte) or not UTF-8.
QString csvText(QByteArrayView bytes);

// The separator the first line of text uses most: ',', ';' or '\t' (a comma
// when it holds none). Quoted parts do not count.
QChar detectCsvSeparator(QStringView text);

// The records of text. Lines end in CRLF, LF or CR; a line with nothing on it
// is no record. Throws CsvError for a quote that is never closed.
QList<CsvRecord> parseCsv(QStringView text, QChar separator);

// csvText, detectCsvSeparator and parseCsv in one.
QList<CsvRecord> csvRecords(QByteArrayView bytes);

// Builds CSV text the way spreadsheets read it best: comma separated, CRLF
// line ends, UTF-8 with no byte-order mark. A field is quoted when it holds a
// quote, a comma or a line break, or begins or ends with a blank (which some
// readers would otherwise drop), or when the caller asks.
class CsvWriter
{
public:
    enum class Quote { WhereNeeded, Always };

    void addField(QStringView value, Quote quote = Quote::WhereNeeded);
    void endRecord();
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    bool m_recordStarted = false;
};

// Writes bytes to path through a temporary file that takes the name only when
// complete, so a failure leaves any earlier file as it was and no part of the
// new one. Throws CsvError.
void writeCsvFile(const QString &path, QByteArrayView bytes);

} // namespace ondara
