// Delphi: "{ }", "(* *)" and "//" comments, "$" hexadecimal literals,
// character codes "#13" and "#$0D", apostrophe strings.
#include "syntax/keyword_table.h"
#include "syntax/modes.h"

namespace kelp {
namespace {
KELP_KEYWORD_TABLE(THash1, TDelphiList, "delphi", 197, 97, true)

class TParserDelphi final : public TNotePadParser {
 public:
  using TNotePadParser::TNotePadParser;

 protected:
  void ParseToken(bool /*AllowUrl*/) override {
    if (FToken == tk::kParenOpener) {
      ScanToken(tk::kParenComment);
      return;
    }
    const char16_t c = FText[FParsePos];
    const char16_t d = At(FParsePos + 1);
    if (c == u'(' && d == u'*') {
      StepOver(1);
      ScanToken(tk::kParenOpener);
    } else if (c == u'/' && d == u'/') {
      StepOver(1);
      ScanToken(tk::kLineComment);
    } else if (c == u'{') {
      ScanToken(tk::kBraceComment);
    } else if (c == u'$') {
      ScanToken(tk::kHex);
    } else if (c == u'#' && d == u'$') {
      StepOver(1);
      ScanToken(tk::kHexCharCode);
    } else if (c == u'#') {
      ScanToken(tk::kCharCode);
    } else if (c == u'\'') {
      OpenQuote(tk::kSingleQuoted);
    } else {
      TNotePadParser::ParseToken(false);
    }
  }
  void ScanToken(TTokenCode Code) override {
    switch (Code) {
      case tk::kHexCharCode:
        FToken = Code;
        ScanRun(chars::IsHexDigit);
        return;
      case tk::kCharCode:
        FToken = Code;
        ScanRun(chars::IsDigit);
        return;
      case tk::kSingleQuoted:
        FToken = Code;
        ScanSimpleString(u'\'');
        return;
      case tk::kBraceComment:
        FToken = Code;
        ScanThroughQuote(u'}');
        return;
      case tk::kParenOpener:
        FToken = Code;
        ScanOpener(u"(*", tk::kParenComment);
        return;
      case tk::kParenComment:
      case tk::kParenStarState:
        FToken = tk::kParenComment;
        ScanBlockComment(u')', tk::kParenStarState, Code == tk::kParenStarState);
        return;
      default:
        TNotePadParser::ScanToken(Code);
    }
  }
};
}  // namespace

void TModeDelphi::InitReserveLists() { SetLists(std::make_unique<TDelphiList>()); }

std::unique_ptr<TNotePadParser> TModeDelphi::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserDelphi>(target, *this);
}

}  // namespace kelp
