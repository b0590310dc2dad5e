#pragma once
// The fixed class of every UTF-16 code unit, and the small ASCII character
// sets the scanners use. A class doubles as the token code of a character
// that no language rule claims.

#include <array>
#include <cstdint>

namespace kelp {

// 65,536 one-byte classes, indexed by the code unit.
extern const std::array<uint8_t, 65536> CharClass;

namespace chars {

inline constexpr char16_t kLF = u'\n';

inline bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
inline bool IsHexDigit(char16_t c) {
  return IsDigit(c) || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}
// "A"-"Z", "_", "a"-"z".
inline bool IsLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_'; }
// Word characters: letters, "_" and digits.
inline bool IsWordChar(char16_t c) { return IsLetter(c) || IsDigit(c); }
// Characters that may follow a URL scheme and make up its body.
bool IsUrlChar(char16_t c);

}  // namespace chars
}  // namespace kelp
