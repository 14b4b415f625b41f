#pragma once

#include <QPixmap>
#include <QString>

// Finds the files the program reads at run time by their bare names: first in
// the current directory (so a user's own pictures win), then beside the
// program (build tree: bin/images, bin/help; installed: share/ondara/...).
namespace ondara {

// Full path of a picture such as "wave5up.gif", or an empty string.
QString findPicture(const QString &bareName);

// Full path of a help file such as "WaveHelpPopup.txt", or an empty string.
QString findHelpFile(const QString &bareName);

// Loads a picture into target. A picture that cannot be found or read leaves
// target as it was and returns false, so the caller keeps its old picture.
bool loadPicture(const QString &bareName, QPixmap &target);

} // namespace ondara
