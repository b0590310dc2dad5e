#include "encoding/safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace kelp {

namespace {

std::atomic<const WriteFaults*> g_faults{nullptr};

const WriteFaults* Faults() { return g_faults.load(std::memory_order_relaxed); }

std::string DirName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links to the path that really holds the contents (which
// may not exist yet). Gives up after 40 links, like the kernel.
bool ResolveTarget(const std::string& path, std::string& target) {
  target = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (lstat(target.c_str(), &st) != 0) return errno == ENOENT;
    if (!S_ISLNK(st.st_mode)) return true;
    std::vector<char> buf(PATH_MAX + 1);
    const ssize_t n = readlink(target.c_str(), buf.data(), buf.size() - 1);
    if (n < 0) return false;
    std::string link(buf.data(), static_cast<size_t>(n));
    target = link.starts_with('/') ? link : DirName(target) + "/" + link;
  }
  return false;
}

bool WriteAll(int fd, std::string_view bytes, long long& written) {
  const WriteFaults* faults = Faults();
  size_t done = 0;
  while (done < bytes.size()) {
    size_t chunk = bytes.size() - done;
    if (chunk > (1u << 30)) chunk = 1u << 30;
    if (faults && faults->writeLimit >= 0) {
      const long long room = faults->writeLimit - written;
      if (room <= 0) {
        errno = ENOSPC;
        return false;
      }
      if (static_cast<long long>(chunk) > room) chunk = static_cast<size_t>(room);
    }
    const ssize_t r = write(fd, bytes.data() + done, chunk);
    if (r < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(r);
    written += r;
  }
  return true;
}

bool Sync(int fd) {
  const WriteFaults* faults = Faults();
  if (faults && faults->sync) {
    errno = EIO;
    return false;
  }
  return fsync(fd) == 0;
}

// Creates a new, unique file in `dir` with the permission bits `mode` (the
// umask applies, as to any new file).
int CreateTemp(const std::string& dir, const std::string& base, mode_t mode, std::string& tempPath) {
  const WriteFaults* faults = Faults();
  if (faults && faults->createTemp) {
    errno = EACCES;
    return -1;
  }
  static std::atomic<unsigned> counter{0};
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "%08x%04x", random(), counter.fetch_add(1) & 0xFFFF);
    const std::string candidate = dir + "/." + base + ".kelp-" + suffix;
    const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) {
      tempPath = candidate;
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  errno = EEXIST;
  return -1;
}

bool ReadAll(int fd, std::string& out) {
  char buf[1 << 16];
  for (;;) {
    const ssize_t r = read(fd, buf, sizeof buf);
    if (r < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (r == 0) return true;
    out.append(buf, static_cast<size_t>(r));
  }
}

// Rewrites the file itself, for folders where no new file can be made. The
// old contents are kept in memory and written back if the new ones fail.
bool WriteInPlace(const std::string& target, bool exists, std::string_view bytes) {
  const int fd = open(target.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  std::string old;
  if (exists && !ReadAll(fd, old)) {
    close(fd);
    return false;
  }
  long long written = 0;
  bool ok = lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, bytes, written) &&
            ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && Sync(fd);
  if (!ok && written > 0) {
    // Put the old bytes back; the fault hooks do not apply to this repair.
    const WriteFaults* faults = g_faults.exchange(nullptr);
    long long again = 0;
    if (lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, old, again)) {
      if (ftruncate(fd, static_cast<off_t>(old.size())) == 0) fsync(fd);
    }
    g_faults.store(faults);
  }
  close(fd);
  return ok;
}

}  // namespace

void SetWriteFaultsForTesting(const WriteFaults* faults) { g_faults.store(faults); }

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
  if (path.empty()) return false;
  std::string target;
  if (!ResolveTarget(path, target)) return false;

  struct stat st;
  const bool exists = stat(target.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) return false;
  if (exists) {
    if (S_ISDIR(st.st_mode)) return false;
    // A file nobody may write is read-only, also for a privileged user.
    if ((st.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0) return false;
    // Pipes, devices and the like cannot be replaced; write them as they are.
    if (!S_ISREG(st.st_mode)) {
      const int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC);
      if (fd < 0) return false;
      long long written = 0;
      const bool ok = WriteAll(fd, bytes, written);
      return close(fd) == 0 && ok;
    }
  }

  const std::string dir = DirName(target);
  std::string temp;
  // Until it gets the original's bits, the new contents are readable by the
  // owner only; a new file gets the usual bits under the umask.
  const int fd = CreateTemp(dir, BaseName(target), exists ? 0600 : 0666, temp);
  if (fd < 0) {
    if (errno == EACCES || errno == EPERM || errno == EROFS) return WriteInPlace(target, exists, bytes);
    return false;
  }
  long long written = 0;
  bool ok = WriteAll(fd, bytes, written);
  if (ok && exists) {
    if (fchown(fd, st.st_uid, st.st_gid) != 0) {
      // An unprivileged owner may only keep the group; keep what can be kept.
      if (fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0) {
      }
    }
    ok = fchmod(fd, st.st_mode & 07777) == 0;
  }
  ok = ok && Sync(fd);
  if (close(fd) != 0) ok = false;
  if (ok) {
    const WriteFaults* faults = Faults();
    if (faults && faults->rename) {
      ok = false;
    } else {
      ok = rename(temp.c_str(), target.c_str()) == 0;
    }
  }
  if (!ok) {
    unlink(temp.c_str());
    return false;
  }
  // Make the rename itself durable.
  const int dfd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    fsync(dfd);
    close(dfd);
  }
  return true;
}

}  // namespace kelp
