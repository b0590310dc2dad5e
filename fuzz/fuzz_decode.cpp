// Every decoder of the reader on arbitrary bytes: the first byte picks the
// TFileCode, the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "encoding/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  auto code = static_cast<kelp::TFileCode>(data[0] % kelp::kFileCodeCount);
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  bool hadNul = false;
  const std::u16string text = kelp::DecodeText(bytes, code, (data[0] & 0x80) != 0, hadNul);
  // Outside UTF-7, no decoder makes more code units than there are bytes.
  if (code != kelp::fcUTF7 && text.size() > bytes.size()) __builtin_trap();
  return 0;
}
