#include "app/view/wnotepad.h"

#include "syntax/notepad_parser.h"
#include "view/search_marks.h"

namespace kelp {

namespace {
TOniRegexp2*& SharedPointer() {
  static TOniRegexp2* re = nullptr;
  return re;
}
}  // namespace

TOniRegexp2& TwNotePad::SharedRegexp() {
  if (!SharedPointer()) {
    static TOniRegexp2 own;
    SharedPointer() = &own;
  }
  return *SharedPointer();
}

void TwNotePad::SetSharedRegexp(TOniRegexp2* re) { SharedPointer() = re; }

void TwNotePad::SetSearchWithRegEx(bool Value) {
  if (Value == FSearchRE) return;
  FSearchRE = Value;
  RepaintAll();
}

void TwNotePad::MarkSearchMatches(int64_t Index) {
  if (!FSearchRE) {
    TNotePad::MarkSearchMatches(Index);
    return;
  }
  if (SearchText().empty()) return;
  if (FOptions.ColorHighlight == clNone && FOptions.StyleHighlight == 0) return;
  MarkRegexMatches(*FStr, Index, SharedRegexp(), LineTokens().data());
}

}  // namespace kelp
