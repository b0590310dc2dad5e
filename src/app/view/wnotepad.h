#pragma once
// TwNotePad: the editor view of every document window. It adds the marking
// of regular-expression matches, with the expression last compiled into the
// shared regular-expression adapter.

#include "app/view/notepad.h"
#include "search/oni_regexp2.h"

namespace kelp {

class TwNotePad : public TNotePad {
  Q_OBJECT
 public:
  explicit TwNotePad(QWidget* parent = nullptr) : TNotePad(parent) {}

  // Mark matches of the search text as a regular expression.
  bool SearchWithRegEx() const { return FSearchRE; }
  void SetSearchWithRegEx(bool Value);

  // The adapter shared by the search commands and every view's marking;
  // until one is given the view uses one of its own process.
  static TOniRegexp2& SharedRegexp();
  static void SetSharedRegexp(TOniRegexp2* re);

  void MarkSearchMatches(int64_t Index) override;

 private:
  bool FSearchRE = false;
};

}  // namespace kelp
