#pragma once

#include "NumberedError.h"

#include <QString>

#include <stdexcept>

namespace ondara {

// What every failure of the store throws. The windows show number() and
// description() in their "Error #" messages, so number() is SQLite's primary
// result code when SQLite failed, and one of the constants below when the store
// itself refused. The constants are the store's own numbers, in the 3000s;
// SQLite's codes are all below 256, so the two never collide.
class StoreError : public NumberedError
{
public:
    static constexpr int EngineError = 3000; // the SQL layer failed without an SQLite code
    static constexpr int FileNotFound = 3024;
    static constexpr int NotUpdatable = 3027; // a file that can be read but not written
    static constexpr int CannotCreate = 3044;
    static constexpr int CannotOpen = 3051;
    static constexpr int NoTable = 3078;
    static constexpr int FileExists = 3204;
    static constexpr int ItemNotFound = 3265;
    static constexpr int ValidationRule = 3317; // a value the table must not hold

    using NumberedError::NumberedError;
};

} // namespace ondara
