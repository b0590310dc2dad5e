#pragma once
// Opening a file for reading its contents.

#include <cstddef>
#include <string>

namespace kelp {

// Opens `path` read-only when it is a regular file (after following links);
// -1 otherwise. Pipes, sockets and devices are refused without blocking, so
// that a grep over a folder cannot hang on a named pipe or read a device.
int OpenRegularFile(const std::string& path);

// Reads at most `limit` bytes from the start of a regular file into `bytes`;
// false when it cannot be opened (see OpenRegularFile) or read.
bool ReadRegularFile(const std::string& path, size_t limit, std::string& bytes);

}  // namespace kelp
