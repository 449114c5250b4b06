// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/KanjiCode.h"
#include "text/KanjiSearch.h"

class JisTable;
class KanjiDatabase;
class UserProfile;

// The kanji search of the Progress window without its widgets: runs the search as the learner
// types, words the outcome, and makes a found kanji the next to be introduced or introduces it
// at once.
class KanjiSearchModel {
 public:
  // At most this many matches are listed; the line says when there are more.
  static constexpr std::size_t kMaxMatches = 300;

  // directory holds the kanji facts file (stroke counts). Everything passed in must outlive
  // the model.
  KanjiSearchModel(UserProfile& profile, const KanjiDatabase& database, const JisTable& jis,
                   const std::filesystem::path& directory);
  ~KanjiSearchModel();

  // query as typed or pasted (UTF-16).
  void Search(std::u16string_view query);
  const std::vector<KanjiCode>& matches() const { return matches_; }
  // What the search found, in words (UTF-8).
  const std::string& line() const { return line_; }

  // Empty when code can be introduced now or made the next kanji (it is a kanji of the data
  // set not yet studied); otherwise why not (for the buttons' tooltips).
  std::string ActionBlocked(KanjiCode code) const;
  // Take the action; the result is the sentence to show (UTF-8). ok tells whether it was done.
  std::string IntroduceNow(KanjiCode code, bool& ok);
  std::string StudyNext(KanjiCode code, bool& ok);

 private:
  // Unicode text of codes (KanjiCodes or CodeString units), as UTF-8.
  std::string Utf8(const std::vector<std::uint16_t>& codes) const;

  UserProfile& profile_;
  const KanjiDatabase& database_;
  const JisTable& jis_;
  std::vector<bool> inDataSet_;  // by code
  std::unique_ptr<KanjiSearch> search_;
  std::vector<KanjiCode> matches_;
  std::string line_;
};
