#pragma once
// The keys and modifier states the editor's caret logic understands. The view
// maps its toolkit's key events onto these.

#include <cstdint>

namespace kelp {

enum class TEditKey : uint8_t {
  Left,
  Right,
  Up,
  Down,
  PageUp,
  PageDown,
  Home,
  End,
  Insert,
  Delete,
  Clear,  // the Clear key and the numeric pad's 5 without Num Lock
  Other,
};

struct TShiftState {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
  bool OnlyShift() const { return Shift && !Ctrl && !Alt; }
  bool OnlyCtrl() const { return Ctrl && !Shift && !Alt; }
};

// Character codes of the character messages.
inline constexpr char16_t kCharBackspace = 8;
inline constexpr char16_t kCharTab = 9;
inline constexpr char16_t kCharEnter = 13;

// The character a character message carries: a code of 0xFF with a non-zero
// high word carries the character in that high word.
inline char16_t CharFromMessageCode(uint32_t code) {
  if ((code & 0xFFFFu) == 0xFFu && (code >> 16) != 0) return static_cast<char16_t>(code >> 16);
  return static_cast<char16_t>(code & 0xFFFFu);
}

}  // namespace kelp
