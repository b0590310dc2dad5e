// DetectCode and the byte-order sniff on arbitrary bytes; DetectCode must
// agree with the plain transcription of its rules.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "detect_reference.h"
#include "encoding/byte_order.h"
#include "encoding/detect_code.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const int r = kelp::DetectCode(bytes);
  if (r < 0 || r > 6) __builtin_trap();
  if (r != kelp::reference::ReferenceDetectCode(bytes, size)) __builtin_trap();
  // A prefix is examined the same way as data of that length.
  const size_t half = size / 2;
  if (kelp::DetectCode(bytes, half) != kelp::DetectCode(bytes.substr(0, half))) __builtin_trap();
  kelp::SniffByteOrder(bytes);
  return 0;
}
