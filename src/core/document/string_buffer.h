#pragma once
// A growable, zero-terminated UTF-16 character buffer whose capacity only
// doubles and never shrinks. None of its operations checks indices.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kelp {

class TStringBuffer {
 public:
  explicit TStringBuffer(int64_t size = 2);

  void Append(std::u16string_view s) { Append(s.data(), static_cast<int64_t>(s.size())); }
  void Append(const char16_t* p, int64_t ALen);
  void Insert(int64_t index, const char16_t* s, int64_t ALen);
  void Remove(int64_t index, int64_t len);
  void Clear();

  std::u16string GetString() const { return std::u16string(FChars.get(), static_cast<size_t>(FLength)); }
  std::u16string GetString(int64_t start, int64_t len) const {
    return std::u16string(FChars.get() + start, static_cast<size_t>(len));
  }
  // Valid until the next operation that may grow the buffer.
  char16_t* ToPointer(int64_t index) { return FChars.get() + index; }
  const char16_t* ToPointer(int64_t index) const { return FChars.get() + index; }
  char16_t Get(int64_t Index) const { return FChars[Index]; }
  void Put(int64_t Index, char16_t C) { FChars[Index] = C; }

  int64_t StringLength() const { return FLength; }
  int64_t Capacity() const { return FCapacity; }

 private:
  void Grow(int64_t n);

  std::unique_ptr<char16_t[]> FChars;
  int64_t FCapacity = 0;
  int64_t FLength = 0;
};

}  // namespace kelp
