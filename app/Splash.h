#pragma once

#include <QPixmap>

// The picture shown while the data set loads: a brush-stroke kanji on the ivory of the drills.
QPixmap SplashPicture();
