#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstring>

#include "format/os.h"

namespace serigen::os {

namespace {

int open_fd(const std::string& path, int flags, int& fd) {
  errno = 0;
  // Other programs may read the file meanwhile, as they may on other systems.
  fd = ::_sopen(path.c_str(), flags | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, _S_IREAD | _S_IWRITE);
  return fd < 0 ? (errno != 0 ? errno : EIO) : 0;
}

int last_error_as_errno() {
  switch (::GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    default:
      return EIO;
  }
}

}  // namespace

int open_existing(const std::string& path, int& fd) { return open_fd(path, _O_WRONLY, fd); }

// Windows links are rare in model directories; a file is created as it
// stands.
int create_new(const std::string& path, int& fd) { return open_fd(path, _O_WRONLY | _O_CREAT | _O_EXCL, fd); }

int open_or_create(const std::string& path, int& fd, bool) { return open_fd(path, _O_WRONLY | _O_CREAT, fd); }

int open_append(const std::string& path, int& fd) { return open_fd(path, _O_WRONLY | _O_APPEND, fd); }

int write_all(int fd, std::string_view data) {
  while (!data.empty()) {
    errno = 0;
    unsigned chunk = data.size() > 0x40000000u ? 0x40000000u : static_cast<unsigned>(data.size());
    int n = ::_write(fd, data.data(), chunk);
    if (n <= 0) return errno != 0 ? errno : ENOSPC;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

int truncate(int fd, std::int64_t size) { return ::_chsize_s(fd, size); }

int close(int fd) {
  errno = 0;
  return ::_close(fd) < 0 ? (errno != 0 ? errno : EIO) : 0;
}

int remove(const std::string& path) { return ::DeleteFileA(path.c_str()) ? 0 : last_error_as_errno(); }

int replace(const std::string& from, const std::string& to) {
  return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : last_error_as_errno();
}

int describe(int fd, FileInfo& info) {
  struct _stat64 st {};
  errno = 0;
  if (::_fstat64(fd, &st) < 0) return errno != 0 ? errno : EIO;
  info.regular = (st.st_mode & _S_IFREG) != 0;
  info.mode = static_cast<unsigned>(st.st_mode & 0777);
  return 0;
}

void take_over(int, const FileInfo&) {}  // a new file inherits the directory's permissions

std::string resolve_links(const std::string& path) { return path; }

bool try_lock(int fd) {
  HANDLE h = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
  if (h == INVALID_HANDLE_VALUE) return true;
  OVERLAPPED at{};
  if (::LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) return true;
  return ::GetLastError() != ERROR_LOCK_VIOLATION;
}

void open_standard_descriptors() {}  // a Windows program starts with its three standard handles

bool is_terminal(int fd) { return ::_isatty(fd) != 0; }

bool may_write(const std::string& path) { return ::_access(path.c_str(), 2) == 0; }

// The read-only attribute of a directory does not stop files being made in it.
bool is_writable_directory(const std::string&) { return true; }

// A file that is open cannot be removed here; a later run removes what an
// interrupted one left.
void remove_on_interrupt(const std::string&) {}

std::string error_text(int code) { return std::strerror(code); }

}  // namespace serigen::os
