#include "tests/DataFilesFixture.h"

const JisTable& FullJisTable() {
  static const JisTable table = [] {
    TempDir dir;
    WriteFullJisTable(dir.path());
    FakeSystem system;
    return JisTable(dir / JisTable::kFileName, system);
  }();
  return table;
}

CodeString Codes(std::string_view utf8) {
  CodeString codes;
  for (const char16_t unit : Utf16(utf8)) {
    KanjiCode code = 0;
    EXPECT_TRUE(FullJisTable().UnicodeToCode(static_cast<std::uint16_t>(unit), code))
        << "no JIS code for U+" << std::hex << static_cast<unsigned>(unit);
    codes.units.push_back(code);
  }
  return codes;
}

CodeString Units(std::string_view utf8) {
  CodeString units;
  for (const char16_t unit : Utf16(utf8)) units.units.push_back(static_cast<std::uint16_t>(unit));
  return units;
}
