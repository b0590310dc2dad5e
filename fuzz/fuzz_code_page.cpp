// The iconv layer in both directions; the first byte picks the code page.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "encoding/code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static constexpr int kPages[] = {932, 936, 949, 950, 1251, 1252, kelp::kCodePageUtf7, kelp::kCodePageUtf8};
  const int page = kPages[data[0] % 8];
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  kelp::CodePageToUnicode(page, bytes);

  std::u16string text(bytes.size() / 2, u'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * 2);
  bool used = false;
  const std::string encoded = kelp::UnicodeToCodePage(page, text, &used);
  // Without a replacement, the text reads back unchanged.
  if (!used && kelp::CodePageToUnicode(page, encoded) != text) __builtin_trap();
  return 0;
}
