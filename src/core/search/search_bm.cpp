#include "search/search_bm.h"

#include <algorithm>

#include "search/upper_case.h"

namespace kelp {

namespace {
constexpr size_t kAlphabet = 65536;

template <bool Fold>
inline char16_t Folded(char16_t c) {
  if constexpr (Fold) {
    return UpperCaseUnit(c);
  } else {
    return c;
  }
}
}  // namespace

TSearchBM::TSearchBM() : FTableDown(kAlphabet, 0), FTableUp(kAlphabet, 0) {}

void TSearchBM::SetSubStr(std::u16string_view value) {
  if (value == FSubStr) return;
  FSubStr.assign(value);
  FPatternLength = static_cast<int64_t>(FSubStr.size());
  FPattern = FSubStr;
  if (FIgCase) UpperCaseInPlace(FPattern);
  FNeedInit = true;
}

void TSearchBM::SetIgCase(bool value) {
  if (value == FIgCase) return;
  FIgCase = value;
  FPattern = FSubStr;
  if (FIgCase) UpperCaseInPlace(FPattern);
  FNeedInit = true;
}

void TSearchBM::InitTables() {
  FNeedInit = false;
  for (char16_t c : FSaveString) {
    FTableDown[c] = 0;
    FTableUp[c] = 0;
  }
  FSaveString = FPattern;
  const int64_t n = FPatternLength;
  // Forward: the last occurrence wins.
  for (int64_t k = 1; k <= n; ++k) FTableDown[FPattern[static_cast<size_t>(k - 1)]] = -k;
  // Backward: the first occurrence wins.
  for (int64_t k = 1; k <= n; ++k) FTableUp[FPattern[static_cast<size_t>(n - k)]] = -k;
}

template <bool Fold>
int64_t TSearchBM::SearchDown(const char16_t* text, int64_t len, int64_t start_pos, int64_t end_pos) const {
  const int64_t n = FPatternLength;
  const char16_t* pattern = FPattern.data();
  const int64_t* table = FTableDown.data();
  end_pos = std::min(end_pos, len);
  if (start_pos < 0) start_pos = 0;
  const int64_t last = end_pos - n + 1;  // the last window start that still fits
  int64_t a = start_pos + 1;
  while (a <= last) {
    const char16_t* window = text + (a - 1);
    int64_t i = n - 1;
    char16_t c;
    for (;;) {
      c = Folded<Fold>(window[i]);
      if (c != pattern[i]) break;
      if (i == 0) return a;
      --i;
    }
    int64_t s = table[c] + i + 1;
    if (s < 1) s = 2;
    a += s;
  }
  return 0;
}

template <bool Fold>
int64_t TSearchBM::SearchUp(const char16_t* text, int64_t len, int64_t start_pos, int64_t end_pos) const {
  const int64_t n = FPatternLength;
  const char16_t* pattern = FPattern.data();
  const int64_t* table = FTableUp.data();
  if (end_pos <= 0) end_pos = 1;
  // A window that begins later than this would reach past the text's end and
  // cannot match, so the search starts no later than here.
  int64_t a = std::min(start_pos, len - n + 1);
  while (a >= end_pos) {
    const char16_t* window = text + (a - 1);
    int64_t i = 0;
    char16_t c;
    for (;;) {
      c = Folded<Fold>(window[i]);
      if (c != pattern[i]) break;
      if (++i == n) return a;
    }
    int64_t s = table[c] + n - i;
    if (s < 1) s = 2;
    a -= s;
  }
  return 0;
}

int64_t TSearchBM::Search(const char16_t* MainStr, int64_t MainLen, int64_t StartPos, int64_t EndPos,
                          bool ADown) {
  if (MainStr == nullptr || MainLen <= 0 || FPatternLength <= 0) return 0;
  if (FNeedInit) InitTables();
  if (ADown) {
    return FIgCase ? SearchDown<true>(MainStr, MainLen, StartPos, EndPos)
                   : SearchDown<false>(MainStr, MainLen, StartPos, EndPos);
  }
  return FIgCase ? SearchUp<true>(MainStr, MainLen, StartPos, EndPos)
                 : SearchUp<false>(MainStr, MainLen, StartPos, EndPos);
}

}  // namespace kelp
