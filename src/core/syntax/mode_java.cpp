// Java: the C-family parser unchanged, "#" directives included.
#include "syntax/keyword_table.h"
#include "syntax/modes.h"
#include "syntax/parser_cpp.h"

namespace kelp {
namespace {
KELP_KEYWORD_TABLE(THash1, TJavaList, "java", 97, 47, false)

class TParserJava final : public TParserCpp {
 public:
  using TParserCpp::TParserCpp;
};
}  // namespace

void TModeJava::InitReserveLists() { SetLists(std::make_unique<TJavaList>()); }

std::unique_ptr<TNotePadParser> TModeJava::NewParser(TParseTarget& target) const {
  return std::make_unique<TParserJava>(target, *this);
}

}  // namespace kelp
