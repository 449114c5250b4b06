// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeyEvent>
#include <Qt>

// Turns Qt key events into what the drills take: the virtual-key code of the key that went down
// and the 8-bit character it typed.

// The virtual-key code of key (a Qt::Key) or 0 when it has none the program knows. keypad tells
// whether the key is on the numeric pad.
int VirtualKeyOf(int key, bool keypad);

// The 8-bit character a key event types: Backspace 8, Tab 9, Enter 13, Escape 27, or its text
// when that is one character up to U+00FF. -1 when it types none (arrows, function keys,
// characters beyond Latin-1 such as kana from an input method).
int CharacterOf(int key, const QString& text);
