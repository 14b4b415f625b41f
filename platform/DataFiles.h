#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Finds the files the program reads at run time by their bare names: first in
// the current directory (so a user's own pictures win), then beside the
// program (build tree: bin/images, bin/help; installed: share/ondara/...).
namespace ondara {

// Full path of a picture such as "wave5up.gif", or an empty string.
QString findPicture(const QString &bareName);

// Full path of the same picture drawn for screens of twice the pixel
// density, "name@2x.png" beside the picture findPicture finds (so a user's
// own picture is never paired with the program's sharper one), or an empty
// string. Empty too while no screen shows pictures above their size: decoding
// the double-size pictures would then cost the start-up more than all else.
QString findDoubleSizePicture(const QString &bareName);

// Full path of a help file such as "WaveHelpPopup.txt", or an empty string.
QString findHelpFile(const QString &bareName);

// The folder of the program's translations (bin/translations in the build
// tree, share/ondara/translations installed), or an empty string.
QString translationsFolder();

// Loads a picture into target. A picture that cannot be found or read leaves
// target as it was and returns false, so the caller keeps its old picture.
// Above a device pixel ratio of 1 the double-size picture is taken where
// there is one, marked with ratio 2 so that it keeps the picture's size.
bool loadPicture(const QString &bareName, QPixmap &target, qreal devicePixelRatio = 1);

// The picture and its double-size one (where findDoubleSizePicture gives one)
// as one icon, which paints whichever suits the screen; a null icon if the
// picture cannot be loaded.
QIcon loadIcon(const QString &bareName);

} // namespace ondara
