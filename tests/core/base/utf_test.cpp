#include "base/utf.h"

#include <gtest/gtest.h>

namespace kelp {
namespace {

TEST(Utf, RoundTripsEveryPlane) {
  const std::u16string text = u"a\u00e9\u3042\U0001F600z";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
  EXPECT_EQ(Utf16ToUtf8(u"\u3042"), "\xE3\x81\x82");
}

TEST(Utf, MalformedInputBecomesReplacementPerByte) {
  struct Case {
    std::string in;
    std::u16string out;
  } cases[] = {
      {"\x80", u"\uFFFD"},                      // stray continuation
      {"a\xE3\x81", u"a\uFFFD\uFFFD"},          // truncated at the end
      {"\xC0\xAF", u"\uFFFD\uFFFD"},            // overlong
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // encoded surrogate
      {"\xE3\x41", u"\uFFFDA"},                 // broken by an ASCII byte
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToUtf16(c.in), c.out) << c.in;
}

TEST(Utf, LoneSurrogateEncodesAsReplacement) {
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
}

}  // namespace
}  // namespace kelp
