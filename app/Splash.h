// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>

// The picture shown while the data set loads: a brush-stroke kanji on the ivory of the drills.
QPixmap SplashPicture();
