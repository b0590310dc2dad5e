// C++: the C-family parser with the C++ keywords.
#include "syntax/keyword_table.h"
#include "syntax/modes.h"
#include "syntax/parser_cpp.h"

namespace kelp {
namespace {
KELP_KEYWORD_TABLE(THash1, TCppList, "cpp", 101, 48, false)
}  // namespace

bool TParserCpp::ParseCFamily(bool directives) {
  const char16_t c = FText[FParsePos];
  const bool hasD = InText(FParsePos + 1);
  const char16_t d = hasD ? FText[FParsePos + 1] : char16_t(0);
  switch (c) {
    case u'"':
      OpenQuote(tk::kDoubleQuoted);
      return true;
    case u'\'':
      OpenQuote(tk::kSingleQuoted);
      return true;
    case u'#':
      if (!directives) return false;
      ScanToken(tk::kDirective);
      return true;
    case u'/':
      if (d == u'/') {
        StepOver(1);
        ScanToken(tk::kLineComment);
        return true;
      }
      if (d == u'*') {
        StepOver(1);
        ScanToken(tk::kBlockOpener);
        return true;
      }
      return false;
    case u'0':
      if (d == u'x' || d == u'X') {
        StepOver(1);
        ScanToken(tk::kHex);
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TParserCpp::ParseToken(bool /*AllowUrl*/) {
  if (FToken == tk::kBlockOpener) {
    ScanToken(tk::kBlockComment);
    return;
  }
  if (!ParseCFamily(true)) TNotePadParser::ParseToken(false);
}

void TParserCpp::ScanToken(TTokenCode Code) {
  if (!ScanEscapedQuote(Code, false)) TNotePadParser::ScanToken(Code);
}

void TModeCpp::InitReserveLists() { SetLists(std::make_unique<TCppList>()); }

std::unique_ptr<TNotePadParser> TModeCpp::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserCpp>(target, *this);
}

}  // namespace kelp
