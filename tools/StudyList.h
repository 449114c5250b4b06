// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "text/KanjiFacts.h"
#include "tools/KanjiEntry.h"

// The order in which a learner meets the kanji: the jouyou kanji by school grade (1 to 6, then
// the secondary-school grade 8), within a grade by frequency rank with unranked kanji last, then
// the jinmeiyou kanji (grade 9) the same way. Other kanji are not on the list.
std::vector<KanjiCode> StudyOrder(const std::vector<KanjiEntry>& kanji);

// The facts of each kanji, in the same order, as the program's study lists and search use them.
// Values beyond a field's range are dropped (0), never wrapped.
std::vector<KanjiFacts> FactsOf(const std::vector<KanjiEntry>& kanji);
