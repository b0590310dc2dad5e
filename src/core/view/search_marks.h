#pragma once
// Marking search matches in the token codes of a display row before it is
// painted: the characters of every match get tk::kHighlight.

#include <cstdint>
#include <string_view>

#include "document/notepad_string.h"
#include "search/oni_regexp2.h"
#include "search/search_bm.h"
#include "syntax/token_codes.h"

namespace kelp {

// Literal matches of `text` on display row `index` (overlapping ones too;
// a match that starts on the wrapped row before it is found as well).
// `tokens` holds one code per character of the row.
void MarkPlainMatches(TNotePadString& doc, int64_t index, TSearchBM& searcher, std::u16string_view text,
                      bool igCase, TTokenCode* tokens);

// Regular-expression matches of the expression compiled into `re` on
// display row `index`; a match is marked only on the row where it starts.
void MarkRegexMatches(TNotePadString& doc, int64_t index, TOniRegexp2& re, TTokenCode* tokens);

}  // namespace kelp
