#include "encoding/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace kelp {

int OpenRegularFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return -1;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return -1;
  }
  // Regular files ignore the flag, but take it off for clarity.
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

bool ReadRegularFile(const std::string& path, size_t limit, std::string& bytes) {
  bytes.clear();
  const int fd = OpenRegularFile(path);
  if (fd < 0) return false;
  struct stat st;
  const size_t expected = fstat(fd, &st) == 0 && st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0;
  bytes.resize(std::min(expected, limit));
  size_t got = 0;
  bool ok = true;
  while (got < limit) {
    if (got == bytes.size()) bytes.resize(std::min(limit, std::max<size_t>(bytes.size() * 2, 1 << 16)));
    const ssize_t r = read(fd, bytes.data() + got, bytes.size() - got);
    if (r < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    if (r == 0) break;
    got += static_cast<size_t>(r);
  }
  close(fd);
  bytes.resize(ok ? got : 0);
  return ok;
}

}  // namespace kelp
