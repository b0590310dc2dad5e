// The kana and case conversions against ICU's transliterators and case
// mapping, for every hiragana and katakana code unit.
#include <gtest/gtest.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <map>
#include <memory>
#include <set>

#include "convert/case_map.h"
#include "convert/kana_width.h"

namespace kelp {
namespace {

std::unique_ptr<icu::Transliterator> Make(const char* id) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Transliterator> t(
      icu::Transliterator::createInstance(icu::UnicodeString(id), UTRANS_FORWARD, status));
  EXPECT_TRUE(U_SUCCESS(status)) << id;
  return t;
}

std::u16string Apply(icu::Transliterator& t, const std::u16string& s) {
  icu::UnicodeString u(s.data(), static_cast<int32_t>(s.size()));
  t.transliterate(u);
  return std::u16string(u.getBuffer(), static_cast<size_t>(u.length()));
}

struct Conversion {
  const char* icu_id;
  std::u16string (*ours)(std::u16string_view);
  // Inputs where our answer is fixed otherwise, and why.
  std::map<char16_t, const char*> exceptions;
};

TEST(IcuCrossCheck, KanaConversionsAgreeExceptWhereFixedOtherwise) {
  const char* only_range_hira = "only ぁ ... ゔ (U+3041 ... U+3094) change";
  const char* only_range_kata = "only ァ ... ヴ (U+30A1 ... U+30F4) change";
  const Conversion conversions[] = {
      {"Hiragana-Katakana",
       HiraganaToKatakana,
       {{u'ゝ', only_range_hira},
        {u'ゞ', only_range_hira},
        {u'ゟ', only_range_hira},
        {u'ヿ', only_range_hira}}},
      {"Katakana-Hiragana",
       KatakanaToHiragana,
       {{u'ゟ', only_range_kata},
        {u'ヵ', only_range_kata},
        {u'ヶ', only_range_kata},
        {u'ヷ', only_range_kata},
        {u'ヸ', only_range_kata},
        {u'ヹ', only_range_kata},
        {u'ヺ', only_range_kata},
        {u'ヽ', only_range_kata},
        {u'ヾ', only_range_kata},
        {u'ヿ', only_range_kata}}},
      {"Fullwidth-Halfwidth",
       FullKanaToHalf,
       {{u'・', "・ has no half-width form in the katakana table"},
        {char16_t(0x3099), "combining marks lie outside the katakana block"},
        {char16_t(0x309A), "combining marks lie outside the katakana block"}}},
  };
  for (const auto& conv : conversions) {
    auto icu = Make(conv.icu_id);
    ASSERT_TRUE(icu);
    std::set<char16_t> differing;
    for (char16_t c = 0x3041; c <= 0x30FF; ++c) {
      const std::u16string s(1, c);
      if (conv.ours(s) != Apply(*icu, s)) differing.insert(c);
    }
    std::set<char16_t> listed;
    for (const auto& [c, why] : conv.exceptions) listed.insert(c);
    EXPECT_EQ(differing, listed) << conv.icu_id;
  }
}

TEST(IcuCrossCheck, HalfWidthKanaBackToFullAgreesExceptWhereFixedOtherwise) {
  auto icu = Make("Halfwidth-Fullwidth");
  ASSERT_TRUE(icu);
  // Our answer differs from ICU's for these inputs, fixed by the kana table:
  const std::map<std::u16string, std::u16string> exceptions = {
      {u"ﾞ", u"゛"},     // a lone mark is the spacing ゛ (U+309B), not the combining U+3099
      {u"ﾟ", u"゜"},     // likewise U+309C, not U+309A
      {u"ﾜﾞ", u"ワ゛"},  // only ｳ, ｶ ... ﾄ and ﾊ ... ﾎ take the voiced mark
      {u"ｦﾞ", u"ヲ゛"},
  };
  std::set<std::u16string> inputs;
  for (char16_t c = 0xFF61; c <= 0xFF9F; ++c) inputs.insert(std::u16string(1, c));
  for (char16_t c = 0x30A1; c <= 0x30FA; ++c) inputs.insert(FullKanaToHalf(std::u16string(1, c)));
  std::set<std::u16string> differing;
  for (const auto& in : inputs)
    if (HalfKanaToFull(in) != Apply(*icu, in)) differing.insert(in);
  std::set<std::u16string> listed;
  for (const auto& [in, ours] : exceptions) {
    listed.insert(in);
    EXPECT_EQ(HalfKanaToFull(in), ours);
  }
  EXPECT_EQ(differing, listed);
}

TEST(IcuCrossCheck, CaseMappingAgreesWithSimpleCaseMapping) {
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    std::u16string s;
    if (c < 0x10000) {
      s.push_back(static_cast<char16_t>(c));
    } else {
      s.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      s.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
    const auto expect = [&](char32_t m) {
      // A mapping that would change the length is not applied.
      if ((m > 0xFFFF) != (c > 0xFFFF)) m = c;
      std::u16string r;
      if (m < 0x10000) {
        r.push_back(static_cast<char16_t>(m));
      } else {
        r.push_back(static_cast<char16_t>(0xD800 + ((m - 0x10000) >> 10)));
        r.push_back(static_cast<char16_t>(0xDC00 + ((m - 0x10000) & 0x3FF)));
      }
      return r;
    };
    ASSERT_EQ(ToUpperText(s), expect(static_cast<char32_t>(u_toupper(static_cast<UChar32>(c))))) << int(c);
    ASSERT_EQ(ToLowerText(s), expect(static_cast<char32_t>(u_tolower(static_cast<UChar32>(c))))) << int(c);
  }
}

}  // namespace
}  // namespace kelp
