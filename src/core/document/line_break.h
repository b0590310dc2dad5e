#pragma once
// Line-breaking classes of UTF-16 code units and the rule that decides whether
// a display line may break between two characters.

#include <cstdint>

namespace kelp {

enum : uint8_t {
  lbAny = 0,          // breaks anywhere (ideographs, kana, Hangul, unlisted)
  lbWord = 1,         // no break between two word characters
  lbOpening = 2,      // no break after it
  lbClosing = 4,      // no break before it
  lbSpace = 8,        // space
  lbNonStarter = 16,  // no break before it unless it follows a space
  lbPostfix = 64,     // no break between a digit and it
  lbPrefix = 128,     // no break between it and a digit
  lbInfix = 132,      // prefix and closing together
};

// The class of code unit c.
uint8_t LineBreakClass(char16_t c);

// Hanging punctuation: ideographic comma and full stop, full and half width.
inline bool IsHangingPunctuation(char16_t c) {
  return c == 0x3001 || c == 0x3002 || c == 0xFF61 || c == 0xFF64;
}

// Whether a display line may end after c when n follows.
bool BreakAllowed(char16_t c, char16_t n);

}  // namespace kelp
