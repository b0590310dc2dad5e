#include "search/upper_case.h"

#include <gtest/gtest.h>

namespace kelp {
namespace {

TEST(UpperCase, MapsTheScriptsThatHaveCase) {
  struct Case {
    char16_t in, out;
  };
  const Case cases[] = {
      {u'a', u'A'},
      {u'z', u'Z'},
      {u'A', u'A'},
      {u'0', u'0'},
      {u'@', u'@'},  // ASCII
      {u'é', u'É'},
      {u'þ', u'Þ'},
      {u'ÿ', u'Ÿ'},
      {u'µ', u'Μ'},
      {u'ß', u'ß'},  // Latin-1
      {u'÷', u'÷'},
      {u'×', u'×'},  // Latin-1 signs
      {u'ā', u'Ā'},
      {u'ž', u'Ž'},
      {u'ı', u'I'},
      {u'ǆ', u'Ǆ'},
      {u'ǅ', u'Ǆ'},  // Latin extended
      {u'α', u'Α'},
      {u'ω', u'Ω'},
      {u'ς', u'Σ'},
      {u'ά', u'Ά'},
      {u'ᾳ', u'ᾼ'},  // Greek
      {u'а', u'А'},
      {u'я', u'Я'},
      {u'ё', u'Ё'},
      {u'ѣ', u'Ѣ'},
      {u'ӏ', u'Ӏ'},  // Cyrillic
      {u'ａ', u'Ａ'},
      {u'ｚ', u'Ｚ'},
      {u'Ａ', u'Ａ'},
      {u'０', u'０'},  // full width
      {u'ⓐ', u'Ⓐ'},
      {u'ⅰ', u'Ⅰ'},  // enclosed, numerals
      {u'あ', u'あ'},
      {u'ア', u'ア'},
      {u'ｱ', u'ｱ'},
      {u'漢', u'漢'},  // no case
      {char16_t(0xD83D), char16_t(0xD83D)},
      {char16_t(0xDE00), char16_t(0xDE00)},  // surrogates
  };
  for (const Case& c : cases) {
    EXPECT_EQ(int(UpperCaseUnit(c.in)), int(c.out)) << std::hex << int(c.in);
  }
}

TEST(UpperCase, UpperFormsAreFixedPoints) {
  // A wrong delta or stride in the table shows up as an upper form that
  // upper-cases once more.
  for (uint32_t c = 0; c < 0x10000; ++c) {
    const char16_t u = UpperCaseUnit(static_cast<char16_t>(c));
    ASSERT_EQ(int(UpperCaseUnit(u)), int(u)) << std::hex << c;
  }
}

TEST(UpperCase, InPlaceOverAString) {
  std::u16string s = u"Straße ｋｅｌｐ Привет αβγ けるぷ";
  UpperCaseInPlace(s);
  EXPECT_EQ(s, u"STRAßE ＫＥＬＰ ПРИВЕТ ΑΒΓ けるぷ");
}

}  // namespace
}  // namespace kelp
