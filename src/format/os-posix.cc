#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "format/os.h"

namespace serigen::os {

namespace {

int result(int rc) { return rc < 0 ? (errno != 0 ? errno : EIO) : 0; }

int open_fd(const std::string& path, int flags, int& fd) {
  errno = 0;
  do {
    fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  return result(fd);
}

// The temporary file to remove on an interrupt, kept where a signal handler
// can read it.
char interrupted_temp[4096];
volatile std::sig_atomic_t has_interrupted_temp = 0;

extern "C" void remove_and_reraise(int sig) {
  if (has_interrupted_temp) ::unlink(interrupted_temp);
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

}  // namespace

int open_existing(const std::string& path, int& fd) { return open_fd(path, O_WRONLY, fd); }

int create_new(const std::string& path, int& fd) {
  return open_fd(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, fd);
}

int open_or_create(const std::string& path, int& fd, bool follow_links) {
  return open_fd(path, O_WRONLY | O_CREAT | (follow_links ? 0 : O_NOFOLLOW), fd);
}

int open_append(const std::string& path, int& fd) { return open_fd(path, O_WRONLY | O_APPEND, fd); }

int write_all(int fd, std::string_view data) {
  while (!data.empty()) {
    errno = 0;
    ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return errno != 0 ? errno : ENOSPC;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

int truncate(int fd, std::int64_t size) {
  errno = 0;
  return result(::ftruncate(fd, static_cast<off_t>(size)));
}

int close(int fd) {
  errno = 0;
  int rc = ::close(fd);
  return rc < 0 && errno != EINTR ? result(rc) : 0;
}

int remove(const std::string& path) {
  errno = 0;
  return result(::unlink(path.c_str()));
}

int replace(const std::string& from, const std::string& to) {
  errno = 0;
  return result(::rename(from.c_str(), to.c_str()));
}

int describe(int fd, FileInfo& info) {
  struct stat st {};
  errno = 0;
  if (::fstat(fd, &st) < 0) return result(-1);
  info.regular = S_ISREG(st.st_mode);
  info.mode = static_cast<unsigned>(st.st_mode & 07777);
  info.owner = static_cast<long>(st.st_uid);
  info.group = static_cast<long>(st.st_gid);
  return 0;
}

void take_over(int fd, const FileInfo& old) {
  struct stat st {};
  if (::fstat(fd, &st) < 0) return;
  // Owner first: changing it may clear the set-id bits that the mode restores.
  if (static_cast<long>(st.st_uid) != old.owner || static_cast<long>(st.st_gid) != old.group) {
    [[maybe_unused]] int ignored = ::fchown(fd, static_cast<uid_t>(old.owner), static_cast<gid_t>(old.group));
  }
  ::fchmod(fd, static_cast<mode_t>(old.mode));
}

std::string resolve_links(const std::string& path) {
  std::string p = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) < 0 || !S_ISLNK(st.st_mode)) return p;
    char buf[4096];
    ssize_t n = ::readlink(p.c_str(), buf, sizeof buf - 1);
    if (n < 0) return p;
    std::string target(buf, static_cast<std::size_t>(n));
    std::size_t slash = p.rfind('/');
    if (target[0] != '/' && slash != std::string::npos) target = p.substr(0, slash + 1) + target;
    p = target;
  }
  return p;
}

bool try_lock(int fd) {
  int rc;
  do {
    rc = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (rc < 0 && errno == EINTR);
  return rc == 0 || errno != EWOULDBLOCK;  // a file system without locks does not stop the run
}

void open_standard_descriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    // Input gets a device it cannot read from, outputs one they cannot
    // write to: every use then fails as it would on the closed descriptor.
    int opened = ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
    if (opened >= 0 && opened != fd) {
      ::dup2(opened, fd);
      ::close(opened);
    }
  }
}

bool is_terminal(int fd) { return ::isatty(fd) == 1; }

bool may_write(const std::string& path) { return ::access(path.c_str(), W_OK) == 0; }

bool is_writable_directory(const std::string& path) { return ::access(path.c_str(), W_OK | X_OK) == 0; }

void remove_on_interrupt(const std::string& path) {
  static bool installed = false;
  if (!installed) {
    installed = true;
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
      struct sigaction old {};
      ::sigaction(sig, nullptr, &old);
      if (old.sa_handler == SIG_IGN) continue;  // a run started to ignore it keeps ignoring it
      struct sigaction sa {};
      sa.sa_handler = remove_and_reraise;
      sigemptyset(&sa.sa_mask);
      ::sigaction(sig, &sa, nullptr);
    }
  }
  has_interrupted_temp = 0;
  if (path.empty() || path.size() >= sizeof interrupted_temp) return;
  std::memcpy(interrupted_temp, path.c_str(), path.size() + 1);
  has_interrupted_temp = 1;
}

std::string error_text(int code) { return std::strerror(code); }

}  // namespace serigen::os
