#pragma once
// Rules shared by the small script parsers: "#" comment languages (Python,
// Ruby) and the Basic family (VBScript, Visual Basic, batch files).

#include "syntax/notepad_parser.h"

namespace kelp {

// "#" to the line end is a comment; "0x" (and, with `upperX`, "0X") opens a
// hexadecimal literal; quoted text has backslash escapes and stops at LF.
class TParserHashComment : public TNotePadParser {
 public:
  TParserHashComment(TParseTarget& target, const TNotePadMode& mode, bool upperX)
      : TNotePadParser(target, mode), FUpperX(upperX) {}

 protected:
  void ParseToken(bool AllowUrl) override;
  void ScanToken(TTokenCode Code) override;

 private:
  bool FUpperX;
};

// "REM" in any case at FParsePos, not followed by a word character.
bool IsRemAt(const char16_t* text, int64_t pos, int64_t len);

// VBScript and Visual Basic: "'" and REM comments, "#" to the line end,
// "&H" literals, double-quoted text without escapes.
class TParserVBScript : public TNotePadParser {
 public:
  using TNotePadParser::TNotePadParser;

 protected:
  void ParseToken(bool AllowUrl) override;
  void ScanToken(TTokenCode Code) override;
};

}  // namespace kelp
