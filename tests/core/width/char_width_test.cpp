#include "width/char_width.h"

#include <gtest/gtest.h>

namespace kelp {
namespace {

// Counts how often it is asked, so that caching is visible.
class CountingMeasurer : public ITextMeasurer {
 public:
  explicit CountingMeasurer(int64_t per) : per_(per) {}
  int64_t TextPixelWidth(std::u16string_view text) const override {
    ++calls;
    return per_ * static_cast<int64_t>(text.size());
  }
  mutable int calls = 0;

 private:
  int64_t per_;
};

// Runs first in this program: nothing has reset the service yet.
TEST(CharWidth, WidthUnitIsZeroBeforeAnyReset) { EXPECT_EQ(WidthUnit(), 0); }

TEST(CharWidth, ControlCharNames) {
  const struct {
    char16_t c;
    const char16_t* name;
  } cases[] = {
      {0x00, u"[NUL]"}, {0x01, u"[SOH]"}, {0x02, u"[STH]"}, {0x09, u"[HT]"},  {0x0A, u"[LF]"},
      {0x0D, u"[CR]"},  {0x1B, u"[ESC]"}, {0x1F, u"[US]"},  {0x80, u"[XXX]"}, {0x81, u"[XXX]"},
      {0x82, u"[BPH]"}, {0x85, u"[NEL]"}, {0x8D, u"[RI]"},  {0x95, u"[MW]"},  {0x99, u"[XXX]"},
      {0x9B, u"[CSI]"}, {0x9F, u"[APC]"},
  };
  for (const auto& c : cases) EXPECT_EQ(ControlCharName(c.c), c.name) << int(c.c);
  EXPECT_EQ(ControlCharName(u' '), u"");
  EXPECT_EQ(ControlCharName(0x7F), u"");
  EXPECT_EQ(ControlCharName(0xA0), u"");
}

TEST(CharWidth, MeasuresOncePerFontWithMinimumOfTwo) {
  auto one = std::make_shared<CountingMeasurer>(1);
  ResetCharPixelWidths(one, 1);
  EXPECT_EQ(WidthUnit(), 1);
  EXPECT_EQ(CharPixelWidth(u'a'), 2);  // measured 1, raised to 2
  EXPECT_EQ(CharPixelWidth(u'a'), 2);
  EXPECT_EQ(one->calls, 1);

  auto seven = std::make_shared<CountingMeasurer>(7);
  ResetCharPixelWidths(seven, 7);
  EXPECT_EQ(CharPixelWidth(u'a'), 7);  // measured again with the new font
  EXPECT_EQ(seven->calls, 1);
  // Control units measure as their bracketed names; spaces as themselves.
  EXPECT_EQ(CharPixelWidth(0x01), 5 * 7);
  EXPECT_EQ(CharPixelWidth(0x85), 5 * 7);
  EXPECT_EQ(CharPixelWidth(0x1F), 4 * 7);
  EXPECT_EQ(CharPixelWidth(u' '), 7);
  EXPECT_EQ(CharPixelWidth(0xA0), 7);
  EXPECT_EQ(CharPixelWidth(0x7F), 7);
  // Surrogate halves are measured one unit at a time.
  EXPECT_EQ(CharPixelWidth(0xD83D), 7);
}

TEST(CharWidth, FixedWidthMeasurer) {
  ResetCharPixelWidths(std::make_shared<TFixedWidthMeasurer>(8, 16), 8);
  EXPECT_EQ(CharPixelWidth(u'0'), 8);
  EXPECT_EQ(CharPixelWidth(u'あ'), 16);
  EXPECT_EQ(CharPixelWidth(u'漢'), 16);
  EXPECT_EQ(CharPixelWidth(u'Ａ'), 16);
  EXPECT_EQ(CharPixelWidth(u'ｱ'), 8);  // half-width katakana
  EXPECT_EQ(CharPixelWidth(u'\u3000'), 16);
}

TEST(CharWidth, TabEndsOnAStopAndIsAtLeastOneUnit) {
  const struct {
    int64_t x, unit, tabs, width;
  } cases[] = {
      {31, 8, 4, 33},                 // one pixel before a stop: 1 is less than a unit, so a whole stop more
      {32, 8, 4, 32},                 // on a stop
      {0, 8, 4, 32},  {24, 8, 4, 8},  // exactly one unit left
      {25, 8, 4, 39}, {5, 8, 8, 59}, {0, 0, 8, 0},  // no unit yet: no width, no division by zero
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TabPixelWidth(c.x, c.unit, c.tabs), c.width) << c.x << " " << c.unit << " " << c.tabs;
  }
}

}  // namespace
}  // namespace kelp
