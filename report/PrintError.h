#pragma once

#include "NumberedError.h"

#include <QCoreApplication>

namespace ondara {

// A print that could not be done, with the number and text of the Print Error box.
class PrintError : public NumberedError
{
    Q_DECLARE_TR_FUNCTIONS(PrintError)

public:
    static constexpr int CannotStart = 9002;
    static constexpr int CannotAddPage = 9003;
    static constexpr int CannotFinish = 9004;
    static constexpr int InvalidPicture = 481;

    using NumberedError::NumberedError;
};

} // namespace ondara
