// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

#include "tools/Utf16File.h"

// The plain dictionary form of one word of a Tanaka-corpus B: line: the (reading), [sense],
// {surface} and ~ decorations taken off (二十歳(はたち){２０歳} → 二十歳).
std::u16string PlainTanakaWord(std::u16string_view token);

// Converts EDRDG's "examples.utf" (pairs of A: and B: lines, UTF-8) into the sentences file's
// line pairs: the Japanese, a tab and the English (Latin-1, without the #ID= trailer), then the
// sentence's words in their plain forms. Control characters inside the corpus's lines are
// cleaned out of every field, since the program reads the lines up to their CR. Returns the number of sentences written, or -1 with a
// message in error when the file cannot be read.
int ConvertTanakaCorpus(const std::filesystem::path& file, Utf16File& out, std::string& error);

// The same from an open stream; the number of sentences written.
int ConvertTanakaLines(std::istream& in, Utf16File& out);
