#pragma once
// TLineParser: finds the token of one logical line that covers a position,
// for selecting the word under the pointer or opening the link under it.
// It splits the line with the character classes and the URL schemes of the
// syntax layer, whatever the document's syntax mode.

#include <cstdint>
#include <string>
#include <string_view>

#include "syntax/token_codes.h"

namespace kelp {

class TLineParser {
 public:
  TLineParser(std::u16string_view linestring, int64_t position);

  int64_t Start() const { return FStart; }
  int64_t Length() const { return FLength; }
  int64_t Previous() const { return FPrevious; }
  TTokenCode Token() const { return FToken; }
  // The token found is a link.
  bool GetCanJump() const;

 private:
  void ReadToken();
  bool ReadUrl();
  int64_t Len() const { return static_cast<int64_t>(FString.size()); }

  std::u16string FString;
  int64_t FParsePos = 0;
  int64_t FParseEnd = 0;
  int64_t FStart = 0;
  int64_t FLength = 0;
  int64_t FPrevious = 0;
  TTokenCode FToken = 0;
};

}  // namespace kelp
