#include <gtest/gtest.h>

#include <string>

#include "encoding/code_page.h"
#include "encoding/euc_codec.h"
#include "encoding/jis_codec.h"
#include "encoding/jis_tables.h"

namespace kelp {
namespace {

const std::string kToKanji = "\x1B$B";
const std::string kToAscii = "\x1B(B";

struct DecodeCase {
  std::string bytes;
  std::u16string text;
};

TEST(EucCodec, Decodes) {
  const DecodeCase cases[] = {
      {"\xA4\xA2", u"あ"},
      {"\x8E\xB1", u"ｱ"},
      {"\x8F\xA2\xB7", u"～"},  // JIS X 0212 0x2237, the tilde as code page 932 has it
      {"\x8F\xA2\xC3", u"￤"},  // 0x2243
      {"\x8F\xB0\xA1", u"丂"},  // JIS X 0212 kanji
      {"a\x8E", u"a"},          // lone single-shift at the end vanishes
      {"\x8E"
       "A",
       u"A"},  // single-shift without a kana byte is dropped
      {"\xA4"
       "A",
       u"\u00A4A"},         // lead byte with a bad trail byte
      {"\xA4", u"\u00A4"},  // lead byte at the end
      {"\x8F\xA2\xA1"
       "A",
       u"◆A"},                  // no JIS X 0212 character: 8F is dropped, A2 A1 read again
      {"\xA9\xA1", u"\u00A1"},  // empty row: the lead byte is dropped
      {"\xF5\xA1", u"\u00A1"},  // rows above 0x7E are not read from EUC-JP
      {"\x80\xA0\xFF", u"\u0080\u00A0\u00FF"},
      {std::string("\0\x7F", 2), std::u16string(u"\0\x7F", 2)},
  };
  for (const auto& c : cases) EXPECT_EQ(EucToUnicode(c.bytes), c.text) << testing::PrintToString(c.bytes);
}

TEST(EucCodec, Encodes) {
  const struct {
    std::u16string text;
    std::string bytes;
  } cases[] = {
      {u"あ", "\xA4\xA2"},
      {u"ｱ", "\x8E\xB1"},
      {u"¥", "?"},
      {u"\uE000", "?"},
      {u"\uF8F0", "\xA0"},
      {u"～", "\xA1\xC1"},      // the lower row-table code wins over JIS X 0212
      {u"丂", "\x8F\xB0\xA1"},  // only in JIS X 0212
      {u"ⅰ", "\xFC\xF1"},       // NEC-selected row 0x7C
      {u"€\U0001F600", "???"},  // a pair gives one "?" per code unit
      {std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& c : cases) EXPECT_EQ(UnicodeToEuc(c.text), c.bytes) << testing::PrintToString(c.bytes);
}

TEST(JisCodec, Decodes) {
  const DecodeCase cases[] = {
      {"\x1B$B$\"\x1B(BA", u"あA"},
      {"\x1B$@$\"\x1B(JA", u"あA"},
      {"\x0E\x31\x0F", u"ｱ"},
      {"\x1B(I1\x1B(B1", u"ｱ1"},
      {"\x1B(Z", u"\x1B(Z"},                // unknown escape stays in the text
      {"\x1B$", u"\x1B$"},                  // escape cut off
      {"\x1B$(D\"7\x1B(B", u"～"},          // JIS X 0212
      {"\x1B$B\x7C\x71\x1B(B", u"ⅰ"},       // NEC-selected row
      {"\x1B$B\x7F\x21\x1B(B", u"\uE000"},  // user-defined rows are read as well
      {"\x1B$B$", u"$"},                    // half a pair at the end
      {"\x1B$B\x29\x21", u"!"},             // empty cell: its first byte is dropped
      {"\x1B$B\x0E", u"\x0E"},              // SO outside the ASCII state is text
      {"\x0F", u"\x0F"},
      {"\xB1\xA0\xFD\x80", u"ｱ\uF8F0\uF8F1\u0080"},  // 8-bit bytes in the ASCII state
      {"\x0E\x60", u"\x60"},                         // outside the kana range
  };
  for (const auto& c : cases) EXPECT_EQ(JisToUnicode(c.bytes), c.text) << testing::PrintToString(c.bytes);
}

TEST(JisCodec, Encodes) {
  const struct {
    std::u16string text;
    std::string bytes;
  } cases[] = {
      {u"Aあ", "A" + kToKanji + "$\"" + kToAscii},
      {u"ｶﾞ", kToKanji + "%," + kToAscii},  // half-width KA and the voicing mark become GA
      {u"ｳﾞﾊﾟﾊﾞﾟｱ", kToKanji + "%t%Q%P!,%\"" + kToAscii},
      {u"ﾞ", kToKanji + "!+" + kToAscii},
      {u"漢字", kToKanji + "4A;z" + kToAscii},
      {u"あa", kToKanji + "$\"" + kToAscii + "a"},
      {u"ⅰ", kToKanji + "\x7C\x71" + kToAscii},  // code page 932 gives FA 40; written as EE EF
      {u"\u0080\uF8F0\uF8F3", "???"},
      {u"€", "?"},
      {u"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(UnicodeToJis(c.text), c.bytes) << testing::PrintToString(c.bytes);
  bool used = false;
  UnicodeToJis(u"あ€", &used);
  EXPECT_TRUE(used);
}

TEST(JisCodec, IbmExtensionPairWrittenThroughItsNecEquivalent) {
  // FA 40 is what the code-page step gives for U+2170.
  EXPECT_EQ(UnicodeToCodePage(932, u"ⅰ"), "\xFA\x40");
  EXPECT_EQ(jis::kIbmExtensionTable[0], 0xEEEF);
  EXPECT_EQ(JisToUnicode(UnicodeToJis(u"ⅰ")), u"ⅰ");
}

TEST(JisTables, ReverseTableSamples) {
  EXPECT_EQ(jis::kReverseTable[0xFF5E], 0x2141);
  EXPECT_EQ(jis::kReverseTable[0x2170], 0x7C71);
  EXPECT_EQ(jis::kReverseTable[0xFF61], 0xA1);
  EXPECT_EQ(jis::kReverseTable[0xF8F0], 0xA0);
  EXPECT_EQ(jis::kReverseTable[0xE000], 0x7F21);
  EXPECT_EQ(jis::kReverseTable[0x00A5], 0);
  EXPECT_EQ(jis::kReverseTable[0x0000], 0);
  EXPECT_EQ(jis::kReverseTable[0x0041], 0x41);
  EXPECT_EQ(jis::RowEntry(0x98, 0x21), 0);
}

// Shift_JIS bytes of row r, cell c.
std::string Sjis(unsigned r, unsigned c) {
  const unsigned s1 = (r + 1) / 2 + (r <= 0x5E ? 0x70 : 0xB0);
  const unsigned s2 = r % 2 ? c + (c <= 0x5F ? 0x1F : 0x20) : c + 0x7E;
  return {static_cast<char>(s1), static_cast<char>(s2)};
}

// Every character of rows 0x21 to 0x7E reads back from all three encodings,
// and its lowest code is written byte for byte. Only the NEC special row and
// the NEC-selected rows repeat characters of lower rows.
TEST(JisTables, EveryJisX0208CharacterRoundTrips) {
  int characters = 0;
  for (unsigned r = 0x21; r <= 0x7E; ++r) {
    for (unsigned c = 0x21; c <= 0x7E; ++c) {
      const char16_t u = jis::RowEntry(r, c);
      if (!u) continue;
      ++characters;
      const std::u16string text(1, u);
      const std::string euc{static_cast<char>(r + 0x80), static_cast<char>(c + 0x80)};
      const std::string jisBytes =
          kToKanji + std::string{static_cast<char>(r), static_cast<char>(c)} + kToAscii;
      const std::string sjis = Sjis(r, c);
      ASSERT_EQ(EucToUnicode(euc), text) << std::hex << r << c;
      ASSERT_EQ(JisToUnicode(jisBytes), text) << std::hex << r << c;
      ASSERT_EQ(CodePageToUnicode(932, sjis), text) << std::hex << r << c;
      const bool lowest = jis::kReverseTable[u] == r * 256 + c;
      if (!lowest) {
        ASSERT_TRUE(r == 0x2D || (r >= 0x79 && r <= 0x7C)) << std::hex << r << c;
        ASSERT_EQ(EucToUnicode(UnicodeToEuc(text)), text);
        ASSERT_EQ(JisToUnicode(UnicodeToJis(text)), text);
        continue;
      }
      ASSERT_EQ(UnicodeToEuc(text), euc) << std::hex << r << c;
      ASSERT_EQ(UnicodeToJis(text), jisBytes) << std::hex << r << c;
      bool used = false;
      const std::string back = UnicodeToCodePage(932, text, &used);
      ASSERT_FALSE(used) << std::hex << r << c;
      // Code page 932 writes the NEC-selected characters with their IBM codes.
      if (r < 0x79) {
        ASSERT_EQ(back, sjis) << std::hex << r << c;
      }
      ASSERT_EQ(CodePageToUnicode(932, back), text);
    }
  }
  EXPECT_GT(characters, 7000);
}

}  // namespace
}  // namespace kelp
