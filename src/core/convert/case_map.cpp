#include "convert/case_map.h"

#include <locale.h>
#include <wctype.h>

namespace kelp {
namespace {

// The C.UTF-8 locale carries Unicode's case tables; without it only ASCII maps.
locale_t UnicodeLocale() {
  static const locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  return loc;
}

char32_t MapChar(char32_t c, bool upper) {
  if (c < 0x80) {
    if (upper && c >= U'a' && c <= U'z') return c - 32;
    if (!upper && c >= U'A' && c <= U'Z') return c + 32;
    return c;
  }
  const locale_t loc = UnicodeLocale();
  if (loc == static_cast<locale_t>(nullptr)) return c;
  const wint_t m = upper ? towupper_l(static_cast<wint_t>(c), loc) : towlower_l(static_cast<wint_t>(c), loc);
  // Keep the text's length: a mapping that would change the number of code
  // units (or produce a surrogate) is not applied.
  const bool wide_in = c > 0xFFFF;
  const bool wide_out = m > 0xFFFF;
  if (wide_in != wide_out || (m >= 0xD800 && m <= 0xDFFF) || m > 0x10FFFF) return c;
  return static_cast<char32_t>(m);
}

std::u16string MapText(std::u16string_view text, bool upper) {
  std::u16string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    const char16_t u = out[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < out.size() && out[i + 1] >= 0xDC00 && out[i + 1] <= 0xDFFF) {
      const char32_t c = 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(out[i + 1]) - 0xDC00);
      const char32_t m = MapChar(c, upper) - 0x10000;
      out[i] = static_cast<char16_t>(0xD800 + (m >> 10));
      out[i + 1] = static_cast<char16_t>(0xDC00 + (m & 0x3FF));
      ++i;
    } else if (u < 0xD800 || u > 0xDFFF) {
      out[i] = static_cast<char16_t>(MapChar(u, upper));
    }
  }
  return out;
}

}  // namespace

std::u16string ToUpperText(std::u16string_view text) { return MapText(text, true); }
std::u16string ToLowerText(std::u16string_view text) { return MapText(text, false); }

}  // namespace kelp
