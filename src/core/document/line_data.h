#pragma once
// The small value records shared by the whole editor: display lines, line
// ends, caret positions and point pairs.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
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

// The parser data a display line carries to the next one (for example a
// here-document terminator). It reads and assigns like a std::u16string but
// costs one pointer while empty, which almost every line is.
class TParseDataString {
 public:
  TParseDataString() = default;
  TParseDataString(std::u16string_view s) { Assign(s); }
  TParseDataString(const std::u16string& s) { Assign(s); }
  TParseDataString(const char16_t* s) { Assign(s); }
  TParseDataString(const TParseDataString& o) { Assign(o.view()); }
  TParseDataString(TParseDataString&& o) noexcept : p_(std::move(o.p_)) {}
  TParseDataString& operator=(const TParseDataString& o) {
    if (this != &o) Assign(o.view());
    return *this;
  }
  TParseDataString& operator=(TParseDataString&& o) noexcept {
    p_ = std::move(o.p_);
    return *this;
  }
  TParseDataString& operator=(std::u16string_view s) {
    Assign(s);
    return *this;
  }
  TParseDataString& operator=(const std::u16string& s) {
    Assign(s);
    return *this;
  }
  TParseDataString& operator=(const char16_t* s) {
    Assign(s);
    return *this;
  }

  std::u16string_view view() const { return p_ ? std::u16string_view(*p_) : std::u16string_view(); }
  std::u16string str() const { return p_ ? *p_ : std::u16string(); }
  operator std::u16string_view() const { return view(); }
  operator std::u16string() const { return str(); }
  bool empty() const { return !p_ || p_->empty(); }
  size_t size() const { return p_ ? p_->size() : 0; }
  size_t length() const { return size(); }
  const char16_t* data() const { return p_ ? p_->data() : u""; }
  char16_t operator[](size_t i) const { return (*p_)[i]; }
  void clear() { p_.reset(); }

  friend bool operator==(const TParseDataString& a, const TParseDataString& b) {
    return a.view() == b.view();
  }
  friend bool operator==(const TParseDataString& a, std::u16string_view b) { return a.view() == b; }
  friend bool operator==(const TParseDataString& a, const std::u16string& b) { return a.view() == b; }
  friend bool operator==(const TParseDataString& a, const char16_t* b) { return a.view() == b; }

 private:
  void Assign(std::u16string_view s) {
    if (s.empty()) {
      p_.reset();
    } else {
      p_ = std::make_unique<std::u16string>(s);
    }
  }
  std::unique_ptr<std::u16string> p_;
};

// One display line: a window onto the document's buffer plus the syntax
// parser's state at its end. The one-byte and 16-bit fields come first so that
// a record takes 32 bytes.
struct TLineData {
  bool NeedWrap = false;  // edited; must be re-wrapped before it is trusted again
  TLineEnd LineEnd = leNone;
  char16_t EndToken = 0;             // parser state at the end of the line
  char16_t EndElement = 0;           // parser element state at the end of the line
  char16_t PrevToken = 0;            // parser's previous-token state at the end of the line
  int64_t Start = 0;                 // buffer offset of the first character
  int64_t Length = 0;                // characters, not counting the LF of an leLF line
  TParseDataString ParseDataString;  // parser data carried to the next line
};
static_assert(sizeof(TLineData) == 32);

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
