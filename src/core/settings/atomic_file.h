#pragma once
// Replacing a file as a whole, so that a crash while writing never leaves a
// torn file behind.

#include <string>
#include <string_view>

namespace kelp {

// Writes the bytes to a temporary file in the same folder, flushes it to disk
// and renames it over `path`. On failure the old file is left untouched and
// the temporary file is removed. An existing file keeps its permission bits.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace kelp
