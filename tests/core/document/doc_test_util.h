#pragma once
// Shared helpers of the document tests: every width is exact (ASCII 8 px,
// wide characters 16 px, unit 8 px), so one ASCII character is one width unit.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/notepad_string.h"
#include "width/char_width.h"

namespace kelp {
inline void PrintTo(const TCaretPosition& c, std::ostream* os) {
  *os << "{Position " << c.Position << ", X " << c.X << ", Y " << c.Y << "}";
}
inline void PrintTo(const TNativePoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }
}  // namespace kelp

namespace kelp::test {

inline void UseFixedWidths() { ResetCharPixelWidths(std::make_shared<TFixedWidthMeasurer>(8, 16), 8); }

class DocTest : public ::testing::Test {
 protected:
  void SetUp() override { UseFixedWidths(); }
};

struct LineShape {
  int64_t Start, Length;
  TLineEnd LineEnd;
  friend bool operator==(const LineShape&, const LineShape&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const LineShape& l) {
  return os << "{" << l.Start << "," << l.Length << "," << int(l.LineEnd) << "}";
}

inline std::vector<LineShape> Shapes(TNotePadString& d) {
  std::vector<LineShape> v;
  for (int64_t i = 0; i < d.Count(); ++i) {
    const TLineData& l = d.Items(i);
    v.push_back({l.Start, l.Length, l.LineEnd});
  }
  return v;
}

// The display lines a fresh document with the same settings makes of the text.
inline std::vector<LineShape> FreshShapes(TNotePadString& d) {
  TNotePadString fresh;
  fresh.SetTabCount(d.TabCount());
  fresh.SetWrapByte(d.WrapByte());
  fresh.SetText(d.GetText());
  return Shapes(fresh);
}

// The display lines cover the text without gap or overlap, none is left
// marked, and only the last one ends the text.
inline void ExpectConsistentLines(TNotePadString& d) {
  int64_t next = 0;
  for (int64_t i = 0; i < d.Count(); ++i) {
    const TLineData& l = d.Items(i);
    ASSERT_EQ(l.Start, next) << "line " << i;
    ASSERT_FALSE(l.NeedWrap) << "line " << i;
    ASSERT_EQ(l.LineEnd == leNone, i == d.Count() - 1) << "line " << i;
    if (l.LineEnd == leLF) {
      ASSERT_EQ(d.CharAt(l.Start + l.Length), u'\n') << "line " << i;
    }
    next = l.Start + l.Length + (l.LineEnd == leLF ? 1 : 0);
  }
  ASSERT_EQ(next, d.TextLength());
}

inline std::u16string U(const char* s) {
  std::u16string r;
  while (*s) r += static_cast<char16_t>(static_cast<unsigned char>(*s++));
  return r;
}

}  // namespace kelp::test
