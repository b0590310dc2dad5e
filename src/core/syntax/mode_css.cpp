// CSS: property names (words may hold "-") from the keyword table, strings
// and block comments.
#include "syntax/keyword_table.h"
#include "syntax/modes.h"
#include "syntax/parser_cpp.h"

namespace kelp {
namespace {
KELP_KEYWORD_TABLE(THash1, TCssList, "css", 313, 155, true)

bool IsCssWordChar(char16_t c) { return chars::IsWordChar(c) || c == u'-'; }

class TParserCss final : public TParserCpp {
 public:
  using TParserCpp::TParserCpp;

 protected:
  void ParseToken(bool /*AllowUrl*/) override {
    if (FToken == tk::kBlockOpener) {
      ScanToken(tk::kBlockComment);
      return;
    }
    const char16_t c = FText[FParsePos];
    if (c == u'"') {
      OpenQuote(tk::kDoubleQuoted);
    } else if (c == u'\'') {
      OpenQuote(tk::kSingleQuoted);
    } else if (c == u'/' && At(FParsePos + 1) == u'*') {
      StepOver(1);
      ScanToken(tk::kBlockOpener);
    } else {
      TNotePadParser::ParseToken(false);
    }
  }
  void ScanToken(TTokenCode Code) override {
    switch (Code) {
      case tk::kWord:
        FToken = Code;
        ScanRun(IsCssWordChar);
        return;
      case tk::kSingleQuoted:
      case tk::kDoubleQuoted:
      case tk::kSingleEscState:
      case tk::kDoubleEscState:
      case tk::kBlockComment:
      case tk::kBlockOpener:
      case tk::kBlockStarState:
        TParserCpp::ScanToken(Code);
        return;
      default:
        TNotePadParser::ScanToken(Code);
    }
  }
};
}  // namespace

void TModeCss::InitReserveLists() { SetLists(std::make_unique<TCssList>()); }

std::unique_ptr<TNotePadParser> TModeCss::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserCss>(target, *this);
}

}  // namespace kelp
