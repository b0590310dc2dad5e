#include <gtest/gtest.h>

#include "base/utf.h"
#include "convert/case_map.h"
#include "convert/date_time_text.h"
#include "convert/line_ends.h"
#include "convert/sort_lines.h"
#include "convert/web_search.h"

namespace kelp {
namespace {

TEST(CaseMap, WholeTextsKeepTheirLength) {
  struct Case {
    std::u16string in, upper, lower;
  } cases[] = {
      {u"Hello, World 123", u"HELLO, WORLD 123", u"hello, world 123"},
      {u"Ａｂｃ", u"ＡＢＣ", u"ａｂｃ"},  // full-width letters
      {u"Straße", u"STRAßE", u"straße"},  // ß has no one-character upper case
      {u"ΑλΦα Ωω", u"ΑΛΦΑ ΩΩ", u"αλφα ωω"},
      {u"Ёлка", u"ЁЛКА", u"ёлка"},
      {u"ı İ", u"I İ", u"ı i"},  // one character each way: İ lowers to a plain i
      {u"かなカナ漢字", u"かなカナ漢字", u"かなカナ漢字"},
      {u"\U00010428\U00010400", u"\U00010400\U00010400", u"\U00010428\U00010428"},  // Deseret
      {std::u16string(u"a") + char16_t(0xD800) + u"b", std::u16string(u"A") + char16_t(0xD800) + u"B",
       std::u16string(u"a") + char16_t(0xD800) + u"b"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToUpperText(c.in), c.upper) << Utf16ToUtf8(c.in);
    EXPECT_EQ(ToLowerText(c.in), c.lower) << Utf16ToUtf8(c.in);
  }
}

TEST(LineEnds, ConvertEveryLineEnd) {
  const std::u16string text = u"a\r\nb\rc\nd\n\r\n";
  EXPECT_EQ(ConvertLineEnds(text, lsCRLF), u"a\r\nb\r\nc\r\nd\r\n\r\n");
  EXPECT_EQ(ConvertLineEnds(text, lsLF), u"a\nb\nc\nd\n\n");
  EXPECT_EQ(ConvertLineEnds(text, lsCR), u"a\rb\rc\rd\r\r");
  EXPECT_EQ(ConvertLineEnds(u"no end", lsCRLF), u"no end");
  EXPECT_EQ(ConvertLineEnds(u"", lsCR), u"");
}

TEST(LineEnds, WrapPointsBecomeLineBreaks) {
  // "abcdef\ngh" shown as "abc" (wrapped), "def" (hard break), "gh".
  const std::u16string text = u"abcdef\ngh";
  std::vector<TLineData> lines(3);
  lines[0].Start = 0, lines[0].Length = 3, lines[0].LineEnd = leWrap;
  lines[1].Start = 3, lines[1].Length = 3, lines[1].LineEnd = leLF;
  lines[2].Start = 7, lines[2].Length = 2, lines[2].LineEnd = leNone;
  EXPECT_EQ(ReturnedString(text, lines, lsCRLF), u"abc\r\ndef\r\ngh");
  EXPECT_EQ(ReturnedString(text, lines, lsLF), u"abc\ndef\ngh");
  EXPECT_EQ(ReturnedString(text, lines, lsCR), u"abc\rdef\rgh");
  // Lines reaching past the text are cut to it.
  lines[2].Length = 50;
  EXPECT_EQ(ReturnedString(text, lines, lsLF), u"abc\ndef\ngh");
}

TEST(SortLines, OrdersFoldsAndRemovesDuplicates) {
  struct Case {
    std::u16string in;
    TSortOptions options;
    std::u16string out;
  } cases[] = {
      {u"b\nA\na\nB", {}, u"A\nB\na\nb\n"},
      {u"b\nA\na\nB", {.Descending = true}, u"b\na\nB\nA\n"},
      {u"b\nA\na\nB", {.RemoveDuplicates = true}, u"A\nB\na\nb\n"},
      {u"b\nA\na\nB\nA", {.RemoveDuplicates = true, .IgnoreCase = true}, u"A\na\nB\nb\n"},
      {u"b\nA\na\nB\nA", {.Descending = true, .RemoveDuplicates = true, .IgnoreCase = true}, u"b\nB\na\nA\n"},
      {u"_\nZ\na", {}, u"Z\n_\na\n"},
      {u"_\nZ\na", {.IgnoreCase = true}, u"a\nZ\n_\n"},  // letters fold to upper case
      {u"x\r\ny\rz\n", {.Descending = true}, u"z\ny\nx\n"},
      {u"one", {}, u"one\n"},  // a final line end is added
      {u"b\n\na\n", {}, u"\na\nb\n"},
      {u"い\nあ\nア\nA", {}, u"A\nあ\nい\nア\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(SortLines(c.in, c.options, u"\n"), c.out) << Utf16ToUtf8(c.in);
  EXPECT_EQ(SortLines(u"b\na", {}, u"\r\n"), u"a\r\nb\r\n");
  EXPECT_EQ(SortLines(u"", {}, u"\n"), u"");
}

TEST(DateTimeText, YearMonthDayHourMinute) {
  std::tm t{};
  t.tm_year = 2012 - 1900, t.tm_mon = 4, t.tm_mday = 7, t.tm_hour = 9, t.tm_min = 5, t.tm_sec = 59;
  EXPECT_EQ(DateTimeText(t), u"2012/05/07 09:05");
  t.tm_year = 12345 - 1900, t.tm_mon = 11, t.tm_mday = 31, t.tm_hour = 23, t.tm_min = 59;
  EXPECT_EQ(DateTimeText(t), u"12345/12/31 23:59");
  t.tm_year = 800 - 1900, t.tm_mon = 0, t.tm_mday = 1, t.tm_hour = 0, t.tm_min = 0;
  EXPECT_EQ(DateTimeText(t), u"800/01/01 00:00");
  EXPECT_EQ(DateTimeTextNow().size(), 16u);
}

TEST(WebSearch, SelectionIsUriEncodedUpToItsFirstControl) {
  EXPECT_EQ(EncodeUri(u"AZaz09@;,/?:&=+$-_.!~*'()#"), u"AZaz09@;,/?:&=+$-_.!~*'()#");
  EXPECT_EQ(EncodeUri(u" %\"<>[]^`{|}\\"), u"%20%25%22%3C%3E%5B%5D%5E%60%7B%7C%7D%5C");
  EXPECT_EQ(EncodeUri(u"検索"), u"%E6%A4%9C%E7%B4%A2");
  EXPECT_EQ(EncodeUri(u"😀"), u"%F0%9F%98%80");
  EXPECT_EQ(EncodeUri(std::u16string(1, char16_t(0xDC00))), u"%EF%BF%BD");
  EXPECT_EQ(
      WebSearchUrl(TWebSearch::GoogleJapanese, u"けるぷ editor\nsecond line"),
      u"https://www.google.co.jp/search?num=50&hl=ja&lr=lang_ja&q=%E3%81%91%E3%82%8B%E3%81%B7%20editor");
  EXPECT_EQ(WebSearchUrl(TWebSearch::GoogleWeb, u"a&b\tc"),
            u"https://www.google.co.jp/search?num=50&hl=ja&q=a&b");
  EXPECT_EQ(WebSearchUrl(TWebSearch::YahooDictionary, u"辞書"),
            u"https://dic.yahoo.co.jp/dsearch?enc=UTF-8&dtype=2&p=%E8%BE%9E%E6%9B%B8");
  EXPECT_EQ(WebSearchUrl(TWebSearch::YahooDictionary, u"\nafter"),
            u"https://dic.yahoo.co.jp/dsearch?enc=UTF-8&dtype=2&p=");
}

}  // namespace
}  // namespace kelp
