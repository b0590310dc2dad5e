#include "document/pointer_list.h"

#include <algorithm>
#include <cstring>

namespace kelp {

TPointerList::TPointerList(int64_t size) : FCapacity(std::max<int64_t>(size, 2)) {
  FPointers = std::make_unique<void*[]>(static_cast<size_t>(FCapacity));
  FPointers[0] = nullptr;
}

void TPointerList::Insert(int64_t index, void* p) {
  int64_t c = FCapacity;
  while (c < FLength + 2) c *= 2;
  if (c > FCapacity) {
    auto fresh = std::make_unique<void*[]>(static_cast<size_t>(c));
    std::memcpy(fresh.get(), FPointers.get(), static_cast<size_t>(FLength + 1) * sizeof(void*));
    FPointers = std::move(fresh);
    FCapacity = c;
  }
  std::memmove(FPointers.get() + index + 1, FPointers.get() + index,
               static_cast<size_t>(FLength - index + 1) * sizeof(void*));
  FPointers[index] = p;
  ++FLength;
}

void TPointerList::Remove(int64_t index, int64_t len) {
  std::memmove(FPointers.get() + index, FPointers.get() + index + len,
               static_cast<size_t>(FLength - index - len + 1) * sizeof(void*));
  FLength -= len;
}

void TPointerList::Clear() {
  FLength = 0;
  FPointers[0] = nullptr;
}

}  // namespace kelp
