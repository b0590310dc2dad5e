// Batch files: REM comments and double-quoted text; two command lists.
#include "syntax/keyword_table.h"
#include "syntax/modes.h"
#include "syntax/parser_script.h"

namespace kelp {
namespace {
KELP_KEYWORD_TABLE(THash1, TBatList, "bat", 29, 13, true)
KELP_KEYWORD_TABLE(THash2, TBat2List, "bat2", 127, 61, true)

class TParserBat final : public TNotePadParser {
 public:
  using TNotePadParser::TNotePadParser;

 protected:
  void ParseToken(bool /*AllowUrl*/) override {
    const char16_t c = FText[FParsePos];
    if ((c == u'R' || c == u'r') && IsRemAt(FText, FParsePos, FTextLen)) {
      StepOver(2);
      ScanToken(tk::kLineComment);
    } else if (c == u'"') {
      OpenQuote(tk::kDoubleQuoted);
    } else {
      TNotePadParser::ParseToken(false);
    }
  }
  void ScanToken(TTokenCode Code) override {
    if (Code != tk::kDoubleQuoted) return TNotePadParser::ScanToken(Code);
    FToken = Code;
    ScanSimpleString(u'"');
  }
};
}  // namespace

void TModeBat::InitReserveLists() { SetLists(std::make_unique<TBatList>(), std::make_unique<TBat2List>()); }

std::unique_ptr<TNotePadParser> TModeBat::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserBat>(target, *this);
}

}  // namespace kelp
