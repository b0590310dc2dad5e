#pragma once
// What a parser reads and writes: the display lines of a document and the
// text they are windows onto. The parser reads characters by absolute
// offset and writes its end state into the line records.

#include <cstdint>

#include "document/line_data.h"

namespace kelp {

class TParseTarget {
 public:
  virtual ~TParseTarget() = default;
  // Number of display lines (at least one).
  virtual int64_t LineCount() const = 0;
  // The record of display line `index` (0 <= index < LineCount()).
  virtual TLineData* LineAt(int64_t index) = 0;
  // The whole text; valid until the text next changes.
  virtual const char16_t* Chars() const = 0;
  virtual int64_t CharCount() const = 0;
};

}  // namespace kelp
