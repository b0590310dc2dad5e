// The ISO-2022-JP codec: decoding arbitrary bytes, and encoding arbitrary
// UTF-16; a representable text without half-width katakana (which are widened
// on purpose) must read back unchanged, and the output is 7-bit except for
// the user-defined rows 0x7F to 0x92.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "encoding/code_page_mask.h"
#include "encoding/jis_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string decoded = kelp::JisToUnicode(bytes);
  if (decoded.size() > bytes.size()) __builtin_trap();

  std::u16string text(size / 2, u'\0');
  std::memcpy(text.data(), data, text.size() * 2);
  const std::string encoded = kelp::UnicodeToJis(text);
  bool userDefined = false;
  for (char16_t c : text) userDefined = userDefined || (c >= 0xE000 && c <= 0xE757);
  for (unsigned char b : encoded)
    if (b >= 0x80 && (!userDefined || b > 0x92)) __builtin_trap();
  bool kana = false;
  for (char16_t c : text) kana = kana || (c >= 0xFF61 && c <= 0xFF9F);
  // Control characters SO, SI and ESC in the text are read back as shifts.
  bool shifts = false;
  for (char16_t c : text) shifts = shifts || c == 0x0E || c == 0x0F || c == 0x1B;
  if (!kana && !shifts && kelp::IsRepresentable(text, kelp::fcJIS) && kelp::JisToUnicode(encoded) != text)
    __builtin_trap();
  return 0;
}
