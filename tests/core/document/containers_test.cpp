// The containers under the document: the plain text buffer and pointer list, and
// the gap buffer and blocked line list the document keeps its text and lines in.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "document/gap_buffer.h"
#include "document/line_list.h"
#include "document/pointer_list.h"
#include "document/string_buffer.h"

namespace kelp {
namespace {

TEST(StringBuffer, CapacityDoublesAndKeepsTerminator) {
  TStringBuffer small(0);
  EXPECT_EQ(small.Capacity(), 2);
  TStringBuffer one(1);
  EXPECT_EQ(one.Capacity(), 2);
  small.Append(u"");
  EXPECT_EQ(small.StringLength(), 0);
  EXPECT_EQ(small.Get(0), 0);

  small.Append(u"abc");
  EXPECT_EQ(small.Capacity(), 4);
  small.Append(u"d");
  EXPECT_EQ(small.Capacity(), 8);  // the terminator needs room too
  EXPECT_EQ(small.GetString(), u"abcd");
  EXPECT_EQ(small.Get(4), 0);

  TStringBuffer big(2);
  std::u16string thousand(1000, u'x');
  big.Append(thousand);
  EXPECT_EQ(big.Capacity(), 1024);
}

TEST(StringBuffer, InsertRemoveClear) {
  TStringBuffer b(2);
  b.Append(u"held");
  b.Insert(2, u"XYZ", 2);
  EXPECT_EQ(b.GetString(), u"heXYld");
  b.Insert(b.StringLength(), u"!", 1);  // at the end, like Append
  EXPECT_EQ(b.GetString(), u"heXYld!");
  EXPECT_EQ(*b.ToPointer(b.StringLength()), 0);
  EXPECT_EQ(b.GetString(2, 2), u"XY");
  b.Remove(2, 2);
  EXPECT_EQ(b.GetString(), u"held!");
  b.Put(0, u'H');
  EXPECT_EQ(b.Get(0), u'H');
  const int64_t cap = b.Capacity();
  b.Remove(0, b.StringLength());
  EXPECT_EQ(b.StringLength(), 0);
  EXPECT_EQ(b.Get(0), 0);
  EXPECT_EQ(b.Capacity(), cap);
  b.Append(u"x");
  b.Clear();
  EXPECT_EQ(b.StringLength(), 0);
  EXPECT_EQ(b.Capacity(), cap);
}

TEST(PointerList, GrowsAndKeepsNullTerminator) {
  TPointerList l(0);
  EXPECT_EQ(l.Capacity(), 2);
  int v[5];
  l.Add(&v[0]);
  EXPECT_EQ(l.Capacity(), 2);
  l.Add(&v[1]);
  EXPECT_EQ(l.Capacity(), 4);
  l.Insert(0, &v[2]);
  l.Insert(3, &v[3]);
  ASSERT_EQ(l.Count(), 4);
  EXPECT_EQ(l.Get(0), &v[2]);
  EXPECT_EQ(l.Get(1), &v[0]);
  EXPECT_EQ(l.Get(2), &v[1]);
  EXPECT_EQ(l.Get(3), &v[3]);
  EXPECT_EQ(l.Get(4), nullptr);
  l.Remove(2, 2);  // the last entries
  EXPECT_EQ(l.Count(), 2);
  EXPECT_EQ(l.Get(2), nullptr);
  l.Put(1, &v[4]);
  EXPECT_EQ(l.Get(1), &v[4]);
  l.Clear();
  EXPECT_EQ(l.Count(), 0);
  EXPECT_EQ(l.Get(0), nullptr);
}

TEST(GapBuffer, MatchesAStringUnderRandomEdits) {
  std::mt19937 rng(7);
  TGapBuffer g;
  std::u16string ref;
  for (int step = 0; step < 3000; ++step) {
    const int64_t len = static_cast<int64_t>(ref.size());
    const int op = static_cast<int>(rng() % 4);
    if (op < 2 || len == 0) {
      const int64_t pos = len ? static_cast<int64_t>(rng() % (len + 1)) : 0;
      std::u16string s(rng() % (step % 100 == 0 ? 5000 : 8), u'a' + static_cast<char16_t>(rng() % 26));
      if (rng() % 3 == 0) s += u'\n';
      g.Insert(pos, s);
      ref.insert(static_cast<size_t>(pos), s);
    } else if (op == 2) {
      const int64_t pos = static_cast<int64_t>(rng() % len);
      const int64_t n = std::min<int64_t>(len - pos, rng() % 10);
      g.Remove(pos, n);
      ref.erase(static_cast<size_t>(pos), static_cast<size_t>(n));
    } else {
      const int64_t pos = static_cast<int64_t>(rng() % len);
      const int64_t n = std::min<int64_t>(len - pos, rng() % 50);
      ASSERT_EQ(g.Substr(pos, n), ref.substr(static_cast<size_t>(pos), static_cast<size_t>(n)));
      ASSERT_EQ(std::u16string(g.View(pos, n)), ref.substr(static_cast<size_t>(pos), static_cast<size_t>(n)));
      const size_t lf = ref.find(u'\n', static_cast<size_t>(pos));
      ASSERT_EQ(g.Find(u'\n', pos), lf == std::u16string::npos ? -1 : static_cast<int64_t>(lf));
    }
    ASSERT_EQ(g.Length(), static_cast<int64_t>(ref.size()));
  }
  ASSERT_EQ(g.GetString(), ref);
  for (size_t i = 0; i < ref.size(); i += 97) ASSERT_EQ(g.At(static_cast<int64_t>(i)), ref[i]);
}

TLineData Line(int64_t start, int64_t length, TLineEnd le = leLF) {
  TLineData d;
  d.Start = start;
  d.Length = length;
  d.LineEnd = le;
  return d;
}

// The blocked list against a plain vector: inserts, ranges, removals, start
// shifts and the two position searches, across many block boundaries.
TEST(LineList, MatchesAVectorUnderRandomOperations) {
  std::mt19937 rng(11);
  TLineList list(0);
  std::vector<TLineData> ref;
  auto check = [&] {
    ASSERT_EQ(list.Count(), static_cast<int64_t>(ref.size()));
    for (size_t i = 0; i < ref.size(); i += 1 + rng() % 7) {
      ASSERT_EQ(list.StartOf(static_cast<int64_t>(i)), ref[i].Start) << i;
      ASSERT_EQ(list.Get(static_cast<int64_t>(i)).Length, ref[i].Length) << i;
      ASSERT_EQ(list.Get(static_cast<int64_t>(i)).ParseDataString, ref[i].ParseDataString) << i;
    }
  };
  for (int i = 0; i < 5000; ++i) {
    TLineData d = Line(i, i % 13);
    d.ParseDataString = std::u16string(1, static_cast<char16_t>(u'a' + i % 26));
    list.Add(d);
    ref.push_back(d);
  }
  check();
  for (int step = 0; step < 1500; ++step) {
    const int64_t n = static_cast<int64_t>(ref.size());
    const int op = static_cast<int>(rng() % 6);
    const int64_t at = n ? static_cast<int64_t>(rng() % n) : 0;
    if (op == 0 || n == 0) {
      TLineData d = Line(step, step % 5);
      d.ParseDataString = u"i";
      list.Insert(at, d);
      ref.insert(ref.begin() + at, d);
    } else if (op == 1) {
      std::vector<TLineData> v(rng() % (step % 50 == 0 ? 9000 : 20), Line(step, 1));
      list.InsertRange(at, std::vector<TLineData>(v));
      ref.insert(ref.begin() + at, v.begin(), v.end());
    } else if (op == 2) {
      const int64_t len = std::min<int64_t>(n - at, rng() % (step % 40 == 0 ? 6000 : 30));
      list.RemoveRange(at, len);
      ref.erase(ref.begin() + at, ref.begin() + at + len);
    } else if (op == 3) {
      const int64_t len = std::min<int64_t>(n - at, rng() % 6);
      std::vector<TLineData> v(rng() % 6, Line(-step, 2));
      list.ReplaceRange(at, len, std::vector<TLineData>(v));
      ref.erase(ref.begin() + at, ref.begin() + at + len);
      ref.insert(ref.begin() + at, v.begin(), v.end());
    } else if (op == 4) {
      const int64_t delta = static_cast<int64_t>(rng() % 100) - 50;
      list.ShiftStarts(at, delta);
      for (size_t k = static_cast<size_t>(at); k < ref.size(); ++k) ref[k].Start += delta;
    } else {
      list.Get(at).Length = step;
      ref[static_cast<size_t>(at)].Length = step;
    }
    check();
  }
  list.RemoveRange(0, 0);  // changes nothing
  check();
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  list.Add(Line(0, 3, leNone));
  EXPECT_EQ(list.Get(0).Length, 3);
}

TEST(LineList, PositionSearchesFollowTheWrapBoundaryRule) {
  // Lines "ab" (wrap) "cd" (LF) "" (LF) "efg" (end): starts 0, 2, 5, 6.
  TLineList list(0);
  list.Add(Line(0, 2, leWrap));
  list.Add(Line(2, 2, leLF));
  list.Add(Line(5, 0, leLF));
  list.Add(Line(6, 3, leNone));
  const struct {
    int64_t pos, from, ending, starting;
  } cases[] = {
      {0, 0, 0, 0}, {2, 0, 0, 1},  // the boundary: end of the upper line, or start of the lower
      {2, 1, 1, 1}, {3, 0, 1, 1}, {4, 0, 1, 1}, {5, 0, 2, 2}, {6, 0, 3, 3}, {9, 0, 3, 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(list.FindEndingAtOrAfter(c.pos, c.from), c.ending) << c.pos;
    EXPECT_EQ(list.FindStartingAtOrBefore(c.pos), c.starting) << c.pos;
  }
  list.ShiftStarts(1, 10);
  EXPECT_EQ(list.FindStartingAtOrBefore(12), 1);
  EXPECT_EQ(list.FindEndingAtOrAfter(13, 0), 1);
}

}  // namespace
}  // namespace kelp
