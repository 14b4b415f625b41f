#pragma once

#include "NumberedError.h"

#include <QString>

namespace ondara {

// A CSV file that could not be read or written as text: the file itself
// (missing, unreadable, unwritable, too large) or its bytes (binary, not UTF-8,
// a quote never closed). The file numbers are those the chart's SaveError
// gives the same failures (76 path not found, 70 permission denied, ...);
// the text numbers are in the 9100s.
class CsvError : public NumberedError
{
public:
    static constexpr int FileNotFound = 53;
    static constexpr int DeviceError = 57;
    static constexpr int DiskFull = 61;
    static constexpr int PermissionDenied = 70;
    static constexpr int AccessError = 75;
    static constexpr int PathNotFound = 76;
    static constexpr int TooLarge = 9101;
    static constexpr int Binary = 9102;
    static constexpr int NotUtf8 = 9103;
    static constexpr int UnterminatedQuote = 9104;

    using NumberedError::NumberedError;
};

} // namespace ondara
