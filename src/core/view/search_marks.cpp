#include "view/search_marks.h"

#include <algorithm>

#include "syntax/document_lines.h"

namespace kelp {

namespace {
// The whole text in one piece, valid until the next edit.
const char16_t* DocumentChars(TNotePadString& doc) { return TDocumentLines(doc).Chars(); }
}  // namespace

void MarkPlainMatches(TNotePadString& doc, int64_t index, TSearchBM& searcher, std::u16string_view text,
                      bool igCase, TTokenCode* tokens) {
  if (text.empty() || index < 0 || index >= doc.Count()) return;
  const TLineData& row = doc.Items(index);
  const int64_t p = row.Start;
  const int64_t m = row.Length;
  int64_t from = p;
  if (index > 0 && doc.Items(index - 1).LineEnd == leWrap) from = doc.Items(index - 1).Start;
  if (searcher.SubStr() != text) searcher.SetSubStr(text);
  if (searcher.IgCase() != igCase) searcher.SetIgCase(igCase);
  const int64_t n = static_cast<int64_t>(text.size());
  const char16_t* chars = DocumentChars(doc);
  const int64_t len = doc.TextLength();
  const int64_t limit = std::min(p + m + n, len);
  for (;;) {
    // Search returns the 1-based position of a match beginning after the first
    // `from` characters and ending at or before `limit`.
    const int64_t found = searcher.Search(chars, len, from, limit, true);
    if (found == 0) return;
    const int64_t s = found - 1;
    for (int64_t k = s; k < s + n; ++k) {
      if (k >= p + m) return;  // the match runs past the row: nothing further can lie inside it
      if (k >= p) tokens[k - p] = tk::kHighlight;
    }
    from = s + 1;
  }
}

void MarkRegexMatches(TNotePadString& doc, int64_t index, TOniRegexp2& re, TTokenCode* tokens) {
  if (!re.Compiled() || index < 0 || index >= doc.Count()) return;
  const TLineData& row = doc.Items(index);
  const int64_t a = row.Start;
  const int64_t b = row.Length;
  const int64_t len = doc.TextLength();
  re.SetInputString(DocumentChars(doc));
  int64_t e = a;
  const int64_t last = std::min(a + b + 1, len);
  while (re.Exec(e + 1, last, a + b, true, false)) {
    e = re.MatchPos();
    const int64_t m = re.MatchLen();
    if (m > 0 && e - 1 + m > a) {
      for (int64_t k = 0; k < m; ++k) {
        const int64_t i = e + k - a - 1;
        if (i < 0) continue;
        if (i >= b) return;  // the match runs past the row
        tokens[i] = tk::kHighlight;
      }
    }
  }
}

}  // namespace kelp
