#pragma once
// TSearchBM: literal search in UTF-16 text, forwards or backwards, with or
// without regard to case, by the bad-character rule of Boyer-Moore. One shift
// table per direction is indexed directly by the 16-bit code unit; the tables
// come zeroed with the object and only the entries of the previous pattern are
// cleared when the pattern changes, so setting up a pattern costs time in
// proportion to the pattern. Positions are 1-based; 0 means "not found".
//
// An instance is used by one thread at a time.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelp {

class TSearchBM {
 public:
  TSearchBM();

  const std::u16string& SubStr() const { return FSubStr; }
  void SetSubStr(std::u16string_view value);

  bool IgCase() const { return FIgCase; }
  void SetIgCase(bool value);

  // True while the shift tables wait to be rebuilt by the next Search.
  bool NeedInit() const { return FNeedInit; }

  // Forward (ADown true): the leftmost match that begins after the first
  // StartPos characters and ends at or before 1-based position EndPos (cut to
  // MainLen). Backward: the rightmost match that begins at a 1-based position
  // from StartPos down to EndPos (EndPos of 0 or less counts as 1). A match
  // never reaches beyond MainLen. Returns the 1-based position of the match's
  // first character, or 0.
  int64_t Search(const char16_t* MainStr, int64_t MainLen, int64_t StartPos, int64_t EndPos, bool ADown);

 private:
  void InitTables();
  template <bool Fold>
  int64_t SearchDown(const char16_t* text, int64_t len, int64_t start_pos, int64_t end_pos) const;
  template <bool Fold>
  int64_t SearchUp(const char16_t* text, int64_t len, int64_t start_pos, int64_t end_pos) const;

  std::u16string FPattern;  // FSubStr as compared: upper-cased when FIgCase
  int64_t FPatternLength = 0;
  std::u16string FSubStr;
  std::u16string FSaveString;  // the pattern the tables were last built for
  std::vector<int64_t> FTableDown;
  std::vector<int64_t> FTableUp;
  bool FIgCase = true;
  bool FNeedInit = false;
};

}  // namespace kelp
