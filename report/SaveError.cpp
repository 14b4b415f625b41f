#include "SaveError.h"

#include <QFileInfo>
#include <QSaveFile>

namespace ondara {

void openForSaving(QSaveFile &file)
{
    if (file.open(QIODevice::WriteOnly))
        return;
    const QFileInfo folder(QFileInfo(file.fileName()).absolutePath());
    if (!folder.isDir())
        throw SaveError(SaveError::PathNotFound, SaveError::tr("Path not found"));
    if (!folder.isWritable())
        throw SaveError(SaveError::PermissionDenied, SaveError::tr("Permission denied"));
    throw SaveError(SaveError::AccessError, SaveError::tr("Path/File access error"));
}

void commitSaved(QSaveFile &file, bool written)
{
    if (!written || !file.commit())
        throw SaveError(SaveError::AccessError, SaveError::tr("Path/File access error"));
}

} // namespace ondara
