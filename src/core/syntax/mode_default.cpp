// Plain text: words of letters only (digits split them), links.
#include "syntax/modes.h"

namespace kelp {
namespace {

class TParserDefault final : public TNotePadParser {
 public:
  using TNotePadParser::TNotePadParser;

 protected:
  void ScanToken(TTokenCode Code) override {
    if (Code == tk::kWord) {
      FToken = Code;
      ScanRun(chars::IsLetter);
      return;
    }
    TNotePadParser::ScanToken(Code);
  }
};

}  // namespace

void TModeDefault::InitReserveLists() { SetLists(nullptr); }

std::unique_ptr<TNotePadParser> TModeDefault::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserDefault>(target, *this);
}

}  // namespace kelp
