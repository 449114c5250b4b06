// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

// The program's icon: the kanji for "kanji" in ivory on dark red, drawn at the sizes desktops
// ask for. resources/veltrane.svg is the same picture for the desktop entry.
QIcon ProgramIcon();
