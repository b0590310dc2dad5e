#pragma once
// Whole-file byte access for the layers that do not decode text themselves.

#include <optional>
#include <string>

namespace kelp {

// Reads the whole file; nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

}  // namespace kelp
