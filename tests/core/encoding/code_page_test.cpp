#include "encoding/code_page.h"

#include <gtest/gtest.h>

#include <string>

#include "encoding/file_code.h"

namespace kelp {
namespace {

TEST(FileCode, NamesInCodeOrder) {
  EXPECT_EQ(CodeNames[fcNONE], u"");
  EXPECT_EQ(CodeNames[fcANSI], u"S-JIS");
  EXPECT_EQ(CodeNames[fcBIGEND], u"Big Endian");
  EXPECT_EQ(CodeNames[fcUTF8W], u"UTF8(BOM)");
  EXPECT_EQ(CodeNames[fcUTF8U], u"UTF8");
  EXPECT_EQ(CodeNames[fc1251], u"キリル(1251)");
  EXPECT_EQ(CodeNames[fcEUCKR], u"EUC-KR");
  EXPECT_EQ(CodeNames[fcBIN], u"");
  EXPECT_EQ(CodeDialogNames[fcNONE], u"自動選択");
  EXPECT_EQ(CodeDialogNames[fcANSI], u"シフトJIS");
  EXPECT_EQ(CodeDialogNames[fcJIS], u"JIS(ISO-2022-JP)");
  EXPECT_EQ(CodeDialogNames[fcBIG5], u"繁体字中国語(950)");
  EXPECT_EQ(CodeDialogNames[fcEUCKR], u"韓国語(949)");
}

struct DecodeCase {
  int page;
  std::string bytes;
  std::u16string text;
};

TEST(CodePage, DecodesWithTheWindowsSingleBytes) {
  const DecodeCase cases[] = {
      {932, "\x82\xA0\x41", u"あA"},
      {932, "\\~", u"\\~"},
      {932, "\xB1", u"ｱ"},
      {932, "\x80\xA0\xFD\xFE\xFF", u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3"},
      {932, "\x87\x40\xED\x40\xFA\x40", u"①纊ⅰ"},  // NEC row 13, NEC-selected, IBM
      {932, "\xF0\x40", u"\uE000"},                // user-defined area
      {932, "\x82", u"\uFFFD"},                    // lead byte cut off at the end
      {932,
       "\x85\x40"
       "A",
       u"\uFFFD@A"},  // undefined pair: only the lead is lost
      {1252, "\x80\x81\x8D\xE9", u"€\u0081\u008Dé"},
      {1251, "\xC0\x98", u"А\u0098"},
      {936, "\xC4\xE3", u"你"},
      {949, "\xB0\xA1", u"가"},
      {950, "\xA4\xA4", u"中"},
      {kCodePageUtf8, "\xE3\x81\x82\xFF", u"あ\uFFFD"},
      {kCodePageUtf7, "Hi +ZeVnLIqe-", u"Hi 日本語"},
      {kCodePageUtf7, "1 +- 1", u"1 + 1"},
      {kCodePageUtf7, "~/C:\\x +ZeU-~", u"~/C:\\x 日~"},  // ASCII strict readers refuse is kept
      {kCodePageUtf7, "+2D3eAA-x", u"\U0001F600x"},       // a pair across one run
      {kCodePageUtf7, "a+b\\c", u"a\uFFFD\\c"},           // six bits left over: not UTF-7
      {kCodePageUtf7, "+ZZZ-", u"\u6596\uFFFD"},          // left-over bits not zero
      {kCodePageUtf7, "a+ b", u"a\uFFFD b"},              // an empty run
      {kCodePageUtf7, "\xE3+", u"\uFFFD\uFFFD"},          // 8-bit byte; "+" at the end
  };
  for (const auto& c : cases)
    EXPECT_EQ(CodePageToUnicode(c.page, c.bytes), c.text) << c.page << " " << c.bytes;
}

struct EncodeCase {
  int page;
  std::u16string text;
  std::string bytes;
  bool usedDefault;
};

TEST(CodePage, EncodesAndReportsTheDefaultCharacter) {
  const EncodeCase cases[] = {
      {932, u"あA", "\x82\xA0\x41", false},
      {932, u"～", "\x81\x60", false},  // fullwidth tilde is the 932 wave dash
      {932, u"\u0080\uF8F0\uF8F3", "\x80\xA0\xFF", false},
      {932, u"ⅰ", "\xFA\x40", false},
      // iconv maps these to look-alikes that read back as other characters.
      {932, u"〜‖−¥¢£¬—‾", "?????????", true},
      {932, u"€", "?", true},
      {932, u"a\U0001F600b", "a?b", true},                    // a pair is one character
      {932, std::u16string(1, char16_t(0xDC00)), "?", true},  // lone surrogate
      {1252, u"é€\u0081", "\xE9\x80\x81", false},
      {1252, u"あ", "?", true},
      {1251, u"Ж\u0098", "\xC6\x98", false},
      {936, u"你", "\xC4\xE3", false},
      {949, u"가", "\xB0\xA1", false},
      {950, u"中", "\xA4\xA4", false},
      {kCodePageUtf8, u"あ\U0001F600", "\xE3\x81\x82\xF0\x9F\x98\x80", false},
      {kCodePageUtf8, std::u16string(1, char16_t(0xD800)), "\xEF\xBF\xBD", true},
      {kCodePageUtf7, u"Hi 日本語", "Hi +ZeVnLIqe-", false},
      {kCodePageUtf7, u"日 本", "+ZeU- +Zyw-", false},  // every run is closed by "-"
      {kCodePageUtf7, u"a+b~", "a+-b+AH4-", false},
      {kCodePageUtf7, u"\U0001F600", "+2D3eAA-", false},
      {kCodePageUtf7, std::u16string(1, char16_t(0xDE00)) + u"x", "+//0-x", true},
  };
  for (const auto& c : cases) {
    bool used = false;
    EXPECT_EQ(UnicodeToCodePage(c.page, c.text, &used), c.bytes) << c.page;
    EXPECT_EQ(used, c.usedDefault) << c.page << " " << c.bytes;
  }
}

TEST(CodePage, Utf7RoundTripsEveryPlaneAndClosesItsShift) {
  const std::u16string text = u"C:\\データ\\+file~ \U0001F600 end";
  const std::string bytes = UnicodeToCodePage(kCodePageUtf7, text);
  for (unsigned char b : bytes) EXPECT_LT(b, 0x80);
  EXPECT_EQ(CodePageToUnicode(kCodePageUtf7, bytes), text);
  // A text that ends inside a shifted run still ends cleanly.
  const std::string tail = UnicodeToCodePage(kCodePageUtf7, u"x日");
  EXPECT_EQ(CodePageToUnicode(kCodePageUtf7, tail), u"x日");
}

TEST(CodePage, InvalidInputNeverStopsTheConversion) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  for (int page : {932, 936, 949, 950, 1251, 1252, kCodePageUtf7, kCodePageUtf8}) {
    const std::u16string text = CodePageToUnicode(page, bytes + "END");
    ASSERT_GE(text.size(), 3u) << page;
    EXPECT_EQ(text.substr(text.size() - 3), u"END") << page;
  }
}

TEST(CodePage, RoundTripTestAgreesWithTheEncoder) {
  for (int page : {932, 936, 949, 950, 1251, 1252}) {
    for (unsigned u = 0x80; u < 0x10000; u += 7) {
      const auto c = static_cast<char16_t>(u);
      if (c >= 0xD800 && c <= 0xDFFF) continue;
      bool used = false;
      const std::string bytes = UnicodeToCodePage(page, std::u16string_view(&c, 1), &used);
      const bool back = !used && CodePageToUnicode(page, bytes) == std::u16string(1, c);
      ASSERT_EQ(CodeUnitRoundTrips(page, c), back) << page << " U+" << std::hex << u;
    }
  }
}

}  // namespace
}  // namespace kelp
