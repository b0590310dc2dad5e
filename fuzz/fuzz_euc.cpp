// The EUC-JP codec: decoding arbitrary bytes, and encoding arbitrary UTF-16;
// a text the representability test accepts must read back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "encoding/code_page_mask.h"
#include "encoding/euc_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string decoded = kelp::EucToUnicode(bytes);
  if (decoded.size() > bytes.size()) __builtin_trap();

  std::u16string text(size / 2, u'\0');
  std::memcpy(text.data(), data, text.size() * 2);
  const std::string encoded = kelp::UnicodeToEuc(text);
  if (encoded.size() > 3 * text.size()) __builtin_trap();
  if (kelp::IsRepresentable(text, kelp::fcEUC) && kelp::EucToUnicode(encoded) != text) __builtin_trap();
  return 0;
}
