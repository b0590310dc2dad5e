#pragma once
// Opening a file for reading its contents.

#include <string>

namespace kelp {

// Opens `path` read-only when it is a regular file (after following links);
// -1 otherwise. Pipes, sockets and devices are refused without blocking, so
// that a grep over a folder cannot hang on a named pipe or read a device.
int OpenRegularFile(const std::string& path);

}  // namespace kelp
