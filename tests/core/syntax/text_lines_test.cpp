// The hand-laid display lines the parser tests and benchmarks run on.
#include "syntax/text_lines.h"

#include <gtest/gtest.h>

namespace kelp {
namespace {

struct Shape {
  int64_t start, length;
  TLineEnd end;
  bool operator==(const Shape&) const = default;
};

std::vector<Shape> Shapes(TTextLines& t) {
  std::vector<Shape> out;
  for (int64_t i = 0; i < t.LineCount(); ++i)
    out.push_back({t.LineAt(i)->Start, t.LineAt(i)->Length, t.LineAt(i)->LineEnd});
  return out;
}

TEST(TextLines, Layouts) {
  TTextLines wrapped(u"abcdefg\n\nxy", 3);
  EXPECT_EQ(Shapes(wrapped),
            (std::vector<Shape>{{0, 3, leWrap}, {3, 3, leWrap}, {6, 1, leLF}, {8, 0, leLF}, {9, 2, leNone}}));
  TTextLines marked = TTextLines::Marked(u"ab|c\n|d");
  EXPECT_EQ(marked.Text(), u"abc\nd");
  EXPECT_EQ(Shapes(marked),
            (std::vector<Shape>{{0, 2, leWrap}, {2, 1, leLF}, {4, 0, leWrap}, {4, 1, leNone}}));
  TTextLines empty(u"");
  EXPECT_EQ(Shapes(empty), (std::vector<Shape>{{0, 0, leNone}}));
}

TEST(TextLines, InsertGrowsOneLineAndMovesTheRest) {
  TTextLines t = TTextLines::Marked(u"ab|cd\nef");
  t.LineAt(1)->EndToken = 25;
  EXPECT_EQ(t.Insert(4, u"XY"), 1);  // at the end of the logical line's last display line
  EXPECT_EQ(t.Text(), u"abcdXY\nef");
  EXPECT_EQ(Shapes(t), (std::vector<Shape>{{0, 2, leWrap}, {2, 4, leLF}, {7, 2, leNone}}));
  EXPECT_EQ(t.LineAt(1)->EndToken, 25);
  EXPECT_EQ(t.Insert(2, u"-"), 1);  // a wrap point belongs to the line below
  EXPECT_EQ(t.LineText(1), u"-cdXY");
  EXPECT_EQ(t.Insert(10, u"!"), 2);
  EXPECT_EQ(t.LineText(2), u"ef!");
}

}  // namespace
}  // namespace kelp
