#pragma once

#include "NumberedError.h"

#include <QCoreApplication>

class QSaveFile;

namespace ondara {

// A picture or file of the report window that could not be written, with the
// number and text of its message: 76 for a folder that is not there, 70 for
// one this user may not write to, 75 for any other failure to write the file,
// 481 for a chart that has no picture.
class SaveError : public NumberedError
{
    Q_DECLARE_TR_FUNCTIONS(SaveError)

public:
    static constexpr int AccessError = 75;
    static constexpr int PathNotFound = 76;
    static constexpr int PermissionDenied = 70;
    static constexpr int InvalidPicture = 481;

    using NumberedError::NumberedError;
};

// What is written goes to a temporary twin of the file that takes its name
// only on commit, so a failed write never leaves a partial file under that
// name. Opens file's twin, or throws SaveError saying why it cannot.
void openForSaving(QSaveFile &file);

// Gives the twin the file's name when written is true; throws SaveError when
// it is not or the commit fails, and the twin goes away with the QSaveFile.
void commitSaved(QSaveFile &file, bool written);

} // namespace ondara
