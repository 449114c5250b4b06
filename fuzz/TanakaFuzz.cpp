// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A Tanaka corpus file: converted, then indexed by the program's own loader, which must accept
// it and find each sentence where it was written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "platform/System.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"
#include "tools/TanakaCorpus.h"
#include "tools/Utf16File.h"

namespace {

// A message from the loader means the converter wrote a file the program refuses.
class TrappingSystem : public System {
 public:
  void ShowMessage(const std::string&, const std::string&, WindowHandle, MessageIcon) override {
    __builtin_trap();
  }
  void EndProcess(int) override { __builtin_trap(); }
};

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "tanaka-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    return std::filesystem::path(pattern);
  }();
  return folder;
}

// Every CR of the output ends a line and is followed by its LF; the lines come in pairs.
bool WellFormed(const std::string& bytes, int sentences) {
  int lines = 0;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    if (bytes[i] != '\r' || bytes[i + 1] != 0) continue;
    if (i + 3 >= bytes.size() || bytes[i + 2] != '\n' || bytes[i + 3] != 0) return false;
    ++lines;
  }
  return lines == 2 * sentences;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  Utf16File out;
  const int sentences = ConvertTanakaLines(in, out);
  if (sentences < 0 || !WellFormed(out.bytes(), sentences)) __builtin_trap();
  if (!out.Save(Folder() / KanjiDatabase::kSentencesFileName)) std::abort();

  static TrappingSystem system;
  static const JisTable jis;
  KanjiDatabase database(jis, system, Folder());
  database.LoadSentencesFile();
  std::set<std::int32_t> offsets;
  for (const auto& [word, listed] : database.sentenceIndex) offsets.insert(listed.begin(), listed.end());
  if (offsets.size() > static_cast<std::size_t>(sentences)) __builtin_trap();
  CodeString japanese;
  std::string english;
  for (const std::int32_t offset : offsets) {
    database.ReadSentence(offset, japanese, english);
    if (japanese.empty()) __builtin_trap();
  }
  return 0;
}
