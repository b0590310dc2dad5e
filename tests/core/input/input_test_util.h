#pragma once
// Shared helpers of the caret and key tests: documents with display rows laid
// out by hand, and a small word tokenizer.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/document/doc_test_util.h"
#include "document/notepad_string.h"
#include "input/word_at.h"

namespace kelp::test {

// Lays the document out in the given rows: a row ending in "\n" ends in a
// hard break, any other row but the last in a wrap.
inline void SetRows(TNotePadString& d, const std::vector<std::u16string>& rows) {
  std::u16string text;
  for (const auto& r : rows) text += r;
  d.SetText(text);
  TLineList& lines = d.InternalLines();
  lines.Clear();
  int64_t start = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::u16string& r = rows[i];
    const bool hard = !r.empty() && r.back() == u'\n';
    TLineData l;
    l.Start = start;
    l.Length = static_cast<int64_t>(r.size()) - (hard ? 1 : 0);
    l.LineEnd = i + 1 == rows.size() ? leNone : hard ? leLF : leWrap;
    lines.Add(l);
    start += static_cast<int64_t>(r.size());
  }
  d.SetSelStartPos({0, 0});
  d.SetSelEndPos({0, 0});
}

inline std::vector<std::u16string> ManyRows(int n, const std::u16string& row) {
  std::vector<std::u16string> v(static_cast<size_t>(n), row + u"\n");
  v.back() = row;
  return v;
}

// Words are runs of letters, digits and "_", blanks are runs of spaces, a
// token starting "http://" runs to the next space and is a jump target, and
// anything else is one character. The token covering the position is found
// by reading tokens from the line's start.
inline TLineToken SimpleTokenizer(std::u16string_view line, int64_t position) {
  const int64_t n = static_cast<int64_t>(line.size());
  auto word = [](char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
  };
  TLineToken t;
  const int64_t end = std::min(position, n - 1);
  int64_t pos = 0;
  while (pos <= end) {
    t.Previous = t.Start;
    t.Start = pos;
    t.CanJump = false;
    if (line.substr(static_cast<size_t>(pos)).starts_with(u"http://")) {
      while (pos < n && line[pos] != u' ') ++pos;
      t.CanJump = true;
    } else if (word(line[pos])) {
      while (pos < n && word(line[pos])) ++pos;
    } else if (line[pos] == u' ') {
      while (pos < n && line[pos] == u' ') ++pos;
    } else {
      ++pos;
    }
    t.Length = pos - t.Start;
  }
  return t;
}

}  // namespace kelp::test
