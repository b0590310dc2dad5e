#pragma once
// Replacing a file's contents so that a failure leaves the old contents.

#include <string>
#include <string_view>

namespace kelp {

// Writes `bytes` as the whole contents of `path`: into a new file in the same
// folder, flushed to disk, then renamed over the target (the final target of a
// symbolic link). The target's permission bits are kept; a new file gets the
// usual permissions under the umask. When the folder does not let a file be
// created, the target is rewritten in place, and its old bytes are put back if
// that write fails. A target without any write permission bit, or one the
// process may not write, is left alone. Returns false on every failure.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

// Points at which a test can make the file operations above fail.
struct WriteFaults {
  bool createTemp = false;    // creating the temporary file fails (EACCES)
  long long writeLimit = -1;  // writes fail (ENOSPC) once this many bytes are written
  bool sync = false;          // flushing to disk fails (EIO)
  bool rename = false;        // the final rename fails (EIO)
};

// Installs faults for the calls that follow (nullptr removes them). Tests only.
void SetWriteFaultsForTesting(const WriteFaults* faults);

}  // namespace kelp
