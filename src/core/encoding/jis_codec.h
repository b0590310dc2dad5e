#pragma once
// The editor's own ISO-2022-JP codec. Decoding understands JIS X 0208 (with the
// extension rows up to 0x98), JIS X 0212, half-width katakana by SO/SI and by
// ESC ( I, and 8-bit katakana bytes; encoding goes through code page 932.

#include <string>
#include <string_view>

namespace kelp {

std::u16string JisToUnicode(std::string_view bytes);

// Half-width katakana are widened (with a following voicing mark merged), and
// U+0080 and U+F8F0 to U+F8F3 become "?". A character code page 932 cannot
// hold becomes "?" and sets *usedDefault.
std::string UnicodeToJis(std::u16string_view text, bool* usedDefault = nullptr);

}  // namespace kelp
