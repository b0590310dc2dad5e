#include "view/notepad_options.h"

#include <gtest/gtest.h>

namespace kelp {
namespace {

TEST(NotePadOptions, TokenCodesMapToTheirElements) {
  struct Row {
    TTokenCode code;
    int element;
  };
  const Row rows[] = {
      {1, teSymbol},
      {3, teInteger},
      {23, teInteger},
      {7, teComment},
      {33, teComment},
      {72, teComment},
      {8, teReserve},
      {73, teReserve2},
      {74, teReserve3},
      {11, teAnk},
      {44, teAnk},
      {12, teDBSymbol},
      {14, teDBInt},
      {15, teDBAlph},
      {16, teDBHira},
      {17, teDBKana},
      {18, teDBKanji},
      {19, teSBKana},
      {20, teSBKana},
      {21, teLink},
      {22, teLink},
      {49, teLink},
      {51, teLink},
      {24, teString},
      {29, teString},
      {54, teString},
      {66, teString},
      {41, teHtmlTag},
      {58, teHtmlTag},
      {52, tePrefix},
      {59, teHere},
      {60, teHere},
      {55, teSymbol},
      {61, teSymbol},
      {68, teAlphabetic},
      {69, teAlphabetic},
      {70, teControl},
      {255, teUnicode},
      {60000, teHighlight},
      // Spaces, state codes and unknown codes have no element.
      {10, -1},
      {26, -1},
      {34, -1},
      {0, -1},
      {56, -1},
  };
  for (const Row& r : rows) EXPECT_EQ(TokenElementOf(r.code), r.element) << "code " << r.code;
}

TEST(NotePadOptions, ElementFieldsFollowTheElementOrder) {
  TNotePadOptions o;
  // A bare view has no token colours or styles.
  for (int e = 0; e < kNotePadElementCount; ++e) {
    EXPECT_EQ(o.ElementColor(e), clNone);
    EXPECT_EQ(o.ElementStyle(e), 0);
  }
  o.ColorControl = 0x123456;
  o.StyleHere = fsBold | fsUnderline;
  o.ColorString = 0x0000FF;
  EXPECT_EQ(o.ElementColor(teControl), 0x123456u);
  EXPECT_EQ(o.ElementStyle(teHere), fsBold | fsUnderline);
  EXPECT_EQ(o.ColorFromToken(25), 0x0000FFu);
  EXPECT_EQ(o.StyleFromToken(60), fsBold | fsUnderline);
  EXPECT_EQ(o.ColorFromToken(10), clNone);
  EXPECT_EQ(o.StyleFromToken(9999), 0);
}

TEST(NotePadOptions, DefaultsOfABareView) {
  const TNotePadOptions o;
  EXPECT_EQ(o.AutoIndent, 1);
  EXPECT_EQ(o.ColorBack, 0x00FFFFFFu);
  EXPECT_EQ(o.ColorCaretLine, 0x00FF0000u);
  EXPECT_EQ(o.ColorEOF, 0x00C0C0C0u);
  EXPECT_EQ(o.ColorLineEnd, 0x00808000u);
  EXPECT_EQ(o.ColorWrap, 0x00FF00FFu);
  EXPECT_EQ(o.ColorWideChar, clNone);
  EXPECT_EQ(o.ColorMark, 0x0000FFFFu);
  EXPECT_TRUE(o.LeftBarCountWrap && o.ShowLeftBar && o.ShowLineEnd && o.ShowRuler && o.ShowWrapLine &&
              o.RulerEnabled);
  EXPECT_FALSE(o.ShowDBSpace || o.ShowEOF || o.ShowSBSpace || o.ShowTab || o.ShowWrap || o.DrawNot ||
               o.KeepCol);
  EXPECT_EQ(o.LineMargin, 2);
  EXPECT_EQ(o.TabCount, 8);
  EXPECT_EQ(o.AlphaBlend, 70);
}

}  // namespace
}  // namespace kelp
