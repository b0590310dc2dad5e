#include "view/line_parser.h"

#include <gtest/gtest.h>

namespace kelp {
namespace {

struct Case {
  std::u16string line;
  int64_t pos;
  int64_t start, length, previous;
  bool jump;
};

TEST(LineParser, FindsTheTokenCoveringAPosition) {
  const Case cases[] = {
      // A link is one token with its scheme; "x" is at offset 10.
      {u"see mms://x/y.z ok", 10, 4, 11, 3, true},
      // The word after it; the previous token is the blank before it.
      {u"see mms://x/y.z ok", 16, 16, 2, 15, false},
      // A comma after a link belongs to the link.
      {u"http://a.b/c, d", 0, 0, 13, 0, true},
      // A word holds letters of all scripts and digits.
      {u"caf\u00E9123 \u6F22\u5B57", 4, 0, 7, 0, false},
      // Kanji run, spaces and tabs run.
      {u"caf\u00E9123 \u6F22\u5B57", 9, 8, 2, 7, false},
      {u"a \t b", 2, 1, 3, 0, false},
      // Beyond the end: the last token.
      {u"one two", 99, 4, 3, 3, false},
      // A scheme without a URL character after it is not a link.
      {u"ftp:// x", 0, 0, 3, 0, false},
      // Symbols are single characters.
      {u"a+=b", 2, 2, 1, 1, false},
      // Hiragana runs take the prolonged sound mark.
      {u"\u3042\u30FC\u3044\u6F22", 1, 0, 3, 0, false},
      // Hangul syllables run together.
      {u"\uAC00\uAC01 x", 1, 0, 2, 0, false},
      // Empty line.
      {u"", 5, 0, 0, 0, false},
  };
  for (const Case& c : cases) {
    TLineParser p(c.line, c.pos);
    SCOPED_TRACE(testing::Message() << "pos " << c.pos << " len " << c.line.size());
    EXPECT_EQ(p.Start(), c.start);
    EXPECT_EQ(p.Length(), c.length);
    EXPECT_EQ(p.Previous(), c.previous);
    EXPECT_EQ(p.GetCanJump(), c.jump);
  }
}

}  // namespace
}  // namespace kelp
