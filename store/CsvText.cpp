#include "CsvText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace ondara {

namespace {

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

CsvError tooLarge(const QString &path, qint64 size)
{
    return CsvError(CsvError::TooLarge,
                    QStringLiteral("%1 is %2 bytes; a CSV file may be at most %3 bytes (%4 MB).")
                        .arg(shownPath(path))
                        .arg(size)
                        .arg(MaxCsvFileSize)
                        .arg(MaxCsvFileSize / (1024 * 1024)));
}

// The physical line of offset in bytes: LF, CRLF and a lone CR each end one.
qsizetype lineAt(QByteArrayView bytes, qsizetype offset)
{
    qsizetype line = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    }
    return line;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

QByteArray readCsvFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QFileInfo info(path);
        if (!info.exists())
            throw CsvError(CsvError::FileNotFound, QStringLiteral("File not found: %1").arg(shownPath(path)));
        if (!info.isReadable())
            throw CsvError(CsvError::PermissionDenied, QStringLiteral("Permission denied: %1").arg(shownPath(path)));
        throw CsvError(CsvError::AccessError,
                       QStringLiteral("%1 cannot be read: %2").arg(shownPath(path), file.errorString()));
    }
    // A pipe or a device could pour out without end; only a plain file has a size to check.
    if (!QFileInfo(path).isFile())
        throw CsvError(CsvError::AccessError, QStringLiteral("%1 is not a file.").arg(shownPath(path)));
    if (file.size() > MaxCsvFileSize)
        throw tooLarge(path, file.size());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw CsvError(CsvError::DeviceError,
                       QStringLiteral("%1 could not be read: %2").arg(shownPath(path), file.errorString()));
    if (bytes.size() > MaxCsvFileSize)
        throw CsvError(CsvError::TooLarge, QStringLiteral("%1 grew past %2 bytes while it was read.")
                                               .arg(shownPath(path))
                                               .arg(MaxCsvFileSize));
    return bytes;
}

QString csvText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        throw CsvError(CsvError::NotUtf8, QStringLiteral("The file is UTF-16 text; save it as UTF-8 CSV."));
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        throw CsvError(CsvError::Binary, QStringLiteral("Line %1: a NUL byte; the file is not text.")
                                             .arg(lineAt(bytes, nul)));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (!bytes.isValidUtf8()) {
        // A line break is never part of a longer UTF-8 sequence, so the lines can be checked one by one.
        for (qsizetype start = 0; start <= bytes.size();) {
            qsizetype end = bytes.indexOf('\n', start);
            if (end < 0)
                end = bytes.size();
            if (!bytes.sliced(start, end - start).isValidUtf8())
                throw CsvError(CsvError::NotUtf8,
                               QStringLiteral("Line %1: not UTF-8 text.").arg(lineAt(bytes, start)));
            start = end + 1;
        }
    }
    return QString::fromUtf8(bytes);
}

QChar detectCsvSeparator(QStringView text)
{
    int commas = 0;
    int semicolons = 0;
    int tabs = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'\n' || c == u'\r')
            break;
        else if (c == u',')
            ++commas;
        else if (c == u';')
            ++semicolons;
        else if (c == u'\t')
            ++tabs;
    }
    if (semicolons > commas && semicolons >= tabs)
        return u';';
    if (tabs > commas && tabs > semicolons)
        return u'\t';
    return u',';
}

QList<CsvRecord> parseCsv(QStringView text, QChar separator)
{
    QList<CsvRecord> records;
    const qsizetype n = text.size();
    qsizetype line = 1;
    qsizetype i = 0;
    // Steps over the line end at i, if any, and counts it.
    const auto endLine = [&] {
        if (i < n && (text[i] == u'\r' || text[i] == u'\n')) {
            i += text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n' ? 2 : 1;
            ++line;
        }
    };
    while (i < n) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            endLine();
            continue;
        }
        CsvRecord record{line, {}};
        for (;;) {
            QString field;
            if (i < n && text[i] == u'"') {
                const qsizetype opened = line;
                for (++i;; ++i) {
                    if (i >= n)
                        throw CsvError(CsvError::UnterminatedQuote,
                                       QStringLiteral("Line %1: a quote opens a field and never closes.").arg(opened));
                    const QChar c = text[i];
                    if (c == u'"') {
                        if (i + 1 < n && text[i + 1] == u'"')
                            ++i;
                        else
                            break;
                    } else if (c == u'\n' || (c == u'\r' && (i + 1 >= n || text[i + 1] != u'\n'))) {
                        ++line;
                    }
                    field += c;
                }
                ++i;
            }
            // Unquoted text, or whatever follows a closing quote, belongs to the field as it is.
            const qsizetype start = i;
            while (i < n && text[i] != separator && text[i] != u'\r' && text[i] != u'\n')
                ++i;
            field += text.sliced(start, i - start);
            record.fields.append(field);
            if (i < n && text[i] == separator) {
                ++i;
                continue;
            }
            endLine();
            break;
        }
        records.append(record);
    }
    return records;
}

QList<CsvRecord> csvRecords(QByteArrayView bytes)
{
    const QString text = csvText(bytes);
    return parseCsv(text, detectCsvSeparator(text));
}

void CsvWriter::addField(QStringView value, Quote quote)
{
    if (m_recordStarted)
        m_bytes += ',';
    m_recordStarted = true;
    const bool needed = quote == Quote::Always || value.contains(u'"') || value.contains(u',')
                        || value.contains(u'\r') || value.contains(u'\n')
                        || (!value.isEmpty() && (isBlank(value.front()) || isBlank(value.back())));
    if (!needed) {
        m_bytes += value.toUtf8();
        return;
    }
    m_bytes += '"';
    m_bytes += value.toString().replace(u'"', QStringLiteral("\"\"")).toUtf8();
    m_bytes += '"';
}

void CsvWriter::endRecord()
{
    m_bytes += "\r\n";
    m_recordStarted = false;
}

void writeCsvFile(const QString &path, QByteArrayView bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (!QFileInfo(folder).isDir())
            throw CsvError(CsvError::PathNotFound, QStringLiteral("Path not found: %1").arg(shownPath(folder)));
        if (!QFileInfo(folder).isWritable())
            throw CsvError(CsvError::PermissionDenied, QStringLiteral("Permission denied: %1").arg(shownPath(folder)));
        throw CsvError(CsvError::AccessError,
                       QStringLiteral("%1 cannot be written: %2").arg(shownPath(path), file.errorString()));
    }
    // Until commit the text is only in the temporary file, which goes away with
    // the QSaveFile when the write fails.
    if (file.write(bytes.data(), bytes.size()) == bytes.size() && file.commit())
        return;
    if (QStorageInfo(folder).bytesAvailable() < bytes.size())
        throw CsvError(CsvError::DiskFull, QStringLiteral("Disk full: %1 was not written.").arg(shownPath(path)));
    throw CsvError(CsvError::AccessError,
                   QStringLiteral("%1 was not written: %2").arg(shownPath(path), file.errorString()));
}

} // namespace ondara
