#include "settings/shortcut_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/utf.h"

namespace kelp {
namespace {

TEST(ShortCutList, EntriesHeadersAndDefaults) {
  int headers = 0;
  std::set<std::u16string> keys;
  for (const auto& e : kShortCutEntries) {
    if (e.IsHeader()) {
      ++headers;
      EXPECT_EQ(e.Default, 0);
    } else {
      EXPECT_TRUE(keys.insert(e.Key).second) << Utf16ToUtf8(e.Key);
    }
  }
  EXPECT_EQ(headers, 7);
  EXPECT_EQ(keys.size(), static_cast<size_t>(kShortCutKeyCount));
  for (int i : {0, 10, 21, 34, 40, 60, 61}) EXPECT_TRUE(kShortCutEntries[i].IsHeader()) << i;
  EXPECT_EQ(std::u16string(kShortCutEntries[73].Key), u"ScriptExec12");
  EXPECT_EQ(std::u16string(kShortCutEntries[62].Label), u"登録済スクリプト1実行");
  EXPECT_EQ(std::u16string(kShortCutEntries[25].Label), u"置換");

  const TShortCutList d = TShortCutList::Defaults();
  struct Case {
    int index;
    const char16_t* text;
  } defaults[] = {
      {1, u"Ctrl+N"},    {3, u"F5"},  {8, u"Shift+Ctrl+W"}, {20, u"Ctrl+Space"}, {22, u"Ctrl+F"},
      {23, u"Shift+F3"}, {24, u"F3"}, {38, u"Ctrl+Num +"},  {39, u"Ctrl+Num -"}, {42, u"F9"},
      {4, u""},          {73, u""},
  };
  for (const auto& c : defaults) EXPECT_EQ(ShortCutToText(d.Values[c.index]), c.text) << c.index;
  EXPECT_TRUE(d.CanApply());
}

TEST(ShortCutList, TextsAndValues) {
  struct Case {
    uint16_t value;
    const char16_t* text;
  } cases[] = {
      {16462, u"Ctrl+N"},
      {24663, u"Shift+Ctrl+W"},
      {0x8046, u"Alt+F"},
      {0xE000 | 0x7B, u"Shift+Ctrl+Alt+F12"},
      {0x2000 | 0x08, u"Shift+BkSp"},
      {0x4000 | 0x0D, u"Ctrl+Enter"},
      {0x2D, u"Ins"},
      {0x2E, u"Del"},
      {0x4000 | 0x30, u"Ctrl+0"},
      {0x7A, u"F11"},
      {0x4000 | 0xBA, u"Ctrl+$BA"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShortCutToText(c.value), c.text) << c.value;
    EXPECT_EQ(TextToShortCut(c.text), c.value) << Utf16ToUtf8(c.text);
  }
  for (const char16_t* none : {u"(なし)", u"", u"Ctrl+", u"Ctrl+Nope", u"Meta+A"})
    EXPECT_EQ(TextToShortCut(none), 0) << Utf16ToUtf8(none);
  // Every value has a text that reads back as the same value.
  for (uint32_t v = 1; v <= 0xFFFF; v += 7) {
    if ((v & 0xFF) == 0) continue;
    EXPECT_EQ(TextToShortCut(ShortCutToText(static_cast<uint16_t>(v))), (v & 0xE0FF)) << v;
  }
}

TEST(ShortCutList, KeyListOffersOneHundredThirtyFiveTexts) {
  const auto& list = ShortCutKeyList();
  ASSERT_EQ(list.size(), 135u);
  EXPECT_EQ(list[0], u"(なし)");
  EXPECT_EQ(list[1], u"F1");
  EXPECT_EQ(list[13], u"Shift+F1");
  EXPECT_EQ(list[25], u"Ctrl+A");
  EXPECT_EQ(list[79], u"Ctrl+Num -");
  EXPECT_EQ(list[80], u"Shift+Ctrl+A");
  EXPECT_EQ(list[134], u"Shift+Ctrl+Num -");
  EXPECT_EQ(std::set<std::u16string>(list.begin(), list.end()).size(), 135u);
  for (size_t i = 1; i < list.size(); ++i) {
    const uint16_t v = TextToShortCut(list[i]);
    EXPECT_NE(v, 0) << Utf16ToUtf8(list[i]);
    EXPECT_EQ(ShortCutToText(v), list[i]);
  }
  // Every default is offered by the list.
  for (const auto& e : kShortCutEntries) {
    if (e.Default) {
      EXPECT_NE(std::find(list.begin(), list.end(), ShortCutToText(e.Default)), list.end());
    }
  }
}

TEST(ShortCutList, LoadedShortcutsApplyOnlyWithoutDuplicates) {
  TShortCutList list = TShortCutList::Defaults();
  list.Values[25] = list.Values[22];  // 置換 takes Ctrl+F from 検索
  EXPECT_FALSE(list.CanApply());
  list.Values[22] = 0;
  EXPECT_TRUE(list.CanApply());
  for (int i = 0; i < kShortCutCount; ++i)
    if (!kShortCutEntries[i].IsHeader()) list.Values[i] = 0;  // none, any number of times
  EXPECT_TRUE(list.CanApply());
  list.Values[0] = list.Values[10] = 0x4041;  // headers never count
  EXPECT_TRUE(list.CanApply());
}

TEST(ShortCutList, DialogRows) {
  TShortCutList list = TShortCutList::Defaults();
  list.Values[16] = 0x8046;  // Alt+F from the settings file: the key list has no Alt keys
  list.Values[0] = 0x1234;   // a header keeps whatever it holds
  TShortCutTexts rows = ShortCutTextsOf(list);
  EXPECT_EQ(rows[0], u"");
  EXPECT_EQ(rows[22], u"Ctrl+F");
  EXPECT_EQ(rows[4], u"");
  EXPECT_EQ(ShownShortCutText(rows[16]), u"(なし)");  // shown as none ...
  EXPECT_EQ(ShownShortCutText(rows[22]), u"Ctrl+F");
  EXPECT_EQ(ShownShortCutText(rows[4]), u"(なし)");
  TShortCutList back = list;
  ApplyShortCutTexts(rows, back);
  EXPECT_EQ(back, list);  // ... but kept when its row is not edited

  // 置換 takes Ctrl+F while 検索 keeps it: both rows conflict until one changes.
  rows[25] = u"Ctrl+F";
  auto dup = DuplicateShortCutRows(rows);
  EXPECT_TRUE(dup[22]);
  EXPECT_TRUE(dup[25]);
  EXPECT_EQ(std::count(dup.begin(), dup.end(), true), 2);
  rows[22] = u"(なし)";
  rows[23] = u"(なし)";  // none may be chosen for any number of rows
  dup = DuplicateShortCutRows(rows);
  EXPECT_EQ(std::count(dup.begin(), dup.end(), true), 0);
  ApplyShortCutTexts(rows, back);
  EXPECT_EQ(back.Values[22], 0);
  EXPECT_EQ(back.Values[25], 16454);
  EXPECT_EQ(back.Values[0], 0x1234);
}

}  // namespace
}  // namespace kelp
