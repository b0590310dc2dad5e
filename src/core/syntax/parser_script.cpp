#include "syntax/parser_script.h"

namespace kelp {

void TParserHashComment::ParseToken(bool /*AllowUrl*/) {
  const char16_t c = FText[FParsePos];
  const char16_t d = At(FParsePos + 1);
  if (c == u'#') {
    ScanToken(tk::kLineComment);
  } else if (c == u'0' && (d == u'x' || (FUpperX && d == u'X'))) {
    StepOver(1);
    ScanToken(tk::kHex);
  } else if (c == u'\'') {
    OpenQuote(tk::kSingleQuoted);
  } else if (c == u'"') {
    OpenQuote(tk::kDoubleQuoted);
  } else {
    TNotePadParser::ParseToken(false);
  }
}

void TParserHashComment::ScanToken(TTokenCode Code) {
  if (!ScanEscapedQuote(Code, false)) TNotePadParser::ScanToken(Code);
}

bool IsRemAt(const char16_t* text, int64_t pos, int64_t len) {
  if (pos + 3 > len) return false;
  if ((text[pos] | 0x20) != u'r' || (text[pos + 1] | 0x20) != u'e' || (text[pos + 2] | 0x20) != u'm')
    return false;
  return pos + 3 >= len || !chars::IsWordChar(text[pos + 3]);
}

void TParserVBScript::ParseToken(bool /*AllowUrl*/) {
  const char16_t c = FText[FParsePos];
  if (c == u'\'') {
    ScanToken(tk::kLineComment);
  } else if (c == u'#') {
    ScanToken(tk::kDirective);
  } else if (c == u'&' && (At(FParsePos + 1) == u'H' || At(FParsePos + 1) == u'h')) {
    StepOver(1);
    ScanToken(tk::kHex);
  } else if ((c == u'R' || c == u'r') && IsRemAt(FText, FParsePos, FTextLen)) {
    StepOver(2);
    ScanToken(tk::kLineComment);
  } else if (c == u'"') {
    OpenQuote(tk::kDoubleQuoted);
  } else {
    TNotePadParser::ParseToken(false);
  }
}

void TParserVBScript::ScanToken(TTokenCode Code) {
  if (Code != tk::kDoubleQuoted) return TNotePadParser::ScanToken(Code);
  FToken = Code;
  ScanSimpleString(u'"');
}

}  // namespace kelp
