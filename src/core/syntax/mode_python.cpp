// Python: "#" comments, "0x"/"0X" literals, quoted text with escapes.
#include "syntax/keyword_table.h"
#include "syntax/modes.h"
#include "syntax/parser_script.h"

namespace kelp {
namespace {
KELP_KEYWORD_TABLE(THash1, TPythonList, "python", 59, 28, false)

class TParserPython final : public TParserHashComment {
 public:
  TParserPython(TParseTarget& target, const TNotePadMode& mode) : TParserHashComment(target, mode, true) {}
};
}  // namespace

void TModePython::InitReserveLists() { SetLists(std::make_unique<TPythonList>()); }

std::unique_ptr<TNotePadParser> TModePython::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserPython>(target, *this);
}

}  // namespace kelp
