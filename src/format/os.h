// The few operating-system calls that file units and the console need
// beyond the standard library: descriptors opened with exact flags, replacing
// a file by renaming over it, locks, terminals and signals. One header; the
// code is in os-posix.cc and os-win32.cc. Paths are native. Functions that
// can fail return 0 or the system's error code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace serigen::os {

// Opens an existing file for writing, without creating or truncating it;
// links are followed.
int open_existing(const std::string& path, int& fd);
// Creates a file that must not exist yet (mode 0666 less the umask),
// never through a link.
int create_new(const std::string& path, int& fd);
// Opens a file for writing, creating it when missing (0666 less the umask),
// without truncating it.
int open_or_create(const std::string& path, int& fd, bool follow_links);
// Opens a file for appending.
int open_append(const std::string& path, int& fd);

int write_all(int fd, std::string_view data);
int truncate(int fd, std::int64_t size);
int close(int fd);
int remove(const std::string& path);
// Renames `from` over `to`, replacing it.
int replace(const std::string& from, const std::string& to);

struct FileInfo {
  bool regular = false;
  unsigned mode = 0;
  long owner = -1;
  long group = -1;
};
int describe(int fd, FileInfo& info);
// Gives a new file the mode and, where permitted, the owner of the file it
// replaces.
void take_over(int fd, const FileInfo& old);

// The file that a chain of links at `path` points to; `path` itself when it
// is not a link.
std::string resolve_links(const std::string& path);

// An exclusive lock on an open file, held until the process ends; false
// when another process holds one.
bool try_lock(int fd);

// Opens any of descriptors 0, 1 and 2 that is closed on the null device, in
// the direction opposite to its use, so that no file takes its number and a
// write to a closed output fails.
void open_standard_descriptors();

bool is_terminal(int fd);

// Whether the process may write the file at `path`.
bool may_write(const std::string& path);

// Whether the process may create files in the directory.
bool is_writable_directory(const std::string& path);

// A temporary file to remove if the process is interrupted or terminated
// before it is renamed; an empty path clears it.
void remove_on_interrupt(const std::string& path);

std::string error_text(int code);

}  // namespace serigen::os
