#pragma once
// A growable array of untyped pointers, always followed by a null entry.
// None of its operations checks indices.

#include <cstdint>
#include <memory>

namespace kelp {

class TPointerList {
 public:
  explicit TPointerList(int64_t size = 2);

  void Add(void* p) { Insert(FLength, p); }
  void Insert(int64_t index, void* p);
  void Remove(int64_t index, int64_t len);
  void Clear();
  void* Get(int64_t Index) const { return FPointers[Index]; }
  void Put(int64_t Index, void* p) { FPointers[Index] = p; }

  int64_t Count() const { return FLength; }
  int64_t Capacity() const { return FCapacity; }

 private:
  std::unique_ptr<void*[]> FPointers;
  int64_t FCapacity = 0;
  int64_t FLength = 0;
};

}  // namespace kelp
