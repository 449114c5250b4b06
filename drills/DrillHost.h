// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/WindowHandle.h"

class Buttons;
class JisTable;
class KanjiDatabase;
class RandomGenerator;
class SentencesWindow;
class SoundPlayer;
class System;
class UserProfile;
class WindowManager;
struct DrillFonts;

// Everything a drill works with, owned elsewhere and outliving the drill: the data set, the
// learner's profile, the character table, the fonts and the platform's windows.
struct DrillHost {
  KanjiDatabase& database;
  UserProfile& profile;
  const JisTable& jis;
  const DrillFonts& fonts;
  RandomGenerator& random;
  System& system;
  Buttons& controls;
  WindowManager& windows;
  SoundPlayer& sound;
  SentencesWindow& sentences;
  WindowHandle mainWindow;  // owner of the drills' message boxes
  WindowHandle window;      // the drill's own window: its buttons' parent, focus, repaint
};
