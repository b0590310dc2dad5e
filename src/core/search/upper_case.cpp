#include "search/upper_case.h"

#include <cstdint>

namespace kelp {
namespace {

struct UpperRun {
  char16_t first;
  char16_t last;
  int32_t delta;
  int32_t stride;
};

constexpr UpperRun kUpperRuns[] = {
#include "search/upper_case_ranges.inc"
};

constexpr std::array<char16_t, 65536> BuildUpperTable() {
  std::array<char16_t, 65536> table{};
  for (uint32_t c = 0; c < table.size(); ++c) table[c] = static_cast<char16_t>(c);
  for (const UpperRun& run : kUpperRuns) {
    for (uint32_t c = run.first; c <= run.last; c += static_cast<uint32_t>(run.stride)) {
      table[c] = static_cast<char16_t>(static_cast<int32_t>(c) + run.delta);
    }
  }
  return table;
}

}  // namespace

constinit const std::array<char16_t, 65536> kUpperCaseUnits = BuildUpperTable();

void UpperCaseInPlace(std::u16string& s) {
  for (char16_t& c : s) c = UpperCaseUnit(c);
}

}  // namespace kelp
