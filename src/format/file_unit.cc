#include "format/file_unit.h"

#include <cerrno>

#include "format/io_error.h"
#include "format/list_directed.h"
#include "format/os.h"

namespace serigen {

std::string native_path(std::string_view path) {
  std::string p(path);
#ifndef _WIN32
  for (char& c : p) {
    if (c == '\\') c = '/';
  }
#endif
  return p;
}

FileUnit::~FileUnit() {
  if (fd_ >= 0) os::close(fd_);
  drop_temporary();
}

int FileUnit::open(WhenMissing missing) {
  const std::string path = native_path(name_);
  target_ = os::resolve_links(path);
  // The old file is opened for writing first, so that the replacement is
  // refused exactly where writing the file would be.
  int code = os::open_existing(target_, fd_);
  if (code == 0) {
    had_old_ = os::describe(fd_, old_) == 0;
  } else if (code == ENOENT && missing == WhenMissing::CreateEmpty) {
    code = os::open_or_create(target_, fd_, false);
  } else if (code == ENOENT) {
    // A new file: its temporary is made now, so that a missing directory is
    // found at the open.
    code = create_temporary();
  }
  open_ = code == 0;
  return code;
}

int FileUnit::create_temporary() {
  std::string temporary = target_ + std::string(kTemporaryEnding);
  // Named for removal before it exists: a signal that arrives during the
  // call that creates it is handled when that call returns.
  os::remove_on_interrupt(temporary);
  int code = os::create_new(temporary, temporary_fd_);
  if (code == EEXIST && os::remove(temporary) == 0) code = os::create_new(temporary, temporary_fd_);
  if (code != 0) {
    os::remove_on_interrupt({});
    return code;
  }
  temporary_ = temporary;
  if (had_old_) os::take_over(temporary_fd_, old_);
  return 0;
}

void FileUnit::drop_temporary() {
  if (temporary_fd_ >= 0) os::close(temporary_fd_);
  temporary_fd_ = -1;
  if (!temporary_.empty()) {
    os::remove(temporary_);
    os::remove_on_interrupt({});
    temporary_.clear();
  }
}

void FileUnit::write_list(std::initializer_list<OutItem> items) { serigen::write_list(pending_, kFileRecordEnd, items); }

void FileUnit::write_failed(int code) {
  drop_temporary();
  fail_io(kWriteError, unit_, name_, code != 0 ? os::error_text(code) : std::string());
}

// The first records: the whole file at once.
void FileUnit::replace_whole() {
  replaced_ = true;
  // A device (anything but a regular file) is written in place.
  const bool regular = !had_old_ || old_.regular;
  if (regular && temporary_fd_ < 0) {
    if (int code = create_temporary(); code != 0) {
      if (fd_ < 0) write_failed(code);
      in_place_ = true;  // the directory cannot take it, but the old file is open
    }
  }
  if (!regular || in_place_) {
    // A device keeps no length to cut; a failed cut there is no failure.
    if (int code = os::truncate(fd_, 0); code != 0 && regular) write_failed(code);
    if (int code = os::write_all(fd_, pending_); code != 0) write_failed(code);
    return;
  }
  int code = os::write_all(temporary_fd_, pending_);
  int closed = os::close(temporary_fd_);
  temporary_fd_ = -1;
  if (code == 0) code = closed;
  if (code != 0) write_failed(code);
  if (fd_ >= 0) {
    os::close(fd_);  // the old file, only read for its permissions
    fd_ = -1;
  }
  if (int renamed = os::replace(temporary_, target_); renamed != 0) write_failed(renamed);
  os::remove_on_interrupt({});
  temporary_.clear();
}

void FileUnit::flush() {
  if (!open_) {
    pending_.clear();  // a unit whose open failed (and was reported) keeps nothing
    return;
  }
  if (pending_.empty()) return;
  if (!replaced_) {
    replace_whole();
  } else {
    if (fd_ < 0) {
      if (int code = os::open_append(target_, fd_); code != 0) write_failed(code);
    }
    if (int code = os::write_all(fd_, pending_); code != 0) write_failed(code);
  }
  pending_.clear();
}

void FileUnit::close() {
  if (!open_) return;
  flush();
  open_ = false;
  drop_temporary();  // a new file that got no records is not made
  if (fd_ >= 0) {
    int code = os::close(fd_);
    fd_ = -1;
    if (code != 0) write_failed(code);
  }
}

bool FileUnit::try_lock() { return fd_ < 0 || os::try_lock(fd_); }

void rewrite_in_place(int unit, std::string_view name, std::string_view records) {
  const std::string file(name);
  int fd = -1;
  if (int code = os::open_or_create(native_path(name), fd, false); code != 0) {
    fail_io("open error", unit, file, code == ELOOP ? "a symbolic link, which is not followed" : os::error_text(code));
  }
  int code = os::write_all(fd, records);
  if (code == 0) code = os::truncate(fd, static_cast<std::int64_t>(records.size()));
  int closed = os::close(fd);
  if (code == 0) code = closed;
  if (code != 0) fail_io(kWriteError, unit, file, os::error_text(code));
}

}  // namespace serigen
