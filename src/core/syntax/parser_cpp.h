#pragma once
// The C-family parser: line and block comments, quoted text with backslash
// escapes, hexadecimal literals and (in C++, C# and Java) "#" directives.
// C#, Java and JScript build on it.

#include "syntax/notepad_parser.h"

namespace kelp {

class TParserCpp : public TNotePadParser {
 public:
  using TNotePadParser::TNotePadParser;

 protected:
  void ParseToken(bool AllowUrl) override;
  void ScanToken(TTokenCode Code) override;
  // Quotes, comments, hexadecimal literals and (with `directives`) "#";
  // false if the character at FParsePos starts none of them.
  bool ParseCFamily(bool directives);
};

}  // namespace kelp
