// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/KeyTranslation.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyTranslationTest, KeysBecomeTheirVirtualKeyCodes) {
  const struct {
    Qt::Key key;
    bool keypad;
    int virtualKey;
  } cases[] = {
      {Qt::Key_A, false, 0x41},       {Qt::Key_0, false, 0x30},
      {Qt::Key_0, true, 0x60},        {Qt::Key_Insert, true, 0x60},
      {Qt::Key_Space, false, 0x20},   {Qt::Key_Return, false, 0x0D},
      {Qt::Key_Enter, true, 0x0D},    {Qt::Key_Tab, false, 0x09},
      {Qt::Key_Left, false, 0x25},    {Qt::Key_Down, false, 0x28},
      {Qt::Key_F3, false, 0x72},      {Qt::Key_F12, false, 0x7B},
      {Qt::Key_Comma, false, 0xBC},   {Qt::Key_Less, false, 0xBC},
      {Qt::Key_Greater, false, 0xBE}, {Qt::Key_BracketRight, false, 0xDD},
      {Qt::Key_Slash, false, 0xBF},   {Qt::Key_Question, false, 0xBF},
      {Qt::Key_yen, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.key << (c.keypad ? " keypad" : ""));
    EXPECT_EQ(VirtualKeyOf(c.key, c.keypad), c.virtualKey);
  }
}

TEST(KeyTranslationTest, KeysTypeLatin1CharactersOrNone) {
  const struct {
    Qt::Key key;
    const char16_t* text;
    int character;
  } cases[] = {
      {Qt::Key_A, u"a", 'a'},
      {Qt::Key_A, u"A", 'A'},
      {Qt::Key_Return, u"", 13},
      {Qt::Key_Enter, u"\r", 13},
      {Qt::Key_Backspace, u"", 8},
      {Qt::Key_Tab, u"", 9},
      {Qt::Key_Space, u" ", ' '},
      {Qt::Key_Apostrophe, u"'", '\''},
      {Qt::Key_Eacute, u"\u00e9", 0xE9},
      {Qt::Key_Left, u"", -1},
      {Qt::Key_unknown, u"\u3042", -1},
      {Qt::Key_A, u"ab", -1},
      {Qt::Key_Delete, u"\x7f", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.key);
    EXPECT_EQ(CharacterOf(c.key, QString::fromUtf16(c.text)), c.character);
  }
}

}  // namespace
