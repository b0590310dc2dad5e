// UWSC: "//" comments, "$" hexadecimal literals, double-quoted text; three
// exact, upper-case keyword lists (statements, functions, constants).
#include "syntax/keyword_table.h"
#include "syntax/modes.h"

namespace kelp {
namespace {
KELP_KEYWORD_TABLE(THash1, TUwscList, "uwsc", 103, 51, false)
KELP_KEYWORD_TABLE(THash2, TUwsc2List, "uwsc2", 233, 115, false)
KELP_KEYWORD_TABLE(THash3, TUwsc3List, "uwsc3", 223, 107, false)

class TParserUwsc final : public TNotePadParser {
 public:
  using TNotePadParser::TNotePadParser;

 protected:
  void ParseToken(bool /*AllowUrl*/) override {
    const char16_t c = FText[FParsePos];
    if (c == u'/' && At(FParsePos + 1) == u'/') {
      StepOver(1);
      ScanToken(tk::kLineComment);
    } else if (c == u'$') {
      ScanToken(tk::kHex);
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

void TModeUwsc::InitReserveLists() {
  SetLists(std::make_unique<TUwscList>(), std::make_unique<TUwsc2List>(), std::make_unique<TUwsc3List>());
}

std::unique_ptr<TNotePadParser> TModeUwsc::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserUwsc>(target, *this);
}

}  // namespace kelp
