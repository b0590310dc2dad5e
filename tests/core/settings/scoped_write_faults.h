#pragma once
// Makes file writes fail for the scope's duration.

#include "encoding/safe_write.h"

namespace kelp::testing {

class ScopedWriteFaults {
 public:
  explicit ScopedWriteFaults(const WriteFaults& faults) : faults_(faults) {
    SetWriteFaultsForTesting(&faults_);
  }
  ~ScopedWriteFaults() { SetWriteFaultsForTesting(nullptr); }
  ScopedWriteFaults(const ScopedWriteFaults&) = delete;
  ScopedWriteFaults& operator=(const ScopedWriteFaults&) = delete;

 private:
  WriteFaults faults_;
};

}  // namespace kelp::testing
