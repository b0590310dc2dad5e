// Keyword tables: sizes and counts of every list, the hash weights, the
// worked example, wrap-around probing and the case rules.
#include <gtest/gtest.h>

#include "syntax/hash_table.h"
#include "syntax/keyword_data.h"
#include "syntax/notepad_mode.h"

namespace kelp {
namespace {

const THashTable& TableOf(THighlightMode mode, int list) {
  const TNotePadMode& m = ModeOf(mode);
  const TReserveList& l = list == 1 ? m.ReserveList() : list == 2 ? m.Reserve2List() : m.Reserve3List();
  const auto* hashed = dynamic_cast<const THashReserveList*>(&l);
  if (hashed == nullptr) throw std::runtime_error("not a hashed list");
  return hashed->Hash();
}

TEST(KeywordTables, SizesCountsAndCaseRules) {
  const struct {
    THighlightMode mode;
    int list;
    int64_t words, size;
    bool ignoreCase;
  } cases[] = {
      {hmCpp, 1, 48, 101, false},         {hmCSharp, 1, 83, 167, false},      {hmDelphi, 1, 97, 197, true},
      {hmHtml, 1, 67, 137, false},        {hmHtml, 2, 1078, 2161, false},     {hmHtml, 3, 236, 479, false},
      {hmJava, 1, 47, 97, false},         {hmJScript, 1, 59, 127, false},     {hmPerl, 1, 21, 43, false},
      {hmPython, 1, 28, 59, false},       {hmRuby, 1, 38, 79, false},         {hmVBScript, 1, 161, 331, true},
      {hmUwsc, 1, 51, 103, false},        {hmUwsc, 2, 115, 233, false},       {hmUwsc, 3, 107, 223, false},
      {hmVisualBasic, 1, 151, 307, true}, {hmVisualBasic, 2, 143, 307, true}, {hmCss, 1, 155, 313, true},
      {hmBat, 1, 13, 29, true},           {hmBat, 2, 61, 127, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.mode) + "/" + std::to_string(c.list));
    const THashTable& t = TableOf(c.mode, c.list);
    EXPECT_EQ(t.WordCount(), c.words);
    EXPECT_EQ(t.Size(), c.size);
    EXPECT_EQ(t.IgnoreCase(), c.ignoreCase);
  }
  // Lists that no table backs find nothing.
  EXPECT_FALSE(ModeOf(hmCpp).Reserve2List().Find(u"int"));
  EXPECT_FALSE(ModeOf(hmDefault).ReserveList().Find(u"if"));
  EXPECT_EQ(dynamic_cast<const THashReserveList*>(&ModeOf(hmPerl).Reserve3List()), nullptr);
}

TEST(KeywordTables, EveryWordIsFoundInItsOwnTable) {
  const struct {
    THighlightMode mode;
    int list;
    const char* file;
  } cases[] = {
      {hmCpp, 1, "cpp"},
      {hmCSharp, 1, "csharp"},
      {hmDelphi, 1, "delphi"},
      {hmHtml, 1, "html"},
      {hmHtml, 2, "html2"},
      {hmHtml, 3, "html3"},
      {hmJava, 1, "java"},
      {hmJScript, 1, "jscript"},
      {hmPerl, 1, "perl"},
      {hmPython, 1, "python"},
      {hmRuby, 1, "ruby"},
      {hmVBScript, 1, "vbscript"},
      {hmUwsc, 1, "uwsc"},
      {hmUwsc, 2, "uwsc2"},
      {hmUwsc, 3, "uwsc3"},
      {hmVisualBasic, 1, "visualbasic"},
      {hmVisualBasic, 2, "visualbasic2"},
      {hmCss, 1, "css"},
      {hmBat, 1, "bat"},
      {hmBat, 2, "bat2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const TNotePadMode& m = ModeOf(c.mode);
    const TReserveList& l = c.list == 1 ? m.ReserveList() : c.list == 2 ? m.Reserve2List() : m.Reserve3List();
    int64_t longest = 0;
    for (std::u16string_view w : KeywordList(c.file)) {
      EXPECT_TRUE(l.Find(w));
      longest = std::max<int64_t>(longest, static_cast<int64_t>(w.size()));
      // One character longer than any keyword is never found.
    }
    EXPECT_EQ(TableOf(c.mode, c.list).MaxLen(), longest);
    EXPECT_FALSE(l.Find(std::u16string(static_cast<size_t>(longest + 1), u'a')));
  }
}

TEST(KeywordTables, HashWeights) {
  const struct {
    char16_t c;
    int64_t w;
  } cases[] = {{u'0', 1},  {u'9', 10}, {u'A', 11}, {u'a', 11}, {u'I', 19}, {u'i', 19}, {u'J', 21}, {u'K', 21},
               {u'k', 21}, {u'L', 22}, {u'Z', 36}, {u'z', 36}, {u'_', 37}, {u'$', 38}, {u'-', 0},  {u'@', 0}};
  for (const auto& c : cases) EXPECT_EQ(HashWeight(c.c), c.w) << char(c.c);
}

TEST(KeywordTables, HashPlacesCharactersSixBitsApart) {
  const THashTable& cpp = TableOf(hmCpp, 1);
  EXPECT_EQ(cpp.HashOf(u"if"), 92);            // (19 * 2^6 + 16 * 2^12) mod 101
  EXPECT_EQ(cpp.HashOf(u"IF"), 92);            // case weighs nothing
  const THashTable& php = TableOf(hmHtml, 2);  // 2161 slots
  // The ninth character adds at bit 0 and the tenth starts over at bit 6.
  const int64_t nine = (11LL << 6) + (11LL << 12) + (11LL << 18) + (11LL << 24) + (11LL << 30) +
                       (11LL << 36) + (11LL << 42) + (11LL << 48) + 12;
  EXPECT_EQ(php.HashOf(u"aaaaaaaab"), nine % 2161);
  EXPECT_EQ(php.HashOf(u"aaaaaaaabc"), (nine + (13LL << 6)) % 2161);
}

TEST(KeywordTables, WordsPlacedAfterWrappingPastTheLastSlot) {
  const struct {
    THighlightMode mode;
    int list;
    std::u16string word;
  } cases[] = {
      {hmPython, 1, u"or"},           {hmPython, 1, u"raise"},     {hmPerl, 1, u"until"},
      {hmCss, 1, u"text-decoration"}, {hmHtml, 3, u"LC_MONETARY"}, {hmHtml, 3, u"RADIXCHAR"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.word.begin(), c.word.end()));
    const THashTable& t = TableOf(c.mode, c.list);
    const int64_t slot = t.SlotOf(c.word);
    ASSERT_GE(slot, 0);
    EXPECT_LT(slot, t.HashOf(c.word));  // the probe went past the last slot to the front
    EXPECT_TRUE(t.isReserbed(c.word));
  }
}

TEST(KeywordTables, CaseRules) {
  EXPECT_TRUE(ModeOf(hmDelphi).ReserveList().Find(u"Begin"));
  EXPECT_TRUE(ModeOf(hmDelphi).ReserveList().Find(u"BEGIN"));
  EXPECT_FALSE(ModeOf(hmCpp).ReserveList().Find(u"If"));
  EXPECT_TRUE(ModeOf(hmRuby).ReserveList().Find(u"BEGIN"));
  EXPECT_FALSE(ModeOf(hmRuby).ReserveList().Find(u"Begin"));
  EXPECT_TRUE(ModeOf(hmUwsc).ReserveList().Find(u"IF"));
  EXPECT_FALSE(ModeOf(hmUwsc).ReserveList().Find(u"if"));
  EXPECT_TRUE(ModeOf(hmHtml).Reserve3List().Find(u"$_GET"));
  EXPECT_FALSE(ModeOf(hmHtml).Reserve3List().Find(u"_GET"));
  EXPECT_TRUE(ModeOf(hmCss).ReserveList().Find(u"COLOR"));
  EXPECT_TRUE(ModeOf(hmVisualBasic).Reserve2List().Find(u"msgbox"));
  // A case-ignoring table compares against the lower-case form of its words.
  EXPECT_TRUE(TableOf(hmVisualBasic, 1).isReserbed(u"addhandler"));
  EXPECT_FALSE(TableOf(hmVisualBasic, 1).isReserbed(u"AddHandler"));
}

TEST(ReserveList, PlainListSearch) {
  EXPECT_FALSE(TReserveList().Find(u""));
  EXPECT_FALSE(TReserveList().Find(u"x"));
  TReserveList exact({u".Cpp"}, true);
  EXPECT_TRUE(exact.Find(u".Cpp"));
  EXPECT_FALSE(exact.Find(u".cpp"));
  TReserveList loose({u".cpp"}, false);
  EXPECT_TRUE(loose.Find(u".CPP"));
  loose.Add(u".CpP");
  EXPECT_EQ(loose.Count(), 1);
  loose.Add(u".h");
  EXPECT_EQ(loose.Count(), 2);
  EXPECT_EQ(loose.Get(1), u".h");
}

TEST(KeywordTables, WrongWordCountIsRefused) {
  EXPECT_THROW(THashTable(KeywordList("perl"), 43, 22, false), std::logic_error);
  EXPECT_TRUE(KeywordList("no-such-list").empty());
}

}  // namespace
}  // namespace kelp
