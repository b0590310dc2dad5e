#include "document/string_buffer.h"

#include <algorithm>
#include <cstring>

namespace kelp {

TStringBuffer::TStringBuffer(int64_t size) : FCapacity(std::max<int64_t>(size, 2)) {
  FChars = std::make_unique<char16_t[]>(static_cast<size_t>(FCapacity));
  FChars[0] = 0;
}

// Doubles the capacity until the text, n more units and the terminator fit.
void TStringBuffer::Grow(int64_t n) {
  int64_t c = FCapacity;
  while (c < FLength + n + 1) c *= 2;
  if (c > FCapacity) {
    auto fresh = std::make_unique<char16_t[]>(static_cast<size_t>(c));
    std::memcpy(fresh.get(), FChars.get(), static_cast<size_t>(FLength + 1) * sizeof(char16_t));
    FChars = std::move(fresh);
    FCapacity = c;
  }
}

void TStringBuffer::Append(const char16_t* p, int64_t ALen) {
  Grow(ALen);
  if (ALen > 0) std::memcpy(FChars.get() + FLength, p, static_cast<size_t>(ALen) * sizeof(char16_t));
  FLength += ALen;
  FChars[FLength] = 0;
}

void TStringBuffer::Insert(int64_t index, const char16_t* s, int64_t ALen) {
  Grow(ALen);
  std::memmove(FChars.get() + index + ALen, FChars.get() + index,
               static_cast<size_t>(FLength - index + 1) * sizeof(char16_t));
  if (ALen > 0) std::memcpy(FChars.get() + index, s, static_cast<size_t>(ALen) * sizeof(char16_t));
  FLength += ALen;
}

void TStringBuffer::Remove(int64_t index, int64_t len) {
  std::memmove(FChars.get() + index, FChars.get() + index + len,
               static_cast<size_t>(FLength - index - len + 1) * sizeof(char16_t));
  FLength -= len;
}

void TStringBuffer::Clear() {
  FLength = 0;
  FChars[0] = 0;
}

}  // namespace kelp
