#include "encoding/code_page_mask.h"

#include <gtest/gtest.h>

#include <string>

namespace kelp {
namespace {

TEST(CodePageMask, TableBits) {
  const uint8_t* t = CodePageMaskTable();
  for (unsigned u = 0; u < 0x80; ++u) ASSERT_EQ(t[u], 0) << u;
  for (unsigned u = 0xD800; u < 0xE000; ++u) ASSERT_EQ(t[u], 0x7F) << u;
  const struct {
    char16_t c;
    uint8_t set;    // bits that must be set
    uint8_t clear;  // bits that must be clear
  } cases[] = {
      {u'€', kMaskShiftJis | kMaskEuc, kMask1252},
      {u'〜', kMaskShiftJis, 0},  // iconv writes it as the 932 wave dash, which reads back as U+FF5E
      {u'～', 0, kMaskShiftJis | kMaskEuc},
      {u'あ', kMask1252 | kMask1251, kMaskShiftJis | kMaskEuc | kMaskGb2312 | kMaskEucKr},
      {u'¥', kMaskShiftJis | kMaskEuc, kMask1252},
      {u'\uE000', kMaskEuc, kMaskShiftJis},  // EUC-JP writes user-defined characters as "?"
      {u'\uF8F0', kMaskEuc, kMaskShiftJis},  // written as A0, read back as U+00A0
      {u'ｱ', kMask1252, kMaskShiftJis | kMaskEuc},
      {u'丂', kMaskShiftJis, kMaskEuc},  // JIS X 0212 only
      {u'Ж', kMask1252, kMask1251},
      {u'\u0081', kMaskShiftJis, kMask1252},  // a byte Windows passes through
  };
  for (const auto& c : cases) {
    EXPECT_EQ(t[c.c] & c.set, c.set) << std::hex << unsigned(c.c);
    EXPECT_EQ(t[c.c] & c.clear, 0) << std::hex << unsigned(c.c);
  }
}

TEST(CodePageMask, MaskPerEncoding) {
  const std::pair<TFileCode, uint8_t> cases[] = {
      {fcNONE, 1},   {fcANSI, 1},    {fcJIS, 1},    {fcASCII, 2}, {fc1251, 4},
      {fcBIG5, 8},   {fcGB2312, 16}, {fcEUCKR, 32}, {fcEUC, 64},  {fcUNICODE, 0},
      {fcBIGEND, 0}, {fcUTF8W, 0},   {fcUTF7, 0},   {fcUTF8U, 0}, {fcBIN, 0},
  };
  for (auto [code, mask] : cases) EXPECT_EQ(CodePageMaskOf(code), mask) << int(code);
}

TEST(Representable, ByEncoding) {
  const struct {
    std::u16string text;
    TFileCode code;
    bool ok;
  } cases[] = {
      {u"日本語 ～", fcANSI, true},
      {u"日本語 〜", fcANSI, false},
      {u"€", fcNONE, false},
      {u"€", fcASCII, true},
      {u"あ", fcASCII, false},
      {u"\U0001F600", fcANSI, false},
      {u"\U0001F600", fcUTF8U, true},
      {u"丂", fcEUC, true},
      {u"丂", fcANSI, false},
      {u"\uE000", fcANSI, true},
      {u"\uE000", fcEUC, false},
      {u"\uF8F0", fcANSI, true},
      {u"\uF8F0", fcJIS, false},
      {u"\u0080", fcJIS, false},
      {u"ⅰ", fcJIS, true},
      {u"Привет", fc1251, true},
      {u"中文", fcGB2312, true},
      {u"한국어", fcEUCKR, true},
      {u"한국어", fcBIG5, false},
      {u"anything 〜", fcUTF7, true},
      {std::u16string(1, char16_t(0xD800)), fcUNICODE, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsRepresentable(c.text, c.code), c.ok) << int(c.code) << " " << testing::PrintToString(c.text);
}

}  // namespace
}  // namespace kelp
