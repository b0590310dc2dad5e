#pragma once
// The small value records shared by the whole editor: display lines, line
// ends, caret positions and point pairs.

#include <cstdint>
#include <string>
#include <vector>

namespace kelp {

// How a display line ends.
enum TLineEnd : uint8_t {
  leNone = 0,  // the line ends the text; only the last display line has it
  leWrap = 1,  // soft break made by wrapping; no character between this line and the next
  leLF = 2,    // hard break; one LF stands in the buffer right after the line's last character
};

// The line-end convention of the document's file.
enum TLineEnds : uint8_t {
  lsCR = 0,
  lsLF = 1,
  lsCRLF = 2,
};

// One display line: a window onto the document's buffer plus the syntax
// parser's state at its end.
struct TLineData {
  bool NeedWrap = false;  // edited; must be re-wrapped before it is trusted again
  TLineEnd LineEnd = leNone;
  int64_t Start = 0;               // buffer offset of the first character
  int64_t Length = 0;              // characters, not counting the LF of an leLF line
  char16_t EndToken = 0;           // parser state at the end of the line
  char16_t EndElement = 0;         // parser element state at the end of the line
  std::u16string ParseDataString;  // parser data carried to the next line
  char16_t PrevToken = 0;          // parser's previous-token state at the end of the line
};

// One end of the selection.
struct TCaretPosition {
  int64_t Position = 0;  // absolute offset in the buffer
  int64_t X = 0;         // offset within its display line, 0 to that line's Length
  int64_t Y = 0;         // display line index
  friend bool operator==(const TCaretPosition&, const TCaretPosition&) = default;
};

struct TNativePoint {
  int64_t X = 0;
  int64_t Y = 0;
  friend bool operator==(const TNativePoint&, const TNativePoint&) = default;
};

inline TNativePoint NativePoint(int64_t x, int64_t y) { return {x, y}; }

// From a packed pair of 32-bit signed integers: the low half is X, the high half Y.
inline TNativePoint NativePointFromPacked(int64_t packed) {
  const auto u = static_cast<uint64_t>(packed);
  return {static_cast<int32_t>(static_cast<uint32_t>(u & 0xFFFFFFFFu)),
          static_cast<int32_t>(static_cast<uint32_t>(u >> 32))};
}

// A growable array of 64-bit integers (the document's marks).
using AInteger = std::vector<int64_t>;

}  // namespace kelp
